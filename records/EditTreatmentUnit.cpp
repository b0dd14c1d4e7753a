#include "records/EditTreatmentUnit.h"

#include "core/data/CommonUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/EditNoteUnit.h"
#include "records/MedicalRecordUnit.h"

TEditTreatmentForm* EditTreatmentForm = nullptr;

TEditTreatmentForm::TEditTreatmentForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TEditTreatmentForm::FormShow);
    Connect(DateBitBtn, &QPushButton::clicked, this, &TEditTreatmentForm::DateBitBtnClick);
    Connect(DateEdit, &widgets::Edit::ContextPopup, this, &TEditTreatmentForm::DateEditContextPopup);
    Connect(OkButton, &QPushButton::clicked, this, &TEditTreatmentForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TEditTreatmentForm::CancelButtonClick);
}

void TEditTreatmentForm::FormShow()
{
    FillMemberList(DentistCB);
    const TMedicalRecordForm* karte = MedicalRecordForm;
    const int row = karte->TreatmentSG->Row();
    // The dentist by number in the list just loaded, as for the note's writer.
    const bool onRow = row >= 1 && row <= karte->nTreatmentRecords;
    ShowDatedRowForMode(Controls(), iEditMode, karte->TreatmentSG, row,
                        onRow ? CommonForm->FindStaff(karte->tstTreatmentRec[row - 1].asStaffNo) : -1);
}

TDatedRowDialog TEditTreatmentForm::Controls()
{
    return {this, DateEdit, DescriptionEdit, DentistCB, OkButton, "療法・処置編集"};
}

void TEditTreatmentForm::DateBitBtnClick()
{
    PickDatedRowDate(Controls());
}

void TEditTreatmentForm::DateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    DateBitBtnClick();
}

void TEditTreatmentForm::OkButtonClick()
{
    TMedicalRecordForm* karte = MedicalRecordForm;
    const TDatedRowKind<stTreatmentRecord> kind = {"処置日",
                                                   "担当医",
                                                   "療法・処置",
                                                   &stTreatmentRecord::asTreatment,
                                                   AddTreatment,
                                                   ReplaceTreatment,
                                                   karte->TreatmentSG,
                                                   karte->tstTreatmentRec,
                                                   karte->nTreatmentRecords,
                                                   karte->TreatmentNewButton,
                                                   &TMedicalRecordForm::RoomForTreatment,
                                                   &TMedicalRecordForm::ShowAddedTreatment,
                                                   &TMedicalRecordForm::ShowReplacedTreatment};
    if (StoreDatedRow(Controls(), iEditMode, kind))
        Close();
}

void TEditTreatmentForm::CancelButtonClick()
{
    Close();
}
