#pragma once
// The Information page ("Home \ Information"): the device's MIB-II system
// group, with its contact, name and location editable. Its one request is
// asynchronous: the window stays usable while the device answers, and the
// values appear when the answer arrives. The status line reports each
// exchange when it has completed ("Get OK!", "Save OK!", or the failure).
//
// The edits start empty, and Save writes nothing until a read of the device
// has succeeded, so that nothing but the device's own values and what the
// user typed can be written back.

#include <memory>
#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class Edit;
class Label;
class StatusBar;
}  // namespace ui

class TFM_Information : public ui::Form {
public:
    explicit TFM_Information(ui::Component* owner);

    ui::Label* La_SD;
    ui::Edit* Ed_SD;
    ui::Label* La_SO;
    ui::Edit* Ed_SO;
    ui::Label* La_SU;
    ui::Edit* Ed_SU;
    ui::Label* La_SC;
    ui::Edit* Ed_SC;
    ui::Label* La_SN;
    ui::Edit* Ed_SN;
    ui::Label* La_SL;
    ui::Edit* Ed_SL;
    ui::Button* Btn_Re;
    ui::Button* Btn_Sa;
    ui::StatusBar* StatusBar;

    // The page's one group, the system group.
    PageGroups Groups{this};
    VkSNMPRequest2Edits* SystemRequest = nullptr;

    void FormCreate(ui::Component* sender);
    void Btn_ReClick(ui::Component* sender);
    void Btn_SaClick(ui::Component* sender);

private:
    void BuildControls();
    void ReadSystem();
    bool ValidInput();
    void OnGetDone(VkSNMPError* result);
    void OnSetDone(VkSNMPError* result);
};

extern TFM_Information* FM_Information;

extern const char* const InformationGetOkText;    // "Get OK!"
extern const char* const InformationSaveOkText;   // "Save OK!"
extern const char* const InformationNotReadText;  // Save refused before a read
