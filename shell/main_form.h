#pragma once
// The main window: a picture of the device with its four status lamps, a
// status line and the menu. It probes the device's liveness every 2 s
// (LedStatus), blinks the lamps every 500 ms (LedBlink) and polls the LAN
// address and LED modes every 2 s (Timer1); hidden controls keep what it has
// read, and other windows read them through MainForm. Its creation handler
// runs the module's start-up (shell/startup.h).

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "shell/input_validators.h"
#include "shell/led_rules.h"
#include "shell/network_address.h"

namespace ui {
class ComboBox;
class Edit;
class Image;
class ListBox;
class MainMenu;
class MenuItem;
class Shape;
class StatusBar;
class Timer;
}  // namespace ui
class VkSNMPRequest;
struct ConfigTableOpening;
class TConfigForm;
class VkSNMPRequest2Edits;
struct VkSNMPError;

class TMainForm : public ui::Form {
public:
    explicit TMainForm(ui::Component* owner);
    ~TMainForm() override;

    // The input checks every page calls through the main window.
    static bool HasNoEdgeBlank(const std::string& text) { return ::HasNoEdgeBlank(text); }
    static bool IsValidHostAddress(const std::string& text) { return ::IsValidHostAddress(text); }
    static bool IsValidLanAddress(const std::string& text) { return ::IsValidLanAddress(text); }
    static bool IsValidSubnetMask(const std::string& text) { return ::IsValidSubnetMask(text); }
    static bool IsValidHostInSubnet(const std::string& address, const std::string& mask) {
        return ::IsValidHostInSubnet(address, mask);
    }
    static std::string NetworkAddress(const std::string& address, const std::string& mask) {
        return ::NetworkAddress(address, mask);
    }
    static bool IsAsciiText(const std::string& text) { return ::IsAsciiText(text); }
    static bool IsValidMacAddress(const std::string& text) { return ::IsValidMacAddress(text); }
    // The PC address under which the device reaches the module, found from
    // this window's device address, mask and PC address list
    // (local_address_discovery.h) and written into target; false, leaving
    // target as it is, when none is found or there is no main window.
    static bool GetPCIPAddress(ui::Edit* target);

    // The picture area, the lamps and the status line.
    ui::Image* Image1;  // only its size counts: the picture area
    ui::Image* Image2;  // the device picture
    ui::Shape* LED_APstatus;
    ui::Shape* LED_24GLan;  // the waiting dialog watches its colour
    ui::Shape* LED_Power;
    ui::Shape* LED_5GLan;   // placed outside the picture area, so never seen
    ui::StatusBar* MainStatusBar;
    ui::MainMenu* MainMenu1;
    ui::Timer* LedStatus;
    ui::Timer* LedBlink;
    ui::Timer* Timer1;

    // Hidden controls filled by the requests.
    ui::Edit* IPAddressEdit;
    ui::Edit* SubMaskEdit;
    ui::Edit* Ed_SysIpaddress;
    ui::ComboBox* CB_Fuction1;
    ui::ComboBox* CB_Band;
    ui::ComboBox* Cbox_SaveAct;
    ui::ComboBox* Cbox_Discard;
    ui::ComboBox* Cbox_Restart;
    ui::ComboBox* CB_Led2dot4G;
    ui::ComboBox* CB_Led5G;
    ui::ComboBox* CB_LedLan;
    ui::ComboBox* CB_ApMode;
    ui::ListBox* IpConfigList;

    // The one menu entry whose visibility changes at run time (the Wireless
    // and VLAN pages set it too).
    ui::MenuItem* ARPSpoofingPreventionSettings1;

    // The requests, made at start-up; null until then (and for good when
    // start-up ended early).
    std::unique_ptr<VkSNMPRequest> ProbeRequest;
    std::unique_ptr<VkSNMPRequest2Edits> LanAddressRequest;
    std::unique_ptr<VkSNMPRequest2Edits> DhcpControlRequest;
    std::unique_ptr<VkSNMPRequest2Edits> DeviceIpRequest;
    std::unique_ptr<VkSNMPRequest2Edits> BandRequest;
    std::unique_ptr<VkSNMPRequest2Edits> DeviceCommandRequest;
    std::unique_ptr<VkSNMPRequest2Edits> LedRequest;
    std::unique_ptr<VkSNMPRequest2Edits> ApModeRequest;

    // The parameters start-up applies: the command line's unless set before
    // the creation step.
    std::vector<std::string> StartupParameters;
    std::string DeviceAddress;
    std::string LogDir;
    std::vector<std::string> PcAddresses;  // PC addresses found by the discovery
    int PollTicks = 0;

    void FormCreate(ui::Component* sender);
    void LedStatusTimer(ui::Component* sender);
    void LedBlinkTimer(ui::Component* sender);
    void Timer1Timer(ui::Component* sender);
    // The probe's completion.
    void LedProbeDone(const VkSNMPError& result);

    // Menu handlers.
    void Information1Click(ui::Component* sender);
    void hWirelessBand1Click(ui::Component* sender);
    void hLan1Click(ui::Component* sender);
    void adPerformance1Click(ui::Component* sender);
    void Mac1Click(ui::Component* sender);
    void WLANPartition1Click(ui::Component* sender);
    void Ad_MultiSSIDClick(ui::Component* sender);
    void DHCPServer1Click(ui::Component* sender);
    void Intrusion1Click(ui::Component* sender);
    void Scheduling1Click(ui::Component* sender);
    void QosSetting1Click(ui::Component* sender);
    void VlanSetting1Click(ui::Component* sender);
    void mniAPArray1Click(ui::Component* sender);
    void WebRedirection1Click(ui::Component* sender);
    void ARPSpoofingPreventionSettings1Click(ui::Component* sender);
    void mniLocalRADIUSServer1Click(ui::Component* sender);
    void mniTrafficControl1Click(ui::Component* sender);
    void tAdmin1Click(ui::Component* sender);
    void tSystem1Click(ui::Component* sender);
    void Firmware1Click(ui::Component* sender);
    void TimeClick(ui::Component* sender);
    void tUpdate1Click(ui::Component* sender);
    void SaveandActivate1Click(ui::Component* sender);
    void DiscardChanges1Click(ui::Component* sender);
    void stEthernet1Click(ui::Component* sender);
    void Client1Click(ui::Component* sender);
    void WDSInformation1Click(ui::Component* sender);
    void Ethernet1Click(ui::Component* sender);
    void WLAN1Click(ui::Component* sender);
    void ViewLog1Click(ui::Component* sender);
    void LogSettings1Click(ui::Component* sender);
    void About1Click(ui::Component* sender);
    void UserLimitClick(ui::Component* sender);  // bound to no entry
    // The hidden "MIB II" menu: counters that show nothing, and Exit.
    void IPCounters1Click(ui::Component* sender);
    void IPRouting1Click(ui::Component* sender);
    void IPAddressTable1Click(ui::Component* sender);
    void ICMPCounters1Click(ui::Component* sender);
    void UDPCounters1Click(ui::Component* sender);
    void SNMPCounters1Click(ui::Component* sender);
    void Exit1Click(ui::Component* sender);

    // The generic configuration window for a named table, bound to no menu
    // entry; each gives its request no variable list
    // (main_form_config_tables.cpp).
    void adSecSettingKey1Click(ui::Component* sender);
    void Function1Click(ui::Component* sender);
    void DynamicTable1Click(ui::Component* sender);
    void adStatic2Click(ui::Component* sender);
    void adSecServSet1Click(ui::Component* sender);
    void dot11g1Click(ui::Component* sender);
    void dot11b1Click(ui::Component* sender);
    void N80211a3Click(ui::Component* sender);
    void N80211g3Click(ui::Component* sender);
    // The table the generic window opened last (empty until then).
    std::string TableTitle;
    // The generic window while its modal run lasts; null otherwise.
    TConfigForm* ConfigWindow = nullptr;

private:
    void BuildPicture();
    void BuildHiddenControls();
    void BuildTimers();
    void BuildMenu();
    bool RunStartup();
    void StopTimers();
    void CreateProbe();
    void CreateStatusRequests();
    void RunStartupReads();
    void ShowArpSpoofingEntry(bool readOk);
    void ShowProbeFailure(const std::string& message);
    void ShowStatusLine(const std::string& text);
    LedLamps ReadLamps() const;
    void ShowLamps(const LedLamps& lamps);
    void SendDeviceCommand(int apply, int discard, int steps, const std::string& notice);
    void DeleteRequests();
    void OpenConfigTable(const ConfigTableOpening& opening);

    // Set while the window is being destroyed: late completions and ticks do
    // nothing then.
    bool ending_ = false;
};

// The main window; set while it exists.
extern TMainForm* MainForm;
// True from program start; set by every answered probe, cleared by every
// failed one. The lamps blink only while it holds.
extern bool DeviceOnline;
// "vap7720_device.png": the device picture, shipped beside the program.
extern const char* const DevicePictureFileName;
