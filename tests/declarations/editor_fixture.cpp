#include "editor_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QLineEdit>

namespace editortest {

const QString kNro = QStringLiteral("20123456786012320060500");

void insertSpecies(int id, const QString& descripcion)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_ESPECIES (PTES_ID, PTES_DESCRIPCION) values (%1, %2)")
                            .arg(id)
                            .arg(q(descripcion)));
}

void insertDeclaration(const QString& nro, int anio, int mes, const QString& matricula, qint64 cuit,
                       const QString& estadoId, double alicuota)
{
    testsupport::insertDeclaration({.nro = nro,
                                    .anio = anio,
                                    .mes = mes,
                                    .matricula = matricula,
                                    .cuit = cuit,
                                    .alicuota = alicuota,
                                    .estado = estadoId,
                                    .nroDoc = 22333444,
                                    .puerto = 1,
                                    .responsable = QStringLiteral("GOMEZ ANA"),
                                    .tipoDoc = QStringLiteral("CI")});
}

void insertLine(const QString& nro, int renglon, int especie, double kg, double precio, double total)
{
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
            "values ('%1', %2, %3, %4, %5, %6)")
            .arg(nro)
            .arg(renglon)
            .arg(especie)
            .arg(kg, 0, 'g', 15)
            .arg(precio, 0, 'g', 15)
            .arg(total, 0, 'g', 15));
}

// ---------------------------------------------------------------- fixture

void EditorTest::SetUp()
{
    insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    insertCompany(3, 20123456786LL, QStringLiteral("PEREZ JUAN CARLOS"));
    MainWindowTest::SetUp();
}

frmEditarDJ& EditorTest::open(int operacion, const std::shared_ptr<clsCabDDJJ>& cab)
{
    m_ed = &forms::Form::Instance<frmEditarDJ>();
    m_ed->Operacion(operacion, cab);
    m_ed->Show();
    QApplication::setActiveWindow(main);
    testsupport::Settle();
    return *m_ed;
}

QString EditorTest::shown(ctlNumero* n) { return n->toString(); }

void EditorTest::fillValidHeader()
{
    open(1);
    click(ed().tlb_cabecera, QStringLiteral("nuevo"));
    choose(ed().cbo_TipoDJ, ed().cbo_TipoDJ->itemText(0));
    choose(ed().cbo_Puertos, ed().cbo_Puertos->itemText(0));
    choose(ed().cbo_EstadosDJ, QStringLiteral("NORMAL"));
    typeAndLeave(ed().txt_NroEmb, QStringLiteral("7"));
    typeAndLeave(ed().txt_NroEmp, QStringLiteral("3"));
    choose(ed().cbo_TipoDoc, ed().cbo_TipoDoc->itemText(0));
    type(ed().txt_NroDoc, QStringLiteral("22333444"));
    choose(ed().cbo_CaracteresResp, ed().cbo_CaracteresResp->itemText(0));
    type(ed().txt_responsable, QStringLiteral("gomez ana"));
    choose(ed().cbo_Alicuota, QStringLiteral("3%"));
}

}  // namespace editortest
