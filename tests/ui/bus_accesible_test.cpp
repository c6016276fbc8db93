// The combos of the company, vessel and declaration editors as a screen
// reader reads them from the AT-SPI bus: the item a combo shows is what is
// spoken when it takes the focus and after each change made with the keys.
#include "declarations/frmDDJJ.h"
#include "declarations/frmEditarDJ.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEditarEmbarcacion.h"
#include "registers/frmEditarEmpresa.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmEmpresas.h"
#include "support/Accesible.h"
#include "support/Fixtures.h"
#include "support/LectorPantalla.h"
#include "support/MainWindowTest.h"
#include "support/Support.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QSet>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::LectorPantalla;

class BusAccesible : public testsupport::MainWindowTest {
protected:
    BusAccesible() : MainWindowTest(true) {}

    struct Editor {
        const char* nombre;
        std::function<forms::Form&()> abrir;  // shown, its fields open
        std::function<forms::ComboBox*()> combo;
    };
    std::vector<Editor> editores()
    {
        return {
            {"empresa",
             [&]() -> forms::Form& {
                 click(openFromMenu<frmEmpresas>(main->op_empresas).tlbMonedas, QStringLiteral("nuevo"));
                 return window<frmEditarEmpresa>();
             },
             [&] { return window<frmEditarEmpresa>().cboTipoSociedad; }},
            {"embarcación",
             [&]() -> forms::Form& {
                 click(openFromMenu<frmEmbarcaciones>(main->op_Embarcaciones).tlbMonedas, QStringLiteral("nuevo"));
                 return window<frmEditarEmbarcacion>();
             },
             [&] { return window<frmEditarEmbarcacion>().cbo_TipoEmb; }},
            {"declaración",
             [&]() -> forms::Form& {
                 // A stored declaration: every tab open, the header unlocked.
                 testsupport::insertDeclaration({.nro = QStringLiteral("30708123451012320060500")});
                 click(openFromMenu<frmDDJJ>(main->op_DDJJ).tlbMonedas, QStringLiteral("modificar"));
                 frmEditarDJ& ed = window<frmEditarDJ>();
                 click(ed.tlb_cabecera, QStringLiteral("modificar"));
                 return ed;
             },
             [&] { return window<frmEditarDJ>().cbo_EstadosDJ; }},
        };
    }

    // With the bus on, Qt hands each key to the screen reader first and
    // delivers it to the control once the reader has let it through.
    static void esperar(const std::function<bool()>& hecho)
    {
        const QDeadlineTimer fin(10000);
        while (!hecho() && !fin.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        testsupport::Settle(1);
    }
    static void tecla(forms::ComboBox* c, Qt::Key k)
    {
        const int antes = c->currentIndex();
        QTest::keyClick(c, k);
        esperar([&] { return c->currentIndex() != antes; });
    }

    // What the reader speaks for the focused control once it has taken in
    // the events of the last step (a loaded machine delivers them late).
    // Asked again until then: a reader that joined the bus late (the first
    // case, on a loaded machine) takes in the program's events seconds later.
    static void otraVez()
    {
        const QDeadlineTimer pausa(100);
        while (!pausa.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    static QString habla(LectorPantalla& l, const QString& esperado)
    {
        QString dicho;
        const QDeadlineTimer fin(20000);
        while (true) {
            dicho = l.pedir(QStringLiteral("foco")).value(QStringLiteral("habla")).toString();
            if (dicho.contains(esperado) || fin.hasExpired()) return dicho;
            otraVez();
        }
    }
    // What was spoken for the changes since the last question, one line
    // each, read until the last of them tells of the item expected.
    static QStringList cambios(LectorPantalla& l, const QString& esperado = QString())
    {
        QStringList dicho;
        const QDeadlineTimer fin(20000);
        while (true) {
            for (const QJsonValue& c : l.pedir(QStringLiteral("cambios")).value(QStringLiteral("cambios")).toArray())
                dicho << c.toObject().value(QStringLiteral("habla")).toString();
            if (esperado.isEmpty() || (!dicho.isEmpty() && dicho.back().contains(esperado)) || fin.hasExpired())
                return dicho;
            otraVez();
        }
    }
};

TEST_F(BusAccesible, CombosSpeakTheirShownItem)
{
    testsupport::ExpectPassesOnTheBus(QStringLiteral("BusAccesible.Bus_*"));
}

TEST_F(BusAccesible, Bus_AComboSpeaksItsItemOnFocusAndAfterEachKey)
{
    SKIP_UNLESS_ON_THE_BUS();
    LectorPantalla lector;
    ASSERT_TRUE(lector.listo()) << "the reader found no program on the bus";
    for (const Editor& e : editores()) {
        SCOPED_TRACE(e.nombre);
        e.abrir();
        forms::ComboBox* c = e.combo();
        ASSERT_GE(c->ListCount(), 2);
        focusOn(c);
        // Something shown before the check, chosen with the keys.
        if (c->ListIndex() < 0) tecla(c, Qt::Key_Down);
        ASSERT_FALSE(c->Text().isEmpty());
        cambios(lector);
        // The focus comes in again with Tab, as the clerk brings it.
        testsupport::TabHacia(c);
        esperar([&] { return QApplication::focusWidget() == c; });
        ASSERT_EQ(QApplication::focusWidget(), c);
        const QString alEntrar = habla(lector, c->Text());
        EXPECT_TRUE(alEntrar.contains(c->Text())) << alEntrar.toStdString() << " / " << c->Text().toStdString();

        const QString antes = c->Text();
        tecla(c, c->ListIndex() + 1 < c->ListCount() ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_NE(c->Text(), antes);
        const QStringList dicho = cambios(lector, c->Text());
        ASSERT_FALSE(dicho.isEmpty()) << "nothing told the reader of the change";
        EXPECT_TRUE(dicho.back().contains(c->Text())) << dicho.join(QStringLiteral(" | ")).toStdString();
        const QString despues = habla(lector, c->Text());
        EXPECT_TRUE(despues.contains(c->Text())) << despues.toStdString();
        std::printf("BUS: %s: \"%s\" then \"%s\"\n", e.nombre, qPrintable(alEntrar), qPrintable(dicho.back()));
        testsupport::UnloadAllWindows();
    }
}

TEST_F(BusAccesible, Bus_EveryComboOfTheThreeEditorsSpeaksItsItem)
{
    SKIP_UNLESS_ON_THE_BUS();
    LectorPantalla lector;
    ASSERT_TRUE(lector.listo());
    int total = 0, leidos = 0, conItem = 0;
    for (const Editor& e : editores()) {
        SCOPED_TRACE(e.nombre);
        forms::Form& f = e.abrir();
        const QList<forms::ComboBox*> todos = f.findChildren<forms::ComboBox*>();
        total += int(todos.size());
        QSet<forms::ComboBox*> vistos;
        // Each page in turn: the bus shows only what is on screen.
        const QList<forms::TabbedDialog*> pestanas = f.findChildren<forms::TabbedDialog*>();
        forms::TabbedDialog* t = pestanas.isEmpty() ? nullptr : pestanas.front();
        for (int p = 0; p < (t ? t->Tabs() : 1); ++p) {
            if (t) {
                if (!t->TabEnabled(p)) continue;
                t->setTab(p);
            }
            testsupport::Settle();
            QList<forms::ComboBox*> aqui;
            for (forms::ComboBox* c : todos) {
                if (!c->isVisible() || vistos.contains(c)) continue;
                // An item shown, without the choice's own handlers.
                if (c->currentIndex() < 0 && c->count() > 0) c->setCurrentIndex(0);
                aqui << c;
            }
            const QJsonArray bus = lector.pedir(QStringLiteral("combos")).value(QStringLiteral("combos")).toArray();
            for (forms::ComboBox* c : aqui) {
                const QRect r(c->mapToGlobal(QPoint(0, 0)), c->size());
                QJsonObject hallado;
                for (const QJsonValue& v : bus) {
                    const QJsonObject o = v.toObject();
                    if (QRect(o.value(QStringLiteral("x")).toInt(), o.value(QStringLiteral("y")).toInt(),
                              o.value(QStringLiteral("w")).toInt(), o.value(QStringLiteral("h")).toInt())
                        == r)
                        hallado = o;
                }
                EXPECT_FALSE(hallado.isEmpty()) << c->objectName().toStdString() << " is not on the bus";
                if (hallado.isEmpty()) continue;
                vistos.insert(c);
                ++leidos;
                const QString valor = hallado.value(QStringLiteral("valor")).toString();
                EXPECT_EQ(valor, c->Text()) << c->objectName().toStdString() << " ("
                                            << hallado.value(QStringLiteral("nombre")).toString().toStdString() << ")";
                if (!c->Text().isEmpty()) ++conItem;
            }
        }
        for (forms::ComboBox* c : todos)
            EXPECT_TRUE(vistos.contains(c)) << c->objectName().toStdString() << " never shown on any page";
        testsupport::UnloadAllWindows();
    }
    std::printf("BUS: %d combos in the three editors, %d read on the bus, %d of them showing an item\n", total, leidos,
                conItem);
    EXPECT_EQ(leidos, total);
}

}  // namespace
