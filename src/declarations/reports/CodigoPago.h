#pragma once
// The 80-digit payment code that the bank reads from the slips and the
// printed declaration: fields of fixed width, zero-padded, amounts in
// hundredths, the 15th of the following month as due date and a check
// digit. A value that cannot be written in its width (too large, negative,
// missing) gives no code: printing a wrong one would send money astray.

#include "platform/ado/Variant.h"

#include <QString>

class CodigoPago {
public:
    // Digits written as they are.
    void Constante(const char* digits);
    // A whole number of digits (an identifier), zero-padded on the left.
    void Identificador(const ado::Variant& value, int width, const QString& name);
    // A rate or an amount: x 100, rounded, zero-padded on the left.
    void Centesimos(const ado::Variant& value, int width, const QString& name);
    // The 15th of the month after the period, as yyyymmdd.
    void Vencimiento(const ado::Variant& year, const ado::Variant& month);

    // The code with its check digit; empty when a field did not fit.
    QString Terminar() const;
    // Why there is no code ("" when there is one).
    QString Problema() const { return m_problema; }

    // For each block of ten digits: five, one space, five, two spaces.
    static QString Agrupado(const QString& code);
    static bool Valido(const QString& code);  // 80 digits

private:
    void problema(const QString& p);
    QString m_digits;
    QString m_problema;
};
