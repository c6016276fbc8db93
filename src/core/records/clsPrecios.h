#pragma once
// Dock price of a species: the record of the price register and the item
// of colEspecies.

#include <QString>
#include <cstdint>

struct clsPrecios {
    std::int32_t IdPrecio = 0;
    std::int32_t IdEspecie = 0;
    QString Especie;
    double valor = 0;
    // The date of entry into force has two names: callers write it with
    // FAlta(text) and read it as FEVigencia. Both reach this one field.
    QString FEVigencia;
    void FAlta(const QString& fecha) { FEVigencia = fecha; }
    QString Disposicion;
};
