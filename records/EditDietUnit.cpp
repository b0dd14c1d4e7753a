#include "records/EditDietUnit.h"

#include "core/data/CommonUnit.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"

TEditDietForm* EditDietForm = nullptr;

TEditDietForm::TEditDietForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TEditDietForm::FormShow);
    Connect(OkButton, &QPushButton::clicked, this, &TEditDietForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TEditDietForm::CancelButtonClick);
}

void TEditDietForm::FormShow()
{
    // A list whose load fails keeps its items.
    if (CommonForm->LoadFood() >= 0) {
        FoodTypeCB->clear();
        for (int i = 0; i < CommonForm->nFoodRecords; ++i)
            FoodTypeCB->addItem(CommonForm->FoodName(i));
    }
    if (CommonForm->LoadFrequency() >= 0) {
        EatingFreqCB->clear();
        for (int i = 0; i < CommonForm->nFrequencyRecords; ++i)
            EatingFreqCB->addItem(CommonForm->FrequencyName(i));
    }

    const TMedicalRecordForm* karte = MedicalRecordForm;
    const int row = karte->DietInqSG->Row();
    if (iEditMode == 1 && row >= 1 && row <= karte->nDietInquiryRecords) {
        SetCaption("食事調査編集 - 変更");
        // The lists were just loaded afresh: the row's food and frequency are looked up by
        // code, never by the place they had. One no longer listed selects nothing.
        const stDietInquiryRecord& diet = karte->tstDietInquiryRec[row - 1];
        const int food = CommonForm->FindFood(diet.iFoodCode);
        const int frequency = CommonForm->FindFrequency(diet.iFrequencyCode);
        FoodTypeCB->SetItemIndex(food < FoodTypeCB->count() ? food : -1);
        EatingFreqCB->SetItemIndex(frequency < EatingFreqCB->count() ? frequency : -1);
        OkButton->SetCaption("置換(&R)");
        return;
    }
    SetCaption("食事調査編集 - 追加");
    FoodTypeCB->SetItemIndex(-1);
    EatingFreqCB->SetItemIndex(-1);
    OkButton->SetCaption("追加(&A)");
}

void TEditDietForm::OkButtonClick()
{
    const int food = FoodTypeCB->ItemIndex();
    const int frequency = EatingFreqCB->ItemIndex();
    const QString missing = MissingDietFields(food, frequency);
    if (!missing.isEmpty()) {
        widgets::ShowError(missing);
        return;
    }
    TMedicalRecordForm* karte = MedicalRecordForm;
    const bool adding = iEditMode == 0;
    const int row = karte->DietInqSG->Row();
    const int checkup = karte->CheckupDateListBox->ItemIndex();
    if (checkup < 0 || (!adding && (row < 1 || row > karte->nDietInquiryRecords)))
        return;
    if (adding && !karte->RoomForDietRow("[" + karte->DietNewButton->Caption() + "]\n"))
        return;

    // A replaced row keeps its code: it selects the database row.
    stDietInquiryRecord diet = adding ? stDietInquiryRecord{} : karte->tstDietInquiryRec[row - 1];
    diet.iFoodCode = CommonForm->tstFoodRec[food].iCode;
    diet.iFrequencyCode = CommonForm->tstFrequencyRec[frequency].iCode;
    diet.iCheckupCode = karte->tstChekupRec[checkup].iCode;
    const QStringList cells = {CommonForm->FoodName(food), CommonForm->FrequencyName(frequency)};

    if (adding) {
        // Only onto a check-up of the karte the editor opened or added.
        const int rc = AddDietInquiry(diet, karte->stMediRec.iCode);
        if (rc < 0) {
            widgets::ShowError(RowFailureMessage("食事調査テーブルに追加できませんでした。", rc, cells) +
                               RefusalNote());
            return;
        }
        // Without its code a later edit or delete of this row would miss it.
        diet.iCode = GetAddedCode();
        karte->ShowAddedDietRow(diet, food, frequency, cells);
    } else {
        // Only a row of the karte the editor shows, and only while it is as the editor read it.
        const int rc = ReplaceDietInquiry(diet, karte->stMediRec.iCode, &karte->tstDietInquiryRec[row - 1]);
        if (rc < 0) {
            widgets::ShowError(RowFailureMessage("食事調査テーブルを書き換えられませんでした。", rc, cells) +
                               RefusalNote());
            return;
        }
        karte->ShowReplacedDietRow(row, diet, food, frequency, cells);
    }
    Close();
}

void TEditDietForm::CancelButtonClick()
{
    Close();
}

QString MissingDietFields(int foodIndex, int frequencyIndex)
{
    QStringList lines;
    if (foodIndex < 0)
        lines << "[食事内容] が指定されていません。";
    if (frequencyIndex < 0)
        lines << "[食事頻度] が指定されていません。";
    return lines.join("\n");
}
