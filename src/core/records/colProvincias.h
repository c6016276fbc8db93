#pragma once
// All provinces, keyed "p" + province id; the localities hold these very
// objects.

#include "core/records/KeyedCollection.h"
#include "core/records/clsProvincia.h"

class colProvincias : public KeyedCollection<clsProvincia> {
public:
    std::shared_ptr<clsProvincia> Add(const QString& Descripcion, std::int32_t Jurisdiccion, std::int32_t id,
                                      const QString& Letra_Pat, const QString& sKey = QString());
};
