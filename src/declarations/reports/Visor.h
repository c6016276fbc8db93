#pragma once
// What the two viewer windows share: their size and how they tell the
// clerk that a form prints without its payment code.

#include <QSize>
#include <QString>
#include <QStringList>

namespace visor {

// As large as the main window's area allows, a page wide at most.
QSize Tamanio();

// Shows the notice (one line per form) once for each new set of lines;
// `mostrado` keeps what was shown last, so that reactivating the window
// does not repeat it.
void Avisar(const QStringList& avisos, const QString& encabezado, QString& mostrado);

}  // namespace visor
