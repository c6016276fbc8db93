#include "platform/ado/JetSql.h"

namespace ado {
namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Length of the quoted literal starting at i (quote char doubled inside it
// stands for itself); the whole rest when it is not closed.
qsizetype quotedLength(const QString& s, qsizetype i)
{
    const QChar q = s[i];
    qsizetype j = i + 1;
    while (j < s.size()) {
        if (s[j] == q) {
            if (j + 1 < s.size() && s[j + 1] == q) { j += 2; continue; }
            return j + 1 - i;
        }
        ++j;
    }
    return s.size() - i;
}

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

// #m/d/yyyy# at i: the ISO literal, and its length through the closing '#'.
bool jetDate(const QString& s, qsizetype i, QString* iso, qsizetype* len)
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
    *iso = QStringLiteral("'%1-%2-%3'")
               .arg(parts[2], 4, 10, QChar(u'0'))
               .arg(parts[0], 2, 10, QChar(u'0'))
               .arg(parts[1], 2, 10, QChar(u'0'));
    *len = j + 1 - i;
    return true;
}

// The "]" that closes the bracket opened at i, skipping quotes and nested brackets.
qsizetype closingBracket(const QString& s, qsizetype i)
{
    int depth = 0;
    for (qsizetype j = i; j < s.size(); ++j) {
        const QChar c = s[j];
        if (c == u'\'' || c == u'"') { j += quotedLength(s, j) - 1; continue; }
        if (c == u'[') ++depth;
        else if (c == u']' && --depth == 0) return j;
    }
    return -1;
}

}  // namespace

QString JetToSqlite(const QString& sql)
{
    QString out;
    out.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype n = quotedLength(sql, i);
            out += QStringView(sql).mid(i, n);
            i += n;
            continue;
        }
        // Comments go through untouched: a quote in them opens no string.
        if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
            qsizetype end = sql.indexOf(u'\n', i);
            if (end < 0) end = sql.size();
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (c == u'/' && i + 1 < sql.size() && sql[i + 1] == u'*') {
            qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            end = end < 0 ? sql.size() : end + 2;
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (c == u'#') {
            QString iso;
            qsizetype n = 0;
            if (jetDate(sql, i, &iso, &n)) {
                out += iso;
                i += n;
                continue;
            }
        }
        if (c == u'[' && matchWordAt(sql, skipBlanks(sql, i + 1), u"select")) {
            const qsizetype close = closingBracket(sql, i);
            if (close > 0 && close + 1 < sql.size() && sql[close + 1] == u'.') {
                out += u'(';
                out += JetToSqlite(sql.mid(i + 1, close - i - 1));
                out += u')';
                i = close + 2;
                continue;
            }
        }
        if (matchWordAt(sql, i, u"delete")) {
            const qsizetype star = skipBlanks(sql, i + 6);
            if (star < sql.size() && sql[star] == u'*' && matchWordAt(sql, skipBlanks(sql, star + 1), u"from")) {
                out += QStringView(sql).mid(i, 6);
                i = star + 1;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace ado
