#include "core/Utiles.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

using namespace Utiles;

TEST(ValidarCUIT, Cases)
{
    struct Case {
        const char* cuit;
        bool valid;
    };
    const Case cases[] = {
        // Real CUITs (AFIP, Banco de la Nacion, YPF, Mercado Libre).
        {"33693450239", true},
        {"30500010912", true},
        {"30546689979", true},
        {"30703088534", true},
        {"30703088535", false},  // wrong check digit
        {"20123456786", true},
        {"23000000019", true},
        {"23000000018", false},
        // Remainder 1: 11 - 1 = 10 becomes 9.
        {"20000000019", true},
        {"20000000010", false},
        // Remainder 0 expects 0.
        {"20000000060", true},
        {"20000000065", false},
        // Every accepted prefix, and some that are not.
        {"24000000007", true},
        {"27000000006", true},
        {"34000000002", true},
        {"20000000001", true},
        {"30000000007", true},
        {"33000000006", true},
        {"21000000008", false},  // right digit, unknown prefix
        {"00000000000", false},
        {"99999999999", false},
        // Only exactly 11 characters.
        {"", false},
        {"3369345023", false},
        {"336934502390", false},
        // Non-digits anywhere are simply invalid.
        {"33-69345023", false},
        {"3369345023X", false},
        {"x3693450239", false},
        {"33693 50239", false},
        {" 3369345023", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ValidarCUIT(QString::fromLatin1(c.cuit)), c.valid) << c.cuit;
}

TEST(DigitoVerificadorInscripcion, Cases)
{
    struct Case {
        double body;
        int digit;
    };
    const Case cases[] = {
        {0, 1},                                                    // six zeros: sum 0, d = 11
        {1, 8},          {100000, 0},                              // sum 1, d = 10
        {12345, 5},      {123456, 3}, {999999, 4}, {1000000, -1},  // seven characters
        {123456789, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(DigitoVerificadorInscripcion(c.body), c.digit) << c.body;
}

TEST(DigitoVerificadorBarras, Cases)
{
    // Code = `zeros` zeros, then `tail`.
    struct Case {
        int zeros;
        const char* tail;
        const char* digit;
    };
    const Case cases[] = {
        {0, "", "0"},
        {79, "", "0"},
        // Weights from the right: 3, 1, 7, 9.
        {78, "1", "7"},
        {77, "10", "9"},
        {76, "100", "3"},
        {75, "1000", "1"},
        {77, "55", "0"},  // sum 20 ends in 0
        {0, "123", "2"},
        {0, "1111111111111111111111111111111111111111111111111111111111111111111111111111111", "9"},
        {0, "5260181590830166131860913909960308246281948219935181909378657975432319487574911", "7"},
        // Position 1 of a 79-digit code weighs 7 (the walk ends at position 3) ...
        {0, "1000000000000000000000000000000000000000000000000000000000000000000000000000000", "3"},
        // ... and 9 in an 80-digit one.
        {0, "10000000000000000000000000000000000000000000000000000000000000000000000000000000", "1"},
    };
    for (const Case& c : cases) {
        const QString code = QString(c.zeros, u'0') + QString::fromLatin1(c.tail);
        EXPECT_EQ(DigitoVerificadorBarras(code), QString::fromLatin1(c.digit)) << code.toStdString();
    }
}

TEST(DigitoVerificadorBarras, RefusesBadInput)
{
    struct Case {
        const char* code;
        long error;
    };
    const Case cases[] = {
        {"1", platform::ErrInvalidCall},      {"12", platform::ErrInvalidCall},   {"12345", platform::ErrInvalidCall},
        {"123456", platform::ErrInvalidCall}, {"12a", platform::ErrTypeMismatch}, {"1 34", platform::ErrTypeMismatch},
        {"-123", platform::ErrTypeMismatch},  {"1a", platform::ErrTypeMismatch},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumber([&] { DigitoVerificadorBarras(QString::fromLatin1(c.code)); }), c.error) << c.code;
}
