#pragma once
// Locality, item of colLocalidades.

#include "core/records/clsProvincia.h"

#include <QString>
#include <cstdint>
#include <memory>

struct clsLocalidad {
    std::int32_t id = 0;
    // The very object held in colProvincias, not a copy.
    std::shared_ptr<clsProvincia> Provincia;
    QString Descripcion;
};
