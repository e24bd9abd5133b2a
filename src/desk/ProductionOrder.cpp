#include "desk/ProductionOrder.h"

#include "base/Text.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/StoreRules.h"
#include "order/OrderValues.h"

#include <cmath>
#include <optional>

namespace vonu {

namespace {

// Whole packages for n pieces (the store counts them by the same rule).
int wholePackages(double n, double content)
{
    return int(packages(n, content));
}

namespace Tekst {
const char* const Aanmaken = "De productieorder wordt aangemaakt.";
} // namespace Tekst

// Texts of the articles and rows as the database holds them.
const QString kMeter{Waarde::EenheidMeter};
const QString kMm{Waarde::MaatvoeringMm};
const QString kMtr{Waarde::MaatvoeringMtr};
const QString kAantal{Waarde::PerStuk};
const QString kAantalMaat{Waarde::AantalMaat};
const QString kMeterDm{Waarde::MeterDm};
const QString kBriefjes = QStringLiteral("Briefjes");
const QString kMerk = QStringLiteral("Merk:");

// Column widths of the printed rows that the layout relies on.
constexpr int kDetailWidth = 61;

// The packing and print tables. Texts are unbounded: a description longer
// than its printed column is kept whole rather than failing the insert.
const QString kPackingColumns = QStringLiteral(
    "[Type] [nvarchar] (1), [Soort] [text], [Aantal] [float], [Gewicht] [float], [Etiket] [int]");

std::optional<double> number(const DbRows& rows, const QString& column, int row = 0)
{
    const QString t = rows.text(column, row).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

// The third character of the price origin ("AK2" -> "2"), the price kind.
QString originKind(const QString& oorsprong) { return oorsprong.mid(2, 1); }

} // namespace

// ---------------------------------------------------------------------------
// Numbers and texts

QString formatNumber(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // A tiny nudge so that 12.45 (held as 12.4499999...) rounds as written.
    const double scaled = std::round(value * scale + (value >= 0 ? 1e-7 : -1e-7));
    const bool negative = scaled < 0;
    const QString digits = QString::number(std::fabs(scaled), 'f', 0);
    QString intPart = decimals > 0 ? digits.left(std::max<qsizetype>(0, digits.size() - decimals)) : digits;
    QString fraction = decimals > 0 ? digits.right(std::min<qsizetype>(decimals, digits.size())) : QString();
    if (decimals > 0)
        fraction = fraction.rightJustified(decimals, QLatin1Char('0'));
    if (intPart.isEmpty())
        intPart = QStringLiteral("0");
    QString grouped;
    for (qsizetype i = 0; i < intPart.size(); ++i) {
        if (i > 0 && (intPart.size() - i) % 3 == 0)
            grouped += QLatin1Char('.');
        grouped += intPart.at(i);
    }
    QString result = (negative && scaled != 0 ? QStringLiteral("-") : QString()) + grouped;
    if (decimals > 0)
        result += QLatin1Char(',') + fraction;
    return result;
}

QString sizeNumber(double value)
{
    return std::fabs(value - std::trunc(value)) > 1e-9 ? formatNumber(value, 3) : formatNumber(value, 0);
}

QString weightText(double gewicht, double aantal)
{
    if (gewicht == 0 || aantal == 0)
        return {};
    return formatNumber(std::fabs(gewicht * aantal) + 0.049, 1).trimmed() + QStringLiteral(" kg");
}

namespace {

// A leading word taken off a description text, as the detail rows show it.
QString withoutLeading(QString text, const QString& word)
{
    if (text.startsWith(word, Qt::CaseInsensitive))
        text = text.mid(word.size()).trimmed();
    return text;
}

} // namespace

QString detailDescription(const QString& o1, const QString& o2, const QString& o3)
{
    QStringList parts;
    auto add = [&parts](const QString& t) {
        if (!t.isEmpty())
            parts << t;
    };
    add(o1.trimmed());
    for (const QString& t : {o2, o3})
        add(withoutLeading(withoutLeading(t.trimmed(), QStringLiteral("GEBOORD")), QStringLiteral("ONGEBOORD")));
    return parts.join(QLatin1Char(' '));
}

QString executionMark(const QString& o2, const QString& o3, const QString& uitvoering)
{
    auto begins = [&](const char* word) {
        return o2.startsWith(QLatin1String(word), Qt::CaseInsensitive)
               || o3.startsWith(QLatin1String(word), Qt::CaseInsensitive);
    };
    if (begins("GEBOORD"))
        return Waarde::Geboord;
    if (begins("ONGEBOORD"))
        return Waarde::Ongeboord;
    return uitvoering;
}

QStringList splitText(const QString& text, int width)
{
    QStringList pieces;
    for (qsizetype i = 0; i < text.size(); i += width)
        pieces << text.mid(i, width);
    if (pieces.isEmpty())
        pieces << QString();
    return pieces;
}

// ---------------------------------------------------------------------------

PackingRules PackingRules::fromConstants(const DbSession& db)
{
    PackingRules r;
    r.maxMmDoos = db.constant(QStringLiteral("max_mm_doos")).toDouble();
    r.minKgDoos = db.constant(QStringLiteral("min_kg_doos")).toDouble();
    r.maxKgDoos = db.constant(QStringLiteral("max_kg_doos")).toDouble();
    r.maxKgBundel = db.constant(QStringLiteral("max_kg_bundel")).toDouble();
    r.overbundelenBundel = db.constant(QStringLiteral("OverbundelenBundel")).toBool();
    r.overbundelenDoos = db.constant(QStringLiteral("OverbundelenDoos")).toBool();
    r.overbundelenKoker = db.constant(QStringLiteral("OverbundelenKoker")).toBool();
    r.overbundelenPak = db.constant(QStringLiteral("OverbundelenPak")).toBool();
    r.overbundelenPallet = db.constant(QStringLiteral("OverbundelenPallet")).toBool();
    return r;
}

bool PackingRules::overbundles(const QString& soort) const
{
    const std::pair<const char*, bool> kinds[] = {{"Bundel", overbundelenBundel}, {"Doos", overbundelenDoos},
                                                  {"Koker", overbundelenKoker},   {"Pak", overbundelenPak},
                                                  {"Pallet", overbundelenPallet}};
    for (const auto& [kind, on] : kinds) {
        if (soort.startsWith(QLatin1String(kind)))
            return on;
    }
    return false;
}

QString ProductionPrintRow::value(const QString& column) const
{
    const auto it = values.find(column);
    return it == values.end() ? QString() : it->second;
}

const QStringList& ProductionOrder::printColumns()
{
    static const QStringList columns{
        QStringLiteral("Regel"),           QStringLiteral("RegelId"),
        QStringLiteral("Type"),            QStringLiteral("KopCatalogus"),
        QStringLiteral("KopEAN"),          QStringLiteral("KopOmschrijving"),
        QStringLiteral("KopVerpakking"),   QStringLiteral("KopAantalGewicht"),
        QStringLiteral("DetailAantalMaat"), QStringLiteral("DetailUitvoering"),
        QStringLiteral("DetailOmschrijving"), QStringLiteral("VerpakkingOmschrijving"),
        QStringLiteral("VerpakkingAantal"), QStringLiteral("VerpakkingSoort"),
        QStringLiteral("ColliAantal"),     QStringLiteral("ColliSoort"),
        QStringLiteral("ColliGewicht"),    QStringLiteral("ColliOverbundel"),
    };
    return columns;
}

// ---------------------------------------------------------------------------

struct ProductionOrder::Line {
    QString regel, regelId, type, artikel, ean, oorsprong, maatvoering, verpakkingstype;
    QString oms[3];
    std::optional<double> aantal, maat, ingevoerdeMaat, verpakking;
    bool correctie = false;
    bool deleted = false;
};

struct ProductionOrder::Article {
    bool found = false;
    bool tekst = false;
    QString catalogus, eenheid, berekeningAantal, omschrijving1, omschrijving2, afdrukken1, afdrukken2;
    bool hasSubaantal = false;
    double aantalOverdoos = 0;
    double gewicht = 0;
    bool metre() const { return eenheid == kMeter; }
    // Weight per metre: pieces weigh their length.
    bool weightPerMetre() const
    {
        return metre() && (berekeningAantal == kAantalMaat || berekeningAantal == kMeterDm);
    }
};

QString ProductionOrder::fillingText()
{
    return u8(Tekst::Aanmaken);
}

ProductionOrder::ProductionOrder(DbSession& db, PackingRules rules)
    : db_(db), rules_(rules)
{
}

ProductionOrder::~ProductionOrder() = default;

bool ProductionOrder::createScratch(const QString& table, const QString& columns, QString* name)
{
    const DbRows r = db_.call(QStringLiteral("TijdelijkeTabel"), {{QStringLiteral("user"), db_.userName()},
                                                                  {QStringLiteral("table"), table},
                                                                  {QStringLiteral("Columns"), columns}});
    if (!r.found())
        return false;
    *name = sqlQuotedName(r.text(QStringLiteral("Tabel")));
    return true;
}

bool ProductionOrder::createPrintTable()
{
    QStringList columns{QStringLiteral("[Regel] [int]"), QStringLiteral("[RegelId] [smallint]"),
                        QStringLiteral("[Type] [nvarchar] (1)")};
    for (const QString& c : printColumns().mid(3))
        columns << QStringLiteral("[%1] [text]").arg(c);
    return createScratch(QStringLiteral("ProductieOrder"), columns.join(QStringLiteral(", ")), &printTable_);
}

const ProductionOrder::Article& ProductionOrder::article(const QString& code)
{
    const auto it = articles_.find(code);
    if (it != articles_.end())
        return it->second;
    Article a;
    if (!isBlank(code)) {
        const DbRows r = db_.select(
            QStringLiteral("select Artikel, Tekst, Catalogus, Eenheid, BerekeningAantal, Subaantal, Aantal_overdoos, "
                           "Gewicht, Omschrijving_1, Omschrijving_2, Afdrukken_1, Afdrukken_2 from Artikel "
                           "where Artikel = ?"),
            {code});
        if (r.found()) {
            a.found = true;
            a.tekst = r.flag(QStringLiteral("Tekst"));
            a.catalogus = r.text(QStringLiteral("Catalogus"));
            a.eenheid = r.text(QStringLiteral("Eenheid")).trimmed();
            a.berekeningAantal = r.text(QStringLiteral("BerekeningAantal")).trimmed();
            a.hasSubaantal = !isBlank(r.text(QStringLiteral("Subaantal")));
            a.aantalOverdoos = number(r, QStringLiteral("Aantal_overdoos")).value_or(0);
            a.gewicht = number(r, QStringLiteral("Gewicht")).value_or(0);
            a.omschrijving1 = r.text(QStringLiteral("Omschrijving_1"));
            a.omschrijving2 = r.text(QStringLiteral("Omschrijving_2"));
            a.afdrukken1 = r.text(QStringLiteral("Afdrukken_1"));
            a.afdrukken2 = r.text(QStringLiteral("Afdrukken_2"));
        }
    }
    return articles_.emplace(code, a).first->second;
}

QString ProductionOrder::procedureText(const QString& procedure, const QString& column, const QString& artikel,
                                       const QString& ean, const QString& oorsprong, const QString& lastName,
                                       const QVariant& lastValue)
{
    QList<DbArg> args{{QStringLiteral("Debnr"), debnr_},   {QStringLiteral("Verzend"), verzend_},
                      {QStringLiteral("Artikel"), artikel}, {QStringLiteral("EAN"), ean},
                      {QStringLiteral("Oorsprong"), oorsprong}};
    if (!lastName.isEmpty())
        args << DbArg{lastName, lastValue};
    const DbRows r = db_.call(procedure, args);
    return r.text(column);
}

bool ProductionOrder::insertPrintRow(const QString& type, const std::map<QString, QString>& values,
                                     const QVariant& regelId)
{
    QStringList columns{QStringLiteral("regel"), QStringLiteral("regelid"), QStringLiteral("type")};
    QVariantList params{++regel_, regelId.isValid() ? regelId : QVariant(QMetaType(QMetaType::Short)), type};
    for (const auto& [column, value] : values) {
        columns << sqlIdentifier(column);   // one of printColumns(), never a user's text
        params << value;
    }
    QStringList marks;
    for (qsizetype i = 0; i < params.size(); ++i)
        marks << QStringLiteral("?");
    return db_.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                        .arg(printTable_, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                    params);
}

bool ProductionOrder::insertPacking(const QString& type, const QString& soort, double aantal, double gewicht,
                                    int etiket)
{
    return db_.exec(QStringLiteral("insert into %1 (type, soort, aantal, gewicht, etiket) values (?, ?, ?, ?, ?)")
                        .arg(packingTable_),
                    {type, soort, aantal, gewicht, etiket});
}

bool ProductionOrder::fill(const QString& ordernummer, const QString& variant, bool* enteredSizes)
{
    bool ignored = false;
    if (!enteredSizes)
        enteredSizes = &ignored;
    orderKey_ = orderKey(ordernummer);
    regel_ = 0;
    articles_.clear();
    if ((printTable_.isEmpty() && !createPrintTable())
        || !createScratch(QStringLiteral("OrderVerpakking"), kPackingColumns, &packingTable_))
        return false;

    const DbRows header = db_.select(QStringLiteral("select Debnr, V_adres from \"order\" where \"order\" = ?"),
                                     {orderKey_});
    if (!header)
        return false;
    debnr_ = header.text(QStringLiteral("Debnr"));
    verzend_ = header.text(QStringLiteral("V_adres"));

    const DbRows rows = db_.select(
        QStringLiteral("select RegelId, Regel, Type, Omschrijving_1, Omschrijving_2, Omschrijving_3, Artikel, EAN, "
                       "Oorsprong, Aantal, Maat, IngevoerdeMaat, Maatvoering, Verpakking, Verpakkingstype, Correctie "
                       "from OrderProduktieregel where \"order\" = ? order by Regel"),
        {orderKey_});
    if (!rows)
        return false;
    QList<Line> lines;
    for (int i = 0; i < rows.size(); ++i) {
        Line l;
        l.regel = rows.text(QStringLiteral("Regel"), i);
        l.regelId = rows.text(QStringLiteral("RegelId"), i);
        l.type = rows.text(QStringLiteral("Type"), i).trimmed();
        for (int k = 0; k < 3; ++k)
            l.oms[k] = rows.text(QStringLiteral("Omschrijving_%1").arg(k + 1), i);
        l.artikel = rows.text(QStringLiteral("Artikel"), i).trimmed();
        l.ean = rows.text(QStringLiteral("EAN"), i);
        l.oorsprong = rows.text(QStringLiteral("Oorsprong"), i);
        l.aantal = number(rows, QStringLiteral("Aantal"), i);
        l.maat = number(rows, QStringLiteral("Maat"), i);
        l.ingevoerdeMaat = number(rows, QStringLiteral("IngevoerdeMaat"), i);
        l.maatvoering = rows.text(QStringLiteral("Maatvoering"), i).trimmed();
        l.verpakking = number(rows, QStringLiteral("Verpakking"), i);
        l.verpakkingstype = rows.text(QStringLiteral("Verpakkingstype"), i);
        l.correctie = rows.flag(QStringLiteral("Correctie"), i);
        lines << l;
    }

    for (int k = 0; k < lines.size(); ++k) {
        if (lines.at(k).type != QLatin1String("K") || !article(lines.at(k).artikel).found)
            continue;
        if (!handleLine(lines, k, variant, enteredSizes))
            return false;
    }
    if (!insertPrintRow(QStringLiteral("4"), {}))
        return false;
    return packingSummary(lines.isEmpty() ? nullptr : &lines.first());
}

bool ProductionOrder::handleLine(QList<Line>& lines, int k, const QString& variant, bool* enteredSizes)
{
    const Line& main = lines.at(k);
    const Article& ar = article(main.artikel);
    const bool metre = ar.metre();
    const bool control = variant == kIngevoerdeMaten;
    const QString kind = originKind(main.oorsprong);

    // The line's sub-article rows, then its detail rows.
    int s1 = k + 1;
    while (s1 < lines.size() && lines.at(s1).type == QLatin1String("S"))
        ++s1;
    int d1 = s1;
    while (d1 < lines.size() && lines.at(d1).type == QLatin1String("D"))
        ++d1;

    // Line facts.
    const DbRows entered = db_.select(
        QStringLiteral("select count(*) as AantalRegels from OrderProduktieregelInvoer "
                       "where \"order\" = ? and KopRegelId = ?"),
        {orderKey_, main.regelId});
    if (!entered)
        return false;
    const bool hasEntered = entered.value(QStringLiteral("AantalRegels")).toInt() != 0;
    if (main.correctie || hasEntered)
        *enteredSizes = true;
    const double aantal = main.aantal.value_or(0);
    const QString weight = weightText(ar.gewicht, aantal);
    const QString packingType = procedureText(QStringLiteral("ArtikelVerpakkingstype"), QStringLiteral("Verpakkingstype"),
                                              main.artikel, main.ean, kind, QStringLiteral("Verpakkingstype"),
                                              main.verpakkingstype);
    const QString colli = procedureText(QStringLiteral("ArtikelColli"), QStringLiteral("Colli"), main.artikel,
                                        main.ean, kind, QStringLiteral("Verpakkingstype"), main.verpakkingstype);
    const double entry = main.verpakking && !ar.hasSubaantal ? *main.verpakking : 0.0;
    double content = procedureText(QStringLiteral("ArtikelVerpakking"), QStringLiteral("Verpakking"), main.artikel,
                                   main.ean, kind, QStringLiteral("Verpakking"), entry)
                         .toDouble();
    if (content == 1 && ar.aantalOverdoos > 0)
        content = ar.aantalOverdoos;
    const QString uitvoering = procedureText(QStringLiteral("ArtikelUitvoering"), QStringLiteral("Uitvoering"),
                                             main.artikel, main.ean, kind, {}, {});

    // Package counts: long (L) and short (S) packages, single pieces packed
    // together afterwards.
    double L = 0, S = 0, WL = 0, WS = 0, wL = 0, wS = 0;
    int nL = 0, nS = 0;
    QString lastMaatvoering;
    double lastMaat = 0;
    for (int d = s1; d < d1; ++d) {
        Line& row = lines[d];
        if (!row.aantal && !row.maat) {
            if (!db_.exec(QStringLiteral("delete from OrderProduktieregel where \"order\" = ? and Regel = ?"),
                          {orderKey_, row.regel}))
                return false;
            row.deleted = true;
        }
    }
    if (aantal > 0) {
        if (!main.maatvoering.isEmpty()) {
            L += wholePackages(aantal, content);
            WL += std::fabs(aantal * ar.gewicht);
        } else {
            for (int d = s1; d < d1; ++d) {
                const Line& row = lines.at(d);
                if (row.deleted)
                    continue;
                const double a = row.aantal.value_or(0);
                const double maat = row.maat.value_or(0);
                lastMaat = maat;
                lastMaatvoering = row.maatvoering;
                if (row.maatvoering != kMm) {
                    L += wholePackages(a, content);
                    WL += ar.weightPerMetre() ? std::fabs(a * maat * ar.gewicht) : std::fabs(a * ar.gewicht);
                } else if (a == 1 && !row.oms[0].startsWith(kMerk)) {
                    const double piece = ar.weightPerMetre() ? std::fabs(maat / 1000 * ar.gewicht) : ar.gewicht;
                    if (maat > rules_.maxMmDoos) {
                        ++nL;
                        wL += piece;
                    } else {
                        ++nS;
                        wS += piece;
                    }
                } else {
                    const double w = ar.weightPerMetre() ? std::fabs(a * maat / 1000 * ar.gewicht)
                                                         : std::fabs(a * ar.gewicht);
                    if (maat > rules_.maxMmDoos) {
                        L += wholePackages(a, content);
                        WL += w;
                    } else {
                        S += wholePackages(a, content);
                        WS += w;
                    }
                }
            }
            if (nS != 0) {
                S += wholePackages(nS, content);
                WS += wS;
            }
            if (nL != 0) {
                L += wholePackages(nL, content);
                WL += wL;
            }
        }
    } else {
        for (int d = s1; d < d1; ++d) {
            if (!lines.at(d).deleted) {
                lastMaat = lines.at(d).maat.value_or(0);
                lastMaatvoering = lines.at(d).maatvoering;
            }
        }
    }

    // Packing text.
    QString P = colli;
    if (main.maatvoering.isEmpty()) {
        const QString length = QStringLiteral(" a ") + sizeNumber(lastMaat) + QStringLiteral(" mtr.");
        if (lastMaatvoering != kMtr)
            P += QStringLiteral(" op maat");
        else if (colli.trimmed() != QLatin1String("Doos"))
            P += length;
        else if (metre && ar.berekeningAantal == kAantal)
            P += length;
    }

    // Packing rows.
    if (aantal > 0) {
        if (!metre || lastMaatvoering == kMtr) {
            // Short packages of such a line are packages too (they were left
            // out of the colli once, while the head row counted them).
            if (!ar.tekst && L + S != 0) {
                const DbRows t = db_.select(
                    QStringLiteral("select Etiket from Verpakkingstype where Verpakkingstype = ?"), {packingType});
                if (!t)
                    return false;
                if (!insertPacking(QStringLiteral("B"), P, L + S, WL + WS, t.flag(QStringLiteral("Etiket")) ? 1 : 0))
                    return false;
            }
        } else {
            if (S != 0 && !insertPacking(QStringLiteral("1"), P, S, WS, 0))
                return false;
            if (L != 0 && !insertPacking(QStringLiteral("2"), P, L, WL, 0))
                return false;
        }
    }
    P = wholeNumber(S + L) + QLatin1Char(' ') + P;
    const QString Q = !metre ? wholeNumber(aantal).rightJustified(7) + QLatin1Char(' ') + ar.eenheid
                             : formatNumber(aantal, 1)
                                   + (ar.berekeningAantal == kAantal ? QStringLiteral(" Stuks") : QStringLiteral(" mtr."));

    // Print rows: the head of the article block.
    if (!insertPrintRow(QStringLiteral("0"), {})
        || !insertPrintRow(QStringLiteral("1"), {{QStringLiteral("KopCatalogus"), ar.catalogus},
                                                 {QStringLiteral("KopEAN"), main.ean},
                                                 {QStringLiteral("KopOmschrijving"), main.oms[0]}}))
        return false;
    for (int o = 1; o < 3; ++o) {
        if (!isBlank(main.oms[o]) && !insertPrintRow(QStringLiteral("1"), {{QStringLiteral("KopOmschrijving"), main.oms[o]}}))
            return false;
    }
    bool slipRows = false;
    if (metre) {
        for (int s = k + 1; s < s1; ++s) {
            const Line& row = lines.at(s);
            const Article& sa = article(row.artikel);
            if (!sa.found)
                continue;
            const QString o = originKind(row.oorsprong);
            const bool listed = sa.metre() ? ((o == QLatin1String("1") && !sa.afdrukken1.contains(kBriefjes))
                                              || (o == QLatin1String("2") && !sa.afdrukken2.contains(kBriefjes)))
                                           : !sa.afdrukken1.contains(kBriefjes);
            if (!listed) {
                slipRows = true;
                continue;
            }
            std::map<QString, QString> head{{QStringLiteral("KopCatalogus"), sa.catalogus}};
            if (!isBlank(sa.omschrijving1))
                head[QStringLiteral("KopOmschrijving")] = sa.omschrijving1;
            if (!insertPrintRow(QStringLiteral("1"), head))
                return false;
            if (!isBlank(sa.omschrijving2)
                && !insertPrintRow(QStringLiteral("1"), {{QStringLiteral("KopOmschrijving"), sa.omschrijving2}}))
                return false;
        }
    }
    const QString kopVerpakking = isBlank(colli) ? QString() : P;
    const QString kopAantal = metre ? Q : weight;
    if ((!isBlank(kopVerpakking) || !isBlank(kopAantal))
        && !insertPrintRow(QStringLiteral("2"), {{QStringLiteral("KopVerpakking"), kopVerpakking},
                                                 {QStringLiteral("KopAantalGewicht"), kopAantal}}))
        return false;
    if (metre && !weight.isEmpty()
        && !insertPrintRow(QStringLiteral("2"), {{QStringLiteral("KopAantalGewicht"), weight}}))
        return false;
    if (!metre
        && !insertPrintRow(QStringLiteral("3"), {{QStringLiteral("DetailAantalMaat"), Q},
                                                 {QStringLiteral("DetailUitvoering"),
                                                  executionMark(main.oms[1], main.oms[2], uitvoering)}}))
        return false;

    // The details: one row each, a description longer than its column
    // continued on rows of its own.
    auto detailRows = [&](const QString& size, double a, const QString& o1, const QString& o2, const QString& o3,
                          const QVariant& regelId) {
        const QString aantalMaat = (wholeNumber(a) + QStringLiteral(" x ") + size.rightJustified(6)).rightJustified(16);
        const QStringList text = splitText(detailDescription(o1, o2, o3), kDetailWidth);
        if (!insertPrintRow(QStringLiteral("3"),
                            {{QStringLiteral("DetailAantalMaat"), aantalMaat},
                             {QStringLiteral("DetailUitvoering"), executionMark(o2, o3, uitvoering)},
                             {QStringLiteral("DetailOmschrijving"), text.first()}},
                            regelId))
            return false;
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (!insertPrintRow(QStringLiteral("3"), {{QStringLiteral("DetailOmschrijving"), text.at(i)}}))
                return false;
        }
        return true;
    };
    if (!control || !hasEntered) {
        // Details follow the sub-article rows for every article: a detail
        // row is never printed in place of one.
        for (int d = s1; d < d1; ++d) {
            const Line& row = lines.at(d);
            if (row.deleted)
                continue;
            QString size;
            QString marker = QStringLiteral(" ");
            if (row.maatvoering != kMm) {
                size = sizeNumber(row.maat.value_or(0));
            } else {
                size = wholeNumber(control ? row.ingevoerdeMaat.value_or(0) : row.maat.value_or(0));
                if (row.correctie && !control)
                    marker = QStringLiteral("\u00F7");
            }
            bool idOk = false;
            const int id = row.regelId.trimmed().toInt(&idOk);
            if (!detailRows(size + marker, row.aantal.value_or(0), row.oms[0], row.oms[1], row.oms[2],
                            idOk ? QVariant(qint16(id)) : QVariant()))
                return false;
        }
    } else {
        const DbRows r = db_.select(
            QStringLiteral("select Omschrijving_1, Omschrijving_2, Omschrijving_3, Aantal, IngevoerdeMaat, Maatvoering "
                           "from OrderProduktieregelInvoer where \"order\" = ? and KopRegelId = ? order by Regel"),
            {orderKey_, main.regelId});
        if (!r)
            return false;
        for (int i = 0; i < r.size(); ++i) {
            const double maat = number(r, QStringLiteral("IngevoerdeMaat"), i).value_or(0);
            const QString size = r.text(QStringLiteral("Maatvoering"), i).trimmed() != kMm ? formatNumber(maat, 3)
                                                                                             : wholeNumber(maat);
            if (!detailRows(size + QStringLiteral(" "), number(r, QStringLiteral("Aantal"), i).value_or(0),
                            r.text(QStringLiteral("Omschrijving_1"), i), r.text(QStringLiteral("Omschrijving_2"), i),
                            r.text(QStringLiteral("Omschrijving_3"), i), QVariant()))
                return false;
        }
    }
    return !slipRows || slips(lines, k);
}

bool ProductionOrder::slips(const QList<Line>& lines, int k)
{
    for (int s = k + 1; s < lines.size() && lines.at(s).type == QLatin1String("S"); ++s) {
        const Line& row = lines.at(s);
        const Article& sa = article(row.artikel);
        if (!sa.found || !sa.afdrukken1.contains(kBriefjes))
            continue;
        const double aantal = row.aantal.value_or(0);
        const QString weight = weightText(sa.gewicht, aantal);
        const QString colli = procedureText(QStringLiteral("ArtikelColli"), QStringLiteral("Colli"), row.artikel,
                                            row.ean, QString(), QStringLiteral("Verpakkingstype"), row.verpakkingstype);
        const double entry = row.verpakking && !sa.hasSubaantal ? *row.verpakking : 0.0;
        const double content = procedureText(QStringLiteral("ArtikelVerpakking"), QStringLiteral("Verpakking"),
                                             row.artikel, row.ean, QString(), QStringLiteral("Verpakking"), entry)
                                   .toDouble();
        const QString uitvoering = procedureText(QStringLiteral("ArtikelUitvoering"), QStringLiteral("Uitvoering"),
                                                 row.artikel, row.ean, QString(), {}, {});
        const int count = aantal > 0 ? wholePackages(aantal, content) : 0;
        if (count != 0
            && !insertPacking(QStringLiteral("A"), colli, count, std::fabs(aantal * sa.gewicht), 0))
            return false;
        if (!insertPrintRow(QStringLiteral("0"), {})
            || !insertPrintRow(QStringLiteral("1"), {{QStringLiteral("KopCatalogus"), sa.catalogus},
                                                     {QStringLiteral("KopEAN"), row.ean}})
            || !insertPrintRow(QStringLiteral("2"),
                               {{QStringLiteral("KopVerpakking"), wholeNumber(count) + QLatin1Char(' ') + colli},
                                {QStringLiteral("KopAantalGewicht"), weight}})
            || !insertPrintRow(QStringLiteral("3"),
                               {{QStringLiteral("DetailAantalMaat"),
                                 wholeNumber(aantal).rightJustified(7) + QLatin1Char(' ') + sa.eenheid},
                                {QStringLiteral("DetailUitvoering"), executionMark(row.oms[1], row.oms[2], uitvoering)}}))
            return false;
    }
    return true;
}

bool ProductionOrder::packingSummary(const Line* first)
{
    // Label mode: the shipping address's own mode wins over the debtor's.
    QString labelMode = QStringLiteral("N");
    QString fixedCount;
    const Article* firstArticle = first ? &article(first->artikel) : nullptr;
    if (firstArticle && firstArticle->found
        && !(firstArticle->metre() && firstArticle->berekeningAantal == kMeterDm)) {
        const DbRows d = db_.select(QStringLiteral("select Etiket from Debiteur where Debnr = ?"), {debnr_});
        const DbRows v = db_.select(
            QStringLiteral("select Debnr, Verzend, Etiket, Aantal from Verzendadres where Debnr = ? and Verzend = ?"),
            {debnr_, verzend_});
        if (!d || !v)
            return false;
        if (!isBlank(d.text(QStringLiteral("Etiket"))))
            labelMode = d.text(QStringLiteral("Etiket")).trimmed();
        const QString etiket = v.text(QStringLiteral("Etiket")).trimmed();
        if (v.found() && !etiket.isEmpty() && etiket != QLatin1String("O")) {
            labelMode = etiket;
            fixedCount = v.text(QStringLiteral("Aantal")).trimmed();
        }
    }

    auto colli = [this](bool compact) {
        return db_.call(QStringLiteral("OrderVerpakking"),
                        {{QStringLiteral("Gebruiker"), db_.userName()}, {QStringLiteral("Verdichten"), compact ? 1 : 0}});
    };
    DbRows r = colli(false);
    if (!r)
        return false;
    auto num = [&r](const char* column, int row) { return number(r, QLatin1String(column), row).value_or(0); };
    const bool overbundle = fixedCount.isEmpty() && r.found() && num("PalletGewicht", 0) < rules_.minKgDoos;
    double O = 0;
    if (overbundle) {
        for (int i = 0; i < r.size(); ++i) {
            const QString type = r.text(QStringLiteral("Type"), i).trimmed();
            const double g = num("Gewicht", i);
            if ((type == QLatin1String("1") || type == QLatin1String("2")) && g != 0
                && rules_.overbundles(r.text(QStringLiteral("Soort"), i)))
                O += rules_.maxKgBundel > 0 ? std::trunc(g / rules_.maxKgBundel) + 1 : 1;
        }
        r = colli(true);
        if (!r)
            return false;
    }

    auto note = [&labelMode](double n) {
        return labelMode == QLatin1String("A") ? wholeNumber(n) + QStringLiteral(" overbundel-etiket(ten)") : QString();
    };
    const QString fixedNote = fixedCount.isEmpty() ? QString() : note(fixedCount.toDouble());
    double C = 0, G = 0;
    bool firstBox = true;
    for (int i = 0; i < r.size(); ++i) {
        const QString type = r.text(QStringLiteral("Type"), i).trimmed();
        const QString soort = r.text(QStringLiteral("Soort"), i);
        const double aantal = num("Aantal", i);
        QString va, vs, ca, co;
        if (type == QLatin1String("1")) {
            if (soort.startsWith(QLatin1String("Pallet"))) {
                va = wholeNumber(aantal);
                co = fixedNote;
                C += aantal;
            } else if (firstBox) {
                const double boxes = rules_.maxKgDoos > 0 ? std::trunc(num("PalletGewicht", i) / rules_.maxKgDoos) + 1 : 1;
                va = wholeNumber(boxes);
                vs = QStringLiteral(" Palletdoos");
                ca = wholeNumber(aantal);
                co = fixedNote;
                C += boxes;
                firstBox = false;
            } else {
                ca = wholeNumber(aantal);
            }
        } else if (type == QLatin1String("2")) {
            if (labelMode == QLatin1String("A") && overbundle && rules_.overbundles(soort)) {
                va = wholeNumber(O);
                vs = QStringLiteral(" Overbundel");
                ca = wholeNumber(aantal);
                co = note(O);
                C += O;
            } else {
                va = wholeNumber(aantal);
                C += aantal;
            }
        } else if (type == QLatin1String("B")) {
            const double etiket = num("Etiket", i);
            if (soort.trimmed() == QLatin1String("Pak")) {
                va = QStringLiteral("1");
                vs = QStringLiteral(" Doos");
                ca = wholeNumber(aantal);
                C += 1;
            } else {
                va = wholeNumber(aantal);
                C += aantal;
            }
            if (etiket != 0)
                co = note(etiket);
        } else {
            ca = wholeNumber(aantal);
        }
        const bool made = type != QLatin1String("1") && type != QLatin1String("2") && type != QLatin1String("B");
        const double weight = roundHalfEven(num("Gewicht", i) + 0.4999);
        G += weight;
        if (!insertPrintRow(QStringLiteral("5"),
                            {{QStringLiteral("VerpakkingAantal"), va},
                             {QStringLiteral("VerpakkingSoort"), vs},
                             {QStringLiteral("ColliAantal"), ca},
                             {QStringLiteral("ColliSoort"), made ? soort + QStringLiteral(" (bij maatwerk)") : soort},
                             {QStringLiteral("ColliGewicht"), wholeNumber(weight) + QStringLiteral(" Kg")},
                             {QStringLiteral("ColliOverbundel"), co}}))
            return false;
    }
    return insertPrintRow(QStringLiteral("5"), {{QStringLiteral("VerpakkingOmschrijving"), QStringLiteral("Totaal:")},
                                                {QStringLiteral("VerpakkingAantal"), wholeNumber(C)},
                                                {QStringLiteral("VerpakkingSoort"), QStringLiteral(" Colli")},
                                                {QStringLiteral("ColliGewicht"), wholeNumber(G) + QStringLiteral(" Kg")}});
}

QList<ProductionPrintRow> ProductionOrder::printRows()
{
    QList<ProductionPrintRow> result;
    if (printTable_.isEmpty())
        return result;
    const DbRows r = db_.select(QStringLiteral("select * from %1 order by regel").arg(printTable_));
    for (int i = 0; i < r.size(); ++i) {
        ProductionPrintRow row;
        for (const QString& c : printColumns())
            row.values[c] = r.text(c, i);
        result << row;
    }
    return result;
}

} // namespace vonu
