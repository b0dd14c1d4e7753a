// The frequency editor: display order and its key filter, add, change, delete guard.
#include "tables/FormFrequencyTable.h"
#include "tests/tables/TableEditorFixture.h"

#include <QApplication>
#include <QClipboard>

using namespace widgets;

namespace {

using FrequencyEditor = EditorTest<TFrequencyTableForm, &FrequencyTableForm>;

TEST_F(FrequencyEditor, AddStoresNameAndDisplayOrderAndTheListFollowsTheOrder)
{
    Db().Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('毎日', 1);");
    Show([&] {
        EXPECT_EQ(f->Caption(), "食事頻度テーブル設定");
        EXPECT_EQ(f->FrequencyDBGrid->ColumnCount(), 3);
        EXPECT_FALSE(f->FrequencyDBGrid->ColumnVisible(0));
        Click(f->AddButton);
        Type(f->FrequencyEdit, "ときどき");
        Type(f->DispOrderEdit, "x0-2a");
        EXPECT_EQ(f->DispOrderEdit->Text(), "02");
        Click(f->SetButton);
        EXPECT_EQ(Column(f->FrequencyDBGrid, "Name"), QStringList({"毎日", "ときどき"}));
        ClickRow(f->FrequencyDBGrid, 0);
        Click(f->EditButton);
        EXPECT_EQ(f->DispOrderEdit->Text(), "1");
        Type(f->DispOrderEdit, "5");
        Click(f->SetButton);
        EXPECT_EQ(Column(f->FrequencyDBGrid, "Name"), QStringList({"ときどき", "毎日"}));
        // Pasted text is not filtered; what is not a number is stored as 0.
        Click(f->AddButton);
        Type(f->FrequencyEdit, "なし");
        QApplication::clipboard()->setText("abc");
        QTest::keyClick(f->DispOrderEdit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f->DispOrderEdit->Text(), "abc");
        Click(f->SetButton);
    });
    EXPECT_EQ(Rows("SELECT Name || ':' || DispOrder FROM FrequencyTable ORDER BY Code;"),
              QStringList({"毎日:15", "ときどき:2", "なし:0"}));
}

TEST_F(FrequencyEditor, AReferencedFrequencyIsDeletedOnlyAfterYes)
{
    Db().Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('毎日', 1);");
    Db().Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('週1', 2);");
    AddKarteWithDiet(3, "XX-0001-0003", false, 1, 1);
    const QString question = "1 件のカルテが，頻度 毎日 を参照しています。\n  3, XX-0001-0003, 2015/04/13\n"
                             "この頻度を削除してよいですか？";
    Script().Expect(BoxKind::Question, question, mrNo);
    Show([&] {
        Click(f->DeleteButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
        ClickRow(f->FrequencyDBGrid, 1);
        Click(f->DeleteButton); // unreferenced: no question
        EXPECT_EQ(Column(f->FrequencyDBGrid, "Name"), QStringList({"毎日"}));
    });
    EXPECT_EQ(Rows("SELECT Name FROM FrequencyTable;"), QStringList({"毎日"}));
}

TEST(DispOrderFilter, PassesDigitsAndTheEditingControlCharactersOnly)
{
    for (QChar c : QString("0123456789\x03\x08\x16\x18"))
        EXPECT_TRUE(DispOrderKeyPasses(c)) << int(c.unicode());
    for (QChar c : QString("a-+ ０\x01\x1a"))
        EXPECT_FALSE(DispOrderKeyPasses(c)) << int(c.unicode());
}

} // namespace
