// The examinee search: restrictions and alternatives, no hit, the 4000 cut, a failed
// search, and criteria kept between openings.
#include "tests/registration/PatientWindow.h"
#include "tests/support/TextFit.h"

using namespace widgets;

namespace {

class SearchPatient : public PatientWindowTest
{
protected:
    // The numbers listed after a search with the criteria `type` enters.
    QStringList Found(const std::function<void()>& type)
    {
        QStringList numbers;
        InWindow([&] {
            type();
            Find();
            for (int row = 1; row <= registration::ListedRows(PatientForm->PatientSG); ++row)
                numbers << PatientForm->PatientSG->Cell(0, row);
        });
        return numbers;
    }
    void Clear()
    {
        for (Edit* edit : {SearchPatientForm->PatientNoEdit, SearchPatientForm->PersonalNameEdit,
                           SearchPatientForm->FamilyNameEdit, SearchPatientForm->PersonalKanaEdit,
                           SearchPatientForm->FamilyKanaEdit, SearchPatientForm->SchoolNameEdit})
            edit->clear();
        SearchPatientForm->SexComboBox->SetItemIndex(-1);
    }
};

} // namespace

TEST_F(SearchPatient, ShowsItsDesign)
{
    EXPECT_EQ(CutTexts(SearchPatientForm), ""); // every caption and choice shows whole
    EXPECT_EQ(SearchPatientForm->windowTitle(), "受診者検索");
    EXPECT_EQ(SearchPatientForm->size(), QSize(552, 161));
    EXPECT_EQ(SearchPatientForm->DefaultButton(), SearchPatientForm->OkButton);
    EXPECT_TRUE(SearchPatientForm->CancelButton->Cancel());
    EXPECT_TRUE(SearchPatientForm->BirthDateEdit->isHidden());
    EXPECT_TRUE(SearchPatientForm->Label7->isHidden());
    EXPECT_EQ(FirstTabStop(SearchPatientForm), SearchPatientForm->OkButton);
}

TEST_F(SearchPatient, TheSexRestrictsAndTheTextsAreAlternatives)
{
    const int north = AddSchool("North Elementary");
    const int south = AddSchool("South High");
    AddExaminee(3, "Yamada", "Taro", 0, north);
    AddExaminee(1, "Suzuki", "Hanako", 1, south);
    AddExaminee(2, "Yamamoto", "Jiro", 0, south);
    AddExaminee(4, "Tanaka", "Yumi", 1, north);
    AddExaminee(5, "Yamada", "Old", 0, north, QString(), true);

    struct Case
    {
        const char* what;
        std::function<void()> type;
        QStringList numbers;
    };
    const Case cases[] = {
        {"nothing: every live examinee by number", [] {}, {"1", "2", "3", "4"}},
        {"the sex alone", [] { Choose(SearchPatientForm->SexComboBox, 1); }, {"1", "4"}},
        {"the empty sex item is any sex",
         [] { Choose(SearchPatientForm->SexComboBox, 2); },
         {"1", "2", "3", "4"}},
        {"a number or a family name",
         [] {
             Type(SearchPatientForm->PatientNoEdit, "4");
             Type(SearchPatientForm->FamilyNameEdit, "Yama");
         },
         {"2", "3", "4"}},
        {"a personal kana or a school",
         [] {
             Type(SearchPatientForm->PersonalKanaEdit, "kHana");
             Type(SearchPatientForm->SchoolNameEdit, "North");
         },
         {"1", "3", "4"}},
        {"the sex restricts the alternatives",
         [] {
             Type(SearchPatientForm->FamilyNameEdit, "Yama");
             Type(SearchPatientForm->PersonalNameEdit, "Yumi");
             Choose(SearchPatientForm->SexComboBox, 0);
         },
         {"2", "3"}},
    };
    for (const Case& c : cases) {
        Clear();
        EXPECT_EQ(Found(c.type), c.numbers) << c.what;
    }

    Clear();
    InWindow([&] {
        Type(SearchPatientForm->PatientNoEdit, "1");
        Find();
        EXPECT_EQ(Row(PatientForm->PatientSG, 1), QStringList({"1", "Hanako", "Suzuki", "kHanako", "kSuzuki",
                                                               "2008/04/01", "Female", "South High", ""}));
        EXPECT_EQ(PatientForm->NumOfPatientsLabel->Caption(), "1 of 4");
        EXPECT_TRUE(PatientForm->DeleteButton->isEnabled());
    });
}

TEST_F(SearchPatient, NoHitWarnsAndLeavesOneEmptyRow)
{
    AddExaminee(1, "A", "a");
    Script().Expect(BoxKind::Warning, "受診者テーブルに，該当レコードがありません。");
    InWindow([&] {
        Find(); // one hit first
        Type(SearchPatientForm->FamilyNameEdit, "nobody");
        Find();
        EXPECT_EQ(PatientForm->PatientSG->RowCount(), 2);
        EXPECT_EQ(Row(PatientForm->PatientSG, 1), QStringList(9, QString()));
        EXPECT_EQ(PatientForm->NumOfPatientsLabel->Caption(), "0 of 1");
        EXPECT_FALSE(PatientForm->DeleteButton->isEnabled());
    });
    EXPECT_EQ(Script().Sounds().back(), Sound::Asterisk);
}

TEST_F(SearchPatient, MoreThanFourThousandHitsAreCutWithAWarning)
{
    AddExaminees(1, 4001);
    Script().Expect(BoxKind::Warning,
                    "受診者テーブルには，該当レコードが 4001 件あります。\n4000を越えた分は表示できません。");
    InWindow([&] {
        Find();
        EXPECT_EQ(PatientForm->PatientSG->RowCount(), 4001);
        EXPECT_EQ(PatientForm->PatientSG->Cell(0, 4000), "4000");
        EXPECT_EQ(PatientForm->NumOfPatientsLabel->Caption(), "4000 of 4001");
    });
}

TEST_F(SearchPatient, AFailedSearchKeepsTheListAndClosesTheDialog)
{
    AddExaminee(1, "A", "a");
    Script().Expect(BoxKind::Error, "受診者テーブル検索エラー。(-1)");
    InWindow([&] {
        Find();
        Exec("ALTER TABLE SchoolTable RENAME TO Gone;"); // the search's join fails
        Find();
        EXPECT_FALSE(SearchPatientForm->isVisible());
        EXPECT_EQ(PatientForm->PatientSG->Cell(0, 1), "1");
        EXPECT_EQ(PatientForm->NumOfPatientsLabel->Caption(), "1 of 1");
        EXPECT_EQ(PatientForm->tstPatientRec.count, 1);
    });
}

TEST_F(SearchPatient, TheCriteriaStayAndCancelSearchesNothing)
{
    AddExaminee(1, "A", "a");
    AddExaminee(2, "B", "b");
    InWindow([&] {
        Type(SearchPatientForm->FamilyNameEdit, "B");
        Choose(SearchPatientForm->SexComboBox, 0);
        Find();
        QString family;
        int sex = -2;
        Script().OnModal(*SearchPatientForm, [&] {
            family = SearchPatientForm->FamilyNameEdit->Text();
            sex = SearchPatientForm->SexComboBox->ItemIndex();
            QTest::mouseClick(SearchPatientForm->CancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(PatientForm->FindButton, Qt::LeftButton);
        EXPECT_EQ(family, "B");
        EXPECT_EQ(sex, 0);
        EXPECT_EQ(PatientForm->PatientSG->Cell(0, 1), "2");
        EXPECT_EQ(PatientForm->NumOfPatientsLabel->Caption(), "1 of 2");
    });
    // Reopened, the window shows an empty list again.
    InWindow([&] {
        EXPECT_EQ(PatientForm->PatientSG->Cell(0, 1), "");
        EXPECT_EQ(PatientForm->NumOfPatientsLabel->Caption(), "");
    });
}
