// The karte editor's tables read by an accessibility client, as a screen reader reads them
// through its desktop bridge: every header and cell, its name, state, place and the table's
// selection. Reading shows nothing new to the program and changes nothing in it.
#include "tests/records/KarteRowsFixture.h"

#include <QAccessible>
#include <QDir>

using namespace widgets;

namespace {

// All that a bridge asks of one header or cell; its name.
QString ReadItem(QAccessibleInterface* item)
{
    if (!item)
        return "(none)";
    (void)item->role();
    (void)item->state();
    (void)item->rect();
    (void)item->text(QAccessible::Description);
    (void)item->text(QAccessible::Value);
    if (QAccessibleInterface* parent = item->parent())
        (void)parent->indexOfChild(item);
    if (QAccessibleTableCellInterface* cell = item->tableCellInterface()) {
        (void)cell->rowIndex();
        (void)cell->columnIndex();
        (void)cell->rowExtent();
        (void)cell->columnExtent();
        (void)cell->isSelected();
        (void)cell->rowHeaderCells();
        (void)cell->columnHeaderCells();
    }
    if (QAccessibleTextInterface* text = item->textInterface())
        (void)text->text(0, text->characterCount());
    if (QAccessibleActionInterface* action = item->actionInterface())
        for (const QString& name : action->actionNames())
            (void)action->localizedActionDescription(name);
    return item->text(QAccessible::Name);
}

// Reads the whole table, its children in order and then cell by cell; the cells' names by
// row, each row's cells joined by "|".
QStringList ReadTable(StringGrid* grid)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    EXPECT_NE(table, nullptr);
    if (!table)
        return {};
    ReadItem(table);
    for (int i = 0; i < table->childCount(); ++i)
        ReadItem(table->child(i));
    QAccessibleTableInterface* cells = table->tableInterface();
    EXPECT_NE(cells, nullptr);
    if (!cells)
        return {};
    (void)cells->caption();
    (void)cells->summary();
    (void)cells->selectedCells();
    (void)cells->selectedRows();
    (void)cells->selectedColumns();
    for (int col = 0; col < cells->columnCount(); ++col) {
        (void)cells->columnDescription(col);
        (void)cells->isColumnSelected(col);
    }
    QStringList rows;
    for (int row = 0; row < cells->rowCount(); ++row) {
        (void)cells->rowDescription(row);
        (void)cells->isRowSelected(row);
        QStringList names;
        for (int col = 0; col < cells->columnCount(); ++col)
            names << ReadItem(cells->cellAt(row, col));
        rows << names.join('|');
    }
    return rows;
}

// What the operator sees of a grid: its body rows and its current cell.
struct GridState
{
    QStringList rows;
    int row, col;
    bool operator==(const GridState&) const = default;
};

GridState StateOf(StringGrid* grid)
{
    QStringList rows;
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
        QStringList cells;
        for (int col = grid->FixedCols(); col < grid->ColCount(); ++col)
            cells << grid->Cell(col, row);
        rows << cells.join('|');
    }
    return {rows, grid->Row(), grid->Col()};
}

} // namespace

class AccessibleRead : public KarteRows
{
protected:
    // An examinee with a photo, and their karte with notes, a treatment and a check-up with
    // its chart and a diet row.
    void StoreKarteOfExaminee()
    {
        WritePhoto("p1.bmp");
        AddExaminee("1", "鈴木", "太郎", "スズキ", "タロウ", "2008/05/01", 0, AddSchool("第一小学校"),
                    "p1.bmp");
        AddKarte(Karte, "2015/04/01", "1");
        AddNoteRow(Karte, "2015/04/01", "first note", "101");
        AddNoteRow(Karte, "2015/04/02", "second note", "102");
        AddTreatmentRow(Karte, "2015/04/01", "scaling", "101");
        const int checkup = AddCheckupRow(Karte, "2015/04/01", 0, [](stCheckupRecord& c) { c.iRTA = 6; });
        StoreDietRow(checkup, "Rice", "Daily");
    }
};

TEST_F(AccessibleRead, ReadingEveryCellChangesNothingAndANoteCanBeDeletedAfter)
{
    StoreKarteOfExaminee();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        const std::vector<StringGrid*> grids = {f.DentalFormulaSG, f.DietInqSG, f.NoteStringGrid,
                                                f.TreatmentSG};
        std::vector<GridState> before;
        for (StringGrid* grid : grids)
            before.push_back(StateOf(grid));
        const QString folder = QDir::currentPath();

        // Every cell, read twice as a reader going over the window again.
        for (int pass = 0; pass < 2; ++pass)
            for (StringGrid* grid : grids)
                EXPECT_EQ(ReadTable(grid), StateOf(grid).rows) << grid->objectName().toStdString();

        for (size_t i = 0; i < grids.size(); ++i)
            EXPECT_EQ(StateOf(grids[i]), before[i]) << grids[i]->objectName().toStdString();
        EXPECT_EQ(QDir::currentPath(), folder);
        EXPECT_EQ(StoredNotes(), QStringList({"2015/04/01|first note|101", "2015/04/02|second note|102"}));

        SelectRow(f.NoteStringGrid, 1);
        Script().Expect(
            BoxKind::Question,
            "[行削除(&D)]\n1行目のデータを削除してよいですか？\n  2015/04/01,first note,山田, 太郎", mrYes);
        Click(f.NoteDeleteButton);
        EXPECT_EQ(GridRows(f.NoteStringGrid), QStringList({"2015/04/02|second note|佐藤, 花子"}));
        EXPECT_EQ(f.NoteLabel->Caption(), "1");
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/02|second note|102"}));
    EXPECT_EQ(Script().Boxes().size(), 1u);
}
