#pragma once
// The deposit form's boxes react when a key goes down in them (before the key types
// anything) and when the person leaves them, as the form's input rules need.

#include <functional>

class QLineEdit;

namespace deposits {

// Runs `handler` each time a key goes down in the box, before the key reaches it. Keys that
// only move the focus (Tab, Shift+Tab) are not counted.
void onKeyDown(QLineEdit& box, std::function<void()> handler);

// Runs `handler` when the person leaves the box for another control of the program. Going
// to another window or opening a menu is not leaving it.
void onLeave(QLineEdit& box, std::function<void()> handler);

// Lets only digits, backspace and the decimal point type into the box: the full stop, and
// the regional decimal point where that is another character. Tab, Enter, Escape and keys
// that type nothing still work.
void installAmountKeyFilter(QLineEdit& box);

} // namespace deposits
