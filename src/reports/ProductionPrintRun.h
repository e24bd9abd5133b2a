#pragma once
// The production papers of a stored order, printed when the order desk sends
// or prints it: the production order (on the printer named P_productie, or
// one chosen in the print dialog), the control copy with the sizes as
// entered when there are any, the picture pages and the sill sheets.

#include "base/Platform.h"
#include "desk/ProductionPapers.h"
#include "reports/PageModel.h"


namespace vonu {

class DbSession;
struct SillSheetEntry;
namespace report {
class IPrintTarget;
}

// Settings of Morvek.Ini and the workstation.
struct ProductionPrintSettings {
    QString pProductie;          // printer of the production order
    QString bedrijfsLogo;        // folder of the logos
    QString productAfbeelding;   // folder of the production pictures
    QString workstation;         // "PROEF..." on a test workstation
};

// The main screen's debtor labels, as the header shows them.
struct DebtorLabels {
    QString debiteur, naam, adres, woonplaats;
};

// What the run shows on, and reads from, the main screen of the order desk.
class IProductionScreen {
public:
    virtual ~IProductionScreen() = default;
    virtual void showStatus(const QString& text) = 0;  // status panel 0
    virtual DebtorLabels debtor() const = 0;
    // The order number on the main screen; a print copy is stored under the
    // workstation's name, but its papers carry this number.
    virtual QString currentOrder() const = 0;
};

class ProductionPrintRun final : public IProductionPapers {
public:
    // Shown in the status panel when the production printer is missing.
    static QString printerNotFound();

    ProductionPrintRun(DbSession& db, report::IPrintTarget& target, IMessageDialog& messages, IClock& clock,
                       ISound& sound, IProductionScreen& screen, ProductionPrintSettings settings);

    // The production order and, when it holds entered or corrected sizes,
    // its control copy; the pictures and sill sheets come once, with the
    // last of them.
    bool printProductionOrder(const QString& ordernummer) override;
    // One run: variant empty for the production order, "IngevoerdeMaten"
    // for the control copy. False when a statement or the print failed.
    bool print(const QString& ordernummer, const QString& variant);
    bool enteredSizes() const { return enteredSizes_; }

private:
    void status(const QString& text);
    bool send(const report::PageModel& pages);
    QImage logo(const QString& vAdres, const QString& verzendLogo);
    bool picturePages(const QString& ordernummer, const QString& orderText, int pages);
    bool sillSheets(const QString& ordernummer, const QString& orderText, int pages);

    DbSession& db_;
    report::IPrintTarget& target_;
    IMessageDialog& messages_;
    IClock& clock_;
    ISound& sound_;
    IProductionScreen& screen_;
    ProductionPrintSettings settings_;
    bool enteredSizes_ = false;
    bool logoWarned_ = false;
};

} // namespace vonu
