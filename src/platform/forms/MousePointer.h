#pragma once
// The screen's mouse pointer as the windows set it: the hourglass while a
// window loads or reads its data, the default again when it is done. It is
// a state, not a stack: setting the default clears any hourglass.

namespace forms {

enum MousePointerConstants { vbDefault = 0, vbHourglass = 11 };

void SetMousePointer(int pointer);
int MousePointer();

}  // namespace forms
