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

namespace empresastest {

void insertDeclarationFor(const QString& cuit)
{
    testsupport::insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    testsupport::insertDeclaration({.nro = cuit + QStringLiteral("012320060500"), .cuit = cuit.toLongLong()});
}

// ---------------------------------------------------------------- fixture

frmEmpresas& EmpresasTest::openList() { return openFromMenu<frmEmpresas>(main->op_empresas); }

frmEmpresas& EmpresasTest::list() { return window<frmEmpresas>(); }

frmEditarEmpresa& EmpresasTest::editor() { return window<frmEditarEmpresa>(); }

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

void EmpresasTest::selectRow(const QString& cuit) { clickRowHolding(list().grillaEmpresas, 1, cuit); }

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
