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


}  // namespace forms
