#include "platform/errors/Error.h"

namespace platform {

QString ErrorText(long number)
{
    switch (number) {
    case ErrInvalidCall: return QStringLiteral("Llamada a procedimiento o argumento no válidos");
    case ErrOverflow: return QStringLiteral("Desbordamiento");
    case ErrSubscript: return QStringLiteral("El subíndice está fuera del intervalo");
    case ErrTypeMismatch: return QStringLiteral("No coinciden los tipos");
    case ErrBadFileName: return QStringLiteral("Nombre o número de archivo incorrecto");
    case ErrDeviceIO: return QStringLiteral("Error de E/S en el dispositivo");
    case ErrDiskFull: return QStringLiteral("Disco lleno");
    case ErrPermissionDenied: return QStringLiteral("Permiso denegado");
    case ErrPathFileAccess: return QStringLiteral("Error de acceso a la ruta o el archivo");
    case ErrPathNotFound: return QStringLiteral("No se encontró la ruta de acceso");
    case ErrInvalidPropertyValue: return QStringLiteral("El valor de la propiedad no es válido");
    case ErrInvalidPropertyIndex: return QStringLiteral("Índice de matriz de propiedades no válido");
    case ErrDuplicateKey: return QStringLiteral("Esta clave ya está asociada con un elemento de esta colección");
    case ErrCancel: return QStringLiteral("Se eligió Cancelar.");
    case ErrIndexOutOfBounds: return QStringLiteral("Índice fuera de los límites");
    case ErrElementNotFound: return QStringLiteral("No se encontró el elemento");
    case ErrKeyNotUnique: return QStringLiteral("La clave no es única en la colección");
    default: return QStringLiteral("Error definido por la aplicación o el objeto");
    }
}

Error RuntimeError(long number) { return Error(number, ErrorText(number)); }

}  // namespace platform
