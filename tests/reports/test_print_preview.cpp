// Preview from the print dialog, and the logo of the customer's overview.

#include "reports/QtPrintTarget.h"
#include "reports/ReportLayout.h"
#include "reports/VonuOrderRapport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace vonu;
using namespace vonu::report;

namespace {

// Runs the action on the next modal dialog that appears (bounded wait).
template <typename Action>
void onNextModal(Action action)
{
    auto* poll = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(10000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, action] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        } else if (deadline->hasExpired()) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
    poll->start(10);
}

} // namespace

TEST(PrintPreview, ThePrintDialogOffersAPreviewInsteadOfPrinting)
{
    QTemporaryDir dir;
    QtPrintTarget target;
    target.printer().setOutputFormat(QPrinter::PdfFormat);
    target.printer().setOutputFileName(dir.filePath("niet.pdf"));
    bool offered = false;
    onNextModal([&offered](QDialog* d) {
        if (auto* button = d->findChild<QPushButton*>("Afdrukvoorbeeld")) {
            offered = true;
            button->click();
        } else {
            d->reject();
        }
    });
    ASSERT_TRUE(target.choosePrinter());
    ASSERT_TRUE(offered);

    const PageModel pages = layoutOverview(OverviewHeader{}, {"eerste regel", "Einde overzicht."});
    int shown = -1;
    onNextModal([&shown](QDialog* d) {
        if (auto* widget = d->findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            shown = widget->pageCount();
        }
        d->reject();
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
