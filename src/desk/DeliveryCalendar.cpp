#include "desk/DeliveryCalendar.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"

#include <algorithm>

namespace vonu {

namespace {

namespace Tekst {
const char* const OnbruikbareRegel = "Leverdatumregel \"%1\" van %2 is onbruikbaar: verwacht twee cijfers, "
                                     "de weekdag 1 tot en met 7.";
const char* const GeenLeverdag = "Geen leverdag in de leverdatumregels: de leverdatum kan niet voorbij de "
                                 "vrije dagen worden gezet.";
const char* const TeVeelVrijeDagen = "De vrije dagen laten na %1 geen leverdatum over.";
const char* const VrijeDag = "Leverdatum %1 is een vrije dag. De eerstvolgende mogelijke leverdatum vind U op "
                             "dit scherm.";
} // namespace Tekst

const char* const kDagen[] = {"maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag", "zondag"};

// A delivery date this far beyond the proposal means the free days leave no
// delivery day: the walk stops there.
constexpr int kMaxYears = 2;

bool isLeapYear(int year) { return QDate::isLeapYear(year); }

int weekdayOf(int year, int month, int day) { return QDate(year, month, day).dayOfWeek(); }

int startOffset(int year)
{
    const int j = weekdayOf(year, 1, 1);
    return j <= 4 ? j - 1 : j - 8;
}

int roundUpDiv7(int numerator)
{
    // The numerator is whole: adding 0.49 before rounding rounds upwards.
    return int((numerator + 6) / 7);
}

// The week figure and weekday figure of a rule; nullopt when not usable.
std::optional<std::pair<int, int>> parseRule(const QString& rule)
{
    if (rule.size() < 2 || !rule.at(0).isDigit() || !rule.at(1).isDigit())
        return std::nullopt;
    const int c = rule.at(0).digitValue();
    const int d = rule.at(1).digitValue();
    if (d < 1 || d > 7)
        return std::nullopt;
    return std::make_pair(c, d);
}

QString u8(const char* text) { return QString::fromUtf8(text); }

WeekRules rulesOf(const DbRows& rows)
{
    WeekRules r;
    for (int i = 0; i < 7; ++i)
        r[std::size_t(i)] = rows.text(QStringLiteral("Leverdatum_%1").arg(i + 1));
    return r;
}

} // namespace

int weekNumber(const QDate& date)
{
    if (!date.isValid())
        return 0;
    const int y = date.year(), m = date.month(), d = date.day();
    const int a = startOffset(y);
    if (a < 0 && m == 1 && d <= -a) {
        const int previous = startOffset(y - 1);
        return roundUpDiv7(previous + (isLeapYear(y - 1) ? 366 : 365));
    }
    const int e = weekdayOf(y, 12, 31);
    if (e <= 3 && m == 12 && d > 31 - e)
        return 1;
    return roundUpDiv7(a + date.dayOfYear());
}

QString DeliveryRules::ruleFor(int weekday) const
{
    const QString& own = address.at(std::size_t(weekday - 1));
    return own.trimmed().isEmpty() ? constants.at(std::size_t(weekday - 1)) : own;
}

const WeekRules& DeliveryRules::moveRules() const
{
    return address.at(0).trimmed().isEmpty() ? constants : address;
}

DeliveryCalendar::DeliveryCalendar(DbSession& db) : db_(db) {}

DateResult DeliveryCalendar::proposeDate(const QDate& orderDate, const QDate& today, const DeliveryRules& rules)
{
    const QDate base = orderDate.isValid() && weekNumber(orderDate) == weekNumber(today) ? orderDate : today;
    const QString rule = rules.ruleFor(base.dayOfWeek()).trimmed();
    const auto parsed = parseRule(rule);
    if (!parsed)
        return {base, u8(Tekst::OnbruikbareRegel).arg(rule, u8(kDagen[base.dayOfWeek() - 1]))};
    const auto [c, d] = *parsed;
    const QDate monday = base.addDays(8 - base.dayOfWeek());
    return {monday.addDays(d - 1 + (c == 1 ? 0 : 7)), {}};
}

DateResult DeliveryCalendar::skipFreeDays(const QDate& date, const std::vector<FreePeriod>& periods,
                                          const WeekRules& rules)
{
    bool allowed[8] = {};
    bool any = false;
    for (const QString& rule : rules) {
        const QString r = rule.trimmed();
        if (r.size() >= 2 && r.at(1) >= QLatin1Char('1') && r.at(1) <= QLatin1Char('7')) {
            allowed[r.at(1).digitValue()] = true;
            any = true;
        }
    }
    QDate current = date;
    const QDate limit = date.addYears(kMaxYears);
    while (current <= limit) {
        const auto period = std::find_if(periods.begin(), periods.end(), [&](const FreePeriod& p) {
            return current >= p.van && current <= p.tot;
        });
        if (period == periods.end())
            return {current, {}};
        if (!any)
            return {date, u8(Tekst::GeenLeverdag)};
        current = period->tot.addDays(1);
        while (!allowed[current.dayOfWeek()])
            current = current.addDays(1);
    }
    return {date, u8(Tekst::TeVeelVrijeDagen).arg(date.toString(QStringLiteral("dd-MM-yyyy")))};
}

std::optional<DeliveryRules> DeliveryCalendar::rules(const QString& debiteur, const QString& verzend)
{
    DeliveryRules result;
    for (int i = 0; i < 7; ++i)
        result.constants[std::size_t(i)] = db_.constant(QStringLiteral("Leverdatum_%1").arg(i + 1)).toString();
    if (debiteur.trimmed().isEmpty())
        return result;
    const DbRows row = db_.select(QStringLiteral("select Leverdatum_1, Leverdatum_2, Leverdatum_3, Leverdatum_4, "
                                                 "Leverdatum_5, Leverdatum_6, Leverdatum_7 from Verzendadres "
                                                 "where Debnr = ? and Verzend = ?"),
                                  {debtorKey(debiteur), verzend});
    if (!row)
        return std::nullopt;
    if (row.found())
        result.address = rulesOf(row);
    return result;
}

std::optional<std::vector<FreePeriod>> DeliveryCalendar::freePeriods(const QDate& today)
{
    const DbRows rows = db_.select(QStringLiteral("select VanDatum, TotDatum from Vrijedag "
                                                  "where extract(year from VanDatum) >= ? "
                                                  "and extract(year from TotDatum) <= ? order by VanDatum"),
                                   {today.year() - 1, today.year() + 1});
    if (!rows)
        return std::nullopt;
    std::vector<FreePeriod> periods;
    periods.reserve(std::size_t(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        periods.push_back({rows.value(QStringLiteral("VanDatum"), i).toDate(),
                           rows.value(QStringLiteral("TotDatum"), i).toDate()});
    return periods;
}

int DeliveryCalendar::coatingWeeks() const
{
    return db_.constant(QStringLiteral("MoffelProductie")).toInt();
}

bool DeliveryCalendar::applyProposal(ExtraOrderData& extra, const QDate& orderDate, const QDate& today,
                                     const DeliveryRules& rules, QString* error)
{
    const DateResult proposal = proposeDate(orderDate, today, rules);
    if (!proposal.ok()) {
        if (error)
            *error = proposal.error;
        return false;
    }
    extra.leverdatum = proposal.date;
    extra.afleverdatum = proposal.date;
    extra.productieweek = QString::number(weekNumber(proposal.date));
    extra.gebruikAfleverdatum = false;
    extra.leverdatumGewijzigd = false;
    return true;
}

DeliveryCalendar::FreeDayCheck DeliveryCalendar::checkFreeDays(ExtraOrderData& extra, QDate checked,
                                                               bool hasOrderNumber, const QString& debiteur,
                                                               const QString& verzend, const QDate& today,
                                                               QString* message)
{
    if (hasOrderNumber || extra.leverdatumGewijzigd || !extra.leverdatum.isValid())
        return FreeDayCheck::Unchanged;
    const auto periods = freePeriods(today);
    if (!periods)
        return FreeDayCheck::Failed;
    // Nothing to read further when the date is not free.
    const DateResult quick = skipFreeDays(extra.leverdatum, *periods, {});
    if (quick.ok() && quick.date == extra.leverdatum)
        return FreeDayCheck::Unchanged;
    const auto r = rules(debiteur, verzend);
    if (!r)
        return FreeDayCheck::Failed;
    const DateResult moved = skipFreeDays(extra.leverdatum, *periods, r->moveRules());
    if (!moved.ok()) {
        if (message)
            *message = moved.error;
        return FreeDayCheck::Failed;
    }
    extra.leverdatum = moved.date;
    if (weekNumber(checked) == extra.productieweek.trimmed().toInt()) {
        extra.productieweek = QString::number(weekNumber(extra.leverdatum));
    } else {
        // A coating extension had been applied to the free day: the move
        // itself already gained time. Never back, though: with no coating
        // time the date would land before the free period again.
        extra.leverdatum = extra.leverdatum.addDays(7 * std::max(0, coatingWeeks() - 1));
    }
    if (!extra.gebruikAfleverdatum)
        extra.afleverdatum = extra.leverdatum;
    if (message)
        *message = u8(Tekst::VrijeDag).arg(checked.toString(QStringLiteral("dd-MM-yyyy")));
    return FreeDayCheck::Moved;
}

bool DeliveryCalendar::applyCoating(ExtraOrderData& extra, int coatingWeeks, bool onlyOnce)
{
    if (!extra.leverdatum.isValid())
        return false;
    if (onlyOnce && weekNumber(extra.leverdatum) != extra.productieweek.trimmed().toInt())
        return false;
    extra.leverdatum = extra.leverdatum.addDays(7 * coatingWeeks);
    if (!extra.gebruikAfleverdatum)
        extra.afleverdatum = extra.leverdatum;
    return true;
}

} // namespace vonu
