// A keyset recordset over a list view reads its rows as they are asked for;
// whatever the path, it must show what the snapshot of the same view shows.
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ado;

namespace {

const QString kKey = QStringLiteral("clave");

// A list view in small: a table with a text key, a lookup left-joined onto
// it (some rows without one), dates, amounts, the latest period first.
class Keyset : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = QDir(dir.path()).filePath(QStringLiteral("k.mdb"));
        conn.Create(path, kKey);
        conn.Execute(QStringLiteral(
            "CREATE TABLE T (NRO TEXT NOT NULL PRIMARY KEY, ANIO INTEGER NOT NULL, MES INTEGER NOT NULL, PID INTEGER, "
            "FECHA DATE, MONTO DOUBLE);"
            "CREATE TABLE P (PID INTEGER PRIMARY KEY, D TEXT);"
            "INSERT INTO P VALUES (1, 'RAWSON'), (2, 'PUERTO MADRYN');"
            "CREATE INDEX T_PERIODO ON T (ANIO DESC, MES DESC, NRO);"
            "CREATE VIEW V AS SELECT A.NRO AS NRO, A.ANIO AS ANIO, A.MES AS MES, A.PID AS PID, P.D AS PUERTO, "
            "A.FECHA AS FECHA, A.MONTO AS MONTO\n  FROM T A\n  LEFT JOIN P ON P.PID = A.PID\n"
            " -- the latest period first, (with a comma) in a comment\n ORDER BY A.ANIO DESC, A.MES DESC, A.NRO;"));
    }
    void fill(int rows)
    {
        conn.Execute(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO T SELECT substr('000000' || (i * 7919 % 1000003), -7), 2000 + i % 7, 1 + i % 12, "
                "CASE WHEN i % 5 = 0 THEN NULL ELSE 1 + i % 2 END, date('2006-01-01', '+' || (i % 400) || ' days'), "
                "i * 1.25 FROM n")
                .arg(rows));
    }
    std::shared_ptr<Recordset> open(const QString& sql, int cursor, Connection& c)
    {
        auto rs = std::make_shared<Recordset>();
        rs->Open(sql, c, cursor);
        return rs;
    }
    std::shared_ptr<Recordset> open(const QString& sql, int cursor) { return open(sql, cursor, conn); }
    // Every cell of every row, the keyset against the snapshot.
    static void expectSameRows(Recordset& keyset, Recordset& snapshot)
    {
        ASSERT_EQ(keyset.RecordCount(), snapshot.RecordCount());
        ASSERT_EQ(keyset.FieldNames(), snapshot.FieldNames());
        long mismatches = 0;
        for (long r = 0; r < snapshot.RecordCount(); ++r)
            for (int c = 0; c < snapshot.FieldCount(); ++c)
                if (!(keyset.at(r, c) == snapshot.at(r, c)) && mismatches++ < 5)
                    ADD_FAILURE() << "row " << r << " column " << c;
        EXPECT_EQ(mismatches, 0);
    }
    QString connectionString() const
    {
        return QStringLiteral("Jet OLEDB:Database Password=") + kKey + QStringLiteral(";Data Source=") + path;
    }

    QTemporaryDir dir;
    QString path;
    Connection conn;
};

TEST_F(Keyset, ReadsEveryRowAsTheSnapshotShowsIt)
{
    fill(300);
    auto keyset = open(QStringLiteral("select * FROM V"), adOpenKeyset);
    auto snapshot = open(QStringLiteral("select * FROM V"), adOpenStatic);
    EXPECT_TRUE(keyset->SameRows(*open(QStringLiteral("select * FROM V"), adOpenKeyset))) << "not read as a keyset";
    // Backwards first: the far end is read from its own side.
    for (long r = snapshot->RecordCount() - 1; r >= 0; r -= 97) EXPECT_EQ(keyset->at(r, 0), snapshot->at(r, 0)) << r;
    expectSameRows(*keyset, *snapshot);
    EXPECT_EQ(keyset->at(0, 5).type(), Variant::Type::Date);

    // Navigation and fields work on it as on any recordset.
    keyset->MoveLast();
    snapshot->MoveLast();
    EXPECT_EQ(keyset->Fields(QStringLiteral("nro")).Value(), snapshot->Fields(QStringLiteral("NRO")).Value());
    keyset->MoveNext();
    EXPECT_TRUE(keyset->Eof());
    EXPECT_TRUE(keyset->at(300, 0).isEmpty());
}

// Above a few thousand rows the count starts as the rows counted before
// showing and settles in idle time; the rows are right before and after.
TEST_F(Keyset, ALargeListShowsAtOnceAndItsCountSettlesLater)
{
    fill(30500);
    conn.Execute(QStringLiteral("DELETE FROM T WHERE rowid BETWEEN 10001 AND 10500"));
    auto keyset = open(QStringLiteral("select * from v"), adOpenKeyset);
    auto snapshot = open(QStringLiteral("select * from v"), adOpenStatic);
    std::vector<Recordset::Change> heard;
    keyset->Watch([&](Recordset::Change c) { heard.push_back(c); });
    EXPECT_EQ(keyset->RecordCount(), 20001);
    EXPECT_EQ(keyset->at(0, 0), snapshot->at(0, 0));
    EXPECT_EQ(keyset->at(20000, 0), snapshot->at(20000, 0));
    QElapsedTimer t;
    t.start();
    while (keyset->RecordCount() != 30000 && t.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_EQ(keyset->RecordCount(), 30000);
    EXPECT_EQ(heard, std::vector<Recordset::Change>{Recordset::Change::Counted});
    expectSameRows(*keyset, *snapshot);
}

// Row ids chosen by the user (a company number) leave gaps that are no rows.
TEST_F(Keyset, NumberedRowsWithGapsCountAsTheyAre)
{
    conn.Execute(
        QStringLiteral("CREATE TABLE E (ID INTEGER PRIMARY KEY, NOMBRE TEXT);"
                       "INSERT INTO E VALUES (1, 'A'), (2147483647, 'B'), (9000000000, 'C');"
                       "CREATE VIEW VE AS SELECT E.ID AS ID, E.NOMBRE AS NOMBRE FROM E ORDER BY E.NOMBRE DESC;"));
    auto keyset = open(QStringLiteral("select * from VE"), adOpenKeyset);
    EXPECT_TRUE(keyset->SameRows(*open(QStringLiteral("select * from VE"), adOpenKeyset)));
    expectSameRows(*keyset, *open(QStringLiteral("select * from VE"), adOpenStatic));
}

TEST_F(Keyset, OtherQueriesAndShapesAreReadAsSnapshots)
{
    fill(50);
    conn.Execute(QStringLiteral(
        "CREATE VIEW V_WHERE AS SELECT A.NRO AS NRO FROM T A WHERE A.MES > 6 ORDER BY A.NRO;"
        "CREATE VIEW V_INNER AS SELECT A.NRO AS NRO, P.D AS D FROM T A JOIN P ON P.PID = A.PID ORDER BY A.NRO;"
        "CREATE VIEW V_NOKEY AS SELECT A.ANIO AS ANIO, A.MES AS MES FROM T A ORDER BY A.ANIO;"
        "CREATE VIEW V_EXPR AS SELECT A.NRO AS NRO, A.MONTO AS MONTO FROM T A ORDER BY A.MONTO * 2;"
        "CREATE VIEW V_GROUP AS SELECT A.ANIO AS NRO, count(*) AS N FROM T A GROUP BY A.ANIO;"));
    const char* cases[] = {
        "select * from V_WHERE", "select * from V_INNER", "select * from V_NOKEY", "select * from V_EXPR",
        "select * from V_GROUP", "select * from T",       "select NRO from V",     "select * from V where MES = 3",
    };
    for (const char* sql : cases) {
        SCOPED_TRACE(sql);
        auto keyset = open(QString::fromLatin1(sql), adOpenKeyset);
        auto again = open(QString::fromLatin1(sql), adOpenKeyset);
        auto snapshot = open(QString::fromLatin1(sql), adOpenStatic);
        EXPECT_FALSE(keyset->SameRows(*again));
        expectSameRows(*keyset, *snapshot);
    }
}

// A list's own order over the view, a lookup's column included (the dock
// prices: newest date first, then the species' name), read as it shows.
TEST_F(Keyset, AListsOwnOrderOverTheViewIsReadInThatOrder)
{
    fill(3000);
    for (const char* order : {"FECHA DESC, PUERTO", "PUERTO DESC, FECHA", "MES, ANIO DESC"}) {
        SCOPED_TRACE(order);
        const QString sql = QStringLiteral("select * FROM V order by ") + QString::fromLatin1(order);
        auto keyset = open(sql, adOpenKeyset);
        EXPECT_TRUE(keyset->SameRows(*open(sql, adOpenKeyset))) << "read as a snapshot";
        auto snapshot = open(sql + QStringLiteral(", NRO"), adOpenStatic);
        expectSameRows(*keyset, *snapshot);
    }
    EXPECT_THROW(open(QStringLiteral("select * FROM V order by NADA"), adOpenKeyset), AdoError);
}

TEST_F(Keyset, AViewWithoutAnOrderIsReadInItsKeysOrder)
{
    fill(200);
    conn.Execute(QStringLiteral("CREATE VIEW V_SIN_ORDEN AS SELECT A.NRO AS NUMERO, P.D AS PUERTO FROM T AS A "
                                "LEFT OUTER JOIN P ON P.PID = A.PID"));
    auto keyset = open(QStringLiteral("SELECT * FROM V_SIN_ORDEN"), adOpenKeyset);
    auto snapshot = open(QStringLiteral("SELECT * FROM V_SIN_ORDEN ORDER BY NUMERO"), adOpenStatic);
    EXPECT_TRUE(keyset->SameRows(*open(QStringLiteral("SELECT * FROM V_SIN_ORDEN"), adOpenKeyset)));
    expectSameRows(*keyset, *snapshot);
}

// A list reads again only when something changed, here or in another program.
TEST_F(Keyset, ChangedByThisConnectionAnotherOneOrTheSchema)
{
    fill(100);
    Connection other;
    other.Open(connectionString());
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"an insert here", [&] { conn.Execute(QStringLiteral("INSERT INTO T VALUES ('X1', 2010, 1, 1, NULL, 1)")); }},
        {"a delete there", [&] { other.Execute(QStringLiteral("DELETE FROM T WHERE NRO = 'X1'")); }},
        {"an update there", [&] { other.Execute(QStringLiteral("UPDATE T SET MONTO = 2 WHERE ANIO = 2001")); }},
        {"a new table here", [&] { conn.Execute(QStringLiteral("CREATE TABLE OTRA (A INTEGER)")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto before = open(QStringLiteral("select * FROM V"), adOpenKeyset);
        auto snapshot = open(QStringLiteral("select * FROM V"), adOpenStatic);
        EXPECT_FALSE(before->Changed());
        EXPECT_FALSE(snapshot->Changed());
        auto unchanged = open(QStringLiteral("select * FROM V"), adOpenKeyset);
        EXPECT_TRUE(before->SameRows(*unchanged));
        c.change();
        EXPECT_TRUE(before->Changed());
        EXPECT_TRUE(snapshot->Changed());
        auto after = open(QStringLiteral("select * FROM V"), adOpenKeyset);
        EXPECT_FALSE(after->SameRows(*before));
        EXPECT_FALSE(after->Changed());
        expectSameRows(*after, *open(QStringLiteral("select * FROM V"), adOpenStatic));
    }
}

// Between two reads nothing is held open: another program writes at once.
TEST_F(Keyset, HoldsNoLockBetweenReads)
{
    fill(500);
    auto keyset = open(QStringLiteral("select * FROM V"), adOpenKeyset);
    EXPECT_FALSE(keyset->at(0, 0).isEmpty());
    EXPECT_FALSE(keyset->at(499, 0).isEmpty());
    Connection other;
    other.Open(connectionString());
    QElapsedTimer t;
    t.start();
    other.Execute(QStringLiteral("BEGIN EXCLUSIVE; INSERT INTO T VALUES ('X2', 2010, 1, 1, NULL, 1); COMMIT;"));
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_FALSE(keyset->at(250, 0).isEmpty());  // reads on after the other's commit
    // With the connection closed, rows read before still show and the others stay blank.
    conn.Close();
    EXPECT_FALSE(keyset->at(250, 0).isEmpty());
    EXPECT_TRUE(keyset->at(300, 0).isEmpty());
    EXPECT_TRUE(keyset->Changed());
}

}  // namespace
