#pragma once
// Start-up and the functions every window shares for SQL text.

#include <QString>
#include <functional>

namespace General {

// The database password and file name of the program.
QString DatabasePassword();
QString DatabaseFileName();

// The seven-part connection string for the database in the given folder.
QString BuildConnectionString(const QString& folder);
// The connection string Main built (empty before Main runs).
QString ConnectionString();

// The folder of the executable as the windows see it. Tests point it elsewhere.
QString AppPath();
void SetAppPath(const QString& folderForTests);  // empty = the executable's folder

// Opens de1.conn on the database of the application's folder (when closed)
// and shows the main window through showMainWindow. Traps nothing.
void Main(const std::function<void()>& showMainWindow);

// Main as the process runs it: a failure is logged, shown as "Error n: text" under
// the application title and gives the process status 1, with no main window.
int Start(const std::function<void()>& showMainWindow);

// The whole program: the application object, Start, and the event loop.
int Run(int argc, char** argv, const std::function<void()>& showMainWindow);

// A text for an SQL literal: every single quote doubled, so that the
// database stores exactly what was typed. What a literal cannot carry (a
// NUL, half a surrogate pair) is left out rather than cutting the statement.
QString DuplicarComillas(const QString& s);

// A text as a statement's literal: between single quotes after
// DuplicarComillas. With NullSiVacio, a text of blanks only is null.
enum VacioSQL { VacioComoTexto, NullSiVacio };
QString TextoSQL(const QString& s, VacioSQL vacio = VacioComoTexto);

}  // namespace General
