#include "records/MedicalRecordUnit.h"

#include "core/Edition.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramFiles.h"
#include "core/WindowGeometry.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "platform/widgets/PopupMenu.h"
#include "registration/PatientUnit.h"

TMedicalRecordForm* MedicalRecordForm = nullptr;

namespace {

const QString CloseQuestion = "画面上の[ヘッダー]・[受信者]・[追記]の変更内容は，\n"
                              "データベースに反映されていません。\n"
                              "データベースを更新せずに，画面を閉じてよいですか？\n\n"
                              "[はい] -->\n"
                              "    データペースを変更せずに画面を閉じる。\n"
                              "[いいえ] -->\n"
                              "    [カルテ作成]画面に戻る。\n"
                              "    [ヘッダー追加]または[ヘッダー置換]のクリックで\n"
                              "    データベース更新。";

void SetColumnWidths(widgets::StringGrid* grid, std::initializer_list<int> widths)
{
    int col = 0;
    for (int width : widths)
        grid->ColWidths[col++] = width;
}

void SetCaptions(widgets::StringGrid* grid, int row, int firstCol, const QStringList& captions)
{
    for (int i = 0; i < captions.size(); ++i)
        grid->Cells[firstCol + i][row] = captions[i];
}

} // namespace

TMedicalRecordForm::TMedicalRecordForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Position = widgets::Position::DesktopCenter;

    CheckupDatePopupMenu = new widgets::PopupMenu(this);
    CheckupDate_AddMenu = CheckupDatePopupMenu->AddItem("新規検診(&Add)...");
    CheckupDate_EditMenu = CheckupDatePopupMenu->AddItem("日付修正(&Edit)...");
    CheckupDate_DeleteMenu = CheckupDatePopupMenu->AddItem("検診削除(&Delete)");
    CheckupDataLabel->SetPopupMenu(CheckupDatePopupMenu);
    CheckupDateListBox->SetPopupMenu(CheckupDatePopupMenu);

    for (widgets::Edit* edit : {PatientNoEdit, NameEdit, KanaEdit, BirthDateEdit, SexEdit})
        edit->SetColor(widgets::clBtnFace);
    SetKarteNoEditable(false);
    SetColumnWidths(NoteStringGrid, {74, 234, 113});
    SetColumnWidths(TreatmentSG, {73, 264, 128});
    SetColumnWidths(DietInqSG, {111, 172});
    // The corner captions need more room than a tooth symbol.
    for (int col = 0; col < 16; ++col)
        DentalFormulaSG->ColWidths[col] = col == 0 || col == 15 ? 30 : 21;
    DentalFormulaSG->setTextElideMode(Qt::ElideNone);
    // The height is kept: a taller window gives its extra to the note and treatment
    // lists, and the window's buttons keep to the bottom.
    auto* layout = new TWindowLayout(this);
    layout->Follow(NoteGroupBox, {0, 0}, {0, 0.5}).Follow(NoteStringGrid, {0, 0}, {0, 0.5});
    layout->Follow(TreatmentGroupBox, {0, 0.5}, {0, 0.5}).Follow(TreatmentSG, {0, 0}, {0, 0.5});
    for (QWidget* button : {NewButton, FindButton, PrintCardButton, PrintButton, DeleteButton, CloseButton})
        layout->Follow(button, {0, 1}, {0, 0});

    // Decayed, filled and missing.
    for (int code : {1, 2, 3, 4, 7, 8, 12})
        tnDmftWeight[code] = 1;
    for (int& index : tnNoteStaffIndex)
        index = -1;
    for (int& index : tnTreatmentStaffIndex)
        index = -1;
    for (int i = 0; i < MaxDietInquiryRecords; ++i)
        tnDietFoodIndex[i] = tnDietFrequencyIndex[i] = -1;

    ConnectHandlers();
    ConnectCheckupHandlers();
    ConnectPrintHandlers();
    ConnectRowHandlers();
}

void TMedicalRecordForm::ConnectHandlers()
{
    using widgets::Connect;
    // The kept height is the window's before it is shown, so that it appears at it.
    Connect(this, &Form::BeforeShow, this, &TMedicalRecordForm::ReadFormHeight);
    Connect(this, &Form::OnShow, this, &TMedicalRecordForm::FormShow);
    Connect(this, &Form::OnClose, this, &TMedicalRecordForm::FormClose);
    Connect(NewButton, &QPushButton::clicked, this, &TMedicalRecordForm::NewButtonClick);
    Connect(FindButton, &QPushButton::clicked, this, &TMedicalRecordForm::FindButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TMedicalRecordForm::DeleteButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &TMedicalRecordForm::CloseButtonClick);
    Connect(AddButton, &QPushButton::clicked, this, &TMedicalRecordForm::AddButtonClick);
    Connect(ReplaceButton, &QPushButton::clicked, this, &TMedicalRecordForm::ReplaceButtonClick);
    Connect(MediRecNoEdit, &widgets::Edit::KeyPress, this, &TMedicalRecordForm::MediRecNoEditKeyPress);
    Connect(MediRecDateBitBtn, &QPushButton::clicked, this, &TMedicalRecordForm::MediRecDateBitBtnClick);
    Connect(MediRecDateEdit, &widgets::Edit::ContextPopup, this,
            &TMedicalRecordForm::MediRecDateEditContextPopup);
    Connect(MediRecDateLabel, &widgets::Label::ContextPopup, this,
            &TMedicalRecordForm::MediRecDateEditContextPopup);
    Connect(MediRecDateEdit, &widgets::Edit::Exit, this, &TMedicalRecordForm::MediRecDateEditExit);
    Connect(RetrievePatientButton, &QPushButton::clicked, this,
            &TMedicalRecordForm::RetrievePatientButtonClick);

    // The change flag: 13 change events here, 8 box clicks and the radio group below,
    // and the nine exclusion handlers of the questionnaire.
    for (widgets::Edit* edit :
         {MediRecDateEdit, NameEdit, KanaEdit, BirthDateEdit, SexEdit, PatientNoEdit, TuberculosisEdit,
          BloodInfectionEdit, AirialInfectionEdit, OtherInfectionEdit, AllergyCommentEdit, BrushingEdit})
        Connect(edit, &widgets::Edit::Change, this, &TMedicalRecordForm::HeaderChange);
    Connect(BrushingCB, &widgets::ComboBox::Change, this, &TMedicalRecordForm::HeaderChange);
    for (widgets::CheckBox* box :
         {AidsCheckBox, TuberculosisCheckBox, BloodInfectionCheckBox, OtherInfectionCheckBox,
          AirialInfectionCheckBox, HepatitisBCheckBox, HepatitisCCheckBox, AllergyOthersCheckBox})
        Connect(box, &widgets::CheckBox::Click, this, &TMedicalRecordForm::HeaderChange);
    Connect(Q3RadioGroup, &widgets::RadioGroup::Click, this, &TMedicalRecordForm::HeaderChange);

    Connect(NoneCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::NoneCheckBoxClick);
    Connect(AnemiaCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::AnemiaCheckBoxClick);
    Connect(SwollingCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::SwollingCheckBoxClick);
    Connect(BleedingCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::BleedingCheckBoxClick);
    Connect(FeverCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::FeverCheckBoxClick);
    Connect(NoExtCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::NoExtCheckBoxClick);
    Connect(NoAllergyCheckBox, &widgets::CheckBox::Click, this, &TMedicalRecordForm::NoAllergyCheckBoxClick);
    Connect(AfterInjectionCheckBox, &widgets::CheckBox::Click, this,
            &TMedicalRecordForm::AfterInjectionCheckBoxClick);
    Connect(AfterDosingCheckBox, &widgets::CheckBox::Click, this,
            &TMedicalRecordForm::AfterDosingCheckBoxClick);
}

void TMedicalRecordForm::FormShow()
{
    MediRecNoEdit->setMaxLength(20);
    ReadFormHeight(); // again when Find and Delete run the show handler on the shown window
    EnableHeaderControls(false);

    for (widgets::Edit* edit :
         {MediRecNoEdit, MediRecDateEdit, PatientNoEdit, NameEdit, KanaEdit, BirthDateEdit, SexEdit})
        edit->SetText("");
    FamilyNameLabel->SetCaption("");
    PersonalNameLabel->SetCaption("");
    BlankPhoto();
    // No karte loaded, no examinee.
    stMediRec.iCode = 0;
    stMediRec.iPatientCode = -1;

    RebuildChoiceLists();
    ClearExcursus();

    // The grids' fixed texts; their rows and the tooth cells are emptied below.
    SetCaptions(NoteStringGrid, 0, 0, {"記録日(Date)", "内容(Description)", "記録者(Written by)"});
    SetCaptions(DietInqSG, 0, 0, {"食事内容(Food type)", "頻度(Eating frequency)"});
    SetCaptions(TreatmentSG, 0, 0, {"処置日(Date)", "内容(Description)", "担当医(Dentist)"});
    const QStringList primary = {"E", "D", "C", "B", "A", "A", "B", "C", "D", "E"};
    const QStringList permanent = {"8", "7", "6", "5", "4", "3", "2", "1",
                                   "1", "2", "3", "4", "5", "6", "7", "8"};
    SetCaptions(DentalFormulaSG, 0, 3, primary);
    DentalFormulaSG->Cells[0][0] = "右上";
    DentalFormulaSG->Cells[15][0] = "左上";
    SetCaptions(DentalFormulaSG, 2, 0, permanent);
    SetCaptions(DentalFormulaSG, 4, 0, permanent);
    SetCaptions(DentalFormulaSG, 6, 3, primary);
    DentalFormulaSG->Cells[0][7] = "右下";
    DentalFormulaSG->Cells[15][7] = "左下";

    EmptyRows();
    SchoolNameLabel->SetCaption("");
    for (widgets::Label* count : {NoteLabel, CheckupLabel, DietInqLabel, TreatmentLabel})
        count->SetCaption("");

    SetKarteNoEditable(false);
    SetEnabled({AddButton, PrintCardButton, PrintButton, ReplaceButton, DeleteButton}, false);
    bHeaderChanged = false;
}

void TMedicalRecordForm::ResetGrid(widgets::StringGrid* grid)
{
    grid->setRowCount(2);
    for (int col = 0; col < grid->ColCount(); ++col)
        grid->Cells[col][1] = "";
    grid->SetCol(0);
    grid->SetRow(1);
}

void TMedicalRecordForm::EmptyRows()
{
    ResetGrid(NoteStringGrid);
    for (int& index : tnNoteStaffIndex)
        index = -1;
    nNoteRecords = 0;

    CheckupDateListBox->clear();
    CheckupDateListBox->SetItemIndex(-1);
    nCheckupRecords = 0;
    DentalFormulaSG->SetCol(0);
    DentalFormulaSG->SetRow(3);
    ClearDentalFormula();

    ResetGrid(DietInqSG);
    for (int i = 0; i < MaxDietInquiryRecords; ++i)
        tnDietFoodIndex[i] = tnDietFrequencyIndex[i] = -1;
    nDietInquiryRecords = 0;

    ResetGrid(TreatmentSG);
    for (int& index : tnTreatmentStaffIndex)
        index = -1;
    nTreatmentRecords = 0;

    SetEnabled({NoteSgLabel,      NoteStringGrid,          NoteNewButton,       NoteEditButton,
                NoteDeleteButton, CheckupDataLabel,        CheckupDateListBox,  SchoolTitleLabel,
                CheckupNewButton, CheckupEditButton,       CheckupDeleteButton, DentalFormulaSgLabel,
                DentalFormulaSG,  EditDentalFormulaButton, DietInqSgLabel,      DietInqSG,
                DietNewButton,    DietEditButton,          DietDeleteButton,    TreatmentSgLabel,
                TreatmentSG,      TreatmentNewButton,      TreatmentEditButton, TreatmentDeleteButton},
               false);
}

void TMedicalRecordForm::RebuildChoiceLists()
{
    TIniFile* ini = ProgramFiles.IniFile;
    const QStringList brushing = {"No brushing", "Once a day", "Twice a day", "Three times a day", "Others"};
    BrushingCB->clear();
    for (int i = 0; i < brushing.size(); ++i)
        BrushingCB->addItem(ini->ReadString("Excursus", QString("BrushFreq%1").arg(i), brushing[i]));
    const QStringList next = {"by KVR next year", "by local dentist", "in Duze Dura"};
    NextCheckupCB->clear();
    for (int i = 0; i < next.size(); ++i)
        NextCheckupCB->addItem(ini->ReadString("Next", QString("Next%1").arg(i), next[i]));
}

// The photo's name goes with it: karte sheet A prints the photo PhotoLabel names.
void TMedicalRecordForm::BlankPhoto()
{
    PhotoImage->Fill(widgets::clBtnFace);
    PhotoLabel->SetCaption("");
}

void TMedicalRecordForm::SetKarteNoEditable(bool editable)
{
    MediRecNoEdit->setReadOnly(!editable);
    MediRecNoEdit->SetColor(editable ? widgets::clWindow : widgets::clBtnFace);
    // Karte numbers are plain letters and digits; Qt turns the input method back on with
    // every change of the read-only flag.
    MediRecNoEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TMedicalRecordForm::EnableHeaderControls(bool enabled)
{
    QWidget* const controls[] = {
        MediRecNoLabel, MediRecNoEdit, MediRecDateLabel, MediRecDateEdit, MediRecDateBitBtn,
        RetrievePatientButton, PatientNoLabel, PatientNoEdit, NameLabel, NameEdit, KanaLabel, KanaEdit,
        BirthDateLabel, BirthDateEdit, SexLabel, SexEdit,
        // Infection.
        AidsCheckBox, TuberculosisCheckBox, BloodInfectionCheckBox, HepatitisBCheckBox, HepatitisCCheckBox,
        AirialInfectionCheckBox, OtherInfectionCheckBox, TuberculosisEdit, BloodInfectionEdit,
        AirialInfectionEdit, OtherInfectionEdit,
        // Q1 and Q2.
        NoneCheckBox, AnemiaCheckBox, SwollingCheckBox, BleedingCheckBox, FeverCheckBox, NoExtCheckBox,
        NoAllergyCheckBox, AfterInjectionCheckBox, AfterDosingCheckBox, AllergyOthersCheckBox,
        AllergyCommentEdit,
        // Q3, Q4 and the next treatment.
        Q3RadioGroup, BrushingCB, BrushingEdit, NextCheckupLabel, NextCheckupCB};
    static_assert(std::size(controls) == 43);
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void TMedicalRecordForm::SetEnabled(std::initializer_list<QWidget*> controls, bool enabled)
{
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void TMedicalRecordForm::NewButtonClick()
{
    bNewKarteMode = Edition().KarteConveniences();
    TIniFile* ini = ProgramFiles.IniFile;
    asKarteNoPrefix = ini->ReadString(asIniSection, "Number1", "XX");
    iKarteNoMiddle = ini->ReadInteger(asIniSection, "Number2", 1);
    iKarteNoLast = ini->ReadInteger(asIniSection, "Number3", 1);

    // The counters are written back only after a store.
    const TKarteNoProposal proposal = ProposeKarteNo(asKarteNoPrefix, iKarteNoMiddle, iKarteNoLast,
                                                     [](const QString& no) { return ExistKarteNo(no); });
    MediRecNoEdit->SetText(proposal.number);
    if (!proposal.found) {
        widgets::ShowError("次に空いているカルテ番号を自動的に見つけることができませんでした。 \n" +
                           proposal.number);
        MediRecNoEdit->SetText("");
    }

    MediRecDateEdit->SetText("");
    // A new karte has no code until it is added, and no examinee until one is chosen.
    stMediRec.iCode = 0;
    stMediRec.iPatientCode = -1;
    iCheckupSchoolCode = 0;
    EnableHeaderControls(true);
    for (widgets::Edit* edit : {PatientNoEdit, NameEdit, KanaEdit, BirthDateEdit, SexEdit})
        edit->SetText("");
    FamilyNameLabel->SetCaption("");
    PersonalNameLabel->SetCaption("");
    BlankPhoto();
    ClearExcursus();

    EmptyRows();
    for (widgets::Label* count : {NoteLabel, CheckupLabel, DietInqLabel, TreatmentLabel})
        count->SetCaption("0");

    SetKarteNoEditable(true);
    AddButton->setEnabled(true);
    SetEnabled({PrintCardButton, PrintButton, ReplaceButton, DeleteButton}, false);
    bHeaderChanged = false;
    SetFocusAndPointer(MediRecDateBitBtn);
}

void TMedicalRecordForm::SetFocusAndPointer(QWidget* control)
{
    control->setFocus();
    if (Edition().KarteConveniences())
        widgets::MovePointerTo(control);
}

void TMedicalRecordForm::MediRecNoEditKeyPress(QChar& key)
{
    // The comma separates the fields of the files the program writes.
    if (key == ',')
        key = QChar(0);
}

void TMedicalRecordForm::MediRecDateBitBtnClick()
{
    const int left = Left() + HeaderGroupBox->x() + MediRecDateEdit->x() + MediRecDateEdit->width() / 2;
    const int top = Top() + HeaderGroupBox->y() + MediRecDateEdit->y() - MonthCalendarForm->Height() / 4;
    QString preset;
    if (Edition().KarteConveniences()) {
        preset = MediRecDateEdit->Text();
        if (preset.isEmpty())
            preset = asLastRecordDate;
        if (preset.isEmpty())
            MonthCalendarForm->MonthCalendar1->SetDate(Now());
    }
    if (const auto date = PickDate(left, top, preset))
        MediRecDateEdit->SetText(Edition().DateFieldText(*date));
    if (bNewKarteMode) {
        AddButton->setFocus();
        asLastRecordDate = DateToStr(MonthCalendarForm->MonthCalendar1->Date());
        widgets::MovePointerTo(AddButton);
    }
}

void TMedicalRecordForm::MediRecDateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    MediRecDateBitBtnClick();
}

void TMedicalRecordForm::MediRecDateEditExit()
{
    if (bNewKarteMode)
        SetFocusAndPointer(AddButton);
}

void TMedicalRecordForm::RetrievePatientButtonClick()
{
    const std::optional<stPatientRec> chosen = PatientForm->SelectPatient();
    if (!chosen)
        return;
    PhotoImage->Fill(widgets::clWhite);
    // The examinee window made the program's folder current: the photo is read from there.
    ShowPatient(*chosen);
    iCheckupSchoolCode = chosen->iSchoolCode;
    bHeaderChanged = true;
}

void TMedicalRecordForm::HeaderChange()
{
    bHeaderChanged = true;
}

void TMedicalRecordForm::ReadFormHeight()
{
    iFormHeight = ProgramFiles.IniFile->ReadInteger(asIniSection, "FormHeight", Height());
    SetHeight(KeptLength(iFormHeight, DesignedSize().height()));
}

void TMedicalRecordForm::CloseButtonClick()
{
    if (bHeaderChanged && !widgets::AskQuestion(CloseQuestion))
        return;
    Close();
}

void TMedicalRecordForm::FormClose()
{
    // Only the height is kept; the width is the design's.
    if (Height() != iFormHeight && Writable(Height()))
        ProgramFiles.IniFile->WriteInteger(asIniSection, "FormHeight", Height());
}
