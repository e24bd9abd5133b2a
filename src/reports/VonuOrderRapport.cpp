#include "reports/VonuOrderRapport.h"

#include "base/AtomicFile.h"

#include "data/Catalog.h"
#include "order/OrderModel.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"

#include <QFile>
#include <QLocale>

#include <cmath>
#include <cstring>

namespace vonu {

namespace {

// Numbers in the length column are read and written the Dutch way.
const QLocale& dutch()
{
    static const QLocale locale = [] {
        QLocale l(QLocale::Dutch, QLocale::Netherlands);
        l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return l;
    }();
    return locale;
}

void padTo(QString& s, int width)
{
    if (s.size() < width)
        s += QString(width - s.size(), QLatin1Char(' '));
}

bool readNumber(const QString& text, double* value)
{
    bool ok = false;
    *value = dutch().toDouble(text, &ok);
    return ok;
}

// Nearest tenth, halves to even, with one decimal.
QString tenths(double value)
{
    const double r = std::nearbyint(value * 10.0) / 10.0;
    return dutch().toString(r, 'f', 1);
}

QString blankedColumns(QString r, int from, int to)
{
    for (int c = from; c <= to && c <= r.size(); ++c)
        r[c - 1] = QLatin1Char(' ');
    return r;
}

// Columns from..to (1-based) of a fixed-column text.
QString columns(const QString& r, int from, int to)
{
    return r.mid(from - 1, to - from + 1);
}

QString side(const QString& r, int column)
{
    const QChar c = column <= r.size() ? r.at(column - 1) : QChar();
    if (c == QLatin1Char('L'))
        return QStringLiteral("LINKS ");
    if (c == QLatin1Char('R'))
        return QStringLiteral("RECHTS ");
    return {};
}

template <class Item, class Container>
Item findByCode(const Container& items, const QString& code)
{
    const QString wanted = code.trimmed();
    for (const Item item : items)
        if (item.Artikel().trimmed() == wanted)
            return item;
    return Item();
}

bool lineBlock(const OrderModel& order, const Catalog& catalog, int n, QStringList& out, QString* error)
{
    const auto field = [&](Veld veld) { return order.field(n, veld); };
    const auto flag = [&](Vlag vlag) { return order.flag(n, vlag); };
    const QString a = field(Veld::Artikel);
    const TXMLArtikel art = catalog.article(Catalog::catalogCodeOf(a));
    const bool found = !art.isNull();
    const QString om2 = found ? art.ArtikelOmschrijving_2() : QString();
    const QString kleur = field(Veld::Kleur);
    const bool toonKleur = flag(Vlag::Kleur) && !kleur.isEmpty();

    // 1. number, article, description, length column
    QString first = QString::number(n);
    padTo(first, 5);
    first += a.trimmed().size() < 31 ? a : Catalog::catalogCodeOf(a);
    padTo(first, 24);
    if (found)
        first += art.ArtikelOmschrijving_1();
    padTo(first, 66);
    QString length;
    if (!lengthColumn(order, n, &length)) {
        if (error)
            *error = QStringLiteral("Regel %1: '%2' of '%3' is geen getal.")
                         .arg(n)
                         .arg(field(Veld::Aantal).trimmed(), field(Veld::Maat).trimmed());
        return false;
    }
    first += length;
    out << first;

    // 2. execution or correction, second description or colour
    if (flag(Vlag::Correctie) || flag(Vlag::Uitvoering) || !om2.isEmpty() || toonKleur) {
        QString s(5, QLatin1Char(' '));
        if (flag(Vlag::Uitvoering))
            s += field(Veld::Uitvoering);
        else if (flag(Vlag::Correctie))
            s += field(Veld::Correctie);
        padTo(s, 24);
        s += !om2.isEmpty() ? om2 : toonKleur ? kleur : QString();
        out << s;
    }
    // 3. correction beside execution, colour beside the second description
    if ((flag(Vlag::Correctie) && flag(Vlag::Uitvoering)) || (!om2.isEmpty() && toonKleur)) {
        QString s(5, QLatin1Char(' '));
        if (flag(Vlag::Correctie))
            s += field(Veld::Correctie);
        padTo(s, 24);
        if (toonKleur)
            s += kleur;
        out << s;
    }

    // 4. sub-articles
    if (flag(Vlag::Subartikelen)) {
        for (int row = 1; row <= MaxSubartikelen; ++row) {
            if (!order.subartikelInUse(n, row))
                continue;
            const QString code = order.subartikel(n, row, 1);
            QString s = QStringLiteral("     ") + code;
            const TXMLSubartikel sub =
                found ? findByCode<TXMLSubartikel>(art.Subartikelen(), code) : TXMLSubartikel();
            if (!sub.isNull()) {
                padTo(s, 24);
                s += sub.SubartikelOmschrijving_1();
            }
            out << s;
            if (!sub.isNull() && !sub.SubartikelOmschrijving_2().isEmpty())
                out << QString(24, QLatin1Char(' ')) + sub.SubartikelOmschrijving_2();
        }
    }

    // 5. operations; a rebate names its side and depth once per rebate
    if (flag(Vlag::Bewerkingen)) {
        QString r = field(Veld::Sponning);
        padTo(r, 90);
        for (int row = 1; row <= MaxBewerkingen; ++row) {
            if (!order.bewerkingInUse(n, row))
                continue;
            const QString code = order.bewerking(n, row, 1);
            QString s = QStringLiteral("     ") + code;
            const TXMLBewerking b = found ? findByCode<TXMLBewerking>(art.Bewerkingen(), code) : TXMLBewerking();
            if (!b.isNull()) {
                padTo(s, 24);
                s += b.BewerkingOmschrijving_1();
                if (b.BewerkingALT_toets() == QLatin1String("S")) {
                    if (columns(r, 31, 46).trimmed() == code.trimmed()) {
                        padTo(s, 66);
                        s += side(r, 59) + columns(r, 47, 58).trimmed() + QStringLiteral(" mm");
                        r = blankedColumns(r, 31, 60);
                    } else if (columns(r, 61, 76).trimmed() == code.trimmed()) {
                        padTo(s, 66);
                        s += side(r, 89) + columns(r, 77, 88).trimmed() + QStringLiteral(" mm");
                        r = blankedColumns(r, 61, 90);
                    }
                }
            }
            out << s;
            if (!b.isNull() && !b.BewerkingOmschrijving_2().isEmpty())
                out << QString(24, QLatin1Char(' ')) + b.BewerkingOmschrijving_2();
        }
    }

    out << QString();

    // 7. quantity
    const QString aantal = field(Veld::Aantal).trimmed();
    if (!flag(Vlag::Lengte)) {
        out << aantal.rightJustified(7) + QStringLiteral(" Stuks");
    } else if (flag(Vlag::Details)) {
        QString s;
        int onLine = 0;
        for (int row = 1; row <= MaxDetails; ++row) {
            if (!order.detailInUse(n, row))
                continue;
            if (onLine == 0)
                s = QStringLiteral("   ");
            s += order.detailAantal(n, row).trimmed().rightJustified(4) + QStringLiteral(" x ") +
                 order.detailMaat(n, row).trimmed().rightJustified(4);
            if (++onLine == 6) {
                out << s;
                onLine = 0;
            } else {
                s += QStringLiteral("  ");
            }
        }
        if (onLine > 0)
            out << s;
    } else {
        QString s = aantal.rightJustified(7);
        if (flag(Vlag::Maat) || flag(Vlag::MaatInvoer))
            s += QStringLiteral(" x ") + field(Veld::Maat).trimmed();
        if (flag(Vlag::MaatInvoer))
            s += field(Veld::Lengte).trimmed() == QLatin1String("Handelslengte") ? QStringLiteral(" Mtr")
                                                                                 : QStringLiteral(" mm");
        out << s;
    }
    out << QString();
    return true;
}

} // namespace

bool lengthColumn(const OrderModel& order, int n, QString* text)
{
    text->clear();
    if (!order.flag(n, Vlag::Lengte))
        return true;
    const QString lengte = order.field(n, Veld::Lengte);
    const QString maat = order.field(n, Veld::Maat).trimmed();
    const QString aantal = order.field(n, Veld::Aantal).trimmed();
    double q = 0;
    double size = 0;
    if (lengte.trimmed() == QLatin1String("Handelslengte")) {
        if (maat.isEmpty() || aantal.isEmpty()) {
            *text = lengte;
            return true;
        }
        if (!readNumber(aantal, &q) || !readNumber(maat.section(QLatin1Char(' '), 0, 0), &size))
            return false;
        *text = aantal + QLatin1Char('/') + tenths(q * size);
        return true;
    }
    if (order.flag(n, Vlag::Details)) {
        *text = order.field(n, Veld::Aantal);
        return true;
    }
    if (maat.isEmpty() || aantal.isEmpty()) {
        *text = lengte;
        return true;
    }
    if (!readNumber(aantal, &q) || !readNumber(maat, &size))
        return false;
    *text = aantal + QLatin1Char('/') + tenths(q * size / 1000.0);
    return true;
}

bool overviewLines(const OrderModel& order, const Catalog& catalog, QStringList* lines, QString* error)
{
    QStringList out;
    for (int n = 1; n <= MaxOrderregels; ++n)
        if (order.lineInUse(n) && !lineBlock(order, catalog, n, out, error))
            return false;
    out << QStringLiteral("Einde overzicht.");
    *lines = out;
    return true;
}

bool writePrintFile(const QString& path, const QStringList& lines, QString* error)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.left(kPrintLineWidth).toUtf8() + "\r\n";
    return writeFileAtomically(path, bytes, error);
}

QStringList readPrintFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        line.truncate(kPrintLineWidth);
    return lines;
}

int notesLabelHeight(const QString& notes)
{
    const int byLength = int(notes.trimmed().size() / 83) + 1;
    const int byBreaks = int(notes.count(QLatin1Char('\n'))) + 1;
    return 17 * std::max(byLength, byBreaks);
}

namespace {

constexpr qreal DebiteurTop = 118;
constexpr qreal OrderdataTop = 196;
constexpr qreal NotitiesTop = 236;
constexpr qreal Regel = 17;

} // namespace

void buildOverviewReport(report::Report& rep, const OverviewHeader& h)
{
    using namespace report;
    rep.title = QStringLiteral("VonuOrder overzicht");
    rep.pageSize = QPageSize(QPageSize::A4);
    rep.orientation = QPageLayout::Portrait;
    rep.marginsMm = QMarginsF(10, 10, 10, 10);
    rep.baseFont = reportFont(QStringLiteral("Arial"), 10);
    const QFont courier = reportFont(QStringLiteral("Courier New"), 10);
    const QFont bold = reportFont(QStringLiteral("Arial"), 14, true);
    const qreal width = rep.contentSize().width();
    const qreal right = width - 200;

    ReportBand& kop = rep.addBand(QStringLiteral("Kop"), BandKind::PageHeader, NotitiesTop);
    // The logo in a box of 160 x 48 at the top left, the address block beside it.
    qreal company = 0;
    if (!h.logo.isNull()) {
        ReportItem logo;
        logo.name = QStringLiteral("BedrijfsLogo");
        logo.kind = ItemKind::Picture;
        logo.picture = h.logo;
        logo.stretch = true;
        const QSizeF size = QSizeF(h.logo.size()).scaled(160, 48, Qt::KeepAspectRatio);
        logo.rect = QRectF(QPointF(0, 0), size);
        kop.add(logo);
        company = size.width() + 10;
    }
    kop.addLabel(QStringLiteral("Bedrijf"), {company, 0, 300, 0}, QStringLiteral("Morvek"), bold);
    kop.addLabel(QStringLiteral("BedrijfRegel1"), {company, 26, 300, 0}, QStringLiteral("Onderdorpels en profielen"));
    kop.addLabel(QStringLiteral("L_Datum"), {right, 0, 90, 0}, QStringLiteral("Datum"));
    kop.addLabel(QStringLiteral("Datum"), {right + 90, 0, 110, 0}, h.datum).alignment = Qt::AlignRight | Qt::AlignTop;
    kop.addLabel(QStringLiteral("L_Blad"), {right, Regel, 90, 0}, QStringLiteral("Blad"));
    ReportItem blad;
    blad.name = QStringLiteral("Blad");
    blad.kind = ItemKind::PageNumber;
    blad.rect = {right + 90, Regel, 110, 0};
    blad.alignment = Qt::AlignRight | Qt::AlignTop;
    kop.add(blad);
    const std::pair<const char*, QString> versions[] = {
        {"VonuOrder versie", h.versie}, {"Sleutel", h.sleutel}, {"Assortiment", h.assortiment}};
    const char* const versionNames[] = {"Versie", "Sleutel", "Assortiment"};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 2 * Regel + 8 + i * Regel;
        kop.addLabel(QStringLiteral("L_") + QLatin1String(versionNames[i]), {right, y, 110, 0},
                     QString::fromLatin1(versions[i].first));
        kop.addLabel(QLatin1String(versionNames[i]), {right + 110, y, 90, 0}, versions[i].second).alignment =
            Qt::AlignRight | Qt::AlignTop;
    }

    // First page only: the addresses, the order data and the notes.
    QStringList firstPage;
    auto block = [&](const char* captionName, const QString& caption, qreal x, const QString& code,
                     const char* codeName, std::initializer_list<std::pair<const char*, QString>> lines) {
        firstPage << kop.addLabel(QLatin1String(captionName), {x, DebiteurTop, 100, 0}, caption).name;
        if (codeName)
            firstPage << kop.addLabel(QLatin1String(codeName), {x + 100, DebiteurTop, 130, 0}, code).name;
        qreal y = DebiteurTop + Regel;
        for (const auto& [name, text] : lines) {
            firstPage << kop.addLabel(QLatin1String(name), {x, y, 235, 0}, text).name;
            y += Regel;
        }
    };
    block("L_Debiteur", QStringLiteral("Debiteur:"), 0, h.debiteur, "Debiteur",
          {{"DebiteurNaam", h.debiteurNaam}, {"DebiteurAdres", h.debiteurAdres}, {"DebiteurPlaats", h.debiteurPlaats}});
    block("L_Verzend", QStringLiteral("Verzendadres:"), 240, h.verzend, "Verzend",
          {{"VerzendNaam", h.verzendNaam}, {"VerzendAdres", h.verzendAdres}, {"VerzendPlaats", h.verzendPlaats}});
    block("L_Aflever", QStringLiteral("Afleveradres:"), 480, QString(), nullptr,
          {{"AfleverNaam", h.afleverNaam}, {"AfleverAdres", h.afleverAdres}, {"AfleverPlaats", h.afleverPlaats}});
    const struct {
        const char* caption;
        const char* name;
        QString value;
        qreal x, y;
    } orderData[] = {
        {"Soort transactie:", "Transactie", h.transactie, 0, OrderdataTop},
        {"Orderdatum      :", "Orderdatum", h.orderdatum, 0, OrderdataTop + Regel},
        {"Ordernummer:", "Ordernummer", h.ordernummer, 360, OrderdataTop},
        {"Referentie :", "Referentie", h.referentie, 360, OrderdataTop + Regel},
    };
    for (const auto& d : orderData) {
        const qreal captionWidth = qreal(std::strlen(d.caption) + 1) * 8.0;
        firstPage << kop.addLabel(QStringLiteral("L_") + QLatin1String(d.name), {d.x, d.y, captionWidth, 0},
                                  QLatin1String(d.caption), courier)
                         .name;
        firstPage << kop.addLabel(QLatin1String(d.name), {d.x + captionWidth, d.y, 350 - captionWidth, 0}, d.value,
                                  courier)
                         .name;
    }
    ReportItem& notes = kop.addLabel(QStringLiteral("Notities"), {0, NotitiesTop, width, 17}, QString(), courier);
    notes.wordWrap = true;
    firstPage << notes.name;
    if (!h.notities.trimmed().isEmpty()) {
        notes.enabled = true;
        notes.caption = h.notities;
        notes.rect.setHeight(notesLabelHeight(h.notities));
        kop.height = NotitiesTop + notes.rect.height() + 8;
    } else {
        notes.enabled = false;
        kop.height = NotitiesTop;
    }
    kop.afterPrint = [firstPage](BandEvent& e) {
        for (const QString& name : firstPage)
            e.band.at(name).enabled = false;
        e.band.height = DebiteurTop;
    };

    const qreal courierLine = lineHeight(courier);
    ReportBand& regelKop = rep.addBand(QStringLiteral("RegelKop"), BandKind::ColumnHeader, courierLine + 6);
    regelKop.addLabel(QStringLiteral("RegelKopTekst"), {0, 2, width, 0},
                      QStringLiteral("Rgl  Artikel            Omschrijving                              Lengte"),
                      courier);
    ReportBand& regel = rep.addBand(QStringLiteral("Regel"), BandKind::Detail, courierLine);
    ReportItem& line = regel.addLabel(QStringLiteral("OrderRegel"), {0, 0, width, courierLine}, QString(), courier);
    line.field = QStringLiteral("Line");
}

report::PageModel layoutOverview(const OverviewHeader& header, const QStringList& lines)
{
    report::Report rep;
    buildOverviewReport(rep, header);
    return report::layout(rep, report::DataSet::fromLines(lines));
}

} // namespace vonu
