#include "reports/QtPrintTarget.h"

#include "reports/ReportPainter.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

namespace vonu::report {

QtPrintTarget::QtPrintTarget(QWidget* dialogParent)
    : parent_(dialogParent), printer_(QPrinter::HighResolution)
{
}

QStringList QtPrintTarget::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

bool QtPrintTarget::choosePrinter()
{
    QPrintDialog dialog(&printer_, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // The pages are laid out after the dialog, so any range may be asked for.
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintTarget::selectPrinter(const QString& name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name.trimmed());
    if (info.isNull() || name.trimmed().isEmpty())
        return false;
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(info.printerName());
    printer_.setPrintRange(QPrinter::AllPages);
    return true;
}

bool QtPrintTarget::print(const PageModel& pages, QString* error)
{
    int from = 0;
    int to = 0;
    if (printer_.printRange() == QPrinter::PageRange) {
        from = printer_.fromPage();
        to = printer_.toPage();
    }
    printer_.setDocName(pages.title);
    // As for PDF files written directly: whole pixel sizes for whole points.
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        printer_.setResolution(720);
    if (!paint(pages, printer_, from, to)) {
        if (error)
            *error = QStringLiteral("Afdrukken op %1 is mislukt.")
                         .arg(printer_.outputFormat() == QPrinter::PdfFormat
                                  ? printer_.outputFileName()
                                  : printer_.printerName());
        return false;
    }
    return true;
}

void QtPrintTarget::preview(const PageModel& pages)
{
    QPrintPreviewDialog dialog(&printer_, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* printer) { paint(pages, *printer); });
    dialog.exec();
}

} // namespace vonu::report
