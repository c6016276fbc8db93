#include "platform/forms/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace forms {

QLabel* Etiqueta(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty()) {
        QString name = caption;
        name.remove(QChar('&'));
        if (name.endsWith(QChar(':'))) name.chop(1);
        buddy->setAccessibleName(name.trimmed());
    }
    return l;
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
