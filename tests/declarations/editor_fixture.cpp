#include "editor_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

namespace editortest {

const QString kNro = QStringLiteral("20123456786012320060500");

namespace {
QString q(const QString& s) { return QStringLiteral("'") + QString(s).replace(QStringLiteral("'"), QStringLiteral("''")) + QStringLiteral("'"); }
}  // namespace

void insertVessel(int id, const QString& matricula, const QString& nombre)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FALTA, PPTO_ID) "
                                       "values (%1, %2, %3, (select min(PTBA_ID) from LNV_PES_TB_TIPOS_EMBARCACION), '2005-01-01', "
                                       "(select min(PPTO_ID) from LNV_PES_TB_PUERTOS))")
                            .arg(id)
                            .arg(q(matricula), q(nombre)));
}

void insertCompany(int id, qint64 cuit, const QString& rsocial)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_EMPRESAS (PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, GTSO_ID, PEMP_FALTA, PEMP_DOM_FISCAL, "
                                       "GLOC_ID_DF, GPRO_ID_DF, PEMP_CP_DF) values (%1, %2, %3, (select min(GTSO_ID) from LNV_GLB_TB_TIPOS_SOCIEDAD), "
                                       "'2005-01-01', 'RIVADAVIA 100', (select min(GLOC_ID) from LNV_GLB_TB_LOCALIDADES), "
                                       "(select GPRO_ID from LNV_GLB_TB_LOCALIDADES order by GLOC_ID limit 1), '9120')")
                            .arg(id)
                            .arg(cuit)
                            .arg(q(rsocial)));
}

void insertSpecies(int id, const QString& descripcion)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_ESPECIES (PTES_ID, PTES_DESCRIPCION) values (%1, %2)").arg(id).arg(q(descripcion)));
}

void insertPrice(int especie, double valor, const QString& isoDate, const QString& disposicion)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_PRECIOS_LEY7351 (PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA, PPRE_DISPOSICION) "
                                       "values (%1, %2, '%3', %4)")
                            .arg(especie)
                            .arg(valor, 0, 'g', 15)
                            .arg(isoDate, disposicion.isNull() ? QStringLiteral("null") : q(disposicion)));
}

void insertDeclaration(const QString& nro, int anio, int mes, const QString& matricula, qint64 cuit, const QString& estadoId,
                       double alicuota)
{
    de1::conn().Execute(
        QStringLiteral("insert into LNV_PES_TB_CAB_DDJJ7351 (PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, "
                       "PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, PEDJ_ID, PTDJ_ID, PCDJ_RESP, "
                       "GTDC_ID, PCDJ_NRODOC, PCAR_ID) "
                       "select '%1', %2, %3, (select min(PPTO_ID) from LNV_PES_TB_PUERTOS), B.PBAR_ID, B.PBAR_MATRICULA, B.PBAR_NOMBRE, "
                       "E.PEMP_ID, E.PEMP_CUIT, E.PEMP_RSOCIAL, %4, 0, 0, 0, '%5', (select min(PTDJ_ID) from LNV_PES_TB_TIPOS_DDJJL7351), "
                       "'GOMEZ ANA', (select min(GTDC_ID) from LNV_GLB_TB_TIPOS_DOCUMENTO), 22333444, "
                       "(select min(PCAR_ID) from LNV_PES_TB_CARACTERES_RESP) "
                       "from LNV_PES_TB_EMBARCACIONES B, LNV_PES_TB_EMPRESAS E where B.PBAR_MATRICULA = %6 and E.PEMP_CUIT = %7")
            .arg(nro)
            .arg(anio)
            .arg(mes)
            .arg(alicuota)
            .arg(estadoId, q(matricula))
            .arg(cuit));
}

void insertLine(const QString& nro, int renglon, int especie, double kg, double precio, double total)
{
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
                                       "values ('%1', %2, %3, %4, %5, %6)")
                            .arg(nro)
                            .arg(renglon)
                            .arg(especie)
                            .arg(kg, 0, 'g', 15)
                            .arg(precio, 0, 'g', 15)
                            .arg(total, 0, 'g', 15));
}

ado::Variant scalar(const QString& sql)
{
    ado::Recordset rs;
    rs.Open(sql, de1::conn());
    return rs.Eof() ? ado::Variant::Null() : rs(0);
}

long count(const QString& sql) { return long(scalar(sql).toDouble()); }

std::shared_ptr<clsCabDDJJ> recordOf(const QString& nro)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from PES_VW_CAB_DDJJ7351 where PCDJ_NRO = '%1'").arg(nro), de1::conn());
    EXPECT_FALSE(rs.Eof()) << nro.toStdString();
    auto c = std::make_shared<clsCabDDJJ>();
    if (rs.Eof()) return c;
    using text::CStr;
    c->NroDJ = CStr(rs(0));
    c->Anio = text::CInt(rs(1));
    c->Mes = text::CInt(rs(2));
    c->TipoDJ = CStr(rs(4));
    c->NroEmb = text::CLng(rs(5));
    c->Matricula = CStr(rs(6));
    c->Nombre = CStr(rs(7));
    c->Estado = CStr(rs(9));
    c->Puerto = CStr(rs(11));
    c->NroEmp = text::CLng(rs(12));
    c->CUIT = text::CDbl(rs(13));
    c->RSocial = CStr(rs(14));
    c->MtoVtas = text::CDbl(rs(15));
    c->Alicuota = text::CDbl(rs(16));
    c->Importe = text::CDbl(rs(17));
    c->Intereses = text::CDbl(rs(18));
    c->Multa = text::CDbl(rs(19));
    c->Total = text::CDbl(rs(20));
    c->Responsable = CStr(rs(21));
    c->TipoDoc = CStr(rs(22));
    c->NroDoc = text::CDbl(rs(23));
    c->CaracterResp = CStr(rs(25));
    return c;
}

// ---------------------------------------------------------------- fixture

void EditorTest::SetUp()
{
    text::SetToday(QDate(2006, 5, 15));
    insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    insertCompany(3, 20123456786LL, QStringLiteral("PEREZ JUAN CARLOS"));
    MDIPrincipal::Instance().Show();
    testsupport::Settle();
}

void EditorTest::TearDown()
{
    if (frmEditarDJ* f = forms::Form::Existing<frmEditarDJ>()) f->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete MDIPrincipal::Existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    text::SetToday(QDate());
}

frmEditarDJ& EditorTest::open(int operacion, const std::shared_ptr<clsCabDDJJ>& cab)
{
    m_ed = &forms::Form::Instance<frmEditarDJ>();
    m_ed->Operacion(operacion, cab);
    m_ed->Show();
    QApplication::setActiveWindow(&MDIPrincipal::Instance());
    testsupport::Settle();
    return *m_ed;
}

void EditorTest::click(forms::Toolbar* tb, const QString& key)
{
    QToolButton* b = tb->Buttons(key).widget();
    ASSERT_TRUE(b->isEnabled()) << tb->objectName().toStdString() << " " << key.toStdString() << " is disabled";
    QTest::mouseClick(b, Qt::LeftButton);
    testsupport::Settle();
}

void EditorTest::focusOn(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    testsupport::Settle(1);
    ASSERT_TRUE(w->hasFocus() || (w->focusProxy() && w->focusProxy()->hasFocus()))
        << "no focus on " << w->objectName().toStdString();
}

QWidget* EditorTest::focused() const
{
    QWidget* f = QApplication::focusWidget();
    // The numeric field's inner box stands for the field.
    if (f && f->parentWidget() && qobject_cast<ctlNumero*>(f->parentWidget())) return f->parentWidget();
    return f;
}

void EditorTest::type(QWidget* w, const QString& text)
{
    focusOn(w);
    QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
    // Delete types no character: it empties a box whatever its key filter.
    if (text.isEmpty()) QTest::keyClick(target, Qt::Key_Delete);
    testsupport::Type(target, text);
}

void EditorTest::typeAndLeave(QWidget* w, const QString& text)
{
    type(w, text);
    QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    QTest::keyClick(target, Qt::Key_Tab);
    testsupport::Settle(1);
}

void EditorTest::choose(forms::ComboBox* cbo, const QString& text)
{
    const int i = cbo->findText(text, Qt::MatchExactly);
    ASSERT_GE(i, 0) << text.toStdString() << " not in " << cbo->objectName().toStdString();
    focusOn(cbo);
    // What the list's popup does when the user picks a row.
    cbo->setCurrentIndex(i);
    emit cbo->activated(i);
    testsupport::Settle(1);
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
