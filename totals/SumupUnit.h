#pragma once
// The sum-up window, opened modally from the main menu. 集計する reads every check-up
// of every live karte, finds its karte and examinee, counts its 52 teeth by code and
// class, separately for the permanent and the deciduous teeth, and writes two lines per
// check-up into "KvrSum.csv" in the configuration folder (in CP932, for a spreadsheet)
// and a block per check-up into the chart file "DebChart.txt" in the current folder;
// then it asks the desktop to open the spreadsheet named by [Sum] Xls, next to the
// program. 前回データを開く opens the spreadsheet again without counting. The combo gives
// the school name written for examinees without a school.
//
// Handlers: FormShow, SumupButtonClick, OpenButtonClick, CloseButtonClick. While a run
// counts, nothing else can be done in the window: a second run cannot start inside it.
#include "core/data/Dbapi.h"
#include "platform/rtl/DataFile.h"
#include "platform/widgets/Form.h"
#include "totals/SumupUnitKartes.h"
#include "totals/SumupUnitTotals.h"
#include "ui_SumupUnit.h"

#include <memory>
#include <vector>

class TSumupForm : public widgets::Form, public Ui::TSumupForm
{
    Q_OBJECT
public:
    explicit TSumupForm(QWidget* parent = nullptr);
    ~TSumupForm() override;

    static constexpr int MaxSchools = 400;
    static constexpr int MaxCheckups = 10000;

    void FormShow();
    void SumupButtonClick();
    void OpenButtonClick();
    void CloseButtonClick();

    void LoadSchoolCombo();
    // The check-ups counted: 0 or more, or -1 after its message.
    int LoadAllCheckups();
    // Looks up, counts and writes one check-up: -1 stops the run, 0 lets it go on.
    int SumupChekupRec(stCheckupRecord& checkup);

    // The spreadsheet: the program folder (with its backslash), "\" and [Sum] Xls.
    QString asXlsPath;
    std::vector<stSchoolRecord> tstSchoolRec; // the combo's schools; [0] is the search filter
    QString asSumCsvPath;
    int tnCodeFlag[20] = {};
    TToothCount tnCount = {};
    std::vector<stCheckupRecord> tstCheckupRec; // [0] is the search filter
    int nCheckupRecords = 0;

    // Filter and result of the karte lookup of one check-up.
    stMedicalRec stSumMediRec;
    TDateTime tSumEndDate;
    stPatientRec stSumPatientRec;
    stExcursusRec stSumExcursusRec;
    int FoundMediRec = 0;

    // The chart file and the totals file while a run writes them.
    std::unique_ptr<TDataFile> fpDebChart;
    QString wsDebChartName;
    std::unique_ptr<TDataFile> fpSumCsv;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The run proper, between the buttons' disabling and their restoring.
    bool RunSumup();
    void SetButtonsEnabled(bool enabled);
    void ShowStatus(const QString& text);
    // "集計中... i/n" for the check-up being counted.
    void ShowProgress();
    // A check-up's error box, over the progress figure of that check-up.
    void ShowRunError(const QString& text);

    TSumLayout layout = TSumLayout::ToothType;
    bool counting = false;
    // The index of the check-up being counted; -1 outside the loop.
    int current = -1;
    // False once a write to the totals file has failed in this run.
    bool sumCsvWritten = true;
    TSumupKarteLookup karteLookup;
};

extern TSumupForm* SumupForm;
