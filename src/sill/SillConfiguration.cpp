#include "sill/SillConfiguration.h"

#include "order/OrderModel.h"

#include <algorithm>

namespace vonu::sill {

namespace {

struct TypeRow {
    SillType type;
    const char* code;
};
constexpr std::array<TypeRow, 6> Types = {{
    {SillType::BW, "BW"},
    {SillType::BB, "BB"},
    {SillType::HR, "HR"},
    {SillType::HL, "HL"},
    {SillType::H1, "H1"},
    {SillType::H2, "H2"},
}};

// The edits in the order of the arrow keys.
constexpr int PijlVelden = 3 + Maten;

SillField pijlVeld(int i)
{
    switch (i) {
    case 0:
        return {SillField::Productienummer, 0};
    case 1:
        return {SillField::Aantal, 0};
    case 2:
        return {SillField::Zaagmaat, 0};
    default:
        return {SillField::Maat, i - 2};
    }
}

int pijlIndex(const SillField& f)
{
    switch (f.kind) {
    case SillField::Productienummer:
        return 0;
    case SillField::Aantal:
        return 1;
    case SillField::Zaagmaat:
        return 2;
    case SillField::Maat:
        return f.n >= 1 && f.n <= Maten ? f.n + 2 : -1;
    default:
        return -1;
    }
}

bool filled(const QString& text)
{
    return !text.trimmed().isEmpty();
}

// An end dimension that counts: filled and not zero.
bool nonZero(const QString& text)
{
    return filled(text) && text.trimmed().toLongLong() != 0;
}

SillField maatVeld(int j)
{
    return {SillField::Maat, j};
}

} // namespace

SillType sillTypeFromCode(const QString& code)
{
    const QString c = code.trimmed();
    for (const TypeRow& t : Types) {
        if (c == QLatin1String(t.code))
            return t.type;
    }
    return SillType::Geen;
}

QString sillTypeCode(SillType type)
{
    for (const TypeRow& t : Types) {
        if (t.type == type)
            return QString::fromLatin1(t.code);
    }
    return {};
}

QString sillTitle(SillType type)
{
    switch (type) {
    case SillType::BW:
        return QStringLiteral("Bewerking");
    case SillType::BB:
        return QStringLiteral("Onderdorpel binnen/buiten");
    default:
        return QStringLiteral("Onderdorpel hefschuif");
    }
}

QString designMaatLabel(int j)
{
    if (j == 1)
        return QStringLiteral("a");
    if (j == Maten)
        return QStringLiteral("z");
    if (j >= 2 && j < Maten)
        return QString(QChar(u'A' + (j - 2)));
    return {};
}

QString macroItemText(const QString& omschrijving, const QString& macro)
{
    return omschrijving.left(MacroTekstBreedte).leftJustified(MacroTekstBreedte, u' ') + macro;
}

QString macroCodeOf(const QString& itemText)
{
    return itemText.mid(MacroTekstBreedte);
}

// ------------------------------------------------------------ configuration

SillConfiguration::SillConfiguration(const SillProposal& proposal) : proposal_(proposal) {}

int SillConfiguration::positionsShown() const
{
    return std::clamp(proposal_.macroAantal, 0, Posities);
}

int SillConfiguration::lastMaat() const
{
    if (single())
        return 1;
    return proposal_.maatAantal >= 3 ? std::min(proposal_.maatAantal, Maten) : 0;
}

QString SillConfiguration::maatLabel(int j) const
{
    if (single())
        return j == 1 ? QStringLiteral("A") : designMaatLabel(j);
    // A left-handed lift-slide sill is the mirror image: its end dimension
    // comes first.
    if (type() == SillType::HL && j >= 1 && j <= 4) {
        static const std::array<const char*, 4> mirrored = {"z", "B", "A", "a"};
        return QString::fromLatin1(mirrored.at(std::size_t(j - 1)));
    }
    if (j == lastMaat() && j >= 3)
        return QStringLiteral("z");
    return designMaatLabel(j);
}

int SillConfiguration::rowTop(int k) const
{
    return (k - 1) * RijAfstand;
}

std::array<int, Maten> SillConfiguration::maatTops(const SillEntry& entry) const
{
    std::array<int, Maten> tops{};
    for (int j = 1; j <= Maten; ++j)
        tops[std::size_t(j - 1)] = rowTop(j) - RijAfstand / 2;
    if (single())
        tops[0] = rowTop(1);
    int handled = 0;
    for (int k = 1; k <= positionsShown(); ++k) {
        if (!filled(entry.udk[std::size_t(k - 1)]) || !filled(entry.hoh[std::size_t(k - 1)]))
            continue;
        const int m = handled <= 4 ? k - handled : k;
        tops[std::size_t(m - 1)] = rowTop(k);
        for (int j = m + 1; j <= Maten; ++j)
            tops[std::size_t(j - 1)] += RijAfstand;
        ++handled;
    }
    return tops;
}

int SillConfiguration::buttonsTop() const
{
    return rowTop(std::max(1, positionsShown())) + KnopAfstand;
}

long long SillConfiguration::lengthSum(const SillEntry& entry) const
{
    long long sum = 0;
    for (int k = 1; k <= positionsShown(); ++k) {
        const QString& udk = entry.udk[std::size_t(k - 1)];
        if (filled(udk) && !filled(entry.hoh[std::size_t(k - 1)]))
            sum += udk.trimmed().toLongLong();
    }
    for (int j = 1; j <= lastMaat(); ++j) {
        if (filled(entry.maat(j)))
            sum += entry.maat(j).trimmed().toLongLong();
    }
    return sum;
}

bool SillConfiguration::lengthRefused(const SillEntry& entry) const
{
    if (filled(entry.productienummer) || !headerFieldsShown())
        return false;
    // "00" is as empty a saw length as "0".
    if (!nonZero(entry.zaagmaat))
        return true;
    return entry.zaagmaat.trimmed().toLongLong() != lengthSum(entry);
}

bool SillConfiguration::shown(const SillField& field) const
{
    switch (field.kind) {
    case SillField::Productienummer:
    case SillField::Aantal:
    case SillField::Zaagmaat:
        return headerFieldsShown();
    case SillField::Bewerking:
        return field.n == 0 || positionShown(field.n);
    case SillField::Maat:
        return maatShown(field.n);
    default:
        return false;
    }
}

EnterStep SillConfiguration::enter(const SillField& from, const SillEntry& entry) const
{
    const auto focus = [this](SillField target) {
        // A field this sill does not show cannot take the focus: Enter then
        // confirms, as it does after the last field.
        if (!shown(target))
            return EnterStep{EnterStep::Confirm, {}, {}, 0};
        return EnterStep{EnterStep::Focus, target, {}, 0};
    };
    const EnterStep confirm{EnterStep::Confirm, {}, {}, 0};
    // The field labelled "A": the first dimension the user types.
    const int a = type() == SillType::HL ? 3 : (single() || type() == SillType::BW) ? 1 : 2;

    switch (from.kind) {
    case SillField::Productienummer:
        return focus({SillField::Aantal, 0});
    case SillField::Aantal:
        return focus(filled(entry.aantal) ? SillField{SillField::Zaagmaat, 0}
                                          : SillField{SillField::Productienummer, 0});
    case SillField::Zaagmaat:
        return filled(entry.productienummer) ? confirm : focus(maatVeld(a));
    case SillField::Bewerking: {
        const int k = from.n;
        if (k < Posities && positionShown(k + 1))
            return focus({SillField::Bewerking, k + 1});
        if (k == 1)
            return focus(maatVeld(1));
        if (k == 4 && type() == SillType::HL)
            return focus(maatVeld(3));
        return focus(maatVeld(2));
    }
    case SillField::Maat: {
        const int j = from.n;
        if (j == 1)
            return maatShown(2) ? focus(maatVeld(2)) : confirm;
        if (j == 2 && type() == SillType::HR)
            return secondDimension(2, entry);
        if (j == 3 && type() == SillType::HL)
            return secondDimension(3, entry);
        // Enter skips the last shown dimension (the "z" end).
        if (j <= 11)
            return maatShown(j + 2) ? focus(maatVeld(j + 1)) : confirm;
        return confirm;
    }
    default:
        return {};
    }
}

EnterStep SillConfiguration::secondDimension(int from, const SillEntry& entry) const
{
    const bool right = from == 2;
    const int other = right ? 3 : 2;
    const QString zaagmaat = entry.zaagmaat.trimmed();
    const QString a = entry.maat(from).trimmed();
    if (zaagmaat.isEmpty() || a.isEmpty()) {
        if (!a.isEmpty())
            return {EnterStep::Focus, {SillField::Zaagmaat, 0}, {}, 0};
        return {EnterStep::Stay, {SillField::Maat, from}, {}, 0};
    }
    if (nonZero(entry.maat(1)) || nonZero(entry.maat(4)))
        return {EnterStep::Focus, maatVeld(right ? 3 : 4), {}, 0};
    const long long rest = zaagmaat.toLongLong() - a.toLongLong();
    // A dimension longer than the saw length leaves no second dimension:
    // the user types it and the length check shows the mismatch.
    if (rest < 0)
        return {EnterStep::Focus, maatVeld(other), {}, 0};
    return {EnterStep::Confirm, {}, QString::number(rest), other};
}

SillField SillConfiguration::arrow(const SillField& from, bool up) const
{
    const int i = pijlIndex(from);
    if (up) {
        for (int p = i - 1; p >= 0; --p) {
            if (shown(pijlVeld(p)))
                return pijlVeld(p);
        }
        for (int p = PijlVelden - 1; p >= 0; --p) {
            if (shown(pijlVeld(p)))
                return pijlVeld(p);
        }
        return {};
    }
    for (int p = std::max(i, 0) + 1; p < PijlVelden; ++p) {
        if (shown(pijlVeld(p)))
            return pijlVeld(p);
    }
    for (int p = 0; p < PijlVelden; ++p) {
        if (shown(pijlVeld(p)))
            return pijlVeld(p);
    }
    return {};
}

bool quantityRefused(const QString& aantal)
{
    return aantal.trimmed() == QLatin1String("0");
}

// ------------------------------------------------------------ row values

namespace {

const QString& rowField(const OrderModel& order, QChar kind, int line, int row, int field)
{
    return kind == u'S' ? order.subartikel(line, row, field) : order.bewerking(line, row, field);
}

void setRowField(OrderModel& order, QChar kind, int line, int row, int field, const QString& value)
{
    if (kind == u'S')
        order.setSubartikel(line, row, field, value);
    else
        order.setBewerking(line, row, field, value);
}

} // namespace

SillValues readSillValues(const OrderModel& order, QChar kind, int line, int row)
{
    SillValues v;
    v.productienummer = rowField(order, kind, line, row, ProductienummerVeld);
    for (int k = 0; k < Posities; ++k)
        v.macros[std::size_t(k)] = rowField(order, kind, line, row, EersteMacroVeld + k);
    for (int j = 0; j < Maten; ++j)
        v.maten[std::size_t(j)] = rowField(order, kind, line, row, EersteMaatVeld + j);
    v.configured = rowField(order, kind, line, row, GeconfigureerdVeld) == QLatin1String("*");
    return v;
}

void writeSillValues(OrderModel& order, QChar kind, int line, int row, const SillValues& values)
{
    setRowField(order, kind, line, row, ProductienummerVeld, values.productienummer);
    for (int k = 0; k < Posities; ++k)
        setRowField(order, kind, line, row, EersteMacroVeld + k, values.macros[std::size_t(k)]);
    for (int j = 0; j < Maten; ++j)
        setRowField(order, kind, line, row, EersteMaatVeld + j, values.maten[std::size_t(j)]);
    setRowField(order, kind, line, row, GeconfigureerdVeld, QStringLiteral("*"));
}

} // namespace vonu::sill
