#include "Tools.h"

#include "reports/QtPrintTarget.h"
#include "reports/ReportLayout.h"
#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace vonu;
using namespace vonu::report;

namespace {

PageModel twoPages()
{
    Report r;
    ReportBand& kop = r.addBand(QStringLiteral("Kop"), BandKind::PageHeader, 60);
    ReportItem blad;
    blad.name = QStringLiteral("Blad");
    blad.kind = ItemKind::PageNumber;
    blad.caption = QStringLiteral("Blad ");
    blad.rect = QRectF(0, 0, 200, 17);
    kop.add(blad);
    ReportBand& regel = r.addBand(QStringLiteral("Regel"), BandKind::Detail, 500);
    ReportItem line;
    line.name = QStringLiteral("Tekst");
    line.field = QStringLiteral("Line");
    line.rect = QRectF(0, 0, 0, 17);
    regel.add(line);
    return layout(r, DataSet::fromLines({QStringLiteral("eerste"), QStringLiteral("tweede")}));
}

template <typename Action>
void whenModalAppears(Action action)
{
    test::whenModal<QDialog>([action](QDialog& d) { action(&d); });
}

} // namespace

TEST(QtPrintTarget, CancellingThePrintDialogIsReported)
{
    QtPrintTarget target;
    whenModalAppears([](QDialog* d) { d->reject(); });
    EXPECT_FALSE(target.choosePrinter());
}

TEST(QtPrintTarget, AcceptedDialogPrintsToTheChosenPdfFile)
{
    QTemporaryDir dir;
    QtPrintTarget target;
    target.printer().setOutputFormat(QPrinter::PdfFormat);
    target.printer().setOutputFileName(dir.filePath(QStringLiteral("dialoog.pdf")));
    whenModalAppears([](QDialog* d) { d->accept(); });
    ASSERT_TRUE(target.choosePrinter());
    QString error;
    ASSERT_TRUE(target.print(twoPages(), &error)) << error.toStdString();
    const QString text = test::pdfText(target.printer().outputFileName());
    EXPECT_TRUE(text.contains(QStringLiteral("Blad 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("tweede")));
}

TEST(QtPrintTarget, PageRangeOfThePrinterIsHonoured)
{
    QTemporaryDir dir;
    QtPrintTarget target;
    target.printer().setOutputFormat(QPrinter::PdfFormat);
    target.printer().setOutputFileName(dir.filePath(QStringLiteral("bereik.pdf")));
    target.printer().setPrintRange(QPrinter::PageRange);
    target.printer().setFromTo(2, 2);
    ASSERT_TRUE(target.print(twoPages()));
    const QString text = test::pdfText(target.printer().outputFileName());
    EXPECT_FALSE(text.contains(QStringLiteral("eerste")));
    EXPECT_TRUE(text.contains(QStringLiteral("Blad 2")));
}

TEST(QtPrintTarget, APrinterThatIsNotInstalledIsNotChosen)
{
    QtPrintTarget target;
    EXPECT_FALSE(target.selectPrinter(QStringLiteral("Productieprinter bestaat niet")));
    EXPECT_FALSE(target.selectPrinter(QString()));
    for (const QString& name : QtPrintTarget::printerNames())
        EXPECT_TRUE(target.selectPrinter(name)) << name.toStdString();
}

TEST(QtPrintTarget, PreviewShowsEveryPage)
{
    QtPrintTarget target;
    const PageModel pages = twoPages();
    int shownPages = -1;
    whenModalAppears([&shownPages](QDialog* d) {
        if (auto* widget = d->findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            shownPages = widget->pageCount();
        }
        d->reject();
    });
    target.preview(pages);
    EXPECT_EQ(shownPages, 2);
}
