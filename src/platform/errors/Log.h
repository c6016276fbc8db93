#pragma once
// The program's log: every trapped error and every refused start-up, with
// the step that ran, the error as the clerk saw it, the engine's own text
// and the statement. Each record goes to standard error (Qt's category
// "dj7351.errores", warning level) and to dj7351.log in the user's
// application-data folder (QStandardPaths::AppLocalDataLocation), one line
// each; past LogFileLimit the file becomes dj7351.log.1 and a new one starts,
// so the two stay small. A text declared secret (the database key) is
// written as asterisks wherever it would appear.

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcErrores)

namespace platform {

class Error;

inline constexpr qint64 LogFileLimit = 256 * 1024;

// The log file as the environment names its folder now (tests point
// XDG_DATA_HOME at a folder of their own).
QString LogFilePath();

// The category's records go to the file as well as to Qt's own output.
// Safe to call more than once; LogError calls it.
void InstallLog();

// A text that must never reach the log; an empty one is ignored.
void HideInLog(const QString& secret);

// Logs one failure at the step that met it.
void LogError(const QString& step, const Error& e);

}  // namespace platform
