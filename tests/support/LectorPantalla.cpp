#include "support/LectorPantalla.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace testsupport {

namespace {

// Debian's python3 holds pyatspi; another one first in PATH may not.
QString python()
{
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStringLiteral("python3");
}

}  // namespace

bool EnBusAccesible() { return qEnvironmentVariable("DJ_BUS_ACCESIBLE") == QLatin1String("1"); }

void ExpectPassesOnTheBus(const QString& filter)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    const QString dbus = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    ASSERT_FALSE(xvfb.isEmpty()) << "xvfb-run is missing: run scripts/install-deps";
    ASSERT_FALSE(dbus.isEmpty()) << "dbus-run-session is missing: run scripts/install-deps";
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DJ_BUS_ACCESIBLE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
    // No desktop around: the bus's own launcher must not look for one.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(xvfb,
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"), dbus,
                 QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=") + filter});
    ASSERT_TRUE(child.waitForFinished(540000)) << "the child test process did not finish";
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << out.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_FALSE(out.contains(QLatin1String("[  SKIPPED ]"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("[  PASSED  ]"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QLatin1String("Running 0 tests"))) << out.toStdString();
    // The counts the child printed, for whoever reads the log.
    for (const QString& line : out.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("BUS: "))) std::printf("%s\n", qPrintable(line));
}

LectorPantalla::LectorPantalla()
{
    m_p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_p.start(python(),
              {QStringLiteral(DJ_SOURCE_DIR "/tests/support/lector_pantalla.py"),
               QString::number(QCoreApplication::applicationPid())});
    if (!m_p.waitForStarted(10000)) return;
    m_listo = leer().value(QStringLiteral("listo")).toBool();
}

LectorPantalla::~LectorPantalla()
{
    m_p.closeWriteChannel();
    const QDeadlineTimer fin(5000);
    while (m_p.state() != QProcess::NotRunning && !fin.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_p.waitForFinished(20);
    }
    if (m_p.state() != QProcess::NotRunning) {
        m_p.kill();
        m_p.waitForFinished(2000);
    }
}

QJsonObject LectorPantalla::leer()
{
    const QDeadlineTimer fin(30000);
    while (!m_p.canReadLine() && m_p.state() == QProcess::Running && !fin.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_p.waitForReadyRead(10);
    }
    if (!m_p.canReadLine()) return {{QStringLiteral("error"), QStringLiteral("the reader gave no answer")}};
    return QJsonDocument::fromJson(m_p.readLine()).object();
}

QJsonObject LectorPantalla::pedir(const QString& orden)
{
    if (!m_listo) return {{QStringLiteral("error"), QStringLiteral("the reader is not running")}};
    // The events of the last step reach the bus before the question.
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    m_p.write((orden + QLatin1Char('\n')).toUtf8());
    return leer();
}

}  // namespace testsupport
