#include "empresas_fixture.h"

#include "support/Driving.h"

#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace empresastest {

void insertCompany(int id, const QString& cuit, const QString& rsocial)
{
    testsupport::insertCompany(id, cuit.toLongLong(), rsocial);
}

void insertDeclarationFor(const QString& cuit)
{
    testsupport::insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    testsupport::insertDeclaration({.nro = cuit + QStringLiteral("012320060500"), .cuit = cuit.toLongLong()});
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

void EmpresasTest::click(forms::Toolbar* tb, const QString& key) { testsupport::ClickButton(tb, key); }

void EmpresasTest::focusOn(QWidget* w) { testsupport::FocusOn(w); }

QWidget* EmpresasTest::focused() const
{
    QWidget* f = QApplication::focusWidget();
    // A compound control (a date picker) stands for the inner box it hands its focus to.
    while (f && f->parentWidget() && f->parentWidget()->focusProxy() == f) f = f->parentWidget();
    return f;
}

void EmpresasTest::type(QWidget* w, const QString& text) { testsupport::TypeInto(w, text); }

void EmpresasTest::typeAndLeave(QWidget* w, const QString& text) { testsupport::TypeAndLeave(w, text); }

void EmpresasTest::choose(forms::ComboBox* cbo, const QString& text) { testsupport::Choose(cbo, text); }

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
