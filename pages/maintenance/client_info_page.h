#pragma once
// The Client Information page ("Status \ Client Information"): the wireless
// stations associated with the device now. The device rebuilds its station
// table only on request, so a detection first writes the refresh command and
// walks the table once that write is acknowledged; it runs at opening and on
// "Refresh". The walk fills a hidden list; the visible one shows the stations
// (free rows left out), numbered 1, 2, 3 ..., with their count in the header.
//
// A detection holds the page: "Refresh" is disabled and the page cannot be
// closed until the detection ends, and every way it can end (the walk's
// answer, a refused, unanswered or unsendable refresh write, a walk that
// could not start) releases both.

#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Label;
class ListView;
class StatusBar;
}  // namespace ui

class TClientInformation : public ui::Form {
public:
    explicit TClientInformation(ui::Component* owner);

    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Lb_Band;
    ui::Label* Label4;
    ui::Label* NumOfRecord;
    ui::ListView* User_ListView;
    ui::Button* Bt_Rfrsh;
    ui::Button* Bt_Close;
    ui::StatusBar* StatusBar;

    // Hidden: the walk's list and the refresh and band values.
    ui::ListView* ClientListView;
    ui::ComboBox* IfGetInfo0;
    ui::ComboBox* CB_Band;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* RefreshRequest = nullptr;
    VkSNMPRequest2Edits* BandRequest = nullptr;
    VkSNMPRequest2Edits* ClientTableRequest = nullptr;
    // A detection is running: closing is refused.
    bool Busy = true;

    void FormCreate(ui::Component* sender);
    void Bt_RfrshClick(ui::Component* sender);
    void Bt_CloseClick(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    void ClientRefreshSetDone(VkSNMPError* result);
    void ClientListGetDone(VkSNMPError* result);
    // The visible list from the hidden one.
    void FillClientList();

private:
    void BuildControls();
    void MakeGroups();
    void StartDetection();
    bool DetectionRunning() const;
    void EndDetection(const std::string& status);
};

extern TClientInformation* ClientInformation;
