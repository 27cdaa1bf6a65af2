#include "pages/wireless/performance_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kTransmitPower[] = {{1, "100%"}, {2, "50%"}, {3, "25%"}, {4, "12.5%"}, {}};
constexpr VkOptionEntry kRadioWave[] = {{0, "Off"}, {1, "On"}, {}};

}  // namespace

const VkOptionList OptDot11TransmitPower = MakeMibOptionList(kTransmitPower);
const VkOptionList OptDot11Wmm = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11ShortGI = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11Igmpsnooping = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11RadioWave = MakeMibOptionList(kRadioWave);
const VkOptionList OptDot11LoadBalance = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11LinkIntegrate = MakeMibOptionList(kSwitchDisableEnable);

constexpr VkSNMPVarEntry VarsPerformanceRadio[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.17.1"), "dot11BeaconInterval", integer, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.18.1"), "dot11Dtim", integer, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.21.1"), "dot11TransmitPower", integer, readwrite, &OptDot11TransmitPower},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.25.1"), "dot11Wmm", integer, readwrite, &OptDot11Wmm},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.32.1"), "dot11ShortGI", integer, readwrite, &OptDot11ShortGI},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.33.1"), "dot11Igmpsnooping", integer, readwrite, &OptDot11Igmpsnooping},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.23.1"), "dot11RadioWave", integer, readwrite, &OptDot11RadioWave},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.11.1"), "dot11DataRate", displaystr, readwrite, nullptr},
    {VAP_MIB_OID(".3.2.1.1.1.1"), "dot11LoadBalance", integer, readwrite, &OptDot11LoadBalance},
    {VAP_MIB_OID(".3.2.1.1.2.1"), "dot11UserLimit", integer, readwrite, nullptr},
    {VAP_MIB_OID(".3.2.1.1.3.1"), "dot11LinkIntegrate", integer, readwrite, &OptDot11LinkIntegrate},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.31.1"), "dot11AckTimeout", integer, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.30.1"), "dot11Band2dot4GHzDataRateList", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.35.1"), "dot11Band5GHzDataRateList", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.42.1"), "dot11MulticastRateABandList", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.43.1"), "dot11MulticastRateGBandList", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.44.1"), "dot11MulticastRateABand", displaystr, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.45.1"), "dot11MulticastRateGBand", displaystr, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.19.1"), "dot11FragmentLength", integer, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.20.1"), "dot11RtsLength", integer, readwrite, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsPerformanceMulticastRate[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.42.1"), "dot11MulticastRateABandList", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.43.1"), "dot11MulticastRateGBandList", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.44.1"), "dot11MulticastRateABand", displaystr, readwrite, nullptr},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.45.1"), "dot11MulticastRateGBand", displaystr, readwrite, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsPerformanceChannelWidth[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.29.1"), "dot11ChannelWidth", integer, readwrite, &OptDot11ChannelWidth},
    {},
};

static_assert(VkTablesComplete(VarsPerformanceRadio, VarsPerformanceMulticastRate, VarsPerformanceChannelWidth));
