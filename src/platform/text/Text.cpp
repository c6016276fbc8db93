#include "platform/text/Text.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace text {

using platform::RuntimeError;

QChar DecimalSeparator()
{
    const QString s = QLocale::system().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}

QChar ThousandsSeparator()
{
    const QString s = QLocale::system().groupSeparator();
    return s.isEmpty() ? QChar(',') : s.at(0);
}

namespace {

// A number as decimal digits: value = 0.digits x 10^point, sign apart.
// digits carries no leading or trailing zeros; zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

void normalize(Decimal& d)
{
    size_t lead = d.digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        d.digits.clear();
        d.point = 0;
        return;
    }
    d.digits.erase(0, lead);
    d.point -= int(lead);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
}

// How Format reads a double: to 15 significant digits, as the program's
// original runtime did, so that binary noise such as 1.0049999999999999
// (the result of arithmetic meant as 1.005) rounds as the written decimal.
Decimal fromDoubleForFormat(double v)
{
    Decimal d;
    if (v == 0 || !std::isfinite(v)) return d;
    char buf[40];
    // -d.dddddddddddddde+XX, whatever the C library's locale
    auto r = std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific, 14);
    *r.ptr = '\0';
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') d.digits.push_back(*p);
    d.point = std::atoi(p + 1) + 1;
    normalize(d);
    return d;
}

Decimal fromInteger(std::int64_t v)
{
    Decimal d;
    d.negative = v < 0;
    // The magnitude as unsigned, so INT64_MIN works.
    std::uint64_t m = d.negative ? ~std::uint64_t(v) + 1 : std::uint64_t(v);
    d.digits = std::to_string(m);
    d.point = int(d.digits.size());
    normalize(d);
    return d;
}

bool isBlank(QChar c) { return c == QChar(' ') || c == QChar('\t'); }

// The strict reading of numeric text in the locale: blanks, an optional
// sign, digits with group characters, at most one decimal character and
// its digits, blanks. On success d holds the exact decimal value.
bool parseLocale(const QString& s, Decimal* out)
{
    const QChar dec = DecimalSeparator();
    const QChar grp = ThousandsSeparator();
    int i = 0, n = int(s.size());
    while (i < n && isBlank(s[i])) ++i;
    while (n > i && isBlank(s[n - 1])) --n;
    Decimal d;
    if (i < n && (s[i] == QChar('-') || s[i] == QChar('+'))) {
        d.negative = s[i] == QChar('-');
        ++i;
    }
    bool anyDigit = false, afterPoint = false, lastWasGroup = false;
    int intDigits = 0;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (c >= QChar('0') && c <= QChar('9')) {
            d.digits.push_back(char(c.unicode()));
            if (!afterPoint) ++intDigits;
            anyDigit = true;
            lastWasGroup = false;
        } else if (c == dec && !afterPoint) {
            if (lastWasGroup) return false;
            afterPoint = true;
        } else if (c == grp && grp != dec && !afterPoint && anyDigit) {
            // Group characters sit between digits of the whole part only.
            lastWasGroup = true;
        } else {
            return false;
        }
    }
    if (!anyDigit || lastWasGroup) return false;
    d.point = intDigits;
    normalize(d);
    if (out) *out = d;
    return true;
}

double toDouble(const Decimal& d)
{
    if (d.digits.empty()) return 0.0;
    std::string s = d.negative ? "-0." : "0.";
    s += d.digits;
    s += 'e';
    s += std::to_string(d.point);
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; only a too large magnitude overflows.
        if (d.point > 0) throw RuntimeError(platform::ErrOverflow);
        return 0.0;
    }
    return v;
}

// Rounds to `decimals` places after the point, halves away from zero.
void roundDecimal(Decimal& d, int decimals)
{
    const int keep = d.point + decimals;
    if (keep >= int(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        d.point = 0;
        return;
    }
    const bool up = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') d.digits[size_t(i--)] = '0';
        if (i >= 0) {
            ++d.digits[size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    normalize(d);
}

bool isDatePattern(const QString& pattern)
{
    for (QChar c : pattern)
        if (c == QChar('d') || c == QChar('m') || c == QChar('M') || c == QChar('y')) return true;
    return false;
}

// One formatter for every number pattern made of "0", "#", "," and ".":
// "0" a digit always shown, "#" a digit shown when significant, "," in the
// whole part asks for groups of three, "." the decimal separator.
QString formatNumber(Decimal d, const QString& pattern);

// A "-" in an ungrouped whole part stands for itself ("000-000000-0"): the
// digits are laid out as without it, and each "-" goes back as many digits
// from the right of the whole part as the pattern has placeholders after it.
QString formatWithDashes(const Decimal& d, const QString& pattern)
{
    const qsizetype dot = pattern.indexOf(QChar('.'));
    const QString wholePat = dot < 0 ? pattern : pattern.left(dot);
    if ((dot >= 0 && pattern.indexOf(QChar('-'), dot) >= 0) || wholePat.contains(QChar(',')))
        throw RuntimeError(platform::ErrInvalidCall);
    QString bare = pattern;
    bare.remove(QChar('-'));
    QString out = formatNumber(d, bare);
    const bool negative = out.startsWith(QChar('-'));
    if (negative) out.remove(0, 1);
    const qsizetype wholeEnd = dot < 0 ? out.size() : out.indexOf(DecimalSeparator());
    int after = 0;
    for (qsizetype i = wholePat.size() - 1; i >= 0; --i) {
        if (wholePat[i] == QChar('-'))
            out.insert(std::max<qsizetype>(0, wholeEnd - after), QChar('-'));
        else
            ++after;
    }
    if (negative) out.prepend(QChar('-'));
    return out;
}

QString formatNumber(Decimal d, const QString& pattern)
{
    if (pattern.contains(QChar('-'))) return formatWithDashes(d, pattern);
    for (QChar c : pattern)
        if (c != QChar('0') && c != QChar('#') && c != QChar(',') && c != QChar('.'))
            throw RuntimeError(platform::ErrInvalidCall);

    const int dot = int(pattern.indexOf(QChar('.')));
    const QStringView wholePat = dot < 0 ? QStringView(pattern) : QStringView(pattern).left(dot);
    const QStringView fracPat = dot < 0 ? QStringView() : QStringView(pattern).mid(dot + 1);

    int fracTotal = 0, fracRequired = 0;
    for (QChar c : fracPat) {
        if (c == QChar('0'))
            fracRequired = ++fracTotal;
        else if (c == QChar('#'))
            ++fracTotal;
    }
    const bool grouped = wholePat.contains(QChar(','));

    roundDecimal(d, fracTotal);

    auto digitAt = [&](int at) { return at >= 0 && at < int(d.digits.size()) ? d.digits[size_t(at)] : '0'; };
    // Whole digits without leading zeros (none for a zero whole part), filling the
    // placeholders from the right; digits beyond them go in front.
    const int wholeDigits = std::max(d.point, 0);
    // Past the value's digits a "0" placeholder shows a zero, a "#" nothing.
    int placeholders = 0, zeros = 0;
    for (int i = int(wholePat.size()) - 1; i >= 0; --i) {
        if (wholePat[i] == QChar(',')) continue;
        if (++placeholders > wholeDigits && wholePat[i] == QChar('0')) ++zeros;
    }
    const int shownDigits = wholeDigits + zeros;
    int fracShown = fracTotal;
    while (fracShown > fracRequired && digitAt(d.point + fracShown - 1) == '0') --fracShown;

    QString out;
    out.reserve(shownDigits + shownDigits / 3 + fracShown + 2);
    const QChar grp = grouped ? ThousandsSeparator() : QChar();
    for (int i = 0; i < shownDigits; ++i) {
        if (grouped && i > 0 && (shownDigits - i) % 3 == 0) out += grp;
        // Position i of the shown digits, counted from the left of the whole part.
        const int at = i - (shownDigits - wholeDigits);
        out += QLatin1Char(at < 0 ? '0' : digitAt(at));
    }
    if (dot >= 0) {
        out += DecimalSeparator();
        for (int i = 0; i < fracShown; ++i) out += QLatin1Char(digitAt(d.point + i));
    }
    // A value that rounds to zero shows no sign.
    if (d.negative && !d.digits.empty()) out.prepend(QChar('-'));
    return out;
}

QString two(int v) { return QString::number(v).rightJustified(2, QChar('0')); }

// Date patterns: d, dd, m/M, mm/MM (month: the program formats no times),
// yy, yyyy; every other character stands for itself ("/" included, so SQL
// dates never depend on the locale).
QString formatDate(QDate date, const QString& pattern)
{
    if (!date.isValid()) return QString();
    QString out;
    for (int i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const QChar lc = c.toLower();
        int run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == lc) ++run;
        if (lc == QChar('d') || lc == QChar('m') || c == QChar('y')) {
            if (lc == QChar('d') && run <= 2)
                out += run == 1 ? QString::number(date.day()) : two(date.day());
            else if (lc == QChar('m') && run <= 2)
                out += run == 1 ? QString::number(date.month()) : two(date.month());
            else if (c == QChar('y') && run <= 2)
                out += two(date.year() % 100);
            else if (c == QChar('y') && run == 4)
                out += QString::number(date.year()).rightJustified(4, QChar('0'));
            else
                throw RuntimeError(platform::ErrInvalidCall);
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    return out;
}

// Dates that reach Format as text: as the program shows them, or as ISO.
QDate dateFromText(const QString& s)
{
    const QString t = s.trimmed();
    for (const char* f : {"d/M/yyyy", "yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(t, QLatin1String(f));
        if (d.isValid()) return d;
    }
    return QDate();
}

}  // namespace

// ---------------------------------------------------------------- CStr

QString CStr(double v)
{
    if (v == 0) return QStringLiteral("0");  // -0 too
    if (!std::isfinite(v)) throw RuntimeError(platform::ErrOverflow);
    // Shortest text that reads back as the same double, never with an exponent.
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    QString s = QString::fromLatin1(buf, r.ptr - buf);
    s.replace(QChar('.'), DecimalSeparator());
    return s;
}

QString CStr(std::int64_t v) { return QString::number(v); }

QString CStr(QDate d) { return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }

QString CStr(const ado::Variant& v)
{
    using T = ado::Variant::Type;
    switch (v.type()) {
    case T::Empty:
    case T::Null: return QString();
    case T::Integer: return CStr(v.integer());
    case T::Double: return CStr(v.real());
    case T::Text: return v.text();
    case T::Date: return CStr(v.date());
    }
    return QString();
}

// ---------------------------------------------------------------- numbers

bool IsNumeric(const QString& s) { return parseLocale(s, nullptr); }

bool IsNumeric(const ado::Variant& v)
{
    using T = ado::Variant::Type;
    switch (v.type()) {
    case T::Empty:
    case T::Integer:
    case T::Double: return true;
    case T::Text: return IsNumeric(v.text());
    default: return false;
    }
}

double CDbl(const QString& s)
{
    Decimal d;
    if (!parseLocale(s, &d)) throw RuntimeError(platform::ErrTypeMismatch);
    return toDouble(d);
}

double CDbl(const ado::Variant& v)
{
    using T = ado::Variant::Type;
    switch (v.type()) {
    case T::Empty: return 0.0;
    case T::Integer: return double(v.integer());
    case T::Double: return v.real();
    case T::Text: return CDbl(v.text());
    default: throw RuntimeError(platform::ErrTypeMismatch);
    }
}

namespace {

template <class Int> Int toWhole(double v)
{
    if (!std::isfinite(v)) throw RuntimeError(platform::ErrOverflow);
    const double r = std::nearbyint(v);  // the default rounding mode: halves to even
    if (r < double(std::numeric_limits<Int>::min()) || r > double(std::numeric_limits<Int>::max()))
        throw RuntimeError(platform::ErrOverflow);
    return Int(r);
}

template <class Int> Int toWhole(const ado::Variant& v)
{
    using T = ado::Variant::Type;
    switch (v.type()) {
    case T::Empty: return 0;
    case T::Integer:
        if (v.integer() < std::numeric_limits<Int>::min() || v.integer() > std::numeric_limits<Int>::max())
            throw RuntimeError(platform::ErrOverflow);
        return Int(v.integer());
    case T::Double: return toWhole<Int>(v.real());
    case T::Text: return toWhole<Int>(CDbl(v.text()));
    default: throw RuntimeError(platform::ErrTypeMismatch);
    }
}

}  // namespace

std::int16_t CInt(double v) { return toWhole<std::int16_t>(v); }
std::int32_t CLng(double v) { return toWhole<std::int32_t>(v); }
std::int16_t CInt(const QString& s) { return CInt(CDbl(s)); }
std::int32_t CLng(const QString& s) { return CLng(CDbl(s)); }
std::int16_t CInt(const ado::Variant& v) { return toWhole<std::int16_t>(v); }
std::int32_t CLng(const ado::Variant& v) { return toWhole<std::int32_t>(v); }

// ---------------------------------------------------------------- Format

QString Format(double value, const QString& pattern)
{
    if (pattern.isEmpty()) return CStr(value);
    if (isDatePattern(pattern)) throw RuntimeError(platform::ErrTypeMismatch);
    return formatNumber(fromDoubleForFormat(value), pattern);
}

QString Format(QDate date, const QString& pattern)
{
    if (pattern.isEmpty()) return CStr(date);
    if (!isDatePattern(pattern)) throw RuntimeError(platform::ErrTypeMismatch);
    return formatDate(date, pattern);
}

QString Format(const ado::Variant& value, const QString& pattern)
{
    using T = ado::Variant::Type;
    switch (value.type()) {
    case T::Empty:
    case T::Null: return QString();
    case T::Double: return Format(value.real(), pattern);
    case T::Date: return Format(value.date(), pattern);
    case T::Integer:
        if (pattern.isEmpty()) return CStr(value.integer());
        if (isDatePattern(pattern)) throw RuntimeError(platform::ErrTypeMismatch);
        return formatNumber(fromInteger(value.integer()), pattern);
    case T::Text: {
        // Text that does not read as the pattern's kind comes back unchanged.
        const QString& s = value.text();
        if (pattern.isEmpty()) return s;
        if (isDatePattern(pattern)) {
            const QDate d = dateFromText(s);
            return d.isValid() ? formatDate(d, pattern) : s;
        }
        // Read exactly, not through a double: a 23-digit declaration number
        // keeps every digit.
        Decimal d;
        return parseLocale(s, &d) ? formatNumber(d, pattern) : s;
    }
    }
    return QString();
}

// ---------------------------------------------------------------- rounding

double Round(double value, int decimals)
{
    if (decimals < 0) throw RuntimeError(platform::ErrInvalidCall);
    if (!std::isfinite(value)) return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // Beyond 2^52 a double holds no fraction to round.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return value;
    return std::nearbyint(scaled) / scale;
}

double Int(double value) { return std::floor(value); }

// ---------------------------------------------------------------- strings

QString LTrim(const QString& s)
{
    int i = 0;
    while (i < s.size() && s[i] == QChar(' ')) ++i;
    return s.mid(i);
}

QString RTrim(const QString& s)
{
    int n = int(s.size());
    while (n > 0 && s[n - 1] == QChar(' ')) --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }
QString UCase(const QString& s) { return s.toUpper(); }
QString LCase(const QString& s) { return s.toLower(); }

QString Left(const QString& s, int n)
{
    if (n < 0) throw RuntimeError(platform::ErrInvalidCall);
    return s.left(n);
}

QString Right(const QString& s, int n)
{
    if (n < 0) throw RuntimeError(platform::ErrInvalidCall);
    return s.right(n);
}

QString Mid(const QString& s, int start1, int length)
{
    if (start1 < 1 || length < -1) throw RuntimeError(platform::ErrInvalidCall);
    return s.mid(start1 - 1, length);
}

QString PadLeft(const QString& s, int width, QChar fill) { return s.rightJustified(width, fill, false); }

// ---------------------------------------------------------------- today

namespace {
QDate& fixedToday()
{
    static QDate d;
    return d;
}
}  // namespace

QDate Today() { return fixedToday().isValid() ? fixedToday() : QDate::currentDate(); }
void SetToday(QDate fixed) { fixedToday() = fixed; }

bool EsEnteroSimple(const QString& s, int maxDigits)
{
    if (s.isEmpty() || s.size() > maxDigits) return false;
    for (QChar c : s)
        if (c < QChar('0') || c > QChar('9')) return false;
    return true;
}

bool EsNroRegistro(const QString& s) { return EsEnteroSimple(s, 10) && s.toLongLong() <= 2147483647LL; }

QString NumeroSQL(double v)
{
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QChar('e'))) s = QString::number(v, 'f', 2);
    return s;
}

QString FechaSQL(QDate d)
{
    if (!d.isValid()) return QStringLiteral("null");
    return QStringLiteral("#") + Format(d, QStringLiteral("mm/dd/yyyy")) + QStringLiteral("#");
}

}  // namespace text
