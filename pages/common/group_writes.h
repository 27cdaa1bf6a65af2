#pragma once
// The writes of one Save: each names the rows of a group it sends, and every
// write is attempted whatever the results before it. The rows are marked for
// that write only (library/snmp/row_write_marks.h): afterwards every row's
// access is what it was, so a write never changes what the next read fetches.
//
//   GroupWrites writes(Groups);
//   writes.Write(*Basic, {WirelessBasicRow::Ssid, WirelessBasicRow::Channel});
//   writes.Write(*Partners, {0, 1}, PartnerWalk);  // controls filled by another read
//   StatusBar->ShowMessage(writes.AllWritten() ? "Setting Success!" : writes.FailureText("Setting error!"));
//
// A group whose controls do not hold the device's values (its read, or the
// read that filled them, failed or is running) is not written: it is named
// among the unread groups, and the Save counts as failed. A write that fails
// puts the group's variables back to what they held before it (the device's
// values), so that the next Save still tells a changed secret from the one
// read.
//
// Each write is synchronous (an asynchronous group too, for this write): the
// Save knows every result before it reports.

#include <string>
#include <vector>

class PageGroups;
class VkSNMPRequest2Controls;
class VkSNMPRequest2Edits;

namespace ui {
class Edit;
}

class GroupWrites {
public:
    explicit GroupWrites(const PageGroups& groups);

    // Writes the rows from the group's controls; true when the device took
    // them. readBy: the request whose read filled the controls (the group
    // itself when null).
    bool Write(VkSNMPRequest2Edits& group, const std::vector<int>& rows,
               const VkSNMPRequest2Controls* readBy = nullptr);
    // Counts the Save as failed for a reason of the page's own.
    void Fail() { failed_ = true; }

    bool AllWritten() const { return !failed_ && unread_.empty(); }
    // The text of the first write the device did not take ("" when none).
    const std::string& FirstFailure() const { return firstFailure_; }
    const std::vector<std::string>& Unread() const { return unread_; }
    // errorText, followed by NotReadPrefix and the unread groups' names when
    // there are any.
    std::string FailureText(const std::string& errorText) const;

private:
    const PageGroups& groups_;
    bool failed_ = false;
    std::string firstFailure_;
    std::vector<std::string> unread_;
};

// Whether a secret's edit still holds what the group holds for the row: the
// text the read put there, or what an earlier write of the group sent.
// Secrets the user did not change are not written back (the device may show
// them masked).
bool SecretUnchanged(const VkSNMPRequest2Edits& group, int row, const ui::Edit* edit);
