#include "support/Fixtures.h"

#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/text/Text.h"

#include <stdexcept>

namespace testsupport {
namespace {

QString n(double v) { return QString::number(v, 'g', 17); }

}  // namespace

long exec(const QString& sql)
{
    long changed = 0;
    de1::conn().Execute(sql, &changed);
    return changed;
}

QString q(const QString& s)
{
    return QStringLiteral("'") + QString(s).replace(QStringLiteral("'"), QStringLiteral("''")) + QStringLiteral("'");
}

void insertVessel(int id, const QString& matricula, const QString& nombre)
{
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FALTA, PPTO_ID) "
            "values (%1, %2, %3, (select min(PTBA_ID) from LNV_PES_TB_TIPOS_EMBARCACION), '2005-01-01', "
            "(select min(PPTO_ID) from LNV_PES_TB_PUERTOS))")
            .arg(id)
            .arg(q(matricula), q(nombre)));
}

void insertCompany(int id, qint64 cuit, const QString& rsocial)
{
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_EMPRESAS (PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, GTSO_ID, PEMP_FALTA, PEMP_DOM_FISCAL, "
            "GLOC_ID_DF, GPRO_ID_DF, PEMP_CP_DF) values (%1, %2, %3, 1, '2005-01-01', 'RIVADAVIA 100', 40, 26, '9103')")
            .arg(id)
            .arg(cuit)
            .arg(q(rsocial)));
}

void insertPrice(int especie, double valor, const QString& isoDate, const QString& disposicion)
{
    de1::conn().Execute(
        QStringLiteral("insert into LNV_PES_TB_PRECIOS_LEY7351 (PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA, PPRE_DISPOSICION) "
                       "values (%1, %2, '%3', %4)")
            .arg(especie)
            .arg(valor, 0, 'g', 15)
            .arg(isoDate, disposicion.isNull() ? QStringLiteral("null") : q(disposicion)));
}

void insertDeclarations(long n)
{
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_CAB_DDJJ7351 (PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, PBAR_MATRICULA, "
            "PBAR_NOMBRE, PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, "
            "PEDJ_ID, PTDJ_ID, PCDJ_RESP, GTDC_ID, PCDJ_NRODOC, PCAR_ID, PCDJ_MTOVTAS, PCDJ_IMPORTE) "
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1), "
            "b as (select PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE from LNV_PES_TB_EMBARCACIONES order by PBAR_ID limit 1), "
            "e as (select PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL from LNV_PES_TB_EMPRESAS order by PEMP_ID limit 1) "
            "select e.PEMP_CUIT || substr('000000' || (i / 240), -4) || (2000 + i % 20) "
            "|| substr('0' || (1 + i / 20 % 12), -2) || substr('0' || (i % 100), -2), 2000 + i % 20, 1 + i / 20 % 12, "
            "(select min(PPTO_ID) from LNV_PES_TB_PUERTOS), b.PBAR_ID, b.PBAR_MATRICULA, b.PBAR_NOMBRE, e.PEMP_ID, "
            "e.PEMP_CUIT, e.PEMP_RSOCIAL, 3, 1.5, 0, 31.5 + i, (select min(PEDJ_ID) from LNV_PES_TB_ESTADOS_DJ7351), "
            "(select min(PTDJ_ID) from LNV_PES_TB_TIPOS_DDJJL7351), 'JUAN PEREZ', "
            "(select min(GTDC_ID) from LNV_GLB_TB_TIPOS_DOCUMENTO), 20123456, "
            "(select min(PCAR_ID) from LNV_PES_TB_CARACTERES_RESP), 1000 + i, 30 + i from n, b, e")
            .arg(n));
}

void insertDeclaration(const Decl& d)
{
    const QString vessel = QStringLiteral("(select %1 from LNV_PES_TB_EMBARCACIONES where PBAR_MATRICULA = ")
        + q(d.matricula) + QStringLiteral(")");
    const QString company = QStringLiteral("(select %1 from LNV_PES_TB_EMPRESAS where PEMP_CUIT = ")
        + QString::number(d.cuit) + QStringLiteral(")");
    QStringList values = {
        q(d.nro),
        QString::number(d.anio),
        QString::number(d.mes),
        QString::number(d.puerto),
        d.barId ? QString::number(d.barId) : vessel.arg(QStringLiteral("PBAR_ID")),
        q(d.matricula),
        d.nombre.isEmpty() ? vessel.arg(QStringLiteral("PBAR_NOMBRE")) : q(d.nombre),
        d.empId ? QString::number(d.empId) : company.arg(QStringLiteral("PEMP_ID")),
        QString::number(d.cuit),
        d.rsocial.isEmpty() ? company.arg(QStringLiteral("PEMP_RSOCIAL")) : q(d.rsocial),
        n(d.alicuota),
        n(d.intereses),
        n(d.multa),
        n(d.total),
        q(d.estado),
        QString::number(d.tipo),
        q(d.responsable),
        q(d.tipoDoc),
        QString::number(d.nroDoc),
        QString::number(d.caracter),
    };
    QString columns =
        QStringLiteral("PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PEMP_ID, "
                       "PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, PEDJ_ID, "
                       "PTDJ_ID, PCDJ_RESP, GTDC_ID, PCDJ_NRODOC, PCAR_ID");
    if (d.mtoVtas) {
        columns += QStringLiteral(", PCDJ_MTOVTAS");
        values << n(*d.mtoVtas);
    }
    if (d.importe) {
        columns += QStringLiteral(", PCDJ_IMPORTE");
        values << n(*d.importe);
    }
    long written = 0;
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_CAB_DDJJ7351 (") + columns + QStringLiteral(") values (")
                            + values.join(QStringLiteral(", ")) + QStringLiteral(")"),
                        &written);
    if (written != 1) throw std::runtime_error("declaration not written: " + d.nro.toStdString());
}

ado::Variant scalar(const QString& sql)
{
    ado::Recordset rs;
    rs.Open(sql, de1::conn());
    return rs.Eof() ? ado::Variant::Null() : rs(0);
}

long count(const QString& sqlCount) { return long(scalar(sqlCount).toDouble()); }

std::shared_ptr<clsCabDDJJ> recordOf(const QString& nro)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from PES_VW_CAB_DDJJ7351 where PCDJ_NRO = '%1'").arg(nro), de1::conn());
    auto c = std::make_shared<clsCabDDJJ>();
    if (rs.Eof()) throw std::runtime_error("declaration not in the list's view: " + nro.toStdString());
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

}  // namespace testsupport
