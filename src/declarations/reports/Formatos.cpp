#include "declarations/reports/Formatos.h"

#include "platform/text/Text.h"

namespace formatos {

QString Importe(const ado::Variant& v)
{
    if (!v.isNumber()) return text::CStr(v);
    return text::Format(v, QStringLiteral("###,###,##0.00"));
}

QString Cuit(const ado::Variant& v)
{
    const QString s = text::CStr(v);
    if (s.size() != 11) return s;
    return s.left(2) + QLatin1Char('-') + s.mid(2, 8) + QLatin1Char('-') + s.right(1);
}

QString Periodo(const ado::Variant& anio, const ado::Variant& mes)
{
    if (!anio.isNumber() || !mes.isNumber()) return {};
    return QString::number(qint64(mes.toDouble())).rightJustified(2, u'0') + QLatin1Char('/') + text::CStr(anio);
}

QString Texto(const ado::Variant& v) { return text::CStr(v); }

report::TextObject* Rotulo(report::Section& s, const QString& name, QRectF r, const QString& text, double pt, bool bold,
                           Qt::Alignment align)
{
    auto* t = s.Add<report::TextObject>(name, r, text);
    t->Font().setPointSizeF(pt);
    t->Font().setBold(bold);
    t->Alignment = align;
    return t;
}

report::FieldObject* Campo(report::Section& s, const QString& column, QRectF r, report::FieldObject::Formatter format,
                           double pt, bool bold, Qt::Alignment align)
{
    auto* f = s.Add<report::FieldObject>(QStringLiteral("fld") + column, r, column, std::move(format));
    f->Font().setPointSizeF(pt);
    f->Font().setBold(bold);
    f->Alignment = align;
    return f;
}

void Monoespaciado(report::TextObject* t, double pt)
{
    t->Font().setFamily(QStringLiteral("DejaVu Sans Mono"));
    t->Font().setStyleHint(QFont::Monospace);
    t->Font().setPointSizeF(pt);
}

int PixelesCodigo(double twips) { return int(text::Round(twips / kTwipsPorPixel * 1.5)); }

}  // namespace formatos
