#include "order/OrderValidation.h"
#include "base/Text.h"

#include "base/Platform.h"
#include "data/Catalog.h"
#include "order/OrderModel.h"

namespace vonu {

namespace {

namespace Tekst {
const char* const MaatVerplicht = "Maat, verplichte invoer!";
const char* const Regel = "Regel ";
const char* const Maat = ", maat ";
const char* const TeKlein = " te klein, kies andere maat...";
const char* const TeGroot = " te groot, kies andere maat...";
const char* const Fout = "Fout";
const char* const GeenAantallenEnMaten = "Geen aantallen en maten ingevoerd in regel ";
const char* const GeenAantal = "Geen aantal ingevoerd in regel ";
const char* const Detail = "Detail in regel ";
const char* const DetailNiet = " niet ingevoerd.";
const char* const Sponning = "Sponning in regel ";
const char* const SponningNiet = " niet ingevoerd.";
const char* const GeenMaat = "Geen maat ingevoerd in regel ";
} // namespace Tekst

// A bound from the catalog; false when there is none.
bool bound(const QString& text, int* value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

// Empty, or a size that reads as nothing at all ("0", "0,0").
bool isNoSize(const QString& size)
{
    const QString t = size.trimmed();
    if (t.isEmpty())
        return true;
    for (const QChar c : t)
        if (c != u'0' && c != u',')
            return false;
    return true;
}

} // namespace

SizeCheckResult checkSize(const Catalog& catalog, const QString& artikel, const QString& label,
                          const QString& size)
{
    SizeCheckResult r;
    r.size = size;
    if (size.trimmed().isEmpty()) {
        r.status = u8(Tekst::MaatVerplicht);
        r.size = QStringLiteral("0");
        return r;
    }
    if (const TXMLArtikel a = catalog.lookup(artikel); !a.isNull()) {
        // Only figures reach here; anything else counts as no size at all.
        const int value = size.trimmed().toInt();
        const QString prefix = u8(Tekst::Regel) + label + u8(Tekst::Maat) + size;
        int limit = 0;
        // Nothing is made 0 mm long, also where the catalog names only a
        // maximum.
        const bool belowMinimum = value <= 0 || (bound(a.ArtikelMinimalemaat(), &limit) && value < limit);
        if (belowMinimum) {
            r.beep = true;
            r.status = prefix + u8(Tekst::TeKlein);
            r.size.clear();
        }
        if (!r.size.isEmpty() && bound(a.ArtikelMaximalemaat(), &limit) && value > limit) {
            r.beep = true;
            r.status = prefix + u8(Tekst::TeGroot);
            r.size.clear();
        }
    }
    if (r.size.isEmpty())
        r.size = QStringLiteral("0");
    return r;
}

QStringList incompleteLineMessages(const OrderModel& order)
{
    for (int line = 1; line <= MaxOrderregels; ++line) {
        QStringList messages;
        const QString n = QString::number(line);
        if (order.flag(line, Vlag::Aantal)) {
            const QString& aantal = order.field(line, Veld::Aantal);
            if (aantal.trimmed().isEmpty())
                messages.append(u8(order.flag(line, Vlag::Details) ? Tekst::GeenAantallenEnMaten
                                                                   : Tekst::GeenAantal) +
                                n + u'.');
            else if (aantal.contains(u'*'))
                messages.append(u8(Tekst::Detail) + n + u8(Tekst::DetailNiet));
        }
        if (order.flag(line, Vlag::Sponning) && order.field(line, Veld::Sponning).contains(u'*'))
            messages.append(u8(Tekst::Sponning) + n + u8(Tekst::SponningNiet));
        // "0" is what a refused size leaves behind: still no size.
        if (order.flag(line, Vlag::MaatInvoer) && isNoSize(order.field(line, Veld::Maat)))
            messages.append(u8(Tekst::GeenMaat) + n + u'.');
        if (!messages.isEmpty())
            return messages;
    }
    return {};
}

bool reportIncompleteOrder(const OrderModel& order, IMessageDialog& messages)
{
    const QStringList problems = incompleteLineMessages(order);
    for (const QString& text : problems)
        showMessage(messages, u8(Tekst::Fout), {QString(), text});
    return !problems.isEmpty();
}

} // namespace vonu
