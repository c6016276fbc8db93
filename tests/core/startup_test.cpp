#include "core/General.h"
#include "core/de1.h"
#include "platform/ado/Connection.h"
#include "support/Support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Startup, ConnectionStringHasItsSevenPartsInOrder)
{
    EXPECT_EQ(General::BuildConnectionString(QStringLiteral("/opt/ley7351")),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=kRw461bT;"
                             "Data Source=/opt/ley7351\\dj7351.mdb;Persist Security Info=false"));
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (de1::conn().State()) de1::conn().Close();
    }
    void TearDown() override
    {
        General::SetAppPath({});
        if (de1::conn().State()) de1::conn().Close();
    }
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
    const struct { QString folder; const char* prefix; } cases[] = {
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

TEST(DuplicarComillas, EveryRunOfQuotesBecomesOnePair)
{
    const struct { const char* in; const char* out; } cases[] = {
        {"", ""},
        {"'", "''"},
        {"''", "''"},
        {"'''", "''"},
        {"O'BRIEN", "O''BRIEN"},
        {"O''BRIEN", "O''BRIEN"},
        {"O'''BRIEN", "O''BRIEN"},
        {"FIN'", "FIN''"},
        {"'A'B''C'", "''A''B''C''"},
        {"SIN COMILLAS", "SIN COMILLAS"},
        {"AÑO \"2006\"", "AÑO \"2006\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(General::DuplicarComillas(QString::fromUtf8(c.in)).toStdString(), c.out) << c.in;
}

}  // namespace
