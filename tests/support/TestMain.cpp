// Every test executable runs under a QApplication (off screen), so unit and
// window tests share one main.
#include "platform/forms/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::LoadQtSpanish();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
