#include "registration/SearchMemberUnit.h"

#include "platform/widgets/Handler.h"
#include "registration/MemberUnit.h"

TSearchMemberForm* SearchMemberForm = nullptr;

TSearchMemberForm::TSearchMemberForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
    SexComboBox->SetItemIndex(-1); // no criterion until one is chosen

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TSearchMemberForm::FormShow);
    Connect(OkButton, &QPushButton::clicked, this, &TSearchMemberForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TSearchMemberForm::CancelButtonClick);
}

void TSearchMemberForm::FormShow()
{
    nJobRecords = MemberForm->LoadJobList(OccupationComboBox);
}

stStaffRecord TSearchMemberForm::Filter() const
{
    stStaffRecord filter;
    filter.asStaffNo = MemberNoEdit->Text();
    filter.iJobCode =
        OccupationComboBox->ItemIndex() < 0 ? -1 : MemberForm->JobCodeOfName(OccupationComboBox->Text());
    filter.iSex = SexComboBox->Text().isEmpty() ? -1 : SexComboBox->ItemIndex();
    filter.asNameKanji0 = FamilyNameEdit->Text();
    filter.asNameKanji1 = PersonalNameEdit->Text();
    filter.asNameKana0 = FamilyKanaEdit->Text();
    filter.asNameKana1 = PersonalKanaEdit->Text();
    return filter;
}

void TSearchMemberForm::OkButtonClick()
{
    // An empty choice restricts nothing.
    if (SexComboBox->Text().isEmpty())
        SexComboBox->SetItemIndex(-1);
    if (OccupationComboBox->Text().isEmpty())
        OccupationComboBox->SetItemIndex(-1);
    MemberForm->ListFoundMembers(SearchStaff(Filter()), OccupationComboBox);
    Close();
}

void TSearchMemberForm::CancelButtonClick()
{
    Close();
}
