// Result columns are named as the provider names them, so that the windows
// find them by name whatever form the statement takes.
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ado;

namespace {

TEST(RecordsetColumnNames, AQualifiedColumnIsNamedWithoutItsTableAlsoInAUnion)
{
    QTemporaryDir dir;
    Connection conn;
    conn.Create(QDir(dir.path()).filePath(QStringLiteral("t.mdb")), QStringLiteral("k"));
    conn.Execute(QStringLiteral("CREATE TABLE T (ID INTEGER, NOMBRE TEXT); INSERT INTO T VALUES (1, 'A'), (2, 'B');"));
    struct Case {
        const char* sql;
        const char* names;
    };
    const Case cases[] = {
        {"select A.ID, T.NOMBRE from T, (select ID from T) as A where A.ID = T.ID", "ID|NOMBRE"},
        {"select A.ID, T.NOMBRE from T inner join (select ID from T) as A on A.ID = T.ID "
         "union select T.ID, T.NOMBRE from T where T.ID > 5",
         "ID|NOMBRE"},
        {"select T.ID as Codigo, max(T.NOMBRE), 'x.y' from T", "Codigo|max(T.NOMBRE)|'x.y'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        Recordset rs;
        rs.Open(QString::fromLatin1(c.sql), conn);
        EXPECT_EQ(rs.FieldNames().join(QLatin1Char('|')).toStdString(), c.names);
        const QString first = QString::fromLatin1(c.names).section(QLatin1Char('|'), 0, 0);
        EXPECT_EQ(rs.Fields(first.toLower()).Name(), first);
    }
}

// Texts repeated down a column share their string; whatever the bytes, each
// cell reads back as stored, and a repeated name finds its first column in
// any case.
TEST(RecordsetColumnNames, RepeatedTextsAndNamesReadBackAsStored)
{
    QTemporaryDir dir;
    Connection conn;
    conn.Create(QDir(dir.path()).filePath(QStringLiteral("t.mdb")), QStringLiteral("k"));
    conn.Execute(QStringLiteral("CREATE TABLE T (ID INTEGER, NOMBRE TEXT)"));
    const QStringList texts = {"ABC", "ABC", "ABD", "ABCD", "CAMARÓN", "CAMARÓN", "CAMARÒN", "", "", "ABC", "ABC"};
    for (int i = 0; i < texts.size(); ++i)
        conn.Execute(QStringLiteral("INSERT INTO T VALUES (%1, '%2')").arg(i).arg(texts[i]));
    conn.Execute(QStringLiteral("INSERT INTO T VALUES (99, NULL), (100, 'ABC')"));

    Recordset rs;
    rs.Open(QStringLiteral("select NOMBRE, ID, ID * 10 as id from T order by ID"), conn);
    ASSERT_EQ(rs.RecordCount(), texts.size() + 2);
    for (int i = 0; i < texts.size(); ++i, rs.MoveNext()) EXPECT_EQ(rs(0).text(), texts[i]) << i;
    EXPECT_TRUE(rs(QStringLiteral("NOMBRE")).isNull());
    rs.MoveNext();
    EXPECT_EQ(rs(QStringLiteral("nombre")).text(), QStringLiteral("ABC"));
    for (const char* name : {"ID", "id", "Id"}) EXPECT_EQ(rs(QString::fromLatin1(name)).integer(), 100) << name;
}

}  // namespace
