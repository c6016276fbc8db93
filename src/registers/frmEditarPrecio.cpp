#include "registers/frmEditarPrecio.h"

#include "core/General.h"
#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Reglas.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The regulation in force when a new price is entered; the clerk changes it
// when a newer one sets the price.
const QString kDisposicionVigente = QStringLiteral("Disposición SSP vigente");

}  // namespace

frmEditarPrecio::frmEditarPrecio()
{
    forms::Nombrado(this, "frmEditarPrecio");
    setCaption(QStringLiteral("Valor Banquina"));
    KeyPreview = true;

    toolbar = forms::Nombrado(new forms::Toolbar(this), "toolbar");
    toolbar->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    toolbar->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    connect(toolbar, &forms::Toolbar::ButtonClick, this, &frmEditarPrecio::toolbar_ButtonClick);

    cbo_Especies = forms::Nombrado(new forms::ComboBox(this), "cbo_Especies");
    txt_precio = forms::Nombrado(new ctlNumero(this), "txt_precio");
    dtp_FAlta = forms::Nombrado(new forms::DatePicker(this), "dtp_FAlta");
    txtDisposicion = forms::Nombrado(new QLineEdit(kDisposicionVigente, this), "txtDisposicion");

    auto* campos = new QFormLayout;
    campos->addRow(forms::Etiqueta(QStringLiteral("Especie"), cbo_Especies, this), cbo_Especies);
    campos->addRow(forms::Etiqueta(QStringLiteral("Precio por Kg."), txt_precio, this), txt_precio);
    campos->addRow(forms::Etiqueta(QStringLiteral("Fecha Entrada en Vigencia"), dtp_FAlta, this), dtp_FAlta);
    campos->addRow(forms::Etiqueta(QStringLiteral("Disposición"), txtDisposicion, this), txtDisposicion);
    txtDisposicion->setMinimumWidth(txtDisposicion->fontMetrics().averageCharWidth() * 36);

    auto* root = new QVBoxLayout(this);
    root->addWidget(toolbar);
    root->addLayout(campos);
    root->addStretch(1);
}

void frmEditarPrecio::Form_Load()
{
    Move(0, 0);
    forms::Atrapar([this] {
        Utiles::CargarCombo(QStringLiteral("SELECT LNV_PES_TB_ESPECIES.PTES_ID, ")
                                + QStringLiteral("LNV_PES_TB_ESPECIES.PTES_DESCRIPCION ")
                                + QStringLiteral("From LNV_PES_TB_ESPECIES ")
                                + QStringLiteral("where PTES_DESCRIPCION<>'Sin Pesca' ")
                                + QStringLiteral("ORDER BY LNV_PES_TB_ESPECIES.PTES_DESCRIPCION"),
                            *cbo_Especies);
    });
    txt_precio->setCantidadDecimales(3);
    txt_precio->Enabled(true);
}

void frmEditarPrecio::Operacion(std::int32_t op, const std::shared_ptr<clsPrecios>& rec)
{
    mOperacion = op;
    if (op == 1) {
        setCaption(QStringLiteral("Nuevo Valor Banquina"));
        mPrecio = std::make_shared<clsPrecios>();
        dtp_FAlta->setValue(text::Today());
    } else {
        setCaption(QStringLiteral("Modificar Valor Banquina"));
        mPrecio = rec ? rec : std::make_shared<clsPrecios>();
        Utiles::SeleccionarIdCombo(*cbo_Especies, mPrecio->IdEspecie);
        txt_precio->setValue(mPrecio->valor);
        dtp_FAlta->setValue(QDate::fromString(mPrecio->FEVigencia, QStringLiteral("dd/MM/yyyy")));
        txtDisposicion->setText(mPrecio->Disposicion);
    }
    cbo_Especies->setFocus();
}

void frmEditarPrecio::Form_KeyPress(int& KeyAscii)
{
    // Enter accepts from any field; the field still gets the key.
    if (forms::EnterAcepta(KeyAscii)) toolbar_ButtonClick(QStringLiteral("aceptar"));
}

void frmEditarPrecio::Form_QueryUnload(int& cancel, int unloadMode)
{
    // Only the toolbar closes the editor.
    if (unloadMode == forms::vbFormControlMenu) cancel = 1;
}

void frmEditarPrecio::toolbar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("aceptar")) {
        if (!ValidarDatos()) return;
        // A price the database refused stays on screen to be corrected.
        if (mOperacion == 1 ? InsertarPrecio() : ActualizarPrecio()) Unload();
    } else if (key == QLatin1String("cancelar")) {
        Unload();
    }
}

bool frmEditarPrecio::ValidarDatos()
{
    txtDisposicion->setText(text::Trim(txtDisposicion->text()));
    if (cbo_Especies->ListIndex() == -1) return forms::Rechazar("Seleccione la especie", cbo_Especies, Caption());
    bool cero = true;
    if (!forms::Atrapar([&] { cero = txt_precio->Value() == 0; })) return false;
    return forms::CumpleReglas(
        {
            {cero, "Ingrese el Valor Banquina de la especie indicada", txt_precio},
            {!dtp_FAlta->HasValue(), "Ingrese la fecha de entrada en vigencia del precio indicado", dtp_FAlta},
        },
        Caption());
}

QString frmEditarPrecio::Disposicion() const
{
    // Trimmed by the validation: only an emptied reference is null.
    return General::TextoSQL(txtDisposicion->text(), General::NullSiVacio);
}
bool frmEditarPrecio::InsertarPrecio()
{
    const QString sql = QStringLiteral("insert into LNV_PES_TB_PRECIOS_LEY7351 (") + QStringLiteral("PTES_ID")
        + QStringLiteral(", PPRE_VALOR ") + QStringLiteral(", PPRE_FVIGENCIA") + QStringLiteral(", PPRE_DISPOSICION ")
        + QStringLiteral(") values (") + text::CStr(cbo_Especies->ItemData(cbo_Especies->ListIndex()))
        + QStringLiteral(", ") + text::NumeroSQL(txt_precio->Value()) + QStringLiteral(", ")
        + text::FechaSQL(dtp_FAlta->Date()) + QStringLiteral(", ") + Disposicion() + QStringLiteral(") ");
    return forms::Atrapar([&] { de1::conn().Execute(sql); });
}

bool frmEditarPrecio::ActualizarPrecio()
{
    const QString sql = QStringLiteral("update LNV_PES_TB_PRECIOS_LEY7351  set ") + QStringLiteral("PTES_ID=")
        + text::CStr(cbo_Especies->ItemData(cbo_Especies->ListIndex())) + QStringLiteral(", PPRE_VALOR=")
        + text::NumeroSQL(txt_precio->Value()) + QStringLiteral(", PPRE_FVIGENCIA=") + text::FechaSQL(dtp_FAlta->Date())
        + QStringLiteral(" ") + QStringLiteral(", PPRE_DISPOSICION=") + Disposicion()
        + QStringLiteral(" WHERE PPRE_ID = ") + text::CStr(mPrecio->IdPrecio);
    long cambiadas = 0;
    if (!forms::Atrapar([&] { de1::conn().Execute(sql, &cambiadas); })) return false;
    // Deleted from the list while it was being edited: the clerk's values stay on screen.
    if (cambiadas == 0) {
        forms::MsgBox(QStringLiteral("No se guardaron los cambios: el valor banquina ya no está registrado"),
                      forms::vbInformation, Caption());
        return false;
    }
    return true;
}
