#include "tables/FormPSTable.h"

#include "core/data/DMDB.h"
#include "tables/TableEditing.h"

using namespace tables;

TPSTableForm* PSTableForm = nullptr;

namespace {

const QStringList DeleteLines = {"DELETE FROM PSTable ", "WHERE Code=:Code;"};

} // namespace

TPSTableForm::TPSTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    columns = {{"AIDS", AIDSCheckBox},
               {"Hepatitis", HepatitisCheckBox},
               {"HepatitisB", HepatitisBCheckBox},
               {"HepatitisC", HepatitisCCheckBox},
               {"Tuberculosis", TuberculosisCheckBox},
               {"TuberculosisMemo", TuberculosisEdit},
               {"AirialInfection", AirialInfectionCheckBox},
               {"AirialInfectionMemo", AirialInfectionEdit},
               {"BloodInfection", BloodInfectionCheckBox},
               {"BloodInfectionMemo", BloodInfectionEdit},
               {"OtherInfection", OtherInfectionCheckBox},
               {"OtherInfectionMemo", OtherInfectionEdit},
               {"Q1None", Q1NoneCheckBox},
               {"Q1Anemia", Q1AnemiaCheckBox},
               {"Q1Swelling", Q1SwellingCheckBox},
               {"Q1Bleeding", Q1BleedingCheckBox},
               {"Q1Fever", Q1FeverCheckBox},
               {"Q1NoExtraction", Q1NoExtractionCheckBox},
               {"Q2None", Q2NoneCheckBox},
               {"Q2Injection", Q2InjectionCheckBox},
               {"Q2Medicine", Q2MedicineCheckBox},
               {"Q2Others", Q2OthersCheckBox},
               {"Q2OthersMemo", Q2OthersEdit},
               {"Q3", Q3CheckBox},
               {"Q43", Q43CheckBox},
               {"Q43Memo", Q43Edit},
               {"Q42", Q42CheckBox},
               {"Q42Memo", Q42Edit},
               {"Q41", Q41CheckBox},
               {"Q41Memo", Q41Edit},
               {"Q40", Q40CheckBox}};
    BindWhileShown(this, {{PSDBGrid, &TDBDM::DataSource1}});
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
}

QStringList TPSTableForm::ColumnLines() const
{
    QStringList lines;
    for (const Column& c : columns)
        lines.append(c.name + (&c == &columns.back() ? " " : ", "));
    return lines;
}

bool TPSTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1,
                       QStringList{"SELECT ", "Code, "} + ColumnLines() + QStringList{"FROM PSTable;"}))
        return false;
    PSDBGrid->SetColumnVisible(0, false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

std::vector<QWidget*> TPSTableForm::InputControls() const
{
    std::vector<QWidget*> input;
    for (const Column& c : columns)
        input.push_back(c.control);
    input.push_back(SetButton);
    input.push_back(CancelButton);
    return input;
}

QStringList TPSTableForm::InsertLines() const
{
    const QStringList names = ColumnLines();
    return QStringList{"INSERT INTO PSTable ", "( "} + names + QStringList{") VALUES ("} +
           ParameterLines(names) + QStringList{");"};
}

QStringList TPSTableForm::UpdateLines() const
{
    return QStringList{"UPDATE PSTable SET "} + AssignmentLines(ColumnLines()) +
           QStringList{"WHERE Code=:Code;"};
}

void TPSTableForm::FormShow()
{
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
}

void TPSTableForm::FillInput(TQuery* row)
{
    for (const Column& c : columns) {
        if (auto* flag = qobject_cast<widgets::CheckBox*>(c.control))
            flag->SetChecked(row->FieldByName(c.name)->AsBoolean());
        else
            static_cast<widgets::Edit*>(c.control)->SetText(row->FieldByName(c.name)->AsString());
    }
}

void TPSTableForm::SetParameters()
{
    TQuery* query = DBDM->Query1;
    for (const Column& c : columns) {
        if (auto* flag = qobject_cast<widgets::CheckBox*>(c.control))
            query->ParamByName(c.name)->SetAsBoolean(flag->Checked());
        else
            query->ParamByName(c.name)->SetAsString(static_cast<widgets::Edit*>(c.control)->Text());
    }
}

void TPSTableForm::DeleteButtonClick()
{
    DeleteCurrentRow(DeleteLines, true);
}
