#include "empresas_fixture.h"

#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QTest>

namespace empresastest {

void insertDeclarationFor(const QString& cuit)
{
    testsupport::insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    testsupport::insertDeclaration({.nro = cuit + QStringLiteral("012320060500"),
                                    .matricula = QStringLiteral("123"),
                                    .cuit = cuit.toLongLong(),
                                    .nroDoc = 22333444,
                                    .puerto = 1,
                                    .responsable = QStringLiteral("GOMEZ ANA"),
                                    .tipoDoc = QStringLiteral("CI")});
}

// ---------------------------------------------------------------- fixture

void EmpresasTest::SetUp()
{
    text::SetToday(QDate(2006, 5, 15));
    main = &MDIPrincipal::Instance();
    main->Show();
    testsupport::Settle();
}

void EmpresasTest::TearDown()
{
    delete MDIPrincipal::Existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    text::SetToday(QDate());
}

frmEmpresas& EmpresasTest::openList()
{
    main->op_empresas->trigger();
    testsupport::Settle();
    return list();
}

frmEmpresas& EmpresasTest::list()
{
    frmEmpresas* f = forms::Form::Existing<frmEmpresas>();
    if (!f) throw std::runtime_error("the company list is not open");
    return *f;
}

frmEditarEmpresa& EmpresasTest::editor()
{
    frmEditarEmpresa* f = forms::Form::Existing<frmEditarEmpresa>();
    if (!f) throw std::runtime_error("the company editor is not open");
    return *f;
}

frmEditarEmpresa& EmpresasTest::nueva()
{
    click(list().tlbMonedas, QStringLiteral("nuevo"));
    return editor();
}

frmEditarEmpresa& EmpresasTest::modificar(const QString& cuit)
{
    selectRow(cuit);
    click(list().tlbMonedas, QStringLiteral("modificar"));
    return editor();
}

void EmpresasTest::selectRow(const QString& cuit)
{
    forms::DataGrid* g = list().grillaEmpresas;
    for (int r = 0; r < g->model()->rowCount(); ++r) {
        const QModelIndex i = g->model()->index(r, 1);
        if (g->model()->data(i).toString() != cuit) continue;
        g->scrollTo(i);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
        testsupport::Settle();
        return;
    }
    throw std::runtime_error("company not in the list: " + cuit.toStdString());
}

void EmpresasTest::fillValid(frmEditarEmpresa& e)
{
    type(e.txt_IdEmpresa, QStringLiteral("10"));
    type(e.txt_CUIT, kCuitA);
    type(e.txt_RSocial, QStringLiteral("pesquera del sur s.a."));
    choose(e.cboTipoSociedad, QStringLiteral("SOCIEDAD ANÓNIMA (S.A.)"));
    type(e.txt_DomicilioFiscal, QStringLiteral("rivadavia 100"));
    choose(e.cbo_provincia_DFiscal, QStringLiteral("CHUBUT"));
    choose(e.cbo_localidad_DFiscal, QStringLiteral("RAWSON"));
    type(e.txt_CodPostal_DFiscal, QStringLiteral("9103"));
}

QStringList EmpresasTest::rows()
{
    QStringList all;
    const QAbstractItemModel* m = list().grillaEmpresas->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) cells << m->data(m->index(r, c)).toString();
        all << cells.join(QLatin1Char('|'));
    }
    return all;
}

}  // namespace empresastest
