#pragma once
// The printer seam on Qt PrintSupport: the print dialog, printers by name
// (QPrinterInfo), the print preview and printing itself. The print dialog
// offers a preview ("Afdrukvoorbeeld"): the next print then shows the pages
// on screen, from where they can be printed or saved as PDF.

#include "reports/PrintTarget.h"

#include <QPrinter>
#include <QStringList>

class QWidget;

namespace vonu::report {

class QtPrintTarget final : public IPrintTarget {
public:
    explicit QtPrintTarget(QWidget* dialogParent = nullptr);

    bool choosePrinter() override;
    bool selectPrinter(const QString& name) override;
    bool print(const PageModel& pages, QString* error = nullptr) override;
    void preview(const PageModel& pages) override;

    // The printer that print() uses; tests point it at a PDF file.
    QPrinter& printer() { return printer_; }
    static QStringList printerNames();

private:
    QWidget* parent_;
    QPrinter printer_;
    bool previewChosen_ = false;   // the dialog's preview button was used
};

} // namespace vonu::report
