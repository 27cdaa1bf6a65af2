#pragma once
// A list view filled from rows of texts that a page's rules made: the first
// text of a row is the item's caption, the others its sub-items in column
// order.

#include <string>
#include <vector>

namespace ui {
class ListView;
}

// Replaces the view's items with the rows.
void ShowRows(ui::ListView& view, const std::vector<std::vector<std::string>>& rows);
