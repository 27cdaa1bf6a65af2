#pragma once
// The WDS Information page ("Status \ WDS Information"): the radio's channel
// and frequency, and the WDS peers the device is linked with. Like the
// Client Information page it writes the refresh command and walks the peer
// table once that write is acknowledged, at opening and on "Refresh". The
// visible list keeps what it showed until a walk succeeds; the page can be
// closed at any time. "Refresh" is disabled while a detection runs, so two
// walks never fill the list together.

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

class TFM_WDSInfo : public ui::Form {
public:
    explicit TFM_WDSInfo(ui::Component* owner);

    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Lb_Channel;
    ui::Label* Label3;
    ui::Label* Lb_Band;
    ui::Label* Label4;
    ui::Label* Label5;
    ui::ListView* WDS_ClientListView;
    ui::Button* Btn_Refresh;
    ui::Button* Btn_Close;
    ui::StatusBar* StatusBar1;

    // Hidden: the walk's list and the refresh value.
    ui::ListView* WDS_ListView;
    ui::ComboBox* IfGetInfo1;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ChannelRequest = nullptr;
    VkSNMPRequest2Edits* RefreshRequest = nullptr;
    VkSNMPRequest2Edits* TableRequest = nullptr;

    void FormCreate(ui::Component* sender);
    void Btn_RefreshClick(ui::Component* sender);
    void Btn_CloseClick(ui::Component* sender);
    void WdsRefreshSetDone(VkSNMPError* result);
    void WdsListGetDone(VkSNMPError* result);
    // The visible list from the hidden one.
    void FillWdsClientList();

private:
    void BuildControls();
    void MakeGroups();
    void StartDetection();
};

extern TFM_WDSInfo* FM_WDSInfo;
