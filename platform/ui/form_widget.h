#pragma once
// The Qt side of ui::Form (internal to the layer): a window with an optional
// menu bar on top and the client area below it; turns the close box and Esc
// into close requests.

#include <QWidget>

class QMenuBar;

namespace ui {

class Form;

class FormWidget : public QWidget {
public:
    FormWidget(Form* form, QWidget* parent);

    QWidget* Client() const { return client_; }
    void SetMenuBar(QMenuBar* menuBar);
    int MenuHeight() const;
    // The menu height the client area is placed below.
    int MenuHeightUsed() const { return menuHeightUsed_; }
    // Places the menu bar and the client area in the window.
    void LayOut();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Form* form_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    int menuHeightUsed_ = 0;
};

}  // namespace ui
