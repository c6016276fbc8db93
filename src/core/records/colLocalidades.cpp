#include "core/records/colLocalidades.h"

std::shared_ptr<clsLocalidad> colLocalidades::Add(const QString& Descripcion,
                                                  const std::shared_ptr<clsProvincia>& Provincia, std::int32_t id,
                                                  const QString& sKey)
{
    auto item = std::make_shared<clsLocalidad>();
    item->Descripcion = Descripcion;
    item->id = id;
    item->Provincia = Provincia;
    return Append(std::move(item), sKey);
}
