#pragma once
// Payment slip of a declaration; the editor keeps one to restore on "cancelar".

#include "platform/ado/Variant.h"

#include <QString>
#include <cstdint>

struct clsPagosDDJJ {
    ado::Variant NroDJ;  // Empty until set
    std::int16_t Nro_Pago = 0;
    QString FormaPg;
    QString NroCheque;
    double Importe = 0;
    double Intereses = 0;
    double Multa = 0;
};
