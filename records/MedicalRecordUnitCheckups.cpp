// The karte editor's check-ups: the list of dates with its menu and buttons (add,
// re-date, delete), the selected check-up's chart, school and diet rows, the opening of
// the chart editor, and the counts of the teeth the chart shows.
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "platform/widgets/PopupMenu.h"
#include "records/DentalFormulaUnit.h"
#include "records/MedicalRecordUnit.h"

#include <array>

using namespace widgets;

namespace {

QString Code(int code)
{
    return "(" + QString::number(code) + ")";
}

} // namespace

QString KarteNoMemo(const QString& karteNo)
{
    int length = 0;
    while (length < karteNo.size() && karteNo[length].isLetterOrNumber())
        ++length;
    return karteNo.left(length);
}

stCheckupRecord NewCheckup(TDateTime date, const QString& karteNo, int schoolCode)
{
    stCheckupRecord checkup;
    checkup.tDate = date;
    checkup.asKarteNo = karteNo;
    checkup.asMemo = KarteNoMemo(karteNo);
    checkup.iSchoolCode = schoolCode;
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
        ToothCode(checkup, p) = 19;
    return checkup;
}

QString NoCheckupSelected(const QString& head, const QString& action)
{
    return head + action + "検診日が指定されていません。\n[検診日]リストボックスの項目を指定してください。";
}

QString CheckupButtonLog(const QString& handler, const QString& button, const QString& patientNo,
                         const QString& name, int itemIndex)
{
    return QString("TMedicalRecordForm::%1 11:\n"
                   "  [カルテ編集]画面->[%2]ボタン\n"
                   "  PatientNoEdit->Text=%3 NameEdit->Name=%4\n"
                   "  CheckupDateListBox->ItemIndex=%5\n")
        .arg(handler, button, patientNo, name, QString::number(itemIndex));
}

QString AddCheckupLog(int result, int count, const stCheckupRecord& checkup)
{
    return QString("TMedicalRecordForm::CheckupDate_AddMenuClick 66: 検診テーブルに追加\n"
                   "  iAC=%1(iCode:OK,<0:Error)} = AddCheckup(\n"
                   "    {tstChekupRec[{nCheckupRecords=%2}].=\n")
               .arg(result)
               .arg(count) +
           CheckupLogFields(checkup) + "  )\n";
}

void TMedicalRecordForm::ConnectCheckupHandlers()
{
    Connect(CheckupDateListBox, &ListBox::Click, this, &TMedicalRecordForm::CheckupDateListBoxClick);
    Connect(CheckupNewButton, &QPushButton::clicked, this, &TMedicalRecordForm::CheckupDate_AddMenuClick);
    Connect(CheckupDate_AddMenu, &QAction::triggered, this, &TMedicalRecordForm::CheckupDate_AddMenuClick);
    Connect(CheckupEditButton, &QPushButton::clicked, this, &TMedicalRecordForm::CheckupDate_EditMenuClick);
    Connect(CheckupDate_EditMenu, &QAction::triggered, this, &TMedicalRecordForm::CheckupDate_EditMenuClick);
    Connect(CheckupDeleteButton, &QPushButton::clicked, this,
            &TMedicalRecordForm::CheckupDate_DeleteMenuClick);
    Connect(CheckupDate_DeleteMenu, &QAction::triggered, this,
            &TMedicalRecordForm::CheckupDate_DeleteMenuClick);
    Connect(EditDentalFormulaButton, &QPushButton::clicked, this,
            &TMedicalRecordForm::EditDentalFormulaButtonClick);
    Connect(DentalFormulaSG, &StringGrid::ContextPopup, this,
            &TMedicalRecordForm::DentalFormulaSGContextPopup);
}

bool TMedicalRecordForm::IsCheckupIndex(int index) const
{
    return index >= 0 && index < nCheckupRecords;
}

QPoint TMedicalRecordForm::CheckupPickerPlace(const QWidget* button) const
{
    return {Left() + CheckukpGroupBox->x() + button->x(),
            Top() + CheckukpGroupBox->y() + button->y() - MonthCalendarForm->Height() / 2};
}

void TMedicalRecordForm::CheckupDateListBoxClick()
{
    const int i = CheckupDateListBox->ItemIndex();
    if (!IsCheckupIndex(i)) {
        // The chart and the diet grid keep what they show.
        SetEnabled({CheckupEditButton, CheckupDeleteButton, DentalFormulaSgLabel, DentalFormulaSG,
                    EditDentalFormulaButton, DietInqSgLabel, DietInqSG, DietNewButton, DietEditButton,
                    DietDeleteButton},
                   false);
        return;
    }
    SetEnabled({CheckupEditButton, CheckupDeleteButton}, true);
    iCheckupSchoolCode = tstChekupRec[i].iSchoolCode;
    SchoolNameLabel->SetCaption(GetSchoolName(iCheckupSchoolCode));
    ShowCheckupFormula(i);
    UpdateToothCounts();
    SetEnabled({DentalFormulaSgLabel, DentalFormulaSG, EditDentalFormulaButton}, true);
    LoadDietInquiries("");
}

void TMedicalRecordForm::CheckupDate_AddMenuClick()
{
    const QString head = "[" + CheckupNewButton->Caption() + "]\n";
    WriteDebLogBlock(CheckupButtonLog("CheckupDate_AddMenuClick", "新規検診", PatientNoEdit->Text(),
                                      NameEdit->Text(), CheckupDateListBox->ItemIndex()));
    // The list holds no more than the window's array.
    if (nCheckupRecords >= MaxCheckupRecords) {
        const QString limit = QString::number(MaxCheckupRecords);
        ShowWarning(head + "検診件数が" + limit + "あります。\n" + limit + "を越える検診は追加できません。");
        return;
    }

    const QPoint place = CheckupPickerPlace(CheckupNewButton);
    MonthCalendarForm->MonthCalendar1->SetDate(Date());
    if (!PickDate(place.x(), place.y()))
        return;
    const TDateTime date = MonthCalendarForm->MonthCalendar1->Date();

    const int n = nCheckupRecords;
    stCheckupRecord& checkup = tstChekupRec[n];
    checkup = NewCheckup(date, MediRecNoEdit->Text(), iCheckupSchoolCode);
    // Onto the karte the editor opened or added, not whichever karte holds its number now.
    const int iAC = AddCheckup(checkup, stMediRec.iCode);
    WriteDebLogBlock(AddCheckupLog(iAC, n, checkup));
    if (iAC < 0) {
        ShowError(head + "検診テーブルに追加できませんでした。(iAC=" + QString::number(iAC) +
                  ")\n  tdDate=" + DateToStr(date) + "\n  asKarteNo=" + checkup.asKarteNo +
                  "\n  iSchoolCode=" + QString::number(checkup.iSchoolCode) + "\n  asMemo=" + checkup.asMemo +
                  "\n  iRTA..=" + QString::number(checkup.iRTA) + RefusalNote());
        return;
    }

    // Appended whatever its date: the list is in date order again after the next Find.
    checkup.iCode = iAC;
    nCheckupRecords = n + 1;
    CheckupDateListBox->addItem(DateToStr(date));
    CheckupDateListBox->SetItemIndex(n);
    CheckupLabel->SetCaption(QString::number(nCheckupRecords));
    SetEnabled(
        {CheckupDataLabel, CheckupDateListBox, SchoolTitleLabel, CheckupEditButton, CheckupDeleteButton},
        true);
    SchoolNameLabel->SetCaption(GetSchoolName(checkup.iSchoolCode));

    ClearDentalFormula();
    SetEnabled({DentalFormulaSgLabel, DentalFormulaSG, EditDentalFormulaButton}, true);

    // A new check-up has no diet rows.
    nDietInquiryRecords = 0;
    DietInqLabel->SetCaption("0");
    DietInqSG->setRowCount(2);
    for (int col = 0; col < DietInqSG->ColCount(); ++col)
        DietInqSG->Cells[col][1] = "";
    SetEnabled({DietInqSgLabel, DietInqSG, DietNewButton}, true);
    SetEnabled({DietEditButton, DietDeleteButton}, false);

    if (bNewKarteMode)
        SetFocusAndPointer(EditDentalFormulaButton);
}

void TMedicalRecordForm::CheckupDate_EditMenuClick()
{
    const QString head = "[" + CheckupEditButton->Caption() + "]\n";
    const int i = CheckupDateListBox->ItemIndex();
    if (!IsCheckupIndex(i)) {
        ShowError(NoCheckupSelected(head, "日付を修正する"));
        return;
    }

    const QPoint place = CheckupPickerPlace(CheckupEditButton);
    if (!PickDate(place.x(), place.y(), CheckupDateListBox->item(i)->text()))
        return;
    const TDateTime date = MonthCalendarForm->MonthCalendar1->Date();

    stCheckupRecord& checkup = tstChekupRec[i];
    const stCheckupRecord before = checkup;
    checkup.tDate = date;
    if (checkup.asMemo.isEmpty())
        checkup.asMemo = KarteNoMemo(MediRecNoEdit->Text());
    // Only a check-up of the karte this window shows, and only while it is as the window read it.
    const int iRC = ReplaceCheckup(checkup, stMediRec.iCode, &before);
    if (iRC < 0) {
        ShowErrorSilently(head + "検診テーブルを書き換えられませんでした。" + Code(iRC) + "\n" +
                          DateToStr(date) + "," + checkup.asKarteNo + RefusalNote());
        // The window keeps what the table holds, so a later chart store cannot write
        // the refused date.
        checkup.tDate = before.tDate;
        checkup.asMemo = before.asMemo;
        return;
    }
    CheckupDateListBox->item(i)->setText(DateToStr(date));
}

void TMedicalRecordForm::CheckupDate_DeleteMenuClick()
{
    const QString head = "[" + CheckupDeleteButton->Caption() + "]\n";
    const int i = CheckupDateListBox->ItemIndex();
    if (!IsCheckupIndex(i)) {
        ShowError(
            head +
            "削除される検診日が指定されていません。\n[検診日]リストボックスの項目を指定してしてください。");
        return;
    }

    // The table decides, not the diet grid: rows may have come from elsewhere since the
    // grid was filled, and a check-up must not leave diet rows behind.
    stDietInquiryRecord filter;
    filter.iFoodCode = -1;
    filter.iFrequencyCode = -1;
    filter.iCheckupCode = tstChekupRec[i].iCode;
    const int dietRows = SearchDietInquiry(filter);
    if (dietRows < 0) {
        ShowError(head + "食事調査テーブルを検索できませんでした。" + Code(dietRows));
        return;
    }
    if (dietRows > 0) {
        ShowError(head + "先に，[食事調査]データを削除してください。");
        return;
    }

    const QString item = CheckupDateListBox->item(i)->text();
    if (!AskQuestion(head + QString::number(i) + ": " + item + " を削除してよいですか？\n  "))
        return;
    const int r = DelCheckup(tstChekupRec[i], stMediRec.iCode);
    if (r < 0) {
        ShowError(head + "検診テーブルから削除できませんでした。" + Code(r) + "\n" + item + RefusalNote());
        return;
    }
    // The one that followed the deleted check-up, or the last.
    ReloadCheckups(head, i);
}

void TMedicalRecordForm::ReloadCheckups(const QString& head, int selected)
{
    SchoolNameLabel->SetCaption("");
    // The check-ups of the karte this window shows, while it is live.
    if (!ShowCheckupList(head, ReadCheckupRows(stMediRec.iCode, MediRecNoEdit->Text())))
        return;
    const int shown = nCheckupRecords == 0 ? -1 : std::min(selected, nCheckupRecords - 1);
    CheckupDateListBox->SetItemIndex(shown);
    SetEnabled({CheckupEditButton, CheckupDeleteButton}, nCheckupRecords >= 1);

    // The school given to the next new check-up stays as it was.
    if (shown >= 0) {
        SchoolNameLabel->SetCaption(GetSchoolName(tstChekupRec[shown].iSchoolCode));
        ShowCheckupFormula(shown);
        UpdateToothCounts();
    } else {
        ClearDentalFormula();
    }
    SetEnabled({DentalFormulaSgLabel, DentalFormulaSG, EditDentalFormulaButton}, shown >= 0);
    LoadDietInquiries(head);
}

void TMedicalRecordForm::EditDentalFormulaButtonClick()
{
    const QString head = "[" + EditDentalFormulaButton->Caption() + "]\n";
    // The log names the name edit itself, not its text.
    WriteDebLogBlock(CheckupButtonLog("EditDentalFormulaButtonClick", "歯式表編集", PatientNoEdit->Text(),
                                      NameEdit->objectName(), CheckupDateListBox->ItemIndex()));
    if (!IsCheckupIndex(CheckupDateListBox->ItemIndex())) {
        ShowError(NoCheckupSelected(head, "歯式表を編集する"));
        return;
    }

    CopyChartCells(*DentalFormulaSG, *DentalFormulaForm->DentalFormulaSG);
    DentalFormulaForm->SetLeft(Left() + CheckukpGroupBox->x() + DentalFormulaSG->x());
    DentalFormulaForm->SetTop(Top() + CheckukpGroupBox->y() + DentalFormulaSG->y());
    // Its OK stores the chart, writes it back here and recounts.
    DentalFormulaForm->ShowModal();

    // The new karte's first chart is done: on to the next karte.
    if (bNewKarteMode)
        SetFocusAndPointer(NewButton);
    bNewKarteMode = false;
}

void TMedicalRecordForm::DentalFormulaSGContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    EditDentalFormulaButtonClick();
}

void TMedicalRecordForm::UpdateToothCounts()
{
    // The counts follow what the grid shows; a symbol of no class counts as not erupted.
    struct Group
    {
        int count[20] = {};
        int dmft = 0;
    } permanent, primary;
    const TDentalFormulaForm* chart = DentalFormulaForm;
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p) {
        const int code = TDentalFormulaForm::CellTextToCode(
            DentalFormulaSG->Cells[chart->tnToothCol[p]][chart->tnToothRow[p]]);
        Group& group = chart->tbMilkTooth[p] == 1 ? primary : permanent;
        ++group.count[code];
        group.dmft += tnDmftWeight[code];
    }

    // Code 19 (not specified) has no label.
    constexpr int shownCodes[] = {6, 1, 2, 3, 4, 7, 8, 10, 11, 12};
    const std::array<Label*, 11> permanentLabels = {NoValLabel, C1ValLabel, C2ValLabel,  C3ValLabel,
                                                    C4ValLabel, CrValLabel, AfValLabel,  NeValLabel,
                                                    McValLabel, MiValLabel, DmftValLabel};
    const std::array<Label*, 11> primaryLabels = {
        NoMilkValLabel, C1MilkValLabel, C2MilkValLabel, C3MilkValLabel, C4MilkValLabel,  CrMilkValLabel,
        AfMilkValLabel, NeMilkValLabel, McMilkValLabel, MiMilkValLabel, DmftMilkValLabel};
    for (const auto& [group, labels] :
         {std::pair{&permanent, &permanentLabels}, std::pair{&primary, &primaryLabels}}) {
        for (size_t k = 0; k < std::size(shownCodes); ++k)
            (*labels)[k]->SetCaption(QString::number(group->count[shownCodes[k]]));
        labels->back()->SetCaption(QString::number(group->dmft));
    }
}
