#pragma once
// The program as a screen reader meets it on the AT-SPI bus: a reader
// process (tests/support/lector_pantalla.py, pyatspi) that asks this process
// over the bus what it would speak, while this process keeps answering.
//
// The bus needs an X display and a session bus: a parent test runs the
// cases named Bus_* again in a child under xvfb-run and dbus-run-session,
// with Qt's AT-SPI bridge on.

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace testsupport {

bool EnBusAccesible();

#define SKIP_UNLESS_ON_THE_BUS()                                                                                       \
    do {                                                                                                               \
        if (!::testsupport::EnBusAccesible()) GTEST_SKIP() << "runs in the child process started on the bus";          \
    } while (0)

// Runs the matching cases of this executable in a child on the bus; they must pass, none skipped.
void ExpectPassesOnTheBus(const QString& filter);

class LectorPantalla {
public:
    LectorPantalla();  // starts the reader and waits until it sees this process
    ~LectorPantalla();
    bool listo() const { return m_listo; }
    // One command ("foco", "cambios", "combos") and its reply; this
    // process's events run meanwhile, so that it answers the reader.
    QJsonObject pedir(const QString& orden);

private:
    QProcess m_p;
    bool m_listo = false;
    QJsonObject leer();
};

}  // namespace testsupport
