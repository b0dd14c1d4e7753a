#include "platform/db/DataSource.h"

#include <algorithm>

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

TDataSource::~TDataSource()
{
    Unlink();
}

void TDataSource::connectNotify(const QMetaMethod&)
{
    ++listeners;
}

void TDataSource::disconnectNotify(const QMetaMethod&)
{
    listeners = std::max(listeners - 1, 0);
}

void TDataSource::Unlink()
{
    if (!dataSet)
        return;
    auto& linked = dataSet->sources;
    linked.erase(std::remove(linked.begin(), linked.end(), this), linked.end());
}

void TDataSource::SetDataSet(TDataSet* value)
{
    if (dataSet == value)
        return;
    Unlink();
    dataSet = value;
    // The dataset tells its sources itself, as it tells its own listeners.
    if (dataSet)
        dataSet->sources.push_back(this);
    // The controls show the new dataset at once.
    emit DataChanged();
}
