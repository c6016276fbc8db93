#pragma once
// Runs some tests of this executable again in a child process under another
// locale. QLocale::system() is read from the environment and cannot be
// changed in a running process, so the point-decimal cases run this way.
//
// Usage: name the cases CLocale_<Something> and begin each with
// SKIP_UNLESS_C_LOCALE(); one parent test calls ExpectPassesUnderC("CLocale_*").

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

namespace testsupport {

inline bool UnderCLocale()
{
    const QLocale l = QLocale::system();
    return l.decimalPoint() == QLatin1String(".") && l.groupSeparator() == QLatin1String(",");
}

#define SKIP_UNLESS_C_LOCALE()                                                                                         \
    do {                                                                                                               \
        if (!::testsupport::UnderCLocale()) GTEST_SKIP() << "runs in the child process started under LC_ALL=C";        \
    } while (0)

inline void ExpectPassesUnderC(const QString& filter)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + filter});
    ASSERT_TRUE(child.waitForFinished(120000)) << "the child test process did not finish";
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << out.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    // A filter that matched nothing, or cases that skipped, would prove nothing.
    EXPECT_FALSE(out.contains(QLatin1String("[  SKIPPED ]"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("[  PASSED  ]"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QLatin1String("Running 0 tests"))) << out.toStdString();
}

}  // namespace testsupport
