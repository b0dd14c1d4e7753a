#pragma once
// A table component: every row of one table in Code order, edited in place.
#include "platform/db/DataSet.h"

class TTable : public TDataSet
{
    Q_OBJECT
public:
    explicit TTable(QObject* parent = nullptr);
    ~TTable() override;

    QString TableName; // "JobTable.db" names the table JobTable

    void Open() override;
    void Close() override;

    // Moving to another row posts a changed pending row and drops an unchanged one.
    void First() override;
    void Next() override;
    void Prior() override;
    void Last() override;
    void MoveBy(int distance) override;

    void Append(); // a new empty row at the end, in the insert state
    void Insert(); // a new empty row at the current position, in the insert state
    void Edit();   // on an empty table, inserts; writing a field while browsing edits
    void Post();
    void Cancel();
    void Delete(); // cancels an insert; nothing on an empty table
    void Refresh();

    // The table's name in the database: TableName without a ".db" extension.
    QString PhysicalName() const;

protected:
    void WriteValue(int column, const QVariant& value) override;

private:
    // Posts a changed pending row, drops an unchanged one.
    void CheckBrowseMode();
    void ReadRows(long long keepCode);
    void BeginInsert(int at);
    int CodeColumn() const;

    std::vector<QVariant> original; // the row as it was before Edit
    bool modified = false;
};
