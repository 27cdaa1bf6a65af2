#pragma once
// The Qt side of ui::Form (internal to the layer): a window with an optional
// menu bar on top and the client area below it; turns the close box and Esc
// into close requests. The client area lies in a frameless scroll area: it
// fills the window, unless the form is taller or wider than the screen lets
// the window be; then the window keeps to the screen and the client area,
// at its own size, scrolls.

#include <QSize>
#include <QWidget>

class QMenuBar;
class QScrollArea;

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
    // The client area keeps this size even where the window is smaller
    // (it scrolls then); an empty size lets it follow the window.
    void SetClientFloor(const QSize& size) { clientFloor_ = size; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Form* form_;
    QScrollArea* scroll_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    QSize clientFloor_;
    int menuHeightUsed_ = 0;
};

}  // namespace ui
