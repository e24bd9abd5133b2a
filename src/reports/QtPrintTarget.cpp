#include "reports/QtPrintTarget.h"

#include "reports/ReportPainter.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

namespace vonu::report {

QtPrintTarget::QtPrintTarget(QWidget* dialogParent)
    : m_parent(dialogParent), m_printer(QPrinter::HighResolution)
{
}

QStringList QtPrintTarget::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

bool QtPrintTarget::choosePrinter()
{
    QPrintDialog dialog(&m_printer, m_parent);
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
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setPrinterName(info.printerName());
    m_printer.setPrintRange(QPrinter::AllPages);
    return true;
}

bool QtPrintTarget::print(const PageModel& pages, QString* error)
{
    int from = 0;
    int to = 0;
    if (m_printer.printRange() == QPrinter::PageRange) {
        from = m_printer.fromPage();
        to = m_printer.toPage();
    }
    m_printer.setDocName(pages.title);
    // As for PDF files written directly: whole pixel sizes for whole points.
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        m_printer.setResolution(720);
    if (!paint(pages, m_printer, from, to)) {
        if (error)
            *error = QStringLiteral("Afdrukken op %1 is mislukt.")
                         .arg(m_printer.outputFormat() == QPrinter::PdfFormat
                                  ? m_printer.outputFileName()
                                  : m_printer.printerName());
        return false;
    }
    return true;
}

void QtPrintTarget::preview(const PageModel& pages)
{
    QPrintPreviewDialog dialog(&m_printer, m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* printer) { paint(pages, *printer); });
    dialog.exec();
}

} // namespace vonu::report
