#include "desk/DeskOrderDocument.h"

#include "data/MorvekXML.h"
#include "desk/DeskOrders.h"

#include <QDate>

namespace vonu {

namespace {

const QString DateFormat = QStringLiteral("dd-MM-yyyy");

// A blank text is no date; a text that is not a date is reported.
bool readDate(const QString& text, const char* what, QDate& out, QStringList* problems)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    const QDate d = QDate::fromString(t, DateFormat);
    if (!d.isValid()) {
        if (problems)
            *problems << QStringLiteral("%1 '%2'").arg(QLatin1String(what), t);
        return false;
    }
    out = d;
    return true;
}

} // namespace

DeskDocumentHead deskDocumentHead(const TXMLOrder& order)
{
    return {DeskOrders::numberFromOrderName(order.Order()), order.OrderDebiteur().trimmed()};
}

void takeDeskExtra(const TXMLOrder& o, ExtraOrderData& extra, QStringList* problems)
{
    extra.afleverRelatie = o.OrderAfleveradres();
    extra.zoeknaam = o.OrderA_zoeknaam();
    extra.naam = o.OrderA_naam();
    extra.naam2 = o.OrderA_naam2();
    extra.adres = {o.OrderA_adres1(), o.OrderA_adres2(), o.OrderA_adres3()};
    extra.postkode = o.OrderA_postkode();
    extra.plaats = o.OrderA_plaats();
    extra.land = o.OrderA_land();
    extra.kontakt = o.OrderA_kontakt();
    if (o.OrderLeverdatum().trimmed().isEmpty())
        extra.leverdatum = QDate();
    else
        readDate(o.OrderLeverdatum(), "Leverdatum", extra.leverdatum, problems);
    extra.productieweek = o.OrderProductieweek();
    QDate aflever;
    extra.gebruikAfleverdatum = readDate(o.OrderAfleverdatum(), "Afleverdatum", aflever, problems);
    extra.afleverdatum = extra.gebruikAfleverdatum ? aflever : extra.leverdatum;
    extra.leveringswijze = o.OrderLeveringswijze();
    extra.orderkosten = o.OrderOrderkosten();
    // The choice is one of three: none, or the first or second freight text.
    const QString vracht = o.OrderExtraVrachtkosten().trimmed();
    bool ok = false;
    const int index = vracht.toInt(&ok);
    ok = ok && index >= 0 && index <= 2;
    extra.extraVrachtkosten = ok ? index : 0;
    if (!ok && !vracht.isEmpty() && problems)
        *problems << QStringLiteral("ExtraVrachtkosten '%1'").arg(vracht);
    extra.productieteksten = {o.OrderProductietekst_1(), o.OrderProductietekst_2(), o.OrderProductietekst_3()};
}

} // namespace vonu
