#include "reports/OrderRapportO.h"

#include "desk/StoreRules.h"
#include "reports/Report.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"

#include <memory>

namespace vonu {

using namespace report;

namespace {

namespace Tekst {
const QString Ordernummer = QStringLiteral("Ordernummer   :");
const QString Blad = QStringLiteral("Blad:");
const QString Artikel = QStringLiteral("Artikel       :");
const QString Regel = QStringLiteral("Regel:");
const QString Omschrijving = QStringLiteral("Omschrijving  :");
const QString SpecialeDorpel = QStringLiteral("Speciale dorpel");
const QString Aantal = QStringLiteral("Aantal");
const QString Zaagmaat = QStringLiteral("Zaagmaat");
const QString Bewerking = QStringLiteral("Bewerking");
const QString Neutset = QStringLiteral("Neutset");
const QString BewerkingN = QStringLiteral("Bewerking %1");
const QString Udk = QStringLiteral("UDK");
const QString Hoh = QStringLiteral("HOH");
const QString Maat = QStringLiteral("Maat");
// Stored values the sill's layout has no field for (the article's macros
// changed since the order was stored): printed rather than dropped.
const QString Overig = QStringLiteral("Niet in de indeling: %1");
const QString OverigBewerking = QStringLiteral("bewerking %1 %2");
const QString OverigMaat = QStringLiteral("maat %1 %2");
} // namespace Tekst

QFont courier(qreal size = 10, bool bold = false)
{
    return reportFont(QStringLiteral("Courier New"), size, bold);
}

// The band as the configurator's dialog: a line for the production number,
// quantity and saw length, a line for the choice with the column headings,
// then the position rows at the configurator's pitch. A single position
// moves up one line into the place of the first.
constexpr qreal kKopTop = 4;
constexpr qreal kKeuzeTop = 26;
constexpr qreal kEersteRij = 52;
constexpr qreal kVakHoogte = 16;
constexpr qreal kEindeNaRij = 34;      // band end below the last position row
constexpr qreal kEindeEnkel = 25;      // ... below row 1 of a single position
constexpr qreal kRegelAfstand = 18;    // lines of an article without values
constexpr qreal kArtikelHoogte = 57;
constexpr qreal kArtikelHoogte2 = 75;

// Columns.
constexpr qreal kLabelX = 0, kLabelB = 96;
constexpr qreal kKeuzeX = 100, kKeuzeB = 420, kArtikelB = 429;
constexpr qreal kUdkX = 528, kHohX = 580, kWaardeB = 44;
constexpr qreal kMaatLabelX = 632, kMaatLabelB = 18;
constexpr qreal kMaatX = 652, kMaatB = 56;
constexpr qreal kProductieLabelB = 124, kProductieX = 128, kProductieB = 124;
constexpr qreal kAantalLabelX = 268, kAantalX = 324, kAantalB = 56;
constexpr qreal kZaagmaatLabelX = 396, kZaagmaatX = 472, kZaagmaatB = 64;

// A stored quantity or length as the configurator's field shows it: its
// figures, without the database's trailing zeros.
QString shownNumber(const QString& stored)
{
    const std::optional<double> v = parseDecimal(stored);
    if (!v)
        return stored.trimmed();
    return decimalText(*v).replace(QLatin1Char('.'), QLatin1Char(','));
}

// The header of the sheet of one sill.
void setHeader(ReportBand& kop, const SillSheetEntry& e)
{
    kop.at(QStringLiteral("RegelId")).caption = e.row.detailRegelId.trimmed();
    kop.at(QStringLiteral("Artikel")).caption = e.row.artikel;
    kop.at(QStringLiteral("Omschrijving_1")).caption = e.omschrijving1;
    kop.at(QStringLiteral("Omschrijving_2")).caption = e.omschrijving2;
}

void label(ReportBand& band, const QString& name, qreal x, qreal top, qreal width, const QString& text,
           std::optional<QFont> font = std::nullopt)
{
    band.addLabel(name, QRectF(x, top + 1, width, 0), text, std::move(font));
}

// A value in its frame, as the configurator's edit or value box.
void field(ReportBand& band, const QString& name, qreal x, qreal top, qreal width, const QString& text,
           std::optional<QFont> font = std::nullopt)
{
    ReportItem frame;
    frame.name = QStringLiteral("R_") + name;
    frame.kind = ItemKind::Frame;
    frame.rect = QRectF(x, top, width, kVakHoogte);
    frame.penWidth = 0.5;
    band.add(frame);
    band.addLabel(name, QRectF(x + 3, top + 1, width - 6, 0), text, std::move(font));
}

QString position(const SillSheetEntry& e, int k, QString SillMacro::*member)
{
    return k <= e.macros.size() ? (e.macros.at(k - 1).*member).trimmed() : QString();
}

// An article of the sill's line without values of its own: its code and
// descriptions.
void articleRow(ReportBand& band, const SillSheetEntry& e)
{
    label(band, QStringLiteral("L_Bewerking0"), kLabelX, kKopTop, kLabelB, Tekst::Bewerking);
    field(band, QStringLiteral("Bewerking0"), kKeuzeX, kKopTop, kArtikelB, e.row.artikel);
    field(band, QStringLiteral("Bewerking1"), kKeuzeX, kKopTop + kRegelAfstand, kArtikelB, e.omschrijving1);
    const bool second = !e.omschrijving2.trimmed().isEmpty();
    if (second)
        field(band, QStringLiteral("Bewerking2"), kKeuzeX, kKopTop + 2 * kRegelAfstand, kArtikelB, e.omschrijving2);
    band.height = second ? kArtikelHoogte2 : kArtikelHoogte;
}

// A configured sill: what the configurator shows for the stored values.
void sillRow(ReportBand& band, const SillSheetEntry& e)
{
    const sill::SillConfiguration config(e.proposal);
    const bool single = config.single();
    if (config.headerFieldsShown()) {
        label(band, QStringLiteral("L_Productienummer"), kLabelX, kKopTop, kProductieLabelB, Tekst::SpecialeDorpel);
        field(band, QStringLiteral("Productienummer"), kProductieX, kKopTop, kProductieB,
              e.row.productienummer.trimmed());
        label(band, QStringLiteral("L_Aantal"), kAantalLabelX, kKopTop, kAantalX - kAantalLabelX, Tekst::Aantal);
        field(band, QStringLiteral("Aantal"), kAantalX, kKopTop, kAantalB, shownNumber(e.row.aantal));
        label(band, QStringLiteral("L_Zaagmaat"), kZaagmaatLabelX, kKopTop, kZaagmaatX - kZaagmaatLabelX,
              Tekst::Zaagmaat);
        field(band, QStringLiteral("Zaagmaat"), kZaagmaatX, kKopTop, kZaagmaatB, shownNumber(e.row.maat));
    }
    const qreal keuzeTop = single ? kKopTop : kKeuzeTop;
    const qreal origin = single ? kKeuzeTop : kEersteRij;
    label(band, QStringLiteral("L_Bewerking0"), kLabelX, keuzeTop, kLabelB,
          config.type() == sill::SillType::BW ? Tekst::Bewerking : Tekst::Neutset);
    field(band, QStringLiteral("Bewerking0"), kKeuzeX, keuzeTop, 160, e.row.artikel);
    label(band, QStringLiteral("L_UDK"), kUdkX, keuzeTop, kWaardeB, Tekst::Udk);
    label(band, QStringLiteral("L_HOH"), kHohX, keuzeTop, kWaardeB, Tekst::Hoh);
    label(band, QStringLiteral("L_MaatKop"), kMaatLabelX, keuzeTop, kMaatLabelB + kMaatB, Tekst::Maat);

    sill::SillEntry entry;
    const QFont keuzeFont = courier(9);
    for (int k = 1; k <= config.positionsShown(); ++k) {
        const qreal top = origin + config.rowTop(k);
        const QString n = QString::number(k);
        entry.udk[std::size_t(k - 1)] = position(e, k, &SillMacro::udk);
        entry.hoh[std::size_t(k - 1)] = position(e, k, &SillMacro::hoh);
        const QString code = position(e, k, &SillMacro::code);
        label(band, QStringLiteral("L_Bewerking") + n, kLabelX, top, kLabelB, Tekst::BewerkingN.arg(k));
        field(band, QStringLiteral("Bewerking") + n, kKeuzeX, top, kKeuzeB,
              code.isEmpty() ? QString() : sill::macroItemText(position(e, k, &SillMacro::omschrijving), code),
              keuzeFont);
        field(band, QStringLiteral("UDK") + n, kUdkX, top, kWaardeB, entry.udk[std::size_t(k - 1)]);
        field(band, QStringLiteral("HOH") + n, kHohX, top, kWaardeB, entry.hoh[std::size_t(k - 1)]);
    }
    const std::array<int, sill::Maten> tops = config.maatTops(entry);
    for (int j = 1; j <= config.lastMaat(); ++j) {
        const qreal top = origin + tops[std::size_t(j - 1)];
        const QString n = QString::number(j);
        label(band, QStringLiteral("L_Maat") + n, kMaatLabelX, top, kMaatLabelB, config.maatLabel(j));
        field(band, QStringLiteral("Maat") + n, kMaatX, top, kMaatB, e.maten.value(j - 1).trimmed());
    }
    band.height = single ? origin + kEindeEnkel : origin + config.rowTop(config.positionsShown()) + kEindeNaRij;

    QStringList overig;
    for (int k = config.positionsShown() + 1; k <= e.macros.size(); ++k) {
        if (!position(e, k, &SillMacro::code).isEmpty())
            overig << Tekst::OverigBewerking.arg(k).arg(position(e, k, &SillMacro::code));
    }
    for (int j = config.lastMaat() + 1; j <= e.maten.size(); ++j) {
        if (!e.maten.at(j - 1).trimmed().isEmpty())
            overig << Tekst::OverigMaat.arg(j).arg(e.maten.at(j - 1).trimmed());
    }
    if (!overig.isEmpty()) {
        label(band, QStringLiteral("Overig"), kLabelX, band.height - 8, 0,
              Tekst::Overig.arg(overig.join(QStringLiteral(", "))));
        band.height += kRegelAfstand;
    }
}

} // namespace

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
    kop.addLabel(QStringLiteral("L_Order"), QRectF(0, 4, 136, 0), Tekst::Ordernummer);
    kop.addLabel(QStringLiteral("Order"), QRectF(136, 0, 200, 0), orderText, courier(14, true));
    kop.addLabel(QStringLiteral("L_Bladnummer"), QRectF(560, 4, 48, 0), Tekst::Blad);
    ReportItem page;
    page.name = QStringLiteral("Bladnummer");
    page.kind = ItemKind::PageNumber;
    page.rect = QRectF(608, 4, 80, 0);
    kop.add(page);
    kop.addLabel(QStringLiteral("L_Artikel"), QRectF(0, 28, 136, 0), Tekst::Artikel);
    kop.addLabel(QStringLiteral("Artikel"), QRectF(136, 28, 300, 0), {}, courier(10, true));
    kop.addLabel(QStringLiteral("L_Regel"), QRectF(560, 28, 56, 0), Tekst::Regel);
    kop.addLabel(QStringLiteral("RegelId"), QRectF(616, 28, 80, 0), {}, courier(10, true));
    kop.addLabel(QStringLiteral("L_Omschrijving"), QRectF(0, 44, 136, 0), Tekst::Omschrijving);
    kop.addLabel(QStringLiteral("Omschrijving_1"), QRectF(136, 44, 560, 0));
    kop.addLabel(QStringLiteral("Omschrijving_2"), QRectF(136, 60, 560, 0));
    ReportItem streep;
    streep.name = QStringLiteral("KopStreep");
    streep.kind = ItemKind::Line;
    streep.rect = QRectF(0, 86, 0, 0);
    kop.add(streep);
    setHeader(kop, entries.first());

    // Every row starts from an empty band: nothing of the previous sill's
    // layout carries over.
    ReportBand& regel = r.addBand(QStringLiteral("Regel"), BandKind::Detail, kVakHoogte);
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
        e.band.items.clear();
        if (entry.hasValues)
            sillRow(e.band, entry);
        else
            articleRow(e.band, entry);
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
