#include "core/Utiles.h"

#include "platform/errors/Error.h"

#include <QLocale>

namespace Utiles {

namespace {

inline bool isDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }
inline int digit(QChar ch) { return ch.unicode() - u'0'; }

}  // namespace

bool ValidarCUIT(const QString& s)
{
    if (s.size() != 11) return false;
    // A clerk's typo is an invalid CUIT, not a run-time error.
    for (QChar ch : s)
        if (!isDigit(ch)) return false;

    switch (digit(s[0]) * 10 + digit(s[1])) {
    case 20:
    case 23:
    case 24:
    case 27:
    case 30:
    case 33:
    case 34: break;
    default: return false;
    }

    static constexpr int kWeights[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; ++i) sum += digit(s[i]) * kWeights[i];
    const int r = sum % 11;
    int expected = r == 0 ? 0 : 11 - r;
    if (expected == 10) expected = 9;
    return digit(s[10]) == expected;
}

std::int16_t DigitoVerificadorInscripcion(double n)
{
    // Plain decimal text, never an exponent: 1e6 is "1000000" (too long).
    const QString text = QString::number(n, 'f', QLocale::FloatingPointShortest);
    if (text.size() >= 7) return -1;
    const QString body = text.rightJustified(6, u'0');

    static constexpr int kWeights[6] = {1, 3, 9, 7, 1, 3};
    int sum = 0;
    for (int i = 0; i < 6; ++i) sum += (isDigit(body[i]) ? digit(body[i]) : 0) * kWeights[i];
    const int d = 11 - sum % 11;
    if (d == 10) return 0;
    if (d == 11) return 1;
    return static_cast<std::int16_t>(d);
}

QString DigitoVerificadorBarras(const QString& s)
{
    for (QChar ch : s)
        if (!isDigit(ch)) throw platform::RuntimeError(platform::ErrTypeMismatch);
    const qsizetype len = s.size();
    if (len % 4 == 1 || len % 4 == 2) throw platform::RuntimeError(platform::ErrInvalidCall);

    // Weights 3, 1, 7, 9 repeating from the right; position p is 1-based.
    auto at = [&](qsizetype p) { return digit(s[p - 1]); };
    int sum = 0;
    for (qsizetype p = len; p >= 1; p -= 4) {
        sum += 3 * at(p) + at(p - 1) + 7 * at(p - 2);
        if (p > 3) sum += 9 * at(p - 3);
    }
    const int u = sum % 10;
    return QString::number(u == 0 ? 0 : 10 - u);
}

}  // namespace Utiles
