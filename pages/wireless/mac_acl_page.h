#pragma once
// The Wireless MAC ACL page ("Advanced \ Wireless MAC ACL"): the access
// point's MAC access-control list. The access mode ("Accept", "Reject",
// "Disable"), the list itself (at most 256 addresses in the device's fixed
// rows; free rows hold 000000000000 and are not listed), additions typed or
// picked from the stations associated now, deletions, and the whole list
// moved as a file between this PC and the device.
//
// An addition or deletion writes the address into the device's add or delete
// object; on its answer the list is walked again, first into the hidden list
// (every row), then into the visible one. Until that walk has ended the page
// cannot be closed (ListReady) and Save and Delete stay disabled.
//
// The page is spread over files: the form, load, list and Save
// (mac_acl_page.cpp) and the file transfer (mac_acl_page_transfer.cpp).

#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/device_transfer.h"
#include "pages/common/page_groups.h"
#include "pages/common/transfer_chain.h"
#include "platform/ui/form.h"

class New_req2Edit;
namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListView;
class StatusBar;
}  // namespace ui
struct VkSNMPError;

class TFM_FilterMACACL : public ui::Form {
public:
    explicit TFM_FilterMACACL(ui::Component* owner);
    ~TFM_FilterMACACL() override;

    ui::Label* Label_Band;
    ui::ComboBox* CB_Band;
    ui::Label* Label_AccessControl;
    ui::ComboBox* CB_AccessControl;
    ui::Label* Label_MacAddress;
    ui::Edit* Ed_MacAdd;
    ui::Button* Btn_Add;
    ui::GroupBox* GroupBox1;  // "MAC Address"
    ui::ListView* LV_UerMACAddress;
    ui::Button* Bt_Del;
    ui::Label* Label_Client;  // "Current Client Information "
    ui::Button* Bt_Add;
    ui::ListView* LV_ClientUser;
    // the file transfer
    ui::Label* Label_UploadHeader;
    ui::Label* Label_UploadFile;
    ui::Edit* Ed_UpgFile;
    ui::Button* Btn_Browse;
    ui::Button* Btn_Upload;
    ui::Label* Label_DownloadHeader;
    ui::Label* Label_DownloadFile;
    ui::Button* Btn_Download;
    ui::Button* Bt_Apply;
    ui::StatusBar* StatusBar1;
    // hidden: device values and buffers
    ui::ComboBox* Cbox_ACLAPmode;
    ui::ComboBox* CB_ZoneStatus;
    ui::ComboBox* CB_GetInfo;
    ui::ListView* LV_GetMAC;
    ui::Label* LA_Index;
    ui::Edit* Ed_MACAddr;
    ui::Edit* Ed_MacAdd2;
    ui::ListView* LV_ClientTable;
    ui::Edit* Ed_TfpSrv;
    ui::Edit* Ed_RemoteFile;
    ui::Edit* Ed_SaveFile;
    ui::ComboBox* CB_TfpCom;
    ui::ComboBox* CB_UpgCom;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ZoneRequest = nullptr;
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* ModeRequest = nullptr;
    VkSNMPRequest2Edits* BandRequest = nullptr;
    VkSNMPRequest2Edits* ClientTableRequest = nullptr;
    VkSNMPRequest2Edits* ClientRefreshRequest = nullptr;
    VkSNMPRequest2Edits* AddRequest = nullptr;
    VkSNMPRequest2Edits* AddClientRequest = nullptr;
    VkSNMPRequest2Edits* DeleteRequest = nullptr;
    VkSNMPRequest2Edits* HiddenListRequest = nullptr;
    New_req2Edit* ListRequest = nullptr;
    VkSNMPRequest2Edits* TftpServerRequest = nullptr;
    VkSNMPRequest2Edits* UpgradeCommandRequest = nullptr;
    VkSNMPRequest2Edits* TftpCommandRequest = nullptr;
    DeviceTransfer TftpServer;
    TransferChain Transfer;

    // The last walk of the visible list has ended, well or not.
    bool ListReady = false;
    // An upload or download runs: from its click until its chain ends.
    bool ChainRunning = false;

    void FormCreate(ui::Component* sender);
    void CB_AccessControlChange(ui::Component* sender);
    void Btn_AddClick(ui::Component* sender);
    void LV_ClientUserClick(ui::Component* sender);
    void Bt_AddClick(ui::Component* sender);
    void Bt_DelClick(ui::Component* sender);
    void Bt_ApplyClick(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    // file transfer (mac_acl_page_transfer.cpp)
    void Btn_BrowseClick(ui::Component* sender);
    void Btn_UploadClick(ui::Component* sender);
    void Btn_DownloadClick(ui::Component* sender);

    void OnAclListGetDone(VkSNMPError* result);
    void OnAclListSetDone(VkSNMPError* result);
    void OnAclClientRefreshDone(VkSNMPError* result);
    void OnAclClientTableDone(VkSNMPError* result);
    void FillAclClientList();

    // The addresses the hidden list (every row walked) and the visible list
    // hold, in their order.
    std::vector<std::string> WalkedMacs() const;
    std::vector<std::string> ListedMacs() const;

private:
    void BuildControls();
    void BuildTransferControls();
    void MakeGroups();
    void MakeTransferGroups();
    void ApplyApModeRule();
    // Walks the list again: the hidden list, then the visible one.
    void ReadList();
    // The list is busy from an addition or deletion until its walk ends.
    void BeginListChange();
    void EndListChange();
    // Writes the access mode shown in CB_AccessControl; false after the
    // failure is shown.
    bool WriteAccessMode(int item);
    // The file transfer's ends.
    void AdoptUploadedList();
    void TransferFailed(const std::string& reason);
    void TransferSucceeded(const std::string& text);

    // The mode combo shows the device's mode (read or written) or the user's
    // choice, not the "Disable" the page shows by itself in Wireless Client
    // mode.
    bool accessModeFromDevice_ = false;
};

extern TFM_FilterMACACL* FM_FilterMACACL;

extern const char* const AclUpdateOkText;  // "The ACL file update successfully!"
extern const char* const AclSaveOkText;    // "The ACL file saved successfully!"
extern const char* const AclFailText;      // "Fail to save the ACL file!"
constexpr int kAclUpdateSteps = 4;
