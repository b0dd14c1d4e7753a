#include "records/MedicalRecordSearchUnit.h"

#include "core/MonthCalendarUnit.h"
#include "core/ProgramFiles.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"
#include "records/PrintCardUnit.h"
#include "registration/RegistrationList.h"

#include <algorithm>

TMedicalRecordSearchForm* MedicalRecordSearchForm = nullptr;

namespace {

const QStringList ColumnHeaders = {"Medi.Rec #",    "Date",        "Patient #",     "Family Name",
                                   "Personal Name", "Family Kana", "Personal Kana", "Birth",
                                   "Sex",           "School Name", "Print"};
const int DesignColWidths[] = {100, 80, 64, 84, 92, 84, 92, 80, 56, 110, 40};

// The design's distances from the right and bottom edges, kept when the window is resized.
constexpr int GridBottomMargin = 446 - 404;
constexpr int ButtonBottomMargin = 446 - 412;
constexpr int CancelRightMargin = 704 - 608;
constexpr int PrintLabelRightMargin = 704 - 536;

QString Code(int code)
{
    return "(" + QString::number(code) + ")";
}

} // namespace

QStringList MedicalRecordRowTexts(const stMedicalRec& karte, const stPatientRec& patient)
{
    return {karte.asMediRecNo,
            DateToStr(karte.tDate),
            patient.asPatientNo,
            patient.asName0,
            patient.asName1,
            patient.asNameKana0,
            patient.asNameKana1,
            int(patient.tBirth) > 0 ? DateToStr(patient.tBirth) : QString(),
            registration::SexText(patient.iSex),
            patient.asSchoolName,
            QString()};
}

QString DeleteMedicalRecordLog(int result, int row, const QStringList& cells)
{
    // cells: karte number, date, examinee number, family name, personal name, birth, sex.
    return QString("TMedicalRecordSearchForm::DeleteButtonClick 33:\n"
                   "  {iDMR=%1(1:OK,-1:Error)} = DelMedicalRecord(\n"
                   "    {MediRecSG->Cells[Imrsg_MediRecNo][{iDeletedRow=%2}]=%3} )\n"
                   "  _[Imrsg_MediRecDate ][]=%4\n"
                   "  _[Imrsg_PatientNo   ][]=%5\n"
                   "  _[Imrsg_FamilyName  ][]=%6\n"
                   "  _[Imrsg_PersonalName][]=%7\n"
                   "  _[Ipsg_BirthDate    ][]=%8\n"
                   "  _[Ipsg_Sex          ][]=%9\n")
        .arg(result)
        .arg(row)
        .arg(cells.value(0), cells.value(1), cells.value(2), cells.value(3), cells.value(4), cells.value(5),
             cells.value(6));
}

TMedicalRecordSearchForm::TMedicalRecordSearchForm(QWidget* parent)
    : widgets::Form(parent), tstMediRec(MaxHits), tstPatientRec(MaxHits), tstExcuRec(MaxHits)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    Position = widgets::Position::OwnerCenter;

    for (int col = 0; col < Imrsg_Columns; ++col) {
        MediRecSG->Cells[col][0] = ColumnHeaders[col];
        MediRecSG->ColWidths[col] = DesignColWidths[col];
    }
    // The criteria start here and then stay as the operator leaves them.
    MediRecStartDateEdit->SetText("1900/01/01");
    MediRecEndDateEdit->SetText("3000/12/31");
    BirthDateEdit->SetText("1900/01/01");
    SexComboBox->SetItemIndex(-1);
    NoPatientCheckBox->SetChecked(false);

    using widgets::Connect;
    using Self = TMedicalRecordSearchForm;
    // The kept size is the window's before it is shown, so that it appears at it.
    Connect(this, &Form::BeforeShow, this,
            [this] { Geometry.Read(ProgramFiles.IniFile, this, ColumnsOf(MediRecSG)); });
    Connect(this, &Form::OnShow, this, &Self::FormShow);
    Connect(this, &Form::OnClose, this, &Self::FormClose);
    Connect(MediRecStartDateBitBtn, &QPushButton::clicked, this, &Self::MediRecStartDateBitBtnClick);
    Connect(MediRecEndDateBitBtn, &QPushButton::clicked, this, &Self::MediRecEndDateBitBtnClick);
    Connect(BirthDateBitBtn, &QPushButton::clicked, this, &Self::BirthDateBitBtnClick);
    Connect(MediRecStartDateEdit, &widgets::Edit::ContextPopup, this,
            &Self::MediRecStartDateEditContextPopup);
    Connect(MediRecEndDateEdit, &widgets::Edit::ContextPopup, this, &Self::MediRecEndDateEditContextPopup);
    Connect(BirthDateEdit, &widgets::Edit::ContextPopup, this, &Self::BirthDateEditContextPopup);
    Connect(NoPatientCheckBox, &widgets::CheckBox::Click, this, &Self::NoPatientCheckBoxClick);
    Connect(FindButton, &QPushButton::clicked, this, &Self::FindButtonClick);
    Connect(MediRecSG, &widgets::StringGrid::Click, this, &Self::MediRecSGClick);
    Connect(MediRecSG, &widgets::StringGrid::DblClick, this, &Self::MediRecSGDblClick);
    Connect(MediRecSG, &widgets::StringGrid::KeyDown, this, &Self::MediRecSGKeyDown);
    Connect(MediRecSG, &widgets::StringGrid::KeyUp, this, &Self::MediRecSGKeyUp);
    Connect(MediRecSG, &widgets::StringGrid::MouseWheelUp, this, &Self::MediRecSGMouseWheelUp);
    Connect(MediRecSG, &widgets::StringGrid::MouseWheelDown, this, &Self::MediRecSGMouseWheelDown);
    Connect(PrintToggleButton, &QPushButton::clicked, this, &Self::PrintToggleButtonClick);
    Connect(PrintCardButton, &QPushButton::clicked, this, &Self::PrintCardButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &Self::DeleteButtonClick);
    Connect(OpenButton, &QPushButton::clicked, this, &Self::OpenButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &Self::CancelButtonClick);
}

void TMedicalRecordSearchForm::resizeEvent(QResizeEvent* event)
{
    // The list grows with the window; the buttons stay at the bottom, Cancel and the
    // print count at the right.
    Form::resizeEvent(event);
    MediRecSG->resize(width() - 2 * MediRecSG->x(),
                      std::max(0, height() - GridBottomMargin - MediRecSG->y()));
    for (QWidget* button : {OpenButton, DeleteButton, PrintToggleButton, PrintCardButton, CancelButton})
        button->move(button->x(), height() - ButtonBottomMargin);
    CancelButton->move(width() - CancelRightMargin, CancelButton->y());
    PrintLabel->move(width() - PrintLabelRightMargin, PrintLabel->y());
}

// ---------------------------------------------------------------------------------------------
// Showing and closing

void TMedicalRecordSearchForm::FormShow()
{
    bOpened = 0;
    nHits = 0;
    TotalLabel->SetCaption("");
    nPrintMarks = UpdatePrintLabel(0);
    PrintLabel->SetCaption("");
    EmptyList();
    EnableRowButtons(false);
    PrintCardButton->setEnabled(false);
    CancelButton->setEnabled(true);
    bSuppressClick = 0;
    iKeyDownOnGrid = 0;
}

void TMedicalRecordSearchForm::FormClose()
{
    Geometry.Write(ProgramFiles.IniFile, this, ColumnsOf(MediRecSG));
}

void TMedicalRecordSearchForm::CancelButtonClick()
{
    Close();
}

void TMedicalRecordSearchForm::EmptyList()
{
    MediRecSG->setRowCount(2);
    for (int col = 0; col < Imrsg_Columns; ++col)
        MediRecSG->Cells[col][1] = "";
}

void TMedicalRecordSearchForm::EnableRowButtons(bool enabled)
{
    for (QWidget* button : {DeleteButton, PrintToggleButton, OpenButton})
        button->setEnabled(enabled);
}

// ---------------------------------------------------------------------------------------------
// Date criteria

void TMedicalRecordSearchForm::PickCriterionDate(widgets::Edit* edit)
{
    // The picker's top edge half its height above the field; the calendar shows the
    // date of its last use.
    const int left = Left() + SearchGroupBox->x() + edit->x() + edit->width() / 2;
    const int top = Top() + SearchGroupBox->y() + edit->y() - MonthCalendarForm->Height() / 2;
    if (const auto date = PickDate(left, top))
        edit->SetText(*date);
}

void TMedicalRecordSearchForm::MediRecStartDateBitBtnClick()
{
    PickCriterionDate(MediRecStartDateEdit);
}

void TMedicalRecordSearchForm::MediRecEndDateBitBtnClick()
{
    PickCriterionDate(MediRecEndDateEdit);
}

void TMedicalRecordSearchForm::BirthDateBitBtnClick()
{
    PickCriterionDate(BirthDateEdit);
}

void TMedicalRecordSearchForm::MediRecStartDateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    MediRecStartDateBitBtnClick();
}

void TMedicalRecordSearchForm::MediRecEndDateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    MediRecEndDateBitBtnClick();
}

void TMedicalRecordSearchForm::BirthDateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    BirthDateBitBtnClick();
}

// ---------------------------------------------------------------------------------------------
// Search

void TMedicalRecordSearchForm::NoPatientCheckBoxClick()
{
    const bool enabled = !NoPatientCheckBox->Checked();
    const std::initializer_list<QWidget*> criteria = {
        PatientNoLabel,  PatientNoEdit,    NameLabel,      PersonalNameEdit, FamilyNameEdit,
        KanaLabel,       PersonalKanaEdit, FamilyKanaEdit, BirthDateLabel,   BirthDateEdit,
        BirthDateBitBtn, SexLabel,         SexComboBox,    SchoolNameLabel,  SchoolNameEdit};
    for (QWidget* control : criteria)
        control->setEnabled(enabled);
}

void TMedicalRecordSearchForm::FindButtonClick()
{
    // The empty item means any sex.
    if (SexComboBox->Text().isEmpty())
        SexComboBox->SetItemIndex(-1);

    stMediRecFilter.asMediRecNo = MediRecNoEdit->Text();
    stMediRecFilter.tDate = StrToDateTime(MediRecStartDateEdit->Text());
    stMediRecFilter.iNext = -1;
    stMediRecFilter.iPatientCode = -1;
    tEndDate = StrToDateTime(MediRecEndDateEdit->Text());

    stPatientFilter.asPatientNo = PatientNoEdit->Text();
    stPatientFilter.asName0 = FamilyNameEdit->Text();
    stPatientFilter.asName1 = PersonalNameEdit->Text();
    stPatientFilter.asNameKana0 = FamilyKanaEdit->Text();
    stPatientFilter.asNameKana1 = PersonalKanaEdit->Text();
    // The data store does not search by birth date; a field that is no date still stops the search.
    stPatientFilter.tBirth = StrToDateTime(BirthDateEdit->Text());
    stPatientFilter.iSex = SexComboBox->ItemIndex();
    stPatientFilter.iSchoolCode = -1;
    stPatientFilter.asSchoolName = SchoolNameEdit->Text();
    stPatientFilter.asPortrait = "";

    EmptyList();
    iTotalRecords = GetMedicalRecordCount();
    const bool withoutPatient = NoPatientCheckBox->Checked();
    const int found = withoutPatient ? SearchMedicalRecordWithoutPatient(stMediRecFilter, tEndDate)
                                     : SearchMedicalRecord(stMediRecFilter, tEndDate, stPatientFilter);
    if (found < 0) {
        // Nothing is listed, so nothing stays marked either.
        nHits = 0;
        nPrintMarks = UpdatePrintLabel(0);
        EnableRowButtons(false);
        widgets::ShowError("カルテ・テーブル検索エラー。" + Code(found));
        return;
    }
    nHits = found;
    if (nHits == 0)
        widgets::ShowWarning("カルテ・テーブルに，該当レコードがありません。");
    if (nHits > MaxHits) {
        widgets::ShowWarning("カルテ・テーブルには，該当レコードが " + QString::number(nHits) +
                             " 件あります。\n" + QString::number(MaxHits) + "を越えた分は表示できません。");
        nHits = MaxHits;
    }
    TotalLabel->SetCaption(QString::number(nHits) + " of " + QString::number(iTotalRecords));
    nPrintMarks = UpdatePrintLabel(0);
    PrintLabel->SetCaption("");

    if (nHits > 0)
        MediRecSG->setRowCount(nHits + 1);
    const int read =
        withoutPatient ? GetMedicalRecordsWithoutPatient(tstMediRec.data(), tstPatientRec.data(),
                                                         tstExcuRec.data(), nHits)
                       : GetMedicalRecords(tstMediRec.data(), tstPatientRec.data(), tstExcuRec.data(), nHits);
    if (read < 0) {
        // The arrays may hold part of this search and part of the last: list none of it.
        nHits = 0;
        EmptyList();
        EnableRowButtons(false);
        widgets::ShowError("検索レコードを読み出せません。" + Code(read));
        return;
    }
    for (int row = 1; row <= nHits; ++row)
        ShowHit(row);
    EnableRowButtons(nHits > 0);
    MediRecSG->setFocus();
}

void TMedicalRecordSearchForm::ShowHit(int row)
{
    const QStringList texts =
        MedicalRecordRowTexts(tstMediRec[size_t(row - 1)], tstPatientRec[size_t(row - 1)]);
    for (int col = 0; col < Imrsg_Columns; ++col)
        MediRecSG->Cells[col][row] = texts[col];
}

QStringList TMedicalRecordSearchForm::RowCells(int row, std::initializer_list<int> columns) const
{
    QStringList cells;
    for (int col : columns)
        cells << MediRecSG->Cell(col, row);
    return cells;
}

// ---------------------------------------------------------------------------------------------
// The grid

void TMedicalRecordSearchForm::MediRecSGKeyDown(int& key, widgets::TShiftState shift)
{
    using namespace widgets;
    iKeyDownOnGrid = key;
    const int row = MediRecSG->Row();
    const int col = MediRecSG->Col();
    const bool moves =
        ((key == VK_UP || key == VK_PRIOR || (key == VK_HOME && (shift & Qt::ControlModifier))) && row > 1) ||
        ((key == VK_RIGHT || key == VK_END) && col < Imrsg_Print) ||
        ((key == VK_DOWN || key == VK_NEXT || key == VK_END) && row < MediRecSG->RowCount() - 1);
    if (moves)
        bSuppressClick = 1;
}

void TMedicalRecordSearchForm::MediRecSGKeyUp(int& key, widgets::TShiftState)
{
    const bool pressedHere = key == iKeyDownOnGrid;
    iKeyDownOnGrid = 0;
    if (nHits < 1 || !pressedHere)
        return;
    if (key == widgets::VK_RETURN)
        OpenButtonClick();
    else if (key == widgets::VK_SPACE)
        PrintToggleButtonClick();
}

void TMedicalRecordSearchForm::MediRecSGMouseWheelUp(bool&)
{
    if (MediRecSG->Row() > 1)
        bSuppressClick = 1;
}

void TMedicalRecordSearchForm::MediRecSGMouseWheelDown(bool&)
{
    if (MediRecSG->Row() < MediRecSG->RowCount() - 1)
        bSuppressClick = 1;
}

void TMedicalRecordSearchForm::MediRecSGClick()
{
    if (bSuppressClick > 0) {
        bSuppressClick = 0;
        return;
    }
    if (nHits > 0 && MediRecSG->Col() == Imrsg_Print)
        PrintToggleButtonClick();
}

void TMedicalRecordSearchForm::MediRecSGDblClick()
{
    if (nHits > 0 && MediRecSG->Col() != Imrsg_Print)
        OpenButtonClick();
}

// ---------------------------------------------------------------------------------------------
// Print marks and ID cards

void TMedicalRecordSearchForm::PrintToggleButtonClick()
{
    auto mark = MediRecSG->Cells[Imrsg_Print][MediRecSG->Row()];
    if (mark.Text().isEmpty()) {
        mark = "*";
        ++nPrintMarks;
    } else {
        mark = "";
        --nPrintMarks;
    }
    UpdatePrintLabel(nPrintMarks);
}

int TMedicalRecordSearchForm::UpdatePrintLabel(int count)
{
    if (count < 0) {
        count = 0;
        for (int row = 1; row < MediRecSG->RowCount(); ++row)
            if (!MediRecSG->Cell(Imrsg_Print, row).isEmpty())
                ++count;
    }
    if (count < 1) {
        PrintLabel->SetCaption("");
        PrintCardButton->setEnabled(false);
    } else {
        PrintLabel->SetCaption("(" + QString::number(count) + " to be printed)");
        PrintCardButton->setEnabled(true);
    }
    return count;
}

void TMedicalRecordSearchForm::PrintCardButtonClick()
{
    if (PrintCardForm->OpenDataFile() != 0)
        return;
    PrintCardForm->WriteHeader();
    // Counted on a copy: when the main document is missing the marks stay, and so must their count.
    int marks = nPrintMarks;
    for (int row = 1; row < MediRecSG->RowCount() && marks > 0; ++row) {
        if (MediRecSG->Cell(Imrsg_Print, row).isEmpty())
            continue;
        stCardLine card;
        card.asName =
            MediRecSG->Cell(Imrsg_FamilyName, row) + ", " + MediRecSG->Cell(Imrsg_PersonalName, row);
        card.asBirthDate = MediRecSG->Cell(Imrsg_BirthDate, row);
        card.asSex = MediRecSG->Cell(Imrsg_Sex, row);
        card.asMediRecNo = MediRecSG->Cell(Imrsg_MediRecNo, row);
        card.asIssueDate = MediRecSG->Cell(Imrsg_MediRecDate, row);
        card.asPatientNo = MediRecSG->Cell(Imrsg_PatientNo, row);
        PrintCardForm->WriteCard(card);
        --marks;
    }
    // The marks stay for another try when the file or the document fails.
    if (PrintCardForm->CloseDataFile() != 0 || PrintCardForm->OpenMergeDocument() != 0)
        return;
    for (int row = 1; row < MediRecSG->RowCount(); ++row)
        MediRecSG->Cells[Imrsg_Print][row] = "";
    nPrintMarks = 0;
}

// ---------------------------------------------------------------------------------------------
// Delete

void TMedicalRecordSearchForm::DeleteButtonClick()
{
    const int row = MediRecSG->Row();
    const bool marked = !MediRecSG->Cell(Imrsg_Print, row).isEmpty();
    const QString shown =
        RowCells(row, {Imrsg_MediRecNo, Imrsg_MediRecDate, Imrsg_PatientNo, Imrsg_FamilyName,
                       Imrsg_PersonalName, Imrsg_FamilyKana, Imrsg_PersonalKana, Imrsg_Print})
            .join(",");
    if (!widgets::AskQuestion("次のデータを削除してよいですか？\n  " + shown))
        return;

    const QString karteNo = MediRecSG->Cell(Imrsg_MediRecNo, row);
    // The karte listed, not every karte that holds its number now (the questionnaire row is
    // joined by the karte's code).
    const int result = DelMedicalRecord(karteNo, tstExcuRec[size_t(row - 1)].iKarteCode);
    WriteDebLogBlock(DeleteMedicalRecordLog(
        result, row,
        RowCells(row, {Imrsg_MediRecNo, Imrsg_MediRecDate, Imrsg_PatientNo, Imrsg_FamilyName,
                       Imrsg_PersonalName, Imrsg_BirthDate, Imrsg_Sex})));
    if (result <= 0) {
        widgets::ShowError("カルテ・テーブルから削除できませんでした。\n" + shown + "\n" + Code(result) +
                           RefusalNote());
        return;
    }

    RemoveRow(row);
    --nHits;
    iTotalRecords = GetMedicalRecordCount();
    TotalLabel->SetCaption(QString::number(nHits) + " of " + QString::number(iTotalRecords));
    if (marked)
        --nPrintMarks;
    UpdatePrintLabel(nPrintMarks);
    if (nHits < 1)
        EnableRowButtons(false);
}

void TMedicalRecordSearchForm::RemoveRow(int row)
{
    const int rows = MediRecSG->RowCount();
    for (int r = row; r < rows - 1; ++r)
        for (int col = 0; col < Imrsg_Columns; ++col)
            MediRecSG->Cells[col][r] = MediRecSG->Cell(col, r + 1);
    if (rows < 3)
        EmptyList();
    else
        MediRecSG->setRowCount(rows - 1);

    // Grid row r keeps showing element r - 1.
    const auto shift = [row, this](auto& array) {
        std::move(array.begin() + row, array.begin() + std::max(row, nHits), array.begin() + row - 1);
    };
    shift(tstMediRec);
    shift(tstPatientRec);
    shift(tstExcuRec);
}

// ---------------------------------------------------------------------------------------------
// Open

void TMedicalRecordSearchForm::OpenButtonClick()
{
    const int row = MediRecSG->Row();
    const stMedicalRec& listed = tstMediRec[size_t(row - 1)];
    TMedicalRecordForm* editor = MedicalRecordForm;
    // The karte listed, read again by its Code with all its rows: another program may have
    // deleted it since, and given its number to another child's karte.
    const int rc = editor->ReadKarte(listed.iCode, listed.asMediRecNo);
    if (rc < 0) {
        const QString shown =
            RowCells(row, {Imrsg_MediRecNo, Imrsg_MediRecDate, Imrsg_PatientNo, Imrsg_FamilyName,
                           Imrsg_PersonalName, Imrsg_FamilyKana, Imrsg_PersonalKana})
                .join(",");
        widgets::ShowError("[" + OpenButton->Caption() + "]\nカルテを開けませんでした。" + Code(rc) + "\n  " +
                           shown + RefusalNote());
        // The list shows what there is now.
        if (rc == dbNoRow)
            FindButtonClick();
        return;
    }
    // A photo that is missing or no bitmap raises here: the dialog stays open.
    editor->ShowReadHeader();
    bOpened = 1;
    Close();
}
