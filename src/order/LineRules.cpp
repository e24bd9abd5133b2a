#include "order/LineRules.h"

#include "data/Catalog.h"
#include "order/ArticleLists.h"
#include "order/DetailTotal.h"
#include "order/OfferLists.h"
#include "order/OrderValues.h"

#include <QSet>

namespace vonu {

namespace {

bool isJa(const QString& value)
{
    return value.trimmed() == Waarde::Ja;
}

QStringList subartikelCodes(const OrderModel& order, int line)
{
    QStringList codes;
    for (int row = 1; row <= MaxSubartikelen; ++row)
        if (order.subartikelInUse(line, row))
            codes.append(order.subartikel(line, row, 1));
    return codes;
}

// A field whose input the line does not offer holds nothing: the order
// files and the database read fields 2-8 without looking at the flags.
void emptyUnoffered(OrderModel& order, int line)
{
    const std::pair<Veld, Vlag> offered[] = {{Veld::Kleur, Vlag::Kleur},           {Veld::Lengte, Vlag::Lengte},
                                           {Veld::Correctie, Vlag::Correctie},   {Veld::Uitvoering, Vlag::Uitvoering},
                                           {Veld::Aantal, Vlag::Aantal},         {Veld::Sponning, Vlag::Sponning}};
    for (const auto& [veld, vlag] : offered)
        if (!order.flag(line, vlag))
            order.setField(line, veld, QString());
    if (!order.flag(line, Vlag::Maat) && !order.flag(line, Vlag::MaatInvoer))
        order.setField(line, Veld::Maat, QString());
}

} // namespace

LineRules::LineRules(OrderModel& order, const Catalog& catalog, const CustomerArticleList& klant, bool internalMode,
                     SponningRegels sponning)
    : order_(order), catalog_(catalog), klant_(klant), internalMode_(internalMode), sponning_(std::move(sponning))
{
}

// ------------------------------------------------------------ what it offers

QStringList LineRules::lengthChoices(int line) const
{
    const TXMLArtikel a = catalog_.lookup(order_.field(line, Veld::Artikel));
    QStringList choices;
    if (a.isNull())
        return choices;
    if (isJa(a.ArtikelHandelslengte()))
        choices.append(Waarde::Handelslengte);
    if (isJa(a.ArtikelOpmaat()))
        choices.append(Waarde::OpMaat);
    return choices;
}

QStringList LineRules::sizeChoices(int line) const
{
    QStringList sizes;
    const TXMLArtikel a = catalog_.lookup(order_.field(line, Veld::Artikel));
    if (!a.isNull())
        for (const TXMLArtikelmaat m : a.Artikelmaten())
            sizes.append(m.Maat() + Waarde::Mtr);
    return sizes;
}

QStringList LineRules::subartikelChoices(int line) const
{
    const TXMLArtikel a = catalog_.lookup(order_.field(line, Veld::Artikel));
    return a.isNull() ? QStringList() : OfferLists::subartikelChoices(a, klant_, internalMode_);
}

QStringList LineRules::bewerkingChoices(int line) const
{
    const TXMLArtikel a = catalog_.lookup(order_.field(line, Veld::Artikel));
    return a.isNull() ? QStringList() : OfferLists::bewerkingChoices(a, klant_, internalMode_);
}

bool LineRules::meterDm(int line) const
{
    const TXMLArtikel a = catalog_.lookup(order_.field(line, Veld::Artikel));
    return !a.isNull() && a.ArtikelBerekeningAantal().trimmed() == Waarde::MeterDm;
}

// ------------------------------------------------------------------ the line

void LineRules::changeArticle(int line, const QString& artikel)
{
    order_.setField(line, Veld::Artikel, artikel);
    prepareLine(line, artikel);
}

void LineRules::prepareLine(int line, const QString& artikel)
{
    order_.clearLineForArticle(line);
    if (artikel.trimmed().isEmpty())
        return;

    const TXMLArtikel a = catalog_.lookup(artikel);
    if (a.isNull()) {
        // Nothing is known about it but that it is ordered.
        order_.setFlag(line, Vlag::Aantal, true);
        return;
    }
    // The single length the article starts with.
    QString lengte;
    if (isJa(a.ArtikelHandelslengte()))
        lengte = Waarde::Handelslengte;
    else if (isJa(a.ArtikelOpmaat()))
        lengte = Waarde::OpMaat;

    const bool kleur = OfferLists::offersColour(a);
    const bool subs = OfferLists::subartikelChoices(a, klant_, internalMode_).size() > 1;
    const bool bews = OfferLists::bewerkingChoices(a, klant_, internalMode_).size() > 1;

    const bool lengteGeboden = a.ArtikelEenheid().trimmed() == Waarde::EenheidMeter;
    if (lengteGeboden)
        order_.setField(line, Veld::Lengte, lengte);

    const TXMLArtikelmaten maten = a.Artikelmaten();
    const bool maat = maten.Count() > 0;
    if (maat)
        order_.setField(line, Veld::Maat, maten.Item(0).Maat() + Waarde::Mtr);

    const bool uitvoering = !a.ArtikelUitvoering_1().isEmpty();
    if (uitvoering) {
        const QString u = customerTradeExecution(artikel);
        order_.setField(line, Veld::Uitvoering, u);
        order_.setField(line, Veld::Omschrijving_2, u);
    }

    order_.setFlag(line, Vlag::Kleur, kleur);
    order_.setFlag(line, Vlag::Lengte, lengteGeboden);
    order_.setFlag(line, Vlag::Maat, maat);
    order_.setFlag(line, Vlag::Uitvoering, uitvoering);
    order_.setFlag(line, Vlag::Aantal, true);
    order_.setFlag(line, Vlag::Subartikelen, subs);
    order_.setFlag(line, Vlag::Bewerkingen, bews);
    order_.setFlag(line, Vlag::MaatInvoer, lengteGeboden && !maat);

    // A made-to-measure-only article takes its length at once.
    if (lengteGeboden && lengte == Waarde::OpMaat)
        applyLengthChoice(line);
}

QString LineRules::customerTradeExecution(const QString& artikel) const
{
    return OfferLists::tradeLengthExecution(catalog_.lookup(artikel), klant_.lookup(Catalog::catalogCodeOf(artikel)));
}

void LineRules::changeLength(int line, const QString& lengte)
{
    order_.setField(line, Veld::Lengte, lengte);
    applyLengthChoice(line);
}

void LineRules::applyLengthChoice(int line)
{
    const QString artikel = order_.field(line, Veld::Artikel);
    const TXMLArtikel a = catalog_.lookup(artikel);
    const KlantArtikel* klant = klant_.lookup(Catalog::catalogCodeOf(artikel));

    // A new length starts the rebates, descriptions and operations anew.
    for (Veld veld : {Veld::Sponning, Veld::Omschrijving_1, Veld::Omschrijving_2, Veld::Omschrijving_3})
        order_.setField(line, veld, QString());
    order_.setFlag(line, Vlag::Sponning, false);
    order_.clearBewerkingen(line);
    order_.setFlag(line, Vlag::Bewerkingen,
                   !a.isNull() && OfferLists::bewerkingChoices(a, klant_, internalMode_).size() > 1);

    bool correctie = false;
    bool maat = false;
    bool maatInvoer = false;
    bool details = false;
    bool uitvoering = false;
    if (order_.field(line, Veld::Lengte) == Waarde::OpMaat) {
        correctie = !a.isNull() && OfferLists::needsCorrection(a, subartikelCodes(order_, line));
        if (correctie)
            order_.setField(line, Veld::Correctie, Waarde::Zaagmaat);
        order_.setField(line, Veld::Maat, QString());
        details = !a.isNull() && a.ArtikelBerekeningAantal().trimmed() != Waarde::PerStuk;
        maatInvoer = !details;
        uitvoering = !a.isNull() && !a.ArtikelUitvoering_2().isEmpty();
        if (uitvoering) {
            const QString u = OfferLists::madeToMeasureExecution(a, klant);
            order_.setField(line, Veld::Uitvoering, u);
            order_.setField(line, Veld::Omschrijving_2, u);
        }
    } else {
        const QStringList sizes = sizeChoices(line);
        maat = !sizes.isEmpty();
        maatInvoer = !maat;
        order_.setField(line, Veld::Maat, maat ? sizes.first() : QString());
        uitvoering = !a.isNull() && !a.ArtikelUitvoering_1().isEmpty();
        if (uitvoering) {
            const QString u = OfferLists::tradeLengthExecution(a, klant);
            order_.setField(line, Veld::Uitvoering, u);
            order_.setField(line, Veld::Omschrijving_2, u);
        }
        order_.clearDetails(line);
    }
    order_.setField(line, Veld::Aantal, QString());

    order_.setFlag(line, Vlag::Correctie, correctie);
    order_.setFlag(line, Vlag::Maat, maat);
    order_.setFlag(line, Vlag::Uitvoering, uitvoering);
    order_.setFlag(line, Vlag::Aantal, true);
    order_.setFlag(line, Vlag::Details, details);
    order_.setFlag(line, Vlag::MaatInvoer, maatInvoer);
    emptyUnoffered(order_, line);
}

bool LineRules::changeExecution(int line, const QString& uitvoering)
{
    order_.setField(line, Veld::Uitvoering, uitvoering);
    const auto holdsExecution = [&](Veld veld) {
        const QString t = order_.field(line, veld).trimmed();
        return t == Waarde::Geboord || t == Waarde::Ongeboord;
    };
    if (holdsExecution(Veld::Omschrijving_2)) {
        order_.setField(line, Veld::Omschrijving_2, uitvoering);
        return true;
    }
    if (holdsExecution(Veld::Omschrijving_3)) {
        order_.setField(line, Veld::Omschrijving_3, uitvoering);
        return true;
    }
    return false;
}

SizeCheckResult LineRules::changeTypedSize(int line, const QString& maat)
{
    SizeCheckResult r;
    r.size = maat;
    if (!maat.isEmpty() && order_.field(line, Veld::Lengte) == Waarde::OpMaat)
        r = checkSize(catalog_, order_.field(line, Veld::Artikel), QString::number(line), maat);
    order_.setField(line, Veld::Maat, r.size);
    return r;
}

// ---------------------------------------------- sub-articles and operations

QString LineRules::changeSubartikel(int line, int row, const QString& code)
{
    const QString previous = order_.subartikel(line, row, 1);
    order_.setSubartikel(line, row, 1, code);
    subartikelConsequences(line);
    return previous;
}

QString LineRules::changeBewerking(int line, int row, const QString& code, SponningGevolg* gevolg)
{
    const QString previous = order_.bewerking(line, row, 1);
    order_.setBewerking(line, row, 1, code);
    const SponningGevolg g = bewerkingConsequences(line);
    if (gevolg)
        *gevolg = g;
    return previous;
}

bool LineRules::subartikelConsequences(int line)
{
    const TXMLArtikel a = catalog_.lookup(order_.field(line, Veld::Artikel));
    const bool needed = !a.isNull() && OfferLists::needsCorrection(a, subartikelCodes(order_, line));
    if (needed) {
        // A trade length is cut by the manufacturer: no correction.
        if (!order_.flag(line, Vlag::Correctie) && order_.field(line, Veld::Lengte) == Waarde::OpMaat) {
            order_.setFlag(line, Vlag::Correctie, true);
            order_.setField(line, Veld::Correctie, Waarde::Zaagmaat);
            return true;
        }
    } else if (order_.flag(line, Vlag::Correctie)) {
        order_.setFlag(line, Vlag::Correctie, false);
        order_.setField(line, Veld::Correctie, QString());
        return true;
    }
    return false;
}

SponningGevolg LineRules::bewerkingConsequences(int line)
{
    return sponning_(order_, catalog_, line);
}

// ------------------------------------------------------------------- details

bool LineRules::changeDetailAantal(int line, int row, const QString& aantal)
{
    order_.setDetailAantal(line, row, aantal);
    updateDetailTotal(line);
    return aantal.trimmed().isEmpty() && !order_.detailMaat(line, row).trimmed().isEmpty();
}

SizeCheckResult LineRules::changeDetailMaat(int line, int row, const QString& maat)
{
    SizeCheckResult r;
    r.size = maat;
    // The label names the row as the "Rgl" column shows it.
    if (!maat.isEmpty())
        r = checkSize(catalog_, order_.field(line, Veld::Artikel), QString::number(line) + u'/' + QString::number(row),
                      maat);
    order_.setDetailMaat(line, row, r.size);
    updateDetailTotal(line);
    return r;
}

QString LineRules::updateDetailTotal(int line)
{
    const QString text = detailTotaalTekst(detailTotaal(order_, line), meterDm(line));
    order_.setField(line, Veld::Aantal, text);
    return text;
}

// ----------------------------------------------------------------- the order

QStringList LineRules::completenessMessages() const
{
    return incompleteLineMessages(order_);
}

std::vector<OnbekendeWaarde> LineRules::unknownValues(const QStringList& articleEntries,
                                                      const QStringList& colourEntries) const
{
    QSet<QString> artikelen;
    for (const QString& e : articleEntries)
        artikelen.insert(e.trimmed());
    QSet<QString> kleuren;
    for (const QString& e : colourEntries)
        kleuren.insert(e.trimmed());

    std::vector<OnbekendeWaarde> unknown;
    for (int line = 1; line <= MaxOrderregels; ++line) {
        if (!order_.lineInUse(line))
            continue;
        const QString& artikel = order_.field(line, Veld::Artikel);
        if (!artikelen.contains(artikel.trimmed()) || catalog_.lookup(artikel).isNull()) {
            // Nothing below can be judged without the article.
            unknown.push_back({line, QStringLiteral("artikel"), artikel.trimmed()});
            continue;
        }
        const QString kleur = order_.field(line, Veld::Kleur).trimmed();
        if (!kleur.isEmpty() && !kleuren.contains(kleur))
            unknown.push_back({line, QStringLiteral("kleur"), kleur});
        const QString maat = order_.field(line, Veld::Maat).trimmed();
        if (order_.flag(line, Vlag::Maat) && !maat.isEmpty()) {
            bool listed = false;
            for (const QString& s : sizeChoices(line))
                listed = listed || s.trimmed() == maat;
            if (!listed)
                unknown.push_back({line, QStringLiteral("maat"), maat});
        }
        const auto rows = [&](const QStringList& choices, auto code, const char* wat) {
            QSet<QString> offered;
            for (const QString& c : choices)
                offered.insert(c.trimmed());
            for (int row = 1; row <= MaxSubartikelen; ++row) {
                const QString c = code(row).trimmed();
                if (!c.isEmpty() && !offered.contains(c))
                    unknown.push_back({line, QString::fromLatin1(wat), c});
            }
        };
        rows(subartikelChoices(line), [&](int row) { return order_.subartikel(line, row, 1); }, "meeleveren");
        rows(bewerkingChoices(line), [&](int row) { return order_.bewerking(line, row, 1); }, "bewerking");
    }
    return unknown;
}

} // namespace vonu
