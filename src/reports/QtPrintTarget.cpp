#include "reports/QtPrintTarget.h"

#include "base/Text.h"
#include "reports/ReportPainter.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

namespace vonu::report {

namespace {

namespace Tekst {
const char* const Afdrukvoorbeeld = "Afdruk&voorbeeld";
const char* const Mislukt = "Afdrukken op %1 is mislukt.";
} // namespace Tekst

} // namespace

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
    previewChosen_ = false;
    QPrintDialog dialog(&printer_, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // Saving as PDF is a choice of the dialog's printer list ("Print to
    // File"), so it works on a workstation without any printer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // The pages are laid out after the dialog, so any range may be asked for.
    dialog.setMinMax(1, 9999);
    if (QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* preview = buttons->addButton(u8(Tekst::Afdrukvoorbeeld), QDialogButtonBox::ActionRole);
        preview->setObjectName(QStringLiteral("Afdrukvoorbeeld"));
        QObject::connect(preview, &QPushButton::clicked, &dialog, [this, &dialog] {
            previewChosen_ = true;
            dialog.accept();
        });
    }
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintTarget::selectPrinter(const QString& name)
{
    previewChosen_ = false;
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
    // Asked for in the dialog: the pages on screen, printed or saved from there.
    if (previewChosen_) {
        previewChosen_ = false;
        preview(pages);
        return true;
    }
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
            *error = u8(Tekst::Mislukt)
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
