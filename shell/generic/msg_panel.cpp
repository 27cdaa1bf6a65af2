#include "shell/generic/msg_panel.h"

#include "platform/ui/memo.h"

TMsgPanel::TMsgPanel(ui::Control* owner) : ui::Panel(owner) {
    SetName("MsgPanel");
    SetHeight(50);
    Memo = new ui::Memo(this);
    Memo->SetName("Memo");
    Memo->SetReadOnly(true);
    Memo->SetAlign(ui::Align::Client);
}
