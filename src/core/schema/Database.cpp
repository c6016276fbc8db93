#include "core/schema/Database.h"

#include "core/General.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Connection.h"

#include <QDir>
#include <QFile>

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
