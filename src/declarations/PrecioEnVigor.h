#pragma once
// The dock price in force ("Valor Banquina") that both line sections of the
// declarations price their species from: the declaration's sales lines at
// the first day of the declared month, a guide's lines at the guide's date.

#include "core/records/colEspecies.h"

#include <QDate>
#include <QString>
#include <memory>

class QLabel;
class QWidget;
class ctlNumero;
namespace ado {
class Connection;
class Recordset;
}  // namespace ado
namespace forms {
class ComboBox;
}

namespace PrecioEnVigor {

// Every species offered on the date, in the order the query gives them,
// each with its latest price not after it (species 99 never priced), and
// those without any price row at price 0. Throws on a failing query.
std::shared_ptr<colEspecies> EspeciesEnVigor(ado::Connection& conn, QDate fecha);

// EspeciesEnVigor on the shared connection into especies and the combo
// (item data = species id). Throws on a failing query; the collection is
// then new and empty.
void CargarEspecies(QDate fecha, std::shared_ptr<colEspecies>& especies, forms::ComboBox& cbo);

// A stored line's own species stays selectable for its modification even
// when no price of it is in force at the line's date (all of them take
// effect later): the species of every row of rs (a lines recordset with
// PTES_ID and PTES_DESCRIPCION) missing from the combo is added to it. New
// lines never get them: QuitarEspeciesCargadas takes them out again.
void OfrecerEspeciesDeRenglones(ado::Recordset* rs, forms::ComboBox& cbo);

// Whether a Click of a section's species combo is the clerk's choice, to be
// priced: the combo or the grid (whose row shows its species) is the
// window's active control. A message box leaves the window inactive, so the
// window's own focus widget counts, not the application's.
bool EsEleccionDeEspecie(const QWidget& ventana, const QWidget& cbo, const QWidget& grilla);

// The chosen species' price into the price box and its regulation
// reference, or the red warning when it has no price, into the label.
void MostrarPrecio(const colEspecies& especies, forms::ComboBox& cbo, ctlNumero& precio, QLabel& referencia);

// Removes from the combo every species that already has a row in rs (a
// lines recordset with a PTES_ID column), and any OfrecerEspeciesDeRenglones
// added: one line per species, from the documented list.
void QuitarEspeciesCargadas(ado::Recordset* rs, forms::ComboBox& cbo);

// Whether a line may be stored with the amount the box holds: when it is
// not price times kilograms (both cut to four decimals) the user is asked
// whether to correct it; Yes puts the focus on the box and refuses.
bool MontoAceptado(ctlNumero& monto, double precio, double kg, const QString& titulo);

}  // namespace PrecioEnVigor
