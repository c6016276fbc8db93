#pragma once
// Small pieces the sections of the declaration editor share.

#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QWidget;

namespace editor {

// A label for a field, set as its buddy so that the field is known by it.
QLabel* Etiqueta(const QString& caption, QWidget* buddy, QWidget* parent);

// A combo as wide as about `chars` characters, whatever its longest item,
// so that the window fits a small main window.
void Angosto(QComboBox* cbo, int chars);

// Digits only, 1 to maxDigits of them: the only numbers the header writes
// into SQL unquoted.
bool EsEnteroSimple(const QString& s, int maxDigits);

// The KeyPress event of a plain control: handler sees each typed character
// (after the window's key preview) and may change it or drop it with 0.
void OnKeyPress(QWidget* w, std::function<void(int&)> handler);

}  // namespace editor
