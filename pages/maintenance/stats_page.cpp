#include "pages/maintenance/stats_page.h"

#include <memory>

#include "pages/common/disabled_while.h"
#include "pages/common/page_controls.h"
#include "library/snmp/write_result.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

namespace {

constexpr int32_t kCountersTimeout = Seconds(100);
constexpr int kClearPosition = 1;  // "clear" in the clear combo
constexpr int kRowHeight = 26;
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 344;
constexpr int kBoxGap = 8;
constexpr int kLabelLeft = 14;
constexpr int kEditLeft = 214;
constexpr int kEditWidth = 116;
constexpr int kFormWidth = 360;

int BoxHeight(size_t rows) { return 22 + static_cast<int>(rows) * kRowHeight; }

}  // namespace

TStatsPage::TStatsPage(ui::Component* owner, const StatsPageSpec& spec) : ui::Form(owner), spec_(spec) {
    const size_t received = spec.rows.size() - spec.sentCount;
    const int height = kBoxGap + BoxHeight(spec.sentCount) + kBoxGap + BoxHeight(received) + 64;
    SetupPageForm(*this, spec.formName, spec.caption, kFormWidth, height);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TStatsPage::BuildControls() {
    const size_t sent = static_cast<size_t>(spec_.sentCount);
    BuildCounterBox(GroupBox1, "GroupBox1", spec_.sentBox, kBoxGap, 0, sent);
    const int receivedTop = 2 * kBoxGap + BoxHeight(sent);
    BuildCounterBox(GroupBox2, "GroupBox2", spec_.receivedBox, receivedTop, sent, spec_.rows.size());
    const int buttonsTop = receivedTop + BoxHeight(spec_.rows.size() - sent) + kBoxGap;
    PlaceControls(this, {
        {Btn_Refresh, "Btn_Refresh", "Refresh", 90, buttonsTop, 75},
        {Btn_Clear, "Btn_Clear", "Clear", 195, buttonsTop, 75},
    });
    Btn_Refresh->OnClick = [this](ui::Component* sender) { Btn_RefreshClick(sender); };
    Btn_Clear->OnClick = [this](ui::Component* sender) { Btn_ClearClick(sender); };
    StatusBar1 = NewStatusBar(this, "StatusBar1", 0);
    CB_Clear = NewHiddenComboBox(this, "CB_Clear", *spec_.clearOptions);
}

void TStatsPage::BuildCounterBox(ui::GroupBox*& box, const char* name, const char* caption, int top, size_t first,
                                 size_t end) {
    box = NewGroupBox(this, name, caption, kBoxLeft, top, kBoxWidth, BoxHeight(end - first));
    for (size_t row = first; row < end; ++row) {
        const int rowTop = 18 + static_cast<int>(row - first) * kRowHeight;
        CounterLabels.push_back(NewLabel(box, "", spec_.rows[row].label, kLabelLeft, rowTop + 4));
        Counters.push_back(NewEdit(box, spec_.rows[row].edit, "", kEditLeft, rowTop, kEditWidth));
        MakeDisplayOnly(*Counters.back());
    }
}

void TStatsPage::FormCreate(ui::Component*) {
    try {
        Groups.Make(CountersRequest, {"counters", spec_.counters, MVT_SV, 0, kCountersTimeout});
        for (size_t row = 0; row < Counters.size(); ++row)
            CountersRequest->BindEdits(static_cast<int>(row), "%s", Counters[row]);
        StatusBar1->SetSimpleText(ReadCounters() ? spec_.openOk : Groups.FailureText(spec_.openError));
        Groups.Make(ClearRequest, {"clear", spec_.clear, MVT_SV, 0, spec_.clearTimeout});
        ClearRequest->BindComboBox(SingleRow::Value, CB_Clear);
        ClearRequest->SetStatusBar(StatusBar1);
    } catch (const os::Exception& error) {
        StatusBar1->SetSimpleText(error.Message());
    }
}

bool TStatsPage::ReadCounters() {
    Groups.BeginLoad();
    return Groups.Read(*CountersRequest);
}

void TStatsPage::Btn_RefreshClick(ui::Component*) {
    if (CountersRequest == nullptr) return;
    std::unique_ptr<DisabledWhile> refreshHeld, clearHeld;
    if (spec_.refreshing != nullptr) {
        StatusBar1->SetSimpleText(spec_.refreshing);
        refreshHeld = std::make_unique<DisabledWhile>(Btn_Refresh);
        clearHeld = std::make_unique<DisabledWhile>(Btn_Clear);
    }
    StatusBar1->SetSimpleText(ReadCounters() ? spec_.refreshOk : Groups.FailureText(spec_.refreshError));
}

// Zeros only for a clear the device took; then the counters as the device
// counts them from the clear on.
void TStatsPage::Btn_ClearClick(ui::Component*) {
    if (ClearRequest == nullptr || CountersRequest == nullptr) return;
    if (spec_.clearing != nullptr) StatusBar1->SetSimpleText(spec_.clearing);
    CB_Clear->SetItemIndex(kClearPosition);
    const VkWriteResult cleared = WriteNow(*ClearRequest);
    if (!cleared.ok) return ClearRequest->ShowStatus(cleared.text);
    for (ui::Edit* counter : Counters) counter->SetText("0");
    StatusBar1->SetSimpleText(ReadCounters() ? spec_.clearOk : spec_.refreshError);
}
