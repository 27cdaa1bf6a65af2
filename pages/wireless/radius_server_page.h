#pragma once
// The Internal RADIUS Server page ("Advanced \ Internal RADIUS Server"; its
// menu entry is hidden): the accounts of the device's own RADIUS server, each
// a name, a password of 8 to 64 characters and an enabled state.
//
// The device lists the accounts in a table the page only reads (a hidden list
// of the walked rows; the visible list shows the named ones, each keeping the
// walked index of its row). Accounts are added and deleted through the
// account scalars with an action object in one SET. Saving a loaded account
// replaces it: the new name is checked against the other accounts first, then
// the loaded account is deleted and, from that delete's own answer, the new
// values are added. Passwords are shown as the device returns them.

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "pages/wireless/radius_server_page_vars.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListItem;
class ListView;
class StatusBar;
}  // namespace ui

class TFM_LRADIUSSer : public ui::Form {
public:
    explicit TFM_LRADIUSSer(ui::Component* owner);

    ui::GroupBox* GroupBox1;
    ui::GroupBox* GroupBox2;
    ui::Label* Lb_Name;
    ui::Edit* Ed_Name;
    ui::Label* Lb_PWD;
    ui::Edit* Ed_PWD;
    ui::Label* Lb_Status;
    ui::ComboBox* Cbox_Status;
    ui::Button* Bt_RadiusAdd;
    ui::GroupBox* GroupBox3;
    ui::ListView* LV_RadiusAccountListUser;
    ui::Button* Bt_RadiusDel;
    ui::StatusBar* StatusBar1;
    // Hidden: the walked accounts and the action.
    ui::ListView* LV_RadiusAccountList;
    ui::ComboBox* Cbox_RadAction;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* RadiusUserRequest = nullptr;
    VkSNMPRequest2Edits* RadiusListRequest = nullptr;
    // The password of the account last loaded from the list.
    std::string LoadedPassword;
    // The walked accounts as the visible list shows them (a free row has no
    // name).
    WalkedRows Accounts{FreeWhenEmpty(RadiusListRow::Name)};

    // The values of the last Save, kept for the add half of a replacement.
    std::string ParkedName;
    std::string ParkedPassword;
    int ParkedStatus = 1;
    // True from a replacement's delete until its answer came.
    bool ReplacePending = false;

    void FormCreate(ui::Component* sender);
    void LV_RadiusAccountListUserClick(ui::Component* sender);
    void Bt_RadiusAddClick(ui::Component* sender);
    void Bt_RadiusDelClick(ui::Component* sender);
    void RadiusUserSetDone(VkSNMPError* result);
    void RadiusListGetDone(VkSNMPError* result);
    void FillRadiusAccountList();

private:
    // What the account write under way is, for its answer.
    enum class UserWrite { None, Add, ReplacingDelete, ReplacingAdd, Delete };

    void BuildControls();
    void MakeGroups();
    bool ValidAccount();
    ui::ListItem* LoadedRow() const;
    void SendUser(UserWrite kind, int action, const std::vector<int>& rows);
    void ReadList(const std::string& outcome);

    UserWrite userWrite_ = UserWrite::None;
    // The account a replacement deleted, while its new values are added.
    std::string replaced_;
    // Shown when the list read after a write ends well, in place of nothing.
    std::string afterRead_;
};

extern TFM_LRADIUSSer* FM_LRADIUSSer;
