#include "declarations/ExportRecords.h"

#include "core/General.h"
#include "platform/ado/Recordset.h"
#include "platform/text/Text.h"

#include <charconv>
#include <cmath>

namespace ExportRecords {
namespace {

using platform::RuntimeError;

// A whole number (already rounded) in at least `width` digits; a negative
// one gets its "-" in front of the zeros.
QString zeroPadded(double whole, int width)
{
    if (!std::isfinite(whole)) throw RuntimeError(platform::ErrOverflow);
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(whole), std::chars_format::fixed, 0);
    QString digits = QString::fromLatin1(buf, r.ptr - buf).rightJustified(width, QChar('0'));
    return whole < 0 ? QChar('-') + digits : digits;
}

QString asText(const ado::Variant& v) { return text::CStr(v); }

}  // namespace

QString Encode(const Field& f)
{
    switch (f.encoding) {
    case Encoding::Number23: return text::PadLeft(asText(f.value), f.width, QChar('0'));
    case Encoding::Digits: return zeroPadded(std::round(text::CDbl(f.value)), f.width);
    case Encoding::Cents: {
        // The product is taken in double precision and rounded as it
        // stands: 1.235 * 100 lies just above 123.5 and gives 124.
        const double product = text::CDbl(f.value) * 100.0;
        return zeroPadded(std::round(product), f.width);
    }
    case Encoding::Text: return asText(f.value).left(f.width).leftJustified(f.width, QChar(' '));
    case Encoding::Guide12:
        // A longer number is written whole rather than losing digits.
        return asText(f.value).rightJustified(f.width, QChar(' ')).replace(QChar(' '), QChar('0'));
    case Encoding::Date:
        if (f.value.type() != ado::Variant::Type::Date || !f.value.date().isValid())
            throw RuntimeError(platform::ErrTypeMismatch);
        return text::Format(f.value.date(), QStringLiteral("dd/MM/yyyy"));
    case Encoding::AsIs: return asText(f.value);
    }
    return QString();
}

QString Record(std::initializer_list<Field> fields)
{
    QString r;
    for (const Field& f : fields) r += Encode(f);
    return r;
}

QString Header(const QStringList& row)
{
    auto col = [&row](int i) { return ado::Variant(row.value(i)); };
    using E = Encoding;
    return Record({
        {E::Number23, 23, col(0)},  // declaration number
        {E::Digits, 5, col(10)},    // port id
        {E::Text, 50, col(7)},      // vessel name
        {E::Cents, 16, col(15)},    // sales total
        {E::Cents, 4, col(16)},     // rate
        {E::Cents, 16, col(17)},    // tax amount
        {E::Cents, 16, col(18)},    // interest
        {E::Cents, 16, col(19)},    // fine
        {E::Cents, 16, col(20)},    // total due
        {E::AsIs, 0, col(8)},       // vessel state id
        {E::Digits, 5, col(3)},     // declaration type id
    });
}

QString SalesLine(const ado::Recordset& rs)
{
    using E = Encoding;
    // Line and species take five digits always: a species id of 0 must not
    // leave the record a character short.
    return Record({
        {E::Digits, 5, rs("PDDJ_NRO")},
        {E::Digits, 5, rs("PTES_ID")},
        {E::Cents, 16, rs("PDDJ_KG")},
        {E::Cents, 16, rs("PDDJ_PRECIO")},
        {E::Cents, 16, rs("PDDJ_TOTAL")},
    });
}

QString Guide(const ado::Recordset& rs)
{
    using E = Encoding;
    return Record({
        {E::Number23, 23, rs("PCDJ_NRO")},
        {E::Guide12, 12, rs("PGTR_NRO")},
        {E::Date, 10, rs("PGTR_FECHA")},
        {E::Digits, 5, rs("PPTO_ID")},
        {E::Digits, 4, rs("GLOC_ID")},
        {E::Digits, 2, rs("GPRO_ID")},
        {E::Text, 50, rs("PGTR_PLANTAPROCESADORA")},
        {E::Cents, 16, rs("PGTR_CAJONES")},
        {E::Cents, 16, rs("PGTR_KGS")},
        {E::Cents, 16, rs("PGTR_TOTAL")},
        {E::Cents, 16, rs("PGTR_VALOR")},
        {E::Cents, 4, rs("PGTR_ALICUOTA")},
    });
}

QString GuideLine(const ado::Recordset& rs)
{
    using E = Encoding;
    return Record({
        {E::Guide12, 12, rs("PGTR_NRO")},
        {E::Digits, 5, rs("PDGT_NRO")},
        {E::Digits, 5, rs("PTES_ID")},
        {E::Cents, 16, rs("PDGT_CAJONES")},
        {E::Cents, 16, rs("PDGT_KGS")},
        {E::Cents, 16, rs("PDGT_PRECIO")},
        {E::Cents, 16, rs("PDGT_TOTAL")},
    });
}

QString FileSuffix(const QString& year, const QString& month, const QString& matricula)
{
    return year + text::Format(ado::Variant(month), QStringLiteral("0#"))
        + text::Format(ado::Variant(matricula), QStringLiteral("00000"));
}

QString SalesLinesSql(const QString& nroDJ)
{
    return QStringLiteral("SELECT LNV_PES_TB_DET_DDJJ7351.PDDJ_NRO, LNV_PES_TB_DET_DDJJ7351.PTES_ID, "
                          "LNV_PES_TB_DET_DDJJ7351.PDDJ_KG, LNV_PES_TB_DET_DDJJ7351.PDDJ_PRECIO, "
                          "LNV_PES_TB_DET_DDJJ7351.PDDJ_TOTAL From LNV_PES_TB_DET_DDJJ7351 "
                          "WHERE (((LNV_PES_TB_DET_DDJJ7351.PCDJ_NRO)= '")
        + General::DuplicarComillas(nroDJ) + QStringLiteral("'))");
}

QString GuidesSql(const QString& nroDJ)
{
    return QStringLiteral("SELECT LNV_PES_TB_GUIAS_TRANSPORTE.PCDJ_NRO , LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_NRO , "
                          "LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_FECHA , LNV_PES_TB_GUIAS_TRANSPORTE.PPTO_ID  , "
                          "LNV_PES_TB_GUIAS_TRANSPORTE.GLOC_ID  , LNV_PES_TB_GUIAS_TRANSPORTE.GPRO_ID  , "
                          "LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_PLANTAPROCESADORA  , "
                          "LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_CAJONES  , LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_KGS  , "
                          "LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_TOTAL  , LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_VALOR , "
                          "LNV_PES_TB_GUIAS_TRANSPORTE.PGTR_ALICUOTA From LNV_PES_TB_GUIAS_TRANSPORTE "
                          "WHERE (((LNV_PES_TB_GUIAS_TRANSPORTE.PCDJ_NRO)= '")
        + General::DuplicarComillas(nroDJ) + QStringLiteral("' ))");
}

QString GuideLinesSql(const QString& nroDJ)
{
    return QStringLiteral("SELECT PES_VW_GUIAS_DET_EXPORTAR.PGTR_NRO, PES_VW_GUIAS_DET_EXPORTAR.PDGT_NRO,  "
                          "PES_VW_GUIAS_DET_EXPORTAR.PTES_ID, PES_VW_GUIAS_DET_EXPORTAR.PDGT_CAJONES,  "
                          "PES_VW_GUIAS_DET_EXPORTAR.PDGT_KGS,  PES_VW_GUIAS_DET_EXPORTAR.PDGT_PRECIO,  "
                          "PES_VW_GUIAS_DET_EXPORTAR.PDGT_TOTAL From PES_VW_GUIAS_DET_EXPORTAR "
                          "WHERE (((PES_VW_GUIAS_DET_EXPORTAR.PCDJ_NRO)= '")
        + General::DuplicarComillas(nroDJ) + QStringLiteral("' ))");
}

}  // namespace ExportRecords
