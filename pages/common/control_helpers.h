#pragma once
// Small operations on controls that pages share: finding and selecting a
// combo box entry by its text, showing or enabling several controls at once,
// and reading a list view row's cell by column.

#include <initializer_list>
#include <string>

namespace ui {
class ComboBox;
class Control;
class Edit;
class ListItem;
class ListView;
}  // namespace ui

// The first entry with exactly that text; -1 when none has it.
int IndexOfText(const ui::ComboBox* combo, const std::string& text);
// Selects the entry with that text; a text no entry has leaves the selection.
void SelectText(ui::ComboBox* combo, const std::string& text);

void ShowControls(std::initializer_list<ui::Control*> controls, bool visible);
void EnableControls(std::initializer_list<ui::Control*> controls, bool enabled);

// A row's cell in a column: 0 is the caption, k the k-th sub-item; empty when
// the row has no such cell (also for a column below 0).
std::string CellText(const ui::ListItem& row, int column);
// The column with that caption; -1 when the view has none.
int ColumnOf(const ui::ListView& view, const std::string& caption);

// An unset address field: shown as an empty edit (edits holding 0.0.0.0 are
// emptied), written back as 0.0.0.0 (empty edits are filled).
void EmptyNoAddress(std::initializer_list<ui::Edit*> edits);
void FillNoAddress(std::initializer_list<ui::Edit*> edits);
