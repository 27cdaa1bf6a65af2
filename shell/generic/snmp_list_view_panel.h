#pragma once
// The table view: the request's table walk as a list. "Add" and "Edit" open
// a modal dialog that borrows the row editor; "Delete" (after a Yes) writes
// the delete-status text into the delete-status column of the selected row,
// addressed by its index columns, and reads the list again. Add and Delete
// are offered only when their status row and text are set. Add refuses an
// index whose listed row holds an entry. Every outcome goes to the view's
// message panel; the dialogs close after a write whatever the device said.

#include <string>

#include "shell/generic/snmp_editor_panel.h"

namespace ui {
class ListItem;
}
class TListViewPanel;

// An event of the table view: function(context, sender); unset when null.
struct TViewEvent {
    void (*Function)(void* context, ui::Component* sender) = nullptr;
    void* Context = nullptr;
    void operator()(ui::Component* sender) const {
        if (Function != nullptr) Function(Context, sender);
    }
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(ui::Control* parent, VkSNMPRequest2Edits* request);

    // The row must be a combo box row listing text; otherwise raises
    // "TSNMPListViewPanel::Set...Status - Wrong ...StatusValue:<text>".
    void SetAddStatus(int row, const std::string& text);
    void SetDeleteStatus(int row, const std::string& text);
    void OnAddClick(ui::Component* sender);
    void OnEditClick(ui::Component* sender);
    void ShowAddDialog();
    void ShowEditDialog();
    void OnDeleteClick(ui::Component* sender);
    void OnListRefreshClick(ui::Component* sender);
    void OnListClick(ui::Component* sender);
    void OnListDblClick(ui::Component* sender);
    void OnListChange(ui::Component* sender, ui::ListItem* item);
    void OnListMouseMove(ui::Component* sender, int x, int y);
    // The default OnBeforeAdd: the Add dialog starts from empty rows.
    static void ClearRowsBeforeAdd(void* context, ui::Component* sender);

    TListViewPanel* ListViewPanel;
    TViewEvent OnBeforeAdd;
    TViewEvent OnAfterAdd;
    TViewEvent OnBeforeEdit;
    TViewEvent OnAfterEdit;
    // The Add or Edit dialog while it is open; null otherwise.
    ui::Form* ActiveDialog = nullptr;
    // Called as the Add dialog closes, on every way out.
    void EndAdding() { adding_ = false; }

protected:
    std::string WriteRefusal(const std::vector<int>& rows) const override;

private:
    bool TypedIndexInUse() const;
    bool HasTypedIndex(const ui::ListItem& row) const;
    bool IsDeleted(const ui::ListItem& row) const;
    std::string TypedIndex() const;
    void SetStatus(int row, const std::string& text, const char* wrongText, int& statusRow,
                   std::string& statusText, ui::Control* button);
    class TSNMPPanel* OpenDialog(ui::Form& dialog, const std::string& caption);
    void RunDialog(ui::Form& dialog, TSNMPPanel& view);
    void WaitForRead();

    bool adding_ = false;  // the Add dialog is open
};

// The hint of a list row: per column its caption, tabs up to the longest
// caption, two blanks and the cell text, one line each.
std::string ListRowHint(const std::vector<std::string>& captions, const std::vector<std::string>& cells);
