#pragma once
// The focus-loss event of a plain control: the handler runs when the user
// (or the code) moves the focus from the control to another one of the
// program. A message box or another application taking the focus for a
// while, or a combo's list popping up, is no loss: the control still holds
// the focus of its window and its handler must not run (and show messages)
// then.

#include <QWidget>
#include <functional>

namespace forms {

// Calls handler each time w loses the focus; lives as long as w.
void OnLostFocus(QWidget* w, std::function<void()> handler);

}  // namespace forms
