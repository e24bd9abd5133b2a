#pragma once
// The seam between a report run and the printer. The GUI library has the
// real one (print dialog, printers by name, preview); PdfFileTarget writes
// a PDF file and needs no printer at all.

#include "reports/PageModel.h"

#include <QString>

namespace vonu::report {

class IPrintTarget {
public:
    virtual ~IPrintTarget() = default;
    // Shows the print dialog (printer, copies, page range); false when the
    // user cancelled. The choice holds for the following print().
    virtual bool choosePrinter() = 0;
    // Chooses an installed printer by its name without a dialog; false when
    // no printer has that name.
    virtual bool selectPrinter(const QString& name) = 0;
    // Prints the pages on the chosen printer; false, with a reason, when it failed.
    virtual bool print(const PageModel& pages, QString* error = nullptr) = 0;
    // Shows the pages on screen until the user closes the preview.
    virtual void preview(const PageModel& pages) = 0;
};

// Writes every print to one PDF file; the dialog always "accepts".
class PdfFileTarget final : public IPrintTarget {
public:
    explicit PdfFileTarget(QString path) : path_(std::move(path)) {}
    bool choosePrinter() override { return true; }
    bool selectPrinter(const QString&) override { return false; }
    bool print(const PageModel& pages, QString* error = nullptr) override;
    void preview(const PageModel&) override {}
    const QString& path() const { return path_; }

private:
    QString path_;
};

} // namespace vonu::report
