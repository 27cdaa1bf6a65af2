#pragma once
// A top-level window. Construction builds the form and its controls; the
// creation step (Create: the virtual DoCreate, which by default runs OnCreate)
// follows as a separate step, so that it runs on a fully built object.
// NewForm<T>(...) does both; Show and ShowModal run the step when it has not
// run yet.
//
// Closing: Close(), the close box and Esc (on a modal form) only request the
// close. On a modal form the request sets the modal result; the modal loop
// then runs OnCloseQuery and OnClose, never nested inside another handler, so
// a handler that calls Close() finishes before the close handler runs. A
// non-modal form runs the close protocol at once. A form whose close handler
// lets it close is hidden; closing the main form terminates the application.

#include <functional>
#include <string>
#include <utility>

#include "platform/ui/control.h"

namespace ui {

enum class BorderStyle { Sizeable, Single, Dialog, None };
enum class FormPosition { Designed, ScreenCenter, MainFormCenter, OwnerFormCenter };
enum class CloseAction { None, Hide };

// Modal results; any other positive number may be used as well.
constexpr int kModalNone = 0;
constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;
constexpr int kModalAbort = 3;
constexpr int kModalRetry = 4;
constexpr int kModalIgnore = 5;
constexpr int kModalYes = 6;
constexpr int kModalNo = 7;

class MainMenu;

class Form : public Control {
public:
    // `owner` deletes the form with itself (null: the creator deletes it).
    // A form owned by another form stays above it.
    explicit Form(Component* owner);
    ~Form() override;

    // The creation step; runs once.
    void Create();
    bool Created() const { return created_; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    BorderStyle Border() const { return border_; }
    void SetBorderStyle(BorderStyle style);
    // Minimise and maximise boxes (the system menu and close box are always
    // there, except without border).
    void SetBorderIcons(bool minimize, bool maximize);

    int ClientWidth() const;
    int ClientHeight() const;
    // The client area's size. Where the screen is too small for the window,
    // the window takes what the screen has and the client area scrolls.
    void SetClientSize(int width, int height);

    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }

    // Shows the form without waiting and paints it at once.
    void Show();
    void Hide();
    // Shows the form modally and runs a nested message loop until a modal
    // result is set and the close handlers let the form close. Returns the
    // result. After Application::Terminate it returns kModalCancel at once,
    // without showing the form.
    int ShowModal();
    bool Modal() const { return modal_; }

    void Close();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);

    MainMenu* Menu() const { return menu_; }

    // Moves the focus to the next control in tab order after the focused
    // one (posted by edits that move on by themselves).
    void SelectNextControl();

    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    std::function<void(Component* sender, bool& canClose)> OnCloseQuery;
    std::function<void(Component* sender, CloseAction& action)> OnClose;

    // The application's main form (for centring; closing it terminates).
    static Form* MainForm();
    static void SetMainForm(Form* form);

protected:
    virtual void DoCreate();
    QWidget* ClientArea() const override;
    void Resized() override;

private:
    friend class FormWidget;
    friend class MainMenu;
    void SetMenu(MainMenu* menu) { menu_ = menu; }
    bool RunCloseProtocol();
    void PlaceOnScreen();
    void KeepOnScreen();
    void ApplyWindowFlags();

    bool created_ = false;
    bool modal_ = false;
    int modalResult_ = kModalNone;
    BorderStyle border_ = BorderStyle::Sizeable;
    bool minimizeBox_ = true;
    bool maximizeBox_ = true;
    FormPosition position_ = FormPosition::Designed;
    MainMenu* menu_ = nullptr;
};

// Constructs a form and runs its creation step.
template <class F, class... Args>
F* NewForm(Args&&... args) {
    F* form = new F(std::forward<Args>(args)...);
    form->Create();
    return form;
}

}  // namespace ui
