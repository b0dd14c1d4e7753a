#include "platform/widgets/DBGrid.h"

#include "platform/db/DataSource.h"
#include "platform/widgets/Handler.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace widgets {

class DBGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    TDataSet* dataSet = nullptr;
    QStringList ownColumns; // empty: one column per field

    bool Open() const { return dataSet && dataSet->Active(); }
    // The dataset's field shown in `column`, -1 for none.
    int FieldOf(int column) const
    {
        if (ownColumns.isEmpty())
            return column < dataSet->FieldCount() ? column : -1;
        TField* field = column < ownColumns.size() ? dataSet->FindField(ownColumns[column]) : nullptr;
        return field ? field->Index() : -1;
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || !Open() ? 0 : dataSet->RecordCount();
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        if (parent.isValid())
            return 0;
        if (!ownColumns.isEmpty())
            return int(ownColumns.size());
        return Open() ? dataSet->FieldCount() : 0;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !Open())
            return QVariant();
        const int field = FieldOf(index.column());
        return field < 0 ? QVariant() : QVariant(dataSet->RowText(index.row(), field));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return QVariant();
        if (!ownColumns.isEmpty())
            return section < ownColumns.size() ? QVariant(ownColumns[section]) : QVariant();
        if (!Open() || section >= dataSet->FieldCount())
            return QVariant();
        return dataSet->Fields(section)->FieldName();
    }
    Qt::ItemFlags flags(const QModelIndex&) const override
    {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
};

DBGrid::DBGrid(QWidget* parent) : QTableView(parent), rows(new DBGridModel(this))
{
    setModel(rows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(12);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DBGrid::RowChosen);
}

void DBGrid::setRowSelect(bool value)
{
    setSelectionBehavior(value ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void DBGrid::SetColumns(const QStringList& fieldNames, int width)
{
    rows->ownColumns = fieldNames;
    ownColumnWidth = width;
    Rebuild();
}

void DBGrid::SetColumnVisible(int column, bool visible)
{
    setColumnHidden(column, !visible);
    const QModelIndex current = currentIndex();
    if (visible || !current.isValid() || current.column() != column)
        return;
    for (int c = 0; c < rows->columnCount(); ++c)
        if (!isColumnHidden(c)) {
            following = true;
            setCurrentIndex(rows->index(current.row(), c));
            following = false;
            return;
        }
}

int DBGrid::ColumnCount() const
{
    return rows->columnCount();
}

void DBGrid::SetDataSource(TDataSource* dataSource)
{
    if (source)
        disconnect(source, nullptr, this, nullptr);
    source = dataSource;
    if (source) {
        connect(source, &TDataSource::DataSetOpened, this, &DBGrid::Rebuild);
        connect(source, &TDataSource::DataSetClosed, this, &DBGrid::Rebuild);
        connect(source, &TDataSource::DataChanged, this, &DBGrid::Rebuild);
        connect(source, &TDataSource::CursorMoved, this, &DBGrid::FollowCursor);
    }
    Rebuild();
}

void DBGrid::Rebuild()
{
    following = true;
    rows->dataSet = source ? source->DataSet() : nullptr;
    rows->Reset();
    for (int c = 0; c < rows->columnCount(); ++c) {
        setColumnHidden(c, false);
        setColumnWidth(c, rows->ownColumns.isEmpty() ? DefaultWidth(c) : ownColumnWidth);
    }
    following = false;
    FollowCursor();
}

int DBGrid::DefaultWidth(int column) const
{
    // Wide enough for the title and the texts of the first rows, as a field's display
    // width would make it, within bounds.
    const QFontMetrics metrics = fontMetrics();
    int widest =
        metrics.horizontalAdvance(rows->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    const int sampled = std::min(rows->rowCount(), 200);
    for (int r = 0; r < sampled; ++r)
        widest = std::max(widest, metrics.horizontalAdvance(rows->index(r, column).data().toString()));
    return std::clamp(widest + 12, 64, 240);
}

void DBGrid::FollowCursor()
{
    TDataSet* dataSet = rows->dataSet;
    if (!dataSet || !dataSet->Active() || dataSet->RecNo() <= 0 || rows->rowCount() == 0 ||
        rows->columnCount() == 0)
        return;
    following = true;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex target = rows->index(dataSet->RecNo() - 1, column);
    if (target.isValid() && target != currentIndex()) {
        setCurrentIndex(target);
        scrollTo(target);
    }
    following = false;
}

void DBGrid::RowChosen(const QModelIndex& current)
{
    TDataSet* dataSet = rows->dataSet;
    if (following || !current.isValid() || !dataSet || !dataSet->Active())
        return;
    const int distance = current.row() + 1 - dataSet->RecNo();
    if (distance != 0)
        Dispatch([&] { dataSet->MoveBy(distance); });
}

} // namespace widgets
