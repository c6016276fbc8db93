#include "platform/ado/JetSql.h"

#include "platform/ado/AdoError.h"
#include "platform/ado/SqlText.h"

#include <QDate>

namespace ado {
namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

bool matchWordAt(const QString& s, qsizetype i, QStringView word)
{
    if (i + word.size() > s.size()) return false;
    if (QStringView(s).mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
    if (i > 0 && isWordChar(s[i - 1])) return false;
    qsizetype end = i + word.size();
    return end >= s.size() || !isWordChar(s[end]);
}

qsizetype skipBlanks(const QString& s, qsizetype i)
{
    while (i < s.size() && s[i].isSpace()) ++i;
    return i;
}

// Length of the comment starting at i, 0 when none starts there.
qsizetype commentLength(const QString& s, qsizetype i)
{
    if (i + 1 >= s.size()) return 0;
    if (s[i] == u'-' && s[i + 1] == u'-') {
        const qsizetype end = s.indexOf(u'\n', i);
        return (end < 0 ? s.size() : end) - i;
    }
    if (s[i] == u'/' && s[i + 1] == u'*') {
        const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
        return (end < 0 ? s.size() : end + 2) - i;
    }
    return 0;
}

// A bracket at i that opens a derived table rather than a name.
bool opensDerivedTable(const QString& s, qsizetype i) { return matchWordAt(s, skipBlanks(s, i + 1), u"select"); }

// Length of the bracketed name at i through its "]": a name may hold a
// quote, a '#' or "--", none of which means anything inside it.
qsizetype nameLength(const QString& s, qsizetype i)
{
    const qsizetype end = s.indexOf(u']', i + 1);
    return (end < 0 ? s.size() : end + 1) - i;
}

// Any span that is copied as it stands: a quoted literal, a comment, a name.
qsizetype opaqueLength(const QString& s, qsizetype i)
{
    const QChar c = s[i];
    if (c == u'\'' || c == u'"') return QuotedLength(s, i);
    if (c == u'[' && !opensDerivedTable(s, i)) return nameLength(s, i);
    return commentLength(s, i);
}

// #m/d/yyyy# at i: the ISO literal, and its length through the closing '#'.
// A date the calendar does not have is an error, as Jet makes it.
bool jetDate(const QString& s, qsizetype i, QString* iso, qsizetype* len, const QString& whole)
{
    qsizetype j = i + 1;
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    for (int p = 0; p < 3; ++p) {
        while (j < s.size() && s[j].isDigit() && digits[p] < 4) {
            parts[p] = parts[p] * 10 + s[j].digitValue();
            ++digits[p];
            ++j;
        }
        if (digits[p] == 0) return false;
        if (p < 2) {
            if (j >= s.size() || s[j] != u'/') return false;
            ++j;
        }
    }
    if (j >= s.size() || s[j] != u'#' || digits[2] != 4) return false;
    if (parts[2] < 100 || !QDate(parts[2], parts[0], parts[1]).isValid())
        throw AdoError(
            -2147217900,
            QStringLiteral("Error de sintaxis en la fecha en la expresión de consulta '%1'.").arg(s.mid(i, j + 1 - i)),
            whole);
    *iso = QStringLiteral("'%1-%2-%3'")
               .arg(parts[2], 4, 10, QChar(u'0'))
               .arg(parts[0], 2, 10, QChar(u'0'))
               .arg(parts[1], 2, 10, QChar(u'0'));
    *len = j + 1 - i;
    return true;
}

// The "]" that closes the derived table opened at i, past quotes, comments,
// names and nested derived tables.
qsizetype closingBracket(const QString& s, qsizetype i)
{
    int depth = 0;
    for (qsizetype j = i; j < s.size(); ++j) {
        if (j > i) {
            if (const qsizetype n = opaqueLength(s, j)) {
                j += n - 1;
                continue;
            }
        }
        const QChar c = s[j];
        if (c == u'[')
            ++depth;
        else if (c == u']' && --depth == 0)
            return j;
    }
    return -1;
}

QString rewrite(const QString& sql, const QString& whole)
{
    QString out;
    out.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        // Quoted text, comments and names go through untouched.
        if (const qsizetype n = opaqueLength(sql, i)) {
            out += QStringView(sql).mid(i, n);
            i += n;
            continue;
        }
        if (c == u'#') {
            QString iso;
            qsizetype n = 0;
            if (jetDate(sql, i, &iso, &n, whole)) {
                // Beside a quote the new literal would run into the old one.
                const auto quote = [](QChar q) { return q == u'\'' || q == u'"'; };
                if (!out.isEmpty() && quote(out.back())) out += u' ';
                out += iso;
                i += n;
                if (i < sql.size() && quote(sql[i])) out += u' ';
                continue;
            }
        }
        if (c == u'[') {
            const qsizetype close = closingBracket(sql, i);
            if (close > 0 && close + 1 < sql.size() && sql[close + 1] == u'.') {
                out += u'(';
                out += rewrite(sql.mid(i + 1, close - i - 1), whole);
                out += u')';
                i = close + 2;
                continue;
            }
        }
        if (matchWordAt(sql, i, u"delete")) {
            const qsizetype star = skipBlanks(sql, i + 6);
            if (star < sql.size() && sql[star] == u'*' && matchWordAt(sql, skipBlanks(sql, star + 1), u"from")) {
                out += QStringView(sql).mid(i, 6);
                // "DELETE*FROM" keeps a blank between its words.
                if (!sql[star + 1].isSpace()) out += u' ';
                i = star + 1;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace

QString JetToSqlite(const QString& sql)
{
    // The engine reads a statement only up to a NUL: the rest would be lost
    // unseen, and what came before it run on its own.
    if (sql.contains(QChar(0)))
        throw AdoError(-2147217900, QStringLiteral("Error de sintaxis: la instrucción contiene un carácter nulo."),
                       sql);
    return rewrite(sql, sql);
}

}  // namespace ado
