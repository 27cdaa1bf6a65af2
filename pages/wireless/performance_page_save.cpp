// The Performance page's Save: the radio "Off" shortcut, or every range
// check, then the wireless mode, the radio group and the multicast rate with
// the rows the AP mode allows (performance_page_rules.h). "Save OK!" only
// when every write went through.

#include <vector>

#include "library/common/text.h"
#include "pages/common/disabled_while.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/wireless/performance_page.h"
#include "pages/wireless/performance_page_rules.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"

namespace {

constexpr int kRadioOff = 0;
constexpr char kErrorCaption[] = "Error";

}  // namespace

void TFM_Performace::Bt_Apply_aClick(ui::Component*) {
    if (CB_Radio->ItemIndex() == kRadioOff) {
        SaveRadioOff();
        return;
    }
    if (!CheckInput()) return;
    const int m = ApMode();
    std::vector<const VkSNMPRequest2Controls*> needed = {ApModeRequest, BandRequest, RadioRequest,
                                                         MulticastRateRequest};
    if (m != kApWirelessClient) needed.push_back(WifiModeRequest);
    if (!SettingsRead(needed)) return;

    DisabledWhile busy(Bt_Apply_a);
    PerformancePlanInput in;
    in.apMode = m;
    in.band = Band();
    in.userLimitOn = CB_Grouping->ItemIndex() != 0;
    in.writeMode = ShownByDevice(ModeCombo());
    in.writeShortGi = ShownByDevice(CB_ShortGI);
    in.writeDataRate = WriteDataRate();
    in.writeMulticast = WriteMulticastRate();
    PrepareWrites(in);
    const PerformanceWrites plan = PlanPerformanceWrites(in);
    GroupWrites writes(Groups);
    if (!plan.wifiMode.empty()) writes.Write(*WifiModeRequest, plan.wifiMode);
    writes.Write(*RadioRequest, plan.radio);
    if (!plan.multicast.empty()) writes.Write(*MulticastRateRequest, plan.multicast);
    if (writes.AllWritten()) {
        // The device now holds what is shown.
        TakeReadValues();
        TakeShownValues();
    }
    StatusBar->ShowMessage(writes.AllWritten() ? PerformanceSaveOkText : writes.FailureText(PerformanceSetErrorText));
}

// Only the radio switch is written, then the page is read again; the
// result of the write is what the status line shows in the end.
void TFM_Performace::SaveRadioOff() {
    GroupWrites writes(Groups);
    {
        DisabledWhile busy(Bt_Apply_a);
        if (RadioRequest == nullptr)
            writes.Fail();
        else
            writes.Write(*RadioRequest, RadioOffRows());
    }
    Bt_Refresh_aClick(this);
    StatusBar->ShowMessage(writes.AllWritten() ? PerformanceSaveOkText : writes.FailureText(PerformanceSetErrorText));
}

bool TFM_Performace::CheckInput() {
    PerformanceInput in;
    in.apMode = ApMode();
    in.band = Band();
    in.beacon = Ed_BeInta->Text();
    in.dtim = Ed_DTIMa->Text();
    in.userLimit = Ed_ULimit->Text();
    in.ackTimeout = Ed_AckTimeOut->Text();
    const PerformanceRefusal refusal = CheckPerformanceInput(in);
    switch (refusal.field) {
        case PerformanceField::None: return true;
        case PerformanceField::Beacon: return RefuseAndClear(refusal.message, kErrorCaption, Ed_BeInta);
        case PerformanceField::Dtim: return RefuseAndClear(refusal.message, kErrorCaption, Ed_DTIMa);
        case PerformanceField::UserLimit: return RefuseAndClear(refusal.message, kErrorCaption, Ed_ULimit);
        case PerformanceField::AckTimeout: return RefuseAndClear(refusal.message, kErrorCaption, Ed_AckTimeOut);
    }
    return false;
}

// The AP mode and band decide what is written and the groups written must
// hold the device's values: otherwise nothing is written and the status line
// names what was not read.
bool TFM_Performace::SettingsRead(const std::vector<const VkSNMPRequest2Controls*>& groups) {
    std::string missing;
    for (const VkSNMPRequest2Controls* group : groups) {
        if (group != nullptr && Groups.WasRead(*group)) continue;
        const std::string name = group != nullptr ? Groups.NameOf(*group) : Groups.NameOf(*BandRequest);
        if (missing.find(name) != std::string::npos) continue;
        missing += (missing.empty() ? "" : ", ") + name;
    }
    if (missing.empty()) return true;
    StatusBar->ShowMessage(std::string(PerformanceSetErrorText) + " " + NotReadPrefix + missing);
    return false;
}

// Whether the control shows what the device holds or what the user chose:
// a value the page put there by itself (a fallback entry, a value forced by
// the mode) and the user left alone is not written.
bool TFM_Performace::ShownByDevice(const ui::Control* control) const {
    return AtShow.Changed({control}) || ControlSnapshot::ValueOf(control) == AtRead.At(control);
}

// What the data-rate combo stands for: "Auto" in a mode with 802.11n, the
// chosen entry otherwise ("" without a choice: the stored rate stays).
std::string TFM_Performace::ShownDataRate() const {
    if (ModeCombo()->ItemIndex() != kModeLegacy) return "Auto";
    return CB_DRate->ItemIndex() >= 0 ? Trim(CB_DRate->Text()) : std::string();
}

ui::Edit* TFM_Performace::MulticastRateEdit() const { return Band() == kBand24 ? Ed_RateGBand : Ed_RateABand; }

bool TFM_Performace::WriteDataRate() const {
    return RateChoiceWritten(AtRead.At(Ed_TRate), ShownDataRate(), AtShow.Changed({CB_DRate, ModeCombo()}));
}

bool TFM_Performace::WriteMulticastRate() const {
    const std::string shown = CB_RateBand->ItemIndex() >= 0 ? CB_RateBand->Text() : std::string();
    return RateChoiceWritten(AtRead.At(MulticastRateEdit()), shown, AtShow.Changed({CB_RateBand, ModeCombo()}));
}

// The rates the plan sends go into the edits the groups write from; a rate
// left out keeps the stored value.
void TFM_Performace::PrepareWrites(const PerformancePlanInput& plan) {
    const std::string rate = ShownDataRate();
    if (ApMode() != kApWirelessClient && plan.writeDataRate && !rate.empty()) Ed_TRate->SetText(rate);
    if (plan.writeMulticast) CopyMulticastRate(CB_RateBand, MulticastRateEdit());
}
