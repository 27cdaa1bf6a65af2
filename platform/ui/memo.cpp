#include "platform/ui/memo.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "platform/ui/handler_call.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QPlainTextEdit* Editor(const Control* control) { return static_cast<QPlainTextEdit*>(control->Widget()); }

}  // namespace

Memo::Memo(Control* parent) : Control(parent, parent, new QPlainTextEdit) {
    QObject::connect(Editor(this), &QPlainTextEdit::textChanged, [this] { Notify(OnChange, this); });
}

std::string Memo::Text() const { return FromQt(Editor(this)->toPlainText()); }
void Memo::SetText(const std::string& text) { Editor(this)->setPlainText(ToQt(text)); }

int Memo::LineCount() const {
    // An empty memo has no lines (Qt counts one empty block).
    QPlainTextEdit* editor = Editor(this);
    return editor->document()->isEmpty() ? 0 : editor->document()->blockCount();
}

std::string Memo::Line(int index) const {
    if (index < 0 || index >= LineCount()) ThrowListIndexError(index);
    return FromQt(Editor(this)->document()->findBlockByNumber(index).text());
}

void Memo::AddLine(const std::string& line) {
    QPlainTextEdit* editor = Editor(this);
    if (editor->document()->isEmpty() && line.empty()) {
        // appendPlainText would merge into the empty first block.
        editor->setPlainText(QStringLiteral("\n"));
        return;
    }
    editor->appendPlainText(ToQt(line));
}

void Memo::Clear() { Editor(this)->clear(); }

bool Memo::ReadOnly() const { return Editor(this)->isReadOnly(); }
void Memo::SetReadOnly(bool readOnly) { Editor(this)->setReadOnly(readOnly); }

}  // namespace ui
