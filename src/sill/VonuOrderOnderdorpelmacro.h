#pragma once
// The sill macro configurator: for one sub-article or operation row of the
// current order line the user chooses a machining macro per position of the
// sill, types the dimensions between them, the quantity and the saw length,
// or names a special sill by its production number. Confirming writes the
// row's sill values and the line's first detail row; cancelling changes
// nothing in the order.

#include "sill/SillConfiguration.h"
#include "sill/SillMacroSource.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vonu {

class IMessageDialog;
class ISound;
class TVonuOrderscherm;

// What the configurator opens with.
struct SillMacroRequest {
    QChar kind = u'S'; // 'S' sub-article row, 'B' operation row
    int line = 0;
    int row = 0;
    QString article;
    QString aantal; // the line's first detail row
    QString zaagmaat;
    QString productienummer; // field 2 of the row
    // The row's stored values, shown instead of the proposals (the row's
    // article did not change since they were configured).
    std::optional<sill::SillValues> restore;
    // The production number's macro file is looked for here.
    QString macroFolder;
    // Figures the line's detail size takes: a longer saw length could not
    // reach it whole.
    int zaagmaatLengte = sill::MaatLengte;
};

class TVonuOrderOnderdorpelmacroscherm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* SchermNaam = "VonuOrderOnderdorpelmacroscherm";

    TVonuOrderOnderdorpelmacroscherm(ISillMacroQueries& queries, IMessageDialog& messages, ISound& sound,
                                     QWidget* parent = nullptr);

    // Fills and lays out the dialog for the row: the proposal of the
    // article's macros decides the positions, dimension fields, labels and
    // title; the lists are filled for the simple or extended choice.
    void laad(const SillMacroRequest& request);
    // The saved placement of the session user, if any.
    void plaats(const std::optional<SillWindowPlacement>& placement);

    const sill::SillConfiguration& configuratie() const { return config_; }
    // Confirmed: the Ok button is disabled before the dialog closes.
    bool bevestigd() const;
    // The values as the dialog shows them (macro codes of hidden positions
    // are empty).
    sill::SillValues waarden() const;
    sill::SillEntry invoer() const;

    // ----- controls (positions k 1..12, dimensions j 1..13)
    QLineEdit* productienummer() const { return productienummer_; }
    QLineEdit* aantal() const { return aantal_; }
    QLineEdit* zaagmaat() const { return zaagmaat_; }
    QComboBox* bewerking(int k) const { return bewerking_.at(std::size_t(k)); }
    QLineEdit* udk(int k) const { return udk_.at(std::size_t(k - 1)); }
    QLineEdit* hoh(int k) const { return hoh_.at(std::size_t(k - 1)); }
    QLineEdit* maat(int j) const { return maat_.at(std::size_t(j - 1)); }
    QLabel* lMaat(int j) const { return lMaat_.at(std::size_t(j - 1)); }
    QLabel* lBewerking(int k) const { return lBewerking_.at(std::size_t(k - 1)); }
    QLabel* lProductienummer() const { return lProductienummer_; }
    QLabel* lAantal() const { return lAantal_; }
    QLabel* lZaagmaat() const { return lZaagmaat_; }
    QLabel* lUDK() const { return lUDK_; }
    QLabel* lHOH() const { return lHOH_; }
    QLabel* lMaatKop() const { return lMaatKop_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* annuleren() const { return annuleren_; }
    QStatusBar* statusBar() const { return statusBar_; }
    QString statusText() const;
    // The red labels of the checks.
    bool aantalRood() const { return aantalRood_; }
    bool zaagmaatRood() const { return zaagmaatRood_; }

    // ----- handlers
    void bewerking0Change();
    void bewerkingChange(int k);
    void aantalExit();
    void zaagmaatExit();
    void okClick();
    void annulerenClick();
    void up1Click();
    void down1Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    // Every close (also Escape and the close box) saves the placement.
    void done(int result) override;

private:
    void build();
    void buildRow(int k);
    void layOut();
    void layOutDimensions();
    void setRed(QLabel* label, bool red);
    void setDistances(int k, std::optional<int> udk, std::optional<int> hoh);
    QString macroCode(int k) const;
    bool extendedInUse() const;
    void refreshChoices();
    sill::SillField fieldOf(const QObject* widget) const;
    QWidget* widgetOf(const sill::SillField& field) const;
    void leave(const sill::SillField& field);
    bool keyPress(const sill::SillField& field, QKeyEvent* key);
    void enter(const sill::SillField& field);
    void productienummerEnter();
    void focusField(const sill::SillField& field);
    void beepAndTell(const QString& text);

    ISillMacroQueries& queries_;
    IMessageDialog& messages_;
    ISound& sound_;
    SillMacroRequest request_;
    sill::SillConfiguration config_;

    QLabel* lProductienummer_ = nullptr;
    QLineEdit* productienummer_ = nullptr;
    QLabel* lAantal_ = nullptr;
    QLineEdit* aantal_ = nullptr;
    QLabel* lZaagmaat_ = nullptr;
    QLineEdit* zaagmaat_ = nullptr;
    QLabel* lBewerking0_ = nullptr;
    QLabel* lUDK_ = nullptr;
    QLabel* lHOH_ = nullptr;
    QLabel* lMaatKop_ = nullptr;
    std::array<QComboBox*, sill::Posities + 1> bewerking_{}; // 0 is the simple/extended choice
    std::array<QLabel*, sill::Posities> lBewerking_{};
    std::array<QLineEdit*, sill::Posities> udk_{};
    std::array<QLineEdit*, sill::Posities> hoh_{};
    std::array<QLineEdit*, sill::Maten> maat_{};
    std::array<QLabel*, sill::Maten> lMaat_{};
    QPushButton* ok_ = nullptr;
    QPushButton* annuleren_ = nullptr;
    QStatusBar* statusBar_ = nullptr;

    bool aantalRood_ = false;
    bool zaagmaatRood_ = false;
    int updating_ = 0;          // lists filled by the program: no change handlers
    bool exitsHandled_ = false; // the confirmation ran the focused field's exit itself
    bool closed_ = false;
};

// Opens the configurator for row `row` of `line` (kind 'S' or 'B') of the
// main screen's order when the row's article is a sill with macros; on
// confirmation writes the first detail row (through the screen's own
// detail exits) and the row's sill values. Always clears PreviousArticle.
void openSillMacroDialog(TVonuOrderscherm& screen, ISillMacroQueries& queries, QChar kind, int line, int row);

} // namespace vonu
