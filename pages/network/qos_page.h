#pragma once
// The QoS page ("Advanced \ QoS Setting"): QoS on or off, the HTTP and
// automatic priority classifiers, and up to 64 classification rules, each
// enabled or disabled by its check box in the rule list.
//
// The rule table has fixed rows; the walk puts every row into a hidden list
// and the visible list shows the named ones, each remembering the index of
// the row it came from. A new rule goes into the first row with an empty
// name wherever it stands, an edited rule into its own row, a deletion and
// the rule states of Save to the rules' own indexes. Row marks choose what a
// write sends; every read fetches every column. Results come from the
// answers; the page cannot close before the first rule walk has ended.

#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "platform/ui/form.h"

class WaitNotice;
struct QosRulePlan;

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListItem;
class ListView;
class StatusBar;
}  // namespace ui

class TFM_QosSetting : public ui::Form {
public:
    explicit TFM_QosSetting(ui::Component* owner);
    ~TFM_QosSetting() override;

    ui::GroupBox* GroupBox1;
    ui::ComboBox* CB_EnableQos;
    ui::GroupBox* GroupBox2;
    ui::CheckBox* CheckBox_Http;
    ui::CheckBox* CheckBox_Automatic;
    ui::GroupBox* GroupBox3;
    ui::Edit* Ed_QosName;
    ui::ComboBox* CB_Priority;
    ui::ComboBox* CB_Protocol;
    ui::Edit* Ed_ProtocolName;
    ui::Edit* Ed_IpFrom1;
    ui::Edit* Ed_IpTo1;
    ui::Edit* Ed_PortFrom1;
    ui::Edit* Ed_PortTo1;
    ui::Edit* Ed_IpFrom2;
    ui::Edit* Ed_IpTo2;
    ui::Edit* Ed_PortFrom2;
    ui::Edit* Ed_PortTo2;
    ui::Button* Btn_Add;
    ui::Button* Btn_Del;
    ui::Button* Btn_Clear;
    ui::GroupBox* GroupBox4;
    ui::ListView* LV_QosRulesUser;
    ui::Button* Btn_Apply;
    ui::StatusBar* StatusBar;
    // Hidden: the AP mode, the loaded row's index and state, the range sizes,
    // the index a deletion writes and the walked rule table.
    ui::ComboBox* CB_ApMode;
    ui::Label* LB_Index;
    ui::ComboBox* CB_QosRulesState;
    ui::Edit* Ed_HostOneIpRange;
    ui::Edit* Ed_HostOnePortRange;
    ui::Edit* Ed_HostTowIpRange;
    ui::Edit* Ed_HostTowPortRange;
    ui::Edit* Ed_QosRuleDel;
    ui::ListView* LV_QosRules;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* QosStatusRequest = nullptr;
    VkSNMPRequest2Edits* ClassifierRequest = nullptr;
    VkSNMPRequest2Edits* RuleDeleteRequest = nullptr;
    VkSNMPRequest2Edits* QosRulesRequest = nullptr;

    // The editor's mode (QosEditMode).
    int EditMode = 2;
    // The rules listed.
    int RuleCount = 0;
    // The first walk of the rule table has ended (or could not start).
    bool FirstReadDone = true;
    // The walked rule table and the rules the visible list shows of it.
    WalkedRows RuleRows;
    // The index of the rule that was loaded when a Save wrote the rule
    // states: its next Add leaves the state as Save wrote it. Clear, or the
    // choice of another rule, ends it; "" when there is none.
    std::string KeptStateIndex;

    void FormCreate(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    void QosRulesGetDone(VkSNMPError* result);
    void CB_EnableQosChange(ui::Component* sender);
    void CB_ProtocolChange(ui::Component* sender);
    void ApplyApModeLimit();
    void FillQosRuleList();
    void SetRuleEditMode(int mode);
    // The rule editor.
    void LV_QosRulesUserClick(ui::Component* sender);
    void Btn_ClearClick(ui::Component* sender);
    void Btn_AddClick(ui::Component* sender);
    void Btn_DelClick(ui::Component* sender);
    void QosRuleSetDone(VkSNMPError* result);
    // Save.
    void Btn_ApplyClick(ui::Component* sender);
    bool NoRuleEnabled() const;

    bool QosEnabled() const;
    bool RuleTableFull() const;

private:
    void BuildControls();
    void BuildRuleEditor();
    void MakeGroups();
    void MakeRuleGroup();
    bool StartRuleRead();
    ui::ListItem* TargetRow() const;
    void EmptyZeroEdits();
    bool ApplyRulePlan(const QosRulePlan& plan);
    void WriteRule(const std::vector<int>& rows);
    bool SaveRuleStates(std::string& failure);

    // The notice over the page while a rule write is on its way.
    std::unique_ptr<WaitNotice> notice_;
    // Shown by the next rule read in place of "Get OK!".
    std::string afterRead_;
};

extern TFM_QosSetting* FM_QosSetting;
