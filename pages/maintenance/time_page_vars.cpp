#include "pages/maintenance/time_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kMonths[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"}, {6, "Jun"},
    {7, "Jul"}, {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"},
    {},
};
constexpr VkOptionEntry kWeeks[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {5, "5th"}, {}};
constexpr VkOptionEntry kDaysOfWeek[] = {{0, "sun"}, {1, "mon"}, {2, "tue"}, {3, "wed"},
                                         {4, "thu"}, {5, "fri"}, {6, "sat"}, {}};
constexpr VkOptionEntry kHours[] = {
    {0, "12am"}, {1, "1am"}, {2, "2am"}, {3, "3am"}, {4, "4am"}, {5, "5am"},
    {6, "6am"}, {7, "7am"}, {8, "8am"}, {9, "9am"}, {10, "10am"}, {11, "11am"},
    {12, "12pm"}, {13, "1pm"}, {14, "2pm"}, {15, "3pm"}, {16, "4pm"}, {17, "5pm"},
    {18, "6pm"}, {19, "7pm"}, {20, "8pm"}, {21, "9pm"}, {22, "10pm"}, {23, "11pm"},
    {},
};
constexpr VkOptionEntry kOffsets[] = {{0, "-2:00"}, {1, "-1:30"}, {2, "-1:00"}, {3, "-0:30"},
                                      {4, "+0:30"}, {5, "+1:00"}, {6, "+1:30"}, {7, "+2:00"}, {}};
constexpr VkOptionEntry kTimeZones[] = {
    {1, "(GMT-12:00) International Date Line West"},
    {2, "(GMT-11:00) Midway Island, Samoa"},
    {3, "(GMT-10:00) Hawaii"},
    {4, "(GMT-09:00) Alaska"},
    {5, "(GMT-08:00) Pacific Time (US & Canada); Tijuana"},
    {6, "(GMT-07:00) Arizona"},
    {7, "(GMT-07:00) Chihuahua, La Paz, Mazatlan"},
    {8, "(GMT-07:00) Mountain Time (US & Canada)"},
    {9, "(GMT-06:00) Central America"},
    {10, "(GMT-06:00) Central Time (US & Canada)"},
    {11, "(GMT-06:00) Guadalajara, Mexico City, Monterrey"},
    {12, "(GMT-06:00) Saskatchewan"},
    {13, "(GMT-05:00) Bogota, Lima, Quito"},
    {14, "(GMT-05:00) Eastern Time (US & Canada)"},
    {15, "(GMT-05:00) Indiana (East)"},
    {16, "(GMT-04:00) Atlantic Time (Canada)"},
    {17, "(GMT-04:00) Caracas, La Paz"},
    {18, "(GMT-04:00) Santiago"},
    {19, "(GMT-03:30) Newfoundland"},
    {20, "(GMT-03:00) Brasilia"},
    {21, "(GMT-03:00) Buenos Aires, Georgetown"},
    {22, "(GMT-03:00) Greenland"},
    {23, "(GMT-02:00) Mid-Atlantic"},
    {24, "(GMT-01:00) Azores"},
    {25, "(GMT-01:00) Cape Verde Is."},
    {26, "(GMT) Casablanca, Monrovia"},
    {27, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"},
    {28, "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna"},
    {29, "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague"},
    {30, "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris"},
    {31, "(GMT+01:00) Sarajevo, Skopje, Warsaw, Zagreb"},
    {32, "(GMT+01:00) West Central Africa"},
    {33, "(GMT+02:00) Athens, Istanbul, Minsk"},
    {34, "(GMT+02:00) Bucharest"},
    {35, "(GMT+02:00) Cairo"},
    {36, "(GMT+02:00) Harare, Pretoria"},
    {37, "(GMT+02:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius"},
    {38, "(GMT+02:00) Jerusalem"},
    {39, "(GMT+03:00) Baghdad"},
    {40, "(GMT+03:00) Kuwait, Riyadh"},
    {41, "(GMT+03:00) Moscow, St. Petersburg, Volgograd"},
    {42, "(GMT+03:00) Nairobi"},
    {43, "(GMT+03:30) Tehran"},
    {44, "(GMT+04:00) Abu Dhabi, Muscat"},
    {45, "(GMT+04:00) Baku, Tbilisi, Yerevan"},
    {46, "(GMT+04:30) Kabul"},
    {47, "(GMT+05:00) Ekaterinburg"},
    {48, "(GMT+05:00) Islamabad, Karachi, Tashkent"},
    {49, "(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi"},
    {50, "(GMT+05:45) Kathmandu"},
    {51, "(GMT+06:00) Almaty, Novosibirsk"},
    {52, "(GMT+06:00) Astana, Dhaka"},
    {53, "(GMT+06:00) Sri Jayawardenepura"},
    {54, "(GMT+06:30) Rangoon"},
    {55, "(GMT+07:00) Bangkok, Hanoi, Jakarta"},
    {56, "(GMT+07:00) Krasnoyarsk"},
    {57, "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi"},
    {58, "(GMT+08:00) Irkutsk, Ulaan Bataar"},
    {59, "(GMT+08:00) Kuala Lumpur, Singapore"},
    {60, "(GMT+08:00) Perth"},
    {61, "(GMT+08:00) Taipei"},
    {62, "(GMT+09:00) Osaka, Sapporo, Tokyo"},
    {63, "(GMT+09:00) Seoul"},
    {64, "(GMT+09:00) Yakutsk"},
    {65, "(GMT+09:30) Adelaide"},
    {66, "(GMT+09:30) Darwin"},
    {67, "(GMT+10:00) Brisbane"},
    {68, "(GMT+10:00) Canberra, Melbourne, Sydney"},
    {69, "(GMT+10:00) Guam, Port Moresby"},
    {70, "(GMT+10:00) Hobart"},
    {71, "(GMT+10:00) Vladivostok"},
    {72, "(GMT+11:00) Magadan, Solomon Is., New Caledonia"},
    {73, "(GMT+12:00) Auckland, Wellington"},
    {74, "(GMT+12:00) Fiji, Kamchatka, Marshall Is."},
    {75, "(GMT+13:00) Nuku'alofa"},
    {},
};
static_assert(sizeof(kTimeZones) / sizeof(kTimeZones[0]) == kTimeZoneCount + 1);

}  // namespace

const VkOptionList OptSntpStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptSntpDayLightSaving = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptSntpDstStartMonth = MakeMibOptionList(kMonths);
const VkOptionList OptSntpDstEndMonth = MakeMibOptionList(kMonths);
const VkOptionList OptSntpDstStartWeek = MakeMibOptionList(kWeeks);
const VkOptionList OptSntpDstEndWeek = MakeMibOptionList(kWeeks);
const VkOptionList OptSntpDstStartDayOfWeek = MakeMibOptionList(kDaysOfWeek);
const VkOptionList OptSntpDstEndDayOfWeek = MakeMibOptionList(kDaysOfWeek);
const VkOptionList OptSntpDstStartCurrentTime = MakeMibOptionList(kHours);
const VkOptionList OptSntpDstEndCurrentTime = MakeMibOptionList(kHours);
const VkOptionList OptSntpDayLightSavingOffset = MakeMibOptionList(kOffsets);
const VkOptionList OptSntpTimeZoneIndex = MakeMibOptionList(kTimeZones);

#define VAP_SNTP_OID(object) VAP_MIB_OID(".4.8." object)

constexpr VkSNMPVarEntry VarsTimeSntp[] = {
    {VAP_SNTP_OID("1"), "sntpServerIpAddress", ipaddress, readwrite},
    {VAP_SNTP_OID("2"), "sntpTimeZoneIndex", integer, readwrite, &OptSntpTimeZoneIndex},
    {VAP_SNTP_OID("3"), "sntpDayLightSaving", integer, readwrite, &OptSntpDayLightSaving},
    {VAP_SNTP_OID("7"), "sntpTimeofDay", displaystr, readonly},
    {VAP_SNTP_OID("5"), "sntpStatus", integer, readwrite, &OptSntpStatus},
    {VAP_SNTP_OID("8"), "sntpDstStartMonth", integer, readwrite, &OptSntpDstStartMonth},
    {VAP_SNTP_OID("9"), "sntpDstStartWeek", integer, readwrite, &OptSntpDstStartWeek},
    {VAP_SNTP_OID("10"), "sntpDstStartDayOfWeek", integer, readwrite, &OptSntpDstStartDayOfWeek},
    {VAP_SNTP_OID("11"), "sntpDstStartCurrentTime", integer, readwrite, &OptSntpDstStartCurrentTime},
    {VAP_SNTP_OID("12"), "sntpDstEndMonth", integer, readwrite, &OptSntpDstEndMonth},
    {VAP_SNTP_OID("13"), "sntpDstEndWeek", integer, readwrite, &OptSntpDstEndWeek},
    {VAP_SNTP_OID("14"), "sntpDstEndDayOfWeek", integer, readwrite, &OptSntpDstEndDayOfWeek},
    {VAP_SNTP_OID("15"), "sntpDstEndCurrentTime", integer, readwrite, &OptSntpDstEndCurrentTime},
    {VAP_SNTP_OID("16"), "sntpDayLightSavingOffset", integer, readonly, &OptSntpDayLightSavingOffset},
    {},
};

constexpr VkSNMPVarEntry VarsTimeManual[] = {
    {VAP_SNTP_OID("7"), "setTimeManually", displaystr, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsTimeSntp, VarsTimeManual));
