// The chart editor: its design and position tables, the keys that write symbols and walk
// the cursor along the jaw, the arrows, the toggle and the label rows, and OK storing the
// codes and writing the chart back into the karte editor (or not, on failure or Cancel).
#include "app/FormMainMenu.h"
#include "platform/rtl/DateTime.h"
#include "records/DentalFormulaUnit.h"
#include "tests/records/CheckupFixture.h"
#include "tests/support/RefusalNotes.h"

#include <QFontInfo>

using namespace widgets;

namespace {

using R = stCheckupRecord;

TChartCell Cursor()
{
    return {DentalFormulaForm->DentalFormulaSG->Col(), DentalFormulaForm->DentalFormulaSG->Row()};
}

QString CellText(int col, int row)
{
    return DentalFormulaForm->DentalFormulaSG->Cells[col][row];
}

// The operator clicks a cell to put the cursor there.
void ClickCell(int col, int row)
{
    StringGrid* grid = DentalFormulaForm->DentalFormulaSG;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, col)).center());
    ASSERT_EQ(Cursor(), (TChartCell{col, row}));
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(DentalFormulaForm->DentalFormulaSG, key, modifiers);
}

std::string Where(TChartCell cell)
{
    return "(" + std::to_string(cell.col) + "," + std::to_string(cell.row) + ")";
}

// The chart positions as the jaw is walked: the primary ring, then the permanent ring.
const TChartCell Walk[52] = {
    {3, 1},  {4, 1},  {5, 1},  {6, 1},  {7, 1},  {8, 1},  {9, 1},  {10, 1}, {11, 1}, {12, 1}, {12, 7},
    {11, 7}, {10, 7}, {9, 7},  {8, 7},  {7, 7},  {6, 7},  {5, 7},  {4, 7},  {3, 7},  {0, 3},  {1, 3},
    {2, 3},  {3, 3},  {4, 3},  {5, 3},  {6, 3},  {7, 3},  {8, 3},  {9, 3},  {10, 3}, {11, 3}, {12, 3},
    {13, 3}, {14, 3}, {15, 3}, {15, 5}, {14, 5}, {13, 5}, {12, 5}, {11, 5}, {10, 5}, {9, 5},  {8, 5},
    {7, 5},  {6, 5},  {5, 5},  {4, 5},  {3, 5},  {2, 5},  {1, 5},  {0, 5},
};

} // namespace

class ChartEditor : public CheckupEditor
{
protected:
    // The karte XX-0001-0001 with one check-up holding `codes`, found and shown, and its
    // chart editor opened with the button; `operate` runs while the chart editor is
    // shown and Cancel ends it unless `operate` did.
    void WithChart(const ToothCodes& codes, const std::function<void()>& operate,
                   const std::function<void()>& after = {})
    {
        WithChart(Chart(codes), operate, after);
    }
    void WithChart(const std::vector<int>& byPosition, const std::function<void()>& operate,
                   const std::function<void()>& after = {})
    {
        StoreKarte("XX-0001-0001");
        checkup = StoreCheckup("XX-0001-0001", "2015/05/01", byPosition, "XX", 3);
        Show([&] {
            Find("XX-0001-0001");
            Script().OnModal(*DentalFormulaForm, [&] {
                operate();
                if (DentalFormulaForm->ModalResult() == mrNone)
                    DentalFormulaForm->CancelButton->click();
            });
            Click(Form().EditDentalFormulaButton);
            if (after)
                after();
        });
    }

    // Every tooth of the stored check-up, by chart position.
    QStringList StoredChart()
    {
        QStringList codes;
        for (const char* column :
             {"RTE", "RTD", "RTC", "RTB", "RTA", "LTA", "LTB", "LTC", "LTD", "LTE", "LBE", "LBD", "LBC",
              "LBB", "LBA", "RBA", "RBB", "RBC", "RBD", "RBE", "RT8", "RT7", "RT6", "RT5", "RT4", "RT3",
              "RT2", "RT1", "LT1", "LT2", "LT3", "LT4", "LT5", "LT6", "LT7", "LT8", "LB8", "LB7", "LB6",
              "LB5", "LB4", "LB3", "LB2", "LB1", "RB1", "RB2", "RB3", "RB4", "RB5", "RB6", "RB7", "RB8"})
            codes << StoredTooth(checkup, column);
        return codes;
    }

    int checkup = 0;
};

class ChartEditorWithLog : public ChartEditor
{
protected:
    void Prepare() override { program.WriteSetting("Debug", "DebLog", "1"); }
};

// --- Design and tables ---------------------------------------------------------------------

TEST_F(ChartEditor, OpensOverTheKarteEditorsChartWithItsCellsAndTheCursorOnUpperRight8)
{
    WithChart({{&R::iRTE, 2}, {&R::iLB8, 12}}, [&] {
        TDentalFormulaForm& d = *DentalFormulaForm;
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(d.windowTitle(), "歯式表");
        EXPECT_EQ(d.size(), QSize(482, 273));
        EXPECT_EQ(d.DentalFormulaSG->ColCount(), 16);
        EXPECT_EQ(d.DentalFormulaSG->RowCount(), 8);
        EXPECT_EQ(d.DentalFormulaSG->FixedRows(), 0);
        EXPECT_EQ(d.DentalFormulaSG->FixedCols(), 0);
        EXPECT_EQ(d.DentalFormulaSG->ColWidths[5], 28);
        EXPECT_EQ(d.DentalFormulaSG->rowHeight(4), 19);
        EXPECT_EQ(d.OkButton->text(), "更新");
        EXPECT_EQ(d.DefaultButton(), d.OkButton);
        EXPECT_EQ(d.CancelButton->text(), "キャンセル");
        EXPECT_TRUE(d.CancelButton->Cancel());
        const QStringList legend = {"－ ← -",
                                    "C1 ← 1",
                                    "C2 ← 2",
                                    "C3 ← 3",
                                    "C4 ← 4",
                                    "CR ← 7, R ",
                                    "セ ← 8, A",
                                    "   ← ., Space",
                                    "× ← /, X",
                                    "△ ← 0, M",
                                    "toggle permanent/deciduous ← +, C"};
        for (int i = 0; i < legend.size(); ++i) {
            auto* label = d.findChild<Label*>(QString("Label%1").arg(i + 1));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->Caption(), legend[i]);
            // The legend lines up in the fixed-pitch font.
            EXPECT_EQ(label->font().family(), "ＭＳ ゴシック") << i;
            EXPECT_EQ(QFontInfo(label->font()).family(), "IPAGothic") << i;
            EXPECT_TRUE(d.rect().contains(label->geometry())) << i;
        }

        // Every cell came over, labels included.
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(GridRow(d.DentalFormulaSG, row), GridRow(f.DentalFormulaSG, row)) << row;
        EXPECT_EQ(CellText(3, 1), "C2");
        EXPECT_EQ(CellText(15, 5), "△");
        EXPECT_EQ(CellText(0, 0), "右上");
        EXPECT_EQ(Cursor(), (TChartCell{0, 3}));
        EXPECT_EQ(QApplication::focusWidget(), d.DentalFormulaSG);
        EXPECT_EQ(d.Left(), f.Left() + f.CheckukpGroupBox->x() + f.DentalFormulaSG->x());
        EXPECT_EQ(d.Top(), f.Top() + f.CheckukpGroupBox->y() + f.DentalFormulaSG->y());
    });
}

TEST_F(ChartEditor, NumbersTheToothCellsAlongTheWalkPrimaryFirst)
{
    const TDentalFormulaForm& d = *DentalFormulaForm;
    int editable = 0;
    for (int col = 0; col < 16; ++col)
        for (int row = 0; row < 8; ++row)
            editable += d.tnEditableCell[col][row];
    EXPECT_EQ(editable, 52);
    for (int p = 0; p < 52; ++p) {
        EXPECT_EQ((TChartCell{d.tnToothCol[p], d.tnToothRow[p]}), Walk[p]) << p;
        EXPECT_EQ(d.tnEditableCell[Walk[p].col][Walk[p].row], 1) << p;
        EXPECT_EQ(d.tbMilkTooth[p], p < 20 ? 1 : 0) << p;
    }
}

// --- Keys ----------------------------------------------------------------------------------

TEST_F(ChartEditor, EachSymbolKeyWritesItsSymbolAndMovesToTheNextTooth)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* symbol;
    } keys[] = {
        {Qt::Key_Minus, {}, "－"},
        {Qt::Key_Minus, Qt::KeypadModifier, "－"},
        {Qt::Key_1, {}, "C1"},
        {Qt::Key_1, Qt::KeypadModifier, "C1"},
        {Qt::Key_2, {}, "C2"},
        {Qt::Key_2, Qt::KeypadModifier, "C2"},
        {Qt::Key_3, {}, "C3"},
        {Qt::Key_3, Qt::KeypadModifier, "C3"},
        {Qt::Key_4, {}, "C4"},
        {Qt::Key_4, Qt::KeypadModifier, "C4"},
        {Qt::Key_7, {}, "CR"},
        {Qt::Key_R, {}, "CR"},
        {Qt::Key_R, Qt::ShiftModifier, "CR"},
        {Qt::Key_7, Qt::KeypadModifier, "CR"},
        {Qt::Key_8, {}, "セ"},
        {Qt::Key_A, {}, "セ"},
        {Qt::Key_8, Qt::KeypadModifier, "セ"},
        {Qt::Key_Space, {}, ""},
        {Qt::Key_Period, {}, ""},
        {Qt::Key_Period, Qt::KeypadModifier, ""},
        {Qt::Key_Slash, {}, "×"},
        {Qt::Key_X, {}, "×"},
        {Qt::Key_Slash, Qt::KeypadModifier, "×"},
        {Qt::Key_0, {}, "△"},
        {Qt::Key_M, {}, "△"},
        {Qt::Key_0, Qt::KeypadModifier, "△"},
    };
    // Every tooth starts not erupted ("  "), a symbol no key writes.
    WithChart(Chart({}, 10), [&] {
        for (const auto& k : keys) {
            ClickCell(5, 3);
            Press(k.key, k.modifiers);
            EXPECT_EQ(CellText(5, 3), k.symbol) << k.key;
            EXPECT_EQ(Cursor(), (TChartCell{6, 3})) << k.key;
        }
        // A primary tooth on the lower row: the walk goes right to left there.
        ClickCell(5, 7);
        Press(Qt::Key_1);
        EXPECT_EQ(CellText(5, 7), "C1");
        EXPECT_EQ(Cursor(), (TChartCell{4, 7}));
    });
}

TEST_F(ChartEditor, OtherKeysInAToothCellAreTheGridsOwn)
{
    WithChart(Chart({}, 10), [&] {
        for (Qt::Key key : {Qt::Key_5, Qt::Key_6, Qt::Key_9, Qt::Key_B, Qt::Key_Backspace}) {
            ClickCell(5, 3);
            Press(key);
            EXPECT_EQ(CellText(5, 3), "  ") << key;
            EXPECT_EQ(Cursor(), (TChartCell{5, 3})) << key;
        }
        Press(Qt::Key_Tab);
        EXPECT_EQ(Cursor(), (TChartCell{6, 3}));
        EXPECT_EQ(CellText(5, 3), "  ");
    });
}

TEST_F(ChartEditor, TypingWalksEachDentitionAsARing)
{
    WithChart(Chart({}, 10), [&] {
        // The permanent teeth from the upper right 8: 32 keys come back to it.
        for (int p = 21; p <= 52; ++p) {
            Press(Qt::Key_1);
            EXPECT_EQ(Cursor(), Walk[p == 52 ? 20 : p]) << p;
        }
        ClickCell(3, 1);
        for (int p = 1; p <= 20; ++p) {
            Press(Qt::Key_2, Qt::KeypadModifier);
            EXPECT_EQ(Cursor(), Walk[p % 20]) << p;
        }
        for (int p = 0; p < 52; ++p)
            EXPECT_EQ(CellText(Walk[p].col, Walk[p].row), p < 20 ? "C2" : "C1") << p;
    });
}

TEST_F(ChartEditor, ArrowsStepAlongTheRowsAndThroughTheToothRows)
{
    const struct
    {
        TChartCell from;
        Qt::Key key;
        TChartCell to;
    } moves[] = {
        {{10, 1}, Qt::Key_Left, {9, 1}},
        {{3, 1}, Qt::Key_Left, {3, 7}},
        {{12, 1}, Qt::Key_Right, {12, 7}},
        {{3, 7}, Qt::Key_Right, {4, 7}},
        {{12, 7}, Qt::Key_Right, {12, 1}},
        {{8, 5}, Qt::Key_Left, {7, 5}},
        {{8, 5}, Qt::Key_Right, {9, 5}},
        {{0, 5}, Qt::Key_Left, {0, 3}},
        {{15, 3}, Qt::Key_Right, {15, 5}},
        {{4, 3}, Qt::Key_Up, {4, 1}},
        {{4, 3}, Qt::Key_Down, {4, 5}},
        {{4, 7}, Qt::Key_Down, {4, 1}},
        {{4, 1}, Qt::Key_Up, {4, 7}},
        {{6, 5}, Qt::Key_Down, {6, 7}},
        {{0, 3}, Qt::Key_Up, {0, 1}},
        // The blank ends of the primary rows lead back to the permanent row beside them.
        {{0, 1}, Qt::Key_Right, {0, 3}},
        {{0, 1}, Qt::Key_Left, {0, 3}},
        {{14, 7}, Qt::Key_Left, {14, 5}},
        {{14, 7}, Qt::Key_Up, {14, 5}},
    };
    WithChart(Chart({}, 10), [&] {
        for (const auto& m : moves) {
            ClickCell(m.from.col, m.from.row);
            Press(m.key);
            EXPECT_EQ(Cursor(), m.to) << Where(m.from) << " key " << m.key;
        }
        // A symbol key on a blank cell writes nothing.
        ClickCell(0, 1);
        Press(Qt::Key_1);
        EXPECT_EQ(CellText(0, 1), "");
        EXPECT_EQ(Cursor(), (TChartCell{0, 1}));
    });
}

TEST_F(ChartEditor, TheToggleJumpsBetweenTheDentitionsFromAnyCell)
{
    const struct
    {
        TChartCell from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        TChartCell to;
    } toggles[] = {
        {{0, 3}, Qt::Key_C, {}, {3, 1}},
        {{15, 5}, Qt::Key_C, Qt::ShiftModifier, {12, 7}},
        {{5, 7}, Qt::Key_C, {}, {5, 5}},
        {{5, 1}, Qt::Key_Plus, Qt::KeypadModifier, {5, 3}},
        {{13, 3}, Qt::Key_Equal, {}, {12, 1}},
        {{7, 5}, Qt::Key_Semicolon, {}, {7, 7}}, // ";+" of a Japanese keyboard
        {{2, 2}, Qt::Key_C, {}, {3, 1}},
        {{15, 0}, Qt::Key_C, {}, {15, 3}},
        {{1, 6}, Qt::Key_C, {}, {1, 5}},
        {{0, 4}, Qt::Key_C, {}, {3, 7}},
        {{14, 1}, Qt::Key_C, {}, {14, 3}},
    };
    WithChart(Chart({}, 10), [&] {
        for (const auto& t : toggles) {
            ClickCell(t.from.col, t.from.row);
            Press(t.key, t.modifiers);
            EXPECT_EQ(Cursor(), t.to) << Where(t.from) << " key " << t.key;
        }
    });
}

TEST_F(ChartEditor, KeysInALabelRowDoNothing)
{
    WithChart(Chart({}, 10), [&] {
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_1,
                            Qt::Key_Space, Qt::Key_Home}) {
            ClickCell(4, 2);
            Press(key);
            EXPECT_EQ(Cursor(), (TChartCell{4, 2})) << key;
            EXPECT_EQ(CellText(4, 2), "4") << key;
        }
        ClickCell(15, 7);
        Press(Qt::Key_M);
        EXPECT_EQ(CellText(15, 7), "左下");
        EXPECT_EQ(Cursor(), (TChartCell{15, 7}));
    });
}

TEST_F(ChartEditor, EnterStoresAndEscCancelsFromAnyCell)
{
    WithChart(Chart({}), [&] {
        Press(Qt::Key_1);
        ClickCell(4, 2);
        Press(Qt::Key_Escape);
        EXPECT_EQ(DentalFormulaForm->ModalResult(), mrCancel);
    });
    EXPECT_EQ(StoredTooth(checkup, "RT8"), "19");

    Show([&] {
        Find("XX-0001-0001");
        Script().OnModal(*DentalFormulaForm, [&] {
            Press(Qt::Key_1);
            ClickCell(4, 2);
            Press(Qt::Key_Return);
            EXPECT_NE(DentalFormulaForm->ModalResult(), mrNone);
        });
        Click(Form().EditDentalFormulaButton);
    });
    EXPECT_EQ(StoredTooth(checkup, "RT8"), "1");
}

// --- OK and Cancel -------------------------------------------------------------------------

TEST_F(ChartEditor, OkStoresTheTypedCodesAndTheKarteEditorShowsAndCountsThem)
{
    WithChart(
        Chart({}),
        [&] {
            // Upper right 8 to 1, then over to the primary teeth above: the upper left A on.
            for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_Minus, Qt::Key_7, Qt::Key_8, Qt::Key_Period,
                                Qt::Key_Slash, Qt::Key_0})
                Press(key);
            Press(Qt::Key_C);
            Press(Qt::Key_A);
            Press(Qt::Key_X);
            Press(Qt::Key_3, Qt::KeypadModifier);
            QTest::mouseClick(DentalFormulaForm->OkButton, Qt::LeftButton);
            EXPECT_EQ(DentalFormulaForm->ModalResult(), mrOk);
        },
        [&] {
            TMedicalRecordForm& f = Form();
            // The karte editor's record and chart follow, and its counts.
            EXPECT_EQ(f.tstChekupRec[0].iRT8, 1);
            EXPECT_EQ(f.tstChekupRec[0].iLTC, 3);
            EXPECT_EQ(f.tstChekupRec[0].asMemo, "XX");
            EXPECT_EQ(GridRow(f.DentalFormulaSG, 3), QStringList({"C1", "C2", "－", "CR", "セ", "", "×", "△",
                                                                  "", "", "", "", "", "", "", ""}));
            EXPECT_EQ(GridRow(f.DentalFormulaSG, 1),
                      QStringList({"", "", "", "", "", "", "", "", "セ", "×", "C3", "", "", "", "", ""}));
            EXPECT_EQ(GridRow(f.DentalFormulaSG, 2), GridRow(DentalFormulaForm->DentalFormulaSG, 2));
            EXPECT_EQ(Counts(), CountsWith({{"No", 1},
                                            {"C1", 1},
                                            {"C2", 1},
                                            {"Cr", 1},
                                            {"Af", 1},
                                            {"Mc", 1},
                                            {"Mi", 1},
                                            {"Dmft", 5},
                                            {"C3Milk", 1},
                                            {"AfMilk", 1},
                                            {"McMilk", 1},
                                            {"DmftMilk", 2}}));
        });
    const QStringList stored = StoredChart();
    EXPECT_EQ(stored.mid(20, 8), QStringList({"1", "2", "6", "7", "8", "19", "11", "12"}));
    EXPECT_EQ(stored.mid(0, 5), QStringList(5, "19"));
    EXPECT_EQ(stored.mid(5, 3), QStringList({"8", "11", "3"}));
    EXPECT_EQ(stored.mid(8, 12), QStringList(12, "19"));
    EXPECT_EQ(stored.mid(28), QStringList(24, "19"));
    TempDatabase& db = program.Database();
    EXPECT_EQ(db.Scalar("SELECT CDate || ',' || SchoolCode || ',' || Memo FROM CheckupTable"),
              "2015-05-01,3,XX");
}

TEST_F(ChartEditor, AnUntouchedOkKeepsEveryCodeWithASymbolAndStoresTheOthersAsNotErupted)
{
    // Codes 0 to 20 and two out of range, then "not specified".
    std::vector<int> codes;
    for (int code = 0; code <= 20; ++code)
        codes.push_back(code);
    codes.push_back(25);
    codes.push_back(-1);
    codes.resize(52, 19);
    WithChart(codes, [&] { QTest::mouseClick(DentalFormulaForm->OkButton, Qt::LeftButton); });

    const QStringList stored = StoredChart();
    const QStringList expected = {"10", "1",  "2",  "3",  "4",  "10", "6",  "7",  "8",  "10", "10", "11",
                                  "12", "10", "10", "10", "10", "10", "10", "19", "10", "10", "10"};
    EXPECT_EQ(stored.mid(0, 23), expected);
    EXPECT_EQ(stored.mid(23), QStringList(29, "19"));
}

TEST_F(ChartEditor, AFailedStoreKeepsTheDialogOpenWithTheTypedCellsAndTouchesNothing)
{
    const QString error =
        "[更新]\n検診テーブルを書き換えられませんでした。(-3)\n"
        "  iCode=%1\n  tdDate=2015/05/01\n  asKarteNo=XX-0001-0001\n  iSchoolCode=3\n  asMemo=XX" +
        StaleNote;
    WithChart(
        Chart({}),
        [&] {
            Script().Expect(BoxKind::Error, error.arg(checkup));
            // Another workstation deleted the karte meanwhile.
            program.Database().Exec("UPDATE KarteTable SET DeleteFlag=1;");
            Press(Qt::Key_4);
            QTest::mouseClick(DentalFormulaForm->OkButton, Qt::LeftButton);
            EXPECT_EQ(DentalFormulaForm->ModalResult(), mrNone);
            EXPECT_EQ(CellText(0, 3), "C4");
            EXPECT_EQ(Form().DentalFormulaSG->Cells[0][3].Text(), "");
            EXPECT_EQ(Form().tstChekupRec[0].iRT8, 19);
            QTest::mouseClick(DentalFormulaForm->CancelButton, Qt::LeftButton);
        },
        [&] {
            EXPECT_EQ(Form().DentalFormulaSG->Cells[0][3].Text(), "");
            EXPECT_EQ(Script().Sounds().back(), Sound::Exclamation);
        });
    EXPECT_EQ(StoredTooth(checkup, "RT8"), "19");
}

TEST_F(ChartEditor, AStoreOfACheckupAnotherProgramDeletedSaysSoAndWritesNothing)
{
    const QString error =
        "[更新]\n検診テーブルを書き換えられませんでした。(-2)\n"
        "  iCode=%1\n  tdDate=2015/05/01\n  asKarteNo=XX-0001-0001\n  iSchoolCode=3\n  asMemo=XX" +
        StaleNote;
    WithChart(Chart({}), [&] {
        Script().Expect(BoxKind::Error, error.arg(checkup));
        program.Database().Exec("DELETE FROM CheckupTable;");
        Press(Qt::Key_4);
        QTest::mouseClick(DentalFormulaForm->OkButton, Qt::LeftButton);
        EXPECT_EQ(DentalFormulaForm->ModalResult(), mrNone);
        EXPECT_EQ(Form().DentalFormulaSG->Cells[0][3].Text(), "");
        EXPECT_EQ(Form().tstChekupRec[0].iRT8, 19);
        QTest::mouseClick(DentalFormulaForm->CancelButton, Qt::LeftButton);
    });
    EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM CheckupTable"), "0");
}

TEST_F(ChartEditor, CancelWritesNothingAndTheNextOpeningStartsFromTheKarteEditorsChart)
{
    WithChart(
        Chart({{&R::iRT8, 6}}),
        [&] {
            Press(Qt::Key_4);
            Press(Qt::Key_4);
            QTest::mouseClick(DentalFormulaForm->CancelButton, Qt::LeftButton);
        },
        [&] {
            EXPECT_EQ(Form().DentalFormulaSG->Cells[0][3].Text(), "－");
            EXPECT_EQ(Form().C4ValLabel->Caption(), "0");
            // The typed cells stay in the dialog until the next opening.
            EXPECT_EQ(CellText(1, 3), "C4");
            Script().OnModal(*DentalFormulaForm, [&] {
                EXPECT_EQ(CellText(0, 3), "－");
                EXPECT_EQ(CellText(1, 3), "");
                QTest::keyClick(DentalFormulaForm->DentalFormulaSG, Qt::Key_Escape);
            });
            Click(Form().EditDentalFormulaButton);
        });
    EXPECT_EQ(StoredTooth(checkup, "RT8"), "6");
    EXPECT_EQ(StoredTooth(checkup, "RT7"), "19");
}

TEST_F(ChartEditorWithLog, OkWritesItsTwoLogBlocks)
{
    WithChart(Chart({{&R::iRTA, 1}, {&R::iRTE, 12}, {&R::iRT5, 7}}), [&] {
        Press(Qt::Key_2); // upper right 8
        QTest::mouseClick(DentalFormulaForm->OkButton, Qt::LeftButton);
    });
    EXPECT_TRUE(DebLog().contains(QString("TDentalFormulaForm::OkButtonClick 11: [歯式表]画面->[更新]ボタン\n"
                                          "  MRF->CheckupDateListBox->ItemIndex=0\n"
                                          "TDentalFormulaForm::OkButtonClick 55: 検診テーブルを書き換え\n"
                                          "  {iRC=1(1:OK,<0:Error} = ReplaceCheckup(\n"
                                          "    {stWrkCheckupRec.=\n"
                                          "      iCode     =%1\n"
                                          "      tDate     =2015/05/01\n"
                                          "      asKarteNo =XX-0001-0001\n"
                                          "      iShoolCode=3\n"
                                          "      asMemo    =XX\n"
                                          "      iRTA..E   = 1_19_19_19_12\n"
                                          "      iRT1..5   =19_19_19_19_ 7 }\n")
                                      .arg(checkup)))
        << DebLog().toStdString();
}

TEST_F(ChartEditor, OkWithNoCheckupSelectedOnlySaysSo)
{
    // The karte editor opens the dialog only for a selected check-up; OK checks again.
    StoreKarte("XX-0001-0001");
    Show([&] {
        Find("XX-0001-0001");
        Script().Expect(BoxKind::Error, "[更新]\n歯式表を更新する検診日が指定されていません。\n"
                                        "[検診日]リストボックスの項目を指定してください。");
        Script().OnModal(*DentalFormulaForm, [&] {
            QTest::mouseClick(DentalFormulaForm->OkButton, Qt::LeftButton);
            EXPECT_EQ(DentalFormulaForm->ModalResult(), mrNone);
            DentalFormulaForm->CancelButton->click();
        });
        DentalFormulaForm->ShowModal();
    });
    EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM CheckupTable"), "0");
}

TEST(ChartCellText, IsComparedWholeAndAnythingElseCountsAsNotErupted)
{
    const std::pair<QString, int> cases[] = {
        {"C1", 1},  {"C2", 2},   {"C3", 3}, {"C4", 4}, {"－", 6},  {"CR", 7},  {"セ", 8},
        {"  ", 10}, {"×", 11},   {"△", 12}, {"", 19},  {"？", 10}, {"??", 10}, {"c1", 10},
        {" ", 10},  {"C1 ", 10}, {"-", 10}, {"x", 10}, {"ｾ", 10},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(TDentalFormulaForm::CellTextToCode(text), code) << text.toStdString();
}
