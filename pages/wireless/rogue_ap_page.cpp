#include "pages/wireless/rogue_ap_page.h"

#include "library/common/messages.h"
#include "library/snmp/write_result.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/rogue_ap_page_rules.h"
#include "pages/wireless/rogue_ap_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"

TFM_RogueAP* FM_RogueAP = nullptr;

const char* const RogueNoEntryText = "No entry click!";
const char* const RogueScanningText = "The device is scanning.";
const char* const RogueSavingText = "The settings are saving now.";

namespace {

constexpr int kFormWidth = 610;
constexpr int kFormHeight = 430;
constexpr int kRefreshItem = 1;  // "refresh"
constexpr char kGetOk[] = "Get OK!";
constexpr char kRefreshing[] = "Refresh...";
constexpr char kRefreshSent[] = "Refresh...!";
constexpr char kPleaseWait[] = "Please wait...";
constexpr char kNewType[] = "new";

// The visible list's columns; the survey index sits in the last, zero wide.
struct Column {
    const char* caption;
    int width;
};
constexpr Column kColumns[] = {{"Type", 100}, {"Band ", 42},      {"CH", 32},      {"SSID", 100},
                               {"BSSID", 100}, {"Last Seen ", 122}, {"Status ", 46}, {"Index", 0}};

ui::RadioButton* NewRadioButton(ui::Control* parent, const std::string& name, const std::string& caption,
                                int left, int top) {
    auto* button = new ui::RadioButton(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, 420, 17);
    return button;
}


}  // namespace

TFM_RogueAP::TFM_RogueAP(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_RogueAP", "Advanced \\ Intrusion", kFormWidth, kFormHeight);
    BuildControls();
    BuildHiddenHolders();
    ConnectHandlers();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnShow = [this](ui::Component* sender) { FormShow(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

void TFM_RogueAP::BuildControls() {
    PC_Performace = new ui::PageControl(this);
    PC_Performace->SetName("PC_Performace");
    PC_Performace->SetBounds(0, 0, kFormWidth, kFormHeight - 19);
    TabSheetA = new ui::TabSheet(PC_Performace);
    TabSheetA->SetName("TabSheetA");
    TabSheetA->SetCaption("Wireless Intrusion Protection");
    Btn_Detect = NewButton(TabSheetA, "Btn_Detect", "Detect", 8, 8, 75);
    GroupBox1 = NewGroupBox(TabSheetA, "GroupBox1", "AP List", 8, 40, 586, 252);
    CB_OperatorType = NewComboBox(GroupBox1, "CB_OperatorType", 12, 20, 130);
    for (const char* type : {"All", "Valid", "Neighborhood", "Rogue", "New"}) CB_OperatorType->AddItem(type);
    CheckBox_SelectAll = NewCheckBox(GroupBox1, "CheckBox_SelectAll", "Select All", 160, 22, 100);
    CheckBox_SelectAll->SetEnabled(false);
    AP_UserListView = NewListView(GroupBox1, "AP_UserListView", 12, 50, 562, 190);
    AP_UserListView->SetCheckBoxes(true);
    for (const Column& column : kColumns) AP_UserListView->AddColumn(column.caption, column.width);
    PlaceControls(TabSheetA, {
        {Btn_SetValid, "Btn_SetValid", "Set as Valid", 8, 300, 110},
        {Btn_SetNeigh, "Btn_SetNeigh", "Set as Neighborhood", 126, 300, 140},
        {Btn_SetRogue, "Btn_SetRogue", "Set as Rogue", 274, 300, 110},
        {Btn_SetNew, "Btn_SetNew", "Set as New", 392, 300, 110},
    });
    RB_MarkAllValid = NewRadioButton(TabSheetA, "RB_MarkAllValid",
                                     "Mark All New Access Points as Valid Access Points ", 8, 336);
    RB_MarkAllRogue = NewRadioButton(TabSheetA, "RB_MarkAllRogue",
                                     "Mark All New Access Points as Rogue Access Points ", 8, 358);
    RB_MarkAllValid->SetChecked(true);
    Btn_Apply = NewButton(TabSheetA, "Btn_Apply", "Save", 519, 346, 75);
    StatusBar = NewStatusBar(this, "StatusBar", kFormWidth);
}

void TFM_RogueAP::BuildHiddenHolders() {
    AP_ListView = NewListView(TabSheetA, "AP_ListView", 0, 0, 10, 10);
    AP_ListView->SetVisible(false);
    Survey.Use(AP_ListView);
    CB_Refresh = NewHiddenComboBox(TabSheetA, "CB_Refresh");
    Ed_Valid = NewHiddenEdit(TabSheetA, "Ed_Valid");
    Ed_Neigh = NewHiddenEdit(TabSheetA, "Ed_Neigh");
    Ed_Rogue = NewHiddenEdit(TabSheetA, "Ed_Rogue");
    Ed_New = NewHiddenEdit(TabSheetA, "Ed_New");
    CheckBox_MarkAllValid = NewCheckBox(TabSheetA, "CheckBox_MarkAllValid", "", 0, 0, 10);
    CheckBox_MarkAllRogue = NewCheckBox(TabSheetA, "CheckBox_MarkAllRogue", "", 0, 0, 10);
    CheckBox_MarkAllValid->SetVisible(false);
    CheckBox_MarkAllRogue->SetVisible(false);
}

void TFM_RogueAP::ConnectHandlers() {
    CB_OperatorType->OnChange = [this](ui::Component* sender) { CB_OperatorTypeChange(sender); };
    Btn_Detect->OnClick = [this](ui::Component* sender) { Btn_DetectClick(sender); };
    Btn_SetValid->OnClick = [this](ui::Component* sender) { Btn_SetValidClick(sender); };
    Btn_SetNeigh->OnClick = [this](ui::Component* sender) { Btn_SetNeighClick(sender); };
    Btn_SetRogue->OnClick = [this](ui::Component* sender) { Btn_SetRogueClick(sender); };
    Btn_SetNew->OnClick = [this](ui::Component* sender) { Btn_SetNewClick(sender); };
    Btn_Apply->OnClick = [this](ui::Component* sender) { Btn_ApplyClick(sender); };
    CheckBox_SelectAll->OnClick = [this](ui::Component* sender) { CheckBox_SelectAllClick(sender); };
    RB_MarkAllValid->OnClick = [this](ui::Component* sender) { RB_MarkAllValidClick(sender); };
    RB_MarkAllRogue->OnClick = [this](ui::Component* sender) { RB_MarkAllRogueClick(sender); };
}

void TFM_RogueAP::MakeGroups() {
    VkSNMPRequest2Edits& refresh =
        Groups.Make(RefreshRequest, {"survey refresh", VarsRogueApRefresh, SVT_SV, 0, Seconds(100), true});
    refresh.BindComboBox(SingleRow::Value, CB_Refresh);
    refresh.SetStatusMemo(StatusBar, 0);
    refresh.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnRogueRefreshDone(result); };
    VkSNMPRequest2Edits& survey =
        Groups.Make(SurveyRequest, {"survey", VarsRogueApSurvey, MVT_UMV, 1, Seconds(100), true});
    survey.BindListView(AP_ListView, false);
    survey.SetStatusMemo(StatusBar, 0);
    survey.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnRogueSurveyDone(result); };
    struct AddTo {
        VkSNMPRequest2Edits*& slot;
        const char* name;
        const VkSNMPVarEntry* table;
        ui::Edit* edit;
    } const addTo[] = {
        {AddToValidRequest, "add to valid", VarsRogueApAddToValid, Ed_Valid},
        {AddToNeighborRequest, "add to neighborhood", VarsRogueApAddToNeighbor, Ed_Neigh},
        {AddToRogueRequest, "add to rogue", VarsRogueApAddToRogue, Ed_Rogue},
        {AddToNewRequest, "add to new", VarsRogueApAddToNew, Ed_New},
    };
    for (const AddTo& group : addTo) {
        Groups.Make(group.slot, {group.name, group.table, SVT_SV, 0, Seconds(100)})
            .BindEdits(SingleRow::Value, "%s", group.edit);
        group.slot->SetStatusMemo(StatusBar, 0);
    }
    VkSNMPRequest2Edits& policy = Groups.Make(PolicyRequest, {"policy", VarsRogueApPolicy, SVT_SV, 0, Seconds(100)});
    policy.BindCheckBox(RogueApPolicyRow::AllNewAsValid, CheckBox_MarkAllValid);
    policy.BindCheckBox(RogueApPolicyRow::UnknownAsRogue, CheckBox_MarkAllRogue);
}

// The survey is walked as the device holds it (no new scan); the action
// objects are read as well, though their values are never used.
void TFM_RogueAP::FormCreate(ui::Component*) {
    SelectText(CB_OperatorType, "All");
    LastFilterText = "All";
    try {
        MakeGroups();
        Groups.BeginLoad();
        StatusBar->ShowMessage(kRefreshing);
        Btn_Detect->SetEnabled(false);
        if (!Groups.StartRead(*SurveyRequest)) EndScan(Groups.LoadText());
        for (VkSNMPRequest2Edits* group : {AddToValidRequest, AddToNeighborRequest, AddToRogueRequest, AddToNewRequest})
            Groups.Read(*group);
        if (!SurveyRequest->busy && !Groups.LoadText().empty()) StatusBar->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        EndScan(error.Message());
    }
}

void TFM_RogueAP::FormShow(ui::Component*) {
    if (Btn_Detect->Enabled()) Btn_Detect->SetFocus();
}

void TFM_RogueAP::FormCloseQuery(ui::Component*, bool& canClose) { canClose = RogueSurveyDone; }

void TFM_RogueAP::FillSurveyList(const std::string& filter) {
    const auto fill = [](const ui::ListItem& walked, ui::ListItem& row) {
        row.SetCaption(CellText(walked, RogueSurveyRow::Type));
        for (int cell : {RogueSurveyRow::Mode, RogueSurveyRow::Channel, RogueSurveyRow::Ssid, RogueSurveyRow::Bssid,
                         RogueSurveyRow::LastSeen, RogueSurveyRow::Status, RogueSurveyRow::Index})
            row.AddSubItem(CellText(walked, cell));
    };
    Survey.Show(*AP_UserListView, fill, [&filter](const ui::ListItem& walked) {
        return SurveyRowListed(filter, CellText(walked, RogueSurveyRow::Type));
    });
}

int TFM_RogueAP::AnyEntryChecked() const {
    int ticked = 0;
    for (int i = 0; i < AP_UserListView->ItemCount(); ++i) ticked += AP_UserListView->Item(i)->Checked() ? 1 : 0;
    return ticked;
}

void TFM_RogueAP::CB_OperatorTypeChange(ui::Component*) {
    const std::string text = CB_OperatorType->Text();
    FillSurveyList(SurveyFilterOf(text));
    EnableControls({RB_MarkAllValid, RB_MarkAllRogue}, MarkAllNewOffered(text));
    if (text != LastFilterText) RB_MarkAllValid->SetChecked(true);
    LastFilterText = text;
    CheckBox_SelectAll->SetChecked(false);
}

void TFM_RogueAP::CheckBox_SelectAllClick(ui::Component*) {
    const bool ticked = CheckBox_SelectAll->Checked();
    for (int i = 0; i < AP_UserListView->ItemCount(); ++i) AP_UserListView->Item(i)->SetChecked(ticked);
}

// Ticks every new access point; other rows keep their ticks.
void TFM_RogueAP::RB_MarkAllValidClick(ui::Component*) {
    for (int i = 0; i < AP_UserListView->ItemCount(); ++i) {
        ui::ListItem* row = AP_UserListView->Item(i);
        if (row->Caption() == kNewType) row->SetChecked(true);
    }
}

void TFM_RogueAP::RB_MarkAllRogueClick(ui::Component* sender) { RB_MarkAllValidClick(sender); }

void TFM_RogueAP::Btn_DetectClick(ui::Component*) {
    SelectText(CB_OperatorType, "All");
    StartScan(RogueScanningText);
}

void TFM_RogueAP::Btn_SetValidClick(ui::Component*) { Reclassify(AddToValidRequest, Ed_Valid); }
void TFM_RogueAP::Btn_SetNeighClick(ui::Component*) { Reclassify(AddToNeighborRequest, Ed_Neigh); }
void TFM_RogueAP::Btn_SetRogueClick(ui::Component*) { Reclassify(AddToRogueRequest, Ed_Rogue); }
void TFM_RogueAP::Btn_SetNewClick(ui::Component*) { Reclassify(AddToNewRequest, Ed_New); }

// Save: the ticked rows become rogue or valid by the "Mark All New ..."
// choice.
void TFM_RogueAP::Btn_ApplyClick(ui::Component*) {
    if (AnyEntryChecked() > 0) {
        if (RB_MarkAllRogue->Checked())
            Reclassify(AddToRogueRequest, Ed_Rogue);
        else if (RB_MarkAllValid->Checked())
            Reclassify(AddToValidRequest, Ed_Valid);
        return;
    }
    ui::MessageBox(RogueNoEntryText, "Warning", ui::Buttons::Ok);
    SelectText(CB_OperatorType, "All");
    CB_OperatorTypeChange(this);
    RB_MarkAllValid->SetChecked(true);
}

// One write per ticked row, its survey index as the survey gave it.
void TFM_RogueAP::Reclassify(VkSNMPRequest2Edits* group, ui::Edit* indexEdit) {
    if (AnyEntryChecked() == 0) {
        ui::MessageBox(RogueNoEntryText, "Warning", ui::Buttons::Ok);
        return;
    }
    if (group == nullptr) return;
    ReclassifyFailure.clear();
    for (int i = 0; i < AP_UserListView->ItemCount(); ++i) {
        const std::string index = Survey.IndexAt(i);
        if (!AP_UserListView->Item(i)->Checked() || index.empty()) continue;
        indexEdit->SetText(index);
        const VkWriteResult written = WriteNow(*group, false);
        if (ReclassifyFailure.empty()) ReclassifyFailure = written.text;
    }
    RescanAfterReclassify();
    SelectText(CB_OperatorType, "All");
}

void TFM_RogueAP::RescanAfterReclassify() {
    AP_ListView->ClearItems();
    StartScan(RogueSavingText);
}

void TFM_RogueAP::StartScan(const std::string& noticeText) {
    if (RefreshRequest == nullptr) return;
    EnableSurveyControls(false);
    try {
        Groups.BeginLoad();
        Notice = std::make_unique<WaitNotice>(this, kPleaseWait, noticeText);
        CB_Refresh->SetItemIndex(kRefreshItem);
        StartWrite(*RefreshRequest, false);  // always ends in OnRogueRefreshDone
    } catch (const os::Exception& error) {
        EndScan(error.Message());
    }
}

void TFM_RogueAP::OnRogueRefreshDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        EndScan(result->text);
        return;
    }
    StatusBar->ShowMessage(kRefreshSent);
    if (!Groups.StartRead(*SurveyRequest)) EndScan(Groups.LoadText());
}

void TFM_RogueAP::OnRogueSurveyDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        EndScan(result->text);
        return;
    }
    FillSurveyList("all");
    RB_MarkAllValid->SetChecked(true);
    EndScan(ReclassifyFailure.empty() ? Groups.EndText(kGetOk) : ReclassifyFailure);
    CheckBox_SelectAll->SetChecked(false);
}

void TFM_RogueAP::EndScan(const std::string& status) {
    Notice.reset();
    ReclassifyFailure.clear();
    RogueSurveyDone = true;
    EnableSurveyControls(true);
    StatusBar->ShowMessage(status);
}

// Detect waits for a survey walk still running: a second walk would only
// supersede it.
void TFM_RogueAP::EnableSurveyControls(bool enabled) {
    const bool walking = SurveyRequest != nullptr && SurveyRequest->busy;
    Btn_Detect->SetEnabled(enabled && !walking);
    EnableControls({Btn_SetValid, Btn_SetNeigh, Btn_SetNew, Btn_SetRogue, Btn_Apply, CB_OperatorType, AP_ListView,
                    RB_MarkAllValid, RB_MarkAllRogue},
                   enabled);
    CheckBox_SelectAll->SetEnabled(enabled && AP_UserListView->ItemCount() > 0);
}

