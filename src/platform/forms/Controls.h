#pragma once
// Building a window's controls in code: every control carries its
// documented name as objectName (tests and the window's own code find it by
// that name), every field has a label set as its buddy, so keyboard users
// and screen readers know the field by its label, and combos are kept
// narrow so editors fit a small main window.

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace forms {

// Gives w its documented name and returns it, for one-line creation:
// txt_CUIT = Nombrado(new QLineEdit(frame), "txt_CUIT");
template <class T> T* Nombrado(T* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A label for a field, set as its buddy and as the field's accessible name
// (unless the field has one already), which it keeps whatever the field
// then shows.
QLabel* Etiqueta(const QString& caption, QWidget* buddy, QWidget* parent);

// Names a field for screen readers: the field and every part of it that
// takes the focus (a number's inner box, a date's edit and check box), since
// a reader announces the part that has the focus, not the control around
// it. A part with a name of its own ("Con fecha") keeps it as its
// description.
void NombreAccesible(QWidget* campo, const QString& nombre);

// A combo as wide as about `chars` characters, whatever its longest item.
void Angosto(QComboBox* cbo, int chars);

// A number the program gives (a declaration's, a line's): the box is
// read-only, takes the focus only from a click and shows the tooltip
// background, so the clerk sees it is not typed.
void NumeroDelPrograma(QLineEdit* box);

}  // namespace forms
