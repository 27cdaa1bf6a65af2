#pragma once
// The System Settings page ("Tools \ System Settings"): three one-shot
// commands to the device, each confirmed first and written alone in one
// synchronous write (the other two rows are left out): restart, restore the
// factory settings, clear the language pack. A restart or restore the device
// took is followed by the 60-step waiting dialog; a write the device did not
// take shows its error in the status line, and nothing follows it. The page
// reads nothing.

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Label;
class StatusBar;
}  // namespace ui

class TFM_Sytem : public ui::Form {
public:
    explicit TFM_Sytem(ui::Component* owner);

    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Button* Button1;           // "Restart"
    ui::Button* Button2;           // "Restore"
    ui::Button* Bt_LanguageClear;  // "Clear"
    ui::ComboBox* CB_Restart;      // hidden: the commands' values by position
    ui::ComboBox* CB_Restore;
    ui::ComboBox* Cbox_LanguagePack;
    ui::StatusBar* StatusBar;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ActionRequest = nullptr;

    void FormCreate(ui::Component* sender);
    void Button1Click(ui::Component* sender);
    void Button2Click(ui::Component* sender);
    void Bt_LanguageClearClick(ui::Component* sender);

private:
    void BuildControls();
    // Selects the command in its combo, marks its row alone for writing, asks
    // the question and writes; true when the device took the command.
    bool SendAction(int row, ui::ComboBox* combo, const char* question);
};

extern TFM_Sytem* FM_Sytem;

// The waiting dialogs' captions and the restore's IP notice.
extern const char* const SystemRestartCaption;  // "System is rebooting, please waiting....."
extern const char* const SystemRestoreCaption;  // "System is rebooting, please waiting.....!"
extern const char* const SystemRestoreIpText;   // "The system IP will be 192.168.0.50 !"
constexpr int kSystemRestartSteps = 60;
