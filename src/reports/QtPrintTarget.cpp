#include "reports/QtPrintTarget.h"

#include "reports/ReportPainter.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
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
    m_previewChosen = false;
    QPrintDialog dialog(&m_printer, m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // Saving as PDF is a choice of the dialog's printer list ("Print to
    // File"), so it works on a workstation without any printer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // The pages are laid out after the dialog, so any range may be asked for.
    dialog.setMinMax(1, 9999);
    if (QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* preview = buttons->addButton(QStringLiteral("Afdruk&voorbeeld"), QDialogButtonBox::ActionRole);
        preview->setObjectName(QStringLiteral("Afdrukvoorbeeld"));
        QObject::connect(preview, &QPushButton::clicked, &dialog, [this, &dialog] {
            m_previewChosen = true;
            dialog.accept();
        });
    }
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintTarget::selectPrinter(const QString& name)
{
    m_previewChosen = false;
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
    // Asked for in the dialog: the pages on screen, printed or saved from there.
    if (m_previewChosen) {
        m_previewChosen = false;
        preview(pages);
        return true;
    }
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
