#pragma once
// Province, item of colProvincias; the localities of a province share
// the same object.

#include <QString>
#include <cstdint>

struct clsProvincia {
    QString Letra_Pat;  // letter of the vehicle plates
    std::int32_t id = 0;
    std::int32_t Jurisdiccion = 0;
    QString Descripcion;
};
