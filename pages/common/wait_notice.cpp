#include "pages/common/wait_notice.h"

#include "platform/ui/label.h"
#include "platform/ui/timer.h"
#include "shell/waiting_form.h"

WaitNotice::WaitNotice(ui::Control* page, const std::string& text) : page_(page) {
    delete FM_Waiting;
    FM_Waiting = new TFM_Waiting(nullptr);
    FM_Waiting->Label2->SetCaption("Please wait...");
    FM_Waiting->Label3->SetCaption(text);
    FM_Waiting->Label1->SetVisible(false);
    FM_Waiting->seconds->SetVisible(false);
    FM_Waiting->SendReboot = false;
    FM_Waiting->Timer1->SetEnabled(false);
    FM_Waiting->Show();
    page_->SetEnabled(false);
}

WaitNotice::~WaitNotice() {
    page_->SetEnabled(true);
    delete FM_Waiting;
    FM_Waiting = nullptr;
}
