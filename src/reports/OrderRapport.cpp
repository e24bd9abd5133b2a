#include "reports/OrderRapport.h"

#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"

namespace vonu {

using namespace report;

namespace {

const QString kCourier = QStringLiteral("Courier New");

// Left and right column of the header.
constexpr qreal kLeft = 40;
constexpr qreal kRight = 416;
constexpr qreal kLine = 14;
// Where the delivery instructions start, and their spacing.
constexpr qreal kInstructionTop = 388;
constexpr qreal kInstructionStep = 13;
constexpr qreal kRowHeight = 16;

QFont courier(qreal size = 10, bool bold = false, bool underline = false)
{
    return reportFont(kCourier, size, bold, underline);
}

ReportItem& label(ReportBand& band, const QString& name, qreal x, qreal y, const QString& caption = {},
                  const QFont& font = courier(), qreal width = 0)
{
    return band.addLabel(name, QRectF(x, y, width > 0 ? width : 300, 0), caption, font);
}

ReportItem& field(ReportBand& band, const QString& name, qreal x, qreal width, const QFont& font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    ReportItem& i = band.addLabel(name, QRectF(x, 0, width, 0), {}, font);
    i.field = name == QLatin1String("KopAantal") ? QStringLiteral("KopAantalGewicht")
              : name == QLatin1String("KopEan")  ? QStringLiteral("KopEAN")
                                                 : name;
    i.alignment = align;
    return i;
}

ReportItem& line(ReportBand& band, const QString& name, qreal y)
{
    ReportItem i;
    i.name = name;
    i.kind = ItemKind::Line;
    i.rect = QRectF(0, y, 0, 0);
    return band.add(i);
}

// Header items that the compact header of later pages keeps.
const QStringList& compactItems()
{
    static const QStringList items{QStringLiteral("L_Ordernummer"), QStringLiteral("Order"),
                                   QStringLiteral("L_Bladnummer"), QStringLiteral("Bladnummer"),
                                   QStringLiteral("Orderopmerking"), QStringLiteral("KopStreep1")};
    return items;
}

void compactHeader(ReportBand& kop)
{
    for (ReportItem& i : kop.items) {
        if (!compactItems().contains(i.name))
            i.enabled = false;
    }
    auto move = [&kop](const char* name, qreal x, qreal y) {
        ReportItem& i = kop.at(QLatin1String(name));
        if (x >= 0)
            i.rect.moveLeft(x);
        i.rect.moveTop(y);
    };
    kop.at(QStringLiteral("L_Ordernummer")).caption = QStringLiteral("Ordernummer   :");
    move("L_Ordernummer", 0, 16);
    move("Order", 168, 5);
    move("L_Bladnummer", 312, 16);
    move("Bladnummer", 360, 16);
    move("Orderopmerking", -1, 0);
    move("KopStreep1", -1, 35);
    kop.height = 41;
}

QString dayText(const QDate& d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString();
}

void buildHeader(Report& r, const ProductionHeader& h, const ProductionReportOptions& o)
{
    ReportBand& kop = r.addBand(QStringLiteral("Kop"), BandKind::PageHeader, kInstructionTop);
    const QFont bold = courier(10, true);

    // Logo.
    ReportItem logo;
    logo.name = QStringLiteral("BedrijfsLogo");
    logo.kind = ItemKind::Picture;
    logo.picture = o.logo;
    logo.stretch = true;
    logo.rect = productionreport::logoRect(o.logo.size());
    logo.enabled = !o.logo.isNull();
    kop.add(logo);

    // Debtor.
    label(kop, QStringLiteral("L_Debiteur"), kLeft, 132, QStringLiteral("Debiteur: ") + o.debiteur.trimmed());
    label(kop, QStringLiteral("Naam"), kLeft, 132 + kLine, o.debiteurNaam);
    label(kop, QStringLiteral("Adres"), kLeft, 132 + 2 * kLine, o.debiteurAdres);
    label(kop, QStringLiteral("Woonplaats"), kLeft, 132 + 3 * kLine, o.debiteurWoonplaats);

    // Shipping address, or the debtor's own address in its place.
    const qreal v = 194;
    const bool shipping = !h.vAdres.trimmed().isEmpty();
    label(kop, QStringLiteral("L_Verzendadres"), kLeft, v, QStringLiteral("Verzendadres: ") + h.vAdres.trimmed())
        .enabled = shipping;
    label(kop, QStringLiteral("V_Naam"), kLeft, v + kLine, h.vNaam).enabled = shipping;
    label(kop, QStringLiteral("V_Adres"), kLeft, v + 2 * kLine, h.vAdres_).enabled = shipping;
    label(kop, QStringLiteral("V_Postkode"), kLeft, v + 3 * kLine, h.vPostcode, courier(), 80).enabled = shipping;
    label(kop, QStringLiteral("V_Plaats"), kLeft + 88, v + 3 * kLine, h.vPlaats).enabled = shipping;
    const bool tel = shipping && !h.vTelefoon.trimmed().isEmpty();
    const bool fax = shipping && !h.vFax.trimmed().isEmpty();
    label(kop, QStringLiteral("L_V_Telefoon"), kLeft, v + 4 * kLine, QStringLiteral("Telefoonnummer:")).enabled = tel;
    label(kop, QStringLiteral("V_Telefoon"), kLeft + 128, v + 4 * kLine, h.vTelefoon).enabled = tel;
    label(kop, QStringLiteral("L_V_Fax"), kLeft, v + 5 * kLine, QStringLiteral("Faxnummer     :")).enabled = fax;
    label(kop, QStringLiteral("V_Fax"), kLeft + 128, v + 5 * kLine, h.vFax).enabled = fax;
    label(kop, QStringLiteral("Naam_1"), kLeft, v + kLine, h.naam1).enabled = !shipping;
    label(kop, QStringLiteral("Adres1_1"), kLeft, v + 2 * kLine, h.adres1).enabled = !shipping;
    label(kop, QStringLiteral("Postcode_1"), kLeft, v + 3 * kLine, h.postcode1, courier(), 80).enabled = !shipping;
    label(kop, QStringLiteral("Woonpl_1"), kLeft + 88, v + 3 * kLine, h.woonpl1).enabled = !shipping;

    // Delivery address.
    const qreal a = 284;
    label(kop, QStringLiteral("L_Afleveradres"), kLeft, a, QStringLiteral("Afleveradres: ") + h.afleverRelatie.trimmed());
    label(kop, QStringLiteral("A_Naam"), kLeft, a + kLine, h.aNaam.toUpper(), bold);
    label(kop, QStringLiteral("A_Adres1"), kLeft, a + 2 * kLine, h.aAdres1.toUpper(), bold);
    label(kop, QStringLiteral("A_Postkode"), kLeft, a + 3 * kLine, h.aPostkode.toUpper(), bold, 80);
    label(kop, QStringLiteral("A_Plaats"), kLeft + 88, a + 3 * kLine, h.aPlaats.toUpper(), bold);

    // Order number, barcodes, page.
    label(kop, QStringLiteral("L_Ordernummer"), kRight, 10, QStringLiteral("Ordernummer:"));
    label(kop, QStringLiteral("Order"), kRight + 104, 0, o.order, courier(20, true), 190);
    for (int n = 1; n <= 2; ++n) {
        ReportItem bar;
        bar.name = QStringLiteral("Code128A%1").arg(n);
        bar.kind = ItemKind::Barcode;
        bar.caption = h.order.trimmed();
        // The symbol a Code 128 font draws for this text: start B, every
        // character in set B, check, stop.
        bar.codeSet = code128::CodeSet::B;
        bar.rect = QRectF(kRight - 15, 30 + (n - 1) * 34, 0, 30);
        bar.enabled = !o.controlCopy;
        kop.add(bar);
    }
    label(kop, QStringLiteral("L_Bladnummer"), kRight, 100, QStringLiteral("Blad:"), courier(), 48);
    ReportItem page;
    page.name = QStringLiteral("Bladnummer");
    page.kind = ItemKind::PageNumber;
    page.rect = QRectF(kRight + 48, 100, 60, 0);
    page.font = courier();
    kop.add(page);

    // Order data.
    const QFont small = courier(8);
    label(kop, QStringLiteral("L_Status"), kRight, 118, QStringLiteral("Orderstatus   :"));
    label(kop, QStringLiteral("Status"), kRight + 128, 114, h.status, courier(14, true), 170);
    const struct { const char* name; const char* caption; QString value; } rowsRight[] = {
        {"L_Datum", "Orderdatum    :", dayText(h.datum)},
        {"L_Productieweek", "Productieweek :", h.productieweek},
    };
    qreal y = 138;
    for (const auto& rr : rowsRight) {
        label(kop, QLatin1String(rr.name), kRight, y, QLatin1String(rr.caption));
        label(kop, QLatin1String(rr.name).mid(2), kRight + 128, y, rr.value, courier(), 170);
        y += kLine;
    }
    label(kop, QStringLiteral("L_Leverdatum"), kRight, y, QStringLiteral("Uitleverdatum :"));
    label(kop, QStringLiteral("Leverdag"), kRight + 128, y, productionreport::weekdayName(h.leverdatum), bold, 80);
    label(kop, QStringLiteral("Leverdatum"), kRight + 208, y, dayText(h.leverdatum), bold, 90);
    y += kLine;
    label(kop, QStringLiteral("L_Leverweek"), kRight, y, QStringLiteral("Uitleverweek  :"));
    label(kop, QStringLiteral("Leverweek"), kRight + 128, y,
          h.leverdatum.isValid() ? QString::number(h.leverdatum.weekNumber()) : QString(), courier(), 60);
    y += kLine;
    label(kop, QStringLiteral("L_Afleverdatum"), kRight, y, QStringLiteral("Afleverdatum  :"));
    label(kop, QStringLiteral("Afleverdag"), kRight + 128, y, productionreport::weekdayName(h.afleverdatum), bold, 80);
    label(kop, QStringLiteral("Afleverdatum"), kRight + 208, y, dayText(h.afleverdatum), bold, 90);
    y += kLine;
    label(kop, QStringLiteral("L_Levwijze"), kRight, y, QStringLiteral("Leveringswijze:"));
    label(kop, QStringLiteral("O_Levwijze"), kRight + 128, y, h.lwOmschrijving, courier(), 170);
    y += kLine + 4;
    label(kop, QStringLiteral("L_Orderreferentie"), kRight, y, QStringLiteral("Orderreferentie:"));
    label(kop, QStringLiteral("Ordref_1"), kRight, y + kLine, h.ordref1, courier(), 298);
    label(kop, QStringLiteral("Ordref_2"), kRight, y + 2 * kLine, h.ordref2, courier(), 298);
    y += 3 * kLine + 2;
    label(kop, QStringLiteral("L_InvoerDatum"), kRight, y, QStringLiteral("Invoer   :"), small, 60);
    label(kop, QStringLiteral("InvoerDatum"), kRight + 64, y, h.invoerDatum, small, 70);
    label(kop, QStringLiteral("Invoer"), kRight + 136, y, h.invoer, small, 160);
    y += 12;
    label(kop, QStringLiteral("L_WijzigingDatum"), kRight, y, QStringLiteral("Wijziging:"), small, 60);
    label(kop, QStringLiteral("WijzigingDatum"), kRight + 64, y, h.wijzigingDatum, small, 70);
    label(kop, QStringLiteral("Wijziging"), kRight + 136, y, h.wijziging, small, 160);

    // The remark.
    ReportItem& remark = label(kop, QStringLiteral("Orderopmerking"), kRight, 312,
                               o.controlCopy ? QStringLiteral("Controleblad") : QStringLiteral("MOFFELORDER"),
                               courier(24, true));
    remark.enabled = o.controlCopy || o.coated;

    // Production texts in their frame.
    line(kop, QStringLiteral("KopStreep1"), 344);
    bool anyProduction = false;
    for (int i = 0; i < 3; ++i) {
        const QString& t = h.productie[std::size_t(i)];
        label(kop, QStringLiteral("Productie_%1").arg(i + 1), kLeft + 4, 348 + i * 11, t, courier(9, true), 660)
            .enabled = !t.trimmed().isEmpty();
        anyProduction = anyProduction || !t.trimmed().isEmpty();
    }
    ReportItem frame;
    frame.name = QStringLiteral("TekstAchtergrond");
    frame.kind = ItemKind::Frame;
    frame.rect = QRectF(kLeft, 346, 670, 36);
    frame.enabled = anyProduction;
    kop.add(frame);
    line(kop, QStringLiteral("KopStreep2"), 385);

    // Delivery instructions, one under the other from 388.
    qreal t = kInstructionTop - kInstructionStep;
    bool anyInstruction = false;
    for (int i = 0; i < 5; ++i) {
        const QString& text = h.afleverTekst[std::size_t(i)];
        const bool on = !text.trimmed().isEmpty();
        ReportItem& item = label(kop, QStringLiteral("AfleverTekst_%1").arg(i + 1), kLeft, kInstructionTop, text,
                                 courier(), 670);
        item.enabled = on;
        if (on) {
            t += kInstructionStep;
            item.rect.moveTop(t);
            anyInstruction = true;
        }
    }
    ReportItem& streep3 = line(kop, QStringLiteral("KopStreep3"), anyInstruction ? t + 18 : kInstructionTop);
    streep3.enabled = anyInstruction;
    kop.height = anyInstruction ? t + 23 : kInstructionTop;
}

void buildDetail(Report& r)
{
    ReportBand& regel = r.addBand(QStringLiteral("Regel"), BandKind::Detail, kRowHeight);
    field(regel, QStringLiteral("RegelId"), 0, 40, courier(14, true));
    field(regel, QStringLiteral("KopCatalogus"), kLeft, 150, courier(12, true));
    field(regel, QStringLiteral("KopEan"), 196, 130, courier(12));
    field(regel, QStringLiteral("KopOmschrijving"), 330, 384, courier(12, true));
    field(regel, QStringLiteral("KopVerpakking"), kLeft, 184, courier(10, false, true));
    field(regel, QStringLiteral("KopAantal"), 226, 104, courier(10, false, true));
    field(regel, QStringLiteral("DetailAantalMaat"), 8, 128, courier());
    field(regel, QStringLiteral("DetailUitvoering"), 144, 72, courier());
    field(regel, QStringLiteral("DetailOmschrijving"), 224, 490, courier());
    field(regel, QStringLiteral("VerpakkingOmschrijving"), 8, 56, courier());
    field(regel, QStringLiteral("VerpakkingAantal"), 64, 40, courier(), Qt::AlignRight | Qt::AlignTop);
    field(regel, QStringLiteral("VerpakkingSoort"), 104, 96, courier());
    field(regel, QStringLiteral("ColliAantal"), 200, 40, courier(), Qt::AlignRight | Qt::AlignTop);
    field(regel, QStringLiteral("ColliSoort"), 248, 160, courier());
    field(regel, QStringLiteral("ColliGewicht"), 408, 80, courier(), Qt::AlignRight | Qt::AlignTop);
    field(regel, QStringLiteral("ColliOverbundel"), 496, 218, courier());
    line(regel, QStringLiteral("DetailStreep"), 8);

    static const std::pair<const char*, QStringList> shown[] = {
        {"0", {}},
        {"1", {"KopCatalogus", "KopEan", "KopOmschrijving"}},
        {"2", {"KopVerpakking", "KopAantal", "KopOmschrijving"}},
        {"3", {"RegelId", "DetailAantalMaat", "DetailUitvoering", "DetailOmschrijving"}},
        {"4", {"DetailStreep"}},
    };
    static const QStringList summary{"VerpakkingOmschrijving", "VerpakkingAantal", "VerpakkingSoort", "ColliAantal",
                                     "ColliSoort", "ColliGewicht", "ColliOverbundel"};
    regel.beforePrint = [](BandEvent& e) {
        const QString type = e.value(QStringLiteral("Type"));
        const QStringList* fields = &summary;
        qreal height = kRowHeight;
        for (const auto& [t, list] : shown) {
            if (type == QLatin1String(t))
                fields = &list;
        }
        if (type == QLatin1String("0"))
            height = 10;
        else if (type == QLatin1String("3"))
            height = 14;
        e.band.height = height;
        const bool total = e.value(QStringLiteral("VerpakkingOmschrijving")).trimmed() == QLatin1String("Totaal:");
        for (ReportItem& i : e.band.items) {
            i.enabled = fields->contains(i.name);
            if (i.name == QLatin1String("VerpakkingAantal") || i.name == QLatin1String("VerpakkingSoort")
                || i.name == QLatin1String("ColliGewicht"))
                i.font = courier(10, false, total);
        }
    };
    regel.afterPrint = [](BandEvent& e) { e.band.height = kRowHeight; };
}

void buildEnd(Report& r, const ProductionHeader& h, const ProductionReportOptions& o)
{
    ReportBand& einde = r.addBand(QStringLiteral("Einde"), BandKind::Summary, 40);
    const QFont bold = courier(10, true);
    label(einde, QStringLiteral("EindeTekst"), kLeft, 8,
          QStringLiteral("[Einde overzicht %1 %2]")
              .arg(o.now.date().toString(QStringLiteral("dd-MM-yyyy")), o.now.time().toString(QStringLiteral("hh:mm:ss"))),
          courier(), 500);
    qreal top = 8;
    // Each remark takes the place of the end text, which moves below it.
    auto remark = [&](const QString& captionName, const QString& caption, const QString& textName, const QString& text) {
        const bool on = !text.isEmpty();
        label(einde, captionName, kLeft, top, caption).enabled = on;
        ReportItem& t = label(einde, textName, kLeft, top + 15, text, bold, 674);
        t.enabled = on;
        if (!on)
            return;
        t.wordWrap = true;
        t.rect.setHeight(17 * productionreport::remarkLines(text));
        top = t.rect.bottom() + 15;
    };
    remark(QStringLiteral("BevestigingTekst"), QStringLiteral("Opmerking op de orderbevestiging:"),
           QStringLiteral("TekstBevestiging"), h.tekstBevestiging);
    remark(QStringLiteral("VonuOrderTekst"), QStringLiteral("Notitie vanuit VonuOrder:"),
           QStringLiteral("TekstVonuOrder"), h.tekstVonuOrder);
    einde.at(QStringLiteral("EindeTekst")).rect.moveTop(top);
    einde.height = top + 15;
    const bool confirmed = !h.bDatum.trimmed().isEmpty();
    label(einde, QStringLiteral("L_B_datum"), kLeft, top + 26, QStringLiteral("Bevestigingsdatum      :")).enabled
        = confirmed;
    label(einde, QStringLiteral("B_datum"), kLeft + 200, top + 26, h.bDatum).enabled = confirmed;
    label(einde, QStringLiteral("L_B_volgnummer"), kLeft, top + 42, QStringLiteral("Bevestigingsvolgnummer :")).enabled
        = confirmed;
    label(einde, QStringLiteral("B_volgnummer"), kLeft + 200, top + 42, h.bVolgnummer).enabled = confirmed;
    if (confirmed)
        einde.height = top + 42 + 15;
}

} // namespace

namespace productionreport {

QString weekdayName(const QDate& date)
{
    if (!date.isValid())
        return {};
    // Sunday first, as the names were always counted.
    static const char* const names = "Zon   Maan  Dins  Woens DonderVrij  Zater ";
    const int weekday = date.dayOfWeek() % 7 + 1;   // 1 = Sunday ... 7 = Saturday
    return (QString::fromLatin1(names).mid(weekday * 6 - 6, 6).trimmed() + QStringLiteral("dag")).toUpper();
}

QRect logoRect(const QSize& picture)
{
    int w = picture.width();
    int h = picture.height();
    if (w <= 0 || h <= 0)
        return {int(kLeft), 0, 342, 128};
    if (w > 342) {
        h = int(qint64(h) * 342 / w);
        w = 342;
    }
    if (h > 128) {
        w = int(qint64(w) * 128 / h);
        h = 128;
    }
    return {int(kLeft) + (342 - w) / 2, (128 - h) / 2, w, h};
}

int remarkLines(const QString& text)
{
    int lines = 1;
    const QStringList parts = text.split(QLatin1Char('\n'));
    lines += int(parts.size()) - 1;
    for (QString part : parts) {
        part.remove(QLatin1Char('\r'));
        if (!part.isEmpty())
            lines += int((part.size() - 1) / 75);
    }
    return lines;
}

} // namespace productionreport

void buildProductionReport(Report& report, const ProductionHeader& header, const ProductionReportOptions& options)
{
    report.title = QStringLiteral("Productieorder %1").arg(options.order);
    report.marginsMm = QMarginsF(15, 10, 6, 5);
    report.baseFont = courier();
    buildHeader(report, header, options);
    buildDetail(report);
    buildEnd(report, header, options);
    ReportBand& voet = report.addBand(QStringLiteral("Voet"), BandKind::PageFooter, 8);
    line(voet, QStringLiteral("VoetStreep"), 4);
    // Later pages carry only the order number, the page and the remark.
    voet.afterPrint = [&report](BandEvent&) { compactHeader(report.at(QStringLiteral("Kop"))); };
}

DataSet productionDataSet(const QList<ProductionPrintRow>& rows)
{
    DataSet data(ProductionOrder::printColumns());
    for (const ProductionPrintRow& row : rows) {
        QStringList values;
        for (const QString& c : ProductionOrder::printColumns())
            values << row.value(c);
        data.append(values);
    }
    return data;
}

PageModel layoutProductionOrder(const ProductionHeader& header, const ProductionReportOptions& options,
                                const QList<ProductionPrintRow>& rows)
{
    Report report;
    buildProductionReport(report, header, options);
    return layout(report, productionDataSet(rows));
}

} // namespace vonu
