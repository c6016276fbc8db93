#pragma once
// A Code 128 barcode drawn by libzint, for the printed forms. The report
// copies its picture into a picture object: Modules() for print and PDF
// (one pixel a module, stretched without smoothing: sharp at any
// resolution, and one image that a PDF stores once however many pages
// print it), Drawing() as a vector shape, Picture() where a bitmap of the
// size given to SizeTo is wanted.

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <vector>

namespace barcode {

class Barcode {
public:
    // Always "Code 128": the only symbology the forms print.
    QString Symbology() const { return QStringLiteral("Code 128"); }

    QString Text() const { return m_text; }
    void setText(const QString& text);

    // The size, in pixels, of Picture(); the drawing keeps the same proportions.
    void SizeTo(int widthPx, int heightPx);
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // False when the text cannot be encoded (empty, or characters outside
    // Latin-1); ErrorText says why, and the pictures are blank.
    bool Valid() const { return !m_bars.empty(); }
    QString ErrorText() const { return m_error; }

    QImage Picture() const;
    // The bars as one shape in the unit square (quiet zones included), to be stretched over the target.
    QPainterPath Drawing() const;
    // The symbol one pixel a module wide and one pixel high (quiet zones
    // included), black on white; the same image until the text changes.
    const QImage& Modules() const { return m_modules; }

    // The bars in fractions of the symbol's width and height (quiet zones included).
    const std::vector<QRectF>& Bars() const { return m_bars; }
    // Paints the bars filling the target, black on white.
    void Paint(class QPainter& p, const QRectF& target) const;

private:
    void encode();
    int moduleCount() const;  // quiet zones included

    QString m_text;
    QString m_error;
    std::vector<QRectF> m_bars;
    QImage m_modules;
    int m_width = 300;
    int m_height = 60;
};

}  // namespace barcode
