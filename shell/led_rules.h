#pragma once
// The rules that colour the main window's four status lamps while the device
// answers, and the dark state after a failed probe. Kept apart from the
// window so that the rules can be checked as a table.

#include "platform/ui/color.h"

// Lamp colours: plain green and black.
inline constexpr ui::Color kLedGreen = 0x00FF00u;
inline constexpr ui::Color kLedBlack = 0x000000u;

struct LedLamp {
    ui::Color color = kLedBlack;
    bool visible = true;
};

struct LedLamps {
    LedLamp power;
    LedLamp apStatus;
    LedLamp radio24;
    LedLamp radio5;
};

// What the poll has learnt: the item indexes of the three LED-mode combo
// boxes (0 "disable", 1 "blinking", -1 nothing read) and whether the LAN
// address edit holds a text.
struct LedModes {
    int radio24 = -1;
    int radio5 = -1;
    int lan = -1;
    bool addressKnown = false;
};

// One blink step while the device answers: the power lamp steady green; the
// AP-status lamp green with LAN mode 1, dark and hidden with 0, unchanged
// otherwise; each radio lamp toggles between black and green with mode 1 and
// is dark and hidden otherwise; without a known address the radio and
// AP-status lamps are dark and hidden.
void ApplyLedRules(const LedModes& modes, LedLamps& lamps);

// After a failed probe: every lamp black and visible.
void DarkenLeds(LedLamps& lamps);
