#include "guias_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"

#include <QLineEdit>
#include <QStringList>

namespace guiastest {

namespace {
QString n(double v) { return QString::number(v, 'g', 15); }
}  // namespace

void insertGuide(const Guia& g)
{
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_GUIAS_TRANSPORTE (PCDJ_NRO, PGTR_NRO, PGTR_FECHA, PPTO_ID, GLOC_ID, GPRO_ID, "
            "PGTR_PLANTAPROCESADORA, PGTR_CAJONES, PGTR_KGS, PGTR_TOTAL, PGTR_ALICUOTA, PGTR_VALOR) "
            "values ('%1', %2, '%3', %4, %5, %6, %7, ")
            .arg(g.nroDJ, q(g.nro), g.fecha)
            .arg(g.puerto)
            .arg(g.localidad)
            .arg(g.provincia)
            .arg(q(g.planta))
        + QStringList{n(g.cajones), n(g.kilos), n(g.total), n(g.alicuota), n(g.valor)}.join(QStringLiteral(", "))
        + QStringLiteral(")"));
}

void insertGuideLine(const QString& guia, int renglon, int especie, double cajones, double kg, double precio,
                     double total)
{
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_GUIAS_DET (PGTR_NRO, PDGT_NRO, PTES_ID, PDGT_CAJONES, PDGT_KGS, PDGT_PRECIO, "
            "PDGT_TOTAL) values (%1, %2, %3, %4)")
            .arg(q(guia))
            .arg(renglon)
            .arg(especie)
            .arg(QStringList{n(cajones), n(kg), n(precio), n(total)}.join(QStringLiteral(", "))));
}

QString storedGuide(const QString& nro)
{
    ado::Recordset rs;
    rs.Open(
        QStringLiteral(
            "select PCDJ_NRO, PGTR_NRO, PGTR_FECHA, PPTO_ID, GLOC_ID, GPRO_ID, PGTR_PLANTAPROCESADORA, PGTR_CAJONES, "
            "PGTR_KGS, PGTR_TOTAL, PGTR_ALICUOTA, PGTR_VALOR from LNV_PES_TB_GUIAS_TRANSPORTE where PGTR_NRO = %1")
            .arg(q(nro)),
        de1::conn());
    if (rs.Eof()) return QString();
    QStringList f;
    for (int i = 0; i < 12; ++i) {
        const ado::Variant& v = rs(i);
        f << (v.type() == ado::Variant::Type::Double ? QString::number(v.toDouble(), 'g', 15) : text::CStr(v));
    }
    return f.join(QLatin1Char('|'));
}

QString storedGuideLines(const QString& nro)
{
    QStringList all;
    ado::Recordset rs;
    rs.Open(QStringLiteral(
                "select PDGT_NRO, PTES_ID, PDGT_CAJONES, PDGT_KGS, PDGT_PRECIO, PDGT_TOTAL from LNV_PES_TB_GUIAS_DET "
                "where PGTR_NRO = %1 order by PDGT_NRO")
                .arg(q(nro)),
            de1::conn());
    for (; !rs.Eof(); rs.MoveNext())
        all << QStringLiteral("%1:%2 %3c %4x%5=%6")
                   .arg(rs(0).integer())
                   .arg(rs(1).integer())
                   .arg(rs(2).toDouble())
                   .arg(rs(3).toDouble())
                   .arg(rs(4).toDouble())
                   .arg(rs(5).toDouble());
    return all.join(QLatin1Char(' '));
}

// ---------------------------------------------------------------- fixture

void GuiasTest::SetUp()
{
    EditorTest::SetUp();
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
}

frmEditarDJ& GuiasTest::openGuias()
{
    open(2, recordOf(kNro));
    ed().SSTab1->setTab(2);
    testsupport::Settle();
    return ed();
}

frmEditarGuias& GuiasTest::nuevaGuia()
{
    click(ed().tlb_guias, QStringLiteral("nuevo"));
    return g();
}

frmEditarGuias& GuiasTest::modificarGuia()
{
    click(ed().tlb_guias, QStringLiteral("modificar"));
    return g();
}

frmEditarGuias& GuiasTest::g() const { return window<frmEditarGuias>(); }

void GuiasTest::fillHeader(const QString& nro, const QString& planta)
{
    click(g().tlb_cabecera, QStringLiteral("nuevo"));
    type(g().txt_NroGuia, nro);
    choose(g().cbo_Puertos, QStringLiteral("PUERTO MADRYN"));
    choose(g().cbo_provincias, QStringLiteral("CHUBUT"));
    choose(g().cbo_localidades, QStringLiteral("PUERTO MADRYN"));
    type(g().txt_PlantaProcesadora, planta);
}

void GuiasTest::setDate(QDate d)
{
    focusOn(g().dtp_FechaG);
    g().dtp_FechaG->setValue(d);
    testsupport::Settle(1);
}

void GuiasTest::addLine(const QString& especie, const QString& cajones, const QString& kg, const QString& precio)
{
    click(g().tlb_detalle, QStringLiteral("nuevo"));
    choose(g().cbo_Especies, especie);
    typeAndLeave(g().txt_cajones, cajones);
    typeAndLeave(g().txt_kg, kg);
    if (!precio.isEmpty()) typeAndLeave(g().txt_precio, precio);
    click(g().tlb_detalle, QStringLiteral("aceptar"));
}

QString GuiasTest::enabledButtons(forms::Toolbar* tb) const
{
    QStringList on;
    for (int i = 1; i <= tb->Count(); ++i)
        if (tb->Buttons(i).Enabled()) on << tb->Buttons(i).Key();
    return on.join(QLatin1Char(','));
}

}  // namespace guiastest
