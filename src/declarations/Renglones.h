#pragma once
// The stores behind the declarations' line sections: a declaration's sales
// lines, a guide's lines and a declaration's payment slips, with the header
// totals a line moves. Each takes the connection and plain values, runs the
// documented statements and throws on the first failure; the windows run
// them inside one transaction per "aceptar", so that a number read as
// "highest plus one" is taken under the write lock of the insert that
// uses it.
//
// The database is the document: another instance may have changed it since
// a window read it. Totals are always derived here from the stored rows;
// a change or deletion names the row as the window read it and is refused
// (platform::Conflicto, nothing written) when that row is no longer stored
// as it was, and so is any save under a declaration or guide that is gone.
//
// nroDJ is a declaration number as 23 digits; nroGuia a guide number as
// typed (its quotes are doubled here).

#include "platform/ado/Variant.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace Renglones {

// ---- What another window may have changed

extern const QString kDeclaracionBorrada;
extern const QString kGuiaBorrada;
extern const QString kRenglonCambiado;
extern const QString kBoletaCambiada;
extern const QString kGuiaCambiada;

// A stored row as a window read it from its view: every column, in order.
using FilaLeida = std::vector<ado::Variant>;
// The recordset's current row, or its row at a 0-based position; empty
// without one.
FilaLeida LeerFila(const ado::Recordset& rs);
FilaLeida LeerFila(const ado::Recordset& rs, long fila);

// Throw the conflict when the declaration or the guide is not stored.
void VerificarDeclaracion(ado::Connection& conn, const QString& nroDJ);
void VerificarGuia(ado::Connection& conn, const QString& nroGuia);

// The next number of a parent's rows: the highest stored plus one, from 1.
// The documented "SELECT Max(tabla.columna) AS columna From tabla WHERE
// (((tabla.padre)= '...'))" with the parent's key as a quoted literal.
std::int32_t Siguiente(ado::Connection& conn, const QString& tabla, const QString& columna, const QString& padre,
                       const QString& valorPadre);

// ---- Sales lines of a declaration and its header totals

// The next line or slip number of its parent (Siguiente).
std::int32_t SiguienteRenglonDJ(ado::Connection& conn, const QString& nroDJ);
std::int32_t SiguienteRenglonGuia(ado::Connection& conn, const QString& nroGuia);
std::int32_t SiguienteNroPago(ado::Connection& conn, const QString& nroDJ);

// Inserts the line under its number, taken in the same transaction. A
// species that already has a line in the declaration is refused, naming it.
void InsertarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, std::int32_t especie,
                       double kg, double precio, double monto);
// leida: the line as the window read it from PES_VW_DET_DDJJ7351.
void ActualizarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, const FilaLeida& leida,
                         double kg, double precio, double monto);
void BorrarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, const FilaLeida& leida);

struct TotalesDJ {
    double ventas = 0, importe = 0, adeudado = 0;
};
// The tax amount and total due of a sales total, to the cent (halves to even).
TotalesDJ CalcularTotalesDJ(double ventas, double tasa, double interes, double multa);
// The sales total as the totals view sums the stored lines, with the
// amount and total due at the stored rate, interest and fine, written into
// the header row. Every save that moves them ends with it.
TotalesDJ EscribirTotalesDJ(ado::Connection& conn, const QString& nroDJ);

// What the declaration editor shows that follows from stored rows.
struct GuardadoDJ {
    TotalesDJ totales{};
    double depositado = 0;  // the guides' deposits
    double aFavor = 0;      // half of them, to the cent
    double boletas = 0;     // what the slips paid
};
GuardadoDJ LeerGuardadoDJ(ado::Connection& conn, const QString& nroDJ);

// ---- Lines of a transit guide and the guide's totals

void InsertarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, std::int32_t especie,
                         double cajones, double kg, double precio, double monto);
// leida: the line as the window read it from PES_VW_GUIAS_DET.
void ActualizarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, const FilaLeida& leida,
                           double cajones, double kg, double precio, double monto);
void BorrarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, const FilaLeida& leida);

struct TotalesGuia {
    double cajones = 0, kilos = 0, total = 0, depositado = 0;
};
// What a guide header shows: its lines' total and the deposit, which the
// clerk may have typed.
struct DepositoMostrado {
    double total = 0, depositado = 0;
};
// The guide's sums as the totals view gives them from the stored lines and
// the deposit at the stored rate (to the cent), written into the guide's
// row. A header's deposit stands instead while the total it was computed or
// typed against is the stored one, to the cent.
TotalesGuia EscribirTotalesGuia(ado::Connection& conn, const QString& nroGuia,
                                const std::optional<DepositoMostrado>& mostrado = std::nullopt);

// Before a guide of the declaration is deleted: leida is its row as the
// window read it from PES_VW_GUIAS_TRANSPORTE.
void VerificarGuiaLeida(ado::Connection& conn, const QString& nroDJ, const QString& nroGuia, const FilaLeida& leida);

// ---- Payment slips of a declaration

struct Boleta {
    double importe = 0, intereses = 0, multa = 0, efectivo = 0;
    QString cheque1Nro{}, cheque1Banco{};
    double cheque1Monto = 0;
    QString cheque2Nro{}, cheque2Banco{};
    double cheque2Monto = 0;
};
// Inserts the slip of the declaration's period under its number.
void InsertarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, int anio, int mes,
                  const Boleta& b);
// leida: the slip as the window read it from PES_VW_PAGOS_DDJJ7351.
void ActualizarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const FilaLeida& leida,
                    const Boleta& b);
void BorrarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const FilaLeida& leida);

}  // namespace Renglones
