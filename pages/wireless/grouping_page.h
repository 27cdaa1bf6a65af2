#pragma once
// The Grouping page ("Advanced \ Grouping"): load balancing by user limit,
// whether it is on and the most users (0 to 64) the access point takes. No
// menu entry shows it; it opens through the "UserLimit" opener.
//
// Apply checks the limit (an empty edit is 0), then writes both objects in
// one SET behind the "Please wait..." notice; nothing when they were not
// read.

#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class StatusBar;
}  // namespace ui

class TFM_Group : public ui::Form {
public:
    explicit TFM_Group(ui::Component* owner);

    ui::Label* Label_Heading;  // "AP Grouping Settings:(For AP Mode Only)"
    ui::Label* Label_LoadB;
    ui::ComboBox* CB_LoadB;
    ui::Label* Label_UsrL;
    ui::Edit* Ed_UsrL;
    ui::Button* Bt_Apply;
    ui::Button* Bt_Refresh;
    ui::Button* Bt_Cancel;
    ui::StatusBar* StatusBar;
    // hidden
    ui::ComboBox* CB_APMode;
    ui::ComboBox* CB_DeviceApplySetting;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* UserLimitRequest = nullptr;
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* ApplyRequest = nullptr;  // made, never read or written

    void FormCreate(ui::Component* sender);
    void CB_LoadBChange(ui::Component* sender);
    void Bt_RefreshClick(ui::Component* sender);
    void Bt_CancelClick(ui::Component* sender);
    void Bt_ApplyClick(ui::Component* sender);

private:
    void BuildControls();
    void ReadGroups();
};

// The enabling rule: load balance only for an access point, the limit
// editable only while load balance shows "Enable".
void UpdateGroupingControls(TFM_Group& page);

extern TFM_Group* FM_Group;

extern const char* const GroupingSetOkText;     // "Setting OK!"
extern const char* const GroupingSetErrorText;  // "Setting Error!"
extern const char* const GroupingRangeText;     // "Please input a number between 0 and 64."
