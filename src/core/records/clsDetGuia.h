#pragma once
// Line of a transit guide; the guide editor keeps one to restore on "cancelar".

#include <QString>
#include <cstdint>

struct clsDetGuia {
    QString NroGuia;
    std::int16_t Renglon = 0;
    QString Especie;
    double Cajones = 0;
    double Kg = 0;
    double Precio = 0;
    double MtoTotal = 0;
};
