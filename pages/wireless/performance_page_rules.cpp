#include "pages/wireless/performance_page_rules.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "library/common/text.h"
#include "pages/wireless/performance_page_vars.h"

const char* const kNOnlyModeText = "802.11n Only";

namespace {

// Authentication positions of the shared list.
constexpr int kOpenSystem = 0;
constexpr int kSharedKey = 1;
constexpr int kDot1x = 8;
constexpr int kEncryptionOn = 1;
constexpr int kTkip = 2;

const std::vector<std::string> kRates24Legacy = {"Best(up to 54)", "54", "48", "36", "24", "18", "12",
                                                 "9",              "6",  "11", "5.5", "2", "1"};
const std::vector<std::string> kRates24N = {"Best(up to 300)", "54", "48", "36", "24", "18", "12",
                                            "9",               "6",  "11", "5.5", "2", "1"};
const std::vector<std::string> kRates5Legacy = {"Best(up to 54)", "54", "48", "36", "24", "18", "12", "9", "6"};
const std::vector<std::string> kRates5N = {"Best(up to 300)", "54", "48", "36", "24", "18", "12", "9", "6"};

// The shortest decimal form of a number ("5.5", "54"); "" when the text is
// no number.
std::string ShortestNumber(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return "";
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end == nullptr || *end != '\0') return "";
    std::ostringstream out;
    out << value;
    return out.str();
}

bool InRange(const std::string& text, int low, int high) {
    int value = 0;
    if (!TryStrToInt(Trim(text), value)) value = 0;
    return value >= low && value <= high;
}

bool Filled(const std::string& text) { return !text.empty(); }

}  // namespace

bool LegacyByPosition(int authentication, int encryption, int cipher) {
    const bool openOrShared =
        authentication == kOpenSystem || authentication == kSharedKey || authentication < 0;
    return (openOrShared && encryption == kEncryptionOn) || cipher == kTkip || authentication == kDot1x;
}

bool LegacyByText(const std::string& authentication, const std::string& encryption, const std::string& cipher) {
    const bool openOrShared = authentication == "opensystem" || authentication == "sharedkey";
    return (openOrShared && encryption == "Enable") ||
           (authentication.find("wpa") != std::string::npos && cipher == "tkip") ||
           authentication.find("dot1x") != std::string::npos;
}

std::vector<std::string> DataRateItems(int band, bool nMode, bool legacyByPosition) {
    const bool legacyList = !nMode || legacyByPosition;
    if (band == kBand24) return legacyList ? kRates24Legacy : kRates24N;
    return legacyList ? kRates5Legacy : kRates5N;
}

int DataRateIndex(const std::vector<std::string>& items, const std::string& storedRate) {
    if (storedRate == "Auto" || storedRate == "Best(up to 300)" || storedRate == "Best(up to 54)") return 0;
    const std::string number = ShortestNumber(storedRate);
    if (number.empty()) return -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == number) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> MulticastRateItems(const std::string& deviceList, bool legacyByText, bool nMode,
                                            bool nOnly) {
    std::vector<std::string> items;
    std::istringstream tokens(deviceList);
    std::string token;
    bool pastLegacy = false;
    while (tokens >> token) {
        if (legacyByText || !nMode) {
            items.push_back(token);
            if (token == "54") {
                items.push_back("Disable");
                break;
            }
        } else if (nOnly) {
            if (pastLegacy) items.push_back(token);
            if (token == "54") pastLegacy = true;
        } else {
            items.push_back(token);
        }
    }
    return items;
}

PerformanceRefusal CheckPerformanceInput(const PerformanceInput& in) {
    if (in.apMode != kApWirelessClient) {
        if (!Filled(in.beacon) || !InRange(in.beacon, 25, 500))
            return {PerformanceField::Beacon, "Please input a number between 25 and 500."};
        if (!Filled(in.dtim) || !InRange(in.dtim, 1, 15))
            return {PerformanceField::Dtim, "Please input a number between 1 and 15."};
        if (!Filled(in.userLimit) || !InRange(in.userLimit, 0, 64))
            return {PerformanceField::UserLimit, "The range of 'User Limit' is from 0 to 64."};
    }
    if (in.band == kBand24) {
        if (!Filled(in.ackTimeout) || !InRange(in.ackTimeout, 64, 200))
            return {PerformanceField::AckTimeout, "The Ack TimeOut value range is 64~200."};
    } else if (in.band == kBand5) {
        // An empty edit counts as 0 and so is out of range too.
        if (!InRange(in.ackTimeout, 50, 200))
            return {PerformanceField::AckTimeout, "The Ack TimeOut value range is 50~200."};
    }
    return {};
}

PerformanceWrites PlanPerformanceWrites(const PerformancePlanInput& in) {
    using namespace PerformanceRadioRow;
    PerformanceWrites plan;
    switch (in.apMode) {
        case kApAccessPoint:
            plan.radio = {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, DataRate,
                          LoadBalance};
            if (in.userLimitOn) plan.radio.push_back(UserLimit);
            break;
        case kApWdsWithAp:
        case kApWds:
            plan.radio = {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, DataRate};
            break;
        default:
            plan.radio = {TransmitPower, Wmm, ShortGi, RadioWave};
            break;
    }
    const auto leaveOut = [&plan](int row) {
        plan.radio.erase(std::remove(plan.radio.begin(), plan.radio.end(), row), plan.radio.end());
    };
    if (!in.writeShortGi) leaveOut(ShortGi);
    if (!in.writeDataRate) leaveOut(DataRate);
    plan.radio.push_back(LinkIntegrate);
    plan.radio.push_back(AckTimeout);
    if (!in.writeMulticast) {
        // Neither group sends the multicast rate.
    } else if (in.band == kBand24) {
        plan.radio.push_back(MulticastRateG);
        plan.multicast = {PerformanceMulticastRow::RateG};
    } else {
        plan.radio.push_back(MulticastRateA);
        plan.multicast = {PerformanceMulticastRow::RateA, PerformanceMulticastRow::RateG};
    }
    if (in.apMode != kApWirelessClient && in.writeMode) plan.wifiMode = {0};
    return plan;
}

bool RateChoiceWritten(const std::string& stored, const std::string& shown, bool changedByUser) {
    if (changedByUser || shown.empty() || Trim(shown) == Trim(stored)) return true;
    const std::string number = ShortestNumber(shown);
    return !number.empty() && number == ShortestNumber(stored);
}

std::vector<int> RadioOffRows() { return {PerformanceRadioRow::RadioWave}; }
