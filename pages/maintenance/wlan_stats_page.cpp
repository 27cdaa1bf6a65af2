#include "pages/maintenance/wlan_stats_page.h"

#include "pages/common/page_groups.h"
#include "pages/maintenance/stats_page_vars.h"

TFM_StatWLAN* FM_StatWLAN = nullptr;

namespace {

// The labels keep the device's original spellings.
const StatsPageSpec kWlanPage{
    "FM_StatWLAN",
    "Status \\ Stats \\ WLAN ",
    VarsWlanStatsCounters,
    {
        {"Transmitted Packet Count", "Ed_TranPCount"},
        {"Trasmitted Bytes Count", "Edt_TransBCount"},
        {"Dropped Packet Count", "Edt_DropPCount"},
        {"Transmition Retry Count", "Ed_TranReCount"},
        {"Received Packet Count ", "Edt_RecPacCount"},
        {"Received Bytes Count ", "Edt_RecByCount"},
        {"Dropped Packet Count", "Edt_DropPacCount"},
        {"Received CRC Count", "Edt_RecCRCCount"},
        {"Received Decryption Error Count", "Edt_RecDecErrCount"},
        {"Received MIC Error Count", "Edt_RecMICErrCount"},
        {"Received PHY Error Count", "Edt_RecPHYErrCount"},
    },
    WlanCounterRow::RxPackets,
    "Transmitted Count ",
    "Received Count",
    VarsWlanStatsClear,
    &OptDot11Clear,
    Seconds(100),
    "Wlan Info Get OK!",
    "Wlan Info Get Error!",
    "Wlan Info Refresh...",
    "Refresh Wlan Info OK!",
    "Refresh Wlan Info Error!",
    nullptr,
    "Clear Wlan Info OK!",
};

}  // namespace

TFM_StatWLAN::TFM_StatWLAN(ui::Component* owner) : TStatsPage(owner, kWlanPage) {}
