#pragma once
// The columns of the views that are read by position, named once as
// schema.sql orders them: the grids' column tables, the copies of a shown
// row into its record, the export's header and the payment codes all take
// their positions from here. Columnas is each view's column count.

namespace PES_VW_CAB_DDJJ7351 {
enum Columna : int {
    PCDJ_NRO,
    PCDJ_ANIO,
    PCDJ_MES,
    PTDJ_ID,
    PTDJ_DESCRIPCION,
    PBAR_ID,
    PBAR_MATRICULA,
    PBAR_NOMBRE,
    PEDJ_ID,
    PEDJ_DESCRIPCION,
    PPTO_ID,
    PPTO_DESCRIPCION,
    PEMP_ID,
    PEMP_CUIT,
    PEMP_RSOCIAL,
    PCDJ_MTOVTAS,
    PCDJ_ALICUOTA,
    PCDJ_IMPORTE,
    PCDJ_INTERESES,
    PCDJ_MULTA,
    PCDJ_TOTAL,
    PCDJ_RESP,
    GTDC_ID,
    PCDJ_NRODOC,
    PCAR_ID,
    PCAR_DESCRIPCION,
    Columnas
};
}  // namespace PES_VW_CAB_DDJJ7351

// The three addresses repeat one group of columns: _DF fiscal, _DR real, _DL legal.
namespace PES_VW_EMPRESAS {
enum Columna : int {
    PEMP_ID,
    PEMP_CUIT,
    PEMP_RSOCIAL,
    PEMP_NROIB,
    GTSO_ID,
    GTSO_DESCRIPCION,
    PEMP_FALTA,
    PEMP_FBAJA,
    PEMP_DOM_FISCAL,
    GLOC_ID_DF,
    GLOC_DESCRIPCION_DF,
    GPRO_ID_DF,
    GPRO_DESCRIPCION_DF,
    PEMP_CP_DF,
    PEMP_DOM_REAL,
    GLOC_ID_DR,
    GLOC_DESCRIPCION_DR,
    GPRO_ID_DR,
    GPRO_DESCRIPCION_DR,
    PEMP_CP_DR,
    PEMP_DOM_LEGAL,
    GLOC_ID_DL,
    GLOC_DESCRIPCION_DL,
    GPRO_ID_DL,
    GPRO_DESCRIPCION_DL,
    PEMP_CP_DL,
    Columnas
};
}  // namespace PES_VW_EMPRESAS

namespace PES_VW_EMBARCACIONES {
enum Columna : int {
    PBAR_ID,
    PBAR_MATRICULA,
    PBAR_NOMBRE,
    PTBA_ID,
    PTBA_DESCRIPCION,
    PBAR_FINSC7351,
    PBAR_FALTA,
    PBAR_FBAJA,
    PBAR_FBOTADURA,
    PBAR_ESLORA,
    PBAR_MATERIALCASCO,
    PBAR_ARBOLADURA,
    PBAR_MANGA,
    PBAR_PUNTAL,
    PBAR_BODEGA,
    PBAR_TONTOTAL,
    PBAR_TONNETO,
    PBAR_POTENCIA,
    PBAR_PODERMOTOR,
    PBAR_MARCAMOTOR,
    PBAR_NROMOTOR,
    PBAR_TIPOMOTOR,
    PBAR_CERTSEGURIDAD,
    PPTO_ID,
    PPTO_DESCRIPCION,
    PBAR_CONVENIO_GOLFO,
    Columnas
};
}  // namespace PES_VW_EMBARCACIONES

namespace PES_VW_PRECIOS_LEY7351 {
enum Columna : int { PPRE_ID, PTES_ID, PTES_DESCRIPCION, PPRE_VALOR, PPRE_FVIGENCIA, PPRE_DISPOSICION, Columnas };
}  // namespace PES_VW_PRECIOS_LEY7351

namespace PES_VW_DET_DDJJ7351 {
enum Columna : int { PCDJ_NRO, PDDJ_NRO, PTES_ID, PTES_DESCRIPCION, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL, Columnas };
}  // namespace PES_VW_DET_DDJJ7351

namespace PES_VW_PAGOS_DDJJ7351 {
enum Columna : int {
    PCDJ_NRO,
    PPDJ_NRO,
    PPDJ_IMPORTE,
    PPDJ_INTERESES,
    PPDJ_MULTA,
    PPDJ_EFECTIVO,
    PPDJ_CHEQUE1_NRO,
    PPDJ_CHEQUE1_BANCO,
    PPDJ_CHEQUE1_MONTO,
    PPDJ_CHEQUE2_NRO,
    PPDJ_CHEQUE2_BANCO,
    PPDJ_CHEQUE2_MONTO,
    Columnas
};
}  // namespace PES_VW_PAGOS_DDJJ7351

namespace PES_VW_GUIAS_TRANSPORTE {
enum Columna : int {
    PCDJ_NRO,
    PGTR_NRO,
    PGTR_FECHA,
    PPTO_ID,
    PPTO_DESCRIPCION,
    GLOC_ID,
    GLOC_DESCRIPCION,
    GPRO_ID,
    GPRO_DESCRIPCION,
    PGTR_PLANTAPROCESADORA,
    PGTR_CAJONES,
    PGTR_KGS,
    PGTR_TOTAL,
    PGTR_ALICUOTA,
    PGTR_VALOR,
    Columnas
};
}  // namespace PES_VW_GUIAS_TRANSPORTE

namespace PES_VW_GUIAS_DET {
enum Columna : int {
    PGTR_NRO,
    PDGT_NRO,
    PTES_ID,
    PTES_DESCRIPCION,
    PDGT_CAJONES,
    PDGT_KGS,
    PDGT_PRECIO,
    PDGT_TOTAL,
    Columnas
};
}  // namespace PES_VW_GUIAS_DET

// The printed declaration's payment code reads its fields by these positions.
namespace PES_VW_DJ7351 {
enum Columna : int {
    PCDJ_NRO,
    PCDJ_ANIO,
    PCDJ_MES,
    PTDJ_ID,
    PTDJ_DESCRIPCION,
    PBAR_ID,
    PBAR_MATRICULA,
    PBAR_NOMBRE,
    PEDJ_ID,
    PEDJ_DESCRIPCION,
    PPTO_ID,
    PPTO_DESCRIPCION,
    PEMP_ID,
    PEMP_CUIT,
    PEMP_RSOCIAL,
    PEMP_NROIB,
    PCDJ_MTOVTAS,
    PCDJ_ALICUOTA,
    PCDJ_IMPORTE,
    PCDJ_MULTA,
    PCDJ_INTERESES,
    PCDJ_TOTAL,
    PCDJ_RESP,
    GTDC_ID,
    PCDJ_NRODOC,
    PCAR_ID,
    PCAR_DESCRIPCION,
    PEMP_DOM_FISCAL,
    GLOC_DESCRIPCION_DF,
    GPRO_DESCRIPCION_DF,
    PEMP_CP_DF,
    PTBA_DESCRIPCION,
    PDDJ_NRO,
    PTES_ID,
    PTES_DESCRIPCION,
    PDDJ_KG,
    PDDJ_PRECIO,
    PDDJ_TOTAL,
    Columnas
};
}  // namespace PES_VW_DJ7351

// The printed slip's payment code reads its fields by these positions.
namespace PES_VW_BOLETA_PAGO {
enum Columna : int {
    PCDJ_NRO,
    PPDJ_ANIO,
    PPDJ_MES,
    PPDJ_NRO,
    PEMP_ID,
    PEMP_CUIT,
    PEMP_RSOCIAL,
    PBAR_ID,
    PBAR_MATRICULA,
    PBAR_NOMBRE,
    PPDJ_IMPORTE,
    PPDJ_INTERESES,
    PPDJ_MULTA,
    PPDJ_TOTAL,
    PPDJ_IDENTIFICADOR,
    PCDJ_ALICUOTA,
    PPDJ_EFECTIVO,
    PPDJ_CHEQUE1_NRO,
    PPDJ_CHEQUE1_BANCO,
    PPDJ_CHEQUE1_MONTO,
    PPDJ_CHEQUE2_NRO,
    PPDJ_CHEQUE2_BANCO,
    PPDJ_CHEQUE2_MONTO,
    PEMP_DOM_FISCAL,
    GLOC_DESCRIPCION_DF,
    GPRO_DESCRIPCION_DF,
    PEMP_CP_DF,
    PTDJ_DESCRIPCION,
    PPTO_DESCRIPCION,
    Columnas
};
}  // namespace PES_VW_BOLETA_PAGO
