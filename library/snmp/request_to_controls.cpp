#include "library/snmp/request_to_controls.h"

#include "library/common/messages.h"
#include "library/snmp/status_line.h"
#include "platform/os/exception.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/memo.h"
#include "platform/ui/status_bar.h"

const char* const UndecodedRowsText =
    "The device answered values that could not be read: those rows were left out.";

namespace {

// Runs a step while busy: an os::Exception clears busy and goes on to the
// caller as a new os::Exception with the same message and code; any other
// exception clears busy and passes unchanged.
template <class Step>
void WhileBusy(bool& busy, Step step) {
    try {
        step();
    } catch (const os::Exception& error) {
        busy = false;
        throw os::Exception(error.Message(), error.HelpContext());
    } catch (...) {
        busy = false;
        throw;
    }
}

}  // namespace

VkSNMPRequest2Controls::VkSNMPRequest2Controls(ui::Control* owner)
    : owner(owner), alive_(std::make_shared<bool>(true)) {}

VkSNMPRequest2Controls::~VkSNMPRequest2Controls() {
    *alive_ = false;
    busy = false;
    // The request's destructor then waits for outstanding answers; they find
    // this object gone and are dropped.
}

void VkSNMPRequest2Controls::Abandon() {
    request.enabled = false;
    *alive_ = false;
    busy = false;
}

bool VkSNMPRequest2Controls::IsTableKind() const {
    return request.vars.kind == MVT_FMV || request.vars.kind == MVT_UMV;
}

// ---- status line ------------------------------------------------------------

void VkSNMPRequest2Controls::SetStatusBar(ui::StatusBar* bar) {
    statusControl = bar;
    statusPanel = -1;
}

void VkSNMPRequest2Controls::SetStatusMemo(ui::Memo* memo) {
    statusControl = memo;
    statusPanel = -1;
}

void VkSNMPRequest2Controls::SetStatusMemo(ui::StatusBar* bar, int panel) {
    statusControl = bar;
    statusPanel = panel;
}

void VkSNMPRequest2Controls::ShowStatus(const std::string& message) {
    if (statusControl == nullptr) return;
    ShowStatusText(FillStatusLine(VkSNMPStatusTemplates.Text(lastOperation == 1 ? 1 : 0), request.vars.description,
                                  message, StatusTimeNow()));
}

void VkSNMPRequest2Controls::ShowStatusText(const std::string& line) {
    if (auto* memo = dynamic_cast<ui::Memo*>(statusControl)) {
        memo->AddLine(line);
    } else if (auto* bar = dynamic_cast<ui::StatusBar*>(statusControl)) {
        if (statusPanel < 0)
            bar->SetSimpleText(line);
        else
            bar->SetPanelText(statusPanel, line);
    }
}

void VkSNMPRequest2Controls::ShowFailure(const std::string& message) {
    if (statusControl != nullptr)
        ShowStatus(message);
    else
        ui::MessageBox(message, ui::Application::ExeName(), ui::Buttons::Ok);
}

void VkSNMPRequest2Controls::ReportGetResult(VkSNMPError* result) {
    lastOperation = 0;
    ShowFailure(result->text);
}

void VkSNMPRequest2Controls::ReportSetResult(VkSNMPError* result) {
    lastOperation = 1;
    ShowFailure(result->text);
}

void VkSNMPRequest2Controls::ReportSuccess() {
    if (!request.onError) return;
    VkSNMPError success;
    success.code = VK_OK;
    success.text = MessageText(VK_OK);
    success.errorCount = -1;
    VkSNMPErrorCallback report = request.onError;
    report(success);
}

void VkSNMPRequest2Controls::RaiseDone(const VkSNMPDoneEvent& event, VkSNMPError* result) {
    if (!event) return;
    VkSNMPDoneEvent handler = event;  // the page may replace it or delete this object
    handler(this, result);
}

std::string VkSNMPRequest2Controls::MasterFilterText() {
    if (master == nullptr || masterFilter.empty()) return std::string();
    return master->SubstituteValues(masterFilter, true, "#");
}

VkSNMPResultCallback VkSNMPRequest2Controls::Completion(
    void (VkSNMPRequest2Controls::*handler)(VkSNMPError*)) {
    std::shared_ptr<bool> alive = alive_;
    return [this, alive, handler](void*, VkSNMPError* result, VkSNMPVarList*) {
        if (!*alive) return;
        // Nothing thrown here may reach the SNMP engine that runs the answer.
        ui::CallHandler([this, handler, result] { (this->*handler)(result); });
    };
}

// ---- Get ------------------------------------------------------------------------

bool VkSNMPRequest2Controls::RowMatches(const std::string& condition) {
    try {
        return request.MatchesCondition(condition) && request.MatchesRowFilter();
    } catch (const os::Exception& error) {
        if (error.HelpContext() != VK_ERR_NULL_IN_EXPRESSION) throw;
        ++undecodedRows_;
        return false;
    }
}

void VkSNMPRequest2Controls::HandRow(const std::string& condition) {
    if (!RowMatches(condition)) return;
    AddRow();
    ++rowCount;
}

void VkSNMPRequest2Controls::ReadSync(bool& ok) {
    std::string condition = MasterFilterText();
    int64_t errorsBefore = request.errorCount;
    if (!IsTableKind()) {
        request.GetSync(ok, true);
        HandRow(condition);  // also after a failure: the controls show what is left
    } else {
        for (bool first = true; request.GetSync(ok, first); first = false) HandRow(condition);
    }
    // A walk that ran to its end may leave ok false without any failure.
    lastReadOk = request.enabled && request.errorCount == errorsBefore && (ok || IsTableKind()) &&
                 request.missingCount == 0 && undecodedRows_ == 0;
    AfterGet();
    busy = false;
    if (undecodedRows_ > 0) {
        ok = false;
        ShowFailure(UndecodedRowsText);
    } else if (ok) {
        ReportSuccess();
    }
}

bool VkSNMPRequest2Controls::Get() {
    bool ok = true;
    lastOperation = 0;
    lastReadOk = false;
    BeforeGet();
    rowCount = 0;
    undecodedRows_ = 0;
    busy = true;
    if (!async) {
        WhileBusy(busy, [&] { ReadSync(ok); });
    } else if (request.enabled) {
        int32_t pending = request.pendingCount;
        WhileBusy(busy,
                  [&] { request.GetAsync(Completion(&VkSNMPRequest2Controls::OnGetResponse), this, true); });
        // Nothing went out (the request reported why): no answer will come.
        if (request.pendingCount == pending) busy = false;
    } else {
        busy = false;
    }
    return ok;
}

void VkSNMPRequest2Controls::OnGetResponse(VkSNMPError* result) {
    if (result->code != VK_OK) {
        busy = false;
        lastOperation = 0;
        lastReadOk = false;
        RaiseDone(OnGetDone, result);
        return;
    }
    bool lastRow = !IsTableKind() || result->endOfTable;
    if (!(IsTableKind() && result->endOfTable)) {
        std::shared_ptr<bool> alive = alive_;
        try {
            HandRow(MasterFilterText());
        } catch (const os::Exception& error) {
            if (!*alive) return;
            busy = false;
            lastOperation = 0;
            lastReadOk = false;
            ShowFailure(error.Message());
            return;
        } catch (...) {
            if (*alive) busy = false;
            throw;  // shown by the window layer around this answer
        }
        if (!*alive) return;  // a page closed while the row was painted
        if (!lastRow && request.enabled) {
            request.GetAsync(Completion(&VkSNMPRequest2Controls::OnGetResponse), this, false);
            return;
        }
    }
    FinishGet(result);
}

void VkSNMPRequest2Controls::FinishGet(VkSNMPError* result) {
    lastReadOk = request.missingCount == 0 && undecodedRows_ == 0;
    WhileBusy(busy, [this] { AfterGet(); });
    busy = false;
    lastOperation = 0;
    if (undecodedRows_ > 0) {
        VkSNMPError failure = *result;
        failure.code = VK_ERR_NULL_IN_EXPRESSION;
        failure.text = UndecodedRowsText;
        RaiseDone(OnGetDone, &failure);
        return;
    }
    ReportSuccess();
    RaiseDone(OnGetDone, result);
}

// ---- Set ------------------------------------------------------------------------

void VkSNMPRequest2Controls::WriteSync(bool& ok, const std::string& selection,
                                       const std::vector<std::string>* values) {
    request.SetSync(ok, false, selection, values);
    AfterSet();
    busy = false;
    if (ok) ReportSuccess();
    if (IsTableKind() && refreshAfterSet) Get();
}

bool VkSNMPRequest2Controls::Set(bool refreshAfterSet, bool collectFromControls, const std::string& selection,
                                 const std::vector<std::string>* values) {
    bool ok = true;
    lastOperation = 1;
    this->refreshAfterSet = refreshAfterSet;
    BeforeSet();
    if (collectFromControls) CollectValues();
    busy = true;
    if (!async) {
        WhileBusy(busy, [&] { WriteSync(ok, selection, values); });
    } else if (request.enabled) {
        int32_t pending = request.pendingCount;
        WhileBusy(busy, [&] {
            request.SetAsync(Completion(&VkSNMPRequest2Controls::OnSetResponse), this, false, selection,
                             values);
        });
        if (request.pendingCount == pending) busy = false;
    } else {
        busy = false;
    }
    return ok;
}

void VkSNMPRequest2Controls::OnSetResponse(VkSNMPError* result) {
    if (result->code != VK_OK) {
        busy = false;
        lastOperation = 1;
        RaiseDone(OnSetDone, result);
        return;
    }
    WhileBusy(busy, [this] { AfterSet(); });
    busy = false;
    lastOperation = 1;
    ReportSuccess();
    std::shared_ptr<bool> alive = alive_;
    RaiseDone(OnSetDone, result);
    if (*alive && IsTableKind() && refreshAfterSet) Get();
}
