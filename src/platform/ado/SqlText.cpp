#include "platform/ado/SqlText.h"

namespace ado {

qsizetype QuotedLength(QStringView sql, qsizetype i)
{
    const QChar q = sql[i];
    qsizetype j = i + 1;
    while (j < sql.size()) {
        if (sql[j] == q) {
            if (j + 1 < sql.size() && sql[j + 1] == q) {
                j += 2;
                continue;
            }
            return j + 1 - i;
        }
        ++j;
    }
    return sql.size() - i;
}

}  // namespace ado
