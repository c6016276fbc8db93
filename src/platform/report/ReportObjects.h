#pragma once
// The objects a report section holds. Positions and sizes are in twips
// (1/1440 inch) from the section's top-left corner, as report layouts are
// written; fonts are in points.

#include "platform/ado/Variant.h"
#include "platform/report/TextFit.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

namespace report {

class Report;

enum class ObjectKind { Text, Field, Picture, Line, Box, Subreport, PageNumber };

class ReportObject {
public:
    ReportObject(ObjectKind kind, QString name, QRectF twips) : m_kind(kind), m_name(std::move(name)), m_rect(twips) {}
    virtual ~ReportObject() = default;
    ReportObject(const ReportObject&) = delete;
    ReportObject& operator=(const ReportObject&) = delete;

    ObjectKind Kind() const { return m_kind; }
    QString Name() const { return m_name; }
    QRectF Rect() const { return m_rect; }
    double Left() const { return m_rect.left(); }
    double Top() const { return m_rect.top(); }
    double Width() const { return m_rect.width(); }
    double Height() const { return m_rect.height(); }

    // Not printed while set (the format event may set it).
    bool Suppress = false;

private:
    ObjectKind m_kind;
    QString m_name;
    QRectF m_rect;
};

// Text printed as set; also the base of fields and page numbers.
class TextObject : public ReportObject {
public:
    TextObject(QString name, QRectF twips, QString text = {}, ObjectKind kind = ObjectKind::Text);

    QString Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }
    QFont& Font() { return m_font; }
    const QFont& Font() const { return m_font; }

    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
    TextFit Fit = TextFit::Auto;  // how a value wider than the box is printed

private:
    QString m_text;
    QFont m_font;
};

// A column of the current row, written by Formatter (plain text when none).
// A formatter reads its value and the fields of the current row only: it
// runs when its page is first wanted, with the row of the layout set again.
class FieldObject : public TextObject {
public:
    using Formatter = std::function<QString(const ado::Variant&)>;
    FieldObject(QString name, QRectF twips, QString column, Formatter format = {});

    QString Column() const { return m_column; }
    // The column's value in the row being laid out (Empty outside a pass or without data).
    const ado::Variant& Value() const { return m_value; }
    QString FormattedText() const;

private:
    friend class Report;
    QString m_column;
    Formatter m_format;
    ado::Variant m_value;
    int m_position = -1;  // of the column in the data source numbered m_positionOf
    quint64 m_positionOf = 0;
};

// "Página n de m", filled in when the pages are counted.
class PageNumberObject : public TextObject {
public:
    PageNumberObject(QString name, QRectF twips) : TextObject(std::move(name), twips, {}, ObjectKind::PageNumber) {}
    static QString TextFor(int page, int pages);
};

// How a bitmap is stretched over its object: smoothed (a photograph), or
// each pixel a sharp-edged block on white (a barcode's modules).
enum class Scaling { Smooth, Sharp };

// A picture scaled to fill the object: a bitmap, or a drawing (a shape in
// the unit square, filled black) that stays sharp at any resolution. A PDF
// stores a bitmap set on many pages once, as long as it is the same image.
class PictureObject : public ReportObject {
public:
    PictureObject(QString name, QRectF twips) : ReportObject(ObjectKind::Picture, std::move(name), twips) {}
    void SetPicture(const QImage& image, Scaling scaling = Scaling::Smooth)
    {
        m_image = image;
        m_scaling = scaling;
        m_drawing = QPainterPath();
    }
    void SetPicture(const QPainterPath& drawing)
    {
        m_drawing = drawing;
        m_image = QImage();
    }
    void ClearPicture()
    {
        m_image = QImage();
        m_drawing = QPainterPath();
    }
    const QImage& Image() const { return m_image; }
    Scaling ImageScaling() const { return m_scaling; }
    const QPainterPath& Drawing() const { return m_drawing; }
    bool HasPicture() const { return !m_image.isNull() || !m_drawing.isEmpty(); }

private:
    QImage m_image;
    Scaling m_scaling = Scaling::Smooth;
    QPainterPath m_drawing;
};

// A line from the rectangle's top-left to its bottom-right corner (height 0: horizontal).
class LineObject : public ReportObject {
public:
    LineObject(QString name, QRectF twips, double penTwips = 15)
        : ReportObject(ObjectKind::Line, std::move(name), twips), PenWidth(penTwips)
    {
    }
    double PenWidth;
    bool Dashed = false;
};

class BoxObject : public ReportObject {
public:
    BoxObject(QString name, QRectF twips, double penTwips = 15)
        : ReportObject(ObjectKind::Box, std::move(name), twips), PenWidth(penTwips)
    {
    }
    double PenWidth;
};

// A report of its own with its own data source, printed where the object
// stands; its rows flow onto the following pages as the main report's do.
class SubreportObject : public ReportObject {
public:
    SubreportObject(QString name, QRectF twips, std::unique_ptr<Report> subreport);
    ~SubreportObject() override;
    Report& OpenSubreport() { return *m_report; }

private:
    std::unique_ptr<Report> m_report;
};

}  // namespace report
