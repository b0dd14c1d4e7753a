// The diet-row dialog: its design, the food and frequency lists for each mode, the
// check of the two choices, and the add and replace stores for the selected check-up.
#include "records/EditDietUnit.h"
#include "tests/records/KarteRowsFixture.h"
#include "tests/support/RefusalNotes.h"

using namespace widgets;

class EditDiet : public KarteRows
{
protected:
    void SetUp() override
    {
        KarteRows::SetUp();
        StoreKarte();
        StoreCheckup("2015/03/01");
        checkup = StoreCheckup("2015/04/01");
    }
    TEditDietForm& Dialog() { return *EditDietForm; }
    static QStringList Items(ComboBox* box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
    // The operator types the names into the lists' edits.
    void Pick(const QString& food, const QString& frequency)
    {
        Type(Dialog().FoodTypeCB, food);
        Type(Dialog().EatingFreqCB, frequency);
    }
    int checkup = 0;
};

TEST_F(EditDiet, ShowsItsDesign)
{
    TEditDietForm& d = Dialog();
    EXPECT_EQ(d.windowTitle(), "食事調査編集");
    EXPECT_EQ(d.size(), QSize(328, 101));
    EXPECT_EQ(d.Label1->Caption(), "食事内容(Food &Type):");
    EXPECT_EQ(d.Label1->FocusControl(), d.FoodTypeCB);
    EXPECT_EQ(d.Label2->Caption(), "食事頻度(&Eating Frequency):");
    EXPECT_EQ(d.Label2->FocusControl(), d.EatingFreqCB);
    EXPECT_TRUE(d.FoodTypeCB->isEditable());
    EXPECT_TRUE(d.EatingFreqCB->isEditable());
    EXPECT_EQ(d.FoodTypeCB->width(), 145);
    EXPECT_EQ(d.EatingFreqCB->width(), 145);
    EXPECT_EQ(d.OkButton->Caption(), "更新");
    EXPECT_EQ(d.DefaultButton(), d.OkButton);
    EXPECT_TRUE(d.CancelButton->Cancel());
    for (QWidget* w : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(d.rect().contains(w->geometry())) << w->objectName().toStdString();
}

TEST_F(EditDiet, NothingChosenNamesBothListsAndATypedNameMustBeAnItem)
{
    ShowKarte([&] {
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Dialog().windowTitle(), "食事調査編集 - 追加");
            EXPECT_EQ(Dialog().OkButton->Caption(), "追加(&A)");
            EXPECT_EQ(Dialog().FoodTypeCB->Text(), "");
            EXPECT_EQ(Dialog().EatingFreqCB->Text(), "");
            Script().Expect(BoxKind::Error,
                            "[食事内容] が指定されていません。\n[食事頻度] が指定されていません。");
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            Pick("Noodles", "Daily");
            Script().Expect(BoxKind::Error, "[食事内容] が指定されていません。");
            Click(Dialog().OkButton);
            Click(Dialog().CancelButton);
        });
        Click(Form().DietNewButton);
        EXPECT_EQ(Form().nDietInquiryRecords, 0);
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList());
}

TEST_F(EditDiet, AddingStoresTheRowForTheSelectedCheckupAndShowsIt)
{
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        ASSERT_EQ(f.CheckupDateListBox->ItemIndex(), 1);
        Script().OnModal(Dialog(), [&] {
            // Foods by name, frequencies by display order.
            EXPECT_EQ(Items(Dialog().FoodTypeCB), QStringList({"Bread", "Rice", "Sweets"}));
            EXPECT_EQ(Items(Dialog().EatingFreqCB), QStringList({"Daily", "Weekly", "Never"}));
            Pick("Rice", "Weekly");
            Click(Dialog().OkButton);
        });
        Click(f.DietNewButton);
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Rice|Weekly"}));
        EXPECT_EQ(f.DietInqSG->RowCount(), 2);
        EXPECT_EQ(f.DietInqLabel->Caption(), "1");
        EXPECT_TRUE(f.DietEditButton->isEnabled());
        EXPECT_TRUE(f.DietDeleteButton->isEnabled());
        EXPECT_EQ(f.tnDietFoodIndex[0], 1);
        EXPECT_EQ(f.tnDietFrequencyIndex[0], 1);
        EXPECT_EQ(f.tstDietInquiryRec[0].iCheckupCode, checkup);
        EXPECT_EQ(f.tstDietInquiryRec[0].iCode,
                  program.Database().Scalar("SELECT MAX(Code) FROM DietInquiryTable").toInt());

        Script().OnModal(Dialog(), [&] {
            Choose(Dialog().FoodTypeCB, 2);
            Choose(Dialog().EatingFreqCB, 0);
            Click(Dialog().OkButton);
        });
        Click(f.DietNewButton);
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Rice|Weekly", "Sweets|Daily"}));
        EXPECT_EQ(f.DietInqLabel->Caption(), "2");

        // The added row deletes alone.
        SelectRow(f.DietInqSG, 1);
        Script().Expect(BoxKind::Question, mrYes);
        Click(f.DietDeleteButton);
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList({"Sweets|Daily"}));
}

TEST_F(EditDiet, ReplacingShowsTheRowsChoicesAndStoresTheChange)
{
    StoreDietRow(checkup, "Bread", "Never");
    StoreDietRow(checkup, "Rice", "Daily");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.DietInqSG, 2);
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Dialog().windowTitle(), "食事調査編集 - 変更");
            EXPECT_EQ(Dialog().OkButton->Caption(), "置換(&R)");
            EXPECT_EQ(Dialog().FoodTypeCB->Text(), "Rice");
            EXPECT_EQ(Dialog().EatingFreqCB->Text(), "Daily");
            Choose(Dialog().EatingFreqCB, 2);
            Click(Dialog().OkButton);
        });
        Click(f.DietEditButton);
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Bread|Never", "Rice|Never"}));
        EXPECT_EQ(f.tnDietFrequencyIndex[1], 2);
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList({"Bread|Never", "Rice|Never"}));
}

TEST_F(EditDiet, AnEditOfARowAnotherProgramDeletedOrWhoseKarteItDeletedIsRefused)
{
    const struct
    {
        const char* meanwhile;
        const char* code;
    } races[] = {{"DELETE FROM DietInquiryTable;", "-2"}, {"UPDATE KarteTable SET DeleteFlag = 1;", "-3"}};
    for (const auto& race : races) {
        SCOPED_TRACE(race.meanwhile);
        program.Database().Exec("DELETE FROM DietInquiryTable;");
        program.Database().Exec("UPDATE KarteTable SET DeleteFlag = 0;");
        StoreDietRow(checkup, "Rice", "Daily");
        ShowKarte([&] {
            TMedicalRecordForm& f = Form();
            SelectRow(f.DietInqSG, 1);
            Script().OnModal(Dialog(), [&] {
                Choose(Dialog().EatingFreqCB, 2);
                program.Database().Exec(race.meanwhile);
                Script().Expect(
                    BoxKind::Error,
                    QString("食事調査テーブルを書き換えられませんでした。(%1)\n  Rice,Never").arg(race.code) +
                        StaleNote);
                Click(Dialog().OkButton);
                EXPECT_EQ(Dialog().ModalResult(), mrNone);
                Click(Dialog().CancelButton);
            });
            Click(f.DietEditButton);
            EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Rice|Daily"}));
        });
        EXPECT_EQ(program.Database().Scalar(
                      QString("SELECT COUNT(*) FROM DietInquiryTable WHERE FrequencyCode = %1")
                          .arg(FrequencyCode("Never"))),
                  "0");
    }
}

TEST_F(EditDiet, ARowWhoseFoodIsGoneOpensWithAnEmptyFoodUntilOneIsChosen)
{
    StoreDietRow(checkup, "Sweets", "Daily");
    program.Database().Exec("DELETE FROM FoodTable WHERE Name = 'Sweets';");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.DietInqSG, 1);
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Items(Dialog().FoodTypeCB), QStringList({"Bread", "Rice"}));
            EXPECT_EQ(Dialog().FoodTypeCB->ItemIndex(), -1);
            EXPECT_EQ(Dialog().FoodTypeCB->Text(), "");
            EXPECT_EQ(Dialog().EatingFreqCB->Text(), "Daily");
            Script().Expect(BoxKind::Error, "[食事内容] が指定されていません。");
            Click(Dialog().OkButton);
            Type(Dialog().FoodTypeCB, "Bread");
            Click(Dialog().OkButton);
        });
        Click(f.DietEditButton);
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Bread|Daily"}));
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList({"Bread|Daily"}));
}

TEST_F(EditDiet, TheRowsFoodStaysChosenWhenTheFoodListChangesWhileTheKarteIsOpen)
{
    StoreDietRow(checkup, "Rice", "Weekly");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        // Another program on the database removes the food listed before the row's.
        program.Database().Exec("DELETE FROM FoodTable WHERE Name = 'Bread';");
        SelectRow(f.DietInqSG, 1);
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Items(Dialog().FoodTypeCB), QStringList({"Rice", "Sweets"}));
            EXPECT_EQ(Dialog().FoodTypeCB->Text(), "Rice");
            EXPECT_EQ(Dialog().EatingFreqCB->Text(), "Weekly");
            Click(Dialog().OkButton);
        });
        Click(f.DietEditButton);
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Rice|Weekly"}));
        EXPECT_EQ(f.tnDietFoodIndex[0], 0);
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList({"Rice|Weekly"}));
}

TEST_F(EditDiet, RefusedStoresNameTheDietTable)
{
    StoreDietRow(checkup, "Rice", "Daily");
    ShowKarte([&] {
        program.Database().Exec("ALTER TABLE DietInquiryTable RENAME TO GoneDiet;");
        Script().OnModal(Dialog(), [&] {
            Pick("Bread", "Never");
            Script().Expect(BoxKind::Error, "食事調査テーブルに追加できませんでした。(-1)\n  Bread,Never");
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            Click(Dialog().CancelButton);
        });
        Click(Form().DietNewButton);
        SelectRow(Form().DietInqSG, 1);
        Script().OnModal(Dialog(), [&] {
            Script().Expect(BoxKind::Error, "食事調査テーブルを書き換えられませんでした。(-1)\n  Rice,Daily");
            Click(Dialog().OkButton);
            Click(Dialog().CancelButton);
        });
        Click(Form().DietEditButton);
        EXPECT_EQ(GridRows(Form().DietInqSG), QStringList({"Rice|Daily"}));
        program.Database().Exec("ALTER TABLE GoneDiet RENAME TO DietInquiryTable;");
    });
}

TEST(EditDietCheck, OneLinePerMissingChoice)
{
    EXPECT_EQ(MissingDietFields(0, 0), "");
    EXPECT_EQ(MissingDietFields(-1, 2), "[食事内容] が指定されていません。");
    EXPECT_EQ(MissingDietFields(1, -1), "[食事頻度] が指定されていません。");
    EXPECT_EQ(MissingDietFields(-1, -1),
              "[食事内容] が指定されていません。\n[食事頻度] が指定されていません。");
}
