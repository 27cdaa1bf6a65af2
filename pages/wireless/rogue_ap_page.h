#pragma once
// The Intrusion page ("Advanced \ Intrusion"): the access points the device
// hears, each typed new, valid, neighborhood or rogue, listed with a type
// filter and tickable rows.
//
// "Detect" asks the device for a new scan (the refresh object, written
// without waiting, behind a notice the user cannot close) and walks the
// survey once the device has scanned. The four "Set as ..." buttons write
// the survey index of every ticked row into the matching action object, one
// write per row, then scan again. Save turns the ticked rows into valid or
// rogue ones by the "Mark All New ..." choice, whose buttons tick every new
// access point.
//
// The notice, the disabled controls and the close guard (the page closes
// once the first survey answer is in) are released on every way an exchange
// ends: answered, failed, or not sent at all. Detect stays disabled while a
// survey walk runs.

#include <memory>
#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "pages/common/waiting_steps.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class ListView;
class PageControl;
class RadioButton;
class StatusBar;
class TabSheet;
}  // namespace ui

class TFM_RogueAP : public ui::Form {
public:
    explicit TFM_RogueAP(ui::Component* owner);

    ui::PageControl* PC_Performace;
    ui::TabSheet* TabSheetA;  // "Wireless Intrusion Protection"
    ui::Button* Btn_Detect;
    ui::GroupBox* GroupBox1;  // "AP List"
    ui::ComboBox* CB_OperatorType;
    ui::CheckBox* CheckBox_SelectAll;
    ui::ListView* AP_UserListView;
    ui::Button* Btn_SetValid;
    ui::Button* Btn_SetNeigh;
    ui::Button* Btn_SetRogue;
    ui::Button* Btn_SetNew;
    ui::RadioButton* RB_MarkAllValid;
    ui::RadioButton* RB_MarkAllRogue;
    ui::Button* Btn_Apply;  // "Save"
    ui::StatusBar* StatusBar;  // one panel
    // hidden
    ui::ListView* AP_ListView;  // the survey as walked
    ui::ComboBox* CB_Refresh;
    ui::Edit* Ed_Valid;
    ui::Edit* Ed_Neigh;
    ui::Edit* Ed_Rogue;
    ui::Edit* Ed_New;
    ui::CheckBox* CheckBox_MarkAllValid;
    ui::CheckBox* CheckBox_MarkAllRogue;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* RefreshRequest = nullptr;
    VkSNMPRequest2Edits* SurveyRequest = nullptr;
    VkSNMPRequest2Edits* AddToValidRequest = nullptr;
    VkSNMPRequest2Edits* AddToNeighborRequest = nullptr;
    VkSNMPRequest2Edits* AddToRogueRequest = nullptr;
    VkSNMPRequest2Edits* AddToNewRequest = nullptr;
    VkSNMPRequest2Edits* PolicyRequest = nullptr;  // bound, never read or written

    // False from the opening until the first survey answer (or the news that
    // none will come): the page refuses to close meanwhile.
    bool RogueSurveyDone = false;
    std::string LastFilterText = "All";
    // The walked survey as the visible list shows it under the filter; every
    // surveyed access point is a row in use.
    WalkedRows Survey{[](const ui::ListItem&) { return false; }};

    void FormCreate(ui::Component* sender);
    void FormShow(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    void CB_OperatorTypeChange(ui::Component* sender);
    void Btn_DetectClick(ui::Component* sender);
    void Btn_SetValidClick(ui::Component* sender);
    void Btn_SetNeighClick(ui::Component* sender);
    void Btn_SetRogueClick(ui::Component* sender);
    void Btn_SetNewClick(ui::Component* sender);
    void Btn_ApplyClick(ui::Component* sender);
    void CheckBox_SelectAllClick(ui::Component* sender);
    void RB_MarkAllValidClick(ui::Component* sender);
    void RB_MarkAllRogueClick(ui::Component* sender);

    // Rebuilds the visible list from the walked survey under the filter
    // ("all" or a type text); new rows are unticked.
    void FillSurveyList(const std::string& filter);
    // The number of ticked rows of the visible list.
    int AnyEntryChecked() const;

private:
    void BuildControls();
    void BuildHiddenHolders();
    void ConnectHandlers();
    void MakeGroups();
    // Writes the walked survey index of every ticked row into the group's
    // object, then scans again.
    void Reclassify(VkSNMPRequest2Edits* group, ui::Edit* indexEdit);
    // A scan behind the notice: disables the survey controls, writes the
    // refresh object; the walk follows its acknowledgement.
    void StartScan(const std::string& noticeText);
    void RescanAfterReclassify();
    void OnRogueRefreshDone(VkSNMPError* result);
    void OnRogueSurveyDone(VkSNMPError* result);
    // Releases what a scan holds (the notice, the disabled controls, the
    // close guard) and shows the text.
    void EndScan(const std::string& status);
    void EnableSurveyControls(bool enabled);

    std::unique_ptr<WaitNotice> Notice;  // shown while a scan runs
    std::string ReclassifyFailure;      // the first refused write of the last reclassification
};

extern TFM_RogueAP* FM_RogueAP;

extern const char* const RogueNoEntryText;     // "No entry click!"
extern const char* const RogueScanningText;    // "The device is scanning."
extern const char* const RogueSavingText;      // "The settings are saving now."
