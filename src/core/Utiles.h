#pragma once
// Module functions shared by the windows.

#include <QString>
#include <cstdint>

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

}  // namespace Utiles
