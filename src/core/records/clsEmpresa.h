#pragma once
// Company, carried from the company list to its editor. Dates are the
// texts the list shows (FBaja empty when the company is active).

#include <QString>
#include <cstdint>

struct clsEmpresa {
    std::int32_t IdEmpresa = 0;
    double CUIT = 0;
    QString RSocial;
    double NroIB = 0;  // 0: no gross-income number
    QString TipoSoc;
    QString FAlta;
    QString FBaja;
    QString DomicilioFiscal;
    QString ProvinciaFiscal;
    QString LocalidadFiscal;
    QString CodPostalFiscal;
    QString DomicilioReal;
    QString ProvinciaReal;
    QString LocalidadReal;
    QString CodPostalReal;
    QString DomicilioLegal;
    QString ProvinciaLegal;
    QString LocalidadLegal;
    QString CodPostalLegal;
};
