#include "platform/errors/Log.h"

#include "platform/errors/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QStringList>

Q_LOGGING_CATEGORY(lcErrores, "dj7351.errores", QtWarningMsg)

namespace platform {
namespace {

QMutex& lock()
{
    static QMutex m;
    return m;
}

QStringList& secrets()
{
    static QStringList s;
    return s;
}

QtMessageHandler& previous()
{
    static QtMessageHandler h = nullptr;
    return h;
}

QString hidden(QString text)
{
    for (const QString& s : secrets()) text.replace(s, QString(s.size(), u'*'));
    return text;
}

void appendToFile(const QString& line)
{
    const QString path = LogFilePath();
    if (path.isEmpty()) return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray bytes = line.toUtf8() + '\n';
    const QFileInfo info(path);
    if (info.exists() && info.size() + bytes.size() > LogFileLimit) {
        const QString older = path + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(path, older);
    }
    QFile f(path);
    // A log that cannot be written must not stop the program: the record
    // still reaches standard error.
    if (f.open(QIODevice::WriteOnly | QIODevice::Append)) f.write(bytes);
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool ours = context.category && qstrcmp(context.category, lcErrores().categoryName()) == 0;
    if (!ours) {
        if (previous()) previous()(type, context, message);
        return;
    }
    QMutexLocker locker(&lock());
    const QString text = hidden(message);
    appendToFile(QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + text);
    if (previous()) previous()(type, context, text);
}

// One record, one line.
QString oneLine(QString s)
{
    s.replace(u'\r', QLatin1String("\\r"));
    s.replace(u'\n', QLatin1String("\\n"));
    return s;
}

}  // namespace

QString LogFilePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return dir.isEmpty() ? QString() : QDir(dir).filePath(QStringLiteral("dj7351.log"));
}

void InstallLog()
{
    QMutexLocker locker(&lock());
    static bool installed = false;
    if (installed) return;
    installed = true;
    previous() = qInstallMessageHandler(handler);
}

void HideInLog(const QString& secret)
{
    if (secret.isEmpty()) return;
    QMutexLocker locker(&lock());
    if (!secrets().contains(secret)) secrets().append(secret);
}

void LogError(const QString& step, const Error& e)
{
    InstallLog();
    QString line = step + QStringLiteral(": Error ") + QString::number(e.Number) + QStringLiteral(": ") + e.Description;
    if (const QString engine = e.EngineText(); !engine.isEmpty()) line += QStringLiteral(" | motor: ") + engine;
    if (const QString sql = e.Statement(); !sql.isEmpty()) line += QStringLiteral(" | sentencia: ") + sql;
    qCWarning(lcErrores).noquote() << oneLine(line);
}

}  // namespace platform
