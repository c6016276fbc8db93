// The three addresses of the company editor: the province and locality
// lists, a province narrowing its address's localities and a locality
// selecting its province.
#include "registers/frmEditarEmpresa.h"

#include "core/Utiles.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QApplication>

using text::CLng;
using text::CStr;

void frmEditarEmpresa::CargarProvincias()
{
    mProvincias = std::make_shared<colProvincias>();
    forms::Atrapar([this] {
        ado::Recordset rs;
        rs.Open(QStringLiteral(
                    "select GPRO_ID, GPRO_DESCRIPCION, GPRO_JURISDICCION, GPRO_LETRA_PAT from LNV_GLB_TB_PROVINCIAS "),
                de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (forms::ComboBox* c : {cbo_provincia_DFiscal, cbo_provincia_DLegal, cbo_provincia_DReal}) c->Clear();
        for (; !rs.Eof(); rs.MoveNext()) {
            const std::int32_t id = CLng(rs(QStringLiteral("GPRO_ID")));
            const QString descripcion = CStr(rs(QStringLiteral("GPRO_DESCRIPCION")));
            mProvincias->Add(descripcion, CLng(rs(QStringLiteral("GPRO_JURISDICCION"))), id,
                             CStr(rs(QStringLiteral("GPRO_LETRA_PAT"))), QStringLiteral("p") + CStr(id));
            for (forms::ComboBox* c : {cbo_provincia_DFiscal, cbo_provincia_DLegal, cbo_provincia_DReal}) {
                c->AddItem(descripcion);
                c->setItemData(c->NewIndex(), id);
            }
        }
    });
}

void frmEditarEmpresa::CargarLocalidades()
{
    mLocalidades = std::make_shared<colLocalidades>();
    forms::Atrapar([this] {
        ado::Recordset rs;
        rs.Open(QStringLiteral(
                    "select GLOC_ID, GLOC_DESCRIPCION, GPRO_ID from LNV_GLB_TB_LOCALIDADES ORDER BY GLOC_DESCRIPCION"),
                de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (forms::ComboBox* c : {cbo_localidad_DFiscal, cbo_localidad_DReal, cbo_localidad_DLegal}) c->Clear();
        for (; !rs.Eof(); rs.MoveNext()) {
            const std::int32_t id = CLng(rs(QStringLiteral("GLOC_ID")));
            const QString descripcion = CStr(rs(QStringLiteral("GLOC_DESCRIPCION")));
            mLocalidades->Add(descripcion, mProvincias->Item(QStringLiteral("p") + CStr(rs(QStringLiteral("GPRO_ID")))),
                              id, QStringLiteral("l") + CStr(id));
            for (forms::ComboBox* c : {cbo_localidad_DFiscal, cbo_localidad_DReal, cbo_localidad_DLegal}) {
                c->AddItem(descripcion);
                c->setItemData(c->NewIndex(), id);
            }
        }
    });
}

// Only the user's own choice narrows the list: a province selected by code
// (a locality's, or the record's) leaves it alone.
void frmEditarEmpresa::ProvinciaElegida(const Domicilio& d)
{
    if (QApplication::focusWidget() != d.provincia || !mLocalidades || !mProvincias) return;
    if (d.provincia->ListIndex() < 0) return;
    const std::int32_t provincia = d.provincia->ItemData(d.provincia->ListIndex());
    d.localidad->Clear();
    for (const auto& l : *mLocalidades) {
        if (!l->Provincia || l->Provincia->id != provincia) continue;
        d.localidad->AddItem(l->Descripcion);
        d.localidad->setItemData(d.localidad->NewIndex(), l->id);
    }
}

void frmEditarEmpresa::LocalidadElegida(const Domicilio& d)
{
    if (QApplication::focusWidget() != d.localidad || d.localidad->ListIndex() < 0 || !mLocalidades) return;
    forms::Atrapar([&] {
        const auto l = mLocalidades->Item(QStringLiteral("l") + CStr(d.localidad->ItemData(d.localidad->ListIndex())));
        if (l->Provincia) Utiles::SeleccionarIdCombo(*d.provincia, l->Provincia->id);
    });
}
