#pragma once
// The rebate dialog of an order line and the two entry points the main
// screen calls: the rebate rules after an operation change, and the dialog
// itself (also opened by a double click in a rebate field and by the EAN
// entry). There is no cancel: every close rewrites the line's rebate text
// and its generated description lines from what the dialog shows.

#include "order/VonuOrder.h"
#include "sill/Rebates.h"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vonu {

class IMessageDialog;

class TVonuOrderSponningscherm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Rijen = sponning::MaxSponningen;

    TVonuOrderSponningscherm(IMessageDialog& messages, QWidget* parent = nullptr);

    // Fills the rows from the line's rebate operations (a third is ignored)
    // and prefills sizes and sides from the line's rebate text; hides the
    // rows without an operation and shrinks the dialog to fit.
    void laad(const std::vector<sponning::SponningBewerking>& bewerkingen, const QString& sponningTekst);

    // Rows are 1-based.
    QLineEdit* artikel(int rij) const { return rij_.at(std::size_t(rij - 1)).artikel; }
    QLineEdit* omschrijving(int rij, int nummer) const;
    QLineEdit* sponningMaat(int rij) const { return rij_.at(std::size_t(rij - 1)).sponning; }
    QComboBox* sponningLR(int rij) const { return rij_.at(std::size_t(rij - 1)).zijde; }
    QPushButton* okButton() const { return ok_; }
    QStatusBar* statusBar() const { return statusBar_; }
    bool rijGetoond(int rij) const { return rij_.at(std::size_t(rij - 1)).getoond; }
    // Operation row of the line behind dialog row `rij` (0 when none).
    int bewerkingsRij(int rij) const { return rij_.at(std::size_t(rij - 1)).bewerkingsRij; }

    // After closing: the rebate text the dialog shows, and whether the
    // close check dropped the second rebate.
    QString tekst() const;
    bool tweedeVervallen() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    // Every way of closing runs the close check once.
    void done(int result) override;

private:
    struct Rij {
        QLineEdit* artikel = nullptr;
        std::array<QLineEdit*, 2> omschrijving{};
        QLineEdit* sponning = nullptr;
        QComboBox* zijde = nullptr;
        bool getoond = false;
        int bewerkingsRij = 0;
    };

    void buildRow(int index);
    void prefill(const sponning::VastgelegdeSponning& s);
    void closeCheck();
    bool keyInSize(QLineEdit* edit, QKeyEvent* key);
    bool keyInSide(int rij, QKeyEvent* key);

    IMessageDialog& messages_;
    std::array<Rij, Rijen> rij_{};
    std::array<QLabel*, 4> koppen_{};
    QPushButton* ok_;
    QStatusBar* statusBar_;
    bool checked_ = false;
};

// What a run of the rebate dialog did to the line.
struct SponningUitkomst {
    QString tekst;                 // the stored 90-column text
    sponning::Plaatsing plaatsing = sponning::Plaatsing::Geplaatst;
    int vervallenRij = 0;          // operation row emptied by the close check, 0 when none
};

// The dialog for `line` (the line the main screen's panels show): stores the
// rebate text, drops a refused second rebate operation, rewrites the
// generated description lines, reports a lack of room in status panel 0
// with a beep, and puts the text into the line row's rebate field.
SponningUitkomst editRebates(TVonuOrderscherm& screen, int line);

// The rebate rules after an operation of `line` changed: sets or clears the
// line's rebate flag, empties and shows or hides the line row's rebate field
// when the flag changes, and opens the dialog when the number of rebate
// operations differs from the rebates recorded (unless suppressed).
sponning::Controle rebateConsequences(TVonuOrderscherm& screen, int line,
                                      SponningDialoog dialoog = SponningDialoog::Toegestaan);

// The rebate rules and dialog as the main screen takes them.
SponningKoppeling sponningKoppeling();

} // namespace vonu
