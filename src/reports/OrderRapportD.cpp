#include "reports/OrderRapportD.h"

#include "reports/Report.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"

namespace vonu {

using namespace report;

QString paperOrderText(const QString& currentOrder, bool testWorkstation)
{
    if (testWorkstation)
        return QStringLiteral("   PROEF");
    const QString number = currentOrder.trimmed();
    return number.isEmpty() ? QStringLiteral("  N.N.B.") : number.rightJustified(8);
}

PageModel layoutPicturePage(const QString& orderText, int pageNumber, const QImage& picture)
{
    Report r;
    r.title = QStringLiteral("Productieorder %1 afbeelding").arg(orderText.trimmed());
    r.marginsMm = QMarginsF(15, 5, 5, 5);
    r.baseFont = reportFont(QStringLiteral("Courier New"), 10);
    r.firstPageNumber = pageNumber;
    ReportBand& kop = r.addBand(QStringLiteral("Kop"), BandKind::PageHeader, 44);
    kop.addLabel(QStringLiteral("L_Order"), QRectF(0, 12, 130, 0), QStringLiteral("Ordernummer   :"));
    kop.addLabel(QStringLiteral("Order"), QRectF(128, 2, 200, 0), orderText,
                 reportFont(QStringLiteral("Courier New"), 20, true));
    kop.addLabel(QStringLiteral("L_Bladnummer"), QRectF(560, 12, 48, 0), QStringLiteral("Blad:"));
    ReportItem page;
    page.name = QStringLiteral("Bladnummer");
    page.kind = ItemKind::PageNumber;
    page.rect = QRectF(608, 12, 80, 0);
    kop.add(page);
    ReportItem streep;
    streep.name = QStringLiteral("KopStreep");
    streep.kind = ItemKind::Line;
    streep.rect = QRectF(0, 38, 0, 0);
    kop.add(streep);

    // The picture box of 756 x 522, narrowed to the page's width.
    const qreal width = qMin<qreal>(756, r.contentSize().width());
    ReportBand& detail = r.addBand(QStringLiteral("Afbeelding"), BandKind::Detail, 222 + 522 * width / 756);
    ReportItem image;
    image.name = QStringLiteral("ProduktieDocument");
    image.kind = ItemKind::Picture;
    image.picture = picture;
    image.stretch = true;
    image.rect = QRectF(0, 222, width, 522 * width / 756);
    detail.add(image);

    ReportBand& voet = r.addBand(QStringLiteral("Voet"), BandKind::PageFooter, 8);
    streep.name = QStringLiteral("VoetStreep");
    streep.rect = QRectF(0, 4, 0, 0);
    voet.add(streep);
    return layout(r, DataSet::fromLines({QString()}));
}

} // namespace vonu
