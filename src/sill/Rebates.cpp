#include "sill/Rebates.h"

#include "data/Catalog.h"
#include "order/OrderModel.h"

namespace vonu::sponning {

namespace {

namespace Tekst {
const char* const Sponning = "SPONNING";
const char* const VanBuitenaf = "VAN BUITENAF GEZIEN";
const char* const Vol = "Detailtekst vol, handmatig invoeren!";
const char* const NietCompleet = "Detailtekst niet compleet, handmatig invoeren!";
} // namespace Tekst

const char* const SponningToets = "S";

// Column layout, 0-based starts.
constexpr int SamenvattingLengte = 30;
constexpr int ArtikelA = 30;
constexpr int MaatA = 46;
constexpr int ZijdeA = 58;
constexpr int ArtikelB = 60;
constexpr int MaatB = 76;
constexpr int ZijdeB = 88;
constexpr int ArtikelLengte = 16;

QString padded(const QString& text)
{
    return text.leftJustified(TekstLengte, QLatin1Char(' '), true);
}

void padTo(QString& text, int width)
{
    if (text.size() < width)
        text += QString(width - text.size(), QLatin1Char(' '));
}

QString summaryPart(const Sponning& s)
{
    const QString maat = s.maat.trimmed();
    return maat.isEmpty() ? QStringLiteral("*") : maat + zijdeLetter(s.zijde);
}

// The article, size and side columns of one rebate, starting at `start`.
void appendRecord(QString& text, const Sponning& s, int start)
{
    padTo(text, start);
    // Cut to their columns: a longer value would shift every later column.
    text += s.artikel.trimmed().left(ArtikelLengte);
    padTo(text, start + ArtikelLengte);
    const QString maat = s.maat.trimmed().left(MaatLengte);
    text += maat.isEmpty() ? QStringLiteral("0") : maat;
    padTo(text, start + ArtikelLengte + MaatLengte);
    text += zijdeLetter(s.zijde);
}

} // namespace

QChar zijdeLetter(Zijde zijde)
{
    switch (zijde) {
    case Zijde::AlleenLinks:
        return QLatin1Char('L');
    case Zijde::AlleenRechts:
        return QLatin1Char('R');
    case Zijde::LinksEnRechts:
        break;
    }
    return QLatin1Char('B');
}

Zijde zijdeVanLetter(QChar letter)
{
    if (letter == QLatin1Char('L'))
        return Zijde::AlleenLinks;
    if (letter == QLatin1Char('R'))
        return Zijde::AlleenRechts;
    return Zijde::LinksEnRechts;
}

VastgelegdeSponning vastgelegd(const QString& tekst, int welke)
{
    const QString t = padded(tekst);
    const int artikel = welke == 2 ? ArtikelB : ArtikelA;
    const int maat = welke == 2 ? MaatB : MaatA;
    const int zijde = welke == 2 ? ZijdeB : ZijdeA;
    VastgelegdeSponning v;
    if (welke != 1 && welke != 2)
        return v;
    v.artikel = t.mid(artikel, ArtikelLengte).trimmed();
    v.maat = t.mid(maat, MaatLengte).trimmed();
    v.zijde = t.at(zijde);
    return v;
}

int aantalVastgelegd(const QString& tekst)
{
    return (vastgelegd(tekst, 1).aanwezig() ? 1 : 0) + (vastgelegd(tekst, 2).aanwezig() ? 1 : 0);
}

QString maakTekst(const std::optional<Sponning>& a, const std::optional<Sponning>& b)
{
    QString text;
    if (a)
        text += summaryPart(*a);
    if (b)
        text += QLatin1Char('/') + summaryPart(*b);
    // A summary never pushes the record columns: it is cut at 30.
    text = text.left(SamenvattingLengte);
    if (a)
        appendRecord(text, *a, ArtikelA);
    if (b)
        appendRecord(text, *b, ArtikelB);
    return padded(text);
}

Omschrijvingen omschrijvingen(const QString& tekst)
{
    const QString t = padded(tekst);
    QString links;
    QString rechts;
    QString beide;
    for (int welke = 1; welke <= 2; ++welke) {
        const VastgelegdeSponning s = vastgelegd(t, welke);
        if (!s.aanwezig())
            continue;
        if (s.zijde == QLatin1Char('L'))
            links = QStringLiteral("LINKS ") + s.maat + QStringLiteral(" mm.");
        else if (s.zijde == QLatin1Char('R'))
            rechts = QStringLiteral("RECHTS ") + s.maat + QStringLiteral(" mm.");
        else
            beide = QStringLiteral(" ") + s.maat + QStringLiteral(" mm.");
    }
    Omschrijvingen o;
    if (t.left(SamenvattingLengte).trimmed().isEmpty())
        return o;
    if (!beide.trimmed().isEmpty()) {
        o.tekst1 = QString::fromLatin1(Tekst::Sponning) + QLatin1Char(' ') + beide;
        return o;
    }
    o.tekst1 = QString::fromLatin1(Tekst::Sponning);
    if (!links.trimmed().isEmpty())
        o.tekst1 += QLatin1Char(' ') + links;
    if (!rechts.trimmed().isEmpty())
        o.tekst1 += QLatin1Char(' ') + rechts;
    o.tekst2 = QString::fromLatin1(Tekst::VanBuitenaf);
    return o;
}

bool isGegenereerd(const QString& omschrijving)
{
    const QString trimmed = omschrijving.trimmed();
    return (omschrijving.startsWith(QLatin1String(Tekst::Sponning)) &&
            trimmed.endsWith(QLatin1String("mm."))) ||
           trimmed == QLatin1String(Tekst::VanBuitenaf);
}

Plaatsing plaatsOmschrijvingen(OrderModel& order, int line, const Omschrijvingen& teksten)
{
    for (Veld veld : {Veld::Omschrijving_2, Veld::Omschrijving_3}) {
        if (isGegenereerd(order.field(line, veld)))
            order.setField(line, veld, QString());
    }
    // With nothing to place there is nothing to report, whatever the user
    // typed into the description lines.
    if (teksten.tekst1.isEmpty() && teksten.tekst2.isEmpty())
        return Plaatsing::Geplaatst;
    const bool tweedeLeeg = order.field(line, Veld::Omschrijving_2).isEmpty();
    const bool derdeLeeg = order.field(line, Veld::Omschrijving_3).isEmpty();
    if (tweedeLeeg && derdeLeeg) {
        order.setField(line, Veld::Omschrijving_2, teksten.tekst1);
        order.setField(line, Veld::Omschrijving_3, teksten.tekst2);
        return Plaatsing::Geplaatst;
    }
    if (!tweedeLeeg && !derdeLeeg)
        return Plaatsing::Vol;
    order.setField(line, tweedeLeeg ? Veld::Omschrijving_2 : Veld::Omschrijving_3, teksten.tekst1);
    return teksten.tekst2.isEmpty() ? Plaatsing::Geplaatst : Plaatsing::NietCompleet;
}

QString plaatsingMelding(Plaatsing plaatsing)
{
    switch (plaatsing) {
    case Plaatsing::Vol:
        return QString::fromUtf8(Tekst::Vol);
    case Plaatsing::NietCompleet:
        return QString::fromUtf8(Tekst::NietCompleet);
    case Plaatsing::Geplaatst:
        break;
    }
    return {};
}

std::vector<SponningBewerking> sponningBewerkingen(const OrderModel& order, const Catalog& catalog,
                                                   int line, int maximum)
{
    std::vector<SponningBewerking> result;
    const TXMLArtikel artikel = catalog.article(Catalog::catalogCodeOf(order.field(line, Veld::Artikel)));
    if (artikel.isNull())
        return result;
    const TXMLBewerkingen bewerkingen = artikel.Bewerkingen();
    if (bewerkingen.isEmpty())
        return result;
    for (int rij = 1; rij <= MaxBewerkingen && int(result.size()) < maximum; ++rij) {
        const QString code = order.bewerking(line, rij, 1).trimmed();
        if (code.isEmpty())
            continue;
        for (const TXMLBewerking b : bewerkingen) {
            if (b.Artikel().trimmed() != code)
                continue;
            if (b.BewerkingALT_toets().trimmed() == QLatin1String(SponningToets))
                result.push_back({rij, code, b.BewerkingOmschrijving_1(), b.BewerkingOmschrijving_2()});
            break;
        }
    }
    return result;
}

Controle controleerNaBewerking(OrderModel& order, const Catalog& catalog, int line)
{
    Controle c;
    // A third rebate operation is never recorded, so it is not counted:
    // counting it would reopen the dialog on every operation change.
    c.bewerkingen = int(sponningBewerkingen(order, catalog, line, MaxSponningen).size());
    const bool vlag = order.flag(line, Vlag::Sponning);
    if (c.bewerkingen > 0) {
        if (!vlag) {
            order.setFlag(line, Vlag::Sponning, true);
            order.setField(line, Veld::Sponning, QString());
            c.veldGewijzigd = true;
        }
        c.veldGetoond = true;
        // Counted after the text may have been emptied, so a stale text
        // from before the flag was set never hides a missing rebate.
        c.vastgelegd = aantalVastgelegd(order.field(line, Veld::Sponning));
        c.dialoogNodig = c.vastgelegd != c.bewerkingen;
    } else if (vlag) {
        order.setFlag(line, Vlag::Sponning, false);
        order.setField(line, Veld::Sponning, QString());
        c.veldGewijzigd = true;
    }
    return c;
}

} // namespace vonu::sponning
