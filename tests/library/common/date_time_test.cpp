#include "library/common/date_time.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

struct Fields {
    unsigned year, month, day, hour, minute, second, deciSecond;
    char utcSign;
    unsigned utcHours, utcMinutes;
};

Fields FieldsOf(const VkDateTime& value) {
    return {value.year,   value.month,      value.day,     value.hour,     value.minute,
            value.second, value.deciSecond, value.utcSign, value.utcHours, value.utcMinutes};
}

bool operator==(const Fields& a, const Fields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.deciSecond == b.deciSecond &&
           a.utcSign == b.utcSign && a.utcHours == b.utcHours && a.utcMinutes == b.utcMinutes;
}

std::ostream& operator<<(std::ostream& out, const Fields& f) {
    return out << f.year << "-" << f.month << "-" << f.day << "," << f.hour << ":" << f.minute
               << ":" << f.second << "." << f.deciSecond << "," << f.utcSign << f.utcHours << ":"
               << f.utcMinutes;
}

const Fields kNoDate = {0, 0, 0, 0, 0, 0, 0, '+', 0, 0};

}  // namespace

TEST(VkDateTime, IsExactlyTheElevenOctetsInOrder) {
    VkDateTime value("2004-5-26,13:30:15.7,-5:30");
    value.SwapYearBytes();
    EXPECT_EQ(value.Octets(), std::string("\x07\xD4\x05\x1A\x0D\x1E\x0F\x07-\x05\x1E", 11));
}

TEST(VkDateTime, ParsesTheThreeTextFormsAndPrintsThemBack) {
    struct Case { const char* text; Fields fields; const char* printed; };
    const Case cases[] = {
        {"2004-5-26,13:30:15.0,+8:0", {2004, 5, 26, 13, 30, 15, 0, '+', 8, 0}, "2004-5-26,13:30:15.0,+8:0"},
        {"2004-5-26,13:30:15.0,-5:30", {2004, 5, 26, 13, 30, 15, 0, '-', 5, 30}, "2004-5-26,13:30:15.0,-5:30"},
        {"2004-5-26,13:30:15.0,-0:30", {2004, 5, 26, 13, 30, 15, 0, '-', 0, 30}, "2004-5-26,13:30:15.0,-0:30"},
        {"2004-5-26,13:30:15.0,+0:0", {2004, 5, 26, 13, 30, 15, 0, '+', 0, 0}, "2004-5-26,13:30:15.0"},
        {"2004-5-26,13:30:15.0,-0:0", {2004, 5, 26, 13, 30, 15, 0, '-', 0, 0}, "2004-5-26,13:30:15.0"},
        {"2004-5-26,13:30:15.0", {2004, 5, 26, 13, 30, 15, 0, '+', 0, 0}, "2004-5-26,13:30:15.0"},
        {"2004-05-06,09:05:07.3", {2004, 5, 6, 9, 5, 7, 3, '+', 0, 0}, "2004-5-6,9:5:7.3"},
        {" 2004- 5-26, 13:30:15.0\r\n", {2004, 5, 26, 13, 30, 15, 0, '+', 0, 0}, "2004-5-26,13:30:15.0"},
        // Numbers keep the low bits of their field's width; no range is checked.
        {"70000-300-1,25:61:99.10", {4464, 44, 1, 25, 61, 99, 10, '+', 0, 0}, "4464-44-1,25:61:99.10"},
        {"-1-5-26,0:0:0.0,+-1:0", {65535, 5, 26, 0, 0, 0, 0, '+', 255, 0}, "65535-5-26,0:0:0.0,+255:0"},
    };
    for (const Case& c : cases) {
        VkDateTime value(c.text);
        EXPECT_EQ(FieldsOf(value), c.fields) << c.text;
        EXPECT_EQ(value.ToString(), c.printed) << c.text;
    }
}

TEST(VkDateTime, TextsThatMatchNoFormInFullGiveNoDate) {
    const char* const texts[] = {
        "",
        "2004-5-26",
        "2004-5-26,13:30:15",
        "2004-5-26,13:30:15.0,+8",      // a zone without minutes is not dropped silently
        "2004-5-26,13:30:15.0,8:0",
        "2004-5-26,13:30:15.0,*8:0",
        "2004-5-26,13:30:15.0,+8:0x",   // trailing text
        "2004-5-26,13:30:15.0,+8:0,1",
        "2004/5/26 13:30:15.0",
    };
    for (const char* text : texts)
        EXPECT_EQ(FieldsOf(VkDateTime(std::string(text))), kNoDate) << text;
    // The text is its bytes, a zero byte included: it does not end the text.
    EXPECT_EQ(FieldsOf(VkDateTime(std::string("2004-5-26,13:30:15.0\0,+8:0", 26))), kNoDate);
}

TEST(VkDateTime, PrintsNoZoneForASignOtherThanPlusOrMinus) {
    VkDateTime value("2004-5-26,13:30:15.0,+8:0");
    value.utcSign = 'x';
    EXPECT_EQ(value.ToString(), "2004-5-26,13:30:15.0");
}

TEST(VkDateTime, SwapYearBytesConvertsBetweenHostAndNetworkOrder) {
    VkDateTime value("2004-5-26,13:30:15.0");
    value.SwapYearBytes();
    EXPECT_EQ(value.Octets().substr(0, 2), "\x07\xD4");
    value.SwapYearBytes();
    EXPECT_EQ(value.year, 2004);
}

TEST(VkDateTime, TakesItsOctetsFromTheWire) {
    struct Case { std::string octets; const char* printed; };
    const Case cases[] = {
        {std::string("\x07\xD4\x05\x1A\x0D\x1E\x0F\x00+\x08\x00", 11), "2004-5-26,13:30:15.0,+8:0"},
        {std::string("\x07\xD4\x05\x1A\x0D\x1E\x0F\x00-\x05\x1E" "extra", 16), "2004-5-26,13:30:15.0,-5:30"},
        {std::string("\x07\xD4\x05\x1A\x0D\x1E\x0F\x09", 8), "2004-5-26,13:30:15.9"},  // no zone octets
        {std::string("\x07\xD4\x05", 3), "2004-5-0,0:0:0.0"},
        {std::string(), "0-0-0,0:0:0.0"},
    };
    for (const Case& c : cases) {
        VkDateTime value("1999-1-1,1:1:1.1,-1:1");
        value.AssignOctets(c.octets);
        value.SwapYearBytes();
        EXPECT_EQ(value.ToString(), c.printed) << c.printed;
    }
}

TEST(VkDateTime, AssignCopiesAllElevenOctets) {
    VkDateTime source("2004-5-26,13:30:15.7,-5:30");
    VkDateTime target("1999-1-1,1:1:1.1");
    EXPECT_EQ(&target.Assign(source), &target);
    EXPECT_EQ(target.Octets(), source.Octets());
}

TEST(VkDateTime, DefaultIsTheCurrentLocalTimeToTheSecond) {
    // Reading the clock on both sides makes the check safe at a second's edge.
    auto localFields = [](std::time_t t) {
        std::tm local = {};
        localtime_r(&t, &local);
        return Fields{unsigned(local.tm_year + 1900), unsigned(local.tm_mon + 1),
                      unsigned(local.tm_mday),        unsigned(local.tm_hour),
                      unsigned(local.tm_min),         unsigned(local.tm_sec),
                      0, '+', 0, 0};
    };
    std::time_t before = std::time(nullptr);
    Fields now = FieldsOf(VkDateTime());
    std::time_t after = std::time(nullptr);
    EXPECT_TRUE(now == localFields(before) || now == localFields(after)) << now;
}
