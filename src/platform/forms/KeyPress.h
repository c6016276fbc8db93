#pragma once
// Typed characters as the windows see them. A window's key preview
// (Form::Form_KeyPress) or a control's own KeyPress handler (OnKeyPress)
// gets each typed character as KeyAscii and may change it or drop it with
// 0. A changed character reaches the control through TeclaCambiada, the one
// path that builds the replacement key event (key code and text in step,
// so Backspace, Enter and letters work as typed keys).

#include <QKeyEvent>
#include <functional>

class QWidget;

namespace forms {

// The KeyPress event of a plain control: handler sees each typed character
// (after the window's key preview) and may change it or drop it with 0.
void OnKeyPress(QWidget* w, std::function<void(int&)> handler);

// The character a key event types, as its Unicode code point (Backspace 8,
// Enter 13, Escape 27; an emoji is one character), or -1 for keys that type
// none (arrows, Tab moving the focus, Delete, shortcuts).
int KeyAsciiOf(const QKeyEvent& e);

// The key event that types keyAscii in place of original.
QKeyEvent TeclaCambiada(const QKeyEvent& original, int keyAscii);

// Turns a typed lower-case letter into its capital (accented ones included).
void Mayuscula(int& keyAscii);

// Whether a character seen by a window's key preview is the Enter that
// presses its "aceptar": Enter while no popup is open and that closed none
// (a combo's list, a calendar: there Enter picks) and no date is half typed
// in the field.
bool EnterAcepta(int keyAscii);

}  // namespace forms
