#pragma once
// The data-aware edit: shows one field of its data source's current record, always
// (it is empty only while the dataset is closed or has no record). What the operator
// types goes into the field, putting a table into the edit state first.
#include "platform/widgets/Colors.h"

#include <QLineEdit>

class TDataSource;

namespace widgets {

class DBEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ DataField WRITE setDataField)
public:
    explicit DBEdit(QWidget* parent = nullptr);

    TDataSource* DataSource() const { return source; }
    void SetDataSource(TDataSource* dataSource);
    QString DataField() const { return field; }
    void setDataField(const QString& name);
    TColor Color() const { return color; }
    void SetColor(TColor value);

signals:
    void Exit();

private:
    void Show();
    void Typed(const QString& text);
    TDataSource* source = nullptr;
    QString field;
    TColor color = clWindow;
    bool writing = false;
};

} // namespace widgets
