#include "pages/wireless/radius_server_page.h"

#include <utility>

#include "library/common/messages.h"
#include "pages/common/async_write.h"
#include "pages/common/completion_status.h"
#include "pages/common/control_helpers.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/radius_server_page_rules.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"

TFM_LRADIUSSer* FM_LRADIUSSer = nullptr;

namespace {

constexpr int kTimeout = Seconds(100);
constexpr int kEnableItem = 1;  // of OptDot11LocalRadiusNodeStatus
constexpr int kDeleteItem = 0;  // of OptDot11LocalRadiusAction
constexpr int kAddItem = 1;
constexpr int kNameLength = 64;

const char* const kSaveOk = "Save OK!";
const char* const kDeleteOk = "Delete OK!";

}  // namespace

TFM_LRADIUSSer::TFM_LRADIUSSer(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_LRADIUSSer", "Advanced \\ Internal RADIUS Server", 400, 330);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_LRADIUSSer::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Internal RADIUS Server", 8, 6, 384, 294);
    GroupBox2 = NewGroupBox(GroupBox1, "GroupBox2", "Add RADIUS Account ", 10, 20, 364, 112);
    PlaceControls(GroupBox2, {
                                 {Lb_Name, "Lb_Name", "Name", 14, 26},
                                 {Ed_Name, "Ed_Name", 90, 22, 170},
                                 {Lb_PWD, "Lb_PWD", "Password", 14, 54},
                                 {Ed_PWD, "Ed_PWD", 90, 50, 170},
                                 {Lb_Status, "Lb_Status", "Status", 14, 82},
                                 {Cbox_Status, "Cbox_Status", 90, 78, 100},
                                 {Bt_RadiusAdd, "Bt_RadiusAdd", "Save", 276, 78, 75},
                             });
    Ed_PWD->SetPasswordChar('*');
    GroupBox3 = NewGroupBox(GroupBox1, "GroupBox3", "RADIUS Account list ", 10, 138, 364, 146);
    LV_RadiusAccountListUser = NewListView(GroupBox3, "LV_RadiusAccountListUser", 10, 20, 250, 116);
    LV_RadiusAccountListUser->AddColumn("Name ", 100);
    LV_RadiusAccountListUser->AddColumn("Status", 100);
    PlaceControls(GroupBox3, {{Bt_RadiusDel, "Bt_RadiusDel", "Delete", 276, 20, 75}});
    StatusBar1 = NewStatusBar(this, "StatusBar1", 400);
    LV_RadiusAccountList = NewListView(this, "LV_RadiusAccountList", 0, 0, 10, 10);
    LV_RadiusAccountList->SetVisible(false);
    Cbox_RadAction = NewHiddenComboBox(this, "Cbox_RadAction");

    LV_RadiusAccountListUser->OnClick = [this](ui::Component* sender) { LV_RadiusAccountListUserClick(sender); };
    Bt_RadiusAdd->OnClick = [this](ui::Component* sender) { Bt_RadiusAddClick(sender); };
    Bt_RadiusDel->OnClick = [this](ui::Component* sender) { Bt_RadiusDelClick(sender); };
}

void TFM_LRADIUSSer::MakeGroups() {
    VkSNMPRequest2Edits& user =
        Groups.Make(RadiusUserRequest, {"RADIUS account", VarsRadiusUser, SVT_SV, 0, kTimeout, true});
    user.BindEdits(RadiusUserRow::Name, "%s", Ed_Name);
    user.BindEdits(RadiusUserRow::Password, "%s", Ed_PWD);
    user.BindComboBox(RadiusUserRow::Status, Cbox_Status);
    user.BindComboBox(RadiusUserRow::Action, Cbox_RadAction);
    user.SetStatusMemo(StatusBar1, 0);
    user.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { RadiusUserSetDone(result); };

    VkSNMPRequest2Edits& list =
        Groups.Make(RadiusListRequest, {"RADIUS accounts", VarsRadiusUserList, MVT_UMV, 1, kTimeout, true});
    list.BindListView(LV_RadiusAccountList, false);
    Accounts.Use(list);
    list.SetStatusMemo(StatusBar1, 0);
    list.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { RadiusListGetDone(result); };
}

void TFM_LRADIUSSer::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.StartRead(*RadiusListRequest);
        StatusBar1->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    Cbox_Status->SetItemIndex(kEnableItem);
    Ed_Name->SetMaxLength(kNameLength);
}

// ---- the list -----------------------------------------------------------------------

void TFM_LRADIUSSer::FillRadiusAccountList() {
    Accounts.Show(*LV_RadiusAccountListUser, [](const ui::ListItem& walked, ui::ListItem& shown) {
        shown.SetCaption(CellText(walked, RadiusListRow::Name));
        shown.AddSubItem(CellText(walked, RadiusListRow::Status));
    });
}

// The walked row of the selected visible account; null when none is selected.
ui::ListItem* TFM_LRADIUSSer::LoadedRow() const { return Accounts.ChosenRow(*LV_RadiusAccountListUser); }

void TFM_LRADIUSSer::LV_RadiusAccountListUserClick(ui::Component*) {
    ui::ListItem* walked = LoadedRow();
    if (walked == nullptr) return;
    LV_RadiusAccountList->SetSelected(walked);
    Ed_Name->SetText(CellText(*walked, RadiusListRow::Name));
    Cbox_Status->SetItemIndex(IndexOfText(Cbox_Status, CellText(*walked, RadiusListRow::Status)));
    Ed_PWD->SetText(CellText(*walked, RadiusListRow::Password));
    LoadedPassword = Ed_PWD->Text();
}

// ---- Save and Delete ------------------------------------------------------------------

bool TFM_LRADIUSSer::ValidAccount() {
    RadiusAccountInput in;
    in.name = Ed_Name->Text();
    in.password = Ed_PWD->Text();
    for (int i = 0; i < LV_RadiusAccountListUser->ItemCount(); ++i)
        in.listed.push_back(LV_RadiusAccountListUser->Item(i)->Caption());
    const ui::ListItem* selected = LV_RadiusAccountListUser->Selected();
    in.replacing = selected != nullptr ? selected->Index() : -1;
    const RadiusRefusal refusal = CheckRadiusAccount(in);
    switch (refusal.field) {
        case RadiusField::None: return true;
        case RadiusField::Name: return RefuseAndClear(refusal.message, "Warning", Ed_Name);
        case RadiusField::Password: return RefuseAndClear(refusal.message, "Warning", Ed_PWD);
    }
    return false;
}

void TFM_LRADIUSSer::Bt_RadiusAddClick(ui::Component*) {
    if (userWrite_ != UserWrite::None || !ValidAccount()) return;
    ParkedName = Ed_Name->Text();
    ParkedPassword = Ed_PWD->Text();
    ParkedStatus = Cbox_Status->ItemIndex();
    const ui::ListItem* loaded = LoadedRow();
    if (loaded == nullptr) {
        SendUser(UserWrite::Add, kAddItem,
                 {RadiusUserRow::Name, RadiusUserRow::Password, RadiusUserRow::Status});
    } else {
        // The delete half names the stored account; the password goes only
        // when it was changed.
        replaced_ = CellText(*loaded, RadiusListRow::Name);
        const std::vector<int> rows = RadiusReplaceRows(Ed_PWD->Text() != LoadedPassword);
        Ed_Name->SetText(replaced_);
        ReplacePending = true;
        SendUser(UserWrite::ReplacingDelete, kDeleteItem, rows);
    }
    if (userWrite_ == UserWrite::None) return;  // answered already: the edits show the outcome
    Ed_Name->SetText("");
    Ed_PWD->SetText("");
}

void TFM_LRADIUSSer::Bt_RadiusDelClick(ui::Component*) {
    const ui::ListItem* loaded = LoadedRow();
    if (loaded == nullptr || userWrite_ != UserWrite::None) return;
    if (ui::MessageBox("Are you sure that you want to delete this entry?", "Warning", ui::Buttons::OkCancel) ==
        ui::Answer::Ok) {
        Ed_Name->SetText(CellText(*loaded, RadiusListRow::Name));
        SendUser(UserWrite::Delete, kDeleteItem,
                 {RadiusUserRow::Name, RadiusUserRow::Password, RadiusUserRow::Status});
    }
    Ed_Name->SetText("");
    Ed_PWD->SetText("");
}

// Writes the rows with the action in one SET; the other rows are left out of
// this write only. The answer comes to RadiusUserSetDone.
void TFM_LRADIUSSer::SendUser(UserWrite kind, int action, const std::vector<int>& rows) {
    Cbox_RadAction->SetItemIndex(action);
    std::vector<int> written = rows;
    written.push_back(RadiusUserRow::Action);
    userWrite_ = kind;
    StartWriteRows(*RadiusUserRequest, written, false);
}

// ---- answers ----------------------------------------------------------------------------

void TFM_LRADIUSSer::RadiusUserSetDone(VkSNMPError* result) {
    const UserWrite kind = std::exchange(userWrite_, UserWrite::None);
    ReplacePending = false;
    if (result->code != VK_OK) {
        ShowCompletion(*RadiusUserRequest, *result, kSaveOk);
        if (kind == UserWrite::ReplacingDelete) {
            // Nothing was deleted and nothing is added: the typed values
            // stay for another try.
            Ed_Name->SetText(ParkedName);
            Ed_PWD->SetText(ParkedPassword);
            return;
        }
        if (kind != UserWrite::ReplacingAdd) return;
        const std::string failure = StatusBar1->PanelText(0);
        ui::MessageBox("The account \"" + replaced_ + "\" was deleted, but its changed settings could not be added: " +
                           result->text,
                       "Error");
        ReadList(failure);
        return;
    }
    if (kind != UserWrite::ReplacingDelete) {
        ReadList(kind == UserWrite::Delete ? kDeleteOk : kSaveOk);
        return;
    }
    // The old account is gone: add the parked values.
    if (const ui::ListItem* row = LV_RadiusAccountListUser->Selected())
        LV_RadiusAccountListUser->DeleteItem(row->Index());
    LV_RadiusAccountListUser->SetSelected(nullptr);
    Ed_Name->SetText(ParkedName);
    Ed_PWD->SetText(ParkedPassword);
    Cbox_Status->SetItemIndex(ParkedStatus);
    SendUser(UserWrite::ReplacingAdd, kAddItem, {RadiusUserRow::Name, RadiusUserRow::Password, RadiusUserRow::Status});
    Ed_Name->SetText("");
    Ed_PWD->SetText("");
}

void TFM_LRADIUSSer::ReadList(const std::string& outcome) {
    afterRead_ = outcome;
    Groups.BeginLoad();
    if (!Groups.StartRead(*RadiusListRequest)) {
        StatusBar1->ShowMessage(afterRead_);
        afterRead_.clear();
    }
}

void TFM_LRADIUSSer::RadiusListGetDone(VkSNMPError* result) {
    const std::string outcome = std::exchange(afterRead_, std::string());
    if (result->code != VK_OK) {
        // The list stays as it was; the failure says why.
        ShowCompletion(*RadiusListRequest, *result, std::string());
        return;
    }
    FillRadiusAccountList();
    if (!outcome.empty()) StatusBar1->ShowMessage(outcome);
}

