#pragma once
// Input constraints on edits: each constrained edit admits only the
// characters of its rule while text comes in (typed or set by the program),
// may move the focus on by itself, and checks its whole value when the focus
// leaves it. A rejected value is reported in a message box; the edit gets its
// last accepted text and the focus back. The rule itself (formats, filter,
// check, messages) is library/common/edit_constraint_rule.h.
//
// A constrained edit's OnChange and OnExit are this set's handlers; the
// edit's own handlers are kept in its record and called from them:
// - OnChange: after the text passed the filter. When the page's handler sets
//   the edit's Tag to -1, the edit does not move on by itself.
// - OnExit: after the value was accepted. When the page's handler sets the
//   edit's Tag to -1, the value counts as vetoed: the last accepted text
//   comes back. A rejected value does not reach it; neither does an empty
//   text that the rule lets pass without a check.
// Detach and the destructor give every edit its own handlers back; the edits
// must outlive the set.

#include <memory>
#include <string>
#include <vector>

#include "library/common/edit_constraint_rule.h"
#include "platform/ui/edit.h"

struct _EditConstraint_s {
    ui::Edit* edit = nullptr;  // not owned
    EditConstraintRule rule;
    std::string lastGoodText;
    ui::NotifyEvent savedOnChange;
    ui::NotifyEvent savedOnExit;
};

class VkEditConstraint {
public:
    using Records = std::vector<std::unique_ptr<_EditConstraint_s>>;

    // `owner` is the window whose next control gets the focus when an edit
    // moves on (null: the edit's own form). With `rememberValid`, every
    // accepted value becomes its edit's last accepted text.
    VkEditConstraint(ui::Control* owner, bool rememberValid);
    ~VkEditConstraint();
    VkEditConstraint(const VkEditConstraint&) = delete;
    VkEditConstraint& operator=(const VkEditConstraint&) = delete;

    // Attaches one constraint to an edit. A bad constraint raises -2 (or the
    // conversion error of an unreadable number) and leaves the edit as it
    // was. Width (w) and, for s, h, i, u and f, the maximum length (l; 0
    // without it) are set on the edit. Attaching to an edit that already has
    // a constraint replaces it.
    void Attach(const std::string& constraint, ui::Edit* edit);
    // Attaches the k-th constraint of the format to edits[k]. More
    // constraints than edits raise os::ListIndexError after attaching those
    // that have an edit.
    void AttachAll(const std::string& format, const std::vector<ui::Edit*>& edits);
    // Gives the edit its own handlers back and forgets its constraint; an
    // edit without constraint is ignored.
    void Detach(ui::Edit* edit);
    // The edit's current text becomes its last accepted text (for a value
    // shown from the device, so that a rejected entry brings it back).
    void RememberText(ui::Edit* edit);
    void SetOwner(ui::Control* newOwner) { owner = newOwner; }

    // The first record of the edit, or null.
    static _EditConstraint_s* Find(const Records& records, const ui::Edit* edit);

    // The handlers installed on every constrained edit (sender: the edit).
    void EditChange(ui::Component* sender);
    void EditExit(ui::Component* sender);

    ui::Control* owner;
    bool rememberValid;
    Records records;

private:
    void MoveFocusOn(ui::Edit* edit);
    void Reject(_EditConstraint_s& record, int message);
    static void Restore(_EditConstraint_s& record);
};
