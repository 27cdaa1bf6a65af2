#pragma once
// Key codes and shift states of key events. Codes follow the common PC
// virtual-key numbering (F1 = 112, Enter = 13, letters = their capitals).

#include <functional>

namespace ui {

class Component;

enum ShiftState : unsigned { kShiftNone = 0, kShift = 1, kAlt = 2, kCtrl = 4 };

constexpr int kKeyBack = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyDelete = 46;
constexpr int kKeyF1 = 112;  // F2..F12 follow: kKeyF1 + 1 ...

// A key-down handler may set `key` to 0 to consume the key.
using KeyEvent = std::function<void(Component* sender, int& key, unsigned shift)>;

}  // namespace ui
