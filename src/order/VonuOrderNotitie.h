#pragma once
// The notes of the order: the customer's notes and, at the order desk, the
// remark printed on the order confirmation. Lives for the whole run and is
// shown modally from the main screen.

#include <QDialog>

#include <functional>
#include <optional>

class QAction;
class QPlainTextEdit;
class QPushButton;

namespace vonu {

class TVonuOrderNotitiescherm : public QDialog {
    Q_OBJECT
public:
    // Which memos the screen offers when it opens.
    enum class Indeling {
        Klant,            // customer notes only
        BaliMetNotities,  // order desk, order from a customer: notes (read-only) and remark
        Bali,             // order desk: remark only
    };

    // The order desk's library of standard texts: the `Bevestiging` text of
    // the confirmation remark the user picked, nothing when none was picked.
    using StandaardBevestiging = std::function<std::optional<QString>()>;

    explicit TVonuOrderNotitiescherm(QWidget* parent = nullptr);

    QPlainTextEdit* notities() const { return notities_; }
    QPlainTextEdit* ob() const { return ob_; }
    QPushButton* okButton() const { return ok_; }
    QAction* standaardtekstActie() const { return standaardtekst_; }

    QString notitiesText() const;
    QString obText() const;
    // Empties both memos.
    void clearTexts();
    // True when either memo holds more than blanks.
    bool hasText() const;

    void arrange(Indeling indeling);
    // Arranges the memos and shows the screen modally.
    void toon(Indeling indeling);

    // Without a library (customer mode) the menu item is not offered.
    void setStandaardtekst(StandaardBevestiging bron);
    // Appends a picked standard text to the remark; the focus returns to it.
    void kiesStandaardtekst();

signals:
    // After the screen was hidden: time to update the `Notities` button.
    void verborgen();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateStandaardtekst();

    QPlainTextEdit* notities_;
    QPlainTextEdit* ob_;
    QPushButton* ok_;
    QAction* standaardtekst_;
    StandaardBevestiging bron_;
};

// The main screen's `Notities` button is bold while the order has notes.
void markNotitiesButton(QPushButton* button, const TVonuOrderNotitiescherm& screen);

} // namespace vonu
