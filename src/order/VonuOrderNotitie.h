#pragma once
// The notes of the order: the customer's notes and, at the order desk, the
// remark printed on the order confirmation. Lives for the whole run and is
// shown modally from the main screen.

#include <QDialog>

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

    explicit TVonuOrderNotitiescherm(QWidget* parent = nullptr);

    QPlainTextEdit* notities() const { return notities_; }
    QPlainTextEdit* ob() const { return ob_; }
    QPushButton* okButton() const { return ok_; }

    QString notitiesText() const;
    QString obText() const;
    // Empties both memos.
    void clearTexts();

    void arrange(Indeling indeling);

private:
    QPlainTextEdit* notities_;
    QPlainTextEdit* ob_;
    QPushButton* ok_;
};

} // namespace vonu
