// Both editions on one database at the same time: Kelvara1 runs here while Kelvara2 runs
// in a second process on the same drives root (this test program again, running the
// disabled Kelvara2 side below), each seeing what the other wrote.
#include "app/FormMainMenu.h"
#include "app/ProgramObjects.h"
#include "core/data/Dbapi.h"
#include "tests/edition1/Kelvara1Fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

stStaffRecord Member(const QString& no, const QString& name)
{
    stStaffRecord staff;
    staff.asStaffNo = no;
    staff.asNameKanji0 = name;
    return staff;
}

QStringList MemberNames()
{
    stStaffRecord all;
    all.iJobCode = -1;
    all.iSex = -1;
    const int count = SearchStaff(all);
    std::vector<stStaffRecord> rows(std::max(count, 0));
    GetStaffs(rows.data(), count);
    QStringList names;
    for (const stStaffRecord& row : rows)
        names << row.asNameKanji0;
    names.sort();
    return names;
}

} // namespace

TEST(BothEditions, WorkOnOneDatabaseAtTheSameTime)
{
    Kelvara1Program program;
    program.Start();
    ASSERT_EQ(AddStaff(Member("1", "一版")), 1);

    QProcess kelvara2;
    kelvara2.setProcessChannelMode(QProcess::MergedChannels);
    kelvara2.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_also_run_disabled_tests", "--gtest_filter=BothEditions.DISABLED_Kelvara2Side"});
    ASSERT_TRUE(kelvara2.waitForFinished(90000));
    const QString output = QString::fromUtf8(kelvara2.readAll());
    EXPECT_EQ(kelvara2.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();

    // Kelvara1, still running, reads what Kelvara2 wrote.
    EXPECT_EQ(MemberNames(), (QStringList{"一版", "二版"}));
    EXPECT_EQ(GetStaffCount(), 2);
}

// A new examinee shows "Images\Prompt.bmp" from the folder the program is started in, which
// scripts/start makes the program's own build folder.
TEST(BothEditions, EachProgramFolderHoldsThePromptPicture)
{
    QFile kelvara1(KVR_KELVARA1_FOLDER "/Images/Prompt.bmp");
    QFile kelvara2(KVR_KELVARA2_FOLDER "/Images/Prompt.bmp");
    ASSERT_TRUE(kelvara2.open(QIODevice::ReadOnly)) << kelvara2.fileName().toStdString();
    ASSERT_TRUE(kelvara1.open(QIODevice::ReadOnly)) << kelvara1.fileName().toStdString();
    EXPECT_EQ(kelvara1.readAll(), kelvara2.readAll());
}

// Kelvara2 as its entry starts it, on the drives root and database of the test above.
TEST(BothEditions, DISABLED_Kelvara2Side)
{
    ScriptedInteraction script;
    widgets::ObjectOwner objects;
    CreateProgramObjects(objects);
    MainMenuForm->Show();
    EXPECT_EQ(MemberNames(), QStringList{"一版"});
    EXPECT_EQ(AddStaff(Member("2", "二版")), 1);
    // A number Kelvara1 holds is refused here too.
    EXPECT_EQ(AddStaff(Member("1", "重複")), dbNumberInUse);
    MainMenuForm->Close();
    objects.DestroyAll();
}
