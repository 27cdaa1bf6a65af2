#include "platform/ui/form.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/edit_widget.h"
#include "platform/ui/focus_exit_guard.h"
#include "platform/ui/form_widget.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

Form* mainForm = nullptr;

// The headless platforms have no window stack, and say so on every raise.
bool CanRaiseWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

// The screen area windows may take, of the screen the window is on.
QRect ScreenArea(const QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// The largest window size that fits that area with the window's frame (known
// once the window was shown; none before).
QSize WindowRoom(const QWidget& window) {
    const QRect area = ScreenArea(window);
    if (area.isEmpty()) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize frame = window.frameGeometry().size() - window.size();
    return area.size() - frame;
}

QWidget* OwnerWindow(Component* owner) {
    for (Component* c = owner; c != nullptr; c = c->Owner()) {
        if (auto* control = dynamic_cast<Control*>(c)) return control->Widget()->window();
    }
    return nullptr;
}

}  // namespace

Form::Form(Component* owner) : Control(owner, nullptr, new FormWidget(this, OwnerWindow(owner))) {
    Widget()->setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyWindowFlags();
}

Form::~Form() {
    if (mainForm == this) mainForm = nullptr;
    // The menu detaches itself from this form, so it goes while the form is
    // still whole.
    delete menu_;
}

void Form::Create() {
    if (created_) return;
    created_ = true;
    DoCreate();
}

void Form::DoCreate() {
    Notify(OnCreate, this);
}

std::string Form::Caption() const { return FromQt(Widget()->windowTitle()); }
void Form::SetCaption(const std::string& caption) { Widget()->setWindowTitle(ToQt(caption)); }

void Form::SetBorderStyle(BorderStyle style) {
    border_ = style;
    ApplyWindowFlags();
}

void Form::SetBorderIcons(bool minimize, bool maximize) {
    minimizeBox_ = minimize;
    maximizeBox_ = maximize;
    ApplyWindowFlags();
}

void Form::ApplyWindowFlags() {
    QWidget* w = Widget();
    bool visible = w->isVisible();
    Qt::WindowFlags flags = w->parentWidget() != nullptr ? Qt::Dialog : Qt::Window;
    if (border_ == BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
        bool dialog = border_ == BorderStyle::Dialog;
        if (minimizeBox_ && !dialog) flags |= Qt::WindowMinimizeButtonHint;
        if (maximizeBox_ && border_ == BorderStyle::Sizeable) flags |= Qt::WindowMaximizeButtonHint;
    }
    w->setWindowFlags(flags);
    if (border_ == BorderStyle::Sizeable) {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        w->setFixedSize(w->size());
    }
    if (visible) w->show();
}

QWidget* Form::ClientArea() const { return static_cast<FormWidget*>(Widget())->Client(); }
int Form::ClientWidth() const { return ClientArea()->width(); }
int Form::ClientHeight() const { return ClientArea()->height(); }

// A form larger than the screen lets its window be gets a window that fits,
// and its client area scrolls at the size asked for.
void Form::SetClientSize(int width, int height) {
    auto* w = static_cast<FormWidget*>(Widget());
    const QSize wanted(width, height + w->MenuHeightUsed());
    const QSize size = wanted.boundedTo(WindowRoom(*w));
    w->SetClientFloor(size == wanted ? QSize() : QSize(width, height));
    if (border_ == BorderStyle::Sizeable) {
        w->resize(size);
    } else {
        w->setFixedSize(size);
    }
    Resized();
}

void Form::Resized() {
    static_cast<FormWidget*>(Widget())->LayOut();
    Realign();
    KeepOnScreen();
}

// A shown window that grew past the screen's edge moves back onto it, up and
// left as far as needed, never past the top or left edge.
void Form::KeepOnScreen() {
    QWidget* w = Widget();
    if (!w->isVisible()) return;
    const QRect area = ScreenArea(*w);
    if (area.isEmpty()) return;
    const QRect frame = w->frameGeometry();
    QPoint shift(std::min(0, area.right() - frame.right()), std::min(0, area.bottom() - frame.bottom()));
    shift.setX(std::max(shift.x(), area.left() - frame.left()));
    shift.setY(std::max(shift.y(), area.top() - frame.top()));
    if (shift.x() < 0 || shift.y() < 0) w->move(w->pos() + shift);
}

void Form::PlaceOnScreen() {
    QWidget* w = Widget();
    QRect area;
    switch (position_) {
        case FormPosition::Designed:
            return;
        case FormPosition::ScreenCenter:
            if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
            break;
        case FormPosition::MainFormCenter:
            if (mainForm != nullptr && mainForm != this) area = mainForm->Widget()->geometry();
            break;
        case FormPosition::OwnerFormCenter:
            if (QWidget* owner = OwnerWindow(Owner())) area = owner->geometry();
            break;
    }
    if (area.isNull() && QGuiApplication::primaryScreen() != nullptr) {
        area = QGuiApplication::primaryScreen()->availableGeometry();
    }
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

void Form::Show() {
    Create();
    Resized();  // the menu bar has its entries by now
    PlaceOnScreen();
    QWidget* w = Widget();
    w->show();
    if (CanRaiseWindows()) w->raise();
    w->activateWindow();
    w->repaint();
    Notify(OnShow, this);
}

void Form::Hide() { Widget()->hide(); }

int Form::ShowModal() {
    Create();
    Application* app = Application::Instance();
    if (app == nullptr || app->Terminated()) return kModalCancel;
    QWidget* w = Widget();
    modal_ = true;
    modalResult_ = kModalNone;
    // Qt applies a new modality only when the window is shown anew.
    if (w->isVisible()) w->hide();
    w->setWindowModality(Qt::ApplicationModal);
    Show();
    while (true) {
        if (app->Terminated()) {
            modalResult_ = kModalCancel;
            break;
        }
        if (modalResult_ != kModalNone && RunCloseProtocol()) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    w->hide();
    w->setWindowModality(Qt::NonModal);
    modal_ = false;
    return modalResult_;
}

void Form::Close() {
    if (modal_) {
        SetModalResult(kModalCancel);
        return;
    }
    if (RunCloseProtocol()) {
        Hide();
        if (this == mainForm && Application::Instance() != nullptr) Application::Instance()->Terminate();
    }
}

void Form::SetModalResult(int result) {
    modalResult_ = result;
    // The modal loop may be waiting for messages; let it look at the result.
    if (modal_) Application::WakeUp();
}

bool Form::RunCloseProtocol() {
    bool canClose = true;
    if (OnCloseQuery && !CallHandler([&] { OnCloseQuery(this, canClose); })) canClose = false;
    CloseAction action = canClose ? CloseAction::Hide : CloseAction::None;
    if (canClose && OnClose && !CallHandler([&] { OnClose(this, action); })) action = CloseAction::None;
    if (action == CloseAction::None) {
        modalResult_ = kModalNone;
        return false;
    }
    return true;
}

void Form::SelectNextControl() {
    QWidget* focused = Widget()->focusWidget();
    QWidget* next = focused != nullptr ? focused->nextInFocusChain() : Widget()->nextInFocusChain();
    // The chain is circular; take the first widget that accepts Tab focus.
    for (QWidget* w = next; w != nullptr && w != focused; w = w->nextInFocusChain()) {
        if (w->window() == Widget() && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            QPointer<EditWidget> checked;
            if (!FocusExitGuard::AllowFocusMove(w, checked)) return;
            w->setFocus(Qt::TabFocusReason);
            FocusExitGuard::Finish(checked);
            return;
        }
    }
}

Form* Form::MainForm() { return mainForm; }
void Form::SetMainForm(Form* form) { mainForm = form; }

}  // namespace ui
