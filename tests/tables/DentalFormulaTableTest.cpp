// The dental-formula maintenance editor: add, change the row Edit was pressed on, delete.
#include "tables/FormDentalFormulaTable.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

using DentalFormulaEditor = EditorTest<TDentalFormulaTableForm, &DentalFormulaTableForm>;

TEST_F(DentalFormulaEditor, AddEditAndDelete)
{
    Db().Exec("INSERT INTO DentalFormulaTable (Name) VALUES ('B');");
    Show([&] {
        EXPECT_EQ(f->Caption(), "Dental Formula Table Setting");
        EXPECT_EQ(f->DefaultButton(), f->SetButton);
        EXPECT_EQ(f->AddButton->Caption(), "Add...");
        Click(f->AddButton);
        EXPECT_EQ(f->focusWidget(), f->DentalFormulaEdit);
        Type(f->DentalFormulaEdit, "A");
        Click(f->SetButton);
        EXPECT_FALSE(f->DentalFormulaDBGrid->ColumnVisible(0));
        EXPECT_EQ(Column(f->DentalFormulaDBGrid, "Name"), QStringList({"A", "B"}));
        ClickRow(f->DentalFormulaDBGrid, 1);
        Click(f->EditButton);
        Type(f->DentalFormulaEdit, "2");
        ClickRow(f->DentalFormulaDBGrid, 0);
        Click(f->SetButton);
        EXPECT_EQ(Column(f->DentalFormulaDBGrid, "Name"), QStringList({"A", "B2"}));
        Click(f->EditButton);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_EQ(Column(f->DentalFormulaDBGrid, "Name"), QStringList({"B2"}));
    });
    EXPECT_TRUE(Script().Boxes().empty());
    EXPECT_EQ(Rows("SELECT Name FROM DentalFormulaTable;"), QStringList({"B2"}));
}

} // namespace
