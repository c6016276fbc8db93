// The Jet rewrite on arbitrary text. It may refuse a statement (an
// impossible date), never crash, and never change what is quoted: every
// literal of the input comes out whole and in order, and the only literals
// it adds are the ISO dates it writes. A second pass changes nothing.
#include "platform/ado/AdoError.h"
#include "platform/ado/JetSql.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

bool wordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The quoted literals of a statement as Jet reads it, scanned on its own
// terms: comments and bracketed names hide quotes; a bracket that opens a
// derived table hides nothing.
QStringList literals(const QString& s)
{
    QStringList out;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (c == u'\'' || c == u'"') {
            qsizetype j = i + 1;
            for (; j < s.size(); ++j) {
                if (s[j] != c) continue;
                if (j + 1 < s.size() && s[j + 1] == c) {
                    ++j;
                    continue;
                }  // a doubled quote
                ++j;
                break;
            }
            out << s.mid(i, j - i);
            i = j;
        } else if (s.mid(i, 2) == QLatin1String("--")) {
            const qsizetype e = s.indexOf(u'\n', i);
            i = e < 0 ? s.size() : e;
        } else if (s.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype e = s.indexOf(QLatin1String("*/"), i + 2);
            i = e < 0 ? s.size() : e + 2;
        } else if (c == u'[') {
            qsizetype k = i + 1;
            while (k < s.size() && s[k].isSpace()) ++k;
            const bool derived = s.mid(k, 6).compare(QLatin1String("select"), Qt::CaseInsensitive) == 0
                && (k + 6 >= s.size() || !wordChar(s[k + 6]));
            if (derived) {
                ++i;
            } else {
                const qsizetype e = s.indexOf(u']', i + 1);
                i = e < 0 ? s.size() : e + 1;
            }
        } else {
            ++i;
        }
    }
    return out;
}

[[noreturn]] void fail(const char* what, const QString& in, const QString& out)
{
    std::fprintf(stderr, "%s\n  in:  %s\n  out: %s\n", what, qPrintable(in), qPrintable(out));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString in = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString out;
    try {
        out = ado::JetToSqlite(in);
    } catch (const ado::AdoError& e) {
        if (e.Number != -2147217900 || !e.Description.contains(u'#')) fail("unexpected error", in, e.Description);
        return 0;
    }

    static const QRegularExpression isoDate(QStringLiteral("^'\\d{4}-\\d{2}-\\d{2}'$"));
    const QStringList before = literals(in);
    const QStringList after = literals(out);
    qsizetype k = 0;
    for (const QString& lit : after) {
        if (k < before.size() && lit == before[k])
            ++k;
        else if (!isoDate.match(lit).hasMatch())
            fail("a literal changed or appeared", in, out);
    }
    if (k != before.size()) fail("a literal was lost", in, out);

    if (ado::JetToSqlite(out) != out) fail("a second pass changed the text", in, out);
    return 0;
}
