#pragma once
// An amount of money in Spanish words, as printed on the payment slips
// ("SON PESOS: " + NroALetras(amount, 1, False)).

#include <QString>
#include <cstdint>

namespace modNroALetras {

// Tipo 1: capitals; 2: small letters; 3: each word capitalised; any other:
// as built (small words, group words such as "Mil" and "Millones"
// capitalised). Parentesis False: words + " con " + cents + "/100";
// True: "( " + words + cents + "/100)".
// Amounts of 10^15 or more (and infinities) throw platform::Error 6
// (overflow); NaN throws 5. The sign is ignored.
QString NroALetras(double Numero, std::int16_t Tipo, bool Parentesis);

}  // namespace modNroALetras
