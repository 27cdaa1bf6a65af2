#pragma once
// A generic view of one request: the button column on the right, and beside
// it the content (a row editor or a list) above the message panel the
// request writes its status into. "Refresh" reads the request, "Close"
// closes the window the view is attached to. Every read of the request,
// the window's own included, writes its outcome into the message panel
// (view_outcome.h).

#include "platform/ui/panel.h"

namespace ui {
class Form;
class Splitter;
}  // namespace ui
class TCtrlBtnPanel;
class TMsgPanel;
class VkSNMPRequest2Edits;

class TSNMPPanel : public ui::Panel {
public:
    // With a shared message panel the view writes into that one and has none
    // of its own.
    TSNMPPanel(ui::Control* parent, TMsgPanel* sharedMsgPanel, VkSNMPRequest2Edits* request);

    // Shows control as the view's content and sizes the view to it.
    void SetContent(ui::Control* control);
    // Fits the view into form: the form grows to the view (at most 800 x 550),
    // centred on the main window, and the view fills it.
    void AttachToForm(ui::Form* form);
    void OnRefreshClick(ui::Component* sender);
    void OnCloseClick(ui::Component* sender);

    VkSNMPRequest2Edits* Request;  // not owned
    TCtrlBtnPanel* Buttons;
    ui::Panel* ClientPanel;
    TMsgPanel* MsgPanel = nullptr;  // null when shared
    ui::Form* Form = nullptr;
    ui::Control* Content = nullptr;
    ui::Splitter* RightSplitter;
    ui::Splitter* BottomSplitter;
};
