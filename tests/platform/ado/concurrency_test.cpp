// Two connections on one file, as two instances of the program on one
// machine: waits, the "in use" failure, and what each sees of the other.
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/CommitLoop.h"
#include "support/Places.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ado;

namespace {

const QString kKey = QStringLiteral("clave");

class TwoConnections : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = QDir(dir.path()).filePath(QStringLiteral("t.mdb"));
        mine.Create(path, kKey);
        mine.Execute(QStringLiteral("CREATE TABLE L (ID INTEGER PRIMARY KEY, V DOUBLE)"));
    }
    QString connectionString() const
    {
        return QStringLiteral("Jet OLEDB:Database Password=") + kKey + QStringLiteral(";Data Source=") + path;
    }
    static long count(Connection& c)
    {
        Recordset rs;
        rs.Open(QStringLiteral("select count(*) from L"), c);
        return long(rs(0).integer());
    }
    static QString journalMode(Connection& c)
    {
        Recordset rs;
        rs.Open(QStringLiteral("PRAGMA journal_mode"), c);
        return rs(0).text();
    }

    QTemporaryDir dir;
    QString path;
    Connection mine;
};

TEST_F(TwoConnections, ANewDatabaseLetsAReaderAndAWriterProceedTogether)
{
    EXPECT_EQ(journalMode(mine).toLower(), QStringLiteral("wal"));
    mine.Execute(QStringLiteral("insert into L (V) values (1)"));
    Connection other;
    other.Open(connectionString());
    other.setBusyTimeout(100);

    // The other instance's pending save neither blocks nor shows here.
    other.Execute(QStringLiteral("BEGIN IMMEDIATE; insert into L (V) values (2)"));
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(count(mine), 1);
    EXPECT_LT(t.elapsed(), 100);
    other.Execute(QStringLiteral("COMMIT"));
    EXPECT_EQ(count(mine), 2);

    // A list held open in a read transaction does not block the other's save.
    mine.Execute(QStringLiteral("BEGIN"));
    EXPECT_EQ(count(mine), 2);
    EXPECT_NO_THROW(other.Execute(QStringLiteral("insert into L (V) values (3)")));
    EXPECT_EQ(count(mine), 2) << "the open snapshot stays as it was read";
    mine.Execute(QStringLiteral("COMMIT"));
    EXPECT_EQ(count(mine), 3);
}

TEST_F(TwoConnections, AWriteThatWaitsPastTheLimitSaysTheDatabaseIsInUseAndChangesNothing)
{
    mine.Execute(QStringLiteral("insert into L (V) values (1)"));
    Connection other;
    other.Open(connectionString());
    other.setBusyTimeout(300);
    mine.Execute(QStringLiteral("BEGIN IMMEDIATE; insert into L (V) values (2)"));

    QElapsedTimer t;
    t.start();
    try {
        other.Execute(QStringLiteral("insert into L (V) values (3); insert into L (V) values (4)"));
        ADD_FAILURE() << "wrote past another instance's lock";
    } catch (const AdoError& e) {
        EXPECT_EQ(e.Number, adErrGeneric);
        EXPECT_EQ(e.Description,
                  QStringLiteral("La base de datos está en uso por otra ventana o programa. "
                                 "Espere un momento y vuelva a intentarlo."));
    }
    EXPECT_GE(t.elapsed(), 250) << "it waited for the lock first";
    mine.Execute(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(count(other), 1);
    // Once the lock is gone the same save goes through.
    other.Execute(QStringLiteral("insert into L (V) values (3)"));
    EXPECT_EQ(count(mine), 2);
}

// Opening waits for the other's lock from its very first read; with the
// write-ahead log a reader hardly ever has to.
TEST_F(TwoConnections, OpeningWhileAnotherCommitsInALoopWaitsInsteadOfFailing)
{
    // Another instance committing one row after another until the test ends.
    testsupport::CommitLoop writer(connectionString(),
                                   QStringLiteral("BEGIN IMMEDIATE; insert into L (V) values (1); COMMIT"));
    ASSERT_TRUE(writer.waitFor(3)) << writer.error().toStdString();
    for (int i = 0; i < 30; ++i) {
        Connection c;
        EXPECT_NO_THROW(c.Open(connectionString())) << "start " << i;
        EXPECT_NO_THROW(count(c)) << "start " << i;
    }
    EXPECT_GT(writer.commits(), 3);
}

// A commit the disk cannot take (full) stores nothing of the action, and
// the connection goes on: not left inside a transaction that would swallow
// every later statement.
TEST_F(TwoConnections, ACommitTheDiskCannotTakeStoresNothingAndTheConnectionGoesOn)
{
    mine.Execute(QStringLiteral("insert into L (V) values (1)"));
    Connection other;
    other.Open(connectionString());
    {
        testsupport::FullDisk full(QFileInfo(path + QStringLiteral("-wal")).size() + 2048);
        try {
            Transaccion t(mine);
            mine.Execute(
                QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 20000) "
                               "insert into L (V) select i from n"));
            t.Commit();
            ADD_FAILURE() << "committed past a full disk";
        } catch (const AdoError& e) {
            EXPECT_FALSE(e.Description.isEmpty());
        }
    }
    EXPECT_FALSE(mine.InTransaction());
    EXPECT_EQ(count(mine), 1);
    EXPECT_EQ(count(other), 1);
    mine.Execute(QStringLiteral("insert into L (V) values (2)"));
    EXPECT_EQ(count(other), 2) << "a later statement commits on its own again";
}

}  // namespace
