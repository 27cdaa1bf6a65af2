#pragma once
// The Qt side of ui::Edit (internal to the layer).

#include <QLineEdit>

namespace ui {

class Edit;

class EditWidget : public QLineEdit {
public:
    explicit EditWidget(Edit* edit) : edit_(edit) {}

    // Runs the edit's exit handler now; false when it kept the focus.
    bool RunExitCheck();
    // The exit check already ran for the focus move under way.
    void MarkExitChecked() { exitChecked_ = true; }
    void ForgetExitCheck() { exitChecked_ = false; }

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Edit* edit_;
    bool exitChecked_ = false;
};

}  // namespace ui
