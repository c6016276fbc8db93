// The header tab of the declaration editor: its layout, its toolbar with
// the lock and unlock cycle, the tax amount and total due, and the state
// rule (states that allow no sales lines).
#include "declarations/frmEditarDJ.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "declarations/Renglones.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Cabecera.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/LostFocus.h"
#include "platform/forms/MsgBox.h"
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
#include <QSignalBlocker>
#include <QVBoxLayout>

using forms::Etiqueta;
using forms::Nombrado;

void frmEditarDJ::crearCabecera(QWidget* page)
{
    auto* pageLayout = new QVBoxLayout(page);

    tlb_cabecera = forms::BarraDeSeccion(page, "tlb_cabecera");
    pageLayout->addWidget(tlb_cabecera);

    frm_cab = Nombrado(new QGroupBox(page), "frm_cab");
    pageLayout->addWidget(frm_cab, 1);
    auto* cab = new QVBoxLayout(frm_cab);

    // Period, type, port and state.
    auto* periodo = new QGridLayout;
    txt_NroDJ = Nombrado(new QLineEdit(frm_cab), "txt_NroDJ");
    forms::NumeroDelPrograma(txt_NroDJ);
    txt_NroDJ->setMinimumWidth(txt_NroDJ->fontMetrics().horizontalAdvance(QString(25, QChar('0'))));
    txt_anio = Nombrado(new QLineEdit(frm_cab), "txt_anio");
    txt_anio->setMaxLength(4);
    txt_mes = Nombrado(new QLineEdit(frm_cab), "txt_mes");
    txt_mes->setMaxLength(2);
    const int digito = txt_anio->fontMetrics().horizontalAdvance(QChar('0'));
    txt_anio->setFixedWidth(digito * 6 + 12);
    txt_mes->setFixedWidth(digito * 4 + 12);
    cbo_TipoDJ = Nombrado(new forms::ComboBox(frm_cab), "cbo_TipoDJ");
    forms::Angosto(cbo_TipoDJ, 10);
    cbo_Puertos = Nombrado(new forms::ComboBox(frm_cab), "cbo_Puertos");
    forms::Angosto(cbo_Puertos, 14);
    cbo_EstadosDJ = Nombrado(new forms::ComboBox(frm_cab), "cbo_EstadosDJ");
    forms::Angosto(cbo_EstadosDJ, 14);
    // Two columns: number, type and state on the left; period and port on the right.
    periodo->addWidget(Etiqueta(QStringLiteral("Nro. DDJJ:"), txt_NroDJ, frm_cab), 0, 0);
    periodo->addWidget(txt_NroDJ, 0, 1);
    periodo->addWidget(Etiqueta(QStringLiteral("Tipo DDJJ:"), cbo_TipoDJ, frm_cab), 1, 0);
    periodo->addWidget(cbo_TipoDJ, 1, 1);
    periodo->addWidget(Etiqueta(QStringLiteral("Estado:"), cbo_EstadosDJ, frm_cab), 2, 0);
    periodo->addWidget(cbo_EstadosDJ, 2, 1);
    auto* anioMes = new QHBoxLayout;
    anioMes->addWidget(txt_anio);
    anioMes->addSpacing(12);
    anioMes->addWidget(Etiqueta(QStringLiteral("Mes:"), txt_mes, frm_cab));
    anioMes->addWidget(txt_mes);
    anioMes->addStretch(1);
    periodo->addWidget(Etiqueta(QStringLiteral("Año:"), txt_anio, frm_cab), 0, 2);
    periodo->addLayout(anioMes, 0, 3);
    periodo->addWidget(Etiqueta(QStringLiteral("Puerto Desembarco:"), cbo_Puertos, frm_cab), 1, 2);
    periodo->addWidget(cbo_Puertos, 1, 3);
    periodo->setColumnStretch(1, 1);
    periodo->setColumnStretch(3, 1);
    cab->addLayout(periodo);

    // Vessel and company, side by side.
    auto* partes = new QHBoxLayout;
    frm_Embarcacion = Nombrado(new QGroupBox(QStringLiteral("Embarcación"), frm_cab), "frm_Embarcacion");
    auto* emb = new QFormLayout(frm_Embarcacion);
    txt_NroEmb = Nombrado(new QLineEdit(frm_Embarcacion), "txt_NroEmb");
    txt_Matricula = Nombrado(new QLineEdit(frm_Embarcacion), "txt_Matricula");
    cbo_barcos = Nombrado(new forms::ComboBox(frm_Embarcacion), "cbo_barcos");
    forms::Angosto(cbo_barcos, 16);
    emb->addRow(Etiqueta(QStringLiteral("Nro.:"), txt_NroEmb, frm_Embarcacion), txt_NroEmb);
    emb->addRow(Etiqueta(QStringLiteral("Matrícula:"), txt_Matricula, frm_Embarcacion), txt_Matricula);
    emb->addRow(Etiqueta(QStringLiteral("Nombre:"), cbo_barcos, frm_Embarcacion), cbo_barcos);
    partes->addWidget(frm_Embarcacion, 1);

    frm_Empresa = Nombrado(new QGroupBox(QStringLiteral("Empresa"), frm_cab), "frm_Empresa");
    auto* emp = new QFormLayout(frm_Empresa);
    txt_NroEmp = Nombrado(new QLineEdit(frm_Empresa), "txt_NroEmp");
    txt_CUIT = Nombrado(new QLineEdit(frm_Empresa), "txt_CUIT");
    txt_CUIT->setMaxLength(11);
    cbo_empresas = Nombrado(new forms::ComboBox(frm_Empresa), "cbo_empresas");
    forms::Angosto(cbo_empresas, 16);
    emp->addRow(Etiqueta(QStringLiteral("Nro.:"), txt_NroEmp, frm_Empresa), txt_NroEmp);
    emp->addRow(Etiqueta(QStringLiteral("Cuit:"), txt_CUIT, frm_Empresa), txt_CUIT);
    emp->addRow(Etiqueta(QStringLiteral("R.Social:"), cbo_empresas, frm_Empresa), cbo_empresas);
    partes->addWidget(frm_Empresa, 1);
    cab->addLayout(partes);

    // Responsible person and amounts, side by side.
    auto* abajo = new QHBoxLayout;
    frm_responsable = Nombrado(new QGroupBox(QStringLiteral("Responsable"), frm_cab), "frm_responsable");
    auto* resp = new QFormLayout(frm_responsable);
    txt_responsable = Nombrado(new QLineEdit(frm_responsable), "txt_responsable");
    cbo_TipoDoc = Nombrado(new forms::ComboBox(frm_responsable), "cbo_TipoDoc");
    cbo_TipoDoc->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    txt_NroDoc = Nombrado(new QLineEdit(frm_responsable), "txt_NroDoc");
    txt_NroDoc->setAccessibleName(QStringLiteral("Tipo y Nro doc.:"));
    cbo_CaracteresResp = Nombrado(new forms::ComboBox(frm_responsable), "cbo_CaracteresResp");
    forms::Angosto(cbo_CaracteresResp, 14);
    auto* documento = new QHBoxLayout;
    documento->addWidget(cbo_TipoDoc);
    documento->addWidget(txt_NroDoc, 1);
    resp->addRow(Etiqueta(QStringLiteral("Nombre:"), txt_responsable, frm_responsable), txt_responsable);
    resp->addRow(Etiqueta(QStringLiteral("Tipo y Nro doc.:"), cbo_TipoDoc, frm_responsable), documento);
    resp->addRow(Etiqueta(QStringLiteral("Caracter:"), cbo_CaracteresResp, frm_responsable), cbo_CaracteresResp);
    abajo->addWidget(frm_responsable, 3);

    frm_Datos = Nombrado(new QGroupBox(frm_cab), "frm_Datos");
    auto* datos = new QFormLayout(frm_Datos);
    txt_TotalGralVtas = Nombrado(new ctlNumero(frm_Datos), "txt_TotalGralVtas");
    cbo_Alicuota = Nombrado(new forms::ComboBox(frm_Datos), "cbo_Alicuota");
    for (int tasa : {2, 3, 4}) {
        cbo_Alicuota->AddItem(QStringLiteral("%1%").arg(tasa));
        cbo_Alicuota->setItemData(cbo_Alicuota->NewIndex(), tasa);
    }
    txt_alicuota = Nombrado(new ctlNumero(frm_Datos), "txt_alicuota");
    txt_alicuota->hide();
    txt_Importe = Nombrado(new ctlNumero(frm_Datos), "txt_Importe");
    txt_Interes = Nombrado(new ctlNumero(frm_Datos), "txt_Interes");
    txt_Multa = Nombrado(new ctlNumero(frm_Datos), "txt_Multa");
    txt_TotalAdeudado = Nombrado(new ctlNumero(frm_Datos), "txt_TotalAdeudado");
    // Both follow from the lines and the amounts; the user does not type them.
    txt_TotalGralVtas->Enabled(false);
    txt_TotalAdeudado->Enabled(false);
    datos->addRow(Etiqueta(QStringLiteral("Total General Vtas:"), txt_TotalGralVtas, frm_Datos), txt_TotalGralVtas);
    datos->addRow(Etiqueta(QStringLiteral("Alícuota:"), cbo_Alicuota, frm_Datos), cbo_Alicuota);
    datos->addRow(Etiqueta(QStringLiteral("Importe:"), txt_Importe, frm_Datos), txt_Importe);
    datos->addRow(Etiqueta(QStringLiteral("Intereses:"), txt_Interes, frm_Datos), txt_Interes);
    datos->addRow(Etiqueta(QStringLiteral("Mullta:"), txt_Multa, frm_Datos), txt_Multa);
    datos->addRow(Etiqueta(QStringLiteral("Total Adeudado:"), txt_TotalAdeudado, frm_Datos), txt_TotalAdeudado);
    abajo->addWidget(frm_Datos, 2);
    cab->addLayout(abajo);
    cab->addStretch(1);

    connect(tlb_cabecera, &forms::Toolbar::ButtonClick, this, &frmEditarDJ::tlb_cabecera_ButtonClick);
    connect(cbo_EstadosDJ, &forms::ComboBox::Click, this, &frmEditarDJ::cbo_EstadosDJ_Click);
    // A pick-only list raises no Change: a choice of the rate recomputes at once.
    connect(cbo_Alicuota, &forms::ComboBox::Click, this, &frmEditarDJ::cbo_Alicuota_Change);
    connect(txt_alicuota, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularTotalAdeudado);
    connect(txt_Interes, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularTotalAdeudado);
    connect(txt_Multa, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularTotalAdeudado);
    forms::OnKeyPress(txt_responsable, [this](int& k) { txt_responsable_KeyPress(k); });
    forms::OnKeyPress(txt_NroDoc, [this](int& k) { txt_NroDoc_KeyPress(k); });

    forms::OnLostFocus(txt_NroEmb, [this] { txt_NroEmb_LostFocus(); });
    forms::OnLostFocus(txt_Matricula, [this] { txt_Matricula_LostFocus(); });
    forms::OnLostFocus(txt_NroEmp, [this] { txt_NroEmp_LostFocus(); });
    forms::OnLostFocus(txt_CUIT, [this] { txt_CUIT_LostFocus(); });
    connect(cbo_barcos, &forms::ComboBox::Click, this, &frmEditarDJ::cbo_barcos_Click);
    connect(cbo_empresas, &forms::ComboBox::Click, this, &frmEditarDJ::cbo_empresas_Click);
}

void frmEditarDJ::tlb_cabecera_ButtonClick(const QString& key)
{
    if (key == QLatin1String("nuevo") || key == QLatin1String("modificar")) {
        HabilitarCabecera(false);
    } else if (key == QLatin1String("aceptar")) {
        if (!ValidarCabecera()) return;
        if (mOperacion == 1) {
            // Until the row is stored the declaration stays new and unlocked.
            if (!InsertarCabecera()) return;
            HabilitarDetalle(true);
            for (int tab : {2, 3}) SSTab1->setTabEnabled(tab, true);
            mOperacion = 2;
            // Numbered now: what forms the number is fixed, as for an existing declaration.
            for (QWidget* w : std::initializer_list<QWidget*>{txt_anio, txt_mes, frm_Embarcacion, frm_Empresa})
                w->setEnabled(false);
        } else {
            if (!ActualizarCabecera()) return;
            HabilitarDetalle(true);
        }
        HabilitarCabecera(true);
        CargarEspecies();
    } else if (key == QLatin1String("cancelar")) {
        HabilitarCabecera(true);
    }
}

void frmEditarDJ::HabilitarCabecera(bool Habilitar)
{
    forms::HabilitarCabecera(*tlb_cabecera, *frm_cab, mOperacion == 1, Habilitar);
}

void frmEditarDJ::TasaSeleccionada()
{
    const int i = cbo_Alicuota->ListIndex();
    txt_alicuota->setValue(i < 0 ? 0 : cbo_Alicuota->ItemData(i));
}

void frmEditarDJ::CalcularTotalAdeudado()
{
    TasaSeleccionada();
    txt_Importe->setValue(text::Round(txt_TotalGralVtas->Value() * txt_alicuota->Value() / 100.0, 2));
    txt_TotalAdeudado->setValue((txt_Interes->Value() + txt_Importe->Value()) + txt_Multa->Value());
}

void frmEditarDJ::cbo_Alicuota_Change() { CalcularTotalAdeudado(); }

void frmEditarDJ::MostrarTotales(const Renglones::TotalesDJ& t)
{
    txt_TotalGralVtas->setValue(t.ventas);
    txt_Importe->setValue(t.importe);
    txt_TotalAdeudado->setValue(t.adeudado);
}

void frmEditarDJ::MostrarTotalesGuardados()
{
    if (mOperacion == 1) return;  // nothing stored yet
    Renglones::GuardadoDJ g;
    if (!forms::Atrapar([&] { g = Renglones::LeerGuardadoDJ(de1::conn(), NroDJ23()); })) return;
    if (frm_cab->isEnabledTo(this)) {
        // A header being edited shows the amounts of what is typed in it.
        txt_TotalGralVtas->setValue(g.totales.ventas);
        CalcularTotalAdeudado();
    } else {
        MostrarTotales(g.totales);
    }
    nroTotalDepGuias->setValue(g.depositado);
    nroAfavorL7351->setValue(g.aFavor);
    nroSumatoriaPagos->setValue(g.boletas);
}

bool frmEditarDJ::EstadoSinMovimiento() const
{
    const QString e = cbo_EstadosDJ->Text();
    return e == QLatin1String("SIN MOVIMIENTO") || e == QLatin1String("EN MAREA") || e == QLatin1String("EN DIQUE")
        || e == QLatin1String("EN REPARACION") || e == QLatin1String("VEDA BIOLOGICA");
}

void frmEditarDJ::SeleccionarTextoSinClick(forms::ComboBox* cbo, const QString& texto)
{
    const QSignalBlocker quieto(cbo);
    cbo->setText(texto);
}

void frmEditarDJ::cbo_EstadosDJ_Click()
{
    if (EstadoSinMovimiento() && TieneRenglones()) {
        // A declaration made in this window has no state of its own to go
        // back to: the one shown before the click comes back instead.
        const QString anterior = mCab && !mCab->Estado.isEmpty() ? mCab->Estado : mEstadoMostrado;
        SeleccionarTextoSinClick(cbo_EstadosDJ, anterior);
        forms::MsgBox(
            QStringLiteral(
                "Para declarar SIN MOVIMIENTO o EN DIQUE o EN REPARACION o EN MAREA  o VEDA BIOLOGICA elimine primero el detalle de la Declaracion Jurada"),
            forms::vbOKOnly);
        if (cbo_EstadosDJ->isEnabled()) cbo_EstadosDJ->setFocus();
        return;
    }
    mEstadoMostrado = cbo_EstadosDJ->Text();
}

void frmEditarDJ::txt_responsable_KeyPress(int& KeyAscii) { forms::Mayuscula(KeyAscii); }

void frmEditarDJ::txt_NroDoc_KeyPress(int& KeyAscii)
{
    if (KeyAscii < '0' || KeyAscii > '9') KeyAscii = 0;
}
