#include "core/modNroALetras.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using modNroALetras::NroALetras;

namespace {

struct Case {
    double amount;
    std::int16_t tipo;
    bool parentesis;
    const char* expected;
};

void Check(const Case& c)
{
    EXPECT_EQ(NroALetras(c.amount, c.tipo, c.parentesis), QString::fromLatin1(c.expected))
        << "amount " << c.amount << ", Tipo " << c.tipo << ", Parentesis " << c.parentesis;
}

}  // namespace

// Tipo 0 keeps the text as built, so these show the exact words and blanks.
TEST(NroALetras, Words)
{
    const Case cases[] = {
        {1, 0, false, "un  con 00/100"},
        {2, 0, false, "dos  con 00/100"},
        {3, 0, false, "tres  con 00/100"},
        {4, 0, false, "cuatro  con 00/100"},
        {5, 0, false, "cinco  con 00/100"},
        {6, 0, false, "seis  con 00/100"},
        {7, 0, false, "siete  con 00/100"},
        {8, 0, false, "ocho  con 00/100"},
        {9, 0, false, "nueve  con 00/100"},
        {10, 0, false, "diez  con 00/100"},
        {11, 0, false, "once  con 00/100"},
        {12, 0, false, "doce  con 00/100"},
        {13, 0, false, "trece  con 00/100"},
        {14, 0, false, "catorce  con 00/100"},
        {15, 0, false, "quince  con 00/100"},
        {16, 0, false, "dieciseis  con 00/100"},
        {17, 0, false, "diecisiete  con 00/100"},
        {18, 0, false, "dieciocho  con 00/100"},
        {19, 0, false, "diecinueve  con 00/100"},
        {20, 0, false, "veinte  con 00/100"},
        {21, 0, false, "veintiun  con 00/100"},
        {25, 0, false, "veinticinco  con 00/100"},
        {29, 0, false, "veintinueve  con 00/100"},
        {30, 0, false, "treinta  con 00/100"},
        {31, 0, false, "treinta y un  con 00/100"},
        {40, 0, false, "cuarenta  con 00/100"},
        {45, 0, false, "cuarenta y cinco  con 00/100"},
        {50, 0, false, "cincuenta  con 00/100"},
        {60, 0, false, "sesenta  con 00/100"},
        {70, 0, false, "setenta  con 00/100"},
        {80, 0, false, "ochenta  con 00/100"},
        {90, 0, false, "noventa  con 00/100"},
        {99, 0, false, "noventa y nueve  con 00/100"},
        {100, 0, false, "cien  con 00/100"},
        {101, 0, false, "ciento un  con 00/100"},
        {110, 0, false, "ciento diez  con 00/100"},
        {115, 0, false, "ciento quince  con 00/100"},
        {116, 0, false, "ciento dieciseis  con 00/100"},
        {200, 0, false, "doscientos  con 00/100"},
        {300, 0, false, "trescientos  con 00/100"},
        {400, 0, false, "cuatrocientos  con 00/100"},
        {500, 0, false, "quinientos  con 00/100"},
        {600, 0, false, "seiscientos  con 00/100"},
        {700, 0, false, "setecientos  con 00/100"},
        {800, 0, false, "ochocientos  con 00/100"},
        {900, 0, false, "novecientos  con 00/100"},
        {999, 0, false, "novecientos noventa y nueve  con 00/100"},
    };
    for (const Case& c : cases) Check(c);
}

TEST(NroALetras, GroupWords)
{
    const Case cases[] = {
        {1000, 0, false, "un Mil  con 00/100"},
        {21000, 0, false, "veintiun Mil  con 00/100"},
        {100100, 0, false, "cien Mil cien  con 00/100"},
        {1e6, 0, false, "un Millon  con 00/100"},
        {2e6, 0, false, "dos Millones  con 00/100"},
        {1001001, 0, false, "un Millon un Mil un  con 00/100"},
        {1e9, 0, false, "un Mil Millones  con 00/100"},
        {5e9, 0, false, "cinco Mil Millones  con 00/100"},
        {5003000000, 0, false, "cinco Mil tres Millones  con 00/100"},
        {2001000000, 0, false, "dos Mil un Millon  con 00/100"},
        {1000001000, 0, false, "un Mil Millones un Mil  con 00/100"},
        {1e12, 0, false, "un Billon  con 00/100"},
        {1e13, 0, false, "diez Billones  con 00/100"},
        {1e14, 0, false, "cien Billones  con 00/100"},
        {2000005000000, 0, false, "dos Billones cinco Millones  con 00/100"},
        {999999999999999, 0, false,
         "novecientos noventa y nueve Billones novecientos noventa y nueve Mil novecientos noventa y "
         "nueve Millones novecientos noventa y nueve Mil novecientos noventa y nueve  con 00/100"},
    };
    for (const Case& c : cases) Check(c);
}

TEST(NroALetras, CaseAndTail)
{
    const Case cases[] = {
        {1234.56, 1, false, "UN MIL DOSCIENTOS TREINTA Y CUATRO  CON 56/100"},
        {1234.56, 2, false, "un mil doscientos treinta y cuatro  con 56/100"},
        {1234.56, 3, false, "Un Mil Doscientos Treinta Y Cuatro  Con 56/100"},
        {1234.56, 7, false, "un Mil doscientos treinta y cuatro  con 56/100"},
        {2e6, 2, false, "dos millones  con 00/100"},
        {16, 3, false, "Dieciseis  Con 00/100"},
        {12.5, 2, true, "( doce 50/100)"},
        {12.5, 3, true, "( Doce 50/100)"},
        {3e6, 1, true, "( TRES MILLONES 00/100)"},
        {0, 1, true, "( 00/100)"},
        // Below 1 there are no words.
        {0.5, 1, false, " CON 50/100"},
        {0.05, 0, false, " con 05/100"},
        {0, 0, false, " con 00/100"},
        // No word for the sign.
        {-1234.56, 1, false, "UN MIL DOSCIENTOS TREINTA Y CUATRO  CON 56/100"},
        {-0.5, 1, false, " CON 50/100"},
        {123456789012.34, 1, false,
         "CIENTO VEINTITRES MIL CUATROCIENTOS CINCUENTA Y SEIS MILLONES SETECIENTOS OCHENTA Y NUEVE "
         "MIL DOCE  CON 34/100"},
    };
    for (const Case& c : cases) Check(c);
}

// Cents that round up to a whole unit carry into it instead of reading "100/100".
TEST(NroALetras, CentsCarryIntoTheUnit)
{
    const Case cases[] = {
        {1234.999, 0, false, "un Mil doscientos treinta y cinco  con 00/100"},
        {0.996, 0, false, "un  con 00/100"},
        {99.9951, 0, true, "( cien 00/100)"},
        {1234.994, 0, false, "un Mil doscientos treinta y cuatro  con 99/100"},
    };
    for (const Case& c : cases) Check(c);
}

// Fifteen digits is the layout's limit; past it the clerk gets an error,
// never wrong words.
TEST(NroALetras, RefusesAmountsOutOfRange)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Bad {
        double amount;
        long error;
    };
    const Bad cases[] = {
        {1e15, platform::ErrOverflow},   {-1e15, platform::ErrOverflow},
        {1.5e20, platform::ErrOverflow}, {inf, platform::ErrOverflow},
        {-inf, platform::ErrOverflow},   {std::numeric_limits<double>::quiet_NaN(), platform::ErrInvalidCall},
    };
    for (const Bad& c : cases) EXPECT_EQ(errorNumber([&] { NroALetras(c.amount, 1, false); }), c.error) << c.amount;
    EXPECT_EQ(errorNumber([] { NroALetras(999999999999999.0, 1, false); }), 0);
}
