#include "shell/generic/list_view_panel.h"

#include <algorithm>

#include "library/snmp/request_to_edits.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/static_text.h"
#include "platform/ui/list_view.h"
#include "shell/generic/ctrl_btn_panel.h"

namespace {

constexpr int kPixelsPerCaptionCharacter = 8;
constexpr int kListBorder = 2;
constexpr int kMaxWidth = 450;
constexpr int kHeight = 350;

}  // namespace

TListViewPanel::TListViewPanel(ui::Control* parent, VkSNMPRequest2Edits* request) : ui::Panel(parent) {
    SetName("ListViewPanel");
    ListView = new ui::ListView(this);
    ListView->SetName("ListView");
    request->BindListView(ListView, false);
    int captionLength = 0;
    for (int c = 0; c < ListView->ColumnCount(); ++c) {
        captionLength += static_cast<int>(ListView->ColumnCaption(c).size());
    }
    int width = std::min(kPixelsPerCaptionCharacter * captionLength + 2 * kListBorder, kMaxWidth);
    SetBounds(Left(), Top(), width, kHeight);
    ListView->SetAlign(ui::Align::Client);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    for (ui::Control* shown : {static_cast<ui::Control*>(buttons->SamplesLabel),
                               static_cast<ui::Control*>(buttons->CountText),
                               static_cast<ui::Control*>(buttons->RefreshButton),
                               static_cast<ui::Control*>(buttons->EditButton),
                               static_cast<ui::Control*>(buttons->CloseButton)}) {
        shown->SetVisible(true);
    }
    buttons->EditButton->SetEnabled(false);
    buttons->DeleteButton->SetEnabled(false);
    buttons->SetCheckedButton->SetVisible(false);
    buttons->CheckAllButton->SetVisible(false);
    buttons->ClearChecksButton->SetVisible(false);
    buttons->AddButton->SetVisible(AddStatusRow != -1);
    buttons->DeleteButton->SetVisible(DeleteStatusRow != -1);
    buttons->ArrangeButtons();
}
