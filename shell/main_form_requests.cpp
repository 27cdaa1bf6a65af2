// The main window's requests and their reads at start-up. The reads stop at
// the first one the device does not answer at all (startup_reads.h): the
// window then shows at once, with the time-out in its status line.

#include "library/snmp/request.h"
#include "library/snmp/request_to_edits.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/main_menu.h"
#include "shell/device_liveness.h"
#include "shell/main_form.h"
#include "shell/main_window_vars.h"
#include "shell/mib_tables.h"
#include "shell/startup_reads.h"

namespace {

// Time-outs in hundredths of a second.
constexpr int kDeviceIpTimeout = 1000;
constexpr int kBandTimeout = 10000;
constexpr int kCommandTimeout = 10000;
constexpr int kApModeTimeout = 1000;
// CB_ApMode's item for "Wireless Client".
constexpr int kWirelessClientItem = 3;

// timeout 0 keeps the default every new request starts with.
std::unique_ptr<VkSNMPRequest2Edits> NewRequest(ui::Control* owner, const VkSNMPVarEntry* table,
                                                VkSNMPVarListKind kind, bool async, int timeout = 0) {
    auto request = std::make_unique<VkSNMPRequest2Edits>(owner);
    request->request.vars = VkSNMPVarList(table, kind, 0);
    request->async = async;
    if (timeout > 0) request->request.timeout = timeout;
    return request;
}

}  // namespace

void TMainForm::CreateProbe() {
    ProbeRequest = std::make_unique<VkSNMPRequest>();
    ProbeRequest->vars = VkSNMPVarList(VarsMainSysDescr, SVT_SV, 0);
}

void TMainForm::CreateStatusRequests() {
    LanAddressRequest = NewRequest(this, VarsLanAddress, MVT_SV, true);
    LanAddressRequest->BindEdits(0, "%s", IPAddressEdit);
    LanAddressRequest->BindEdits(1, "%s", SubMaskEdit);

    DhcpControlRequest = NewRequest(this, VarsDhcpServerControl, SVT_SV, false);
    DhcpControlRequest->BindComboBox(0, CB_Fuction1);

    DeviceIpRequest = NewRequest(this, VarsIfIpAddress, MVT_SV, false, kDeviceIpTimeout);
    DeviceIpRequest->BindEdits(0, "%s", Ed_SysIpaddress);

    BandRequest = NewRequest(this, VarsDot11Band, MVT_SV, false, kBandTimeout);
    BandRequest->BindComboBox(0, CB_Band);

    DeviceCommandRequest = NewRequest(this, VarsMainDeviceCommands, SVT_SV, false, kCommandTimeout);
    DeviceCommandRequest->BindComboBox(0, Cbox_SaveAct);
    DeviceCommandRequest->BindComboBox(1, Cbox_Discard);
    DeviceCommandRequest->BindComboBox(2, Cbox_Restart);

    LedRequest = NewRequest(this, VarsMainLeds, MVT_SV, true);
    LedRequest->BindComboBox(0, CB_Led2dot4G);
    LedRequest->BindComboBox(1, CB_Led5G);
    LedRequest->BindComboBox(2, CB_LedLan);

    ApModeRequest = NewRequest(this, VarsDot11ApMode, MVT_SV, false, kApModeTimeout);
    ApModeRequest->BindComboBox(0, CB_ApMode);
}

void TMainForm::RunStartupReads() {
    StartupReads reads;
    reads.Start(*LanAddressRequest);
    reads.Read(*DhcpControlRequest);  // its result is not used
    reads.Read(*DeviceIpRequest);
    reads.Read(*BandRequest);
    reads.Read(*DeviceCommandRequest);
    reads.Start(*LedRequest);
    ShowArpSpoofingEntry(reads.Read(*ApModeRequest));
    // Until the first probe, what the start-up reads found is what is known.
    NoteProbeOutcome(!reads.Silent());
    if (reads.Silent()) ShowStatusLine(reads.SilenceText());
}

// Hidden for a wireless client, shown otherwise (also when the read failed).
void TMainForm::ShowArpSpoofingEntry(bool readOk) {
    ARPSpoofingPreventionSettings1->SetVisible(!(readOk && CB_ApMode->ItemIndex() == kWirelessClientItem));
}
