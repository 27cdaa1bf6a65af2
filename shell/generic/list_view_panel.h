#pragma once
// The list of a generic table view: a list view filling the panel, bound to
// the request (one column per variable: zero-width columns for the hidden
// ones first, then the shown ones). It also keeps which variable an add and a
// delete write, and the texts they write there.

#include <string>

#include "platform/ui/panel.h"

namespace ui {
class ListView;
}
class TCtrlBtnPanel;
class VkSNMPRequest2Edits;

class TListViewPanel : public ui::Panel {
public:
    TListViewPanel(ui::Control* parent, VkSNMPRequest2Edits* request);

    // Shows and hides the buttons of a table view's column.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    ui::ListView* ListView;
    int DeleteStatusRow = -1;  // -1: no delete
    int AddStatusRow = -1;     // -1: no add
    std::string AddStatusText;
    std::string DeleteStatusText;
};
