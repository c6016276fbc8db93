// The "Boletas de Pago" tab of the declaration editor: the payment slips of
// the declaration, each an amount with its interest and fine paid in cash
// and up to two cheques that together cover "Total a Pagar".
#include "declarations/frmEditarDJ.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "core/schema/Vistas.h"
#include "declarations/Renglones.h"
#include "declarations/reports/frmLisBolDeposito.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/Reglas.h"
#include "platform/forms/SeccionLineas.h"
#include "platform/forms/SectionMode.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Pago = PES_VW_PAGOS_DDJJ7351;

using forms::Etiqueta;
using forms::Nombrado;
using text::CDbl;
using text::CStr;

void frmEditarDJ::crearPagos(QWidget* page)
{
    auto* pageLayout = new QVBoxLayout(page);

    tlb_BoletadePago = Nombrado(new forms::Toolbar(page), "tlb_BoletadePago");
    tlb_BoletadePago->AddButton(QStringLiteral("nuevo"), QStringLiteral("Nuevo"));
    tlb_BoletadePago->AddButton(QStringLiteral("modificar"), QStringLiteral("Modificar"));
    tlb_BoletadePago->AddButton(QStringLiteral("eliminar"), QStringLiteral("Eliminar"));
    tlb_BoletadePago->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    tlb_BoletadePago->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    tlb_BoletadePago->AddSeparator();
    tlb_BoletadePago->AddButton(QStringLiteral("imprimir"), QStringLiteral("Imprimir"));
    pageLayout->addWidget(tlb_BoletadePago);

    adoPagosDJ = new forms::DataControl(this);
    adoPagosDJ->setObjectName(QStringLiteral("adoPagosDJ"));
    grilla_pagos = Nombrado(new forms::DataGrid(page), "grilla_pagos");
    grilla_pagos->setAccessibleName(QStringLiteral("Boletas de Pago"));
    grilla_pagos->setDataSource(adoPagosDJ);
    pageLayout->addWidget(grilla_pagos, 1);

    auto* total = new QHBoxLayout;
    nroSumatoriaPagos = Nombrado(new ctlNumero(page), "nroSumatoriaPagos");
    nroSumatoriaPagos->Enabled(false);  // the sum of the slips, never typed
    total->addStretch(1);
    total->addWidget(Etiqueta(QStringLiteral("Total Boletas $"), nroSumatoriaPagos, page));
    total->addWidget(nroSumatoriaPagos);
    pageLayout->addLayout(total);

    auto* abajo = new QHBoxLayout;
    fra_detalle = Nombrado(new QGroupBox(QStringLiteral("Detalle"), page), "fra_detalle");
    auto* detalle = new QFormLayout(fra_detalle);
    txt_NroPago = Nombrado(new QLineEdit(fra_detalle), "txt_NroPago");
    // Numbered by the program, shown like the declaration number.
    txt_NroPago->setReadOnly(true);
    txt_NroPago->setFocusPolicy(Qt::ClickFocus);
    {
        QPalette p = txt_NroPago->palette();
        p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
        txt_NroPago->setPalette(p);
    }
    txt_ImportePg = Nombrado(new ctlNumero(fra_detalle), "txt_ImportePg");
    txt_InteresPg = Nombrado(new ctlNumero(fra_detalle), "txt_InteresPg");
    txt_MultaPg = Nombrado(new ctlNumero(fra_detalle), "txt_MultaPg");
    txt_TotalPg = Nombrado(new ctlNumero(fra_detalle), "txt_TotalPg");
    detalle->addRow(Etiqueta(QStringLiteral("Nro. Pago"), txt_NroPago, fra_detalle), txt_NroPago);
    detalle->addRow(Etiqueta(QStringLiteral("Importe"), txt_ImportePg, fra_detalle), txt_ImportePg);
    detalle->addRow(Etiqueta(QStringLiteral("Intereses Art 28 CF"), txt_InteresPg, fra_detalle), txt_InteresPg);
    detalle->addRow(Etiqueta(QStringLiteral("Multa"), txt_MultaPg, fra_detalle), txt_MultaPg);
    detalle->addRow(Etiqueta(QStringLiteral("Total a Pagar"), txt_TotalPg, fra_detalle), txt_TotalPg);
    abajo->addWidget(fra_detalle);

    fra_Pagos = Nombrado(new QGroupBox(QStringLiteral("Formas de Pago"), page), "fra_Pagos");
    // A small table: cash and one row per cheque under the headings
    // "Nº", "Banco" and "Importe", the total under the amounts.
    auto* pagos = new QGridLayout(fra_Pagos);
    nroEfectivo = Nombrado(new ctlNumero(fra_Pagos), "nroEfectivo");
    pagos->addWidget(Etiqueta(QStringLiteral("Efectivo"), nroEfectivo, fra_Pagos), 1, 0);
    pagos->addWidget(nroEfectivo, 1, 3);
    // Each box says which cheque it belongs to, the captions on screen
    // being the same for both.
    struct Cheque {
        QLineEdit*& nro;
        QLineEdit*& banco;
        ctlNumero*& monto;
        const char* nombres[3];
        const char* cual;
    };
    const Cheque cheques[] = {
        {txt_NroCheque1,
         txtCheque1_Banco,
         nroCheque1_Monto,
         {"txt_NroCheque1", "txtCheque1_Banco", "nroCheque1_Monto"},
         "primer"},
        {txt_NroCheque2,
         txtCheque2_Banco,
         nroCheque2_Monto,
         {"txt_NroCheque2", "txtCheque2_Banco", "nroCheque2_Monto"},
         "segundo"},
    };
    int fila = 2;
    for (const Cheque& c : cheques) {
        const QString cual = QString::fromLatin1(c.cual);
        c.nro = Nombrado(new QLineEdit(fra_Pagos), c.nombres[0]);
        c.nro->setMaxLength(15);
        c.nro->setMinimumWidth(c.nro->fontMetrics().horizontalAdvance(QString(9, QChar('0'))));
        c.nro->setMaximumWidth(c.nro->fontMetrics().horizontalAdvance(QString(15, QChar('0'))));
        c.nro->setAccessibleName(QStringLiteral("Nº del %1 cheque").arg(cual));
        c.banco = Nombrado(new QLineEdit(fra_Pagos), c.nombres[1]);
        c.banco->setMaxLength(30);
        c.banco->setMinimumWidth(c.banco->fontMetrics().horizontalAdvance(QString(20, QChar('N'))));
        c.banco->setAccessibleName(QStringLiteral("Banco del %1 cheque").arg(cual));
        c.monto = Nombrado(new ctlNumero(fra_Pagos), c.nombres[2]);
        forms::NombreAccesible(c.monto, QStringLiteral("Importe del %1 cheque").arg(cual));
        pagos->addWidget(Etiqueta(QStringLiteral("Cheque"), c.nro, fra_Pagos), fila, 0);
        pagos->addWidget(c.nro, fila, 1);
        pagos->addWidget(c.banco, fila, 2);
        pagos->addWidget(c.monto, fila, 3);
        ++fila;
    }
    lbl_NroCheque = Nombrado(Etiqueta(QStringLiteral("Nº"), txt_NroCheque1, fra_Pagos), "lbl_NroCheque");
    pagos->addWidget(lbl_NroCheque, 0, 1);
    pagos->addWidget(Etiqueta(QStringLiteral("Banco"), txtCheque1_Banco, fra_Pagos), 0, 2);
    pagos->addWidget(Etiqueta(QStringLiteral("Importe"), nroCheque1_Monto, fra_Pagos), 0, 3);
    nroTotalFormasPago = Nombrado(new ctlNumero(fra_Pagos), "nroTotalFormasPago");
    QLabel* totalPago = Etiqueta(QStringLiteral("Total Pago"), nroTotalFormasPago, fra_Pagos);
    totalPago->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pagos->addWidget(totalPago, fila, 2);
    pagos->addWidget(nroTotalFormasPago, fila, 3);
    pagos->setColumnStretch(2, 1);
    pagos->setRowStretch(fila + 1, 1);
    abajo->addWidget(fra_Pagos, 1);
    pageLayout->addLayout(abajo);

    for (ctlNumero* n : {nroSumatoriaPagos, txt_ImportePg, txt_InteresPg, txt_MultaPg, txt_TotalPg, nroEfectivo,
                         nroCheque1_Monto, nroCheque2_Monto, nroTotalFormasPago}) {
        n->setCantidadDecimales(2);
        n->setMaxLength(14);
    }
    for (ctlNumero* n : {nroSumatoriaPagos, txt_ImportePg, txt_InteresPg, txt_MultaPg, txt_TotalPg, nroTotalFormasPago})
        n->setValue(0);
    nroTotalFormasPago->Enabled(false);  // the sum of the forms of payment
    // Wide enough for the largest amount a slip takes.
    const int ancho = fontMetrics().horizontalAdvance(QStringLiteral("9.999.999,99")) + 16;
    for (ctlNumero* n : {nroSumatoriaPagos, txt_ImportePg, txt_InteresPg, txt_MultaPg, txt_TotalPg, nroEfectivo,
                         nroCheque1_Monto, nroCheque2_Monto, nroTotalFormasPago})
        n->setMinimumWidth(ancho);

    mSeccionPagos.Declarar({
        .ventana = this,
        .conn = &de1::conn(),
        .barra = tlb_BoletadePago,
        .conFilas = {QStringLiteral("modificar"), QStringLiteral("eliminar"), QStringLiteral("imprimir")},
        .campos = {fra_detalle, fra_Pagos},
        .grilla = grilla_pagos,
        .hayFilas = [this] { return TienePagos(); },
        .filasLeidas = {},
        .nuevo = {[this] {
                      // The proposal starts from the stored amount and credit.
                      MostrarTotalesGuardados();
                      if (TienePagos()) {
                          GuardarPagoActual();
                          LimpiarPago();
                      }
                      if (nroAfavorL7351->Value() < txt_Importe->Value())
                          txt_ImportePg->setValue(txt_Importe->Value() - nroAfavorL7351->Value());
                      txt_InteresPg->setValue(txt_Interes->Value());
                      txt_MultaPg->setValue(txt_Multa->Value());
                  },
                  txt_ImportePg},
        .modificar = {[this] { GuardarPagoActual(); }, txt_ImportePg},
        .eliminar = {[this] { GuardarPagoActual(); }, nullptr},
        .leerFila =
            [this] { return TienePagos() ? Renglones::LeerFila(*adoPagosDJ->Recordset) : Renglones::FilaLeida{}; },
        .validar = [this] { return ValidarPago(); },
        .calcular = {},
        .insertar = [this] { InsertarPago(); },
        .actualizar = [this] { ActualizarPago(); },
        .borrar = [this] { BorrarPago(); },
        .totales = {},  // a slip moves no header total
        .recargar = [this](forms::ModoSeccion) { CargarPagos(); },
        .cancelar = [this] { CancelarPago(); },
        .habilitar = [this](bool h) { HabilitarPagos(h); },
        .modo = &mModoPago,
    });
    connect(tlb_BoletadePago, &forms::Toolbar::ButtonClick, this, &frmEditarDJ::tlb_BoletadePago_ButtonClick);
    connect(grilla_pagos, &forms::DataGrid::RowColChange, this, &frmEditarDJ::grilla_pagos_RowColChange);
    for (ctlNumero* n : {txt_ImportePg, txt_InteresPg, txt_MultaPg})
        connect(n, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularTotalPago);
    for (ctlNumero* n : {nroEfectivo, nroCheque1_Monto, nroCheque2_Monto})
        connect(n, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularTotalFormasPago);
    for (QLineEdit* banco : {txtCheque1_Banco, txtCheque2_Banco}) forms::OnKeyPress(banco, forms::Mayuscula);
}

// ---------------------------------------------------------------- toolbar

void frmEditarDJ::tlb_BoletadePago_ButtonClick(const QString& key)
{
    if (key == QLatin1String("imprimir")) {
        // The grid's first column is the declaration number: every slip of it prints.
        frmLisBolDeposito& visor = forms::Form::Instance<frmLisBolDeposito>();
        visor.IdInstrumento(grilla_pagos->Text(Pago::PCDJ_NRO));
        visor.Show();
        return;
    }
    mSeccionPagos.ButtonClick(key);
}

// The kept number, importe, interest, fine and first cheque number go
// back; the other boxes keep what was typed.
void frmEditarDJ::CancelarPago()
{
    if (!mPago && mModoPago != forms::ModoEliminar) {
        LimpiarPago();
    } else if (mPago) {
        txt_NroPago->setText(CStr(std::int64_t(mPago->Nro_Pago)));
        txt_NroCheque1->setText(mPago->NroCheque);
        txt_ImportePg->setValue(mPago->Importe);
        txt_InteresPg->setValue(mPago->Intereses);
        txt_MultaPg->setValue(mPago->Multa);
    }
}

void frmEditarDJ::grilla_pagos_RowColChange(const ado::Variant& lastRow, int lastCol)
{
    (void)lastCol;
    if (!lastRow.isEmpty() && !(lastRow == grilla_pagos->Bookmark())) MostrarPago();
}

// ---------------------------------------------------------------- one slip

bool frmEditarDJ::ValidarPago()
{
    if (txt_Interes->toString().isEmpty()) txt_Interes->setValue(0);
    for (QLineEdit* t : {txt_NroCheque1, txt_NroCheque2, txtCheque1_Banco, txtCheque2_Banco})
        t->setText(t->text().trimmed());
    for (ctlNumero* n : {nroCheque1_Monto, nroCheque2_Monto})
        if (n->toSQL().isEmpty()) n->setValue(0);
    CalcularTotalFormasPago();

    if (txt_ImportePg->Value() == 0) return forms::Rechazar("Ingrese el importe a pagar", txt_ImportePg, Caption());
    struct Cheque {
        QLineEdit* nro;
        QLineEdit* banco;
        ctlNumero* monto;
        const char* faltaNro;
        const char* faltaBanco;
        const char* faltaMonto;
    };
    const Cheque cheques[] = {
        {txt_NroCheque1, txtCheque1_Banco, nroCheque1_Monto, "Ingrese el Nº del primer cheque",
         "Ingrese el Banco del primer cheque", "Ingrese el Monto del primer cheque"},
        {txt_NroCheque2, txtCheque2_Banco, nroCheque2_Monto, "Ingrese el Nº del segundo cheque",
         "Ingrese el Banco del segundo cheque", "Ingrese el Monto del segundo cheque"},
    };
    for (const Cheque& c : cheques) {
        const bool nro = !c.nro->text().isEmpty(), banco = !c.banco->text().isEmpty(), monto = c.monto->Value() > 0;
        if (!forms::CumpleReglas(
                {
                    {!nro && (banco || monto), c.faltaNro, c.nro},
                    {!banco && (nro || monto), c.faltaBanco, c.banco},
                    {c.monto->Value() == 0 && (nro || banco), c.faltaMonto, c.monto},
                },
                Caption()))
            return false;
    }
    const double efectivo = nroEfectivo->Value(), cheque1 = nroCheque1_Monto->Value(),
                 cheque2 = nroCheque2_Monto->Value();
    return forms::CumpleReglas(
        {
            {efectivo == 0 && cheque1 == 0 && cheque2 == 0, "Ingrese la forma de pago", nroEfectivo},
            // To the cent: 1.10 + 2.20 is 3.30 although the doubles differ.
            {text::Round(efectivo + cheque1 + cheque2, 2) != text::Round(txt_TotalPg->Value(), 2),
             "La sumatoria de las formas de pago de la boleta no coincide con el total a pagar", nroEfectivo},
        },
        Caption());
}

void frmEditarDJ::CalcularTotalPago()
{
    txt_TotalPg->setValue(txt_InteresPg->Value() + txt_ImportePg->Value() + txt_MultaPg->Value());
}

void frmEditarDJ::CalcularTotalFormasPago()
{
    nroTotalFormasPago->setValue((nroCheque1_Monto->Value() + nroEfectivo->Value()) + nroCheque2_Monto->Value());
}

Renglones::Boleta frmEditarDJ::BoletaMostrada() const
{
    Renglones::Boleta b;
    b.importe = txt_ImportePg->Value();
    b.intereses = txt_InteresPg->Value();
    b.multa = txt_MultaPg->Value();
    b.efectivo = nroEfectivo->Value();
    b.cheque1Nro = txt_NroCheque1->text();
    b.cheque1Banco = txtCheque1_Banco->text();
    b.cheque1Monto = nroCheque1_Monto->Value();
    b.cheque2Nro = txt_NroCheque2->text();
    b.cheque2Banco = txtCheque2_Banco->text();
    b.cheque2Monto = nroCheque2_Monto->Value();
    return b;
}

// The slip number is taken inside the insert's transaction, so that two
// instances saving slips of one declaration never take the same one.
QString frmEditarDJ::SiguienteNroPago()
{
    txt_NroPago->setText(CStr(Renglones::SiguienteNroPago(de1::conn(), NroDJ23())));
    return txt_NroPago->text();
}

void frmEditarDJ::InsertarPago()
{
    Renglones::InsertarPago(de1::conn(), NroDJ23(), SiguienteNroPago().toInt(), txt_anio->text().toInt(),
                            txt_mes->text().toInt(), BoletaMostrada());
}

void frmEditarDJ::ActualizarPago()
{
    // The slip number is the program's own; anything else never reaches SQL.
    if (!text::EsEnteroSimple(txt_NroPago->text(), 9)) return;
    Renglones::ActualizarPago(de1::conn(), NroDJ23(), txt_NroPago->text().toInt(), mSeccionPagos.FilaLeida(),
                              BoletaMostrada());
}

void frmEditarDJ::BorrarPago()
{
    if (!text::EsEnteroSimple(txt_NroPago->text(), 9)) return;
    Renglones::BorrarPago(de1::conn(), NroDJ23(), txt_NroPago->text().toInt(), mSeccionPagos.FilaLeida());
}

// ---------------------------------------------------------------- the grid

void frmEditarDJ::CargarPagos()
{
    CargarGrillaPagos();
    if (TienePagos()) {
        const auto& rs = adoPagosDJ->Recordset;
        rs->MoveFirst();
        grilla_pagos->SelBookmarks().Add(rs->Bookmark());
        MostrarPago();
    } else {
        mPago.reset();
        LimpiarPago();
    }
    MostrarTotalesGuardados();
    HabilitarPagos(true);
}

void frmEditarDJ::CargarGrillaPagos()
{
    forms::Atrapar([this] {
        ado::Recordset suma;
        suma.Open(QStringLiteral("SELECT Sum([PPDJ_EFECTIVO]+[PPDJ_CHEQUE1_MONTO]+[PPDJ_CHEQUE2_MONTO]) AS Total ")
                      + QStringLiteral(" from LNV_PES_TB_PAGOS_DDJJ7351 ") + QStringLiteral(" where PCDJ_NRO = '")
                      + NroDJ23() + QStringLiteral("'"),
                  de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (!suma.Eof()) {
            const ado::Variant& t = suma(QStringLiteral("Total"));
            nroSumatoriaPagos->setValue(t.isNull() ? 0.0 : CDbl(t));
        }
        suma.Close();

        auto rs = std::make_shared<ado::Recordset>();
        // By slip number, so that the first slip shown is the first one paid.
        rs->Open(QStringLiteral("select * FROM PES_VW_PAGOS_DDJJ7351 ") + QStringLiteral("WHERE PCDJ_NRO = '")
                     + NroDJ23() + QStringLiteral("' ORDER BY PPDJ_NRO"),
                 de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        adoPagosDJ->Recordset = rs;
        adoPagosDJ->Refresh();
        FormatearGrillaPagos();
    });
}

void frmEditarDJ::FormatearGrillaPagos()
{
    using forms::dbgLeft;
    using forms::dbgRight;
    static constexpr auto columnas = forms::PorPosicion<Pago::Columnas>({
        {Pago::PCDJ_NRO, {nullptr, 0, dbgLeft, nullptr, false}},
        {Pago::PPDJ_NRO, {"Pago Nº", 700}},
        {Pago::PPDJ_IMPORTE, {"Importe", 1100, dbgRight, "0.00"}},
        {Pago::PPDJ_INTERESES, {"Intereses", 1100, dbgRight, "0.00"}},
        {Pago::PPDJ_MULTA, {"Multa", 1100, dbgRight, "0.00", false}},
        {Pago::PPDJ_EFECTIVO, {"Efectivo", 1100, dbgRight, "0.00"}},
        {Pago::PPDJ_CHEQUE1_NRO, {"Cheque Nº", 1100, dbgLeft, "0"}},
        {Pago::PPDJ_CHEQUE1_BANCO, {"Cheque Banco", 1300}},
        {Pago::PPDJ_CHEQUE1_MONTO, {"Cheque Importe", 1200, dbgRight, "0.00"}},
        {Pago::PPDJ_CHEQUE2_NRO, {"Cheque Nº", 1100}},
        {Pago::PPDJ_CHEQUE2_BANCO, {"Cheque Banco", 1300}},
        {Pago::PPDJ_CHEQUE2_MONTO, {"Cheque Importe", 1200, dbgRight, "0.00"}},
    });
    forms::AplicarColumnas(*grilla_pagos, columnas);
}

bool frmEditarDJ::TienePagos() const
{
    const auto& rs = adoPagosDJ->Recordset;
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0;
}

void frmEditarDJ::MostrarPago()
{
    if (grilla_pagos->Row() < 0) return;
    forms::DataGrid* g = grilla_pagos;
    txt_NroPago->setText(g->Text(Pago::PPDJ_NRO));
    txt_ImportePg->setValue(g->Numero(Pago::PPDJ_IMPORTE));
    txt_InteresPg->setValue(g->Numero(Pago::PPDJ_INTERESES));
    txt_MultaPg->setValue(g->Numero(Pago::PPDJ_MULTA));
    nroEfectivo->setValue(g->Numero(Pago::PPDJ_EFECTIVO));
    // Cheque numbers as stored: the grid's number format would drop their
    // leading zeros and read a point in them as a thousands separator.
    const auto& rs = adoPagosDJ->Recordset;
    txt_NroCheque1->setText(CStr(rs->Fields(QStringLiteral("PPDJ_CHEQUE1_NRO")).Value()));
    txtCheque1_Banco->setText(g->Text(Pago::PPDJ_CHEQUE1_BANCO));
    nroCheque1_Monto->setValue(g->Numero(Pago::PPDJ_CHEQUE1_MONTO));
    txt_NroCheque2->setText(CStr(rs->Fields(QStringLiteral("PPDJ_CHEQUE2_NRO")).Value()));
    txtCheque2_Banco->setText(g->Text(Pago::PPDJ_CHEQUE2_BANCO));
    nroCheque2_Monto->setValue(g->Numero(Pago::PPDJ_CHEQUE2_MONTO));
    txt_TotalPg->setValue((txt_InteresPg->Value() + txt_ImportePg->Value()) + txt_MultaPg->Value());
    CalcularTotalFormasPago();
}

void frmEditarDJ::LimpiarPago()
{
    txt_NroPago->clear();
    txt_NroCheque1->clear();
    for (ctlNumero* n :
         {txt_ImportePg, txt_InteresPg, txt_MultaPg, txt_TotalPg, nroEfectivo, nroCheque1_Monto, nroCheque2_Monto})
        n->ClearText();
    for (QLineEdit* t : {txtCheque1_Banco, txtCheque2_Banco, txt_NroCheque1, txt_NroCheque2}) t->clear();
    nroTotalFormasPago->ClearText();
    nroTotalFormasPago->setValue(0);
}

void frmEditarDJ::GuardarPagoActual()
{
    clsPagosDDJJ& p = mPago.Guardar();
    p.Nro_Pago = std::int16_t(txt_NroPago->text().toInt());
    p.Importe = txt_ImportePg->Value();
    p.Intereses = txt_InteresPg->Value();
    p.Multa = txt_MultaPg->Value();
    p.NroCheque = txt_NroCheque1->text();
}

void frmEditarDJ::HabilitarPagos(bool Habilitar) { mSeccionPagos.EstadoBotones(Habilitar); }
