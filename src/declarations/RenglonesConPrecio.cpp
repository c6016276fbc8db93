#include "declarations/RenglonesConPrecio.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "declarations/PrecioEnVigor.h"
#include "declarations/Renglones.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void RenglonesConPrecio::Declarar(Campos campos, forms::PasosSeccion pasos)
{
    c = std::move(campos);
    pasos.ventana = c.ventana;
    pasos.conn = &de1::conn();
    pasos.barra = c.pagina.barra;
    pasos.campos = {c.pagina.marco};
    pasos.grilla = c.pagina.grilla;
    pasos.hayFilas = [this] { return TieneRenglones(); };
    pasos.leerFila = [this] { return leerFila(); };
    pasos.calcular = [this] { CalcularMonto(); };
    m_seccion.Declarar(std::move(pasos));
}

// The stored line the fields show, found by its number and read in place
// (moving the recordset would move the grid).
std::vector<ado::Variant> RenglonesConPrecio::leerFila()
{
    m_guardado.clear();
    const auto& rs = c.datos->Recordset;
    const auto renglon = RenglonMostrado();
    if (!TieneRenglones() || !renglon) return {};
    const QStringList nombres = rs->FieldNames();
    const auto columna = [&](const QString& nombre) {
        for (int i = 0; i < nombres.size(); ++i)
            if (nombres[i].compare(nombre, Qt::CaseInsensitive) == 0) return i;
        return -1;
    };
    const int colRenglon = columna(c.columnaRenglon);
    if (colRenglon < 0) return {};
    for (long r = 0; r < rs->RecordCount(); ++r) {
        if (text::CDbl(rs->at(r, colRenglon)) != *renglon) continue;
        for (const auto& [caja, nombre] : c.guardados)
            if (const int col = columna(nombre); col >= 0)
                m_guardado.push_back({caja, caja->toString(), text::CDbl(rs->at(r, col))});
        return Renglones::LeerFila(*rs, r);
    }
    return {};
}

double RenglonesConPrecio::Conservado(const ctlNumero* caja) const
{
    for (const Guardado& g : m_guardado)
        if (g.caja == caja && caja->toString() == g.texto) return g.valor;
    return caja->Value();
}

void RenglonesConPrecio::Habilitar(bool habilitar)
{
    m_seccion.EstadoBotones(habilitar);
    c.pagina.especies->setEnabled(m_seccion.Modo() == forms::ModoNuevo && !habilitar);
}

// ---------------------------------------------------------------- species

void RenglonesConPrecio::CargarEspecies(QDate fecha)
{
    forms::Atrapar([&] { PrecioEnVigor::CargarEspecies(fecha, *c.especies, *c.pagina.especies); });
}

void RenglonesConPrecio::EspecieElegida()
{
    if (PrecioEnVigor::EsEleccionDeEspecie(*c.ventana, *c.pagina.especies, *c.pagina.grilla)) MostrarPrecio();
}

void RenglonesConPrecio::MostrarPrecio()
{
    if (*c.especies) PrecioEnVigor::MostrarPrecio(**c.especies, *c.pagina.especies, *c.precio, *c.pagina.precio);
}

void RenglonesConPrecio::QuitarEspeciesCargadas()
{
    PrecioEnVigor::QuitarEspeciesCargadas(c.datos->Recordset.get(), *c.pagina.especies);
}

void RenglonesConPrecio::OfrecerEspeciesDeRenglones()
{
    PrecioEnVigor::OfrecerEspeciesDeRenglones(c.datos->Recordset.get(), *c.pagina.especies);
}

// ---------------------------------------------------------------- one line

bool RenglonesConPrecio::Validar(std::initializer_list<forms::Regla> propias) const
{
    const QString titulo = c.ventana->Caption();
    forms::ComboBox* cbo = c.pagina.especies;
    return forms::CumpleReglas({{cbo->ListIndex() < 0, "Seleccione la especie capturada", cbo}}, titulo)
        && forms::CumpleReglas(propias, titulo)
        && forms::CumpleReglas(
               {
                   {c.kg->Value() == 0, "Ingrese los kilogramos capturados", c.kg},
                   {c.precio->Value() == 0, "Ingrese el precio por kilo", c.precio},
               },
               titulo)
        && PrecioEnVigor::MontoAceptado(*c.monto, c.precio->Value(), c.kg->Value(), titulo);
}

void RenglonesConPrecio::CalcularMonto() { c.monto->setValue(c.precio->Value() * c.kg->Value()); }

std::optional<std::int32_t> RenglonesConPrecio::RenglonMostrado() const
{
    const QString t = c.pagina.renglon->text();
    if (!text::EsEnteroSimple(t, 9)) return std::nullopt;
    return t.toInt();
}

void RenglonesConPrecio::Limpiar()
{
    c.pagina.renglon->clear();
    c.pagina.especies->setListIndex(-1);
    for (ctlNumero* n : {c.kg, c.precio, c.monto}) n->ClearText();
    c.pagina.precio->clear();
}

// ---------------------------------------------------------------- the grid

void RenglonesConPrecio::CargarGrilla(const std::function<QString()>& sql, const std::function<void()>& formatear)
{
    forms::Atrapar([&] {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(sql(), de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        c.datos->Recordset = rs;
        c.datos->Refresh();
        formatear();
    });
}

bool RenglonesConPrecio::TieneRenglones() const
{
    const auto& rs = c.datos->Recordset;
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0;
}

double RenglonesConPrecio::SumarYElegirPrimero(const QString& columna)
{
    const auto& rs = c.datos->Recordset;
    double suma = 0;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) suma += text::CDbl(rs->Fields(columna).Value());
    rs->MoveFirst();
    c.pagina.grilla->SelBookmarks().Add(rs->Bookmark());
    return suma;
}
