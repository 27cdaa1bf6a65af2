// The Traffic Control page's first tab: the downlink and uplink boxes of the
// seventeen interfaces (one of a pair at most, unavailable pairs disabled),
// the device's modes shown in them and collected back, and the Link Save.

#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/network/traffic_control_page.h"
#include "pages/network/traffic_control_page_rules.h"
#include "pages/network/traffic_control_page_texts.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"

using namespace traffic;

namespace {

constexpr int kDownlinkMode = 1;
constexpr int kUplinkMode = 2;

// The walked values of a hidden list, in walk order.
std::vector<std::string> Walked(const ui::ListView& view, const char* column) {
    std::vector<std::string> values;
    const int cell = ColumnOf(view, column);
    for (int i = 0; i < view.ItemCount(); ++i) values.push_back(CellText(*view.Item(i), cell));
    return values;
}

InterfacePair PairOf(const ui::CheckBox& down, const ui::CheckBox& up) {
    return InterfacePair{down.Checked(), up.Checked(), down.Enabled(), up.Enabled()};
}

}  // namespace

// A box changed (by the user or the program): its partner follows.
void TFM_TrafficCtrl::InterfaceBoxClick(int row, bool downlink) {
    ui::CheckBox* box = downlink ? DownlinkBoxes[row] : UplinkBoxes[row];
    ui::CheckBox* partner = downlink ? UplinkBoxes[row] : DownlinkBoxes[row];
    const InterfacePair pair = AfterBoxChange(PairOf(*DownlinkBoxes[row], *UplinkBoxes[row]),
                                              downlink ? Direction::Down : Direction::Up, box->Checked());
    partner->SetChecked(downlink ? pair.upChecked : pair.downChecked);
    partner->SetEnabled(downlink ? pair.upEnabled : pair.downEnabled);
}

// Shows the device's mode of an interface in its pair of boxes; a combo
// without a mode (an unread one) changes nothing.
void TFM_TrafficCtrl::ComboBoxChange(int row) {
    switch (ModeCombos[row]->ItemIndex()) {
    case 0:
        DownlinkBoxes[row]->SetChecked(false);
        UplinkBoxes[row]->SetChecked(false);
        break;
    case kDownlinkMode:
        DownlinkBoxes[row]->SetChecked(true);
        UplinkBoxes[row]->SetChecked(false);
        break;
    case kUplinkMode:
        UplinkBoxes[row]->SetChecked(true);
        DownlinkBoxes[row]->SetChecked(false);
        break;
    default:
        break;
    }
}

void TFM_TrafficCtrl::ApplyInterfaceAvailability() {
    const bool multiSsidOn = Cbox_Multissid->ItemIndex() == kEnableItem;
    const auto available = InterfaceAvailability(multiSsidOn, Walked(*Lv_MultiIndex, "dot11MssIndividualState"),
                                                 Walked(*Lv_wdsMAC, "dot11RemoteApMacAddressList"));
    for (int row = 0; row < TrafficInterface::Count; ++row)
        EnableControls({DownlinkBoxes[row], UplinkBoxes[row]}, available[row]);
}

// The boxes back into the hidden mode combos (an unavailable pair keeps the
// device's mode).
void TFM_TrafficCtrl::CollectInterfaceModes() {
    std::array<InterfacePair, TrafficInterface::Count> pairs;
    std::array<int, TrafficInterface::Count> deviceModes{};
    for (int row = 0; row < TrafficInterface::Count; ++row) {
        pairs[row] = PairOf(*DownlinkBoxes[row], *UplinkBoxes[row]);
        deviceModes[row] = ModeCombos[row]->ItemIndex();
    }
    const auto modes = traffic::CollectInterfaceModes(pairs, deviceModes);
    for (int row = 0; row < TrafficInterface::Count; ++row)
        if (modes[row] >= 0) ModeCombos[row]->SetItemIndex(modes[row]);
}

bool TFM_TrafficCtrl::RefuseField(const Refusal& refusal, ui::Edit* edit) {
    return refusal.clear ? RefuseAndClear(refusal.message, refusal.caption, edit)
                         : Refuse(refusal.message, refusal.caption, edit);
}

void TFM_TrafficCtrl::Bt_LinkApplyClick(ui::Component*) {
    if (auto refusal = CheckBandwidths(Ed_DownLink->Text(), Ed_UpLink->Text())) {
        RefuseField(*refusal, refusal->field == 0 ? Ed_DownLink : Ed_UpLink);
        return;
    }
    CollectInterfaceModes();
    GroupWrites writes(Groups);
    writes.Write(*InterfaceModeRequest, InterfaceModeRows(Cbox_Multissid->ItemIndex() == kEnableItem));
    writes.Write(*LinkBandwidthRequest, {TrafficBandwidthRow::Downlink, TrafficBandwidthRow::Uplink});
    StatusBar1->SetSimpleText(writes.AllWritten() ? kSaveOk : writes.FailureText(kSaveFail));
    // The other tabs show (and their Saves write) what the device now holds.
    ReadMirrors();
}
