#pragma once
// What some of a page's controls showed at one moment (usually right after a
// load put the device's values in), so that the page can tell what the user
// changed since and go back to it. A combo box and an edit are taken as
// their text, a check box as "1" or "0"; comparisons are of those texts, so
// a list rebuilt in another order still compares by what it shows.
//
//   AtLoad.Take({CB_SecurityMode, Ed_UpdateInterval});
//   if (AtLoad.Changed({CB_SecurityMode})) ...
//   AtLoad.Restore(Ed_UpdateInterval);

#include <initializer_list>
#include <map>
#include <string>

namespace ui {
class Control;
}

class ControlSnapshot {
public:
    // Takes (again) the controls' values now.
    void Take(std::initializer_list<const ui::Control*> controls);
    // Puts a value in as if taken.
    void Set(const ui::Control* control, const std::string& value);
    // The value taken; "" when the control was never taken.
    std::string At(const ui::Control* control) const;
    // Whether any of the controls shows something else now than when taken
    // (a control never taken counts as unchanged).
    bool Changed(std::initializer_list<const ui::Control*> controls) const;
    // Shows the value taken again (a combo box selects the entry with that
    // text, none when no entry has it).
    void Restore(ui::Control* control) const;

    // The value of a control as this snapshot takes it.
    static std::string ValueOf(const ui::Control* control);

private:
    std::map<const ui::Control*, std::string> values_;
};
