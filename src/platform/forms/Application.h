#pragma once
// The program's QApplication: an error that escapes an event handler is
// shown as "Error " + number + ": " + text and the program goes on.

#include <QApplication>

namespace forms {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Qt's own Spanish for its dialogs and standard buttons (file and print
// dialogs, "Guardar", "Cancelar"), whatever the system's language.
void LoadQtSpanish();

// What the program sets up on its QApplication before any window shows:
// Qt's Spanish and the program's own icon, which every window inherits
// (the main window, its child windows, message boxes and file dialogs).
// The Application does it; tests that run under a plain QApplication call it.
void PrepararAplicacion();

}  // namespace forms
