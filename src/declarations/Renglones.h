#pragma once
// The stores behind the declarations' line sections: a declaration's sales
// lines, a guide's lines and a declaration's payment slips, with the header
// totals a line moves. Each takes the connection and plain values, runs the
// documented statements and throws on the first failure; the windows run
// them inside one transaction per "aceptar", so that a number read as
// "highest plus one" is taken under the write lock of the insert that
// uses it.
//
// nroDJ is a declaration number as 23 digits; nroGuia a guide number as
// typed (its quotes are doubled here).

#include <QString>
#include <cstdint>

namespace ado {
class Connection;
}

namespace Renglones {

// The next number of a parent's rows: the highest stored plus one, from 1.
// The documented "SELECT Max(tabla.columna) AS columna From tabla WHERE
// (((tabla.padre)= '...'))" with the parent's key as a quoted literal.
std::int32_t Siguiente(ado::Connection& conn, const QString& tabla, const QString& columna, const QString& padre,
                       const QString& valorPadre);

// ---- Sales lines of a declaration and its header totals

// Inserts the line under the next number, which it returns.
std::int32_t InsertarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t especie, double kg,
                               double precio, double monto);
void ActualizarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon, double kg, double precio,
                         double monto);
void BorrarDetalleDJ(ado::Connection& conn, const QString& nroDJ, std::int32_t renglon);

struct TotalesDJ {
    double ventas = 0, importe = 0, adeudado = 0;
};
// The tax amount and total due of a sales total, to the cent (halves to even).
TotalesDJ CalcularTotalesDJ(double ventas, double tasa, double interes, double multa);
// The sales total as the totals view sums the lines, written with its
// amount and total due into the header row.
TotalesDJ EscribirTotalesDJ(ado::Connection& conn, const QString& nroDJ, double tasa, double interes, double multa);

// ---- Lines of a transit guide and the guide's totals

std::int32_t InsertarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t especie, double cajones,
                                 double kg, double precio, double monto);
void ActualizarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon, double cajones,
                           double kg, double precio, double monto);
void BorrarDetalleGuia(ado::Connection& conn, const QString& nroGuia, std::int32_t renglon);

struct TotalesGuia {
    double cajones = 0, kilos = 0, total = 0, depositado = 0;
};
// The guide's sums as the totals view gives them and the deposit at the
// rate (to the cent), written into the guide's row.
TotalesGuia EscribirTotalesGuia(ado::Connection& conn, const QString& nroGuia, double tasa);

// ---- Payment slips of a declaration

struct Boleta {
    double importe = 0, intereses = 0, multa = 0, efectivo = 0;
    QString cheque1Nro{}, cheque1Banco{};
    double cheque1Monto = 0;
    QString cheque2Nro{}, cheque2Banco{};
    double cheque2Monto = 0;
};
// Inserts the slip of the declaration's period under the next number,
// which it returns.
std::int32_t InsertarPago(ado::Connection& conn, const QString& nroDJ, int anio, int mes, const Boleta& b);
void ActualizarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago, const Boleta& b);
void BorrarPago(ado::Connection& conn, const QString& nroDJ, std::int32_t nroPago);

}  // namespace Renglones
