#pragma once
// All localities, keyed "l" + locality id, each holding its province, so
// that choosing a locality can select its province.

#include "core/records/KeyedCollection.h"
#include "core/records/clsLocalidad.h"

class colLocalidades : public KeyedCollection<clsLocalidad> {
public:
    // Provincia is kept as the given object, not copied.
    std::shared_ptr<clsLocalidad> Add(const QString& Descripcion, const std::shared_ptr<clsProvincia>& Provincia,
                                      std::int32_t id, const QString& sKey = QString());
};
