// The field encodings and record layouts of the export, checked directly.
#include "declarations/ExportRecords.h"

#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/text/Text.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace ExportRecords;
using E = Encoding;

namespace {

QString encode(E e, int width, const ado::Variant& v) { return Encode({e, width, v}); }

TEST(ExportEncoding, CentsRoundTheDoubleProductHalvesAwayFromZero)
{
    const struct {
        double value;
        int width;
        const char* expected;
    } cases[] = {
        {1.235, 16, "0000000000000124"},  // 1.235 * 100 lies just above 123.5
        {2.675, 16, "0000000000000268"},  // the product is exactly 267.5
        {0.29, 16, "0000000000000029"},   // the product lies just below 29
        {1.005, 16, "0000000000000100"},  // 100.49999999999999: no half to round
        {-2.675, 16, "-0000000000000268"},
        {-0.001, 16, "0000000000000000"},  // rounds to zero: no sign
        {0, 16, "0000000000000000"},
        {4, 4, "0400"},  // a rate of 4 per cent
        {3, 4, "0300"},
        {123.45, 4, "12345"},  // longer than the width: written whole
        {1e17, 16, "10000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encode(E::Cents, c.width, c.value), QString::fromLatin1(c.expected)) << c.value;
}

TEST(ExportEncoding, NumbersShownAsTextAreReadInTheLocale)
{
    // The header's values come from the list's texts, shown with the
    // locale's decimal separator (a comma under es_AR).
    const QString shown = text::CStr(1853.28);
    EXPECT_EQ(encode(E::Cents, 16, shown), QStringLiteral("0000000000185328"));
    EXPECT_EQ(encode(E::Digits, 5, QStringLiteral("12")), QStringLiteral("00012"));
}

TEST(ExportEncoding, ValuesThatAreNoNumberAreRefused)
{
    for (const ado::Variant& v : {ado::Variant(QString()), ado::Variant(QStringLiteral("12a")), ado::Variant::Null()})
        for (E e : {E::Cents, E::Digits})
            EXPECT_EQ(errorNumber([&] { encode(e, 5, v); }), platform::ErrTypeMismatch) << text::CStr(v).toStdString();
    EXPECT_EQ(errorNumber([] { encode(E::Date, 10, QStringLiteral("03/05/2006")); }), platform::ErrTypeMismatch);
    EXPECT_EQ(errorNumber([] { encode(E::Date, 10, ado::Variant::Null()); }), platform::ErrTypeMismatch);
}

TEST(ExportEncoding, FixedWidthTextsAndNumbers)
{
    const QString sixty = QStringLiteral("NUESTRA SEÑORA DE LA CANDELARIA Y SAN JOSÉ DE LOS PESCADORES");
    const struct {
        E encoding;
        int width;
        ado::Variant value;
        QString expected;
    } cases[] = {
        {E::Guide12, 12, QStringLiteral("123"), QStringLiteral("000000000123")},
        {E::Guide12, 12, QStringLiteral("0012 A"), QStringLiteral("00000000120A")},
        {E::Guide12, 12, QStringLiteral("A 1 2"), QStringLiteral("0000000A0102")},
        {E::Guide12, 12, QStringLiteral("ABCDEFGHIJKLM"), QStringLiteral("ABCDEFGHIJKLM")},  // never cut
        {E::Text, 50, sixty, sixty.left(50)},
        {E::Text, 50, QStringLiteral("DON JUAN"), QStringLiteral("DON JUAN") + QString(42, QChar(' '))},
        {E::Text, 50, QString(), QString(50, QChar(' '))},
        {E::Number23, 23, QStringLiteral("1234"), QStringLiteral("00000000000000000001234")},
        {E::Digits, 5, 0, QStringLiteral("00000")},
        {E::Digits, 2, 6, QStringLiteral("06")},
        {E::Digits, 2, 123, QStringLiteral("123")},
        {E::Date, 10, QDate(2006, 5, 3), QStringLiteral("03/05/2006")},
        {E::AsIs, 0, QStringLiteral("N"), QStringLiteral("N")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Encode({c.encoding, c.width, c.value}), c.expected) << c.expected.toStdString();
}

TEST(ExportFileNames, YearMonthInTwoDigitsAndMatriculaInFive)
{
    EXPECT_EQ(QStringLiteral("DJ") + FileSuffix(QStringLiteral("2006"), QStringLiteral("5"), QStringLiteral("123")),
              QStringLiteral("DJ20060500123"));
    EXPECT_EQ(QStringLiteral("Gui") + FileSuffix(QStringLiteral("2006"), QStringLiteral("12"), QStringLiteral("12345")),
              QStringLiteral("Gui20061212345"));
}

TEST(ExportRecord, HeaderFromTheListRow)
{
    QStringList row;
    for (int i = 0; i < 26; ++i) row << QString();
    row[0] = QStringLiteral("30708123451012320060501");
    row[3] = QStringLiteral("1");
    row[7] = QStringLiteral("DON JUAN CARLOS");
    row[8] = QStringLiteral("N");
    row[10] = QStringLiteral("12");
    row[15] = text::CStr(1853.28);
    row[16] = QStringLiteral("4");
    row[17] = text::CStr(74.13);
    row[18] = text::CStr(12.5);
    row[19] = QStringLiteral("0");
    row[20] = text::CStr(86.63);
    const QString expected = QStringLiteral("30708123451012320060501")  // number, 1-23
        + QStringLiteral("00012")                                       // port, 24-28
        + QStringLiteral("DON JUAN CARLOS") + QString(35, QChar(' '))   // name, 29-78
        + QStringLiteral("0000000000185328")                            // sales total, 79-94
        + QStringLiteral("0400")                                        // rate, 95-98
        + QStringLiteral("0000000000007413")                            // tax, 99-114
        + QStringLiteral("0000000000001250")                            // interest, 115-130
        + QStringLiteral("0000000000000000")                            // fine, 131-146
        + QStringLiteral("0000000000008663")                            // total due, 147-162
        + QStringLiteral("N")                                           // state id, 163
        + QStringLiteral("00001");                                      // type id
    EXPECT_EQ(Header(row), expected);
    EXPECT_EQ(expected.size(), 168);
}

// The line records read their query's columns by name, from a database.
class ExportLineRecord : public ::testing::Test {
protected:
    ado::Recordset query(const QString& select)
    {
        ado::Recordset rs;
        rs.Open(select, de1::conn());
        return rs;
    }
    testsupport::TempDb db;
};

TEST_F(ExportLineRecord, SalesLineOfSpeciesZeroKeepsItsFiftyEightCharacters)
{
    ado::Recordset rs = query(QStringLiteral(
        "select 3 AS PDDJ_NRO, 0 AS PTES_ID, 1500.0 AS PDDJ_KG, 1.235 AS PDDJ_PRECIO, 1852.5 AS PDDJ_TOTAL"));
    const QString r = SalesLine(rs);
    EXPECT_EQ(r,
              QStringLiteral("00003"
                             "00000"
                             "0000000000150000"
                             "0000000000000124"
                             "0000000000185250"));
    EXPECT_EQ(r.size(), 58);
}

TEST_F(ExportLineRecord, GuideAndGuideLine)
{
    // A date reads as a date only from a column declared DATE.
    de1::conn().Execute(QStringLiteral(
        "CREATE TEMP TABLE G (PCDJ_NRO TEXT, PGTR_NRO TEXT, PGTR_FECHA DATE, PPTO_ID INTEGER, GLOC_ID INTEGER, "
        "GPRO_ID INTEGER, PGTR_PLANTAPROCESADORA TEXT, PGTR_CAJONES DOUBLE, PGTR_KGS DOUBLE, PGTR_TOTAL DOUBLE, "
        "PGTR_VALOR DOUBLE, PGTR_ALICUOTA DOUBLE);"
        "INSERT INTO G VALUES ('30708123451012320060501', '0012 A', '2006-05-03', 12, 44, 26, 'PLANTA DEL SUR', "
        "120, 1400, 1544, 61.76, 4)"));
    ado::Recordset g = query(QStringLiteral("select * from G"));
    ASSERT_EQ(g("PGTR_FECHA").type(), ado::Variant::Type::Date);
    const QString guide = Guide(g);
    EXPECT_EQ(guide,
              QStringLiteral("30708123451012320060501"
                             "00000000120A"
                             "03/05/2006"
                             "00012"
                             "0044"
                             "26")
                  + QStringLiteral("PLANTA DEL SUR") + QString(36, QChar(' '))
                  + QStringLiteral("0000000000012000"
                                   "0000000000140000"
                                   "0000000000154400"
                                   "0000000000006176"
                                   "0400"));
    EXPECT_EQ(guide.size(), 174);

    ado::Recordset l = query(
        QStringLiteral("select '123' AS PGTR_NRO, 1 AS PDGT_NRO, 0 AS PTES_ID, 30 AS PDGT_CAJONES, 120.5 AS PDGT_KGS, "
                       "5.85 AS PDGT_PRECIO, 704.93 AS PDGT_TOTAL"));
    const QString line = GuideLine(l);
    EXPECT_EQ(line,
              QStringLiteral("000000000123"
                             "00001"
                             "00000"
                             "0000000000003000"
                             "0000000000012050"
                             "0000000000000585"
                             "0000000000070493"));
    EXPECT_EQ(line.size(), 86);
}

}  // namespace
