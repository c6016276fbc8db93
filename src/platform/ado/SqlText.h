#pragma once
// Reading SQL text as the engine reads it: where a quoted piece ends.
#include <QStringView>

namespace ado {

// Length of the quoted piece starting at sql[i] (a ' or " literal, or a `
// name) through its closing quote; the quote doubled inside it stands for
// itself. The whole rest when it is never closed.
qsizetype QuotedLength(QStringView sql, qsizetype i);

}  // namespace ado
