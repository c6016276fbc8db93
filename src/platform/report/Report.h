#pragma once
// A report: a data source, sections and the objects in them, laid out on
// A4 portrait pages. Before each section is laid out its Format event runs,
// where the report's own code sets texts and pictures from the current
// row; what the objects hold at that moment is what that pass prints.
//
// Order on the pages: the report header once (on the first page, above the
// page header), the page header at the top of every page, the details once
// per row, the report footer after the last row, the page footer at the
// foot of every page. A section that does not fit in what is left of a page
// goes to the next one. A subreport's rows flow through the pages the same
// way.

#include "platform/ado/Recordset.h"
#include "platform/report/ReportObjects.h"

#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace report {

enum class SectionKind { ReportHeader, PageHeader, Details, PageFooter, ReportFooter };

class Section {
public:
    Section(QString name, SectionKind kind, double heightTwips)
        : Height(heightTwips), m_name(std::move(name)), m_kind(kind)
    {
    }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    QString Name() const { return m_name; }
    SectionKind Kind() const { return m_kind; }

    template <class T, class... Args> T* Add(Args&&... args)
    {
        auto obj = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = obj.get();
        m_objects.push_back(std::move(obj));
        return raw;
    }
    std::vector<ReportObject*> ReportObjects() const;

    double Height;
    bool Suppress = false;      // not printed while set (the format event may set it)
    bool NewPageAfter = false;  // the next section starts a new page
    std::function<void()> Format;

private:
    friend class Report;
    QString m_name;
    SectionKind m_kind;
    std::vector<std::unique_ptr<ReportObject>> m_objects;
};

// One drawing step of a laid-out page, in twips from the page's corner.
struct PageItem {
    enum Type { Text, PageNumber, Image, Drawing, Line, Box } type = Text;
    QRectF rect;
    QString name;  // of the object it comes from
    QString text;
    QFont font;
    int flags = 0;
    QImage image;
    bool sharp = false;    // the image's pixels stretched as blocks, not smoothed
    QPainterPath drawing;  // in the unit square
    double pen = 0;
    bool dashed = false;
};
struct Page {
    std::vector<PageItem> items;
};

class Report {
public:
    Report();
    virtual ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // A4 portrait, in twips; objects are placed from the margins' corner.
    static constexpr double PageWidth = 11906, PageHeight = 16838;
    double LeftMargin = 567, TopMargin = 567, RightMargin = 567, BottomMargin = 567;
    double BodyWidth() const { return PageWidth - LeftMargin - RightMargin; }

    QString Title;  // the document's name (PDF title, print job)

    Section& AddSection(SectionKind kind, const QString& name, double heightTwips);
    std::vector<Section*> Sections() const;
    Section* SectionByName(const QString& name) const;
    // The first object of that name in any section, or nullptr.
    ReportObject* Object(const QString& name) const;
    template <class T> T* ObjectAs(const QString& name) const { return dynamic_cast<T*>(Object(name)); }

    // Forgets the data of the report and of its subreports.
    void DiscardSavedData();
    // The report keeps its own copy of the rows: the recordset may be closed after.
    void SetDataSource(const ado::Recordset& rs);
    // Takes in the records of the data source; they are already copied, so it only checks there is one.
    void ReadRecords() const;
    bool HasData() const { return m_hasData; }
    long RecordCount() const { return m_rows; }

    // The current row while a section is laid out (0-based), -1 when there is none.
    long CurrentRow() const { return m_row; }
    // A column of the current row by 0-based position or by name; Empty when
    // there is no current row or no such column.
    const ado::Variant& Field(int index) const;
    const ado::Variant& Field(const QString& column) const;

    // Runs every format event and lays out the pages anew. What a page
    // prints is settled then; its fields are written and its texts fitted
    // into their boxes when the page is first wanted, so that a long report
    // shows its first page without that work for all the others.
    virtual void Layout();
    const std::vector<Page>& Pages() const;
    const Page& PageAt(int index) const;  // 0-based, within PageCount()
    int PageCount() const { return int(m_pages.size()); }

    // Draws page `index` (0-based) filling the painter's device page, which is
    // taken as A4 at the device's resolution.
    void PaintPage(QPainter& p, int index) const;
    // Every page, once and in order, onto an A4 device (a printer, a PDF): new page between pages.
    void PaintAll(QPainter& p, QPagedPaintDevice& device) const;
    // Writes the laid-out pages as PDF; false with the reason on failure.
    bool WritePdf(QIODevice& out, QString* error = nullptr) const;

private:
    class Layouter;
    friend class Layouter;
    // A text of a page still to be written (a field) and fitted into its box.
    struct PendingText {
        size_t item;
        FieldObject* field;  // null for a text object's own text
        Report* source;      // the report whose row the field reads
        long row, mainRow;   // that report's row and the main report's, as laid out
        ado::Variant value;
        TextFit fit;
    };
    void setRow(long row);
    void clearData();
    void prepareFields(const Section& s);
    void completePage(size_t index) const;

    std::vector<std::unique_ptr<Section>> m_sections;
    bool m_hasData = false;
    std::vector<ado::Variant> m_cells;  // row-major copy of the data source
    quint64 m_source = 0;               // counts the data sources, for the fields' column positions
    int m_fieldCount = 0;
    long m_rows = 0;
    QHash<QString, int> m_columns;  // name as written and lower-cased -> position
    long m_row = -1;
    mutable std::vector<Page> m_pages;
    mutable std::vector<std::vector<PendingText>> m_pending;  // by page; empty once the page is complete
};

}  // namespace report
