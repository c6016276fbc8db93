// The frame of the guide editor and its header: loading, Operacion, the
// header's lock and unlock cycle, its checks, insert and update, the
// deposit, the totals after a line change, and the destination lists.
#include "declarations/frmEditarGuias.h"
#include "declarations/Renglones.h"

#include "core/General.h"
#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/forms/Cabecera.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Reglas.h"
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
#include <algorithm>

using forms::Etiqueta;
using forms::Nombrado;
using text::CDbl;
using text::CStr;

frmEditarGuias::frmEditarGuias()
{
    setObjectName(QStringLiteral("frmEditarGuias"));
    setCaption(QStringLiteral("Editar Guía"));
    KeyPreview = true;

    auto* root = new QVBoxLayout(this);

    toolbar = Nombrado(new forms::Toolbar(this), "toolbar");
    toolbar->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    toolbar->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    toolbar->AddButton(QStringLiteral("salir"), QStringLiteral("Salir"));
    root->addWidget(toolbar);

    SSTab1 = Nombrado(new forms::TabbedDialog(this), "SSTab1");
    crearCabecera(SSTab1->AddTab(QStringLiteral("Guía de Tránsito")));
    crearDetalle(SSTab1->AddTab(QStringLiteral("Detalle")));
    root->addWidget(SSTab1, 1);

    connect(toolbar, &forms::Toolbar::ButtonClick, this, &frmEditarGuias::toolbar_ButtonClick);
    connect(SSTab1, &forms::TabbedDialog::Click, this, &frmEditarGuias::SSTab1_Click);
}

frmEditarGuias::~frmEditarGuias() = default;

void frmEditarGuias::crearCabecera(QWidget* page)
{
    auto* pageLayout = new QVBoxLayout(page);

    tlb_cabecera = forms::BarraDeSeccion(page, "tlb_cabecera");
    pageLayout->addWidget(tlb_cabecera);

    frm_cab = Nombrado(new QGroupBox(page), "frm_cab");
    pageLayout->addWidget(frm_cab, 1);
    auto* cab = new QHBoxLayout(frm_cab);

    auto* guia = new QFormLayout;
    txt_NroGuia = Nombrado(new QLineEdit(frm_cab), "txt_NroGuia");
    txt_NroGuia->setMaxLength(30);
    dtp_FechaG = Nombrado(new forms::DatePicker(frm_cab), "dtp_FechaG");
    cbo_Puertos = Nombrado(new forms::ComboBox(frm_cab), "cbo_Puertos");
    forms::Angosto(cbo_Puertos, 20);
    cbo_localidades = Nombrado(new forms::ComboBox(frm_cab), "cbo_localidades");
    forms::Angosto(cbo_localidades, 20);
    cbo_provincias = Nombrado(new forms::ComboBox(frm_cab), "cbo_provincias");
    forms::Angosto(cbo_provincias, 20);
    txt_PlantaProcesadora = Nombrado(new QLineEdit(frm_cab), "txt_PlantaProcesadora");
    txt_PlantaProcesadora->setMaxLength(50);
    txt_PlantaProcesadora->setMinimumWidth(
        txt_PlantaProcesadora->fontMetrics().horizontalAdvance(QString(30, QChar('M'))));
    guia->addRow(Etiqueta(QStringLiteral("Nro. Guía"), txt_NroGuia, frm_cab), txt_NroGuia);
    guia->addRow(Etiqueta(QStringLiteral("Fecha"), dtp_FechaG, frm_cab), dtp_FechaG);
    guia->addRow(Etiqueta(QStringLiteral("Puerto Desembarco"), cbo_Puertos, frm_cab), cbo_Puertos);
    guia->addRow(Etiqueta(QStringLiteral("Localidad destino"), cbo_localidades, frm_cab), cbo_localidades);
    guia->addRow(Etiqueta(QStringLiteral("Provincia destino"), cbo_provincias, frm_cab), cbo_provincias);
    guia->addRow(Etiqueta(QStringLiteral("Planta Procesadora"), txt_PlantaProcesadora, frm_cab), txt_PlantaProcesadora);
    cab->addLayout(guia, 3);

    frm_Datos = Nombrado(new QGroupBox(frm_cab), "frm_Datos");
    auto* datos = new QFormLayout(frm_Datos);
    cbo_Alicuota = Nombrado(new forms::ComboBox(frm_Datos), "cbo_Alicuota");
    cbo_Alicuota->AddItem(QStringLiteral("4%"));
    cbo_Alicuota->setItemData(cbo_Alicuota->NewIndex(), 4);
    txt_CajonesTotales = Nombrado(new ctlNumero(frm_Datos), "txt_CajonesTotales");
    txt_KilosTotales = Nombrado(new ctlNumero(frm_Datos), "txt_KilosTotales");
    txt_TotalGral = Nombrado(new ctlNumero(frm_Datos), "txt_TotalGral");
    txt_Depositado = Nombrado(new ctlNumero(frm_Datos), "txt_Depositado");
    txt_alicuota = Nombrado(new ctlNumero(frm_Datos), "txt_alicuota");
    nroDepositadoAux = Nombrado(new ctlNumero(frm_Datos), "nroDepositadoAux");
    datos->addRow(Etiqueta(QStringLiteral("Alícuota"), cbo_Alicuota, frm_Datos), cbo_Alicuota);
    datos->addRow(Etiqueta(QStringLiteral("Total cajones"), txt_CajonesTotales, frm_Datos), txt_CajonesTotales);
    datos->addRow(Etiqueta(QStringLiteral("Total Kg. Capturados"), txt_KilosTotales, frm_Datos), txt_KilosTotales);
    datos->addRow(Etiqueta(QStringLiteral("Total Guía"), txt_TotalGral, frm_Datos), txt_TotalGral);
    datos->addRow(Etiqueta(QStringLiteral("Depositado"), txt_Depositado, frm_Datos), txt_Depositado);
    datos->addRow(txt_alicuota);
    datos->addRow(nroDepositadoAux);
    cab->addWidget(frm_Datos, 2, Qt::AlignTop);

    // The totals are the sums of the lines, never typed.
    for (ctlNumero* n : {txt_CajonesTotales, txt_KilosTotales, txt_TotalGral}) n->Enabled(false);
    nroDepositadoAux->setCantidadDecimales(2);
    nroDepositadoAux->Enabled(false);
    nroDepositadoAux->setVisible(false);

    connect(tlb_cabecera, &forms::Toolbar::ButtonClick, this, &frmEditarGuias::tlb_cabecera_ButtonClick);
    // A pick-only list raises no Change: a choice of the rate recomputes at once.
    connect(cbo_Alicuota, &forms::ComboBox::Click, this, &frmEditarGuias::cbo_Alicuota_Change);
    connect(cbo_localidades, &forms::ComboBox::Click, this, &frmEditarGuias::cbo_localidades_Click);
    connect(cbo_provincias, &forms::ComboBox::Click, this, &frmEditarGuias::cbo_provincias_Click);
    forms::OnKeyPress(txt_NroGuia, forms::Mayuscula);
    forms::OnKeyPress(txt_PlantaProcesadora, forms::Mayuscula);
}

QString frmEditarGuias::NroDJ23() const { return text::PadLeft(mNroDJ, 23, QChar('0')); }

QString frmEditarGuias::NroGuiaSQL() const { return General::DuplicarComillas(txt_NroGuia->text()); }

// ---------------------------------------------------------------- opening

void frmEditarGuias::Form_Load()
{
    Move(0, 0);
    forms::Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_PUERTOS.PPTO_ID, LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION From LNV_PES_TB_PUERTOS ORDER BY LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION"),
            *cbo_Puertos);
    });
    CargarEspecies();
    // Provinces first: each locality holds its province.
    CargarProvincias();
    CargarLocalidades();

    for (ctlNumero* n : {txt_CajonesTotales, txt_KilosTotales, txt_TotalGral}) n->setCantidadDecimales(2);
    txt_Depositado->setCantidadDecimales(2);
    txt_Depositado->Enabled(true);
    txt_Depositado->setMaxLength(14);
    txt_alicuota->setCantidadDecimales(2);
    txt_alicuota->Enabled(true);
    txt_alicuota->setVisible(false);
    for (ctlNumero* n : {txt_cajones, txt_kg, txt_MtoTotal, txt_precio}) {
        n->setCantidadDecimales(n == txt_precio ? 4 : 2);
        n->Enabled(true);
        n->setMaxLength(14);
    }

    // The boxes know their decimals before the rate first computes the deposit.
    if (cbo_Alicuota->ListCount() > 0) {
        cbo_Alicuota->setListIndex(0);
        txt_alicuota->setValue(cbo_Alicuota->ItemData(0));
    }
    dtp_FechaG->setValue(text::Today());
    dtp_FechaG->setMaxDate(text::Today());
}

void frmEditarGuias::Operacion(std::int32_t op, const std::shared_ptr<clsCabGuia>& cab, const QString& NroDJ)
{
    mOperacion = op;
    // The kept line of the last guide is none of this one's to put back.
    mDet.reset();
    // Lines left on screen, or half typed, belong to the last guide: the
    // new one opens on its header, and its lines load when their tab is shown.
    if (SSTab1->Tab() != 0) SSTab1->setTab(0);
    if (op != 1) {
        setCaption(QStringLiteral("Modificar Guía de Tránsito de Pescados y Mariscos"));
        mCab = cab ? cab : std::make_shared<clsCabGuia>();
        const clsCabGuia& c = *mCab;
        mNroDJ = c.NroDJ;
        txt_NroGuia->setText(c.NroGuia);
        // A guide stored with a date after today (a clock set back) opens as stored.
        dtp_FechaG->setMaxDate(std::max(text::Today(), c.Fecha));
        if (c.Fecha.isValid()) dtp_FechaG->setValue(c.Fecha);
        cbo_Puertos->setText(c.Puerto);
        cbo_provincias->setText(c.Provincia);
        // A province chosen for an earlier guide may have narrowed the list
        // past this guide's own locality.
        if (cbo_localidades->findText(c.Localidad, Qt::MatchExactly) < 0) CargarLocalidades();
        cbo_localidades->setText(c.Localidad);
        txt_PlantaProcesadora->setText(c.PProcesadora);
        txt_CajonesTotales->setValue(c.TotalCajones);
        txt_KilosTotales->setValue(c.TotalKilos);
        txt_TotalGral->setValue(c.Total);
        Utiles::SeleccionarIdCombo(*cbo_Alicuota, text::CLng(text::Round(c.Alicuota)));
        txt_Depositado->setValue(c.Depositado);
        SSTab1->setTabEnabled(1, true);
    } else {
        setCaption(QStringLiteral("Nueva Guía de Tránsito de Pescados y Mariscos"));
        mCab = std::make_shared<clsCabGuia>();
        tlb_cabecera->Buttons(1).setEnabled(true);
        SSTab1->setTabEnabled(1, false);
        mNroDJ = NroDJ;
        dtp_FechaG->setMaxDate(text::Today());
    }
    HabilitarCabecera(true);
    // The number is the key of the guide's lines and totals: typed once, for a new guide.
    txt_NroGuia->setEnabled(op == 1);
    CargarEspecies();
}

// ---------------------------------------------------------------- toolbars

void frmEditarGuias::toolbar_ButtonClick(const QString& key)
{
    // "aceptar" and "cancelar" have no action of their own: each tab saves itself.
    if (key == QLatin1String("salir")) Unload();
}

void frmEditarGuias::HabilitarCabecera(bool b)
{
    forms::HabilitarCabecera(*tlb_cabecera, *frm_cab, mOperacion == 1, b);
}

void frmEditarGuias::tlb_cabecera_ButtonClick(const QString& key)
{
    if (key == QLatin1String("nuevo") || key == QLatin1String("modificar")) {
        HabilitarCabecera(false);
    } else if (key == QLatin1String("aceptar")) {
        if (!ValidarCabecera()) return;
        if (mOperacion == 1) {
            if (InsertarCabecera()) {
                SSTab1->setTabEnabled(1, true);
                mOperacion = 2;
                txt_NroGuia->setEnabled(false);
                HabilitarCabecera(true);
                CargarEspecies();
            } else {
                txt_NroGuia->setFocus();
                CargarEspecies();
            }
        } else {
            // A header the database refused stays unlocked, as typed.
            if (ActualizarCabecera()) HabilitarCabecera(true);
            CargarEspecies();
        }
    } else if (key == QLatin1String("cancelar")) {
        HabilitarCabecera(true);
        CargarEspecies();
    }
}

// ---------------------------------------------------------------- header

bool frmEditarGuias::ValidarCabecera()
{
    txt_PlantaProcesadora->setText(text::Trim(txt_PlantaProcesadora->text()));
    txt_NroGuia->setText(text::Trim(txt_NroGuia->text()));
    return forms::CumpleReglas(
        {
            {txt_NroGuia->text().isEmpty(), "Ingrese el Nro. de Guía", txt_NroGuia},
            {!dtp_FechaG->HasValue(), "Ingrese la fecha de la guía", dtp_FechaG},
            {cbo_Puertos->ListIndex() < 0, "Seleccione el puerto de procedencia", cbo_Puertos},
            {cbo_localidades->ListIndex() < 0, "Seleccione la localidad destino", cbo_localidades},
            {cbo_provincias->ListIndex() < 0, "Seleccione la provincia destino", cbo_provincias},
            {txt_PlantaProcesadora->text().isEmpty(), "Ingrese la Planta Procesadora", txt_PlantaProcesadora},
            {cbo_Alicuota->ListIndex() < 0, "Seleccione la alícuota consignada en la Guía de Tránsito", cbo_Alicuota},
        },
        Caption());
}

bool frmEditarGuias::InsertarCabecera()
{
    txt_alicuota->setValue(cbo_Alicuota->ItemData(cbo_Alicuota->ListIndex()));
    const QString sql =
        QStringLiteral(
            "insert into LNV_PES_TB_GUIAS_TRANSPORTE (PCDJ_NRO, PGTR_NRO, PGTR_FECHA, PPTO_ID , GLOC_ID, GPRO_ID, "
            "PGTR_PLANTAPROCESADORA, PGTR_CAJONES, PGTR_KGS, PGTR_TOTAL, PGTR_ALICUOTA, PGTR_VALOR ) VALUES (")
        + QStringLiteral("'") + NroDJ23() + QStringLiteral("'") + QStringLiteral(", ")
        + General::TextoSQL(txt_NroGuia->text()) + QStringLiteral(", ") + text::FechaSQL(dtp_FechaG->Date())
        + QStringLiteral(", ") + CStr(cbo_Puertos->ItemData(cbo_Puertos->ListIndex())) + QStringLiteral(", ")
        + CStr(cbo_localidades->ItemData(cbo_localidades->ListIndex())) + QStringLiteral(", ")
        + CStr(cbo_provincias->ItemData(cbo_provincias->ListIndex())) + QStringLiteral(", ")
        + General::TextoSQL(txt_PlantaProcesadora->text()) + QStringLiteral(", ")
        + text::NumeroSQL(txt_CajonesTotales->Value()) + QStringLiteral(", ")
        + text::NumeroSQL(txt_KilosTotales->Value()) + QStringLiteral(", ") + text::NumeroSQL(txt_TotalGral->Value())
        + QStringLiteral(", ") + text::NumeroSQL(txt_alicuota->Value()) + QStringLiteral(", ")
        + text::NumeroSQL(txt_Depositado->Value()) + QStringLiteral(")");
    // The number is the table's key: a duplicate is one stored in any declaration.
    // A new guide has no lines: its totals are the stored ones, nothing.
    Renglones::TotalesGuia t;
    const bool hecho = forms::Atrapar(
        [&] {
            ado::Transaccion tr(de1::conn());
            Renglones::VerificarDeclaracion(de1::conn(), NroDJ23());
            de1::conn().Execute(sql);
            t = Renglones::EscribirTotalesGuia(
                de1::conn(), txt_NroGuia->text(),
                Renglones::DepositoMostrado{txt_TotalGral->Value(), txt_Depositado->Value()});
            tr.Commit();
        },
        ado::Causa::Duplicado,
        [this] {
            forms::MsgBox(QStringLiteral("Ya existe una Guía de tránsito con el número ingresado"),
                          forms::vbExclamation, Caption());
        });
    if (hecho) MostrarTotales({t.cajones, t.kilos, t.total, t.depositado});
    return hecho;
}

bool frmEditarGuias::ActualizarCabecera()
{
    if (cbo_Alicuota->ListIndex() >= 0) txt_alicuota->setValue(cbo_Alicuota->ItemData(cbo_Alicuota->ListIndex()));
    const QString sql = QStringLiteral("update LNV_PES_TB_GUIAS_TRANSPORTE SET PGTR_FECHA=")
        + text::FechaSQL(dtp_FechaG->Date()) + QStringLiteral(", PPTO_ID=")
        + CStr(cbo_Puertos->ItemData(cbo_Puertos->ListIndex())) + QStringLiteral(", GLOC_ID=")
        + CStr(cbo_localidades->ItemData(cbo_localidades->ListIndex())) + QStringLiteral(", GPRO_ID=")
        + CStr(cbo_provincias->ItemData(cbo_provincias->ListIndex())) + QStringLiteral(", PGTR_PLANTAPROCESADORA=")
        + General::TextoSQL(txt_PlantaProcesadora->text()) + QStringLiteral(", PGTR_ALICUOTA=")
        + text::NumeroSQL(txt_alicuota->Value()) + QStringLiteral(" WHERE PCDJ_NRO ='") + NroDJ23()
        + QStringLiteral("' AND PGTR_NRO= '") + NroGuiaSQL() + QStringLiteral("'");
    // The totals follow from the stored lines, and the deposit at the rate
    // just written (unless the one shown was for the stored total), in the
    // same transaction: another window may have saved lines since this one
    // showed its totals.
    Renglones::TotalesGuia t;
    const bool hecho = forms::AtraparEnTransaccion(de1::conn(), [&] {
        long cambiadas = 0;
        de1::conn().Execute(sql, &cambiadas);
        if (cambiadas == 0) throw platform::Conflicto(Renglones::kGuiaBorrada);
        t = Renglones::EscribirTotalesGuia(
            de1::conn(), txt_NroGuia->text(),
            Renglones::DepositoMostrado{txt_TotalGral->Value(), txt_Depositado->Value()});
    });
    if (hecho) MostrarTotales({t.cajones, t.kilos, t.total, t.depositado});
    return hecho;
}

void frmEditarGuias::CalcularDepositado()
{
    const int i = cbo_Alicuota->ListIndex();
    if (i >= 0) txt_Depositado->setValue(txt_TotalGral->Value() * cbo_Alicuota->ItemData(i) / 100);
}

void frmEditarGuias::cbo_Alicuota_Change() { CalcularDepositado(); }

frmEditarGuias::Totales frmEditarGuias::EscribirTotales()
{
    // At the stored rate: the header may be unlocked with another one picked.
    const Renglones::TotalesGuia t = Renglones::EscribirTotalesGuia(de1::conn(), txt_NroGuia->text());
    return {t.cajones, t.kilos, t.total, t.depositado};
}

void frmEditarGuias::MostrarTotales(const Totales& t)
{
    txt_CajonesTotales->setValue(t.cajones);
    txt_KilosTotales->setValue(t.kilos);
    txt_TotalGral->setValue(t.total);
    txt_Depositado->setValue(t.depositado);
    nroDepositadoAux->setValue(t.depositado);
}

void frmEditarGuias::MostrarTotalesGuardados()
{
    if (mOperacion == 1 || frm_cab->isEnabledTo(this)) return;
    forms::Atrapar([this] {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT PGTR_CAJONES, PGTR_KGS, PGTR_TOTAL, PGTR_VALOR FROM LNV_PES_TB_GUIAS_TRANSPORTE "
                               "WHERE PGTR_NRO = ")
                    + General::TextoSQL(txt_NroGuia->text()),
                de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (!rs.Eof()) MostrarTotales({text::CDbl(rs(0)), text::CDbl(rs(1)), text::CDbl(rs(2)), text::CDbl(rs(3))});
    });
}

void frmEditarGuias::RecalcularTotales()
{
    Totales t;
    if (forms::Atrapar([&] { t = EscribirTotales(); })) MostrarTotales(t);
}

// ---------------------------------------------------------------- destination

void frmEditarGuias::CargarProvincias()
{
    mProvincias = std::make_shared<colProvincias>();
    forms::Atrapar([this] {
        ado::Recordset rs;
        rs.Open(
            QStringLiteral(
                "select GPRO_ID, GPRO_DESCRIPCION, GPRO_JURISDICCION, GPRO_LETRA_PAT from LNV_GLB_TB_PROVINCIAS ORDER BY GPRO_DESCRIPCION"),
            de1::conn(), ado::adOpenKeyset, ado::adLockOptimistic, 1);
        cbo_provincias->Clear();
        for (; !rs.Eof(); rs.MoveNext()) {
            const std::int32_t id = text::CLng(rs(QStringLiteral("GPRO_ID")));
            const QString descripcion = CStr(rs(QStringLiteral("GPRO_DESCRIPCION")));
            mProvincias->Add(descripcion, text::CLng(rs(QStringLiteral("GPRO_JURISDICCION"))), id,
                             CStr(rs(QStringLiteral("GPRO_LETRA_PAT"))), QStringLiteral("p") + CStr(id));
            cbo_provincias->AddItem(descripcion);
            cbo_provincias->setItemData(cbo_provincias->NewIndex(), id);
        }
    });
}

void frmEditarGuias::CargarLocalidades()
{
    mLocalidades = std::make_shared<colLocalidades>();
    forms::Atrapar([this] {
        ado::Recordset rs;
        rs.Open(QStringLiteral(
                    "select GLOC_ID, GLOC_DESCRIPCION, GPRO_ID from LNV_GLB_TB_LOCALIDADES  ORDER BY GLOC_DESCRIPCION"),
                de1::conn(), ado::adOpenKeyset, ado::adLockOptimistic, 1);
        cbo_localidades->Clear();
        for (; !rs.Eof(); rs.MoveNext()) {
            const std::int32_t id = text::CLng(rs(QStringLiteral("GLOC_ID")));
            const QString descripcion = CStr(rs(QStringLiteral("GLOC_DESCRIPCION")));
            std::shared_ptr<clsProvincia> provincia;
            // A locality whose province the list does not hold has none to select.
            forms::Ignorar(
                [&] { provincia = mProvincias->Item(QStringLiteral("p") + CStr(rs(QStringLiteral("GPRO_ID")))); });
            mLocalidades->Add(descripcion, provincia, id, QStringLiteral("l") + CStr(id));
            cbo_localidades->AddItem(descripcion);
            cbo_localidades->setItemData(cbo_localidades->NewIndex(), id);
        }
    });
}

void frmEditarGuias::cbo_provincias_Click()
{
    // Only the user's own choice narrows the localities.
    if (QApplication::focusWidget() != cbo_provincias || !mProvincias || !mLocalidades) return;
    if (cbo_provincias->ListIndex() < 0) return;
    const std::int32_t provincia = cbo_provincias->ItemData(cbo_provincias->ListIndex());
    cbo_localidades->Clear();
    for (const auto& l : *mLocalidades) {
        if (!l->Provincia || l->Provincia->id != provincia) continue;
        cbo_localidades->AddItem(l->Descripcion);
        cbo_localidades->setItemData(cbo_localidades->NewIndex(), l->id);
    }
}

void frmEditarGuias::cbo_localidades_Click()
{
    if (QApplication::focusWidget() != cbo_localidades || !mLocalidades) return;
    if (cbo_localidades->ListIndex() < 0) return;
    std::shared_ptr<clsLocalidad> l;
    forms::Ignorar([&] {
        l = mLocalidades->Item(QStringLiteral("l") + CStr(cbo_localidades->ItemData(cbo_localidades->ListIndex())));
    });
    if (l && l->Provincia) Utiles::SeleccionarIdCombo(*cbo_provincias, l->Provincia->id);
}

// ---------------------------------------------------------------- keys, closing

void frmEditarGuias::Form_KeyPress(int& KeyAscii)
{
    // Enter goes to the window's "aceptar", which saves nothing.
    if (KeyAscii == 13) toolbar_ButtonClick(QStringLiteral("aceptar"));
}

void frmEditarGuias::Form_QueryUnload(int& cancel, int unloadMode)
{
    // Only "salir" closes the editor.
    if (unloadMode == forms::vbFormControlMenu) cancel = 1;
}
