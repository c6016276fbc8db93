#pragma once
// Declaration header, carried from the declaration list to its editor.

#include <QString>
#include <cstdint>

struct clsCabDDJJ {
    QString NroDJ;  // 23 digits, zero-padded
    std::int16_t Anio = 0;
    std::int16_t Mes = 0;
    QString Puerto;
    std::int32_t NroEmb = 0;
    QString Matricula;
    QString Nombre;
    std::int32_t NroEmp = 0;
    double CUIT = 0;
    QString RSocial;
    double MtoVtas = 0;
    double Alicuota = 0;
    double Importe = 0;
    double Intereses = 0;
    double Multa = 0;
    double Total = 0;
    QString TipoDJ;
    QString Estado;
    QString Responsable;
    QString TipoDoc;
    double NroDoc = 0;
    QString CaracterResp;
};
