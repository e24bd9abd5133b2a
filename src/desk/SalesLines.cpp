#include "desk/SalesLines.h"

#include "base/Text.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/Prices.h"
#include "desk/RowBatch.h"
#include "desk/StoreRules.h"
#include "order/OrderValues.h"

#include <QLocale>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vonu {

namespace {

namespace Tekst {
const char* const Aanmaken = "De verkooporder wordt aangemaakt...";
const char* const Bijwerken = "De verkooporder wordt bijgewerkt...";
// The packing text of a sales line: "4 Bundel op maat", "2 Koker a 3,00 mtr."
const char* const OpMaat = " op maat";
const char* const AMaat = " a %1 mtr.";
} // namespace Tekst

QVariant nullText() { return QVariant(QMetaType(QMetaType::QString)); }
QVariant numberOrNull(const QString& s) { return s.trimmed().isEmpty() ? nullText() : QVariant(s.trimmed()); }

const QLocale& display()
{
    static const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    return dutch;
}

struct ProdRow {
    QString regel, type, omschrijving1, omschrijving2, omschrijving3, artikel, ean, prijs, oorsprong, korting, aantal,
        maat, maatvoering, verpakking, verpakkingstype, kleur, prijs1, kontrakt;
    bool annuleren = false;
    bool toeslag = false;
    bool deleted = false;
};

struct Article {
    bool tekst = false;
    QString omschrijving1, omschrijving2, eenheid, berekening, aantalOverdoos, prijslijst;
    bool onderdorpel = false;
};

bool blank(const QString& s) { return s.trimmed().isEmpty(); }

RowBatch salesBatch(Writing writing)
{
    return RowBatch(QStringLiteral("OrderVerkoopregel"),
                    {QStringLiteral("order varchar"), QStringLiteral("regel varchar"), QStringLiteral("artikel varchar"),
                     QStringLiteral("omschrijving varchar"), QStringLiteral("aantal numeric"),
                     QStringLiteral("toeslag boolean"), QStringLiteral("prijs numeric"),
                     QStringLiteral("oorsprong varchar"), QStringLiteral("korting numeric"),
                     QStringLiteral("meterkontrakt varchar"), QStringLiteral("bedragkontrakt varchar"),
                     QStringLiteral("verpakking varchar"), QStringLiteral("aantalstuks numeric")},
                    writing);
}

} // namespace

QString packingText(const PackingInput& in)
{
    const QString colli = in.colli.trimmed();
    if (in.packages <= 0 || colli.isEmpty())
        return {};
    QString text = display().toString(in.packages, 'f', 0) + QLatin1Char(' ') + colli;
    if (in.sizeRemark) {
        if (in.lastMaatvoering != Waarde::MaatvoeringMtr) {
            text += u8(Tekst::OpMaat);
        } else if (colli != QLatin1String("Doos")
                   || (in.eenheid.trimmed() == Waarde::EenheidMeter && in.berekening.trimmed() == Waarde::PerStuk)) {
            text += u8(Tekst::AMaat).arg(display().toString(in.lastMaat, 'f', 2));
        }
    }
    return text;
}

bool SalesLines::build(const SalesLineParams& p, QString* problem)
{
    const QString& order = p.order;
    {
        const DbRows sill = session_.select(
            QStringLiteral("select Onderdorpel from OrderProduktieregel "
                           "join Artikel on Artikel.Artikel = OrderProduktieregel.Artikel "
                           "join Productgroep on Productgroep.Productgroep = Artikel.Productgroep "
                           "where \"order\" = ? and Regel = ?"),
            {order, lineKey(1)});
        if (!sill)
            return false;
        if (sill.found() && sill.flag(QStringLiteral("Onderdorpel"))
            && !session_.exec(QStringLiteral("update \"order\" set Bedrag = false, Kontrakt = '' where \"order\" = ?"), {order}))
            return false;
    }
    const DbRows prod = session_.select(
        QStringLiteral("select Regel, Type, Omschrijving_1, Omschrijving_2, Omschrijving_3, Artikel, EAN, Prijs, Oorsprong, "
                       "Korting, Aantal, Maat, Maatvoering, Verpakking, Verpakkingstype, Kleur, Prijs1, Kontrakt, "
                       "Annuleren, Toeslag from OrderProduktieregel where \"order\" = ? order by Regel"),
        {order});
    if (!prod)
        return false;
    std::vector<ProdRow> rows;
    rows.reserve(std::size_t(prod.size()));
    // Columns found once: ten thousand rows are read here.
    std::map<std::string, int> columnOf;
    for (const char* c : {"Regel", "Type", "Omschrijving_1", "Omschrijving_2", "Omschrijving_3", "Artikel", "EAN",
                          "Prijs", "Oorsprong", "Korting", "Aantal", "Maat", "Maatvoering", "Verpakking",
                          "Verpakkingstype", "Kleur", "Prijs1", "Kontrakt"})
        columnOf[c] = prod.column(QLatin1String(c));
    for (int i = 0; i < prod.size(); ++i) {
        auto t = [&](const char* c) { return prod.textAt(columnOf.at(c), i); };
        ProdRow r{t("Regel"), t("Type"), t("Omschrijving_1"), t("Omschrijving_2"), t("Omschrijving_3"), t("Artikel"),
                  t("EAN"), t("Prijs"), t("Oorsprong"), t("Korting"), t("Aantal"), t("Maat"), t("Maatvoering"),
                  t("Verpakking"), t("Verpakkingstype"), t("Kleur"), t("Prijs1"), t("Kontrakt")};
        r.annuleren = prod.flag(QStringLiteral("Annuleren"), i);
        r.toeslag = prod.flag(QStringLiteral("Toeslag"), i);
        rows.push_back(r);
    }
    if (rows.empty() || blank(rows.front().artikel))
        return true;

    const DbRows count = session_.select(
        QStringLiteral("select count(*) as AantalRegels from OrderVerkoopregel where \"order\" = ?"), {order});
    if (!count)
        return false;
    status(u8(count.text(QStringLiteral("AantalRegels")) == QLatin1String("0") ? Tekst::Aanmaken : Tekst::Bijwerken));
    if (!session_.exec(QStringLiteral("delete from OrderVerkoopregel where \"order\" = ?"), {order}))
        return false;
    const DbRows procA = session_.call(QStringLiteral("ArtikelAantal"),
                                       {{QStringLiteral("order"), order}, {QStringLiteral("SoortOrder"), QStringLiteral("P")}});
    const DbRows procM = session_.call(QStringLiteral("ArtikelMoffelAantalKleur"), {{QStringLiteral("order"), order}});
    if (!procA || !procM)
        return false;
    const DbRows kn = session_.select(
        QStringLiteral("select aantal, Tekst_HL_1, Tekst_OM_1, KleurToeslag, KleurToeslagBedrag from Konstanten where ID = 1"));
    if (!kn.found())
        return false;
    const double knAantal = kn.text(QStringLiteral("aantal")).toDouble();

    // Everything that is asked per article, colour or packing is asked once.
    std::map<QString, std::optional<Article>> articles;
    {
        const DbRows a = session_.select(
            QStringLiteral("select Artikel, Tekst, Artikel.Omschrijving_1, Omschrijving_2, Eenheid, BerekeningAantal, "
                           "Aantal_overdoos, Prijslijst, Onderdorpel from Artikel "
                           "left outer join Productgroep on Productgroep.Productgroep = Artikel.Productgroep "
                           "where Artikel in (select Artikel from OrderProduktieregel where \"order\" = ?)"),
            {order});
        if (!a)
            return false;
        for (int i = 0; i < a.size(); ++i) {
            Article art;
            art.tekst = a.flag(QStringLiteral("Tekst"), i);
            art.omschrijving1 = a.text(QStringLiteral("Omschrijving_1"), i);
            art.omschrijving2 = a.text(QStringLiteral("Omschrijving_2"), i);
            art.eenheid = a.text(QStringLiteral("Eenheid"), i);
            art.berekening = a.text(QStringLiteral("BerekeningAantal"), i);
            art.aantalOverdoos = a.text(QStringLiteral("Aantal_overdoos"), i);
            art.prijslijst = a.text(QStringLiteral("Prijslijst"), i);
            art.onderdorpel = a.flag(QStringLiteral("Onderdorpel"), i);
            articles.emplace(a.text(QStringLiteral("Artikel"), i), art);
        }
    }
    std::map<QString, QString> colliCache;
    std::map<QString, double> contentCache;
    std::map<QString, std::optional<QString>> colourGroups;

    auto packArgs = [&](const ProdRow& r, const QString& o) {
        return QList<DbArg>{{QStringLiteral("Debnr"), p.debnr},   {QStringLiteral("Verzend"), p.vAdres},
                            {QStringLiteral("Artikel"), r.artikel}, {QStringLiteral("EAN"), r.ean},
                            {QStringLiteral("Oorsprong"), o}};
    };
    auto colourGroup = [&](const QString& kleur) -> std::optional<std::optional<QString>> {
        if (const auto it = colourGroups.find(kleur); it != colourGroups.end())
            return it->second;
        const DbRows g = session_.select(QStringLiteral("select Kleurgroep from Kleur where Kleur = ?"), {kleur});
        if (!g)
            return std::nullopt;
        std::optional<QString> v;
        if (g.found())
            v = g.text(QStringLiteral("Kleurgroep"));
        colourGroups.emplace(kleur, v);
        return v;
    };
    struct CoatingPrice {
        bool found = false;
        QString type, prijs, oorsprong, korting;
    };
    // The same question within one store gets the same answer: lines of one
    // article in one colour ask it once.
    std::map<QString, CoatingPrice> coatingPrices;
    auto coatingPrice = [&](const QString& artikel, QChar soort, const QString& kleur, const QString& prijs1,
                            const QString& prijslijst, double aantal) -> std::optional<CoatingPrice> {
        const QString key = QStringList{artikel, QString(soort), kleur, prijs1, prijslijst,
                                        QString::number(std::trunc(aantal), 'f', 0)}
                                .join(QLatin1Char('\x1f'));
        if (writing_ == Writing::Batched) {
            if (const auto it = coatingPrices.find(key); it != coatingPrices.end())
                return it->second;
        }
        const DbRows m = session_.call(
            QStringLiteral("ArtikelMoffelPrijs"),
            {{QStringLiteral("Debnr"), p.debnr},
             {QStringLiteral("Verzend"), p.vAdres},
             {QStringLiteral("Artikel"), artikel},
             {QStringLiteral("Soort"), QString(soort)},
             {QStringLiteral("Kleur"), kleur},
             {QStringLiteral("Prijs"), blank(prijs1) ? nullText() : QVariant(prijs1.trimmed())},
             {QStringLiteral("Prijslijst"), prijslijst},
             {QStringLiteral("Aantal"), std::trunc(aantal)}});
        if (!m)
            return std::nullopt;
        CoatingPrice c;
        if (m.found() && m.flag(QStringLiteral("PrijsGevonden"))) {
            c.found = true;
            c.type = m.text(QStringLiteral("PrijsType"));
            c.prijs = m.text(QStringLiteral("Prijs"));
            c.oorsprong = m.text(QStringLiteral("Oorsprong"));
            c.korting = m.text(QStringLiteral("Korting")).trimmed();
        }
        if (writing_ == Writing::Batched)
            coatingPrices.emplace(key, c);
        return c;
    };

    // ArtikelMoffelAantal of a coated main line; a store asks it for every
    // coated line at once, on the first line that needs it.
    std::optional<std::map<QString, double>> coatedQuantities;
    auto coatedQuantity = [&](const QString& regel) -> std::optional<double> {
        if (writing_ == Writing::RowByRow) {
            const DbRows m = session_.call(QStringLiteral("ArtikelMoffelAantal"),
                                           {{QStringLiteral("order"), order}, {QStringLiteral("Regel"), regel}});
            if (!m)
                return std::nullopt;
            return m.text(QStringLiteral("Aantal")).toDouble();
        }
        if (!coatedQuantities) {
            const DbRows m = session_.select(
                QStringLiteral("select k.Regel, m.Aantal from OrderProduktieregel k "
                               "cross join lateral ArtikelMoffelAantal(k.\"order\", k.Regel) m "
                               "where k.\"order\" = ? and k.Type = 'K' and coalesce(trim(k.Kleur), '') <> ''"),
                {order});
            if (!m)
                return std::nullopt;
            coatedQuantities.emplace();
            for (int i = 0; i < m.size(); ++i)
                coatedQuantities->emplace(m.text(QStringLiteral("Regel"), i), m.text(QStringLiteral("Aantal"), i).toDouble());
        }
        const auto it = coatedQuantities->find(regel);
        return it == coatedQuantities->end() ? 0 : it->second;
    };

    RowBatch sales = salesBatch(writing_);
    RowBatch repriced(QStringLiteral("OrderProduktieregel"),
                      {QStringLiteral("order varchar"), QStringLiteral("regel varchar"), QStringLiteral("prijs numeric"),
                       QStringLiteral("oorsprong varchar"), QStringLiteral("korting numeric"),
                       QStringLiteral("kontrakt varchar")},
                      writing_);
    QStringList toDelete;
    QStringList priced;   // sales lines that get a line amount
    int regel = 0;
    auto textRow = [&](const QString& text) {
        sales.add({order, lineKey(++regel), nullText(), text, nullText(), false, nullText(), nullText(), nullText(),
                   nullText(), nullText(), nullText(), nullText()});
    };
    auto coatingRow = [&](const QString& omschrijving, const QString& aantal, const CoatingPrice& c, bool withDiscount) {
        const QString key = lineKey(++regel);
        sales.add({order, key, QStringLiteral("MOFFELEN"), omschrijving, aantal, false,
                   c.found ? numberOrNull(c.prijs) : nullText(), c.oorsprong,
                   withDiscount && c.found ? numberOrNull(c.korting) : nullText(), nullText(), nullText(), nullText(),
                   nullText()});
        priced << key;
    };

    const int n = int(rows.size());
    std::map<int, double> piecesFrom;   // the pieces of the detail rows from a row on
    for (int i = 0; i < n; ++i) {
        ProdRow& r = rows[std::size_t(i)];
        if (r.type == QLatin1String("D") || blank(r.artikel) || blank(r.aantal) || r.annuleren || r.aantal.toDouble() == 0)
            continue;
        const bool sRow = r.type == QLatin1String("S");
        const bool ownSizes = blank(r.maatvoering);
        // Pieces: the detail rows of this row's line. The walk stops at the
        // next main line, so a row without details never counts another
        // line's pieces.
        double pieces = 0;
        if (ownSizes) {
            int j = i + 1;
            while (j < n && rows[std::size_t(j)].type != QLatin1String("D") && rows[std::size_t(j)].type != QLatin1String("K"))
                ++j;
            // Every sub-article row of a line counts the same details:
            // added up once per line.
            auto known = piecesFrom.find(j);
            if (known == piecesFrom.end()) {
                double sum = 0;
                for (int d = j; d < n && rows[std::size_t(d)].type == QLatin1String("D"); ++d)
                    if (!blank(rows[std::size_t(d)].aantal))
                        sum += rows[std::size_t(d)].aantal.toDouble();
                known = piecesFrom.emplace(j, sum).first;
            }
            pieces = known->second;
        }
        const QString articleRegel = lineKey(++regel);
        const auto ait = articles.find(r.artikel);
        const std::optional<Article> art = ait == articles.end() ? std::nullopt : ait->second;
        const QString o = r.oorsprong.mid(2, 1);
        const QChar kind = o == QLatin1String("2") ? QLatin1Char('M') : QLatin1Char('H');
        const double aantal = r.aantal.toDouble();

        bool toeslag = false;
        if (!r.toeslag && p.kostentoeslag && art && o == QLatin1String("2")
            && art->berekening.trimmed() == Waarde::AantalMaat && art->eenheid == Waarde::EenheidMeter
            && !art->tekst && !art->onderdorpel && aantal < knAantal)
            toeslag = true;

        QString packing;
        if (art) {
            const QString colliKey = r.artikel + QLatin1Char('\x1f') + r.ean + QLatin1Char('\x1f') + o + QLatin1Char('\x1f') + r.verpakkingstype;
            if (writing_ == Writing::RowByRow)
                colliCache.clear();
            auto cit = colliCache.find(colliKey);
            if (cit == colliCache.end()) {
                QList<DbArg> args = packArgs(r, o);
                args.append({QStringLiteral("Verpakkingstype"), r.verpakkingstype});
                const DbRows c = session_.call(QStringLiteral("ArtikelColli"), args);
                if (!c)
                    return false;
                cit = colliCache.emplace(colliKey, c.text(QStringLiteral("Colli"))).first;
            }
            const double verpakking = blank(r.verpakking) ? 0 : r.verpakking.toDouble();
            const QString contentKey = r.artikel + QLatin1Char('\x1f') + r.ean + QLatin1Char('\x1f') + o
                                       + QLatin1Char('\x1f') + QString::number(verpakking);
            if (writing_ == Writing::RowByRow)
                contentCache.clear();
            auto vit = contentCache.find(contentKey);
            if (vit == contentCache.end()) {
                QList<DbArg> args = packArgs(r, o);
                args.append({QStringLiteral("Verpakking"), verpakking});
                const DbRows v = session_.call(QStringLiteral("ArtikelVerpakking"), args);
                if (!v)
                    return false;
                vit = contentCache.emplace(contentKey, v.found() ? v.text(QStringLiteral("Verpakking")).toDouble() : 0).first;
            }
            double content = vit->second;
            if (content == 1 && !blank(art->aantalOverdoos) && art->aantalOverdoos.toDouble() > 0)
                content = art->aantalOverdoos.toDouble();
            PackingInput in;
            in.colli = cit->second;
            in.eenheid = art->eenheid;
            in.berekening = art->berekening;
            double singles = 0;
            if (!sRow && ownSizes) {
                in.sizeRemark = true;
                int j = i + 1;
                while (j < n && rows[std::size_t(j)].type == QLatin1String("S"))
                    ++j;
                for (; j < n && rows[std::size_t(j)].type == QLatin1String("D"); ++j) {
                    ProdRow& d = rows[std::size_t(j)];
                    if (blank(d.aantal) && blank(d.maat)) {
                        if (!d.deleted)
                            toDelete << d.regel;
                        d.deleted = true;
                        continue;
                    }
                    if (d.aantal.toDouble() == 1)
                        singles += 1;
                    else
                        in.packages += packages(d.aantal.toDouble(), content);
                    in.lastMaat = d.maat.toDouble();
                    in.lastMaatvoering = d.maatvoering.trimmed();
                }
            } else {
                in.packages = packages(aantal, content);
            }
            if (singles > 0)
                in.packages += content > 0 ? roundHalfEven(singles / content + 0.4999) : 1;
            packing = packingText(in);
        }

        if (!r.oorsprong.startsWith(QLatin1Char('H'))) {
            for (int a = 0; a < procA.size(); ++a) {
                if (procA.text(QStringLiteral("Artikel"), a) != r.artikel)
                    continue;
                PriceContext c{p.debnr, p.vAdres, p.orderdatum, p.meter, p.stuks, p.productgroep, p.groep, p.bedrag};
                const auto price = prices_.lookup(r.artikel, c, kind,
                                                  std::trunc(procA.text(QStringLiteral("aantal_") + o, a).toDouble()));
                if (!price)
                    return false;
                if (price->found) {
                    r.prijs = price->prijs;
                    r.oorsprong = price->oorsprong;
                    r.korting = price->korting;
                    r.kontrakt = price->kontrakt;
                    repriced.add({order, r.regel, numberOrNull(r.prijs), r.oorsprong, numberOrNull(r.korting), r.kontrakt});
                }
                break;
            }
        }

        const bool bedragKontrakt = r.oorsprong.startsWith(QLatin1String("OP"));
        sales.add({order, articleRegel, r.artikel, art ? art->omschrijving1 : QString(), r.aantal, toeslag,
                   numberOrNull(r.prijs), r.oorsprong, numberOrNull(r.korting),
                   bedragKontrakt ? nullText() : QVariant(r.kontrakt), bedragKontrakt ? QVariant(r.kontrakt) : nullText(),
                   packing, pieces == 0 ? nullText() : QVariant(decimalText(pieces))});
        priced << articleRegel;

        if (art && !blank(art->omschrijving2))
            textRow(art->omschrijving2);
        if (art && art->eenheid == Waarde::EenheidMeter && r.type == QLatin1String("K")) {
            if (o == QLatin1String("1")) {
                int j = i + 1;
                while (j < n && rows[std::size_t(j)].type == QLatin1String("S"))
                    ++j;
                if (j < n && rows[std::size_t(j)].type == QLatin1String("D") && !blank(rows[std::size_t(j)].maat)
                    && rows[std::size_t(j)].maatvoering == QLatin1String("Mtr")) {
                    const auto m = parseDecimal(rows[std::size_t(j)].maat);
                    textRow(kn.text(QStringLiteral("Tekst_HL_1")).trimmed() + QLatin1Char(' ')
                            + (m ? display().toString(*m, 'g', 12) : rows[std::size_t(j)].maat.trimmed())
                            + QStringLiteral(" Mtr."));
                }
            } else {
                textRow(kn.text(QStringLiteral("Tekst_OM_1")));
            }
        }
        if (blank(r.kleur) && !blank(r.omschrijving1))
            textRow(r.omschrijving1);
        if (!blank(r.omschrijving2))
            textRow(r.omschrijving2);
        if (!blank(r.omschrijving3))
            textRow(r.omschrijving3);

        if (r.type == QLatin1String("K") && !blank(r.kleur) && art) {
            double q = 0;
            int lines = 0;
            for (int m = 0; m < procM.size(); ++m) {
                if (procM.text(QStringLiteral("Kleur"), m) == r.kleur) {
                    q = procM.text(QStringLiteral("Aantal"), m).toDouble();
                    lines = procM.text(QStringLiteral("AantalRegels"), m).toInt();
                    break;
                }
            }
            const auto c = coatingPrice(r.artikel, kind, r.kleur, r.prijs1, art->prijslijst, q);
            if (!c)
                return false;
            const QChar first = c->oorsprong.isEmpty() ? QChar() : c->oorsprong.at(0);
            if (first == QLatin1Char('H') || first == QLatin1Char('V') || first == QLatin1Char('D')) {
                coatingRow(r.omschrijving1, r.aantal, *c, true);
            } else if (c->type == QLatin1String("M")) {
                const auto q = coatedQuantity(r.regel);
                if (!q)
                    return false;
                coatingRow(r.omschrijving1, decimalText(std::abs(*q)), *c, true);
            } else if (lines == 1) {
                coatingRow(r.omschrijving1, QStringLiteral("1"), *c, true);
            } else {
                textRow(r.omschrijving1.trimmed() + QStringLiteral(" (zie totaalprijs)"));
            }
            const auto group = colourGroup(r.kleur);
            if (!group)
                return false;
            if (*group)
                textRow(**group);
        }
    }
    if (!toDelete.isEmpty()) {
        for (const QString& d : toDelete)
            if (!session_.exec(QStringLiteral("delete from OrderProduktieregel where \"order\" = ? and Regel = ?"), {order, d}))
                return false;
    }
    if (!repriced.update(session_, 2) || !sales.insert(session_))
        return false;
    sales.clear();

    const DbRows off = session_.call(QStringLiteral("ArtikelToeslagUit"), {{QStringLiteral("order"), order}});
    if (!off)
        return false;
    if (off.size() > 0) {
        RowBatch flags(QStringLiteral("OrderVerkoopregel"),
                       {QStringLiteral("order varchar"), QStringLiteral("regel varchar"), QStringLiteral("toeslag boolean")},
                       writing_);
        for (int i = 0; i < off.size(); ++i)
            flags.add({order, off.text(QStringLiteral("Regel"), i), false});
        if (!flags.update(session_, 2))
            return false;
    }

    for (int m = 0; m < procM.size(); ++m) {
        if (procM.text(QStringLiteral("AantalRegels"), m).toInt() <= 1)
            continue;
        const DbRows list = session_.select(QStringLiteral("select Prijslijst from Moffelprijslijst order by Prijslijst limit 1"));
        if (!list)
            return false;
        const QString kleur = procM.text(QStringLiteral("Kleur"), m);
        const auto c = coatingPrice(QString(), QLatin1Char('H'), kleur, QString(), list.text(QStringLiteral("Prijslijst")),
                                    procM.text(QStringLiteral("Aantal"), m).toDouble());
        if (!c)
            return false;
        if (c->type == QLatin1String("T")) {
            coatingRow(procM.text(QStringLiteral("Omschrijving"), m).trimmed() + QStringLiteral(" totaalprijs"),
                       QStringLiteral("1"), *c, true);
            const auto group = colourGroup(kleur);
            if (!group)
                return false;
            if (*group)
                textRow(**group);
        }
    }
    if (kn.flag(QStringLiteral("KleurToeslag"))) {
        const DbRows colours = session_.select(
            QStringLiteral("select Kleur from OrderProduktieregel where \"order\" = ? and Kleur is not null "
                           "and len(Kleur) > 0 group by Kleur order by Kleur"),
            {order});
        if (!colours)
            return false;
        for (int i = 0; i < colours.size(); ++i) {
            const QString key = lineKey(++regel);
            sales.add({order, key, QStringLiteral("MOFFELEN"),
                       QStringLiteral("Moffeltoeslag RAL ") + colours.text(QStringLiteral("Kleur"), i).trimmed(),
                       QStringLiteral("1"), false, kn.text(QStringLiteral("KleurToeslagBedrag")), QStringLiteral("P-1"),
                       nullText(), nullText(), nullText(), nullText(), nullText()});
            priced << key;
        }
    }
    sales.add({order, lineKey(++regel), nullText(), nullText(), nullText(), false, nullText(), nullText(), nullText(),
               nullText(), nullText(), nullText(), nullText()});
    if (!sales.insert(session_) || !prices_.lineAmounts(order, priced))
        return false;
    bool badCosts = false;
    if (!prices_.orderTotals(order, p.orderkosten, &badCosts)) {
        if (badCosts && problem)
            *problem = QStringLiteral("De orderkosten \"%1\" zijn geen bedrag.").arg(p.orderkosten.trimmed());
        return false;
    }
    if (!prices_.assignAmountContract(order))
        return false;
    status(QString());
    return true;
}

} // namespace vonu
