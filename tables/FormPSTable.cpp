#include "tables/FormPSTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/TableEditing.h"

using namespace tables;

TPSTableForm* PSTableForm = nullptr;

namespace {

const QStringList DeleteLines = {"DELETE FROM PSTable ", "WHERE Code=:Code;"};

} // namespace

TPSTableForm::TPSTableForm(QWidget* parent) : widgets::Form(parent)
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

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TPSTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TPSTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TPSTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TPSTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TPSTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TPSTableForm::CancelButtonClick);
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

void TPSTableForm::EnableInput(bool on)
{
    std::vector<QWidget*> input;
    for (const Column& c : columns)
        input.push_back(c.control);
    input.push_back(SetButton);
    input.push_back(CancelButton);
    EnableControls(input, on);
    ClearEdits(input);
}

void TPSTableForm::FormShow()
{
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
}

void TPSTableForm::AddButtonClick()
{
    iEditMode = 1;
    EnableInput(true);
    AIDSCheckBox->setFocus();
}

void TPSTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    for (const Column& c : columns) {
        if (auto* flag = qobject_cast<widgets::CheckBox*>(c.control))
            flag->SetChecked(query->FieldByName(c.name)->AsBoolean());
        else
            static_cast<widgets::Edit*>(c.control)->SetText(query->FieldByName(c.name)->AsString());
    }
    AIDSCheckBox->setFocus();
}

void TPSTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadTable();
    PSDBGrid->setFocus();
}

void TPSTableForm::InsertRecord()
{
    const QStringList names = ColumnLines();
    SetStatement(DBDM->Query1, QStringList{"INSERT INTO PSTable ", "( "} + names + QStringList{") VALUES ("} +
                                   ParameterLines(names) + QStringList{");"});
    ExecuteWithInput();
}

void TPSTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, QStringList{"UPDATE PSTable SET "} + AssignmentLines(ColumnLines()) +
                                   QStringList{"WHERE Code=:Code;"});
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TPSTableForm::ExecuteWithInput()
{
    TQuery* query = DBDM->Query1;
    for (const Column& c : columns) {
        if (auto* flag = qobject_cast<widgets::CheckBox*>(c.control))
            query->ParamByName(c.name)->SetAsBoolean(flag->Checked());
        else
            query->ParamByName(c.name)->SetAsString(static_cast<widgets::Edit*>(c.control)->Text());
    }
    query->ExecSQL();
}

void TPSTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    PSDBGrid->setFocus();
}

void TPSTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, DeleteLines, query->FieldByName("Code")->AsInteger());
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
    PSDBGrid->setFocus();
}
