#pragma once
// The Configuration File page ("Tools \ Configuration File"): the device's
// configuration saved into a ".dcf" file on this PC, and restored from one.
// The device moves the file itself through the page's armed transfer
// (pages/common/device_transfer.h); each step of a chain starts from the
// completion of the one before, whatever its outcome:
//
//   restore  checks -> PC address -> notice -> the transfer chain with Get
//            (pages/common/transfer_chain.h); once the device took Get and
//            its fetch ended well: Configsave -> 10-step wait -> Reboot ->
//            60-step wait -> the device answers again -> success box
//   save     checks -> PC address -> notice -> the transfer chain with Put;
//            once the device took Put and the whole file is in place:
//            configSetting -> success box
//
// Any failure (a check of the device's answer, the transfer, the device not
// coming back) ends the chain: the notice goes, the page is enabled, the
// reason stands in the status line and the failure box shows. A Reboot the
// device leaves unanswered is no failure: it may go down first, and its
// answering after the restart wait decides (pages/common/device_restart.h).
// The page cannot be closed while a chain runs.

#include <functional>
#include <memory>
#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/device_transfer.h"
#include "pages/common/page_groups.h"
#include "pages/common/transfer_chain.h"
#include "platform/ui/form.h"

class WaitNotice;
namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class StatusBar;
}  // namespace ui

class TFM_CfgFile : public ui::Form {
public:
    explicit TFM_CfgFile(ui::Component* owner);
    ~TFM_CfgFile() override;

    ui::GroupBox* GroupBox1;  // "Update Configuration File "
    ui::Label* Label1;
    ui::Edit* Ed_UpgFile;
    ui::Button* Bt_Browse;
    ui::Button* Bt_OK;
    ui::Label* Label3;        // "Download Configuration File "
    ui::GroupBox* GroupBox2;  // "Load Settings to Local Hard Drive"
    ui::Label* Label2;
    ui::Edit* Ed_SaveFile;
    ui::Button* Bt_SavBrw;
    ui::Button* Bt_Upload;
    ui::Edit* Ed_TfpSrv;      // hidden: the PC address written to the device
    ui::Edit* Ed_RemoteFile;  // hidden: the bare file name written to the device
    ui::ComboBox* CB_TfpCom;  // hidden: the commands by list position
    ui::ComboBox* CB_UpgCom;
    ui::StatusBar* StatusBar;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* TftpServerRequest = nullptr;
    VkSNMPRequest2Edits* UpgradeCommandRequest = nullptr;
    VkSNMPRequest2Edits* TftpCommandRequest = nullptr;
    DeviceTransfer TftpServer;
    TransferChain Transfer{TftpServer};
    // A restore or save runs: from its click until its chain ends.
    bool ChainRunning = false;

    void FormCreate(ui::Component* sender);
    void Bt_BrowseClick(ui::Component* sender);
    void Bt_SavBrwClick(ui::Component* sender);
    void Bt_OKClick(ui::Component* sender);
    void Bt_UploadClick(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);

private:
    void BuildControls();
    // Shows the notice and runs the transfer chain; afterTransfer runs once
    // the device took the command and its transfer ended well.
    void StartTransfer(const std::string& path, VkTFTPDirection direction, int commandPosition,
                       std::function<void()> afterTransfer);
    void ApplyRestore();
    void RebootAfterRestore();
    void FinishSave();
    void Succeed(const std::string& text);
    void Fail(const std::string& reason);

    std::unique_ptr<WaitNotice> notice_;
};

extern TFM_CfgFile* FM_CfgFile;

extern const char* const CfgRestoreOkText;  // "The configuration file update successfully!"
extern const char* const CfgSaveOkText;     // "The configuration file saved successfully!"
extern const char* const CfgFailText;       // "Fail to save the configuration file!"
// The device did not answer again after the restart of a restore.
extern const char* const CfgNotBackText;
constexpr int kCfgApplySteps = 10;
constexpr int kCfgRestartSteps = 60;
