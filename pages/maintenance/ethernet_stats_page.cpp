#include "pages/maintenance/ethernet_stats_page.h"

#include "pages/common/page_groups.h"
#include "pages/maintenance/stats_page_vars.h"

TFM_Static* FM_Static = nullptr;

namespace {

// The labels keep the device's original spellings.
const StatsPageSpec kEthernetPage{
    "FM_Static",
    "Status \\ Stats \\ Ethernet",
    VarsEthernetStatsCounters,
    {
        {"Transmitted Packet Count", "Ed_TranPCount"},
        {"Trasmitted Bytes Count", "Edt_TransBCount"},
        {"Dropped Packet Count ", "Edt_DropPCount"},
        {"Received Packet Count ", "Edt_RecPacCount"},
        {"Received Bytes Count ", "Edt_RecByCount"},
        {"Dropped Packet Count", "Edt_DropPacCount"},
    },
    EthernetCounterRow::RxPackets,
    "Transmitted Count",
    "Recieved Count",
    VarsEthernetStatsClear,
    &OptDot3Clear,
    Seconds(10),
    "Ethernet Info Get OK!",
    "Ethernet Info Get Error!",
    nullptr,
    "Refresh Ethernet Info OK!",
    "Refresh Ethernet Info Error!",
    "Ethernet Info is Clearing!",
    "Clear Ethernet Info is OK!",
};

}  // namespace

TFM_Static::TFM_Static(ui::Component* owner) : TStatsPage(owner, kEthernetPage) {}
