// Kelvara1's chart editor: Tab leaves the grid, Up and Down jump to the partner row, the
// toggle works from a tooth cell only, and any key outside the teeth moves on to the next cell.
#include "records/DentalFormulaUnit.h"
#include "tests/edition1/Kelvara1Edition.h"
#include "tests/support/ScriptedInteraction.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace widgets;

namespace {

class ChartEditor1 : public ::testing::Test
{
protected:
    ChartEditor1() : form(std::make_unique<TDentalFormulaForm>())
    {
        DentalFormulaForm = form.get();
        form->DentalFormulaSG->Cells[4][2] = "4"; // a label, as the karte editor writes them
    }
    ~ChartEditor1() override { DentalFormulaForm = nullptr; }

    void Operate(const std::function<void()>& operate)
    {
        script.OnModal(*form, [&] {
            operate();
            form->Close();
        });
        form->ShowModal();
    }
    TChartCell Cursor() const { return {form->DentalFormulaSG->Col(), form->DentalFormulaSG->Row()}; }
    void ClickCell(int col, int row)
    {
        StringGrid* grid = form->DentalFormulaSG;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, col)).center());
        ASSERT_EQ(Cursor(), (TChartCell{col, row}));
    }
    void Press(Qt::Key key) { QTest::keyClick(form->DentalFormulaSG, key); }

    Kelvara1Edition kelvara1;
    ScriptedInteraction script;
    std::unique_ptr<TDentalFormulaForm> form;
};

} // namespace

TEST_F(ChartEditor1, TabLeavesTheGrid)
{
    Operate([&] {
        ClickCell(5, 3);
        Press(Qt::Key_Tab);
        EXPECT_FALSE(form->DentalFormulaSG->hasFocus());
        EXPECT_EQ(Cursor(), (TChartCell{5, 3}));
    });
}

TEST_F(ChartEditor1, UpAndDownJumpToThePartnerRow)
{
    const struct
    {
        TChartCell from;
        Qt::Key key;
        TChartCell to;
    } moves[] = {
        {{4, 3}, Qt::Key_Up, {4, 5}},
        {{4, 3}, Qt::Key_Down, {4, 5}},
        {{4, 5}, Qt::Key_Up, {4, 3}},
        {{4, 5}, Qt::Key_Down, {4, 3}},
        {{4, 1}, Qt::Key_Up, {4, 7}},
        {{4, 1}, Qt::Key_Down, {4, 7}},
        {{6, 7}, Qt::Key_Up, {6, 1}},
        {{0, 3}, Qt::Key_Up, {0, 5}},
        // Left and Right still run along the rings.
        {{3, 1}, Qt::Key_Left, {3, 7}},
        {{8, 5}, Qt::Key_Right, {9, 5}},
    };
    Operate([&] {
        for (const auto& m : moves) {
            ClickCell(m.from.col, m.from.row);
            Press(m.key);
            EXPECT_EQ(Cursor(), m.to) << m.from.col << "," << m.from.row << " key " << m.key;
        }
    });
}

TEST_F(ChartEditor1, OutsideTheTeethEveryKeyTheToggleAmongThemMovesOnToTheNextCell)
{
    Operate([&] {
        // In a tooth cell the toggle works as in Kelvara2.
        ClickCell(0, 3);
        Press(Qt::Key_C);
        EXPECT_EQ(Cursor(), (TChartCell{3, 1}));

        // Below a label lies the tooth row whose walk it follows.
        for (Qt::Key key : {Qt::Key_C, Qt::Key_1, Qt::Key_Left, Qt::Key_Space}) {
            ClickCell(4, 2);
            Press(key);
            EXPECT_EQ(Cursor(), (TChartCell{5, 3})) << key;
            EXPECT_EQ(form->DentalFormulaSG->Cells[4][2], "4") << key;
        }
        // A symbol key on a tooth writes as in Kelvara2.
        ClickCell(5, 3);
        Press(Qt::Key_1);
        EXPECT_EQ(form->DentalFormulaSG->Cells[5][3], "C1");
        EXPECT_EQ(Cursor(), (TChartCell{6, 3}));
    });
}
