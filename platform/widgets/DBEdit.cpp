#include "platform/widgets/DBEdit.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/widgets/Handler.h"

namespace widgets {

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::Typed);
}

void DBEdit::SetDataSource(TDataSource* dataSource)
{
    if (source)
        disconnect(source, nullptr, this, nullptr);
    source = dataSource;
    if (source) {
        connect(source, &TDataSource::DataSetOpened, this, &DBEdit::Show);
        connect(source, &TDataSource::DataSetClosed, this, &DBEdit::Show);
        connect(source, &TDataSource::DataChanged, this, &DBEdit::Show);
        connect(source, &TDataSource::CursorMoved, this, &DBEdit::Show);
        connect(source, &TDataSource::StateChanged, this, &DBEdit::Show);
    }
    Show();
}

void DBEdit::setDataField(const QString& name)
{
    field = name;
    Show();
}

void DBEdit::SetColor(TColor value)
{
    color = value;
    SetBackground(this, value);
}

void DBEdit::Show()
{
    if (writing)
        return;
    TDataSet* dataSet = source ? source->DataSet() : nullptr;
    QString text;
    if (dataSet && dataSet->Active() && dataSet->RecordCount() > 0)
        if (TField* f = dataSet->FindField(field))
            text = f->AsString();
    if (text != this->text())
        setText(text);
}

void DBEdit::Typed(const QString& text)
{
    TDataSet* dataSet = source ? source->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active())
        return;
    writing = true;
    const bool ok = Dispatch([&] {
        if (dataSet->State() == TDataSetState::Browse)
            if (auto* table = qobject_cast<TTable*>(dataSet))
                table->Edit();
        dataSet->FieldByName(field)->SetAsString(text);
    });
    writing = false;
    if (!ok)
        Show();
}

} // namespace widgets
