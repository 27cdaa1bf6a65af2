// The Schedule page's rules without a device: the time checks with their
// zero fill, the day mask, reading the device's days and time-frame texts,
// and the one-rule-per-SSID check.

#include <gtest/gtest.h>

#include "pages/wireless/schedule_page_rules.h"

namespace {

const char* const kEndLarger = "End time must be larger than Start time if you don't choose over night!";
const char* const kStartLarger = "Start time must be larger than end time if you choose over night!";

TEST(ScheduleRules, TimesAreZeroFilledThenChecked) {
    struct Case {
        ScheduleTimes typed;
        bool overnight;
        ScheduleTimes filled;
        const char* refusal;  // "" accepted
        TimeField field;
    } const cases[] = {
        {{"9", "5", "17", "30"}, false, {"09", "05", "17", "30"}, "", TimeField::None},
        {{"22", "00", "6", "0"}, true, {"22", "00", "06", "00"}, "", TimeField::None},
        {{"22", "00", "06", "00"}, false, {"22", "00", "06", "00"}, kEndLarger, TimeField::EndMinute},
        {{"08", "00", "17", "00"}, true, {"08", "00", "17", "00"}, kStartLarger, TimeField::EndMinute},
        {{"08", "00", "08", "00"}, false, {"08", "00", "08", "00"}, kEndLarger, TimeField::EndMinute},
        {{"08", "00", "08", "00"}, true, {"08", "00", "08", "00"}, kStartLarger, TimeField::EndMinute},
        {{"", "00", "17", "00"}, false, {"", "00", "17", "00"}, "Invalid Time Range!", TimeField::None},
        {{"08", "00", "17", ""}, false, {"08", "00", "17", ""}, "Invalid Time Range!", TimeField::None},
        {{"24", "00", "17", "00"}, false, {"24", "00", "17", "00"}, "Invalid Hour!", TimeField::StartHour},
        {{"08", "00", "24", "00"}, false, {"08", "00", "24", "00"}, "Invalid Hour!", TimeField::EndHour},
        {{"8a", "00", "17", "00"}, false, {"8a", "00", "17", "00"}, "Invalid Hour!", TimeField::StartHour},
        {{"08", "60", "17", "00"}, false, {"08", "60", "17", "00"}, "Invalid Minute!", TimeField::StartMinute},
        {{"08", "00", "17", "60"}, false, {"08", "00", "17", "60"}, "Invalid Minute!", TimeField::EndMinute},
        {{"  ", "00", "17", "00"}, false, {"  ", "00", "17", "00"}, "Invalid Hour!", TimeField::StartHour},
        {{"23", "59", "0", "0"}, true, {"23", "59", "00", "00"}, "", TimeField::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.startHour + ":" + c.typed.startMinute + "-" + c.typed.endHour + ":" + c.typed.endMinute +
                     (c.overnight ? " overnight" : ""));
        const ScheduleTimes filled = ZeroFilled(c.typed);
        EXPECT_EQ(filled.startHour, c.filled.startHour);
        EXPECT_EQ(filled.startMinute, c.filled.startMinute);
        EXPECT_EQ(filled.endHour, c.filled.endHour);
        EXPECT_EQ(filled.endMinute, c.filled.endMinute);
        const TimeRefusal refusal = CheckScheduleTimes(c.typed, filled, c.overnight);
        EXPECT_EQ(refusal.text, c.refusal);
        EXPECT_EQ(refusal.field, c.field);
    }
    EXPECT_EQ(ZeroFilled(" 7"), "07");
    EXPECT_EQ(ScheduleTimeText(" 9", "05"), "9:05");
}

TEST(ScheduleRules, DayMasks) {
    const ScheduleDays none{};
    const ScheduleDays all{true, true, true, true, true, true, true};
    const ScheduleDays monWedFri{false, true, false, true, false, true, false};
    EXPECT_EQ(ScheduleDayMask(true, all), 0) << "All Week is 0, not 127";
    EXPECT_EQ(ScheduleDayMask(true, none), 0);
    EXPECT_EQ(ScheduleDayMask(false, all), 127);
    EXPECT_EQ(ScheduleDayMask(false, monWedFri), 2 + 8 + 32);
    EXPECT_EQ(ScheduleDayMask(false, {true, false, false, false, false, false, true}), 1 + 64);
}

TEST(ScheduleRules, TheDevicesDaysTextsAreRead) {
    struct Case {
        const char* text;
        bool allWeek;
        ScheduleDays days;
    } const cases[] = {
        {"All Week", true, {true, true, true, true, true, true, true}},
        {"Mon,Wed,Fri", false, {false, true, false, true, false, true, false}},
        {"Sun", false, {true, false, false, false, false, false, false}},
        {"Sat Sun", false, {true, false, false, false, false, false, true}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedScheduleDays parsed = ParseScheduleDays(c.text);
        EXPECT_EQ(parsed.allWeek, c.allWeek);
        EXPECT_EQ(parsed.days, c.days);
    }
}

TEST(ScheduleRules, TheDevicesTimeFramesAreRead) {
    struct Case {
        const char* text;
        bool allDay;
        ScheduleTimes times;
    } const cases[] = {
        {"All Day(s)", true, {}},
        {"9:00-17:30", false, {"9", "00", "17", "30"}},
        {"22:00-6:00", false, {"22", "00", "6", "00"}},
        {"08:15-09:45", false, {"08", "15", "09", "45"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedTimeFrame parsed = ParseScheduleTimeFrame(c.text);
        EXPECT_EQ(parsed.allDay, c.allDay);
        EXPECT_EQ(parsed.times.startHour, c.times.startHour);
        EXPECT_EQ(parsed.times.startMinute, c.times.startMinute);
        EXPECT_EQ(parsed.times.endHour, c.times.endHour);
        EXPECT_EQ(parsed.times.endMinute, c.times.endMinute);
    }
}

TEST(ScheduleRules, OneRulePerSsidCountsNamedRowsOnly) {
    const std::vector<ListedRule> rules = {{"1", "office", 2}, {"2", "night", 5}, {"3", "", 0}, {"4", "", 0}};
    EXPECT_TRUE(SsidIndexTaken(rules, 2, ""));
    EXPECT_TRUE(SsidIndexTaken(rules, 5, ""));
    EXPECT_FALSE(SsidIndexTaken(rules, 0, "")) << "free rows read index 0 and block nothing";
    EXPECT_FALSE(SsidIndexTaken(rules, 2, "1")) << "a changed rule keeps its own SSID";
    EXPECT_TRUE(SsidIndexTaken(rules, 5, "1")) << "but cannot take another rule's";
}

TEST(ScheduleRules, SsidIndexTextsAndNumbers) {
    EXPECT_EQ(ScheduleSsidIndexText(0), "Primary SSID");
    EXPECT_EQ(ScheduleSsidIndexText(7), "SSID7");
    EXPECT_EQ(ScheduleSsidIndexText(8), "");
    EXPECT_EQ(ScheduleNumber("3", -1), 3);
    EXPECT_EQ(ScheduleNumber("", -1), -1);
    EXPECT_EQ(ScheduleNumber("x", 0), 0);
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_FALSE(IsAllDigits("1 "));
}

}  // namespace
