#include "platform/ado/SqliteError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace ado::detail {
namespace {

// The name after "no such table: " and the like in SQLite's message.
QString nameAfter(const QString& msg, const QString& prefix)
{
    const qsizetype at = msg.indexOf(prefix);
    return at < 0 ? QString() : msg.mid(at + prefix.size()).trimmed();
}

AdoError damaged(const QString& sql)
{
    return AdoError(adErrGeneric, QStringLiteral("La base de datos está dañada."), sql, Causa::Danada);
}

// Why the database's folder cannot be written, naming it; empty when it can
// (then the file itself is read-only). `err` is the system's reason when the
// engine kept one.
QString readOnlyFolder(sqlite3* db, int err)
{
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    if (!file || !*file) return {};
    const QString folder = QDir::toNativeSeparators(QFileInfo(QFile::decodeName(file)).absolutePath());
    const QByteArray dir = QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath());
    struct statvfs fs {};
    if (err == EROFS || (statvfs(dir.constData(), &fs) == 0 && (fs.f_flag & ST_RDONLY)))
        return QStringLiteral("la carpeta '%1' está en un disco de sólo lectura").arg(folder);
    if (err == EACCES || err == EPERM || faccessat(AT_FDCWD, dir.constData(), W_OK, AT_EACCESS) != 0)
        return QStringLiteral("no se puede escribir en la carpeta '%1'").arg(folder);
    return {};
}

AdoError readOnly(sqlite3* db, int err, const QString& sql)
{
    const QString why = readOnlyFolder(db, err);
    return AdoError(adErrGeneric,
                    QStringLiteral("No se puede actualizar: la base de datos es de sólo lectura")
                        + (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(", porque ") + why + u'.'),
                    sql, Causa::SoloLectura);
}

bool readOnlyErrno(int err) { return err == EROFS || err == EACCES || err == EPERM; }

AdoError translated(sqlite3* db, int rc, const QString& sql, const QString& msg)
{
    const bool isDelete = sql.trimmed().startsWith(QLatin1String("delete"), Qt::CaseInsensitive);
    switch (rc) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
        return AdoError(adErrGeneric,
                        QStringLiteral("Los cambios solicitados en la tabla no se realizaron correctamente porque "
                                       "crearían valores duplicados en el índice, clave principal o relación."),
                        sql, Causa::Duplicado);
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        return AdoError(adErrGeneric,
                        isDelete ? QStringLiteral("No se puede eliminar o modificar el registro porque hay registros "
                                                  "relacionados en otra tabla.")
                                 : QStringLiteral("No se puede agregar o modificar el registro porque se necesita un "
                                                  "registro relacionado en otra tabla."),
                        sql);
    case SQLITE_CONSTRAINT_NOTNULL:
        return AdoError(adErrGeneric,
                        QStringLiteral("No se puede dejar vacío el campo %1: es obligatorio.")
                            .arg(nameAfter(msg, QStringLiteral("failed: "))),
                        sql);
    case SQLITE_CONSTRAINT_CHECK:
        return AdoError(adErrGeneric, QStringLiteral("Un valor no cumple la regla de validación de la tabla."), sql);
    default: break;
    }
    // The rest by their primary code: the extended ones (a busy snapshot, a
    // read-only file, a damaged index) mean the same to the clerk.
    switch (rc & 0xff) {
    case SQLITE_MISMATCH:
        return AdoError(-2147217913, QStringLiteral("No coinciden los tipos de datos en la expresión."), sql);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return AdoError(adErrGeneric,
                        QStringLiteral("La base de datos está en uso por otra ventana o programa. "
                                       "Espere un momento y vuelva a intentarlo."),
                        sql, Causa::Ocupada);
    case SQLITE_READONLY: return readOnly(db, db ? sqlite3_system_errno(db) : 0, sql);
    case SQLITE_FULL: return AdoError(adErrGeneric, QStringLiteral("El disco está lleno."), sql, Causa::Llena);
    case SQLITE_NOTADB:
        return AdoError(
            -2147217843,
            QStringLiteral("No es una contraseña válida, o el archivo no es una base de datos del sistema."), sql);
    case SQLITE_CORRUPT: return damaged(sql);
    case SQLITE_CANTOPEN: {
        // Its journal cannot be made beside it: the folder is read-only.
        const QString why = readOnlyFolder(db, db ? sqlite3_system_errno(db) : 0);
        if (!why.isEmpty())
            return AdoError(adErrGeneric, QStringLiteral("No se puede abrir la base de datos, porque ") + why + u'.',
                            sql, Causa::SoloLectura);
        return AdoError(adErrGeneric, QStringLiteral("No se puede abrir el archivo de la base de datos."), sql);
    }
    case SQLITE_NOMEM: return AdoError(-2147024882, QStringLiteral("No hay memoria suficiente."), sql);
    default: break;
    }
    // A damaged schema page is reported as a plain error with this text.
    if (msg.contains(QLatin1String("malformed"))) return damaged(sql);
    if ((rc & 0xff) == SQLITE_CONSTRAINT)
        return AdoError(adErrGeneric, QStringLiteral("La operación viola una regla de la base de datos."), sql);
    if ((rc & 0xff) == SQLITE_IOERR) {
        // A disk that turned read-only, or filled up, under a running program.
        const int err = db ? sqlite3_system_errno(db) : 0;
        if (readOnlyErrno(err)) return readOnly(db, err, sql);
        if (err == ENOSPC || err == EDQUOT)
            return AdoError(adErrGeneric, QStringLiteral("El disco está lleno."), sql, Causa::Llena);
        return AdoError(adErrGeneric, QStringLiteral("Error de lectura o escritura en el disco."), sql);
    }
    if (msg.startsWith(QLatin1String("no such table: ")))
        return AdoError(-2147217865,
                        QStringLiteral("No se encuentra la tabla o consulta de entrada '%1'.")
                            .arg(nameAfter(msg, QStringLiteral("no such table: "))),
                        sql);
    if (msg.startsWith(QLatin1String("no such column: ")))
        return AdoError(
            -2147217904,
            QStringLiteral("No se reconoce el campo '%1'.").arg(nameAfter(msg, QStringLiteral("no such column: "))),
            sql);
    if (msg.contains(QLatin1String("syntax error")) || msg.contains(QLatin1String("incomplete input")))
        return AdoError(-2147217900, QStringLiteral("Error de sintaxis en la instrucción SQL."), sql);
    return AdoError(adErrGeneric, QStringLiteral("Error no especificado de la base de datos."), sql);
}

}  // namespace

AdoError sqliteError(sqlite3* db, int rc, const QString& sql)
{
    const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    AdoError e = translated(db, rc, sql, msg);
    e.Motor = (msg.isEmpty() ? QString::fromUtf8(sqlite3_errstr(rc)) : msg) + QStringLiteral(" (SQLite %1)").arg(rc);
    return e;
}

}  // namespace ado::detail
