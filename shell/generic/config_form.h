#pragma once
// The generic configuration window: one editor or table view of a request,
// built at run time. It owns the requests it is given, reads once by itself
// when its loop first handles messages (a call posted to itself), and when it
// closes it stops and frees every request at once, a read under way included
// (its late answer is dropped).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/form.h"

namespace ui {
class PageControl;
}
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class VkSNMPRequest2Edits;

class TConfigForm : public ui::Form {
public:
    explicit TConfigForm(ui::Component* owner);
    ~TConfigForm() override;

    // Raise "Can not change Type of a Config Form!" once a view is set.
    TSNMPEditorPanel* SetEditorRequest(VkSNMPRequest2Edits* request);
    // A text that is empty sets no status (the row then plays no part).
    TSNMPListViewPanel* SetListViewRequest(VkSNMPRequest2Edits* request, int addRow, const std::string& addText,
                                           int deleteRow, const std::string& deleteText);
    TSNMPEditorPanel* AddEditorPanel(ui::Control* parent, VkSNMPRequest2Edits* request);
    TSNMPListViewPanel* AddListViewPanel(ui::Control* parent, VkSNMPRequest2Edits* request, int addRow,
                                         const std::string& addText, int deleteRow, const std::string& deleteText);
    // Reads the window's request; only it stays enabled.
    void Refresh();
    // The posted refresh.
    void OnRefreshMessage();
    void FormClose(ui::Component* sender, ui::CloseAction& action);

    uint8_t Type = 0;  // 0 no view, 1 editor, 2 table view
    std::vector<VkSNMPRequest2Edits*> Requests;  // owned
    ui::PageControl* Pages = nullptr;            // never made
    VkSNMPRequest2Edits* CurrentRequest = nullptr;

private:
    void ClaimType(uint8_t type);
    void GrowTo(const ui::Control& view);
    void FreeRequests();
};
