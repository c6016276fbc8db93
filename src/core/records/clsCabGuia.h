#pragma once
// Transit guide header, carried from the declaration editor to the guide editor.

#include <QDate>
#include <QString>

struct clsCabGuia {
    QString NroDJ;
    QString NroGuia;
    QDate Fecha;  // null date until set
    QString Puerto;
    QString Localidad;
    QString Provincia;
    QString PProcesadora;
    double TotalCajones = 0;
    double TotalKilos = 0;
    double Total = 0;
    double Depositado = 0;
    double Alicuota = 0;
};
