// The karte editor's two print buttons: the karte sheets through their dialog, and the
// ID card of the karte on screen.
#include "records/MedicalRecordUnit.h"

#include "platform/widgets/Handler.h"
#include "records/PrintCardUnit.h"
#include "records/PrintMedicalRecordUnit.h"

void TMedicalRecordForm::ConnectPrintHandlers()
{
    widgets::Connect(PrintButton, &QPushButton::clicked, this, &TMedicalRecordForm::PrintButtonClick);
    widgets::Connect(PrintCardButton, &QPushButton::clicked, this, &TMedicalRecordForm::PrintCardButtonClick);
}

void TMedicalRecordForm::PrintButtonClick()
{
    // The dialog reads this window as it stands.
    PrintMedicalRecordForm->ShowModal();
}

void TMedicalRecordForm::PrintCardButtonClick()
{
    if (PrintCardForm->OpenDataFile() != 0)
        return;
    PrintCardForm->WriteHeader();
    stCardLine card;
    card.asName = NameEdit->Text();
    card.asBirthDate = BirthDateEdit->Text();
    card.asSex = SexEdit->Text();
    card.asMediRecNo = MediRecNoEdit->Text();
    card.asIssueDate = MediRecDateEdit->Text();
    card.asPatientNo = PatientNoEdit->Text();
    PrintCardForm->WriteCard(card);
    if (PrintCardForm->CloseDataFile() != 0)
        return;
    PrintCardForm->OpenMergeDocument();
}
