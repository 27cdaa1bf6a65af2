#include "library/snmp/edit_constraint.h"

#include <utility>

#include "platform/ui/application.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/form.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/post.h"

namespace {

ui::Form* FormOf(ui::Control* control) {
    for (ui::Control* c = control; c != nullptr; c = c->Parent()) {
        if (auto* form = dynamic_cast<ui::Form*>(c)) return form;
    }
    return nullptr;
}

}  // namespace

VkEditConstraint::VkEditConstraint(ui::Control* owner, bool rememberValid)
    : owner(owner), rememberValid(rememberValid) {}

VkEditConstraint::~VkEditConstraint() {
    for (const auto& record : records) Restore(*record);
}

void VkEditConstraint::Attach(const std::string& constraint, ui::Edit* edit) {
    EditConstraintRule rule = ParseEditConstraint(constraint);
    Detach(edit);
    auto record = std::make_unique<_EditConstraint_s>();
    record->edit = edit;
    record->rule = rule;
    record->savedOnChange = edit->OnChange;
    record->savedOnExit = edit->OnExit;
    if (rule.width > 0) edit->SetWidth(rule.width);
    if (LimitsLength(rule)) edit->SetMaxLength(rule.maxLen);
    edit->OnChange = [this](ui::Component* sender) { EditChange(sender); };
    edit->OnExit = [this](ui::Component* sender) { EditExit(sender); };
    records.push_back(std::move(record));
}

void VkEditConstraint::AttachAll(const std::string& format, const std::vector<ui::Edit*>& edits) {
    std::vector<std::string> constraints = SplitConstraintFormat(format);
    for (size_t k = 0; k < constraints.size(); ++k) {
        if (k >= edits.size()) ui::ThrowListIndexError(static_cast<int>(k));
        Attach(constraints[k], edits[k]);
    }
}

void VkEditConstraint::Detach(ui::Edit* edit) {
    for (auto it = records.begin(); it != records.end(); ++it) {
        if ((*it)->edit == edit) {
            Restore(**it);
            records.erase(it);
            return;
        }
    }
}

void VkEditConstraint::RememberText(ui::Edit* edit) {
    if (_EditConstraint_s* record = Find(records, edit)) record->lastGoodText = edit->Text();
}

_EditConstraint_s* VkEditConstraint::Find(const Records& records, const ui::Edit* edit) {
    for (const auto& record : records) {
        if (record->edit == edit) return record.get();
    }
    return nullptr;
}

void VkEditConstraint::EditChange(ui::Component* sender) {
    auto* edit = dynamic_cast<ui::Edit*>(sender);
    if (edit == nullptr) return;
    std::string text = edit->Text();
    if (IsPlaceholderText(text)) return;
    _EditConstraint_s* record = Find(records, edit);
    if (record == nullptr || text.empty()) return;
    // Copies: the page's handler may detach the edit.
    const EditConstraintRule rule = record->rule;
    ui::NotifyEvent savedOnChange = record->savedOnChange;

    size_t jump = rule.jumpChar != 0 ? text.find(rule.jumpChar) : std::string::npos;
    if (jump != std::string::npos) {
        edit->SetText(text.erase(jump, 1));  // runs this handler again
        MoveFocusOn(edit);
        return;
    }
    size_t rejected = FirstRejectedChar(rule, text);
    if (rejected != std::string::npos) {
        edit->SetText(text.erase(rejected, 1));  // runs this handler again
        ui::Beep();
        return;
    }
    if (savedOnChange) {
        savedOnChange(edit);
        if (edit->Tag() == -1) return;
    }
    bool full = rule.maxLen > 0 && text.size() == static_cast<size_t>(rule.maxLen);
    if (LimitsLength(rule) && (rule.flags & kConstraintAdvance) && full) MoveFocusOn(edit);
}

void VkEditConstraint::EditExit(ui::Component* sender) {
    auto* edit = dynamic_cast<ui::Edit*>(sender);
    if (edit == nullptr) return;
    std::string text = edit->Text();
    if (IsPlaceholderText(text)) return;
    _EditConstraint_s* record = Find(records, edit);
    if (record == nullptr) return;
    EditCheck check = CheckEditValue(record->rule, text);
    if (check.outcome == EditCheck::Ignored) return;
    if (check.outcome == EditCheck::Rejected) {
        Reject(*record, check.message);
        return;
    }
    if (record->savedOnExit) {
        ui::NotifyEvent savedOnExit = record->savedOnExit;
        savedOnExit(edit);
        record = Find(records, edit);
        if (record == nullptr) return;
        if (edit->Tag() == -1) {
            edit->SetText(record->lastGoodText);
            return;
        }
    }
    if (rememberValid) record->lastGoodText = edit->Text();
}

void VkEditConstraint::Reject(_EditConstraint_s& record, int message) {
    ui::Edit* edit = record.edit;
    std::string lastGoodText = record.lastGoodText;
    // The box runs its own message loop; the record is not used after it.
    ui::MessageBox(RejectionText(record.rule, message), ui::Application::ExeName(), ui::Buttons::Ok);
    edit->SetText(lastGoodText);
    edit->SetFocus();
}

void VkEditConstraint::MoveFocusOn(ui::Edit* edit) {
    ui::Form* form = FormOf(owner != nullptr ? owner : edit);
    if (form != nullptr) ui::Post(form, [form] { form->SelectNextControl(); });
}

void VkEditConstraint::Restore(_EditConstraint_s& record) {
    record.edit->OnChange = record.savedOnChange;
    record.edit->OnExit = record.savedOnExit;
}
