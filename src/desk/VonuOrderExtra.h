#pragma once
// The extra order data of the order desk: delivery address, dates, delivery
// method, costs, contract and freight choices, delivery and production
// texts. Lives for the whole run; its fields are the working copy of these
// order values.

#include <QDialog>

#include <array>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vonu {

class RadioGroup;

class TVonuOrderExtrascherm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Afleverteksten = 5;
    static constexpr int Productieteksten = 3;

    explicit TVonuOrderExtrascherm(QWidget* parent = nullptr);

    QLineEdit* afleverRelatie() const { return afleverRelatie_; }
    QPushButton* zoekRelatie() const { return zoekRelatie_; }
    QLineEdit* zoeknaam() const { return zoeknaam_; }
    QLineEdit* naam() const { return naam_; }
    QLineEdit* naam2() const { return naam2_; }
    QLineEdit* adres1() const { return adres_[0]; }
    QLineEdit* adres2() const { return adres_[1]; }
    QLineEdit* adres3() const { return adres_[2]; }
    QLineEdit* postkode() const { return postkode_; }
    QLineEdit* plaats() const { return plaats_; }
    QLineEdit* land() const { return land_; }
    QLineEdit* kontakt() const { return kontakt_; }
    QDateEdit* leverdatum() const { return leverdatum_; }
    QCheckBox* leverdatumGewijzigd() const { return leverdatumGewijzigd_; }
    QLineEdit* productieweek() const { return productieweek_; }
    QCheckBox* gebruikAfleverdatum() const { return gebruikAfleverdatum_; }
    QDateEdit* afleverdatum() const { return afleverdatum_; }
    QLineEdit* leveringswijze() const { return leveringswijze_; }
    QPushButton* zoekLeveringswijze() const { return zoekLeveringswijze_; }
    QLabel* oLeveringswijze() const { return oLeveringswijze_; }
    QLineEdit* orderkosten() const { return orderkosten_; }
    RadioGroup* gebruikAfroep() const { return gebruikAfroep_; }
    RadioGroup* extraVrachtkosten() const { return extraVrachtkosten_; }
    // Delivery texts 1..5 and production texts 1..3.
    QLineEdit* aflevertekst(int i) const { return afleverteksten_.at(std::size_t(i - 1)); }
    QLineEdit* aflevertekst41() const { return aflevertekst41_; }
    QLineEdit* aflevertekst51() const { return aflevertekst51_; }
    QLineEdit* productietekst(int i) const { return productieteksten_.at(std::size_t(i - 1)); }
    QLabel* lAflevergegevens() const { return lAflevergegevens_; }
    QStatusBar* statusBar() const { return statusBar_; }
    QPushButton* okButton() const { return ok_; }

    // Captions of the extra freight choices 1 and 2 (from the order desk's
    // constants); choice 0 is always "no extra freight".
    void setExtraVrachtOmschrijvingen(const QString& keuze1, const QString& keuze2);

private:
    QLineEdit* afleverRelatie_ = nullptr;
    QPushButton* zoekRelatie_ = nullptr;
    QLineEdit* zoeknaam_ = nullptr;
    QLineEdit* naam_ = nullptr;
    QLineEdit* naam2_ = nullptr;
    std::array<QLineEdit*, 3> adres_{};
    QLineEdit* postkode_ = nullptr;
    QLineEdit* plaats_ = nullptr;
    QLineEdit* land_ = nullptr;
    QLineEdit* kontakt_ = nullptr;
    QDateEdit* leverdatum_ = nullptr;
    QCheckBox* leverdatumGewijzigd_ = nullptr;
    QLineEdit* productieweek_ = nullptr;
    QCheckBox* gebruikAfleverdatum_ = nullptr;
    QDateEdit* afleverdatum_ = nullptr;
    QLineEdit* leveringswijze_ = nullptr;
    QPushButton* zoekLeveringswijze_ = nullptr;
    QLabel* oLeveringswijze_ = nullptr;
    QLineEdit* orderkosten_ = nullptr;
    RadioGroup* gebruikAfroep_ = nullptr;
    RadioGroup* extraVrachtkosten_ = nullptr;
    std::array<QLineEdit*, Afleverteksten> afleverteksten_{};
    QLineEdit* aflevertekst41_ = nullptr;
    QLineEdit* aflevertekst51_ = nullptr;
    std::array<QLineEdit*, Productieteksten> productieteksten_{};
    QLabel* lAflevergegevens_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vonu
