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
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace empresastest {

void insertCompany(int id, const QString& cuit, const QString& rsocial)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_EMPRESAS (PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, GTSO_ID, PEMP_FALTA, "
                                       "PEMP_DOM_FISCAL, GLOC_ID_DF, GPRO_ID_DF, PEMP_CP_DF) values (%1, %2, '%3', 1, '2005-01-01', "
                                       "'RIVADAVIA 100', 40, 26, '9103')")
                            .arg(id)
                            .arg(cuit, QString(rsocial).replace(QStringLiteral("'"), QStringLiteral("''"))));
}

void insertDeclarationFor(const QString& cuit)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, "
                                       "PBAR_FALTA, PPTO_ID) values (7, '123', 'DON JUAN', "
                                       "(select min(PTBA_ID) from LNV_PES_TB_TIPOS_EMBARCACION), '2005-01-01', "
                                       "(select min(PPTO_ID) from LNV_PES_TB_PUERTOS))"));
    de1::conn().Execute(
        QStringLiteral("insert into LNV_PES_TB_CAB_DDJJ7351 (PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, PBAR_MATRICULA, "
                       "PBAR_NOMBRE, PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, "
                       "PEDJ_ID, PTDJ_ID, PCDJ_RESP, GTDC_ID, PCDJ_NRODOC, PCAR_ID) "
                       "select E.PEMP_CUIT || '012320060500', 2006, 5, (select min(PPTO_ID) from LNV_PES_TB_PUERTOS), 7, '123', "
                       "'DON JUAN', E.PEMP_ID, E.PEMP_CUIT, E.PEMP_RSOCIAL, 3, 0, 0, 0, 'N', "
                       "(select min(PTDJ_ID) from LNV_PES_TB_TIPOS_DDJJL7351), 'GOMEZ ANA', "
                       "(select min(GTDC_ID) from LNV_GLB_TB_TIPOS_DOCUMENTO), 22333444, "
                       "(select min(PCAR_ID) from LNV_PES_TB_CARACTERES_RESP) from LNV_PES_TB_EMPRESAS E where E.PEMP_CUIT = %1")
            .arg(cuit));
}

ado::Variant scalar(const QString& sql)
{
    ado::Recordset rs;
    rs.Open(sql, de1::conn());
    return rs.Eof() ? ado::Variant::Null() : rs(0);
}

long count(const QString& sql) { return long(scalar(sql).toDouble()); }

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

void EmpresasTest::click(forms::Toolbar* tb, const QString& key)
{
    QToolButton* b = tb->Buttons(key).widget();
    if (!b->isEnabled()) throw std::runtime_error(key.toStdString() + " is disabled");
    QTest::mouseClick(b, Qt::LeftButton);
    testsupport::Settle();
}

void EmpresasTest::focusOn(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    testsupport::Settle(1);
    QWidget* f = QApplication::focusWidget();
    if (f != w && !w->isAncestorOf(f)) throw std::runtime_error("no focus on " + w->objectName().toStdString());
}

QWidget* EmpresasTest::focused() const
{
    QWidget* f = QApplication::focusWidget();
    // A compound control (a date picker) stands for the inner box it hands its focus to.
    while (f && f->parentWidget() && f->parentWidget()->focusProxy() == f) f = f->parentWidget();
    return f;
}

void EmpresasTest::type(QWidget* w, const QString& text)
{
    focusOn(w);
    QWidget* target = QApplication::focusWidget();
    if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
    // Delete types no character: it empties the selection.
    if (text.isEmpty()) QTest::keyClick(target, Qt::Key_Delete);
    testsupport::Type(target, text);
}

void EmpresasTest::typeAndLeave(QWidget* w, const QString& text)
{
    type(w, text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    testsupport::Settle(1);
}

void EmpresasTest::choose(forms::ComboBox* cbo, const QString& text)
{
    const int i = cbo->findText(text, Qt::MatchExactly);
    if (i < 0) throw std::runtime_error(text.toStdString() + " not in " + cbo->objectName().toStdString());
    focusOn(cbo);
    // What the list's popup does when the user picks a row.
    cbo->setCurrentIndex(i);
    emit cbo->activated(i);
    testsupport::Settle(1);
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
