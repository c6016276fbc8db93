#include "registers/frmEditarEmbarcacion.h"

#include "core/General.h"
#include "core/Matricula.h"
#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Reglas.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using text::CStr;

namespace {

using General::NullSiVacio;
using General::TextoSQL;
using text::FechaSQL;

// An optional date: none while the picker's box is unchecked.
QDate fechaOpcional(const forms::DatePicker* d) { return d->HasValue() ? d->Date() : QDate(); }

// A date as the list shows it ("dd/MM/yyyy"), none when empty. A stored
// date after today (typed before the clock was right) is shown as stored:
// refusing it would leave the editor half filled with another vessel's data.
void MostrarFecha(forms::DatePicker* d, const QString& texto)
{
    d->setMaxDate(text::Today());
    const QDate f = QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
    if (!f.isValid()) {
        d->setNoValue();
        return;
    }
    if (f > d->MaxDate()) d->setMaxDate(f);
    d->setValue(f);
}

}  // namespace

frmEditarEmbarcacion::frmEditarEmbarcacion()
{
    forms::Nombrado(this, "frmEditarEmbarcacion");
    setCaption(QStringLiteral("Editar Embarcación"));
    KeyPreview = true;

    toolbar = forms::Nombrado(new forms::Toolbar(this), "toolbar");
    toolbar->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    toolbar->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    connect(toolbar, &forms::Toolbar::ButtonClick, this, &frmEditarEmbarcacion::toolbar_ButtonClick);

    auto texto = [this](const char* nombre, int largo, bool mayusculas) {
        auto* t = forms::Nombrado(new QLineEdit(this), nombre);
        t->setMaxLength(largo);
        if (mayusculas) forms::OnKeyPress(t, [](int& KeyAscii) { forms::Mayuscula(KeyAscii); });
        return t;
    };
    auto numero = [this](const char* nombre) { return forms::Nombrado(new ctlNumero(this), nombre); };
    auto fecha = [this](const char* nombre) {
        auto* d = forms::Nombrado(new forms::DatePicker(this), nombre);
        d->setCheckBox(true);
        return d;
    };
    auto fila = [this](QFormLayout* f, const QString& etiqueta, QWidget* campo) {
        f->addRow(forms::Etiqueta(etiqueta, campo, this), campo);
    };

    txt_IdEmbarcacion = texto("txt_IdEmbarcacion", 10, false);
    txt_Matricula = texto("txt_Matricula", 11, false);
    txt_nombre = texto("txt_nombre", 50, true);
    cbo_TipoEmb = forms::Nombrado(new forms::ComboBox(this), "cbo_TipoEmb");
    cbo_Puertos = forms::Nombrado(new forms::ComboBox(this), "cbo_Puertos");
    txt_NroCertSeg = texto("txt_NroCertSeg", 50, true);
    chk_convenio = forms::Nombrado(
        new QCheckBox(QStringLiteral("Convenio de Administración Conjunta de la Pesca en el Golfo San Jorge"), this),
        "chk_convenio");

    auto* identidad = new QFormLayout;
    fila(identidad, QStringLiteral("Nro. Embarcación:"), txt_IdEmbarcacion);
    fila(identidad, QStringLiteral("Matrícula:"), txt_Matricula);
    fila(identidad, QStringLiteral("Nombre:"), txt_nombre);
    fila(identidad, QStringLiteral("Tipo Embarcación:"), cbo_TipoEmb);
    fila(identidad, QStringLiteral("Puerto:"), cbo_Puertos);
    fila(identidad, QStringLiteral("Nro. Cert. Seg.:"), txt_NroCertSeg);

    frm_fechas = forms::Nombrado(new QGroupBox(this), "frm_fechas");
    dtp_FInscL7351 = fecha("dtp_FInscL7351");
    dtp_FAlta = fecha("dtp_FAlta");
    dtp_FBaja = fecha("dtp_FBaja");
    dtp_FBotadura = fecha("dtp_FBotadura");
    auto* fechas = new QFormLayout(frm_fechas);
    fila(fechas, QStringLiteral("Fecha Insc. L. 7351:"), dtp_FInscL7351);
    fila(fechas, QStringLiteral("Fecha Alta:"), dtp_FAlta);
    fila(fechas, QStringLiteral("Fecha Baja:"), dtp_FBaja);
    fila(fechas, QStringLiteral("Fecha Botadura:"), dtp_FBotadura);

    frm_Datos = forms::Nombrado(new QGroupBox(this), "frm_Datos");
    txt_Eslora = numero("txt_Eslora");
    txt_MCasco = texto("txt_MCasco", 50, true);
    txt_Arboladura = numero("txt_Arboladura");
    txt_Manga = numero("txt_Manga");
    txt_Puntal = numero("txt_Puntal");
    txt_Bodega = numero("txt_Bodega");
    txt_TonTotal = numero("txt_TonTotal");
    txt_TonNeto = numero("txt_TonNeto");
    auto* casco = new QFormLayout;
    fila(casco, QStringLiteral("Eslora:"), txt_Eslora);
    fila(casco, QStringLiteral("Material Casco:"), txt_MCasco);
    fila(casco, QStringLiteral("Arboladura:"), txt_Arboladura);
    fila(casco, QStringLiteral("Manga:"), txt_Manga);
    auto* tonelaje = new QFormLayout;
    fila(tonelaje, QStringLiteral("Puntal:"), txt_Puntal);
    fila(tonelaje, QStringLiteral("Bodega:"), txt_Bodega);
    fila(tonelaje, QStringLiteral("Ton. Total:"), txt_TonTotal);
    fila(tonelaje, QStringLiteral("Ton: Neto:"), txt_TonNeto);

    frm_motor = forms::Nombrado(new QGroupBox(QStringLiteral("Motor"), frm_Datos), "frm_motor");
    txt_MarcaMotor = texto("txt_MarcaMotor", 50, true);
    txt_NroMotor = texto("txt_NroMotor", 50, true);
    txt_TipoMotor = texto("txt_TipoMotor", 50, true);
    txt_Potencia = numero("txt_Potencia");
    txt_Poder = numero("txt_Poder");
    auto* motor = new QFormLayout(frm_motor);
    fila(motor, QStringLiteral("Marca:"), txt_MarcaMotor);
    fila(motor, QStringLiteral("Nro.:"), txt_NroMotor);
    fila(motor, QStringLiteral("Tipo:"), txt_TipoMotor);
    fila(motor, QStringLiteral("Potencia (KW):"), txt_Potencia);
    fila(motor, QStringLiteral("Poder (HP):"), txt_Poder);

    auto* datos = new QHBoxLayout(frm_Datos);
    datos->addLayout(casco);
    datos->addLayout(tonelaje);
    datos->addWidget(frm_motor);

    auto* arriba = new QHBoxLayout;
    arriba->addLayout(identidad, 1);
    arriba->addWidget(frm_fechas);

    auto* root = new QVBoxLayout(this);
    root->addWidget(toolbar);
    root->addLayout(arriba);
    root->addWidget(chk_convenio);
    root->addWidget(frm_Datos);
    root->addStretch(1);
}

void frmEditarEmbarcacion::Form_Load()
{
    Move(0, 0);
    forms::Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_PUERTOS.PPTO_ID, LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION From LNV_PES_TB_PUERTOS ORDER BY LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION"),
            *cbo_Puertos);
    });
    forms::Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_TIPOS_EMBARCACION.PTBA_ID, LNV_PES_TB_TIPOS_EMBARCACION.PTBA_DESCRIPCION From LNV_PES_TB_TIPOS_EMBARCACION ORDER BY LNV_PES_TB_TIPOS_EMBARCACION.PTBA_DESCRIPCION"),
            *cbo_TipoEmb);
    });
    for (ctlNumero* n : {txt_Eslora, txt_Arboladura, txt_Bodega, txt_Manga, txt_TonTotal, txt_TonNeto, txt_Puntal,
                         txt_Potencia, txt_Poder}) {
        n->Enabled(true);
        n->setCantidadDecimales(2);
    }
    for (forms::DatePicker* d : {dtp_FAlta, dtp_FBaja, dtp_FBotadura, dtp_FInscL7351}) {
        d->setMaxDate(text::Today());
        // The optional dates start empty: the clerk checks the box to give one.
        if (d != dtp_FAlta) d->setNoValue();
    }
}

void frmEditarEmbarcacion::Operacion(std::int32_t op, const std::shared_ptr<clsEmbarcacion>& rec)
{
    mOperacion = op;
    if (op != 1) {
        setCaption(QStringLiteral("Modificar Embarcación"));
        mEmbarcacion = rec ? rec : std::make_shared<clsEmbarcacion>();
        const clsEmbarcacion& e = *mEmbarcacion;
        txt_IdEmbarcacion->setText(CStr(e.IdEmbarcacion));
        txt_Matricula->setText(e.Matricula);
        txt_Matricula->setEnabled(false);
        txt_nombre->setText(e.Nombre);
        cbo_TipoEmb->setText(e.TipoEmb);
        cbo_Puertos->setText(e.Puerto);
        MostrarFecha(dtp_FAlta, e.FAlta);
        MostrarFecha(dtp_FBaja, e.FBaja);
        MostrarFecha(dtp_FBotadura, e.FBotadura);
        MostrarFecha(dtp_FInscL7351, e.FInscL7351);
        txt_Eslora->setValue(e.Eslora);
        txt_Arboladura->setValue(e.Arboladura);
        txt_Bodega->setValue(e.Bodega);
        txt_Manga->setValue(e.Manga);
        txt_Puntal->setValue(e.Puntal);
        txt_TonTotal->setValue(e.TonTotal);
        txt_TonNeto->setValue(e.TonNeto);
        txt_Potencia->setValue(e.Potencia);
        txt_Poder->setValue(e.PoderMotor);
        txt_MCasco->setText(e.MCasco);
        txt_MarcaMotor->setText(e.MarcaMotor);
        txt_TipoMotor->setText(e.TipoMotor);
        txt_NroMotor->setText(e.NroMotor);
        txt_NroCertSeg->setText(e.NroCertSeg);
        chk_convenio->setChecked(e.ConvGolfo == 1);
    } else {
        setCaption(QStringLiteral("Nueva Embarcación"));
        mEmbarcacion = std::make_shared<clsEmbarcacion>();
        // The open editor may come from a change, which locked the matrícula:
        // a new vessel needs one of its own.
        txt_Matricula->setEnabled(true);
        for (forms::DatePicker* d : {dtp_FAlta, dtp_FBaja, dtp_FBotadura, dtp_FInscL7351}) d->setMaxDate(text::Today());
        dtp_FAlta->setValue(text::Today());
        dtp_FBaja->setNoValue();
        for (ctlNumero* n : {txt_Eslora, txt_Arboladura, txt_Bodega, txt_Manga, txt_TonTotal, txt_TonNeto, txt_Puntal,
                             txt_Potencia, txt_Poder})
            n->setValue(0);
    }
    txt_IdEmbarcacion->setFocus();
}

void frmEditarEmbarcacion::Form_KeyPress(int& KeyAscii)
{
    if (forms::EnterAcepta(KeyAscii)) toolbar_ButtonClick(QStringLiteral("aceptar"));
}

void frmEditarEmbarcacion::Form_QueryUnload(int& cancel, int unloadMode)
{
    // Only the toolbar closes the editor.
    if (unloadMode == forms::vbFormControlMenu) cancel = 1;
}

void frmEditarEmbarcacion::toolbar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("aceptar")) {
        if (!ValidarDatos()) return;
        if (mOperacion == 1 ? InsertarEmbarcacion() : ActualizarEmbarcacion()) Unload();
    } else if (key == QLatin1String("cancelar")) {
        Unload();
    }
}

bool frmEditarEmbarcacion::ValidarDatos()
{
    // Digits only: the number is written into SQL as typed, unquoted.
    auto sinNumero = [](const QLineEdit* t, int digitos) {
        return text::Trim(t->text()).isEmpty() || !text::EsEnteroSimple(t->text(), digitos)
            || t->text() == QLatin1String("0");
    };
    return forms::CumpleReglas(
        {
            // The list hands the number to this editor as a 32-bit one: a larger
            // vessel number could be stored but never changed again.
            {sinNumero(txt_IdEmbarcacion, 10) || text::CDbl(txt_IdEmbarcacion->text()) > 2147483647.0,
             "Ingrese el número de embarcación", txt_IdEmbarcacion},
            {sinNumero(txt_Matricula, 11) || !Matricula::Aceptable(txt_Matricula->text()),
             "Ingrese la matrícula de la embarcación", txt_Matricula},
            {text::Trim(txt_nombre->text()).isEmpty(), "Ingrese el nombre de la embarcación", txt_nombre},
            {cbo_TipoEmb->ListIndex() == -1, "Seleccione el tipo de embarcación", cbo_TipoEmb},
            {cbo_Puertos->ListIndex() == -1, "Seleccione el puerto de la embarcación", cbo_Puertos},
            {!dtp_FAlta->HasValue(), "Ingrese la fecha de alta", dtp_FAlta},
        },
        Caption());
}

bool frmEditarEmbarcacion::InsertarEmbarcacion()
{
    bool insertada = false;
    forms::Atrapar([&] {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from LNV_PES_TB_EMBARCACIONES where PBAR_ID=") + txt_IdEmbarcacion->text()
                    + QStringLiteral(" or PBAR_MATRICULA=") + TextoSQL(txt_Matricula->text()),
                de1::conn(), ado::adOpenStatic, ado::adLockReadOnly, 1 /* as text */);
        if (!rs.Eof()) {
            rs.MoveFirst();
            auto ya = [this](const QString& mensaje, QLineEdit* campo) {
                forms::MsgBox(mensaje, forms::vbInformation, Caption());
                if (campo->isEnabled()) campo->setFocus();
            };
            // The number wins; one typed with leading zeros matches only as a
            // number, and is reported too rather than doing nothing.
            if (CStr(rs(QStringLiteral("PBAR_ID"))) != txt_IdEmbarcacion->text()
                && CStr(rs(QStringLiteral("PBAR_MATRICULA"))) == txt_Matricula->text())
                ya(QStringLiteral("Ya existe una embarcacion con esa Matrícula"), txt_Matricula);
            else
                ya(QStringLiteral("Ya existe una embarcacion con ese Número"), txt_IdEmbarcacion);
            rs.Close();
            return;
        }
        rs.Close();
        const QStringList valores = {
            txt_IdEmbarcacion->text(),
            TextoSQL(txt_Matricula->text()),
            TextoSQL(txt_nombre->text()),
            CStr(cbo_TipoEmb->ItemData(cbo_TipoEmb->ListIndex())),
            FechaSQL(fechaOpcional(dtp_FInscL7351)),
            FechaSQL(dtp_FAlta->Date()),
            FechaSQL(fechaOpcional(dtp_FBaja)),
            FechaSQL(fechaOpcional(dtp_FBotadura)),
            text::NumeroSQL(txt_Eslora->Value()),
            TextoSQL(txt_MCasco->text(), NullSiVacio),
            text::NumeroSQL(txt_Arboladura->Value()),
            text::NumeroSQL(txt_Manga->Value()),
            text::NumeroSQL(txt_Puntal->Value()),
            text::NumeroSQL(txt_Bodega->Value()),
            text::NumeroSQL(txt_TonTotal->Value()),
            text::NumeroSQL(txt_TonNeto->Value()),
            text::NumeroSQL(txt_Poder->Value()),
            TextoSQL(txt_MarcaMotor->text(), NullSiVacio),
            TextoSQL(txt_NroMotor->text(), NullSiVacio),
            TextoSQL(txt_TipoMotor->text(), NullSiVacio),
            TextoSQL(txt_NroCertSeg->text(), NullSiVacio),
            CStr(cbo_Puertos->ItemData(cbo_Puertos->ListIndex())),
            text::NumeroSQL(txt_Potencia->Value()),
            chk_convenio->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
        };
        de1::conn().Execute(
            QStringLiteral(
                "insert into LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FINSC7351, PBAR_FALTA, PBAR_FBAJA, PBAR_FBOTADURA, PBAR_ESLORA, PBAR_MATERIALCASCO, PBAR_ARBOLADURA, PBAR_MANGA, PBAR_PUNTAL, PBAR_BODEGA, PBAR_TONTOTAL, PBAR_TONNETO, PBAR_PODERMOTOR, PBAR_MARCAMOTOR, PBAR_NROMOTOR, PBAR_TIPOMOTOR, PBAR_CERTSEGURIDAD, PPTO_ID, PBAR_POTENCIA, PBAR_CONVENIO_GOLFO) VALUES (")
            + valores.join(QStringLiteral(", ")) + QStringLiteral(") "));
        insertada = true;
    });
    return insertada;
}

bool frmEditarEmbarcacion::ActualizarEmbarcacion()
{
    const QString sql = QStringLiteral("update LNV_PES_TB_EMBARCACIONES SET PBAR_ID=") + txt_IdEmbarcacion->text()
        + QStringLiteral(", PBAR_NOMBRE=") + TextoSQL(txt_nombre->text()) + QStringLiteral(", PTBA_ID=")
        + CStr(cbo_TipoEmb->ItemData(cbo_TipoEmb->ListIndex())) + QStringLiteral(", ")
        + QStringLiteral("PBAR_FINSC7351=") + FechaSQL(fechaOpcional(dtp_FInscL7351)) + QStringLiteral(", ")
        + QStringLiteral("PBAR_FALTA=") + FechaSQL(dtp_FAlta->Date()) + QStringLiteral(", ")
        + QStringLiteral("PBAR_FBAJA=") + FechaSQL(fechaOpcional(dtp_FBaja)) + QStringLiteral(", ")
        + QStringLiteral("PBAR_FBOTADURA=") + FechaSQL(fechaOpcional(dtp_FBotadura)) + QStringLiteral(", ")
        + QStringLiteral("PBAR_ESLORA=") + text::NumeroSQL(txt_Eslora->Value())
        + QStringLiteral(", PBAR_MATERIALCASCO=") + TextoSQL(txt_MCasco->text(), NullSiVacio)
        + QStringLiteral(", PBAR_ARBOLADURA=") + text::NumeroSQL(txt_Arboladura->Value())
        + QStringLiteral(", PBAR_MANGA=") + text::NumeroSQL(txt_Manga->Value()) + QStringLiteral(", PBAR_PUNTAL=")
        + text::NumeroSQL(txt_Puntal->Value()) + QStringLiteral(", PBAR_BODEGA=") + text::NumeroSQL(txt_Bodega->Value())
        + QStringLiteral(", PBAR_TONTOTAL=") + text::NumeroSQL(txt_TonTotal->Value())
        + QStringLiteral(", PBAR_TONNETO=") + text::NumeroSQL(txt_TonNeto->Value())
        + QStringLiteral(", PBAR_PODERMOTOR=") + text::NumeroSQL(txt_Poder->Value())
        + QStringLiteral(", PBAR_MARCAMOTOR=") + TextoSQL(txt_MarcaMotor->text(), NullSiVacio)
        + QStringLiteral(", PBAR_NROMOTOR=") + TextoSQL(txt_NroMotor->text(), NullSiVacio)
        + QStringLiteral(", PBAR_TIPOMOTOR=") + TextoSQL(txt_TipoMotor->text(), NullSiVacio)
        + QStringLiteral(", PBAR_CERTSEGURIDAD=") + TextoSQL(txt_NroCertSeg->text(), NullSiVacio)
        + QStringLiteral(", PPTO_ID=") + CStr(cbo_Puertos->ItemData(cbo_Puertos->ListIndex()))
        + QStringLiteral(", PBAR_POTENCIA=") + text::NumeroSQL(txt_Potencia->Value())
        + QStringLiteral(", PBAR_CONVENIO_GOLFO=")
        + (chk_convenio->isChecked() ? QStringLiteral("1") : QStringLiteral("0"))
        + QStringLiteral("  WHERE PBAR_MATRICULA = ") + TextoSQL(txt_Matricula->text());
    long cambiadas = 0;
    const bool hecho = forms::Atrapar(
        [&] { de1::conn().Execute(sql, &cambiadas); }, ado::Causa::Duplicado,
        [this] {
            forms::MsgBox(QStringLiteral("Ya existe otra embarcacion con ese Nro.Embarcación o Matrícula"),
                          forms::vbInformation, Caption());
            txt_IdEmbarcacion->setFocus();
        });
    if (!hecho) return false;
    // A matrícula stored with leading zeros reaches the editor without them
    // and keys no row: the clerk is told instead of losing the changes.
    if (cambiadas == 0) {
        forms::MsgBox(
            QStringLiteral("No se guardaron los cambios: no hay ninguna embarcación registrada con la matrícula ")
                + txt_Matricula->text(),
            forms::vbInformation, Caption());
        return false;
    }
    return true;
}
