#include "support/MainWindowTest.h"

#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace testsupport {

MDIPrincipal& ShowMainWindow()
{
    MDIPrincipal& main = MDIPrincipal::Instance();
    main.Show();
    Settle();
    return main;
}

void UnloadAllWindows()
{
    forms::Form::UnloadAll();
    // An unload only schedules the window's deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CloseMainWindow()
{
    UnloadAllWindows();
    delete MDIPrincipal::Existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainWindowTest::MainWindowTest(bool sampleDb, QDate today) : WindowTest(sampleDb), m_today(today) {}

void MainWindowTest::SetUp()
{
    if (m_today.isValid()) text::SetToday(m_today);
    main = &ShowMainWindow();
}

void MainWindowTest::TearDown()
{
    CloseMainWindow();
    main = nullptr;
    text::SetToday(QDate());
}

bool MainWindowTest::menusEnabled() const
{
    return main->op_archivo->menuAction()->isEnabled() && main->op_Tablas->menuAction()->isEnabled()
        && main->op_DJ->menuAction()->isEnabled();
}

void MainWindowTest::triggerMenu(QAction* item)
{
    item->trigger();
    QApplication::setActiveWindow(main);
    Settle();
}

}  // namespace testsupport
