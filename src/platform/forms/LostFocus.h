#pragma once
// The focus-loss event of a control, for plain text boxes, combos and the
// numeric field alike: the handler runs when the user or the code moves the
// focus from the control to another one of the program. A message box or
// another application taking the focus for a while, or a combo's list
// popping up, is no loss: the control still holds the focus of its window
// and its handler must not run (and show messages) then. When code moves
// the focus to another control of the window while a message box holds the
// activation, the handler runs as that control gets the focus.

#include <QWidget>
#include <functional>

namespace forms {

// Calls handler each time w loses the focus; lives as long as w.
void OnLostFocus(QWidget* w, std::function<void()> handler);

}  // namespace forms
