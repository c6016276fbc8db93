#pragma once
// Error trapping for event handlers. A handler that runs SQL (or anything
// else that may raise a run-time error) wraps the step in Atrapar: a failure
// shows "Error " + number + ": " + text under the application title and the
// handler goes on with the result. When a user action writes more than one
// statement (a line and its header's totals, a guide and its lines), wrap
// them in AtraparEnTransaccion instead: they commit together or not at all,
// and the screen keeps what the user typed. Never write a try/catch of your
// own around a window's SQL. Every error trapped here, ignored ones too, is
// logged with the caller's function and line (platform/errors/Log.h).
//
// One user action, one commit. The step runs the action's statements and
// raises on the first failure; when AtraparEnTransaccion returns false the
// handler returns at once, leaving its section in its mode and its fields as
// typed (put back any box the step itself wrote), and reloads nothing.
// Transactions do not nest: call it once per action, never from a step.
// Another instance holding the database makes BeginTrans wait a few seconds
// and then fail with the "en uso" message, which is the message shown.

#include "platform/ado/AdoError.h"

#include <functional>
#include <source_location>

namespace ado {
class Connection;
}

namespace forms {

// Runs step; on a platform::Error shows the documented message. True when
// the step finished.
bool Atrapar(const std::function<void()>& step, std::source_location where = std::source_location::current());

// As Atrapar, but an error of the given number runs siNumero instead of the
// general message: a cancelled dialog, say. Never for a database error:
// one number stands for several of its causes.
bool Atrapar(const std::function<void()>& step, long numero, const std::function<void()>& siNumero,
             std::source_location where = std::source_location::current());

// As Atrapar, but a database error of the given cause runs siCausa instead
// of the general message: the window's own words for a duplicate key, say.
// Every other failure, of the same number or not, keeps its own message.
bool Atrapar(const std::function<void()>& step, ado::Causa causa, const std::function<void()>& siCausa,
             std::source_location where = std::source_location::current());

// Runs step with errors ignored, for a deletion whose refusal the window
// reports itself from the count of rows deleted, and for the viewers'
// activation, which passes errors over in silence. True when it finished.
// A platform::Conflicto (another window changed what this one read) is
// never silent: every trap shows its text as the whole message.
bool Ignorar(const std::function<void()>& step, std::source_location where = std::source_location::current());

// As Ignorar, but a database error of the given cause goes on up: a
// damaged database is never passed over in silence.
bool IgnorarSalvo(const std::function<void()>& step, ado::Causa causa,
                  std::source_location where = std::source_location::current());

// As Ignorar, but a database error of the given cause shows its message,
// unless `mostrado` says it was shown already (a viewer's activation runs
// again each time it comes to the front: the clerk hears of it once).
bool Ignorar(const std::function<void()>& step, ado::Causa mostrar, bool& mostrado,
             std::source_location where = std::source_location::current());

// As Atrapar, inside conn's BeginTrans/CommitTrans; a failure rolls back
// every statement the step ran.
bool AtraparEnTransaccion(ado::Connection& conn, const std::function<void()>& step,
                          std::source_location where = std::source_location::current());

}  // namespace forms
