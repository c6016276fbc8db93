#include "platform/report/PageView.h"

#include "platform/report/Report.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace report {

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::setReport(const Report* report)
{
    m_report = report;
    m_current = 0;
    m_rendered.clear();
    updatePreview();
    setCurrentPage(1);
}

void PageView::updatePreview()
{
    m_painted.clear();
    if (m_mode == QPrintPreviewWidget::FitToWidth) fitToWidth();
    relayout();
    m_current = std::clamp(m_current, 0, std::max(pageCount() - 1, 0));
    viewport()->update();
}

int PageView::pageCount() const { return m_report ? m_report->PageCount() : 0; }

int PageView::currentPage() const { return pageCount() > 0 ? m_current + 1 : 0; }

void PageView::setCurrentPage(int page)
{
    if (pageCount() == 0) return;
    m_current = std::clamp(page, 1, pageCount()) - 1;
    m_scrolling = true;
    verticalScrollBar()->setValue(m_current * pageStep());
    m_scrolling = false;
    viewport()->update();
    emit previewChanged();
}

void PageView::zoomIn(double factor)
{
    m_mode = QPrintPreviewWidget::CustomZoom;
    setZoom(m_zoom * factor);
}

void PageView::zoomOut(double factor)
{
    m_mode = QPrintPreviewWidget::CustomZoom;
    setZoom(m_zoom / factor);
}

void PageView::fitToWidth()
{
    m_mode = QPrintPreviewWidget::FitToWidth;
    const double pageInches = Report::PageWidth / 1440.0;
    const int room = viewport()->width() - 2 * kGap;
    if (room > 0) setZoom(room / (pageInches * logicalDpiX()));
}

void PageView::setZoom(double zoom)
{
    zoom = std::clamp(zoom, 0.1, 10.0);
    if (zoom == m_zoom) return;
    m_zoom = zoom;
    m_painted.clear();
    relayout();
    // The page the clerk was reading stays in view.
    if (pageCount() > 0) {
        m_scrolling = true;
        verticalScrollBar()->setValue(m_current * pageStep());
        m_scrolling = false;
    }
    viewport()->update();
    emit previewChanged();
}

QSize PageView::pageSize() const
{
    // Whole dots per inch, as the page images are painted at.
    const double dpr = devicePixelRatioF();
    const double dpi = std::max(1L, std::lround(logicalDpiX() * m_zoom * dpr)) / dpr;
    return QSize(int(std::lround(Report::PageWidth * dpi / 1440)), int(std::lround(Report::PageHeight * dpi / 1440)));
}

void PageView::relayout()
{
    const QSize page = pageSize(), room = viewport()->size();
    const int n = pageCount();
    const int height = n > 0 ? kGap + n * pageStep() : 0;
    verticalScrollBar()->setRange(0, std::max(0, height - room.height()));
    verticalScrollBar()->setPageStep(std::max(1, room.height()));
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kGap - room.width()));
    horizontalScrollBar()->setPageStep(std::max(1, room.width()));
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 20));
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_mode == QPrintPreviewWidget::FitToWidth) fitToWidth();
    relayout();
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
    if (m_scrolling || pageCount() == 0) return;
    // Scrolled by the clerk: the page nearest the top is the current one,
    // the last one once the end is reached.
    const QScrollBar* bar = verticalScrollBar();
    const int page = bar->value() >= bar->maximum() && bar->maximum() > 0
        ? pageCount() - 1
        : std::clamp(int(std::lround(double(bar->value()) / pageStep())), 0, pageCount() - 1);
    if (page == m_current) return;
    m_current = page;
    emit previewChanged();
}

void PageView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: setCurrentPage(currentPage() + 1); break;
    case Qt::Key_PageUp: setCurrentPage(currentPage() - 1); break;
    case Qt::Key_Home: setCurrentPage(1); break;
    case Qt::Key_End: setCurrentPage(pageCount()); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

const QImage& PageView::pageImage(int index)
{
    const auto kept = std::find_if(m_painted.begin(), m_painted.end(), [&](const auto& p) { return p.first == index; });
    if (kept != m_painted.end()) {
        m_painted.splice(m_painted.begin(), m_painted, kept);
        return m_painted.front().second;
    }
    const double dpr = devicePixelRatioF();
    const long dpi = std::max(1L, std::lround(logicalDpiX() * m_zoom * dpr));
    QImage image(int(std::lround(Report::PageWidth * dpi / 1440.0)),
                 int(std::lround(Report::PageHeight * dpi / 1440.0)), QImage::Format_RGB32);
    image.fill(Qt::white);
    // The report scales to the device's resolution: that of the zoom.
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        m_report->PaintPage(p, index);
    }
    image.setDevicePixelRatio(dpr);
    m_rendered.push_back(index + 1);
    m_painted.emplace_front(index, std::move(image));
    if (m_painted.size() > kKeptPages) m_painted.pop_back();
    return m_painted.front().second;
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    const int n = pageCount();
    if (n == 0) return;
    const QSize page = pageSize(), room = viewport()->size();
    const int step = pageStep();
    const int top = verticalScrollBar()->value();
    const int x = page.width() + 2 * kGap <= room.width() ? (room.width() - page.width()) / 2
                                                          : kGap - horizontalScrollBar()->value();
    const int first = std::clamp((top - kGap) / step, 0, n - 1);
    const int last = std::clamp((top + room.height()) / step, 0, n - 1);
    for (int i = first; i <= last; ++i) {
        const QRect r(QPoint(x, kGap + i * step - top), page);
        if (!r.intersects(viewport()->rect())) continue;
        p.fillRect(r.translated(3, 3), palette().color(QPalette::Shadow));
        p.drawImage(r.topLeft(), pageImage(i));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

}  // namespace report
