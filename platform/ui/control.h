#pragma once
// The common part of every form and control: a Qt widget with absolute
// geometry, a name (the widget's object name, so tests find it), enabled and
// visible states, focus, font, colours and alignment in its parent.
//
// A control is created with its parent control (a form, panel, group box,
// ...), which also owns it: the parent deletes it, synchronously. The control
// owns its widget and deletes it with itself.

#include <string>

#include "platform/ui/color.h"
#include "platform/ui/component.h"
#include "platform/ui/events.h"

class QWidget;

namespace ui {

enum class Align { None, Top, Bottom, Left, Right, Client };

class Control : public Component {
public:
    ~Control() override;

    // The Qt widget, for painting and tests. Program code uses the methods.
    QWidget* Widget() const { return widget_; }
    Control* Parent() const { return parent_; }
    // Moves the control into another container, which owns it from then on
    // (a view lends its row editor to a dialog this way and takes it back).
    void SetParent(Control* parent);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    // The control's own visible flag (it may still be unseen when its parent
    // is hidden).
    bool Visible() const;
    void SetVisible(bool visible);
    // Visible with every parent, up to the window.
    bool Showing() const;

    // Moves the focus to this control. When an edit of the same form holds
    // the focus, its exit check runs first and may keep the focus there.
    virtual void SetFocus();
    bool Focused() const;
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    Color BackgroundColor() const { return color_; }
    void SetBackgroundColor(Color color);
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color color);
    // The colours of text and background while the control is disabled.
    void SetDisabledColors(Color font, Color background);
    std::string FontName() const;
    void SetFontName(const std::string& name);
    // Points as a design gives them, drawn in the form face's ratio of
    // pixels to points (form_look.h).
    int FontSize() const;
    void SetFontSize(int points);
    bool FontBold() const;
    void SetFontBold(bool bold);

    // The hint pops up over the control while ShowHint is on (the default).
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    // Alignment in the parent: aligned controls fill the parent's edge or its
    // remaining client area, and follow when the parent is resized.
    Align Alignment() const { return align_; }
    void SetAlign(Align align);

protected:
    // `widget` becomes the control's own; it is put into the parent's client
    // area and shown with it. A form passes no parent.
    Control(Component* owner, Control* parent, QWidget* widget);

    // Where child controls go; a container with an inner area overrides it.
    virtual QWidget* ClientArea() const { return widget_; }
    // False from the start of the destructor on, so that the widget's own
    // event overrides stop calling into a control being destroyed.
    bool Alive() const { return alive_; }
    void NameChanged() override;
    // Places the controls aligned inside this one.
    void Realign();
    // After the program changed the size: re-places what depends on it (Qt
    // delivers no resize events to windows not yet shown).
    virtual void Resized() { Realign(); }
    // A child control was moved, resized, shown or hidden by the program.
    virtual void ChildChanged(Control* child);

private:
    void ApplyPalette();

    friend class AlignWatcher;
    Control* parent_;
    QWidget* widget_;
    class AlignWatcher* alignWatcher_ = nullptr;
    bool alive_ = true;
    Color color_ = kColorDefault;
    Color fontColor_ = kColorDefault;
    std::string hint_;
    bool showHint_ = true;
    Align align_ = Align::None;
};

}  // namespace ui
