#pragma once
// Icons from the desktop's icon theme, or from the packaged Adwaita theme
// when the desktop names none, or Qt's own as the last resort.

#include <QIcon>
#include <QStyle>
#include <initializer_list>

namespace forms {

// The first of the names the theme has, else the style's standard icon.
QIcon IconoDelTema(std::initializer_list<const char*> nombres, QStyle::StandardPixmap reserva);

// The program's own icon, which every window of it carries.
QIcon IconoDelPrograma();

}  // namespace forms
