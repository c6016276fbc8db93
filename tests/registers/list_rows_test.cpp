// What every list window does the same way: a grid row its record cannot
// take is named to the clerk and nothing opens; and the dock-price list at
// size, which reads only the rows it shows and still counts every row.
#include "vessel_price_fixture.h"

#include "core/FormLista.h"
#include "core/de1.h"
#include "declarations/frmDDJJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEmpresas.h"
#include "registers/frmPrecios.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

using namespace vptest;

namespace {

class RegisterLists : public RegisterTest {
protected:
    FormLista& openList(QAction* item)
    {
        triggerMenu(item);
        for (forms::Form* f : forms::Form::Forms())
            if (auto* lista = qobject_cast<FormLista*>(f)) return *lista;
        throw std::runtime_error("no list open");
    }
};

TEST_F(RegisterLists, ARowTheRecordCannotTakeIsNamedAndNothingOpens)
{
    testsupport::insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    testsupport::insertCompany(3, 30708123451LL, QStringLiteral("PESQUERA SUR"));
    testsupport::insertDeclaration({.nro = QStringLiteral("30708123451012320060500")});
    exec(QStringLiteral("insert into LNV_PES_TB_PRECIOS_LEY7351 (PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA) "
                        "values (1, 1.5, '2006-04-01')"));
    const struct {
        QAction* MDIPrincipal::*menu;
        const char* change;
        const char* message;
    } cases[] = {
        {&MDIPrincipal::op_empresas, "update LNV_PES_TB_EMPRESAS set PEMP_NROIB = '12-3'",
         "No se puede modificar la empresa seleccionada porque el dato \"Nro.Ingresos Brutos\" (12-3) no es un número "
         "válido."},
        {&MDIPrincipal::op_Precios, "update LNV_PES_TB_PRECIOS_LEY7351 set PPRE_VALOR = 'uno'",
         "No se puede modificar el valor banquina seleccionado porque el dato \"Valor Banquina\" (uno) no es un número "
         "válido."},
        {&MDIPrincipal::op_DDJJ, "update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_MULTA = 'x'",
         "No se puede modificar la declaración jurada seleccionada porque el dato \"Multa\" (x) no es un número "
         "válido."},
        {&MDIPrincipal::op_DDJJ, "update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_ANIO = 99999",
         "No se puede modificar la declaración jurada seleccionada porque el dato \"Año\" (99999) no es un número "
         "válido."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        exec(QString::fromUtf8(c.change));
        FormLista& f = openList(main->*c.menu);
        boxes.clear();
        click(f.tlbMonedas, QStringLiteral("modificar"));
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.messages()[0].style, 64);
        EXPECT_EQ(boxes.messages()[0].title, f.Caption());
        EXPECT_EQ(forms::Form::Forms().size(), 1u) << "no editor opens";
        // The clerk carries on in the list.
        EXPECT_EQ(f.grilla()->Row(), 0);
        click(f.tlbMonedas, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(menusEnabled());
    }
}

// 100 000 prices over the species, a day for each round of them.
class PriceListAtSize : public RegisterTest {
protected:
    static constexpr long kPrecios = 100000;
    void SetUp() override
    {
        RegisterTest::SetUp();
        exec(QStringLiteral(
                 "insert into LNV_PES_TB_PRECIOS_LEY7351 (PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA, PPRE_DISPOSICION) "
                 "with recursive n(i) as (select 0 union all select i + 1 from n where i < %1), "
                 "s(id, k) as (select PTES_ID, (select count(*) from LNV_PES_TB_ESPECIES o where o.PTES_ID < "
                 "e.PTES_ID and o.PTES_ID <> 99) from LNV_PES_TB_ESPECIES e where PTES_ID <> 99), "
                 "c(m) as (select count(*) from s) "
                 "select s.id, 1 + i % 7, date('2000-01-01', '+' || (i / c.m) || ' days'), 'DISP ' || i "
                 "from n, c join s on s.k = i % c.m")
                 .arg(kPrecios - 1));
    }
    // The first and last rows in the list's order, read whole.
    static QString storedRow(bool last)
    {
        return rows(QStringLiteral("select PPRE_ID, PTES_DESCRIPCION from PES_VW_PRECIOS_LEY7351 order by "
                                   "PPRE_FVIGENCIA %1, PTES_DESCRIPCION %2, PPRE_ID %2 limit 1")
                        .arg(last ? QStringLiteral("") : QStringLiteral("DESC"),
                             last ? QStringLiteral("DESC") : QStringLiteral("")))
            .value(0);
    }
    static QString shownRow(frmPrecios& f) { return f.grillaPrecios->Text(0) + u'|' + f.grillaPrecios->Text(2); }
};

TEST_F(PriceListAtSize, ReadsOnlyTheRowsItShowsAndCountsEveryOne)
{
    frmPrecios& f = RegisterTest::openList<frmPrecios>(main->op_Precios);
    ASSERT_TRUE(f.adoPrecios->Recordset);
    ado::Recordset again;
    again.Open(f.adoPrecios->Recordset->Source(), de1::conn(), ado::adOpenKeyset);
    EXPECT_TRUE(f.adoPrecios->Recordset->SameRows(again)) << "the list read every row";
    EXPECT_EQ(f.grillaPrecios->SelBookmarks().Count(), 1);
    EXPECT_EQ(shownRow(f), storedRow(false));

    // The count that follows the first screen ends at the true count.
    QElapsedTimer t;
    t.start();
    while (f.adoPrecios->Recordset->RecordCount() != kPrecios && t.elapsed() < 10000) testsupport::Settle(1);
    EXPECT_EQ(f.adoPrecios->Recordset->RecordCount(), kPrecios);
    EXPECT_EQ(f.grillaPrecios->model()->rowCount(), kPrecios);

    QTest::keyClick(f.grillaPrecios, Qt::Key_End, Qt::ControlModifier);
    testsupport::Settle(1);
    EXPECT_EQ(f.grillaPrecios->Row(), kPrecios - 1);
    EXPECT_EQ(shownRow(f), storedRow(true));
    click(f.tlbMonedas, QStringLiteral("modificar"));
    ASSERT_TRUE(f.mPrecio);
    EXPECT_EQ(QString::number(f.mPrecio->IdPrecio), storedRow(true).section(u'|', 0, 0));
}

}  // namespace
