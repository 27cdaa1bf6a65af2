#pragma once
// A page's groups of device objects: each group is one request bound to the
// page's controls, made from a variable table. PageGroups owns them, reads
// them the way every page reads, and remembers what was read, so that a
// page's own code is its tables, controls, rules and handlers.
//
//   PageGroups Groups{this};          // a member of the page
//   Groups.Make(Basic, {"basic settings", VarsWirelessBasic, MVT_SV, 0, 2000});
//   Basic->BindEdits(WirelessBasicRow::Ssid, "%s", Ed_SSID);
//
//   Groups.BeginLoad();               // an opening load or a Refresh
//   Groups.Read(*Basic);              // synchronous, stops once the device is silent
//   Groups.StartRead(*Partners);      // asynchronous, its OnGetDone still runs
//   Groups.ReadFailedAgain();         // what an earlier load could not read
//   StatusBar->ShowMessage(Groups.LoadText());
//
// Reading. A load reads its groups in the page's order. Once a read got no
// answer at all (a time-out), the device is taken to be silent: the groups
// after it are not asked, they count as unread, and LoadText says so. Every
// failed read is remembered by the group's name, in reading order. A load
// that begins while the device is known not to answer (shell/device_liveness.h:
// the main window's probe finds it silent) asks nothing at all, so that the
// page opens at once; the next load (Refresh) asks again.
//
// Read state. A group holds the device's values when its last read read every
// value it asked for and no read of it is running (WasRead); controls of a
// group that was not read hold placeholders and are never written back
// (group_writes.h).
//
// Going away. When PageGroups is destroyed, every request is disabled before
// any is deleted, so answers still on their way reach nothing of the page. A
// group taken away earlier (Remove) is stopped the same way at once.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"

namespace ui {
class Control;
}

// How one group is made.
struct GroupSpec {
    const char* name;  // how status texts name the group ("basic settings")
    const VkSNMPVarEntry* table;
    VkSNMPVarListKind kind = SVT_SV;
    int32_t keyCount = 0;  // index columns of a walked table
    int32_t timeout = 0;   // hundredths of a second per try; 0 keeps the request's default
    bool async = false;
};

// A time-out of a group in the requests' unit (hundredths of a second per try).
constexpr int32_t Seconds(int32_t seconds) { return seconds * 100; }

// The status text of a load that stopped because the device did not answer.
extern const char* const DeviceSilentText;
// The status text of a load that read nothing: the device was known silent.
extern const char* const DeviceKnownSilentText;
// Put before the names of the groups that were not read.
extern const char* const NotReadPrefix;
// Put before the names of the settings whose values the controls cannot show
// (request_to_edits.h): Save keeps them as they are unless the user changes
// them.
extern const char* const NotUnderstoodPrefix;

class PageGroups {
public:
    // page: the window the requests belong to (their message boxes' owner).
    explicit PageGroups(ui::Control* page);
    ~PageGroups();
    PageGroups(const PageGroups&) = delete;
    PageGroups& operator=(const PageGroups&) = delete;

    // Makes a group into the page's slot for it; it lives as long as this
    // object. A group the slot held before is deleted.
    template <class Request>
    Request& Make(Request*& slot, const GroupSpec& spec);
    // Takes a group made here away (its slot is the page's to clear): it
    // sends nothing more and its answers still on their way are dropped. It
    // is deleted at once when no answer is outstanding, else once none is
    // (or with this object); nothing here waits for the device, so a group
    // that supersedes a running one (a new walk) is made at once.
    void Remove(const VkSNMPRequest2Controls* group);

    // ---- reading ----------------------------------------------------------
    // Starts a load: no group is unread yet, and the device is taken to be
    // silent only when it is known not to answer (then nothing is read).
    void BeginLoad();
    // Reads a group synchronously unless the device went silent during this
    // load; true when every value was read.
    bool Read(VkSNMPRequest2Controls& group);
    // Starts an asynchronous read unless the device went silent during this
    // load (the group then counts as unread and nothing is sent); false when
    // nothing was sent. A failed answer, or one without a value the group
    // asked for, is remembered before the group's own OnGetDone runs.
    bool StartRead(VkSNMPRequest2Controls& group);
    // Reads again, synchronously and in the order they were made, the groups
    // whose last synchronous read failed and that this load did not read.
    void ReadFailedAgain();
    // Counts the group as unread in this load (a read the page decided not
    // to make, or a failure it learnt of otherwise).
    void NoteUnread(const VkSNMPRequest2Controls& group);
    // Makes no more reads in this load, as if the device had gone silent.
    void StopLoad() { silent_ = true; }

    bool WasRead(const VkSNMPRequest2Controls& group) const;
    bool Silent() const { return silent_; }
    // The names of the groups not read in this load, in reading order.
    const std::vector<std::string>& Unread() const { return unread_; }
    // The end of a load in a status line: DeviceKnownSilentText when the load
    // read nothing for that reason, DeviceSilentText, or NotReadPrefix and
    // the unread groups' names, followed by NotUnderstoodText when there is
    // one; "" when all was read and understood.
    std::string LoadText() const;
    // The end of a load in a status line: the page's own success text when
    // all was read and understood, LoadText otherwise, so that a later
    // success (a walk's answer) does not hide what the load could not read.
    std::string EndText(const std::string& okText) const;
    // A page's own failure text for a load, unless the load read nothing
    // because the device is known silent (DeviceKnownSilentText then).
    std::string FailureText(const std::string& pageText) const {
        return knownSilent_ ? DeviceKnownSilentText : pageText;
    }
    // NotUnderstoodPrefix and the names of the settings (objects) of every
    // group read that hold values the controls cannot show; "" when there are
    // none.
    std::string NotUnderstoodText() const;
    // The name the group was made with ("" for a request not made here).
    std::string NameOf(const VkSNMPRequest2Controls& group) const;

private:
    struct Group;
    using Deleter = void (*)(VkSNMPRequest2Controls*);

    VkSNMPRequest2Edits& Adopt(VkSNMPRequest2Edits* request, Deleter deleter, const GroupSpec& spec);
    Group* Find(const VkSNMPRequest2Controls& group);
    const Group* Find(const VkSNMPRequest2Controls& group) const;
    void RecordFailure(Group& group, int code);
    void DeleteAnswered();

    ui::Control* page_;
    std::vector<std::unique_ptr<Group>> groups_;
    // Groups taken away while an answer was outstanding.
    std::vector<std::unique_ptr<Group>> removed_;
    std::vector<std::string> unread_;
    bool silent_ = false;
    bool knownSilent_ = false;  // this load began with the device known silent
    bool closing_ = false;  // the groups are being deleted
    uint64_t load_ = 0;
};

template <class Request>
Request& PageGroups::Make(Request*& slot, const GroupSpec& spec) {
    Remove(slot);
    slot = new Request(page_);
    Adopt(slot, [](VkSNMPRequest2Controls* made) { delete static_cast<Request*>(made); }, spec);
    return *slot;
}

// Sets the access of rows of a group's variable list (which rows a read
// fetches; see group_writes.h for what a write sends).
void SetRowAccess(VkSNMPRequest2Controls& group, std::initializer_list<int> rows, int32_t access);
// A group that uses only some rows of a shared table: those rows are read
// and written, every other row is left out of both.
void UseOnlyRows(VkSNMPRequest2Controls& group, std::initializer_list<int> rows);
