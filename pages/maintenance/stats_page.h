#pragma once
// What the two statistics pages (WLAN and Ethernet) share: an interface's
// traffic counters in two boxes (transmitted, received), read when the page
// opens and on "Refresh", and "Clear", which writes the interface's clear
// command. The twins differ in their counters, texts and time-outs, which
// each gives in a StatsPageSpec.
//
// The counters show "0" only when the device took the clear command; they
// are then read again, so they show what the device counts from then on. A
// refused or unanswered clear leaves the counters as they were and shows its
// error.

#include <string>
#include <vector>

#include "library/common/option_list.h"
#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class StatusBar;
}  // namespace ui

// One counter: its label and its edit's name, in table order.
struct StatsCounter {
    const char* label;
    const char* edit;
};

struct StatsPageSpec {
    const char* formName;
    const char* caption;
    const VkSNMPVarEntry* counters;  // kind 1, read-only
    std::vector<StatsCounter> rows;  // one per row of `counters`
    int sentCount;                   // the first rows are the transmitted counts
    const char* sentBox;
    const char* receivedBox;
    const VkSNMPVarEntry* clear;  // kind 1, the clear command
    const VkOptionList* clearOptions;
    int32_t clearTimeout;
    const char* openOk;
    const char* openError;
    const char* refreshing;  // shown before a Refresh, which then holds both buttons; null: neither
    const char* refreshOk;
    const char* refreshError;
    const char* clearing;  // shown before a Clear; null: nothing
    const char* clearOk;
};

class TStatsPage : public ui::Form {
public:
    TStatsPage(ui::Component* owner, const StatsPageSpec& spec);

    ui::GroupBox* GroupBox1;  // transmitted
    ui::GroupBox* GroupBox2;  // received
    std::vector<ui::Label*> CounterLabels;
    std::vector<ui::Edit*> Counters;
    ui::Button* Btn_Refresh;
    ui::Button* Btn_Clear;
    ui::StatusBar* StatusBar1;
    ui::ComboBox* CB_Clear;  // hidden: the clear command's value

    PageGroups Groups{this};
    VkSNMPRequest2Edits* CountersRequest = nullptr;
    VkSNMPRequest2Edits* ClearRequest = nullptr;

    void FormCreate(ui::Component* sender);
    void Btn_RefreshClick(ui::Component* sender);
    void Btn_ClearClick(ui::Component* sender);

private:
    void BuildControls();
    void BuildCounterBox(ui::GroupBox*& box, const char* name, const char* caption, int top, size_t first,
                         size_t end);
    bool ReadCounters();

    const StatsPageSpec& spec_;
};
