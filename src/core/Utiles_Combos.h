#pragma once
// Module Utiles: filling combos from (id, description) queries, selecting
// an item by text or by id, and the decimal comma of numbers going into SQL.

#include <QString>
#include <cstdint>

namespace forms { class ComboBox; }

namespace Utiles {

// Adds one item per row of the query on de1.conn: field 1 as the text,
// field 0 as the item data. The combo is not cleared first. A null in either
// field is error 13 and an id outside 32 bits error 6; the rows before the
// failing one stay added.
void CargarCombo(QString sql, forms::ComboBox& combo);

// Every comma becomes a point.
QString ComaAPunto(const QString& s);

// Select the first item with exactly this text (case counts) or this item
// data; -1 when there is none. Like a user's choice, a change of selection
// raises the combo's Click.
void SeleccionarTextoCombo(forms::ComboBox& combo, const QString& texto);
void SeleccionarIdCombo(forms::ComboBox& combo, const std::int32_t& id);

}  // namespace Utiles
