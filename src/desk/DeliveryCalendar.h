#pragma once
// Delivery dates of the order desk: the week number every screen and paper
// shows, the delivery date proposed from the weekday rules when a shipping
// address is applied, the move past free days and the extra weeks that
// coated (coloured) lines need. The rules come from the shipping address or
// else from the constants row; free days from Vrijedag.

#include "order/DeskOrderData.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vonu {

class DbSession;

// Week number 1..53 of a date (weeks start on Monday; week 1 holds the first
// Thursday of the year). 0 for an invalid date.
int weekNumber(const QDate& date);

// Seven rules, Monday .. Sunday (`Leverdatum_1` .. `Leverdatum_7`): two
// figures, the week (1 the coming week, any other figure the week after) and
// the weekday of delivery (1 Monday .. 7 Sunday).
using WeekRules = std::array<QString, 7>;

struct DeliveryRules {
    WeekRules address;    // of the shipping address; blank when it has none
    WeekRules constants;  // of the constants row

    // The rule of a weekday (1..7): the address's when its text is not
    // blank, else the constants row's.
    QString ruleFor(int weekday) const;
    // The set the free-day move uses: the address's rules when its first is
    // not blank, else the constants row's.
    const WeekRules& moveRules() const;
};

struct FreePeriod {
    QDate van;
    QDate tot;
};

// A date moved off free days, or why it could not be.
struct DateResult {
    QDate date;
    QString error;   // empty when the date is usable
    bool ok() const { return error.isEmpty(); }
};

class DeliveryCalendar {
public:
    explicit DeliveryCalendar(DbSession& db);

    // The delivery date proposed for an order dated orderDate, entered today:
    // the rule of the entry day's weekday, counted from the next Monday. An
    // unusable rule gives an error naming it.
    static DateResult proposeDate(const QDate& orderDate, const QDate& today, const DeliveryRules& rules);
    // The first day after the free period holding `date` whose weekday one
    // of the rules delivers on, repeated while that day is free again. A
    // date outside every period comes back unchanged. With no usable weekday
    // among the rules the move cannot end: an error instead.
    static DateResult skipFreeDays(const QDate& date, const std::vector<FreePeriod>& periods, const WeekRules& rules);

    // The rules of shipping address `verzend` of debtor `debiteur` (either
    // may be absent) beside the constants row's.
    std::optional<DeliveryRules> rules(const QString& debiteur, const QString& verzend);
    // Free periods of the years around `today`'s year (one before, one after).
    std::optional<std::vector<FreePeriod>> freePeriods(const QDate& today);
    // Extra production weeks of coated orders.
    int coatingWeeks() const;

    // ---- On the extra order data of the order.
    // Sets the proposed delivery date, the drop date and the production week,
    // and clears the hand-changed and separate-drop-date marks. False (extra
    // unchanged) with *error when the rule cannot be used.
    static bool applyProposal(ExtraOrderData& extra, const QDate& orderDate, const QDate& today,
                              const DeliveryRules& rules, QString* error);
    enum class FreeDayCheck { Unchanged, Moved, Failed };
    // Moves a new order's delivery date (not changed by hand) off free days.
    // `checked` is the date as it was before (it tells whether a coating
    // extension had been applied). Moved: *message holds the status text for
    // the extra order data screen. Failed: *message says why; extra is
    // unchanged.
    FreeDayCheck checkFreeDays(ExtraOrderData& extra, QDate checked, bool hasOrderNumber,
                               const QString& debiteur, const QString& verzend, const QDate& today,
                               QString* message);
    // The coating extension of a coloured line: once per proposal (while the
    // week of the delivery date still equals the production week), or
    // unconditionally when an order with coloured lines is opened.
    static bool applyCoating(ExtraOrderData& extra, int coatingWeeks, bool onlyOnce);

private:
    DbSession& db_;
};

} // namespace vonu
