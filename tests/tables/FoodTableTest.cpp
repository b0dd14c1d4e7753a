// The food editor: add, change, and the delete guard on diet rows of live kartes.
#include "tables/FormFoodTable.h"
#include "tests/support/CapturedLog.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

using FoodEditor = EditorTest<TFoodTableForm, &FoodTableForm>;

TEST_F(FoodEditor, AddAndEditStoreTheTypedNames)
{
    Db().Exec("INSERT INTO FoodTable (Name) VALUES ('菓子');");
    Show([&] {
        EXPECT_EQ(f->Caption(), "食事内容テーブル設定");
        EXPECT_FALSE(f->FoodDBGrid->ColumnVisible(0));
        Click(f->AddButton);
        Type(f->FoodEdit, "ジュース");
        Click(f->SetButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
        EXPECT_EQ(Column(f->FoodDBGrid, "Name"), QStringList({"ジュース", "菓子"}));
        ClickRow(f->FoodDBGrid, 1);
        Click(f->EditButton);
        EXPECT_EQ(f->FoodEdit->Text(), "菓子");
        Type(f->FoodEdit, "パン");
        ClickRow(f->FoodDBGrid, 0);
        Click(f->SetButton);
        // An empty name is stored as typed.
        Click(f->AddButton);
        Click(f->SetButton);
    });
    EXPECT_EQ(Rows("SELECT Name FROM FoodTable ORDER BY Code;"), QStringList({"菓子パン", "ジュース", ""}));
}

TEST_F(FoodEditor, AnUnreferencedFoodIsDeletedWithoutAQuestion)
{
    Db().Exec("INSERT INTO FoodTable (Name) VALUES ('菓子');");
    AddKarteWithDiet(1, "XX-0001-0001", true, 1, 1); // a deleted karte does not count
    Show([&] { Click(FoodTableForm->DeleteButton); });
    EXPECT_TRUE(Script().Boxes().empty());
    EXPECT_EQ(Rows("SELECT Name FROM FoodTable;"), QStringList());
}

TEST_F(FoodEditor, AReferencedFoodIsDeletedOnlyAfterYesAndTheQuestionNamesTheFirstKarte)
{
    Db().Exec("INSERT INTO FoodTable (Name) VALUES ('菓子');");
    AddKarteWithDiet(1, "XX-0001-0001", false, 1, 1);
    AddKarteWithDiet(2, "XX-0001-0002", false, 1, 1);
    Db().Exec("INSERT INTO DietInquiryTable (FoodCode, FrequencyCode, CheckupCode) VALUES (1, 1, 2);");
    const QString question =
        "2 件のカルテが，食事内容 菓子 を参照しています。\n  1, XX-0001-0001, 2015/04/11 ...\n"
        "この食事内容を削除してよいですか？";
    Script().Expect(BoxKind::Question, question, mrNo);
    Script().Expect(BoxKind::Question, question, mrYes);
    Show([&] {
        Click(f->AddButton);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_FALSE(f->FoodEdit->isEnabled());
        EXPECT_EQ(Column(f->FoodDBGrid, "Name"), QStringList({"菓子"}));
        Click(f->DeleteButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 0");
    });
    EXPECT_EQ(Rows("SELECT Name FROM FoodTable;"), QStringList());
}

TEST_F(FoodEditor, AFailingDeleteShowsTheErrorAndLeavesTheEditorAsItWas)
{
    Db().Exec("INSERT INTO FoodTable (Name) VALUES ('菓子');");
    Db().Exec("DROP TABLE DietInquiryTable;");
    Script().Expect(
        BoxKind::Error,
        "カルテ，検診，食事調査テーブル アクセスエラー。\nFoodCode=1\n(TFoodTableForm::DeleteButtonClick)");
    CapturedLog log;
    Show([&] {
        Click(f->AddButton);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 1);
        EXPECT_TRUE(f->FoodEdit->isEnabled());
    });
    EXPECT_EQ(Rows("SELECT Name FROM FoodTable;"), QStringList({"菓子"}));
    // The box gives no reason; standard error does.
    const QStringList reasons = log.Of("kvr.data");
    ASSERT_EQ(reasons.size(), 1);
    EXPECT_TRUE(reasons[0].startsWith("DeleteAfterQuestion: no such table: DietInquiryTable [SELECT"))
        << reasons[0].toStdString();
}

} // namespace
