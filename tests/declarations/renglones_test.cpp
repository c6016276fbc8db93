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
#include "platform/text/Text.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

using editortest::kNro;

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
    struct Seccion {
        const char* nombre;
        std::function<std::int32_t()> insertar;
        std::function<void(std::int32_t)> borrar;
    };
    const Seccion secciones[] = {
        {"sales lines", [&] { return Renglones::InsertarDetalleDJ(c, kNro, 1, 10, 1.5, 15); },
         [&](std::int32_t n) { Renglones::BorrarDetalleDJ(c, kNro, n); }},
        // A guide number with a quote is one key like any other.
        {"guide lines", [&] { return Renglones::InsertarDetalleGuia(c, QStringLiteral("G'1"), 1, 2, 10, 1.5, 15); },
         [&](std::int32_t n) { Renglones::BorrarDetalleGuia(c, QStringLiteral("G'1"), n); }},
        {"payment slips", [&] { return Renglones::InsertarPago(c, kNro, 2006, 5, boleta); },
         [&](std::int32_t n) { Renglones::BorrarPago(c, kNro, n); }},
    };
    for (const Seccion& s : secciones) {
        SCOPED_TRACE(s.nombre);
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

TEST_F(RenglonesTest, TotalsAreTheViewsSumsWrittenIntoTheHeaderRows)
{
    ado::Connection& c = de1::conn();
    Renglones::InsertarDetalleDJ(c, kNro, 1, 5, 1.25, 6.25);
    Renglones::InsertarDetalleDJ(c, kNro, 2, 10, 1.25, 12.5);
    const Renglones::TotalesDJ dj = Renglones::EscribirTotalesDJ(c, kNro, 2, 1, 0.5);
    EXPECT_DOUBLE_EQ(dj.ventas, 18.75);
    EXPECT_EQ(stored(QStringLiteral("select PCDJ_MTOVTAS || ' ' || PCDJ_IMPORTE || ' ' || PCDJ_TOTAL from "
                                    "LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'")
                         .arg(kNro)),
              QStringLiteral("18.75 0.38 1.88"));

    Renglones::InsertarDetalleGuia(c, QStringLiteral("G'1"), 1, 3, 5, 1.25, 6.25);
    Renglones::InsertarDetalleGuia(c, QStringLiteral("G'1"), 2, 4, 10, 1.25, 12.5);
    const Renglones::TotalesGuia g = Renglones::EscribirTotalesGuia(c, QStringLiteral("G'1"), 2);
    EXPECT_DOUBLE_EQ(g.depositado, 0.38);
    EXPECT_EQ(stored(QStringLiteral("select PGTR_CAJONES || ' ' || PGTR_KGS || ' ' || PGTR_TOTAL || ' ' || PGTR_VALOR "
                                    "from LNV_PES_TB_GUIAS_TRANSPORTE where PGTR_NRO = 'G''1'")),
              QStringLiteral("7.0 15.0 18.75 0.38"));

    // The last line gone, the totals are 0.
    Renglones::BorrarDetalleDJ(c, kNro, 1);
    Renglones::BorrarDetalleDJ(c, kNro, 2);
    EXPECT_DOUBLE_EQ(Renglones::EscribirTotalesDJ(c, kNro, 2, 1, 0.5).adeudado, 1.5);
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
                Renglones::InsertarPago(c, kNro, 2006, 5, b);
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
