// The "Boletas de Pago" tab of the declaration editor, driven through its
// controls: the proposed amount, the forms of payment and their checks,
// numbering, insert, update and delete, "cancelar" and a refused write.
#include "editor_fixture.h"
#include "guias_fixture.h"
#include "support/LocaleRun.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "declarations/reports/frmLisBolDeposito.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/report/Viewer.h"
#include "platform/text/Text.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace editortest;

namespace {

struct Slip {
    int nro;
    double importe, efectivo;
    QString c1nro, c1banco;
    double c1monto;
    QString c2nro, c2banco;
    double c2monto;
};

class PagosTest : public EditorTest {
protected:
    // The declaration of May 2006 with the header's amounts, opened from
    // the list on its "Boletas de Pago" tab.
    void openPagos(double importe = 350, double interes = 0, double multa = 0)
    {
        if (!count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro)))
            insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL);
        de1::conn().Execute(
            QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_IMPORTE = %1, PCDJ_INTERESES = %2, PCDJ_MULTA = %3")
                .arg(importe)
                .arg(interes)
                .arg(multa));
        open(2, recordOf(kNro));
        ed().SSTab1->setTab(3);
        testsupport::Settle();
    }

    static void insertSlip(const Slip& s)
    {
        auto t = [](const QString& v) { return v.isEmpty() ? QStringLiteral("null") : QStringLiteral("'%1'").arg(v); };
        de1::conn().Execute(
            QStringLiteral(
                "insert into LNV_PES_TB_PAGOS_DDJJ7351 values ('%1', %2, 2006, 5, %3, 0, 0, %4, %5, %6, %7, %8, %9, %10)")
                .arg(kNro)
                .arg(s.nro)
                .arg(s.importe)
                .arg(s.efectivo)
                .arg(t(s.c1nro), t(s.c1banco))
                .arg(s.c1monto)
                .arg(t(s.c2nro), t(s.c2banco))
                .arg(s.c2monto));
    }

    // The stored slips: "nro:importe+interest+fine cash c1=nro|bank|amount c2=...".
    QString slips() const
    {
        QStringList all;
        ado::Recordset rs;
        rs.Open(QStringLiteral(
                    "select PPDJ_NRO, PPDJ_ANIO, PPDJ_MES, PPDJ_IMPORTE, PPDJ_INTERESES, PPDJ_MULTA, PPDJ_EFECTIVO, "
                    "PPDJ_CHEQUE1_NRO, PPDJ_CHEQUE1_BANCO, PPDJ_CHEQUE1_MONTO, PPDJ_CHEQUE2_NRO, PPDJ_CHEQUE2_BANCO, "
                    "PPDJ_CHEQUE2_MONTO from LNV_PES_TB_PAGOS_DDJJ7351 where PCDJ_NRO = '%1' order by PPDJ_NRO")
                    .arg(kNro),
                de1::conn());
        auto t = [&](int i) { return rs(i).isNull() ? QStringLiteral("-") : text::CStr(rs(i)); };
        for (; !rs.Eof(); rs.MoveNext())
            all << QStringLiteral("%1/%2/%3:%4+%5+%6 %7 c1=%8|%9|%10 c2=%11|%12|%13")
                       .arg(rs(0).integer())
                       .arg(rs(1).integer())
                       .arg(rs(2).integer())
                       .arg(rs(3).toDouble())
                       .arg(rs(4).toDouble())
                       .arg(rs(5).toDouble())
                       .arg(rs(6).toDouble())
                       .arg(t(7), t(8))
                       .arg(rs(9).toDouble())
                       .arg(t(10), t(11))
                       .arg(rs(12).toDouble());
        return all.join(QLatin1Char(' '));
    }

    QString enabledButtons() const
    {
        QStringList on;
        for (int i : {1, 2, 3, 4, 5, 7})
            if (m_ed->tlb_BoletadePago->Buttons(i).Enabled()) on << m_ed->tlb_BoletadePago->Buttons(i).Key();
        return on.join(QLatin1Char(','));
    }

    int rows() const { return m_ed->grilla_pagos->model()->rowCount(); }
    void clickRow(int row) { clickCell(ed().grilla_pagos, row, 1); }

    // The forms of payment as the user types them; an empty text leaves the box alone.
    void payWith(const QString& efectivo, const QString& c1nro = {}, const QString& c1banco = {},
                 const QString& c1monto = {}, const QString& c2nro = {}, const QString& c2banco = {},
                 const QString& c2monto = {})
    {
        const std::pair<QWidget*, QString> campos[] = {
            {ed().nroEfectivo, efectivo},     {ed().txt_NroCheque1, c1nro}, {ed().txtCheque1_Banco, c1banco},
            {ed().nroCheque1_Monto, c1monto}, {ed().txt_NroCheque2, c2nro}, {ed().txtCheque2_Banco, c2banco},
            {ed().nroCheque2_Monto, c2monto},
        };
        for (const auto& [w, v] : campos)
            if (!v.isEmpty()) typeAndLeave(w, v);
    }

    // A new slip of the proposed amount (its total computed on leaving the box).
    void newSlip()
    {
        click(ed().tlb_BoletadePago, QStringLiteral("nuevo"));
        focusOn(ed().txt_ImportePg);
        QTest::keyClick(ed().txt_ImportePg->textBox(), Qt::Key_Tab);
        testsupport::Settle(1);
    }

    QString lastPrompt() const { return prompts().isEmpty() ? QString() : prompts().last(); }
    bool editing() const { return m_ed->fra_Pagos->isEnabled() && m_ed->tlb_BoletadePago->Buttons(4).Enabled(); }
};

// ---------------------------------------------------------------- browsing

TEST_F(PagosTest, ADeclarationWithoutSlipsOffersOnlyNuevoAndCancelarClearsWhatWasTyped)
{
    openPagos();
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("0,00"));
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo"));
    EXPECT_FALSE(ed().fra_detalle->isEnabled());
    EXPECT_FALSE(ed().fra_Pagos->isEnabled());

    click(ed().tlb_BoletadePago, QStringLiteral("nuevo"));
    EXPECT_EQ(enabledButtons(), QStringLiteral("aceptar,cancelar"));
    EXPECT_FALSE(ed().grilla_pagos->isEnabled());
    payWith(QStringLiteral("10"), QStringLiteral("77"), QStringLiteral("NACION"), QStringLiteral("5"));
    click(ed().tlb_BoletadePago, QStringLiteral("cancelar"));
    for (ctlNumero* n :
         {ed().txt_ImportePg, ed().txt_InteresPg, ed().txt_MultaPg, ed().nroEfectivo, ed().nroCheque1_Monto})
        EXPECT_EQ(shown(n), QString()) << n->objectName().toStdString();
    EXPECT_EQ(ed().txt_NroCheque1->text() + ed().txtCheque1_Banco->text(), QString());
    EXPECT_EQ(shown(ed().nroTotalFormasPago), QStringLiteral("0,00"));
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo"));
    EXPECT_EQ(slips(), QString());
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

// ---------------------------------------------------------------- the proposed amount

TEST_F(PagosTest, NuevoProposesTheAmountLessTheCreditAndTheHeadersInterestAndFine)
{
    struct Case {
        double credito;
        QString importe;  // proposed
    };
    for (const Case& c : {Case{100, QStringLiteral("250,00")}, Case{349.99, QStringLiteral("0,01")},
                          Case{350, QString()}, Case{400, QString()}}) {
        SCOPED_TRACE(c.credito);
        // The credit is half of what the declaration's guides deposited.
        if (!count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351")))
            insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_GUIAS_TRANSPORTE"));
        guiastest::Guia guia;
        guia.nro = QStringLiteral("G1");
        guia.valor = c.credito * 2;
        guiastest::insertGuide(guia);
        openPagos(350, 5.5, 1);
        ASSERT_EQ(ed().nroAfavorL7351->Value(), c.credito);
        click(ed().tlb_BoletadePago, QStringLiteral("nuevo"));
        EXPECT_EQ(shown(ed().txt_ImportePg), c.importe);
        EXPECT_EQ(shown(ed().txt_InteresPg), QStringLiteral("5,50"));
        EXPECT_EQ(shown(ed().txt_MultaPg), QStringLiteral("1,00"));
        EXPECT_EQ(focused(), ed().txt_ImportePg);
        // "Total a Pagar" waits for one of the three boxes to be left.
        EXPECT_EQ(shown(ed().txt_TotalPg), QString());
        if (c.importe.isEmpty()) {
            payWith(QStringLiteral("6.50"));
            click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
            EXPECT_EQ(lastPrompt(), QStringLiteral("Ingrese el importe a pagar"));
            EXPECT_EQ(focused(), ed().txt_ImportePg);
            EXPECT_TRUE(editing());
        } else {
            QTest::keyClick(ed().txt_ImportePg->textBox(), Qt::Key_Tab);
            testsupport::Settle(1);
            EXPECT_EQ(shown(ed().txt_TotalPg),
                      c.importe == QLatin1String("250,00") ? QStringLiteral("256,50") : QStringLiteral("6,51"));
        }
        click(ed().tlb_BoletadePago, QStringLiteral("cancelar"));
        EXPECT_EQ(slips(), QString());
    }
}

// ---------------------------------------------------------------- forms of payment

TEST_F(PagosTest, TheFormsOfPaymentMustAddUpToTheTotalToTheCent)
{
    openPagos(3.30);
    newSlip();
    EXPECT_EQ(shown(ed().txt_TotalPg), QStringLiteral("3,30"));
    payWith(QStringLiteral("1.10"), QStringLiteral("55"), QStringLiteral("NACION"), QStringLiteral("2.19"));
    EXPECT_EQ(shown(ed().nroTotalFormasPago), QStringLiteral("3,29"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_EQ(lastPrompt(),
              QStringLiteral("La sumatoria de las formas de pago de la boleta no coincide con el total a pagar"));
    EXPECT_EQ(boxes.messages().back().style, forms::vbInformation);
    EXPECT_EQ(boxes.messages().back().title, ed().Caption());
    EXPECT_EQ(focused(), ed().nroEfectivo);
    EXPECT_TRUE(editing());
    EXPECT_EQ(slips(), QString());

    // 1.10 + 2.20 is not 3.30 in doubles, but it is to the cent.
    payWith({}, {}, {}, QStringLiteral("2.20"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_EQ(prompts().size(), 1) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(slips(), QStringLiteral("1/2006/5:3.3+0+0 1.1 c1=55|NACION|2.2 c2=-|-|0"));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("3,30"));
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo,modificar,eliminar,imprimir"));
}

TEST_F(PagosTest, EachChequeNeedsNumberBankAndAmountCheckedInOrder)
{
    struct Case {
        QStringList typed;  // cash, then number, bank and amount of each cheque
        const char* message;
        const char* focus;
    };
    const QString n = QStringLiteral("123"), b = QStringLiteral("NACION"), m = QStringLiteral("100");
    const Case cases[] = {
        {{{}, {}, b, {}}, "Ingrese el Nº del primer cheque", "txt_NroCheque1"},
        {{{}, {}, {}, m}, "Ingrese el Nº del primer cheque", "txt_NroCheque1"},
        {{{}, n, {}, {}}, "Ingrese el Banco del primer cheque", "txtCheque1_Banco"},
        {{{}, n, {}, m}, "Ingrese el Banco del primer cheque", "txtCheque1_Banco"},
        {{{}, n, b, {}}, "Ingrese el Monto del primer cheque", "nroCheque1_Monto"},
        // The first cheque is checked first, whatever the second holds.
        {{{}, n, {}, {}, {}, b, {}}, "Ingrese el Banco del primer cheque", "txtCheque1_Banco"},
        {{{}, n, b, m, {}, b, {}}, "Ingrese el Nº del segundo cheque", "txt_NroCheque2"},
        {{{}, n, b, m, {}, {}, m}, "Ingrese el Nº del segundo cheque", "txt_NroCheque2"},
        {{{}, n, b, m, n, {}, {}}, "Ingrese el Banco del segundo cheque", "txtCheque2_Banco"},
        {{{}, n, b, m, n, b, {}}, "Ingrese el Monto del segundo cheque", "nroCheque2_Monto"},
        // Blanks are no number or bank.
        {{{}, QStringLiteral("   "), b, m}, "Ingrese el Nº del primer cheque", "txt_NroCheque1"},
        {{}, "Ingrese la forma de pago", "nroEfectivo"},
    };
    openPagos(250);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        boxes.clear();
        newSlip();
        QStringList t = c.typed;
        while (t.size() < 7) t << QString();
        payWith(t[0], t[1], t[2], t[3], t[4], t[5], t[6]);
        click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
        EXPECT_EQ(prompts(), QStringList{QString::fromUtf8(c.message)});
        ASSERT_NE(focused(), nullptr);
        EXPECT_EQ(focused()->objectName(), QLatin1String(c.focus));
        EXPECT_TRUE(editing());
        click(ed().tlb_BoletadePago, QStringLiteral("cancelar"));
    }
    EXPECT_EQ(slips(), QString());
}

TEST_F(PagosTest, ASlipPaidOnlyWithChequesIsStoredWithNoCashAndCounted)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL);
    insertSlip({1, 40, 40, {}, {}, 0, {}, {}, 0});
    openPagos(250.50);
    newSlip();
    payWith({}, QStringLiteral("  0001  "), QStringLiteral("nación"), QStringLiteral("100"), QStringLiteral("0002"),
            QStringLiteral("galicia"), QStringLiteral("150.50"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    // Trimmed, the banks in capitals as they were typed.
    EXPECT_EQ(slips(),
              QStringLiteral("1/2006/5:40+0+0 40 c1=-|-|0 c2=-|-|0 "
                             "2/2006/5:250.5+0+0 0 c1=0001|NACIÓN|100 c2=0002|GALICIA|150.5"));
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("290,50"));
}

// ---------------------------------------------------------------- numbering, delete, cancelar

TEST_F(PagosTest, SlipsAreNumberedFromTheHighestStoredAndDeletedWithoutAQuestion)
{
    openPagos(10);
    newSlip();
    payWith(QStringLiteral("10"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_EQ(slips(), QStringLiteral("1/2006/5:10+0+0 10 c1=-|-|0 c2=-|-|0"));

    // Stored out of order, with a gap: shown by number, the next one after the highest.
    de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_PAGOS_DDJJ7351"));
    insertSlip({3, 30, 30, {}, {}, 0, {}, {}, 0});
    insertSlip({1, 10, 10, {}, {}, 0, {}, {}, 0});
    ed().SSTab1->setTab(0);
    ed().SSTab1->setTab(3);
    testsupport::Settle();
    EXPECT_EQ(ed().grilla_pagos->Text(1), QStringLiteral("1"));
    EXPECT_EQ(ed().txt_NroPago->text(), QStringLiteral("1"));
    newSlip();
    EXPECT_EQ(ed().txt_NroPago->text(), QString());  // numbered when stored
    payWith(QStringLiteral("10"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_PAGOS_DDJJ7351 where PPDJ_NRO = 4")), 1);
    EXPECT_EQ(ed().txt_NroPago->text(), QStringLiteral("1"));  // the first row is shown again

    clickRow(1);
    EXPECT_EQ(ed().txt_NroPago->text(), QStringLiteral("3"));
    EXPECT_EQ(shown(ed().nroEfectivo), QStringLiteral("30,00"));
    click(ed().tlb_BoletadePago, QStringLiteral("eliminar"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_PAGOS_DDJJ7351")), 2);
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_PAGOS_DDJJ7351 where PPDJ_NRO = 3")), 0);
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("20,00"));
}

TEST_F(PagosTest, CancelarPutsBackTheKeptFieldsAndLeavesTheOthersAsTheyAre)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL);
    insertSlip({1, 100, 60, QStringLiteral("111"), QStringLiteral("NACION"), 40, {}, {}, 0});
    openPagos();
    const QString stored = slips();

    click(ed().tlb_BoletadePago, QStringLiteral("modificar"));
    EXPECT_EQ(focused(), ed().txt_ImportePg);
    typeAndLeave(ed().txt_ImportePg, QStringLiteral("999"));
    payWith(QStringLiteral("5"), QStringLiteral("222"), QStringLiteral("GALICIA"));
    click(ed().tlb_BoletadePago, QStringLiteral("cancelar"));
    EXPECT_EQ(shown(ed().txt_ImportePg), QStringLiteral("100,00"));
    EXPECT_EQ(ed().txt_NroCheque1->text(), QStringLiteral("111"));
    EXPECT_EQ(shown(ed().nroEfectivo), QStringLiteral("5,00"));  // not kept, not put back
    EXPECT_EQ(ed().txtCheque1_Banco->text(), QStringLiteral("GALICIA"));
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo,modificar,eliminar,imprimir"));

    // Choosing the tab again shows what is stored.
    ed().SSTab1->setTab(0);
    ed().SSTab1->setTab(3);
    testsupport::Settle();
    EXPECT_EQ(shown(ed().nroEfectivo), QStringLiteral("60,00"));
    EXPECT_EQ(ed().txtCheque1_Banco->text(), QStringLiteral("NACION"));

    // A cancelled new slip: the shown slip's kept fields come back, the others stay empty.
    click(ed().tlb_BoletadePago, QStringLiteral("nuevo"));
    EXPECT_EQ(ed().txt_NroPago->text(), QString());
    click(ed().tlb_BoletadePago, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().txt_NroPago->text(), QStringLiteral("1"));
    EXPECT_EQ(ed().txt_NroCheque1->text(), QStringLiteral("111"));
    EXPECT_EQ(shown(ed().txt_ImportePg), QStringLiteral("100,00"));
    EXPECT_EQ(shown(ed().nroEfectivo) + ed().txtCheque1_Banco->text(), QString());

    // "eliminar" then "cancelar" deletes nothing.
    click(ed().tlb_BoletadePago, QStringLiteral("eliminar"));
    click(ed().tlb_BoletadePago, QStringLiteral("cancelar"));
    EXPECT_EQ(ed().txt_NroPago->text(), QStringLiteral("1"));
    EXPECT_EQ(slips(), stored);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

// The open editor called again for another declaration while it shows
// this tab: the slips shown, and those a later "modificar" would write, are
// the other declaration's.
TEST_F(PagosTest, AnotherDeclarationInTheOpenEditorShowsItsOwnSlips)
{
    const QString otra = QStringLiteral("20123456786012320060600");
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL);
    insertDeclaration(otra, 2006, 6, QStringLiteral("123"), 20123456786LL);
    insertSlip({1, 10, 10, QStringLiteral("111"), QStringLiteral("NACION"), 0, {}, {}, 0});
    openPagos();
    EXPECT_EQ(rows(), 1);
    open(2, recordOf(otra));
    ASSERT_EQ(ed().SSTab1->Tab(), 3);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("0,00"));
    EXPECT_EQ(ed().txt_NroPago->text() + ed().txt_NroCheque1->text(), QString());
    EXPECT_EQ(enabledButtons(), QStringLiteral("nuevo"));
}

// ---------------------------------------------------------------- what is written

TEST_F(PagosTest, ApostrophesAndLeadingZerosOfBankAndChequeNumberAreStoredWhole)
{
    openPagos(75);
    newSlip();
    payWith({}, QStringLiteral("0012'3"), QStringLiteral("o'higgins"), QStringLiteral("75"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(slips(), QStringLiteral("1/2006/5:75+0+0 0 c1=0012'3|O'HIGGINS|75 c2=-|-|0"));

    // Shown and saved again unchanged, also a number the grid shows as a number.
    de1::conn().Execute(QStringLiteral("update LNV_PES_TB_PAGOS_DDJJ7351 set PPDJ_CHEQUE1_NRO = '000.123'"));
    ed().SSTab1->setTab(0);
    ed().SSTab1->setTab(3);
    testsupport::Settle();
    EXPECT_EQ(ed().txt_NroCheque1->text(), QStringLiteral("000.123"));
    click(ed().tlb_BoletadePago, QStringLiteral("modificar"));
    payWith({}, {}, QStringLiteral("o'higgins 'bis'"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(slips(), QStringLiteral("1/2006/5:75+0+0 0 c1=000.123|O'HIGGINS 'BIS'|75 c2=-|-|0"));
}

// A run of quotes in the bank and the cheque number is stored as typed.
TEST_F(PagosTest, ARunOfQuotesInTheBankAndTheChequeNumberIsStoredAsTyped)
{
    openPagos(75);
    newSlip();
    payWith({}, QStringLiteral("12''3"), QStringLiteral("o''higgins '''"), QStringLiteral("75"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(slips(), QStringLiteral("1/2006/5:75+0+0 0 c1=12''3|O''HIGGINS '''|75 c2=-|-|0"));
}

// The database refusing the slip (another window deleted the declaration,
// a full disk, a lock): what was typed stays on screen, still in edit.
TEST_F(PagosTest, ASlipTheDatabaseRefusesStaysOnScreenToBeSavedAgain)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL);
    insertSlip({1, 10, 10, {}, {}, 0, {}, {}, 0});
    openPagos(80);
    for (const char* modo : {"nuevo", "modificar"}) {
        SCOPED_TRACE(modo);
        boxes.clear();
        const QString before = slips();
        const bool nuevo = QLatin1String(modo) == QLatin1String("nuevo");
        de1::conn().Execute(QStringLiteral("create trigger rechazo before %1 on LNV_PES_TB_PAGOS_DDJJ7351 "
                                           "begin select raise(abort, 'disco lleno'); end")
                                .arg(nuevo ? QStringLiteral("insert") : QStringLiteral("update")));
        click(ed().tlb_BoletadePago, QString::fromLatin1(modo));
        typeAndLeave(ed().txt_ImportePg, QStringLiteral("80"));
        payWith(QStringLiteral("30"), QStringLiteral("9"), QStringLiteral("NACION"), QStringLiteral("50"));
        click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
        ASSERT_EQ(prompts().size(), 1);
        EXPECT_TRUE(prompts()[0].startsWith(QLatin1String("Error "))) << prompts()[0].toStdString();
        EXPECT_TRUE(editing());
        EXPECT_EQ(ed().txt_NroPago->text(), nuevo ? QString() : QStringLiteral("1"));
        EXPECT_EQ(shown(ed().txt_ImportePg) + ' ' + shown(ed().nroEfectivo) + ' ' + ed().txt_NroCheque1->text() + ' '
                      + ed().txtCheque1_Banco->text() + ' ' + shown(ed().nroCheque1_Monto),
                  QStringLiteral("80,00 30,00 9 NACION 50,00"));
        EXPECT_EQ(slips(), before);

        de1::conn().Execute(QStringLiteral("drop trigger rechazo"));
        click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
        EXPECT_EQ(prompts().size(), 1) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(editing());
    }
    EXPECT_EQ(slips(),
              QStringLiteral("1/2006/5:80+0+0 30 c1=9|NACION|50 c2=-|-|0 2/2006/5:80+0+0 30 c1=9|NACION|50 c2=-|-|0"));
}

TEST_F(PagosTest, TwoSlipsOneWithTwoCheques)
{
    openPagos(1500, 12.5, 0);
    newSlip();
    payWith(QStringLiteral("1512.50"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    newSlip();
    payWith(QStringLiteral("12.50"), QStringLiteral("30512345"), QStringLiteral("banco de la nacion"),
            QStringLiteral("1000"), QStringLiteral("7788"), QStringLiteral("banco galicia"), QStringLiteral("500"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("3.025,00"));
    clickRow(1);
    EXPECT_EQ(shown(ed().nroTotalFormasPago), QStringLiteral("1.512,50"));
    EXPECT_EQ(shown(ed().txt_TotalPg), QStringLiteral("1.512,50"));
    EXPECT_FALSE(ed().grilla_pagos->Columns(4).Visible());
    testsupport::Screenshot(ed().subWindow(), QStringLiteral("editor-pagos"));

    // Whichever row is selected, every slip of the declaration prints.
    const int before = int(prompts().size());
    click(ed().tlb_BoletadePago, QStringLiteral("imprimir"));
    auto* visor = forms::Form::Existing<frmLisBolDeposito>();
    ASSERT_NE(visor, nullptr);
    EXPECT_EQ(forms::Form::MdiArea()->activeSubWindow(), visor->subWindow());
    EXPECT_EQ(visor->Report->RecordCount(), 2);
    EXPECT_EQ(visor->CRViewer91->PageCount(), 2);
    EXPECT_EQ(int(prompts().size()), before);
}

// ---------------------------------------------------------------- a point locale

// Grouped amounts under a locale with a decimal point reach SQL as plain numbers.
TEST_F(PagosTest, CLocale_AGroupedAmountIsStoredAsItsNumber)
{
    SKIP_UNLESS_C_LOCALE();
    openPagos(1234.56);
    newSlip();
    EXPECT_EQ(shown(ed().txt_TotalPg), QStringLiteral("1,234.56"));
    payWith(QStringLiteral("1000.5"), QStringLiteral("8"), QStringLiteral("NACION"), QStringLiteral("234.06"));
    click(ed().tlb_BoletadePago, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(slips(), QStringLiteral("1/2006/5:1234.56+0+0 1000.5 c1=8|NACION|234.06 c2=-|-|0"));
    EXPECT_EQ(shown(ed().nroSumatoriaPagos), QStringLiteral("1,234.56"));
}

TEST(PagosUnderC, TheCLocaleCasesPassInAChildProcess)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("PagosTest.CLocale_*"));
}

}  // namespace
