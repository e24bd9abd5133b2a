#include "order/OrderModel.h"

#include <algorithm>

namespace vonu {

namespace {

const QString& emptyText()
{
    static const QString empty;
    return empty;
}

void clearTexts(QString* first, QString* last)
{
    // Most texts of an order are empty; skipping them keeps a clear cheap.
    for (QString* s = first; s != last; ++s)
        if (!s->isEmpty())
            s->clear();
}

} // namespace

// ---------------------------------------------------------------- RowWindow

RowWindow::RowWindow(int visibleRows, int tableRows, int minimumMaximum)
    : visible_(visibleRows), rows_(tableRows), minimumMax_(minimumMaximum),
      maximum_(minimumMaximum)
{
}

int RowWindow::screenRowOf(int tableRow) const
{
    const int r = tableRow - top_ + 1;
    return (r >= 1 && r <= visible_) ? r : 0;
}

void RowWindow::reset()
{
    top_ = 1;
    current_ = 1;
    maximum_ = minimumMax_;
}

void RowWindow::setMaximum(int maximum)
{
    maximum_ = std::clamp(maximum, 0, rows_ - 1);
    if (position() > maximum_)
        moveTo(maximum_);
}

int RowWindow::moveTo(int position)
{
    const int row = std::clamp(position, 0, maximum_) + 1;
    const int oldTop = top_;
    if (row < top_)
        top_ = row;
    else if (row > top_ + visible_ - 1)
        top_ = row - visible_ + 1;
    current_ = row;
    return top_ - oldTop;
}

// ------------------------------------------------------------------ helpers

int scrollMaximum(int lastFilled, int rows, int minimum)
{
    const int l = lastFilled > 0 ? lastFilled - 1 : 0;
    if (l <= minimum - 1)
        return minimum;
    if (l + 1 < rows)
        return l + 1;
    return l;
}

QString OrderModel::sentStampDisplay(const QString& stamp)
{
    QString shown = stamp;
    int seen = 0;
    for (QChar& c : shown) {
        if (c != u'_')
            continue;
        ++seen;
        c = seen <= 2 ? u'-' : seen == 3 ? u' ' : u':';
    }
    return shown;
}

// --------------------------------------------------------------- OrderModel

OrderModel::OrderModel()
    : fields_(MaxOrderregels * OrderregelVelden),
      flags_(MaxOrderregels * StatusVlaggen, false),
      subartikelen_rows_(MaxOrderregels * MaxSubartikelen * SubregelVelden),
      bewerkingen_rows_(MaxOrderregels * MaxBewerkingen * SubregelVelden),
      details_rows_(MaxOrderregels * MaxDetails * DetailTexts),
      lines_(6, MaxOrderregels, 5),
      subartikelen_(4, MaxSubartikelen, 3),
      bewerkingen_(4, MaxBewerkingen, 3),
      details_(10, MaxDetails, 9)
{
}

QString* OrderModel::lineField(int line, Veld veld)
{
    const int field = int(veld);
    if (!validLine(line) || field < 1 || field > OrderregelVelden)
        return nullptr;
    return &fields_[std::size_t((line - 1) * OrderregelVelden + field - 1)];
}

const QString& OrderModel::field(int line, Veld field) const
{
    const QString* s = const_cast<OrderModel*>(this)->lineField(line, field);
    return s ? *s : emptyText();
}

void OrderModel::setField(int line, Veld field, const QString& value)
{
    if (QString* s = lineField(line, field))
        *s = value;
}

bool OrderModel::flag(int line, Vlag vlag) const
{
    const int flag = int(vlag);
    if (!validLine(line) || flag < 1 || flag > StatusVlaggen)
        return false;
    return flags_[std::size_t((line - 1) * StatusVlaggen + flag - 1)];
}

void OrderModel::setFlag(int line, Vlag vlag, bool on)
{
    const int flag = int(vlag);
    if (!validLine(line) || flag < 1 || flag > StatusVlaggen)
        return;
    flags_[std::size_t((line - 1) * StatusVlaggen + flag - 1)] = on;
}

QString OrderModel::statusText(int line) const
{
    QString text(StatusVlaggen, u'0');
    for (int f = 1; f <= StatusVlaggen; ++f)
        if (flag(line, vlagNummer(f)))
            text[f - 1] = u'1';
    return text;
}

void OrderModel::setStatusText(int line, const QString& text)
{
    for (int f = 1; f <= StatusVlaggen; ++f)
        setFlag(line, vlagNummer(f), f <= text.size() && text.at(f - 1) == u'1');
}

QString* OrderModel::subField(std::vector<QString>& table, int line, int row, int field)
{
    if (!validLine(line) || row < 1 || row > MaxSubartikelen || field < 1 || field > SubregelVelden)
        return nullptr;
    return &table[std::size_t(((line - 1) * MaxSubartikelen + row - 1) * SubregelVelden + field - 1)];
}

const QString* OrderModel::subField(const std::vector<QString>& table, int line, int row,
                                    int field) const
{
    return const_cast<OrderModel*>(this)->subField(const_cast<std::vector<QString>&>(table), line,
                                                   row, field);
}

const QString& OrderModel::subartikel(int line, int row, int field) const
{
    const QString* s = subField(subartikelen_rows_, line, row, field);
    return s ? *s : emptyText();
}

void OrderModel::setSubartikel(int line, int row, int field, const QString& value)
{
    if (QString* s = subField(subartikelen_rows_, line, row, field))
        *s = value;
}

const QString& OrderModel::bewerking(int line, int row, int field) const
{
    const QString* s = subField(bewerkingen_rows_, line, row, field);
    return s ? *s : emptyText();
}

void OrderModel::setBewerking(int line, int row, int field, const QString& value)
{
    if (QString* s = subField(bewerkingen_rows_, line, row, field))
        *s = value;
}

QString* OrderModel::detailText(int line, int row, int index)
{
    if (!validLine(line) || row < 1 || row > MaxDetails || index < 0 || index >= DetailTexts)
        return nullptr;
    return &details_rows_[std::size_t(((line - 1) * MaxDetails + row - 1) * DetailTexts + index)];
}

const QString* OrderModel::detailText(int line, int row, int index) const
{
    return const_cast<OrderModel*>(this)->detailText(line, row, index);
}

const QString& OrderModel::detailAantal(int line, int row) const
{
    const QString* s = detailText(line, row, 0);
    return s ? *s : emptyText();
}

void OrderModel::setDetailAantal(int line, int row, const QString& value)
{
    if (QString* s = detailText(line, row, 0))
        *s = value;
}

const QString& OrderModel::detailMaat(int line, int row) const
{
    const QString* s = detailText(line, row, 1);
    return s ? *s : emptyText();
}

void OrderModel::setDetailMaat(int line, int row, const QString& value)
{
    if (QString* s = detailText(line, row, 1))
        *s = value;
}

const QString& OrderModel::detailSlot(int line, int row, int slot) const
{
    const QString* s = (slot >= 1 && slot <= DetailSlots) ? detailText(line, row, 1 + slot) : nullptr;
    return s ? *s : emptyText();
}

void OrderModel::setDetailSlot(int line, int row, int slot, const QString& value)
{
    if (slot < 1 || slot > DetailSlots)
        return;
    if (QString* s = detailText(line, row, 1 + slot))
        *s = value;
}

bool OrderModel::lineInUse(int line) const
{
    return !field(line, Veld::Artikel).trimmed().isEmpty();
}

bool OrderModel::subartikelInUse(int line, int row) const
{
    return !subartikel(line, row, 1).trimmed().isEmpty();
}

bool OrderModel::bewerkingInUse(int line, int row) const
{
    return !bewerking(line, row, 1).trimmed().isEmpty();
}

bool OrderModel::detailInUse(int line, int row) const
{
    return !detailAantal(line, row).trimmed().isEmpty() || !detailMaat(line, row).trimmed().isEmpty();
}

void OrderModel::clear()
{
    clearTexts(fields_.data(), fields_.data() + fields_.size());
    std::fill(flags_.begin(), flags_.end(), false);
    clearTexts(subartikelen_rows_.data(), subartikelen_rows_.data() + subartikelen_rows_.size());
    clearTexts(bewerkingen_rows_.data(), bewerkingen_rows_.data() + bewerkingen_rows_.size());
    clearTexts(details_rows_.data(), details_rows_.data() + details_rows_.size());
    resetWindows();
}

void OrderModel::clearLineForArticle(int line)
{
    if (!validLine(line))
        return;
    for (int f = 2; f <= OrderregelVelden; ++f)
        setField(line, veldNummer(f), QString());
    for (int f = 2; f <= StatusVlaggen; ++f)
        setFlag(line, vlagNummer(f), false);
    clearSubartikelen(line);
    clearBewerkingen(line);
    clearDetails(line);
}

void OrderModel::clearSubartikelen(int line)
{
    if (QString* first = subField(subartikelen_rows_, line, 1, 1))
        clearTexts(first, first + MaxSubartikelen * SubregelVelden);
}

void OrderModel::clearBewerkingen(int line)
{
    if (QString* first = subField(bewerkingen_rows_, line, 1, 1))
        clearTexts(first, first + MaxBewerkingen * SubregelVelden);
}

void OrderModel::clearDetails(int line)
{
    if (QString* first = detailText(line, 1, 0))
        clearTexts(first, first + MaxDetails * DetailTexts);
}

void OrderModel::clearOfferFlags()
{
    for (int line = 1; line <= MaxOrderregels; ++line)
        for (int f = 2; f <= StatusVlaggen; ++f)
            setFlag(line, vlagNummer(f), false);
}

namespace {

// FNV-1a over 64 bits: every value and where it stands count, so two orders
// differ unless every value is the same.
class Fingerprint {
public:
    void add(const QString& text)
    {
        for (const QChar c : text)
            mix(c.unicode());
        // Ends each value, so "AB","C" and "A","BC" differ.
        mix(0xFFFF);
    }
    void add(std::int64_t value) { add(QString::number(value)); }
    void add(const QDate& date) { add(date.isValid() ? date.toJulianDay() : std::int64_t(-1)); }
    std::uint64_t value() const { return hash_; }

private:
    void mix(std::uint32_t unit)
    {
        hash_ ^= unit;
        hash_ *= 0x100000001b3ULL;
    }
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

void addDesk(Fingerprint& f, const DeskOrderData& d)
{
    for (const QString* s : {&d.debiteur, &d.ordernummer, &d.ob})
        f.add(*s);
    const ExtraOrderData& e = d.extra;
    for (const QString* s : {&e.afleverRelatie, &e.zoeknaam, &e.naam, &e.naam2, &e.postkode, &e.plaats, &e.land,
                             &e.kontakt, &e.productieweek, &e.leveringswijze, &e.leveringswijzeOmschrijving,
                             &e.orderkosten, &e.aflevertekst41, &e.aflevertekst51})
        f.add(*s);
    for (const QString& s : e.adres)
        f.add(s);
    for (const QString& s : e.afleverteksten)
        f.add(s);
    for (const QString& s : e.productieteksten)
        f.add(s);
    f.add(e.leverdatum);
    f.add(e.afleverdatum);
    for (std::int64_t v : {std::int64_t(e.leverdatumGewijzigd), std::int64_t(e.gebruikAfleverdatum),
                           std::int64_t(e.gebruikAfroep), std::int64_t(e.extraVrachtkosten)})
        f.add(v);
}

} // namespace

std::uint64_t OrderModel::signature(const OrderHeaderValues& header) const
{
    Fingerprint f;
    for (const QString* s : {&header.ordervoor, &header.ordernummer, &header.referentie, &header.notities,
                             &header.opmerking})
        f.add(*s);
    f.add(header.transactie);
    f.add(header.orderdatum);
    for (const auto* table : {&fields_, &subartikelen_rows_, &bewerkingen_rows_, &details_rows_})
        for (const QString& s : *table)
            f.add(s);
    QString flags;
    flags.reserve(qsizetype(flags_.size()));
    for (const bool on : flags_)
        flags.append(on ? u'1' : u'0');
    f.add(flags);
    addDesk(f, desk_);
    return f.value();
}

int OrderModel::lineScrollMaximum() const
{
    int last = MaxOrderregels;
    while (last > 0 && field(last, Veld::Artikel).isEmpty())
        --last;
    return scrollMaximum(last, MaxOrderregels, lines_.minimumMaximum());
}

int OrderModel::subartikelScrollMaximum(int line) const
{
    int last = MaxSubartikelen;
    while (last > 0 && !subartikelInUse(line, last))
        --last;
    return scrollMaximum(last, MaxSubartikelen, subartikelen_.minimumMaximum());
}

int OrderModel::bewerkingScrollMaximum(int line) const
{
    int last = MaxBewerkingen;
    while (last > 0 && !bewerkingInUse(line, last))
        --last;
    return scrollMaximum(last, MaxBewerkingen, bewerkingen_.minimumMaximum());
}

int OrderModel::detailScrollMaximum(int line) const
{
    int last = MaxDetails;
    while (last > 0 && !detailInUse(line, last))
        --last;
    return scrollMaximum(last, MaxDetails, details_.minimumMaximum());
}

void OrderModel::resetWindows()
{
    lines_.reset();
    subartikelen_.reset();
    bewerkingen_.reset();
    details_.reset();
}

} // namespace vonu
