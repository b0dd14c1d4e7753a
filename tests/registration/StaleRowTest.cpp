// The examinee and member windows act on the row they loaded: once another program has deleted
// that examinee or member and registered someone new under the number, Replace and Delete are
// refused with their messages and the new person stays as that program stored them.
#include "tests/registration/MemberWindow.h"
#include "tests/registration/PatientWindow.h"
#include "tests/support/OtherProgram.h"

using namespace widgets;

namespace {

// One action of a window on its loaded row, with or without another program giving the number
// away between the load and the action.
struct StaleCase
{
    const char* action; // "replace" or "delete"
    bool raced;
};

void PrintTo(const StaleCase& c, std::ostream* out)
{
    *out << c.action << (c.raced ? ", number given away meanwhile" : "");
}

const StaleCase Cases[] = {{"replace", true}, {"delete", true}, {"replace", false}, {"delete", false}};

// The other program deletes the person of `number` and registers a new one ("race") under it.
void GiveAway(const char* kind, const QString& number)
{
    int code = 0;
    ASSERT_TRUE(RunHelper({QString("give-away-") + kind, number}, code));
    ASSERT_EQ(code, 1);
}

class StaleExamineeWindow : public PatientWindowTest
{
};

class StaleMemberWindow : public MemberWindowTest
{
};

} // namespace

TEST_F(StaleExamineeWindow, ReplaceAndDeleteActOnTheLoadedExamineeOnly)
{
    AddSchool("North");
    for (const StaleCase& c : Cases) {
        SCOPED_TRACE(::testing::PrintToString(c));
        Exec("DELETE FROM Patient2Table;");
        AddExaminee(101, "Yamada", "Taro");
        const bool replace = QByteArray(c.action) == "replace";
        InWindow([&] {
            Find();
            if (replace) {
                DoubleClickRow(PatientForm->PatientSG, 1);
                Type(PatientForm->PersonalNameEdit, "x");
                if (c.raced) {
                    GiveAway("patient", "101");
                    Script().Expect(BoxKind::Error,
                                    "受診者テーブルを書き換えられませんでした。(-2)" + StaleNote);
                }
                QTest::mouseClick(PatientForm->ReplaceButton, Qt::LeftButton);
                // A refused replace leaves the fields for another try.
                EXPECT_EQ(PatientForm->ReplaceButton->isEnabled(), c.raced);
            } else {
                ClickRow(PatientForm->PatientSG, 1);
                if (c.raced)
                    GiveAway("patient", "101");
                Script().Expect(BoxKind::Question, mrYes);
                Script().Expect(BoxKind::Plain, "iArgPatientNo=101\n(TDBDM::DelPatient)");
                if (c.raced)
                    Script().Expect(BoxKind::Error, "受診者テーブルから削除できませんでした。\n"
                                                    "101,Taro,Yamada,2008/04/01,Male,North\n(-2)" +
                                                        StaleNote);
                QTest::mouseClick(PatientForm->DeleteButton, Qt::LeftButton);
                EXPECT_EQ(PatientForm->PatientSG->Cell(0, 1), c.raced ? "101" : "");
            }
        });
        const QString loaded =
            Scalar("SELECT Name1 || ',' || DeleteFlag FROM Patient2Table WHERE Name0 = 'Yamada';");
        if (c.raced) {
            // The new person of the number is as the other program stored them; the loaded one
            // stays deleted, unchanged.
            EXPECT_EQ(Scalar("SELECT Name0 FROM Patient2Table WHERE PatientNo = 101 AND "
                             "DeleteFlag = 0;"),
                      "race");
            EXPECT_EQ(loaded, "Taro,1");
        } else {
            EXPECT_EQ(loaded, replace ? "Tarox,0" : "Taro,1");
        }
    }
}

TEST_F(StaleMemberWindow, ReplaceAndDeleteActOnTheLoadedMemberOnly)
{
    for (const StaleCase& c : Cases) {
        SCOPED_TRACE(::testing::PrintToString(c));
        Exec("DELETE FROM Staff2Table;");
        AddMember(7, "Sato", "Ichiro");
        const bool replace = QByteArray(c.action) == "replace";
        InWindow([&] {
            Find();
            if (replace) {
                DoubleClickRow(MemberForm->MembersSG, 1);
                Type(MemberForm->PersonalNameEdit, "x");
                if (c.raced) {
                    GiveAway("staff", "7");
                    Script().Expect(BoxKind::Error,
                                    "メンバー・テーブルを書き換えられませんでした。(-2)" + StaleNote);
                }
                QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
                EXPECT_EQ(MemberForm->ReplaceButton->isEnabled(), c.raced);
            } else {
                ClickRow(MemberForm->MembersSG, 1);
                if (c.raced)
                    GiveAway("staff", "7");
                Script().Expect(BoxKind::Question, mrYes);
                if (c.raced)
                    Script().Expect(
                        BoxKind::Error,
                        "メンバー・テーブルから削除できませんでした。\n7,Sato,Ichiro,Male,\n(-2)" +
                            StaleNote);
                QTest::mouseClick(MemberForm->DeleteButton, Qt::LeftButton);
                EXPECT_EQ(MemberForm->MembersSG->Cell(0, 1), c.raced ? "7" : "");
            }
        });
        const QString loaded =
            Scalar("SELECT NameKanji1 || ',' || DeleteFlag FROM Staff2Table WHERE NameKanji0 = 'Sato';");
        if (c.raced) {
            EXPECT_EQ(Scalar("SELECT NameKanji0 FROM Staff2Table WHERE StaffNo = 7 AND "
                             "DeleteFlag = 0;"),
                      "race");
            EXPECT_EQ(loaded, "Ichiro,1");
        } else {
            EXPECT_EQ(loaded, replace ? "Ichirox,0" : "Ichiro,1");
        }
    }
}

namespace {

// The other program stores its own change of the person of that Code ("race" as the family
// name, every other name empty).
void Change(const char* kind, int code, const QString& number)
{
    int result = 0;
    ASSERT_TRUE(RunHelper({QString("replace-") + kind, QString::number(code), number}, result));
    ASSERT_EQ(result, 1);
}

} // namespace

// Mended: a replace wrote the whole row as the window held it, over what another program stored
// since the window listed it. Unraced, a second replace goes over the window's own first.
TEST_F(StaleExamineeWindow, AReplaceOverAnotherProgramsChangeIsRefused)
{
    AddSchool("North");
    for (const bool raced : {true, false}) {
        SCOPED_TRACE(raced ? "changed meanwhile" : "nothing raced");
        Exec("DELETE FROM Patient2Table;");
        const int code = AddExaminee(101, "Yamada", "Taro");
        InWindow([&] {
            Find();
            DoubleClickRow(PatientForm->PatientSG, 1);
            Type(PatientForm->PersonalNameEdit, "x");
            if (raced) {
                Change("patient", code, "101");
                Script().Expect(BoxKind::Error, "受診者テーブルを書き換えられませんでした。(-2)" + StaleNote);
            }
            QTest::mouseClick(PatientForm->ReplaceButton, Qt::LeftButton);
            if (raced)
                return;
            DoubleClickRow(PatientForm->PatientSG, 1);
            Type(PatientForm->PersonalNameEdit, "y");
            QTest::mouseClick(PatientForm->ReplaceButton, Qt::LeftButton);
        });
        EXPECT_EQ(Scalar("SELECT Name0 || ',' || IFNULL(Name1, '') FROM Patient2Table;"),
                  raced ? "race," : "Yamada,Taroxy");
    }
}

TEST_F(StaleMemberWindow, AReplaceOverAnotherProgramsChangeIsRefused)
{
    for (const bool raced : {true, false}) {
        SCOPED_TRACE(raced ? "changed meanwhile" : "nothing raced");
        Exec("DELETE FROM Staff2Table;");
        const int code = AddMember(7, "Sato", "Ichiro");
        InWindow([&] {
            Find();
            DoubleClickRow(MemberForm->MembersSG, 1);
            Type(MemberForm->PersonalNameEdit, "x");
            if (raced) {
                Change("staff", code, "7");
                Script().Expect(BoxKind::Error,
                                "メンバー・テーブルを書き換えられませんでした。(-2)" + StaleNote);
            }
            QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
            if (raced)
                return;
            DoubleClickRow(MemberForm->MembersSG, 1);
            Type(MemberForm->PersonalNameEdit, "y");
            QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
        });
        EXPECT_EQ(Scalar("SELECT NameKanji0 || ',' || IFNULL(NameKanji1, '') FROM Staff2Table;"),
                  raced ? "race," : "Sato,Ichiroxy");
    }
}
