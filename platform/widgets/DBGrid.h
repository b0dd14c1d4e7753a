#pragma once
// The data-aware grid: one column per field of its data source's dataset, titled with
// the field's name, one row per record; rebuilt whenever the dataset opens, closes or
// changes, so it always shows what the dataset holds (no rows when it is closed).
// The current row is the dataset's current record both ways: the operator's choice
// of a row moves the dataset (a table then posts or drops its pending record).
// A default column is as wide as its title and texts need, 64 to 240 pixels.
// Column settings (Visible, Width) last until the next rebuild, as default columns do;
// a grid given its own columns (SetColumns) keeps them, and their widths, whatever the
// dataset holds.
// The grid is not edited in place.
#include <QStringList>
#include <QTableView>

class TDataSource;

namespace widgets {

class DBGridModel;

class DBGrid : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(bool rowSelect READ RowSelect WRITE setRowSelect)
public:
    explicit DBGrid(QWidget* parent = nullptr);

    TDataSource* DataSource() const { return source; }
    void SetDataSource(TDataSource* dataSource);

    int ColumnCount() const;
    bool ColumnVisible(int column) const { return !isColumnHidden(column); }
    // Hiding the current cell's column moves the current cell to the row's first shown one.
    void SetColumnVisible(int column, bool visible);
    int ColumnWidth(int column) const { return columnWidth(column); }
    void SetColumnWidth(int column, int width) { setColumnWidth(column, width); }
    // The grid's own columns: these fields, in this order, each `width` pixels wide.
    void SetColumns(const QStringList& fieldNames, int width);
    bool RowSelect() const { return selectionBehavior() == QAbstractItemView::SelectRows; }
    void setRowSelect(bool value);

signals:
    void Exit();

private:
    void Rebuild();
    int DefaultWidth(int column) const;
    void FollowCursor();
    void RowChosen(const QModelIndex& current);
    TDataSource* source = nullptr;
    DBGridModel* rows;
    int ownColumnWidth = 0;
    bool following = false;
};

} // namespace widgets
