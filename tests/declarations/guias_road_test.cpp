// A transit guide on the clerk's whole road: from the list to the
// declaration's guides tab, a new guide and its lines in the guide editor,
// back to the declaration with its credit, and out in the export's Gui file.
#include "ListFixture.h"

#include "core/controls/ctlNumero.h"
#include "declarations/frmEditarDJ.h"
#include "declarations/frmEditarGuias.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/text/Text.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

using namespace listtest;

namespace {

const QString kNro = QStringLiteral("30708123451012320060501");

class GuideRoad : public ListWindowTest {
protected:
    void SetUp() override
    {
        text::SetToday(QDate(2006, 5, 20));
        ListWindowTest::SetUp();
    }
    void TearDown() override
    {
        for (forms::Form* f : forms::Form::Forms()) f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ListWindowTest::TearDown();
        text::SetToday(QDate());
    }
    static void press(forms::Toolbar* tb, const char* key)
    {
        QToolButton* b = tb->Buttons(QString::fromLatin1(key)).widget();
        ASSERT_TRUE(b->isEnabled()) << tb->objectName().toStdString() << " " << key;
        QTest::mouseClick(b, Qt::LeftButton);
        testsupport::Settle();
    }
    static void choose(forms::ComboBox* cbo, const QString& text)
    {
        const int i = cbo->findText(text, Qt::MatchExactly);
        ASSERT_GE(i, 0) << text.toStdString();
        cbo->setFocus(Qt::TabFocusReason);
        cbo->setCurrentIndex(i);
        emit cbo->activated(i);
        testsupport::Settle(1);
    }
    static void type(QWidget* w, const QString& text, bool leave = true)
    {
        w->setFocus(Qt::TabFocusReason);
        QWidget* target = w->focusProxy() ? w->focusProxy() : w;
        if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
        testsupport::Type(target, text);
        if (leave) QTest::keyClick(target, Qt::Key_Tab);
        testsupport::Settle(1);
    }
};

TEST_F(GuideRoad, AGuideEnteredThroughTheWindowsIsInTheExportWithItsLines)
{
    insertDeclaration({.nro = kNro, .alicuota = 4});
    testsupport::MsgBoxRecorder boxes;
    frmDDJJ& list = openList();
    selectDeclaration(list, kNro);
    click(list, "modificar");
    frmEditarDJ& dj = *forms::Form::Existing<frmEditarDJ>();
    dj.SSTab1->setTab(2);
    testsupport::Settle();
    press(dj.tlb_guias, "nuevo");

    frmEditarGuias& g = *forms::Form::Existing<frmEditarGuias>();
    press(g.tlb_cabecera, "nuevo");
    type(g.txt_NroGuia, QStringLiteral("0012 a"));
    g.dtp_FechaG->setFocus();
    g.dtp_FechaG->setValue(QDate(2006, 5, 18));
    choose(g.cbo_Puertos, QStringLiteral("RAWSON"));
    choose(g.cbo_localidades, QStringLiteral("PUERTO MADRYN"));
    type(g.txt_PlantaProcesadora, QStringLiteral("planta pesquera del sur"));
    press(g.tlb_cabecera, "aceptar");

    g.SSTab1->setTab(1);
    testsupport::Settle();
    struct Line {
        const char* especie;
        const char* cajones;
        const char* kg;
    };
    for (const Line& l : {Line{"MERLUZA HUBBSI", "80", "1000"}, Line{"LANGOSTINO", "40", "400"}}) {
        press(g.tlb_detalle, "nuevo");
        choose(g.cbo_Especies, QString::fromUtf8(l.especie));
        type(g.txt_cajones, QString::fromLatin1(l.cajones));
        type(g.txt_kg, QString::fromLatin1(l.kg));
        press(g.tlb_detalle, "aceptar");
    }
    testsupport::Screenshot(g.subWindow(), QStringLiteral("guia-recorrido"));
    press(g.toolbar, "salir");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Back in front, the declaration shows the guide with its deposit and the credit.
    ASSERT_EQ(main->mdiArea()->activeSubWindow(), dj.subWindow());
    EXPECT_EQ(dj.grilla_guias->model()->rowCount(), 1);
    EXPECT_EQ(dj.nroTotalDepGuias->toString(), QStringLiteral("135,60"));
    EXPECT_EQ(dj.nroAfavorL7351->toString(), QStringLiteral("67,80"));
    EXPECT_TRUE(boxes.messages().empty()) << boxes.prompts().join(QStringLiteral(" | ")).toStdString();
    press(dj.toolbar, "salir");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QTemporaryDir out;
    SaveDialogs dialogs(out.path());
    selectDeclaration(list, kNro);
    click(list, "disco");
    QFile gui(QDir(out.path()).filePath(QStringLiteral("Gui20060500123.txt")));
    ASSERT_TRUE(gui.open(QIODevice::ReadOnly));
    EXPECT_EQ(gui.readAll(),
              QByteArray("3070812345101232006050100000000120A18/05/2006000120044"
                         "26PLANTA PESQUERA DEL SUR                           "
                         "0000000000012000000000000014000000000000003390000000000000013560"
                         "0400\r\n"
                         "00000000120A0000100001000000000000800000000000001000000000000000000105"
                         "0000000000105000\r\n"
                         "00000000120A0000200002000000000000400000000000000400000000000000000585"
                         "0000000000234000\r\n"));
}

}  // namespace
