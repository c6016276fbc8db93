#pragma once
// The pages of a laid-out report one under the other, as the viewer shows
// them. A page is painted only when it comes into view (and kept while it
// stays near it), so the first page shows at once however long the report.
// Zoom 1 is the page at its real size on the screen.

#include <QAbstractScrollArea>
#include <QImage>
#include <QPrintPreviewWidget>
#include <list>
#include <utility>
#include <vector>

namespace report {

class Report;

class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    // The report whose pages are shown (laid out already), from its first page.
    void setReport(const Report* report);
    // Forgets what was painted: the report was laid out anew.
    void updatePreview();

    int pageCount() const;
    int currentPage() const;  // 1-based; 0 with no pages
    void setCurrentPage(int page);

    double zoomFactor() const { return m_zoom; }
    QPrintPreviewWidget::ZoomMode zoomMode() const { return m_mode; }
    void zoomIn(double factor);
    void zoomOut(double factor);
    void fitToWidth();

    // The pages (1-based) drawn since the report was set, in the order they
    // were drawn: a page appears once it comes into view, again only when
    // it had to be drawn anew (a zoom, or after it was dropped from those kept).
    const std::vector<int>& renderedPages() const { return m_rendered; }

signals:
    // The current page or the zoom changed.
    void previewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize pageSize() const;  // in device-independent pixels at the zoom shown
    int pageStep() const { return pageSize().height() + kGap; }
    void setZoom(double zoom);
    void relayout();
    const QImage& pageImage(int index);

    static constexpr int kGap = 12;
    static constexpr size_t kKeptPages = 8;
    const Report* m_report = nullptr;
    double m_zoom = 1;
    QPrintPreviewWidget::ZoomMode m_mode = QPrintPreviewWidget::FitToWidth;
    int m_current = 0;  // 0-based
    bool m_scrolling = false;
    std::list<std::pair<int, QImage>> m_painted;  // most recently shown first
    std::vector<int> m_rendered;
};

}  // namespace report
