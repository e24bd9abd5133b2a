#pragma once
// The extra order data of the order desk: delivery address, dates, delivery
// method, costs, contract and freight choices, delivery and production
// texts. Lives for the whole run; its fields are the working copy of these
// order values.

#include "order/DeskOrderData.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vonu {

class DeskDelivery;
struct Platform;
class RadioGroup;

// A standard text chosen for the delivery ('A') or production ('P') texts.
struct StandaardTekstKeuze {
    std::array<QString, 5> aflever;
    std::array<QString, 3> productie;
};

// Places a chosen standard text into the order's texts: each non-blank
// delivery line 1-3 into the first empty delivery text, lines 4 and 5 over
// texts 4 and 5; production lines into the first empty production texts.
// Returns false when the last non-blank line found no empty field.
bool placeStandardText(ExtraOrderData& extra, QChar type, const StandaardTekstKeuze& text);
// Places the caption of an extra freight choice: first removes either
// choice's caption from the delivery texts, then puts the chosen one (not
// choice 0) into the first empty one of texts 3, 2, 5, 1, 4.
void placeExtraFreight(ExtraOrderData& extra, const QString& caption1, const QString& caption2);

class TVonuOrderExtrascherm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Afleverteksten = 5;
    static constexpr int Productieteksten = 3;

    explicit TVonuOrderExtrascherm(Platform& platform, QWidget* parent = nullptr);

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

    // What the screen needs of the order desk: the delivery data in the
    // database, and the searches (title and initial value; the chosen code,
    // nullopt when cancelled) and standard texts.
    void setDelivery(DeskDelivery* delivery) { delivery_ = delivery; }
    std::function<std::optional<QString>(const QString& title, const QString& initial)> search;
    std::function<std::optional<StandaardTekstKeuze>(QChar type)> standaardTekst;

    // Shows the extra order data of the order modally: `extra` is edited in
    // place (every field writes into it as it changes). A stored order
    // (`ordernummer` not empty) edits its delivery texts, which are written
    // to the database when the screen closes; a new order shows the
    // relation's standing instruction. A quotation closes whatever its dates.
    void showFor(ExtraOrderData& extra, const QString& ordernummer, bool quotation);
    // The same without showing (tests drive the open screen themselves):
    // prepares the fields; finish() does what closing does after the check.
    void prepare(ExtraOrderData& extra, const QString& ordernummer, bool quotation);
    void finish();
    // The closing check: true when the dates allow closing; otherwise the
    // warning has been shown and the focus placed.
    bool closingCheck();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void load();
    void wireModel();
    void enterPressed(QWidget* field);
    void readRelation(const QString& relatie);
    void fillInstruction();
    void freightClicked();
    void chooseStandardText(QWidget* field);
    void writeTexts();

    ExtraOrderData* data_ = nullptr;
    ExtraOrderData scratch_;
    QString ordernummer_;
    bool quotation_ = false;
    bool loading_ = false;
    std::array<QString, 9> remembered_;
    Platform& platform_;
    DeskDelivery* delivery_ = nullptr;

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
