#include "declarations/ExportRecords.h"

#include "core/General.h"
#include "core/schema/Vistas.h"
#include "platform/ado/Recordset.h"
#include "platform/text/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ExportRecords {
namespace {

using platform::RuntimeError;

// A whole number (already rounded) in at least `width` digits; a negative
// one gets its "-" in front of the zeros.
void appendZeroPadded(QString& out, double whole, int width)
{
    if (!std::isfinite(whole)) throw RuntimeError(platform::ErrOverflow);
    char buf[400];
    const double magnitude = std::fabs(whole);
    // Whole numbers that a 64-bit integer holds exactly take the integer
    // conversion, which gives the same digits at a fraction of the cost.
    const auto r = magnitude < 9e18 ? std::to_chars(buf, buf + sizeof buf, static_cast<long long>(magnitude))
                                    : std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, 0);
    const qsizetype digits = r.ptr - buf;
    const qsizetype zeros = std::max<qsizetype>(0, width - digits);
    const qsizetype at = out.size();
    out.resize(at + (whole < 0 ? 1 : 0) + zeros + digits);
    QChar* o = out.data() + at;
    if (whole < 0) *o++ = QLatin1Char('-');
    for (qsizetype i = 0; i < zeros; ++i) *o++ = QLatin1Char('0');
    for (qsizetype i = 0; i < digits; ++i) *o++ = QLatin1Char(buf[i]);
}

QString asText(const ado::Variant& v) { return text::CStr(v); }

// Each field written onto the end of its record.
void appendEncoded(QString& out, Encoding encoding, int width, const ado::Variant& value)
{
    switch (encoding) {
    case Encoding::Number23: out += text::PadLeft(asText(value), width, QChar('0')); return;
    case Encoding::Digits: appendZeroPadded(out, std::round(text::CDbl(value)), width); return;
    case Encoding::Cents: {
        // The product is taken in double precision and rounded as it
        // stands: 1.235 * 100 lies just above 123.5 and gives 124.
        const double product = text::CDbl(value) * 100.0;
        appendZeroPadded(out, std::round(product), width);
        return;
    }
    case Encoding::Text: out += asText(value).left(width).leftJustified(width, QChar(' ')); return;
    case Encoding::Guide12: {
        // Right-aligned with every blank a "0"; a longer number is written
        // whole rather than losing digits.
        const QString t = asText(value);
        const qsizetype at = out.size(), zeros = std::max<qsizetype>(0, width - t.size());
        out.resize(at + zeros + t.size());
        QChar* o = out.data() + at;
        for (qsizetype i = 0; i < zeros; ++i) *o++ = QLatin1Char('0');
        for (QChar c : t) *o++ = c == QLatin1Char(' ') ? QLatin1Char('0') : c;
        return;
    }
    case Encoding::Date:
        if (value.type() != ado::Variant::Type::Date || !value.date().isValid())
            throw RuntimeError(platform::ErrTypeMismatch);
        out += text::Format(value.date(), QStringLiteral("dd/MM/yyyy"));
        return;
    case Encoding::AsIs: out += asText(value); return;
    }
}

}  // namespace

QString Encode(const Field& f)
{
    QString out;
    appendEncoded(out, f.encoding, f.width, f.value);
    return out;
}

QString Record(std::initializer_list<Field> fields)
{
    QString r;
    for (const Field& f : fields) appendEncoded(r, f.encoding, f.width, f.value);
    return r;
}

QString Header(const QStringList& row)
{
    namespace V = PES_VW_CAB_DDJJ7351;
    auto col = [&row](V::Columna c) { return ado::Variant(row.value(c)); };
    using E = Encoding;
    return Record({
        {E::Number23, 23, col(V::PCDJ_NRO)},
        {E::Digits, 5, col(V::PPTO_ID)},
        {E::Text, 50, col(V::PBAR_NOMBRE)},
        {E::Cents, 16, col(V::PCDJ_MTOVTAS)},
        {E::Cents, 4, col(V::PCDJ_ALICUOTA)},
        {E::Cents, 16, col(V::PCDJ_IMPORTE)},
        {E::Cents, 16, col(V::PCDJ_INTERESES)},
        {E::Cents, 16, col(V::PCDJ_MULTA)},
        {E::Cents, 16, col(V::PCDJ_TOTAL)},
        {E::AsIs, 0, col(V::PEDJ_ID)},
        {E::Digits, 5, col(V::PTDJ_ID)},
    });
}

namespace {

struct Column {
    Encoding encoding;
    int width;
    const char* name;
};

using E = Encoding;
// Line and species take five digits always: a species id of 0 must not
// leave the record a character short.
const Column kSalesLine[] = {
    {E::Digits, 5, "PDDJ_NRO"},    {E::Digits, 5, "PTES_ID"},    {E::Cents, 16, "PDDJ_KG"},
    {E::Cents, 16, "PDDJ_PRECIO"}, {E::Cents, 16, "PDDJ_TOTAL"},
};
const Column kGuide[] = {
    {E::Number23, 23, "PCDJ_NRO"},
    {E::Guide12, 12, "PGTR_NRO"},
    {E::Date, 10, "PGTR_FECHA"},
    {E::Digits, 5, "PPTO_ID"},
    {E::Digits, 4, "GLOC_ID"},
    {E::Digits, 2, "GPRO_ID"},
    {E::Text, 50, "PGTR_PLANTAPROCESADORA"},
    {E::Cents, 16, "PGTR_CAJONES"},
    {E::Cents, 16, "PGTR_KGS"},
    {E::Cents, 16, "PGTR_TOTAL"},
    {E::Cents, 16, "PGTR_VALOR"},
    {E::Cents, 4, "PGTR_ALICUOTA"},
};
const Column kGuideLine[] = {
    {E::Guide12, 12, "PGTR_NRO"},   {E::Digits, 5, "PDGT_NRO"}, {E::Digits, 5, "PTES_ID"},
    {E::Cents, 16, "PDGT_CAJONES"}, {E::Cents, 16, "PDGT_KGS"}, {E::Cents, 16, "PDGT_PRECIO"},
    {E::Cents, 16, "PDGT_TOTAL"},
};

template <size_t N> std::vector<Records::Column> columnsOf(const Column (&layout)[N], const ado::Recordset& rs)
{
    std::vector<Records::Column> columns;
    columns.reserve(N);
    for (const Column& c : layout) columns.push_back({c.encoding, c.width, rs.Fields(QLatin1String(c.name))});
    return columns;
}

}  // namespace

Records::Records(Kind kind, const ado::Recordset& rs)
{
    switch (kind) {
    case Kind::SalesLine: m_columns = columnsOf(kSalesLine, rs); break;
    case Kind::Guide: m_columns = columnsOf(kGuide, rs); break;
    case Kind::GuideLine: m_columns = columnsOf(kGuideLine, rs); break;
    }
    for (const Column& c : m_columns) m_width += c.width;
}

QString Records::Current() const
{
    QString r;
    r.reserve(m_width);
    for (const Column& c : m_columns) appendEncoded(r, c.encoding, c.width, c.field.Value());
    return r;
}

QString SalesLine(const ado::Recordset& rs) { return Records(Records::Kind::SalesLine, rs).Current(); }
QString Guide(const ado::Recordset& rs) { return Records(Records::Kind::Guide, rs).Current(); }
QString GuideLine(const ado::Recordset& rs) { return Records(Records::Kind::GuideLine, rs).Current(); }

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
