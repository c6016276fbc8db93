#include "platform/forms/DataGrid.h"

#include "platform/ado/Recordset.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/MsgBox.h"
#include "platform/text/Text.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <cmath>
#include <vector>

namespace forms {

namespace {
constexpr int TwipsPerPixel = 15;
// The widths were laid out for a face whose digits are 5 pixels wide; ours
// are wider, and the columns grow with them so a year still fits.
constexpr double DesignDigitWidth = 5.0;
constexpr int DefaultWidthTwips = 1500;

Qt::Alignment qtAlignment(int a)
{
    switch (a) {
    case dbgRight: return Qt::AlignRight | Qt::AlignVCenter;
    case dbgCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
}  // namespace

// The recordset seen as a table. Row and column counts are taken when the
// grid binds; cells are formatted when the view asks for them.
class RecordsetModel : public QAbstractTableModel {
public:
    struct ColumnState {
        QString caption;
        int widthTwips = DefaultWidthTwips;
        int alignment = dbgLeft;
        QString format;
        bool visible = true;
        int fittedPx = 0;  // the widest caption or shown value met since the bind
    };

    using QAbstractTableModel::QAbstractTableModel;

    void bind(std::shared_ptr<ado::Recordset> rs)
    {
        beginResetModel();
        m_rs = std::move(rs);
        m_rows = liveRows();
        cols.assign(size_t(liveColumns()), ColumnState{});
        if (m_rs && m_rs->State() == 1) {
            const QStringList names = m_rs->FieldNames();
            for (size_t c = 0; c < cols.size(); ++c) cols[c].caption = names.value(int(c));
        }
        endResetModel();
    }

    // True when the recordset was closed or reopened in place since the bind.
    bool stale() const { return liveRows() != m_rows || liveColumns() != int(cols.size()); }

    // Another recordset over the very same rows: nothing on screen changes.
    void swap(std::shared_ptr<ado::Recordset> rs) { m_rs = std::move(rs); }

    // The exact count of a keyset replaced its estimate: rows come or go at
    // the end, and those read from the far end may have moved.
    void recount()
    {
        const long live = liveRows();
        if (live > m_rows) {
            beginInsertRows({}, int(m_rows), int(live) - 1);
            m_rows = live;
            endInsertRows();
        } else if (live < m_rows) {
            beginRemoveRows({}, int(live), int(m_rows) - 1);
            m_rows = live;
            endRemoveRows();
        }
        if (m_rows > 0 && !cols.empty()) emit dataChanged(index(0, 0), index(int(m_rows) - 1, int(cols.size()) - 1));
    }

    const std::shared_ptr<ado::Recordset>& recordset() const { return m_rs; }

    QString displayText(int row, int col) const
    {
        if (!m_rs || m_rs->State() != 1 || row < 0 || row >= m_rs->RecordCount() || col < 0 || col >= m_rs->FieldCount()
            || size_t(col) >= cols.size())
            return {};
        const ado::Variant& v = m_rs->at(row, col);
        if (v.isNull() || v.isEmpty()) return {};
        const QString& pattern = cols[size_t(col)].format;
        if (!pattern.isEmpty()) {
            // A value the pattern cannot take (a text in a number column) shows as it is.
            try {
                return text::Format(v, pattern);
            } catch (const platform::Error&) {
            }
        }
        try {
            return text::CStr(v);
        } catch (const platform::Error&) {
            return {};
        }
    }

    void columnChanged(int col)
    {
        emit headerDataChanged(Qt::Horizontal, col, col);
        if (m_rows > 0)
            emit dataChanged(index(0, col), index(int(m_rows) - 1, col), {Qt::DisplayRole, Qt::TextAlignmentRole});
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(cols.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return displayText(index.row(), index.column());
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(qtAlignment(cols[size_t(index.column())].alignment));
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || size_t(section) >= cols.size()) return {};
        if (role == Qt::DisplayRole) return cols[size_t(section)].caption;
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(qtAlignment(cols[size_t(section)].alignment));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    std::vector<ColumnState> cols;

private:
    long liveRows() const { return m_rs && m_rs->State() == 1 ? m_rs->RecordCount() : 0; }
    int liveColumns() const { return m_rs && m_rs->State() == 1 ? m_rs->FieldCount() : 0; }

    std::shared_ptr<ado::Recordset> m_rs;
    long m_rows = 0;
};

// --- DataGrid

double DataGrid::pixelScale() const
{
    return std::max(1.0, fontMetrics().horizontalAdvance(QLatin1Char('0')) / DesignDigitWidth);
}

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_model(new RecordsetModel(this))
{
    // Widths come in twips laid out for an 8-point face; a larger one cuts
    // years and amounts short.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);  // Tab leaves the grid, as in every other control
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        // A width the user drags; hiding a column reports 0 and must not count.
        if (!m_applying && size > 0 && size_t(col) < m_model->cols.size() && !isColumnHidden(col))
            m_model->cols[size_t(col)].widthTwips = int(std::lround(size * TwipsPerPixel / pixelScale()));
    });
}

DataGrid::~DataGrid()
{
    if (m_watched) m_watched->Unwatch(m_watchId);
}

void DataGrid::setDataSource(DataControl* source)
{
    if (m_source) disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) connect(source, &DataControl::refreshed, this, &DataGrid::rebind);
    rebind();
}

void DataGrid::rebind()
{
    std::shared_ptr<ado::Recordset> rs = m_source ? m_source->Recordset : nullptr;
    const auto& bound = m_model->recordset();
    if (rs && bound && rs != bound && rs->SameRows(*bound) && !m_model->stale()) {
        // The same rows read again (nothing changed since): the layout and the
        // scroll stay; only the selection starts over, as after a new query.
        m_model->swap(rs);
        watch(rs);
        m_selectionFromOldRows = true;
        QMetaObject::invokeMethod(
            this, [this] { settleSelection(); }, Qt::QueuedConnection);
        syncFromRecordset(false);
        return;
    }
    m_selectionFromOldRows = false;
    m_syncing = true;
    m_model->bind(rs);
    m_syncing = false;
    watch(rs);
    for (int c = 0; c < ColumnCount(); ++c) applyColumn(c);
    syncFromRecordset(true);
}

void DataGrid::settleSelection()
{
    if (!m_selectionFromOldRows) return;
    m_selectionFromOldRows = false;
    selectionModel()->clearSelection();
}

// The recordset says when code moves it; the grid catches up once the
// handler that moved it is done.
void DataGrid::watch(const std::shared_ptr<ado::Recordset>& rs)
{
    if (m_watched == rs) return;
    if (m_watched) m_watched->Unwatch(m_watchId);
    m_watched = rs;
    m_watchId = rs ? rs->Watch([this](ado::Recordset::Change c) { recordsetChanged(int(c)); }) : 0;
}

void DataGrid::recordsetChanged(int change)
{
    if (change == int(ado::Recordset::Change::Counted) && m_watched
        && m_model->cols.size() == size_t(m_watched->FieldCount())) {
        m_model->recount();
        queueFit();
        tellFailure();
    }
    if (m_syncQueued) return;
    m_syncQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_syncQueued = false;
            syncFromRecordset(true);
        },
        Qt::QueuedConnection);
}

int DataGrid::ColumnCount() const { return int(m_model->cols.size()); }

void DataGrid::checkColumn(int col) const
{
    if (col < 0 || col >= ColumnCount()) throw platform::RuntimeError(platform::ErrSubscript);
}

Column DataGrid::Columns(int index)
{
    checkColumn(index);
    return Column(this, index);
}

void DataGrid::applyColumn(int col)
{
    const auto& s = m_model->cols[size_t(col)];
    const bool hidden = !s.visible || s.widthTwips <= 0;
    m_applying = true;
    setColumnHidden(col, hidden);
    if (!hidden) horizontalHeader()->resizeSection(col, neededWidth(col));
    m_applying = false;
    updateGeometry();
    if (!hidden) queueFit();
    // The current cell must not sit in a column the user cannot see.
    QModelIndex cur = currentIndex();
    if (hidden && cur.isValid() && cur.column() == col) {
        m_syncing = true;
        selectionModel()->setCurrentIndex(m_model->index(cur.row(), firstVisibleColumn()),
                                          QItemSelectionModel::NoUpdate);
        m_syncing = false;
    }
}

int DataGrid::firstVisibleColumn() const
{
    for (int c = 0; c < ColumnCount(); ++c)
        if (!isColumnHidden(c)) return c;
    return 0;
}

int DataGrid::neededWidth(int col) const
{
    const auto& s = m_model->cols[size_t(col)];
    const int documented = std::max(1, int(std::lround(s.widthTwips / double(TwipsPerPixel) * pixelScale())));
    QHeaderView* h = horizontalHeader();
    QStyleOptionHeader opt;
    opt.initFrom(h);
    opt.section = col;
    opt.text = s.caption;
    opt.textAlignment = qtAlignment(s.alignment);
    const int caption =
        s.caption.isEmpty() ? 0 : h->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), h).width();
    return std::max({documented, caption, s.fittedPx});
}

void DataGrid::queueFit()
{
    if (m_fitQueued) return;
    m_fitQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_fitQueued = false;
            fitColumns();
        },
        Qt::QueuedConnection);
}

// Which rows are on screen is known once the grid shows; a column keeps the
// widest value met since the bind, so scrolling never narrows it again.
void DataGrid::fitColumns()
{
    if (!isVisible() || m_model->rowCount() == 0) return;
    const int top = rowAt(0);
    if (top < 0) return;
    int bottom = rowAt(viewport()->height() - 1);
    if (bottom < 0) bottom = m_model->rowCount() - 1;
    QStyleOptionViewItem opt;
    initViewItemOption(&opt);
    const int gridLine = showGrid() ? 1 : 0;
    for (int c = 0; c < ColumnCount(); ++c) {
        if (isColumnHidden(c)) continue;
        auto& s = m_model->cols[size_t(c)];
        for (int r = top; r <= bottom; ++r) {
            const QModelIndex i = m_model->index(r, c);
            s.fittedPx = std::max(s.fittedPx, itemDelegate()->sizeHint(opt, i).width() + gridLine);
        }
        const int want = neededWidth(c);
        if (horizontalHeader()->sectionSize(c) < want) {
            m_applying = true;
            horizontalHeader()->resizeSection(c, want);
            m_applying = false;
            updateGeometry();
        }
    }
}

QSize DataGrid::sizeHint() const
{
    // A list of many columns scrolls sideways within its window rather than
    // asking for more than a screen.
    constexpr int kWidest = 960;
    int columns = 0;
    for (int c = 0; c < ColumnCount(); ++c)
        if (!isColumnHidden(c)) columns += horizontalHeader()->sectionSize(c);
    const int width = columns + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    return QSize(std::min(kWidest, std::max(width, QTableView::sizeHint().width())), QTableView::sizeHint().height());
}

void DataGrid::resizeEvent(QResizeEvent* e)
{
    QTableView::resizeEvent(e);
    queueFit();
}

void DataGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dy != 0) queueFit();
}

int DataGrid::currentRecordRow() const
{
    const auto& rs = m_model->recordset();
    if (!rs || rs->State() != 1 || rs->Eof() || rs->Bof()) return -1;
    const long row = rs->Bookmark() - 1;
    return row >= 0 && row < m_model->rowCount() ? int(row) : -1;
}

void DataGrid::syncFromRecordset(bool scroll)
{
    if (m_model->stale()) {
        // Reopened in place: same columns keep their layout.
        auto saved = m_model->cols;
        m_syncing = true;
        m_model->bind(m_model->recordset());
        if (saved.size() == m_model->cols.size()) m_model->cols = saved;
        m_syncing = false;
        for (int c = 0; c < ColumnCount(); ++c) applyColumn(c);
    }
    const int row = currentRecordRow();
    const QModelIndex cur = currentIndex();
    if (row < 0) {
        if (cur.isValid()) {
            m_syncing = true;
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            m_syncing = false;
        }
        return;
    }
    if (cur.isValid() && cur.row() == row) return;
    const QModelIndex idx = m_model->index(row, cur.isValid() ? cur.column() : firstVisibleColumn());
    m_syncing = true;
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::NoUpdate);
    m_syncing = false;
    if (scroll) scrollTo(idx);
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid()) return;
    m_selectionFromOldRows = false;  // the user's own choice now
    const auto& rs = m_model->recordset();
    if (rs && rs->State() == 1 && current.row() < rs->RecordCount()) rs->setBookmark(current.row() + 1);
    const ado::Variant lastRow = previous.isValid() ? ado::Variant(long(previous.row() + 1)) : ado::Variant();
    emit RowColChange(lastRow, previous.isValid() ? previous.column() : -1);
}

QModelIndex DataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Home and End go to the first and last record, not the first and last column.
    if ((action == MoveHome || action == MoveEnd) && m_model->rowCount() > 0) {
        const QModelIndex cur = currentIndex();
        const int col = cur.isValid() ? cur.column() : firstVisibleColumn();
        return m_model->index(action == MoveHome ? 0 : m_model->rowCount() - 1, col);
    }
    return QTableView::moveCursor(action, modifiers);
}

bool DataGrid::event(QEvent* e)
{
    // The recordset may have been moved in code since the grid last looked:
    // catch up before the user's key acts on the current row.
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::FocusIn: syncFromRecordset(true); break;
    case QEvent::Show:
        syncFromRecordset(true);
        queueFit();
        break;
    default: break;
    }
    return QTableView::event(e);
}

bool DataGrid::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) syncFromRecordset(false);
    return QTableView::viewportEvent(e);
}

// Rows that could not be read are gone from the grid; the clerk hears why
// once, not once per row.
void DataGrid::tellFailure()
{
    const ado::AdoError* failure = m_watched ? m_watched->Failure() : nullptr;
    if (!failure || failure == m_failureTold) return;
    m_failureTold = failure;
    const ado::AdoError shown = *failure;
    QMetaObject::invokeMethod(
        this, [shown] { ShowError(shown.Number, shown.Description); }, Qt::QueuedConnection);
}

QString DataGrid::Text(int column)
{
    checkColumn(column);
    const int row = currentRecordRow();
    const QString text = m_model->displayText(row, column);
    // A row that could not be read gives no texts to act on.
    const auto& rs = m_model->recordset();
    if (const ado::AdoError* failure = rs ? rs->Failure() : nullptr;
        failure && row >= 0 && rs->State() == 1 && row >= rs->RecordCount())
        throw *failure;
    return text;
}

double DataGrid::Numero(int column)
{
    const QString s = Text(column);
    return text::IsNumeric(s) ? text::CDbl(s) : 0.0;
}

long DataGrid::Row() { return currentRecordRow(); }

void DataGrid::setRow(long row)
{
    const auto& rs = m_model->recordset();
    if (!rs || row < 0 || row >= m_model->rowCount()) throw platform::RuntimeError(platform::ErrInvalidCall);
    rs->setBookmark(row + 1);
    syncFromRecordset(true);
}

ado::Variant DataGrid::Bookmark()
{
    const int row = currentRecordRow();
    return row < 0 ? ado::Variant() : ado::Variant(long(row + 1));
}

// --- Column

QString Column::Caption() const { return m_grid->m_model->cols[size_t(m_col)].caption; }

void Column::setCaption(const QString& caption)
{
    auto& s = m_grid->m_model->cols[size_t(m_col)];
    if (s.caption == caption) return;
    s.caption = caption;
    m_grid->m_model->columnChanged(m_col);
    m_grid->applyColumn(m_col);  // a longer caption widens the column
}

int Column::Width() const { return std::max(0, m_grid->m_model->cols[size_t(m_col)].widthTwips); }

void Column::setWidth(int twips)
{
    auto& s = m_grid->m_model->cols[size_t(m_col)];
    if (s.widthTwips == std::max(0, twips)) return;
    s.widthTwips = std::max(0, twips);
    m_grid->applyColumn(m_col);
}

int Column::Alignment() const { return m_grid->m_model->cols[size_t(m_col)].alignment; }

void Column::setAlignment(int alignment)
{
    if (m_grid->m_model->cols[size_t(m_col)].alignment == alignment) return;
    m_grid->m_model->cols[size_t(m_col)].alignment = alignment;
    m_grid->m_model->columnChanged(m_col);
}

QString Column::NumberFormat() const { return m_grid->m_model->cols[size_t(m_col)].format; }

void Column::setNumberFormat(const QString& pattern)
{
    auto& s = m_grid->m_model->cols[size_t(m_col)];
    if (s.format == pattern) return;
    s.format = pattern;
    s.fittedPx = 0;  // the values show otherwise now
    m_grid->m_model->columnChanged(m_col);
    m_grid->applyColumn(m_col);
}

bool Column::Visible() const { return m_grid->m_model->cols[size_t(m_col)].visible; }

void Column::setVisible(bool visible)
{
    if (m_grid->m_model->cols[size_t(m_col)].visible == visible) return;
    m_grid->m_model->cols[size_t(m_col)].visible = visible;
    m_grid->applyColumn(m_col);
}

QString Column::Text() const { return m_grid->Text(m_col); }

// --- SelBookmarksList

void SelBookmarksList::Add(long bookmark)
{
    if (bookmark < 1 || bookmark > m_grid->m_model->rowCount()) throw platform::RuntimeError(platform::ErrInvalidCall);
    if (m_grid->m_selectionFromOldRows) {
        m_grid->m_selectionFromOldRows = false;
        const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
        if (rows.size() != 1 || rows[0].row() != int(bookmark - 1)) m_grid->selectionModel()->clearSelection();
    }
    m_grid->selectionModel()->select(m_grid->m_model->index(int(bookmark - 1), 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

long SelBookmarksList::Count() const
{
    m_grid->settleSelection();
    return long(m_grid->selectionModel()->selectedRows().size());
}

long SelBookmarksList::Item(int index) const
{
    m_grid->settleSelection();
    QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    if (index < 0 || index >= rows.size()) throw platform::RuntimeError(platform::ErrSubscript);
    std::vector<int> sorted;
    for (const QModelIndex& i : rows) sorted.push_back(i.row());
    std::sort(sorted.begin(), sorted.end());
    return sorted[size_t(index)] + 1;
}

void SelBookmarksList::Clear()
{
    m_grid->m_selectionFromOldRows = false;
    m_grid->selectionModel()->clearSelection();
}

}  // namespace forms
