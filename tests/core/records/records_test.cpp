#include "core/records/clsCabDDJJ.h"
#include "core/records/clsCabGuia.h"
#include "core/records/clsDetDDJJ.h"
#include "core/records/clsDetGuia.h"
#include "core/records/clsEmbarcacion.h"
#include "core/records/clsEmpresa.h"
#include "core/records/clsLocalidad.h"
#include "core/records/clsPagosDDJJ.h"
#include "core/records/clsPrecios.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

void ExpectZeros(const char* what, std::initializer_list<double> values)
{
    int i = 0;
    for (double v : values) {
        EXPECT_EQ(v, 0.0) << what << ", number " << i;
        ++i;
    }
}

}  // namespace

// The editors show a new object as an empty form: a stray number would
// reach the database on the first "aceptar". Every number is listed.
TEST(Records, NewObjectsHoldZerosAndEmptyValues)
{
    const clsCabDDJJ cab;
    ExpectZeros("clsCabDDJJ",
                {double(cab.Anio), double(cab.Mes), double(cab.NroEmb), double(cab.NroEmp), cab.CUIT, cab.MtoVtas,
                 cab.Alicuota, cab.Importe, cab.Intereses, cab.Multa, cab.Total, cab.NroDoc});
    EXPECT_TRUE(cab.NroDJ.isEmpty() && cab.Puerto.isEmpty() && cab.CaracterResp.isEmpty());

    const clsDetDDJJ det;
    ExpectZeros("clsDetDDJJ", {double(det.Renglon), det.Kg, det.Precio, det.MtoTotal});

    const clsPagosDDJJ pago;
    ExpectZeros("clsPagosDDJJ", {double(pago.Nro_Pago), pago.Importe, pago.Intereses, pago.Multa});
    EXPECT_TRUE(pago.NroDJ.isEmpty());

    const clsCabGuia guia;
    ExpectZeros("clsCabGuia", {guia.TotalCajones, guia.TotalKilos, guia.Total, guia.Depositado, guia.Alicuota});
    EXPECT_TRUE(guia.Fecha.isNull());

    const clsDetGuia detGuia;
    ExpectZeros("clsDetGuia", {double(detGuia.Renglon), detGuia.Cajones, detGuia.Kg, detGuia.Precio, detGuia.MtoTotal});

    const clsEmpresa empresa;
    ExpectZeros("clsEmpresa", {double(empresa.IdEmpresa), empresa.CUIT, empresa.NroIB});
    EXPECT_TRUE(empresa.FBaja.isEmpty() && empresa.CodPostalLegal.isEmpty());

    const clsEmbarcacion emb;
    ExpectZeros("clsEmbarcacion",
                {double(emb.IdEmbarcacion), emb.Eslora, emb.Arboladura, emb.Manga, emb.Puntal, emb.Bodega, emb.TonTotal,
                 emb.TonNeto, emb.Potencia, emb.PoderMotor, double(emb.ConvGolfo)});
    EXPECT_TRUE(emb.FBotadura.isEmpty() && emb.Puerto.isEmpty());

    const clsPrecios precio;
    ExpectZeros("clsPrecios", {double(precio.IdPrecio), double(precio.IdEspecie), precio.valor});
    EXPECT_TRUE(precio.FEVigencia.isEmpty() && precio.Disposicion.isEmpty());

    const clsProvincia provincia;
    ExpectZeros("clsProvincia", {double(provincia.id), double(provincia.Jurisdiccion)});

    const clsLocalidad localidad;
    ExpectZeros("clsLocalidad", {double(localidad.id)});
    EXPECT_EQ(localidad.Provincia, nullptr);
}

TEST(Records, PrecioDateWrittenAsFAltaReadsAsFEVigencia)
{
    clsPrecios precio;
    precio.FAlta(QStringLiteral("01/03/2024"));
    EXPECT_EQ(precio.FEVigencia, QStringLiteral("01/03/2024"));
    precio.FAlta(QString());
    EXPECT_TRUE(precio.FEVigencia.isEmpty());
}
