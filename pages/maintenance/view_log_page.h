#pragma once
// The View Log page ("Status \ View Log"): the device's log fetched as the
// file "LogFile.RD" into the PC's log folder and shown as a table of time,
// type and message; Clear empties the device's log.
//
// A fetch (at opening and on "Get Log"): the PC's address on the device's
// network -> the old file removed -> the page's TFTP server armed for the
// device's upload of that one file -> address and file name written (the
// send command as "nothing") -> the send command. The file is read only when
// the device took the command and its upload ended well ("Get OK."); a
// failed or missing upload says "Get fail." and leaves the table as it was.
// The page cannot be closed while a fetch runs; every way out of a fetch
// (no address, a write not sent, refused or unanswered, a failed upload)
// ends it with both buttons usable.

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/device_transfer.h"
#include "pages/common/page_groups.h"
#include "pages/common/transfer_join.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class ListView;
class StatusBar;
}  // namespace ui

class TLogForm : public ui::Form {
public:
    explicit TLogForm(ui::Component* owner);

    ui::GroupBox* GroupBox1;  // "View Log"
    ui::ListView* ViewListView;
    ui::Button* Clear_Btn;
    ui::Button* GetBtn;
    ui::Button* CloseBtn;
    ui::Button* SetBtn;  // hidden: opens the Log Settings page
    ui::Edit* ServerEdit;    // hidden: the PC address written to the device
    ui::Edit* FileNameEdit;  // hidden: the file name written to the device
    ui::ComboBox* GetCoBox;  // hidden: the send command by position
    ui::ComboBox* Bt_Clear;  // hidden: the clear command by position
    ui::StatusBar* StatusBar1;
    // The lines of the last file read.
    std::vector<std::string> LBLog;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* TransferRequest = nullptr;
    VkSNMPRequest2Edits* GetLogRequest = nullptr;
    VkSNMPRequest2Edits* ClearLogRequest = nullptr;
    DeviceTransfer TftpServer;
    std::string TftpRoot;
    // No fetch is outstanding: the page can be closed.
    bool GetFinished = true;

    void FormCreate(ui::Component* sender);
    void FormResize();
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    void GetBtnClick(ui::Component* sender);
    void Clear_BtnClick(ui::Component* sender);
    void CloseBtnClick(ui::Component* sender);
    void SetBtnClick(ui::Component* sender);
    void TransferDone(const VkSNMPError& result);
    void GetLogDone(const VkSNMPError& result);
    // Reads the file into LBLog (kept when there is no file) and shows LBLog
    // in the table; false when there was no file or it could not be read.
    bool LoadLogFile(const std::string& path);

private:
    void BuildControls();
    void UploadEnded(const VkTFTPTransferEnd& end);
    void FinishFetch(const std::string& status);

    TransferJoin fetch_;
};

extern TLogForm* LogForm;
// Where the fetched log is kept: the log folder and "LogFile.RD".
extern std::string LogFilePath;

extern const char* const LogFileName;        // "LogFile.RD"
extern const char* const NoPcAddressLogText;  // "Get PC's IP Address fail!"
extern const char* const LogGetOkText;        // "Get OK."
extern const char* const LogGetFailText;      // "Get fail."
