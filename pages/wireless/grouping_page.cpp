#include "pages/wireless/grouping_page.h"

#include <vector>

#include "library/common/text.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/common/waiting_steps.h"
#include "pages/wireless/grouping_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/color.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

TFM_Group* FM_Group = nullptr;

const char* const GroupingSetOkText = "Setting OK!";
const char* const GroupingSetErrorText = "Setting Error!";
const char* const GroupingRangeText = "Please input a number between 0 and 64.";

namespace {

constexpr int kMostUsers = 64;
constexpr int kAccessPoint = 0;
constexpr int kDisableItem = 0;
constexpr int kEnableItem = 1;

}  // namespace

TFM_Group::TFM_Group(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Group", "Advanced \\ Grouping", 300, 168);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_Group::BuildControls() {
    PlaceControls(this, {
        {Label_Heading, "Label_Heading", "AP Grouping Settings:(For AP Mode Only)", 16, 14},
        {Label_LoadB, "Label_LoadB", "Load Balance", 32, 48},
        {CB_LoadB, "CB_LoadB", 160, 44, 110},
        {Label_UsrL, "Label_UsrL", "User Limit (0-64)", 32, 80},
        {Ed_UsrL, "Ed_UsrL", 160, 76, 110},
        {Bt_Apply, "Bt_Apply", "Apply", 16, 116, 75},
        {Bt_Refresh, "Bt_Refresh", "Refresh", 112, 116, 75},
        {Bt_Cancel, "Bt_Cancel", "Cancel", 208, 116, 75},
    });
    StatusBar = NewStatusBar(this, "StatusBar", 0);
    CB_APMode = NewHiddenComboBox(this, "CB_APMode");
    CB_DeviceApplySetting = NewHiddenComboBox(this, "CB_DeviceApplySetting");
    CB_LoadB->OnChange = [this](ui::Component* sender) { CB_LoadBChange(sender); };
    Bt_Apply->OnClick = [this](ui::Component* sender) { Bt_ApplyClick(sender); };
    Bt_Refresh->OnClick = [this](ui::Component* sender) { Bt_RefreshClick(sender); };
    Bt_Cancel->OnClick = [this](ui::Component* sender) { Bt_CancelClick(sender); };
}

void TFM_Group::FormCreate(ui::Component*) {
    try {
        VkSNMPRequest2Edits& limit = Groups.Make(UserLimitRequest, {"user limit", VarsGroupUserLimit, MVT_SV});
        limit.BindComboBox(GroupUserLimitRow::Status, CB_LoadB);
        limit.BindEdits(GroupUserLimitRow::UserLimit, "%u", Ed_UsrL);
        limit.SetStatusBar(StatusBar);
        Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode3, MVT_SV}).BindComboBox(SingleRow::Value, CB_APMode);
        ApModeRequest->SetStatusBar(StatusBar);  // failures in the status line, not in boxes
        Groups.Make(ApplyRequest, {"apply", VarsDeviceSettingApply, SVT_SV, 0, Seconds(10), true})
            .BindComboBox(SingleRow::Value, CB_DeviceApplySetting);
        ReadGroups();
        Ed_UsrL->SetMaxLength(2);
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    UpdateGroupingControls(*this);
}

void TFM_Group::ReadGroups() {
    Groups.BeginLoad();
    Groups.Read(*UserLimitRequest);
    Groups.Read(*ApModeRequest);
    StatusBar->ShowMessage(Groups.LoadText());
}

void UpdateGroupingControls(TFM_Group& page) {
    const bool accessPoint = page.CB_APMode->ItemIndex() == kAccessPoint;
    page.CB_LoadB->SetEnabled(accessPoint);
    page.CB_LoadB->SetBackgroundColor(accessPoint ? ui::kColorWhite : ui::kColorButtonFace);
    const int loadBalance = page.CB_LoadB->ItemIndex();
    if (loadBalance == kEnableItem) {
        page.Ed_UsrL->SetReadOnly(false);
        page.Ed_UsrL->SetBackgroundColor(ui::kColorWhite);
    } else if (loadBalance == kDisableItem) {
        page.Ed_UsrL->SetReadOnly(true);
        page.Ed_UsrL->SetBackgroundColor(ui::kColorButtonFace);
    }
}

void TFM_Group::CB_LoadBChange(ui::Component*) { UpdateGroupingControls(*this); }

void TFM_Group::Bt_RefreshClick(ui::Component*) {
    if (UserLimitRequest == nullptr) return;
    ReadGroups();
    UpdateGroupingControls(*this);
}

void TFM_Group::Bt_CancelClick(ui::Component*) { Close(); }

void TFM_Group::Bt_ApplyClick(ui::Component*) {
    if (Ed_UsrL->Text().empty()) Ed_UsrL->SetText("0");
    int users = -1;
    if (!TryStrToInt(Ed_UsrL->Text(), users)) users = -1;
    if (users < 0 || users > kMostUsers) {
        RefuseAndClear(GroupingRangeText, "Error", Ed_UsrL);
        return;
    }
    SelectText(CB_DeviceApplySetting, "apply");
    GroupWrites writes(Groups);
    const std::vector<int> rows = {GroupUserLimitRow::Status, GroupUserLimitRow::UserLimit};
    if (UserLimitRequest == nullptr) {
        writes.Fail();
    } else if (!Groups.WasRead(*UserLimitRequest)) {
        writes.Write(*UserLimitRequest, rows);  // refused: names the settings not read
    } else {
        WaitNotice notice(this, "Please wait...", "The settings are saving now.");
        writes.Write(*UserLimitRequest, rows);
    }
    StatusBar->ShowMessage(writes.AllWritten() ? GroupingSetOkText : writes.FailureText(GroupingSetErrorText));
}

