#include "files/OrderDocument.h"

#include "base/Text.h"

#include <QFileInfo>

namespace vonu {

namespace {

namespace Tekst {
// Why a file is not opened: it holds more, or other, than an order can take.
const char* const GeenOrder = "Het bestand bevat geen order.";
const char* const Orderdatum = "'%1' is geen geldige orderdatum (dd-mm-jjjj).";
const char* const TeVeelRegels = "Het bestand bevat %1 orderregels; een order kan er hoogstens %2 bevatten.";
const char* const TeVeelInRegel = "Orderregel %1 bevat %2 %3; een regel kan er hoogstens %4 bevatten.";
const char* const DetailAantal = "Orderregel %1, detail %2: aantal '%3' is geen geheel getal van hoogstens %4 cijfers.";
const char* const DetailMaat = "Orderregel %1, detail %2: maat '%3' is geen geheel getal van hoogstens %4 cijfers.";
const char* const NietGeopend = " Het bestand is niet geopend en blijft ongewijzigd.";
} // namespace Tekst

const QString DateFormat = QStringLiteral("dd-MM-yyyy");

template <class Node>
void setTrimmed(Node& node, void (Node::*setter)(const QString&), const QString& value)
{
    const QString t = value.trimmed();
    if (!t.isEmpty())
        (node.*setter)(t);
}

LineFlags flagsOf(const OrderModel& order, int line)
{
    LineFlags flags{};
    for (int f = 1; f <= StatusVlaggen; ++f)
        flags[std::size_t(f - 1)] = order.flag(line, vlagNummer(f));
    return flags;
}

using RowGetter = const QString& (OrderModel::*)(int, int, int) const;
using RowSetter = void (OrderModel::*)(int, int, int, const QString&);

QString rowText(const OrderModel& order, RowGetter get, int line, int row)
{
    QStringList fields;
    fields.reserve(SubregelVelden);
    for (int f = 1; f <= SubregelVelden; ++f)
        fields.append((order.*get)(line, row, f));
    return formatRowText(fields);
}

void readRow(OrderModel& order, RowSetter set, int line, int row, const QString& stored)
{
    const QStringList fields = parseRowText(stored);
    for (int f = 1; f <= SubregelVelden; ++f)
        (order.*set)(line, row, f, fields.value(f - 1));
}

void buildLine(const OrderModel& order, int line, TXMLOrderregel r)
{
    r.setOrderregelArtikel(formatOrderregelArtikel(order.field(line, Veld::Artikel), order.field(line, Veld::EAN)));
    const std::pair<void (TXMLOrderregel::*)(const QString&), Veld> fields[] = {
        {&TXMLOrderregel::setOrderregelKleur, Veld::Kleur},
        {&TXMLOrderregel::setOrderregelLengte, Veld::Lengte},
        {&TXMLOrderregel::setOrderregelCorrectie, Veld::Correctie},
        {&TXMLOrderregel::setOrderregelMaat, Veld::Maat},
        {&TXMLOrderregel::setOrderregelUitvoering, Veld::Uitvoering},
        {&TXMLOrderregel::setOrderregelAantal, Veld::Aantal},
        {&TXMLOrderregel::setOrderregelSponning, Veld::Sponning},
        {&TXMLOrderregel::setOrderregelOmschrijving_1, Veld::Omschrijving_1},
        {&TXMLOrderregel::setOrderregelOmschrijving_2, Veld::Omschrijving_2},
        {&TXMLOrderregel::setOrderregelOmschrijving_3, Veld::Omschrijving_3},
    };
    for (const auto& [setter, veld] : fields)
        setTrimmed(r, setter, order.field(line, veld));
    r.setOrderregelStatus(formatOrderregelStatus(flagsOf(order, line)));

    if (order.flag(line, Vlag::Subartikelen)) {
        TXMLOrderregelSubartikelen items = r.OrderregelSubartikelen();
        for (int row = 1; row <= MaxSubartikelen; ++row)
            if (order.subartikelInUse(line, row))
                items.Add().setArtikel(rowText(order, &OrderModel::subartikel, line, row));
    }
    if (order.flag(line, Vlag::Bewerkingen)) {
        TXMLOrderregelBewerkingen items = r.OrderregelBewerkingen();
        for (int row = 1; row <= MaxBewerkingen; ++row)
            if (order.bewerkingInUse(line, row))
                items.Add().setArtikel(rowText(order, &OrderModel::bewerking, line, row));
    }
    if (order.flag(line, Vlag::Details)) {
        TXMLOrderregelDetails items = r.OrderregelDetails();
        int written = 0;
        for (int row = 1; row <= MaxDetails; ++row) {
            if (!order.detailInUse(line, row))
                continue;
            TXMLOrderregelDetail d = items.Add();
            d.setDetailRegel(QString::number(written++));
            d.setOrderregelDetailAantal(order.detailAantal(line, row).trimmed());
            QStringList further;
            for (int s = 1; s <= DetailSlots; ++s)
                further.append(order.detailSlot(line, row, s));
            d.setOrderregelDetailMaat(formatDetailMaat(order.detailMaat(line, row), further));
        }
    }
}

void readLine(OrderModel& order, int line, const TXMLOrderregel& r)
{
    const ArticleAndEan a = splitOrderregelArtikel(r.OrderregelArtikel());
    order.setField(line, Veld::Artikel, a.article);
    order.setField(line, Veld::EAN, a.ean);
    order.setField(line, Veld::Kleur, r.OrderregelKleur());
    order.setField(line, Veld::Lengte, r.OrderregelLengte());
    order.setField(line, Veld::Correctie, r.OrderregelCorrectie());
    order.setField(line, Veld::Maat, r.OrderregelMaat());
    order.setField(line, Veld::Uitvoering, r.OrderregelUitvoering());
    order.setField(line, Veld::Aantal, r.OrderregelAantal());
    order.setField(line, Veld::Sponning, r.OrderregelSponning());
    order.setField(line, Veld::Omschrijving_1, r.OrderregelOmschrijving_1());
    order.setField(line, Veld::Omschrijving_2, r.OrderregelOmschrijving_2());
    order.setField(line, Veld::Omschrijving_3, r.OrderregelOmschrijving_3());
    const QString status = r.OrderregelStatus();
    order.setStatusText(line, status);
    auto statusChar = [&](Vlag vlag) {
        const int flag = int(vlag);
        return status.size() >= flag && status.at(flag - 1) == QLatin1Char('1');
    };

    if (statusChar(Vlag::Subartikelen)) {
        int row = 0;
        for (const TXMLOrderregelSubartikel s : r.OrderregelSubartikelen()) {
            if (++row > MaxSubartikelen)
                break;
            readRow(order, &OrderModel::setSubartikel, line, row, s.Artikel());
        }
    }
    if (statusChar(Vlag::Bewerkingen)) {
        int row = 0;
        for (const TXMLOrderregelBewerking b : r.OrderregelBewerkingen()) {
            if (++row > MaxBewerkingen)
                break;
            readRow(order, &OrderModel::setBewerking, line, row, b.Artikel());
        }
    }
    if (statusChar(Vlag::Details)) {
        int row = 0;
        for (const TXMLOrderregelDetail d : r.OrderregelDetails()) {
            if (++row > MaxDetails)
                break;
            order.setDetailAantal(line, row, d.OrderregelDetailAantal());
            const DetailSize size = parseDetailMaat(d.OrderregelDetailMaat());
            order.setDetailMaat(line, row, size.size);
            for (int s = 1; s <= DetailSlots; ++s)
                order.setDetailSlot(line, row, s, size.further.value(s - 1));
        }
    }
}

bool isWholeNumber(const QString& text, int maxFigures)
{
    const QString t = text.trimmed();
    if (t.size() > maxFigures)
        return false;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// What the order cannot take whole: more items than its tables hold, or a
// detail value the fields could not show. Such a file is refused, so that
// no later save writes back less than was read.
QString whatDoesNotFit(const TXMLOrder& o)
{
    const int lines = o.Orderregels().Count();
    if (lines > MaxOrderregels)
        return u8(Tekst::TeVeelRegels)
            .arg(lines)
            .arg(MaxOrderregels);
    int line = 0;
    for (const TXMLOrderregel r : o.Orderregels()) {
        ++line;
        const QString status = r.OrderregelStatus();
        auto flag = [&](Vlag v) { const int f = int(v); return status.size() >= f && status.at(f - 1) == QLatin1Char('1'); };
        const struct {
            Vlag vlag;
            int count;
            int max;
            const char* what;
        } panels[] = {
            {Vlag::Subartikelen, r.OrderregelSubartikelen().Count(), MaxSubartikelen, "subartikelen"},
            {Vlag::Bewerkingen, r.OrderregelBewerkingen().Count(), MaxBewerkingen, "bewerkingen"},
            {Vlag::Details, r.OrderregelDetails().Count(), MaxDetails, "details"},
        };
        for (const auto& p : panels)
            if (flag(p.vlag) && p.count > p.max)
                return u8(Tekst::TeVeelInRegel)
                    .arg(line)
                    .arg(p.count)
                    .arg(QString::fromLatin1(p.what))
                    .arg(p.max);
        if (!flag(Vlag::Details))
            continue;
        int row = 0;
        for (const TXMLOrderregelDetail d : r.OrderregelDetails()) {
            ++row;
            const QString aantal = d.OrderregelDetailAantal();
            const QString maat = parseDetailMaat(d.OrderregelDetailMaat()).size;
            if (!isWholeNumber(aantal, DetailAantalCijfers))
                return u8(Tekst::DetailAantal)
                    .arg(line)
                    .arg(row)
                    .arg(aantal.left(20))
                    .arg(DetailAantalCijfers);
            if (!isWholeNumber(maat, DetailMaatCijfers))
                return u8(Tekst::DetailMaat)
                    .arg(line)
                    .arg(row)
                    .arg(maat.left(20))
                    .arg(DetailMaatCijfers);
        }
    }
    return {};
}

QString toCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

// The extra order data that travel with an order file of the order desk.
void buildDeskHeader(const ExtraOrderData& e, TXMLOrder& o)
{
    const std::pair<void (TXMLOrder::*)(const QString&), QString> texts[] = {
        {&TXMLOrder::setOrderAfleveradres, e.afleverRelatie}, {&TXMLOrder::setOrderA_zoeknaam, e.zoeknaam},
        {&TXMLOrder::setOrderA_naam, e.naam},                 {&TXMLOrder::setOrderA_naam2, e.naam2},
        {&TXMLOrder::setOrderA_kontakt, e.kontakt},           {&TXMLOrder::setOrderA_adres1, e.adres[0]},
        {&TXMLOrder::setOrderA_adres2, e.adres[1]},           {&TXMLOrder::setOrderA_adres3, e.adres[2]},
        {&TXMLOrder::setOrderA_postkode, e.postkode},         {&TXMLOrder::setOrderA_plaats, e.plaats},
        {&TXMLOrder::setOrderA_land, e.land},
    };
    for (const auto& [setter, value] : texts)
        setTrimmed(o, setter, value);
    o.setOrderLeverdatum(e.leverdatum.toString(DateFormat));
    setTrimmed(o, &TXMLOrder::setOrderProductieweek, e.productieweek);
    if (e.gebruikAfleverdatum)
        setTrimmed(o, &TXMLOrder::setOrderAfleverdatum, e.afleverdatum.toString(DateFormat));
    setTrimmed(o, &TXMLOrder::setOrderLeveringswijze, e.leveringswijze);
    setTrimmed(o, &TXMLOrder::setOrderOrderkosten, e.orderkosten);
    if (e.extraVrachtkosten != 0)
        o.setOrderExtraVrachtkosten(QString::number(e.extraVrachtkosten));
    setTrimmed(o, &TXMLOrder::setOrderProductietekst_1, e.productieteksten[0]);
    setTrimmed(o, &TXMLOrder::setOrderProductietekst_2, e.productieteksten[1]);
    setTrimmed(o, &TXMLOrder::setOrderProductietekst_3, e.productieteksten[2]);
}

} // namespace

MorvekDocument buildOrderDocument(const OrderModel& order, const OrderHeader& header)
{
    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLMorvek root = doc.GetMorvek();
    root.setSchemaAttributes();
    TXMLOrders orders = root.Orders();
    TXMLOrder o = orders.Add();

    const bool offerte = header.transactie == Transactie::Offerte;
    o.setOrder(QString::fromLatin1(offerte ? "Offerte" : "Order") + header.deskOrderNumber.trimmed());
    o.setOrderDebiteur(header.debiteur.trimmed());
    o.setOrderVerzendadres(header.ordervoor.left(2));
    o.setOrderOrderdatum(header.orderdatum.toString(DateFormat));
    setTrimmed(o, &TXMLOrder::setOrderOrdernummer, header.ordernummer);
    setTrimmed(o, &TXMLOrder::setOrderReferentie, header.referentie);
    const QString notitie =
        formatOrderNotitie(header.orderDesk, header.fromCustomerFile, header.notities, header.opmerking);
    if (!notitie.isEmpty())
        o.setOrderNotitie(notitie);
    if (!header.sentStamp.isEmpty())
        o.setOrderVerzenddatum(header.sentStamp);
    if (header.orderDesk)
        buildDeskHeader(order.desk().extra, o);

    TXMLOrderregels regels = o.Orderregels();
    int written = 0;
    for (int line = 1; line <= MaxOrderregels; ++line) {
        if (!order.lineInUse(line))
            continue;
        TXMLOrderregel r = regels.Add();
        r.setRegel(QString::number(written++));
        buildLine(order, line, r);
    }
    return doc;
}

bool readOrderDocument(const MorvekDocument& doc, OrderModel& order, ReadOrderHeader& header, QString* error)
{
    auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    const TXMLOrder o = doc.GetMorvek().Orders().Item(0);
    if (o.isNull())
        return fail(u8(Tekst::GeenOrder));
    const QString datum = o.OrderOrderdatum().trimmed();
    const QDate date = QDate::fromString(datum, DateFormat);
    if (!date.isValid())
        return fail(u8(Tekst::Orderdatum).arg(datum));

    const QString tooMuch = whatDoesNotFit(o);
    if (!tooMuch.isEmpty())
        return fail(tooMuch + u8(Tekst::NietGeopend));

    header = ReadOrderHeader{};
    header.verzendadres = o.OrderVerzendadres();
    header.orderdatum = date;
    header.ordernummer = o.OrderOrdernummer();
    header.referentie = o.OrderReferentie();
    header.transactie = o.Order().startsWith(QLatin1String("Offerte")) ? Transactie::Offerte : Transactie::Order;
    header.notes = parseOrderNotitie(o.OrderNotitie());
    header.notes.notes = toCrLf(header.notes.notes);
    header.notes.remark = toCrLf(header.notes.remark);
    header.sentStamp = o.OrderVerzenddatum();

    int line = 0;
    for (const TXMLOrderregel r : o.Orderregels()) {
        if (++line > MaxOrderregels)
            break;
        readLine(order, line, r);
    }
    return true;
}

QString orderFilePrefix(Transactie transactie, const QString& deskOrderNumber)
{
    const QString kind = transactie == Transactie::Offerte ? QStringLiteral("Offerte") : QStringLiteral("Order");
    const QString n = deskOrderNumber.trimmed();
    return n.isEmpty() ? kind + QLatin1Char('-') : kind + QLatin1Char(' ') + n + QLatin1Char('-');
}

QString orderBaseName(const QString& ordernummer, const QString& referentie, const QDate& orderdatum)
{
    if (!ordernummer.trimmed().isEmpty())
        return ordernummer.trimmed();
    if (!referentie.trimmed().isEmpty())
        return referentie.trimmed();
    return orderdatum.toString(DateFormat);
}

QString orderFilePath(const QString& folder, Transactie transactie, const QString& deskOrderNumber,
                      const QString& ordernummer, const QString& referentie, const QDate& orderdatum)
{
    return folder + QLatin1Char('/') + orderFilePrefix(transactie, deskOrderNumber) +
           orderBaseName(ordernummer, referentie, orderdatum) + QStringLiteral(".Xml");
}

QString deleteDisplayName(const QString& path)
{
    QString name = path.left(std::max<qsizetype>(0, path.size() - 4));
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(slash + 1);
    if (name.size() >= 48)
        name = name.left(47) + QStringLiteral("...");
    return name;
}

QString sentCopyFileName(const QString& debiteur, const QString& sentStamp)
{
    QString stamp = sentStamp;
    if (stamp.endsWith(QLatin1Char('*')))
        stamp.chop(1);
    return debiteur.trimmed() + QLatin1Char('_') + stamp + QStringLiteral(".Xml");
}

QString captionAfterSave(const QString& currentCaption, const QString& orderNumber)
{
    if (currentCaption.startsWith(QLatin1String("Onderdorpelorder")))
        return QStringLiteral("Onderdorpelorder in Morvek VonuOrder ") + orderNumber;
    if (currentCaption.startsWith(QLatin1String("Normale order")))
        return QStringLiteral("Normale order in Morvek VonuOrder ") + orderNumber;
    return QStringLiteral("Morvek VonuOrder ") + orderNumber;
}

} // namespace vonu
