#pragma once
// Species with their dock price in force, keyed "e" + species id, so that a
// species combo's choice gives its price and regulation reference.

#include "core/records/KeyedCollection.h"
#include "core/records/clsPrecios.h"

class colEspecies : public KeyedCollection<clsPrecios> {
public:
    // IdPrecio and the date stay empty.
    std::shared_ptr<clsPrecios> Add(const QString& Especie, double valor, std::int32_t IdEspecie,
                                    const QString& Disposicion, const QString& sKey = QString());
    using KeyedCollection::Clear;
};
