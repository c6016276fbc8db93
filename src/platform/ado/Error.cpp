#include "platform/ado/Error.h"

namespace platform {

Error RuntimeError(long number)
{
    switch (number) {
    case ErrInvalidCall: return Error(number, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
    case ErrOverflow: return Error(number, QStringLiteral("Desbordamiento"));
    case ErrSubscript: return Error(number, QStringLiteral("El subíndice está fuera del intervalo"));
    case ErrTypeMismatch: return Error(number, QStringLiteral("No coinciden los tipos"));
    case ErrDuplicateKey: return Error(number, QStringLiteral("Esta clave ya está asociada con un elemento de esta colección"));
    case ErrCancel: return Error(number, QStringLiteral("Se eligió Cancelar."));
    default: return Error(number, QStringLiteral("Error definido por la aplicación o el objeto"));
    }
}

}  // namespace platform
