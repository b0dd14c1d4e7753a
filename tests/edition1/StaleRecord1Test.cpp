// Kelvara1's windows act on the record they show, as Kelvara2's do: once another program has
// deleted the karte or the examinee and given its number to a new one, a note added from the
// karte editor, its karte delete and the examinee window's replace are refused, and the new
// record stays as that program stored it.
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "records/EditNoteUnit.h"
#include "records/MedicalRecordSearchUnit.h"
#include "records/MedicalRecordUnit.h"
#include "registration/PatientUnit.h"
#include "registration/SearchPatientUnit.h"
#include "tests/edition1/Kelvara1Fixture.h"
#include "tests/support/OtherProgram.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

constexpr const char* KarteNo = "AB-0001-0001";

class StaleRecord1 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.Start();
        stStaffRecord member;
        member.asStaffNo = "7";
        member.asNameKanji0 = "山田";
        member.asNameKanji1 = "太郎";
        ASSERT_EQ(AddStaff(member), 1);
        program.Database().Exec("INSERT INTO SchoolTable (Name) VALUES ('North');");
        stPatientRec examinee;
        examinee.asPatientNo = "101";
        examinee.asName0 = "Yamada";
        examinee.asName1 = "Taro";
        examinee.tBirth = EncodeDate(2008, 4, 1);
        examinee.iSchoolCode = Scalar("SELECT Code FROM SchoolTable").toInt();
        ASSERT_EQ(AddPatient(examinee), 1);
        stMedicalRec karte;
        karte.asMediRecNo = KarteNo;
        karte.tDate = EncodeDate(2015, 4, 1);
        ASSERT_EQ(AddMedicalRecord(karte, stExcursusRec(), "101"), 1);
    }

    ScriptedInteraction& Script() { return program.Script(); }
    QString Scalar(const QString& sql) { return program.Database().Scalar(sql); }

    static void GiveAway(const QStringList& arguments)
    {
        int code = 0;
        ASSERT_TRUE(RunHelper(arguments, code));
        ASSERT_EQ(code, 1);
    }
    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    Kelvara1Program program;
};

} // namespace

TEST_F(StaleRecord1, TheKarteEditorAddsAndDeletesOnTheKarteItOpenedOnly)
{
    Script().OnModal(*MedicalRecordForm, [&] {
        TMedicalRecordForm& f = *MedicalRecordForm;
        Script().OnModal(*MedicalRecordSearchForm, [] {
            TMedicalRecordSearchForm& s = *MedicalRecordSearchForm;
            Click(s.MediRecNoEdit);
            QTest::keyClicks(s.MediRecNoEdit, KarteNo);
            Click(s.FindButton);
            ASSERT_EQ(s.MediRecSG->Cell(0, 1), KarteNo);
            Click(s.OpenButton);
        });
        Click(f.FindButton);
        ASSERT_EQ(f.MediRecNoEdit->Text(), KarteNo);
        GiveAway({"give-away-karte", KarteNo});

        Script().OnModal(*EditNoteForm, [&] {
            TEditNoteForm& d = *EditNoteForm;
            Script().OnModal(*MonthCalendarForm, [] {
                QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, "20150601");
                QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
            });
            Click(d.DateBitBtn);
            Click(d.DescriptionEdit);
            QTest::keyClicks(d.DescriptionEdit, "late");
            d.WrittenByCB->setFocus();
            QTest::keyClick(d.WrittenByCB, Qt::Key_Down);
            Script().Expect(BoxKind::Error,
                            "備考テーブルに追加できませんでした。(-3)\n  2015/06/01,late,山田, 太郎" +
                                StaleNote);
            Click(d.OkButton);
            Click(d.CancelButton);
        });
        Click(f.NoteNewButton);

        Script().Expect(BoxKind::Question, mrYes);
        Script().Expect(BoxKind::Error, "[カルテ削除(&D)]\nカルテ・テーブルから削除できませんでした。(-2)\n"
                                        "AB-0001-0001, 2015/04/01, 101, Taro Yamada" +
                                            StaleNote);
        Click(f.DeleteButton);
        f.Close();
    });
    Click(MainMenuForm->KarteButton);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM NoteTable"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM KarteTable WHERE DeleteFlag = 0 AND PatientCode = -1"), "1");
}

TEST_F(StaleRecord1, TheExamineeWindowReplacesTheExamineeItLoadedOnly)
{
    Script().OnModal(*PatientForm, [&] {
        Script().OnModal(*SearchPatientForm, [] { Click(SearchPatientForm->OkButton); });
        Click(PatientForm->FindButton);
        StringGrid* grid = PatientForm->PatientSG;
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                           grid->visualRect(grid->model()->index(1, 0)).center());
        ASSERT_EQ(PatientForm->PatientNoEdit->Text(), "101");
        GiveAway({"give-away-patient", "101"});
        Click(PatientForm->PersonalNameEdit);
        QTest::keyClick(PatientForm->PersonalNameEdit, Qt::Key_End);
        QTest::keyClicks(PatientForm->PersonalNameEdit, "x");
        Script().Expect(BoxKind::Error, "受診者テーブルを書き換えられませんでした。(-2)" + StaleNote);
        Click(PatientForm->ReplaceButton);
        PatientForm->Close();
    });
    PatientForm->RegisterPatients();
    EXPECT_EQ(Scalar("SELECT Name0 FROM Patient2Table WHERE PatientNo = 101 AND DeleteFlag = 0"), "race");
    EXPECT_EQ(Scalar("SELECT Name1 FROM Patient2Table WHERE Name0 = 'Yamada'"), "Taro");
}

TEST_F(StaleRecord1, OpenRefusesAKarteWhoseNumberWasGivenAwayAndListsAgain)
{
    Script().OnModal(*MedicalRecordForm, [&] {
        TMedicalRecordForm& f = *MedicalRecordForm;
        Script().OnModal(*MedicalRecordSearchForm, [&] {
            TMedicalRecordSearchForm& s = *MedicalRecordSearchForm;
            Click(s.MediRecNoEdit);
            QTest::keyClicks(s.MediRecNoEdit, KarteNo);
            Click(s.FindButton);
            ASSERT_EQ(s.MediRecSG->Cell(TMedicalRecordSearchForm::Imrsg_PatientNo, 1), "101");
            GiveAway({"give-away-karte", KarteNo});
            Script().Expect(BoxKind::Error, "[開く(&O)...]\nカルテを開けませんでした。(-2)\n"
                                            "  AB-0001-0001,2015/04/01,101,Yamada,Taro,," +
                                                StaleNote);
            Click(s.OpenButton);
            // Listed again: the karte of the number now has no examinee.
            EXPECT_EQ(s.MediRecSG->Cell(TMedicalRecordSearchForm::Imrsg_MediRecNo, 1), KarteNo);
            EXPECT_EQ(s.MediRecSG->Cell(TMedicalRecordSearchForm::Imrsg_PatientNo, 1), "");
            Click(s.CancelButton);
        });
        Click(f.FindButton);
        EXPECT_EQ(f.MediRecNoEdit->Text(), "");
        f.Close();
    });
    Click(MainMenuForm->KarteButton);
}

TEST_F(StaleRecord1, ANewKarteGoesOntoTheExamineeChosenOnly)
{
    const QString yamada = Scalar("SELECT Code FROM Patient2Table WHERE PatientNo = 101");
    for (const bool raced : {false, true}) {
        SCOPED_TRACE(raced ? "examinee's number given away after OK" : "nothing raced");
        Script().OnModal(*MedicalRecordForm, [&] {
            TMedicalRecordForm& f = *MedicalRecordForm;
            Click(f.NewButton);
            Script().OnModal(*MonthCalendarForm, [] {
                QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, "20150401");
                QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
            });
            Click(f.MediRecDateBitBtn);
            Script().OnModal(*PatientForm, [&] {
                Script().OnModal(*SearchPatientForm, [] { Click(SearchPatientForm->OkButton); });
                Click(PatientForm->FindButton);
                Click(PatientForm->OkButton);
            });
            Click(f.RetrievePatientButton);
            ASSERT_EQ(f.NameEdit->Text(), "Taro Yamada");
            if (raced) {
                GiveAway({"give-away-patient", "101"});
                Script().Expect(BoxKind::Error, "カルテ・テーブルに追加できませんでした。(-1)" + StaleNote);
            }
            Click(f.AddButton);
            f.Close();
        });
        Click(MainMenuForm->KarteButton);
        // The one new karte is the unraced one, Yamada's.
        EXPECT_EQ(Scalar("SELECT group_concat(PatientCode) FROM KarteTable WHERE KarteNo LIKE 'XX-%'"),
                  yamada);
    }
}
