#include "platform/ado/Keyset.h"

#include "platform/ado/Connection.h"
#include "platform/ado/SqlText.h"
#include "platform/ado/SqliteError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <sqlcipher/sqlite3.h>

namespace ado::detail {

// --- cells

namespace {

// "yyyy-mm-dd" (optionally followed by a time) as stored in DATE columns.
bool parseIsoDate(const unsigned char* s, int n, QDate* d)
{
    if (n < 10 || s[4] != '-' || s[7] != '-') return false;
    auto digits = [&](int from, int count) {
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            if (s[i] < '0' || s[i] > '9') return -1;
            v = v * 10 + (s[i] - '0');
        }
        return v;
    };
    const int y = digits(0, 4), m = digits(5, 2), day = digits(8, 2);
    if (y < 0 || m < 0 || day < 0) return false;
    *d = QDate(y, m, day);
    return d->isValid();
}

}  // namespace

Variant ReadCell(sqlite3_stmt* stmt, int c, bool dateColumn)
{
    switch (sqlite3_column_type(stmt, c)) {
    case SQLITE_INTEGER: return Variant(static_cast<long long>(sqlite3_column_int64(stmt, c)));
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(stmt, c));
    case SQLITE_NULL: return Variant::Null();
    default: {
        const unsigned char* s = sqlite3_column_text(stmt, c);
        const int n = sqlite3_column_bytes(stmt, c);
        QDate d;
        if (dateColumn && parseIsoDate(s, n, &d)) return Variant(d);
        return Variant(QString::fromUtf8(reinterpret_cast<const char*>(s), n));
    }
    }
}

bool IsDateType(const char* decl) { return decl && qstrnicmp(decl, "DATE", 4) == 0; }

// The engine names an unaliased column by its written text ("A.PTES_ID");
// the provider names it by the column alone, and the windows read it so.
QString ColumnName(sqlite3_stmt* stmt, int c)
{
    QString name = QString::fromUtf8(sqlite3_column_name(stmt, c));
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0) return name;
    for (QChar ch : name)
        if (!(ch.isLetterOrNumber() || ch == u'_' || ch == u'.')) return name;  // an expression, left as written
    return name.mid(dot + 1);
}

// --- small statement helpers

namespace {

constexpr long kPageRows = 64;
constexpr size_t kMaxPages = 48;           // about 3 000 rows held at most
constexpr long kExactCountLimit = 20000;   // counted before showing: a few milliseconds
constexpr qint64 kCountSliceNs = 3000000;  // counting afterwards, per idle turn: the next key press waits no longer
constexpr int kCountDelayMs = 100;         // the list paints first
constexpr int kNotNow = -1;

bool notNow(int rc) { return rc == kNotNow || (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED; }

struct Stmt {
    sqlite3_stmt* p = nullptr;
    Stmt() = default;
    Stmt(const Stmt&) = delete;
    ~Stmt() { sqlite3_finalize(p); }
};

bool prepare(sqlite3* db, const QString& sql, Stmt& s)
{
    const QByteArray text = sql.toUtf8();
    return sqlite3_prepare_v2(db, text.constData(), int(text.size()), &s.p, nullptr) == SQLITE_OK && s.p;
}

// The first column of the first row; false when the statement fails or the value is null.
bool scalar(sqlite3* db, const QString& sql, long long* value)
{
    Stmt s;
    if (!prepare(db, sql, s) || sqlite3_step(s.p) != SQLITE_ROW || sqlite3_column_type(s.p, 0) == SQLITE_NULL)
        return false;
    *value = sqlite3_column_int64(s.p, 0);
    return true;
}

bool bind(sqlite3_stmt* s, int i, const Variant& v)
{
    switch (v.type()) {
    case Variant::Type::Integer: return sqlite3_bind_int64(s, i, v.integer()) == SQLITE_OK;
    case Variant::Type::Double: return sqlite3_bind_double(s, i, v.real()) == SQLITE_OK;
    case Variant::Type::Text: {
        const QByteArray t = v.text().toUtf8();
        return sqlite3_bind_text(s, i, t.constData(), int(t.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    default: return false;
    }
}

QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"'; }

}  // namespace

Stamp CurrentStamp(sqlite3* db)
{
    Stamp s;
    if (!db) return s;
    scalar(db, QStringLiteral("PRAGMA data_version"), &s.dataVersion);
    scalar(db, QStringLiteral("PRAGMA schema_version"), &s.schemaVersion);
    s.ownChanges = sqlite3_total_changes(db);
    return s;
}

// --- the view's shape

struct Keyset::Shape {
    QString view, table;
    QString key;             // the table's primary key column
    QString keyOutput;       // the view's name for it
    QString order, reverse;  // "ORDER BY ...", and the other way round
    // Where the keys are read in that order: the table itself when the order
    // is on its own columns, else the view (a lookup's column in the order).
    QString keySource, keyColumn;
};

namespace {

// The definition with comments blanked, and a copy of it where everything
// inside quotes and parentheses is blanked too, so that the clauses and
// commas left are the top-level ones. Both keep every character's place.
void maskDefinition(const QString& sql, QString* clean, QString* masked)
{
    *clean = sql;
    *masked = sql;
    int depth = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
            for (; i < sql.size() && sql[i] != u'\n'; ++i) (*clean)[i] = (*masked)[i] = u' ';
            continue;
        }
        if (c == u'/' && i + 1 < sql.size() && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? sql.size() : end + 2;
            for (; i < stop; ++i) (*clean)[i] = (*masked)[i] = u' ';
            --i;
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            // A bracketed name has no escape: it ends at the first "]".
            const qsizetype end = c == u'[' ? sql.indexOf(u']', i + 1) : i + QuotedLength(sql, i) - 1;
            const qsizetype stop = end < 0 ? sql.size() - 1 : end;
            for (qsizetype j = i; j <= stop; ++j) (*masked)[j] = u'_';
            i = stop;
            continue;
        }
        if (c == u'(') ++depth;
        if (depth > 0) (*masked)[i] = u'_';
        if (c == u')' && depth > 0) --depth;
    }
}

// Pieces of `clean` between the top-level commas of the same span of `masked`.
QStringList splitTopLevel(const QString& clean, const QString& masked, qsizetype from, qsizetype length)
{
    QStringList parts;
    qsizetype start = from;
    for (qsizetype i = from; i < from + length; ++i) {
        if (masked[i] == u',') {
            parts << clean.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    parts << clean.mid(start, from + length - start).trimmed();
    return parts;
}

// `orderBy`, when given, is the list's own order over the view's columns
// and stands in for the view's.
std::shared_ptr<const Keyset::Shape> readShape(sqlite3* db, const QString& view, const QString& orderBy)
{
    Stmt def;
    if (!prepare(db,
                 QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'view' AND name = ?1 COLLATE NOCASE"),
                 def))
        return nullptr;
    const QByteArray name = view.toUtf8();
    sqlite3_bind_text(def.p, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(def.p) != SQLITE_ROW) return nullptr;
    auto shape = std::make_shared<Keyset::Shape>();
    shape->view = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(def.p, 0)));
    QString clean, masked;
    maskDefinition(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(def.p, 1))), &clean, &masked);

    static const QRegularExpression form(
        QStringLiteral("^\\s*CREATE\\s+VIEW\\s+\\S+\\s+AS\\s+SELECT\\s+(.+?)\\s+FROM\\s+(\\w+)"
                       "(?:\\s+(?:AS\\s+)?(?!(?:LEFT|ORDER|WHERE|INNER|JOIN|CROSS|GROUP|NATURAL)\\b)(\\w+))?"
                       "(.*?)(?:\\s+ORDER\\s+BY\\s+(.+?))?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = form.match(masked);
    if (!m.hasMatch()) return nullptr;
    // Only left joins onto lookups keep one view row per table row.
    static const QRegularExpression filters(
        QStringLiteral("\\b(WHERE|GROUP|HAVING|LIMIT|UNION|INTERSECT|EXCEPT|DISTINCT)\\b|,"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression joins(QStringLiteral("\\bJOIN\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression leftJoins(QStringLiteral("\\bLEFT\\s+(?:OUTER\\s+)?JOIN\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString joinPart = m.captured(4);
    if (joinPart.contains(filters)
        || m.captured(1).contains(
            QRegularExpression(QStringLiteral("^DISTINCT\\b"), QRegularExpression::CaseInsensitiveOption)))
        return nullptr;
    const bool joined = joinPart.count(joins) > 0;
    if (joinPart.count(joins) != joinPart.count(leftJoins)) return nullptr;

    shape->table = m.captured(2);
    const QString alias = m.captured(3);
    auto ownTable = [&](const QString& qualifier) {
        if (qualifier.isEmpty()) return !joined;
        return qualifier.compare(alias, Qt::CaseInsensitive) == 0
            || qualifier.compare(shape->table, Qt::CaseInsensitive) == 0;
    };

    // The table's columns the view shows, by the names it shows them under.
    static const QRegularExpression item(QStringLiteral("^(?:(\\w+)\\.)?(\\w+)(?:\\s+(?:AS\\s+)?(\\w+))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> outputOf, columnOf;  // lower-cased keys
    for (const QString& it : splitTopLevel(clean, masked, m.capturedStart(1), m.capturedLength(1))) {
        const QRegularExpressionMatch im = item.match(it);
        if (!im.hasMatch() || !ownTable(im.captured(1))) continue;
        const QString out = im.captured(3).isEmpty() ? im.captured(2) : im.captured(3);
        outputOf.insert(im.captured(2).toLower(), out);
        columnOf.insert(out.toLower(), im.captured(2));
    }

    Stmt info;
    if (!prepare(db, QStringLiteral("PRAGMA table_info(%1)").arg(quoted(shape->table)), info)) return nullptr;
    int keys = 0;
    while (sqlite3_step(info.p) == SQLITE_ROW) {
        if (sqlite3_column_int(info.p, 5) > 0) {
            ++keys;
            shape->key = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.p, 1)));
        }
    }
    if (keys != 1 || !outputOf.contains(shape->key.toLower())) return nullptr;
    shape->keyOutput = outputOf.value(shape->key.toLower());

    static const QRegularExpression term(QStringLiteral("^(?:(\\w+)\\.)?(\\w+)(?:\\s+(ASC|DESC))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    // The order's terms as (column, descending): the table's own columns, or
    // for the list's own order also the view's other columns by their names.
    std::vector<std::pair<QString, bool>> terms;
    bool onView = false;
    auto addTerm = [&](const QRegularExpressionMatch& tm, bool viewNames) {
        if (!tm.hasMatch()) return false;
        QString column;
        if (!viewNames && ownTable(tm.captured(1)))
            column = tm.captured(2);
        else if (tm.captured(1).isEmpty() && columnOf.contains(tm.captured(2).toLower()))
            column = columnOf.value(tm.captured(2).toLower());
        else if (viewNames && tm.captured(1).isEmpty()) {
            column = tm.captured(2);
            onView = true;
        } else
            return false;
        terms.emplace_back(column, tm.captured(3).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0);
        return true;
    };
    if (!orderBy.isEmpty()) {
        QString cleanOrder, maskedOrder;
        maskDefinition(orderBy, &cleanOrder, &maskedOrder);
        for (const QString& t : splitTopLevel(cleanOrder, maskedOrder, 0, cleanOrder.size()))
            if (!addTerm(term.match(t), true)) return nullptr;
    } else if (m.capturedLength(5) > 0) {
        for (const QString& t : splitTopLevel(clean, masked, m.capturedStart(5), m.capturedLength(5)))
            if (!addTerm(term.match(t), false)) return nullptr;
    }
    // On the view every term goes by the view's names; the table's columns
    // are found back under theirs.
    if (onView)
        for (auto& [column, desc] : terms)
            if (outputOf.contains(column.toLower())) column = outputOf.value(column.toLower());
    const QString key = onView ? shape->keyOutput : shape->key;
    shape->keySource = quoted(onView ? shape->view : shape->table);
    shape->keyColumn = quoted(key);
    // Bracketed, an unknown name is an error, not a text that orders nothing.
    auto bracketed = [](const QString& column) { return u'[' + column + u']'; };
    QStringList order, reverse;
    bool keyInOrder = false;
    for (const auto& [column, desc] : terms) {
        order << bracketed(column) + (desc ? QStringLiteral(" DESC") : QString());
        reverse << bracketed(column) + (desc ? QString() : QStringLiteral(" DESC"));
        keyInOrder = keyInOrder || column.compare(key, Qt::CaseInsensitive) == 0;
    }
    // Rows that tie on the view's order keep one place in both directions.
    if (!keyInOrder) {
        order << quoted(key);
        reverse << quoted(key) + QStringLiteral(" DESC");
    }
    shape->order = QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    shape->reverse = QStringLiteral(" ORDER BY ") + reverse.join(QStringLiteral(", "));
    return shape;
}

// The readers open now, by connection and view, to share while nothing changed.
std::map<std::pair<sqlite3*, QString>, std::weak_ptr<Keyset>>& openReaders()
{
    static std::map<std::pair<sqlite3*, QString>, std::weak_ptr<Keyset>> readers;
    return readers;
}

}  // namespace

// --- Keyset

std::shared_ptr<Keyset> Keyset::Open(const QString& sql, Connection& conn)
{
    static const QRegularExpression listForm(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\w+)(?:\\s+order\\s+by\\s+(.+?))?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = listForm.match(sql);
    sqlite3* db = conn.handle();
    if (!m.hasMatch() || !db) return nullptr;
    const Stamp stamp = CurrentStamp(db);
    const QString orderBy = m.captured(2).simplified();
    const auto registryKey = std::make_pair(db,
                                            m.captured(1).toLower() + u'|' + orderBy.toLower() + u'@'
                                                + QString::fromUtf8(sqlite3_db_filename(db, "main")));
    if (auto open = openReaders()[registryKey].lock();
        open && open->m_conn == &conn && open->m_session == conn.Session() && open->m_stamp == stamp)
        return open;

    auto shape = readShape(db, m.captured(1), orderBy);
    if (!shape) return nullptr;
    // An order the view cannot take is left to the snapshot, which says why.
    Stmt all, keys;
    if (!prepare(db, QStringLiteral("SELECT * FROM ") + quoted(shape->view), all)
        || !prepare(db,
                    QStringLiteral("SELECT %1 FROM %2%3 LIMIT 0").arg(shape->keyColumn, shape->keySource, shape->order),
                    keys))
        return nullptr;
    auto ks = std::make_shared<Keyset>();
    ks->m_conn = &conn;
    ks->m_db = db;
    ks->m_session = conn.Session();
    ks->m_shape = shape;
    ks->m_stamp = stamp;
    const int columns = sqlite3_column_count(all.p);
    for (int c = 0; c < columns; ++c) {
        ks->m_names << ColumnName(all.p, c);
        ks->m_dateColumn.push_back(IsDateType(sqlite3_column_decltype(all.p, c)));
    }
    ks->m_keyColumn = int(
        ks->m_names.indexOf(QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(shape->keyOutput)),
                                               QRegularExpression::CaseInsensitiveOption)));
    if (ks->m_keyColumn < 0) return nullptr;

    // Counting a million rows takes longer than showing them: past a few
    // thousand the list shows at once with the rows counted so far, and the
    // exact count follows in idle time.
    long long counted = 0;
    if (!scalar(db,
                QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 LIMIT %2)")
                    .arg(quoted(shape->table))
                    .arg(kExactCountLimit + 1),
                &counted))
        return nullptr;
    ks->m_count = long(counted);
    // The first page is read now: a damaged file is named as the list opens,
    // not met later as rows with nothing in them.
    if (counted > 0) {
        Page first;
        const int rc = ks->readPage(0, first);
        if (rc == SQLITE_OK)
            ks->m_pages.emplace(0, std::move(first));
        else if (!notNow(rc))
            throw ks->m_lastError;
    }
    if (counted > kExactCountLimit) {
        ks->m_exact = false;
        std::weak_ptr<Keyset> weak = ks;
        QTimer::singleShot(kCountDelayMs, [weak] {
            if (auto k = weak.lock()) k->countInSlices();
        });
    }
    openReaders()[registryKey] = ks;
    return ks;
}

// Steps through the table's keys for a few milliseconds at a time, so a
// key press between two slices is never kept waiting for the count.
void Keyset::countInSlices()
{
    if (m_exact || m_conn->Session() != m_session) return;
    QElapsedTimer clock;
    clock.start();
    const QString key = quoted(m_shape->key);
    const QString after = m_countedTo.isEmpty() ? QString() : QStringLiteral(" WHERE %1 > ?1").arg(key);
    Stmt next;
    if (!prepare(m_db, QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %1").arg(key, quoted(m_shape->table), after), next))
        return;
    if (!m_countedTo.isEmpty()) bind(next.p, 1, m_countedTo);
    long stepped = 0;
    int rc;
    while ((rc = sqlite3_step(next.p)) == SQLITE_ROW) {
        ++stepped;
        if (stepped % 256 == 0 && clock.nsecsElapsed() > kCountSliceNs) {
            m_counted += stepped;
            m_countedTo = ReadCell(next.p, 0, false);
            std::weak_ptr<Keyset> weak = weak_from_this();
            QTimer::singleShot(0, [weak] {
                if (auto k = weak.lock()) k->countInSlices();
            });
            return;
        }
    }
    if (rc != SQLITE_DONE) return;  // busy: the estimate stays until the next reload
    m_count = m_counted + stepped;
    m_exact = true;
    m_pages.clear();  // rows read from the far end moved with the count
    tellListeners();
}

void Keyset::tellListeners()
{
    const auto listeners = m_listeners;
    for (const auto& [id, l] : listeners) l();
}

int Keyset::readPage(long page, Page& out)
{
    const long first = page * kPageRows;
    const long n = std::min(kPageRows, m_count - first);
    if (n <= 0 || m_conn->Session() != m_session) return kNotNow;
    // From whichever end is nearer: the last rows cost what the first do.
    // Until the count is exact, or once it was cut short, only the start is
    // a known place.
    const long fromEnd = m_count - (first + n);
    const bool forward = !m_exact || m_cut || first <= fromEnd;
    auto failed = [&](const QString& sql) {
        const int rc = sqlite3_extended_errcode(m_db);
        m_lastError = sqliteError(m_db, rc, sql);
        return rc == SQLITE_OK ? SQLITE_ERROR : rc;
    };
    const QString keysSql =
        QStringLiteral("SELECT %1 FROM %2%3 LIMIT %4 OFFSET %5")
            .arg(m_shape->keyColumn, m_shape->keySource, forward ? m_shape->order : m_shape->reverse)
            .arg(n)
            .arg(forward ? first : fromEnd);
    Stmt keysStmt;
    if (!prepare(m_db, keysSql, keysStmt)) return failed(keysSql);
    std::vector<Variant> keys;
    int rc;
    while ((rc = sqlite3_step(keysStmt.p)) == SQLITE_ROW) keys.push_back(ReadCell(keysStmt.p, 0, false));
    if (rc != SQLITE_DONE) return failed(keysSql);
    if (!forward) std::reverse(keys.begin(), keys.end());

    const int columns = int(m_names.size());
    out.cells.assign(size_t(n) * size_t(columns), Variant());
    if (keys.empty()) return SQLITE_OK;
    QString marks = QStringLiteral("?");
    for (size_t i = 1; i < keys.size(); ++i) marks += QStringLiteral(",?");
    const QString rowsSql = QStringLiteral("SELECT * FROM %1 WHERE %2 IN (%3)")
                                .arg(quoted(m_shape->view), quoted(m_shape->keyOutput), marks);
    Stmt rows;
    if (!prepare(m_db, rowsSql, rows)) return failed(rowsSql);
    for (size_t i = 0; i < keys.size(); ++i)
        if (!bind(rows.p, int(i) + 1, keys[i])) return failed(rowsSql);
    while ((rc = sqlite3_step(rows.p)) == SQLITE_ROW) {
        const Variant key = ReadCell(rows.p, m_keyColumn, m_dateColumn[size_t(m_keyColumn)]);
        const auto at = std::find(keys.begin(), keys.end(), key);
        if (at == keys.end()) continue;
        Variant* row = &out.cells[size_t(at - keys.begin()) * size_t(columns)];
        for (int c = 0; c < columns; ++c) row[c] = ReadCell(rows.p, c, m_dateColumn[size_t(c)]);
    }
    return rc == SQLITE_DONE ? SQLITE_OK : failed(rowsSql);
}

// The rows from this page on are not shown at all: a blank row would pass
// for data, and a button would act on it.
void Keyset::pageFailed(long page)
{
    m_failure = std::make_shared<const AdoError>(m_lastError);
    m_count = std::min(m_count, page * kPageRows);
    m_exact = true;
    m_cut = true;
    m_pages.erase(m_pages.lower_bound(page), m_pages.end());
    // Met while the grid paints: it hears of it once the paint is done.
    std::weak_ptr<Keyset> weak = weak_from_this();
    QTimer::singleShot(0, [weak] {
        if (auto k = weak.lock()) k->tellListeners();
    });
}

const Variant& Keyset::at(long row, int column)
{
    static const Variant none;
    if (row < 0 || row >= m_count || column < 0 || column >= int(m_names.size())) return none;
    const long page = row / kPageRows;
    auto it = m_pages.find(page);
    if (it == m_pages.end()) {
        Page p;
        // A page that cannot be read now (the file locked by a writer) is tried again on the next look.
        if (const int rc = readPage(page, p); rc != SQLITE_OK) {
            if (!notNow(rc)) pageFailed(page);
            return none;
        }
        if (m_pages.size() >= kMaxPages) {
            auto oldest = std::min_element(m_pages.begin(), m_pages.end(),
                                           [](const auto& a, const auto& b) { return a.second.used < b.second.used; });
            m_pages.erase(oldest);
        }
        it = m_pages.emplace(page, std::move(p)).first;
    }
    it->second.used = ++m_uses;
    return it->second.cells[size_t(row - page * kPageRows) * m_names.size() + size_t(column)];
}

int Keyset::listen(Listener l)
{
    m_listeners.emplace(m_nextListener, std::move(l));
    return m_nextListener++;
}

void Keyset::unlisten(int id) { m_listeners.erase(id); }

}  // namespace ado::detail
