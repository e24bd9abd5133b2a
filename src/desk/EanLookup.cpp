#include "desk/EanLookup.h"

#include "desk/DbSession.h"

#include <QLocale>

#include <cmath>

namespace vonu {

namespace {

namespace Tekst {
const char* const TeKort = "EAN-artikelcode te kort!";
const char* const NietAanwezig = "EAN-artikelcode %1 niet aanwezig!";
const char* const NietToegestaan = "Artikel %1 niet toegestaan!";
const char* const PrijzenOnbekend = "Niet alle prijzen bekend, invoer niet mogelijk!";
const char* const Mtr = " Mtr";
} // namespace Tekst

EanLookupResult refused(EanLookupResult::Status status, const QString& melding = {})
{
    EanLookupResult r;
    r.status = status;
    r.melding = melding;
    return r;
}

} // namespace

EanLookupResult EanLookup::lookup(const QString& code, const EanPriceContext& context)
{
    using Status = EanLookupResult::Status;
    if (code.size() < CodeLengte)
        return refused(Status::TeKort, QString::fromUtf8(Tekst::TeKort));

    const DbRows ean = db_.select(QStringLiteral("select EAN, Artikel, Maat, Uitvoering, Subartikel_1, Subartikel_2 "
                                                 "from ArtikelEAN where EAN = ?"),
                                  {code});
    if (!ean)
        return refused(Status::DatabaseFout);
    if (!ean.found())
        return refused(Status::NietAanwezig, QString::fromUtf8(Tekst::NietAanwezig).arg(code));

    EanProduct p;
    p.ean = code;
    const QString artikel = ean.text(QStringLiteral("Artikel"));
    p.artikel = artikel.trimmed();
    p.maat = ean.text(QStringLiteral("Maat"));
    p.uitvoering = ean.text(QStringLiteral("Uitvoering")).trimmed();

    const DbRows art = db_.select(QStringLiteral("select Artikel from Artikel where Artikel = ?"), {artikel});
    if (!art)
        return refused(Status::DatabaseFout);
    if (!art.found())
        return refused(Status::NietToegestaan, QString::fromUtf8(Tekst::NietToegestaan).arg(p.artikel));

    bool failed = false;
    bool allKnown = priceKnown(artikel, p.opMaat(), context, &failed);
    if (failed)
        return refused(Status::DatabaseFout);

    for (const char* column : {"Subartikel_1", "Subartikel_2"}) {
        const QString sub = ean.text(QString::fromLatin1(column));
        if (sub.trimmed().isEmpty())
            continue;
        const DbRows row = db_.select(QStringLiteral("select Artikel, Tekst, ALT_Toets from Artikel where Artikel = ?"),
                                      {sub});
        if (!row)
            return refused(Status::DatabaseFout);
        // A code the article table does not know is left out, as if the
        // EAN row named none.
        if (!row.found())
            continue;
        EanBegeleidend b;
        b.code = sub.trimmed();
        b.bewerking = row.flag(QStringLiteral("Tekst"));
        p.sponning = p.sponning || row.text(QStringLiteral("ALT_Toets")).trimmed() == QLatin1String("S");
        p.begeleidend.push_back(b);
        if (!priceKnown(sub, p.opMaat(), context, &failed))
            allKnown = false;
        if (failed)
            return refused(Status::DatabaseFout);
    }
    if (!allKnown)
        return refused(Status::PrijsOnbekend, QString::fromUtf8(Tekst::PrijzenOnbekend));

    EanLookupResult r;
    r.status = Status::Gevonden;
    r.product = std::move(p);
    return r;
}

bool EanLookup::priceKnown(const QString& artikel, bool opMaat, const EanPriceContext& context, bool* failed)
{
    // The date as a date: a date-time could move a day on its way to a
    // server in another time zone.
    const DbRows r = db_.call(QStringLiteral("ArtikelPrijs"),
                              {{QStringLiteral("Debnr"), context.debiteur},
                               {QStringLiteral("Verzend"), context.verzend},
                               {QStringLiteral("Artikel"), artikel},
                               {QStringLiteral("Kontrakt"), QString()},
                               {QStringLiteral("Datum"), context.orderdatum},
                               {QStringLiteral("Soort"), opMaat ? QStringLiteral("M") : QStringLiteral("H")},
                               {QStringLiteral("Meter"), false},
                               {QStringLiteral("Stuks"), false},
                               {QStringLiteral("Productgroep"), false},
                               {QStringLiteral("Groep"), false},
                               {QStringLiteral("Bedrag"), false},
                               {QStringLiteral("Aantal"), 0}});
    *failed = !r.ok;
    return r.found() && r.flag(QStringLiteral("PrijsGevonden")) && !r.text(QStringLiteral("Prijs")).trimmed().isEmpty();
}

// ------------------------------------------------------------------ sizes

bool eanMaatWaarde(const QString& maat, double* metres)
{
    QString t = maat.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    *metres = v;
    return true;
}

QString eanMaatGetal(const QString& maat)
{
    double v = 0;
    if (!eanMaatWaarde(maat, &v))
        return maat.trimmed();
    QString t = QString::number(v, 'f', 3);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.'))
        t.chop(1);
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return t.replace(u'.', u',');
}

int eanMaatIndex(const QString& maat, const QStringList& entries)
{
    double wanted = 0;
    if (!eanMaatWaarde(maat, &wanted))
        return -1;
    const QString mtr = QString::fromUtf8(Tekst::Mtr).trimmed();
    for (int i = 0; i < entries.size(); ++i) {
        QString e = entries.at(i).trimmed();
        if (!e.endsWith(mtr))
            continue;
        e.chop(mtr.size());
        double v = 0;
        if (eanMaatWaarde(e, &v) && std::llround(v * 1000) == std::llround(wanted * 1000))
            return i;
    }
    return -1;
}

} // namespace vonu
