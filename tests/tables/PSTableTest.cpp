// The questionnaire maintenance editor: every flag and memo as the input shows it.
#include "tables/FormPSTable.h"
#include "tests/support/TextFit.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

using PSEditor = EditorTest<TPSTableForm, &PSTableForm>;

TEST_F(PSEditor, SetStoresEachFlagAndMemoAsShownAndEditShowsThemBack)
{
    Db().Exec("INSERT INTO PSTable (KarteCode, AIDS, Q40, Q41Memo) VALUES (4, 1, 1, 'memo');");
    Show([&] {
        EXPECT_EQ(f->Caption(), "PS Table Setting");
        EXPECT_EQ(CutTexts(f), ""); // every column's name shows whole
        EXPECT_FALSE(f->PSDBGrid->ColumnVisible(0));
        EXPECT_EQ(f->PSDBGrid->ColumnCount(), 32);
        Click(f->EditButton);
        EXPECT_TRUE(f->AIDSCheckBox->Checked());
        EXPECT_TRUE(f->Q40CheckBox->Checked());
        EXPECT_FALSE(f->Q3CheckBox->Checked());
        EXPECT_EQ(f->Q41Edit->Text(), "memo");
        Tick(f->AIDSCheckBox);
        Tick(f->Q3CheckBox);
        Type(f->TuberculosisEdit, "結核");
        Click(f->SetButton);
        Click(f->AddButton);
        EXPECT_EQ(f->Q41Edit->Text(), "");
        Click(f->SetButton);
    });
    EXPECT_EQ(Rows("SELECT IFNULL(KarteCode, 'none') || ':' || AIDS || Q3 || Q40 || ':' || "
                   "IFNULL(TuberculosisMemo, '') || ':' || IFNULL(Q41Memo, '') FROM PSTable ORDER BY Code;"),
              QStringList({"4:011:結核:memo", "none:011::"}));
}

} // namespace
