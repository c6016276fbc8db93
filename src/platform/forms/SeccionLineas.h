#pragma once
// A line section of an editor (a declaration's sales lines, a guide's lines,
// a declaration's payment slips): a toolbar keyed "nuevo", "modificar",
// "eliminar", "aceptar", "cancelar" over a grid of stored rows and the
// fields of one of them.
//
// "nuevo", "modificar" and "eliminar" put the section in its mode (1, 2, 8)
// and lock the grid; "aceptar" carries the mode out and "cancelar" returns to
// browsing, each section putting back on screen what it documents. The mode
// keeps its value after both: it steers the next "aceptar".
//
// "aceptar" checks the fields (new and modified rows), then runs the mode's
// statements with the totals they change in one transaction. When that
// fails nothing is stored, every text box of the window is put back as it
// was before the step (a number the step took, totals it showed) and the
// section stays in its mode with the fields as typed. When it failed
// because another window changed or deleted what this one read, the
// section shows the stored rows again instead, browsing.
//
// "modificar" and "eliminar" keep the stored row they begin on, as read:
// the statements name it, so that they reach only that row.
//
// Every section, priced or not, declares its steps the same way, once: one
// table (PasosSeccion) of the window's documented procedures, so that the
// path of an "aceptar" reads in aceptar() alone. Its documented handlers
// stay as thin calls into this. The buttons are found by their keys.

#include "platform/ado/Variant.h"
#include "platform/forms/SectionMode.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QWidget;
namespace ado {
class Connection;
}

namespace forms {

class Toolbar;

// What one mode's button does before the section enters the mode, and the
// field that then takes the focus (may be null).
struct EntradaModo {
    std::function<void()> preparar;
    QWidget* foco = nullptr;
};

struct PasosSeccion {
    QWidget* ventana = nullptr;  // whose text boxes a failed save puts back
    ado::Connection* conn = nullptr;
    Toolbar* barra = nullptr;
    // The keys of the buttons that need a stored row.
    std::vector<QString> conFilas{QStringLiteral("modificar"), QStringLiteral("eliminar")};
    std::vector<QWidget*> campos{};  // open while editing
    QWidget* grilla = nullptr;       // open while browsing
    std::function<bool()> hayFilas{};
    // Null or true once the rows are read; before that the buttons that
    // need a row are left as they are.
    std::function<bool()> filasLeidas{};

    EntradaModo nuevo{}, modificar{}, eliminar{};
    // The stored row shown, as read, once "modificar" or "eliminar" prepared.
    std::function<std::vector<ado::Variant>()> leerFila{};

    std::function<bool()> validar{};   // new and modified rows; false refuses
    std::function<void()> calcular{};  // after the checks, before the statements
    // The mode's statements and the totals they change; each throws on the
    // first failure. They run inside the transaction.
    std::function<void()> insertar{}, actualizar{}, borrar{}, totales{};
    std::function<void(ModoSeccion)> recargar{};  // after a stored change
    std::function<void()> cancelar{};             // puts the kept row back
    // The section's own enabling (browsing true); it calls EstadoBotones.
    std::function<void(bool)> habilitar{};
    // The window's member that holds the section's mode (its documented
    // mModoDetalle or mModoPago); without one the section keeps its own.
    ModoSeccion* modo = nullptr;
};

class SeccionLineas {
public:
    void Declarar(PasosSeccion pasos);

    ModoSeccion Modo() const { return *m_modo; }
    // The row the current "modificar" or "eliminar" began on (empty before).
    const std::vector<ado::Variant>& FilaLeida() const { return m_leida; }

    // The toolbar's click, by key; other keys are the section's own.
    void ButtonClick(const QString& key);

    // Browsing (true) or editing: "nuevo" and the fields' frames swap with
    // "aceptar", "cancelar" and the grid; the buttons that need a row only
    // while there is one.
    void EstadoBotones(bool habilitar);

    // The mode's statements in one transaction, the window's text boxes put
    // back when it fails. True when stored.
    bool Guardar(const std::function<void()>& paso);

private:
    void entrar(ModoSeccion modo, const EntradaModo& e);
    void aceptar();

    PasosSeccion m;
    ModoSeccion m_propio = ModoNinguno;
    ModoSeccion* m_modo = &m_propio;
    std::vector<ado::Variant> m_leida;
    bool m_conflicto = false;  // the last Guardar met another window's change
};

// The kept copy of the row an edit began on: a record object made when first
// needed, Nothing until then.
template <class Registro> class CopiaRenglon {
public:
    Registro& Guardar()
    {
        if (!m_copia) m_copia = std::make_shared<Registro>();
        return *m_copia;
    }
    const Registro* get() const { return m_copia.get(); }
    explicit operator bool() const { return bool(m_copia); }
    const Registro* operator->() const { return m_copia.get(); }
    void reset() { m_copia.reset(); }

private:
    std::shared_ptr<Registro> m_copia;
};

}  // namespace forms
