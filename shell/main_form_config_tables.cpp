// The main window's openers of the generic configuration window. No menu
// entry is bound to them, and the request each makes gets no variable list,
// so the window shows an empty view; they are kept as designed.

#include <memory>

#include "library/snmp/request_to_edits.h"
#include "shell/generic/config_form.h"
#include "shell/generic/snmp_editor_panel.h"
#include "shell/main_form.h"

enum class ConfigView { Editor, Table };

struct ConfigTableOpening {
    const char* title;
    ConfigView view;
    int timeout;    // hundredths of a second; 0: the global settings'
    int editWidth;  // 0: as the view sets it
    bool wide;      // the window 500 wide
};

namespace {

constexpr int kWideWindow = 500;

constexpr ConfigTableOpening kSecSettingKey{"SecSettingKeyTable", ConfigView::Editor, 0, 0, true};
constexpr ConfigTableOpening kDynamicFunction{"AdDynamicFunction", ConfigView::Editor, 0, 0, true};
constexpr ConfigTableOpening kDynamicTable{"AdDynamicTable", ConfigView::Editor, 0, 0, true};
constexpr ConfigTableOpening kStaticTable{"StaticTable", ConfigView::Table, 0, 0, true};
constexpr ConfigTableOpening kSecServSetting{"SecServSetting", ConfigView::Editor, 0, 0, true};
constexpr ConfigTableOpening kRemoteMac80211g{"PtMPReAPMACAddress_80211g", ConfigView::Editor, 10000, 0, true};
constexpr ConfigTableOpening kRemoteMac80211a{"PtMPReAPMACAddress_80211a", ConfigView::Editor, 10000, 0, true};
constexpr ConfigTableOpening kPerformance80211a{"PerformanceTable-80211a", ConfigView::Editor, 0, 220, false};
constexpr ConfigTableOpening kPerformance80211g{"PerformanceTable-80211g", ConfigView::Editor, 0, 220, false};

}  // namespace

void TMainForm::OpenConfigTable(const ConfigTableOpening& opening) {
    TableTitle = opening.title;
    std::unique_ptr<TConfigForm> window = std::make_unique<TConfigForm>(nullptr);
    window->SetCaption(TableTitle + " : " + DeviceAddress);
    auto* request = new VkSNMPRequest2Edits(window.get());
    if (opening.timeout != 0) request->request.timeout = opening.timeout;
    if (opening.view == ConfigView::Table) {
        window->SetListViewRequest(request, -1, "", -1, "");
    } else {
        TSNMPEditorPanel* view = window->SetEditorRequest(request);
        if (opening.editWidth != 0) view->SetEditWidth(opening.editWidth);
    }
    request->Get();
    if (opening.wide) window->SetWidth(kWideWindow);
    ConfigWindow = window.get();
    struct Shown {
        TConfigForm*& window;
        ~Shown() { window = nullptr; }
    } shown{ConfigWindow};
    window->ShowModal();
}

void TMainForm::adSecSettingKey1Click(ui::Component*) { OpenConfigTable(kSecSettingKey); }
void TMainForm::Function1Click(ui::Component*) { OpenConfigTable(kDynamicFunction); }
void TMainForm::DynamicTable1Click(ui::Component*) { OpenConfigTable(kDynamicTable); }
void TMainForm::adStatic2Click(ui::Component*) { OpenConfigTable(kStaticTable); }
// The window always opens: the guard against open-system authentication
// compares two settings this module never has.
void TMainForm::adSecServSet1Click(ui::Component*) { OpenConfigTable(kSecServSetting); }
void TMainForm::dot11g1Click(ui::Component*) { OpenConfigTable(kRemoteMac80211g); }
void TMainForm::dot11b1Click(ui::Component*) { OpenConfigTable(kRemoteMac80211a); }
void TMainForm::N80211a3Click(ui::Component*) { OpenConfigTable(kPerformance80211a); }
void TMainForm::N80211g3Click(ui::Component*) { OpenConfigTable(kPerformance80211g); }
