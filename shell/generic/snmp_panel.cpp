#include "shell/generic/snmp_panel.h"

#include <algorithm>

#include "library/snmp/request_to_edits.h"
#include "platform/os/exception.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/form.h"
#include "platform/ui/memo.h"
#include "platform/ui/splitter.h"
#include "shell/generic/ctrl_btn_panel.h"
#include "shell/generic/msg_panel.h"
#include "shell/generic/view_outcome.h"

namespace {

constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;

}  // namespace

TSNMPPanel::TSNMPPanel(ui::Control* parent, TMsgPanel* sharedMsgPanel, VkSNMPRequest2Edits* request)
    : ui::Panel(parent), Request(request) {
    SetName("SNMPPanel");
    Buttons = new TCtrlBtnPanel(this);
    Buttons->RefreshButton->OnClick = [this](ui::Component* sender) { OnRefreshClick(sender); };
    Buttons->CloseButton->OnClick = [this](ui::Component* sender) { OnCloseClick(sender); };
    RightSplitter = new ui::Splitter(this, ui::Align::Right);
    ClientPanel = new ui::Panel(this);
    ClientPanel->SetName("ClientPanel");
    ClientPanel->SetAlign(ui::Align::Client);
    if (sharedMsgPanel == nullptr) {
        MsgPanel = new TMsgPanel(ClientPanel);
        MsgPanel->SetAlign(ui::Align::Bottom);
        request->SetStatusMemo(MsgPanel->Memo);
    } else {
        request->SetStatusMemo(sharedMsgPanel->Memo);
    }
    BottomSplitter = new ui::Splitter(ClientPanel, ui::Align::Bottom);
    SetBounds(Left(), Top(), 0, 0);
    ReportReads(*request);
}

void TSNMPPanel::SetContent(ui::Control* control) {
    if (Content != nullptr) {
        Content->SetVisible(false);
        Content->SetAlign(ui::Align::None);
    }
    Content = control;
    control->SetAlign(ui::Align::None);
    control->SetParent(ClientPanel);
    control->SetVisible(true);
    SetAlign(ui::Align::None);
    int width = control->Width() + Buttons->Width() + RightSplitter->Width() + 3;
    int ownMessages = MsgPanel != nullptr ? MsgPanel->Height() : 0;
    int height = std::max(control->Height() + ownMessages + BottomSplitter->Height(), Buttons->ColumnHeight());
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
    control->SetAlign(ui::Align::Client);
}

void TSNMPPanel::AttachToForm(ui::Form* form) {
    SetAlign(ui::Align::None);
    Form = form;
    form->SetPosition(ui::FormPosition::MainFormCenter);
    int width = std::min(std::max(form->ClientWidth(), Width()), kMaxClientWidth);
    int height = std::min(std::max(form->ClientHeight(), Height()), kMaxClientHeight);
    form->SetClientSize(width, height);
    SetAlign(ui::Align::Client);
}

void TSNMPPanel::OnRefreshClick(ui::Component*) { ReadAndReport(*Request); }

void TSNMPPanel::OnCloseClick(ui::Component*) {
    if (Form == nullptr) {
        ui::ShowMessage("Please initial close form");
        return;
    }
    try {
        Form->Close();
    } catch (const std::exception&) {
        ui::ShowMessage("Please initial close form");
    }
}
