// Preview from the print dialog, and the logo of the customer's overview.

#include "reports/QtPrintTarget.h"
#include "reports/ReportLayout.h"
#include "reports/VonuOrderRapport.h"

#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>

using namespace vonu;
using namespace vonu::report;

TEST(PrintPreview, ThePrintDialogOffersAPreviewInsteadOfPrinting)
{
    QTemporaryDir dir;
    QtPrintTarget target;
    target.printer().setOutputFormat(QPrinter::PdfFormat);
    target.printer().setOutputFileName(dir.filePath("niet.pdf"));
    bool offered = false;
    test::whenModal<QDialog>([&offered](QDialog& d) {
        if (auto* button = d.findChild<QPushButton*>("Afdrukvoorbeeld")) {
            offered = true;
            button->click();
        } else {
            d.reject();
        }
    });
    ASSERT_TRUE(target.choosePrinter());
    ASSERT_TRUE(offered);

    const PageModel pages = layoutOverview(OverviewHeader{}, {"eerste regel", "Einde overzicht."});
    int shown = -1;
    test::whenModal<QDialog>([&shown](QDialog& d) {
        if (auto* widget = d.findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            shown = widget->pageCount();
        }
        d.reject();
    });
    EXPECT_TRUE(target.print(pages));
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("niet.pdf")));

    // The next print goes to the printer again.
    ASSERT_TRUE(target.print(pages));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("niet.pdf")));
}

TEST(PrintPreview, TheOverviewCarriesTheLogoBesideTheCompanyName)
{
    OverviewHeader header;
    PageModel pages = layoutOverview(header, {"regel"});
    EXPECT_EQ(pages.pages.at(0).item("BedrijfsLogo"), nullptr);
    EXPECT_EQ(pages.pages.at(0).item("Bedrijf")->rect.left(), 0);

    header.logo = QImage(320, 64, QImage::Format_RGB32);
    header.logo.fill(Qt::darkBlue);
    pages = layoutOverview(header, {"regel"});
    ASSERT_NE(pages.pages.at(0).item("BedrijfsLogo"), nullptr);
    EXPECT_EQ(pages.pages.at(0).item("BedrijfsLogo")->rect, QRectF(0, 0, 160, 32));
    EXPECT_EQ(pages.pages.at(0).item("Bedrijf")->rect.left(), 170);
}
