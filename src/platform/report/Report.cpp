#include "platform/report/Report.h"

#include "platform/text/Text.h"

namespace report {
namespace {

const ado::Variant& emptyValue()
{
    static const ado::Variant v;
    return v;
}

}  // namespace

TextObject::TextObject(QString name, QRectF twips, QString text, ObjectKind kind)
    : ReportObject(kind, std::move(name), twips), m_text(std::move(text)), m_font(QStringLiteral("DejaVu Sans"), 9)
{
    // No ligatures: "fi" must stay two letters for whoever reads the PDF's text.
    m_font.setStyleStrategy(QFont::PreferNoShaping);
}

FieldObject::FieldObject(QString name, QRectF twips, QString column, Formatter format)
    : TextObject(std::move(name), twips, {}, ObjectKind::Field), m_column(std::move(column)),
      m_format(std::move(format))
{
}

QString FieldObject::FormattedText() const { return m_format ? m_format(m_value) : text::CStr(m_value); }

QString PageNumberObject::TextFor(int page, int pages)
{
    return QStringLiteral("Página %1 de %2").arg(page).arg(pages);
}

SubreportObject::SubreportObject(QString name, QRectF twips, std::unique_ptr<Report> subreport)
    : ReportObject(ObjectKind::Subreport, std::move(name), twips), m_report(std::move(subreport))
{
}

SubreportObject::~SubreportObject() = default;

std::vector<ReportObject*> Section::ReportObjects() const
{
    std::vector<ReportObject*> all;
    all.reserve(m_objects.size());
    for (const auto& o : m_objects) all.push_back(o.get());
    return all;
}

Report::Report() = default;
Report::~Report() = default;

Section& Report::AddSection(SectionKind kind, const QString& name, double heightTwips)
{
    m_sections.push_back(std::make_unique<Section>(name, kind, heightTwips));
    return *m_sections.back();
}

std::vector<Section*> Report::Sections() const
{
    std::vector<Section*> all;
    for (const auto& s : m_sections) all.push_back(s.get());
    return all;
}

Section* Report::SectionByName(const QString& name) const
{
    for (const auto& s : m_sections)
        if (s->Name().compare(name, Qt::CaseInsensitive) == 0) return s.get();
    return nullptr;
}

ReportObject* Report::Object(const QString& name) const
{
    for (const auto& s : m_sections)
        for (ReportObject* o : s->ReportObjects())
            if (o->Name().compare(name, Qt::CaseInsensitive) == 0) return o;
    return nullptr;
}

void Report::DiscardSavedData()
{
    clearData();
    m_pages.clear();
    m_pending.clear();
    for (const auto& s : m_sections)
        for (ReportObject* o : s->ReportObjects())
            if (auto* sub = dynamic_cast<SubreportObject*>(o)) sub->OpenSubreport().DiscardSavedData();
}

void Report::clearData()
{
    m_hasData = false;
    ++m_source;
    m_cells.clear();
    m_fieldCount = 0;
    m_rows = 0;
    m_columns.clear();
    m_row = -1;
}

void Report::SetDataSource(const ado::Recordset& rs)
{
    // Pages still to be written would read the new rows: they go with the old ones.
    m_pages.clear();
    m_pending.clear();
    clearData();
    if (rs.State() != 1) return;
    const QStringList names = rs.FieldNames();
    for (int i = 0; i < names.size(); ++i)
        if (!m_columns.contains(names[i].toLower())) m_columns.insert(names[i].toLower(), i);
    // The names as written too: the format events ask for them row after row.
    for (const QString& n : names)
        if (!m_columns.contains(n)) m_columns.insert(n, m_columns.value(n.toLower()));
    m_fieldCount = int(names.size());
    m_rows = rs.RecordCount();
    m_cells.reserve(size_t(m_rows) * size_t(m_fieldCount));
    for (long r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_fieldCount; ++c) m_cells.push_back(rs.at(r, c));
    m_hasData = true;
}

void Report::ReadRecords() const {}

const ado::Variant& Report::Field(int index) const
{
    if (m_row < 0 || m_row >= m_rows || index < 0 || index >= m_fieldCount) return emptyValue();
    return m_cells[size_t(m_row) * size_t(m_fieldCount) + size_t(index)];
}

const ado::Variant& Report::Field(const QString& column) const
{
    auto it = m_columns.constFind(column);
    if (it == m_columns.constEnd()) it = m_columns.constFind(column.toLower());
    return it == m_columns.constEnd() ? emptyValue() : Field(it.value());
}

void Report::setRow(long row) { m_row = (row >= 0 && row < RecordCount()) ? row : -1; }

void Report::prepareFields(const Section& s)
{
    for (const auto& o : s.m_objects) {
        if (o->Kind() != ObjectKind::Field) continue;
        auto* f = static_cast<FieldObject*>(o.get());
        // The column is looked up by name once for each data source.
        if (f->m_positionOf != m_source) {
            auto it = m_columns.constFind(f->m_column);
            if (it == m_columns.constEnd()) it = m_columns.constFind(f->m_column.toLower());
            f->m_position = it == m_columns.constEnd() ? -1 : it.value();
            f->m_positionOf = m_source;
        }
        f->m_value = Field(f->m_position);
    }
}

// Walks the sections in page order, raising the format events and
// collecting what each pass prints.
class Report::Layouter {
public:
    explicit Layouter(Report& main) : m_main(main) {}

    std::vector<Page> run()
    {
        double footers = 0;
        for (Section* s : sectionsOf(m_main, SectionKind::PageFooter)) footers += s->Height;
        m_bottom = Report::PageHeight - m_main.BottomMargin - footers;
        m_lastMainRow = m_main.RecordCount() > 0 ? 0 : -1;

        newPage();
        // The first page: the report header above the page header.
        for (Section* s : sectionsOf(m_main, SectionKind::ReportHeader)) place(m_main, *s, 0, m_lastMainRow);
        pageHeaders(m_lastMainRow);
        for (long r = 0; r < m_main.RecordCount(); ++r)
            for (Section* s : sectionsOf(m_main, SectionKind::Details)) place(m_main, *s, 0, r);
        for (Section* s : sectionsOf(m_main, SectionKind::ReportFooter)) place(m_main, *s, 0, m_main.RecordCount() - 1);
        pageFooters();
        m_main.setRow(-1);
        m_main.m_pending = std::move(m_pending);
        return std::move(m_pages);
    }

private:
    static std::vector<Section*> sectionsOf(const Report& r, SectionKind kind)
    {
        std::vector<Section*> list;
        for (Section* s : r.Sections())
            if (s->Kind() == kind) list.push_back(s);
        return list;
    }

    static void format(Report& r, Section& s, long row)
    {
        r.setRow(row);
        r.prepareFields(s);
        if (s.Format) s.Format();
    }

    void newPage()
    {
        m_pages.emplace_back();
        m_pending.emplace_back();
        m_y = m_main.TopMargin;
        m_bodyTop = m_y;
    }

    void pageHeaders(long row)
    {
        for (Section* s : sectionsOf(m_main, SectionKind::PageHeader)) {
            format(m_main, *s, row);
            if (s->Suppress) continue;
            putSection(m_main, *s, 0, m_y, s->Height);
            m_y += s->Height;
        }
        m_bodyTop = m_y;
    }

    void pageFooters()
    {
        double y = m_bottom;
        for (Section* s : sectionsOf(m_main, SectionKind::PageFooter)) {
            format(m_main, *s, m_lastMainRow);
            if (s->Suppress) continue;
            putSection(m_main, *s, 0, y, s->Height);
            y += s->Height;
        }
    }

    void breakPage(long row)
    {
        pageFooters();
        newPage();
        pageHeaders(row);
    }

    void place(Report& r, Section& s, double x0, long row)
    {
        format(r, s, row);
        if (s.Suppress) return;
        // A new page's header is formatted with the main report's row that opens it.
        const long headerRow = (&r == &m_main && row >= 0) ? row : m_lastMainRow;
        if (m_pendingBreak) {
            m_pendingBreak = false;
            breakPage(headerRow);
        }
        SubreportObject* sub = nullptr;
        for (const auto& o : s.m_objects)
            if (o->Kind() == ObjectKind::Subreport && !o->Suppress) sub = static_cast<SubreportObject*>(o.get());
        const double h = sub ? sub->Top() : s.Height;
        if (m_y + h > m_bottom && m_y > m_bodyTop) breakPage(headerRow);
        if (&r == &m_main && row >= 0) m_lastMainRow = row;
        r.setRow(row);
        putSection(r, s, x0, m_y, h);
        m_y += h;
        if (sub) {
            flow(sub->OpenSubreport(), x0 + sub->Left());
            m_y += std::max(0.0, s.Height - sub->Rect().bottom());
        }
        if (s.NewPageAfter) m_pendingBreak = true;
    }

    void flow(Report& r, double x0)
    {
        const long n = r.RecordCount();
        for (Section* s : sectionsOf(r, SectionKind::ReportHeader)) place(r, *s, x0, n > 0 ? 0 : -1);
        for (long i = 0; i < n; ++i)
            for (Section* s : sectionsOf(r, SectionKind::Details)) place(r, *s, x0, i);
        for (Section* s : sectionsOf(r, SectionKind::ReportFooter)) place(r, *s, x0, n - 1);
        r.setRow(-1);
    }

    // What the section's objects hold now, from height 0 to `height`, at y on the current page.
    void putSection(Report& r, const Section& s, double x0, double y, double height)
    {
        Page& page = m_pages.back();
        std::vector<PendingText>& pending = m_pending.back();
        for (const auto& object : s.m_objects) {
            ReportObject* o = object.get();
            if (o->Suppress || o->Kind() == ObjectKind::Subreport || o->Top() >= height) continue;
            PageItem item;
            item.rect = o->Rect().translated(m_main.LeftMargin + x0, y);
            item.name = o->Name();
            switch (o->Kind()) {
            case ObjectKind::Text:
            case ObjectKind::Field:
            case ObjectKind::PageNumber: {
                auto* t = static_cast<TextObject*>(o);
                item.type = o->Kind() == ObjectKind::PageNumber ? PageItem::PageNumber : PageItem::Text;
                item.font = t->Font();
                item.flags = int(t->Alignment);
                if (item.type == PageItem::PageNumber) break;
                if (o->Kind() == ObjectKind::Field) {
                    auto* f = static_cast<FieldObject*>(o);
                    pending.push_back({page.items.size(), f, &r, r.m_row, m_main.m_row, f->m_value, t->Fit});
                } else {
                    item.text = t->Text();
                    if (item.text.isEmpty()) continue;
                    pending.push_back({page.items.size(), nullptr, &r, r.m_row, m_main.m_row, {}, t->Fit});
                }
                break;
            }
            case ObjectKind::Picture: {
                auto* p = static_cast<PictureObject*>(o);
                if (!p->HasPicture()) continue;
                if (!p->Drawing().isEmpty()) {
                    item.type = PageItem::Drawing;
                    item.drawing = p->Drawing();
                } else {
                    item.type = PageItem::Image;
                    item.image = p->Image();
                    item.sharp = p->ImageScaling() == Scaling::Sharp;
                }
                break;
            }
            case ObjectKind::Line:
                item.type = PageItem::Line;
                item.pen = static_cast<LineObject*>(o)->PenWidth;
                item.dashed = static_cast<LineObject*>(o)->Dashed;
                break;
            case ObjectKind::Box:
                item.type = PageItem::Box;
                item.pen = static_cast<BoxObject*>(o)->PenWidth;
                break;
            case ObjectKind::Subreport: continue;
            }
            page.items.push_back(std::move(item));
        }
    }

    Report& m_main;
    std::vector<Page> m_pages;
    std::vector<std::vector<PendingText>> m_pending;
    double m_y = 0, m_bodyTop = 0, m_bottom = 0;
    long m_lastMainRow = -1;
    bool m_pendingBreak = false;
};

void Report::Layout()
{
    m_pages.clear();
    m_pending.clear();
    m_pages = Layouter(*this).run();
}

void Report::completePage(size_t index) const
{
    std::vector<PendingText>& pending = m_pending[index];
    if (pending.empty()) return;
    Page& page = m_pages[index];
    // The rows of the layout, for the formatters that read other fields.
    Report& main = const_cast<Report&>(*this);
    const long keptMain = main.m_row;
    for (PendingText& t : pending) {
        PageItem& item = page.items[t.item];
        if (t.field) {
            const long keptRow = t.source->m_row;
            main.m_row = t.mainRow;
            t.source->m_row = t.row;
            std::swap(t.field->m_value, t.value);
            item.text = t.field->FormattedText();
            std::swap(t.field->m_value, t.value);
            t.source->m_row = keptRow;
            main.m_row = keptMain;
            if (item.text.isEmpty()) continue;
        }
        FittedText fitted = FitText(item.text, item.font, item.rect.size(), t.fit);
        item.text = std::move(fitted.text);
        item.font = std::move(fitted.font);
    }
    // A field that came out empty prints nothing.
    std::erase_if(page.items, [](const PageItem& i) { return i.type == PageItem::Text && i.text.isEmpty(); });
    pending.clear();
    pending.shrink_to_fit();
}

const Page& Report::PageAt(int index) const
{
    completePage(size_t(index));
    return m_pages[size_t(index)];
}

const std::vector<Page>& Report::Pages() const
{
    for (size_t i = 0; i < m_pages.size(); ++i) completePage(i);
    return m_pages;
}

}  // namespace report
