#include "desk/DbSession.h"
#include "desk/DeliveryCalendar.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using namespace vonu;
using vonu::test::ScriptedMessages;

namespace {

QDate d(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

WeekRules allDays(const char* rule)
{
    WeekRules r;
    r.fill(QString::fromLatin1(rule));
    return r;
}

} // namespace

TEST(WeekNumber, AgreesWithTheIsoCalendarOnEveryDayFrom1990To2100)
{
    int mismatches = 0;
    for (QDate day(1990, 1, 1); day <= QDate(2100, 12, 31); day = day.addDays(1)) {
        if (weekNumber(day) != day.weekNumber() && ++mismatches <= 5)
            ADD_FAILURE() << day.toString(Qt::ISODate).toStdString() << ": " << weekNumber(day) << " against "
                          << day.weekNumber();
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(weekNumber(QDate()), 0);
}

TEST(WeekNumber, YearBoundaries)
{
    const struct { const char* date; int week; } cases[] = {
        {"2004-01-01", 1},   // a Thursday
        {"2005-01-01", 53},  // a Saturday: last week of 2004
        {"2003-12-29", 1},   // Monday of the week holding 1 January 2004
        {"2004-12-31", 53},
        {"2021-01-03", 53},
        {"2024-12-30", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(weekNumber(d(c.date)), c.week) << c.date;
}

TEST(DeliveryProposal, FollowsTheRuleOfTheEntryDay)
{
    // 12 March 2025 is a Wednesday; 10 March a Monday; 16 March a Sunday.
    const struct {
        const char* orderDate;
        const char* today;
        const char* rule;
        const char* expected;
    } cases[] = {
        {"2025-03-12", "2025-03-12", "13", "2025-03-19"},  // Wednesday of the coming week
        {"2025-03-12", "2025-03-12", "23", "2025-03-26"},  // a week later
        {"2025-03-12", "2025-03-12", "93", "2025-03-26"},  // any other week figure: a week later
        {"2025-03-10", "2025-03-10", "11", "2025-03-17"},  // a Monday counts from the next Monday
        {"2025-03-16", "2025-03-16", "17", "2025-03-23"},  // Sunday entry, Sunday delivery
        {"2025-03-03", "2025-03-12", "13", "2025-03-19"},  // order date of another week: today counts
        {"2025-03-11", "2025-03-12", "13", "2025-03-19"},  // same week: the order date's weekday rule
    };
    for (const auto& c : cases) {
        DeliveryRules rules;
        rules.constants = allDays(c.rule);
        const DateResult r = DeliveryCalendar::proposeDate(d(c.orderDate), d(c.today), rules);
        EXPECT_TRUE(r.ok()) << c.rule << " " << r.error.toStdString();
        EXPECT_EQ(r.date, d(c.expected)) << c.orderDate << " " << c.rule;
    }
}

TEST(DeliveryProposal, TheAddressRuleComesBeforeTheConstants)
{
    DeliveryRules rules;
    rules.constants = allDays("13");
    rules.address = allDays("");
    rules.address[2] = "25";  // Wednesday
    EXPECT_EQ(DeliveryCalendar::proposeDate(d("2025-03-12"), d("2025-03-12"), rules).date, d("2025-03-28"));
    // A blank rule of the address for that weekday falls back on the constants.
    EXPECT_EQ(DeliveryCalendar::proposeDate(d("2025-03-13"), d("2025-03-13"), rules).date, d("2025-03-19"));
}

TEST(DeliveryProposal, UnusableRulesStopWithAMessage)
{
    for (const char* rule : {"", "1", "x3", "18", "10", "1a"}) {
        DeliveryRules rules;
        rules.constants = allDays(rule);
        const DateResult r = DeliveryCalendar::proposeDate(d("2025-03-12"), d("2025-03-12"), rules);
        EXPECT_FALSE(r.ok()) << rule;
        EXPECT_TRUE(r.error.contains("woensdag")) << r.error.toStdString();

        ExtraOrderData extra;
        extra.leverdatum = d("2025-01-01");
        QString error;
        EXPECT_FALSE(DeliveryCalendar::applyProposal(extra, d("2025-03-12"), d("2025-03-12"), rules, &error));
        EXPECT_EQ(extra.leverdatum, d("2025-01-01"));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(FreeDays, MoveToTheFirstDeliveryWeekdayAfterThePeriod)
{
    const std::vector<FreePeriod> christmas{{d("2025-12-24"), d("2026-01-01")}};
    WeekRules mondayThursday = allDays("11");
    mondayThursday[1] = "14";
    const struct {
        const char* date;
        const char* expected;
    } cases[] = {
        {"2025-12-24", "2026-01-05"},  // 1 January 2026 is a Thursday itself, inside the period
        {"2026-01-01", "2026-01-05"},
        {"2025-12-23", "2025-12-23"},  // before the period: unchanged
        {"2026-01-02", "2026-01-02"},  // after it: unchanged, whatever its weekday
    };
    for (const auto& c : cases) {
        const DateResult r = DeliveryCalendar::skipFreeDays(d(c.date), christmas, mondayThursday);
        EXPECT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.date, d(c.expected)) << c.date;
    }
    // A period right after the first one is skipped as well.
    const std::vector<FreePeriod> two{{d("2025-12-24"), d("2026-01-01")}, {d("2026-01-05"), d("2026-01-05")}};
    EXPECT_EQ(DeliveryCalendar::skipFreeDays(d("2025-12-29"), two, mondayThursday).date, d("2026-01-08"));
}

TEST(FreeDays, NoUsableWeekdayStopsInsteadOfSearchingForever)
{
    const std::vector<FreePeriod> periods{{d("2025-12-24"), d("2026-01-01")}};
    for (const char* rule : {"", "18", "1x", "9"}) {
        const DateResult r = DeliveryCalendar::skipFreeDays(d("2025-12-25"), periods, allDays(rule));
        EXPECT_FALSE(r.ok()) << rule;
        EXPECT_EQ(r.date, d("2025-12-25"));
    }
    // Outside every period the rules do not matter.
    EXPECT_TRUE(DeliveryCalendar::skipFreeDays(d("2025-12-20"), periods, allDays("")).ok());
    // Every day free for years, day by day: the walk ends with a message.
    std::vector<FreePeriod> everyDay;
    for (QDate day(2025, 6, 1); day < QDate(2029, 1, 1); day = day.addDays(1))
        everyDay.push_back({day, day});
    const DateResult endless = DeliveryCalendar::skipFreeDays(d("2025-06-01"), everyDay, allDays("13"));
    EXPECT_FALSE(endless.ok());
    EXPECT_EQ(endless.date, d("2025-06-01"));
}

TEST(Coating, ExtendsOnceWhileTheWeekStillMatches)
{
    ExtraOrderData extra;
    extra.leverdatum = d("2025-03-19");
    extra.afleverdatum = d("2025-03-19");
    extra.productieweek = QString::number(weekNumber(extra.leverdatum));
    EXPECT_TRUE(DeliveryCalendar::applyCoating(extra, 2, true));
    EXPECT_EQ(extra.leverdatum, d("2025-04-02"));
    EXPECT_EQ(extra.afleverdatum, d("2025-04-02"));
    // A second coloured line: already extended.
    EXPECT_FALSE(DeliveryCalendar::applyCoating(extra, 2, true));
    EXPECT_EQ(extra.leverdatum, d("2025-04-02"));
    // An opened order with coloured lines: without the week test; a separate
    // drop date stays.
    extra.gebruikAfleverdatum = true;
    extra.afleverdatum = d("2025-05-01");
    EXPECT_TRUE(DeliveryCalendar::applyCoating(extra, 1, false));
    EXPECT_EQ(extra.leverdatum, d("2025-04-09"));
    EXPECT_EQ(extra.afleverdatum, d("2025-05-01"));
}

// ---------------------------------------------------------------------------

// The delivery calendar against the constants and free days of the
// database, with a session open.
class FreeDayCheckTest : public test::SessionFixture {};

TEST_F(FreeDayCheckTest, ANewOrderMovesPastChainedFreeDays)
{
    // Constants deliver on Tuesday to Friday. 25 December 2026 is free,
    // 28-31 December closed, 1 January 2027 free again.
    DeliveryCalendar calendar(*session);
    ExtraOrderData extra;
    extra.leverdatum = d("2026-12-25");
    extra.afleverdatum = extra.leverdatum;
    extra.productieweek = "52";
    QString message;
    ASSERT_EQ(calendar.checkFreeDays(extra, extra.leverdatum, false, "4711", "01", d("2026-12-10"), &message),
              DeliveryCalendar::FreeDayCheck::Moved);
    EXPECT_EQ(extra.leverdatum, d("2027-01-05"));
    EXPECT_EQ(extra.afleverdatum, d("2027-01-05"));
    EXPECT_EQ(extra.productieweek, "1");
    EXPECT_EQ(message, "Leverdatum 25-12-2026 is een vrije dag. De eerstvolgende mogelijke leverdatum vind U op "
                       "dit scherm.");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(FreeDayCheckTest, TheAddressRulesDecideTheWeekdayAndCoatingKeepsTheWeek)
{
    // Address 700700/02 delivers on Monday and Thursday only.
    DeliveryCalendar calendar(*session);
    ExtraOrderData extra;
    extra.leverdatum = d("2026-12-25");
    extra.afleverdatum = d("2027-02-01");
    extra.gebruikAfleverdatum = true;
    extra.productieweek = "51";   // a coating extension moved the date already
    QString message;
    ASSERT_EQ(calendar.checkFreeDays(extra, extra.leverdatum, false, "700700", "02", d("2026-12-10"), &message),
              DeliveryCalendar::FreeDayCheck::Moved);
    // Monday 28 December is closed, Friday 1 January no delivery day: Monday
    // 4 January, plus one coating week less than the constants' one.
    EXPECT_EQ(extra.leverdatum, d("2027-01-04"));
    EXPECT_EQ(extra.productieweek, "51");
    EXPECT_EQ(extra.afleverdatum, d("2027-02-01"));
}

TEST_F(FreeDayCheckTest, StoredOrdersAndHandChangedDatesKeepTheirFreeDay)
{
    DeliveryCalendar calendar(*session);
    ExtraOrderData extra;
    extra.leverdatum = d("2026-12-25");
    extra.productieweek = "52";
    EXPECT_EQ(calendar.checkFreeDays(extra, extra.leverdatum, true, "4711", "01", d("2026-12-10"), nullptr),
              DeliveryCalendar::FreeDayCheck::Unchanged);
    extra.leverdatumGewijzigd = true;
    EXPECT_EQ(calendar.checkFreeDays(extra, extra.leverdatum, false, "4711", "01", d("2026-12-10"), nullptr),
              DeliveryCalendar::FreeDayCheck::Unchanged);
    EXPECT_EQ(extra.leverdatum, d("2026-12-25"));
    // A working day stays as it is.
    extra.leverdatumGewijzigd = false;
    extra.leverdatum = d("2026-12-23");
    EXPECT_EQ(calendar.checkFreeDays(extra, extra.leverdatum, false, "4711", "01", d("2026-12-10"), nullptr),
              DeliveryCalendar::FreeDayCheck::Unchanged);
}

TEST_F(FreeDayCheckTest, UnusableRulesInTheDatabaseGiveAMessageNotALoop)
{
    ASSERT_TRUE(db->exec("update Verzendadres set Leverdatum_1 = '19', Leverdatum_2 = '1', Leverdatum_3 = 'xx', "
                         "Leverdatum_4 = '', Leverdatum_5 = '', Leverdatum_6 = '', Leverdatum_7 = '' "
                         "where Debnr = '700700' and Verzend = '02'"));
    DeliveryCalendar calendar(*session);
    ExtraOrderData extra;
    extra.leverdatum = d("2026-12-25");
    extra.productieweek = "52";
    QString message;
    EXPECT_EQ(calendar.checkFreeDays(extra, extra.leverdatum, false, "700700", "02", d("2026-12-10"), &message),
              DeliveryCalendar::FreeDayCheck::Failed);
    EXPECT_EQ(extra.leverdatum, d("2026-12-25"));
    EXPECT_FALSE(message.isEmpty());
}
