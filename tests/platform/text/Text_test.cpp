// Locale-following conversions. The main cases run under es_AR (point for
// thousands, comma for decimals); the CLocale_ cases run again in a child
// process under LC_ALL=C.
#include "platform/text/Text.h"
#include "support/ErrorNumber.h"
#include "support/LocaleRun.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace text;

namespace {

// Every es_AR case starts by proving it runs under es_AR.
class TextAR : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DecimalSeparator(), QChar(',')) << "run under LANG=es_AR.UTF-8";
        ASSERT_EQ(ThousandsSeparator(), QChar('.')) << "run under LANG=es_AR.UTF-8";
    }
};

}  // namespace

TEST_F(TextAR, CStrOfNumbersIsShortestRoundTripWithoutGrouping)
{
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, "1234,5"},
        {0.1, "0,1"},
        {20123456786.0, "20123456786"},
        {-0.25, "-0,25"},
        {0.0, "0"},
        {-0.0, "0"},
        {1e-7, "0,0000001"},
        {123456789012.34, "123456789012,34"},
        // Every digit needed to read the same double back: nothing is lost
        // when a CStr goes into SQL.
        {0.1 + 0.2, "0,30000000000000004"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CStr(c.v), QString::fromUtf8(c.text)) << c.v;
        EXPECT_EQ(CDbl(CStr(c.v)), c.v) << c.text;
    }
}

TEST_F(TextAR, CStrOfVariants)
{
    EXPECT_EQ(CStr(ado::Variant()), "");
    EXPECT_EQ(CStr(ado::Variant::Null()), "");
    EXPECT_EQ(CStr(ado::Variant(-42)), "-42");
    EXPECT_EQ(CStr(ado::Variant(2.5)), "2,5");
    EXPECT_EQ(CStr(ado::Variant("x'y")), "x'y");
    EXPECT_EQ(CStr(ado::Variant(QDate(2006, 5, 7))), "07/05/2006");
    EXPECT_EQ(CStr(std::int64_t(20123456786012)), "20123456786012");
}

TEST_F(TextAR, IsNumericIsStrict)
{
    struct Case {
        const char* text;
        bool numeric;
    };
    const Case cases[] = {
        {"123", true},
        {"  12  ", true},
        {"-1", true},
        {"+1", true},
        {"1.234,5", true},
        {"1.234.567", true},
        {",5", true},
        {"5,", true},
        {"0", true},
        {"", false},
        {"   ", false},
        {",", false},
        {"-", false},
        {"1e5", false},
        {"1E5", false},
        {"&H10", false},
        {"0x10", false},
        {"$5", false},
        {"5%", false},
        {"1,2,3", false},
        {"--1", false},
        {"1-", false},
        {"- 1", false},
        {"1 2", false},
        {".5", false},
        {"5.", false},
        {"1.,5", false},
        {"1,5.3", false},
        {"1;DROP TABLE x", false},
        {"1 or 1=1", false},
        {"\xd9\xa1\xd9\xa2", false},  // Arabic-Indic digits
        {"1\n", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNumeric(QString::fromUtf8(c.text)), c.numeric) << c.text;

    EXPECT_TRUE(IsNumeric(ado::Variant(3)));
    EXPECT_TRUE(IsNumeric(ado::Variant(3.5)));
    EXPECT_TRUE(IsNumeric(ado::Variant()));
    EXPECT_FALSE(IsNumeric(ado::Variant::Null()));
    EXPECT_FALSE(IsNumeric(ado::Variant(QDate(2006, 1, 1))));
    EXPECT_TRUE(IsNumeric(ado::Variant("1.234,5")));
    EXPECT_FALSE(IsNumeric(ado::Variant("1e5")));
}

TEST_F(TextAR, CDblReadsLocaleText)
{
    struct Case {
        const char* text;
        double v;
    };
    const Case cases[] = {
        {"1.234,5", 1234.5},
        {"  -0,25 ", -0.25},
        {"+7", 7},
        {",5", 0.5},
        {"5,", 5},
        // The group character is ignored wherever it stands, as the locale reads it.
        {"1.5", 15},
        {"00012", 12},
        {"20123456786", 20123456786.0},
    };
    for (const auto& c : cases) EXPECT_EQ(CDbl(QString::fromUtf8(c.text)), c.v) << c.text;

    EXPECT_EQ(CDbl(ado::Variant(12)), 12.0);
    EXPECT_EQ(CDbl(ado::Variant()), 0.0);
    EXPECT_EQ(CDbl(ado::Variant("3,25")), 3.25);
}

TEST_F(TextAR, ConversionErrors)
{
    struct Case {
        const char* what;
        std::function<void()> f;
        long error;
    };
    const Case cases[] = {
        {"CDbl letters", [] { CDbl(QStringLiteral("abc")); }, 13},
        {"CDbl empty", [] { CDbl(QString()); }, 13},
        {"CDbl exponent", [] { CDbl(QStringLiteral("1e3")); }, 13},
        {"CDbl Null", [] { CDbl(ado::Variant::Null()); }, 13},
        {"CDbl huge", [] { CDbl(QString(400, QChar('9'))); }, 6},
        {"CInt letters", [] { CInt(QStringLiteral("x")); }, 13},
        {"CInt Null", [] { CInt(ado::Variant::Null()); }, 13},
        {"CLng Null", [] { CLng(ado::Variant::Null()); }, 13},
        {"CLng date", [] { CLng(ado::Variant(QDate(2006, 1, 1))); }, 13},
        {"CInt 32767.5", [] { CInt(32767.5); }, 6},
        {"CInt -32768.6", [] { CInt(-32768.6); }, 6},
        {"CInt integer 40000", [] { CInt(ado::Variant(40000)); }, 6},
        {"CLng 2147483648", [] { CLng(2147483648.0); }, 6},
        {"CLng integer 2^31", [] { CLng(ado::Variant(2147483648LL)); }, 6},
        {"CLng text 2^31", [] { CLng(QStringLiteral("2147483648")); }, 6},
    };
    for (const auto& c : cases) EXPECT_EQ(errorNumber(c.f), c.error) << c.what;
}

TEST_F(TextAR, CIntAndCLngRoundHalfToEven)
{
    struct Case {
        double v;
        int whole;
    };
    const Case cases[] = {
        {2.5, 2},    {3.5, 4},         {-2.5, -2},         {-3.5, -4}, {2.4999, 2},
        {2.5001, 3}, {32767.4, 32767}, {-32768.4, -32768}, {0.5, 0},   {1.5, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt(c.v), c.whole) << c.v;
        EXPECT_EQ(CLng(c.v), c.whole) << c.v;
    }
    EXPECT_EQ(CInt(QStringLiteral("2,5")), 2);
    EXPECT_EQ(CInt(QStringLiteral("1.234")), 1234);
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(ado::Variant(123456)), 123456);
    EXPECT_EQ(CLng(ado::Variant("4")), 4);
}

// One number formatter serves every pattern; rounding is half away from
// zero on the value read to 15 significant digits.
TEST_F(TextAR, FormatNumberPatterns)
{
    struct Case {
        double v;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, "0.00", "1234,50"},
        {0.0, "0.00", "0,00"},
        {-0.001, "0.00", "0,00"},  // rounds to zero: no sign
        {-1.005, "0.00", "-1,01"},
        {2.675, "0.00", "2,68"},  // the double is below the half; the decimal is not
        {0.125, "0.00", "0,13"},
        {1.0049999999999999, "0.00", "1,01"},  // arithmetic noise below 1.005
        {1234567.891, "###,###,##0.00", "1.234.567,89"},
        {0.0, "###,###,##0.00", "0,00"},
        {0.5, "###,###,##0", "1"},
        {999.5, "###,###,##0", "1.000"},
        {-1234.5, "###,###,##0.00", "-1.234,50"},
        {123.0, "###,###,##0", "123"},
        {1234567890123.0, "###,###,##0", "1.234.567.890.123"},  // more digits than placeholders
        {1.2345, "###,###,##0.000", "1,235"},
        {12.5, "#,##0.0", "12,5"},
        {1234.0, "#,##0.0000", "1.234,0000"},
        {20123456786.0, "00000000000", "20123456786"},
        {123.0, "00000000000", "00000000123"},
        {5.0, "000#", "0005"},
        {12345.0, "000#", "12345"},
        {0.0, "000#", "000"},  // "#" shows no digit for a zero
        {5.0, "0#", "05"},
        {12.0, "0#", "12"},
        {7.0, "0000#", "00007"},
        {9011234567.0, "000-000000-0", "901-123456-7"},  // the gross-income number
        {11234567.0, "000-000000-0", "001-123456-7"},
        {12345678901.0, "000-000000-0", "1234-567890-1"},  // more digits than placeholders
        {-12.0, "0-0", "-1-2"},
        {123.5, "0-0.0", "12-3,5"},
        {1.15 * 100, "0000000000000000", "0000000000000115"},  // cents of 1,15
        {49.38 * 100, "0000000000000000", "0000000000004938"},
        {-5.5, "0", "-6"},
        {0.0, "#", ""},
        {1.5, "0.0#", "1,5"},
        {1.255, "0.0#", "1,26"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.v, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text)) << c.v << " " << c.pattern;
}

TEST_F(TextAR, FormatRoundsTheDecimalWhileRoundWorksOnTheDouble)
{
    // Format rounds the written decimal, halves away from zero; Round scales
    // the double and sends an exact half to the even neighbour. They differ
    // where the scaled double falls just below a half: the editors round
    // amounts with Round and only show them with Format, so the cent stored
    // is Round's.
    EXPECT_EQ(Format(1.005, "0.00"), "1,01");
    EXPECT_EQ(Round(1.005, 2), 1.0);  // 1.005 x 100 = 100.49999999999999
    EXPECT_EQ(Format(Round(1.005, 2), "0.00"), "1,00");
    EXPECT_EQ(Format(0.125, "0.00"), "0,13");
    EXPECT_EQ(Format(Round(0.125, 2), "###,###,##0.00"), "0,12");
    // 2.675 is stored below the half, but 2.675 x 100 is exactly 267.5.
    EXPECT_EQ(Round(2.675, 2), 2.68);
    EXPECT_EQ(Format(2.675, "0.00"), "2,68");
}

TEST_F(TextAR, FormatOfVariants)
{
    const QString n23(23, QChar('0'));
    // Text is read exactly: a declaration number keeps all of its 23 digits.
    EXPECT_EQ(Format(ado::Variant("20123456786012320060501"), n23), "20123456786012320060501");
    EXPECT_EQ(Format(ado::Variant("2012345678601232006051"), n23), "02012345678601232006051");
    EXPECT_EQ(Format(ado::Variant("123"), "000#"), "0123");
    EXPECT_EQ(Format(ado::Variant("1.234,5"), "0.00"), "1234,50");
    EXPECT_EQ(Format(ado::Variant("2,675"), "0.00"), "2,68");
    EXPECT_EQ(Format(ado::Variant(9007199254740993LL), "0"), "9007199254740993");
    EXPECT_EQ(Format(ado::Variant(5), "0#"), "05");
    EXPECT_EQ(Format(ado::Variant(1234.5), "###,###,##0.00"), "1.234,50");
    // What does not read as a number or a date comes back as it was.
    EXPECT_EQ(Format(ado::Variant("abc"), "0.00"), "abc");
    EXPECT_EQ(Format(ado::Variant(","), "###,###,##0.00"), ",");
    EXPECT_EQ(Format(ado::Variant(""), "###,###,##0.00"), "");
    EXPECT_EQ(Format(ado::Variant("abc"), "dd/MM/yyyy"), "abc");
    EXPECT_EQ(Format(ado::Variant::Null(), "0.00"), "");
    EXPECT_EQ(Format(ado::Variant(), "dd/MM/yyyy"), "");
}

TEST_F(TextAR, FormatDates)
{
    const QDate d(2006, 5, 7);
    struct Case {
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {"mm/dd/yyyy", "05/07/2006"},
        {"dd/MM/yyyy", "07/05/2006"},
        {"dd/mm/yyyy", "07/05/2006"},
        {"yyyy", "2006"},
        {"mm", "05"},
        {"dd", "07"},
        {"d/m/yy", "7/5/06"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(d, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text)) << c.pattern;
        EXPECT_EQ(Format(ado::Variant(d), QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text)) << c.pattern;
    }
    // Dates that arrive as the texts a grid shows.
    EXPECT_EQ(Format(ado::Variant("07/05/2006"), "mm/dd/yyyy"), "05/07/2006");
    EXPECT_EQ(Format(ado::Variant("7/5/2006"), "dd/MM/yyyy"), "07/05/2006");
    EXPECT_EQ(Format(ado::Variant("2006-05-07"), "dd/MM/yyyy"), "07/05/2006");
    EXPECT_EQ(Format(QDate(), "dd/MM/yyyy"), "");
}

TEST_F(TextAR, FormatRefusesPatternsItDoesNotKnow)
{
    EXPECT_EQ(errorNumber([] { Format(1.0, "0.00%"); }), 5);
    EXPECT_EQ(errorNumber([] { Format(1.0, "#,##0-0"); }), 5);  // a "-" only among ungrouped digits
    EXPECT_EQ(errorNumber([] { Format(1.0, "0.0-0"); }), 5);
    EXPECT_EQ(errorNumber([] { Format(1.0, "dd/MM/yyyy"); }), 13);
    EXPECT_EQ(errorNumber([] { Format(QDate(2006, 1, 1), "0.00"); }), 13);
    EXPECT_EQ(errorNumber([] { Format(QDate(2006, 1, 1), "mmm"); }), 5);
}

TEST_F(TextAR, RoundHalvesToEvenOnTheDouble)
{
    struct Case {
        double v;
        int n;
        double r;
    };
    const Case cases[] = {
        {0.125, 2, 0.12},
        {0.135, 2, 0.14},
        {30.0, 2, 30.0},
        {2.675, 2, 2.68},  // scaled: exactly 267.5, even neighbour 268
        {0.285, 2, 0.28},  // scaled: 28.499999999999996
        {1.005, 2, 1.0},
        {6.25 * 2 / 100, 2, 0.12},  // a tax amount on the exact half
        {6.75 * 2 / 100, 2, 0.14},
        {49.3828, 2, 49.38},
        {1234.57 * 4 / 100, 2, 49.38},
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {-2.5, 0, -2.0},
        {-0.125, 2, -0.12},
        {1e20, 2, 1e20},
        {0.0, 2, 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(Round(c.v, c.n), c.r) << c.v << " to " << c.n;
    EXPECT_EQ(Round(2.5), 2.0);
}

TEST_F(TextAR, IntGoesTowardsMinusInfinity)
{
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.3), -3.0);
    EXPECT_EQ(Int(-2.0), -2.0);
    EXPECT_EQ(Int(12345.6789 * 10000) / 10000, 12345.6789);
}

TEST_F(TextAR, StringHelpers)
{
    EXPECT_EQ(Trim("  a b \t "), "a b \t");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(UCase("peñón"), "PEÑÓN");
    EXPECT_EQ(LCase("PEÑÓN"), "peñón");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 4), "def");
    EXPECT_EQ(Mid("abc", 5), "");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(PadLeft("123", 5, QChar('0')), "00123");
    EXPECT_EQ(PadLeft("123456", 5, QChar('0')), "123456");
    EXPECT_EQ(errorNumber([] { Mid("abc", 0); }), 5);
    EXPECT_EQ(errorNumber([] { Left("abc", -1); }), 5);
}

TEST_F(TextAR, TodayCanBeFixedAndReleased)
{
    SetToday(QDate(2006, 5, 7));
    EXPECT_EQ(Today(), QDate(2006, 5, 7));
    SetToday(QDate());
    EXPECT_EQ(Today(), QDate::currentDate());
}

// ---------------------------------------------------------------- numbers into SQL

// Only plain digits may reach SQL unquoted from a text box.
TEST(SqlNumbers, PlainWholeNumbersOnly)
{
    const struct {
        const char* s;
        int digits;
        bool ok;
    } whole[] = {
        {"123", 3, true}, {"0", 1, true},   {"", 3, false},    {"1234", 3, false}, {"12a", 3, false},
        {"-1", 3, false}, {" 1", 3, false}, {"1.0", 3, false}, {"1,0", 3, false},  {"1 OR 1=1", 9, false},
    };
    for (const auto& c : whole) EXPECT_EQ(EsEnteroSimple(QString::fromLatin1(c.s), c.digits), c.ok) << c.s;
    // Other scripts' digits are no SQL number.
    EXPECT_FALSE(EsEnteroSimple(QString(QChar(0x661)) + QChar(0x662), 3));

    const struct {
        const char* s;
        bool ok;
    } registers[] = {
        {"1", true},           {"2147483647", true},   {"0000000001", true}, {"2147483648", false},
        {"9999999999", false}, {"12345678901", false}, {"", false},          {"-5", false},
    };
    for (const auto& c : registers) EXPECT_EQ(EsNroRegistro(QString::fromLatin1(c.s)), c.ok) << c.s;
}

// Whatever the locale, a point for the decimals and no separators.
TEST(SqlNumbers, NumberTextForSql)
{
    const struct {
        double v;
        const char* sql;
    } cases[] = {
        {1234.5, "1234.5"},
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {3.0, "3"},
        {1234567.89, "1234567.89"},
        {0.05499999999999999, "0.055"},      // 15 significant digits: the product's noise goes
        {1e20, "100000000000000000000.00"},  // never an exponent
    };
    for (const auto& c : cases) EXPECT_EQ(NumeroSQL(c.v), QString::fromLatin1(c.sql)) << c.sql;
}

// ---------------------------------------------------------------- C locale

TEST(TextUnderC, PointLocaleCasesPass) { testsupport::ExpectPassesUnderC(QStringLiteral("CLocale_*")); }

TEST(CLocale_Text, SeparatorsAndConversions)
{
    SKIP_UNLESS_C_LOCALE();
    EXPECT_EQ(DecimalSeparator(), QChar('.'));
    EXPECT_EQ(ThousandsSeparator(), QChar(','));
    EXPECT_EQ(CStr(1234.5), "1234.5");
    EXPECT_EQ(CStr(ado::Variant(0.1)), "0.1");
    EXPECT_EQ(CDbl(QStringLiteral("1,234.5")), 1234.5);
    EXPECT_EQ(CDbl(QStringLiteral("1,5")), 15.0);
    EXPECT_TRUE(IsNumeric(QStringLiteral(" 1,234.5 ")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("1.2.3")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("1.5,3")));
    EXPECT_EQ(CInt(QStringLiteral("2.5")), 2);
}

TEST(CLocale_Text, FormatUsesThePoint)
{
    SKIP_UNLESS_C_LOCALE();
    EXPECT_EQ(Format(1234567.891, "###,###,##0.00"), "1,234,567.89");
    EXPECT_EQ(Format(0.5, "0.00"), "0.50");
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");
    EXPECT_EQ(Format(ado::Variant("1,234.5"), "0.00"), "1234.50");
    EXPECT_EQ(Format(QDate(2006, 5, 7), "mm/dd/yyyy"), "05/07/2006");
}
