// Kelvara1's sum-up: no school list, and the totals file where [Sum] SumPath and SumCsv
// say, joined as they stand, whatever the path's length.
#include "app/FormMainMenu.h"
#include "core/data/Dbapi.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/DateTime.h"
#include "tests/edition1/Kelvara1Fixture.h"
#include "totals/SumupUnit.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

QString ReadTotals(const QString& path)
{
    QFile file(Kelvara1Program::Host(path));
    return file.open(QIODevice::ReadOnly) ? FromCodePage(file.readAll()) : QString("(no file)");
}

// Shows the window, runs one sum-up (the spreadsheet is missing) and closes it.
void RunSumup(Kelvara1Program& program)
{
    program.Script().Expect(BoxKind::ErrorNoSound);
    program.Script().OnModal(*SumupForm, [] {
        QTest::mouseClick(SumupForm->SumupButton, Qt::LeftButton);
        SumupForm->Close();
    });
    QTest::mouseClick(MainMenuForm->TotalButton, Qt::LeftButton);
}

} // namespace

TEST(Sumup1, HasNoSchoolListAndWritesNoSchoolForAnExamineeWithout)
{
    Kelvara1Program program;
    program.Start();
    program.Database().Exec("INSERT INTO SchoolTable (Name) VALUES ('第一小学校');");
    stPatientRec examinee;
    examinee.asPatientNo = "1";
    examinee.asName0 = "山田";
    examinee.tBirth = EncodeDate(2005, 1, 1);
    ASSERT_EQ(AddPatient(examinee), 1);
    stMedicalRec karte;
    karte.asMediRecNo = "XX-0001-0001";
    karte.tDate = EncodeDate(2015, 4, 1);
    ASSERT_EQ(AddMedicalRecord(karte, stExcursusRec(), "1"), 1);
    stCheckupRecord checkup;
    checkup.asKarteNo = "XX-0001-0001";
    checkup.tDate = EncodeDate(2015, 4, 1);
    ASSERT_GT(AddCheckup(checkup), 0);

    TSumupForm& f = *SumupForm;
    EXPECT_EQ(f.size(), QSize(192, 173));
    for (QWidget* control : {static_cast<QWidget*>(f.SumupButton), static_cast<QWidget*>(f.OpenButton),
                             static_cast<QWidget*>(f.CloseButton), static_cast<QWidget*>(f.SumupStatusBar)})
        EXPECT_TRUE(QRect(QPoint(0, 0), f.size()).contains(control->geometry()))
            << control->objectName().toStdString();
    program.Script().OnModal(f, [&] {
        for (QWidget* schools : {static_cast<QWidget*>(f.Bevel1), static_cast<QWidget*>(f.Label1),
                                 static_cast<QWidget*>(f.ComboBoxSchoolName)})
            EXPECT_FALSE(schools->isVisible()) << schools->objectName().toStdString();
        EXPECT_EQ(f.ComboBoxSchoolName->count(), 0); // the schools are not loaded
        f.Close();
    });
    QTest::mouseClick(MainMenuForm->TotalButton, Qt::LeftButton);

    RunSumup(program);
    const QStringList lines = ReadTotals("C:\\Program Files\\KVR\\KvrSum.csv").split("\r\n");
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("PermanentTeeth,,,山田,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("MilkTeeth,,,山田,")) << lines[2].toStdString();
}

TEST(Sumup1, TheTotalsFileIsSumPathFollowedBySumCsv)
{
    const QString longFolder = "C:\\" + QString(140, 'a') + "\\";
    struct Case
    {
        const char* what;
        QString sumPath; // empty: not configured
        QString sumCsv;  // empty: not configured
        QString file;
    };
    const Case cases[] = {
        {"defaults: the program's folder", "", "", "C:\\Program Files\\KVR\\KvrSum.csv"},
        {"a folder and a name", "C:\\Totals\\", "Year.csv", "C:\\Totals\\Year.csv"},
        {"a folder without its backslash glues the names", "C:\\Totals", "", "C:\\TotalsKvrSum.csv"},
        {"a path longer than 127 characters", longFolder, "", longFolder + "KvrSum.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Kelvara1Program program;
        QDir().mkpath(Kelvara1Program::Host("C:\\Totals"));
        QDir().mkpath(Kelvara1Program::Host(longFolder));
        program.Start();
        if (!c.sumPath.isEmpty())
            MainMenuForm->IniFile->WriteString("Sum", "SumPath", c.sumPath);
        if (!c.sumCsv.isEmpty())
            MainMenuForm->IniFile->WriteString("Sum", "SumCsv", c.sumCsv);
        RunSumup(program);
        EXPECT_EQ(SumupForm->asSumCsvPath, c.file);
        EXPECT_TRUE(ReadTotals(c.file).startsWith("ToothType,SchoolName,"))
            << ReadTotals(c.file).toStdString();
        EXPECT_EQ(MainMenuForm->IniFile->ReadString("Sum", "SumPath", "(none)"),
                  c.sumPath.isEmpty() ? "(none)" : c.sumPath); // never written
    }
}
