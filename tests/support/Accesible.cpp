#include "support/Accesible.h"

#include "platform/forms/TabbedDialog.h"
#include "support/Support.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace testsupport {

namespace {

QString texto(QWidget* w, QAccessible::Text t)
{
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return i ? i->text(t) : QString();
}

bool esParada(QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isEnabled() && w->isVisible();
}

QString describir(QWidget* w)
{
    return w->objectName() + QStringLiteral(" (") + QString::fromLatin1(w->metaObject()->className())
        + QLatin1Char(')');
}

void barrer(QWidget* ventana, QStringList& faltan)
{
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (w->window() != ventana->window() || !esParada(w)) continue;
        const QString nombre = texto(w, QAccessible::Name).trimmed();
        QString falta;
        if (nombre.isEmpty()) falta = describir(w);
        // The inner box of a labelled field speaks the field's name.
        for (QWidget* p = w->parentWidget(); p && p != ventana && falta.isEmpty(); p = p->parentWidget())
            if (p->focusProxy() == w && !p->accessibleName().isEmpty() && texto(p, QAccessible::Name) != nombre)
                falta = describir(w) + QStringLiteral(" in ") + describir(p);
        if (!falta.isEmpty() && !faltan.contains(falta)) faltan << falta;
    }
}

}  // namespace

QString NombreAccesible(QWidget* w) { return texto(w, QAccessible::Name); }
QString ValorAccesible(QWidget* w) { return texto(w, QAccessible::Value); }

QStringList SinNombre(QWidget* ventana)
{
    QStringList faltan;
    barrer(ventana, faltan);
    for (forms::TabbedDialog* t : ventana->findChildren<forms::TabbedDialog*>()) {
        const int antes = t->Tab();
        for (int i = 0; i < t->Tabs(); ++i) {
            if (!t->TabEnabled(i)) continue;
            t->setTab(i);
            Settle(1);
            barrer(ventana, faltan);
        }
        t->setTab(antes);
        Settle(1);
    }
    return faltan;
}

QWidget* TabHacia(QWidget* campo)
{
    QWidget* antes = campo->previousInFocusChain();
    while (antes != campo && (!esParada(antes) || antes == campo || campo->isAncestorOf(antes)))
        antes = antes->previousInFocusChain();
    if (antes == campo) throw std::runtime_error("no stop before " + campo->objectName().toStdString());
    antes->setFocus(Qt::TabFocusReason);
    Settle(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Settle(1);
    return QApplication::focusWidget();
}

}  // namespace testsupport
