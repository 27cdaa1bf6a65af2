#pragma once
// The editor view: the request's variables as generated rows; "Set Checked"
// writes the ticked rows synchronously, "Check All" and "Clear Checks" tick
// and clear every enabled row.

#include "shell/generic/snmp_panel.h"

class TEditsPanel;

class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(ui::Control* parent, VkSNMPRequest2Edits* request);

    // The rows' edits take this width; the window follows the new size.
    void SetEditWidth(int width);
    void OnSetCheckedClick(ui::Component* sender);
    void OnCheckAllClick(ui::Component* sender);
    void OnClearChecksClick(ui::Component* sender);

    TEditsPanel* EditsPanel;

private:
    bool AnyRowEmpty() const;
    void SetTickedRows();
    void SetEveryEnabledCheck(bool checked, ui::Component* sender);
};
