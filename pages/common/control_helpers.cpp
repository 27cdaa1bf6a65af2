#include "pages/common/control_helpers.h"

#include "pages/common/same_value.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"

int IndexOfText(const ui::ComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->ItemCount(); ++i)
        if (combo->ItemText(i) == text) return i;
    return -1;
}

void SelectText(ui::ComboBox* combo, const std::string& text) {
    const int index = IndexOfText(combo, text);
    if (index >= 0) combo->SetItemIndex(index);
}

void ShowControls(std::initializer_list<ui::Control*> controls, bool visible) {
    for (ui::Control* control : controls) control->SetVisible(visible);
}

void EnableControls(std::initializer_list<ui::Control*> controls, bool enabled) {
    for (ui::Control* control : controls) control->SetEnabled(enabled);
}

std::string CellText(const ui::ListItem& row, int column) {
    if (column == 0) return row.Caption();
    if (column > 0 && column - 1 < row.SubItemCount()) return row.SubItem(column - 1);
    return std::string();
}

int ColumnOf(const ui::ListView& view, const std::string& caption) {
    for (int column = 0; column < view.ColumnCount(); ++column)
        if (view.ColumnCaption(column) == caption) return column;
    return -1;
}

void EmptyNoAddress(std::initializer_list<ui::Edit*> edits) {
    for (ui::Edit* edit : edits)
        if (edit->Text() == kNoAddress) edit->SetText("");
}

void FillNoAddress(std::initializer_list<ui::Edit*> edits) {
    for (ui::Edit* edit : edits)
        if (edit->Text().empty()) edit->SetText(kNoAddress);
}
