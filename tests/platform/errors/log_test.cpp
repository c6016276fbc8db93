// The log of trapped errors and refused start-ups: what a record holds
// (the step, the clerk's message, the engine's text, the statement), the
// database key kept out, and the file kept small.
#include "core/General.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Connection.h"
#include "platform/errors/Log.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "registers/frmEditarPrecio.h"
#include "registers/frmPrecios.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
#include "support/StartupFixture.h"
#include "ui/MDIPrincipal.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Points the log at a folder of the test for its lifetime, and reads it back.
class LogFolder {
public:
    LogFolder() : m_old(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path())); }
    ~LogFolder() { qputenv("XDG_DATA_HOME", m_old); }
    LogFolder(const LogFolder&) = delete;
    LogFolder& operator=(const LogFolder&) = delete;

    static QString read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    QString text() const { return read(platform::LogFilePath()); }
    QStringList lines() const { return text().split(u'\n', Qt::SkipEmptyParts); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

const QRegularExpression kStamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\S* "));

class TrappedInAWindow : public testsupport::MainWindowTest {
protected:
    TrappedInAWindow() : MainWindowTest(false, QDate(2006, 5, 15)) {}
    LogFolder log;
};

TEST_F(TrappedInAWindow, AnEngineFailureIsLoggedWithItsStepEngineTextAndStatement)
{
    testsupport::exec(QStringLiteral("create trigger rechazo before insert on LNV_PES_TB_PRECIOS_LEY7351 "
                                     "begin select raise(abort, 'precio rechazado por el motor'); end"));
    frmPrecios& list = openFromMenu<frmPrecios>(main->op_Precios);
    click(list.tlbMonedas, "nuevo");
    frmEditarPrecio& e = window<frmEditarPrecio>();
    choose(e.cbo_Especies, QStringLiteral("ABADEJO"));
    type(e.txt_precio, QStringLiteral("7,125"));
    click(e.toolbar, "aceptar");

    const QString shown = QStringLiteral("Error -2147467259: La operación viola una regla de la base de datos.");
    ASSERT_EQ(prompts(), QStringList{shown});
    EXPECT_EQ(testsupport::count(QStringLiteral("select count(*) from LNV_PES_TB_PRECIOS_LEY7351")), 0);
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 1) << log.text().toStdString();
    const QString& line = lines[0];
    EXPECT_TRUE(kStamp.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(line.contains(
        QRegularExpression(QStringLiteral("frmEditarPrecio::InsertarPrecio\\(\\) \\(frmEditarPrecio\\.cpp:\\d+\\): "))))
        << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral(": ") + shown)) << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral(" | motor: precio rechazado por el motor (SQLite ")))
        << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral(" | sentencia: insert into LNV_PES_TB_PRECIOS_LEY7351 (")))
        << line.toStdString();
}

// What the application's notify does with an error that escapes a handler.
class Ventana : public forms::Form {};

TEST(LogNotify, AnErrorEscapingAHandlerIsLoggedWithTheReceiverAndTheEvent)
{
    LogFolder log;
    testsupport::MsgBoxRecorder boxes;
    auto& w = forms::Form::Instance<Ventana>();
    w.setObjectName(QStringLiteral("frmPrueba"));
    auto* button = new QPushButton(&w);
    button->setObjectName(QStringLiteral("cmdPrueba"));
    QEvent press(QEvent::MouseButtonPress);

    ado::AdoError engine(ado::adErrGeneric, QStringLiteral("El disco está lleno."),
                         QStringLiteral("update T set A = 1"), ado::Causa::Llena);
    engine.Motor = QStringLiteral("database or disk is full (SQLite 13)");
    const struct {
        const char* what;
        std::function<void()> raise;
        const char* shown;
        const char* detail;
    } cases[] = {
        {"a database error", [&] { throw engine; }, "Error -2147467259: El disco está lleno.",
         " | motor: database or disk is full (SQLite 13) | sentencia: update T set A = 1"},
        {"any other exception", [] { throw std::runtime_error("fuera de rango"); }, "Error -2147467259: fuera de rango",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.clear();
        const int before = int(log.lines().size());
        EXPECT_FALSE(forms::DeliverTrapped(button, &press, [&]() -> bool {
            c.raise();
            return true;
        }));
        EXPECT_EQ(boxes.prompts(), QStringList{QString::fromUtf8(c.shown)});
        const QStringList lines = log.lines();
        ASSERT_EQ(lines.size(), before + 1);
        EXPECT_TRUE(lines.last().endsWith(
            QStringLiteral(
                "QApplication::notify: QPushButton \"cmdPrueba\" en frmPrueba, evento QEvent::MouseButtonPress: ")
            + QString::fromUtf8(c.shown) + QString::fromUtf8(c.detail)))
            << lines.last().toStdString();
    }
    w.Unload();
}

class LogStartup : public testsupport::StartupFixture {
protected:
    LogFolder log;
};

TEST_F(LogStartup, ARefusedStartUpIsLoggedWithItsFolderAndCauseAndNeverTheKey)
{
    QTemporaryDir missing, notADb;
    {
        QFile f(QDir(notADb.path()).filePath(QStringLiteral("dj7351.mdb")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Esto no es una base de datos, es un texto cualquiera de prueba.");
    }
    const struct {
        QString folder;
        const char* record;
    } cases[] = {
        {missing.path(), ": Error -2147467259: No se pudo encontrar el archivo '"},
        {notADb.path(),
         ": Error -2147217843: No es una contraseña válida, o el archivo no es una base de datos del "
         "sistema. | motor: file is encrypted or is not a database (SQLite 26)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        testsupport::MsgBoxRecorder boxes;
        General::SetAppPath(c.folder);
        const int before = int(log.lines().size());
        EXPECT_EQ(General::Start([] {}), 1);
        EXPECT_EQ(boxes.messages().size(), 1u);
        const QStringList lines = log.lines();
        ASSERT_EQ(lines.size(), before + 1);
        EXPECT_TRUE(lines.last().contains(QStringLiteral("Inicio rechazado en General::Main (") + c.folder + u')'))
            << lines.last().toStdString();
        EXPECT_TRUE(lines.last().contains(QString::fromUtf8(c.record))) << lines.last().toStdString();
    }
    EXPECT_FALSE(log.text().contains(General::DatabasePassword()));
}

// Whatever a failure carries, the key is written as asterisks: in its
// statement, or the whole connection string in its text.
TEST(LogKey, TheDatabaseKeyNeverReachesTheLog)
{
    LogFolder log;
    testsupport::TempDb db;  // opens de1.conn with the program's key
    testsupport::MsgBoxRecorder boxes;
    const QString key = General::DatabasePassword();
    const std::function<void()> steps[] = {
        [&] { de1::conn().Execute(QStringLiteral("select '%1' from NO_EXISTE").arg(key)); },
        [&] { throw platform::Error(platform::ErrInvalidCall, General::BuildConnectionString(db.folder())); },
    };
    for (const auto& step : steps) EXPECT_FALSE(forms::Atrapar(step));
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 2) << log.text().toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("sentencia: select '********' from NO_EXISTE")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("Jet OLEDB:Database Password=********;"))) << lines[1].toStdString();
    EXPECT_FALSE(log.text().contains(key));
    // The clerk's own message is not the log's business.
    EXPECT_EQ(boxes.messages().size(), 2u);
}

TEST(LogFile, StaysUnderItsLimitWithOneOlderFileAndWholeRecords)
{
    LogFolder log;
    const QString big(1000, u'x');
    constexpr int kRecords = 700;  // about 700 KB: the file turns over twice
    for (int i = 0; i < kRecords; ++i)
        platform::LogError(QStringLiteral("registro %1").arg(i), platform::Error(platform::ErrInvalidCall, big));

    const QString path = platform::LogFilePath(), older = path + QStringLiteral(".1");
    EXPECT_LE(QFileInfo(path).size(), platform::LogFileLimit);
    EXPECT_LE(QFileInfo(older).size(), platform::LogFileLimit);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files),
              (QStringList{QStringLiteral("dj7351.log"), QStringLiteral("dj7351.log.1")}));
    // The newest records in the file, the ones just before them in the older one, each on a line of its own.
    const QStringList now = log.lines(), before = LogFolder::read(older).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(now.isEmpty());
    ASSERT_FALSE(before.isEmpty());
    const QRegularExpression record(QStringLiteral("registro (\\d+): Error 5: x{1000}$"));
    auto number = [&](const QString& line) {
        const auto m = record.match(line);
        EXPECT_TRUE(m.hasMatch() && kStamp.match(line).hasMatch()) << line.left(80).toStdString();
        return m.captured(1).toInt();
    };
    for (const QStringList* lines : {&now, &before})
        for (qsizetype i = 1; i < lines->size(); ++i) EXPECT_EQ(number((*lines)[i]), number((*lines)[i - 1]) + 1);
    EXPECT_EQ(number(now.last()), kRecords - 1);
    EXPECT_EQ(number(now.first()), number(before.last()) + 1);
}

}  // namespace
