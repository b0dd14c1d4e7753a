#include "tests/platform/widgets/SampleForm.h"

#include "platform/widgets/Handler.h"

using namespace widgets;

TSampleForm::TSampleForm()
{
    setupUi(this);
    setObjectName("SampleForm");
    Position = Position::DesktopCenter;
    Connect(this, &Form::OnShow, this, &TSampleForm::FormShow);
    Connect(PatientSG, &StringGrid::Click, this, &TSampleForm::PatientSGClick);
    Connect(PatientSG, &StringGrid::DblClick, this, &TSampleForm::PatientSGDblClick);
    Connect(PatientSG, &StringGrid::KeyDown, this, &TSampleForm::PatientSGKeyDown);
    Connect(NameEdit, &Edit::KeyPress, this, &TSampleForm::NameEditKeyPress);
    Connect(OkButton, &QPushButton::clicked, this, &TSampleForm::OkButtonClick);
    CheckupDateListBox->addItems({"2015/04/01", "2015/05/01"});
}

void TSampleForm::FormShow()
{
    PatientSG->Cells[0][0] = "Patient #";
    PatientSG->Cells[1][0] = "Name";
    PatientSG->Cells[2][0] = "School";
    PatientSG->setRowCount(4);
    for (int r = 1; r < 4; ++r) {
        PatientSG->Cells[0][r] = QString::number(r);
        PatientSG->Cells[1][r] = QStringLiteral("歯科 太郎%1").arg(r);
        PatientSG->Cells[2][r] = QStringLiteral("第一小学校");
    }
    PatientSG->SetRow(1);
    PatientSG->SetCol(0);
    PhotoImage->Fill(clBtnFace);
    SumupStatusBar->SetSimpleText(QStringLiteral("集計中... 0/5"));
    DateMaskEdit->setFocus();
    DateMaskEdit->setSelection(0, 1);
}

void TSampleForm::PatientSGClick()
{
    Log << QStringLiteral("click %1").arg(PatientSG->Row());
}

void TSampleForm::PatientSGDblClick()
{
    Log << QStringLiteral("dblclick %1").arg(PatientSG->Row());
}

void TSampleForm::PatientSGKeyDown(int& key, TShiftState)
{
    Log << QStringLiteral("key %1").arg(key);
    if (key == 'C')
        key = 0;
}

// The comma filter of the name edits.
void TSampleForm::NameEditKeyPress(QChar& key)
{
    if (key == ',')
        key = QChar();
}

void TSampleForm::OkButtonClick()
{
    Log << "ok";
    Close();
}
