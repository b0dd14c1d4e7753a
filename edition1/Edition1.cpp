#include "edition1/Edition1.h"

#include "app/AboutUnit.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramFiles.h"
#include "core/data/DMDB.h"
#include "edition1/DebugUnit.h"
#include "platform/os/Files.h"
#include "platform/os/VersionInfo.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/KeyCodes.h"
#include "records/DentalFormulaUnit.h"
#include "tables/FormSetting.h"
#include "totals/SumupUnit.h"

#include <algorithm>

TEdition1::TEdition1(const QString& programFile) : programFile(programFile) {}

QString TEdition1::ProgramFolder() const
{
    return programFile.left(programFile.lastIndexOf('\\') + 1);
}

namespace {

// The file name of `path` with its extension replaced by ".ini".
QString WithIniExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf('.');
    return (dot > path.lastIndexOf('\\') ? path.left(dot) : path) + ".ini";
}

} // namespace

QString TEdition1::IniFileName() const
{
    return ProgramFolder() + "Database\\" + WithIniExtension(programFile.mid(ProgramFolder().size()));
}

QString TEdition1::OldIniFileName() const
{
    return WithIniExtension(programFile);
}

void TEdition1::MoveOldIniFile() const
{
    const QString oldPath = OldIniFileName();
    const QString newPath = IniFileName();
    if (os::FileExists(oldPath) && !os::FileExists(newPath) && os::CopyFile(oldPath, newPath, true))
        os::DeleteFile(oldPath);
}

void TEdition1::MainMenuShown(TMainMenuForm&)
{
    MoveOldIniFile();
    ProgramFiles.IniFile = new TIniFile(IniFileName());
    ProgramFiles.OpenDebugLog("DebLog.txt"); // in the current folder
}

void TEdition1::MainMenuDblClick(TMainMenuForm&)
{
    DebugForm->Show();
}

void TEdition1::UseAlias(TDBDM& dm)
{
    TDataSet* dataSets[] = {dm.JobTable, dm.Query1, dm.Query2, dm.Query3};
    for (TDataSet* dataSet : dataSets) {
        dataSet->Session = TSession::Default();
        dataSet->SessionName.clear();
        dataSet->DatabaseName = DatabaseAlias;
    }
    dm.JobTable->Open();
}

bool TEdition1::AboutMade(TAboutForm& form)
{
    // The copyright notice between the version and the maker; nothing is filled before a showing.
    auto* copyright = new widgets::Label(&form);
    copyright->setObjectName("CopyrightLabel");
    copyright->setGeometry(0, 79, 280, 12);
    copyright->setAlignment(Qt::AlignCenter);
    return true;
}

void TEdition1::AboutShown(TAboutForm& form)
{
    // A program file without version information leaves the labels as they were.
    const auto value = [this](const char* key, QString& text) {
        return os::QueryVersionString(programFile, QString("\\StringFileInfo\\041103A4\\") + key, text);
    };
    QString company, version, description, copyright;
    const bool found[] = {value("CompanyName", company), value("FileVersion", version),
                          value("FileDescription", description), value("LegalCopyright", copyright)};
    if (std::ranges::none_of(found, [](bool f) { return f; }))
        return;
    form.CompanyNameLabel->SetCaption(company);
    form.VersionLabel->SetCaption("Ver " + version);
    form.FileDescriptionLabel->SetCaption(description);
    form.findChild<widgets::Label*>("CopyrightLabel")->SetCaption(copyright);
}

void TEdition1::DatePickerMade(TMonthCalendarForm& form)
{
    // Leaving the calendar only copies its date into the edit; OK alone accepts it.
    QObject::disconnect(form.MonthCalendar1, &widgets::MonthCalendar::Exit, &form, nullptr);
    widgets::Connect(form.MonthCalendar1, &widgets::MonthCalendar::Exit, &form,
                     &TMonthCalendarForm::ShowDateInEdit);
    form.setFixedSize(192, 229);
    form.MonthCalendar1->setGeometry(4, 2, 184, 158);
    form.MonthCalendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames); // they fit
    form.SpecifiedDateMaskEdit->setGeometry(48, 166, 96, 24);
    form.OkButton->setGeometry(8, 198, 75, 25);
    form.CancelButton->setGeometry(109, 198, 75, 25);
}

void TEdition1::SettingsMade(TSettingForm& form)
{
    // The window ends below the editors' buttons: no database folders to edit.
    for (QWidget* folders :
         {static_cast<QWidget*>(form.Label1), static_cast<QWidget*>(form.EditNetFileDir),
          static_cast<QWidget*>(form.Label2), static_cast<QWidget*>(form.EditDatabaseName)})
        folders->hide();
    form.setFixedSize(323, 263);
    form.CloseButton->move(114, 216);
}

QString TEdition1::SumCsvPath() const
{
    // Joined as they stand: a configured folder must end with its backslash. Any length.
    TIniFile* ini = ProgramFiles.IniFile;
    return ini->ReadString("Sum", "SumPath", ProgramFolder()) +
           ini->ReadString("Sum", "SumCsv", "KvrSum.csv");
}

void TEdition1::SumupMade(TSumupForm& form)
{
    // No school list: the buttons move up into its place.
    for (QWidget* schools : {static_cast<QWidget*>(form.Bevel1), static_cast<QWidget*>(form.Label1),
                             static_cast<QWidget*>(form.ComboBoxSchoolName)})
        schools->hide();
    form.setFixedSize(192, 173);
    form.SumupButton->move(38, 8);
    form.NoPatientCheckBox->move(38, 40);
    form.OpenButton->move(38, 64);
    form.CloseButton->move(38, 112);
    form.SumupStatusBar->setGeometry(0, 154, 192, 19);
}

void TEdition1::ChartEditorMade(TDentalFormulaForm& form)
{
    // Tab leaves the grid.
    form.DentalFormulaSG->setOptions(form.DentalFormulaSG->Options() & ~widgets::goTabs);
}

bool TEdition1::ChartKeyDown(TDentalFormulaForm& form, int& key)
{
    const int col = form.DentalFormulaSG->Col();
    const int row = form.DentalFormulaSG->Row();
    const bool toothRow = row % 2 == 1;
    if (toothRow && (key == widgets::VK_UP || key == widgets::VK_DOWN)) {
        // The partner row: the upper and lower primary rows, the upper and lower permanent rows.
        form.DentalFormulaSG->SetRow(8 - row);
        key = 0;
        return true;
    }
    if (toothRow && (key == widgets::VK_LEFT || key == widgets::VK_RIGHT))
        return false; // along the rings, as in Kelvara2
    if (!form.tnEditableCell[col][row]) {
        // Outside the teeth every key, the toggle among them, moves on to the next cell.
        form.MoveToNextTooth();
        key = 0;
        return true;
    }
    return false;
}
