// The member window: its design, New's number proposal and limit, the two input checks,
// Add, Replace, Delete with the further questions about notes and treatments, the
// occupation list, the comma filter, the kept geometry, and records that stay with
// their rows.
#include "tests/registration/MemberWindow.h"
#include "tests/support/TextFit.h"

using namespace widgets;

namespace {

class MemberWindow : public MemberWindowTest
{
};

const QStringList headers = {"Member #",      "Family Name", "Personal Name", "Family Kana",
                             "Personal Kana", "Sex",         "Occupation"};

} // namespace

TEST_F(MemberWindow, ShowsItsDesignIdleWithAnEmptyList)
{
    AddJob("Dentist");
    InWindow([&] {
        EXPECT_EQ(CutTexts(MemberForm), ""); // every caption and choice shows whole
        EXPECT_EQ(MemberForm->windowTitle(), "メンバー登録");
        EXPECT_EQ(MemberForm->size(), QSize(680, 425));
        EXPECT_EQ(MemberForm->MemberInfoGroupBox->title(), "メンバー情報");
        EXPECT_TRUE(MemberForm->MembershipLabel->isHidden());
        EXPECT_TRUE(MemberForm->EnrollDateEdit->isHidden());
        EXPECT_TRUE(MemberForm->MemberNoEdit->isReadOnly());
        EXPECT_FALSE(MemberForm->MemberNoEdit->TabStop());
        EXPECT_TRUE(MemberForm->CloseButton->Cancel());
        EXPECT_EQ(MemberForm->OccupationCB->count(), 1);
        EXPECT_EQ(MemberForm->OccupationCB->ItemIndex(), -1);
        EXPECT_EQ(MemberForm->OccupationCB->Text(), "");
        EXPECT_EQ(MemberForm->SexComboBox->ItemIndex(), -1);

        EXPECT_EQ(Row(MemberForm->MembersSG, 0), headers);
        EXPECT_EQ(Row(MemberForm->MembersSG, 1), QStringList(7, QString()));
        const int widths[] = {53, 115, 113, 110, 99, 55, 101};
        for (int col = 0; col < 7; ++col)
            EXPECT_EQ(MemberForm->MembersSG->ColWidth(col), widths[col]) << col;

        EXPECT_FALSE(MemberForm->FamilyNameEdit->isEnabled());
        EXPECT_FALSE(MemberForm->OccupationCB->isEnabled());
        EXPECT_FALSE(MemberForm->AddButton->isEnabled());
        EXPECT_FALSE(MemberForm->ReplaceButton->isEnabled());
        EXPECT_FALSE(MemberForm->AddArrowLabel->isVisible());
        EXPECT_FALSE(MemberForm->ReplaceArrowLabel->isVisible());
        EXPECT_FALSE(MemberForm->DeleteButton->isEnabled());
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "");
    });
}

TEST_F(MemberWindow, NewProposesTheFirstFreeNumberAndAddAdvancesTheCounter)
{
    AddMember(3, "A", "a");
    AddMember(4, "B", "b");
    AddMember(5, "C", "c", 0, -1, "", "", true);
    MainMenuForm->IniFile->WriteInteger("Member", "Number", 3);
    InWindow([&] {
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->MemberNoEdit->Text(), "5");
        EXPECT_EQ(QApplication::focusWidget(), MemberForm->FamilyNameEdit);
        EXPECT_TRUE(MemberForm->AddButton->isEnabled());
        EXPECT_TRUE(MemberForm->AddArrowLabel->isVisible());
        Type(MemberForm->FamilyNameEdit, "Sato");
        Type(MemberForm->PersonalNameEdit, "Ichiro");
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
    });
    EXPECT_EQ(Setting("Number"), "6");
}

TEST_F(MemberWindow, NewRefusesOnceTwoThousandMembersLive)
{
    AddMembers(1, 2000);
    Script().Expect(BoxKind::Error, "メンバー数の上限 2000 を越えます。");
    InWindow([&] {
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->MemberNoEdit->Text(), "");
        EXPECT_FALSE(MemberForm->AddButton->isEnabled());
        Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 9;");
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->MemberNoEdit->Text(), "9");
    });
}

TEST_F(MemberWindow, TheCounterStopsAtTheHighestNumberAndNewThenSaysThereIsNone)
{
    MainMenuForm->IniFile->WriteInteger("Member", "Number", 2147483646);
    AddMember(2147483646, "A", "a");
    Script().Expect(BoxKind::Error, "次に空いているメンバー番号を自動的に見つけることができませんでした。\n"
                                    "メンバー番号の上限は 2147483647 です。");
    InWindow([&] {
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->MemberNoEdit->Text(), "2147483647");
        Type(MemberForm->FamilyNameEdit, "Sato");
        Type(MemberForm->PersonalNameEdit, "Ichiro");
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        EXPECT_EQ(Setting("Number"), "2147483647");
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        EXPECT_FALSE(MemberForm->AddButton->isEnabled());
        EXPECT_FALSE(MemberForm->FamilyNameEdit->isEnabled());
    });
    EXPECT_EQ(Setting("Number"), "2147483647");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Staff2Table WHERE StaffNo = 2147483647;"), "1");
}

TEST_F(MemberWindow, AddNamesMissingFieldsInBracketsReplaceWithout)
{
    struct Case
    {
        TMemberInput input;
        QString toAdd, toReplace;
    };
    const Case cases[] = {
        {{"1", "F", "P", "", "", -1}, "", ""},
        {{"", "F", "P", "", "", -1},
         "[メンバー番号] が指定されていません。",
         "メンバー番号が指定されていません。"},
        {{"1", "", "P", "", "", -1}, "[名前] が指定されていません。", "名前が指定されていません。"},
        {{"", "F", "", "", "", -1},
         "[メンバー番号] が指定されていません。\n[名前] が指定されていません。",
         "メンバー番号が指定されていません。\n名前が指定されていません。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckMemberInputToAdd(c.input), c.toAdd);
        EXPECT_EQ(CheckMemberInputToReplace(c.input), c.toReplace);
    }

    AddMember(1, "A", "a");
    Script().Expect(BoxKind::Error, "[名前] が指定されていません。");
    Script().Expect(BoxKind::Error, "名前が指定されていません。");
    InWindow([&] {
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        Find();
        DoubleClickRow(MemberForm->MembersSG, 1);
        MemberForm->FamilyNameEdit->selectAll();
        QTest::keyClick(MemberForm->FamilyNameEdit, Qt::Key_Delete);
        QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
    });
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Staff2Table;"), "1");
}

TEST_F(MemberWindow, AddIntoAnEmptyListFillsRowOneAndStoresTheMember)
{
    AddJob("Nurse");
    const int dentist = AddJob("Dentist");
    InWindow([&] {
        NewMember("Sato", "Ichiro");
        Type(MemberForm->FamilyKanaEdit, "サトウ");
        Type(MemberForm->PersonalKanaEdit, "イチロウ");
        Choose(MemberForm->SexComboBox, 0);
        Type(MemberForm->OccupationCB, "Dentist");
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        EXPECT_EQ(Row(MemberForm->MembersSG, 1),
                  QStringList({"1", "Sato", "Ichiro", "サトウ", "イチロウ", "Male", "Dentist"}));
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "1 of 1");
        EXPECT_FALSE(MemberForm->FamilyNameEdit->isEnabled());
        EXPECT_FALSE(MemberForm->AddButton->isEnabled());
        EXPECT_TRUE(MemberForm->DeleteButton->isEnabled());
    });
    EXPECT_EQ(
        Scalar("SELECT JobCode || ',' || Sex || ',' || NameKanji0 || ',' || NameKana1 FROM Staff2Table;"),
        QString("%1,0,Sato,イチロウ").arg(dentist));
}

TEST_F(MemberWindow, AddAfterASearchAppendsAndAnUnchosenOccupationIsNone)
{
    AddMember(1, "A", "a");
    InWindow([&] {
        Find();
        NewMember("Sato", "Ichiro");
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->MembersSG->RowCount(), 3);
        EXPECT_EQ(MemberForm->MembersSG->Row(), 2);
        EXPECT_EQ(MemberForm->MembersSG->Cell(0, 2), "2");
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "2 of 2");
    });
    EXPECT_EQ(Scalar("SELECT JobCode FROM Staff2Table WHERE StaffNo = 2;"), "-1");
}

TEST_F(MemberWindow, ReplaceKeepsTheFieldsEditableAndDisablesItself)
{
    const int nurse = AddJob("Nurse");
    const int dentist = AddJob("Dentist");
    AddMember(1, "A", "a", 1, nurse, "Alpha", "Beta");
    InWindow([&] {
        Find();
        DoubleClickRow(MemberForm->MembersSG, 1);
        EXPECT_EQ(MemberForm->iEditRow, 1);
        EXPECT_EQ(MemberForm->SexComboBox->ItemIndex(), 1);
        EXPECT_EQ(MemberForm->OccupationCB->Text(), "Nurse");
        EXPECT_TRUE(MemberForm->ReplaceButton->isEnabled());
        EXPECT_TRUE(MemberForm->ReplaceArrowLabel->isVisible());
        EXPECT_FALSE(MemberForm->AddButton->isEnabled());

        Type(MemberForm->PersonalNameEdit, "x");
        MemberForm->OccupationCB->lineEdit()->selectAll();
        Type(MemberForm->OccupationCB, "Dentist");
        QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
        EXPECT_EQ(Row(MemberForm->MembersSG, 1),
                  QStringList({"1", "A", "ax", "kA", "ka", "Female", "Dentist"}));
        EXPECT_TRUE(MemberForm->FamilyNameEdit->isEnabled());
        EXPECT_FALSE(MemberForm->ReplaceButton->isEnabled());
        EXPECT_FALSE(MemberForm->ReplaceArrowLabel->isVisible());
    });
    EXPECT_EQ(Scalar("SELECT NameKanji1 || ',' || JobCode || ',' || NameAlphabet0 || ',' || NameAlphabet1 "
                     "FROM Staff2Table;"),
              QString("ax,%1,Alpha,Beta").arg(dentist));
}

TEST_F(MemberWindow, DeleteAsksAgainForNotesAndForTreatments)
{
    const int one = AddMember(1, "Sato", "Ichiro");
    const int two = AddMember(2, "Ito", "Jiro");
    const int first = AddKarte("AB-0001-0001", "2015-04-10");
    const int second = AddKarte("AB-0001-0002", "2015-05-10");
    AddNote(one, first);
    AddNote(one, second);
    AddTreatment(two, second);

    InWindow([&] {
        Find();
        // Notes of two kartes, no treatment: one further question, with " ...".
        ClickRow(MemberForm->MembersSG, 1);
        Script().Expect(BoxKind::Question, "次のデータを削除してよいですか？\n  1,Sato,Ichiro,Male,", mrYes);
        Script().Expect(BoxKind::ErrorYesNo,
                        "メンバー Sato Ichiro は，2 件のカルテにおいて，備考で参照されています。\n"
                        "  AB-0001-0001, 2015/04/10 ...\nこのメンバーを削除してよいですか？",
                        mrYes);
        QTest::mouseClick(MemberForm->DeleteButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "Total 1");
        EXPECT_EQ(MemberForm->MembersSG->Cell(0, 1), "2");

        // A treatment: its question; No keeps the member.
        Script().Expect(BoxKind::Question, mrYes);
        Script().Expect(BoxKind::ErrorYesNo,
                        "メンバー Ito Jiro は，1 件のカルテにおいて，療法・処置で参照されています。\n"
                        "  AB-0001-0002, 2015/05/10\nこのメンバーを削除してよいですか？",
                        mrNo);
        QTest::mouseClick(MemberForm->DeleteButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->MembersSG->Cell(0, 1), "2");

        Script().Expect(BoxKind::Question, mrYes);
        Script().Expect(BoxKind::ErrorYesNo, mrYes);
        QTest::mouseClick(MemberForm->DeleteButton, Qt::LeftButton);
        EXPECT_EQ(Row(MemberForm->MembersSG, 1), QStringList(7, QString()));
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "Total 0");
        EXPECT_FALSE(MemberForm->DeleteButton->isEnabled());
    });
    EXPECT_FALSE(ExistStaffNo("1"));
    EXPECT_FALSE(ExistStaffNo("2"));
    // The notes and treatments keep referring to them.
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM NoteTable;"), "2");
}

TEST_F(MemberWindow, TheOccupationListHoldsTheFirstFortyByName)
{
    for (int i = 1; i <= 41; ++i)
        AddJob(QString("Job%1").arg(i, 2, 10, QChar('0')));
    InWindow([&] {
        EXPECT_EQ(MemberForm->nJobRecords, 40);
        EXPECT_EQ(MemberForm->OccupationCB->count(), 40);
        EXPECT_EQ(MemberForm->OccupationCB->itemText(0), "Job01");
        EXPECT_EQ(MemberForm->OccupationCB->itemText(39), "Job40");
        EXPECT_EQ(MemberForm->JobIndexOfName("Job40"), 39);
        EXPECT_EQ(MemberForm->JobIndexOfName("Job41"), -1);
        EXPECT_EQ(MemberForm->JobCodeOfName("Job02"), 2);
        EXPECT_EQ(MemberForm->JobIndexOfCode(3), 2);
    });
}

TEST_F(MemberWindow, TheNameAndKanaFieldsDiscardCommas)
{
    InWindow([&] {
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        for (Edit* edit : {MemberForm->FamilyNameEdit, MemberForm->PersonalNameEdit,
                           MemberForm->FamilyKanaEdit, MemberForm->PersonalKanaEdit}) {
            Type(edit, "a,b");
            EXPECT_EQ(edit->Text(), "ab") << edit->objectName().toStdString();
        }
    });
}

TEST_F(MemberWindow, TheSizeAndColumnWidthsAreWrittenOnlyWhenChanged)
{
    MainMenuForm->IniFile->WriteInteger("Member", "ColWidth6", 120);
    InWindow([&] { EXPECT_EQ(MemberForm->MembersSG->ColWidth(6), 120); });
    EXPECT_EQ(Setting("FormWidth"), "none");
    InWindow([&] { MemberForm->SetWidth(MemberForm->Width() + 30); });
    EXPECT_EQ(Setting("FormWidth"), QString::number(MemberForm->Width()));
    EXPECT_EQ(Setting("FormHeight"), "none");
    EXPECT_EQ(Setting("ColWidth0"), "none");
}

// Mended: the window's size is kept, so a larger window must show a larger list; the
// list grows with it and the buttons under it keep to the bottom (Close to the right).
TEST_F(MemberWindow, TheListGrowsWithTheWindowAndTheButtonsKeepToTheBottom)
{
    const QSize grown(90, 70);
    QSize grid;
    QPoint find, del, close;
    InWindow([&] {
        TMemberForm& f = *MemberForm;
        grid = f.MembersSG->size();
        find = f.FindButton->pos();
        del = f.DeleteButton->pos();
        close = f.CloseButton->pos();
        f.SetWidth(f.Width() + grown.width());
        f.SetHeight(f.Height() + grown.height());
        EXPECT_EQ(f.MembersSG->size(), grid + grown);
        EXPECT_EQ(f.FindButton->pos(), find + QPoint(0, grown.height()));
        EXPECT_EQ(f.DeleteButton->pos(), del + QPoint(0, grown.height()));
        EXPECT_EQ(f.CloseButton->pos(), close + QPoint(grown.width(), grown.height()));
    });
    InWindow([&] { EXPECT_EQ(MemberForm->MembersSG->size(), grid + grown); });
}

// Mended: Replace sends the edited member's own alphabet names, however the rows moved.
TEST_F(MemberWindow, ReplaceAfterADeleteKeepsTheEditedMembersAlphabetNames)
{
    AddMember(1, "A", "a", 0, -1, "Anna", "Alpha");
    AddMember(2, "B", "b", 0, -1, "Bert", "Bravo");
    InWindow([&] {
        Find();
        ClickRow(MemberForm->MembersSG, 1);
        Script().Expect(BoxKind::Question, mrYes);
        QTest::mouseClick(MemberForm->DeleteButton, Qt::LeftButton);
        DoubleClickRow(MemberForm->MembersSG, 1);
        Type(MemberForm->PersonalNameEdit, "x");
        QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
    });
    EXPECT_EQ(Scalar("SELECT NameKanji1 || ',' || NameAlphabet0 || ',' || NameAlphabet1 FROM Staff2Table "
                     "WHERE StaffNo = 2;"),
              "bx,Bert,Bravo");
}

TEST_F(MemberWindow, ReplaceOfAMemberAddedAfterReopeningKeepsItsEmptyAlphabetNames)
{
    AddMember(1, "A", "a", 0, -1, "Anna", "Alpha");
    InWindow([&] { Find(); });
    InWindow([&] {
        NewMember("Sato", "Ichiro");
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        DoubleClickRow(MemberForm->MembersSG, 1);
        Type(MemberForm->PersonalNameEdit, "x");
        QTest::mouseClick(MemberForm->ReplaceButton, Qt::LeftButton);
    });
    EXPECT_EQ(
        Scalar("SELECT NameKanji1 || ',' || IFNULL(NameAlphabet0, '') || ',' || IFNULL(NameAlphabet1, '') "
               "FROM Staff2Table WHERE StaffNo = 2;"),
        "Ichirox,,");
}

// Mended: a full list has no row for one more member, so Add refuses before anything is
// stored; with a row deleted there is room again.
TEST_F(MemberWindow, AddToAFullListIsRefusedBeforeTheMemberIsStored)
{
    AddMembers(1, 1999);
    AddMember(2000, "Z", "z");
    InWindow([&] {
        Find();
        ASSERT_EQ(MemberForm->tstStaffRec.count, 2000);
        Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 1;"); // room for one more member
        MainMenuForm->IniFile->WriteInteger("Member", "Number", 1);
        NewMember("Sato", "Ichiro");
        Script().Expect(BoxKind::Warning,
                        "メンバー一覧の行数が2000あります。\n2000を越える行は追加できません。");
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        EXPECT_EQ(Script().Sounds().back(), Sound::Asterisk);
        EXPECT_EQ(MemberForm->MembersSG->RowCount(), 2001);
        EXPECT_EQ(MemberForm->tstStaffRec.count, 2000);
        EXPECT_TRUE(MemberForm->AddButton->isEnabled()); // the typed member is kept
        EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Staff2Table WHERE NameKanji0 = 'Sato';"), "0");
        EXPECT_EQ(MainMenuForm->IniFile->ReadInteger("Member", "Number", 0), 1);

        ClickRow(MemberForm->MembersSG, 2);
        Script().Expect(BoxKind::Question, mrYes);
        QTest::mouseClick(MemberForm->DeleteButton, Qt::LeftButton);
        QTest::mouseClick(MemberForm->AddButton, Qt::LeftButton);
        EXPECT_EQ(MemberForm->tstStaffRec.count, 2000);
        EXPECT_EQ(MemberForm->MembersSG->Cell(1, 2000), "Sato");
    });
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Staff2Table WHERE NameKanji0 = 'Sato';"), "1");
}
