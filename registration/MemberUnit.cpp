#include "registration/MemberUnit.h"

#include "core/ProgramFiles.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "registration/SearchMemberUnit.h"

TMemberForm* MemberForm = nullptr;

using registration::ListedRows;
using widgets::ShowError;

namespace {

const QStringList headers = {"Member #",      "Family Name", "Personal Name", "Family Kana",
                             "Personal Kana", "Sex",         "Occupation"};
const int designWidths[] = {53, 115, 113, 110, 99, 55, 101};

enum Column { colNo, colFamily, colPersonal, colFamilyKana, colPersonalKana, colSex, colJob };

QString CheckMemberInput(const TMemberInput& input, const QString& numberLine, const QString& nameLine)
{
    QString message;
    const auto line = [&](const QString& text) { message += (message.isEmpty() ? "" : "\n") + text; };
    if (input.memberNo.isEmpty())
        line(numberLine);
    if (input.familyName.isEmpty() || input.personalName.isEmpty())
        line(nameLine);
    return message;
}

} // namespace

QString CheckMemberInputToAdd(const TMemberInput& input)
{
    return CheckMemberInput(input, "[メンバー番号] が指定されていません。", "[名前] が指定されていません。");
}

QString CheckMemberInputToReplace(const TMemberInput& input)
{
    return CheckMemberInput(input, "メンバー番号が指定されていません。", "名前が指定されていません。");
}

TMemberForm::TMemberForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
    for (int col = 0; col < MembersSG->ColCount(); ++col)
        MembersSG->SetColWidth(col, designWidths[col]);
    MembershipLabel->hide();
    EnrollDateEdit->hide();
    // The list grows with the window; the buttons keep to the bottom (and the right).
    auto* layout = new TWindowLayout(this);
    layout->Follow(MembersSG, {0, 0}, {1, 1});
    layout->Follow(FindButton, {0, 1}, {0, 0});
    layout->Follow(DeleteButton, {0, 1}, {0, 0});
    layout->Follow(CloseButton, {1, 1}, {0, 0});

    using widgets::Connect;
    // The kept size is the window's before it is shown, so that it appears at it.
    Connect(this, &Form::BeforeShow, this,
            [this] { geometry.Read(ProgramFiles.IniFile, this, ColumnsOf(MembersSG)); });
    Connect(this, &Form::OnShow, this, &TMemberForm::FormShow);
    Connect(this, &Form::OnClose, this, &TMemberForm::FormClose);
    Connect(ClearButton, &QPushButton::clicked, this, &TMemberForm::ClearButtonClick);
    Connect(AddButton, &QPushButton::clicked, this, &TMemberForm::AddButtonClick);
    Connect(ReplaceButton, &QPushButton::clicked, this, &TMemberForm::ReplaceButtonClick);
    Connect(MembersSG, &widgets::StringGrid::DblClick, this, &TMemberForm::MembersSGDblClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TMemberForm::DeleteButtonClick);
    Connect(FindButton, &QPushButton::clicked, this, &TMemberForm::FindButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &TMemberForm::CloseButtonClick);
    Connect(FamilyNameEdit, &widgets::Edit::KeyPress, this, &TMemberForm::FamilyNameEditKeyPress);
    Connect(PersonalNameEdit, &widgets::Edit::KeyPress, this, &TMemberForm::PersonalNameEditKeyPress);
    Connect(FamilyKanaEdit, &widgets::Edit::KeyPress, this, &TMemberForm::FamilyKanaEditKeyPress);
    Connect(PersonalKanaEdit, &widgets::Edit::KeyPress, this, &TMemberForm::PersonalKanaEditKeyPress);
}

void TMemberForm::FormShow()
{
    nJobRecords = LoadJobList(OccupationCB);

    for (widgets::Edit* edit :
         {MemberNoEdit, FamilyNameEdit, PersonalNameEdit, FamilyKanaEdit, PersonalKanaEdit})
        edit->SetText(QString());
    SexComboBox->SetItemIndex(-1);
    OccupationCB->SetItemIndex(-1);

    EnableMemberControls(false);
    ShowInputButtons(false, false);

    // The list and its records start empty together, so an added member's row and record agree.
    registration::ClearList(MembersSG, headers);
    tstStaffRec.count = 0;
    NumOfMembersLabel->SetCaption(QString());
    DeleteButton->setEnabled(false);
}

void TMemberForm::FormClose()
{
    geometry.Write(ProgramFiles.IniFile, this, ColumnsOf(MembersSG));
}

int TMemberForm::LoadJobList(widgets::ComboBox* comboBox)
{
    int count = GetJobCount();
    if (count < 0) {
        ShowError("職種テーブルの件数を確認できません。(" + IntToStr(count) + ")");
        return 0;
    }
    count = std::min(count, MaxJobs);
    const int found = SearchJob(stJobRecord());
    if (found < 0) {
        ShowError("職種テーブルを検索できません。(" + IntToStr(found) + ")");
        return count;
    }
    const int read = GetJobs(tstJobRec.data(), count);
    if (read < 0) {
        ShowError("職種テーブル値を読み出せません。(" + IntToStr(read) + ")");
        return count;
    }
    comboBox->clear();
    for (int i = 0; i < count; ++i)
        comboBox->addItem(tstJobRec[size_t(i)].asJob);
    comboBox->SetItemIndex(-1); // a refilled list has no choice
    return count;
}

int TMemberForm::JobIndexOfName(const QString& name) const
{
    for (int i = 0; i < nJobRecords; ++i)
        if (tstJobRec[size_t(i)].asJob == name)
            return i;
    return -1;
}

int TMemberForm::JobIndexOfCode(int code) const
{
    for (int i = 0; i < nJobRecords; ++i)
        if (tstJobRec[size_t(i)].iCode == code)
            return i;
    return -1;
}

int TMemberForm::JobCodeOfName(const QString& name) const
{
    const int index = JobIndexOfName(name);
    return index < 0 ? -1 : tstJobRec[size_t(index)].iCode;
}

void TMemberForm::ClearButtonClick()
{
    if (GetStaffCount() >= MaxMembers) {
        ShowError("メンバー数の上限 " + IntToStr(MaxMembers) + " を越えます。");
        return;
    }
    const std::optional<int> number = registration::ProposeNewNumber(
        asIniSection, "メンバー番号", [](const QString& no) { return ExistStaffNo(no); });
    if (!number)
        return;
    iNewStaffNo = *number;
    MemberNoEdit->SetText(IntToStr(iNewStaffNo));
    for (widgets::Edit* edit : {FamilyNameEdit, PersonalNameEdit, FamilyKanaEdit, PersonalKanaEdit})
        edit->SetText(QString());
    SexComboBox->SetItemIndex(-1);
    OccupationCB->SetItemIndex(-1);

    EnableMemberControls(true);
    ShowInputButtons(true, false);
    FamilyNameEdit->setFocus();
}

TMemberInput TMemberForm::Input() const
{
    TMemberInput input;
    input.memberNo = MemberNoEdit->Text();
    input.familyName = FamilyNameEdit->Text();
    input.personalName = PersonalNameEdit->Text();
    input.familyKana = FamilyKanaEdit->Text();
    input.personalKana = PersonalKanaEdit->Text();
    input.sex = SexComboBox->ItemIndex();
    return input;
}

stStaffRecord TMemberForm::RecordOfInput() const
{
    const TMemberInput input = Input();
    stStaffRecord rec;
    rec.asStaffNo = input.memberNo;
    rec.iSex = input.sex;
    rec.asNameKanji0 = input.familyName;
    rec.asNameKanji1 = input.personalName;
    rec.asNameKana0 = input.familyKana;
    rec.asNameKana1 = input.personalKana;
    rec.iJobCode = OccupationCB->ItemIndex() < 0 ? -1 : JobCodeOfName(OccupationCB->Text());
    return rec;
}

void TMemberForm::AddButtonClick()
{
    if (!registration::RoomInList("メンバー一覧", tstStaffRec.count, MaxListed))
        return;
    if (!registration::InputComplete(CheckMemberInputToAdd(Input())))
        return;
    stStaffRecord rec = RecordOfInput();
    const int result = AddStaff(rec);
    if (result <= 0) {
        ShowError("メンバー・テーブルに追加できませんでした。(" + IntToStr(result) + ")" + RefusalNote());
        return;
    }
    // A later replace or delete of this row acts on the row just added.
    rec.iCode = GetAddedCode();
    ProgramFiles.IniFile->WriteInteger(asIniSection, "Number", registration::NumberAfter(iNewStaffNo));
    tstStaffRec.Append(rec);
    registration::AppendListRow(MembersSG);
    MemberEditsToGrid();
    NumOfMembersLabel->SetCaption(IntToStr(ListedRows(MembersSG)) + " of " + IntToStr(GetStaffCount()));
    EnableMemberControls(false);
    ShowInputButtons(false, false);
    DeleteButton->setEnabled(true);
}

void TMemberForm::ReplaceButtonClick()
{
    if (!registration::InputComplete(CheckMemberInputToReplace(Input())))
        return;
    const QString failure = "メンバー・テーブルを書き換えられませんでした。";
    if (!registration::ListedRecord(tstStaffRec.Has(iEditRow - 1), failure))
        return;
    stStaffRecord rec = RecordOfInput();
    const stStaffRecord& loaded = tstStaffRec[iEditRow - 1];
    // The alphabet names are not in the window: they stay those the member has.
    rec.asNameAlphabet0 = loaded.asNameAlphabet0;
    rec.asNameAlphabet1 = loaded.asNameAlphabet1;
    // The row the window loaded, not whichever live row holds its number now, and only while it
    // is as the window read it.
    rec.iCode = loaded.iCode;
    const int result = ReplaceStaff(rec, &loaded);
    if (result <= 0) {
        ShowError(failure + "(" + IntToStr(result) + ")" + RefusalNote());
        return;
    }
    // What it stored is what the table holds now: the next replace compares with it.
    tstStaffRec[iEditRow - 1] = rec;
    MembersSG->SetRow(iEditRow);
    MemberEditsToGrid();
    ReplaceButton->setEnabled(false);
    ReplaceArrowLabel->hide();
}

void TMemberForm::MemberEditsToGrid()
{
    const int row = MembersSG->Row();
    MembersSG->SetCell(colNo, row, MemberNoEdit->Text());
    MembersSG->SetCell(colFamily, row, FamilyNameEdit->Text());
    MembersSG->SetCell(colPersonal, row, PersonalNameEdit->Text());
    MembersSG->SetCell(colFamilyKana, row, FamilyKanaEdit->Text());
    MembersSG->SetCell(colPersonalKana, row, PersonalKanaEdit->Text());
    MembersSG->SetCell(colSex, row, SexComboBox->Text());
    MembersSG->SetCell(colJob, row, OccupationCB->Text());
}

void TMemberForm::EnableMemberControls(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             MemberNoLabel, MemberNoEdit, NameLabel, FamilyNameEdit, PersonalNameEdit, KanaLabel,
             FamilyKanaEdit, PersonalKanaEdit, SexLabel, SexComboBox, OccupationLabel, OccupationCB})
        control->setEnabled(enabled);
}

void TMemberForm::ShowInputButtons(bool add, bool replace)
{
    AddButton->setEnabled(add);
    AddArrowLabel->setVisible(add);
    ReplaceButton->setEnabled(replace);
    ReplaceArrowLabel->setVisible(replace);
}

void TMemberForm::MembersSGDblClick()
{
    if (ListedRows(MembersSG) == 0)
        return;
    iEditRow = MembersSG->Row();
    MemberNoEdit->SetText(MembersSG->Cell(colNo, iEditRow));
    FamilyNameEdit->SetText(MembersSG->Cell(colFamily, iEditRow));
    PersonalNameEdit->SetText(MembersSG->Cell(colPersonal, iEditRow));
    FamilyKanaEdit->SetText(MembersSG->Cell(colFamilyKana, iEditRow));
    PersonalKanaEdit->SetText(MembersSG->Cell(colPersonalKana, iEditRow));
    SexComboBox->SetItemIndex(registration::SexIndexOfText(MembersSG->Cell(colSex, iEditRow)));
    nJobRecords = LoadJobList(OccupationCB);
    OccupationCB->SetItemIndex(JobIndexOfName(MembersSG->Cell(colJob, iEditRow)));

    EnableMemberControls(true);
    ShowInputButtons(false, true);
    DeleteButton->setEnabled(true);
}

bool TMemberForm::ConfirmReferences(int kartes, QString first, const QString& family, const QString& personal,
                                    const QString& accessError, const QString& referredBy)
{
    if (kartes < 0) {
        ShowError(accessError + "(" + IntToStr(kartes) + ")\n" + "(TMemberForm::DeleteButtonClick" + ")");
        return false;
    }
    if (kartes == 0)
        return true;
    if (kartes > 1)
        first += " ...";
    return widgets::AskError("メンバー " + family + " " + personal + " は，" + IntToStr(kartes) +
                             " 件のカルテにおいて，" + referredBy + "で参照されています。\n  " + first +
                             "\n" + "このメンバーを削除してよいですか？");
}

void TMemberForm::DeleteButtonClick()
{
    const int row = MembersSG->Row();
    const QString cells =
        registration::JoinCells(MembersSG, row, {colNo, colFamily, colPersonal, colSex, colJob});
    if (!widgets::AskQuestion("次のデータを削除してよいですか？\n  " + cells))
        return;
    const QString failure = "メンバー・テーブルから削除できませんでした。\n" + cells + "\n";
    if (!registration::ListedRecord(tstStaffRec.Has(row - 1), failure))
        return;
    const QString number = MembersSG->Cell(colNo, row);
    const QString family = MembersSG->Cell(colFamily, row);
    const QString personal = MembersSG->Cell(colPersonal, row);
    QString first;
    int kartes = GetMedicalRecordOfStaffNote(number, first);
    if (!ConfirmReferences(kartes, first, family, personal, "カルテ，備考テーブル・アクセスエラー。", "備考"))
        return;
    kartes = GetMedicalRecordOfStaffTreatment(number, first);
    if (!ConfirmReferences(kartes, first, family, personal, "カルテ，療法・処置テーブル・アクセスエラー。",
                           "療法・処置"))
        return;
    const int deleted = DelStaff(number, tstStaffRec[row - 1].iCode);
    if (deleted <= 0) {
        ShowError(failure + "(" + IntToStr(deleted) + ")" + RefusalNote());
        return;
    }
    registration::RemoveListRow(MembersSG, row);
    tstStaffRec.Remove(row - 1);
    iEditRow = registration::RowAfterRemoval(iEditRow, row);
    NumOfMembersLabel->SetCaption("Total " + IntToStr(ListedRows(MembersSG)));
    DeleteButton->setEnabled(ListedRows(MembersSG) > 0);
}

void TMemberForm::FindButtonClick()
{
    SearchMemberForm->ShowModal();
}

void TMemberForm::ListFoundMembers(int found, const widgets::ComboBox* occupations)
{
    const int listed =
        registration::ListFound("メンバー・テーブル", found, tstStaffRec,
                                [](stStaffRecord* recs, int max) { return GetStaffs(recs, max); });
    if (listed < 0)
        return;
    registration::SizeList(MembersSG, listed);
    for (int i = 0; i < listed; ++i) {
        const stStaffRecord& rec = tstStaffRec[i];
        const int row = i + 1;
        MembersSG->SetCell(colNo, row, rec.asStaffNo);
        MembersSG->SetCell(colFamily, row, rec.asNameKanji0);
        MembersSG->SetCell(colPersonal, row, rec.asNameKanji1);
        MembersSG->SetCell(colFamilyKana, row, rec.asNameKana0);
        MembersSG->SetCell(colPersonalKana, row, rec.asNameKana1);
        MembersSG->SetCell(colSex, row, registration::SexText(rec.iSex));
        MembersSG->SetCell(colJob, row,
                           rec.iJobCode == -1 ? QString()
                                              : occupations->itemText(JobIndexOfCode(rec.iJobCode)));
    }
    NumOfMembersLabel->SetCaption(IntToStr(listed) + " of " + IntToStr(GetStaffCount()));
    DeleteButton->setEnabled(listed > 0);
}

void TMemberForm::CloseButtonClick()
{
    Close();
}
