// The karte editor's check-ups: the symbols and counts of the chart, selecting a date,
// adding a check-up through the date picker, changing its date, deleting it, and opening
// the chart editor; with their messages, the list order and the debug log.
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/PopupMenu.h"
#include "records/DentalFormulaUnit.h"
#include "tests/records/CheckupFixture.h"
#include "tests/support/RefusalNotes.h"

#include <QScrollBar>

using namespace widgets;

namespace {

using R = stCheckupRecord;

QPoint CentreOf(QWidget* control)
{
    return control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2));
}

// The point of list item `index`, for a right click.
QPoint ItemPoint(int index)
{
    ListBox* list = MedicalRecordForm->CheckupDateListBox;
    return list->visualItemRect(list->item(index)).center();
}

std::vector<QWidget*> ChartControls(TMedicalRecordForm& f)
{
    return {f.DentalFormulaSgLabel, f.DentalFormulaSG, f.EditDentalFormulaButton};
}

std::vector<QWidget*> DietControls(TMedicalRecordForm& f)
{
    return {f.DietInqSgLabel, f.DietInqSG, f.DietNewButton};
}

void ExpectEnabled(const std::vector<QWidget*>& controls, bool enabled)
{
    for (QWidget* control : controls)
        EXPECT_EQ(Enabled(control), enabled) << control->objectName().toStdString();
}

} // namespace

class CheckupList : public CheckupEditor
{
protected:
    // A stored karte with check-ups on these dates (oldest first as given), found.
    std::vector<int> LoadKarte(const QStringList& dates, const QString& karteNo = "XX-0001-0001")
    {
        StoreKarte(karteNo);
        std::vector<int> codes;
        for (const QString& date : dates)
            codes.push_back(StoreCheckup(karteNo, date));
        Find(karteNo);
        return codes;
    }

    // A new karte XX-0001-0001 dated 2015/04/01 and added: its rows may be added now.
    void NewStoredKarte()
    {
        NewKarteDated("20150401");
        Click(Form().AddButton);
    }

    // The next picker showing: checks where it opened and what it shows, then picks
    // `digits` (Esc when empty).
    void NextPicker(QWidget* button, const QString& shows, const QString& digits)
    {
        // Its height as the handler reads it, before the showing.
        const int height = MonthCalendarForm->Height();
        Script().OnModal(*MonthCalendarForm, [this, button, shows, digits, height] {
            TMedicalRecordForm& f = Form();
            EXPECT_EQ(MonthCalendarForm->Left(), f.Left() + f.CheckukpGroupBox->x() + button->x());
            EXPECT_EQ(MonthCalendarForm->Top(), f.Top() + f.CheckukpGroupBox->y() + button->y() - height / 2);
            EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), shows);
            if (digits.isEmpty()) {
                QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Escape);
                return;
            }
            TypeIntoPicker(digits);
            QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
        });
    }

    QString Rows(const QString& table) { return program.Database().Scalar("SELECT COUNT(*) FROM " + table); }
};

class CheckupListWithLog : public CheckupList
{
protected:
    void Prepare() override { program.WriteSetting("Debug", "DebLog", "1"); }
};

// --- Symbols and counts --------------------------------------------------------------------

TEST(ToothSymbols, EachCodeHasItsSymbolAndCodesOutOfRangeShowTwoQuestionMarks)
{
    const QString unknown = QString(QChar(0xFF1F)); // full-width question mark
    const QString symbols[21] = {unknown,
                                 "C1",
                                 "C2",
                                 "C3",
                                 "C4",
                                 unknown,
                                 QString(QChar(0xFF0D)), // full-width hyphen-minus
                                 "CR",
                                 QString(QChar(0x30BB)), // katakana se
                                 unknown,
                                 "  ",
                                 QString(QChar(0x00D7)), // multiplication sign
                                 QString(QChar(0x25B3)), // white up-pointing triangle
                                 unknown,
                                 unknown,
                                 unknown,
                                 unknown,
                                 unknown,
                                 unknown,
                                 "",
                                 unknown};
    for (int code = 0; code <= 20; ++code)
        EXPECT_EQ(TMedicalRecordForm::ToothCodeToSymbol(code), symbols[code]) << code;
    for (int code : {-100, -1, 21, 25, 1000})
        EXPECT_EQ(TMedicalRecordForm::ToothCodeToSymbol(code), "??") << code;
}

TEST_F(CheckupList, TheChartShowsTheSymbolsAndCountsEachDentitionApart)
{
    // Primary teeth: each class, some twice, and a code of no symbol; permanent teeth:
    // codes 0 to 20 and two out of range; the rest not specified.
    std::vector<int> everyCode = {1, 1, 2, 3, 4, 4, 4, 6, 7, 8, 8, 11, 12, 12, 5, 19, 19, 19, 19, 19};
    for (int code = 0; code <= 20; ++code)
        everyCode.push_back(code);
    everyCode.push_back(25);
    everyCode.push_back(-1);
    everyCode.resize(52, 19);
    // Codes 0 to 19 on the primary teeth; 20 and two out of range on permanent ones.
    std::vector<int> everyPrimaryCode;
    for (int code = 0; code <= 19; ++code)
        everyPrimaryCode.push_back(code);
    for (int code : {20, 21, -5})
        everyPrimaryCode.push_back(code);
    everyPrimaryCode.resize(52, 19);

    const struct
    {
        const char* what;
        std::vector<int> codes;
        QStringList counts;
    } charts[] = {
        {"a few teeth", Chart({{&R::iRTE, 2}, {&R::iLBA, 8}, {&R::iRT6, 7}, {&R::iRB6, 12}, {&R::iLT1, 11}}),
         CountsWith(
             {{"C2Milk", 1}, {"AfMilk", 1}, {"DmftMilk", 2}, {"Cr", 1}, {"Mi", 1}, {"Mc", 1}, {"Dmft", 2}})},
        {"every code", everyCode,
         // "？" and "??" count as not erupted.
         CountsWith({{"No", 1},     {"C1", 1},       {"C2", 1},     {"C3", 1},     {"C4", 1},
                     {"Cr", 1},     {"Af", 1},       {"Ne", 13},    {"Mc", 1},     {"Mi", 1},
                     {"Dmft", 7},   {"NoMilk", 1},   {"C1Milk", 2}, {"C2Milk", 1}, {"C3Milk", 1},
                     {"C4Milk", 3}, {"CrMilk", 1},   {"AfMilk", 2}, {"NeMilk", 1}, {"McMilk", 1},
                     {"MiMilk", 2}, {"DmftMilk", 12}})},
        {"every code on the primary teeth", everyPrimaryCode,
         CountsWith({{"Ne", 3},
                     {"NoMilk", 1},
                     {"C1Milk", 1},
                     {"C2Milk", 1},
                     {"C3Milk", 1},
                     {"C4Milk", 1},
                     {"CrMilk", 1},
                     {"AfMilk", 1},
                     {"NeMilk", 10},
                     {"McMilk", 1},
                     {"MiMilk", 1},
                     {"DmftMilk", 7}})},
        {"nothing specified", Chart({}), CountsWith({})},
    };
    const auto karteNo = [](size_t i) { return QString("XX-0001-000%1").arg(i); };
    for (size_t i = 0; i < std::size(charts); ++i) {
        StoreKarte(karteNo(i));
        StoreCheckup(karteNo(i), "2015/05/01", charts[i].codes);
    }
    Show([&] {
        for (size_t i = 0; i < std::size(charts); ++i) {
            const auto& chart = charts[i];
            Find(karteNo(i));
            EXPECT_EQ(Counts(), chart.counts) << chart.what;
            QStringList symbols;
            for (int code : chart.codes)
                symbols << TMedicalRecordForm::ToothCodeToSymbol(code);
            EXPECT_EQ(ChartCells(), symbols) << chart.what;
        }
        // The labels stay where the window's reset wrote them.
        EXPECT_EQ(GridRow(Form().DentalFormulaSG, 7).first(), "右下");
        EXPECT_EQ(GridRow(Form().DentalFormulaSG, 6).mid(3, 10),
                  QStringList({"E", "D", "C", "B", "A", "A", "B", "C", "D", "E"}));
    });
}

TEST_F(CheckupList, ClickingADateShowsThatCheckupWithItsSchoolCountsAndDietRows)
{
    program.Database().Exec("INSERT INTO SchoolTable (Name) VALUES ('第一小学校');");
    program.Database().Exec("INSERT INTO FoodTable (Name) VALUES ('飴');");
    program.Database().Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('毎日', 1);");
    StoreKarte("XX-0001-0001");
    const int first = StoreCheckup("XX-0001-0001", "2014/05/01", {{&R::iRT1, 3}, {&R::iRTA, 4}}, "XX", 1);
    StoreCheckup("XX-0001-0001", "2015/05/01", {{&R::iLB8, 12}}, "XX", 7);
    StoreDietRow(first);
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        ASSERT_EQ(f.CheckupDateListBox->ItemIndex(), 1);
        EXPECT_EQ(f.MiValLabel->Caption(), "1");
        EXPECT_EQ(f.nDietInquiryRecords, 0);

        ClickItem(0);
        EXPECT_EQ(f.iCheckupSchoolCode, 1);
        EXPECT_EQ(f.SchoolNameLabel->Caption(), "第一小学校");
        EXPECT_EQ(f.DentalFormulaSG->Cells[7][3].Text(), "C3");
        EXPECT_EQ(f.DentalFormulaSG->Cells[15][5].Text(), "");
        EXPECT_EQ(Counts(), CountsWith({{"C3", 1}, {"Dmft", 1}, {"C4Milk", 1}, {"DmftMilk", 1}}));
        EXPECT_EQ(GridColumn(f.DietInqSG, 0), QStringList({"飴"}));
        EXPECT_EQ(f.DietInqLabel->Caption(), "1");
        ExpectEnabled({f.CheckupEditButton, f.CheckupDeleteButton, f.DietEditButton, f.DietDeleteButton},
                      true);
        ExpectEnabled(ChartControls(f), true);

        // A school that is not in the table shows no name.
        ClickItem(1);
        EXPECT_EQ(f.iCheckupSchoolCode, 7);
        EXPECT_EQ(f.SchoolNameLabel->Caption(), "");
        EXPECT_EQ(f.DentalFormulaSG->Cells[15][5].Text(), "△");
        EXPECT_EQ(f.DietInqLabel->Caption(), "0");
        ExpectEnabled({f.DietEditButton, f.DietDeleteButton}, false);
    });
}

// Mended: a horizontal scroll bar took a row's room from the short list of dates. The
// dates show whole without one.
TEST_F(CheckupList, TheDatesShowWholeWithoutAScrollBar)
{
    StoreKarte("XX-0001-0001");
    for (const char* date : {"2014/05/01", "2015/12/28"})
        StoreCheckup("XX-0001-0001", date);
    Show([&] {
        ListBox* list = Form().CheckupDateListBox;
        Find("XX-0001-0001");
        QCoreApplication::processEvents();
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
        for (int i = 0; i < list->count(); ++i)
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i))))
                << list->item(i)->text().toStdString();
    });
}

// --- Adding --------------------------------------------------------------------------------

TEST_F(CheckupList, AddingStoresANewCheckupWithNothingSpecifiedAndSelectsIt)
{
    Script().SetNow(EncodeDate(2015, 6, 7) + 0.5);
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewStoredKarte();
        EXPECT_EQ(QApplication::focusWidget(), f.CheckupNewButton);
        // The picker opens at today's date.
        NextPicker(f.CheckupNewButton, "2015/06/07", "20150610");
        Click(f.CheckupNewButton);

        EXPECT_EQ(ListItems(), QStringList({"2015/06/10"}));
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 0);
        EXPECT_EQ(f.CheckupLabel->Caption(), "1");
        EXPECT_EQ(f.nCheckupRecords, 1);
        EXPECT_GT(f.tstChekupRec[0].iCode, 0);
        EXPECT_EQ(f.tstChekupRec[0].asMemo, "XX");
        EXPECT_EQ(ChartCells(), QStringList(52, ""));
        EXPECT_EQ(Counts(), CountsWith({}));
        ExpectEnabled({f.CheckupDataLabel, f.CheckupDateListBox, f.SchoolTitleLabel, f.CheckupEditButton,
                       f.CheckupDeleteButton},
                      true);
        ExpectEnabled(ChartControls(f), true);
        ExpectEnabled(DietControls(f), true);
        ExpectEnabled({f.DietEditButton, f.DietDeleteButton}, false);
        EXPECT_EQ(f.DietInqLabel->Caption(), "0");
        EXPECT_EQ(f.DietInqSG->RowCount(), 2);
        // A new karte goes on to its chart.
        EXPECT_EQ(QApplication::focusWidget(), f.EditDentalFormulaButton);
        EXPECT_EQ(Script().PointerMoves().back(), CentreOf(f.EditDentalFormulaButton));

        // A second one, dated earlier, is appended and selected all the same.
        NextPicker(f.CheckupNewButton, "2015/06/07", "20150101");
        Click(f.CheckupNewButton);
        EXPECT_EQ(ListItems(), QStringList({"2015/06/10", "2015/01/01"}));
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 1);
        EXPECT_EQ(f.CheckupLabel->Caption(), "2");
    });
    TempDatabase& db = program.Database();
    EXPECT_EQ(
        db.Scalar("SELECT group_concat(CDate || ',' || SchoolCode || ',' || Memo || ',' || KarteCode, ';') "
                  "FROM CheckupTable"),
        "2015-06-10,0,XX,1;2015-01-01,0,XX,1");
    QStringList teeth;
    for (const char* column : {"RTA", "RT8", "LTE", "LT1", "RBC", "RB5", "LBA", "LB8"})
        teeth << db.Scalar(QString("SELECT group_concat(") + column + ") FROM CheckupTable");
    EXPECT_EQ(teeth, QStringList(8, "19,19"));
}

TEST_F(CheckupList, ANewCheckupTakesTheSchoolShownAndTheMemoFromTheKarteNumber)
{
    program.Database().Exec("INSERT INTO SchoolTable (Name) VALUES ('第一小学校');");
    StoreKarte("AB-0012-0034");
    StoreCheckup("AB-0012-0034", "2014/05/01", Chart({}), "", 1);
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("AB-0012-0034");
        ClickItem(0);
        NextPicker(f.CheckupNewButton, DateToStr(Date()), "20150301");
        Click(f.CheckupNewButton);
        EXPECT_EQ(f.SchoolNameLabel->Caption(), "第一小学校");
        EXPECT_EQ(f.tstChekupRec[1].iSchoolCode, 1);
        EXPECT_EQ(f.tstChekupRec[1].asMemo, "AB");
        // Not in new-karte mode: the focus stays.
        EXPECT_NE(QApplication::focusWidget(), f.EditDentalFormulaButton);
    });
    EXPECT_EQ(program.Database().Scalar(
                  "SELECT Memo || ',' || SchoolCode FROM CheckupTable WHERE CDate='2015-03-01'"),
              "AB,1");
}

TEST_F(CheckupList, ACancelledPickerAddsNothing)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewStoredKarte();
        NextPicker(f.CheckupNewButton, DateToStr(Date()), "");
        Click(f.CheckupNewButton);
        EXPECT_EQ(f.CheckupDateListBox->count(), 0);
        EXPECT_EQ(f.CheckupLabel->Caption(), "0");
        ExpectEnabled(ChartControls(f), false);
    });
    EXPECT_EQ(Rows("CheckupTable"), "0");
}

TEST_F(CheckupList, AFailedAddIsReportedAndTheListStaysAsItWas)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewStoredKarte();
        // Another workstation deleted the karte meanwhile.
        program.Database().Exec("UPDATE KarteTable SET DeleteFlag=1;");
        Script().Expect(BoxKind::Error, "[新規検診...]\n検診テーブルに追加できませんでした。(iAC=-3)\n"
                                        "  tdDate=2015/03/04\n  asKarteNo=XX-0001-0001\n  iSchoolCode=0\n"
                                        "  asMemo=XX\n  iRTA..=19" +
                                            StaleNote);
        NextPicker(f.CheckupNewButton, DateToStr(Date()), "20150304");
        Click(f.CheckupNewButton);
        EXPECT_EQ(f.nCheckupRecords, 0);
        EXPECT_EQ(f.CheckupDateListBox->count(), 0);
        EXPECT_EQ(f.CheckupLabel->Caption(), "0");
        ExpectEnabled(ChartControls(f), false);
    });
    EXPECT_EQ(Rows("CheckupTable"), "0");
}

TEST_F(CheckupList, AThirtyFirstCheckupIsRefusedBeforeTheDateIsAsked)
{
    const int karte = StoreKarte("XX-0001-0001");
    program.Database().Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30) "
                            "INSERT INTO CheckupTable (CDate, KarteCode, SchoolCode, Memo) "
                            "SELECT date('2000-01-01', '+' || i || ' days'), " +
                            QString::number(karte) + ", 0, 'XX' FROM n;");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        ASSERT_EQ(f.nCheckupRecords, 30);
        Script().Expect(BoxKind::Warning,
                        "[新規検診...]\n検診件数が30あります。\n30を越える検診は追加できません。");
        Click(f.CheckupNewButton);
        EXPECT_EQ(f.nCheckupRecords, 30);
        EXPECT_EQ(f.CheckupDateListBox->count(), 30);
        EXPECT_EQ(f.CheckupLabel->Caption(), "30");
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 29);
    });
    EXPECT_EQ(Script().Showings().count("MonthCalendarForm"), 0);
    EXPECT_EQ(Script().Sounds().back(), Sound::Asterisk);
    EXPECT_EQ(Rows("CheckupTable"), "30");
}

TEST_F(CheckupListWithLog, AddingWritesItsTwoLogBlocks)
{
    Show([&] {
        NewStoredKarte();
        NextPicker(Form().CheckupNewButton, DateToStr(Date()), "20150610");
        Click(Form().CheckupNewButton);
    });
    EXPECT_TRUE(DebLog().contains("TMedicalRecordForm::CheckupDate_AddMenuClick 11:\n"
                                  "  [カルテ編集]画面->[新規検診]ボタン\n"
                                  "  PatientNoEdit->Text= NameEdit->Name=\n"
                                  "  CheckupDateListBox->ItemIndex=-1\n"
                                  "TMedicalRecordForm::CheckupDate_AddMenuClick 66: 検診テーブルに追加\n"
                                  "  iAC=1(iCode:OK,<0:Error)} = AddCheckup(\n"
                                  "    {tstChekupRec[{nCheckupRecords=0}].=\n"
                                  "      iCode     =0\n"
                                  "      tDate     =2015/06/10\n"
                                  "      asKarteNo =XX-0001-0001\n"
                                  "      iShoolCode=0\n"
                                  "      asMemo    =XX\n"
                                  "      iRTA..E   =19_19_19_19_19\n"
                                  "      iRT1..5   =19_19_19_19_19 }\n"
                                  "  )\n"))
        << DebLog().toStdString();
}

// --- Changing a date -----------------------------------------------------------------------

TEST_F(CheckupList, ADateChangeStoresTheNewDateInPlaceAndGivesAMemoToACheckupWithout)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        const std::vector<int> codes = LoadKarte({"2014/05/01", "2015/05/01"});
        ClickItem(0);
        NextPicker(f.CheckupEditButton, "2014/05/01", "20160101");
        Click(f.CheckupEditButton);
        // It keeps its place until the next Find.
        EXPECT_EQ(ListItems(), QStringList({"2016/01/01", "2015/05/01"}));
        EXPECT_EQ(f.tstChekupRec[0].tDate, EncodeDate(2016, 1, 1));
        EXPECT_EQ(f.tstChekupRec[0].asMemo, "XX");
        EXPECT_EQ(program.Database().Scalar("SELECT CDate || ',' || Memo FROM CheckupTable WHERE Code=" +
                                            QString::number(codes[0])),
                  "2016-01-01,XX");

        // Cancelling the picker changes nothing.
        NextPicker(f.CheckupEditButton, "2016/01/01", "");
        Click(f.CheckupEditButton);
        EXPECT_EQ(ListItems(), QStringList({"2016/01/01", "2015/05/01"}));
    });
}

TEST_F(CheckupList, AMemoOnceGivenIsKeptByADateChange)
{
    StoreKarte("AB-0012-0034");
    const int code = StoreCheckup("AB-0012-0034", "2014/05/01", Chart({}), "XY");
    Show([&] {
        Find("AB-0012-0034");
        NextPicker(Form().CheckupEditButton, "2014/05/01", "20140502");
        Click(Form().CheckupEditButton);
    });
    EXPECT_EQ(program.Database().Scalar("SELECT CDate || ',' || Memo FROM CheckupTable WHERE Code=" +
                                        QString::number(code)),
              "2014-05-02,XY");
}

TEST_F(CheckupList, ARefusedDateChangeLeavesTheCheckupAsStoredSoTheChartStoreKeepsTheOldDate)
{
    StoreKarte("XX-0001-0001");
    const int code = StoreCheckup("XX-0001-0001", "2014/05/01");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        // Another workstation deleted the karte meanwhile.
        program.Database().Exec("UPDATE KarteTable SET DeleteFlag=1;");
        Script().Expect(
            BoxKind::ErrorNoSound,
            "[日付修正...]\n検診テーブルを書き換えられませんでした。(-3)\n2016/01/01,XX-0001-0001" +
                StaleNote);
        NextPicker(f.CheckupEditButton, "2014/05/01", "20160101");
        Click(f.CheckupEditButton);
        EXPECT_EQ(ListItems(), QStringList({"2014/05/01"}));
        EXPECT_EQ(f.tstChekupRec[0].tDate, EncodeDate(2014, 5, 1));
        EXPECT_EQ(f.tstChekupRec[0].asMemo, "");

        // The karte comes back; a chart stored now must not carry the refused date.
        program.Database().Exec("UPDATE KarteTable SET DeleteFlag=0;");
        Script().OnModal(*DentalFormulaForm, [] {
            QTest::keyClick(DentalFormulaForm->DentalFormulaSG, Qt::Key_1);
            DentalFormulaForm->OkButton->click();
        });
        Click(f.EditDentalFormulaButton);
    });
    EXPECT_EQ(program.Database().Scalar(
                  "SELECT CDate || ',' || ifnull(Memo, '') || ',' || RT8 FROM CheckupTable WHERE Code=" +
                  QString::number(code)),
              "2014-05-01,,1");
}

// --- Deleting ------------------------------------------------------------------------------

TEST_F(CheckupList, DeletingAsksThenSelectsTheCheckupThatFollowed)
{
    program.Database().Exec("INSERT INTO FoodTable (Name) VALUES ('飴');");
    program.Database().Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('毎日', 1);");
    StoreKarte("XX-0001-0001");
    const int first = StoreCheckup("XX-0001-0001", "2013/05/01");
    const int second = StoreCheckup("XX-0001-0001", "2014/05/01");
    const int third = StoreCheckup("XX-0001-0001", "2015/05/01", {{&R::iLT1, 4}});
    StoreDietRow(third);
    const QString question = "[検診削除]\n1: 2014/05/01 を削除してよいですか？\n  ";
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        ClickItem(1);
        Script().Expect(BoxKind::Question, question, mrNo);
        Click(f.CheckupDeleteButton);
        EXPECT_EQ(f.CheckupDateListBox->count(), 3);

        Script().Expect(BoxKind::Question, question, mrYes);
        Click(f.CheckupDeleteButton);
        EXPECT_EQ(ListItems(), QStringList({"2013/05/01", "2015/05/01"}));
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 1);
        EXPECT_EQ(f.CheckupLabel->Caption(), "2");
        EXPECT_EQ(f.tstChekupRec[1].iCode, third);
        EXPECT_EQ(f.DentalFormulaSG->Cells[8][3].Text(), "C4");
        EXPECT_EQ(Counts(), CountsWith({{"C4", 1}, {"Dmft", 1}}));
        EXPECT_EQ(GridColumn(f.DietInqSG, 0), QStringList({"飴"}));
        ExpectEnabled({f.CheckupEditButton, f.CheckupDeleteButton, f.DietEditButton}, true);
        ExpectEnabled(ChartControls(f), true);
    });
    EXPECT_EQ(program.Database().Scalar("SELECT group_concat(Code) FROM CheckupTable"),
              QString("%1,%2").arg(first).arg(third));
    EXPECT_EQ(Script().Sounds().front(), Sound::Question);
    Q_UNUSED(second);
}

TEST_F(CheckupList, DeletingTheOnlyCheckupEmptiesAndDisablesTheChartAndDietRows)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        LoadKarte({"2015/05/01"});
        Script().Expect(BoxKind::Question, "[検診削除]\n0: 2015/05/01 を削除してよいですか？\n  ", mrYes);
        Click(f.CheckupDeleteButton);
        EXPECT_EQ(f.CheckupDateListBox->count(), 0);
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), -1);
        EXPECT_EQ(f.CheckupLabel->Caption(), "0");
        EXPECT_EQ(f.SchoolNameLabel->Caption(), "");
        EXPECT_EQ(ChartCells(), QStringList(52, ""));
        EXPECT_EQ(Counts(), CountsWith({}));
        ExpectEnabled({f.CheckupEditButton, f.CheckupDeleteButton, f.DietEditButton, f.DietDeleteButton},
                      false);
        ExpectEnabled(ChartControls(f), false);
        ExpectEnabled(DietControls(f), false);
        EXPECT_TRUE(Enabled(f.CheckupNewButton));
    });
    EXPECT_EQ(Rows("CheckupTable"), "0");
}

TEST_F(CheckupList, ACheckupWithDietRowsIsNotDeleted)
{
    StoreKarte("XX-0001-0001");
    const int shown = StoreCheckup("XX-0001-0001", "2015/05/01");
    StoreDietRow(shown);
    Show([&] {
        Find("XX-0001-0001");
        ASSERT_EQ(Form().nDietInquiryRecords, 1);
        Script().Expect(BoxKind::Error, "[検診削除]\n先に，[食事調査]データを削除してください。");
        Click(Form().CheckupDeleteButton);
        EXPECT_EQ(Form().CheckupDateListBox->count(), 1);
    });
    EXPECT_EQ(Rows("CheckupTable"), "1");
}

TEST_F(CheckupList, TheDietRowsAreCountedInTheTableNotInTheGrid)
{
    StoreKarte("XX-0001-0001");
    const int code = StoreCheckup("XX-0001-0001", "2015/05/01");
    Show([&] {
        Find("XX-0001-0001");
        ASSERT_EQ(Form().nDietInquiryRecords, 0);
        // Another workstation adds a diet row to the check-up shown here.
        StoreDietRow(code);
        Script().Expect(BoxKind::Error, "[検診削除]\n先に，[食事調査]データを削除してください。");
        Click(Form().CheckupDeleteButton);

        // Nor is it deleted when the rows cannot be counted.
        program.Database().Exec("ALTER TABLE DietInquiryTable RENAME TO DietInquiryTableGone;");
        Script().Expect(BoxKind::Error, "[検診削除]\n食事調査テーブルを検索できませんでした。(-1)");
        Click(Form().CheckupDeleteButton);
        EXPECT_EQ(Form().CheckupDateListBox->count(), 1);
    });
    EXPECT_EQ(Rows("CheckupTable"), "1");
}

TEST_F(CheckupList, TheMenusDeleteActsOnTheSelectedDateNotTheOneRightClicked)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        LoadKarte({"2014/05/01", "2015/05/01"});
        ASSERT_EQ(f.CheckupDateListBox->ItemIndex(), 1);
        Script().ChooseMenuItem("検診削除(&Delete)");
        Script().Expect(BoxKind::Question, "[検診削除]\n1: 2015/05/01 を削除してよいですか？\n  ", mrNo);
        RightClick(f.CheckupDateListBox->viewport(), ItemPoint(0));
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 1);

        // The label carries the same menu.
        NextPicker(f.CheckupNewButton, DateToStr(Date()), "20160101");
        Script().ChooseMenuItem("新規検診(&Add)...");
        RightClick(f.CheckupDataLabel, QPoint(5, 5));
        EXPECT_EQ(ListItems(), QStringList({"2014/05/01", "2015/05/01", "2016/01/01"}));

        NextPicker(f.CheckupEditButton, "2016/01/01", "20160202");
        Script().ChooseMenuItem("日付修正(&Edit)...");
        RightClick(f.CheckupDateListBox->viewport(), ItemPoint(2));
        EXPECT_EQ(ListItems(), QStringList({"2014/05/01", "2015/05/01", "2016/02/02"}));
    });
}

TEST_F(CheckupList, CommandsGivenWithNoCheckupSelectedOnlySaySo)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewStoredKarte();
        ASSERT_EQ(f.CheckupDateListBox->count(), 0);
        // The menu's items stay enabled with an empty list.
        Script().ChooseMenuItem("日付修正(&Edit)...");
        Script().Expect(BoxKind::Error, "[日付修正...]\n日付を修正する検診日が指定されていません。\n"
                                        "[検診日]リストボックスの項目を指定してください。");
        RightClick(f.CheckupDateListBox->viewport(), QPoint(5, 5));
        Script().ChooseMenuItem("検診削除(&Delete)");
        Script().Expect(BoxKind::Error, "[検診削除]\n削除される検診日が指定されていません。\n"
                                        "[検診日]リストボックスの項目を指定してしてください。");
        RightClick(f.CheckupDateListBox->viewport(), QPoint(5, 5));
    });
    EXPECT_EQ(Script().Showings().count("MonthCalendarForm"), 1); // the karte's date only
}

TEST_F(CheckupList, AfterADeleteWhoseReloadFailedTheOldListNoLongerStandsForCheckups)
{
    StoreKarte("XX-0001-0001");
    const int kept = StoreCheckup("XX-0001-0001", "2014/05/01");
    StoreCheckup("XX-0001-0001", "2015/05/01");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        // Another workstation deletes the karte the moment the check-up goes: the reload fails.
        program.Database().Exec("CREATE TRIGGER Gone AFTER DELETE ON CheckupTable "
                                "BEGIN UPDATE KarteTable SET DeleteFlag=1; END;");
        Script().Expect(BoxKind::Question, mrYes);
        Script().Expect(BoxKind::Error, "[検診削除]\n検診テーブルを検索できませんでした。(-3)" + StaleNote);
        Click(f.CheckupDeleteButton);
        EXPECT_EQ(f.nCheckupRecords, 0);
        ASSERT_EQ(f.CheckupDateListBox->count(), 2);

        // What the list still shows is no check-up to change or chart.
        Script().Expect(BoxKind::Error, "[歯式表編集...]\n歯式表を編集する検診日が指定されていません。\n"
                                        "[検診日]リストボックスの項目を指定してください。");
        Click(f.EditDentalFormulaButton);
        Script().Expect(BoxKind::Error, "[日付修正...]\n日付を修正する検診日が指定されていません。\n"
                                        "[検診日]リストボックスの項目を指定してください。");
        Click(f.CheckupEditButton);
        ClickItem(0);
        ExpectEnabled(ChartControls(f), false);
    });
    EXPECT_EQ(Script().Showings().count("DentalFormulaForm"), 0);
    EXPECT_EQ(program.Database().Scalar("SELECT group_concat(Code) FROM CheckupTable"),
              QString::number(kept));
}

TEST_F(CheckupList, AFailedDeleteIsReportedWithTheDate)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        LoadKarte({"2015/05/01"});
        program.Database().Exec("CREATE TRIGGER NoDelete BEFORE DELETE ON CheckupTable "
                                "BEGIN SELECT RAISE(ABORT, 'kept'); END;");
        Script().Expect(BoxKind::Question, mrYes);
        Script().Expect(BoxKind::Error, "[検診削除]\n検診テーブルから削除できませんでした。(-1)\n2015/05/01");
        Click(f.CheckupDeleteButton);
        EXPECT_EQ(ListItems(), QStringList({"2015/05/01"}));
    });
    EXPECT_EQ(Rows("CheckupTable"), "1");
}

// --- The chart editor ----------------------------------------------------------------------

TEST_F(CheckupListWithLog, TheChartEditorOpensFromTheButtonAndFromARightClickOnTheChart)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        LoadKarte({"2015/05/01"});
        Script().OnModal(*DentalFormulaForm, [] { DentalFormulaForm->CancelButton->click(); });
        Click(f.EditDentalFormulaButton);
        Script().OnModal(*DentalFormulaForm, [] { DentalFormulaForm->CancelButton->click(); });
        RightClick(f.DentalFormulaSG->viewport(), QPoint(10, 10));
    });
    EXPECT_EQ(Script().Showings().count("DentalFormulaForm"), 2);
    EXPECT_TRUE(Script().PopupPositions().empty());
    EXPECT_EQ(DebLog().count("TMedicalRecordForm::EditDentalFormulaButtonClick 11:\n"
                             "  [カルテ編集]画面->[歯式表編集]ボタン\n"
                             "  PatientNoEdit->Text= NameEdit->Name=NameEdit\n"
                             "  CheckupDateListBox->ItemIndex=0\n"),
              2)
        << DebLog().toStdString();
}

TEST_F(CheckupList, ANewKartesFirstChartLeadsOnToTheNextKarte)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewStoredKarte();
        NextPicker(f.CheckupNewButton, DateToStr(Date()), "20150610");
        Click(f.CheckupNewButton);
        ASSERT_TRUE(f.bNewKarteMode);
        Script().OnModal(*DentalFormulaForm, [] {
            for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_Minus, Qt::Key_0})
                QTest::keyClick(DentalFormulaForm->DentalFormulaSG, key);
            QTest::keyClick(DentalFormulaForm->DentalFormulaSG, Qt::Key_Return);
        });
        Click(f.EditDentalFormulaButton);
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 3).mid(0, 4), QStringList({"C1", "C2", "－", "△"}));
        EXPECT_EQ(Counts(), CountsWith({{"No", 1}, {"C1", 1}, {"C2", 1}, {"Mi", 1}, {"Dmft", 3}}));
        EXPECT_FALSE(f.bNewKarteMode);
        EXPECT_EQ(QApplication::focusWidget(), f.NewButton);
        EXPECT_EQ(Script().PointerMoves().back(), CentreOf(f.NewButton));
    });
    EXPECT_EQ(program.Database().Scalar("SELECT RT8 || RT7 || RT6 || RT5 || RT4 FROM CheckupTable"),
              "1261219");
}
