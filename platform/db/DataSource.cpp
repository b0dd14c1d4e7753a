#include "platform/db/DataSource.h"

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

void TDataSource::SetDataSet(TDataSet* value)
{
    if (dataSet == value)
        return;
    if (dataSet)
        disconnect(dataSet, nullptr, this, nullptr);
    dataSet = value;
    if (dataSet) {
        connect(dataSet, &TDataSet::DataSetOpened, this, &TDataSource::DataSetOpened);
        connect(dataSet, &TDataSet::DataSetClosed, this, &TDataSource::DataSetClosed);
        connect(dataSet, &TDataSet::CursorMoved, this, &TDataSource::CursorMoved);
        connect(dataSet, &TDataSet::DataChanged, this, &TDataSource::DataChanged);
        connect(dataSet, &TDataSet::StateChanged, this, &TDataSource::StateChanged);
    }
    // The controls show the new dataset at once.
    emit DataChanged();
}
