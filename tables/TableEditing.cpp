#include "tables/TableEditing.h"

#include "core/data/DMDB.h"
#include "core/data/StoreFailure.h"
#include "platform/db/DataSource.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DateTimePicker.h"
#include "platform/widgets/Edit.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/MessageForms.h"

namespace tables {

void SetStatement(TQuery* query, const QStringList& lines)
{
    if (query->Active())
        query->Close();
    query->SQL->Clear();
    for (const QString& line : lines)
        query->SQL->Add(line);
}

bool OpenStatement(TQuery* query, const QStringList& lines)
{
    return OpenStatement(query, lines, QString());
}

int RunWithCode(TQuery* query, const QStringList& lines, int code)
{
    SetStatement(query, lines);
    query->ParamByName("Code")->SetAsInteger(code);
    if (!lines.first().trimmed().startsWith("SELECT", Qt::CaseInsensitive)) {
        query->ExecSQL();
        return 0;
    }
    query->Open();
    return query->RecordCount();
}

void BindWhileShown(widgets::Form* form, std::vector<GridBinding> bindings)
{
    QObject::connect(form, &widgets::Form::OnShow, form, [bindings] {
        for (const GridBinding& b : bindings)
            b.grid->SetDataSource(DBDM->*b.source);
    });
    QObject::connect(form, &widgets::Form::OnClose, form, [bindings] {
        for (const GridBinding& b : bindings)
            b.grid->SetDataSource(nullptr);
    });
}

QStringList ParameterLines(const QStringList& columns)
{
    QStringList lines;
    for (const QString& column : columns)
        lines.append(":" + column);
    return lines;
}

QStringList AssignmentLines(const QStringList& columns)
{
    QStringList lines;
    for (const QString& column : columns)
        lines.append(QString(column).remove(',').trimmed() + "=:" + column);
    return lines;
}

QString SearchPattern(const QString& text)
{
    return "%" + text + "%";
}

bool OpenStatement(TQuery* query, const QStringList& lines, const QString& search)
{
    return dmdb::Guarded("OpenStatement", false, [&] {
        SetStatement(query, lines);
        if (!search.isEmpty())
            query->ParamByName("Search")->SetAsString(SearchPattern(search));
        query->Open();
        return true;
    });
}

bool HasRows(const TDataSet* data)
{
    return data->Active() && data->RecordCount() > 0;
}

QString CountCaption(const QString& prefix, const TDataSet* data)
{
    return prefix + QString::number(data->RecordCount());
}

void EnableControls(const std::vector<QWidget*>& controls, bool on)
{
    const widgets::TColor color = on ? widgets::clWindow : widgets::clBtnFace;
    for (QWidget* control : controls) {
        control->setEnabled(on);
        if (auto* edit = qobject_cast<widgets::Edit*>(control))
            edit->SetColor(color);
        else if (auto* dbEdit = qobject_cast<widgets::DBEdit*>(control))
            dbEdit->SetColor(color);
        else if (auto* picker = qobject_cast<widgets::DateTimePicker*>(control))
            picker->SetColor(color);
    }
}

void ClearEdits(const std::vector<QWidget*>& controls)
{
    for (QWidget* control : controls)
        if (auto* edit = qobject_cast<widgets::Edit*>(control))
            edit->SetText(QString());
}

bool LocateCode(TDataSet* data, int code)
{
    data->First();
    while (!data->Eof()) {
        if (data->FieldByName("Code")->AsInteger() == code)
            return true;
        data->Next();
    }
    return false;
}

QString FirstRowText(const TDataSet* data, const QStringList& columns)
{
    QStringList values;
    for (const QString& column : columns)
        values.append(data->FieldByName(column)->AsString());
    QString text = values.join(", ");
    if (data->RecordCount() > 1)
        text += " ...";
    return text;
}

int DecimalOrZero(const QString& text)
{
    return StrToIntDef(text, 0);
}

DeleteOutcome DeleteAfterQuestion(TDataSet* list, const QString& nameField, TQuery* references,
                                  const QStringList& referenceLines,
                                  const std::function<QString(const QString& name, int count)>& question,
                                  const std::function<void(int code)>& remove,
                                  const std::function<QString(int code)>& failure)
{
    if (!HasRows(list))
        return DeleteOutcome::NoRow;
    const int code = list->FieldByName("Code")->AsInteger();
    const QString name = list->FieldByName(nameField)->AsString();
    const bool done = dmdb::Guarded("DeleteAfterQuestion", false, [&] {
        const int count = RunWithCode(references, referenceLines, code);
        const bool yes = count < 1 || widgets::AskQuestion(question(name, count));
        DBDM->Query1->Close();
        if (yes)
            remove(code);
        return true;
    });
    if (!done) {
        widgets::ShowError(failure(code));
        return DeleteOutcome::Failed;
    }
    return DeleteOutcome::Done;
}

PickerChoice::PickerChoice(TDataSource* source, widgets::DBGrid* grid)
    : QObject(grid), source(source), grid(grid)
{
    connect(source, &TDataSource::CursorMoved, this, &PickerChoice::Moved);
    // A press on the row the walk ended on moves nothing, yet chooses it.
    connect(grid, &QAbstractItemView::pressed, this, &PickerChoice::Moved);
    connect(source, &TDataSource::DataSetOpened, this, &PickerChoice::Reset);
}

void PickerChoice::Reset()
{
    kept = false;
}

bool PickerChoice::Locate(int code)
{
    TDataSet* data = source->DataSet();
    locating = true;
    bool found = false;
    try {
        found = HasRows(data) && LocateCode(data, code);
    } catch (...) {
        locating = false;
        throw;
    }
    locating = false;
    kept = !found;
    keptCode = code;
    if (kept)
        grid->clearSelection();
    return found;
}

int PickerChoice::Code() const
{
    if (kept)
        return keptCode;
    const TDataSet* data = source->DataSet();
    return HasRows(data) ? data->FieldByName("Code")->AsInteger() : 0;
}

void PickerChoice::Moved()
{
    if (!locating)
        kept = false;
}

} // namespace tables
