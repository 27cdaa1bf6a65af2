#include "pages/maintenance/admin_page_rules.h"

#include <cctype>
#include <cstdint>

#include "shell/dotted_quad.h"
#include "shell/input_validators.h"
#include "shell/network_address.h"

const char* const RangeFullText = "Maximum number of IP Range List is 4!!";
const char* const RangeAddressText = "Please input valid IP address";
const char* const RangeInvalidText = "Invalid IP address range for Administrator!";
const char* const RangeNetworkText = "The IP range is not right!\nPlease check.";
const char* const RangeNoFreeRowText = "The device has no free row for another IP range.";
const char* const RangeNotFoundText = "The selected IP range is not in the device's list any more.";

namespace {

constexpr int kVlanIdMin = 1;
constexpr int kVlanIdMax = 4094;
constexpr size_t kMaxLoginLength = 64;
constexpr char kFreeAddress[] = "0.0.0.0";

bool BeginsWithBlank(const std::string& text) { return !text.empty() && text[0] == ' '; }

// A VLAN ID text as a number; a text that is not a number counts as 0.
int VlanIdNumber(const std::string& text) { return DecimalOrDefault(text, 0); }

uint32_t AddressNumber(const std::string& text) {
    uint32_t value = 0;
    ReadAddressValue(text, value);
    return value;
}

bool IsFree(const RangeRow& row) { return row.start == kFreeAddress && row.end == kFreeAddress; }

AdminRefusal Refusal(const char* message, AdminField focus, bool clear = false, bool reset = false) {
    return {message, focus, clear, reset};
}

}  // namespace

std::optional<LimitBoxes> LimitBoxesFromStatus(int position) {
    if (position < 0 || position > 3) return std::nullopt;
    return LimitBoxes{(position & 1) != 0, (position & 2) != 0};
}

int LimitStatusFromBoxes(const LimitBoxes& boxes) { return (boxes.vlanId ? 1 : 0) + (boxes.address ? 2 : 0); }

bool IsValidUserName(const std::string& name) {
    for (unsigned char c : name)
        if (!std::isalnum(c) && c != '@' && c != '.' && c != '_' && c != '-') return false;
    return true;
}

std::optional<AdminRefusal> CheckAdminInput(const AdminInput& in) {
    if (in.limitVlanId) {
        const int id = VlanIdNumber(in.vlanId);
        if (in.vlanId.empty() || id < kVlanIdMin || id > kVlanIdMax)
            return Refusal("Please input a number between 1 and 4094!", AdminField::VlanId, true);
    }
    if (in.limitAddress && in.ranges == 0) return Refusal("Please add Limit Admin IP rule!", AdminField::FromAddress);
    if (in.systemName.empty()) return Refusal("The System Name field can not be blank!", AdminField::SystemName);
    if (BeginsWithBlank(in.systemName))
        return Refusal("The first character of System Name can't be blank.", AdminField::SystemName);
    if (BeginsWithBlank(in.location))
        return Refusal("The first character of Location can't be blank.", AdminField::Location);
    if (in.user.empty()) return Refusal("Please input the Login Name.", AdminField::User);
    if (in.oldPassword != in.devicePassword)
        return Refusal("Please input the current password correctly!", AdminField::None);
    if (in.user.size() > kMaxLoginLength)
        return Refusal("Please limit user name to 64 characters!", AdminField::User, true, true);
    if (!IsValidUserName(in.user)) return Refusal("Invaild UserName!", AdminField::User, true, true);
    if (in.newPassword.size() > kMaxLoginLength)
        return Refusal("Please limit password to 64 characters!", AdminField::NewPassword, true, true);
    if (in.confirmPassword != in.newPassword)
        return Refusal("Please input the confirm new password correctly!", AdminField::NewPassword, false, true);
    if (in.trapEnabled && !IsValidHostAddress(in.trapServer))
        return Refusal("Invalid Trap Server / IP Address!", AdminField::TrapServer, true);
    return std::nullopt;
}

std::optional<RangeRefusal> CheckNewRange(int shownRanges, const std::string& from, const std::string& to) {
    if (shownRanges >= kMaxAdminRanges) return RangeRefusal{RangeFullText, true, true};
    if (!IsValidHostAddress(from)) return RangeRefusal{RangeAddressText, true, false, RangeRefusal::From};
    if (!IsValidHostAddress(to)) return RangeRefusal{RangeAddressText, false, true, RangeRefusal::To};
    if (AddressNumber(from) > AddressNumber(to)) return RangeRefusal{RangeInvalidText, false, false, RangeRefusal::From};
    if (NetworkAddress(from, "255.255.255.0") != NetworkAddress(to, "255.255.255.0"))
        return RangeRefusal{RangeNetworkText, false, false, RangeRefusal::To};
    return std::nullopt;
}

RangeSlot FindRangeSlot(const std::vector<RangeRow>& rows, const std::string& from, const std::string& to) {
    const uint32_t first = AddressNumber(from);
    const uint32_t last = AddressNumber(to);
    RangeSlot slot;
    for (size_t i = 0; i < rows.size(); ++i) {
        const RangeRow& row = rows[i];
        if (IsFree(row)) {
            if (slot.row < 0) slot = {RangeSlot::Free, static_cast<int>(i)};
            continue;
        }
        if (first <= AddressNumber(row.end) && last >= AddressNumber(row.start)) return {RangeSlot::Overlap, -1};
    }
    return slot;
}

int FindRange(const std::vector<RangeRow>& rows, const std::string& start, const std::string& end) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (!IsFree(rows[i]) && rows[i].start == start && rows[i].end == end) return static_cast<int>(i);
    return -1;
}
