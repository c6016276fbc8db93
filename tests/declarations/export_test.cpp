// The export through the list window: each folder under export/ holds the
// SQL that fills the database and the two files the export must write,
// named as the Save dialogs must propose them, byte for byte.
#include "ListFixture.h"

#include "support/LocaleRun.h"
#include "support/Places.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

using namespace listtest;
using testsupport::MsgBoxRecorder;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

struct GoldenCase {
    QString name;
    QString folder;
    QString djName, guiName;  // the expected files, named as proposed
    QByteArray dj, gui;
    QString nro() const { return QString::fromLatin1(dj.left(23)); }
    // The MD5 of both files without their line ends, in capitals.
    QString checksum() const
    {
        QByteArray all = dj + gui;
        all.replace("\r\n", "");
        return QString::fromLatin1(QCryptographicHash::hash(all, QCryptographicHash::Md5).toHex().toUpper());
    }
};

std::vector<GoldenCase> goldenCases()
{
    std::vector<GoldenCase> cases;
    QDir root(QStringLiteral(DJ_SOURCE_DIR "/tests/declarations/export"));
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        GoldenCase c;
        c.name = name;
        c.folder = root.filePath(name);
        const QDir dir(c.folder);
        c.djName = dir.entryList({QStringLiteral("DJ*")}).value(0);
        c.guiName = dir.entryList({QStringLiteral("Gui*")}).value(0);
        c.dj = readAll(dir.filePath(c.djName));
        c.gui = readAll(dir.filePath(c.guiName));
        cases.push_back(c);
    }
    return cases;
}

class Export : public ListWindowTest {
protected:
    frmDDJJ& openCase(const GoldenCase& c)
    {
        exec(QString::fromUtf8(readAll(QDir(c.folder).filePath(QStringLiteral("datos.sql")))));
        frmDDJJ& f = openList();
        selectDeclaration(f, c.nro());
        return f;
    }
    QStringList filesIn(const QString& folder) const
    {
        QStringList all;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) all << it.next();
        return all;
    }
    // One case on a database of its own, through the "disco" button.
    void exportGoldenCase(const GoldenCase& c)
    {
        testsupport::TempDb own(true);
        // A folder of its own: no case reads, or is asked to replace, another's files.
        QTemporaryDir caseOut;
        frmDDJJ& f = openCase(c);
        SaveDialogs dialogs(caseOut.path());
        MsgBoxRecorder boxes;
        click(f, "disco");

        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[0].proposed, c.djName);
        EXPECT_EQ(dialogs.shown[1].proposed, c.guiName);
        EXPECT_EQ(readAll(QDir(caseOut.path()).filePath(c.djName + QStringLiteral(".txt"))), c.dj);
        EXPECT_EQ(readAll(QDir(caseOut.path()).filePath(c.guiName + QStringLiteral(".txt"))), c.gui);
        EXPECT_EQ(f.MD5Archivos, c.checksum());
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].prompt, QStringLiteral("La exportación se ha realizado con éxito"));
        EXPECT_EQ(boxes.messages()[0].style, forms::vbInformation);
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Atención"));
        f.Unload();
        testsupport::Settle();
    }
    QTemporaryDir out;
};

// Each golden case is a test of its own: one failing case hides no other.
class GoldenExport : public Export, public ::testing::WithParamInterface<QString> {
protected:
    GoldenCase golden() const
    {
        for (const GoldenCase& c : goldenCases())
            if (c.name == GetParam()) return c;
        throw std::runtime_error("no golden case " + GetParam().toStdString());
    }
};

QStringList goldenCaseNames()
{
    QStringList names;
    for (const GoldenCase& c : goldenCases()) names << c.name;
    return names;
}

// Test names take letters, digits and underscores only.
std::string testName(const ::testing::TestParamInfo<QString>& info)
{
    QString n = info.param;
    for (QChar& ch : n)
        if (!ch.isLetterOrNumber()) ch = QChar('_');
    return n.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenExport, ::testing::ValuesIn(goldenCaseNames()), testName);

TEST_F(Export, ThereAreGoldenCases) { ASSERT_GE(goldenCases().size(), 3u); }

TEST_P(GoldenExport, WritesTheExpectedFilesAndTheirChecksum) { exportGoldenCase(golden()); }

// The header's amounts are read back from the texts the list shows: under
// a point-decimal locale the files must not change by a byte.
TEST_P(GoldenExport, CLocale_WritesTheSameBytes)
{
    SKIP_UNLESS_C_LOCALE();
    exportGoldenCase(golden());
}

TEST_P(GoldenExport, WritesTheSameBytesUnderAPointDecimalLocale)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("Cases/GoldenExport.CLocale_WritesTheSameBytes/")
                                    + QString::fromStdString(testName({GetParam(), 0})));
}

TEST_F(Export, TheSaveDialogsAskForATextFileStartingAtHomeThenBesideTheFirst)
{
    const GoldenCase c = goldenCases().front();
    frmDDJJ& f = openCase(c);
    SaveDialogs dialogs(out.path());
    MsgBoxRecorder boxes;
    click(f, "disco");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const auto& d : dialogs.shown) {
        EXPECT_EQ(d.title, QStringLiteral("Guardar como"));
        EXPECT_EQ(d.filter, QStringLiteral("Texto (*.txt)|*.txt"));
        EXPECT_EQ(d.defaultExt, QStringLiteral(".txt"));
        EXPECT_TRUE(d.flags & forms::cdlOFNOverwritePrompt);
    }
    EXPECT_EQ(dialogs.shown[0].startFolder, QDir::homePath());
    EXPECT_EQ(dialogs.shown[1].startFolder, QFileInfo(out.path()).absoluteFilePath());
}

TEST_F(Export, ASecondExportReplacesBothFilesOnceTheClerkAgrees)
{
    const GoldenCase c = goldenCases().front();
    for (const QString& name : {c.djName, c.guiName}) {
        QFile old(QDir(out.path()).filePath(name + QStringLiteral(".txt")));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older export, longer than the new one would be if it were only overwritten in place\r\n");
    }
    frmDDJJ& f = openCase(c);
    SaveDialogs dialogs(out.path());
    MsgBoxRecorder boxes({forms::vbYes, forms::vbYes});
    click(f, "disco");
    ASSERT_EQ(boxes.messages().size(), 3u);  // two replace questions, then the success
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(c.djName + QStringLiteral(".txt")));
    EXPECT_TRUE(boxes.messages()[1].prompt.startsWith(c.guiName + QStringLiteral(".txt")));
    EXPECT_EQ(readAll(QDir(out.path()).filePath(c.djName + QStringLiteral(".txt"))), c.dj);
    EXPECT_EQ(readAll(QDir(out.path()).filePath(c.guiName + QStringLiteral(".txt"))), c.gui);
}

TEST_F(Export, CancellingTheFirstDialogWritesNothing)
{
    const GoldenCase c = goldenCases().front();
    frmDDJJ& f = openCase(c);
    f.MD5Archivos = QStringLiteral("OF AN EARLIER RUN");
    SaveDialogs dialogs(out.path(), 1);
    MsgBoxRecorder boxes;
    click(f, "disco");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_EQ(f.MD5Archivos, QString());
}

TEST_F(Export, CancellingTheSecondDialogKeepsTheWholeDJFileAndNoGuiFile)
{
    const GoldenCase c = goldenCases().front();
    frmDDJJ& f = openCase(c);
    SaveDialogs dialogs(out.path(), 2);
    MsgBoxRecorder boxes;
    click(f, "disco");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(filesIn(out.path()), QStringList{QDir(out.path()).filePath(c.djName + QStringLiteral(".txt"))});
    EXPECT_EQ(readAll(QDir(out.path()).filePath(c.djName + QStringLiteral(".txt"))), c.dj);
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_EQ(f.MD5Archivos, QString());
}

TEST_F(Export, AFileThatCannotBeWrittenIsReportedNotCalledASuccess)
{
    const GoldenCase c = goldenCases().front();
    frmDDJJ& f = openCase(c);
    SaveDialogs dialogs(QDir(out.path()).filePath(QStringLiteral("no-such-folder")));
    MsgBoxRecorder boxes;
    click(f, "disco");
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error 76: ")))
        << boxes.messages()[0].prompt.toStdString();
    EXPECT_EQ(boxes.messages()[0].title, forms::AppTitle());
    EXPECT_EQ(f.MD5Archivos, QString());
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
}

// An export that cannot be written (a full disk, a read-only folder) says
// why and leaves the clerk's earlier export byte for byte as it was.
TEST_F(Export, AFailedExportLeavesAnEarlierExportWhole)
{
    const GoldenCase c = goldenCases().front();
    frmDDJJ& f = openCase(c);
    const QString earlierPath = QDir(out.path()).filePath(c.djName + QStringLiteral(".txt"));
    const QByteArray earlier("una exportacion anterior\r\n");
    {
        QFile old(earlierPath);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(earlier);
    }
    using testsupport::UnwritablePlace;
    struct Row {
        const char* place;
        UnwritablePlace::Kind kind;
        QStringList prefixes;
    };
    const Row rows[] = {
        {"full disk", UnwritablePlace::Full, {QStringLiteral("Error 61: Disco lleno."), QStringLiteral("Error 57: ")}},
        {"read-only folder", UnwritablePlace::ReadOnly, {QStringLiteral("Error 70: Permiso denegado")}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.place);
        SaveDialogs dialogs(out.path());
        MsgBoxRecorder boxes({forms::vbYes});  // replace the earlier file
        {
            const testsupport::UnwritablePlace place(r.kind, out.path(), 64);
            if (!place.ok()) GTEST_SKIP() << "this system cannot make a folder read-only";
            click(f, "disco");
        }
        ASSERT_EQ(boxes.messages().size(), 2u);
        const QString shown = boxes.messages()[1].prompt;
        EXPECT_TRUE(std::any_of(r.prefixes.begin(), r.prefixes.end(), [&](const QString& p) {
            return shown.startsWith(p);
        })) << shown.toStdString();
        EXPECT_EQ(f.MD5Archivos, QString());
        EXPECT_EQ(filesIn(out.path()), QStringList{earlierPath});
        EXPECT_EQ(readAll(earlierPath).toStdString(), earlier.toStdString());
    }
}

// A print run computes the same checksum without a dialog, a message or a
// file left anywhere: not in the temporary folder, and not in the folder the
// clerk exports to, even when that is the working folder of the program.
TEST_P(GoldenExport, PrintingGivesTheExportsChecksumAndLeavesNothingBehind)
{
    const GoldenCase c = golden();
    {
        testsupport::TempDb own(true);
        frmDDJJ& f = openCase(c);
        {
            SaveDialogs dialogs(out.path());
            MsgBoxRecorder boxes;
            click(f, "disco");
        }
        const QStringList exported = filesIn(out.path());
        ASSERT_EQ(exported.size(), 2);

        QTemporaryDir tmp;
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QString oldCwd = QDir::currentPath();
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        QDir::setCurrent(out.path());
        SaveDialogs dialogs(out.path());
        MsgBoxRecorder boxes;
        f.MD5Archivos.clear();
        click(f, "imprimir");
        QDir::setCurrent(oldCwd);
        qputenv("TMPDIR", oldTmp);

        EXPECT_EQ(f.MD5Archivos, c.checksum());
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_TRUE(boxes.messages().empty());
        EXPECT_TRUE(filesIn(tmp.path()).isEmpty()) << filesIn(tmp.path()).join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        EXPECT_EQ(filesIn(out.path()), exported);
        EXPECT_EQ(readAll(QDir(out.path()).filePath(c.djName + QStringLiteral(".txt"))), c.dj);
        EXPECT_EQ(readAll(QDir(out.path()).filePath(c.guiName + QStringLiteral(".txt"))), c.gui);
        f.Unload();
        testsupport::Settle();
        for (const QString& p : exported) QFile::remove(p);
    }
}

// The printed declaration must never carry something that is not the
// checksum of its data: a print run that fails hands on no checksum.
TEST_F(Export, APrintRunThatFailsHandsOnNoChecksum)
{
    const GoldenCase c = goldenCases().front();
    frmDDJJ& f = openCase(c);
    exec(QStringLiteral("DROP VIEW PES_VW_GUIAS_DET_EXPORTAR"));
    MsgBoxRecorder boxes;
    f.MD5Archivos = QStringLiteral("OF AN EARLIER RUN");
    click(f, "imprimir");
    EXPECT_EQ(f.MD5Archivos, QString());
    EXPECT_TRUE(boxes.messages().empty());
}

}  // namespace
