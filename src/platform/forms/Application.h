#pragma once
// The program's QApplication: an error that escapes an event handler is
// logged, shown as "Error " + number + ": " + text, and the program goes on.

#include <QApplication>
#include <functional>

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

// What notify does around one delivery: an error that escapes it is logged
// with the receiver and the event, shown, and the event counts as not handled.
bool DeliverTrapped(QObject* receiver, QEvent* event, const std::function<bool()>& deliver);

}  // namespace forms
