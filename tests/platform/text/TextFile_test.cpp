#include "platform/text/TextFile.h"
#include "support/ErrorNumber.h"
#include "support/Places.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(Windows1252, OneBytePerCharacter)
{
    struct Row {
        QString text;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"DJ 2006", "DJ 2006"},
        {QString::fromUtf8("ÑANDÚ año"),
         "\xD1"
         "AND"
         "\xDA"
         " a"
         "\xF1"
         "o"},
        {QString::fromUtf8("Ç°ºª¿¡ÿ"), "\xC7\xB0\xBA\xAA\xBF\xA1\xFF"},
        {QString::fromUtf8("€"), "\x80"},
        {QString::fromUtf8("‚ƒ„…†‡ˆ‰Š‹Œ"), "\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C"},
        {QString::fromUtf8("Ž‘’“”•–—˜™š›œžŸ"), "\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        {QString::fromUtf8("Łódź"),
         "?\xF3"
         "d?"},                                          // outside the code page
        {QString(QChar(0x0081)) + QChar(0x009D), "??"},  // control codes the code page leaves out
        {QString::fromUtf8("A🐟B"), "A??B"},              // one "?" per unit keeps fixed widths
        {"", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text.toStdString());
        EXPECT_EQ(text::ToWindows1252(r.text), r.bytes);
        EXPECT_EQ(text::ToWindows1252(r.text).size(), r.text.size());
    }
}

struct TextFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString in(const QString& name) { return QDir(dir.path()).filePath(name); }
};

TEST_F(TextFileTest, EveryLineEndsWithCrLf)
{
    text::TextFile f(in("DJ20060500123"));
    f.WriteLine(QString::fromUtf8("0000000000000000000000001PESQUERA ÑANDÚ €"));
    f.WriteLine("");
    f.WriteLine("00001");
    f.Close();
    EXPECT_EQ(readAll(in("DJ20060500123")),
              QByteArray("0000000000000000000000001PESQUERA \xD1"
                         "AND\xDA \x80\r\n\r\n00001\r\n"));
}

TEST_F(TextFileTest, NoLinesGivesAnEmptyFile)
{
    text::TextFile f(in("Gui20060500123"));
    f.Close();
    EXPECT_EQ(readAll(in("Gui20060500123")), QByteArray());
}

TEST_F(TextFileTest, ReplacesAnExistingFileAtClose)
{
    const QString path = in("DJ");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("una exportacion anterior mas larga\r\n");
    }
    {
        // A run that fails before Close leaves the earlier file whole.
        text::TextFile f(path);
        f.WriteLine("a medias");
    }
    EXPECT_EQ(readAll(path), QByteArray("una exportacion anterior mas larga\r\n"));

    text::TextFile f(path);
    f.WriteLine("nueva");
    f.Close();
    EXPECT_EQ(readAll(path), QByteArray("nueva\r\n"));
    EXPECT_EQ(errorNumber([&] { f.WriteLine("tarde"); }), 52);
}

TEST_F(TextFileTest, FileThatCannotBeCreated)
{
    struct Row {
        QString path;
        long number;
    };
    const Row rows[] = {
        {in("no-existe/DJ20060500123"), 76}, {"", 76}, {dir.path(), 75},  // a folder of that name
    };
    for (const Row& r : rows) {
        EXPECT_EQ(errorNumber([&] { text::TextFile f(r.path); }), r.number) << r.path.toStdString();
    }
    EXPECT_FALSE(QFile::exists(in("no-existe")));
}

// The export's promise: whatever stops a write, an earlier file stays as it
// was, byte for byte, and no cut file is left beside it.
TEST_F(TextFileTest, AWriteThatCannotFinishLeavesTheEarlierFileWhole)
{
    const QByteArray earlier("una exportacion anterior\r\ncon dos registros\r\n");
    using testsupport::UnwritablePlace;
    struct Row {
        const char* place;
        UnwritablePlace::Kind kind;
        std::vector<long> numbers;
    };
    const Row rows[] = {
        {"full disk", UnwritablePlace::Full, {61, 57}},
        {"read-only folder", UnwritablePlace::ReadOnly, {70}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.place);
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("DJ20060500123"));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(earlier);
        }
        long number = 0;
        {
            const testsupport::UnwritablePlace place(r.kind, folder.path(), 4096);
            if (!place.ok()) GTEST_SKIP() << "this system cannot make a folder read-only";
            number = errorNumber([&] {
                text::TextFile f(path);
                for (int i = 0; i < 2000; ++i) f.WriteLine(QStringLiteral("00001%1").arg(i, 53, 10, QChar(u'0')));
                f.Close();
            });
        }
        EXPECT_TRUE(std::find(r.numbers.begin(), r.numbers.end(), number) != r.numbers.end()) << "error " << number;
        EXPECT_EQ(readAll(path).toStdString(), earlier.toStdString());
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("DJ20060500123")});
    }
}
