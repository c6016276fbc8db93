#include "core/General.h"
#include "core/de1.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/CommitLoop.h"
#include "support/Places.h"
#include "support/StartupFixture.h"
#include "support/Support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sqlcipher/sqlite3.h>

namespace {

TEST(Startup, ConnectionStringHasItsSevenPartsInOrder)
{
    EXPECT_EQ(General::BuildConnectionString(QStringLiteral("/opt/ley7351")),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=kRw461bT;"
                             "Data Source=/opt/ley7351\\dj7351.mdb;Persist Security Info=false"));
}

class StartupTest : public testsupport::StartupFixture {
protected:
    // Start in the folder; what the user saw and whether the main window came up.
    int start(const QString& folder, testsupport::MsgBoxRecorder& boxes, bool& shown)
    {
        General::SetAppPath(folder);
        shown = false;
        (void)boxes;
        return General::Start([&] { shown = true; });
    }
};

TEST_F(StartupTest, OpensTheDatabaseOfTheApplicationFolder)
{
    testsupport::TempDb db(false, false);
    testsupport::MsgBoxRecorder boxes;
    bool shown = false;
    EXPECT_EQ(start(db.folder(), boxes, shown), 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_EQ(de1::conn().State(), 1);
    EXPECT_EQ(General::ConnectionString(), General::BuildConnectionString(db.folder()));
    // A second start keeps the one open connection.
    ado::Connection* before = &de1::conn();
    EXPECT_EQ(start(db.folder(), boxes, shown), 0);
    EXPECT_EQ(before, &de1::conn());
}

TEST_F(StartupTest, ADatabaseThatCannotBeOpenedEndsStartUpWithItsError)
{
    QTemporaryDir empty;
    QTemporaryDir otherKey;
    {
        ado::Connection c;
        c.Create(QDir(otherKey.path()).filePath(QStringLiteral("dj7351.mdb")), QStringLiteral("otra clave"));
        c.Execute(QStringLiteral("create table T (A integer)"));
    }
    QTemporaryDir notADb;
    {
        QFile f(QDir(notADb.path()).filePath(QStringLiteral("dj7351.mdb")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Esto no es una base de datos, es un texto cualquiera de prueba.");
    }
    const struct {
        QString folder;
        const char* prefix;
    } cases[] = {
        {empty.path(), "Error -2147467259: "},
        {otherKey.path(), "Error -2147217843: "},
        {notADb.path(), "Error -2147217843: "},
    };
    for (const auto& c : cases) {
        testsupport::MsgBoxRecorder boxes;
        bool shown = true;
        EXPECT_EQ(start(c.folder, boxes, shown), 1) << c.prefix;
        EXPECT_FALSE(shown);
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QString::fromUtf8(c.prefix)))
            << boxes.messages()[0].prompt.toStdString();
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Sistema Caladero Ley 7351"));
        EXPECT_EQ(de1::conn().State(), 0);
    }
    EXPECT_FALSE(QFile::exists(QDir(empty.path()).filePath(QStringLiteral("dj7351.mdb"))));
}

// A file that opens but is not the system's is refused before any window
// shows, and is left exactly as it was.
// A database whose folder cannot be written (its permissions, or a disk
// mounted read-only) cannot keep its journal: start-up says it is
// read-only and names the folder, and the main window does not come up.
TEST_F(StartupTest, AReadOnlyFolderOrDiskIsNamedAtStartUp)
{
    struct Row {
        const char* place;
        const char* why;
    };
    const Row rows[] = {{"read-only folder", "no se puede escribir en la carpeta '%1'"},
                        {"read-only disk", "la carpeta '%1' está en un disco de sólo lectura"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.place);
        testsupport::TempDb db(false, false);
        std::optional<testsupport::SmallDisk> disk;
        QString folder = db.folder();
        if (QLatin1String(r.place) == QLatin1String("read-only disk")) {
            disk.emplace(4 * 1024 * 1024);
            if (!disk->ok()) GTEST_SKIP() << "this system does not let the test mount a small disk";
            folder = disk->folder();
            ASSERT_TRUE(QFile::copy(db.path(), QDir(folder).filePath(General::DatabaseFileName())));
            ASSERT_TRUE(disk->setReadOnly(true));
        }
        std::optional<testsupport::ReadOnlyFolder> readOnly;
        if (!disk) {
            readOnly.emplace(folder);
            if (!readOnly->ok()) GTEST_SKIP() << "this system cannot make a folder read-only";
        }
        testsupport::MsgBoxRecorder boxes;
        bool shown = false;
        EXPECT_EQ(start(folder, boxes, shown), 1);
        EXPECT_FALSE(shown);
        EXPECT_EQ(boxes.prompts(),
                  QStringList{QStringLiteral("Error -2147467259: No se puede abrir la base de datos, "
                                             "porque ")
                              + QString::fromUtf8(r.why).arg(QDir::toNativeSeparators(folder)) + u'.'});
        EXPECT_EQ(de1::conn().State(), 0);
        if (disk) disk->setReadOnly(false);
    }
}

TEST_F(StartupTest, AnEmptyOrForeignFileIsRefusedAndLeftUntouched)
{
    const auto fileIn = [](const QTemporaryDir& d) { return QDir(d.path()).filePath(QStringLiteral("dj7351.mdb")); };
    QTemporaryDir zero, plain, foreign, partial;
    QFile(fileIn(zero)).open(QIODevice::WriteOnly);
    {
        sqlite3* db = nullptr;  // an SQLite file without a key, with tables of its own
        ASSERT_EQ(sqlite3_open(QFile::encodeName(fileIn(plain)).constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db,
                               "create table CLIENTES (ID integer, NOMBRE text); insert into CLIENTES values (1, 'A')",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    {
        ado::Connection c;  // the program's key, someone else's tables
        c.Create(fileIn(foreign), General::DatabasePassword());
        c.Execute(
            QStringLiteral("create table CLIENTES (ID integer, NOMBRE text); insert into CLIENTES values (1, 'A')"));
    }
    {
        testsupport::TempDb db(false, false);  // the system's, with one table gone
        ado::Connection c;
        c.Open(General::BuildConnectionString(db.folder()));
        c.Execute(QStringLiteral("drop view PES_VW_BOLETA_PAGO"));
        c.Close();
        QFile::copy(db.path(), fileIn(partial));
    }
    for (const QTemporaryDir* d : {&zero, &plain, &foreign, &partial}) {
        SCOPED_TRACE(d->path().toStdString());
        QFile f(fileIn(*d));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        testsupport::MsgBoxRecorder boxes;
        bool shown = true;
        EXPECT_EQ(start(d->path(), boxes, shown), 1);
        EXPECT_FALSE(shown);
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(
            boxes.messages()[0].prompt,
            QStringLiteral(
                "Error -2147217843: No es una contraseña válida, o el archivo no es una base de datos del sistema."));
        EXPECT_EQ(de1::conn().State(), 0);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
        EXPECT_EQ(QDir(d->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("dj7351.mdb")});
    }
}

// A second instance starts while the first saves one row after another.
TEST_F(StartupTest, StartsWhileAnotherInstanceCommitsInALoop)
{
    testsupport::TempDb db(false, false);
    testsupport::CommitLoop other(
        General::BuildConnectionString(db.folder()),
        QStringLiteral("BEGIN IMMEDIATE; update LNV_PES_TB_ESPECIES set PTES_DESCRIPCION = PTES_DESCRIPCION; COMMIT"));
    ASSERT_TRUE(other.waitFor(3)) << other.error().toStdString();
    int started = 0;
    for (int i = 0; i < 30; ++i) {
        testsupport::MsgBoxRecorder boxes;
        bool shown = false;
        if (start(db.folder(), boxes, shown) == 0 && shown && boxes.messages().empty()) ++started;
        de1::conn().Close();
    }
    EXPECT_EQ(started, 30);
}

// A file made before the program used the write-ahead log is moved to it
// on its first start.
TEST_F(StartupTest, AnOlderFileIsMovedToTheWriteAheadLog)
{
    testsupport::TempDb db(false, false);
    {
        ado::Connection c;
        c.Open(General::BuildConnectionString(db.folder()));
        c.Execute(QStringLiteral("PRAGMA journal_mode = DELETE"));
    }
    testsupport::MsgBoxRecorder boxes;
    bool shown = false;
    ASSERT_EQ(start(db.folder(), boxes, shown), 0);
    ado::Recordset rs;
    rs.Open(QStringLiteral("PRAGMA journal_mode"), de1::conn());
    EXPECT_EQ(rs(0).text().toLower(), QStringLiteral("wal"));
}

// Stored exactly as typed: a run of quotes is kept as a run.
TEST(DuplicarComillas, EveryQuoteIsDoubled)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"'", "''"},
        {"''", "''''"},
        {"'''", "''''''"},
        {"O'BRIEN", "O''BRIEN"},
        {"O''BRIEN", "O''''BRIEN"},
        {"O'''BRIEN", "O''''''BRIEN"},
        {"FIN'", "FIN''"},
        {"'A'B''C'", "''A''B''''C''"},
        {"SIN COMILLAS", "SIN COMILLAS"},
        {"AÑO \"2006\"", "AÑO \"2006\""},
        {"PEZ 🐟", "PEZ 🐟"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(General::DuplicarComillas(QString::fromUtf8(c.in)).toStdString(), c.out) << c.in;
}

// What no literal can carry is left out, never a cut statement.
TEST(DuplicarComillas, LeavesOutANulAndHalfASurrogatePair)
{
    const QString nul = QStringLiteral("A") + QChar(0) + QStringLiteral("'B");
    EXPECT_EQ(General::DuplicarComillas(nul), QStringLiteral("A''B"));
    const QString half = QStringLiteral("A") + QChar(0xD83D) + QStringLiteral("B") + QChar(0xDC1F);
    EXPECT_EQ(General::DuplicarComillas(half), QStringLiteral("AB"));
}

}  // namespace
