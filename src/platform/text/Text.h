#pragma once
// Locale-following conversions between values and text, as the windows
// expect of the platform: separators come from QLocale::system() (group and
// decimal characters only; grouping always by three); dates show dd/MM/yyyy.
// A conversion that cannot be done throws platform::Error (13 type mismatch,
// 6 overflow).

#include "platform/ado/Variant.h"
#include "platform/errors/Error.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <type_traits>

namespace text {

QChar DecimalSeparator();    // of QLocale::system()
QChar ThousandsSeparator();  // of QLocale::system()

// Text of a value as shown on screen: numbers with the locale's decimal
// separator and no grouping, dates as dd/MM/yyyy, Null and Empty as "".
QString CStr(const ado::Variant& v);
QString CStr(double v);
QString CStr(std::int64_t v);
// Every other whole type (int, long, long long: one of them is int64_t).
template <class T>
requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, std::int64_t>) inline QString CStr(T v)
{
    return CStr(std::int64_t(v));
}
QString CStr(QDate d);

// True for digits with one optional leading sign, locale separators and
// blanks around; nothing else (no exponent, no hexadecimal).
bool IsNumeric(const QString& s);
bool IsNumeric(const ado::Variant& v);

double CDbl(const QString& s);        // 13 when not IsNumeric
double CDbl(const ado::Variant& v);   // numbers as they are; text through CDbl(QString)
std::int16_t CInt(const QString& s);  // rounds half to even; 6 outside 16 bits
std::int16_t CInt(const ado::Variant& v);
std::int32_t CLng(const QString& s);  // rounds half to even; 6 outside 32 bits
std::int32_t CLng(const ado::Variant& v);
std::int16_t CInt(double v);
std::int32_t CLng(double v);

// Format(value, pattern) for the patterns the program uses: "0.00",
// "00000000000", "000#", "0#", "###,###,##0.00", "###,###,##0", "mm/dd/yyyy",
// "000-000000-0", "dd/MM/yyyy", "yyyy", "mm", "dd". In number patterns ","
// and "." stand for the locale's group and decimal characters; "0" is a
// digit always shown, "#" one shown only when significant (so 0 with "000#"
// is "000"); a "-" among ungrouped whole digits stands for itself.
// Numbers round halves away from zero on the decimal value (a double read
// to 15 significant digits, text read exactly): Format(2.675, "0.00") is
// "2,68" and Format(1.005, "0.00") "1,01", where Round gives 2.68 and 1.
// Text that does not read as a number (or a date, for date patterns) comes
// back unchanged; Null and Empty give "". An unknown pattern character is
// error 5; a date pattern for a number, or the reverse, error 13.
QString Format(double value, const QString& pattern);
QString Format(const ado::Variant& value, const QString& pattern);
QString Format(QDate date, const QString& pattern);

// value x 10^decimals as a double, an exact half to the even neighbour,
// divided back: Round(0.125, 2) = 0.12, Round(0.135, 2) = 0.14.
double Round(double value, int decimals = 0);
double Int(double value);  // towards minus infinity

QString Trim(const QString& s);  // blanks at both ends (spaces only)
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString UCase(const QString& s);
QString LCase(const QString& s);
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
QString Mid(const QString& s, int start1, int length = -1);  // 1-based
QString PadLeft(const QString& s, int width, QChar fill);    // never cuts

// Digits only, 1 to maxDigits of them: the only numbers a window may write
// into SQL unquoted when they come from a text box.
bool EsEnteroSimple(const QString& s, int maxDigits);
// A register's number (vessel, company): up to ten digits, within 32 bits.
bool EsNroRegistro(const QString& s);
// The one way a number goes into SQL: plain text, no thousands separator,
// a point for the decimals, up to 15 significant digits.
QString NumeroSQL(double v);
// The one way a date goes into SQL: "#mm/dd/yyyy#", null for no date.
QString FechaSQL(QDate d);

// "Today" for the windows; tests fix it with SetToday.
QDate Today();
void SetToday(QDate fixed);  // an invalid date goes back to the clock

}  // namespace text
