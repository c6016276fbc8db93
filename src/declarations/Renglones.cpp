#include "declarations/Renglones.h"

#include "core/General.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/text/Text.h"

#include <QStringList>

using General::TextoSQL;
using text::CDbl;
using text::CStr;
using text::NumeroSQL;

namespace Renglones {

std::int32_t Siguiente(ado::Connection& conn, const QString& tabla, const QString& columna, const QString& padre,
                       const QString& valorPadre)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Max(") + tabla + QLatin1Char('.') + columna + QStringLiteral(") AS ") + columna
                + QStringLiteral(" From ") + tabla + QStringLiteral(" WHERE (((") + tabla + QLatin1Char('.') + padre
                + QStringLiteral(")= ") + TextoSQL(valorPadre) + QStringLiteral("))"),
            conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (rs.Eof()) return 1;
    const ado::Variant& max = rs(columna);
    return max.isNull() || CDbl(max) == 0 ? 1 : text::CLng(max) + 1;
}

// ---------------------------------------------------------------- sales lines

std::int32_t InsertarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t especie, double kg,
                               double precio, double monto)
{
    const std::int32_t renglon = Siguiente(conn, QStringLiteral("LNV_PES_TB_DET_DDJJ7351"), QStringLiteral("PDDJ_NRO"),
                                           QStringLiteral("PCDJ_NRO"), nroDJ);
    conn.Execute(QStringLiteral("insert into LNV_PES_TB_DET_DDJJ7351 ")
                 + QStringLiteral("(PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, ")
                 + QStringLiteral("PDDJ_PRECIO, PDDJ_TOTAL) ") + QStringLiteral("VALUES ") + QStringLiteral("(")
                 + TextoSQL(nroDJ) + QStringLiteral(", ") + CStr(renglon) + QStringLiteral(", ") + CStr(especie)
                 + QStringLiteral(", ") + NumeroSQL(kg) + QStringLiteral(", ") + NumeroSQL(precio)
                 + QStringLiteral(", ") + NumeroSQL(monto) + QStringLiteral(")"));
    return renglon;
}

void ActualizarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, double kg, double precio,
                         double monto)
{
    conn.Execute(QStringLiteral("update LNV_PES_TB_DET_DDJJ7351 SET ") + QStringLiteral("PDDJ_KG=") + NumeroSQL(kg)
                 + QStringLiteral(", ") + QStringLiteral("PDDJ_PRECIO=") + NumeroSQL(precio) + QStringLiteral(", ")
                 + QStringLiteral("PDDJ_TOTAL=") + NumeroSQL(monto) + QStringLiteral(" WHERE PCDJ_NRO = ")
                 + TextoSQL(nroDJ) + QStringLiteral(" AND PDDJ_NRO = ") + CStr(renglon));
}

void BorrarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon)
{
    conn.Execute(QStringLiteral("delete FROM LNV_PES_TB_DET_DDJJ7351 ") + QStringLiteral(" WHERE PCDJ_NRO = ")
                 + TextoSQL(nroDJ) + QStringLiteral(" AND PDDJ_NRO = ") + CStr(renglon));
}

TotalesDJ CalcularTotalesDJ(double ventas, double tasa, double interes, double multa)
{
    TotalesDJ t;
    t.ventas = ventas;
    t.importe = text::Round(tasa * ventas / 100, 2);
    t.adeudado = text::Round((interes + t.importe) + multa, 2);
    return t;
}

TotalesDJ EscribirTotalesDJ(ado::Connection& conn, const QString& nroDJ, double tasa, double interes, double multa)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT TOTAL ") + QStringLiteral("From PES_VW_TOTALES_DJ7351 ")
                + QStringLiteral("WHERE PCDJ_NRO = ") + TextoSQL(nroDJ),
            conn, ado::adOpenStatic, ado::adLockOptimistic);
    double ventas = 0;
    if (!rs.Eof() && !rs(QStringLiteral("Total")).isNull()) ventas = CDbl(rs(QStringLiteral("Total")));
    const TotalesDJ t = CalcularTotalesDJ(ventas, tasa, interes, multa);
    conn.Execute(QStringLiteral("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET ") + QStringLiteral("PCDJ_MTOVTAS = ")
                 + NumeroSQL(t.ventas) + QStringLiteral(", ") + QStringLiteral("PCDJ_IMPORTE = ") + NumeroSQL(t.importe)
                 + QStringLiteral(", ") + QStringLiteral(" PCDJ_TOTAL = ") + NumeroSQL(t.adeudado)
                 + QStringLiteral(" WHERE PCDJ_NRO =") + TextoSQL(nroDJ));
    return t;
}

// ---------------------------------------------------------------- guide lines

std::int32_t InsertarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t especie, double cajones,
                                 double kg, double precio, double monto)
{
    const std::int32_t renglon = Siguiente(conn, QStringLiteral("LNV_PES_TB_GUIAS_DET"), QStringLiteral("PDGT_NRO"),
                                           QStringLiteral("PGTR_NRO"), nroGuia);
    conn.Execute(QStringLiteral("insert into LNV_PES_TB_GUIAS_DET ")
                 + QStringLiteral("(PGTR_NRO, PDGT_NRO, PTES_ID, PDGT_CAJONES, ")
                 + QStringLiteral("PDGT_KGS, PDGT_PRECIO, PDGT_TOTAL) ") + QStringLiteral("VALUES ")
                 + QStringLiteral("(") + TextoSQL(nroGuia) + QStringLiteral(", ") + CStr(renglon) + QStringLiteral(", ")
                 + CStr(especie) + QStringLiteral(", ") + NumeroSQL(cajones) + QStringLiteral(", ") + NumeroSQL(kg)
                 + QStringLiteral(", ") + NumeroSQL(precio) + QStringLiteral(", ") + NumeroSQL(monto)
                 + QStringLiteral(")"));
    return renglon;
}

void ActualizarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, double cajones,
                           double kg, double precio, double monto)
{
    conn.Execute(QStringLiteral("update LNV_PES_TB_GUIAS_DET SET ") + QStringLiteral("PDGT_CAJONES=")
                 + NumeroSQL(cajones) + QStringLiteral(", ") + QStringLiteral("PDGT_KGS=") + NumeroSQL(kg)
                 + QStringLiteral(", ") + QStringLiteral("PDGT_PRECIO=") + NumeroSQL(precio) + QStringLiteral(", ")
                 + QStringLiteral("PDGT_TOTAL=") + NumeroSQL(monto) + QStringLiteral(" WHERE PGTR_NRO = ")
                 + TextoSQL(nroGuia) + QStringLiteral(" AND PDGT_NRO = ") + CStr(renglon));
}

void BorrarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon)
{
    conn.Execute(QStringLiteral("delete FROM LNV_PES_TB_GUIAS_DET ") + QStringLiteral(" WHERE PGTR_NRO = ")
                 + TextoSQL(nroGuia) + QStringLiteral(" AND PDGT_NRO = ") + CStr(renglon));
}

TotalesGuia EscribirTotalesGuia(ado::Connection& conn, const QString& nroGuia, double tasa)
{
    TotalesGuia t;
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT TCajones, TKilos, TTotal From PES_VW_TOTALES_GUIA WHERE PGTR_NRO = ")
                + TextoSQL(nroGuia),
            conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (!rs.Eof()) {
        t.cajones = CDbl(rs(QStringLiteral("TCajones")));
        t.kilos = CDbl(rs(QStringLiteral("TKilos")));
        t.total = CDbl(rs(QStringLiteral("TTotal")));
    }
    t.depositado = text::Round(tasa * t.total / 100, 2);
    conn.Execute(QStringLiteral("UPDATE LNV_PES_TB_GUIAS_TRANSPORTE SET PGTR_CAJONES = ") + NumeroSQL(t.cajones)
                 + QStringLiteral(", PGTR_KGS = ") + NumeroSQL(t.kilos) + QStringLiteral(", PGTR_TOTAL = ")
                 + NumeroSQL(t.total) + QStringLiteral(", PGTR_VALOR = ") + NumeroSQL(t.depositado)
                 + QStringLiteral(" WHERE PGTR_NRO = ") + TextoSQL(nroGuia));
    return t;
}

// ---------------------------------------------------------------- payment slips

namespace {

// The slip's values after its number, in the order of its columns.
QStringList valoresBoleta(const Boleta& b)
{
    return {NumeroSQL(b.importe),
            NumeroSQL(b.intereses),
            NumeroSQL(b.multa),
            NumeroSQL(b.efectivo),
            TextoSQL(b.cheque1Nro, General::NullSiVacio),
            TextoSQL(b.cheque1Banco, General::NullSiVacio),
            NumeroSQL(b.cheque1Monto),
            TextoSQL(b.cheque2Nro, General::NullSiVacio),
            TextoSQL(b.cheque2Banco, General::NullSiVacio),
            NumeroSQL(b.cheque2Monto)};
}

}  // namespace

std::int32_t InsertarPago(ado::Connection& conn, const QString& nroDJ, int anio, int mes, const Boleta& b)
{
    const std::int32_t nro = Siguiente(conn, QStringLiteral("LNV_PES_TB_PAGOS_DDJJ7351"), QStringLiteral("PPDJ_NRO"),
                                       QStringLiteral("PCDJ_NRO"), nroDJ);
    conn.Execute(
        QStringLiteral("insert into LNV_PES_TB_PAGOS_DDJJ7351 (") + QStringLiteral(" PCDJ_NRO")
        + QStringLiteral(", PPDJ_NRO") + QStringLiteral(", PPDJ_ANIO ") + QStringLiteral(", PPDJ_MES")
        + QStringLiteral(", PPDJ_IMPORTE ") + QStringLiteral(", PPDJ_INTERESES") + QStringLiteral(", PPDJ_MULTA")
        + QStringLiteral(", PPDJ_EFECTIVO") + QStringLiteral(", PPDJ_CHEQUE1_NRO")
        + QStringLiteral(", PPDJ_CHEQUE1_BANCO") + QStringLiteral(", PPDJ_CHEQUE1_MONTO")
        + QStringLiteral(", PPDJ_CHEQUE2_NRO") + QStringLiteral(", PPDJ_CHEQUE2_BANCO")
        + QStringLiteral(", PPDJ_CHEQUE2_MONTO") + QStringLiteral(") VALUES (")
        + (QStringList{TextoSQL(nroDJ), CStr(nro), CStr(anio), CStr(mes)} + valoresBoleta(b)).join(QStringLiteral(", "))
        + QStringLiteral(")"));
    return nro;
}

void ActualizarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const Boleta& b)
{
    static const char* const columnas[] = {
        "PPDJ_IMPORTE = ",       ", PPDJ_INTERESES = ",   ", PPDJ_MULTA = ",       ", PPDJ_EFECTIVO=",
        ", PPDJ_CHEQUE1_NRO=",   ", PPDJ_CHEQUE1_BANCO=", ", PPDJ_CHEQUE1_MONTO=", ", PPDJ_CHEQUE2_NRO=",
        ", PPDJ_CHEQUE2_BANCO=", ", PPDJ_CHEQUE2_MONTO="};
    const QStringList valores = valoresBoleta(b);
    QString sql = QStringLiteral("UPDATE LNV_PES_TB_PAGOS_DDJJ7351 SET ");
    for (int i = 0; i < valores.size(); ++i) sql += QString::fromLatin1(columnas[i]) + valores[i];
    conn.Execute(sql + QStringLiteral(" WHERE PCDJ_NRO=") + TextoSQL(nroDJ) + QStringLiteral(" AND PPDJ_NRO = ")
                 + CStr(nroPago));
}

void BorrarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago)
{
    conn.Execute(QStringLiteral("delete FROM LNV_PES_TB_PAGOS_DDJJ7351 ") + QStringLiteral("WHERE PCDJ_NRO=")
                 + TextoSQL(nroDJ) + QStringLiteral(" AND PPDJ_NRO =") + CStr(nroPago));
}

}  // namespace Renglones
