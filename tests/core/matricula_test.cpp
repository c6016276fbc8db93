#include "core/Matricula.h"

#include <gtest/gtest.h>

// The four places of the declaration number decide what a matrícula may be.
TEST(Matricula, AcceptsWhatFourDigitsHoldAndNothingElse)
{
    const struct {
        const char* texto;
        bool aceptable;
    } cases[] = {
        {"9999", true},
        {"10000", false},
        {"0045", true},
        {"00009999", true},
        {"0", true},
        {"00", true},
        {"", false},
        {"-5", false},
        {"+5", false},
        {"1.000", false},
        {"1,5", false},
        {" 12", false},
        {"12 ", false},
        {"AB-1", false},
        {"99999999999", false},
        {"000000009999", false},  // longer than the editor's box
    };
    for (const auto& c : cases) EXPECT_EQ(Matricula::Aceptable(QString::fromLatin1(c.texto)), c.aceptable) << c.texto;
}
