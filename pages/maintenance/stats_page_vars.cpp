#include "pages/maintenance/stats_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kClear[] = {{0, "nothing"}, {1, "clear"}, {}};

}  // namespace

const VkOptionList OptDot11Clear = MakeMibOptionList(kClear);
const VkOptionList OptDot3Clear = MakeMibOptionList(kClear);

constexpr VkSNMPVarEntry VarsWlanStatsCounters[] = {
    {VAP_MIB_OID(".5.2.2.1.1.1.19.1"), "dot11TransmittedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.20.1"), "dot11TransmittedBytesCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.21.1"), "dot11TransmittedDroppedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.22.1"), "dot11TransmittedRetryCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.23.1"), "dot11ReceivedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.24.1"), "dot11ReceivedBytesCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.25.1"), "dot11ReceivedDroppedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.26.1"), "dot11ReceivedCRCCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.27.1"), "dot11ReceivedDecryptionErrorCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.28.1"), "dot11ReceivedMICErrorCount", integer, readonly},
    {VAP_MIB_OID(".5.2.2.1.1.1.29.1"), "dot11ReceivedPHYErrorCount", integer, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWlanStatsClear[] = {
    {VAP_MIB_OID(".5.2.2.1.1.1.30.1"), "dot11Clear", integer, readwrite, &OptDot11Clear},
    {},
};

constexpr VkSNMPVarEntry VarsEthernetStatsCounters[] = {
    {VAP_MIB_OID(".5.2.1.1.1.1.1.1"), "dot3TransmittedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.1.1.1.1.2.1"), "dot3TransmittedBytesCount", integer, readonly},
    {VAP_MIB_OID(".5.2.1.1.1.1.3.1"), "dot3TransmittedDroppedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.1.1.1.1.4.1"), "dot3ReceivedPacketCount", integer, readonly},
    {VAP_MIB_OID(".5.2.1.1.1.1.5.1"), "dot3ReceivedBytesCount", integer, readonly},
    {VAP_MIB_OID(".5.2.1.1.1.1.6.1"), "dot3ReceivedDroppedPacketCount", integer, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsEthernetStatsClear[] = {
    {VAP_MIB_OID(".5.2.1.1.1.1.16.1"), "dot3Clear", integer, readwrite, &OptDot3Clear},
    {},
};

static_assert(VkTablesComplete(VarsWlanStatsCounters, VarsWlanStatsClear, VarsEthernetStatsCounters,
                               VarsEthernetStatsClear));
