#pragma once
// What both priced line tabs do alike (a declaration's sales lines, a
// guide's lines): the species offered with their dock price in force, the
// price shown when the clerk picks one, one line per species, the checks
// every line passes, its amount as price times kilograms, and the line
// section around the window's own statements. The windows keep their
// documented procedures, declared to the section as any section's steps.

#include "declarations/PaginaRenglones.h"
#include "platform/forms/Reglas.h"
#include "platform/forms/SeccionLineas.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QDate;
class colEspecies;
class ctlNumero;
namespace forms {
class Form;
}

class RenglonesConPrecio {
public:
    struct Campos {
        forms::Form* ventana = nullptr;  // its caption titles the messages
        PaginaRenglones pagina{};
        forms::DataControl* datos = nullptr;  // holds the lines recordset
        ctlNumero* kg = nullptr;
        ctlNumero* precio = nullptr;
        ctlNumero* monto = nullptr;
        std::shared_ptr<colEspecies>* especies = nullptr;  // the window's price list
        // The number boxes of a line with the view's column each shows: a
        // modified line keeps what it has stored in every box the clerk
        // did not change.
        std::vector<std::pair<ctlNumero*, QString>> guardados{};
        QString columnaRenglon{};  // the view's line number
    };

    RenglonesConPrecio() = default;
    RenglonesConPrecio(const RenglonesConPrecio&) = delete;
    RenglonesConPrecio& operator=(const RenglonesConPrecio&) = delete;

    // The window's steps, as every section declares them; this piece adds
    // its own: the lines' frame and grid, whether there are lines, the
    // amount as price times kilograms and the stored line a change or a
    // deletion begins on.
    void Declarar(Campos campos, forms::PasosSeccion pasos);

    forms::ModoSeccion Modo() const { return m_seccion.Modo(); }
    // The stored line the current "modificar" or "eliminar" began on, as read.
    const std::vector<ado::Variant>& FilaLeida() const { return m_seccion.FilaLeida(); }
    // The box's value, or the line's stored value while the box still shows
    // what it showed for it (a price of 3,456 stays 3,456).
    double Conservado(const ctlNumero* caja) const;
    void ButtonClick(const QString& key) { m_seccion.ButtonClick(key); }
    // The toolbar and the frames; the species open only while a new line
    // is typed.
    void Habilitar(bool habilitar);

    // ---- Species and their price in force
    void CargarEspecies(QDate fecha);
    // The combo's Click: prices the species when the clerk chose it.
    void EspecieElegida();
    void MostrarPrecio();
    void QuitarEspeciesCargadas();
    void OfrecerEspeciesDeRenglones();

    // ---- One line
    // The species, then the window's own rules, then kilograms, price and
    // the amount check, in that order.
    bool Validar(std::initializer_list<forms::Regla> propias) const;
    void CalcularMonto();
    // The shown line's number when it is the program's own; anything else
    // never reaches SQL.
    std::optional<std::int32_t> RenglonMostrado() const;
    void Limpiar();

    // ---- The grid
    // Opens the lines query (built inside the trap: building it may fail)
    // into the data control and formats the grid.
    void CargarGrilla(const std::function<QString()>& sql, const std::function<void()>& formatear);
    bool TieneRenglones() const;
    // The sum of a column over every line; the first line is then the
    // current and selected one. Only while there are lines.
    double SumarYElegirPrimero(const QString& columna);

private:
    std::vector<ado::Variant> leerFila();

    Campos c;
    forms::SeccionLineas m_seccion;
    struct Guardado {
        const ctlNumero* caja;
        QString texto;  // what the box showed for the stored value
        double valor;
    };
    std::vector<Guardado> m_guardado;
};
