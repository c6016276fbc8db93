#include "core/modNroALetras.h"

#include "platform/errors/Error.h"

#include <cmath>

namespace modNroALetras {

namespace {

// The word of one digit position of a group of three digits (units u,
// tens d, hundreds c); each ends in a blank except "dieci" and "veinti",
// which the units word completes.

QString Centenas(int u, int d, int c)
{
    switch (c) {
    case 1: return (d == 0 && u == 0) ? QStringLiteral("cien ") : QStringLiteral("ciento ");
    case 2: return QStringLiteral("doscientos ");
    case 3: return QStringLiteral("trescientos ");
    case 4: return QStringLiteral("cuatrocientos ");
    case 5: return QStringLiteral("quinientos ");
    case 6: return QStringLiteral("seiscientos ");
    case 7: return QStringLiteral("setecientos ");
    case 8: return QStringLiteral("ochocientos ");
    case 9: return QStringLiteral("novecientos ");
    default: return {};
    }
}

QString Decenas(int u, int d, int /*c*/)
{
    switch (d) {
    case 1:
        switch (u) {
        case 0: return QStringLiteral("diez ");
        case 1: return QStringLiteral("once ");
        case 2: return QStringLiteral("doce ");
        case 3: return QStringLiteral("trece ");
        case 4: return QStringLiteral("catorce ");
        case 5: return QStringLiteral("quince ");
        default: return QStringLiteral("dieci");
        }
    case 2: return u == 0 ? QStringLiteral("veinte ") : QStringLiteral("veinti");
    case 3: return u == 0 ? QStringLiteral("treinta ") : QStringLiteral("treinta y ");
    case 4: return u == 0 ? QStringLiteral("cuarenta ") : QStringLiteral("cuarenta y ");
    case 5: return u == 0 ? QStringLiteral("cincuenta ") : QStringLiteral("cincuenta y ");
    case 6: return u == 0 ? QStringLiteral("sesenta ") : QStringLiteral("sesenta y ");
    case 7: return u == 0 ? QStringLiteral("setenta ") : QStringLiteral("setenta y ");
    case 8: return u == 0 ? QStringLiteral("ochenta ") : QStringLiteral("ochenta y ");
    case 9: return u == 0 ? QStringLiteral("noventa ") : QStringLiteral("noventa y ");
    default: return {};
    }
}

QString Unidades(int u, int d, int /*c*/)
{
    switch (u) {
    // 11 to 15 have their own tens word.
    case 1: return d == 1 ? QString() : QStringLiteral("un ");
    case 2: return d == 1 ? QString() : QStringLiteral("dos ");
    case 3: return d == 1 ? QString() : QStringLiteral("tres ");
    case 4: return d == 1 ? QString() : QStringLiteral("cuatro ");
    case 5: return d == 1 ? QString() : QStringLiteral("cinco ");
    case 6: return QStringLiteral("seis ");
    case 7: return QStringLiteral("siete ");
    case 8: return QStringLiteral("ocho ");
    case 9: return QStringLiteral("nueve ");
    default: return {};
    }
}

QString ProperCase(const QString& s)
{
    QString out = s.toLower();
    bool wordStart = true;
    for (QChar& ch : out) {
        if (ch.isSpace()) {
            wordStart = true;
        } else {
            if (wordStart) ch = ch.toUpper();
            wordStart = false;
        }
    }
    return out;
}

}  // namespace

QString NroALetras(double Numero, std::int16_t Tipo, bool Parentesis)
{
    if (std::isnan(Numero)) throw platform::RuntimeError(platform::ErrInvalidCall);
    constexpr double kLimit = 1e15;  // 15 digits of integer part
    const double amount = std::fabs(Numero);
    if (!(amount < kLimit)) throw platform::RuntimeError(platform::ErrOverflow);

    double whole = std::trunc(amount);
    // Current rounding mode: halves go to the even neighbour.
    double cents = std::nearbyint((amount - whole) * 100.0);
    // 0.995 and up round to the next unit, not to "100/100".
    if (cents >= 100.0) {
        whole += 1.0;
        cents -= 100.0;
        if (!(whole < kLimit)) throw platform::RuntimeError(platform::ErrOverflow);
    }

    const QString digits = QString::number(static_cast<qint64>(whole)).rightJustified(15, u'0');
    // Five groups of three digits: billions, thousands of millions,
    // millions, thousands, units.
    int c[5], d[5], u[5], value[5];
    for (int g = 0; g < 5; ++g) {
        c[g] = digits[3 * g].digitValue();
        d[g] = digits[3 * g + 1].digitValue();
        u[g] = digits[3 * g + 2].digitValue();
        value[g] = c[g] * 100 + d[g] * 10 + u[g];
    }

    QString words;
    for (int g = 0; g < 5; ++g) {
        words += Centenas(u[g], d[g], c[g]);
        words += Decenas(u[g], d[g], c[g]);
        words += Unidades(u[g], d[g], c[g]);
        switch (g) {
        case 0:
            if (value[0] == 1)
                words += QStringLiteral("Billon ");
            else if (value[0] >= 2)
                words += QStringLiteral("Billones ");
            break;
        case 1:
            if (value[1] != 0) words += value[2] == 0 ? QStringLiteral("Mil Millones ") : QStringLiteral("Mil ");
            break;
        case 2:
            if (value[2] == 1)
                words += QStringLiteral("Millon ");
            else if (value[2] >= 2)
                words += QStringLiteral("Millones ");
            break;
        case 3:
            if (value[3] != 0) words += QStringLiteral("Mil ");
            break;
        default: break;
        }
    }

    const QString centsText = QString::number(static_cast<int>(cents)).rightJustified(2, u'0');
    const QString result = Parentesis ? QStringLiteral("( ") + words + centsText + QStringLiteral("/100)")
                                      : words + QStringLiteral(" con ") + centsText + QStringLiteral("/100");

    switch (Tipo) {
    case 1: return result.toUpper();
    case 2: return result.toLower();
    case 3: return ProperCase(result);
    default: return result;
    }
}

}  // namespace modNroALetras
