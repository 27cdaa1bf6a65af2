#pragma once
// The Performance page's own tables and option lists, plain data without Qt.
// The security, AP mode, band and wireless-mode tables it also reads are the
// shared ones (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11TransmitPower;  // 1 "100%", 2 "50%", 3 "25%", 4 "12.5%"
extern const VkOptionList OptDot11Wmm;            // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11ShortGI;        // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11Igmpsnooping;   // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11RadioWave;      // 0 "Off", 1 "On"
extern const VkOptionList OptDot11LoadBalance;    // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11LinkIntegrate;  // 0 "Disable", 1 "Enable"

// Kind 1; the rows are not in column order. The data-rate and multicast
// lists are read-only; the fragment and RTS lengths are read but bound to no
// control, so the page never writes them.
namespace PerformanceRadioRow {
enum : int {
    BeaconInterval,
    Dtim,
    TransmitPower,
    Wmm,
    ShortGi,
    IgmpSnooping,
    RadioWave,
    DataRate,
    LoadBalance,
    UserLimit,
    LinkIntegrate,
    AckTimeout,
    DataRateList24,
    DataRateList5,
    MulticastListA,
    MulticastListG,
    MulticastRateA,
    MulticastRateG,
    FragmentLength,
    RtsLength,
    Count
};
}
extern const VkSNMPVarEntry VarsPerformanceRadio[VkTableLength(PerformanceRadioRow::Count)];

// Kind 1: the multicast rate lists (read-only) and the rate per band.
namespace PerformanceMulticastRow {
enum : int { ListA, ListG, RateA, RateG, Count };
}
extern const VkSNMPVarEntry VarsPerformanceMulticastRate[VkTableLength(PerformanceMulticastRow::Count)];

// Kind 1: dot11ChannelWidth, read only by this page.
extern VkOneVariableTable VarsPerformanceChannelWidth;
