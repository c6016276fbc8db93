// The checks of the company editor (the gross-income number as the mask is
// left, the whole company on "aceptar") and the insert and update.
#include "registers/frmEditarEmpresa.h"

#include "core/General.h"
#include "core/Utiles.h"
#include "core/de1.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/MaskedEdit.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Reglas.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QApplication>
#include <QLineEdit>

using text::Trim;

namespace {

// Ten digits whose last is the check digit of the six before it; the first
// three take no part.
bool nroInscripcionValido(const QString& t)
{
    if (t.size() < 10 || !text::EsEnteroSimple(t, 10)) return false;
    const std::int32_t n = t.mid(3, 6).toInt();
    const std::int16_t d = std::int16_t(t.right(1).toInt());
    return d == Utiles::DigitoVerificadorInscripcion(n);
}

}  // namespace

void frmEditarEmpresa::mskNroInscripcion_LostFocus()
{
    // Going to the toolbar (to cancel, say) is not leaving the number.
    QWidget* destino = QApplication::focusWidget();
    if (destino && (destino == toolbar || toolbar->isAncestorOf(destino))) return;
    const QString t = mskNroInscripcion->ClipText();
    if (t.isEmpty()) return;
    if (nroInscripcionValido(t)) return;
    forms::MsgBox(QStringLiteral("El número de inscripción ingresado no es válido"), forms::vbInformation, Caption());
    mskNroInscripcion->setFocus();
}

bool frmEditarEmpresa::ValidarDatos()
{
    for (QLineEdit* t : {txt_DomicilioFiscal, txt_DomicilioReal, txt_DomicilioLegal}) t->setText(Trim(t->text()));

    auto vacio = [](const QLineEdit* t) { return t->text().isEmpty(); };
    auto sinElegir = [](const forms::ComboBox* c) { return c->ListIndex() < 0; };
    // An optional address is either all there or not there at all.
    auto empezado = [&](const Domicilio& d) { return !sinElegir(d.localidad) || !sinElegir(d.provincia); };
    const Domicilio& real = mReal;
    const Domicilio& legal = mLegal;

    return forms::CumpleReglas(
        {
            {!text::EsNroRegistro(Trim(txt_IdEmpresa->text())), "Ingresar el número de Empresa", txt_IdEmpresa},
            {Trim(txt_CUIT->text()).isEmpty() || !text::IsNumeric(txt_CUIT->text()), "Ingresar el CUIT de Empresa",
             txt_CUIT},
            {Trim(txt_RSocial->text()).isEmpty(), "Ingrese la Razón Social de la Empresa", txt_RSocial},
            {sinElegir(cboTipoSociedad), "Seleccione el tipo de sociedad", cboTipoSociedad},
            {!dtp_FAlta->HasValue(), "Ingrese la fecha de alta", dtp_FAlta},
            {vacio(txt_DomicilioFiscal), "Ingrese el domicilio Fiscal", txt_DomicilioFiscal},
            {sinElegir(cbo_provincia_DFiscal), "Seleccione la provincia del domicilio fiscal", cbo_provincia_DFiscal},
            {sinElegir(cbo_localidad_DFiscal), "Seleccione la localidad del domicilio fiscal", cbo_localidad_DFiscal},
            {vacio(txt_CodPostal_DFiscal), "Ingrese el codigo postal del domicilio fiscal", txt_CodPostal_DFiscal},
            {!vacio(real.domicilio) && sinElegir(real.provincia), "Seleccione la provincia del domicilio real",
             real.provincia},
            {vacio(real.domicilio) && empezado(real), "Domicilio real incompleto", real.domicilio},
            {!vacio(real.domicilio) && sinElegir(real.localidad), "Seleccione la localidad del domicilio real",
             real.localidad},
            {vacio(real.codPostal) && (!vacio(real.domicilio) || empezado(real)),
             "Ingrese el codigo postal del domicilio real", real.codPostal},
            {!vacio(legal.domicilio) && sinElegir(legal.provincia), "Seleccione la provincia del domicilio Legal",
             legal.provincia},
            {vacio(legal.domicilio) && empezado(legal), "Domicilio Legal incompleto", legal.domicilio},
            {!vacio(legal.domicilio) && sinElegir(legal.localidad), "Seleccione la localidad del domicilio Legal",
             legal.localidad},
            {vacio(legal.codPostal) && (!vacio(legal.domicilio) || empezado(legal)),
             "Ingrese el codigo postal del domicilio legal", legal.codPostal},
            {!Utiles::ValidarCUIT(txt_CUIT->text()), "CUIT inválido. Ingréselo nuevamente", txt_CUIT},
            // A number the clerk never left for another box is checked here too,
            // so that no wrong number is stored.
            {!mskNroInscripcion->ClipText().isEmpty() && !nroInscripcionValido(mskNroInscripcion->ClipText()),
             "El número de inscripción ingresado no es válido", mskNroInscripcion},
        },
        Caption());
}

QString frmEditarEmpresa::sqlNroIB() const
{
    const QString t = mskNroInscripcion->ClipText();
    return Trim(t).isEmpty() ? QStringLiteral("Null") : t;
}

QString frmEditarEmpresa::sqlTexto(const QLineEdit* t)
{
    return t->text().isEmpty() ? QStringLiteral("null") : General::TextoSQL(t->text());
}

QString frmEditarEmpresa::sqlId(const forms::ComboBox* c)
{
    return c->ListIndex() < 0 ? QStringLiteral("null") : text::CStr(c->ItemData(c->ListIndex()));
}

bool frmEditarEmpresa::InsertarEmpresa()
{
    const QString id = Trim(txt_IdEmpresa->text());
    const QString cuit = txt_CUIT->text();
    bool insertada = false;
    forms::Atrapar(
        [&] {
            ado::Recordset rs;
            rs.Open(QStringLiteral("select * from LNV_PES_TB_EMPRESAS where PEMP_ID=") + id
                        + QStringLiteral(" or PEMP_CUIT=") + cuit,
                    de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
            if (!rs.Eof()) {
                // Only the first company found is looked at: the number's message wins.
                rs.MoveFirst();
                if (text::CDbl(rs(QStringLiteral("PEMP_ID"))) == text::CDbl(id)) {
                    forms::MsgBox(QStringLiteral("Ya existe una empresa con ese Número"), forms::vbInformation,
                                  Caption());
                    if (txt_IdEmpresa->isEnabled()) txt_IdEmpresa->setFocus();
                } else if (text::CDbl(rs(QStringLiteral("PEMP_CUIT"))) == text::CDbl(cuit)) {
                    forms::MsgBox(QStringLiteral("Ya existe una empresa con ese CUIT"), forms::vbInformation,
                                  Caption());
                    if (txt_CUIT->isEnabled()) txt_CUIT->setFocus();
                }
                rs.Close();
                return;
            }
            QString sql = QStringLiteral("insert into LNV_PES_TB_EMPRESAS (") + QStringLiteral("PEMP_ID")
                + QStringLiteral(", PEMP_CUIT") + QStringLiteral(", PEMP_RSOCIAL") + QStringLiteral(", PEMP_NROIB")
                + QStringLiteral(", GTSO_ID") + QStringLiteral(", PEMP_FALTA") + QStringLiteral(", PEMP_FBAJA ")
                + QStringLiteral(", PEMP_DOM_FISCAL") + QStringLiteral(", GLOC_ID_DF") + QStringLiteral(", GPRO_ID_DF")
                + QStringLiteral(", PEMP_CP_DF") + QStringLiteral(", PEMP_DOM_REAL") + QStringLiteral(", GLOC_ID_DR")
                + QStringLiteral(", GPRO_ID_DR") + QStringLiteral(", PEMP_CP_DR") + QStringLiteral(", PEMP_DOM_LEGAL")
                + QStringLiteral(", GLOC_ID_DL") + QStringLiteral(", GPRO_ID_DL") + QStringLiteral(", PEMP_CP_DL")
                + QStringLiteral(") VALUES (") + id + QStringLiteral(",") + cuit + QStringLiteral(", ")
                + General::TextoSQL(txt_RSocial->text()) + QStringLiteral(", ") + sqlNroIB() + QStringLiteral(", ")
                + sqlId(cboTipoSociedad) + QStringLiteral(", ") + text::FechaSQL(dtp_FAlta->Date())
                + QStringLiteral(", ")
                + (dtp_FBaja->HasValue() ? text::FechaSQL(dtp_FBaja->Date()) : QStringLiteral("null"));
            for (const Domicilio* d : {&mFiscal, &mReal, &mLegal})
                sql += QStringLiteral(", ") + sqlTexto(d->domicilio) + QStringLiteral(", ") + sqlId(d->localidad)
                    + QStringLiteral(", ") + sqlId(d->provincia) + QStringLiteral(", ") + sqlTexto(d->codPostal);
            sql += QStringLiteral(")");
            de1::conn().Execute(sql);
            insertada = true;
        },
        ado::Causa::Duplicado,
        [this] {
            forms::MsgBox(QStringLiteral("Ya existe una empresa con ese Numero"), forms::vbInformation, Caption());
            txt_IdEmpresa->setFocus();
        });
    return insertada;
}

bool frmEditarEmpresa::ActualizarEmpresa()
{
    QString sql = QStringLiteral("update LNV_PES_TB_EMPRESAS set ") + QStringLiteral("PEMP_ID=")
        + Trim(txt_IdEmpresa->text()) + QStringLiteral(", PEMP_RSOCIAL=") + General::TextoSQL(txt_RSocial->text())
        + QStringLiteral(", PEMP_NROIB=") + sqlNroIB() + QStringLiteral(", GTSO_ID=") + sqlId(cboTipoSociedad)
        + QStringLiteral(", PEMP_FALTA=") + text::FechaSQL(dtp_FAlta->Date()) + QStringLiteral(", PEMP_FBAJA=")
        + (dtp_FBaja->HasValue() ? text::FechaSQL(dtp_FBaja->Date()) + QStringLiteral(" ") : QStringLiteral("null"));
    const struct {
        const Domicilio& d;
        const char* dom;
        const char* sufijo;
    } domicilios[] = {{mFiscal, "FISCAL", "DF"}, {mReal, "REAL", "DR"}, {mLegal, "LEGAL", "DL"}};
    for (const auto& x : domicilios) {
        const QString s = QString::fromLatin1(x.sufijo);
        sql += QStringLiteral(", PEMP_DOM_") + QString::fromLatin1(x.dom) + QStringLiteral("=")
            + sqlTexto(x.d.domicilio) + QStringLiteral(", GLOC_ID_") + s + QStringLiteral("=") + sqlId(x.d.localidad)
            + QStringLiteral(", GPRO_ID_") + s + QStringLiteral("=") + sqlId(x.d.provincia)
            + QStringLiteral(", PEMP_CP_") + s + QStringLiteral("=") + sqlTexto(x.d.codPostal);
    }
    sql += QStringLiteral(" where PEMP_CUIT = ") + txt_CUIT->text();
    long cambiadas = 0;
    const bool hecho = forms::Atrapar([&] { de1::conn().Execute(sql, &cambiadas); }, ado::Causa::Duplicado,
                                      [this] {
                                          forms::MsgBox(QStringLiteral("Ya existe otra empresa con ese Nro.Empresa"),
                                                        forms::vbInformation, Caption());
                                      });
    if (!hecho) return false;
    // Deleted in another window while it was being edited: the clerk's
    // values stay on screen and nothing is stored.
    if (cambiadas == 0) {
        forms::MsgBox(QStringLiteral("No se guardaron los cambios: no hay ninguna empresa registrada con el CUIT ")
                          + txt_CUIT->text(),
                      forms::vbInformation, Caption());
        return false;
    }
    return true;
}
