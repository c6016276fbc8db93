#include "core/records/colEspecies.h"
#include "core/records/colLocalidades.h"
#include "core/records/colProvincias.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Two provinces and three localities, loaded as the editors load them.
struct Geografia : ::testing::Test {
    colProvincias provincias;
    colLocalidades localidades;

    void SetUp() override
    {
        provincias.Add(QStringLiteral("BUENOS AIRES"), 1, 6, QStringLiteral("B"), QStringLiteral("p6"));
        provincias.Add(QStringLiteral("CHUBUT"), 2, 26, QStringLiteral("U"), QStringLiteral("p26"));
        localidades.Add(QStringLiteral("MAR DEL PLATA"), provincias.Item(QStringLiteral("p6")), 100,
                        QStringLiteral("l100"));
        localidades.Add(QStringLiteral("RAWSON"), provincias.Item(QStringLiteral("p26")), 200, QStringLiteral("l200"));
        localidades.Add(QStringLiteral("PUERTO MADRYN"), provincias.Item(QStringLiteral("p26")), 201,
                        QStringLiteral("l201"));
    }
};

QStringList Names(const colLocalidades& c)
{
    QStringList names;
    for (const auto& l : c) names << l->Descripcion;
    return names;
}

}  // namespace

TEST_F(Geografia, AddFillsTheItemAndReturnsIt)
{
    const auto p = provincias.Item(2);
    EXPECT_EQ(p->Descripcion, QStringLiteral("CHUBUT"));
    EXPECT_EQ(p->Jurisdiccion, 2);
    EXPECT_EQ(p->id, 26);
    EXPECT_EQ(p->Letra_Pat, QStringLiteral("U"));

    const auto added = localidades.Add(QStringLiteral("TRELEW"), p, 202, QStringLiteral("l202"));
    EXPECT_EQ(added, localidades.Item(QStringLiteral("l202")));
    EXPECT_EQ(added->id, 202);
    EXPECT_EQ(added->Descripcion, QStringLiteral("TRELEW"));
    EXPECT_EQ(localidades.Count(), 4);
}

TEST_F(Geografia, LocalitiesShareTheProvinceObject)
{
    const auto rawson = localidades.Item(QStringLiteral("l200"));
    const auto madryn = localidades.Item(QStringLiteral("l201"));
    EXPECT_EQ(rawson->Provincia, provincias.Item(QStringLiteral("p26")));
    EXPECT_EQ(rawson->Provincia, madryn->Provincia);

    provincias.Item(QStringLiteral("p26"))->Descripcion = QStringLiteral("PROVINCIA DEL CHUBUT");
    EXPECT_EQ(madryn->Provincia->Descripcion, QStringLiteral("PROVINCIA DEL CHUBUT"));

    // The locality keeps its province even once the province list lets go.
    provincias.Remove(QStringLiteral("p26"));
    EXPECT_EQ(rawson->Provincia->id, 26);
}

TEST_F(Geografia, PositionsAndOrderFollowRemovals)
{
    EXPECT_EQ(Names(localidades), (QStringList{"MAR DEL PLATA", "RAWSON", "PUERTO MADRYN"}));
    localidades.Remove(1);
    EXPECT_EQ(Names(localidades), (QStringList{"RAWSON", "PUERTO MADRYN"}));
    EXPECT_EQ(localidades.Item(1)->id, 200);
    localidades.Remove(QStringLiteral("l201"));
    EXPECT_EQ(Names(localidades), (QStringList{"RAWSON"}));
    // A removed key is free again; the others still lead to their items.
    localidades.Add(QStringLiteral("OTRA"), nullptr, 100, QStringLiteral("l100"));
    EXPECT_EQ(localidades.Item(QStringLiteral("l100"))->Descripcion, QStringLiteral("OTRA"));
    EXPECT_EQ(localidades.Item(QStringLiteral("l200"))->Descripcion, QStringLiteral("RAWSON"));
    EXPECT_EQ(localidades.Count(), 2);
}

TEST_F(Geografia, Errors)
{
    struct Case {
        const char* what;
        std::function<void()> f;
        long error;
    };
    const Case cases[] = {
        {"duplicate key", [&] { provincias.Add("OTRA", 0, 99, "X", "p6"); }, platform::ErrDuplicateKey},
        {"key differing in case", [&] { provincias.Add("OTRA", 0, 99, "X", "P6"); }, platform::ErrDuplicateKey},
        {"missing key", [&] { localidades.Item(QStringLiteral("l999")); }, platform::ErrInvalidCall},
        {"empty key", [&] { localidades.Item(QString()); }, platform::ErrInvalidCall},
        {"position 0", [&] { localidades.Item(0); }, platform::ErrInvalidCall},
        {"position past the end", [&] { localidades.Item(4); }, platform::ErrInvalidCall},
        {"negative position", [&] { localidades.Item(-1); }, platform::ErrInvalidCall},
        {"remove missing key", [&] { provincias.Remove(QStringLiteral("p7")); }, platform::ErrInvalidCall},
        {"remove past the end", [&] { provincias.Remove(3); }, platform::ErrInvalidCall},
    };
    for (const Case& c : cases) EXPECT_EQ(errorNumber(c.f), c.error) << c.what;
    // A refused call changes nothing.
    EXPECT_EQ(provincias.Count(), 2);
    EXPECT_EQ(provincias.Item(QStringLiteral("p6"))->Descripcion, QStringLiteral("BUENOS AIRES"));
    EXPECT_EQ(localidades.Count(), 3);
}

TEST(colEspecies, KeysAreTheExactTextButNotItsCase)
{
    colEspecies especies;
    const auto merluza =
        especies.Add(QStringLiteral("MERLUZA"), 1.25, 5, QStringLiteral("Disp. 12/24"), QStringLiteral("e5"));
    especies.Add(QStringLiteral("CORVINA"), 0, 50, QString(), QStringLiteral("e50"));

    EXPECT_EQ(merluza->Especie, QStringLiteral("MERLUZA"));
    EXPECT_EQ(merluza->valor, 1.25);
    EXPECT_EQ(merluza->IdEspecie, 5);
    EXPECT_EQ(merluza->Disposicion, QStringLiteral("Disp. 12/24"));
    EXPECT_EQ(merluza->IdPrecio, 0);
    EXPECT_TRUE(merluza->FEVigencia.isEmpty());

    EXPECT_EQ(especies.Item(QStringLiteral("e5")), merluza);
    EXPECT_EQ(especies.Item(QStringLiteral("E5")), merluza);
    EXPECT_EQ(especies.Item(QStringLiteral("e50"))->IdEspecie, 50);
    for (const char* key : {"e05", "e 5", "e5 ", " e5", "5"})
        EXPECT_EQ(errorNumber([&] { especies.Item(QString::fromLatin1(key)); }), platform::ErrInvalidCall)
            << '"' << key << '"';
}

TEST(colEspecies, AnEmptyKeyAddsByPositionOnly)
{
    colEspecies especies;
    especies.Add(QStringLiteral("MERLUZA"), 1, 5, QString(), QStringLiteral("e5"));
    especies.Add(QStringLiteral("SIN CLAVE"), 2, 6, QString());
    especies.Add(QStringLiteral("OTRA SIN CLAVE"), 3, 7, QString(), QString());
    EXPECT_EQ(especies.Count(), 3);
    EXPECT_EQ(especies.Item(2)->Especie, QStringLiteral("SIN CLAVE"));
    EXPECT_EQ(especies.Item(3)->Especie, QStringLiteral("OTRA SIN CLAVE"));
    EXPECT_EQ(errorNumber([&] { especies.Item(QString()); }), platform::ErrInvalidCall);
    especies.Remove(2);
    EXPECT_EQ(especies.Item(QStringLiteral("e5"))->IdEspecie, 5);
    EXPECT_EQ(especies.Item(2)->IdEspecie, 7);
}

TEST(colEspecies, ClearEmptiesAndFreesTheKeys)
{
    for (int n : {0, 1, 2, 50}) {
        colEspecies especies;
        for (int i = 1; i <= n; ++i)
            especies.Add(QStringLiteral("E%1").arg(i), i, i, QString(), QStringLiteral("e%1").arg(i));
        especies.Clear();
        EXPECT_EQ(especies.Count(), 0) << n;
        EXPECT_EQ(especies.begin(), especies.end()) << n;
        EXPECT_EQ(errorNumber([&] { especies.Item(1); }), platform::ErrInvalidCall) << n;
        especies.Add(QStringLiteral("MERLUZA"), 1, 1, QString(), QStringLiteral("e1"));
        EXPECT_EQ(especies.Item(QStringLiteral("e1"))->Especie, QStringLiteral("MERLUZA")) << n;
    }
}
