#include "shell/main_window_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kNothingApply[] = {{0, "nothing"}, {1, "apply"}, {}};
constexpr VkOptionEntry kLedModes[] = {{0, "disable"}, {1, "blinking"}, {}};

}  // namespace

const VkOptionList OptMainDeviceSettingApply = MakeMibOptionList(kNothingApply);
const VkOptionList OptMainDeviceSettingDiscard = MakeMibOptionList(kNothingApply);
const VkOptionList OptWirelessLed2dot4G = MakeMibOptionList(kLedModes);
const VkOptionList OptWirelessLed5G = MakeMibOptionList(kLedModes);
const VkOptionList OptLanLED = MakeMibOptionList(kLedModes);

// Constant data, like the shared tables.
constexpr VkSNMPVarEntry VarsMainSysDescr[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsMainDeviceCommands[] = {
    {VAP_MIB_OID(".4.2.3"), "deviceSettingApply", integer, readwrite, &OptMainDeviceSettingApply},
    {VAP_MIB_OID(".4.2.4"), "deviceSettingDiscard", integer, readwrite, &OptMainDeviceSettingDiscard},
    {VAP_MIB_OID(".4.2.1"), "deviceRestart", integer, readwrite, &OptDeviceRestart},
    {},
};

constexpr VkSNMPVarEntry VarsMainLeds[] = {
    {VAP_MIB_OID(".5.1.2.1.1.6.1"), "wirelessLed2dot4G", integer, readonly, &OptWirelessLed2dot4G},
    {VAP_MIB_OID(".5.1.2.1.1.7.1"), "wirelessLed5G", integer, readonly, &OptWirelessLed5G},
    {VAP_MIB_OID(".5.1.2.1.1.14.1"), "lanLED", integer, readonly, &OptLanLED},
    {},
};

static_assert(VkTablesComplete(VarsMainSysDescr, VarsMainDeviceCommands, VarsMainLeds));
