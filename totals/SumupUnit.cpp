#include "totals/SumupUnit.h"

#include "core/Edition.h"
#include "core/ProgramFiles.h"
#include "core/SchoolList.h"
#include "platform/os/Files.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/Paths.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "platform/widgets/Pacer.h"

#include <QCloseEvent>
#include <QPointer>

TSumupForm* SumupForm = nullptr;

namespace {

int YearOf(TDateTime date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return year;
}

// The program folder as the class library gives it, with its trailing backslash.
QString ProgramFolder()
{
    const widgets::Application* app = widgets::Application::Instance();
    const QString exe = app ? app->ExeName() : QString();
    return exe.left(exe.lastIndexOf('\\') + 1);
}

} // namespace

TSumupForm::TSumupForm(QWidget* parent)
    : widgets::Form(parent), tstSchoolRec(MaxSchools), tstCheckupRec(MaxCheckups),
      wsDebChartName("DebChart.txt")
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    for (int code : {1, 2, 3, 4})
        tnCodeFlag[code] = cfDecayed;
    for (int code : {7, 8})
        tnCodeFlag[code] = cfFilled;
    tnCodeFlag[12] = cfMissing;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TSumupForm::FormShow);
    Connect(SumupButton, &QPushButton::clicked, this, &TSumupForm::SumupButtonClick);
    Connect(OpenButton, &QPushButton::clicked, this, &TSumupForm::OpenButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &TSumupForm::CloseButtonClick);
    Edition().SumupMade(*this);
}

TSumupForm::~TSumupForm() = default;

void TSumupForm::FormShow()
{
    asSumCsvPath = Edition().SumCsvPath();
    const QString xls = ProgramFiles.IniFile->ReadString("Sum", "Xls", "Kvr2.xls");
    layout = SumLayoutOf(xls);
    asXlsPath = ProgramFolder() + "\\" + xls;
    ShowStatus(QString());
    if (Edition().SumupSchoolList())
        LoadSchoolCombo();
}

void TSumupForm::LoadSchoolCombo()
{
    LoadSchoolList(tstSchoolRec, ComboBoxSchoolName);
}

int TSumupForm::LoadAllCheckups()
{
    nCheckupRecords = 0;
    tstCheckupRec[0].asKarteNo.clear();
    const int n = SearchCheckup(tstCheckupRec[0]);
    if (n < 0) {
        widgets::ShowError("検診テーブルを検索できませんでした。(" + IntToStr(n) + ")");
        return -1;
    }
    nCheckupRecords = n;
    if (n > MaxCheckups) {
        widgets::ShowWarning("検診件数が" + IntToStr(n) + "あります。\n" + IntToStr(MaxCheckups) +
                             "を越える分は処理できません。");
        nCheckupRecords = MaxCheckups;
    }
    const int r = GetCheckups(tstCheckupRec.data(), nCheckupRecords);
    if (r < 0) {
        widgets::ShowError("検診テーブルからデータを取り出せませんでした。(" + IntToStr(r) + ")");
        return -1;
    }
    nCheckupRecords = r; // only what was read is counted
    return r;
}

void TSumupForm::SumupButtonClick()
{
    if (counting)
        return;
    // Nothing in the window may start while the run lets events through: not a second
    // run, not the spreadsheet, not closing the window. The button that had the focus
    // gets it back at the end.
    struct Restore
    {
        TSumupForm* form;
        QPointer<QWidget> focused;
        ~Restore()
        {
            form->counting = false;
            form->SetButtonsEnabled(true);
            if (focused && form->focusWidget() != focused)
                focused->setFocus();
        }
    } restore{this, focusWidget()};
    counting = true;
    SetButtonsEnabled(false);

    if (!RunSumup()) {
        ShowStatus("集計できませんでした。");
        return;
    }
    ShowStatus("集計完了。");
    OpenButtonClick();
}

bool TSumupForm::RunSumup()
{
    ShowStatus("集計中...");
    karteLookup.Reset();
    if (LoadAllCheckups() < 0)
        return false;
    fpSumCsv = TDataFile::Open(asSumCsvPath, "w+");
    if (!fpSumCsv) {
        widgets::ShowError("集計 CSV ファイル を開くことができません。\n" + asSumCsvPath);
        return false;
    }
    sumCsvWritten = fpSumCsv->Write(SumHeader(layout));
    // Without the chart file the run goes on: the totals are what the run is for.
    fpDebChart = TDataFile::Open(wsDebChartName, "w");

    // The progress is shown and events let through a few times a second, and always for
    // the last check-up; a box for a check-up shows its own figure (ShowRunError).
    widgets::Pacer pacer;
    int r = 0;
    for (int i = 0; i < nCheckupRecords; ++i) {
        current = i;
        if (pacer.Due() || i == nCheckupRecords - 1) {
            ShowProgress();
            widgets::CurrentInteraction().ProcessMessages();
        }
        r = SumupChekupRec(tstCheckupRec[size_t(i)]);
        if (r < 0)
            break;
    }
    current = -1;

    fpDebChart.reset();
    // A totals file that did not reach the disk whole is no result.
    sumCsvWritten = fpSumCsv->Close() && sumCsvWritten;
    fpSumCsv.reset();
    return r >= 0 && sumCsvWritten;
}

int TSumupForm::SumupChekupRec(stCheckupRecord& checkup)
{
    stSumMediRec.asMediRecNo = checkup.asKarteNo;
    stSumMediRec.tDate = EncodeDate(1900, 1, 1);
    tSumEndDate = EncodeDate(3000, 12, 31);
    stSumPatientRec.asPatientNo.clear();
    stSumPatientRec.asName0.clear();
    stSumPatientRec.asName1.clear();
    stSumPatientRec.asNameKana0.clear();
    stSumPatientRec.asNameKana1.clear();
    stSumPatientRec.tBirth = EncodeDate(1900, 1, 1);
    stSumPatientRec.iSex = -1;
    stSumPatientRec.asSchoolName.clear();
    stSumPatientRec.asPortrait.clear();

    const bool withoutPatient = NoPatientCheckBox->isChecked();
    FoundMediRec = withoutPatient ? SearchMedicalRecordWithoutPatient(stSumMediRec, tSumEndDate)
                                  : karteLookup.Search(stSumMediRec, tSumEndDate, stSumPatientRec);

    if (TDataFile* log = ProgramFiles.fpDebLog; log && FoundMediRec != 1) {
        log->Write("TSumupForm::SumupChekupRec 33:\n  FoundMediRec=" + IntToStr(FoundMediRec) +
                   " stSumMediRec.asMediRecNo=" + stSumMediRec.asMediRecNo + "\n");
        log->Flush();
    }
    const QString n = IntToStr(FoundMediRec);
    if (FoundMediRec < 0) {
        ShowRunError("カルテ・テーブル検索エラー。(" + n + ")\n" + n + " " + stSumMediRec.asMediRecNo +
                     "\n  (SumupChekupRec)");
        return -1;
    }
    if (FoundMediRec == 0)
        return 0;
    if (FoundMediRec > 1)
        ShowRunError("カルテ・テーブルには，該当レコードが " + n + " 件あります。\n" +
                     "２件目以降は件数を累積できません。\n  " + n + " " + stSumMediRec.asMediRecNo +
                     "\n  (SumupChekupRec)");

    const int r = withoutPatient
                      ? GetMedicalRecordsWithoutPatient(&stSumMediRec, &stSumPatientRec, &stSumExcursusRec, 1)
                      : karteLookup.Get(&stSumMediRec, &stSumPatientRec, &stSumExcursusRec, 1);
    if (r < 0) {
        ShowRunError("検索レコードを読み出せません。(" + IntToStr(r) + ")");
        return 0;
    }

    CountTeeth(checkup, tnCodeFlag, tnCount);
    if (fpDebChart)
        fpDebChart->Write(ChartBlock(checkup.asKarteNo, checkup.tDate, tnCount));

    stSumLine line;
    line.asSchoolName = GetSchoolName(stSumPatientRec.iSchoolCode);
    if (line.asSchoolName.isEmpty())
        line.asSchoolName = ComboBoxSchoolName->Text();
    line.asName0 = stSumPatientRec.asName0;
    line.asName1 = stSumPatientRec.asName1;
    line.iSex = stSumPatientRec.iSex;
    line.iAge = YearOf(checkup.tDate) - YearOf(stSumPatientRec.tBirth);
    DecodeDate(checkup.tDate, line.iYear, line.iMonth, line.iDay);
    line.asKarteNo = checkup.asKarteNo;
    if (fpSumCsv)
        sumCsvWritten = fpSumCsv->Write(SumLines(layout, line, tnCount)) && sumCsvWritten;
    return 0;
}

void TSumupForm::OpenButtonClick()
{
    if (os::FileExists(asXlsPath))
        widgets::CurrentInteraction().OpenDocument(HostPath(asXlsPath));
    else
        widgets::ShowErrorSilently("集計用 Excel シートがありません。\n  \"" + asXlsPath + "\"");
}

void TSumupForm::CloseButtonClick()
{
    Close();
}

void TSumupForm::closeEvent(QCloseEvent* event)
{
    if (counting) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void TSumupForm::SetButtonsEnabled(bool enabled)
{
    for (QWidget* button : {static_cast<QWidget*>(SumupButton), static_cast<QWidget*>(OpenButton),
                            static_cast<QWidget*>(CloseButton)})
        button->setEnabled(enabled);
}

void TSumupForm::ShowStatus(const QString& text)
{
    SumupStatusBar->SetSimpleText(text);
}

void TSumupForm::ShowProgress()
{
    ShowStatus("集計中... " + IntToStr(current) + "/" + IntToStr(nCheckupRecords));
}

void TSumupForm::ShowRunError(const QString& text)
{
    if (current >= 0)
        ShowProgress();
    widgets::ShowError(text);
}
