#pragma once
// The validation of every editor as one table: each rule a condition that
// refuses the save, its message and the field the clerk is sent to. The
// rules are checked in table order and the first one that fails is the only
// message shown (under the editor's caption), so a table reads as the
// documented order of the checks.
//
// The conditions are evaluated when the table is built: a condition that
// may only be evaluated once an earlier one held guards itself
// (IsNumeric(t) && CDbl(t) > limit).

#include <QString>
#include <initializer_list>

class QWidget;

namespace forms {

struct Regla {
    bool falla;           // true refuses the save
    const char* mensaje;  // UTF-8, as documented
    QWidget* foco;        // gets the focus after the message; may be null
};

// Shows the first failing rule's message (information style, `titulo` as
// title) and focuses its field. True when no rule fails.
bool CumpleReglas(std::initializer_list<Regla> reglas, const QString& titulo);

// One rule on its own, for a check that needs a loop or an earlier step:
// false after showing the message, as a failing table would.
bool Rechazar(const char* mensaje, QWidget* foco, const QString& titulo);

}  // namespace forms
