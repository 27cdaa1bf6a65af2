#include "pages/common/waiting_steps.h"

#include "library/snmp/request.h"
#include "pages/common/page_groups.h"
#include "platform/ui/label.h"
#include "platform/ui/timer.h"
#include "shell/mib_tables.h"
#include "shell/waiting_form.h"

namespace {

void ApplyTexts(TFM_Waiting& dialog, const WaitingTexts& texts) {
    if (!texts.caption.empty()) dialog.SetCaption(texts.caption);
    if (!texts.label2.empty()) dialog.Label2->SetCaption(texts.label2);
    if (!texts.label3.empty()) dialog.Label3->SetCaption(texts.label3);
}

// The dialog's pointer is cleared and the dialog deleted however the modal
// loop ends.
class OpenDialog {
public:
    OpenDialog() {
        FM_Waiting = new TFM_Waiting(nullptr);
        dialog_.reset(FM_Waiting);
    }
    ~OpenDialog() { FM_Waiting = nullptr; }
    TFM_Waiting& operator*() const { return *dialog_; }

private:
    std::unique_ptr<TFM_Waiting> dialog_;
};

}  // namespace

void RunWaitingDialog(int steps, const WaitingTexts& texts) {
    OpenDialog dialog;
    (*dialog).Create();
    (*dialog).SecondsLeft = steps;
    (*dialog).SendReboot = false;
    ApplyTexts(*dialog, texts);
    (*dialog).ShowModal();
}

WaitNotice::WaitNotice(ui::Control* page, const std::string& label2, const std::string& label3)
    : page_(page), dialog_(std::make_unique<TFM_Waiting>(nullptr)) {
    dialog_->Create();
    dialog_->SendReboot = false;
    dialog_->Timer1->SetEnabled(false);
    dialog_->Label1->SetVisible(false);
    dialog_->La_Time->SetVisible(false);
    dialog_->seconds->SetVisible(false);
    ApplyTexts(*dialog_, {"", label2, label3});
    if (page_ != nullptr) page_->SetEnabled(false);
    dialog_->Show();
}

WaitNotice::~WaitNotice() {
    dialog_->Hide();
    dialog_.reset();
    if (page_ != nullptr) page_->SetEnabled(true);
}

bool DeviceAnswers(std::string& firmwareVersion) {
    VkSNMPRequest request;
    request.LoadGlobalSettings();
    request.vars = VkSNMPVarList(VarsFirmwareVersion, SVT_SV, 0);
    request.timeout = Seconds(5);
    bool ok = false;
    try {
        request.GetSync(ok, true);
    } catch (const std::exception&) {
        return false;
    }
    if (!ok) return false;
    firmwareVersion = request.vars.Item(0)->value;
    return true;
}
