#pragma once
// A grid of texts addressed column first, Cells[col][row], row 0 included: with one
// fixed row, row 0 is the header (written through Cells like any row) and the rows
// from 1 are the body. Row and Col are the current cell.
// Events: Click on a left press (the current cell moves first), on keyboard moves and
// on wheel moves; a double click fires DblClick, never a second Click; a right press
// leaves the current cell alone. KeyDown sees the virtual-key number first and may set
// it to 0 to stop the grid's own handling. Typed characters do nothing.
#include "platform/widgets/KeyCodes.h"

#include <QTableView>
#include <vector>

namespace widgets {

class PopupMenu;
class StringGridModel;

enum GridOption {
    goColSizing = 0x1,
    goRangeSelect = 0x2,
    goTabs = 0x4,
    goRowSelect = 0x8,
};

class StringGrid : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(int colCount READ ColCount WRITE setColCount)
    Q_PROPERTY(int rowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int fixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int fixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int defaultColWidth READ DefaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int defaultRowHeight READ DefaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int options READ Options WRITE setOptions)
public:
    explicit StringGrid(QWidget* parent = nullptr);

    class CellRef
    {
    public:
        CellRef(StringGrid* grid, int col, int row) : grid(grid), col(col), row(row) {}
        operator QString() const { return grid->Cell(col, row); }
        CellRef& operator=(const QString& text)
        {
            grid->SetCell(col, row, text);
            return *this;
        }
        CellRef& operator=(const CellRef& other) { return *this = QString(other); }
        QString Text() const { return *this; }
        bool operator==(const QString& text) const { return QString(*this) == text; }

    private:
        StringGrid* grid;
        int col, row;
    };
    class Column
    {
    public:
        Column(StringGrid* grid, int col) : grid(grid), col(col) {}
        CellRef operator[](int row) const { return CellRef(grid, col, row); }

    private:
        StringGrid* grid;
        int col;
    };
    class CellsAccess
    {
    public:
        explicit CellsAccess(StringGrid* grid) : grid(grid) {}
        Column operator[](int col) const { return Column(grid, col); }

    private:
        StringGrid* grid;
    };
    class WidthRef
    {
    public:
        WidthRef(StringGrid* grid, int col) : grid(grid), col(col) {}
        operator int() const { return grid->ColWidth(col); }
        WidthRef& operator=(int width)
        {
            grid->SetColWidth(col, width);
            return *this;
        }

    private:
        StringGrid* grid;
        int col;
    };
    class WidthsAccess
    {
    public:
        explicit WidthsAccess(StringGrid* grid) : grid(grid) {}
        WidthRef operator[](int col) const { return WidthRef(grid, col); }

    private:
        StringGrid* grid;
    };

    const CellsAccess Cells{this};
    const WidthsAccess ColWidths{this};

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    // The narrowest column whose cells show `text` whole.
    int ColWidthToShow(const QString& text) const;

    int ColCount() const;
    void setColCount(int count);
    int RowCount() const;
    void setRowCount(int count);
    int FixedRows() const { return fixedRows; }
    void setFixedRows(int count); // 0 or 1
    int FixedCols() const { return fixedCols; }
    void setFixedCols(int count); // 0 or 1
    int DefaultColWidth() const { return defaultColWidth; }
    void setDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight; }
    void setDefaultRowHeight(int height);
    int Options() const { return options; }
    void setOptions(int value);

    int Row() const;
    int Col() const;
    void SetRow(int row);
    void SetCol(int col);
    void SetPopupMenu(PopupMenu* menu) { popupMenu = menu; }

signals:
    void Click();
    void DblClick();
    void KeyDown(int& key, widgets::TShiftState shift);
    void KeyUp(int& key, widgets::TShiftState shift);
    void MouseWheelDown(bool& handled);
    void MouseWheelUp(bool& handled);
    void ContextPopup(const QPoint& pos, bool& handled);
    void Exit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyboardSearch(const QString&) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void EnsureCurrent();
    StringGridModel* cells;
    int fixedRows = 1;
    int fixedCols = 0;
    int defaultColWidth = 64;
    int defaultRowHeight = 24;
    int options = 0;
    int wheelDelta = 0;
    std::vector<int> widths;
    PopupMenu* popupMenu = nullptr;
};

} // namespace widgets
