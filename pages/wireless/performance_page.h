#pragma once
// The Performance page ("Advanced \ Performance"): the radio's performance
// settings. Radio on or off, wireless mode, data rate, beacon and DTIM
// intervals, transmit power, WMM, acknowledgement time-out, Short GI, IGMP
// snooping, connection limit with its user limit and the multicast rate.
//
// What the page offers depends on the band, the AP mode and the security in
// force, which it reads but never writes. The band read when the page opens
// decides, while it stays open, which wireless-mode object and combo are in
// use. ArrangePerformanceControls enables the controls the AP mode allows,
// and the wireless-mode handlers fill the data-rate and multicast lists
// (performance_page_rules.h).
//
// Save: the radio "Off" shortcut writes only the radio switch; otherwise
// every range check runs first, then the wireless mode, the radio group and
// the multicast rate are written, with the rows the AP mode allows. Nothing
// is written while the AP mode, band or a group to be written was not read;
// a control the page set by itself is not written unless the user changed
// it. The page is split over two files: this form with its loads and layout
// rules, and performance_page_save.cpp.

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/control_snapshot.h"
#include "pages/common/page_groups.h"
#include "pages/wireless/performance_page_rules.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class PageControl;
class StatusBar;
class TabSheet;
}  // namespace ui

class TFM_Performace : public ui::Form {
public:
    explicit TFM_Performace(ui::Component* owner);

    ui::PageControl* PC_Performace;
    ui::TabSheet* TabSheetA;
    ui::GroupBox* GroupBox1;
    ui::Button* Bt_Apply_a;    // "Save"
    ui::Button* Bt_Refresh_a;  // "Refresh"
    ui::StatusBar* StatusBar;  // simple text

    // The rows of the group, top to bottom.
    ui::Label* Label_Radio;
    ui::ComboBox* CB_Radio;
    ui::Label* Label_WMode;
    ui::ComboBox* CB_WMode1;  // 2.4 GHz
    ui::ComboBox* CB_WMode2;  // 5 GHz, at the same place
    ui::Label* Label_DRate;
    ui::ComboBox* CB_DRate;
    ui::Label* Label_DRateUnit;
    ui::Label* Label_Beacon;
    ui::Edit* Ed_BeInta;
    ui::Label* Label_Dtim;
    ui::Edit* Ed_DTIMa;
    ui::Label* Label_Power;
    ui::ComboBox* CB_TranPa;
    ui::Label* Label_Wmm;
    ui::ComboBox* CB_WMM;
    ui::Label* Label_Ack;
    ui::Edit* Ed_AckTimeOut;
    ui::Label* Label_ShortGi;
    ui::ComboBox* CB_ShortGI;
    ui::Label* Label_Igmp;
    ui::ComboBox* CB_IGMPSnooping;
    ui::Label* Label_Grouping;
    ui::ComboBox* CB_Grouping;
    ui::Label* Label_ULimit;
    ui::Edit* Ed_ULimit;
    ui::Label* LB_RateBand;
    ui::ComboBox* CB_RateBand;
    ui::Label* Label_RateUnit;

    // Hidden holders of device values.
    ui::ComboBox* CB_Wireless;  // band
    ui::ComboBox* CB_ApMode;
    ui::ComboBox* CB_ChanWidth;
    ui::ComboBox* CB_dot11Authentication;
    ui::ComboBox* CB_dot11Encryption;
    ui::ComboBox* CB_Clipher;
    ui::ComboBox* CB_Link;
    ui::Edit* Ed_TRate;
    ui::Edit* Ed_24GDataRateList;
    ui::Edit* Ed_5GDataRateList;
    ui::Edit* Ed_RateGBandList;
    ui::Edit* Ed_RateABandList;
    ui::Edit* Ed_RateGBand;
    ui::Edit* Ed_RateABand;

    // The groups, in the order they are made.
    PageGroups Groups{this};
    VkSNMPRequest2Edits* SecurityRequest = nullptr;
    VkSNMPRequest2Edits* CipherRequest = nullptr;
    VkSNMPRequest2Edits* RadioRequest = nullptr;
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* ChannelWidthRequest = nullptr;
    VkSNMPRequest2Edits* BandRequest = nullptr;
    VkSNMPRequest2Edits* WifiModeRequest = nullptr;
    VkSNMPRequest2Edits* MulticastRateRequest = nullptr;

    // The band fixed when the page opened (-1: not read); the wireless-mode
    // group and combo follow it while the page is open.
    int OpenedBand = -1;
    // What the controls showed right after the last load read them (the
    // device's values), and after the page arranged them.
    ControlSnapshot AtRead;
    ControlSnapshot AtShow;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void Bt_Refresh_aClick(ui::Component* sender);
    void Bt_Apply_aClick(ui::Component* sender);
    void CB_WMode1Change(ui::Component* sender);
    void CB_WMode2Change(ui::Component* sender);
    void CB_GroupingChange(ui::Component* sender);
    void CB_IGMPSnoopingChange(ui::Component* sender);
    void CB_RateBandChange(ui::Component* sender);

    // Enables the controls the AP mode allows and removes "802.11n Only"
    // under legacy security (until the page closes).
    void ArrangePerformanceControls();
    // Fills CB_DRate for the band in force (the stored rate in Ed_TRate
    // selects an entry when the mode has no 802.11n).
    void FillDataRateCombo(ui::ComboBox* combo, ui::Edit* rate, bool nMode);
    // Fills CB_RateBand from the band's list and selects its stored rate.
    void FillMulticastRateCombo(ui::Edit* list, ui::ComboBox* combo, ui::Edit* rate, bool nMode);
    static void CopyMulticastRate(ui::ComboBox* combo, ui::Edit* edit);

    // The band position in force (0 for anything but "5GHz").
    int Band() const;
    int ApMode() const;
    // The wireless-mode combo of the band in force.
    ui::ComboBox* ModeCombo() const;
    bool IsLegacyByPosition() const;
    bool IsLegacyByText() const;

private:
    void BuildControls();
    void BuildHiddenHolders();
    void ConnectHandlers();
    void MakeGroups();
    void MakeWifiModeGroup();
    void ReadGroups();
    void ShowBand();
    void ModeChange(ui::ComboBox* mode, int handlerBand);
    void RemoveNOnlyModes();
    // Save (performance_page_save.cpp).
    void SaveRadioOff();
    bool CheckInput();
    bool SettingsRead(const std::vector<const VkSNMPRequest2Controls*>& groups);
    bool ShownByDevice(const ui::Control* control) const;
    // The rates a Save would send for what is shown, and whether each is
    // sent (RateChoiceWritten).
    std::string ShownDataRate() const;
    ui::Edit* MulticastRateEdit() const;
    bool WriteDataRate() const;
    bool WriteMulticastRate() const;
    void PrepareWrites(const PerformancePlanInput& plan);
    // The snapshots: the device's values as read, and the controls as shown.
    void TakeReadValues();
    void TakeShownValues();
};

extern TFM_Performace* FM_Performace;

extern const char* const PerformanceGetOkText;    // "Get OK!"
extern const char* const PerformanceSaveOkText;   // "Save OK!"
extern const char* const PerformanceSetErrorText; // "Set Error!"
