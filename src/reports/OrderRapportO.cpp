#include "reports/OrderRapportO.h"

#include "reports/Report.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"

#include <memory>

namespace vonu {

using namespace report;

namespace {

QFont courier(qreal size = 10, bool bold = false)
{
    return reportFont(QStringLiteral("Courier New"), size, bold);
}

constexpr qreal kLine = 16;

// The header of the sheet of one sill.
void setHeader(ReportBand& kop, const SillSheetEntry& e)
{
    kop.at(QStringLiteral("RegelId")).caption = e.row.detailRegelId.trimmed();
    kop.at(QStringLiteral("Artikel")).caption = e.row.artikel;
    kop.at(QStringLiteral("Omschrijving_1")).caption = e.omschrijving1;
    kop.at(QStringLiteral("Omschrijving_2")).caption = e.omschrijving2;
}

} // namespace

QStringList sillDimensionLabels(int count)
{
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << (i == 0 ? QStringLiteral("a") : QString(QChar('A' + i - 1)));
    if (count > 1)
        labels.last() = QStringLiteral("z");
    return labels;
}

PageModel layoutSillSheet(const QString& orderText, int firstPage, const QList<SillSheetEntry>& entries)
{
    if (entries.isEmpty())
        return {};
    Report r;
    r.title = QStringLiteral("Dorpelblad %1").arg(orderText.trimmed());
    r.marginsMm = QMarginsF(15, 10, 6, 5);
    r.baseFont = courier();
    r.firstPageNumber = firstPage;

    ReportBand& kop = r.addBand(QStringLiteral("Kop"), BandKind::PageHeader, 96);
    kop.addLabel(QStringLiteral("L_Order"), QRectF(0, 4, 136, 0), QStringLiteral("Ordernummer   :"));
    kop.addLabel(QStringLiteral("Order"), QRectF(136, 0, 200, 0), orderText, courier(14, true));
    kop.addLabel(QStringLiteral("L_Bladnummer"), QRectF(560, 4, 48, 0), QStringLiteral("Blad:"));
    ReportItem page;
    page.name = QStringLiteral("Bladnummer");
    page.kind = ItemKind::PageNumber;
    page.rect = QRectF(608, 4, 80, 0);
    kop.add(page);
    kop.addLabel(QStringLiteral("L_Artikel"), QRectF(0, 28, 136, 0), QStringLiteral("Artikel       :"));
    kop.addLabel(QStringLiteral("Artikel"), QRectF(136, 28, 300, 0), {}, courier(10, true));
    kop.addLabel(QStringLiteral("L_Regel"), QRectF(560, 28, 56, 0), QStringLiteral("Regel:"));
    kop.addLabel(QStringLiteral("RegelId"), QRectF(616, 28, 80, 0), {}, courier(10, true));
    kop.addLabel(QStringLiteral("L_Omschrijving"), QRectF(0, 44, 136, 0), QStringLiteral("Omschrijving  :"));
    kop.addLabel(QStringLiteral("Omschrijving_1"), QRectF(136, 44, 560, 0));
    kop.addLabel(QStringLiteral("Omschrijving_2"), QRectF(136, 60, 560, 0));
    ReportItem streep;
    streep.name = QStringLiteral("KopStreep");
    streep.kind = ItemKind::Line;
    streep.rect = QRectF(0, 86, 0, 0);
    kop.add(streep);
    setHeader(kop, entries.first());

    // One text line per element, laid out per row before it prints.
    ReportBand& regel = r.addBand(QStringLiteral("Regel"), BandKind::Detail, kLine);
    auto pending = std::make_shared<bool>(false);
    auto first = std::make_shared<bool>(true);
    regel.beforePrint = [&entries, &kop, pending, first](BandEvent& e) {
        const SillSheetEntry& entry = entries.at(e.row);
        if (entry.row.type == QLatin1String("K")) {
            // A sill starts its own pages; the row itself prints nothing.
            if (!*first) {
                setHeader(kop, entry);
                *pending = true;
            }
            *first = false;
            e.print = false;
            return;
        }
        *first = false;
        e.newPage = *pending;
        *pending = false;
        QStringList lines;
        if (!entry.hasValues) {
            lines << QStringLiteral("Bewerking      : ") + entry.row.artikel << QStringLiteral("                 ")
                                                                                + entry.omschrijving1;
            if (!entry.omschrijving2.trimmed().isEmpty())
                lines << QStringLiteral("                 ") + entry.omschrijving2;
        } else {
            if (entry.macros.size() > 1) {
                lines << QStringLiteral("Speciale dorpel: %1").arg(entry.row.productienummer.trimmed());
                lines << QStringLiteral("Aantal         : %1   Zaagmaat: %2")
                             .arg(entry.row.aantal.trimmed(), entry.row.maat.trimmed());
            }
            lines << QStringLiteral("Bewerking      : ") + entry.row.artikel;
            for (int k = 0; k < entry.macros.size(); ++k) {
                const SillMacro& m = entry.macros.at(k);
                QString l = QStringLiteral("%1 %2 %3").arg(k + 1, 2).arg(m.code.leftJustified(10), m.omschrijving.leftJustified(40));
                if (!m.udk.trimmed().isEmpty() || !m.hoh.trimmed().isEmpty())
                    l += QStringLiteral(" UDK %1  HOH %2").arg(m.udk.trimmed(), m.hoh.trimmed());
                lines << l;
            }
            const QStringList labels = sillDimensionLabels(int(entry.maten.size()));
            QStringList dims;
            for (int j = 0; j < entry.maten.size(); ++j)
                dims << QStringLiteral("%1: %2").arg(labels.at(j), entry.maten.at(j).trimmed());
            if (!dims.isEmpty())
                lines << QStringLiteral("Maten          : ") + dims.join(QStringLiteral("  "));
        }
        e.band.items.clear();
        for (int i = 0; i < lines.size(); ++i)
            e.band.addLabel(QStringLiteral("Regel%1").arg(i + 1), QRectF(0, 4 + i * kLine, 0, 0), lines.at(i));
        e.band.height = 12 + lines.size() * kLine;
    };

    ReportBand& voet = r.addBand(QStringLiteral("Voet"), BandKind::PageFooter, 8);
    streep.name = QStringLiteral("VoetStreep");
    streep.rect = QRectF(0, 4, 0, 0);
    voet.add(streep);

    DataSet data({QStringLiteral("Regel")});
    for (const SillSheetEntry& e : entries)
        data.append({e.row.regel});
    return layout(r, data);
}

} // namespace vonu
