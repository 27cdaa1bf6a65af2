#include "pages/maintenance/view_log_page.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "library/common/path.h"
#include "library/snmp/write_result.h"
#include "pages/common/command_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/maintenance/log_settings_page.h"
#include "pages/maintenance/view_log_page_rules.h"
#include "pages/maintenance/view_log_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/log_folder.h"
#include "shell/main_form.h"
#include "shell/open_page.h"

TLogForm* LogForm = nullptr;
std::string LogFilePath;

const char* const LogFileName = "LogFile.RD";
const char* const NoPcAddressLogText = "Get PC's IP Address fail!";
const char* const LogGetOkText = "Get OK.";
const char* const LogGetFailText = "Get fail.";

namespace {

constexpr int32_t kTimeout = Seconds(10);
// TFTP: one wait of 50 s for the device, 3 sends.
constexpr int kTftpTimeout = 5000;
constexpr int kTftpSends = 3;
constexpr int kCommandPosition = 1;  // "get" / "clear"
constexpr int kWidth = 478;
constexpr int kHeight = 360;
constexpr int kButtonTop = 300;
constexpr int kButtonWidth = 90;

}  // namespace

TLogForm::TLogForm(ui::Component* owner) : ui::Form(owner), TftpServer(this, kTftpTimeout, kTftpSends) {
    SetupPageForm(*this, "LogForm", "Status \\ View Log", kWidth, kHeight);
    BuildControls();
    FormResize();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

void TLogForm::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "View Log", 10, 8, kWidth - 20, 280);
    ViewListView = NewListView(GroupBox1, "ViewListView", 10, 20, kWidth - 40, 250);
    for (const char* column : {"Time", "Type", "Message"}) ViewListView->AddColumn(column, ui::kColumnFitCaption);
    Clear_Btn = NewButton(this, "Clear_Btn", "Clear", 0, kButtonTop, kButtonWidth);
    GetBtn = NewButton(this, "GetBtn", "Get Log", 0, kButtonTop, kButtonWidth);
    CloseBtn = NewButton(this, "CloseBtn", "Close", 0, kButtonTop, kButtonWidth);
    SetBtn = NewButton(this, "SetBtn", "Log Settings", 0, kButtonTop, kButtonWidth);
    SetBtn->SetVisible(false);
    ServerEdit = NewHiddenEdit(this, "ServerEdit");
    FileNameEdit = NewHiddenEdit(this, "FileNameEdit");
    GetCoBox = NewHiddenComboBox(this, "GetCoBox", OptSystemLogGetLog);
    Bt_Clear = NewHiddenComboBox(this, "Bt_Clear", OptSystemLogClearLocalLog);
    StatusBar1 = NewStatusBar(this, "StatusBar1", kWidth);
    Clear_Btn->OnClick = [this](ui::Component* sender) { Clear_BtnClick(sender); };
    GetBtn->OnClick = [this](ui::Component* sender) { GetBtnClick(sender); };
    CloseBtn->OnClick = [this](ui::Component* sender) { CloseBtnClick(sender); };
    SetBtn->OnClick = [this](ui::Component* sender) { SetBtnClick(sender); };
}

// The buttons stand at fixed shares of the page's width.
void TLogForm::FormResize() {
    const int width = ClientWidth();
    GetBtn->SetLeft(width * 252 / kWidth);
    CloseBtn->SetLeft(width * 368 / kWidth);
    SetBtn->SetLeft(width * 142 / kWidth);
    Clear_Btn->SetLeft(SetBtn->Left());
}

void TLogForm::FormCreate(ui::Component*) {
    try {
        Groups.Make(TransferRequest, {"log transfer", VarsViewLogTransfer, SVT_SV, 0, kTimeout, true});
        TransferRequest->BindEdits(LogTransferRow::ServerAddress, "%s", ServerEdit);
        TransferRequest->BindEdits(LogTransferRow::FileName, "%s", FileNameEdit);
        Groups.Make(GetLogRequest, {"log send command", VarsViewLogGet, SVT_SV, 0, kTimeout, true});
        GetLogRequest->BindComboBox(SingleRow::Value, GetCoBox);
        Groups.Make(ClearLogRequest, {"log clear command", VarsViewLogClear, SVT_SV, 0, kTimeout});
        ClearLogRequest->BindComboBox(SingleRow::Value, Bt_Clear);
        for (VkSNMPRequest2Edits* group : {TransferRequest, GetLogRequest, ClearLogRequest})
            group->SetStatusMemo(StatusBar1, 0);
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    TftpRoot = ::MainForm != nullptr ? ::MainForm->LogDir : LogFolderPath();
    LogFilePath = JoinPath(TftpRoot, LogFileName);
    if (!TftpServer.Open()) return;
    StatusBar1->ShowMessage("Refresh...");
    GetBtnClick(this);
}

void TLogForm::GetBtnClick(ui::Component*) {
    if (!GetFinished || TransferRequest == nullptr) return;
    EnableControls({GetBtn, Clear_Btn}, false);
    StatusBar1->ShowMessage("Refresh...!");
    FileNameEdit->SetText(LogFileName);
    ServerEdit->SetText("");
    std::string pcAddress;
    if (!DeviceTransfer::FindPcAddress(pcAddress)) {
        FinishFetch(NoPcAddressLogText);
        ui::ShowMessage(NoPcAddressLogText);
        return;
    }
    ServerEdit->SetText(pcAddress);
    std::remove(LogFilePath.c_str());
    GetFinished = false;
    fetch_.Begin([this](const VkTFTPTransferEnd& end) { UploadEnded(end); });
    TftpServer.Arm(LogFilePath, VkTFTPDirection::DeviceSends,
                   [this](const VkTFTPTransferEnd& end) { fetch_.TransferEnded(end); });
    WriteCommand(*TransferRequest, [this](const VkSNMPError& result) { TransferDone(result); });
}

void TLogForm::TransferDone(const VkSNMPError& result) {
    if (result.code != 0) return FinishFetch(result.text);
    GetCoBox->SetItemIndex(kCommandPosition);
    WriteCommand(*GetLogRequest, [this](const VkSNMPError& answer) { GetLogDone(answer); });
}

void TLogForm::GetLogDone(const VkSNMPError& result) {
    if (result.code != 0) return FinishFetch(result.text);
    fetch_.CommandTaken();
}

void TLogForm::UploadEnded(const VkTFTPTransferEnd& end) {
    const bool loaded = end.kind == VkTFTPTransferEnd::Done && LoadLogFile(LogFilePath);
    FinishFetch(loaded ? LogGetOkText : LogGetFailText);
}

void TLogForm::FinishFetch(const std::string& status) {
    fetch_.Cancel();
    TftpServer.Disarm();
    StatusBar1->ShowMessage(status);
    GetFinished = true;
    EnableControls({GetBtn, Clear_Btn}, true);
}

bool TLogForm::LoadLogFile(const std::string& path) {
    bool loaded = false;
    if (IsRegularFile(path)) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        loaded = !in.bad();
        LBLog = loaded ? SplitLogLines(content.str()) : std::vector<std::string>();
    }
    ViewListView->ClearItems();
    for (const LogRow& row : ParseLogLines(LBLog)) {
        ui::ListItem* item = ViewListView->AddItem();
        item->SetCaption(row.time);
        item->AddSubItem(row.type);
        item->AddSubItem(row.message);
    }
    SetBtn->SetEnabled(true);
    return loaded;
}

void TLogForm::Clear_BtnClick(ui::Component*) {
    if (ClearLogRequest == nullptr) return;
    Bt_Clear->SetItemIndex(kCommandPosition);
    const VkWriteResult cleared = WriteNow(*ClearLogRequest);
    if (cleared.ok) return ViewListView->ClearItems();
    StatusBar1->ShowMessage(cleared.text);
}

void TLogForm::CloseBtnClick(ui::Component*) { Close(); }

void TLogForm::SetBtnClick(ui::Component*) { OpenPage(LogSetForm); }

void TLogForm::FormCloseQuery(ui::Component*, bool& canClose) { canClose = GetFinished; }

