// The locale reader answers from the system locale as the Windows queries did.
#include "core/clsLocaleInfo.h"
#include "support/LocaleRun.h"
#include "support/Support.h"

#include <gtest/gtest.h>

TEST(LocaleInfoAR, AnswersOfTheArgentineLocale)
{
    ASSERT_EQ(QLocale::system().name(), "es_AR") << "run under LANG=es_AR.UTF-8";
    clsLocaleInfo li;
    EXPECT_EQ(li.Thousands(), ".");
    EXPECT_EQ(li.sDecimal(), ",");
    EXPECT_EQ(li.GetLCID(), 0x2C0A);
    EXPECT_EQ(li.NativeLanguage(), "español");
    EXPECT_EQ(li.Language(), "Spanish (Argentina)");
    EXPECT_EQ(li.CountryName(), "Argentina");
    EXPECT_EQ(li.NativeCountryName(), "Argentina");
    EXPECT_EQ(li.DateFormatOrder(), "DMY");
    EXPECT_EQ(li.LongDateFormatOrder(), "DMY");
    EXPECT_EQ(li.LocaleInfo(clsLocaleInfo::LOCALE_IDATE), "1");
    EXPECT_FALSE(li.ShortDateFormat().isEmpty());
    EXPECT_TRUE(li.LongDateFormat().contains("MMMM"));
    // A constant the reader does not know leaves an empty answer.
    EXPECT_EQ(li.LocaleInfo(0x1234), "");
}

TEST(LocaleInfoUnderC, PointLocaleCasesPass) { testsupport::ExpectPassesUnderC(QStringLiteral("CLocale_*")); }

TEST(CLocale_LocaleInfo, AnswersOfTheCLocale)
{
    SKIP_UNLESS_C_LOCALE();
    clsLocaleInfo li;
    EXPECT_EQ(li.Thousands(), ",");
    EXPECT_EQ(li.sDecimal(), ".");
    EXPECT_EQ(li.GetLCID(), 0x0409);
    EXPECT_EQ(li.CountryName(), "");
    EXPECT_EQ(li.DateFormatOrder(), "DMY");  // Qt's C locale writes "d MMM yyyy"
}
