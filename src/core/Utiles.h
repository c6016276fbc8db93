#pragma once
// Module functions shared by the windows.

#include <QString>
#include <cstdint>

namespace forms {
class ComboBox;
}

namespace Utiles {

// ---- Check digits (Utiles.cpp) ------------------------------------------

// True for an 11-digit CUIT with a known prefix (20, 23, 24, 27, 30, 33,
// 34) and the right check digit; false for anything else, non-digits
// included.
bool ValidarCUIT(const QString& s);

// Check digit 0-9 of the six-digit body of a gross-income registration
// number; -1 when the body, written out, has more than six characters.
std::int16_t DigitoVerificadorInscripcion(double n);

// Check digit of a payment code (weights 3, 1, 7, 9 from the right).
// Lengths must leave 0 or 3 when divided by 4 ("" gives "0"). Throws
// platform::Error 13 for a non-digit, 5 for any other length.
QString DigitoVerificadorBarras(const QString& s);

// ---- Combo and SQL-number helpers (Utiles_Combos.cpp) -------------------

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
