#include "core/records/colEspecies.h"

std::shared_ptr<clsPrecios> colEspecies::Add(const QString& Especie, double valor, std::int32_t IdEspecie,
                                             const QString& Disposicion, const QString& sKey)
{
    auto item = std::make_shared<clsPrecios>();
    item->Especie = Especie;
    item->valor = valor;
    item->IdEspecie = IdEspecie;
    item->Disposicion = Disposicion;
    return Append(std::move(item), sKey);
}
