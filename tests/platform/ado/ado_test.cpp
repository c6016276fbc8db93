#include "platform/ado/Connection.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/SqlText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ado;

namespace {

const QString kKey = QStringLiteral("clave'de prueba");

// A small encrypted database of its own, not the program's schema.
class AdoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = QDir(dir.path()).filePath(QStringLiteral("t.mdb"));
        conn.Create(path, kKey);
        conn.Execute(QStringLiteral(
            "CREATE TABLE P (ID INTEGER PRIMARY KEY, NOMBRE TEXT NOT NULL UNIQUE, FECHA DATE, VALOR DOUBLE);"
            "CREATE TABLE H (ID INTEGER PRIMARY KEY, P_ID INTEGER REFERENCES P(ID) ON DELETE CASCADE);"
            "CREATE TABLE R (ID INTEGER PRIMARY KEY, P_ID INTEGER REFERENCES P(ID));"));
    }
    QString connectionString(const QString& key) const
    {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=") + key
            + QStringLiteral(";Data Source=") + path + QStringLiteral(";Persist Security Info=false");
    }
    long exec(const QString& sql)
    {
        long n = -1;
        conn.Execute(sql, &n);
        return n;
    }
    long count(const QString& table)
    {
        Recordset rs;
        rs.Open(QStringLiteral("select count(*) from ") + table, conn);
        return long(rs(0).integer());
    }

    QTemporaryDir dir;
    QString path;
    Connection conn;
};

TEST(JetSql, RewritesJetFormsOutsideQuotedTextOnly)
{
    const struct {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"select * from T where F = #05/01/2006#", "select * from T where F = '2006-05-01'"},
        {"select * from T where F <= #5/1/2006# and G > #12/31/1999#",
         "select * from T where F <= '2006-05-01' and G > '1999-12-31'"},
        {"delete * from T where A=1", "delete from T where A=1"},
        {"DELETE  *  FROM T", "DELETE  FROM T"},
        {"delete from T", "delete from T"},
        {"select 'delete * from T', '#05/01/2006#' from T", "select 'delete * from T', '#05/01/2006#' from T"},
        {"select 'it''s #01/02/2003#' from T", "select 'it''s #01/02/2003#' from T"},
        {"select '[select x]. AS A' from T", "select '[select x]. AS A' from T"},
        {"select Sum([A]+[B]) AS Total from T", "select Sum([A]+[B]) AS Total from T"},
        {"SELECT A.X FROM E INNER JOIN [select X from P where F <= #02/03/2004# ]. AS A ON E.X = A.X",
         "SELECT A.X FROM E INNER JOIN (select X from P where F <= '2004-02-03' ) AS A ON E.X = A.X"},
        {"select * from [select 'a]' as Y from T]. AS A", "select * from (select 'a]' as Y from T) AS A"},
        {"select # from T", "select # from T"},
        {"select #13/2006# from T", "select #13/2006# from T"},
        {"-- it's a #01/01/2001# comment\nselect 1", "-- it's a #01/01/2001# comment\nselect 1"},
        {"select 1 -- it's\nfrom T where F=#01/02/2003#", "select 1 -- it's\nfrom T where F='2003-01-02'"},
        {"DELETE*FROM t", "DELETE FROM t"},
        {"delete *from t", "delete from t"},
        // A quote in a bracketed name opens no string, and a '#' there is no date.
        {"select [it's], 'x #01/02/2003#' from T where F = #01/02/2003#",
         "select [it's], 'x #01/02/2003#' from T where F = '2003-01-02'"},
        {"select [#01/02/2003#] from T", "select [#01/02/2003#] from T"},
        {"select * from [select [it's] from T]. AS A", "select * from (select [it's] from T) AS A"},
        // A comment inside a derived table hides its quote from the closing bracket.
        {"select * from [select x -- it's\n, ']. AS B' from T]. AS A",
         "select * from (select x -- it's\n, ']. AS B' from T) AS A"},
        {"select * from [select x /* ' */, ']. AS B' from T]. AS A",
         "select * from (select x /* ' */, ']. AS B' from T) AS A"},
        // A date beside a quote stays a literal of its own.
        {"select 'a'#01/02/2003#'b' from T", "select 'a' '2003-01-02' 'b' from T"},
        {"select #02/29/2004# from T", "select '2004-02-29' from T"},
    };
    for (const auto& c : cases) EXPECT_EQ(JetToSqlite(QString::fromUtf8(c.jet)).toStdString(), c.sqlite) << c.jet;
}

// Where a quoted piece ends, as both the Jet rewrite and the keyset's view
// reader find it: a doubled quote stands for itself and ends nothing.
TEST(SqlText, AQuotedPieceEndsAtItsOwnClosingQuote)
{
    const struct {
        const char* sql;
        int at;
        int length;
    } cases[] = {
        {"'abc' x", 0, 5},      {"'it''s' x", 0, 7},
        {"''''", 0, 4},         {"'''' x", 0, 4},
        {"x 'a''' y", 2, 5},    {"\"na\"\"me\" x", 0, 8},
        {"`na``me` x", 0, 8},   {"'a\"b' x", 0, 5},
        {"'not closed", 0, 11}, {"'ends in a doubled ''", 0, 21},
    };
    for (const auto& c : cases) EXPECT_EQ(QuotedLength(QString::fromUtf8(c.sql), c.at), c.length) << c.sql;
}

// The engine would read a statement only up to a NUL, running what came
// before it alone: a NUL anywhere refuses the whole statement.
TEST(JetSql, ANulAnywhereRefusesTheStatement)
{
    for (const QString& sql : {QStringLiteral("update T set A = 'x") + QChar(0) + QStringLiteral("' where B = 1"),
                               QStringLiteral("update T set A = 1") + QChar(0) + QStringLiteral(" where B = 1")}) {
        try {
            JetToSqlite(sql);
            ADD_FAILURE() << "a NUL went through";
        } catch (const AdoError& e) {
            EXPECT_EQ(e.Number, -2147217900);
            EXPECT_EQ(e.causa, Causa::Otra);
        }
    }
}

TEST(JetSql, ADateTheCalendarDoesNotHaveIsAnError)
{
    const char* cases[] = {
        "insert into T values (#13/45/2024#)",    "select * from T where F = #02/30/2006#",
        "select * from T where F = #02/29/2005#", "select * from T where F = #00/10/2006#",
        "select * from T where F = #01/01/0099#", "select * from [select x from T where F < #04/31/2006#]. AS A",
    };
    for (const char* c : cases) {
        try {
            const QString out = JetToSqlite(QString::fromUtf8(c));
            ADD_FAILURE() << c << " became " << out.toStdString();
        } catch (const AdoError& e) {
            EXPECT_EQ(e.Number, -2147217900) << c;
            EXPECT_TRUE(e.Description.startsWith(QStringLiteral("Error de sintaxis en la fecha"))) << c;
            EXPECT_EQ(e.Sql, QString::fromUtf8(c));
        }
    }
}

TEST(ConnectionString, KeywordsIgnoreCaseAndKeepTheValue)
{
    const QString cs = QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=kRw461bT;Data Source=/a/b\\dj7351.mdb;"
        "Persist Security Info=false");
    EXPECT_EQ(ConnectionStringValue(cs, QStringLiteral("data source")), QStringLiteral("/a/b\\dj7351.mdb"));
    EXPECT_EQ(ConnectionStringValue(cs, QStringLiteral("Jet OLEDB:Database Password")), QStringLiteral("kRw461bT"));
    EXPECT_EQ(ConnectionStringValue(cs, QStringLiteral("User ID")), QString());
}

TEST_F(AdoTest, OpenChecksFileAndKey)
{
    conn.Close();
    Connection c;
    EXPECT_EQ(c.State(), adStateClosed);
    c.Open(connectionString(kKey));
    EXPECT_EQ(c.State(), adStateOpen);
    c.Close();

    struct {
        QString cs;
        long number;
    } failures[] = {
        {connectionString(QStringLiteral("otra")), -2147217843},
        {connectionString(QString()), -2147217843},
        {QStringLiteral("Data Source=") + dir.path() + QStringLiteral("/no-existe.mdb;Jet OLEDB:Database Password=x"),
         -2147467259},
    };
    for (const auto& f : failures) {
        Connection bad;
        try {
            bad.Open(f.cs);
            ADD_FAILURE() << "opened " << f.cs.toStdString();
        } catch (const AdoError& e) {
            EXPECT_EQ(e.Number, f.number) << f.cs.toStdString();
            EXPECT_FALSE(e.Description.isEmpty());
        }
        EXPECT_EQ(bad.State(), adStateClosed);
    }
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/no-existe.mdb"))) << "Open must never create a file";

    // A file that is no database at all.
    const QString junk = dir.path() + QStringLiteral("/junk.mdb");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Connection bad;
    EXPECT_THROW(bad.Open(QStringLiteral("Data Source=") + junk + QStringLiteral(";Jet OLEDB:Database Password=x")),
                 AdoError);
}

TEST_F(AdoTest, TheFileIsEncrypted)
{
    exec(QStringLiteral("insert into P (ID, NOMBRE) values (1, 'MERLUZA HUBBSI')"));
    conn.Close();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));
    EXPECT_FALSE(bytes.contains("MERLUZA"));
}

TEST_F(AdoTest, ExecuteCountsRowsAndAFailedStatementChangesNothing)
{
    EXPECT_EQ(exec(QStringLiteral("insert into P (ID, NOMBRE, VALOR) values (1, 'A', 1.5)")), 1);
    EXPECT_EQ(exec(QStringLiteral("insert into P (ID, NOMBRE, VALOR) values (2, 'B', 2.5)")), 1);
    EXPECT_EQ(exec(QStringLiteral("update P set VALOR = VALOR * 2")), 2);
    EXPECT_EQ(exec(QStringLiteral("update P set VALOR = 0 where ID = 99")), 0);

    // The second row would duplicate a unique name: the whole update fails and nothing moves.
    long n = 42;
    try {
        conn.Execute(QStringLiteral("update P set NOMBRE = 'A', VALOR = 7"), &n);
        FAIL() << "duplicate accepted";
    } catch (const AdoError& e) {
        EXPECT_EQ(e.Number, -2147467259);
        EXPECT_TRUE(e.Description.contains(QStringLiteral("duplicados")));
        EXPECT_EQ(e.Sql, QStringLiteral("update P set NOMBRE = 'A', VALOR = 7"));
    }
    EXPECT_EQ(n, 42) << "a failed statement leaves the count alone";
    Recordset rs;
    rs.Open(QStringLiteral("select NOMBRE, VALOR from P order by ID"), conn);
    EXPECT_EQ(rs("nombre").text(), QStringLiteral("A"));
    rs.MoveNext();
    EXPECT_EQ(rs("NOMBRE").text(), QStringLiteral("B"));
    EXPECT_DOUBLE_EQ(rs("Valor").real(), 5.0);

    const struct {
        const char* sql;
        long number;
    } errors[] = {
        {"insert into P (ID, NOMBRE) values (1, 'Z')", -2147467259},  // duplicate key
        {"insert into P (ID, NOMBRE) values (3, 'A')", -2147467259},  // duplicate unique
        {"insert into P (ID) values (3)", -2147467259},               // required column
        {"insert into R (P_ID) values (77)", -2147467259},            // missing parent
        {"select * from NO_HAY", -2147217865},
        {"selec * from P", -2147217900},
    };
    for (const auto& e : errors) {
        try {
            conn.Execute(QString::fromUtf8(e.sql));
            ADD_FAILURE() << e.sql;
        } catch (const AdoError& err) {
            EXPECT_EQ(err.Number, e.number) << e.sql;
        }
    }
    EXPECT_EQ(count(QStringLiteral("P")), 2);
}

TEST_F(AdoTest, DeletesFollowTheForeignKeys)
{
    exec(QStringLiteral("insert into P (ID, NOMBRE) values (1, 'A')"));
    exec(QStringLiteral("insert into P (ID, NOMBRE) values (2, 'B')"));
    exec(QStringLiteral("insert into H (P_ID) values (1)"));
    exec(QStringLiteral("insert into H (P_ID) values (1)"));
    exec(QStringLiteral("insert into R (P_ID) values (2)"));
    // A parent with cascading children goes with them; the count is of the parent rows.
    EXPECT_EQ(exec(QStringLiteral("delete * from P where ID=1")), 1);
    EXPECT_EQ(count(QStringLiteral("H")), 0);
    // A restricted child refuses the delete: the caller reads the count it had.
    long n = 0;
    EXPECT_THROW(conn.Execute(QStringLiteral("delete from P where ID=2"), &n), AdoError);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(count(QStringLiteral("P")), 1);
}

TEST_F(AdoTest, RecordsetIsAStaticSnapshot)
{
    exec(QStringLiteral("insert into P (ID, NOMBRE, FECHA, VALOR) values (1, 'Ñandú', #05/01/2006#, 0.1)"));
    exec(QStringLiteral("insert into P (ID, NOMBRE, FECHA, VALOR) values (2, 'B', null, 20123456786)"));
    exec(QStringLiteral("insert into P (ID, NOMBRE, FECHA, VALOR) values (3, 'C', #12/31/2007#, null)"));

    Recordset rs;
    rs.Open(QStringLiteral("select ID, NOMBRE, FECHA, VALOR, 'x' as Total from P order by ID"), conn);
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.FieldCount(), 5);
    EXPECT_FALSE(rs.Eof());
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.Fields(0).Name(), QStringLiteral("ID"));
    EXPECT_EQ(rs(0).type(), Variant::Type::Integer);
    EXPECT_EQ(rs(1).text(), QStringLiteral("Ñandú"));
    EXPECT_EQ(rs(2).type(), Variant::Type::Date);
    EXPECT_EQ(rs(2).date(), QDate(2006, 5, 1));
    EXPECT_EQ(rs(3).type(), Variant::Type::Double);
    EXPECT_EQ(rs(QStringLiteral("TOTAL")).text(), QStringLiteral("x"));
    EXPECT_EQ(rs.Bookmark(), 1);

    rs.MoveNext();
    EXPECT_TRUE(rs(2).isNull());
    EXPECT_DOUBLE_EQ(rs(3).toDouble(), 20123456786.0);
    const long second = rs.Bookmark();
    rs.MoveLast();
    EXPECT_TRUE(rs(3).isNull());
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs(0), AdoError) << "no current row at EOF";
    rs.setBookmark(second);
    EXPECT_EQ(rs(0).integer(), 2);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());

    // Later changes do not reach an open snapshot.
    exec(QStringLiteral("delete from P"));
    rs.MoveFirst();
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs(QStringLiteral("nombre")).text(), QStringLiteral("Ñandú"));
    EXPECT_THROW(rs.Fields(QStringLiteral("NO_HAY")), AdoError);
    rs.Close();
    EXPECT_THROW(rs.MoveFirst(), AdoError);

    // Qualified columns are read by their bare names, through a derived table too.
    Recordset q;
    q.Open(QStringLiteral("SELECT A.ID, P.NOMBRE, count(*) FROM P INNER JOIN [select ID from P]. AS A ON P.ID = A.ID"),
           conn);
    EXPECT_EQ(q.FieldNames(), (QStringList{"ID", "NOMBRE", "count(*)"}));

    Recordset empty;
    empty.Open(QStringLiteral("select * from P"), conn);
    EXPECT_EQ(empty.RecordCount(), 0);
    EXPECT_TRUE(empty.Eof());
    EXPECT_TRUE(empty.Bof());
    EXPECT_EQ(empty.FieldCount(), 4);
}

}  // namespace

// A page damaged on disk is named as such, wherever it is met later.
TEST_F(AdoTest, ADamagedPageReadsAsADamagedDatabase)
{
    exec(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 5000) "
                        "insert into P (ID, NOMBRE, VALOR) select i, 'NOMBRE ' || i, i from n"));
    conn.Close();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 40 * 1024);
        f.seek(30 * 1024 + 100);
        f.write("dañado dañado dañado");
    }
    conn.Open(connectionString(kKey));
    try {
        Recordset rs;
        rs.Open(QStringLiteral("select sum(VALOR) from P"), conn);
        ADD_FAILURE() << "read a damaged page";
    } catch (const AdoError& e) {
        EXPECT_EQ(e.Number, adErrGeneric);
        EXPECT_EQ(e.Description, QStringLiteral("La base de datos está dañada."));
    }
}
