#include "pages/common/list_rows.h"

#include "platform/ui/list_view.h"

void ShowRows(ui::ListView& view, const std::vector<std::vector<std::string>>& rows) {
    view.ClearItems();
    for (const std::vector<std::string>& row : rows) {
        ui::ListItem* item = view.AddItem();
        if (row.empty()) continue;
        item->SetCaption(row.front());
        for (size_t cell = 1; cell < row.size(); ++cell) item->AddSubItem(row[cell]);
    }
}
