#pragma once
// The Web Redirection page ("Advanced \ Web Redirection"; its menu entry is
// hidden): web redirection on or off, and up to 256 accounts (name,
// password, enabled or not).
//
// New accounts and deletions go through the account scalars with their
// action (1 add, 0 delete by name); a changed account, and every account's
// enabled state on Save, is written into its own list row. The walked rows
// sit in a hidden list (free rows included); the visible list shows the
// named ones, and each visible row keeps the index of the row it came from,
// so a free row between accounts never shifts which account is changed.
// Passwords are written only when typed. In WDS and Wireless Client mode the
// feature is locked to Disable (Save writes it).

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "platform/ui/form.h"

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

namespace webredirect {
struct AccountRefusal;
}

class TFM_WebRedirection : public ui::Form {
public:
    explicit TFM_WebRedirection(ui::Component* owner);

    ui::CheckBox* Ckb_Status;
    ui::GroupBox* GroupBox1;
    ui::Label* La_Username;
    ui::Edit* Ed_Username;
    ui::Label* La_Password;
    ui::Edit* Ed_Password;
    ui::Label* La_AccountStatus;
    ui::ComboBox* CB_AccountStatus;
    ui::Button* Btn_Clear;
    ui::GroupBox* GroupBox2;
    ui::ListView* LV_AccountToUser;
    ui::Button* Btn_Edit;
    ui::Button* Btn_Add;
    ui::Button* Btn_Del;
    ui::Button* Btn_Save;
    ui::StatusBar* StatusBar1;
    // Hidden: the AP mode, the action, the loaded row's index, the walked rows.
    ui::ComboBox* CB_ApMode;
    ui::ComboBox* CB_Action;
    ui::Edit* Ed_Index;
    ui::ListView* LV_AccountGet;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* WebModeRequest = nullptr;
    VkSNMPRequest2Edits* WebStatusRequest = nullptr;
    VkSNMPRequest2Edits* WebAccountRequest = nullptr;
    VkSNMPRequest2Edits* WebListRequest = nullptr;
    // True: Add creates an account; false: Add rewrites the one Edit loaded.
    bool AddMode = false;
    // "Enable Web Redirection" as read, then as last saved.
    bool SavedStatus = false;
    // The walked account rows and the accounts the visible list shows of them.
    WalkedRows AccountRows;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void LV_AccountToUserClick(ui::Component* sender);
    void Btn_EditClick(ui::Component* sender);
    void Btn_AddClick(ui::Component* sender);
    void Btn_DelClick(ui::Component* sender);
    void Btn_ClearClick(ui::Component* sender);
    void Btn_SaveClick(ui::Component* sender);
    void FillWebAccountList();
    void WebAccountSetDone(VkSNMPError* result);
    void WebListGetDone(VkSNMPError* result);

    // The accounts listed (named rows only).
    int AccountCount() const { return AccountRows.UsedCount(); }

private:
    void BuildControls();
    void MakeGroups();
    bool ValidAccount();
    // The names of the walked accounts but `except` (a row of the hidden list).
    std::vector<std::string> AccountNames(const ui::ListItem* except) const;
    bool Refused(const webredirect::AccountRefusal& refusal);
    void AddAccount();
    void RewriteAccount();
    // Selects the hidden row of a visible one (by its walked index), which
    // loads the account into the edits; false when there is none.
    bool SelectAccountRow(int visible);
    bool WriteSelectedRow(std::initializer_list<int> rows);
    void SendAccountAction(int action, std::initializer_list<int> rows);
    void ReadList();

    // Shown by the next list read in place of its own success text.
    std::string afterRead_;
};

extern TFM_WebRedirection* FM_WebRedirection;
