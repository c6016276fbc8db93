#include "platform/forms/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace forms {

QLabel* Etiqueta(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setBuddy(buddy);
    QString name = buddy->accessibleName();
    if (name.isEmpty()) {
        name = caption;
        name.remove(QChar('&'));
        if (name.endsWith(QChar(':'))) name.chop(1);
        name = name.trimmed();
    }
    NombreAccesible(buddy, name);
    return l;
}

void NombreAccesible(QWidget* campo, const QString& nombre)
{
    static const char* const kDelCampo = "dj_nombreDelCampo";
    campo->setAccessibleName(nombre);
    for (QWidget* parte : campo->findChildren<QWidget*>()) {
        if (parte->focusPolicy() == Qt::NoFocus || parte->window() != campo->window()) continue;
        if (!parte->property(kDelCampo).toBool()) {
            parte->setProperty(kDelCampo, true);
            if (!parte->accessibleName().isEmpty() && parte->accessibleDescription().isEmpty())
                parte->setAccessibleDescription(parte->accessibleName());
        }
        parte->setAccessibleName(nombre);
    }
}

void Angosto(QComboBox* cbo, int chars)
{
    cbo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbo->setMinimumContentsLength(chars);
}

void NumeroDelPrograma(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    box->setPalette(p);
}

}  // namespace forms
