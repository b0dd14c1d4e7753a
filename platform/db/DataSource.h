#pragma once
// Links a dataset to the data-aware controls that show it.
#include "platform/db/DataSet.h"

#include <QObject>
#include <QPointer>

class TDataSource : public QObject
{
    Q_OBJECT
public:
    explicit TDataSource(QObject* parent = nullptr);

    TDataSet* DataSet() const { return dataSet; }
    void SetDataSet(TDataSet* value);

signals:
    // Any of the dataset's notifications: opened, closed, moved, changed.
    void DataSetOpened();
    void DataSetClosed();
    void CursorMoved();
    void DataChanged();
    void StateChanged();

private:
    QPointer<TDataSet> dataSet;
};
