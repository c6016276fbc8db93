#include "declarations/reports/CodigoPago.h"

#include "core/Utiles.h"
#include "platform/text/Text.h"

#include <QDate>
#include <cmath>

void CodigoPago::problema(const QString& p)
{
    if (m_problema.isEmpty()) m_problema = p;
}

void CodigoPago::Constante(const char* digits) { m_digits += QLatin1String(digits); }

void CodigoPago::Identificador(const ado::Variant& value, int width, const QString& name)
{
    QString s;
    if (value.type() == ado::Variant::Type::Integer)
        s = QString::number(value.integer());
    else if (value.type() == ado::Variant::Type::Text)
        s = value.text().trimmed();
    // Written from its digits, never through a double: 25 digits are more than a double holds.
    bool digits = !s.isEmpty();
    for (QChar c : s) digits = digits && c >= u'0' && c <= u'9';
    if (!digits) {
        problema(name + QStringLiteral(" no es un número"));
        return;
    }
    if (s.size() > width) problema(name + QStringLiteral(" tiene más de %1 dígitos").arg(width));
    m_digits += s.rightJustified(width, u'0');
}

void CodigoPago::Centesimos(const ado::Variant& value, int width, const QString& name)
{
    if (value.isNull() || value.isEmpty() || (!value.isNumber() && !text::IsNumeric(value))) {
        problema(QStringLiteral("falta ") + name);
        return;
    }
    const double cents = text::Round(text::CDbl(value) * 100);
    if (cents < 0) {
        problema(name + QStringLiteral(" es menor que cero"));
        return;
    }
    if (!(cents < std::pow(10.0, width))) {
        problema(name + QStringLiteral(" (") + text::Format(text::CDbl(value), QStringLiteral("###,###,##0.00"))
                 + QStringLiteral(") no cabe en los %1 dígitos del código").arg(width));
        return;
    }
    m_digits += QString::number(qint64(cents)).rightJustified(width, u'0');
}

void CodigoPago::Vencimiento(const ado::Variant& year, const ado::Variant& month)
{
    const double y = year.isNumber() ? year.toDouble() : -1, m = month.isNumber() ? month.toDouble() : -1;
    const QDate d = (y >= 1000 && y <= 9999 && m >= 1 && m <= 12 && y == std::floor(y) && m == std::floor(m))
        ? QDate(int(y), int(m), 15).addMonths(1)
        : QDate();
    if (!d.isValid()) {
        problema(QStringLiteral("el período no es un año y mes válidos"));
        return;
    }
    m_digits += d.toString(QStringLiteral("yyyyMMdd"));
}

QString CodigoPago::Terminar() const
{
    if (!m_problema.isEmpty() || m_digits.size() != 79) return QString();
    return m_digits + Utiles::DigitoVerificadorBarras(m_digits);
}

QString CodigoPago::Agrupado(const QString& code)
{
    QString out;
    for (int i = 0; i < code.size(); i += 10)
        out += code.mid(i, 5) + QLatin1Char(' ') + code.mid(i + 5, 5) + QStringLiteral("  ");
    return out;
}

bool CodigoPago::Valido(const QString& code)
{
    if (code.size() != 80) return false;
    for (QChar c : code)
        if (c < u'0' || c > u'9') return false;
    return true;
}
