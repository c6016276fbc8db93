// Filling combos from queries on a fresh database and selecting by text
// and by id.
#include "core/Utiles.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const kPuertos =
    "SELECT LNV_PES_TB_PUERTOS.PPTO_ID, LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION From LNV_PES_TB_PUERTOS "
    "ORDER BY LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION";

class Combos : public ::testing::Test {
protected:
    Combos()
    {
        QObject::connect(&combo, &forms::ComboBox::Click, [this] { ++clicks; });
    }
    // Items as "text=id".
    QStringList items() const
    {
        QStringList all;
        for (int i = 0; i < combo.ListCount(); ++i) all << combo.List(i) + "=" + QString::number(combo.ItemData(i));
        return all;
    }
    void fill(const QStringList& textIdPairs)
    {
        for (const QString& p : textIdPairs) {
            const int at = combo.AddItem(p.section('=', 0, 0));
            combo.setItemData(at, p.section('=', 1).toInt());
        }
    }

    testsupport::TempDb db;
    forms::ComboBox combo;
    int clicks = 0;
};

}  // namespace

TEST_F(Combos, FillsFromAReferenceTableInTheQueryOrder)
{
    de1::conn().Execute(
        "INSERT INTO LNV_PES_TB_PUERTOS (PPTO_ID, PPTO_DESCRIPCION) VALUES (9001, 'AAA PUERTO DE PRUEBA')");
    de1::conn().Execute(
        "INSERT INTO LNV_PES_TB_PUERTOS (PPTO_ID, PPTO_DESCRIPCION) VALUES (9002, 'ZZZ PUERTO DE PRUEBA')");
    ado::Recordset rs;
    rs.Open(kPuertos, de1::conn());

    Utiles::CargarCombo(kPuertos, combo);
    ASSERT_EQ(combo.ListCount(), rs.RecordCount());
    EXPECT_EQ(combo.List(0), "AAA PUERTO DE PRUEBA");
    EXPECT_EQ(combo.ItemData(0), 9001);
    EXPECT_EQ(combo.List(combo.ListCount() - 1), "ZZZ PUERTO DE PRUEBA");
    EXPECT_EQ(combo.ItemData(combo.ListCount() - 1), 9002);
    for (int i = 0; !rs.Eof(); ++i, rs.MoveNext()) {
        EXPECT_EQ(combo.List(i), rs(1).text());
        EXPECT_EQ(combo.ItemData(i), rs(0).integer());
    }
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);

    Utiles::SeleccionarTextoCombo(combo, "ZZZ PUERTO DE PRUEBA");
    EXPECT_EQ(combo.ItemData(combo.ListIndex()), 9002);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Combos, FillingAddsWithoutClearing)
{
    fill({"PREVIO=7"});
    combo.setListIndex(0);
    const char* two = "SELECT 2, 'DOS' UNION ALL SELECT 1, 'UNO'";
    Utiles::CargarCombo(two, combo);
    Utiles::CargarCombo(two, combo);
    EXPECT_EQ(items(), (QStringList{"PREVIO=7", "DOS=2", "UNO=1", "DOS=2", "UNO=1"}));
    // No rows: the combo stays as it was, selection included.
    Utiles::CargarCombo("SELECT PPTO_ID, PPTO_DESCRIPCION FROM LNV_PES_TB_PUERTOS WHERE PPTO_ID = -1", combo);
    EXPECT_EQ(combo.ListCount(), 5);
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Combos, BadRowsRaiseErrorsAndAddNothingOfTheirOwn)
{
    struct Case {
        const char* sql;
        long error;
        QStringList kept;
    };
    const Case cases[] = {
        {"SELECT 1, 'UNO' UNION ALL SELECT NULL, 'SIN ID'", 13, {"UNO=1"}},
        {"SELECT 1, 'UNO' UNION ALL SELECT 2, NULL", 13, {"UNO=1"}},
        {"SELECT 3000000000, 'GRANDE'", 6, {}},
        {"SELECT -2147483649, 'CHICO'", 6, {}},
    };
    for (const auto& c : cases) {
        combo.Clear();
        EXPECT_EQ(errorNumber([&] { Utiles::CargarCombo(c.sql, combo); }), c.error) << c.sql;
        EXPECT_EQ(items(), c.kept) << c.sql;
    }
    // The extremes of 32 bits are fine.
    combo.Clear();
    Utiles::CargarCombo("SELECT 2147483647, 'MAX' UNION ALL SELECT -2147483648, 'MIN'", combo);
    EXPECT_EQ(items(), (QStringList{"MAX=2147483647", "MIN=-2147483648"}));

    // A statement the database refuses reaches the caller as a database error.
    EXPECT_THROW(Utiles::CargarCombo("SELECT X FROM NO_EXISTE", combo), ado::AdoError);
}

TEST_F(Combos, SelectByTextFirstExactMatchWins)
{
    fill({"NORMAL=1", "EN DIQUE=2", "NORMAL=3", "normal=4", "=5"});
    struct Case {
        const char* text;
        int index;
    };
    const Case cases[] = {
        {"NORMAL", 0},   {"normal", 3}, {"Normal", -1},  // case counts
        {"NORMAL ", -1}, {"", 4},       {"VEDA BIOLOGICA", -1}, {"EN DIQUE", 1},
    };
    int expectedClicks = 0, last = -1;
    for (const auto& c : cases) {
        Utiles::SeleccionarTextoCombo(combo, QString::fromUtf8(c.text));
        EXPECT_EQ(combo.ListIndex(), c.index) << c.text;
        if (c.index != last) ++expectedClicks;  // a Click for every change of selection
        last = c.index;
        EXPECT_EQ(clicks, expectedClicks) << c.text;
    }
}

TEST_F(Combos, SelectByIdFirstMatchWins)
{
    Utiles::SeleccionarIdCombo(combo, 1);  // empty combo
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);

    fill({"2%=2", "3%=3", "4%=4", "OTRO 4%=4"});
    struct Case {
        std::int32_t id;
        int index;
        int clicks;
    };
    const Case cases[] = {{4, 2, 1}, {4, 2, 1}, {2, 0, 2}, {99, -1, 3}, {0, -1, 3}, {3, 1, 4}};
    for (const auto& c : cases) {
        Utiles::SeleccionarIdCombo(combo, c.id);
        EXPECT_EQ(combo.ListIndex(), c.index) << c.id;
        EXPECT_EQ(clicks, c.clicks) << c.id;
    }
}

TEST(ComaAPunto, EveryCommaBecomesAPoint)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"12,50", "12.50"}, {"1.234,5", "1.234.5"}, {"1.5", "1.5"}, {"", ""}, {",,", ".."}, {"abc", "abc"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utiles::ComaAPunto(c.in), QString::fromUtf8(c.out)) << c.in;
}
