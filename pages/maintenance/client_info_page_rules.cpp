#include "pages/maintenance/client_info_page_rules.h"

#include "pages/common/same_value.h"

namespace {

constexpr char kFreeRowMac[] = "000000000000";

}  // namespace

std::vector<StationRow> ClientListRows(const std::vector<WalkedStation>& walked) {
    std::vector<StationRow> shown;
    for (const WalkedStation& station : walked) {
        if (SameMacAddress(station.mac, kFreeRowMac)) continue;
        shown.push_back({std::to_string(shown.size() + 1), station.ssid, station.mac, station.band,
                         station.authentication, station.signal, PowerSavingText(station.powerSaving)});
    }
    return shown;
}

std::string PowerSavingText(const std::string& value) {
    if (value == "1") return "On";
    if (value == "0") return "Off";
    return value;
}

std::string ClientBandText(int bandPosition) {
    if (bandPosition < 0) return "";
    return bandPosition == 0 ? "2.4GHZ" : "5GHZ";
}
