#include "registration/PatientUnit.h"

#include "core/MonthCalendarUnit.h"
#include "core/ProgramFiles.h"
#include "core/SchoolList.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"
#include "registration/SearchPatientUnit.h"

#include <QScopeGuard>
#include <algorithm>

TPatientForm* PatientForm = nullptr;

using registration::ListedRows;
using widgets::ShowError;

namespace {

const QStringList headers = {"Patient #", "Personal Name", "Family Name", "Personal Kana", "Family Kana",
                             "Birth",     "Sex",           "School",      "Photo File"};
const int designWidths[] = {50, 82, 83, 82, 75, 74, 27, 110, 75};

enum Column {
    colNo,
    colPersonal,
    colFamily,
    colPersonalKana,
    colFamilyKana,
    colBirth,
    colSex,
    colSchool,
    colPhoto
};

} // namespace

QString CheckPatientInput(const TPatientInput& input)
{
    QString message;
    const auto line = [&](const QString& text) { message += (message.isEmpty() ? "" : "\n") + text; };
    if (input.patientNo.isEmpty())
        line("受診者番号が指定されていません。");
    if (input.familyName.isEmpty() || input.personalName.isEmpty())
        line("名前が指定されていません。");
    if (input.schoolIndex < 0)
        line("学校名が指定されていません。");
    return message;
}

TPatientForm::TPatientForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    for (int col = 0; col < PatientSG->ColCount(); ++col)
        PatientSG->SetColWidth(col, designWidths[col]);
    // A column starts wide enough for its longest value; the widths kept in the
    // configuration file replace these at the showing.
    PatientSG->SetColWidth(
        colSex, std::max(designWidths[colSex], PatientSG->ColWidthToShow(registration::SexText(1))));
    PhotoImageOpenPictureDialog = new widgets::OpenPictureDialog(this);
    // The list grows with the window; the buttons keep to the bottom (and the right).
    auto* layout = new TWindowLayout(this);
    layout->Follow(PatientSG, {0, 0}, {1, 1});
    layout->Follow(FindButton, {0, 1}, {0, 0});
    layout->Follow(DeleteButton, {0, 1}, {0, 0});
    layout->Follow(OkButton, {1, 1}, {0, 0});
    layout->Follow(CancelButton, {1, 1}, {0, 0});
    layout->Follow(CloseButton, {1, 1}, {0, 0});

    using widgets::Connect;
    // The kept size is the window's before it is shown, so that it appears at it.
    Connect(this, &Form::BeforeShow, this,
            [this] { geometry.Read(ProgramFiles.IniFile, this, ColumnsOf(PatientSG)); });
    Connect(this, &Form::OnShow, this, &TPatientForm::FormShow);
    Connect(this, &Form::OnClose, this, &TPatientForm::FormClose);
    Connect(ClearButton, &QPushButton::clicked, this, &TPatientForm::ClearButtonClick);
    Connect(AddButton, &QPushButton::clicked, this, &TPatientForm::AddButtonClick);
    Connect(ReplaceButton, &QPushButton::clicked, this, &TPatientForm::ReplaceButtonClick);
    Connect(PatientSG, &widgets::StringGrid::DblClick, this, &TPatientForm::PatientSGDblClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TPatientForm::DeleteButtonClick);
    Connect(FindButton, &QPushButton::clicked, this, &TPatientForm::FindButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &TPatientForm::CloseButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TPatientForm::CloseButtonClick);
    Connect(OkButton, &QPushButton::clicked, this, &TPatientForm::OkButtonClick);
    Connect(BirthDateBitBtn, &QPushButton::clicked, this, &TPatientForm::BirthDateBitBtnClick);
    Connect(BirthDateEdit, &widgets::Edit::ContextPopup, this, &TPatientForm::BirthDateEditContextPopup);
    Connect(BirthDateLabel, &widgets::Label::ContextPopup, this, &TPatientForm::BirthDateEditContextPopup);
    Connect(PhotoImage, &widgets::Image::Click, this, &TPatientForm::PhotoImageClick);
    Connect(PersonalNameEdit, &widgets::Edit::KeyPress, this, &TPatientForm::PersonalNameEditKeyPress);
    Connect(FamilyNameEdit, &widgets::Edit::KeyPress, this, &TPatientForm::FamilyNameEditKeyPress);
    Connect(PersonalKanaEdit, &widgets::Edit::KeyPress, this, &TPatientForm::PersonalKanaEditKeyPress);
    Connect(FamilyKanaEdit, &widgets::Edit::KeyPress, this, &TPatientForm::FamilyKanaEditKeyPress);
}

void TPatientForm::RegisterPatients()
{
    OkButton->hide();
    CancelButton->hide();
    CloseButton->show();
    ShowModal();
}

std::optional<stPatientRec> TPatientForm::SelectPatient()
{
    OkButton->show();
    CancelButton->show();
    CloseButton->hide();
    chosen.reset();
    ShowModal();
    return chosen;
}

void TPatientForm::FormShow()
{
    asImagePath = ProgramFiles.IniFile->ReadString(asIniSection, "ImagePath", "Images");
    LoadSchoolList();

    for (widgets::Edit* edit :
         {PatientNoEdit, PersonalNameEdit, FamilyNameEdit, PersonalKanaEdit, FamilyKanaEdit, BirthDateEdit})
        edit->SetText(QString());
    SexComboBox->SetItemIndex(-1);
    SchoolNameCB->SetItemIndex(0);
    PhtoImageLabel->SetCaption(QString());
    PhtoImageLabel->setToolTip(QString());
    PhotoImage->Fill(widgets::clWhite);

    EnablePatientControls(false);
    ShowInputButtons(false, false);

    // The list and its records start empty together, so an added examinee's row and record agree.
    registration::ClearList(PatientSG, headers);
    tstPatientRec.count = 0;
    NumOfPatientsLabel->SetCaption(QString());
    DeleteButton->setEnabled(false);
}

void TPatientForm::FormClose()
{
    geometry.Write(ProgramFiles.IniFile, this, ColumnsOf(PatientSG));
}

void TPatientForm::LoadSchoolList()
{
    if (const int listed = ::LoadSchoolList(tstSchoolRec, SchoolNameCB); listed >= 0)
        nSchoolRecords = listed;
}

int TPatientForm::SchoolIndexOfName(const QString& name) const
{
    for (int i = 0; i < SchoolNameCB->count(); ++i)
        if (SchoolNameCB->itemText(i) == name)
            return i;
    return -1;
}

void TPatientForm::ClearButtonClick()
{
    if (GetPatientCount() >= MaxPatients) {
        ShowError("受診者数の上限 " + IntToStr(MaxPatients) + " を越えます。");
        return;
    }
    const std::optional<int> number = registration::ProposeNewNumber(
        asIniSection, "受診者番号", [](const QString& no) { return ExistPatientNo(no); });
    if (!number)
        return;
    iNewPatientNo = *number;
    PatientNoEdit->SetText(IntToStr(iNewPatientNo));

    for (widgets::Edit* edit :
         {PersonalNameEdit, FamilyNameEdit, PersonalKanaEdit, FamilyKanaEdit, BirthDateEdit})
        edit->SetText(QString());
    SexComboBox->SetItemIndex(-1);
    SchoolNameCB->SetItemIndex(0);
    PhtoImageLabel->SetCaption(QString());
    PhtoImageLabel->setToolTip(QString());
    PhotoImage->LoadPicture(asImagePath + "\\Prompt.bmp");

    EnablePatientControls(true);
    ShowInputButtons(true, false);
    PersonalNameEdit->setFocus();
}

TPatientInput TPatientForm::Input() const
{
    TPatientInput input;
    input.patientNo = PatientNoEdit->Text();
    input.familyName = FamilyNameEdit->Text();
    input.personalName = PersonalNameEdit->Text();
    input.familyKana = FamilyKanaEdit->Text();
    input.personalKana = PersonalKanaEdit->Text();
    input.birthDate = BirthDateEdit->Text();
    input.sex = SexComboBox->ItemIndex();
    input.schoolIndex = SchoolNameCB->ItemIndex();
    input.portrait = PhtoImageLabel->Caption();
    return input;
}

stPatientRec TPatientForm::RecordOfInput() const
{
    const TPatientInput input = Input();
    stPatientRec rec;
    rec.asPatientNo = input.patientNo;
    rec.asName0 = input.familyName;
    rec.asName1 = input.personalName;
    rec.asNameKana0 = input.familyKana;
    rec.asNameKana1 = input.personalKana;
    rec.tBirth = StrToDateTime(input.birthDate);
    rec.iSex = input.sex;
    rec.iSchoolCode = input.schoolIndex >= 0 && input.schoolIndex < nSchoolRecords
                          ? tstSchoolRec[size_t(input.schoolIndex)].iCode
                          : -1;
    rec.asPortrait = input.portrait;
    return rec;
}

void TPatientForm::AddButtonClick()
{
    if (!registration::RoomInList("受診者一覧", tstPatientRec.count, MaxListed))
        return;
    if (!registration::InputComplete(CheckPatientInput(Input())))
        return;
    stPatientRec rec = RecordOfInput();
    const int result = AddPatient(rec);
    if (result <= 0) {
        ShowError("受診者テーブルに追加できませんでした。(" + IntToStr(result) + ")" + RefusalNote());
        return;
    }
    // A later replace or delete of this row acts on the row just added.
    rec.iCode = GetAddedCode();
    ProgramFiles.IniFile->WriteInteger(asIniSection, "Number", registration::NumberAfter(iNewPatientNo));
    tstPatientRec.Append(rec);
    registration::AppendListRow(PatientSG);
    PatientEditsToGrid();
    ShowCount();
    EnablePatientControls(false);
    ShowInputButtons(false, false);
    DeleteButton->setEnabled(true);
}

void TPatientForm::ReplaceButtonClick()
{
    if (!registration::InputComplete(CheckPatientInput(Input())))
        return;
    const QString failure = "受診者テーブルを書き換えられませんでした。";
    if (!registration::ListedRecord(tstPatientRec.Has(iEditRow - 1), failure))
        return;
    stPatientRec rec = RecordOfInput();
    // The row the window loaded, not whichever live row holds its number now, and only while
    // it is as the window read it.
    const stPatientRec& loaded = tstPatientRec[iEditRow - 1];
    rec.iCode = loaded.iCode;
    const int result = ReplacePatient(rec, &loaded);
    if (result <= 0) {
        ShowError(failure + "(" + IntToStr(result) + ")" + RefusalNote());
        return;
    }
    // What it stored is what the table holds now: the next replace compares with it.
    rec.asSchoolName = SchoolNameCB->Text();
    tstPatientRec[iEditRow - 1] = rec;
    PatientSG->SetRow(iEditRow);
    PatientEditsToGrid();
    EnablePatientControls(false);
    ShowInputButtons(false, false);
}

void TPatientForm::PatientEditsToGrid()
{
    const int row = PatientSG->Row();
    PatientSG->SetCell(colNo, row, PatientNoEdit->Text());
    PatientSG->SetCell(colPersonal, row, PersonalNameEdit->Text());
    PatientSG->SetCell(colFamily, row, FamilyNameEdit->Text());
    PatientSG->SetCell(colPersonalKana, row, PersonalKanaEdit->Text());
    PatientSG->SetCell(colFamilyKana, row, FamilyKanaEdit->Text());
    PatientSG->SetCell(colBirth, row, BirthDateEdit->Text());
    PatientSG->SetCell(colSex, row, SexComboBox->Text());
    PatientSG->SetCell(colSchool, row, SchoolNameCB->Text());
    PatientSG->SetCell(colPhoto, row, PhtoImageLabel->Caption());
}

void TPatientForm::EnablePatientControls(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             PatientNoLabel, PatientNoEdit, NameLabel, PersonalNameEdit, FamilyNameEdit, KanaLabel,
             PersonalKanaEdit, FamilyKanaEdit, BirthDateLabel, BirthDateEdit, BirthDateBitBtn, SexLabel,
             SexComboBox, SchoolNameLabel, SchoolNameCB, PhotoImage})
        control->setEnabled(enabled);
}

void TPatientForm::ShowInputButtons(bool add, bool replace)
{
    AddButton->setEnabled(add);
    AddArrowLabel->setVisible(add);
    ReplaceButton->setEnabled(replace);
    ReplaceArrowLabel->setVisible(replace);
}

void TPatientForm::ShowCount()
{
    NumOfPatientsLabel->SetCaption(IntToStr(ListedRows(PatientSG)) + " of " + IntToStr(GetPatientCount()));
}

void TPatientForm::PatientSGDblClick()
{
    if (ListedRows(PatientSG) == 0)
        return;
    iEditRow = PatientSG->Row();
    PatientNoEdit->SetText(PatientSG->Cell(colNo, iEditRow));
    PersonalNameEdit->SetText(PatientSG->Cell(colPersonal, iEditRow));
    FamilyNameEdit->SetText(PatientSG->Cell(colFamily, iEditRow));
    PersonalKanaEdit->SetText(PatientSG->Cell(colPersonalKana, iEditRow));
    FamilyKanaEdit->SetText(PatientSG->Cell(colFamilyKana, iEditRow));
    BirthDateEdit->SetText(PatientSG->Cell(colBirth, iEditRow));
    SexComboBox->SetItemIndex(registration::SexIndexOfText(PatientSG->Cell(colSex, iEditRow)));
    SchoolNameCB->SetItemIndex(SchoolIndexOfName(PatientSG->Cell(colSchool, iEditRow)));

    const QString photo = PatientSG->Cell(colPhoto, iEditRow);
    PhtoImageLabel->SetCaption(photo);
    PhtoImageLabel->setToolTip(photo);
    PhotoImage->Fill(widgets::clWhite);
    if (!photo.isEmpty()) {
        const QString path = asImagePath + "\\" + photo;
        if (os::FileExists(path))
            PhotoImage->LoadBitmap(path);
        else
            ShowError("写真ファイル " + photo + " がありません。");
    }

    EnablePatientControls(true);
    ShowInputButtons(false, true);
    DeleteButton->setEnabled(true);
}

void TPatientForm::DeleteButtonClick()
{
    const int row = PatientSG->Row();
    const QString cells =
        registration::JoinCells(PatientSG, row, {colNo, colPersonal, colFamily, colBirth, colSex, colSchool});
    if (!widgets::AskQuestion(IntToStr(row) + "行目のデータを削除してよいですか？\n  " + cells))
        return;
    const QString failure = "受診者テーブルから削除できませんでした。\n" + cells + "\n";
    if (!registration::ListedRecord(tstPatientRec.Has(row - 1), failure))
        return;
    const QString number = PatientSG->Cell(colNo, row);
    QString first;
    const int kartes = GetMedicalRecordOfPatient(number, first);
    if (kartes < 0) {
        ShowError("カルテ・テーブル・アクセスエラー。(" + IntToStr(kartes) + ")\n" +
                  "(TPatientForm::DeleteButtonClick" + ")");
        return;
    }
    if (kartes > 0) {
        if (kartes > 1)
            first += " ...";
        if (!widgets::AskError("受診者 " + PatientSG->Cell(colPersonal, row) + " " +
                               PatientSG->Cell(colFamily, row) + " のカルテが " + IntToStr(kartes) +
                               " 件あります。\n  " + first + "\n" + "この受診者を削除してよいですか？"))
            return;
    }
    const int deleted = DelPatient(number, tstPatientRec[row - 1].iCode);
    if (deleted <= 0) {
        ShowError(failure + "(" + IntToStr(deleted) + ")" + RefusalNote());
        return;
    }
    registration::RemoveListRow(PatientSG, row);
    tstPatientRec.Remove(row - 1);
    iEditRow = registration::RowAfterRemoval(iEditRow, row);
    ShowCount();
    DeleteButton->setEnabled(ListedRows(PatientSG) > 0);
}

void TPatientForm::FindButtonClick()
{
    SearchPatientForm->ShowModal();
}

void TPatientForm::ListFoundPatients(int found)
{
    const int listed =
        registration::ListFound("受診者テーブル", found, tstPatientRec,
                                [](stPatientRec* recs, int max) { return GetPatients(recs, max); });
    if (listed < 0)
        return;
    registration::SizeList(PatientSG, listed);
    for (int i = 0; i < listed; ++i) {
        const stPatientRec& rec = tstPatientRec[i];
        const int row = i + 1;
        PatientSG->SetCell(colNo, row, rec.asPatientNo);
        PatientSG->SetCell(colPersonal, row, rec.asName1);
        PatientSG->SetCell(colFamily, row, rec.asName0);
        PatientSG->SetCell(colPersonalKana, row, rec.asNameKana1);
        PatientSG->SetCell(colFamilyKana, row, rec.asNameKana0);
        PatientSG->SetCell(colBirth, row, DateToStr(rec.tBirth));
        PatientSG->SetCell(colSex, row, registration::SexText(rec.iSex));
        PatientSG->SetCell(colSchool, row, rec.asSchoolName);
        PatientSG->SetCell(colPhoto, row, rec.asPortrait);
    }
    ShowCount();
    DeleteButton->setEnabled(listed > 0);
}

void TPatientForm::CloseButtonClick()
{
    Close();
}

void TPatientForm::BirthDateBitBtnClick()
{
    const int left = Left() + PatientInfoGroupBox->x() + BirthDateEdit->x();
    const int top = Top() + PatientInfoGroupBox->y() + BirthDateEdit->y() - MonthCalendarForm->Height() / 4;
    if (const auto date = PickDate(left, top, BirthDateEdit->Text()))
        BirthDateEdit->SetText(*date);
}

void TPatientForm::BirthDateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    BirthDateBitBtnClick();
}

void TPatientForm::PhotoImageClick()
{
    const QString programFolder = registration::ProgramFolder();
    PhotoImageOpenPictureDialog->InitialDir = programFolder + asImagePath;
    if (!PhotoImageOpenPictureDialog->Execute())
        return;
    const QString file = PhotoImageOpenPictureDialog->FileName;
    const QString name = file.mid(file.lastIndexOf('\\') + 1);
    // The program's folder is made current again even when the file is no bitmap: the
    // photo folder is relative to it, and every later photo would be missing otherwise.
    const auto restore = qScopeGuard([&] { os::SetCurrentFolder(programFolder); });
    // The dialog left the chosen file's folder current.
    PhotoImage->LoadBitmap(name);
    PhtoImageLabel->SetCaption(name);
    PhtoImageLabel->setToolTip(name);
}

void TPatientForm::OkButtonClick()
{
    // The current row's examinee, never the input area: an examinee is chosen from the list,
    // with its Code, so that the karte is stored onto this examinee and no other that takes its
    // number later.
    const int row = PatientSG->Row();
    stPatientRec patient;
    patient.iSex = -1;
    if (ListedRows(PatientSG) > 0) {
        if (!registration::ListedRecord(tstPatientRec.Has(row - 1), "受診者を選べませんでした。"))
            return;
        patient = tstPatientRec[row - 1];
    }
    patient.asSchoolName = PatientSG->Cell(colSchool, row);
    const int schoolIndex = SchoolIndexOfName(patient.asSchoolName);
    patient.iSchoolCode =
        schoolIndex >= 0 && schoolIndex < nSchoolRecords ? tstSchoolRec[size_t(schoolIndex)].iCode : -1;
    if (!patient.asPortrait.isEmpty()) {
        // The karte editor reads the photo from the program's folder; one that is missing or no
        // bitmap raises here, with this window open.
        os::SetCurrentFolder(registration::ProgramFolder());
        widgets::Image::ReadBitmap("Images\\" + patient.asPortrait);
    }
    chosen = patient;
    Close();
}
