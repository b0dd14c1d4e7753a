#include "records/EditTreatmentUnit.h"

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
    ShowDatedRowForMode({this, DateEdit, DescriptionEdit, DentistCB, OkButton, "療法・処置編集"}, iEditMode,
                        karte->TreatmentSG, row, row >= 1 ? karte->tnTreatmentStaffIndex[row - 1] : -1);
}

void TEditTreatmentForm::DateBitBtnClick()
{
    PickDatedRowDate({this, DateEdit, DescriptionEdit, DentistCB, OkButton, ""});
}

void TEditTreatmentForm::DateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    DateBitBtnClick();
}

void TEditTreatmentForm::OkButtonClick()
{
    const QString missing = MissingDatedRowFields("処置日", DateEdit->Text(), DescriptionEdit->Text(),
                                                  "担当医", DentistCB->Text());
    if (!missing.isEmpty()) {
        widgets::ShowError(missing);
        return;
    }
    TMedicalRecordForm* karte = MedicalRecordForm;
    const bool adding = iEditMode == 0;
    const int row = karte->TreatmentSG->Row();
    if (!adding && (row < 1 || row > karte->nTreatmentRecords))
        return;
    if (adding && !karte->RoomForTreatment("[" + karte->TreatmentNewButton->Caption() + "]\n"))
        return;

    // A replaced row keeps its code: it selects the database row.
    stTreatmentRecord treatment = adding ? stTreatmentRecord{} : karte->tstTreatmentRec[row - 1];
    treatment.tDate = StrToDateTime(DateEdit->Text());
    treatment.asTreatment = DescriptionEdit->Text();
    treatment.asStaffNo = ChosenStaffNo(DentistCB->ItemIndex());
    treatment.asKarteNo = karte->MediRecNoEdit->Text();
    const QStringList cells = {DateEdit->Text(), DescriptionEdit->Text(), DentistCB->Text()};

    if (adding) {
        const int rc = AddTreatment(treatment);
        if (rc < 0) {
            widgets::ShowError(RowFailureMessage("療法・処置テーブルに追加できませんでした。", rc, cells));
            return;
        }
        // Without its code a later edit or delete of this row would miss it.
        treatment.iCode = GetAddedCode();
        karte->ShowAddedTreatment(treatment, DentistCB->ItemIndex(), cells);
    } else {
        const int rc = ReplaceTreatment(treatment);
        if (rc < 0) {
            widgets::ShowError(
                RowFailureMessage("療法・処置テーブルを書き換えられませんでした。", rc, cells));
            return;
        }
        karte->ShowReplacedTreatment(row, treatment, DentistCB->ItemIndex(), cells);
    }
    Close();
}

void TEditTreatmentForm::CancelButtonClick()
{
    Close();
}
