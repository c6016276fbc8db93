#pragma once
// A read-only grid bound to a DataControl: one row per record of its
// recordset, whole rows selected one at a time. The grid's current row and
// the recordset's current record follow each other: moving the recordset
// in code moves the grid, and a click or a cursor key moves the recordset.
// Cells are read from the recordset when they are painted, so a grid of a
// hundred thousand rows costs no more than one of ten. A column is never
// narrower than its caption nor than the widest value of the rows on
// screen; the width the window gives it is the least it gets.

#include "platform/ado/Variant.h"
#include "platform/forms/DataControl.h"

#include <QPointer>
#include <QTableView>
#include <memory>

namespace ado {
class AdoError;
class Recordset;
}  // namespace ado

namespace forms {

class DataGrid;
class RecordsetModel;

enum AlignmentConstants { dbgLeft = 0, dbgRight = 1, dbgCenter = 2 };

// A handle to one column (0-based position), valid until the next rebind.
class Column {
public:
    QString Caption() const;
    void setCaption(const QString& caption);
    // In twips (15 per pixel). 0 hides the column; a later width above 0 shows it again.
    int Width() const;
    void setWidth(int twips);
    int Alignment() const;
    void setAlignment(int alignment);
    // A Format() pattern for the cells; empty shows the value as CStr gives it.
    QString NumberFormat() const;
    void setNumberFormat(const QString& pattern);
    bool Visible() const;
    void setVisible(bool visible);
    int ColIndex() const { return m_col; }
    QString Text() const;  // the current row's displayed text

private:
    friend class DataGrid;
    Column(DataGrid* grid, int col) : m_grid(grid), m_col(col) {}
    DataGrid* m_grid;
    int m_col;
};

// The rows shown selected, by bookmark (1-based record position).
class SelBookmarksList {
public:
    void Add(long bookmark);  // error 5 for a bookmark outside the records
    long Count() const;
    long Item(int index) const;  // 0-based, in row order; error 9 outside 0..Count-1
    long operator[](int index) const { return Item(index); }
    void Clear();

private:
    friend class DataGrid;
    explicit SelBookmarksList(DataGrid* grid) : m_grid(grid) {}
    DataGrid* m_grid;
};

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Binds the grid to the data control's recordset now and after each of its Refresh.
    void setDataSource(DataControl* source);
    DataControl* DataSource() const { return m_source; }

    int ColumnCount() const;
    Column Columns(int index);  // error 9 outside 0..ColumnCount-1

    // The current row's displayed text of a column ("" without a current row).
    QString Text(int column);
    // That text as a number, 0 when it is none (an empty cell, say).
    double Numero(int column);
    // 0-based current row, -1 when there is none; setRow moves the recordset.
    long Row();
    void setRow(long row);
    // The current row's bookmark; Empty when there is no current row.
    ado::Variant Bookmark();

    SelBookmarksList SelBookmarks() { return SelBookmarksList(this); }

    // Wide enough for every shown column, so a window laid out on it shows them whole.
    QSize sizeHint() const override;

signals:
    // The user moved to another cell (click or key). lastRow is the bookmark
    // of the row left (Empty when there was none), lastCol its column.
    void RowColChange(const ado::Variant& lastRow, int lastCol);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double pixelScale() const;  // pixels per design pixel
    friend class Column;
    friend class SelBookmarksList;
    void rebind();
    void watch(const std::shared_ptr<ado::Recordset>& rs);
    void recordsetChanged(int change);
    void checkColumn(int col) const;
    void applyColumn(int col);
    // Widens the shown columns to their captions and the rows on screen.
    void fitColumns();
    void queueFit();
    int neededWidth(int col) const;
    int currentRecordRow() const;  // -1 without a current record
    // Puts the grid's current row where the recordset is, without raising RowColChange.
    void syncFromRecordset(bool scroll);
    int firstVisibleColumn() const;

    QPointer<DataControl> m_source;
    RecordsetModel* m_model;
    std::shared_ptr<ado::Recordset> m_watched;
    int m_watchId = 0;
    bool m_syncing = false;
    bool m_syncQueued = false;
    bool m_fitQueued = false;
    // After a rebind on the same rows the selection counts as cleared, but
    // stays on screen until the window selects again: the same row selected
    // again repaints nothing.
    bool m_selectionFromOldRows = false;
    void settleSelection();
    bool m_applying = false;
    void tellFailure();
    const ado::AdoError* m_failureTold = nullptr;
};

}  // namespace forms
