#include "core/General.h"

#include "core/de1.h"
#include "core/schema/Database.h"
#include "platform/errors/Error.h"
#include "platform/errors/Log.h"
#include "platform/forms/Application.h"
#include "platform/forms/MsgBox.h"
#include "platform/text/NewFile.h"
#include "platform/text/Text.h"

#include <QCoreApplication>
#include <QDir>

namespace General {
namespace {

QString& connectionString()
{
    static QString s;
    return s;
}

QString& appPathOverride()
{
    static QString s;
    return s;
}

}  // namespace

QString DatabasePassword() { return QStringLiteral("kRw461bT"); }
QString DatabaseFileName() { return QStringLiteral("dj7351.mdb"); }

QString BuildConnectionString(const QString& folder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=") + DatabasePassword()
        + QStringLiteral(";Data Source=") + folder + QStringLiteral("\\") + DatabaseFileName()
        + QStringLiteral(";Persist Security Info=false");
}

QString ConnectionString() { return connectionString(); }

QString AppPath()
{
    if (!appPathOverride().isEmpty()) return appPathOverride();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void SetAppPath(const QString& folder) { appPathOverride() = folder; }

void Main(const std::function<void()>& showMainWindow)
{
    connectionString() = BuildConnectionString(AppPath());
    ado::Connection& conn = de1::conn();
    if (conn.State() == ado::adStateClosed) {
        conn.Open(connectionString(), QString(), QString(), -1);
        try {
            schema::CheckDatabase(conn);
        } catch (...) {
            conn.Close();
            throw;
        }
        conn.UseWriteAheadLog();
        // An export killed half-way is finished (or undone) before the clerk looks at its files.
        text::FinishInterruptedGroups(AppPath());
    }
    if (showMainWindow) showMainWindow();
}

int Start(const std::function<void()>& showMainWindow)
{
    try {
        Main(showMainWindow);
    } catch (const platform::Error& e) {
        platform::LogError(QStringLiteral("Inicio rechazado en General::Main (%1)").arg(AppPath()), e);
        forms::ShowError(e.Number, e.Description);
        return 1;
    }
    return 0;
}

int Run(int argc, char** argv, const std::function<void()>& showMainWindow)
{
    forms::Application app(argc, argv);
    if (const int status = Start(showMainWindow)) return status;
    return app.exec();
}

QString DuplicarComillas(const QString& s)
{
    QString out;
    out.reserve(s.size() + 2);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\'') {
            out += QLatin1String("''");
        } else if (c.isNull()) {
            // A pasted NUL would end the statement's text in the middle of the literal.
        } else if (c.isSurrogate()) {
            // Half a pair has no UTF-8 form; a whole pair (an emoji) is kept.
            if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                out += c;
                out += s[++i];
            }
        } else {
            out += c;
        }
    }
    return out;
}

QString TextoSQL(const QString& s, VacioSQL vacio)
{
    if (vacio == NullSiVacio && text::Trim(s).isEmpty()) return QStringLiteral("null");
    return QStringLiteral("'") + DuplicarComillas(s) + QStringLiteral("'");
}

}  // namespace General
