#include "platform/forms/Iconos.h"

#include <QApplication>

namespace forms {

QIcon IconoDelTema(std::initializer_list<const char*> nombres, QStyle::StandardPixmap reserva)
{
    static const bool themed = [] {
        if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
            QIcon::setThemeName(QStringLiteral("Adwaita"));
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        return true;
    }();
    (void)themed;
    for (const char* name : nombres)
        if (name && QIcon::hasThemeIcon(QLatin1String(name))) return QIcon::fromTheme(QLatin1String(name));
    return QApplication::style()->standardIcon(reserva);
}

// A sheet of figures: what the program makes, and unlike the toolbar's "Nuevo".
QIcon IconoDelPrograma() { return IconoDelTema({"x-office-spreadsheet", "x-office-document"}, QStyle::SP_FileIcon); }

}  // namespace forms
