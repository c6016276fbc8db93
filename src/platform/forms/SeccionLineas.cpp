#include "platform/forms/SeccionLineas.h"

#include "platform/errors/Error.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"

#include <QLineEdit>
#include <QList>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace forms {

namespace {
const QString kNuevo = QStringLiteral("nuevo");
const QString kAceptar = QStringLiteral("aceptar");
const QString kCancelar = QStringLiteral("cancelar");
}  // namespace

void SeccionLineas::Declarar(PasosSeccion pasos)
{
    m = std::move(pasos);
    m_modo = m.modo ? m.modo : &m_propio;
}

void SeccionLineas::ButtonClick(const QString& key)
{
    if (key == QLatin1String("nuevo"))
        entrar(ModoNuevo, m.nuevo);
    else if (key == QLatin1String("modificar"))
        entrar(ModoModificar, m.modificar);
    else if (key == QLatin1String("eliminar"))
        entrar(ModoEliminar, m.eliminar);
    else if (key == QLatin1String("aceptar"))
        aceptar();
    else if (key == QLatin1String("cancelar")) {
        if (m.cancelar) m.cancelar();
        m.habilitar(true);
    }
}

void SeccionLineas::entrar(ModoSeccion modo, const EntradaModo& e)
{
    if (e.preparar) e.preparar();
    if (modo != ModoNuevo) m_leida = m.leerFila ? m.leerFila() : std::vector<ado::Variant>{};
    *m_modo = modo;
    m.habilitar(false);
    if (e.foco && e.foco->isEnabled()) e.foco->setFocus();
}

void SeccionLineas::aceptar()
{
    const std::function<void()>* sentencia = nullptr;
    switch (*m_modo) {
    case ModoNuevo: sentencia = &m.insertar; break;
    case ModoModificar: sentencia = &m.actualizar; break;
    case ModoEliminar: sentencia = &m.borrar; break;
    default: break;
    }
    if (sentencia) {
        if (*m_modo != ModoEliminar) {
            if (m.validar && !m.validar()) return;
            if (m.calcular) m.calcular();
        }
        if (!Guardar(*sentencia) && !m_conflicto) return;
        if (m.recargar) m.recargar(*m_modo);
    }
    m.habilitar(true);
}

bool SeccionLineas::Guardar(const std::function<void()>& paso)
{
    // Whatever the failed step showed (the number it took, the totals)
    // goes back to what the clerk saw before pressing "aceptar".
    const QList<QLineEdit*> cajas = m.ventana->findChildren<QLineEdit*>();
    QStringList antes;
    antes.reserve(cajas.size());
    for (QLineEdit* c : cajas) antes << c->text();
    m_conflicto = false;
    if (AtraparEnTransaccion(*m.conn, [&] {
            try {
                paso();
                if (m.totales) m.totales();
            } catch (const platform::Conflicto&) {
                m_conflicto = true;
                throw;
            }
        }))
        return true;
    for (qsizetype i = 0; i < cajas.size(); ++i)
        if (cajas[i]->text() != antes[i]) cajas[i]->setText(antes[i]);
    return false;
}

void SeccionLineas::EstadoBotones(bool habilitar)
{
    const bool filas = m.hayFilas && m.hayFilas();
    const bool leidas = !m.filasLeidas || m.filasLeidas();
    const auto campos = [&] {
        for (QWidget* c : m.campos) c->setEnabled(!habilitar);
        if (m.grilla) m.grilla->setEnabled(habilitar);
    };
    // The focus on a control this step disables moves first to the button
    // the section offers next ("nuevo" when browsing, "aceptar" when
    // editing). Left to Qt it may end on no control of the editor while the
    // main window is inactive (right after a message box), and the window
    // system then hands it to another window.
    QWidget* foco = m.barra->window()->focusWidget();
    const auto apaga = [foco](const QWidget* w) { return w && foco && (w == foco || w->isAncestorOf(foco)); };
    bool perdido = false;
    if (habilitar) {
        for (const QString& b : {kAceptar, kCancelar}) perdido = perdido || apaga(m.barra->Buttons(b).widget());
        for (QWidget* c : m.campos) perdido = perdido || apaga(c);
    } else {
        perdido = apaga(m.barra->Buttons(kNuevo).widget()) || apaga(m.grilla);
        if (leidas)
            for (const QString& b : m.conFilas) perdido = perdido || apaga(m.barra->Buttons(b).widget());
    }
    Button siguiente = m.barra->Buttons(habilitar ? kNuevo : kAceptar);
    siguiente.setEnabled(true);
    if (perdido) siguiente.widget()->setFocus(Qt::OtherFocusReason);

    // A button that disables itself hands its focus on: when the section
    // locks, the fields go first so that focus never lands in one of them.
    if (habilitar) campos();
    m.barra->Buttons(kNuevo).setEnabled(habilitar);
    if (leidas)
        for (const QString& b : m.conFilas) m.barra->Buttons(b).setEnabled(habilitar && filas);
    for (const QString& b : {kAceptar, kCancelar}) m.barra->Buttons(b).setEnabled(!habilitar);
    if (!habilitar) campos();
}

}  // namespace forms
