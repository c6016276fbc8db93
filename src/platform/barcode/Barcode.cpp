#include "platform/barcode/Barcode.h"

#include <QPainter>
#include <cmath>
#include <memory>
#include <zint.h>

namespace barcode {
namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};

}  // namespace

void Barcode::setText(const QString& text)
{
    if (text == m_text && (Valid() || !m_error.isEmpty())) return;
    m_text = text;
    encode();
}

void Barcode::SizeTo(int widthPx, int heightPx)
{
    m_width = std::max(1, widthPx);
    m_height = std::max(1, heightPx);
}

void Barcode::encode()
{
    m_bars.clear();
    m_modules = QImage();
    m_error.clear();
    if (m_text.isEmpty()) {
        m_error = QStringLiteral("No hay texto para el código de barras");
        return;
    }
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        m_error = QStringLiteral("No hay memoria para el código de barras");
        return;
    }
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;           // the forms print the digits themselves
    symbol->whitespace_width = 10;  // the quiet zone the readers need on each side
    symbol->height = 50;
    const QByteArray utf8 = m_text.toUtf8();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()), 0);
    if (rc >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0 || symbol->vector->height <= 0) {
        m_error = QStringLiteral("El texto no puede escribirse como código de barras: ")
            + QString::fromLatin1(symbol->errtxt);
        return;
    }
    const float w = symbol->vector->width, h = symbol->vector->height;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        m_bars.emplace_back(r->x / w, r->y / h, r->width / w, r->height / h);
    if (m_bars.empty()) {
        m_error = QStringLiteral("El código de barras quedó vacío");
        return;
    }
    // Code 128 bars all run the symbol's full height: one row says it all.
    const int modules = moduleCount();
    m_modules = QImage(modules, 1, QImage::Format_Mono);
    m_modules.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    m_modules.fill(1);
    for (const QRectF& b : m_bars) {
        const int x0 = int(std::lround(b.left() * modules)), x1 = int(std::lround(b.right() * modules));
        for (int x = std::max(0, x0); x < std::min(x1, modules); ++x) m_modules.setPixel(x, 0, 0);
    }
}

void Barcode::Paint(QPainter& p, const QRectF& target) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(target, Qt::white);
    for (const QRectF& b : m_bars)
        p.fillRect(QRectF(target.x() + b.x() * target.width(), target.y() + b.y() * target.height(),
                          b.width() * target.width(), b.height() * target.height()),
                   Qt::black);
    p.restore();
}

int Barcode::moduleCount() const
{
    // Code 128 always has a bar one module wide.
    double smallest = 1;
    for (const QRectF& b : m_bars) smallest = std::min(smallest, b.width());
    return std::max(1, int(std::lround(1.0 / smallest)));
}

QImage Barcode::Picture() const
{
    QImage img(m_width, m_height, QImage::Format_RGB32);
    img.fill(Qt::white);
    if (m_bars.empty()) return img;
    QPainter p(&img);
    // Every module the same whole number of pixels, centred: bars of uneven
    // widths are what readers fail on. Too narrow for that, the edges are rounded.
    const int modules = moduleCount();
    const int perModule = m_width / modules;
    const double span = perModule >= 1 ? double(perModule * modules) : double(m_width);
    const double left = perModule >= 1 ? (m_width - span) / 2 : 0;
    for (const QRectF& b : m_bars) {
        const int x0 = int(std::lround(left + b.left() * span)), x1 = int(std::lround(left + b.right() * span));
        const int y0 = int(std::lround(b.top() * m_height)), y1 = int(std::lround(b.bottom() * m_height));
        if (x1 > x0 && y1 > y0) p.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), Qt::black);
    }
    return img;
}

QPainterPath Barcode::Drawing() const
{
    QPainterPath path;
    for (const QRectF& b : m_bars) path.addRect(b);
    return path;
}

}  // namespace barcode
