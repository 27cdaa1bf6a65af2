#pragma once
// The Firmware & SSL page ("Tools \ Firmware & SSL"): four files the device
// fetches from this PC through the page's armed transfer and installs: a
// firmware image (".bin" or ".tfp"), a language pack (".bin"), an SSL
// certificate and then its key (".pem"). Each upload checks its file and
// runs the transfer chain with Get (pages/common/transfer_chain.h); every
// later step starts from the completion of the one before, and only once the
// device's fetch ended well:
//
//   firmware, language pack  5-step wait -> notice -> Firmwareupdate ->
//                            Reboot -> 60-step wait -> the device answers
//                            again (the firmware's version shown) -> success
//   certificate, key         install command -> 5-step wait -> success
//
// A failed fetch command or transfer says so in a box and the status line;
// an install or Reboot the device refuses puts its error text in the status
// line only. A Reboot left unanswered is no failure: the device may go down
// first, and its answering after the restart wait decides
// (pages/common/device_restart.h).
//
// From an upload click until its chain ends the other uploads stay disabled
// and the page cannot be closed. The key can be sent only after a
// certificate was installed during the same opening; a key installed asks
// for a restart, and the next opening reminds of it until one happened.

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
class Label;
class StatusBar;
}  // namespace ui

class TFM_Firmware : public ui::Form {
public:
    enum Operations { kNone = 0, kFirmware = 1, kCertificate = 2, kKey = 3, kLanguagePack = 4 };

    explicit TFM_Firmware(ui::Component* owner);
    ~TFM_Firmware() override;

    ui::Label* La_Firmware;   // "Update Firmware From Local Hard Drive"
    ui::Label* Label1;
    ui::Edit* Ed_UpgFile;
    ui::Button* Bt_Browse;
    ui::Button* Bt_OK;
    ui::Label* La_Language;   // "Language Pack Upgrade"
    ui::Label* Label2;
    ui::Edit* Ed_UpLanguageFile;
    ui::Button* Bt_Language;
    ui::Button* Bt_Lpack;
    ui::Label* La_Ssl;        // "Update SSL Certification From Local Hard Drive"
    ui::Label* Label3;
    ui::Edit* EDT_Certificate;
    ui::Button* Bt_CBrowse;
    ui::Button* Bt_CUpload;
    ui::Label* Label4;
    ui::Edit* EDT_Key;
    ui::Button* Bt_KBrowse;
    ui::Button* Bt_KUpload;
    ui::Edit* Ed_TfpSrv;      // hidden: the PC address written to the device
    ui::Edit* Ed_RemoteFile;  // hidden: the bare file name written to the device
    ui::ComboBox* CB_TfpCom;  // hidden: the commands by list position
    ui::ComboBox* CB_UpgCom;
    ui::StatusBar* StatusBar;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* TftpServerRequest = nullptr;
    VkSNMPRequest2Edits* TftpCommandRequest = nullptr;
    VkSNMPRequest2Edits* UpgradeCommandRequest = nullptr;
    DeviceTransfer TftpServer;
    TransferChain Transfer{TftpServer};
    int Operation = kNone;
    bool ChainRunning = false;
    // A certificate was installed during this opening: the key may follow.
    bool KeyAllowed = false;

    void FormCreate(ui::Component* sender);
    void Bt_BrowseClick(ui::Component* sender);
    void Bt_LanguageClick(ui::Component* sender);
    void Bt_CBrowseClick(ui::Component* sender);
    void Bt_KBrowseClick(ui::Component* sender);
    void Bt_OKClick(ui::Component* sender);
    void Bt_LpackClick(ui::Component* sender);
    void Bt_CUploadClick(ui::Component* sender);
    void Bt_KUploadClick(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);

private:
    void BuildControls();
    void Browse(const char* filter, ui::Edit* edit);
    bool FileChecked(int operation, ui::Edit* edit);
    void Upload(int operation, ui::Edit* edit);
    void ContinueFirmware();
    void RebootAfterUpdate();
    void ContinueCertificateOrKey();
    void SetUploadsEnabled(bool enabled);
    void Finish();
    void Fail(const std::string& text, const std::string& caption, const std::string& status);
    // An install or Reboot the device refused: its text in the status line.
    void InstallFailed(const std::string& status);

    std::unique_ptr<WaitNotice> notice_;
};

extern TFM_Firmware* FM_Firmware;

extern const char* const FwCantPerformText;  // "Can't Perform Operation,Please try again!"
extern const char* const FwRebootReminderText;  // "Please reboot the device for update ssl key setting."
extern const char* const FwNotBackText;  // the device did not answer after the restart
constexpr int kFwLoadSteps = 5;
constexpr int kFwRestartSteps = 60;
