#pragma once
// The dock price in force ("Valor Banquina") that both line sections of the
// declarations price their species from: the declaration's sales lines at
// the first day of the declared month, a guide's lines at the guide's date.

#include "core/records/colEspecies.h"

#include <QDate>
#include <QString>
#include <memory>

class QLabel;
class ctlNumero;
namespace ado {
class Recordset;
}
namespace forms {
class ComboBox;
}

namespace PrecioEnVigor {

// Every species offered on the date, each with its latest price not after it
// (species 99 never priced), and those without any price row at price 0.
// Rebuilds especies and the combo (item data = species id). Throws on a
// failing query; the collection is then new and empty.
void CargarEspecies(QDate fecha, std::shared_ptr<colEspecies>& especies, forms::ComboBox& cbo);

// The chosen species' price into the price box and its regulation
// reference, or the red warning when it has no price, into the label.
void MostrarPrecio(const colEspecies& especies, forms::ComboBox& cbo, ctlNumero& precio, QLabel& referencia);

// Removes from the combo every species that already has a row in rs (a
// lines recordset with a PTES_ID column): one line per species.
void QuitarEspeciesCargadas(ado::Recordset* rs, forms::ComboBox& cbo);

// Whether a line may be stored with the amount the box holds: when it is
// not price times kilograms (both cut to four decimals) the user is asked
// whether to correct it; Yes puts the focus on the box and refuses.
bool MontoAceptado(ctlNumero& monto, double precio, double kg, const QString& titulo);

}  // namespace PrecioEnVigor
