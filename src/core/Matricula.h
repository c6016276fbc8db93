#pragma once
// A vessel's matrícula as every window takes it. It is a whole number that
// the declaration number carries in four digits (and the export's file
// names in five), so the register accepts only what those four digits hold:
// digits alone, leading zeros allowed, from 0 to 9999.

#include <QString>

namespace Matricula {

constexpr int kMaxima = 9999;

// The editors' text boxes hold no more characters than this.
constexpr int kLargoMaximo = 11;

bool Aceptable(const QString& texto);

// " entre 0 y 9999": the range as a message names it.
QString Rango();

}  // namespace Matricula
