#include "desk/DeskOrders.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/DeskProfile.h"

namespace vonu {

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

namespace Tekst {
const char* const DebiteurNietAanwezig = "Debiteur %1 niet aanwezig!";
const char* const AanvullendNietAanwezig = "Aanvullende gegevens debiteur %1 niet aanwezig!";
const char* const NietCompleet = "Debiteur %1 niet (compleet) aanwezig!";
const char* const InGebruik = "Order %1 in gebruik door:";
const char* const InMorvek = "%1 in Morvek.exe.";
const char* const InVonu = "%1 in MorvekVonu.exe.";
const char* const Server = "MorvekServer";
const char* const Verwerkt = "Order is al verwerkt";
const char* const Geblokkeerd = "Order voor onderhoud geblokkeerd";
const char* const Pakbon = "Pakbon is al gemaakt";
const char* const Werkbriefje = "Werkbriefje gevonden";
const char* const Etiket = "Etiket gevonden";
const char* const Vraag1 = "Met deze actie zal bestand";
const char* const Vraag3 = "worden verwijderd";
const char* const EnOrder = " en in de orderverwerking";
const char* const WordtVerwijderd = "wordt order %1 verwijderd.";
const char* const NietVerwijderd = "wordt order %1 NIET verwijderd.";
const char* const Reden = "REDEN: %1.";
const char* const Doorgaan = "Wilt u doorgaan?";
} // namespace Tekst

bool filledCount(const QString& text)
{
    const QString t = text.trimmed();
    return !t.isEmpty() && t != QLatin1String("0");
}

} // namespace

DeskOrders::DeskOrders(DbSession& db) : db_(db) {}

DeskOrders::DebtorCheck DeskOrders::checkDebtor(const QString& typed, QString* statusText)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return DebtorCheck::Empty;
    const QString key = debtorKey(text);
    const DbRows adm = db_.select(QStringLiteral("select Debnr from ADM_Debiteur where Debnr = ?"), {key});
    if (!adm)
        return DebtorCheck::Failed;
    if (!adm.found()) {
        if (statusText)
            *statusText = u8(Tekst::DebiteurNietAanwezig).arg(text);
        return DebtorCheck::NotInAdministration;
    }
    const DbRows deb = db_.select(QStringLiteral("select Debnr from Debiteur where Debnr = ?"), {key});
    if (!deb)
        return DebtorCheck::Failed;
    if (!deb.found()) {
        if (statusText)
            *statusText = u8(Tekst::AanvullendNietAanwezig).arg(text);
        return DebtorCheck::NoOrderData;
    }
    return DebtorCheck::Found;
}

QString DeskOrders::numberFromOrderName(const QString& name)
{
    return (name.startsWith(QLatin1String("Order")) ? name.mid(5) : name.mid(7)).trimmed();
}

DeskOrders::Lock DeskOrders::lockForOpen(const QString& number, QStringList* lines)
{
    DbSession::LockHolder holder;
    switch (db_.lockOrder(orderKey(number), &holder)) {
    case DbSession::LockResult::Locked:
        return Lock::Locked;
    case DbSession::LockResult::Failed:
        return Lock::Failed;
    case DbSession::LockResult::InUse:
        break;
    }
    if (lines) {
        QString who = holder.user;
        if (holder.user != u8(Tekst::Server))
            who = u8(holder.table == QLatin1String("Order") ? Tekst::InMorvek : Tekst::InVonu).arg(holder.user);
        *lines = {u8(Tekst::InGebruik).arg(number), who};
    }
    return Lock::InUse;
}

bool DeskOrders::releaseLocks()
{
    return db_.releaseOrderLocks();
}

DeskOrders::Opened DeskOrders::openOrder(const QString& number, const QString& debiteur, CustomerProfile& profile)
{
    Opened result;
    const bool stored = !number.trimmed().isEmpty();
    if (stored) {
        result.lock = lockForOpen(number, &result.inUse);
        if (result.lock != Lock::Locked)
            return result;
    }
    result.debtorWarning = debtorWarning(debiteur);
    if (!db_.isConnected() || !DeskProfile(db_).build(debiteur, profile)) {
        if (stored)
            releaseLocks();
        result.lock = Lock::Failed;
        result.debtorWarning.clear();
        return result;
    }
    result.lock = Lock::Locked;
    return result;
}

QString DeskOrders::debtorWarning(const QString& debiteur)
{
    const QString key = debtorKey(debiteur);
    const DbRows rows = db_.select(QStringLiteral("select (select count(*) from Debiteur where Debnr = ?) as deb, "
                                                  "(select count(*) from ADM_Debiteur where Debnr = ?) as adm"),
                                   {key, key});
    if (rows.found() && rows.value(QStringLiteral("deb")).toInt() > 0 && rows.value(QStringLiteral("adm")).toInt() > 0)
        return {};
    return u8(Tekst::NietCompleet).arg(debiteur.trimmed());
}

int DeskOrders::gebruikAfroep(const QString& number)
{
    if (number.trimmed().isEmpty())
        return 0;
    const DbRows rows = db_.select(QStringLiteral("select Meter, Stuks from \"order\" where \"order\" = ?"),
                                   {orderKey(number)});
    if (rows.found() && !rows.flag(QStringLiteral("Meter")) && !rows.flag(QStringLiteral("Stuks")))
        return 1;
    return 0;
}

DeskOrders::Removal DeskOrders::removal(const QString& number)
{
    Removal r;
    const QString key = orderKey(number);
    const DbRows head = db_.select(
        QStringLiteral("select \"order\", P_Datum, VonuBlokkeren from \"order\" where \"order\" = ?"), {key});
    if (!head) {
        r.failed = true;
        return r;
    }
    if (!head.found())
        r.reason = u8(Tekst::Verwerkt);
    else if (head.flag(QStringLiteral("VonuBlokkeren")))
        r.reason = u8(Tekst::Geblokkeerd);
    else if (!head.text(QStringLiteral("P_Datum")).trimmed().isEmpty())
        r.reason = u8(Tekst::Pakbon);
    if (!r.reason.isEmpty())
        return r;
    const DbRows counts = db_.select(
        QStringLiteral("select sum(case when WerkbriefjeNummer is not null and len(WerkbriefjeNummer) > 0 "
                       "then 1 else 0 end) as Werkbriefjes, "
                       "sum(case when EtiketNummer is not null and len(EtiketNummer) > 0 then 1 else 0 end) "
                       "as Etiketten from OrderProduktieregel where \"order\" = ?"),
        {key});
    if (!counts) {
        r.failed = true;
        return r;
    }
    if (filledCount(counts.text(QStringLiteral("Werkbriefjes"))))
        r.reason = u8(Tekst::Werkbriefje);
    else if (filledCount(counts.text(QStringLiteral("Etiketten"))))
        r.reason = u8(Tekst::Etiket);
    else
        r.removable = true;
    return r;
}

QStringList DeskOrders::deleteQuestion(const QString& fileDisplayName, const QString& number, const Removal& removal)
{
    QStringList lines{u8(Tekst::Vraag1), fileDisplayName};
    if (number.trimmed().isEmpty()) {
        lines << u8(Tekst::Vraag3) + QLatin1Char('.') << QString() << u8(Tekst::Doorgaan);
    } else if (removal.removable) {
        lines << u8(Tekst::Vraag3) + u8(Tekst::EnOrder) << u8(Tekst::WordtVerwijderd).arg(number) << QString()
              << u8(Tekst::Doorgaan);
    } else {
        lines << u8(Tekst::Vraag3) + u8(Tekst::EnOrder) << u8(Tekst::NietVerwijderd).arg(number) << QString()
              << u8(Tekst::Reden).arg(removal.reason) << QString() << u8(Tekst::Doorgaan);
    }
    return lines;
}

bool DeskOrders::deleteOrder(const QString& number)
{
    const QString key = orderKey(number);
    if (!db_.begin())
        return false;
    for (const char* table : {"OrderVerkoopregel", "OrderProduktieregel", "OrderProduktieregelInvoer", "\"order\""}) {
        if (!db_.exec(QStringLiteral("delete from %1 where \"order\" = ?").arg(QLatin1String(table)), {key})) {
            db_.rollback();
            return false;
        }
    }
    return db_.commit();
}

} // namespace vonu
