// The program killed at random moments while it saves sales lines: a child
// process drives the real editor (new, changed and deleted lines) and notes
// each save it has shown the clerk; the test kills it with SIGKILL and then
// reads the file. No noted save may be lost, the file must be sound, and
// every header's stored totals must match its lines.
#include "editor_fixture.h"

#include "core/General.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QToolButton>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace editortest;

namespace {

constexpr int kTrials = 50;
constexpr double kRate = 3;

// One line of the notes: "B op renglon" before a save, "A op renglon total"
// once the editor shows it saved.
struct Notes {
    explicit Notes(const QByteArray& path) : fd(::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600)) {}
    ~Notes() { ::close(fd); }
    void line(const QString& s)
    {
        const QByteArray b = (s + QLatin1Char('\n')).toUtf8();
        if (::write(fd, b.constData(), size_t(b.size())) != b.size()) std::abort();
    }
    int fd;
};

void press(forms::Toolbar* tb, const char* key)
{
    QToolButton* b = tb->Buttons(QString::fromLatin1(key)).widget();
    if (!b->isEnabled()) std::abort();
    b->click();
}

}  // namespace

// Run only as the child of the test below, which names the folder.
TEST(CrashChild, DISABLED_SavesLinesUntilKilled)
{
    const QString folder = qEnvironmentVariable("DJ_CRASH_FOLDER");
    ASSERT_FALSE(folder.isEmpty());
    Notes notes(qgetenv("DJ_CRASH_NOTES"));
    QRandomGenerator random(quint32(qEnvironmentVariableIntValue("DJ_CRASH_SEED")));
    testsupport::MsgBoxRecorder boxes;
    text::SetToday(QDate(2006, 5, 15));
    de1::conn().Open(General::BuildConnectionString(folder));
    testsupport::ShowMainWindow();
    frmEditarDJ& ed = forms::Form::Instance<frmEditarDJ>();
    ed.Operacion(2, recordOf(kNro));
    ed.Show();
    testsupport::Settle();
    notes.line(QStringLiteral("ready"));

    for (int i = 0; i < 100000; ++i) {
        const long lines = ed.adoDetalleDJ->Recordset ? ed.adoDetalleDJ->Recordset->RecordCount() : 0;
        const int choice = lines < 3 ? 0 : lines > 6 ? 2 : int(random.bounded(3));
        const double kg = 1 + random.bounded(500);
        if (choice == 0) {
            press(ed.tlb_detalle, "nuevo");
            ed.cbo_Especies->setListIndex(0);
            ed.txt_kg->setValue(kg);
            ed.txt_precio->setValue(1.25);
            ed.txt_MtoTotal->setValue(kg * 1.25);
            notes.line(QStringLiteral("B nuevo 0"));
            press(ed.tlb_detalle, "aceptar");
            // The new line is the highest number.
            long renglon = 0;
            auto& rs = *ed.adoDetalleDJ->Recordset;
            for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
                renglon = std::max(renglon, long(text::CLng(rs(QStringLiteral("PDDJ_NRO")))));
            notes.line(QStringLiteral("A nuevo %1 %2").arg(renglon).arg(kg * 1.25, 0, 'f', 2));
        } else {
            const bool borrar = choice == 2;
            press(ed.tlb_detalle, borrar ? "eliminar" : "modificar");
            const QString renglon = ed.txt_renglon->text();
            if (!borrar) {
                ed.txt_kg->setValue(kg);
                ed.txt_MtoTotal->setValue(kg * ed.txt_precio->Value());
            }
            const double total = ed.txt_MtoTotal->Value();
            notes.line(QStringLiteral("B %1 %2").arg(borrar ? QStringLiteral("eliminar") : QStringLiteral("modificar"),
                                                     renglon));
            press(ed.tlb_detalle, "aceptar");
            notes.line(QStringLiteral("A %1 %2 %3")
                           .arg(borrar ? QStringLiteral("eliminar") : QStringLiteral("modificar"), renglon)
                           .arg(total, 0, 'f', 2));
        }
    }
}

TEST(Crash, KilledWhileSavingLinesLosesNoSavedLineAndLeavesNoStaleTotals)
{
    testsupport::TempDb db;
    insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    insertCompany(3, 20123456786LL, QStringLiteral("PEREZ JUAN CARLOS"));
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), kRate);
    de1::conn().Close();
    const QString notesPath = QDir(db.folder()).filePath(QStringLiteral("notes"));

    // What the file must hold: line number -> amount, from the saves shown.
    QMap<long, double> expected;
    int losses = 0, stale = 0, unsound = 0, saves = 0;
    QRandomGenerator random(7351);
    // The checks read through a connection of their own, open throughout.
    ado::Connection c;
    c.Open(General::BuildConnectionString(db.folder()));
    for (int trial = 0; trial < kTrials; ++trial) {
        QFile::remove(notesPath);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DJ_CRASH_FOLDER"), db.folder());
        env.insert(QStringLiteral("DJ_CRASH_NOTES"), notesPath);
        env.insert(QStringLiteral("DJ_CRASH_SEED"), QString::number(trial));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=CrashChild.*")});
        ASSERT_TRUE(child.waitForStarted());
        auto notes = [&] {
            QFile f(notesPath);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        // From its first save shown on, however fast the machine.
        for (int waited = 0; !notes().contains(QStringLiteral("\nA ")); ++waited) {
            ASSERT_LT(waited, 20000) << "the child never saved";
            ASSERT_EQ(child.state(), QProcess::Running) << "the child ended";
            QThread::msleep(1);
        }
        QThread::msleep(1 + random.bounded(40u));
        child.kill();
        child.waitForFinished();

        // A save begun and not shown may or may not have landed.
        long uncertain = -1;
        for (const QString& n : notes().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList w = n.split(QLatin1Char(' '));
            if (w[0] == QLatin1String("B")) uncertain = w[2].toLong();
            if (w[0] != QLatin1String("A")) continue;
            ++saves;
            uncertain = -1;
            if (w[1] == QLatin1String("eliminar"))
                expected.remove(w[2].toLong());
            else
                expected[w[2].toLong()] = w[3].toDouble();
        }

        ado::Recordset check;
        check.Open(QStringLiteral("PRAGMA integrity_check"), c);
        if (check(0).text() != QLatin1String("ok")) ++unsound;
        QMap<long, double> stored;
        double sum = 0;
        ado::Recordset lines;
        lines.Open(
            QStringLiteral("select PDDJ_NRO, PDDJ_TOTAL from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro),
            c);
        for (; !lines.Eof(); lines.MoveNext()) {
            stored[long(lines(0).toDouble())] = lines(1).toDouble();
            sum += lines(1).toDouble();
        }
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            if (it.key() != uncertain
                && (!stored.contains(it.key()) || std::abs(stored[it.key()] - it.value()) > 0.001))
                ++losses;
        // What the file now holds is what the next trial starts from.
        expected = stored;
        ado::Recordset head;
        head.Open(
            QStringLiteral(
                "select PCDJ_MTOVTAS, PCDJ_IMPORTE, PCDJ_TOTAL from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'")
                .arg(kNro),
            c);
        const double importe = text::Round(kRate * sum / 100, 2);
        if (std::abs(head(0).toDouble() - sum) > 0.001 || std::abs(head(1).toDouble() - importe) > 0.001
            || std::abs(head(2).toDouble() - importe) > 0.001)
            ++stale;
    }
    std::printf("%d trials, %d saves shown, %d lost, %d stale headers, %d unsound files\n", kTrials, saves, losses,
                stale, unsound);
    EXPECT_GE(saves, kTrials);
    EXPECT_EQ(losses, 0);
    EXPECT_EQ(unsound, 0);
    EXPECT_EQ(stale, 0);
}
