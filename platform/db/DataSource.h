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
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet; }
    void SetDataSet(TDataSet* value);

signals:
    // Any of the dataset's notifications: opened, closed, moved, changed.
    void DataSetOpened();
    void DataSetClosed();
    void CursorMoved();
    void DataChanged();
    void StateChanged();

protected:
    // Counted as the dataset counts its own (see TDataSet::connectNotify).
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    friend class TDataSet;
    // Emits one of its notifications, when anything is connected to them.
    void Tell(void (TDataSource::*signal)())
    {
        if (listeners > 0)
            (this->*signal)();
    }
    void Unlink();

    int listeners = 0;

    QPointer<TDataSet> dataSet;
};
