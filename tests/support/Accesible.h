#pragma once
// A window as a screen reader meets it: each control's accessible name and
// value, and the stops Tab makes.

#include <QString>
#include <QStringList>

class QWidget;

namespace testsupport {

QString NombreAccesible(QWidget* w);
QString ValorAccesible(QWidget* w);

// Every control of the window that Tab stops at and that has no accessible
// name, or that is the inner box of a field and speaks another name than
// the field's, as "objectName (class)"; each enabled tab of its tabbed
// dialogs is shown in turn, so that every page is swept.
QStringList SinNombre(QWidget* ventana);

// Tab pressed on the stop before the field: the widget that then has the focus.
QWidget* TabHacia(QWidget* campo);

}  // namespace testsupport
