// Every test executable runs under a QApplication (off screen), so unit and
// window tests share one main.
#include "platform/forms/Application.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The log of trapped errors lands in a folder of the run, never in the user's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    forms::PrepararAplicacion();
    ::testing::InitGoogleTest(&argc, argv);
    // ctest lists the tests to run one by one: the point-locale cases and
    // the accessibility-bus cases are left out, their parent tests run them
    // in a child (under LC_ALL=C, on the bus).
    if (::testing::GTEST_FLAG(list_tests) && ::testing::GTEST_FLAG(filter) == "*")
        ::testing::GTEST_FLAG(filter) = "-CLocale_*:*.CLocale_*:*.Bus_*";
    return RUN_ALL_TESTS();
}
