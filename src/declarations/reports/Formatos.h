#pragma once
// What the two printed forms share: how their values are written and the
// captions and fields their layouts are made of.

#include "platform/ado/Variant.h"
#include "platform/report/Report.h"

#include <QString>

namespace formatos {

// The screen's twips per pixel, by which the forms size their barcode pictures.
constexpr double kTwipsPorPixel = 15;

QString Importe(const ado::Variant& v);                              // "1.234,56"; "" for null
QString Cuit(const ado::Variant& v);                                 // "30-70812345-1"
QString Periodo(const ado::Variant& anio, const ado::Variant& mes);  // "05/2006"
QString Texto(const ado::Variant& v);                                // as shown, "" for null

// A caption or value text of the given size, in points.
report::TextObject* Rotulo(report::Section& s, const QString& name, QRectF r, const QString& text, double pt = 8,
                           bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
report::FieldObject* Campo(report::Section& s, const QString& column, QRectF r,
                           report::FieldObject::Formatter format = Texto, double pt = 8, bool bold = false,
                           Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// Digits in a fixed-width face, so that their groups line up.
void Monoespaciado(report::TextObject* t, double pt);

// A barcode picture size in pixels: the object's size in screen pixels x 1.5, halves to even.
int PixelesCodigo(double twips);

}  // namespace formatos
