#pragma once
// The editor view: the request's variables as generated rows; "Set Checked"
// writes the ticked rows synchronously, "Check All" and "Clear Checks" tick
// and clear every enabled row. A ticked row that is empty or holds no value
// of its variable's syntax refuses the write in a warning, nothing sent; the
// outcome of a write goes to the message panel.

#include <string>
#include <vector>

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

protected:
    // Why the ticked rows must not be written; "" when they may.
    virtual std::string WriteRefusal(const std::vector<int>& rows) const;

private:
    void SetEveryEnabledCheck(bool checked, ui::Component* sender);
};
