#include "platform/forms/Reglas.h"

#include "platform/forms/MsgBox.h"

#include <QWidget>

namespace forms {

bool Rechazar(const char* mensaje, QWidget* foco, const QString& titulo)
{
    MsgBox(QString::fromUtf8(mensaje), vbInformation, titulo);
    if (foco) foco->setFocus();
    return false;
}

bool CumpleReglas(std::initializer_list<Regla> reglas, const QString& titulo)
{
    for (const Regla& r : reglas)
        if (r.falla) return Rechazar(r.mensaje, r.foco, titulo);
    return true;
}

}  // namespace forms
