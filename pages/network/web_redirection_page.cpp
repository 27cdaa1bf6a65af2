#include "pages/network/web_redirection_page.h"

#include <vector>

#include "library/common/messages.h"
#include "library/snmp/write_result.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/network/web_redirection_page_rules.h"
#include "pages/network/web_redirection_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

using namespace webredirect;

TFM_WebRedirection* FM_WebRedirection = nullptr;

namespace {

constexpr int kTimeout = Seconds(100);
constexpr int kWdsItem = 2;  // of OptDot11ApMode
constexpr int kWirelessClientItem = 3;
constexpr int kEnableItem = 1;  // of OptDot11WebRedirectionAccountStatus
constexpr int kDeleteItem = 0;  // of OptDot11WebRedirectionAccountAction
constexpr int kAddItem = 1;
constexpr int kTextLength = 64;
// The hidden list's cells: the caption is the row's index.
constexpr int kNameCell = 1;
constexpr int kStatusCell = 3;
constexpr char kEnabled[] = "Enable";

}  // namespace

TFM_WebRedirection::TFM_WebRedirection(ui::Component* owner)
    : ui::Form(owner), AccountRows(FreeWhenEmpty(kNameCell)) {
    SetupPageForm(*this, "FM_WebRedirection", "Advanced \\ Web Redirection", 420, 424);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TFM_WebRedirection::BuildControls() {
    Ckb_Status = NewCheckBox(this, "Ckb_Status", "Enable Web Redirection", 16, 14, 200);
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Add Web Redirection Account", 8, 40, 404, 116);
    PlaceControls(GroupBox1, {
                                 {La_Username, "La_Username", "User Name", 14, 26},
                                 {Ed_Username, "Ed_Username", 110, 22, 170},
                                 {La_Password, "La_Password", "Password", 14, 56},
                                 {Ed_Password, "Ed_Password", 110, 52, 170},
                                 {La_AccountStatus, "La_AccountStatus", "Status", 14, 86},
                                 {CB_AccountStatus, "CB_AccountStatus", 110, 82, 100},
                                 {Btn_Clear, "Btn_Clear", "Clear", 304, 20, 75},
                             });
    Ed_Password->SetPasswordChar('*');
    GroupBox2 = NewGroupBox(this, "GroupBox2", "Web Redirection Account List", 8, 162, 404, 206);
    LV_AccountToUser = NewListView(GroupBox2, "LV_AccountToUser", 14, 22, 306, 170);
    LV_AccountToUser->AddColumn("Status", 100);
    LV_AccountToUser->AddColumn("User Name", 200);
    LV_AccountToUser->SetCheckBoxes(true);
    PlaceControls(GroupBox2, {{Btn_Edit, "Btn_Edit", "Edit", 328, 22, 64}});
    PlaceControls(this, {
                            {Btn_Add, "Btn_Add", "Add", 60, 378, 75},
                            {Btn_Del, "Btn_Del", "Delete", 172, 378, 75},
                            {Btn_Save, "Btn_Save", "Save", 284, 378, 75},
                            {CB_ApMode, "CB_ApMode", 0, 0, 10},
                            {CB_Action, "CB_Action", 0, 0, 10},
                            {Ed_Index, "Ed_Index", 0, 0, 10},
                        });
    LV_AccountGet = NewListView(this, "LV_AccountGet", 0, 0, 10, 10);
    ShowControls({CB_ApMode, CB_Action, Ed_Index, LV_AccountGet}, false);
    StatusBar1 = NewStatusBar(this, "StatusBar1", 0);

    LV_AccountToUser->OnClick = [this](ui::Component* sender) { LV_AccountToUserClick(sender); };
    Btn_Edit->OnClick = [this](ui::Component* sender) { Btn_EditClick(sender); };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    Btn_Del->OnClick = [this](ui::Component* sender) { Btn_DelClick(sender); };
    Btn_Clear->OnClick = [this](ui::Component* sender) { Btn_ClearClick(sender); };
    Btn_Save->OnClick = [this](ui::Component* sender) { Btn_SaveClick(sender); };
}

void TFM_WebRedirection::MakeGroups() {
    Groups.Make(WebModeRequest, {"AP mode", VarsDot11ApMode, MVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_ApMode);
    Groups.Make(WebStatusRequest, {"web redirection", VarsWebRedirectionStatus, SVT_SV, 0, kTimeout})
        .BindCheckBox(SingleRow::Value, Ckb_Status);

    VkSNMPRequest2Edits& account =
        Groups.Make(WebAccountRequest, {"account", VarsWebRedirectionAccount, SVT_SV, 0, kTimeout, true});
    account.BindEdits(WebAccountRow::Name, "%s", Ed_Username);
    account.BindEdits(WebAccountRow::Password, "%s", Ed_Password);
    account.BindComboBox(WebAccountRow::Status, CB_AccountStatus);
    account.BindComboBox(WebAccountRow::Action, CB_Action);
    account.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { WebAccountSetDone(result); };

    VkSNMPRequest2Edits& list =
        Groups.Make(WebListRequest, {"account list", VarsWebRedirectionAccountList, MVT_UMV, 1, kTimeout, true});
    list.BindListView(LV_AccountGet, true);
    AccountRows.Use(list);
    list.BindEdits(WebListRow::Index, "%s", Ed_Index);
    list.BindEdits(WebListRow::Name, "%s", Ed_Username);
    list.BindEdits(WebListRow::Password, "%s", Ed_Password);
    list.BindComboBox(WebListRow::Status, CB_AccountStatus);
    list.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { WebListGetDone(result); };
}

void TFM_WebRedirection::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*WebModeRequest);
        Groups.Read(*WebStatusRequest);
        SavedStatus = Ckb_Status->Checked();
        Groups.StartRead(*WebListRequest);
        StatusBar1->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    CB_AccountStatus->SetItemIndex(kEnableItem);
    EnableControls({Btn_Edit, Btn_Del}, false);
    const int mode = CB_ApMode->ItemIndex();
    const bool locked = mode == kWdsItem || mode == kWirelessClientItem;
    if (locked) Ckb_Status->SetChecked(false);
    Ckb_Status->SetEnabled(!locked);
    for (ui::Edit* edit : {Ed_Username, Ed_Password}) edit->SetMaxLength(kTextLength);
}

void TFM_WebRedirection::FormClose(ui::Component*, ui::CloseAction&) {
    // Answers still on their way reach nothing of the page.
    for (VkSNMPRequest2Edits** group : {&WebStatusRequest, &WebAccountRequest, &WebListRequest}) {
        Groups.Remove(*group);
        *group = nullptr;
    }
}

// ---- the lists ------------------------------------------------------------------

void TFM_WebRedirection::FillWebAccountList() {
    AccountRows.Show(*LV_AccountToUser, [](const ui::ListItem& walked, ui::ListItem& row) {
        row.SetCaption(kEnabled);
        row.AddSubItem(CellText(walked, kNameCell));
        row.SetChecked(CellText(walked, kStatusCell) == kEnabled);
    });
}

bool TFM_WebRedirection::SelectAccountRow(int visible) {
    ui::ListItem* walked = AccountRows.RowOfIndex(AccountRows.IndexAt(visible));
    if (walked == nullptr) return false;
    walked->SetSelected(true);
    return true;
}

void TFM_WebRedirection::LV_AccountToUserClick(ui::Component*) {
    const bool selected = LV_AccountToUser->Selected() != nullptr;
    EnableControls({Btn_Edit, Btn_Del}, selected);
    if (!selected) AddMode = true;
}

void TFM_WebRedirection::Btn_EditClick(ui::Component*) {
    const ui::ListItem* row = LV_AccountToUser->Selected();
    if (row == nullptr || !SelectAccountRow(row->Index())) return;
    AddMode = false;
}

void TFM_WebRedirection::Btn_ClearClick(ui::Component*) {
    Ed_Username->SetText("");
    Ed_Password->SetText("");
}

void TFM_WebRedirection::ReadList() { Groups.StartRead(*WebListRequest); }

// ---- Add ------------------------------------------------------------------------

// Shows a refusal with its focus; true when there is one.
bool TFM_WebRedirection::Refused(const AccountRefusal& refusal) {
    if (refusal.check == 0) return false;
    ui::Edit* edit = refusal.field == AccountField::Name       ? Ed_Username
                     : refusal.field == AccountField::Password ? Ed_Password
                                                               : nullptr;
    Refuse(refusal.message, "Warning", edit);
    return true;
}

bool TFM_WebRedirection::ValidAccount() {
    return !Refused(CheckAccountFields(Ed_Username->Text(), Ed_Password->Text()));
}

std::vector<std::string> TFM_WebRedirection::AccountNames(const ui::ListItem* except) const {
    std::vector<std::string> names;
    for (int i = 0; i < LV_AccountGet->ItemCount(); ++i) {
        const ui::ListItem* walked = LV_AccountGet->Item(i);
        if (walked != except) names.push_back(CellText(*walked, kNameCell));
    }
    return names;
}

void TFM_WebRedirection::Btn_AddClick(ui::Component*) {
    if (!ValidAccount()) return;
    if (AddMode)
        AddAccount();
    else
        RewriteAccount();
}

void TFM_WebRedirection::AddAccount() {
    if (Refused(CheckNewAccount(Ed_Username->Text(), AccountCount(), AccountNames(nullptr)))) return;
    // An empty password is not written.
    if (Ed_Password->Text().empty())
        SendAccountAction(kAddItem, {WebAccountRow::Name, WebAccountRow::Status, WebAccountRow::Action});
    else
        SendAccountAction(kAddItem, {WebAccountRow::Name, WebAccountRow::Password, WebAccountRow::Status,
                                     WebAccountRow::Action});
}

// Writes the loaded account into its own row (the one Edit selected by its
// walked index); the password only when it was changed.
void TFM_WebRedirection::RewriteAccount() {
    const ui::ListItem* loaded = LV_AccountGet->Selected();
    if (loaded == nullptr) {
        ReadList();
        return;
    }
    if (Refused(CheckRenamedAccount(Ed_Username->Text(), AccountNames(loaded)))) return;
    Ed_Index->SetText(loaded->Caption());
    const bool written = SecretUnchanged(*WebListRequest, WebListRow::Password, Ed_Password)
                             ? WriteSelectedRow({WebListRow::Name, WebListRow::Status})
                             : WriteSelectedRow({WebListRow::Name, WebListRow::Password, WebListRow::Status});
    if (!written) {
        StatusBar1->ShowMessage("Error!");
        return;
    }
    ReadList();
}

// Writes the rows of the list's selected row synchronously; every row keeps
// its access for reads.
bool TFM_WebRedirection::WriteSelectedRow(std::initializer_list<int> rows) {
    return WriteRowsNow(*WebListRequest, rows, false).ok;
}

// Writes the rows of the account scalars with the action; the answer comes
// to WebAccountSetDone.
void TFM_WebRedirection::SendAccountAction(int action, std::initializer_list<int> rows) {
    CB_Action->SetItemIndex(action);
    StartWriteRows(*WebAccountRequest, rows, true);
}

// ---- Delete and Save --------------------------------------------------------------

void TFM_WebRedirection::Btn_DelClick(ui::Component*) {
    const ui::ListItem* row = LV_AccountToUser->Selected();
    if (row == nullptr) return;
    if (Refused(CheckDelete(LV_AccountToUser->ItemCount(), SavedStatus))) return;
    if (!SelectAccountRow(row->Index())) return;
    // The device finds the account by its name; its password is not sent.
    SendAccountAction(kDeleteItem, {WebAccountRow::Name, WebAccountRow::Status, WebAccountRow::Action});
}

// Writes the feature's switch, then each listed account's enabled state
// into its own row; refused while the walk is still filling the list (the
// visible rows and their indexes are not all there yet).
void TFM_WebRedirection::Btn_SaveClick(ui::Component*) {
    if (WebListRequest->busy) return StatusBar1->ShowMessage(WalkRunningText);
    std::vector<bool> enabled;
    for (int i = 0; i < LV_AccountToUser->ItemCount(); ++i) enabled.push_back(LV_AccountToUser->Item(i)->Checked());
    if (Refused(CheckSave(Ckb_Status->Checked(), enabled))) return;
    GroupWrites writes(Groups);
    bool saved = writes.Write(*WebStatusRequest, {SingleRow::Value});
    if (saved) SavedStatus = Ckb_Status->Checked();
    // Each account's enabled state into its own row; the first failure ends it.
    for (int visible = 0; saved && visible < AccountCount(); ++visible) {
        saved = SelectAccountRow(visible);
        if (!saved) break;
        CB_AccountStatus->SetItemIndex(LV_AccountToUser->Item(visible)->Checked() ? kEnableItem : 0);
        saved = WriteSelectedRow({WebListRow::Status});
    }
    const std::string text = saved && writes.AllWritten() ? "Save Ok!" : writes.FailureText("Save Error!");
    StatusBar1->ShowMessage(text);
    if (text != "Save Ok!") afterRead_ = text;
    ReadList();
}

// ---- answers ----------------------------------------------------------------------

void TFM_WebRedirection::WebAccountSetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        StatusBar1->ShowMessage("Error!");
        return;
    }
    StatusBar1->ShowMessage(result->text);
    ReadList();
}

void TFM_WebRedirection::WebListGetDone(VkSNMPError* result) {
    AddMode = true;
    Btn_ClearClick(this);
    FillWebAccountList();
    EnableControls({Btn_Edit, Btn_Del}, false);
    if (result->code != VK_OK) {
        StatusBar1->ShowMessage("Get Error!");
    } else {
        // What a load could not read stays in view: the walk alone is no "OK".
        StatusBar1->ShowMessage(!afterRead_.empty() ? afterRead_ : Groups.EndText("Get OK!"));
    }
    afterRead_.clear();
}

