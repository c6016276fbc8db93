#include "core/de1.h"
#include "core/schema/Vistas.h"
#include "platform/ado/Recordset.h"
#include "support/Fixtures.h"
#include "support/Support.h"

#include <gtest/gtest.h>

namespace {

using ado::AdoError;
using testsupport::count;
using testsupport::exec;

// Runs a statement the way the deleting windows do: errors ignored, the count read.
long execIgnoringErrors(const QString& sql)
{
    long n = 0;
    try {
        de1::conn().Execute(sql, &n);
    } catch (const AdoError&) {
    }
    return n;
}

const QString kNro = QStringLiteral("30708123451012320060500");

// A header as the editor inserts it (no sales total, no tax amount), over the sample vessel and company.
void insertDeclaration(const QString& nro = kNro)
{
    testsupport::insertDeclaration({.nro = nro, .puerto = 1, .responsable = QStringLiteral("PEREZ")});
}

void insertLine(int line, const QString& nro = kNro)
{
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, "
                        "PDDJ_TOTAL) VALUES ('%1', %2, 1, 100, 0.85, 85)")
             .arg(nro)
             .arg(line));
}

void insertGuide(const QString& guide, const QString& nro = kNro)
{
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_GUIAS_TRANSPORTE (PCDJ_NRO, PGTR_NRO, PGTR_FECHA, PPTO_ID, GLOC_ID, "
                        "GPRO_ID, PGTR_PLANTAPROCESADORA, PGTR_CAJONES, PGTR_KGS, PGTR_TOTAL, PGTR_ALICUOTA, "
                        "PGTR_VALOR) VALUES ('%1', '%2', #05/10/2006#, 1, 1, 2, 'PLANTA', 10, 200, 170, 3, 5.1)")
             .arg(nro, guide));
}

void insertGuideLine(const QString& guide, int line)
{
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_GUIAS_DET (PGTR_NRO, PDGT_NRO, PTES_ID, PDGT_CAJONES, PDGT_KGS, "
                        "PDGT_PRECIO, PDGT_TOTAL) VALUES ('%1', %2, 1, 5, 100, 0.85, 85)")
             .arg(guide)
             .arg(line));
}

void insertPayment(int n, const QString& nro = kNro)
{
    exec(
        QStringLiteral("INSERT INTO LNV_PES_TB_PAGOS_DDJJ7351 (PCDJ_NRO, PPDJ_NRO, PPDJ_ANIO, PPDJ_MES, "
                       "PPDJ_IMPORTE, PPDJ_INTERESES, PPDJ_MULTA, PPDJ_EFECTIVO, PPDJ_CHEQUE1_NRO, PPDJ_CHEQUE1_BANCO, "
                       "PPDJ_CHEQUE1_MONTO, PPDJ_CHEQUE2_NRO, PPDJ_CHEQUE2_BANCO, PPDJ_CHEQUE2_MONTO) VALUES "
                       "('%1', %2, 2006, 5, 2.55, 0, 0, 2.55, null, null, 0, null, null, 0)")
            .arg(nro)
            .arg(n));
}

class SchemaTest : public ::testing::Test {
protected:
    testsupport::TempDb db{true};
};

QStringList columns(const QString& view)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from ") + view, de1::conn());
    return rs.FieldNames();
}

TEST_F(SchemaTest, ViewsDeliverTheirColumnsInOrder)
{
    auto split = [](const char* s) { return QString::fromLatin1(s).split(u' '); };
    const struct {
        const char* view;
        const char* columns;
    } views[] = {
        {"PES_VW_CAB_DDJJ7351",
         "PCDJ_NRO PCDJ_ANIO PCDJ_MES PTDJ_ID PTDJ_DESCRIPCION PBAR_ID PBAR_MATRICULA PBAR_NOMBRE PEDJ_ID "
         "PEDJ_DESCRIPCION PPTO_ID PPTO_DESCRIPCION PEMP_ID PEMP_CUIT PEMP_RSOCIAL PCDJ_MTOVTAS PCDJ_ALICUOTA "
         "PCDJ_IMPORTE PCDJ_INTERESES PCDJ_MULTA PCDJ_TOTAL PCDJ_RESP GTDC_ID PCDJ_NRODOC PCAR_ID PCAR_DESCRIPCION"},
        {"PES_VW_DET_DDJJ7351", "PCDJ_NRO PDDJ_NRO PTES_ID PTES_DESCRIPCION PDDJ_KG PDDJ_PRECIO PDDJ_TOTAL"},
        {"PES_VW_PAGOS_DDJJ7351",
         "PCDJ_NRO PPDJ_NRO PPDJ_IMPORTE PPDJ_INTERESES PPDJ_MULTA PPDJ_EFECTIVO PPDJ_CHEQUE1_NRO PPDJ_CHEQUE1_BANCO "
         "PPDJ_CHEQUE1_MONTO PPDJ_CHEQUE2_NRO PPDJ_CHEQUE2_BANCO PPDJ_CHEQUE2_MONTO"},
        {"PES_VW_GUIAS_TRANSPORTE",
         "PCDJ_NRO PGTR_NRO PGTR_FECHA PPTO_ID PPTO_DESCRIPCION GLOC_ID GLOC_DESCRIPCION GPRO_ID GPRO_DESCRIPCION "
         "PGTR_PLANTAPROCESADORA PGTR_CAJONES PGTR_KGS PGTR_TOTAL PGTR_ALICUOTA PGTR_VALOR"},
        {"PES_VW_GUIAS_DET", "PGTR_NRO PDGT_NRO PTES_ID PTES_DESCRIPCION PDGT_CAJONES PDGT_KGS PDGT_PRECIO PDGT_TOTAL"},
        {"PES_VW_GUIAS_DET_EXPORTAR",
         "PGTR_NRO PDGT_NRO PTES_ID PDGT_CAJONES PDGT_KGS PDGT_PRECIO PDGT_TOTAL PCDJ_NRO"},
        {"PES_VW_TOTALES_GUIA", "PGTR_NRO TCajones TKilos TTotal"},
        {"PES_VW_TOTALES_DJ7351", "PCDJ_NRO TOTAL"},
        {"PES_VW_EMBARCACIONES",
         "PBAR_ID PBAR_MATRICULA PBAR_NOMBRE PTBA_ID PTBA_DESCRIPCION PBAR_FINSC7351 PBAR_FALTA PBAR_FBAJA "
         "PBAR_FBOTADURA PBAR_ESLORA PBAR_MATERIALCASCO PBAR_ARBOLADURA PBAR_MANGA PBAR_PUNTAL PBAR_BODEGA "
         "PBAR_TONTOTAL PBAR_TONNETO PBAR_POTENCIA PBAR_PODERMOTOR PBAR_MARCAMOTOR PBAR_NROMOTOR PBAR_TIPOMOTOR "
         "PBAR_CERTSEGURIDAD PPTO_ID PPTO_DESCRIPCION PBAR_CONVENIO_GOLFO"},
        {"PES_VW_PRECIOS_LEY7351", "PPRE_ID PTES_ID PTES_DESCRIPCION PPRE_VALOR PPRE_FVIGENCIA PPRE_DISPOSICION"},
    };
    for (const auto& v : views) EXPECT_EQ(columns(QString::fromLatin1(v.view)), split(v.columns)) << v.view;

    // The positions the grids and the export name have a column each.
    const struct {
        const char* view;
        int named;
    } named[] = {
        {"PES_VW_CAB_DDJJ7351", PES_VW_CAB_DDJJ7351::Columnas},
        {"PES_VW_EMPRESAS", PES_VW_EMPRESAS::Columnas},
        {"PES_VW_EMBARCACIONES", PES_VW_EMBARCACIONES::Columnas},
        {"PES_VW_PRECIOS_LEY7351", PES_VW_PRECIOS_LEY7351::Columnas},
        {"PES_VW_DET_DDJJ7351", PES_VW_DET_DDJJ7351::Columnas},
        {"PES_VW_PAGOS_DDJJ7351", PES_VW_PAGOS_DDJJ7351::Columnas},
        {"PES_VW_GUIAS_TRANSPORTE", PES_VW_GUIAS_TRANSPORTE::Columnas},
        {"PES_VW_GUIAS_DET", PES_VW_GUIAS_DET::Columnas},
        {"PES_VW_DJ7351", PES_VW_DJ7351::Columnas},
        {"PES_VW_BOLETA_PAGO", PES_VW_BOLETA_PAGO::Columnas},
    };
    for (const auto& v : named) EXPECT_EQ(columns(QString::fromLatin1(v.view)).size(), v.named) << v.view;

    // The companies' three addresses: street, locality id and name, province id and name, postal code.
    const QStringList empresas = columns(QStringLiteral("PES_VW_EMPRESAS"));
    ASSERT_EQ(empresas.size(), 26);
    EXPECT_EQ(empresas.mid(0, 8),
              split("PEMP_ID PEMP_CUIT PEMP_RSOCIAL PEMP_NROIB GTSO_ID GTSO_DESCRIPCION PEMP_FALTA PEMP_FBAJA"));
    for (int a = 0; a < 3; ++a) {
        const QString sfx = QStringList{"_DF", "_DR", "_DL"}[a];
        EXPECT_EQ(empresas.mid(8 + 6 * a, 6),
                  (QStringList{QStringList{"PEMP_DOM_FISCAL", "PEMP_DOM_REAL", "PEMP_DOM_LEGAL"}[a], "GLOC_ID" + sfx,
                               "GLOC_DESCRIPCION" + sfx, "GPRO_ID" + sfx, "GPRO_DESCRIPCION" + sfx, "PEMP_CP" + sfx}));
    }

    // The printed forms read these by 1-based position.
    const QStringList dj = columns(QStringLiteral("PES_VW_DJ7351"));
    ASSERT_GE(dj.size(), 21);
    EXPECT_EQ(dj[0], QStringLiteral("PCDJ_NRO"));
    EXPECT_EQ(dj[1], QStringLiteral("PCDJ_ANIO"));
    EXPECT_EQ(dj[2], QStringLiteral("PCDJ_MES"));
    EXPECT_EQ(dj[17], QStringLiteral("PCDJ_ALICUOTA"));
    const QStringList slip = columns(QStringLiteral("PES_VW_BOLETA_PAGO"));
    ASSERT_GE(slip.size(), 16);
    EXPECT_EQ(slip[1], QStringLiteral("PPDJ_ANIO"));
    EXPECT_EQ(slip[2], QStringLiteral("PPDJ_MES"));
    EXPECT_EQ(slip.mid(10, 3), split("PPDJ_IMPORTE PPDJ_INTERESES PPDJ_MULTA"));
    EXPECT_EQ(slip[15], QStringLiteral("PCDJ_ALICUOTA"));
}

TEST_F(SchemaTest, ANewHeaderReadsZeroSalesAndTaxUntilWritten)
{
    insertDeclaration();
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from PES_VW_CAB_DDJJ7351"), de1::conn());
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs(15).toDouble(), 0.0);
    EXPECT_FALSE(rs(15).isNull());
    EXPECT_EQ(rs(17).toDouble(), 0.0);
    EXPECT_FALSE(rs(17).isNull());
    EXPECT_EQ(rs(9).text(), QStringLiteral("NORMAL")) << "descriptions come with the ids";
    EXPECT_EQ(rs(13).integer(), 30708123451LL) << "the CUIT keeps its eleven digits";

    ado::Recordset totals;
    totals.Open(QStringLiteral("SELECT TOTAL From PES_VW_TOTALES_DJ7351 WHERE PCDJ_NRO = '") + kNro + "'", de1::conn());
    EXPECT_EQ(totals.RecordCount(), 0);
    insertLine(1);
    insertLine(2);
    totals.Close();
    totals.Open(QStringLiteral("SELECT TOTAL From PES_VW_TOTALES_DJ7351 WHERE PCDJ_NRO = '") + kNro + "'", de1::conn());
    EXPECT_DOUBLE_EQ(totals(QStringLiteral("Total")).toDouble(), 170.0);
}

TEST_F(SchemaTest, EveryUniqueKeyRefusesADuplicate)
{
    insertDeclaration();
    insertLine(1);
    insertGuide(QStringLiteral("A-0001"));
    insertGuideLine(QStringLiteral("A-0001"), 1);
    insertPayment(1);
    const QString other = QStringLiteral("30708123451012320060501");
    insertDeclaration(other);
    const struct {
        const char* what;
        std::function<void()> insert;
    } dups[] = {
        {"declaration number", [] { insertDeclaration(); }},
        {"sales line", [] { insertLine(1); }},
        {"payment", [] { insertPayment(1); }},
        {"guide number under another declaration", [&] { insertGuide(QStringLiteral("A-0001"), other); }},
        {"guide line", [] { insertGuideLine(QStringLiteral("A-0001"), 1); }},
        {"vessel number",
         [] {
             exec(
                 "INSERT INTO LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FALTA, PPTO_ID) VALUES (1, '999', 'X', 1, #01/01/2006#, 1)");
         }},
        {"matrícula",
         [] {
             exec(
                 "INSERT INTO LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FALTA, PPTO_ID) VALUES (99, '123', 'X', 1, #01/01/2006#, 1)");
         }},
        {"company number",
         [] {
             exec(
                 "INSERT INTO LNV_PES_TB_EMPRESAS (PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, GTSO_ID, PEMP_FALTA, PEMP_DOM_FISCAL, GLOC_ID_DF, GPRO_ID_DF, PEMP_CP_DF) VALUES (1, 20000000001, 'X', 1, #01/01/2006#, 'C', 1, 2, 'C1000')");
         }},
        {"CUIT",
         [] {
             exec(
                 "INSERT INTO LNV_PES_TB_EMPRESAS (PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, GTSO_ID, PEMP_FALTA, PEMP_DOM_FISCAL, GLOC_ID_DF, GPRO_ID_DF, PEMP_CP_DF) VALUES (99, 30708123451, 'X', 1, #01/01/2006#, 'C', 1, 2, 'C1000')");
         }},
        {"price id",
         [] {
             exec(
                 "INSERT INTO LNV_PES_TB_PRECIOS_LEY7351 (PPRE_ID, PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA) SELECT min(PPRE_ID), 1, 1, #01/01/2006# FROM LNV_PES_TB_PRECIOS_LEY7351");
         }},
    };
    for (const auto& d : dups) {
        try {
            d.insert();
            ADD_FAILURE() << d.what << " accepted twice";
        } catch (const AdoError& e) {
            EXPECT_EQ(e.Number, -2147467259) << d.what;
        }
    }
}

TEST_F(SchemaTest, DeleteRules)
{
    const QString nro2 = QStringLiteral("30708123451012320060501");
    const QString nro3 = QStringLiteral("30708123451012320060502");
    insertDeclaration();
    insertLine(1);
    insertLine(2);
    insertDeclaration(nro2);
    insertGuide(QStringLiteral("G-1"), nro2);
    insertGuideLine(QStringLiteral("G-1"), 1);
    insertGuideLine(QStringLiteral("G-1"), 2);
    insertDeclaration(nro3);
    insertPayment(1, nro3);
    insertLine(1, nro3);

    // A header takes its sales lines with it.
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='" + kNro + "'"), 1);
    EXPECT_EQ(count("select count(*) from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO='" + kNro + "'"), 0);
    // A header with guides or payment slips stays, with everything it holds.
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='" + nro2 + "'"), 0);
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='" + nro3 + "'"), 0);
    EXPECT_EQ(count("select count(*) from LNV_PES_TB_CAB_DDJJ7351"), 2);
    EXPECT_EQ(count("select count(*) from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO='" + nro3 + "'"), 1);
    // A guide takes its lines with it; then its declaration can go.
    EXPECT_EQ(
        execIgnoringErrors("delete from LNV_PES_TB_GUIAS_TRANSPORTE where PCDJ_NRO='" + nro2 + "' and PGTR_NRO='G-1'"),
        1);
    EXPECT_EQ(count("select count(*) from LNV_PES_TB_GUIAS_DET"), 0);
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='" + nro2 + "'"), 1);
    // A vessel or company named by a declaration stays; unused ones go.
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_EMBARCACIONES where PBAR_MATRICULA='123'"), 0);
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_EMPRESAS where PEMP_CUIT=30708123451"), 0);
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_EMBARCACIONES where PBAR_MATRICULA='2378'"), 1);
    EXPECT_EQ(execIgnoringErrors("delete from LNV_PES_TB_EMPRESAS where PEMP_CUIT=30710456786"), 1);
    // A vessel's number may change while declarations name it by matrícula.
    EXPECT_EQ(exec("update LNV_PES_TB_EMBARCACIONES set PBAR_ID=77 where PBAR_MATRICULA='123'"), 1);
}

TEST_F(SchemaTest, ReferenceRowsTheWindowsDependOn)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("select PEDJ_DESCRIPCION from LNV_PES_TB_ESTADOS_DJ7351 order by PEDJ_DESCRIPCION"),
            de1::conn());
    QStringList states;
    for (; !rs.Eof(); rs.MoveNext()) states << rs(0).text();
    EXPECT_EQ(states,
              (QStringList{"EN DIQUE", "EN MAREA", "EN REPARACION", "NORMAL", "SIN MOVIMIENTO", "VEDA BIOLOGICA"}));
    EXPECT_EQ(count("select count(*) from LNV_PES_TB_ESPECIES where PTES_DESCRIPCION='Sin Pesca'"), 1);
    EXPECT_EQ(count("select count(*) from LNV_PES_TB_ESPECIES where PTES_ID in (0, 99)"), 2);
    EXPECT_EQ(count("select count(*) from LNV_GLB_TB_PROVINCIAS"), 24);
    EXPECT_EQ(
        count(
            "select count(*) from LNV_GLB_TB_LOCALIDADES L left join LNV_GLB_TB_PROVINCIAS P on P.GPRO_ID = L.GPRO_ID where P.GPRO_ID is null"),
        0);
}

}  // namespace
