#pragma once
// The handlers of the sub-article, operation and detail panels of the
// current line and of the dialogs the main screen opens around them: what a
// change of a panel row means for its line (size correction, rebates, the
// quantity from the details), scrolling the panels, the Enter routes, the
// detail rows' keys and exits, the search buttons, the notes, delivery and
// description screens and the rebate field's double click.

#include "order/LineRules.h"
#include "order/VonuOrderOmschrijving.h"
#include "order/VonuOrderZoekArtikelRijen.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace vonu {

class RowWindow;
class TVonuOrderscherm;

class PanelEntry : public QObject {
    Q_OBJECT
public:
    enum class Paneel { Subartikel, Bewerking, Detail };

    explicit PanelEntry(TVonuOrderscherm& screen);
    ~PanelEntry() override;

    // The article of the row before its latest change, or the highlighted
    // row's article when the configurator is opened by hand; the
    // configurator reads and clears it.
    const QString& previousArticle() const { return previousArticle_; }
    void setPreviousArticle(const QString& text) { previousArticle_ = text; }

    // While the EAN entry sets operations itself, the rebate rules do not
    // open the dialog (the entry opens it once it is done).
    void setRebateDialog(SponningDialoog dialoog) { rebateDialog_ = dialoog; }
    SponningDialoog rebateDialog() const { return rebateDialog_; }

    // ----- panel rows (n is the screen row 1..4, or 1..10 for details)
    void subartikelChanged(int n);
    void bewerkingChanged(int n);
    // What the line's sub-articles mean for its correction field.
    void subartikelConsequences(int line);
    // The rebate rules and the configurator after an operation change.
    void bewerkingConsequences(int line);
    // Stores the detail values typed in the shown rows whose fields were
    // not left yet, checked as leaving them would.
    void storePendingDetails();
    void leaveDetailAantal(int n);
    void leaveDetailMaat(int n);
    // The first detail row of the current line gets a quantity and a size
    // as if the user typed them and left each field: the size check and
    // the detail total run.
    void enterFirstDetail(const QString& aantal, const QString& maat);
    // Writes the quantity text derived from the line's details into the
    // line and the current line row.
    void updateDetailTotal(int line);
    // Recomputes a panel's scroll maximum from the current line's rows.
    void updateRange(Paneel paneel);
    // A new scroll position of a panel: the rows move by the distance the
    // current row leaves the shown rows, otherwise the row at position+1
    // becomes current.
    void scrollPanel(Paneel paneel, int position);
    // Where Enter in a sub-article or operation row leads when it leaves
    // the panel (the row's field is empty).
    QWidget* leaveTarget(Paneel paneel) const;

    // ----- buttons and dialogs
    // Search and placement into the first empty row (scrolling when the
    // shown rows are full); the row's change runs as if the user chose it.
    void zoek(ZoekSoort soort);
    // Puts `code` into the first empty row of the panel; false when the
    // panel has no room or the code is not in the row's list.
    bool plaats(ZoekSoort soort, const QString& code);
    void openNotities();
    void openLeveringsInformatie();
    void openOmschrijving(int r);
    void openSponning(int r);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Plek {
        Paneel paneel = Paneel::Subartikel;
        int n = 0;
        bool maat = false; // DMaat rather than DAantal
    };

    RowWindow& window(Paneel paneel) const;
    void afterSubartikelen(int line);
    void afterBewerkingen(int line, const SponningGevolg& gevolg);
    void showLine(int line);
    void storeDetailAantal(int n);
    void storeDetailMaat(int n, bool focusBack);
    void openSponningFor(int line);
    void loadPanelRows(Paneel paneel);
    void panelChanged(Paneel paneel, int n);
    bool handleKey(const Plek& p, QKeyEvent* key);
    void enterInPanelRow(Paneel paneel, int n);
    void enterInDetail(int n, bool maat);
    void leaveDetailsForNextLine();
    void openOnderdorpel(QWidget* control);
    void returnFocus(QLineEdit* field);
    int currentLine() const;

    TVonuOrderscherm& screen_;
    QHash<QObject*, Plek> plekken_;
    QString previousArticle_;
    QPointer<QLineEdit> terugNaar_; // a refused size takes the focus back
    SponningDialoog rebateDialog_ = SponningDialoog::Toegestaan;
};

} // namespace vonu
