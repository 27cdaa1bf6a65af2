#include "platform/ui/edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <algorithm>

#include "platform/ui/edit_widget.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

// What "no limit" gives the user: Qt's own default maximum.
constexpr int kNoLimit = 32767;

// Set while an exit handler takes the focus back into its edit after Qt had
// already moved it on: the control the focus leaves again gets no exit check.
bool returningFocus = false;

bool MovesWithinForm(const QWidget* from, Qt::FocusReason reason) {
    switch (reason) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return false;
        default:
            break;
    }
    QWidget* to = QApplication::focusWidget();
    return to != nullptr && to != from && to->window() == from->window();
}

}  // namespace

bool EditWidget::RunExitCheck() { return edit_->RunExitHandler(); }

void EditWidget::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!edit_->Alive()) return;
    if (exitChecked_) {
        exitChecked_ = false;
        return;
    }
    if (!returningFocus && MovesWithinForm(this, event->reason())) edit_->RunExitHandler();
}

void EditWidget::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (edit_->Alive() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        edit_->Clicked();
    }
}

Edit::Edit(Control* parent) : Control(parent, parent, new EditWidget(this)) {
    Line()->setMaxLength(kNoLimit);
    QObject::connect(Line(), &QLineEdit::textChanged, [this] { TextChanged(); });
}

EditWidget* Edit::Line() const { return static_cast<EditWidget*>(Widget()); }

std::string Edit::Text() const { return FromQt(Line()->text()); }

void Edit::SetText(const std::string& text) {
    QString shown = ToQt(text);
    // The same text again changes nothing, not even where the user types.
    if (shown == Line()->text()) return;
    // Raise Qt's limit first, or it would cut the new text.
    ApplyLimit(static_cast<int>(text.size()));
    Line()->setText(shown);
    // A value too long for the edit shows its start; a change handler that
    // corrects the text being typed leaves the cursor after it, so typing
    // goes on at the end.
    if (changing_ == 0) Line()->setCursorPosition(0);
}

void Edit::SetMaxLength(int maxLength) {
    maxLength_ = maxLength < 0 ? 0 : maxLength;
    ApplyLimit(static_cast<int>(Line()->text().size()));
}

// Qt's limit is the maximum, or the length of a longer text already shown:
// the user cannot lengthen such a text, and nothing cuts it.
void Edit::ApplyLimit(int textLength) {
    int limit = std::max(maxLength_ > 0 ? maxLength_ : kNoLimit, textLength);
    if (Line()->maxLength() == limit) return;
    // Setting Qt's limit moves the cursor to the end; it stays where it was.
    int cursor = Line()->cursorPosition();
    Line()->setMaxLength(limit);
    Line()->setCursorPosition(cursor);
}

bool Edit::ReadOnly() const { return Line()->isReadOnly(); }
void Edit::SetReadOnly(bool readOnly) { Line()->setReadOnly(readOnly); }

void Edit::SetPasswordChar(char passwordChar) {
    passwordChar_ = passwordChar;
    Line()->setEchoMode(passwordChar != 0 ? QLineEdit::Password : QLineEdit::Normal);
}

void Edit::SelectAll() { Line()->selectAll(); }

void Edit::SetFocus() {
    if (!exitRunning_) {
        Control::SetFocus();
        return;
    }
    // The exit handler rejects the move: the focus stays (or comes back) here.
    focusKept_ = true;
    bool outer = returningFocus;
    returningFocus = true;
    Widget()->setFocus(Qt::OtherFocusReason);
    returningFocus = outer;
}

void Edit::TextChanged() {
    ApplyLimit(static_cast<int>(Line()->text().size()));
    ++changing_;
    Notify(OnChange, this);
    --changing_;
}

bool Edit::RunExitHandler() {
    if (!OnExit) return true;
    NotifyEvent handler = OnExit;
    bool outerRunning = exitRunning_;
    exitRunning_ = true;
    focusKept_ = false;
    CallHandler([&] { handler(this); });
    exitRunning_ = outerRunning;
    return !focusKept_;
}

void Edit::Clicked() { Notify(OnClick, this); }

}  // namespace ui
