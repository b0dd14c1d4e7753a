// The karte editor's questionnaire: the boxes that exclude others, and the mapping
// between the controls and the stored questionnaire.
#include "records/MedicalRecordUnit.h"

#include "platform/rtl/IntText.h"

void TMedicalRecordForm::Uncheck(std::initializer_list<widgets::CheckBox*> boxes)
{
    for (widgets::CheckBox* box : boxes)
        box->SetChecked(false);
}

void TMedicalRecordForm::ExcludeWhenChecked(widgets::CheckBox* box,
                                            std::initializer_list<widgets::CheckBox*> others)
{
    // Clearing a box runs its own handler, which then finds it unchecked.
    if (box->Checked())
        Uncheck(others);
    HeaderChange();
}

// Q1: "none" and "never had a tooth out" each exclude every other answer; the four
// reactions go together.
void TMedicalRecordForm::NoneCheckBoxClick()
{
    ExcludeWhenChecked(NoneCheckBox,
                       {AnemiaCheckBox, SwollingCheckBox, BleedingCheckBox, FeverCheckBox, NoExtCheckBox});
}

void TMedicalRecordForm::AnemiaCheckBoxClick()
{
    ExcludeWhenChecked(AnemiaCheckBox, {NoneCheckBox, NoExtCheckBox});
}

void TMedicalRecordForm::SwollingCheckBoxClick()
{
    ExcludeWhenChecked(SwollingCheckBox, {NoneCheckBox, NoExtCheckBox});
}

void TMedicalRecordForm::BleedingCheckBoxClick()
{
    ExcludeWhenChecked(BleedingCheckBox, {NoneCheckBox, NoExtCheckBox});
}

void TMedicalRecordForm::FeverCheckBoxClick()
{
    ExcludeWhenChecked(FeverCheckBox, {NoneCheckBox, NoExtCheckBox});
}

void TMedicalRecordForm::NoExtCheckBoxClick()
{
    ExcludeWhenChecked(NoExtCheckBox,
                       {NoneCheckBox, AnemiaCheckBox, SwollingCheckBox, BleedingCheckBox, FeverCheckBox});
}

// Q2: "none" excludes the injection and medicine answers; "others" goes with anything.
void TMedicalRecordForm::NoAllergyCheckBoxClick()
{
    ExcludeWhenChecked(NoAllergyCheckBox, {AfterInjectionCheckBox, AfterDosingCheckBox});
}

void TMedicalRecordForm::AfterInjectionCheckBoxClick()
{
    ExcludeWhenChecked(AfterInjectionCheckBox, {NoAllergyCheckBox});
}

void TMedicalRecordForm::AfterDosingCheckBoxClick()
{
    ExcludeWhenChecked(AfterDosingCheckBox, {NoAllergyCheckBox});
}

void TMedicalRecordForm::ControlsToExcursus()
{
    stExcursusRec& e = stExcuRec;
    e.bAIDS = AidsCheckBox->Checked();
    e.bTuberculosis = TuberculosisCheckBox->Checked();
    e.bBloodInfection = BloodInfectionCheckBox->Checked();
    e.bHepatitis = false; // no control carries it
    e.bHepatitisB = HepatitisBCheckBox->Checked();
    e.bHepatitisC = HepatitisCCheckBox->Checked();
    e.bAirialInfection = AirialInfectionCheckBox->Checked();
    e.bOtherInfection = OtherInfectionCheckBox->Checked();
    e.asTuberculosisMemo = TuberculosisEdit->Text();
    e.asBloodInfectionMemo = BloodInfectionEdit->Text();
    e.asAirialInfectionMemo = AirialInfectionEdit->Text();
    e.asOtherInfectionMemo = OtherInfectionEdit->Text();

    e.bQ1None = NoneCheckBox->Checked();
    e.bQ1Anemia = AnemiaCheckBox->Checked();
    e.bQ1Swelling = SwollingCheckBox->Checked();
    e.bQ1Bleeding = BleedingCheckBox->Checked();
    e.bQ1Fever = FeverCheckBox->Checked();
    e.bQ1NoExtraction = NoExtCheckBox->Checked();
    e.bQ2None = NoAllergyCheckBox->Checked();
    e.bQ2Injection = AfterInjectionCheckBox->Checked();
    e.bQ2Medicine = AfterDosingCheckBox->Checked();
    e.bQ2Others = AllergyOthersCheckBox->Checked();
    e.asQ2OthersMemo = AllergyCommentEdit->Text();

    // "ある" is the first item; "ない" and no answer both store false.
    e.bQ3 = Q3RadioGroup->ItemIndex() == 0;
    // The brushing choice is stored as its position, so the configured texts only
    // change what is shown.
    e.asQ41Memo = QString::number(BrushingCB->ItemIndex());
    e.asQ43Memo = BrushingEdit->Text();
    stMediRec.iNext = NextCheckupCB->ItemIndex();
}

void TMedicalRecordForm::ExcursusToControls(const stExcursusRec& e, int next)
{
    // In this order, so that the exclusion rules leave the later of two exclusive boxes.
    AidsCheckBox->SetChecked(e.bAIDS);
    TuberculosisCheckBox->SetChecked(e.bTuberculosis);
    BloodInfectionCheckBox->SetChecked(e.bBloodInfection);
    HepatitisBCheckBox->SetChecked(e.bHepatitisB);
    HepatitisCCheckBox->SetChecked(e.bHepatitisC);
    AirialInfectionCheckBox->SetChecked(e.bAirialInfection);
    OtherInfectionCheckBox->SetChecked(e.bOtherInfection);
    TuberculosisEdit->SetText(e.asTuberculosisMemo);
    BloodInfectionEdit->SetText(e.asBloodInfectionMemo);
    AirialInfectionEdit->SetText(e.asAirialInfectionMemo);
    OtherInfectionEdit->SetText(e.asOtherInfectionMemo);

    NoneCheckBox->SetChecked(e.bQ1None);
    AnemiaCheckBox->SetChecked(e.bQ1Anemia);
    SwollingCheckBox->SetChecked(e.bQ1Swelling);
    BleedingCheckBox->SetChecked(e.bQ1Bleeding);
    FeverCheckBox->SetChecked(e.bQ1Fever);
    NoExtCheckBox->SetChecked(e.bQ1NoExtraction);
    NoAllergyCheckBox->SetChecked(e.bQ2None);
    AfterInjectionCheckBox->SetChecked(e.bQ2Injection);
    AfterDosingCheckBox->SetChecked(e.bQ2Medicine);
    AllergyOthersCheckBox->SetChecked(e.bQ2Others);
    AllergyCommentEdit->SetText(e.asQ2OthersMemo);

    Q3RadioGroup->SetItemIndex(e.bQ3 ? 0 : 1);
    BrushingCB->SetItemIndex(StrToIntDef(e.asQ41Memo, -1));
    BrushingEdit->SetText(e.asQ43Memo);
    NextCheckupCB->SetItemIndex(next);
}

void TMedicalRecordForm::ClearExcursus()
{
    Uncheck({AidsCheckBox, TuberculosisCheckBox, BloodInfectionCheckBox, HepatitisBCheckBox,
             HepatitisCCheckBox, AirialInfectionCheckBox, OtherInfectionCheckBox});
    for (widgets::Edit* edit :
         {TuberculosisEdit, BloodInfectionEdit, AirialInfectionEdit, OtherInfectionEdit})
        edit->SetText("");
    Uncheck({NoneCheckBox, AnemiaCheckBox, SwollingCheckBox, BleedingCheckBox, FeverCheckBox, NoExtCheckBox,
             NoAllergyCheckBox, AfterInjectionCheckBox, AfterDosingCheckBox, AllergyOthersCheckBox});
    AllergyCommentEdit->SetText("");
    Q3RadioGroup->SetItemIndex(-1);
    BrushingCB->SetItemIndex(-1);
    BrushingEdit->SetText("");
    NextCheckupCB->SetItemIndex(-1);
}
