#include "core/schema/Database.h"

#include "core/General.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Connection.h"

#include "platform/ado/Recordset.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace schema {
namespace {

QString script(const QString& name)
{
    QFile f(QStringLiteral(":/schema/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw ado::AdoError(ado::adErrGeneric, QStringLiteral("Falta el guión de la base de datos '%1'.").arg(name));
    return QString::fromUtf8(f.readAll());
}

}  // namespace

void CheckDatabase(ado::Connection& conn)
{
    // The names come from the schema itself, so the check follows it.
    static const QRegularExpression created(QStringLiteral("CREATE\\s+(?:TABLE|VIEW)\\s+(\\w+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QSet<QString> wanted;
    for (auto m = created.globalMatch(script(QStringLiteral("schema.sql"))); m.hasNext();)
        wanted.insert(m.next().captured(1).toUpper());
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"), conn);
    for (; !rs.Eof(); rs.MoveNext()) wanted.remove(rs(0).text().toUpper());
    if (!wanted.isEmpty())
        throw ado::AdoError(
            -2147217843,
            QStringLiteral("No es una contraseña válida, o el archivo no es una base de datos del sistema."));
}

void CreateDatabase(const QString& folder, bool sample)
{
    const QString path = QDir(folder).filePath(General::DatabaseFileName());
    ado::Connection conn;
    conn.Create(path, General::DatabasePassword());
    try {
        // One transaction: a few hundred rows, one write to disk.
        QString all = QStringLiteral("BEGIN;\n") + script(QStringLiteral("schema.sql")) + QStringLiteral(";\n")
            + script(QStringLiteral("reference-data.sql")) + QStringLiteral(";\n");
        if (sample) all += script(QStringLiteral("sample-data.sql")) + QStringLiteral(";\n");
        conn.Execute(all + QStringLiteral("COMMIT;"));
    } catch (...) {
        conn.Close();
        QFile::remove(path);  // a half-made database is worse than none
        throw;
    }
}

}  // namespace schema
