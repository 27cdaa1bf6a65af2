// The Time and Date page's rules as tables: month lengths by the Gregorian
// rule, the years offered, the zones with daylight saving and the enabling
// rules, the manual time text and the checks of a Save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/time_page_rules.h"
#include "pages/maintenance/time_page_vars.h"

namespace {

TEST(TimeRules, MonthLengthsFollowTheGregorianCalendar) {
    const int lengths2003[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 0; month < 12; ++month) EXPECT_EQ(DaysInMonth(2003, month), lengths2003[month]) << month;
    const struct {
        int year;
        int february;
    } years[] = {{2004, 29}, {2008, 29}, {2003, 28}, {2100, 28}, {2000, 29}, {2024, 29}, {2026, 28}};
    for (const auto& y : years) EXPECT_EQ(DaysInMonth(y.year, 1), y.february) << y.year;
    EXPECT_EQ(DaysInMonth(2004, -1), 30) << "no month picked";
    EXPECT_EQ(DaysInMonth(2004, 12), 30);
}

TEST(TimeRules, YearsReachTwentyYearsPastThePcsYear) {
    const std::vector<std::string> years = YearItems(2026);
    ASSERT_FALSE(years.empty());
    EXPECT_EQ(years.front(), "2002");
    EXPECT_EQ(years.back(), "2046");
    EXPECT_EQ(years.size(), 45u) << "every year in between";
    EXPECT_EQ(YearItems(1990).back(), "2012") << "never fewer than the first eleven years";
}

TEST(TimeRules, ThirtySixZonesHaveDaylightSaving) {
    std::vector<int> zones;
    for (int position = 0; position < kTimeZoneCount; ++position)
        if (IsDstZone(position)) zones.push_back(position + 1);
    EXPECT_EQ(zones, (std::vector<int>{4,  5,  7,  8,  10, 11, 14, 16, 18, 19, 20, 22, 23, 24, 27, 28, 29, 30,
                                       31, 33, 34, 35, 37, 39, 41, 43, 45, 47, 51, 56, 64, 65, 68, 70, 71, 73}));
    EXPECT_FALSE(IsDstZone(-1));
    EXPECT_EQ(OptSntpTimeZoneIndex.count(), kTimeZoneCount);
    EXPECT_EQ(OptSntpTimeZoneIndex.Item(74).text, "(GMT+13:00) Nuku'alofa");
}

TEST(TimeRules, EnablingFollowsNtpZoneAndDaylightSaving) {
    const int london = 26, tokyo = 61;  // positions: a zone with daylight saving, one without
    const struct {
        bool ntp;
        int zone;
        bool daylight;
        TimeEnabling expected;  // ntp controls, manual, box enabled, box ticked, DST combos
    } cases[] = {
        {true, london, true, {true, false, true, true, true}},
        {true, london, false, {true, false, true, false, false}},
        {true, tokyo, true, {true, false, false, false, false}},
        {false, london, true, {false, true, false, true, false}},
        {false, tokyo, true, {false, true, false, false, false}},
        {true, -1, true, {true, false, false, false, false}},
    };
    for (const auto& c : cases) {
        const TimeEnabling got = TimeControls(c.ntp, c.zone, c.daylight);
        const std::string label = std::to_string(c.ntp) + " zone " + std::to_string(c.zone) + " " +
                                  std::to_string(c.daylight);
        EXPECT_EQ(got.ntpControls, c.expected.ntpControls) << label;
        EXPECT_EQ(got.manualControls, c.expected.manualControls) << label;
        EXPECT_EQ(got.daylightEnabled, c.expected.daylightEnabled) << label;
        EXPECT_EQ(got.daylightChecked, c.expected.daylightChecked) << label;
        EXPECT_EQ(got.dstCombos, c.expected.dstCombos) << label;
    }
}

TEST(TimeRules, SaveChecks) {
    const ManualTime manual{"02", "29", "2024", "13", "05", "09"};
    EXPECT_EQ(ManualTimeText(manual), "02/29/2024 13:05:09");

    TimeSaveInput ntp;
    ntp.ntp = true;
    ntp.server = "192.168.0.1";
    EXPECT_FALSE(CheckTimeSave(ntp));
    for (const char* bad : {"", "0.0.0.0", "192.168.0.255", "host"}) {
        TimeSaveInput in = ntp;
        in.server = bad;
        ASSERT_TRUE(CheckTimeSave(in)) << bad;
        EXPECT_STREQ(CheckTimeSave(in)->message, TimeServerInvalidText);
    }

    TimeSaveInput byHand;
    byHand.manual = manual;
    EXPECT_FALSE(CheckTimeSave(byHand));
    byHand.manual.year = "";
    ASSERT_TRUE(CheckTimeSave(byHand)) << "no year, no manual time";
    EXPECT_STREQ(CheckTimeSave(byHand)->message, ManualTimeIncompleteText);

    TimeSaveInput dst = ntp;
    dst.dstWritten = true;
    dst.start = {2, 1, 0, 2};
    dst.end = dst.start;
    ASSERT_TRUE(CheckTimeSave(dst));
    EXPECT_STREQ(CheckTimeSave(dst)->message, DstSameText);
    for (int field = 0; field < 4; ++field) {
        dst.end = dst.start;
        int* parts[] = {&dst.end.month, &dst.end.week, &dst.end.day, &dst.end.time};
        ++*parts[field];
        EXPECT_FALSE(CheckTimeSave(dst)) << "differs in field " << field;
    }
    dst.end = dst.start;
    dst.dstWritten = false;
    EXPECT_FALSE(CheckTimeSave(dst)) << "DST rows not written are not compared";
}

}  // namespace
