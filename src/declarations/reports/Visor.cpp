#include "declarations/reports/Visor.h"

#include "platform/forms/Form.h"
#include "platform/forms/MsgBox.h"

namespace visor {

QSize Tamanio() { return forms::Form::DentroDelArea(QSize(980, 900)); }

void Avisar(const QStringList& avisos, const QString& encabezado, QString& mostrado)
{
    const QString lineas = avisos.join(QStringLiteral("\r\n"));
    if (lineas == mostrado) return;
    mostrado = lineas;
    if (lineas.isEmpty()) return;
    forms::MsgBox(encabezado + QStringLiteral("\r\n\r\n") + lineas
                      + QStringLiteral("\r\n\r\nCorrija los valores antes de entregar el formulario para el pago."),
                  forms::vbExclamation);
}

}  // namespace visor
