// The line sections' rules without a window: numbering, the statements and
// the totals they move, the dock price in force, and slip numbers taken by
// two instances at once.
#include "editor_fixture.h"
#include "guias_fixture.h"

#include "core/General.h"
#include "core/de1.h"
#include "declarations/PrecioEnVigor.h"
#include "declarations/Renglones.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/text/Text.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

using editortest::kNro;

// Each insert under the next number, as the sections take it.
std::int32_t nuevoRenglonDJ(ado::Connection& c, const QString& nro, std::int32_t especie, double kg, double precio,
                            double monto)
{
    const std::int32_t n = Renglones::SiguienteRenglonDJ(c, nro);
    Renglones::InsertarDetalleDJ(c, nro, n, especie, kg, precio, monto);
    return n;
}
std::int32_t nuevoRenglonGuia(ado::Connection& c, const QString& nro, std::int32_t especie, double cajones, double kg,
                              double precio, double monto)
{
    const std::int32_t n = Renglones::SiguienteRenglonGuia(c, nro);
    Renglones::InsertarDetalleGuia(c, nro, n, especie, cajones, kg, precio, monto);
    return n;
}
std::int32_t nuevoPago(ado::Connection& c, const QString& nro, int anio, int mes, const Renglones::Boleta& b)
{
    const std::int32_t n = Renglones::SiguienteNroPago(c, nro);
    Renglones::InsertarPago(c, nro, n, anio, mes, b);
    return n;
}
using testsupport::exec;

class RenglonesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
        testsupport::insertCompany(3, 20123456786LL, QStringLiteral("PEREZ JUAN CARLOS"));
        editortest::insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
        guiastest::insertGuide({.nro = QStringLiteral("G'1")});
    }
    static QString stored(const QString& sql) { return text::CStr(testsupport::scalar(sql)); }

    testsupport::TempDb db;
};

// Highest stored plus one, from 1, per parent: a deleted number comes back
// only when it was the highest.
TEST_F(RenglonesTest, EachSectionNumbersFromTheHighestStoredPlusOne)
{
    ado::Connection& c = de1::conn();
    const Renglones::Boleta boleta{.importe = 10, .efectivo = 10};
    // One line per species: each insert takes the next one.
    int especie = 0;
    const auto fila = [&](const QString& vista, const QString& padre, std::int32_t n) {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from %1 where %2 and %3 = %4")
                    .arg(vista, padre,
                         vista.contains(QLatin1String("PAGOS"))       ? QStringLiteral("PPDJ_NRO")
                             : vista.contains(QLatin1String("GUIAS")) ? QStringLiteral("PDGT_NRO")
                                                                      : QStringLiteral("PDDJ_NRO"))
                    .arg(n),
                c);
        return Renglones::LeerFila(rs);
    };
    const QString delDJ = QStringLiteral("PCDJ_NRO = '%1'").arg(kNro);
    const QString deLaGuia = QStringLiteral("PGTR_NRO = 'G''1'");
    struct Seccion {
        const char* nombre;
        std::function<std::int32_t()> insertar;
        std::function<void(std::int32_t)> borrar;
    };
    const Seccion secciones[] = {
        {"sales lines", [&] { return nuevoRenglonDJ(c, kNro, ++especie, 10, 1.5, 15); },
         [&](std::int32_t n) {
             Renglones::BorrarDetalleDJ(c, kNro, n, fila(QStringLiteral("PES_VW_DET_DDJJ7351"), delDJ, n));
         }},
        // A guide number with a quote is one key like any other.
        {"guide lines", [&] { return nuevoRenglonGuia(c, QStringLiteral("G'1"), ++especie, 2, 10, 1.5, 15); },
         [&](std::int32_t n) {
             Renglones::BorrarDetalleGuia(c, QStringLiteral("G'1"), n,
                                          fila(QStringLiteral("PES_VW_GUIAS_DET"), deLaGuia, n));
         }},
        {"payment slips", [&] { return nuevoPago(c, kNro, 2006, 5, boleta); },
         [&](std::int32_t n) {
             Renglones::BorrarPago(c, kNro, n, fila(QStringLiteral("PES_VW_PAGOS_DDJJ7351"), delDJ, n));
         }},
    };
    for (const Seccion& s : secciones) {
        SCOPED_TRACE(s.nombre);
        especie = 0;
        EXPECT_EQ(s.insertar(), 1);
        EXPECT_EQ(s.insertar(), 2);
        EXPECT_EQ(s.insertar(), 3);
        s.borrar(3);
        EXPECT_EQ(s.insertar(), 3);
        s.borrar(2);
        EXPECT_EQ(s.insertar(), 4);
    }
    EXPECT_EQ(Renglones::Siguiente(c, QStringLiteral("LNV_PES_TB_DET_DDJJ7351"), QStringLiteral("PDDJ_NRO"),
                                   QStringLiteral("PCDJ_NRO"), QStringLiteral("00000000000000000000001")),
              1)
        << "another declaration's lines do not count";
}

TEST_F(RenglonesTest, TheHeaderAmountsRoundHalvesToTheEvenCent)
{
    struct Caso {
        double ventas, tasa, interes, multa, importe, adeudado;
    };
    const Caso casos[] = {
        {6.25, 2, 0, 0, 0.12, 0.12},
        {18.75, 2, 0, 0, 0.38, 0.38},
        {640, 2, 1.5, 0.25, 12.8, 14.55},
        {100, 0, 1.25, 2.5, 0, 3.75},  // no rate selected
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.ventas);
        const Renglones::TotalesDJ t = Renglones::CalcularTotalesDJ(k.ventas, k.tasa, k.interes, k.multa);
        EXPECT_DOUBLE_EQ(t.importe, k.importe);
        EXPECT_DOUBLE_EQ(t.adeudado, k.adeudado);
    }
}

// The totals follow from what is stored, whatever a window shows: the
// lines' sums and the header's own rate, interest and fine.
TEST_F(RenglonesTest, TotalsAreRecomputedFromTheStoredRowsAndRate)
{
    ado::Connection& c = de1::conn();
    exec(QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_INTERESES = 1, PCDJ_MULTA = 0.5, "
                        "PCDJ_MTOVTAS = 999, PCDJ_IMPORTE = 99, PCDJ_TOTAL = 9 where PCDJ_NRO = '%1'")
             .arg(kNro));
    nuevoRenglonDJ(c, kNro, 1, 5, 1.25, 6.25);
    nuevoRenglonDJ(c, kNro, 2, 10, 1.25, 12.5);
    const Renglones::TotalesDJ dj = Renglones::EscribirTotalesDJ(c, kNro);
    EXPECT_DOUBLE_EQ(dj.ventas, 18.75);
    EXPECT_EQ(stored(QStringLiteral("select PCDJ_MTOVTAS || ' ' || PCDJ_IMPORTE || ' ' || PCDJ_TOTAL from "
                                    "LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'")
                         .arg(kNro)),
              QStringLiteral("18.75 0.38 1.88"));
    // Another rate stored (by another window, say): the next recomputation takes it.
    exec(QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_ALICUOTA = 4 where PCDJ_NRO = '%1'").arg(kNro));
    EXPECT_DOUBLE_EQ(Renglones::EscribirTotalesDJ(c, kNro).importe, 0.75);

    exec(QStringLiteral("update LNV_PES_TB_GUIAS_TRANSPORTE set PGTR_ALICUOTA = 2, PGTR_CAJONES = 9, PGTR_VALOR = 99 "
                        "where PGTR_NRO = 'G''1'"));
    nuevoRenglonGuia(c, QStringLiteral("G'1"), 1, 3, 5, 1.25, 6.25);
    nuevoRenglonGuia(c, QStringLiteral("G'1"), 2, 4, 10, 1.25, 12.5);
    const Renglones::TotalesGuia g = Renglones::EscribirTotalesGuia(c, QStringLiteral("G'1"));
    EXPECT_DOUBLE_EQ(g.depositado, 0.38);
    EXPECT_EQ(stored(QStringLiteral("select PGTR_CAJONES || ' ' || PGTR_KGS || ' ' || PGTR_TOTAL || ' ' || PGTR_VALOR "
                                    "from LNV_PES_TB_GUIAS_TRANSPORTE where PGTR_NRO = 'G''1'")),
              QStringLiteral("7.0 15.0 18.75 0.38"));
    const Renglones::GuardadoDJ shown = Renglones::LeerGuardadoDJ(c, kNro);
    EXPECT_DOUBLE_EQ(shown.depositado, 0.38);
    EXPECT_DOUBLE_EQ(shown.aFavor, 0.19);

    // The last line gone, the sales are 0 and the total due is interest and fine.
    exec(QStringLiteral("delete from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro));
    EXPECT_DOUBLE_EQ(Renglones::EscribirTotalesDJ(c, kNro).adeudado, 1.5);
}

// A change or deletion reaches only the row as it was read; a line of a
// species already stored, or any save under a parent that is gone, is
// refused with its own message and writes nothing.
TEST_F(RenglonesTest, ASaveOvertakenByAnotherWindowIsRefusedAndWritesNothing)
{
    ado::Connection& c = de1::conn();
    nuevoRenglonDJ(c, kNro, 6, 10, 3.456, 34.56);
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from PES_VW_DET_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro), c);
    const Renglones::FilaLeida leida = Renglones::LeerFila(rs);
    const auto conflicto = [](const std::function<void()>& paso) {
        try {
            paso();
        } catch (const platform::Conflicto& e) {
            return e.Description;
        }
        return QString();
    };
    const QString lineas = QStringLiteral("select group_concat(PDDJ_NRO || ':' || PTES_ID || ':' || PDDJ_KG, ' ') from "
                                          "LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1'")
                               .arg(kNro);

    EXPECT_EQ(
        conflicto([&] { nuevoRenglonDJ(c, kNro, 6, 1, 1, 1); }),
        QStringLiteral(
            "Ya existe un renglón de la especie MERLUZA NEGRA en la declaración jurada. Se muestran los datos guardados."));
    // Changed since it was read: neither its update nor its deletion lands.
    exec(QStringLiteral("update LNV_PES_TB_DET_DDJJ7351 set PDDJ_KG = 11 where PCDJ_NRO = '%1'").arg(kNro));
    EXPECT_EQ(conflicto([&] { Renglones::ActualizarDetalleDJ(c, kNro, 1, leida, 20, 3.456, 69.12); }),
              Renglones::kRenglonCambiado);
    EXPECT_EQ(conflicto([&] { Renglones::BorrarDetalleDJ(c, kNro, 1, leida); }), Renglones::kRenglonCambiado);
    EXPECT_EQ(stored(lineas), QStringLiteral("1:6:11.0"));
    // Deleted and its number taken again by another line.
    exec(QStringLiteral("delete from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro));
    nuevoRenglonDJ(c, kNro, 1, 10, 3.456, 34.56);
    EXPECT_EQ(conflicto([&] { Renglones::BorrarDetalleDJ(c, kNro, 1, leida); }), Renglones::kRenglonCambiado);
    EXPECT_EQ(stored(lineas), QStringLiteral("1:1:10.0"));

    // The declaration gone: every save says so.
    exec(QStringLiteral("delete from LNV_PES_TB_GUIAS_TRANSPORTE"));
    exec(QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351"));
    EXPECT_EQ(conflicto([&] { nuevoRenglonDJ(c, kNro, 2, 1, 1, 1); }), Renglones::kDeclaracionBorrada);
    EXPECT_EQ(conflicto([&] { nuevoPago(c, kNro, 2006, 5, {.importe = 1, .efectivo = 1}); }),
              Renglones::kDeclaracionBorrada);
    EXPECT_EQ(conflicto([&] { Renglones::EscribirTotalesDJ(c, kNro); }), Renglones::kDeclaracionBorrada);
    EXPECT_EQ(conflicto([&] { nuevoRenglonGuia(c, QStringLiteral("G'1"), 2, 1, 1, 1, 1); }), Renglones::kGuiaBorrada);
    EXPECT_EQ(conflicto([&] { Renglones::EscribirTotalesGuia(c, QStringLiteral("G'1")); }), Renglones::kGuiaBorrada);
}

TEST_F(RenglonesTest, TheDockPriceInForceIsTheLatestOnOrBeforeTheDate)
{
    editortest::insertSpecies(901, QStringLiteral("VARIOS"));
    editortest::insertSpecies(903, QStringLiteral("SOLO FUTURO"));
    editortest::insertSpecies(904, QStringLiteral("SIN PRECIO"));
    editortest::insertPrice(901, 1.00, QStringLiteral("2006-01-01"), QStringLiteral("A1"));
    editortest::insertPrice(901, 1.50, QStringLiteral("2006-05-01"), QStringLiteral("A2"));
    editortest::insertPrice(901, 2.00, QStringLiteral("2006-07-01"), QStringLiteral("A3"));
    editortest::insertPrice(903, 3.00, QStringLiteral("2006-06-01"), QStringLiteral("C1"));
    struct Caso {
        QDate fecha;
        double varios;
        const char* disposicion;
        bool futuro;
    };
    const Caso casos[] = {
        {QDate(2006, 4, 30), 1.00, "A1", false},
        {QDate(2006, 5, 1), 1.50, "A2", false},
        {QDate(2006, 6, 1), 1.50, "A2", true},
        {QDate(2006, 7, 1), 2.00, "A3", true},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.fecha.toString().toStdString());
        const auto e = PrecioEnVigor::EspeciesEnVigor(de1::conn(), k.fecha);
        EXPECT_DOUBLE_EQ(e->Item(QStringLiteral("e901"))->valor, k.varios);
        EXPECT_EQ(e->Item(QStringLiteral("e901"))->Disposicion, QString::fromLatin1(k.disposicion));
        EXPECT_DOUBLE_EQ(e->Item(QStringLiteral("e904"))->valor, 0) << "no price at all: offered at 0";
        bool futuro = false;
        for (const auto& p : *e) futuro = futuro || p->IdEspecie == 903;
        EXPECT_EQ(futuro, k.futuro);
    }
}

// Two instances saving slips of one declaration, each "aceptar" one
// transaction as the payments section runs it: no number is taken twice.
TEST_F(RenglonesTest, TwoInstancesSavingSlipsOfOneDeclarationNeverTakeOneNumber)
{
    constexpr int kCada = 300;
    const QString cadena = General::BuildConnectionString(db.folder());
    std::atomic<int> fallas{0};
    auto instancia = [&](double efectivo) {
        ado::Connection c;
        c.Open(cadena);
        c.UseWriteAheadLog();
        const Renglones::Boleta b{.importe = efectivo, .efectivo = efectivo};
        for (int i = 0; i < kCada; ++i) {
            try {
                ado::Transaccion t(c);
                nuevoPago(c, kNro, 2006, 5, b);
                t.Commit();
            } catch (...) {
                ++fallas;
            }
        }
    };
    std::thread una(instancia, 1.0), otra(instancia, 2.0);
    una.join();
    otra.join();
    EXPECT_EQ(fallas.load(), 0);
    EXPECT_EQ(testsupport::count(
                  QStringLiteral("select count(*) from LNV_PES_TB_PAGOS_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro)),
              2 * kCada);
    EXPECT_EQ(
        text::CLng(testsupport::scalar(
            QStringLiteral("select max(PPDJ_NRO) from LNV_PES_TB_PAGOS_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro))),
        2 * kCada);
}

}  // namespace
