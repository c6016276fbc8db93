// The "Detalle" tab of the declaration editor, driven through its controls:
// the dock price in force, the lines' checks, numbering, insert, update and
// delete, the header totals and the tab rule.
#include "editor_fixture.h"
#include "support/LocaleRun.h"

#include "core/General.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

using namespace editortest;

namespace {

// Species of the tests, beside the reference ones (which have no price here).
constexpr int kVarios = 901;  // several prices: the latest on or before the date is in force
constexpr int kViejo = 902;   // an old price and one taking effect the day after
constexpr int kFuturo = 903;  // only a price not yet in force
constexpr int kSinPrecio = 904;

const QString kVariosTxt = QStringLiteral("ESPECIE VARIOS PRECIOS");
const QString kViejoTxt = QStringLiteral("ESPECIE PRECIO VIEJO");
const QString kFuturoTxt = QStringLiteral("ESPECIE SOLO FUTURO");
const QString kSinPrecioTxt = QStringLiteral("ESPECIE SIN PRECIO");

class DetalleTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        insertSpecies(kVarios, kVariosTxt);
        insertSpecies(kViejo, kViejoTxt);
        insertSpecies(kFuturo, kFuturoTxt);
        insertSpecies(kSinPrecio, kSinPrecioTxt);
        insertPrice(kVarios, 1.00, QStringLiteral("2006-01-01"), QStringLiteral("DISP A1"));
        insertPrice(kVarios, 1.50, QStringLiteral("2006-05-01"), QStringLiteral("DISP A2"));
        insertPrice(kVarios, 2.00, QStringLiteral("2006-07-01"), QStringLiteral("DISP A3"));
        insertPrice(kViejo, 0.80, QStringLiteral("2005-03-01"), QStringLiteral("DISP B1"));
        insertPrice(kViejo, 0.90, QStringLiteral("2006-05-02"), QStringLiteral("DISP B2"));
        insertPrice(kFuturo, 3.00, QStringLiteral("2006-06-01"), QStringLiteral("DISP C1"));
    }

    // The declaration of May 2006 at 2 %, opened from the list on its "Detalle" tab.
    void openDetalle(const QString& estado = QStringLiteral("N"), int mes = 5)
    {
        if (!count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro)))
            insertDeclaration(kNro, 2006, mes, QStringLiteral("123"), 20123456786LL, estado, 2);
        open(2, recordOf(kNro));
        if (ed().SSTab1->TabEnabled(1)) ed().SSTab1->setTab(1);
        testsupport::Settle();
    }

    int rows() const { return m_ed->grilla_detalle->model()->rowCount(); }
    void clickRow(int row) { clickCell(ed().grilla_detalle, row, 3); }
    bool offered(int especie) const
    {
        for (int i = 0; i < m_ed->cbo_Especies->ListCount(); ++i)
            if (m_ed->cbo_Especies->ItemData(i) == especie) return true;
        return false;
    }
    // A line as the user enters it; the amount is what the box computes.
    void addLine(const QString& especie, const QString& kg, const QString& precio)
    {
        click(ed().tlb_detalle, QStringLiteral("nuevo"));
        choose(ed().cbo_Especies, especie);
        typeAndLeave(ed().txt_kg, kg);
        typeAndLeave(ed().txt_precio, precio);
        click(ed().tlb_detalle, QStringLiteral("aceptar"));
    }
    QString lines() const
    {
        QStringList all;
        ado::Recordset rs;
        rs.Open(
            QStringLiteral("select PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL from LNV_PES_TB_DET_DDJJ7351 "
                           "where PCDJ_NRO = '%1' order by PDDJ_NRO")
                .arg(kNro),
            de1::conn());
        for (; !rs.Eof(); rs.MoveNext())
            all << QStringLiteral("%1:%2 %3x%4=%5")
                       .arg(rs(0).integer())
                       .arg(rs(1).integer())
                       .arg(rs(2).toDouble())
                       .arg(rs(3).toDouble())
                       .arg(rs(4).toDouble());
        return all.join(QLatin1Char(' '));
    }
    QString totals() const
    {
        return text::CStr(scalar(QStringLiteral("select PCDJ_MTOVTAS || ' ' || PCDJ_IMPORTE || ' ' || PCDJ_TOTAL "
                                                "from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'")
                                     .arg(kNro)));
    }
    QString enabledButtons() const
    {
        QStringList on;
        for (int i = 1; i <= 5; ++i)
            if (m_ed->tlb_detalle->Buttons(i).Enabled()) on << m_ed->tlb_detalle->Buttons(i).Key();
        return on.join(QLatin1Char(','));
    }
};

// ---------------------------------------------------------------- price in force

TEST_F(DetalleTest, EachSpeciesIsOfferedWithTheDockPriceInForceOnTheFirstDayOfTheMonth)
{
    struct Case {
        int mes;
        const char* varios;  // price shown, reference
        const char* viejo;
        const char* futuro;  // nullptr: not offered
    };
    for (const Case c : {Case{5, "1,5000 DISP A2", "0,8000 DISP B1", nullptr},
                         Case{7, "2,0000 DISP A3", "0,9000 DISP B2", "3,0000 DISP C1"}}) {
        SCOPED_TRACE(c.mes);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351"));
        openDetalle(QStringLiteral("N"), c.mes);
        click(ed().tlb_detalle, QStringLiteral("nuevo"));
        auto priceOf = [this](const QString& especie) {
            choose(ed().cbo_Especies, especie);
            return shown(ed().txt_precio) + QLatin1Char(' ') + ed().lbl_Precio->text();
        };
        EXPECT_EQ(priceOf(kVariosTxt), QString::fromLatin1(c.varios));
        EXPECT_EQ(ed().lbl_Precio->palette().color(QPalette::WindowText),
                  QApplication::palette().color(QPalette::ButtonText));
        EXPECT_EQ(priceOf(kViejoTxt), QString::fromLatin1(c.viejo));
        EXPECT_EQ(offered(kFuturo), c.futuro != nullptr);
        if (c.futuro) {
            EXPECT_EQ(priceOf(kFuturoTxt), QString::fromLatin1(c.futuro));
        }
        // No price row at all: offered at 0 with the warning in red.
        EXPECT_EQ(priceOf(kSinPrecioTxt), QStringLiteral("0,0000 No está cargado el Valor Banquina"));
        EXPECT_EQ(ed().lbl_Precio->palette().color(QPalette::WindowText), QColor(Qt::red));
        // Species 99 and 0 carry no reference.
        EXPECT_EQ(priceOf(QStringLiteral("Sin Pesca")), QStringLiteral("0,0000 "));
        EXPECT_EQ(priceOf(QStringLiteral("OTRAS ESPECIES")), QStringLiteral("0,0000 "));
        click(ed().tlb_detalle, QStringLiteral("cancelar"));
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(DetalleTest, Species99NeverTakesADockPriceAndLeavesTheListOnceItHasOne)
{
    openDetalle();
    EXPECT_TRUE(offered(99));
    insertPrice(99, 5.00, QStringLiteral("2006-01-01"), QStringLiteral("DISP X"));
    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    click(ed().tlb_detalle, QStringLiteral("cancelar"));  // reloads the species
    EXPECT_FALSE(offered(99));
    EXPECT_TRUE(offered(kVarios));
}

// ---------------------------------------------------------------- one line

TEST_F(DetalleTest, ALineNeedsASpeciesKilogramsAndAPrice)
{
    struct Case {
        const char* especie;  // nullptr: none chosen
        const char* kg;
        const char* precio;
        const char* message;
        ctlNumero* frmEditarDJ::*numberFocus;  // nullptr: the species combo
    };
    const Case cases[] = {
        {nullptr, "10", "1", "Seleccione la especie capturada", nullptr},
        {"ESPECIE SIN PRECIO", "", "1", "Ingrese los kilogramos capturados", &frmEditarDJ::txt_kg},
        {"ESPECIE SIN PRECIO", "0", "1", "Ingrese los kilogramos capturados", &frmEditarDJ::txt_kg},
        {"ESPECIE SIN PRECIO", "10", "", "Ingrese el precio por kilo", &frmEditarDJ::txt_precio},
        {"ESPECIE SIN PRECIO", "10", "0,0000", "Ingrese el precio por kilo", &frmEditarDJ::txt_precio},
    };
    openDetalle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        click(ed().tlb_detalle, QStringLiteral("nuevo"));
        if (c.especie) choose(ed().cbo_Especies, QString::fromUtf8(c.especie));
        type(ed().txt_kg, QString::fromLatin1(c.kg));
        type(ed().txt_precio, QString::fromLatin1(c.precio));
        boxes.clear();
        click(ed().tlb_detalle, QStringLiteral("aceptar"));
        ASSERT_GE(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages().back().prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.messages().back().style, forms::vbInformation);
        EXPECT_EQ(boxes.messages().back().title, QStringLiteral("Modificar Declaración Jurada"));
        EXPECT_EQ(focused(), c.numberFocus ? static_cast<QWidget*>(ed().*c.numberFocus) : ed().cbo_Especies);
        EXPECT_EQ(enabledButtons(), QStringLiteral("aceptar,cancelar")) << "still entering the line";
        EXPECT_EQ(lines(), QString());
        click(ed().tlb_detalle, QStringLiteral("cancelar"));
    }
}

TEST_F(DetalleTest, AnAmountThatIsNotKilogramsTimesPriceIsQuestionedAndAlwaysStoredAsTheProduct)
{
    struct Case {
        const char* kg;
        const char* precio;
        const char* typedAmount;  // nullptr: the amount the box computed
        int answer;               // to the question, if one comes
        bool asked;
        const char* stored;  // empty: nothing stored
    };
    const Case cases[] = {
        {"10", "1,25", nullptr, forms::vbNo, false, "1:904 10x1.25=12.5"},
        {"10", "1,2341", nullptr, forms::vbNo, true, "1:904 10x1.2341=12.34"},
        {"10", "1,2341", nullptr, forms::vbYes, true, ""},
        {"10", "1,25", "12", forms::vbNo, true, "1:904 10x1.25=12.5"},
        {"10", "0,057", nullptr, forms::vbNo, false, "1:904 10x0.057=0.57"},
    };
    openDetalle();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kg) + " x " + c.precio + (c.typedAmount ? " typed " : "")
                     + (c.answer == forms::vbYes ? " yes" : ""));
        click(ed().tlb_detalle, QStringLiteral("nuevo"));
        choose(ed().cbo_Especies, kSinPrecioTxt);
        typeAndLeave(ed().txt_kg, QString::fromLatin1(c.kg));
        typeAndLeave(ed().txt_precio, QString::fromLatin1(c.precio));
        if (c.typedAmount) type(ed().txt_MtoTotal, QString::fromLatin1(c.typedAmount));
        boxes.clear();
        if (c.asked) boxes.answer(c.answer);
        click(ed().tlb_detalle, QStringLiteral("aceptar"));
        if (c.asked) {
            ASSERT_EQ(boxes.messages().size(), 1u);
            EXPECT_EQ(boxes.messages()[0].prompt,
                      QStringLiteral(
                          "El Monto Total no coincide con el producto  Kg.Capturados * Precio\r\n¿Desea corregirlo?"));
            EXPECT_EQ(boxes.messages()[0].style, forms::vbYesNo + forms::vbInformation);
            EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Modificar Declaración Jurada"));
        } else {
            EXPECT_TRUE(boxes.messages().empty()) << prompts().join(QLatin1Char('|')).toStdString();
        }
        EXPECT_EQ(lines(), QString::fromLatin1(c.stored));
        if (!*c.stored) {
            EXPECT_EQ(focused(), ed().txt_MtoTotal);
            EXPECT_EQ(enabledButtons(), QStringLiteral("aceptar,cancelar"));
            click(ed().tlb_detalle, QStringLiteral("cancelar"));
        } else {
            click(ed().tlb_detalle, QStringLiteral("eliminar"));
            click(ed().tlb_detalle, QStringLiteral("aceptar"));
        }
        ASSERT_EQ(lines(), QString());
    }
}

// ---------------------------------------------------------------- numbering and totals

TEST_F(DetalleTest, LinesAreNumberedFromTheHighestStoredPlusOne)
{
    openDetalle();
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo"));
    EXPECT_EQ(shown(ed().txt_MtoGralVtas), QStringLiteral("0,00"));
    addLine(kVariosTxt, QStringLiteral("10"), QStringLiteral("1,5"));
    addLine(kViejoTxt, QStringLiteral("20"), QStringLiteral("0,8"));
    addLine(kSinPrecioTxt, QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(lines(), QStringLiteral("1:901 10x1.5=15 2:902 20x0.8=16 3:904 1x3=3"));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo,modificar,eliminar"));

    // The last line deleted: its number is given again.
    clickRow(2);
    EXPECT_EQ(ed().txt_renglon->text(), QStringLiteral("3"));
    click(ed().tlb_detalle, QStringLiteral("eliminar"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    addLine(kSinPrecioTxt, QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(lines(), QStringLiteral("1:901 10x1.5=15 2:902 20x0.8=16 3:904 2x3=6"));

    // A line in the middle deleted: its number is not reused.
    clickRow(1);
    EXPECT_EQ(ed().cbo_Especies->Text(), kViejoTxt);
    click(ed().tlb_detalle, QStringLiteral("eliminar"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    addLine(kViejoTxt, QStringLiteral("5"), QStringLiteral("1"));
    EXPECT_EQ(lines(), QStringLiteral("1:901 10x1.5=15 3:904 2x3=6 4:902 5x1=5"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(shown(ed().txt_MtoGralVtas), QStringLiteral("26,00"));
    testsupport::Screenshot(ed().subWindow(), QStringLiteral("editor-detalle"));
}

// Sales total, tax amount (halves to even) and total due follow every
// change, in the header row and in the header's boxes.
TEST_F(DetalleTest, TheHeaderTotalsFollowInsertUpdateAndDeleteOfTheLastLine)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    de1::conn().Execute(QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_INTERESES = 1.1"));
    openDetalle();
    addLine(kSinPrecioTxt, QStringLiteral("100"), QStringLiteral("6,25"));
    EXPECT_EQ(totals(), QStringLiteral("625.0 12.5 13.6"));
    EXPECT_EQ(shown(ed().txt_TotalGralVtas) + QLatin1Char(' ') + shown(ed().txt_Importe) + QLatin1Char(' ')
                  + shown(ed().txt_TotalAdeudado),
              QStringLiteral("625,00 12,50 13,60"));

    click(ed().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(ed().txt_kg, QStringLiteral("1"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(lines(), QStringLiteral("1:904 1x6.25=6.25"));
    EXPECT_EQ(totals(), QStringLiteral("6.25 0.12 1.22")) << "2 % of 6,25 is 0,125: the half goes to the even cent";
    EXPECT_EQ(shown(ed().txt_Importe), QStringLiteral("0,12"));

    click(ed().tlb_detalle, QStringLiteral("eliminar"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(totals(), QStringLiteral("0.0 0.0 1.1"));
    EXPECT_EQ(shown(ed().txt_TotalGralVtas), QStringLiteral("0,00"));
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

// Another instance holding the database past the wait: the line and the
// header totals stay as stored, the clerk is told, and what was typed stays
// on screen to be accepted again once the database is free.
TEST_F(DetalleTest, ASaveThatCannotGetTheDatabaseStoresNothingAndKeepsWhatWasTyped)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    openDetalle();
    addLine(kSinPrecioTxt, QStringLiteral("100"), QStringLiteral("6,25"));
    de1::conn().setBusyTimeout(200);
    struct Row {
        const char* key;
        const char* kg;
        const char* linesAfter;
        const char* totalsAfter;
    };
    const Row rows[] = {
        {"nuevo", "10", "1:904 100x6.25=625 2:901 10x1.5=15", "640.0 12.8 12.8"},
        {"modificar", "3", "1:904 3x6.25=18.75 2:901 10x1.5=15", "33.75 0.68 0.68"},
        {"eliminar", nullptr, "2:901 10x1.5=15", "15.0 0.3 0.3"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        const QString linesBefore = lines(), totalsBefore = totals();
        const QString shownBefore = shown(ed().txt_TotalGralVtas);
        click(ed().tlb_detalle, QString::fromLatin1(r.key));
        if (QLatin1String(r.key) == QLatin1String("nuevo")) choose(ed().cbo_Especies, kVariosTxt);
        if (r.kg) typeAndLeave(ed().txt_kg, QString::fromLatin1(r.kg));
        const QString typed = shown(ed().txt_kg), renglon = ed().txt_renglon->text();

        ado::Connection other;
        other.Open(General::BuildConnectionString(db.folder()));
        other.BeginTrans();
        boxes.clear();
        click(ed().tlb_detalle, QStringLiteral("aceptar"));
        EXPECT_EQ(prompts(),
                  QStringList{QStringLiteral("Error -2147467259: La base de datos está en uso por otra ventana o "
                                             "programa. Espere un momento y vuelva a intentarlo.")});
        EXPECT_EQ(lines(), linesBefore);
        EXPECT_EQ(totals(), totalsBefore);
        EXPECT_EQ(shown(ed().txt_kg), typed);
        EXPECT_EQ(ed().txt_renglon->text(), renglon);
        EXPECT_EQ(shown(ed().txt_TotalGralVtas), shownBefore);
        EXPECT_EQ(enabledButtons(), QStringLiteral("aceptar,cancelar")) << "still in its mode";

        other.RollbackTrans();
        boxes.clear();
        click(ed().tlb_detalle, QStringLiteral("aceptar"));
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(lines(), QString::fromLatin1(r.linesAfter));
        EXPECT_EQ(totals(), QString::fromLatin1(r.totalsAfter));
    }
}

// A line keeps what it has stored unless the clerk changes it: a dock price
// of three decimals survives a change of the kilograms alone, and the grid
// shows it as stored.
TEST_F(DetalleTest, ModifyingOnlyTheKilogramsKeepsTheStoredPrice)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    insertLine(kNro, 1, kVarios, 1000, 3.456, 3456);
    openDetalle();
    EXPECT_EQ(ed().grilla_detalle->Text(5), QStringLiteral("3,456"));
    EXPECT_EQ(shown(ed().txt_precio), QStringLiteral("3,4560"));
    click(ed().tlb_detalle, QStringLiteral("modificar"));
    EXPECT_FALSE(ed().cbo_Especies->isEnabled()) << "the species of a line never changes";
    typeAndLeave(ed().txt_kg, QStringLiteral("1300,75"));
    // 3,456 x 1300,75 has a third decimal: the amount question stays.
    boxes.answer(forms::vbNo);
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_EQ(lines(), QStringLiteral("1:901 1300.75x3.456=4495.39"));
    EXPECT_EQ(ed().grilla_detalle->Text(5), QStringLiteral("3,456"));
    // Accepted untouched, nothing of it changes.
    boxes.clear();
    click(ed().tlb_detalle, QStringLiteral("modificar"));
    boxes.answer(forms::vbNo);
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(lines(), QStringLiteral("1:901 1300.75x3.456=4495.39"));
}

// The header totals a line moves come from what is stored: a rate picked on
// screen and not saved, or totals another window made stale, are not used.
TEST_F(DetalleTest, ALineRecomputesTheHeaderFromTheStoredRateNotTheScreen)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    exec(QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_INTERESES = 1, PCDJ_MTOVTAS = 500, "
                        "PCDJ_IMPORTE = 10, PCDJ_TOTAL = 11"));
    openDetalle();
    ed().SSTab1->setTab(0);
    click(ed().tlb_cabecera, QStringLiteral("modificar"));
    choose(ed().cbo_Alicuota, QStringLiteral("4%"));
    click(ed().tlb_cabecera, QStringLiteral("cancelar"));
    ed().SSTab1->setTab(1);
    testsupport::Settle();
    addLine(kVariosTxt, QStringLiteral("10"), QStringLiteral("1,5"));
    EXPECT_EQ(totals(), QStringLiteral("15.0 0.3 1.3"));
    EXPECT_EQ(shown(ed().txt_Importe), QStringLiteral("0,30"));
    EXPECT_EQ(shown(ed().txt_TotalAdeudado), QStringLiteral("1,30"));
}

TEST_F(DetalleTest, CancelarPutsBackTheStoredLineAndWritesNothing)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    insertLine(kNro, 1, kVarios, 10, 1.5, 15);
    insertLine(kNro, 2, kViejo, 20, 0.8, 16);
    openDetalle();
    clickRow(1);
    click(ed().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(ed().txt_kg, QStringLiteral("999"));
    click(ed().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().txt_renglon->text(), QStringLiteral("2"));
    EXPECT_EQ(shown(ed().txt_kg), QStringLiteral("20,00"));
    EXPECT_EQ(ed().cbo_Especies->Text(), kViejoTxt);
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo,modificar,eliminar"));

    click(ed().tlb_detalle, QStringLiteral("eliminar"));
    click(ed().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(lines(), QStringLiteral("1:901 10x1.5=15 2:902 20x0.8=16"));

    // A cancelled new line shows the first line again.
    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_EQ(ed().txt_renglon->text(), QString());
    click(ed().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().txt_renglon->text(), QStringLiteral("1"));
    EXPECT_EQ(ed().cbo_Especies->Text(), kVariosTxt);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

TEST_F(DetalleTest, CancelarOfANewLineWithoutLinesEmptiesTheFields)
{
    openDetalle();
    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    choose(ed().cbo_Especies, kVariosTxt);
    typeAndLeave(ed().txt_kg, QStringLiteral("5"));
    click(ed().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().cbo_Especies->ListIndex(), -1);
    EXPECT_EQ(shown(ed().txt_kg) + shown(ed().txt_precio) + ed().lbl_Precio->text(), QString());
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo"));
}

// ---------------------------------------------------------------- one line per species

TEST_F(DetalleTest, NuevoOffersOnlySpeciesWithoutALine)
{
    openDetalle();
    const int all = ed().cbo_Especies->ListCount();
    const int last = ed().cbo_Especies->ItemData(all - 1);
    click(ed().toolbar, QStringLiteral("salir"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    insertLine(kNro, 1, kVarios, 1, 1.5, 1.5);
    insertLine(kNro, 2, last, 1, 1, 1);

    openDetalle();
    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_FALSE(offered(kVarios));
    EXPECT_FALSE(offered(last)) << "the last item of the list too";
    EXPECT_EQ(ed().cbo_Especies->ListCount(), all - 2);
    click(ed().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().cbo_Especies->ListCount(), all);

    addLine(kViejoTxt, QStringLiteral("1"), QStringLiteral("0,8"));
    EXPECT_EQ(ed().cbo_Especies->ListCount(), all) << "after the insert the whole list is back";
}

// ---------------------------------------------------------------- the tab rule

TEST_F(DetalleTest, TheLinesTabIsClosedForAStateWithoutSalesWhileThereAreNoLines)
{
    struct Case {
        const char* id;
        bool withoutLinesOpen;
    };
    const Case cases[] = {{"N", true}, {"S", false}, {"M", false}, {"D", false}, {"R", false}, {"V", false}};
    for (const Case& c : cases) {
        for (bool withLines : {false, true}) {
            SCOPED_TRACE(std::string(c.id) + (withLines ? " with lines" : " without lines"));
            de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351"));
            insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QString::fromLatin1(c.id), 2);
            if (withLines) insertLine(kNro, 1, kVarios, 1, 1.5, 1.5);
            open(2, recordOf(kNro));
            EXPECT_EQ(ed().SSTab1->TabEnabled(1), withLines || c.withoutLinesOpen);
            click(ed().toolbar, QStringLiteral("salir"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

TEST_F(DetalleTest, DeletingTheLastLineOfAStateWithoutSalesClosesTheTabAtOnce)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("D"), 2);
    insertLine(kNro, 1, kVarios, 1, 1.5, 1.5);
    openDetalle();
    ASSERT_EQ(ed().SSTab1->Tab(), 1);
    click(ed().tlb_detalle, QStringLiteral("eliminar"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_FALSE(ed().SSTab1->TabEnabled(1));
    EXPECT_NE(ed().SSTab1->Tab(), 1);
    EXPECT_EQ(lines(), QString());
}

// A declaration made in this window gets its lines once its header is saved.
TEST_F(DetalleTest, ANewDeclarationTakesLinesAfterItsHeaderIsSaved)
{
    fillValidHeader();
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    ASSERT_TRUE(ed().SSTab1->TabEnabled(1));
    ed().SSTab1->setTab(1);
    testsupport::Settle();
    addLine(kVariosTxt, QStringLiteral("10"), QStringLiteral("1,5"));
    EXPECT_EQ(lines(), QStringLiteral("1:901 10x1.5=15"));
    EXPECT_EQ(totals(), QStringLiteral("15.0 0.45 0.45"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

// ---------------------------------------------------------------- a point locale

// The same typing under a locale with a decimal point: SQL and totals agree.
TEST_F(DetalleTest, CLocale_ALineAndItsTotalsUnderAPointLocale)
{
    SKIP_UNLESS_C_LOCALE();
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    de1::conn().Execute(QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_INTERESES = 1.1"));
    openDetalle();
    addLine(kSinPrecioTxt, QStringLiteral("1000"), QStringLiteral("6.25"));
    EXPECT_EQ(lines(), QStringLiteral("1:904 1000x6.25=6250"));
    EXPECT_EQ(totals(), QStringLiteral("6250.0 125.0 126.1"));
    EXPECT_EQ(shown(ed().txt_TotalGralVtas) + QLatin1Char(' ') + shown(ed().txt_Importe),
              QStringLiteral("6,250.00 125.00"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

TEST(DetalleUnderC, TheCLocaleCasesPassInAChildProcess)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("DetalleTest.CLocale_*"));
}

}  // namespace

// The stored line's own species stays selectable for its modification even
// when its only dock price takes effect after the declared month.
TEST_F(DetalleTest, ALineOfASpeciesPricedOnlyLaterIsModifiedAndNotOfferedForANewLine)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
    insertLine(kNro, 1, kFuturo, 10, 1.5, 15);
    openDetalle();
    EXPECT_EQ(ed().cbo_Especies->Text(), kFuturoTxt) << "the line shows its species";

    click(ed().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(ed().txt_kg, QStringLiteral("20"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines(), QStringLiteral("1:903 20x1.5=30"));
    EXPECT_EQ(totals(), QStringLiteral("30.0 0.6 0.6"));

    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_FALSE(offered(kFuturo));
    click(ed().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().cbo_Especies->Text(), kFuturoTxt);
}

// A real message box leaves the editor inactive once it closes: the species
// the clerk then picks is priced all the same.
TEST_F(DetalleTest, TheFirstSpeciesChosenAfterTheSpeciesMessageGetsItsPrice)
{
    openDetalle();
    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    ASSERT_EQ(prompts(), QStringList{QStringLiteral("Seleccione la especie capturada")});
    leaveWindowsInactive();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    // The pick the list's popup makes, the editor still inactive.
    pick(ed().cbo_Especies, kVariosTxt);
    EXPECT_EQ(shown(ed().txt_precio) + QLatin1Char(' ') + ed().lbl_Precio->text(), QStringLiteral("1,5000 DISP A2"));
}
