// Every window as the screenshot tool shows it, over a database with rows in every
// table: no caption, title or choice is cut, and every date column holds a whole date.
#include "app/FormMainMenu.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempDatabase.h"
#include "tests/support/TextFit.h"
#include "tools/kvr-screens/Screens.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// Names as long as an operator gives them, a karte of each kind and its rows.
const char* const FillRows[] = {
    "INSERT INTO SchoolTable (Name) VALUES ('北小学校'), ('Duze Dura School');",
    "INSERT INTO JobTable (Job) VALUES ('Dentist'), ('歯科衛生士');",
    "INSERT INTO FoodTable (Name) VALUES ('Sweets'), ('清涼飲料水');",
    "INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('Every day', 1), ('週に2回', 2);",
    "INSERT INTO DentalFormulaTable (Name) VALUES ('C1');",
    "INSERT INTO Patient2Table (PatientNo, Birth, Sex, Name0, Name1, NameKana0, NameKana1, SchoolCode, "
    "Portrait, DeleteFlag) VALUES (1, '2008-04-10', 0, '山田', '太郎', 'ヤマダ', 'タロウ', 1, 'p1.bmp', 0);",
    "INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, NameKana1, "
    "NameAlphabet0, NameAlphabet1, DeleteFlag) "
    "VALUES (1, 1, 0, '鈴木', '一郎', 'スズキ', 'イチロウ', 'Suzuki', 'Ichiro', 0);",
    "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
    "VALUES ('XX-0001-0001', '2015-04-10', 0, 1, 0), ('XX-0001-0002', '2015-04-12', 2, -1, 0);",
    "INSERT INTO PSTable (KarteCode, Q1None, Q3) VALUES (1, 1, 1), (2, 0, 0);",
    "INSERT INTO CheckupTable (CDate, KarteCode, SchoolCode, Memo, RTA) VALUES ('2015-04-10', 1, 1, 'memo', "
    "6);",
    "INSERT INTO DietInquiryTable (FoodCode, FrequencyCode, CheckupCode) VALUES (1, 1, 1);",
    "INSERT INTO NoteTable (RDate, Description, StaffCode, KarteCode) VALUES ('2015-04-10', 'First visit', "
    "1, 1);",
    "INSERT INTO TreatmentTable (RDate, Treatment, StaffCode, KarteCode) VALUES ('2015-04-10', 'Filling', 1, "
    "1);",
};

std::vector<std::string> ScreenNames()
{
    std::vector<std::string> names;
    for (const Screen& screen : Screens())
        names.push_back(screen.name.toStdString());
    return names;
}

class WindowTexts : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        for (const char* sql : FillRows)
            db.Exec(QString::fromUtf8(sql));
        CreateScreenObjects(objects);
        MainMenuForm->Show(); // its first showing opens the database
    }
    void TearDown() override
    {
        if (MainMenuForm && MainMenuForm->isVisible())
            MainMenuForm->Close();
        objects.DestroyAll();
    }

    TempDatabase db;
    ScriptedInteraction script;
    widgets::ObjectOwner objects;
};

TEST_P(WindowTexts, ShowWhole)
{
    const Screen* screen = nullptr;
    for (const Screen& s : Screens())
        if (s.name.toStdString() == GetParam())
            screen = &s;
    ASSERT_TRUE(screen);
    widgets::Form* form = screen->prepare();
    const bool opened = form != MainMenuForm;
    if (opened)
        form->BeginModal();
    QCoreApplication::processEvents();
    EXPECT_EQ(CutTexts(form), "");
    if (opened) {
        form->SetModalResult(widgets::mrCancel);
        form->EndModal();
    }
    if (screen->after)
        screen->after();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowTexts, ::testing::ValuesIn(ScreenNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
