#pragma once
// Vessel, carried from the vessel list to its editor. Dates are the texts
// the list shows (empty when none).

#include <QString>
#include <cstdint>

struct clsEmbarcacion {
    std::int32_t IdEmbarcacion = 0;
    QString Matricula;
    QString Nombre;
    QString TipoEmb;
    QString FInscL7351;
    QString FAlta;
    QString FBaja;
    QString FBotadura;
    double Eslora = 0;
    QString MCasco;
    double Arboladura = 0;
    double Manga = 0;
    double Puntal = 0;
    double Bodega = 0;
    double TonTotal = 0;
    double TonNeto = 0;
    double Potencia = 0;
    double PoderMotor = 0;
    QString MarcaMotor;
    QString NroMotor;
    QString TipoMotor;
    QString NroCertSeg;
    QString Puerto;
    std::int16_t ConvGolfo = 0;  // 0 or 1
};
