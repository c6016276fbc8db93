// The frame of the company editor: its layout, the loading of the lists,
// Operacion, keys and closing.
#include "registers/frmEditarEmpresa.h"

#include "core/Utiles.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/LostFocus.h"
#include "platform/forms/MaskedEdit.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using forms::Etiqueta;
using forms::Nombrado;
using text::CStr;

namespace {

// A box about `chars` characters wide.
void Ancho(QLineEdit* t, int chars)
{
    t->setMinimumWidth(t->fontMetrics().horizontalAdvance(QString(chars, QChar('0'))) + 12);
}

}  // namespace

frmEditarEmpresa::frmEditarEmpresa()
{
    Nombrado(this, "frmEditarEmpresa");
    setCaption(QStringLiteral("Empresa"));
    KeyPreview = true;

    auto* root = new QVBoxLayout(this);

    toolbar = Nombrado(new forms::Toolbar(this), "toolbar");
    toolbar->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    toolbar->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    connect(toolbar, &forms::Toolbar::ButtonClick, this, &frmEditarEmpresa::toolbar_ButtonClick);
    root->addWidget(toolbar);

    // The company itself, in two columns.
    auto* datos = new QGridLayout;
    txt_IdEmpresa = Nombrado(new QLineEdit(this), "txt_IdEmpresa");
    txt_IdEmpresa->setMaxLength(10);
    Ancho(txt_IdEmpresa, 11);
    txt_CUIT = Nombrado(new QLineEdit(this), "txt_CUIT");
    txt_CUIT->setMaxLength(11);
    Ancho(txt_CUIT, 12);
    txt_RSocial = Nombrado(new QLineEdit(this), "txt_RSocial");
    txt_RSocial->setMaxLength(50);
    cboTipoSociedad = Nombrado(new forms::ComboBox(this), "cboTipoSociedad");
    forms::Angosto(cboTipoSociedad, 24);
    mskNroInscripcion = Nombrado(new forms::MaskedEdit(this), "mskNroInscripcion");
    mskNroInscripcion->setPromptChar(QChar('_'));
    mskNroInscripcion->setMask(QStringLiteral("###-######-#"));
    dtp_FAlta = Nombrado(new forms::DatePicker(this), "dtp_FAlta");
    dtp_FBaja = Nombrado(new forms::DatePicker(this), "dtp_FBaja");
    dtp_FBaja->setCheckBox(true);

    datos->addWidget(Etiqueta(QStringLiteral("Nro. Empresa:"), txt_IdEmpresa, this), 0, 0);
    datos->addWidget(txt_IdEmpresa, 0, 1, Qt::AlignLeft);
    datos->addWidget(Etiqueta(QStringLiteral("CUIT:"), txt_CUIT, this), 0, 2);
    datos->addWidget(txt_CUIT, 0, 3, Qt::AlignLeft);
    datos->addWidget(Etiqueta(QStringLiteral("Razón Social:"), txt_RSocial, this), 1, 0);
    datos->addWidget(txt_RSocial, 1, 1, 1, 3);
    datos->addWidget(Etiqueta(QStringLiteral("Tipo Sociedad:"), cboTipoSociedad, this), 2, 0);
    datos->addWidget(cboTipoSociedad, 2, 1);
    datos->addWidget(Etiqueta(QStringLiteral("Nro. Ing. Brutos:"), mskNroInscripcion, this), 2, 2);
    datos->addWidget(mskNroInscripcion, 2, 3, Qt::AlignLeft);
    datos->addWidget(Etiqueta(QStringLiteral("Fecha Alta - Ley 7351:"), dtp_FAlta, this), 3, 0);
    datos->addWidget(dtp_FAlta, 3, 1, Qt::AlignLeft);
    datos->addWidget(Etiqueta(QStringLiteral("Fecha Baja - Ley 7351:"), dtp_FBaja, this), 3, 2);
    datos->addWidget(dtp_FBaja, 3, 3, Qt::AlignLeft);
    datos->setColumnStretch(1, 1);
    datos->setColumnStretch(3, 1);
    root->addLayout(datos);

    // The three addresses, one under the other.
    mFiscal = crearDomicilio(QStringLiteral("Domicilio Fiscal"), "Frame2", "DFiscal");
    Frame2 = mFiscal.frame;
    txt_DomicilioFiscal = Nombrado(mFiscal.domicilio, "txt_DomicilioFiscal");
    cbo_provincia_DFiscal = mFiscal.provincia;
    cbo_localidad_DFiscal = mFiscal.localidad;
    txt_CodPostal_DFiscal = mFiscal.codPostal;
    mReal = crearDomicilio(QStringLiteral("Domicilio Real"), "Frame1", "DReal");
    Frame1 = mReal.frame;
    txt_DomicilioReal = Nombrado(mReal.domicilio, "txt_DomicilioReal");
    cbo_provincia_DReal = mReal.provincia;
    cbo_localidad_DReal = mReal.localidad;
    txt_CodPostal_DReal = mReal.codPostal;
    mLegal = crearDomicilio(QStringLiteral("Domicilio Legal"), "Frame3", "DLegal");
    Frame3 = mLegal.frame;
    txt_DomicilioLegal = Nombrado(mLegal.domicilio, "txt_DomicilioLegal");
    cbo_provincia_DLegal = mLegal.provincia;
    cbo_localidad_DLegal = mLegal.localidad;
    txt_CodPostal_DLegal = mLegal.codPostal;
    for (QGroupBox* f : {Frame2, Frame1, Frame3}) root->addWidget(f);
    root->addStretch(1);

    for (const Domicilio& d : {mFiscal, mReal, mLegal}) {
        connect(d.provincia, &forms::ComboBox::Click, this, [this, d] { ProvinciaElegida(d); });
        connect(d.localidad, &forms::ComboBox::Click, this, [this, d] { LocalidadElegida(d); });
    }
    connect(dtp_FAlta, &forms::DatePicker::Change, this, &frmEditarEmpresa::dtp_FAlta_Change);
    forms::OnKeyPress(txt_RSocial, [this](int& k) { txt_RSocial_KeyPress(k); });
    forms::OnLostFocus(mskNroInscripcion, [this] { mskNroInscripcion_LostFocus(); });
}

frmEditarEmpresa::~frmEditarEmpresa() = default;

frmEditarEmpresa::Domicilio frmEditarEmpresa::crearDomicilio(const QString& titulo, const char* frame,
                                                             const char* sufijo)
{
    const QString s = QString::fromLatin1(sufijo);
    Domicilio d;
    d.frame = Nombrado(new QGroupBox(titulo, this), frame);
    d.domicilio = new QLineEdit(d.frame);
    d.domicilio->setMaxLength(50);
    d.provincia = new forms::ComboBox(d.frame);
    d.provincia->setObjectName(QStringLiteral("cbo_provincia_") + s);
    forms::Angosto(d.provincia, 18);
    d.localidad = new forms::ComboBox(d.frame);
    d.localidad->setObjectName(QStringLiteral("cbo_localidad_") + s);
    forms::Angosto(d.localidad, 18);
    d.codPostal = new QLineEdit(d.frame);
    d.codPostal->setObjectName(QStringLiteral("txt_CodPostal_") + s);
    d.codPostal->setMaxLength(11);
    Ancho(d.codPostal, 9);

    auto* g = new QGridLayout(d.frame);
    g->addWidget(Etiqueta(QStringLiteral("Domicilio"), d.domicilio, d.frame), 0, 0);
    g->addWidget(d.domicilio, 0, 1, 1, 5);
    g->addWidget(Etiqueta(QStringLiteral("Provincia"), d.provincia, d.frame), 1, 0);
    g->addWidget(d.provincia, 1, 1);
    g->addWidget(Etiqueta(QStringLiteral("Localidad"), d.localidad, d.frame), 1, 2);
    g->addWidget(d.localidad, 1, 3);
    g->addWidget(Etiqueta(QStringLiteral("Código Postal"), d.codPostal, d.frame), 1, 4);
    g->addWidget(d.codPostal, 1, 5);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return d;
}

QSize frmEditarEmpresa::sizeHint() const { return DentroDelArea(Form::sizeHint(), minimumSizeHint()); }

void frmEditarEmpresa::Form_Load()
{
    Move(0, 0);
    const QDate hoy = text::Today();
    dtp_FAlta->setMaxDate(hoy);
    dtp_FAlta->setValue(hoy);
    dtp_FBaja->setMinDate(hoy);
    dtp_FBaja->setValue(hoy);

    // A list that cannot be read is reported and the window still opens.
    forms::Atrapar([this] {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT LNV_GLB_TB_TIPOS_SOCIEDAD.GTSO_ID, LNV_GLB_TB_TIPOS_SOCIEDAD.GTSO_DESCRIPCION ")
                    + QStringLiteral(" From LNV_GLB_TB_TIPOS_SOCIEDAD ")
                    + QStringLiteral(" ORDER BY LNV_GLB_TB_TIPOS_SOCIEDAD.GTSO_DESCRIPCION "),
                de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (; !rs.Eof(); rs.MoveNext()) {
            cboTipoSociedad->AddItem(CStr(rs(QStringLiteral("GTSO_DESCRIPCION"))));
            cboTipoSociedad->setItemData(cboTipoSociedad->NewIndex(), text::CLng(rs(QStringLiteral("GTSO_ID"))));
        }
    });
    CargarProvincias();
    CargarLocalidades();
}

void frmEditarEmpresa::Operacion(std::int32_t operacion, const std::shared_ptr<clsEmpresa>& rec)
{
    mOperacion = operacion;
    // The clerk starts typing at the company number, for a new company as for a changed one.
    txt_IdEmpresa->setFocus();
    if (operacion == 1) {
        setCaption(QStringLiteral("Nueva Empresa"));
        mEmpresa = std::make_shared<clsEmpresa>();
        dtp_FAlta->setValue(text::Today());
        dtp_FBaja->setNoValue();
        // A CUIT locked by an earlier "modificar" would make every insert a duplicate.
        txt_CUIT->setEnabled(true);
        return;
    }
    setCaption(QStringLiteral("Modificar Empresa"));
    mEmpresa = rec ? rec : std::make_shared<clsEmpresa>();
    const clsEmpresa& e = *mEmpresa;
    txt_IdEmpresa->setText(CStr(e.IdEmpresa));
    txt_CUIT->setText(text::Format(e.CUIT, QStringLiteral("0")));
    // The CUIT is the key of the update.
    txt_CUIT->setEnabled(false);
    txt_RSocial->setText(e.RSocial);
    txt_DomicilioFiscal->setText(e.DomicilioFiscal);
    txt_DomicilioLegal->setText(e.DomicilioLegal);
    txt_DomicilioReal->setText(e.DomicilioReal);
    // No province combo is the active control here, so no locality list is
    // narrowed: each locality is found among all of them.
    Utiles::SeleccionarTextoCombo(*cbo_provincia_DFiscal, e.ProvinciaFiscal);
    Utiles::SeleccionarTextoCombo(*cbo_provincia_DLegal, e.ProvinciaLegal);
    Utiles::SeleccionarTextoCombo(*cbo_provincia_DReal, e.ProvinciaReal);
    Utiles::SeleccionarTextoCombo(*cbo_localidad_DFiscal, e.LocalidadFiscal);
    Utiles::SeleccionarTextoCombo(*cbo_localidad_DLegal, e.LocalidadLegal);
    Utiles::SeleccionarTextoCombo(*cbo_localidad_DReal, e.LocalidadReal);
    txt_CodPostal_DFiscal->setText(e.CodPostalFiscal);
    txt_CodPostal_DLegal->setText(e.CodPostalLegal);
    txt_CodPostal_DReal->setText(e.CodPostalReal);
    mskNroInscripcion->setText(e.NroIB != 0 ? text::Format(e.NroIB, QStringLiteral("000-000000-0")) : QString());
    Utiles::SeleccionarTextoCombo(*cboTipoSociedad, e.TipoSoc);
    // The start date first: the end date's lower limit follows it, so a
    // stored end date before today can be shown.
    dtp_FAlta->setValue(QDate::fromString(e.FAlta, QStringLiteral("dd/MM/yyyy")));
    if (text::Trim(e.FBaja).isEmpty())
        dtp_FBaja->setNoValue();
    else
        dtp_FBaja->setValue(QDate::fromString(e.FBaja, QStringLiteral("dd/MM/yyyy")));
}

void frmEditarEmpresa::dtp_FAlta_Change() { dtp_FBaja->setMinDate(dtp_FAlta->Date()); }

void frmEditarEmpresa::toolbar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("aceptar")) {
        if (!ValidarDatos()) return;
        const bool guardada = mOperacion != 1 ? ActualizarEmpresa() : InsertarEmpresa();
        // A company the database refused stays on screen to be corrected.
        if (guardada) Unload();
    } else if (key == QLatin1String("cancelar")) {
        Unload();
    }
}

void frmEditarEmpresa::Form_KeyPress(int& KeyAscii)
{
    forms::Mayuscula(KeyAscii);
    // Enter saves from any box.
    if (forms::EnterAcepta(KeyAscii)) {
        KeyAscii = 0;
        toolbar_ButtonClick(toolbar->Buttons(1).Key());
    }
}

void frmEditarEmpresa::txt_RSocial_KeyPress(int& KeyAscii) { forms::Mayuscula(KeyAscii); }

void frmEditarEmpresa::Form_QueryUnload(int& cancel, int unloadMode)
{
    // Only the toolbar closes the editor.
    if (unloadMode == forms::vbFormControlMenu) cancel = 1;
}
