#pragma once
// VkSNMPRequest2Controls: one request (request.h) between the device and the
// controls of a window. It fixes the order of the steps of a read (Get) and a
// write (Set), synchronously or asynchronously, and leaves to a subclass what
// an answer row does to the controls (AddRow) and how values are collected
// from them (CollectValues).
//
//   Get: BeforeGet, AddRow for every answer row, AfterGet, success report
//        (asynchronously: then OnGetDone)
//   Set: BeforeSet, CollectValues, the write, AfterSet, success report
//        (asynchronously: then OnSetDone), and for tables with
//        refreshAfterSet a new Get
//
// The success report hands the request's error callback code 0, the text of
// message 0 of the request layer and error count -1.
//
// An os::Exception raised while busy (by the request layer or a subclass)
// clears busy and reaches the caller as an os::Exception with the same
// message and code; other exceptions clear busy and pass unchanged. During
// the answers of an asynchronous Get an os::Exception of AddRow ends the Get:
// it is shown in the status line (or a message box) and goes no further; any
// other failure inside an answer clears busy and is shown by the window
// layer. Every asynchronous send ends with OnGetDone / OnSetDone, also one
// the SNMP session refused; a send the request layer did not make at all
// (it reported why to the error callback) leaves busy false at once.
//
// A row whose values cannot be put into the master condition or the row
// filter (a value the device answered with a type the list does not read)
// is left out; the read then counts as failed, with UndecodedRowsText, not
// the expression's own message.
//
// lastReadOk tells whether the last Get read every value it asked for (an
// object the device answered it does not have counts as not read), so that a
// page can refuse to write back values it never read.
//
// The virtual operations keep their slot order; subclasses append theirs.
// There is no virtual destructor: owners delete through the most derived
// type. Answers that arrive while the object is being destroyed are dropped.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request.h"

namespace ui {
class Control;
class Memo;
class StatusBar;
}  // namespace ui

class VkSNMPRequest2Controls;

// The failure text of a read that left out rows it could not read.
extern const char* const UndecodedRowsText;

// The completion event of an asynchronous Get or Set; the result is valid
// during the call only.
using VkSNMPDoneEvent = std::function<void(VkSNMPRequest2Controls* sender, VkSNMPError* result)>;

class VkSNMPRequest2Controls {
public:
    // owner: the window whose message boxes these are (the page).
    explicit VkSNMPRequest2Controls(ui::Control* owner);
    virtual ~VkSNMPRequest2Controls();
    VkSNMPRequest2Controls(const VkSNMPRequest2Controls&) = delete;
    VkSNMPRequest2Controls& operator=(const VkSNMPRequest2Controls&) = delete;

    virtual void BeforeGet() {}                         // slot 0
    virtual void BeforeSet() {}                         // slot 1
    virtual void AddRow() = 0;                          // slot 2
    virtual void CollectValues() {}                     // slot 3
    virtual void ReportGetResult(VkSNMPError* result);  // slot 4
    virtual void ReportSetResult(VkSNMPError* result);  // slot 5
    virtual void AfterGet() {}                          // slot 6
    virtual void AfterSet() {}                          // slot 7

    // Where ShowStatus writes: a status bar's simple text, a memo's new last
    // line, or one panel of a status bar.
    void SetStatusBar(ui::StatusBar* bar);
    void SetStatusMemo(ui::Memo* memo);
    void SetStatusMemo(ui::StatusBar* bar, int panel);
    // Writes the status template of lastOperation with the message.
    void ShowStatus(const std::string& message);
    // Writes the line as it is (no template).
    void ShowStatusText(const std::string& line);

    // Reads the device into the controls. The asynchronous form returns true
    // at once and reports through OnGetDone.
    bool Get();
    // Writes the variables. selection and values go to the request's write
    // (empty selection: every writable item).
    bool Set(bool refreshAfterSet, bool collectFromControls, const std::string& selection = std::string(),
             const std::vector<std::string>* values = nullptr);

    // Stops the request for good, without waiting for anything: nothing more
    // is sent, answers still on their way are dropped (as for a request being
    // destroyed) and busy ends now. What owns it deletes it later, once no
    // answer is outstanding (request.pendingCount 0), so the deletion waits
    // for nothing either.
    void Abandon();

    // The master condition with the master's values put in; empty without.
    std::string MasterFilterText();

    // The completion handlers of the asynchronous forms.
    void OnGetResponse(VkSNMPError* result);
    void OnSetResponse(VkSNMPError* result);

    VkSNMPRequest request;
    VkSNMPDoneEvent OnGetDone;
    VkSNMPDoneEvent OnSetDone;
    bool async = true;
    bool busy = false;
    ui::Control* owner;
    int32_t rowCount = 0;
    ui::Control* statusControl = nullptr;
    int statusPanel = -1;       // with a status bar: the panel, -1 for its simple text
    int32_t lastOperation = 0;  // 0 Get, 1 Set
    bool refreshAfterSet = true;
    VkSNMPRequest* master = nullptr;
    std::string masterFilter;
    bool lastReadOk = false;

private:
    bool IsTableKind() const;
    void HandRow(const std::string& condition);
    bool RowMatches(const std::string& condition);
    void ReadSync(bool& ok);
    void WriteSync(bool& ok, const std::string& selection, const std::vector<std::string>* values);
    void FinishGet(VkSNMPError* result);
    void ReportSuccess();
    void RaiseDone(const VkSNMPDoneEvent& event, VkSNMPError* result);
    void ShowFailure(const std::string& message);
    VkSNMPResultCallback Completion(void (VkSNMPRequest2Controls::*handler)(VkSNMPError*));

    int32_t undecodedRows_ = 0;  // rows of the current Get left out unread
    // False once destruction has begun; completions check it first.
    std::shared_ptr<bool> alive_;
};
