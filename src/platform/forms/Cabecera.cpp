#include "platform/forms/Cabecera.h"

#include "platform/forms/Toolbar.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace forms {

namespace {

bool tomaTexto(const QWidget* w)
{
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return !e->isReadOnly();
    if (const auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return !s->isReadOnly();
    return true;
}

}  // namespace

QWidget* PrimerCampo(QWidget& marco)
{
    for (QWidget* w = marco.nextInFocusChain(); w && w != &marco; w = w->nextInFocusChain()) {
        if (!marco.isAncestorOf(w) || w->focusProxy()) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isEnabled() || !w->isVisible()) continue;
        if (tomaTexto(w)) return w;
    }
    return nullptr;
}

void HabilitarCabecera(Toolbar& barra, QWidget& marco, bool nuevo, bool Habilitar)
{
    QWidget* foco = marco.window()->focusWidget();
    const auto apaga = [foco](const QWidget* w) { return w && foco && (w == foco || w->isAncestorOf(foco)); };
    Button ofrecido = barra.Buttons(nuevo ? 1 : 2);
    // Enabled first, so that a disabled button hands its focus to it rather
    // than to whatever follows in the chain.
    if (Habilitar) {
        ofrecido.setEnabled(true);
        if (apaga(barra.Buttons(4).widget()) || apaga(barra.Buttons(5).widget()) || apaga(&marco))
            ofrecido.widget()->setFocus(Qt::OtherFocusReason);
    }
    barra.Buttons(1).setEnabled(nuevo && Habilitar);
    barra.Buttons(2).setEnabled(!nuevo && Habilitar);
    barra.Buttons(4).setEnabled(!Habilitar);
    barra.Buttons(5).setEnabled(!Habilitar);
    marco.setEnabled(!Habilitar);
    if (!Habilitar)
        if (QWidget* campo = PrimerCampo(marco)) campo->setFocus(Qt::OtherFocusReason);
}

}  // namespace forms
