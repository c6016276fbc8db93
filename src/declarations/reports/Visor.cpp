#include "declarations/reports/Visor.h"

#include "platform/forms/Form.h"
#include "platform/forms/MsgBox.h"

#include <QMdiArea>

namespace visor {

QSize Tamanio()
{
    const QSize want(980, 900);
    QMdiArea* area = forms::Form::MdiArea();
    if (!area || area->viewport()->width() < 400 || area->viewport()->height() < 300) return want;
    return want.boundedTo(area->viewport()->size() - QSize(8, 30));
}

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
