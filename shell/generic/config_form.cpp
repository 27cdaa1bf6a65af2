#include "shell/generic/config_form.h"

#include <algorithm>
#include <memory>

#include "library/snmp/request_to_edits.h"
#include "platform/os/exception.h"
#include "platform/ui/post.h"
#include "shell/generic/snmp_list_view_panel.h"
#include "shell/generic/view_outcome.h"

TConfigForm::TConfigForm(ui::Component* owner) : ui::Form(owner) {
    SetName("ConfigForm");
    SetCaption("ConfigForm");
    SetClientSize(151, 78);
    SetBorderIcons(true, false);
    SetPosition(ui::FormPosition::MainFormCenter);
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    ui::Post(this, [this] { OnRefreshMessage(); });
}

TConfigForm::~TConfigForm() {
    // The requests go before the views they are bound to.
    FreeRequests();
}

void TConfigForm::ClaimType(uint8_t type) {
    if (Type != 0) throw os::Exception("Can not change Type of a Config Form!");
    Type = type;
}

void TConfigForm::GrowTo(const ui::Control& view) {
    SetClientSize(std::max(ClientWidth(), view.Width()), std::max(ClientHeight(), view.Height()));
}

TSNMPEditorPanel* TConfigForm::SetEditorRequest(VkSNMPRequest2Edits* request) {
    ClaimType(1);
    TSNMPEditorPanel* view = AddEditorPanel(this, request);
    GrowTo(*view);
    return view;
}

TSNMPListViewPanel* TConfigForm::SetListViewRequest(VkSNMPRequest2Edits* request, int addRow,
                                                    const std::string& addText, int deleteRow,
                                                    const std::string& deleteText) {
    ClaimType(2);
    TSNMPListViewPanel* view = AddListViewPanel(this, request, addRow, addText, deleteRow, deleteText);
    GrowTo(*view);
    return view;
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(ui::Control* parent, VkSNMPRequest2Edits* request) {
    Requests.push_back(request);
    auto* view = new TSNMPEditorPanel(parent, request);
    view->AttachToForm(this);
    return view;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(ui::Control* parent, VkSNMPRequest2Edits* request, int addRow,
                                                  const std::string& addText, int deleteRow,
                                                  const std::string& deleteText) {
    Requests.push_back(request);
    auto* view = new TSNMPListViewPanel(parent, request);
    view->AttachToForm(this);
    if (!addText.empty()) view->SetAddStatus(addRow, addText);
    if (!deleteText.empty()) view->SetDeleteStatus(deleteRow, deleteText);
    return view;
}

void TConfigForm::Refresh() {
    if (Type == 0) return;
    if (Type > 3) throw os::Exception("Refresh a Form with unknown Form Type!");
    // A window of pages (type 3) reads its active page's request; no page
    // control is ever made, so such a window reads nothing.
    if (Type == 3 || Requests.empty()) return;
    VkSNMPRequest2Edits* request = Requests.front();
    if (CurrentRequest != nullptr) CurrentRequest->request.enabled = false;
    CurrentRequest = request;
    request->request.enabled = true;
    ReadAndReport(*request);
}

void TConfigForm::OnRefreshMessage() { Refresh(); }

void TConfigForm::FormClose(ui::Component*, ui::CloseAction&) { FreeRequests(); }

// Each request is stopped and freed at once, also while its read is under
// way: a silent device does not hold the window for its time-out, and an
// answer arriving later is dropped (the library drops the completions of a
// deleted request).
void TConfigForm::FreeRequests() {
    for (VkSNMPRequest2Edits* request : Requests) {
        request->request.enabled = false;
        // The window's requests are of exactly this class.
        std::default_delete<VkSNMPRequest2Edits>()(request);
    }
    Requests.clear();
    CurrentRequest = nullptr;
}
