// The member search: the sex and occupation restrict, the number and names are
// alternatives; no hit, the 2000 cut, a member without occupation, and criteria kept
// between openings while the occupation list is refilled.
#include "registration/RegistrationList.h"
#include "tests/registration/MemberWindow.h"
#include "tests/support/TextFit.h"

using namespace widgets;

namespace {

class SearchMember : public MemberWindowTest
{
protected:
    QStringList Found(const std::function<void()>& type)
    {
        QStringList numbers;
        InWindow([&] {
            Find(type);
            for (int row = 1; row <= registration::ListedRows(MemberForm->MembersSG); ++row)
                numbers << MemberForm->MembersSG->Cell(0, row);
        });
        return numbers;
    }
    void Clear()
    {
        for (Edit* edit : {SearchMemberForm->MemberNoEdit, SearchMemberForm->FamilyNameEdit,
                           SearchMemberForm->PersonalNameEdit, SearchMemberForm->FamilyKanaEdit,
                           SearchMemberForm->PersonalKanaEdit})
            edit->clear();
        SearchMemberForm->SexComboBox->SetItemIndex(-1);
    }
};

} // namespace

TEST_F(SearchMember, ShowsItsDesign)
{
    EXPECT_EQ(CutTexts(SearchMemberForm), ""); // every caption and choice shows whole
    EXPECT_EQ(SearchMemberForm->windowTitle(), "メンバー検索");
    EXPECT_EQ(SearchMemberForm->size(), QSize(499, 188));
    EXPECT_EQ(SearchMemberForm->DefaultButton(), SearchMemberForm->OkButton);
    EXPECT_TRUE(SearchMemberForm->CancelButton->Cancel());
    EXPECT_EQ(FirstTabStop(SearchMemberForm), SearchMemberForm->MemberNoEdit);
}

TEST_F(SearchMember, TheSexAndOccupationRestrictAndTheTextsAreAlternatives)
{
    AddJob("Dentist"); // code 1, listed second by name
    AddJob("Assistant");
    AddMember(3, "Sato", "Ichiro", 0, 1);
    AddMember(1, "Suzuki", "Hanako", 1, 2);
    AddMember(2, "Sasaki", "Jiro", 0, 2);
    AddMember(4, "Tanaka", "Yumi", 1, 1);
    AddMember(5, "Sato", "Old", 0, 1, "", "", true);

    struct Case
    {
        const char* what;
        std::function<void()> type;
        QStringList numbers;
    };
    const Case cases[] = {
        {"nothing: every live member by number", [] {}, {"1", "2", "3", "4"}},
        {"the occupation", [] { Choose(SearchMemberForm->OccupationComboBox, 1); }, {"3", "4"}},
        {"the sex and the occupation",
         [] {
             Choose(SearchMemberForm->SexComboBox, 1);
             Choose(SearchMemberForm->OccupationComboBox, 0);
         },
         {"1"}},
        {"the empty sex item is any", [] { Choose(SearchMemberForm->SexComboBox, 2); }, {"1", "2", "3", "4"}},
        {"a number or a family name",
         [] {
             Type(SearchMemberForm->MemberNoEdit, "4");
             Type(SearchMemberForm->FamilyNameEdit, "Sa");
         },
         {"2", "3", "4"}},
        {"a kana restricted by the sex",
         [] {
             Type(SearchMemberForm->PersonalKanaEdit, "kJ");
             Type(SearchMemberForm->FamilyKanaEdit, "kSu");
             Choose(SearchMemberForm->SexComboBox, 0);
         },
         {"2"}},
    };
    for (const Case& c : cases) {
        Clear();
        EXPECT_EQ(Found(c.type), c.numbers) << c.what;
    }

    Clear();
    InWindow([&] {
        Find([] { Type(SearchMemberForm->MemberNoEdit, "1"); });
        EXPECT_EQ(Row(MemberForm->MembersSG, 1),
                  QStringList({"1", "Suzuki", "Hanako", "kSuzuki", "kHanako", "Female", "Assistant"}));
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "1 of 4");
        EXPECT_TRUE(MemberForm->DeleteButton->isEnabled());
    });
}

TEST_F(SearchMember, AMemberWithoutOccupationShowsAnEmptyCell)
{
    AddJob("Dentist");
    AddMember(1, "A", "a", 0, -1);
    AddMember(2, "B", "b", 0, 99); // an occupation since removed
    InWindow([&] {
        Find();
        EXPECT_EQ(MemberForm->MembersSG->Cell(6, 1), "");
        EXPECT_EQ(MemberForm->MembersSG->Cell(6, 2), "");
    });
}

TEST_F(SearchMember, NoHitWarnsAndLeavesOneEmptyRow)
{
    AddMember(1, "A", "a");
    Script().Expect(BoxKind::Warning, "メンバー・テーブルに，該当レコードがありません。");
    InWindow([&] {
        Find();
        Find([] { Type(SearchMemberForm->FamilyNameEdit, "nobody"); });
        EXPECT_EQ(MemberForm->MembersSG->RowCount(), 2);
        EXPECT_EQ(Row(MemberForm->MembersSG, 1), QStringList(7, QString()));
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "0 of 1");
        EXPECT_FALSE(MemberForm->DeleteButton->isEnabled());
    });
}

TEST_F(SearchMember, MoreThanTwoThousandHitsAreCutWithAWarning)
{
    AddMembers(1, 2001);
    Script().Expect(
        BoxKind::Warning,
        "メンバー・テーブルには，該当レコードが 2001 件あります。\n2000を越えた分は表示できません。");
    InWindow([&] {
        Find();
        EXPECT_EQ(MemberForm->MembersSG->RowCount(), 2001);
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "2000 of 2001");
    });
}

TEST_F(SearchMember, AFailedSearchKeepsTheList)
{
    AddMember(1, "A", "a");
    Script().Expect(BoxKind::Error, "メンバー・テーブル検索エラー。(-1)");
    InWindow([&] {
        Find();
        Exec("ALTER TABLE Staff2Table RENAME TO Gone;");
        Find();
        Exec("ALTER TABLE Gone RENAME TO Staff2Table;");
        EXPECT_EQ(MemberForm->MembersSG->Cell(0, 1), "1");
        EXPECT_EQ(MemberForm->NumOfMembersLabel->Caption(), "1 of 1");
        EXPECT_EQ(MemberForm->tstStaffRec.count, 1);
    });
}

TEST_F(SearchMember, TheCriteriaStayAndTheOccupationChoiceIsRefilled)
{
    AddJob("Dentist");
    AddMember(1, "A", "a", 0, 1);
    InWindow([&] {
        Find([] {
            Type(SearchMemberForm->FamilyNameEdit, "A");
            Choose(SearchMemberForm->OccupationComboBox, 0);
        });
        AddJob("Nurse");
        QString family;
        int occupation = -2, occupations = 0;
        Script().OnModal(*SearchMemberForm, [&] {
            family = SearchMemberForm->FamilyNameEdit->Text();
            occupation = SearchMemberForm->OccupationComboBox->ItemIndex();
            occupations = SearchMemberForm->OccupationComboBox->count();
            QTest::mouseClick(SearchMemberForm->CancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(MemberForm->FindButton, Qt::LeftButton);
        EXPECT_EQ(family, "A");
        EXPECT_EQ(occupation, -1);
        EXPECT_EQ(occupations, 2);
        EXPECT_EQ(SearchMemberForm->nJobRecords, 2);
        EXPECT_EQ(MemberForm->MembersSG->Cell(0, 1), "1");
    });
}
