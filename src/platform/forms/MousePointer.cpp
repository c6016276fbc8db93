#include "platform/forms/MousePointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace forms {

void SetMousePointer(int pointer)
{
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    if (pointer == vbHourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

int MousePointer() { return QGuiApplication::overrideCursor() ? vbHourglass : vbDefault; }

}  // namespace forms
