// The "Detalle" tab of the declaration editor: the sales lines, one per
// species, priced from the dock price in force on the first day of the
// declared month, and the header totals that follow every change.
#include "declarations/PrecioEnVigor.h"
#include "declarations/frmEditarDJ.h"

#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
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
#include <QSignalBlocker>
#include <QVBoxLayout>

using forms::Etiqueta;
using forms::Nombrado;
using text::CDbl;
using text::CStr;

namespace {

}  // namespace

void frmEditarDJ::crearDetalle(QWidget* page)
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
    txt_kg = Nombrado(new ctlNumero(frm_detalle), "txt_kg");
    txt_precio = Nombrado(new ctlNumero(frm_detalle), "txt_precio");
    txt_MtoTotal = Nombrado(new ctlNumero(frm_detalle), "txt_MtoTotal");
    auto* especie = new QHBoxLayout;
    especie->addWidget(cbo_Especies);
    especie->addWidget(lbl_Precio, 1);
    campos->addRow(Etiqueta(QStringLiteral("Nro. Renglón:"), txt_renglon, frm_detalle), txt_renglon);
    campos->addRow(Etiqueta(QStringLiteral("Especie:"), cbo_Especies, frm_detalle), especie);
    campos->addRow(Etiqueta(QStringLiteral("Kg.Capturados:"), txt_kg, frm_detalle), txt_kg);
    campos->addRow(Etiqueta(QStringLiteral("Precio por Kg.:"), txt_precio, frm_detalle), txt_precio);
    campos->addRow(Etiqueta(QStringLiteral("Monto Total:"), txt_MtoTotal, frm_detalle), txt_MtoTotal);
    pageLayout->addWidget(frm_detalle);

    adoDetalleDJ = Nombrado(new forms::DataControl(this), "adoDetalleDJ");
    grilla_detalle = Nombrado(new forms::DataGrid(page), "grilla_detalle");
    grilla_detalle->setDataSource(adoDetalleDJ);
    pageLayout->addWidget(grilla_detalle, 1);

    frm_totalGralVtas = Nombrado(new QGroupBox(page), "frm_totalGralVtas");
    auto* total = new QHBoxLayout(frm_totalGralVtas);
    txt_MtoGralVtas = Nombrado(new ctlNumero(frm_totalGralVtas), "txt_MtoGralVtas");
    txt_MtoGralVtas->setEnabled(false);  // the sum of the lines, never typed
    total->addStretch(1);
    total->addWidget(Etiqueta(QStringLiteral("Total General de Ventas"), txt_MtoGralVtas, frm_totalGralVtas));
    total->addWidget(txt_MtoGralVtas);
    pageLayout->addWidget(frm_totalGralVtas);

    connect(tlb_detalle, &forms::Toolbar::ButtonClick, this, &frmEditarDJ::tlb_detalle_ButtonClick);
    connect(cbo_Especies, &forms::ComboBox::Click, this, &frmEditarDJ::cbo_Especies_Click);
    connect(txt_kg, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularMontoRenglon);
    connect(txt_precio, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularMontoRenglon);
    connect(grilla_detalle, &forms::DataGrid::RowColChange, this, &frmEditarDJ::grilla_detalle_RowColChange);
}

// ---------------------------------------------------------------- species

void frmEditarDJ::CargarEspecies()
{
    // The first day of the declared month; today while the period is not typed.
    QDate fecha = text::Today();
    if (!txt_mes->text().isEmpty() && !txt_anio->text().isEmpty()) {
        bool anioOk = false, mesOk = false;
        const int anio = txt_anio->text().toInt(&anioOk), mes = txt_mes->text().toInt(&mesOk);
        const QDate d(anio, mes, 1);
        if (anioOk && mesOk && d.isValid()) fecha = d;
    }

    forms::Atrapar([&] { PrecioEnVigor::CargarEspecies(fecha, mEspecies, *cbo_Especies); });
}

void frmEditarDJ::cbo_Especies_Click()
{
    QWidget* activo = QApplication::focusWidget();
    if (activo != grilla_detalle && activo != cbo_Especies) return;
    if (mEspecies) PrecioEnVigor::MostrarPrecio(*mEspecies, *cbo_Especies, *txt_precio, *lbl_Precio);
}

void frmEditarDJ::QuitarEspeciesCargadas()
{
    PrecioEnVigor::QuitarEspeciesCargadas(adoDetalleDJ->Recordset.get(), *cbo_Especies);
}

// ---------------------------------------------------------------- one line

bool frmEditarDJ::ValidarDetalle()
{
    auto falla = [this](const char* mensaje, QWidget* foco) {
        forms::MsgBox(QString::fromUtf8(mensaje), forms::vbInformation, Caption());
        foco->setFocus();
        return false;
    };
    if (cbo_Especies->ListIndex() < 0) return falla("Seleccione la especie capturada", cbo_Especies);
    if (txt_kg->Value() == 0) return falla("Ingrese los kilogramos capturados", txt_kg);
    if (txt_precio->Value() == 0) return falla("Ingrese el precio por kilo", txt_precio);
    return PrecioEnVigor::MontoAceptado(*txt_MtoTotal, txt_precio->Value(), txt_kg->Value(), Caption());
}

void frmEditarDJ::CalcularMontoRenglon() { txt_MtoTotal->setValue(txt_precio->Value() * txt_kg->Value()); }

QString frmEditarDJ::SiguienteRenglon()
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Max(LNV_PES_TB_DET_DDJJ7351.PDDJ_NRO) AS PDDJ_NRO ")
                + QStringLiteral("From LNV_PES_TB_DET_DDJJ7351 ")
                + QStringLiteral("WHERE (((LNV_PES_TB_DET_DDJJ7351.PCDJ_NRO)= '") + NroDJ23() + QStringLiteral("'))"),
            de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
    QString siguiente = QStringLiteral("1");
    if (!rs.Eof()) {
        const ado::Variant& max = rs(QStringLiteral("PDDJ_NRO"));
        if (!max.isNull() && CDbl(max) != 0) siguiente = CStr(text::CLng(max) + 1);
    }
    txt_renglon->setText(siguiente);
    return siguiente;
}

void frmEditarDJ::InsertarDetalle()
{
    const QString renglon = SiguienteRenglon();
    de1::conn().Execute(QStringLiteral("insert into LNV_PES_TB_DET_DDJJ7351 ")
                        + QStringLiteral("(PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, ")
                        + QStringLiteral("PDDJ_PRECIO, PDDJ_TOTAL) ") + QStringLiteral("VALUES ") + QStringLiteral("('")
                        + NroDJ23() + QStringLiteral("', ") + renglon + QStringLiteral(", ")
                        + CStr(cbo_Especies->ItemData(cbo_Especies->ListIndex())) + QStringLiteral(", ")
                        + text::NumeroSQL(txt_kg->Value()) + QStringLiteral(", ") + text::NumeroSQL(txt_precio->Value())
                        + QStringLiteral(", ") + text::NumeroSQL(txt_MtoTotal->Value()) + QStringLiteral(")"));
}

void frmEditarDJ::ActualizarDetalle()
{
    // The line number is the program's own; anything else never reaches SQL.
    if (!text::EsEnteroSimple(txt_renglon->text(), 9)) return;
    de1::conn().Execute(QStringLiteral("update LNV_PES_TB_DET_DDJJ7351 SET ") + QStringLiteral("PDDJ_KG=")
                        + text::NumeroSQL(txt_kg->Value()) + QStringLiteral(", ") + QStringLiteral("PDDJ_PRECIO=")
                        + text::NumeroSQL(txt_precio->Value()) + QStringLiteral(", ") + QStringLiteral("PDDJ_TOTAL=")
                        + text::NumeroSQL(txt_MtoTotal->Value()) + QStringLiteral(" WHERE PCDJ_NRO = '") + NroDJ23()
                        + QStringLiteral("'") + QStringLiteral(" AND PDDJ_NRO = ") + txt_renglon->text());
}

void frmEditarDJ::BorrarDetalle()
{
    if (!text::EsEnteroSimple(txt_renglon->text(), 9)) return;
    de1::conn().Execute(QStringLiteral("delete FROM LNV_PES_TB_DET_DDJJ7351 ") + QStringLiteral(" WHERE PCDJ_NRO = '")
                        + NroDJ23() + QStringLiteral("'") + QStringLiteral(" AND PDDJ_NRO = ") + txt_renglon->text());
}

void frmEditarDJ::RecalcularTotales()
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT TOTAL ") + QStringLiteral("From PES_VW_TOTALES_DJ7351 ")
                + QStringLiteral("WHERE PCDJ_NRO = '") + NroDJ23() + QStringLiteral("'"),
            de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
    double total = 0;
    if (!rs.Eof() && !rs(QStringLiteral("Total")).isNull()) total = CDbl(rs(QStringLiteral("Total")));

    TasaSeleccionada();
    const double tasa = txt_alicuota->Value();
    const double importe = text::Round(tasa * total / 100, 2);
    const double adeudado = text::Round((txt_Interes->Value() + importe) + txt_Multa->Value(), 2);

    de1::conn().Execute(QStringLiteral("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET ") + QStringLiteral("PCDJ_MTOVTAS = ")
                        + text::NumeroSQL(total) + QStringLiteral(", ") + QStringLiteral("PCDJ_IMPORTE = ")
                        + text::NumeroSQL(importe) + QStringLiteral(", ") + QStringLiteral(" PCDJ_TOTAL = ")
                        + text::NumeroSQL(adeudado) + QStringLiteral(" WHERE PCDJ_NRO ='") + NroDJ23()
                        + QStringLiteral("'"));
    txt_TotalGralVtas->setValue(total);
    txt_Importe->setValue(importe);
    txt_TotalAdeudado->setValue(adeudado);
}

// A line and the header totals it changes are one commit: a failure (the
// database in use by another instance, say) stores neither, and the section
// stays in its mode with what the clerk typed.
bool frmEditarDJ::GuardarConTotales(const std::function<void()>& renglon)
{
    QLineEdit* const mostrados[] = {txt_renglon, txt_TotalGralVtas->textBox(), txt_Importe->textBox(),
                                    txt_TotalAdeudado->textBox()};
    QString antes[std::size(mostrados)];
    for (size_t i = 0; i < std::size(mostrados); ++i) antes[i] = mostrados[i]->text();
    if (forms::AtraparEnTransaccion(de1::conn(), [&] {
            renglon();
            RecalcularTotales();
        }))
        return true;
    for (size_t i = 0; i < std::size(mostrados); ++i) mostrados[i]->setText(antes[i]);
    return false;
}

// ---------------------------------------------------------------- the grid

void frmEditarDJ::CargarDetalle()
{
    LimpiarDetalle();
    CargarGrillaDetalle();
    const auto& rs = adoDetalleDJ->Recordset;
    double suma = 0;
    if (rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            suma += CDbl(rs->Fields(QStringLiteral("PDDJ_TOTAL")).Value());
        rs->MoveFirst();
        grilla_detalle->SelBookmarks().Add(rs->Bookmark());
        GuardarDetalleActual();
        MostrarRenglon();
    } else {
        mDet.reset();
    }
    txt_MtoGralVtas->setValue(suma);
    HabilitarDetalle(true);
}

void frmEditarDJ::CargarGrillaDetalle()
{
    forms::Atrapar([&] {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(QStringLiteral("select * FROM PES_VW_DET_DDJJ7351 ") + QStringLiteral("WHERE PCDJ_NRO = '") + NroDJ23()
                     + QStringLiteral("'"),
                 de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        adoDetalleDJ->Recordset = rs;
        adoDetalleDJ->Refresh();
        FormatearGrillaDetalle();
    });
}

void frmEditarDJ::FormatearGrillaDetalle()
{
    static constexpr forms::ColumnaGrilla columnas[] = {
        {nullptr, 0},
        {"Renglón", 700},
        {nullptr, 0},
        {"Especie", 2000},
        {"Kg.Capturados", 1100, forms::dbgRight, "0.00"},
        {"Precio por Kg.", 1100, forms::dbgRight, "0.00"},
        {"Monto Total", 2000, forms::dbgRight, "0.00"},
    };
    forms::AplicarColumnas(*grilla_detalle, columnas);
}

bool frmEditarDJ::TieneRenglones() const
{
    const auto& rs = adoDetalleDJ->Recordset;
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0;
}

void frmEditarDJ::HabilitarDetalle(bool Habilitar)
{
    // States that allow no lines close the tab while the declaration has none.
    if (EstadoSinMovimiento()) {
        if (!TieneRenglones()) SSTab1->setTabEnabled(1, false);
    } else {
        SSTab1->setTabEnabled(1, true);
    }
    if (!SSTab1->TabEnabled(1)) return;

    tlb_detalle->Buttons(1).setEnabled(Habilitar);
    if (adoDetalleDJ->Recordset) {
        tlb_detalle->Buttons(2).setEnabled(Habilitar && TieneRenglones());
        tlb_detalle->Buttons(3).setEnabled(Habilitar && TieneRenglones());
    }
    tlb_detalle->Buttons(4).setEnabled(!Habilitar);
    tlb_detalle->Buttons(5).setEnabled(!Habilitar);
    frm_detalle->setEnabled(!Habilitar);
    grilla_detalle->setEnabled(Habilitar);
    cbo_Especies->setEnabled(mModoDetalle == forms::ModoNuevo && !Habilitar);
}

void frmEditarDJ::MostrarRenglon()
{
    if (grilla_detalle->Row() < 0) return;
    txt_renglon->setText(grilla_detalle->Text(1));
    Utiles::SeleccionarTextoCombo(*cbo_Especies, grilla_detalle->Text(3));
    auto valor = [](const QString& s) { return text::IsNumeric(s) ? CDbl(s) : 0.0; };
    txt_kg->setValue(valor(grilla_detalle->Text(4)));
    txt_precio->setValue(valor(grilla_detalle->Text(5)));
    txt_MtoTotal->setValue(valor(grilla_detalle->Text(6)));
}

void frmEditarDJ::LimpiarDetalle()
{
    txt_renglon->clear();
    cbo_Especies->setListIndex(-1);
    txt_kg->ClearText();
    txt_precio->ClearText();
    txt_MtoTotal->ClearText();
    lbl_Precio->clear();
}

void frmEditarDJ::GuardarDetalleActual()
{
    const auto& rs = adoDetalleDJ->Recordset;
    if (!rs || rs->State() != ado::adStateOpen || rs->RecordCount() == 0) return;
    if (!mDet) mDet = std::make_shared<clsDetDDJJ>();
    if (rs->Bof() || rs->Eof()) rs->MoveFirst();
    mDet->NroDJ = CStr(rs->Fields(QStringLiteral("PCDJ_NRO")).Value());
    mDet->Renglon = text::CInt(rs->Fields(QStringLiteral("PDDJ_NRO")).Value());
    mDet->Especie = CStr(rs->Fields(QStringLiteral("PTES_DESCRIPCION")).Value());
    mDet->Kg = CDbl(rs->Fields(QStringLiteral("PDDJ_KG")).Value());
    mDet->Precio = CDbl(rs->Fields(QStringLiteral("PDDJ_PRECIO")).Value());
    mDet->MtoTotal = CDbl(rs->Fields(QStringLiteral("PDDJ_TOTAL")).Value());
}

void frmEditarDJ::tlb_detalle_ButtonClick(const QString& key)
{
    if (key == QLatin1String("nuevo")) {
        QuitarEspeciesCargadas();
        if (TieneRenglones()) {
            GuardarDetalleActual();
            LimpiarDetalle();
        }
        mModoDetalle = forms::ModoNuevo;
        HabilitarDetalle(false);
        cbo_Especies->setFocus();
    } else if (key == QLatin1String("modificar")) {
        MostrarRenglon();
        GuardarDetalleActual();
        mModoDetalle = forms::ModoModificar;
        HabilitarDetalle(false);
        txt_kg->setFocus();
    } else if (key == QLatin1String("eliminar")) {
        MostrarRenglon();
        mModoDetalle = forms::ModoEliminar;
        HabilitarDetalle(false);
    } else if (key == QLatin1String("aceptar")) {
        if (mModoDetalle == forms::ModoNuevo) {
            if (!ValidarDetalle()) return;
            CalcularMontoRenglon();
            if (!GuardarConTotales([this] { InsertarDetalle(); })) return;
            CargarEspecies();
            CargarDetalle();
        } else if (mModoDetalle == forms::ModoModificar) {
            if (!ValidarDetalle()) return;
            CalcularMontoRenglon();
            if (!GuardarConTotales([this] { ActualizarDetalle(); })) return;
            CargarDetalle();
        } else if (mModoDetalle == forms::ModoEliminar) {
            if (!GuardarConTotales([this] { BorrarDetalle(); })) return;
            CargarDetalle();
        }
        HabilitarDetalle(true);
    } else if (key == QLatin1String("cancelar")) {
        if (mModoDetalle == forms::ModoNuevo) {
            CargarEspecies();
            CargarDetalle();
        }
        if (!mDet) {
            LimpiarDetalle();
        } else {
            GuardarDetalleActual();
            txt_NroDJ->setText(mDet->NroDJ);
            txt_renglon->setText(CStr(mDet->Renglon));
            SeleccionarTextoSinClick(cbo_Especies, mDet->Especie);
            txt_kg->setValue(mDet->Kg);
            txt_precio->setValue(mDet->Precio);
            txt_MtoTotal->setValue(mDet->MtoTotal);
        }
        HabilitarDetalle(true);
    }
}

void frmEditarDJ::grilla_detalle_RowColChange(const ado::Variant& lastRow, int lastCol)
{
    (void)lastCol;
    if (!(lastRow == grilla_detalle->Bookmark())) MostrarRenglon();
}
