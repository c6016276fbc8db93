#include "declarations/Renglones.h"

#include "core/General.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/text/Text.h"

#include <QStringList>

using General::TextoSQL;
using text::CDbl;
using text::CStr;
using text::NumeroSQL;

namespace Renglones {

const QString kDeclaracionBorrada = QStringLiteral("La declaración jurada ya no existe: fue borrada en otra ventana.");
const QString kGuiaBorrada = QStringLiteral("La guía de tránsito ya no existe: fue borrada en otra ventana.");
const QString kRenglonCambiado =
    QStringLiteral("El renglón fue modificado o eliminado en otra ventana. Se muestran los datos guardados.");
const QString kBoletaCambiada =
    QStringLiteral("La boleta de pago fue modificada o eliminada en otra ventana. Se muestran los datos guardados.");
const QString kGuiaCambiada =
    QStringLiteral("La guía de tránsito fue modificada o eliminada en otra ventana. Se muestran los datos guardados.");

namespace {

bool hayFila(ado::Connection& conn, const QString& sql)
{
    ado::Recordset rs;
    rs.Open(sql, conn, ado::adOpenStatic, ado::adLockOptimistic);
    return !rs.Eof();
}

// The row the view gives now must be the one the window read: same
// columns, same values, read the same way.
void verificarFila(ado::Connection& conn, const QString& sql, const FilaLeida& leida, const QString& mensaje)
{
    ado::Recordset rs;
    rs.Open(sql, conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (leida.empty() || rs.Eof() || LeerFila(rs) != leida) throw platform::Conflicto(mensaje);
}

QString especieDescripcion(ado::Connection& conn, std::int32_t especie)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT PTES_DESCRIPCION FROM LNV_PES_TB_ESPECIES WHERE PTES_ID = ") + CStr(especie), conn,
            ado::adOpenStatic, ado::adLockOptimistic);
    return rs.Eof() ? CStr(especie) : CStr(rs(0));
}

// One line per species and parent, also when another window added it.
void unaPorEspecie(ado::Connection& conn, const QString& tabla, const QString& padre, const QString& valorPadre,
                   std::int32_t especie, const QString& deQue)
{
    if (hayFila(conn,
                QStringLiteral("SELECT PTES_ID FROM ") + tabla + QStringLiteral(" WHERE ") + padre
                    + QStringLiteral(" = ") + TextoSQL(valorPadre) + QStringLiteral(" AND PTES_ID = ") + CStr(especie)))
        throw platform::Conflicto(QStringLiteral("Ya existe un renglón de la especie ")
                                  + especieDescripcion(conn, especie) + QStringLiteral(" en ") + deQue
                                  + QStringLiteral(". Se muestran los datos guardados."));
}

double numero(const ado::Variant& v) { return v.isNull() || v.isEmpty() ? 0.0 : CDbl(v); }

}  // namespace

FilaLeida LeerFila(const ado::Recordset& rs)
{
    if (rs.State() != ado::adStateOpen || rs.Eof() || rs.Bof()) return {};
    return LeerFila(rs, rs.Bookmark() - 1);
}

FilaLeida LeerFila(const ado::Recordset& rs, long fila)
{
    FilaLeida leida;
    if (rs.State() != ado::adStateOpen || fila < 0 || fila >= rs.RecordCount()) return leida;
    leida.reserve(size_t(rs.FieldCount()));
    for (int i = 0; i < rs.FieldCount(); ++i) leida.push_back(rs.at(fila, i));
    return leida;
}

void VerificarDeclaracion(ado::Connection& conn, const QString& nroDJ)
{
    if (!hayFila(conn,
                 QStringLiteral("SELECT PCDJ_NRO FROM LNV_PES_TB_CAB_DDJJ7351 WHERE PCDJ_NRO = ") + TextoSQL(nroDJ)))
        throw platform::Conflicto(kDeclaracionBorrada);
}

void VerificarGuia(ado::Connection& conn, const QString& nroGuia)
{
    if (!hayFila(conn,
                 QStringLiteral("SELECT PGTR_NRO FROM LNV_PES_TB_GUIAS_TRANSPORTE WHERE PGTR_NRO = ")
                     + TextoSQL(nroGuia)))
        throw platform::Conflicto(kGuiaBorrada);
}

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

std::int32_t SiguienteRenglonDJ(ado::Connection& conn, const QString& nroDJ)
{
    return Siguiente(conn, QStringLiteral("LNV_PES_TB_DET_DDJJ7351"), QStringLiteral("PDDJ_NRO"),
                     QStringLiteral("PCDJ_NRO"), nroDJ);
}

std::int32_t SiguienteRenglonGuia(ado::Connection& conn, const QString& nroGuia)
{
    return Siguiente(conn, QStringLiteral("LNV_PES_TB_GUIAS_DET"), QStringLiteral("PDGT_NRO"),
                     QStringLiteral("PGTR_NRO"), nroGuia);
}

std::int32_t SiguienteNroPago(ado::Connection& conn, const QString& nroDJ)
{
    return Siguiente(conn, QStringLiteral("LNV_PES_TB_PAGOS_DDJJ7351"), QStringLiteral("PPDJ_NRO"),
                     QStringLiteral("PCDJ_NRO"), nroDJ);
}

void InsertarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, std::int32_t especie,
                       double kg, double precio, double monto)
{
    VerificarDeclaracion(conn, nroDJ);
    unaPorEspecie(conn, QStringLiteral("LNV_PES_TB_DET_DDJJ7351"), QStringLiteral("PCDJ_NRO"), nroDJ, especie,
                  QStringLiteral("la declaración jurada"));
    conn.Execute(QStringLiteral("insert into LNV_PES_TB_DET_DDJJ7351 ")
                 + QStringLiteral("(PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, ")
                 + QStringLiteral("PDDJ_PRECIO, PDDJ_TOTAL) ") + QStringLiteral("VALUES ") + QStringLiteral("(")
                 + TextoSQL(nroDJ) + QStringLiteral(", ") + CStr(renglon) + QStringLiteral(", ") + CStr(especie)
                 + QStringLiteral(", ") + NumeroSQL(kg) + QStringLiteral(", ") + NumeroSQL(precio)
                 + QStringLiteral(", ") + NumeroSQL(monto) + QStringLiteral(")"));
}

namespace {

void verificarRenglonDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, const FilaLeida& leida)
{
    VerificarDeclaracion(conn, nroDJ);
    verificarFila(conn,
                  QStringLiteral("select * FROM PES_VW_DET_DDJJ7351 WHERE PCDJ_NRO = ") + TextoSQL(nroDJ)
                      + QStringLiteral(" AND PDDJ_NRO = ") + CStr(renglon),
                  leida, kRenglonCambiado);
}

}  // namespace

void ActualizarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, const FilaLeida& leida,
                         double kg, double precio, double monto)
{
    verificarRenglonDJ(conn, nroDJ, renglon, leida);
    conn.Execute(QStringLiteral("update LNV_PES_TB_DET_DDJJ7351 SET ") + QStringLiteral("PDDJ_KG=") + NumeroSQL(kg)
                 + QStringLiteral(", ") + QStringLiteral("PDDJ_PRECIO=") + NumeroSQL(precio) + QStringLiteral(", ")
                 + QStringLiteral("PDDJ_TOTAL=") + NumeroSQL(monto) + QStringLiteral(" WHERE PCDJ_NRO = ")
                 + TextoSQL(nroDJ) + QStringLiteral(" AND PDDJ_NRO = ") + CStr(renglon));
}

void BorrarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, const FilaLeida& leida)
{
    verificarRenglonDJ(conn, nroDJ, renglon, leida);
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

TotalesDJ EscribirTotalesDJ(ado::Connection& conn, const QString& nroDJ)
{
    ado::Recordset cab;
    cab.Open(QStringLiteral(
                 "SELECT PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA FROM LNV_PES_TB_CAB_DDJJ7351 WHERE PCDJ_NRO = ")
                 + TextoSQL(nroDJ),
             conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (cab.Eof()) throw platform::Conflicto(kDeclaracionBorrada);
    const double tasa = numero(cab(0)), interes = numero(cab(1)), multa = numero(cab(2));
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

GuardadoDJ LeerGuardadoDJ(ado::Connection& conn, const QString& nroDJ)
{
    GuardadoDJ g;
    ado::Recordset cab;
    cab.Open(
        QStringLiteral("SELECT PCDJ_MTOVTAS, PCDJ_IMPORTE, PCDJ_TOTAL FROM LNV_PES_TB_CAB_DDJJ7351 WHERE PCDJ_NRO = ")
            + TextoSQL(nroDJ),
        conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (!cab.Eof()) g.totales = {numero(cab(0)), numero(cab(1)), numero(cab(2))};
    ado::Recordset guias;
    guias.Open(QStringLiteral("SELECT Sum(PGTR_VALOR) AS Total FROM LNV_PES_TB_GUIAS_TRANSPORTE WHERE PCDJ_NRO = ")
                   + TextoSQL(nroDJ),
               conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (!guias.Eof()) g.depositado = numero(guias(0));
    g.aFavor = text::Round(g.depositado / 2.0, 2);
    ado::Recordset pagos;
    pagos.Open(QStringLiteral("SELECT Sum([PPDJ_EFECTIVO]+[PPDJ_CHEQUE1_MONTO]+[PPDJ_CHEQUE2_MONTO]) AS Total ")
                   + QStringLiteral(" from LNV_PES_TB_PAGOS_DDJJ7351 ") + QStringLiteral(" where PCDJ_NRO = ")
                   + TextoSQL(nroDJ),
               conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (!pagos.Eof()) g.boletas = numero(pagos(0));
    return g;
}

// ---------------------------------------------------------------- guide lines

void InsertarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, std::int32_t especie,
                         double cajones, double kg, double precio, double monto)
{
    VerificarGuia(conn, nroGuia);
    unaPorEspecie(conn, QStringLiteral("LNV_PES_TB_GUIAS_DET"), QStringLiteral("PGTR_NRO"), nroGuia, especie,
                  QStringLiteral("la guía de tránsito"));
    conn.Execute(QStringLiteral("insert into LNV_PES_TB_GUIAS_DET ")
                 + QStringLiteral("(PGTR_NRO, PDGT_NRO, PTES_ID, PDGT_CAJONES, ")
                 + QStringLiteral("PDGT_KGS, PDGT_PRECIO, PDGT_TOTAL) ") + QStringLiteral("VALUES ")
                 + QStringLiteral("(") + TextoSQL(nroGuia) + QStringLiteral(", ") + CStr(renglon) + QStringLiteral(", ")
                 + CStr(especie) + QStringLiteral(", ") + NumeroSQL(cajones) + QStringLiteral(", ") + NumeroSQL(kg)
                 + QStringLiteral(", ") + NumeroSQL(precio) + QStringLiteral(", ") + NumeroSQL(monto)
                 + QStringLiteral(")"));
}

namespace {

void verificarRenglonGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, const FilaLeida& leida)
{
    VerificarGuia(conn, nroGuia);
    verificarFila(conn,
                  QStringLiteral("select * FROM PES_VW_GUIAS_DET WHERE PGTR_NRO = ") + TextoSQL(nroGuia)
                      + QStringLiteral(" AND PDGT_NRO = ") + CStr(renglon),
                  leida, kRenglonCambiado);
}

}  // namespace

void ActualizarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, const FilaLeida& leida,
                           double cajones, double kg, double precio, double monto)
{
    verificarRenglonGuia(conn, nroGuia, renglon, leida);
    conn.Execute(QStringLiteral("update LNV_PES_TB_GUIAS_DET SET ") + QStringLiteral("PDGT_CAJONES=")
                 + NumeroSQL(cajones) + QStringLiteral(", ") + QStringLiteral("PDGT_KGS=") + NumeroSQL(kg)
                 + QStringLiteral(", ") + QStringLiteral("PDGT_PRECIO=") + NumeroSQL(precio) + QStringLiteral(", ")
                 + QStringLiteral("PDGT_TOTAL=") + NumeroSQL(monto) + QStringLiteral(" WHERE PGTR_NRO = ")
                 + TextoSQL(nroGuia) + QStringLiteral(" AND PDGT_NRO = ") + CStr(renglon));
}

void BorrarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, const FilaLeida& leida)
{
    verificarRenglonGuia(conn, nroGuia, renglon, leida);
    conn.Execute(QStringLiteral("delete FROM LNV_PES_TB_GUIAS_DET ") + QStringLiteral(" WHERE PGTR_NRO = ")
                 + TextoSQL(nroGuia) + QStringLiteral(" AND PDGT_NRO = ") + CStr(renglon));
}

TotalesGuia EscribirTotalesGuia(ado::Connection& conn, const QString& nroGuia,
                                const std::optional<DepositoMostrado>& mostrado)
{
    ado::Recordset cab;
    cab.Open(QStringLiteral("SELECT PGTR_ALICUOTA FROM LNV_PES_TB_GUIAS_TRANSPORTE WHERE PGTR_NRO = ")
                 + TextoSQL(nroGuia),
             conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (cab.Eof()) throw platform::Conflicto(kGuiaBorrada);
    const double tasa = numero(cab(0));
    TotalesGuia t;
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT TCajones, TKilos, TTotal From PES_VW_TOTALES_GUIA WHERE PGTR_NRO = ")
                + TextoSQL(nroGuia),
            conn, ado::adOpenStatic, ado::adLockOptimistic);
    if (!rs.Eof()) {
        t.cajones = numero(rs(QStringLiteral("TCajones")));
        t.kilos = numero(rs(QStringLiteral("TKilos")));
        t.total = numero(rs(QStringLiteral("TTotal")));
    }
    t.depositado = text::Round(tasa * t.total / 100, 2);
    if (mostrado && text::Round(mostrado->total, 2) == text::Round(t.total, 2)) t.depositado = mostrado->depositado;
    conn.Execute(QStringLiteral("UPDATE LNV_PES_TB_GUIAS_TRANSPORTE SET PGTR_CAJONES = ") + NumeroSQL(t.cajones)
                 + QStringLiteral(", PGTR_KGS = ") + NumeroSQL(t.kilos) + QStringLiteral(", PGTR_TOTAL = ")
                 + NumeroSQL(t.total) + QStringLiteral(", PGTR_VALOR = ") + NumeroSQL(t.depositado)
                 + QStringLiteral(" WHERE PGTR_NRO = ") + TextoSQL(nroGuia));
    return t;
}

void VerificarGuiaLeida(ado::Connection& conn, const QString& nroDJ, const QString& nroGuia, const FilaLeida& leida)
{
    VerificarDeclaracion(conn, nroDJ);
    verificarFila(conn,
                  QStringLiteral("select * FROM PES_VW_GUIAS_TRANSPORTE WHERE PCDJ_NRO = ") + TextoSQL(nroDJ)
                      + QStringLiteral(" AND PGTR_NRO = ") + TextoSQL(nroGuia),
                  leida, kGuiaCambiada);
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

void InsertarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nro, int anio, int mes, const Boleta& b)
{
    VerificarDeclaracion(conn, nroDJ);
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
}

namespace {

void verificarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const FilaLeida& leida)
{
    VerificarDeclaracion(conn, nroDJ);
    verificarFila(conn,
                  QStringLiteral("select * FROM PES_VW_PAGOS_DDJJ7351 WHERE PCDJ_NRO = ") + TextoSQL(nroDJ)
                      + QStringLiteral(" AND PPDJ_NRO = ") + CStr(nroPago),
                  leida, kBoletaCambiada);
}

}  // namespace

void ActualizarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const FilaLeida& leida,
                    const Boleta& b)
{
    verificarPago(conn, nroDJ, nroPago, leida);
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

void BorrarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const FilaLeida& leida)
{
    verificarPago(conn, nroDJ, nroPago, leida);
    conn.Execute(QStringLiteral("delete FROM LNV_PES_TB_PAGOS_DDJJ7351 ") + QStringLiteral("WHERE PCDJ_NRO=")
                 + TextoSQL(nroDJ) + QStringLiteral(" AND PPDJ_NRO =") + CStr(nroPago));
}

}  // namespace Renglones
