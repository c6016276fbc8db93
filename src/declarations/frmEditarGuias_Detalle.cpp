// The "Detalle" tab of the guide editor: the guide's lines, one per
// species, with crates, kilograms, price per kilogram and amount, priced
// from the dock price in force at the guide's date. Every line change and
// the guide's totals it moves are stored together.
#include "declarations/PrecioEnVigor.h"
#include "declarations/frmEditarGuias.h"

#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/SectionMode.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using forms::Etiqueta;
using forms::Nombrado;
using text::CDbl;
using text::CStr;

void frmEditarGuias::crearDetalle(QWidget* page)
{
    auto* pageLayout = new QVBoxLayout(page);

    tlb_detalle = forms::BarraDeSeccion(page, "tlb_detalle");
    pageLayout->addWidget(tlb_detalle);

    frm_detalle = Nombrado(new QGroupBox(page), "frm_detalle");
    auto* campos = new QFormLayout(frm_detalle);
    campos->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    txt_renglon = Nombrado(new QLineEdit(frm_detalle), "txt_renglon");
    forms::NumeroDelPrograma(txt_renglon);
    cbo_Especies = Nombrado(new forms::ComboBox(frm_detalle), "cbo_Especies");
    forms::Angosto(cbo_Especies, 20);
    lbl_Precio = Nombrado(new QLabel(frm_detalle), "lbl_Precio");
    txt_cajones = Nombrado(new ctlNumero(frm_detalle), "txt_cajones");
    txt_kg = Nombrado(new ctlNumero(frm_detalle), "txt_kg");
    txt_precio = Nombrado(new ctlNumero(frm_detalle), "txt_precio");
    txt_MtoTotal = Nombrado(new ctlNumero(frm_detalle), "txt_MtoTotal");
    auto* especie = new QHBoxLayout;
    especie->addWidget(cbo_Especies);
    especie->addWidget(lbl_Precio, 1);
    campos->addRow(Etiqueta(QStringLiteral("Nro. Renglón"), txt_renglon, frm_detalle), txt_renglon);
    campos->addRow(Etiqueta(QStringLiteral("Especie"), cbo_Especies, frm_detalle), especie);
    campos->addRow(Etiqueta(QStringLiteral("Cajones"), txt_cajones, frm_detalle), txt_cajones);
    campos->addRow(Etiqueta(QStringLiteral("Kg. Capturados"), txt_kg, frm_detalle), txt_kg);
    campos->addRow(Etiqueta(QStringLiteral("Precio por Kg."), txt_precio, frm_detalle), txt_precio);
    campos->addRow(Etiqueta(QStringLiteral("Monto Total"), txt_MtoTotal, frm_detalle), txt_MtoTotal);
    pageLayout->addWidget(frm_detalle);

    adoDetalleGuia = new forms::DataControl(this);
    adoDetalleGuia->setObjectName(QStringLiteral("adoDetalleGuia"));
    grilla_detalle = Nombrado(new forms::DataGrid(page), "grilla_detalle");
    grilla_detalle->setDataSource(adoDetalleGuia);
    pageLayout->addWidget(grilla_detalle, 1);

    frm_totalGralVtas = Nombrado(new QGroupBox(page), "frm_totalGralVtas");
    auto* total = new QHBoxLayout(frm_totalGralVtas);
    txt_MtoGralVtas = Nombrado(new QLineEdit(frm_totalGralVtas), "txt_MtoGralVtas");
    txt_MtoGralVtas->setReadOnly(true);  // the sum of the lines, never typed
    txt_MtoGralVtas->setAlignment(Qt::AlignRight);
    total->addStretch(1);
    total->addWidget(Etiqueta(QStringLiteral("Total Guía:"), txt_MtoGralVtas, frm_totalGralVtas));
    total->addWidget(txt_MtoGralVtas);
    pageLayout->addWidget(frm_totalGralVtas);

    connect(tlb_detalle, &forms::Toolbar::ButtonClick, this, &frmEditarGuias::tlb_detalle_ButtonClick);
    connect(cbo_Especies, &forms::ComboBox::Click, this, &frmEditarGuias::cbo_Especies_Click);
    for (ctlNumero* n : {txt_cajones, txt_kg, txt_precio})
        connect(n, &ctlNumero::LostFocus, this, &frmEditarGuias::CalcularMontoRenglon);
    for (ctlNumero* n : {txt_MtoTotal, txt_alicuota})
        connect(n, &ctlNumero::LostFocus, this, &frmEditarGuias::CalcularDepositado);
    connect(grilla_detalle, &forms::DataGrid::RowColChange, this, &frmEditarGuias::grilla_detalle_RowColChange);
}

void frmEditarGuias::SSTab1_Click(int previousTab)
{
    (void)previousTab;
    if (SSTab1->Tab() == 0) CalcularDepositado();
    if (SSTab1->Tab() == 1) CargarDetalle();
}

// ---------------------------------------------------------------- species

void frmEditarGuias::CargarEspecies()
{
    // The guide's lines are priced at the guide's date, not at the declared month.
    forms::Atrapar([this] { PrecioEnVigor::CargarEspecies(dtp_FechaG->Date(), mEspecies, *cbo_Especies); });
}

void frmEditarGuias::cbo_Especies_Click()
{
    QWidget* activo = QApplication::focusWidget();
    if (activo != grilla_detalle && activo != cbo_Especies) return;
    if (mEspecies) PrecioEnVigor::MostrarPrecio(*mEspecies, *cbo_Especies, *txt_precio, *lbl_Precio);
}

void frmEditarGuias::QuitarEspeciesCargadas()
{
    PrecioEnVigor::QuitarEspeciesCargadas(adoDetalleGuia->Recordset.get(), *cbo_Especies);
}

// ---------------------------------------------------------------- one line

bool frmEditarGuias::ValidarDetalle()
{
    auto falla = [this](const QString& mensaje, QWidget* foco) {
        forms::MsgBox(mensaje, forms::vbInformation, Caption());
        foco->setFocus();
        return false;
    };
    if (cbo_Especies->ListIndex() < 0) return falla(QStringLiteral("Seleccione la especie capturada"), cbo_Especies);
    if (txt_cajones->Value() == 0) return falla(QStringLiteral("Ingrese los cajones"), txt_cajones);
    if (txt_kg->Value() == 0) return falla(QStringLiteral("Ingrese los kilogramos capturados"), txt_kg);
    if (txt_precio->Value() == 0) return falla(QStringLiteral("Ingrese el precio por kilo"), txt_precio);
    return PrecioEnVigor::MontoAceptado(*txt_MtoTotal, txt_precio->Value(), txt_kg->Value(), Caption());
}

void frmEditarGuias::CalcularMontoRenglon() { txt_MtoTotal->setValue(txt_precio->Value() * txt_kg->Value()); }

QString frmEditarGuias::SiguienteRenglon()
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Max(LNV_PES_TB_GUIAS_DET.PDGT_NRO) AS PDGT_NRO ")
                + QStringLiteral("From LNV_PES_TB_GUIAS_DET ")
                + QStringLiteral("WHERE (((LNV_PES_TB_GUIAS_DET.PGTR_NRO)= '") + NroGuiaSQL() + QStringLiteral("'))"),
            de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
    QString siguiente = QStringLiteral("1");
    if (!rs.Eof()) {
        const ado::Variant& max = rs(QStringLiteral("PDGT_NRO"));
        if (!max.isNull() && CDbl(max) != 0) siguiente = CStr(text::CLng(max) + 1);
    }
    txt_renglon->setText(siguiente);
    return siguiente;
}

void frmEditarGuias::InsertarDetalle()
{
    const QString renglon = SiguienteRenglon();
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_GUIAS_DET ")
                        + QStringLiteral("(PGTR_NRO, PDGT_NRO, PTES_ID, PDGT_CAJONES, ")
                        + QStringLiteral("PDGT_KGS, PDGT_PRECIO, PDGT_TOTAL) ") + QStringLiteral("VALUES ")
                        + QStringLiteral("('") + NroGuiaSQL() + QStringLiteral("', ") + renglon + QStringLiteral(", ")
                        + CStr(cbo_Especies->ItemData(cbo_Especies->ListIndex())) + QStringLiteral(", ")
                        + text::NumeroSQL(txt_cajones->Value()) + QStringLiteral(", ")
                        + text::NumeroSQL(txt_kg->Value()) + QStringLiteral(", ") + text::NumeroSQL(txt_precio->Value())
                        + QStringLiteral(", ") + text::NumeroSQL(txt_MtoTotal->Value()) + QStringLiteral(")"));
}

void frmEditarGuias::ActualizarDetalle()
{
    // The line number is the program's own; anything else never reaches SQL.
    if (!text::EsEnteroSimple(txt_renglon->text(), 9)) return;
    de1::conn().Execute(QStringLiteral("update LNV_PES_TB_GUIAS_DET SET ") + QStringLiteral("PDGT_CAJONES=")
                        + text::NumeroSQL(txt_cajones->Value()) + QStringLiteral(", ") + QStringLiteral("PDGT_KGS=")
                        + text::NumeroSQL(txt_kg->Value()) + QStringLiteral(", ") + QStringLiteral("PDGT_PRECIO=")
                        + text::NumeroSQL(txt_precio->Value()) + QStringLiteral(", ") + QStringLiteral("PDGT_TOTAL=")
                        + text::NumeroSQL(txt_MtoTotal->Value()) + QStringLiteral(" WHERE PGTR_NRO = '") + NroGuiaSQL()
                        + QStringLiteral("'") + QStringLiteral(" AND PDGT_NRO = ") + txt_renglon->text());
}

void frmEditarGuias::BorrarDetalle()
{
    if (!text::EsEnteroSimple(txt_renglon->text(), 9)) return;
    de1::conn().Execute(QStringLiteral("delete FROM LNV_PES_TB_GUIAS_DET ") + QStringLiteral(" WHERE PGTR_NRO = '")
                        + NroGuiaSQL() + QStringLiteral("'") + QStringLiteral(" AND PDGT_NRO = ")
                        + txt_renglon->text());
}

// A failed save stores neither the line nor the totals and leaves the
// section in its mode, as the clerk typed it.
bool frmEditarGuias::GuardarRenglon(void (frmEditarGuias::*sentencia)())
{
    const QString renglon = txt_renglon->text();
    Totales t;
    if (!forms::AtraparEnTransaccion(de1::conn(), [&] {
            (this->*sentencia)();
            t = EscribirTotales();
        })) {
        txt_renglon->setText(renglon);
        return false;
    }
    MostrarTotales(t);
    return true;
}

// ---------------------------------------------------------------- the grid

void frmEditarGuias::CargarDetalle()
{
    CargarGrillaDetalle();
    const auto& rs = adoDetalleGuia->Recordset;
    double suma = 0;
    if (TieneRenglones()) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            suma += CDbl(rs->Fields(QStringLiteral("PDGT_TOTAL")).Value());
        rs->MoveFirst();
        grilla_detalle->SelBookmarks().Add(rs->Bookmark());
        MostrarRenglon();
    } else {
        LimpiarDetalle();
    }
    txt_MtoGralVtas->setText(text::Format(suma, QStringLiteral("###,###,##0.00")));
    HabilitarDetalle(true);
}

void frmEditarGuias::CargarGrillaDetalle()
{
    forms::Atrapar([this] {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(QStringLiteral("select * FROM PES_VW_GUIAS_DET ") + QStringLiteral("WHERE PGTR_NRO = '") + NroGuiaSQL()
                     + QStringLiteral("'"),
                 de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        adoDetalleGuia->Recordset = rs;
        adoDetalleGuia->Refresh();
        FormatearGrillaDetalle();
    });
}

void frmEditarGuias::FormatearGrillaDetalle()
{
    static const forms::ColumnaGrilla columnas[] = {
        {"", 0},
        {"Renglón", 700, forms::dbgRight},
        {"", 0},
        {"Especie", 2000},
        {"Cajones", 700, forms::dbgRight, "0.00"},
        {"Kg. capturados", 1000, forms::dbgRight, "0.00"},
        {"Precio por Kg.", 1000, forms::dbgRight, "0.00"},
        {"Monto Total", 1200, forms::dbgRight, "0.00"},
    };
    forms::AplicarColumnas(*grilla_detalle, columnas);
}

bool frmEditarGuias::TieneRenglones() const
{
    const auto& rs = adoDetalleGuia->Recordset;
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0;
}

void frmEditarGuias::HabilitarDetalle(bool Habilitar)
{
    tlb_detalle->Buttons(1).setEnabled(Habilitar);
    tlb_detalle->Buttons(2).setEnabled(Habilitar && TieneRenglones());
    tlb_detalle->Buttons(3).setEnabled(Habilitar && TieneRenglones());
    tlb_detalle->Buttons(4).setEnabled(!Habilitar);
    tlb_detalle->Buttons(5).setEnabled(!Habilitar);
    frm_detalle->setEnabled(!Habilitar);
    grilla_detalle->setEnabled(Habilitar);
    cbo_Especies->setEnabled(mModoDetalle == forms::ModoNuevo && !Habilitar);
}

void frmEditarGuias::MostrarRenglon()
{
    if (grilla_detalle->Row() < 0) return;
    txt_renglon->setText(grilla_detalle->Text(1));
    cbo_Especies->setText(grilla_detalle->Text(3));
    // The reference beside the species is the shown line's, not the last one chosen.
    lbl_Precio->clear();
    if (mEspecies) PrecioEnVigor::MostrarPrecio(*mEspecies, *cbo_Especies, *txt_precio, *lbl_Precio);
    auto valor = [](const QString& s) { return text::IsNumeric(s) ? CDbl(s) : 0.0; };
    txt_cajones->setValue(valor(grilla_detalle->Text(4)));
    txt_kg->setValue(valor(grilla_detalle->Text(5)));
    txt_precio->setValue(valor(grilla_detalle->Text(6)));
    txt_MtoTotal->setValue(valor(grilla_detalle->Text(7)));
}

void frmEditarGuias::LimpiarDetalle()
{
    txt_renglon->clear();
    cbo_Especies->setListIndex(-1);
    for (ctlNumero* n : {txt_cajones, txt_kg, txt_precio, txt_MtoTotal}) n->ClearText();
    lbl_Precio->clear();
}

void frmEditarGuias::GuardarDetalleActual()
{
    if (!mDet) mDet = std::make_shared<clsDetGuia>();
    mDet->NroGuia = txt_NroGuia->text();
    mDet->Renglon = text::IsNumeric(txt_renglon->text()) ? text::CInt(txt_renglon->text()) : 0;
    mDet->Especie = cbo_Especies->Text();
    mDet->Cajones = txt_cajones->Value();
    mDet->Kg = txt_kg->Value();
    mDet->Precio = txt_precio->Value();
    mDet->MtoTotal = txt_MtoTotal->Value();
}

void frmEditarGuias::tlb_detalle_ButtonClick(const QString& key)
{
    if (key == QLatin1String("nuevo")) {
        if (TieneRenglones()) {
            GuardarDetalleActual();
            QuitarEspeciesCargadas();
            LimpiarDetalle();
        }
        mModoDetalle = forms::ModoNuevo;
        HabilitarDetalle(false);
        cbo_Especies->setFocus();
    } else if (key == QLatin1String("modificar")) {
        GuardarDetalleActual();
        mModoDetalle = forms::ModoModificar;
        HabilitarDetalle(false);
        txt_cajones->setFocus();
    } else if (key == QLatin1String("eliminar")) {
        mModoDetalle = forms::ModoEliminar;
        HabilitarDetalle(false);
    } else if (key == QLatin1String("aceptar")) {
        if (mModoDetalle == forms::ModoNuevo) {
            if (!ValidarDetalle()) return;
            CalcularMontoRenglon();
            if (!GuardarRenglon(&frmEditarGuias::InsertarDetalle)) return;
            CargarEspecies();
            CargarDetalle();
        } else if (mModoDetalle == forms::ModoModificar) {
            if (!ValidarDetalle()) return;
            CalcularMontoRenglon();
            if (!GuardarRenglon(&frmEditarGuias::ActualizarDetalle)) return;
            CargarDetalle();
        } else if (mModoDetalle == forms::ModoEliminar) {
            if (!GuardarRenglon(&frmEditarGuias::BorrarDetalle)) return;
            CargarDetalle();
        }
        HabilitarDetalle(true);
    } else if (key == QLatin1String("cancelar")) {
        LimpiarDetalle();
        if (mDet) {
            CargarEspecies();
            txt_renglon->setText(CStr(mDet->Renglon));
            cbo_Especies->setText(mDet->Especie);
            txt_cajones->setValue(mDet->Cajones);
            txt_kg->setValue(mDet->Kg);
            txt_precio->setValue(mDet->Precio);
            txt_MtoTotal->setValue(mDet->MtoTotal);
        }
        HabilitarDetalle(true);
    }
}

void frmEditarGuias::grilla_detalle_RowColChange(const ado::Variant& lastRow, int lastCol)
{
    (void)lastCol;
    if (!lastRow.isEmpty() && !(lastRow == grilla_detalle->Bookmark())) MostrarRenglon();
}
