// The main window's lamp rules and probe status line, as tables.

#include <gtest/gtest.h>

#include <string>

#include "shell/led_rules.h"
#include "shell/probe_status_text.h"

namespace {

constexpr LedLamp kGreenShown{kLedGreen, true};
constexpr LedLamp kBlackShown{kLedBlack, true};
constexpr LedLamp kDarkHidden{kLedBlack, false};

struct LedCase {
    const char* what;
    LedModes modes;
    LedLamps before;
    LedLamps after;
};

void ExpectLamp(const LedLamp& actual, const LedLamp& expected, const char* lamp, const char* what) {
    EXPECT_EQ(actual.color, expected.color) << what << ": " << lamp;
    EXPECT_EQ(actual.visible, expected.visible) << what << ": " << lamp;
}

}  // namespace

TEST(LedRules, OneBlinkStepFollowsTheModesAndTheAddress) {
    const LedLamps allBlack{kBlackShown, kBlackShown, kBlackShown, kBlackShown};
    const LedLamps allGreen{kGreenShown, kGreenShown, kGreenShown, kGreenShown};
    const LedLamp otherColour{0x123456u, false};
    const LedCase cases[] = {
        {"all blinking from black", {1, 1, 1, true}, allBlack,
         {kGreenShown, kGreenShown, kGreenShown, kGreenShown}},
        {"all blinking from green: the radios toggle", {1, 1, 1, true}, allGreen,
         {kGreenShown, kGreenShown, kBlackShown, kBlackShown}},
        {"LAN mode 0 hides the AP lamp", {1, 1, 0, true}, allGreen,
         {kGreenShown, kDarkHidden, kBlackShown, kBlackShown}},
        {"LAN mode unknown keeps the AP colour, shown", {1, 1, -1, true},
         {kBlackShown, otherColour, kBlackShown, kBlackShown},
         {kGreenShown, {0x123456u, true}, kGreenShown, kGreenShown}},
        {"radio modes 0 hide the radio lamps", {0, 0, 1, true}, allGreen,
         {kGreenShown, kGreenShown, kDarkHidden, kDarkHidden}},
        {"a radio lamp of another colour turns black", {1, 1, 1, true},
         {kBlackShown, kBlackShown, otherColour, otherColour},
         {kGreenShown, kGreenShown, kBlackShown, kBlackShown}},
        {"no address darkens all but power", {1, 1, 1, false}, allBlack,
         {kGreenShown, kDarkHidden, kDarkHidden, kDarkHidden}},
    };
    for (const LedCase& c : cases) {
        LedLamps lamps = c.before;
        ApplyLedRules(c.modes, lamps);
        ExpectLamp(lamps.power, c.after.power, "power", c.what);
        ExpectLamp(lamps.apStatus, c.after.apStatus, "AP status", c.what);
        ExpectLamp(lamps.radio24, c.after.radio24, "2.4 GHz", c.what);
        ExpectLamp(lamps.radio5, c.after.radio5, "5 GHz", c.what);
    }
}

TEST(LedRules, AFailedProbeShowsEveryLampBlack) {
    LedLamps lamps{kGreenShown, kDarkHidden, kGreenShown, kDarkHidden};
    DarkenLeds(lamps);
    for (const LedLamp* lamp : {&lamps.power, &lamps.apStatus, &lamps.radio24, &lamps.radio5})
        ExpectLamp(*lamp, kBlackShown, "lamp", "after a failed probe");
}

TEST(ProbeStatusText, CutsFromAfterTheErrorThroughTheVarListAndFillsIn) {
    struct Case {
        const char* templateText;
        const char* expected;
    } const cases[] = {
        {"Get: [ERROR] Request:[VARLIST]. Receive at [TIME].", "Get: OK. Receive at 01:02:03 PM."},
        // No [VARLIST]: with [ERROR] from position 2 on nothing is cut.
        {"Get: [ERROR] at [TIME]", "Get: OK at 01:02:03 PM"},
        // [ERROR] at position 1 without [VARLIST]: one character goes.
        {"[ERROR]xy [TIME]", "OKy 01:02:03 PM"},
        // [VARLIST] before [ERROR]: nothing is cut.
        {"[VARLIST] [ERROR]", "[VARLIST] OK"},
        // [ERROR] alone: the cut would start beyond the text.
        {"[ERROR]", "OK"},
        // No [ERROR]: nothing is cut.
        {"no placeholders", "no placeholders"},
        {"Status [VARLIST] at [TIME]", "Status [VARLIST] at 01:02:03 PM"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProbeStatusText(c.templateText, "OK", "01:02:03 PM"), c.expected) << c.templateText;
}
