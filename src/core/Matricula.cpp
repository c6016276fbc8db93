#include "core/Matricula.h"

#include "platform/text/Text.h"

namespace Matricula {

bool Aceptable(const QString& texto)
{
    return text::EsEnteroSimple(texto, kLargoMaximo) && texto.toLongLong() <= kMaxima;
}

QString Rango() { return QStringLiteral(" entre 0 y %1").arg(kMaxima); }

}  // namespace Matricula
