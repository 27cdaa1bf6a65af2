#include "shell/led_rules.h"

#include <initializer_list>

namespace {

void Set(LedLamp& lamp, ui::Color color, bool visible) {
    lamp.color = color;
    lamp.visible = visible;
}

void ApplyRadioRule(int mode, LedLamp& lamp) {
    if (mode == 1)
        Set(lamp, lamp.color == kLedBlack ? kLedGreen : kLedBlack, true);
    else
        Set(lamp, kLedBlack, false);
}

}  // namespace

void ApplyLedRules(const LedModes& modes, LedLamps& lamps) {
    Set(lamps.power, kLedGreen, true);
    lamps.apStatus.visible = true;
    if (modes.lan == 1) Set(lamps.apStatus, kLedGreen, true);
    if (modes.lan == 0) Set(lamps.apStatus, kLedBlack, false);
    ApplyRadioRule(modes.radio24, lamps.radio24);
    ApplyRadioRule(modes.radio5, lamps.radio5);
    if (!modes.addressKnown) {
        Set(lamps.radio24, kLedBlack, false);
        Set(lamps.radio5, kLedBlack, false);
        Set(lamps.apStatus, kLedBlack, false);
    }
}

void DarkenLeds(LedLamps& lamps) {
    for (LedLamp* lamp : {&lamps.power, &lamps.apStatus, &lamps.radio24, &lamps.radio5})
        Set(*lamp, kLedBlack, true);
}
