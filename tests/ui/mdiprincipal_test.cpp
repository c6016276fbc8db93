#include "ui/MDIPrincipal.h"

#include "platform/forms/CommonDialog.h"
#include "platform/forms/Form.h"
#include "platform/forms/Iconos.h"
#include "platform/forms/MsgBox.h"
#include "registers/frmEmpresas.h"
#include "support/MainWindowTest.h"
#include "support/Support.h"

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public testsupport::MainWindowTest {
protected:
    MDIPrincipal*& win = main;  // this file's name for it
    QStringList menuTexts() const
    {
        QStringList all;
        for (QAction* top : win->menuBar()->actions()) {
            all << top->menu()->objectName() + QStringLiteral("=") + top->text();
            for (QAction* item : top->menu()->actions())
                all << QStringLiteral("  ") + item->objectName() + QStringLiteral("=") + item->text();
        }
        return all;
    }
    bool menusDisabled() const
    {
        return !win->op_archivo->menuAction()->isEnabled() && !win->op_Tablas->menuAction()->isEnabled()
            && !win->op_DJ->menuAction()->isEnabled();
    }
};

TEST_F(MainWindowTest, ShowsMaximizedWithItsMenus)
{
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Ley 7351"));
    EXPECT_TRUE(win->isMaximized());
    EXPECT_EQ(menuTexts(),
              (QStringList{
                  QStringLiteral("op_archivo=Archivo"),
                  QStringLiteral("  op_salir=Salir"),
                  QStringLiteral("op_Tablas=Tablas"),
                  QStringLiteral("  op_empresas=Empresas"),
                  QStringLiteral("  op_Embarcaciones=Embarcaciones"),
                  QStringLiteral("  op_Precios=Valores Banquina"),
                  QStringLiteral("op_DJ=Declaraciones Juradas"),
                  QStringLiteral("  op_DDJJ=Declaraciones Juradas"),
              }));
    EXPECT_TRUE(menusEnabled());
    testsupport::Screenshot(win, QStringLiteral("main-window"));
}

TEST_F(MainWindowTest, HabDeshabMenuSwitchesTheThreeTopMenus)
{
    win->HabDeshabMenu(false);
    EXPECT_TRUE(menusDisabled());
    EXPECT_TRUE(win->op_salir->isEnabled()) << "the items themselves are not touched";
    win->HabDeshabMenu(true);
    EXPECT_TRUE(menusEnabled());
}

TEST_F(MainWindowTest, SalirAnsweredNoKeepsTheProgramRunning)
{
    testsupport::MsgBoxRecorder boxes({7});
    win->op_salir->trigger();
    testsupport::Settle();
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].prompt, QStringLiteral("¿Está seguro que desea salir del sistema?"));
    EXPECT_EQ(boxes.messages()[0].style, 36);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Ley 7351"));
    EXPECT_EQ(MDIPrincipal::Existing(), win);
    EXPECT_TRUE(win->isVisible());
}

// A maximized child window puts its caption into the frame's title; the
// question keeps the main window's own caption.
TEST_F(MainWindowTest, SalirIsTitledWithTheCaptionWhileAChildIsMaximized)
{
    struct Hijo : forms::Form {
        Hijo() { setCaption(QStringLiteral("Nueva Guía")); }
    };
    Hijo& hijo = forms::Form::Instance<Hijo>();
    hijo.Show();
    hijo.subWindow()->showMaximized();
    testsupport::Settle();
    testsupport::MsgBoxRecorder boxes({7});
    win->op_salir->trigger();
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Ley 7351"));
    hijo.Unload();
}

// Both ways out end the event loop; only "Salir" asks first.
TEST_F(MainWindowTest, SalirAnsweredYesAndTheCloseBoxEndTheProgram)
{
    for (bool viaMenu : {true, false}) {
        if (!MDIPrincipal::Existing()) win = &testsupport::ShowMainWindow();
        testsupport::MsgBoxRecorder boxes({6});
        QTimer::singleShot(0, win, [this, viaMenu] {
            if (viaMenu)
                win->op_salir->trigger();
            else
                win->close();
        });
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        EXPECT_EQ(QApplication::exec(), 0) << (viaMenu ? "Salir" : "close box");
        guard.stop();
        EXPECT_EQ(boxes.messages().size(), viaMenu ? 1u : 0u);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(MDIPrincipal::Existing(), nullptr);
    }
}

}  // namespace

namespace {

QImage picture(const QIcon& icon)
{
    return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The icon of the modal dialog the step opens, read once it shows; the dialog is then closed.
QIcon iconOfDialog(const std::function<void()>& step)
{
    QIcon seen;
    QTimer::singleShot(0, [&] {
        QWidget* d = QApplication::activeModalWidget();
        if (!d) return;
        seen = d->windowIcon();
        d->close();
    });
    step();
    return seen;
}

TEST_F(MainWindowTest, EveryWindowCarriesTheProgramsOwnIcon)
{
    const QImage own = picture(forms::IconoDelPrograma());
    ASSERT_FALSE(own.isNull());
    ASSERT_NE(own, picture(QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton)))
        << "the program's icon is Qt's logo";
    EXPECT_EQ(picture(win->windowIcon()), own);

    auto& list = openFromMenu<frmEmpresas>(win->op_empresas);
    EXPECT_EQ(picture(list.subWindow()->windowIcon()), own);
    testsupport::Screenshot(win, QStringLiteral("main-window-child-icon"));

    forms::SetMsgBoxHook({});  // the real box
    EXPECT_EQ(picture(iconOfDialog([] { forms::MsgBox(QStringLiteral("Prueba"), forms::vbInformation); })), own);
    EXPECT_EQ(picture(iconOfDialog([] {
                  forms::CommonDialog cd;
                  cd.ShowSave();
              })),
              own);
}

}  // namespace
