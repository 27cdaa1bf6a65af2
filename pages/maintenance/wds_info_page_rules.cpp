#include "pages/maintenance/wds_info_page_rules.h"

#include "pages/common/same_value.h"

namespace {

constexpr char kFreeRowStatus[] = "empty";
constexpr char kNoMac[] = "000000000000";

std::string UnlessZero(const std::string& value, const std::string& suffix = "") {
    return value == "0" ? std::string() : value + suffix;
}

}  // namespace

std::vector<PeerRow> WdsListRows(const std::vector<WalkedPeer>& walked) {
    std::vector<PeerRow> shown;
    for (const WalkedPeer& peer : walked) {
        if (peer.status == kFreeRowStatus) continue;
        PeerRow row{peer.name, SameMacAddress(peer.mac, kNoMac) ? std::string() : peer.mac,
                    UnlessZero(peer.authentication), UnlessZero(peer.signal, "%")};
        if (peer.status == "on") row.push_back("On");
        else if (peer.status == "off") row.push_back("Off");
        shown.push_back(row);
    }
    return shown;
}
