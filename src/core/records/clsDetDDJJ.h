#pragma once
// Sales line of a declaration; the editor keeps one to restore on "cancelar".

#include <QString>
#include <cstdint>

struct clsDetDDJJ {
    QString NroDJ;
    std::int16_t Renglon = 0;
    QString Especie;
    double Kg = 0;
    double Precio = 0;
    double MtoTotal = 0;
};
