#include "core/records/colProvincias.h"

std::shared_ptr<clsProvincia> colProvincias::Add(const QString& Descripcion, std::int32_t Jurisdiccion, std::int32_t id,
                                                 const QString& Letra_Pat, const QString& sKey)
{
    auto item = std::make_shared<clsProvincia>();
    item->Descripcion = Descripcion;
    item->Jurisdiccion = Jurisdiccion;
    item->id = id;
    item->Letra_Pat = Letra_Pat;
    return Append(std::move(item), sKey);
}
