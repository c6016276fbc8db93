#pragma once
// Driving a window as the clerk does: clicks on toolbar buttons, focus,
// typing and picks from combo lists. Each helper records a test failure
// (and does nothing more) when the window does not let it act.

#include <QString>

class QWidget;
namespace forms { class ComboBox; class Toolbar; }

namespace testsupport {

// A mouse click on the button of that key: the focus moves to the button.
void ClickButton(forms::Toolbar* tb, const QString& key);
// The focus on w (or the inner box it hands its focus to).
void FocusOn(QWidget* w);
// Focus in, everything selected, the text typed key by key ("" empties the box).
void TypeInto(QWidget* w, const QString& text);
// ... and then Tab out.
void TypeAndLeave(QWidget* w, const QString& text);
// The item of that text picked from the list, as the popup does it.
void Choose(forms::ComboBox* cbo, const QString& text);

}  // namespace testsupport
