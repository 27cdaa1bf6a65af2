// The Traffic Control page's QoS tab: QoS on or off (refused when the user
// enables it with no bandwidth set), the nine classes' priorities and
// limits, the user classes' port ranges, and the QoS Save.

#include "library/common/messages.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/network/traffic_control_page.h"
#include "pages/network/traffic_control_page_rules.h"
#include "pages/network/traffic_control_page_texts.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

using namespace traffic;

namespace {

const char* const kQosNeedsBandwidth =
    "Qos can't enable if uplink and downlink bandwidth are empty in uplink/downlink/setting!";

std::vector<int> AllRows(int count) {
    std::vector<int> rows;
    for (int row = 0; row < count; ++row) rows.push_back(row);
    return rows;
}

}  // namespace

// Runs on every change of the box, also when a read sets it. Only the user
// is refused QoS without a bandwidth: the device's own state is shown as it is.
void TFM_TrafficCtrl::ChBox_QosClick(ui::Component*) {
    if (ChBox_Qos->Checked() && !opening_ && Ed_DownLink->Text().empty() && Ed_UpLink->Text().empty()) {
        ui::MessageBox(kQosNeedsBandwidth, "Warning", ui::Buttons::Ok);
        ChBox_Qos->SetChecked(false);
        return;
    }
    EnableQosControls(ChBox_Qos->Checked());
}

void TFM_TrafficCtrl::EnableQosControls(bool enabled) {
    for (ui::ComboBox* combo : PriorityCombos) combo->SetEnabled(enabled);
    for (ui::Edit* edit : LimitEdits) edit->SetEnabled(enabled);
    for (int k = 0; k < kFixedPortClasses; ++k) PortEdits[k]->SetEnabled(false);
    for (ui::Edit* edit : PortStartEdits) edit->SetEnabled(enabled);
    for (ui::Edit* edit : PortEndEdits) edit->SetEnabled(enabled);
}

// The user classes' "start-end" texts into their start and end edits.
void TFM_TrafficCtrl::QosPortGetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        StatusBar2->SetSimpleText(result->text);
        return;
    }
    for (int user = 0; user < kPortClasses - kFixedPortClasses; ++user) {
        const auto [start, end] = SplitPortRange(PortEdits[kFixedPortClasses + user]->Text());
        PortStartEdits[user]->SetText(start);
        PortEndEdits[user]->SetText(end);
    }
}

void TFM_TrafficCtrl::Bt_QosApplyClick(ui::Component*) {
    for (ui::Edit* limit : LimitEdits)
        if (auto refusal = CheckLimit(limit->Text())) {
            RefuseField(*refusal, limit);
            return;
        }
    std::array<std::string, kPortClasses - kFixedPortClasses> ranges;
    for (size_t user = 0; user < ranges.size(); ++user)
        if (auto refusal = CheckPortRange(PortStartEdits[user]->Text(), PortEndEdits[user]->Text(), &ranges[user])) {
            RefuseField(*refusal, refusal->field == 0 ? PortStartEdits[user] : PortEndEdits[user]);
            return;
        }
    for (size_t user = 0; user < ranges.size(); ++user) PortEdits[kFixedPortClasses + user]->SetText(ranges[user]);

    GroupWrites writes(Groups);
    writes.Write(*QosStateRequest, {SingleRow::Value});
    writes.Write(*QosBandwidthRequest, {TrafficBandwidthRow::Downlink, TrafficBandwidthRow::Uplink});
    writes.Write(*QosPriorityRequest, AllRows(kTrafficClasses));
    writes.Write(*QosLimitRequest, AllRows(kTrafficClasses));
    writes.Write(*QosPortRequest, AllRows(kPortClasses));
    StatusBar2->SetSimpleText(writes.AllWritten() ? kSaveOk : writes.FailureText(kSaveFail));
}
