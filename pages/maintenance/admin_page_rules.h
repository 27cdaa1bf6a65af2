#pragma once
// The Administration page's decisions, from plain values: the limit status
// and its two check boxes, the user-name rule, Save's checks in their order,
// and the checks and the free-row scan of a new administrator address range.

#include <optional>
#include <string>
#include <vector>

// ---- the limit status ----------------------------------------------------
// Status positions: 0 "disable", 1 "vlanID", 2 "ipaddress", 3 "both".
struct LimitBoxes {
    bool vlanId = false;   // "Limit Administrator VID"
    bool address = false;  // "Limit Administrator IP"
};
// The boxes for a status position; none for a position outside 0..3.
std::optional<LimitBoxes> LimitBoxesFromStatus(int position);
int LimitStatusFromBoxes(const LimitBoxes& boxes);

// Letters, digits and "@", ".", "_", "-"; an empty name is valid.
bool IsValidUserName(const std::string& name);

// ---- Save's checks -------------------------------------------------------
struct AdminInput {
    bool limitVlanId = false;
    std::string vlanId;
    bool limitAddress = false;
    int ranges = 0;  // rows of the visible range list
    std::string systemName;
    std::string location;
    std::string user;
    std::string oldPassword;
    std::string devicePassword;  // the password read from the device
    std::string newPassword;
    std::string confirmPassword;
    bool trapEnabled = false;
    std::string trapServer;
};

// The control a refusal puts the focus on.
enum class AdminField { None, VlanId, FromAddress, SystemName, Location, User, NewPassword, TrapServer };

struct AdminRefusal {
    std::string message;
    AdminField focus = AdminField::None;
    bool clearField = false;  // the focused edit is cleared
    bool resetRanges = false;  // the range input is reset
};

// The first check the input fails, in Save's order (the trap server's
// address last); none when Save may write.
std::optional<AdminRefusal> CheckAdminInput(const AdminInput& input);

// ---- address ranges ------------------------------------------------------
constexpr int kMaxAdminRanges = 4;

struct RangeRow {
    std::string index;  // the device's row index
    std::string start;
    std::string end;
};

struct RangeRefusal {
    enum Focus { None, From, To };
    std::string message;
    bool clearFrom = false;
    bool clearTo = false;
    Focus focus = None;
};

// Checks a new range From .. To before the table is scanned: the list's
// size, both addresses, their order and their /24 network.
std::optional<RangeRefusal> CheckNewRange(int shownRanges, const std::string& from, const std::string& to);

// Where a new range goes: a used row it overlaps (the two share an address)
// refuses it, else the first free row (0.0.0.0 .. 0.0.0.0) takes it.
struct RangeSlot {
    enum Outcome { Free, Overlap, NoFreeRow } outcome = NoFreeRow;
    int row = -1;  // the free row's position among the rows
};
RangeSlot FindRangeSlot(const std::vector<RangeRow>& rows, const std::string& from, const std::string& to);

// The position of the first row holding that range; -1 when none does.
int FindRange(const std::vector<RangeRow>& rows, const std::string& start, const std::string& end);

extern const char* const RangeFullText;         // "Maximum number of IP Range List is 4!!"
extern const char* const RangeAddressText;      // "Please input valid IP address"
extern const char* const RangeInvalidText;      // "Invalid IP address range for Administrator!"
extern const char* const RangeNetworkText;      // "The IP range is not right!\nPlease check."
extern const char* const RangeNoFreeRowText;    // no free row in the device's table
extern const char* const RangeNotFoundText;     // the range to delete is not in the device's table
