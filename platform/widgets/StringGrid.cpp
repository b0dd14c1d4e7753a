#include "platform/widgets/StringGrid.h"

#include "platform/widgets/PopupMenu.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

namespace widgets {

namespace {

// A cell's text as a Windows grid draws it: two pixels from the cell's left edge and cut
// at its right edge, never shortened with an ellipsis, so a date in a column sized for it
// shows whole.
class GridCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (cell.state & QStyle::State_Active) ? QPalette::Active
                                                                                 : QPalette::Inactive;
        const QPalette::ColorRole role =
            (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setClipRect(cell.rect);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(group, role));
        painter->drawText(cell.rect.adjusted(2, 0, 0, 0), int(cell.displayAlignment) | Qt::TextSingleLine,
                          text);
        painter->restore();
    }
};

} // namespace

// Every cell of the grid, fixed ones included; the view shows the body, the headers
// the fixed row and column.
class StringGridModel : public QAbstractTableModel
{
public:
    explicit StringGridModel(StringGrid* grid) : QAbstractTableModel(grid), grid(grid) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : qMax(0, rows - grid->FixedRows());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : qMax(0, cols - grid->FixedCols());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return Cell(index.column() + grid->FixedCols(), index.row() + grid->FixedRows());
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return QVariant();
        if (orientation == Qt::Horizontal)
            return grid->FixedRows() ? Cell(section + grid->FixedCols(), 0) : QString();
        return grid->FixedCols() ? Cell(0, section + grid->FixedRows()) : QString();
    }
    Qt::ItemFlags flags(const QModelIndex&) const override
    {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    QString Cell(int col, int row) const
    {
        if (col < 0 || row < 0 || col >= cols || row >= rows)
            return QString();
        return cells[size_t(col)][size_t(row)];
    }
    void SetCell(int col, int row, const QString& text)
    {
        if (col < 0 || row < 0 || col >= cols || row >= rows)
            return;
        cells[size_t(col)][size_t(row)] = text;
        const int vr = row - grid->FixedRows();
        const int vc = col - grid->FixedCols();
        if (vr < 0 && vc >= 0)
            emit headerDataChanged(Qt::Horizontal, vc, vc);
        else if (vc < 0 && vr >= 0)
            emit headerDataChanged(Qt::Vertical, vr, vr);
        else if (vr >= 0 && vc >= 0)
            emit dataChanged(index(vr, vc), index(vr, vc));
    }
    void Resize(int newCols, int newRows)
    {
        beginResetModel();
        cols = qMax(0, newCols);
        rows = qMax(0, newRows);
        cells.resize(size_t(cols));
        for (auto& column : cells)
            column.resize(size_t(rows));
        endResetModel();
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

    int cols = 5;
    int rows = 5;

private:
    StringGrid* grid;
    std::vector<std::vector<QString>> cells = std::vector<std::vector<QString>>(5, std::vector<QString>(5));
};

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), cells(new StringGridModel(this))
{
    setModel(cells);
    setItemDelegate(new GridCellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    setTabKeyNavigation(false);
    widths.assign(5, defaultColWidth);
    setOptions(0);
    Layout();
}

QString StringGrid::Cell(int col, int row) const
{
    return cells->Cell(col, row);
}

void StringGrid::SetCell(int col, int row, const QString& text)
{
    cells->SetCell(col, row, text);
}

int StringGrid::ColWidth(int col) const
{
    if (col < 0 || col >= ColCount())
        return 0;
    if (col < fixedCols)
        return verticalHeader()->width();
    return horizontalHeader()->sectionSize(col - fixedCols);
}

void StringGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= ColCount())
        return;
    widths[size_t(col)] = width;
    if (col < fixedCols)
        verticalHeader()->setFixedWidth(width);
    else
        horizontalHeader()->resizeSection(col - fixedCols, width);
}

int StringGrid::ColWidthToShow(const QString& text) const
{
    // The cell's text starts two pixels in; the grid line takes the column's last pixel.
    return 2 + fontMetrics().horizontalAdvance(text) + (showGrid() ? 1 : 0);
}

int StringGrid::ColCount() const
{
    return cells->cols;
}

int StringGrid::RowCount() const
{
    return cells->rows;
}

void StringGrid::setColCount(int count)
{
    const int row = Row(), col = Col();
    // Keep the widths the program or the operator gave.
    for (int c = 0; c < ColCount(); ++c)
        widths[size_t(c)] = ColWidth(c);
    widths.resize(size_t(qMax(0, count)), defaultColWidth);
    cells->Resize(count, RowCount());
    Layout();
    SetRow(row);
    SetCol(col);
}

void StringGrid::setRowCount(int count)
{
    const int row = Row(), col = Col();
    for (int c = 0; c < ColCount(); ++c)
        widths[size_t(c)] = ColWidth(c);
    cells->Resize(ColCount(), count);
    Layout();
    SetCol(col);
    SetRow(qMin(row, count - 1));
}

void StringGrid::setFixedRows(int count)
{
    fixedRows = qBound(0, count, 1);
    cells->Reset();
    Layout();
}

void StringGrid::setFixedCols(int count)
{
    fixedCols = qBound(0, count, 1);
    cells->Reset();
    Layout();
}

void StringGrid::setDefaultColWidth(int width)
{
    defaultColWidth = width;
    std::fill(widths.begin(), widths.end(), width);
    Layout();
}

void StringGrid::setDefaultRowHeight(int height)
{
    defaultRowHeight = height;
    Layout();
}

void StringGrid::setOptions(int value)
{
    options = value;
    horizontalHeader()->setSectionResizeMode((options & goColSizing) ? QHeaderView::Interactive
                                                                     : QHeaderView::Fixed);
    setSelectionMode((options & goRangeSelect) ? QAbstractItemView::ContiguousSelection
                                               : QAbstractItemView::SingleSelection);
    setSelectionBehavior((options & goRowSelect) ? QAbstractItemView::SelectRows
                                                 : QAbstractItemView::SelectItems);
    setTabKeyNavigation(options & goTabs);
}

void StringGrid::Layout()
{
    horizontalHeader()->setVisible(fixedRows > 0);
    verticalHeader()->setVisible(fixedCols > 0);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    horizontalHeader()->setFixedHeight(defaultRowHeight);
    for (int c = 0; c < ColCount(); ++c)
        SetColWidth(c, widths[size_t(c)]);
    EnsureCurrent();
}

void StringGrid::EnsureCurrent()
{
    if (!currentIndex().isValid() && cells->rowCount() > 0 && cells->columnCount() > 0)
        setCurrentIndex(cells->index(0, 0));
}

int StringGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + fixedRows : fixedRows;
}

int StringGrid::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() + fixedCols : fixedCols;
}

void StringGrid::SetRow(int row)
{
    const int r = qBound(0, row - fixedRows, cells->rowCount() - 1);
    const int c = qBound(0, Col() - fixedCols, cells->columnCount() - 1);
    if (cells->rowCount() > 0 && cells->columnCount() > 0)
        setCurrentIndex(cells->index(r, c));
}

void StringGrid::SetCol(int col)
{
    const int r = qBound(0, Row() - fixedRows, cells->rowCount() - 1);
    const int c = qBound(0, col - fixedCols, cells->columnCount() - 1);
    if (cells->rowCount() > 0 && cells->columnCount() > 0)
        setCurrentIndex(cells->index(r, c));
}

void StringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    emit Click();
}

void StringGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (options & goRangeSelect)
        QTableView::mouseMoveEvent(event);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit DblClick();
    event->accept();
}

void StringGrid::wheelEvent(QWheelEvent* event)
{
    event->accept();
    wheelDelta += event->angleDelta().y();
    while (wheelDelta >= 120 || wheelDelta <= -120) {
        const bool down = wheelDelta < 0;
        wheelDelta += down ? 120 : -120;
        bool handled = false;
        if (down)
            emit MouseWheelDown(handled);
        else
            emit MouseWheelUp(handled);
        if (handled)
            continue;
        const int before = Row();
        const int target = qBound(fixedRows, before + (down ? 1 : -1), RowCount() - 1);
        if (target != before) {
            SetRow(target);
            emit Click();
        }
    }
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    int key = VirtualKey(*event);
    emit KeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    const QModelIndex before = currentIndex();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        QTableView::keyPressEvent(event);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (options & goTabs)
            QTableView::keyPressEvent(event);
        else
            event->ignore();
        break;
    default:
        event->ignore(); // no typing into the grid; Enter and Esc go to the window
        break;
    }
    if (currentIndex() != before)
        emit Click();
}

void StringGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    int key = VirtualKey(*event);
    emit KeyUp(key, event->modifiers());
    event->accept();
}

void StringGrid::contextMenuEvent(QContextMenuEvent* event)
{
    ContextPopupOf(this, popupMenu, event);
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event)
{
    // A double click on the fixed row is a double click of the grid.
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        emit DblClick();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace widgets
