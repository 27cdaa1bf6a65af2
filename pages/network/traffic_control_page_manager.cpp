// The Traffic Control page's Traffic Manager tab: the manager's settings and
// their Save, when the rule groups show, and the rule list: the device's
// table walked into the hidden list, its named rows in the visible one.

#include "library/common/messages.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/same_value.h"
#include "pages/network/traffic_control_page.h"
#include "pages/network/traffic_control_page_texts.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"

using namespace traffic;

namespace {

const char* const kManagerNeedsBandwidth =
    "Traffic Manager can't enable if uplink and downlink bandwidth are empty in uplink/downlink/setting!";

// The visible list's cells: the caption is the name.
constexpr int kIpCell = 1;
constexpr int kMacCell = 2;
constexpr int kDownCell = 3;
constexpr int kUpCell = 4;
// A rule without a client IP or MAC reads these.
constexpr char kNoMac[] = "000000000000";

std::string UnlessEmptyValue(const std::string& text, const char* empty) { return text == empty ? "" : text; }

}  // namespace

void TFM_TrafficCtrl::Cbox_TrafficManChange(ui::Component*) {
    if (Cbox_TrafficMan->ItemIndex() != kEnableItem) {
        ShowControls({GroupBox7, GroupBox8}, false);
        RadioGroup1->SetEnabled(false);
        return;
    }
    if (Ed_DownLBand->Text().empty() && Ed_UpLBand->Text().empty()) {
        ui::MessageBox(kManagerNeedsBandwidth, "Warning", ui::Buttons::Ok);
        return;
    }
    ShowControls({GroupBox7, GroupBox8}, true);
    RadioGroup1->SetEnabled(true);
}

// The Save writes the manager's own settings only: the rules change through
// Add and Delete, the bandwidths on the first tab.
void TFM_TrafficCtrl::Bt_TrafficApplyClick(ui::Component*) {
    GroupWrites writes(Groups);
    writes.Write(*ManagerStateRequest, {TrafficManagerRow::Status, TrafficManagerRow::UnlistedClients});
    StatusBar3->SetSimpleText(writes.AllWritten() ? kSaveOk : writes.FailureText(kSaveFail));
}

void TFM_TrafficCtrl::ReadRuleList() {
    if (!Groups.StartRead(*TrafficRuleListRequest)) StatusBar3->SetSimpleText(Groups.LoadText());
}

void TFM_TrafficCtrl::TrafficRuleListGetDone(VkSNMPError* result) {
    RuleListRead = result->code == VK_OK;
    if (!RuleListRead) {
        // The list is no longer known: no rule can be checked against it.
        EnableControls({Bt_TrafficAdd, Bt_TrafficDel}, false);
        StatusBar3->SetSimpleText(result->text);
        return;
    }
    FillTrafficRuleList();
    Bt_TrafficAdd->SetEnabled(true);
    Bt_TrafficDel->SetEnabled(false);
}

// One visible row per named row of the device's table, in walk order; each
// keeps the rule's own values, its name first.
void TFM_TrafficCtrl::FillTrafficRuleList() {
    LV_TrafficManRuleUser->ClearItems();
    const ui::ListView& walked = *LV_TrafficManRule;
    const int columns[] = {ColumnOf(walked, "dot11RuleListName"), ColumnOf(walked, "dot11RuleListClientIP"),
                           ColumnOf(walked, "dot11RuleListClientMac"), ColumnOf(walked, "dot11RuleListClientDownSpeed"),
                           ColumnOf(walked, "dot11RuleListClientUpSpeed")};
    for (int i = 0; i < walked.ItemCount(); ++i) {
        const ui::ListItem& row = *walked.Item(i);
        const std::string name = CellText(row, columns[0]);
        if (name.empty()) continue;
        ui::ListItem* rule = LV_TrafficManRuleUser->AddItem();
        rule->SetCaption(name);
        for (int c = 1; c < 5; ++c) rule->AddSubItem(CellText(row, columns[c]));
    }
}

// The chosen rule into the editor; a rule without IP or MAC shows that edit
// empty.
void TFM_TrafficCtrl::LV_TrafficManRuleUserClick(ui::Component*) {
    const ui::ListItem* rule = LV_TrafficManRuleUser->Selected();
    Bt_TrafficDel->SetEnabled(rule != nullptr && RuleListRead);
    if (rule == nullptr) return;
    PutRule({rule->Caption(), UnlessEmptyValue(CellText(*rule, kIpCell), kNoAddress),
             UnlessEmptyValue(CellText(*rule, kMacCell), kNoMac), CellText(*rule, kDownCell),
             CellText(*rule, kUpCell)});
}

TFM_TrafficCtrl::RuleTexts TFM_TrafficCtrl::TypedRule() const {
    return {Ed_Name->Text(), Ed_ClientIP->Text(), Ed_ClientMAC->Text(), Ed_DLinkSp->Text(), Ed_ULinkSp->Text()};
}

void TFM_TrafficCtrl::PutRule(const RuleTexts& rule) {
    Ed_Name->SetText(rule.name);
    Ed_ClientIP->SetText(rule.ip);
    Ed_ClientMAC->SetText(rule.mac);
    Ed_DLinkSp->SetText(rule.downSpeed);
    Ed_ULinkSp->SetText(rule.upSpeed);
}

// Another listed rule (not `except`) has that name.
bool TFM_TrafficCtrl::NameTaken(const std::string& name, const ui::ListItem* except) const {
    for (int i = 0; i < LV_TrafficManRuleUser->ItemCount(); ++i) {
        const ui::ListItem* rule = LV_TrafficManRuleUser->Item(i);
        if (rule != except && rule->Caption() == name) return true;
    }
    return false;
}
