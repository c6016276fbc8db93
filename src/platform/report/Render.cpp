#include "platform/forms/MsgBox.h"
#include "platform/report/Report.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace report {

void Report::PaintPage(QPainter& p, int index) const
{
    if (index < 0 || index >= PageCount()) return;
    QPaintDevice* device = p.device();
    const double kx = device ? device->logicalDpiX() / 1440.0 : 1.0;
    const double ky = device ? device->logicalDpiY() / 1440.0 : 1.0;
    auto toDevice = [&](const QRectF& r) { return QRectF(r.x() * kx, r.y() * ky, r.width() * kx, r.height() * ky); };

    p.save();
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    for (const PageItem& item : PageAt(index).items) {
        const QRectF r = toDevice(item.rect);
        switch (item.type) {
        case PageItem::Text:
        case PageItem::PageNumber:
            p.setFont(item.font);
            // Fitted when laid out: a glyph's hinting must not cut it.
            p.drawText(r, item.flags | Qt::TextDontClip,
                       item.type == PageItem::PageNumber ? PageNumberObject::TextFor(index + 1, PageCount())
                                                         : item.text);
            break;
        case PageItem::Image:
            if (item.sharp) {
                p.save();
                p.setRenderHint(QPainter::SmoothPixmapTransform, false);
                p.fillRect(r, Qt::white);
                p.drawImage(r, item.image);
                p.restore();
            } else {
                p.drawImage(r, item.image);
            }
            break;
        case PageItem::Drawing: {
            QTransform toTarget;
            toTarget.translate(r.x(), r.y());
            toTarget.scale(r.width(), r.height());
            p.save();
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(r, Qt::white);
            p.fillPath(toTarget.map(item.drawing), Qt::black);
            p.restore();
            break;
        }
        case PageItem::Line:
        case PageItem::Box: {
            QPen pen(Qt::black, std::max(item.pen * kx, 1.0));
            if (item.dashed) pen.setStyle(Qt::DashLine);
            p.setPen(pen);
            if (item.type == PageItem::Line)
                p.drawLine(r.topLeft(), r.bottomRight());
            else
                p.drawRect(r);
            p.setPen(Qt::black);
            break;
        }
        }
    }
    p.restore();
}

void Report::PaintAll(QPainter& p, QPagedPaintDevice& device) const
{
    for (int i = 0; i < PageCount(); ++i) {
        if (i > 0) device.newPage();
        PaintPage(p, i);
    }
}

bool Report::WritePdf(QIODevice& out, QString* error) const
{
    QPdfWriter pdf(&out);
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setTitle(Title);
    pdf.setCreator(forms::AppTitle());
    QPainter p;
    if (!p.begin(&pdf)) {
        if (error) *error = QStringLiteral("No se pudo comenzar el documento PDF.");
        return false;
    }
    PaintAll(p, pdf);
    if (!p.end()) {
        if (error) *error = QStringLiteral("No se pudo terminar el documento PDF.");
        return false;
    }
    return true;
}

}  // namespace report
