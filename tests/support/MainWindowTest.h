#pragma once
// A window test inside the main window, shown as the program shows it at
// start. At the end every window is unloaded and the main window deleted,
// so that nothing of one test reaches the next.

#include "platform/forms/Form.h"
#include "support/WindowTest.h"

#include <QDate>
#include <stdexcept>
#include <string>
#include <typeinfo>

class MDIPrincipal;
class QAction;

namespace testsupport {

// The fixture's two halves, for a run that cannot be a fixture (a child
// process working on the database it is handed).
MDIPrincipal& ShowMainWindow();
void CloseMainWindow();  // every window unloaded, then the main window deleted
// Every window unloaded and gone, the main window kept.
void UnloadAllWindows();

class MainWindowTest : public WindowTest {
protected:
    // today: the date the windows take for today (invalid: the clock's).
    explicit MainWindowTest(bool sampleDb = false, QDate today = QDate());
    void SetUp() override;
    void TearDown() override;

    // "Archivo", "Tablas" and "Declaraciones Juradas" all enabled.
    bool menusEnabled() const;
    // Chooses the menu item as the clerk does.
    void triggerMenu(QAction* item);
    // ... and returns the window of that class it opened.
    template <class F> F& openFromMenu(QAction* item)
    {
        triggerMenu(item);
        return window<F>();
    }
    // The open window of that class (fails when none).
    template <class F> static F& window()
    {
        F* f = forms::Form::Existing<F>();
        if (!f) throw std::runtime_error(std::string("not open: ") + typeid(F).name());
        return *f;
    }

    MDIPrincipal* main = nullptr;

private:
    QDate m_today;
};

}  // namespace testsupport
