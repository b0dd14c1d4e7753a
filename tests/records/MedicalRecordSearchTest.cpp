// The karte search as the karte editor's Find shows it: its criteria and their date
// pickers, the list and its limit, marks and ID cards, delete, open into the editor,
// and the window's size and column widths kept between showings.
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/DateTime.h"
#include "records/MedicalRecordSearchUnit.h"
#include "tests/records/KarteDataFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QWheelEvent>

using namespace widgets;

namespace {

TMedicalRecordSearchForm& S()
{
    return *MedicalRecordSearchForm;
}

// The karte numbers the list shows.
QStringList Listed()
{
    QStringList numbers;
    for (int row = 1; row < S().MediRecSG->RowCount(); ++row)
        numbers << S().MediRecSG->Cell(0, row);
    return numbers;
}

QStringList Marks()
{
    QStringList marks;
    for (int row = 1; row < S().MediRecSG->RowCount(); ++row)
        marks << S().MediRecSG->Cell(10, row);
    return marks;
}

// A key as the operator presses it: down and up on whatever holds the focus then.
void PressKey(Qt::Key key)
{
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

void ChooseItem(ComboBox* box, int downs)
{
    box->setFocus();
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

void Wheel(StringGrid* grid, int delta)
{
    const QPoint at = grid->viewport()->rect().center();
    QWheelEvent event(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &event);
}

QByteArray Crlf(const QByteArray& text)
{
    QByteArray bytes = text;
    return bytes.replace("\n", "\r\n");
}

// CP932 bytes of the names in the fixture.
const QByteArray Yamada = "\x8e\x52\x93\x63";
const QByteArray Hanako = "\x89\xd4\x8e\x71";

} // namespace

class KarteSearch : public KarteData
{
protected:
    // Three examinees at two schools with a karte each, and one karte without examinee.
    void AddKartes()
    {
        const int east = AddSchool("東小学校");
        const int west = AddSchool("West School");
        WritePhoto("p101.bmp");
        AddExaminee("101", "山田", "花子", "ヤマダ", "ハナコ", "2005/04/02", 1, east, "p101.bmp");
        AddExaminee("102", "Sato", "Ichiro", "サトウ", "イチロウ", "2006/07/08", 0, west);
        AddExaminee("103", "山田", "次郎", "ヤマダ", "ジロウ", "2004/01/01", 0, east);
        stExcursusRec answers;
        answers.bAIDS = true;
        answers.asTuberculosisMemo = "memo 1";
        answers.bQ1Anemia = true;
        answers.bQ3 = true;
        answers.asQ41Memo = "2";
        answers.asQ43Memo = "after lunch";
        AddKarte("XX-0001-0001", "2015/04/01", "101", answers, 1);
        AddKarte("XX-0001-0002", "2015/05/01", "102");
        stExcursusRec third;
        third.bQ2Others = true;
        third.asQ2OthersMemo = "pollen";
        AddKarte("XX-0001-0003", "2016/06/01", "103", third, 2);
        AddKarte("XX-0002-0001", "2014/01/01");
    }

    // Find with the criteria as they stand; the list then has the focus.
    void FindAll() { Click(S().FindButton); }
};

class KarteSearchWithLog : public KarteSearch
{
protected:
    void Prepare() override { program.WriteSetting("Debug", "DebLog", "1"); }
};

// ---------------------------------------------------------------------------------------------
// Design and showing

TEST_F(KarteSearch, ShowsItsDesignAndStartsEachShowingWithAnEmptyList)
{
    TMedicalRecordSearchForm& s = S();
    EXPECT_EQ(s.windowTitle(), "カルテ検索");
    EXPECT_EQ(s.size(), QSize(704, 446));
    EXPECT_EQ(KarteEditor::GridRow(s.MediRecSG, 0),
              QStringList({"Medi.Rec #", "Date", "Patient #", "Family Name", "Personal Name", "Family Kana",
                           "Personal Kana", "Birth", "Sex", "School Name", "Print"}));
    EXPECT_EQ(s.MediRecSG->FixedRows(), 1);
    EXPECT_EQ(s.MediRecSG->FixedCols(), 0);
    EXPECT_EQ(s.MediRecSG->DefaultRowHeight(), 19);
    EXPECT_EQ(s.MediRecStartDateEdit->Text(), "1900/01/01");
    EXPECT_EQ(s.MediRecEndDateEdit->Text(), "3000/12/31");
    EXPECT_EQ(s.BirthDateEdit->Text(), "1900/01/01");
    EXPECT_TRUE(s.MediRecStartDateEdit->isReadOnly());
    EXPECT_TRUE(s.BirthDateEdit->isReadOnly());
    EXPECT_FALSE(Visible(s.BirthDateBitBtn));
    EXPECT_EQ(s.SexComboBox->ItemIndex(), -1);
    EXPECT_EQ(s.SexComboBox->count(), 3);
    EXPECT_EQ(s.SexComboBox->itemText(2), "");
    EXPECT_TRUE(s.CancelButton->Cancel());

    AddKartes();
    Show([&] {
        Search([&] {
            TypeInto(S().FamilyNameEdit, "山田");
            FindAll();
            EXPECT_EQ(Listed().size(), 2);
            ClickCell(S().MediRecSG, 10, 1);
            EXPECT_TRUE(Enabled(S().PrintCardButton));
        });
        Search([&] {
            // A new showing: the criteria as left, the list empty, only Find and Cancel.
            EXPECT_EQ(S().FamilyNameEdit->Text(), "山田");
            EXPECT_EQ(S().bOpened, 0);
            EXPECT_EQ(Listed(), QStringList({""}));
            EXPECT_EQ(S().TotalLabel->Caption(), "");
            EXPECT_EQ(S().PrintLabel->Caption(), "");
            for (QWidget* button :
                 {S().OpenButton, S().DeleteButton, S().PrintToggleButton, S().PrintCardButton})
                EXPECT_FALSE(Enabled(button)) << button->objectName().toStdString();
            EXPECT_TRUE(Enabled(S().CancelButton));
            EXPECT_TRUE(Enabled(S().FindButton));
        });
        EXPECT_EQ(S().bOpened, 0);
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "");
    });
}

TEST_F(KarteSearch, AnEmptyDatabaseWarnsAndListsNothingToActOn)
{
    Show([&] {
        Search([&] {
            Script().Expect(BoxKind::Warning, "カルテ・テーブルに，該当レコードがありません。");
            FindAll();
            EXPECT_EQ(S().TotalLabel->Caption(), "0 of 0");
            EXPECT_EQ(Listed(), QStringList({""}));
            for (QWidget* button : {S().OpenButton, S().DeleteButton, S().PrintToggleButton})
                EXPECT_FALSE(Enabled(button));
            ClickCell(S().MediRecSG, 10, 1);
            DoubleClickCell(S().MediRecSG, 3, 1);
            PressKey(Qt::Key_Space);
            PressKey(Qt::Key_Return);
            EXPECT_EQ(Marks(), QStringList({""}));
            EXPECT_EQ(S().bOpened, 0);
            EXPECT_EQ(S().PrintLabel->Caption(), "");
        });
    });
}

// ---------------------------------------------------------------------------------------------
// Criteria

class KarteSearchCriteria;

struct CriteriaCase
{
    const char* name;
    std::function<void(KarteSearchCriteria&)> enter;
    QStringList listed;
};

void PrintTo(const CriteriaCase& c, std::ostream* os)
{
    *os << c.name;
}

class KarteSearchCriteria : public KarteSearch, public ::testing::WithParamInterface<CriteriaCase>
{
public:
    using KarteEditor::Click;
    using KarteEditor::NextPickedDate;
    using KarteEditor::Tick;
};

TEST_P(KarteSearchCriteria, ListTheMatchingKartesInNumberOrder)
{
    AddKartes();
    Show([&] {
        Search([&] {
            GetParam().enter(*this);
            FindAll();
            EXPECT_EQ(Listed(), GetParam().listed);
            EXPECT_EQ(S().TotalLabel->Caption(), QString("%1 of 4").arg(GetParam().listed.size()));
            EXPECT_EQ(S().focusWidget(), S().MediRecSG);
        });
    });
}

const CriteriaCase Criteria[] = {
    {"Defaults",
     [](KarteSearchCriteria&) {},
     {"XX-0001-0001", "XX-0001-0002", "XX-0001-0003", "XX-0002-0001"}},
    {"PartOfTheKarteNumber",
     [](KarteSearchCriteria&) { TypeInto(S().MediRecNoEdit, "0002"); },
     {"XX-0001-0002", "XX-0002-0001"}},
    {"FamilyName",
     [](KarteSearchCriteria&) { TypeInto(S().FamilyNameEdit, "山"); },
     {"XX-0001-0001", "XX-0001-0003"}},
    {"PersonalKana", [](KarteSearchCriteria&) { TypeInto(S().PersonalKanaEdit, "イチ"); }, {"XX-0001-0002"}},
    {"ExamineeNumber", [](KarteSearchCriteria&) { TypeInto(S().PatientNoEdit, "102"); }, {"XX-0001-0002"}},
    {"EitherCriterionMatches",
     [](KarteSearchCriteria&) {
         TypeInto(S().PatientNoEdit, "102");
         TypeInto(S().FamilyNameEdit, "山田");
     },
     {"XX-0001-0001", "XX-0001-0002", "XX-0001-0003"}},
    {"PartOfTheSchoolName",
     [](KarteSearchCriteria&) { TypeInto(S().SchoolNameEdit, "School"); },
     {"XX-0001-0002"}},
    {"Female", [](KarteSearchCriteria&) { ChooseItem(S().SexComboBox, 2); }, {"XX-0001-0001"}},
    {"TheEmptySexItemMeansAny",
     [](KarteSearchCriteria&) { ChooseItem(S().SexComboBox, 3); },
     {"XX-0001-0001", "XX-0001-0002", "XX-0001-0003", "XX-0002-0001"}},
    {"DateRange",
     [](KarteSearchCriteria& t) {
         t.NextPickedDate("20150101");
         t.Click(S().MediRecStartDateBitBtn);
         t.NextPickedDate("20150430");
         t.Click(S().MediRecEndDateBitBtn);
         EXPECT_EQ(S().MediRecEndDateEdit->Text(), "2015/04/30");
     },
     {"XX-0001-0001"}},
    {"BothEndsOfTheRangeCount",
     [](KarteSearchCriteria& t) {
         t.NextPickedDate("20150401");
         t.Click(S().MediRecStartDateBitBtn);
         t.NextPickedDate("20150501");
         t.Click(S().MediRecEndDateBitBtn);
     },
     {"XX-0001-0001", "XX-0001-0002"}},
    {"WithoutExamineeIgnoresTheExamineeCriteria",
     [](KarteSearchCriteria& t) {
         TypeInto(S().FamilyNameEdit, "山田");
         ChooseItem(S().SexComboBox, 1);
         t.Tick(S().NoPatientCheckBox);
     },
     {"XX-0002-0001"}},
};

INSTANTIATE_TEST_SUITE_P(Search, KarteSearchCriteria, ::testing::ValuesIn(Criteria),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KarteSearch, WithoutExamineeTheExamineeCriteriaAreOffAndItsColumnsEmpty)
{
    AddKartes();
    Show([&] {
        Search([&] {
            TMedicalRecordSearchForm& s = S();
            Tick(s.NoPatientCheckBox);
            const std::initializer_list<QWidget*> examinee = {
                s.PatientNoLabel, s.PatientNoEdit,   s.NameLabel,        s.PersonalNameEdit,
                s.FamilyNameEdit, s.KanaLabel,       s.PersonalKanaEdit, s.FamilyKanaEdit,
                s.BirthDateLabel, s.BirthDateEdit,   s.BirthDateBitBtn,  s.SexLabel,
                s.SexComboBox,    s.SchoolNameLabel, s.SchoolNameEdit};
            for (QWidget* control : examinee)
                EXPECT_FALSE(Enabled(control)) << control->objectName().toStdString();
            for (QWidget* control :
                 {static_cast<QWidget*>(s.MediRecNoEdit), static_cast<QWidget*>(s.MediRecStartDateBitBtn),
                  static_cast<QWidget*>(s.MediRecEndDateEdit)})
                EXPECT_TRUE(Enabled(control));
            FindAll();
            EXPECT_EQ(KarteEditor::GridRow(s.MediRecSG, 1),
                      QStringList({"XX-0002-0001", "2014/01/01", "", "", "", "", "", "", "", "", ""}));
            Tick(s.NoPatientCheckBox);
            for (QWidget* control : examinee)
                EXPECT_TRUE(Enabled(control)) << control->objectName().toStdString();
            FindAll();
            EXPECT_EQ(KarteEditor::GridRow(s.MediRecSG, 1),
                      QStringList({"XX-0001-0001", "2015/04/01", "101", "山田", "花子", "ヤマダ", "ハナコ",
                                   "2005/04/02", "Female", "東小学校", ""}));
            EXPECT_EQ(KarteEditor::GridRow(s.MediRecSG, 2).mid(7, 3),
                      QStringList({"2006/07/08", "Male", "West School"}));
        });
    });
}

// Two labels share S, a label and the card print button share P: the first in the window's
// order that can take the key takes it, each time. Once 受診者データなし(&Q) is ticked, the
// examinee criteria are off and neither S label can take the key.
TEST_F(KarteSearch, ALabelsAcceleratorFocusesItsFieldTheFirstOfThoseThatShareIt)
{
    AddKartes();
    Show([&] {
        Search([&] {
            TMedicalRecordSearchForm& s = S();
            const auto pressAlt = [](char key) {
                QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            };
            FindAll();
            ClickCell(s.MediRecSG, 10, 1); // a mark: the card print button is enabled
            ASSERT_TRUE(Enabled(s.PrintCardButton));
            const struct
            {
                char key;
                QWidget* focused;
            } presses[] = {
                {'s', s.SexComboBox},   {'s', s.SexComboBox},       {'p', s.PatientNoEdit},
                {'i', s.MediRecNoEdit}, {'q', s.NoPatientCheckBox}, {'s', s.NoPatientCheckBox},
            };
            for (const auto& press : presses) {
                pressAlt(press.key);
                EXPECT_EQ(QApplication::focusWidget(), press.focused) << "Alt+" << press.key;
            }
            EXPECT_TRUE(s.NoPatientCheckBox->Checked());
            EXPECT_EQ(s.MediRecNoEdit->Text(), "");
        });
    });
    EXPECT_EQ(Script().Showings(), QStringList({"MedicalRecordForm", "MedicalRecordSearchForm"}));
    EXPECT_TRUE(Script().Documents().isEmpty()); // no card printed
}

TEST_F(KarteSearch, TheDatePickersOpenBesideTheirFieldsAlsoOnARightClick)
{
    Show([&] {
        Search([&] {
            TMedicalRecordSearchForm& s = S();
            QPoint placed;
            // The picker's own height, as it is before it shows.
            const int pickerHeight = MonthCalendarForm->Height();
            Script().OnModal(*MonthCalendarForm, [&] {
                placed = QPoint(MonthCalendarForm->Left(), MonthCalendarForm->Top());
                TypeIntoPicker("20120304");
                QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
            });
            Click(s.MediRecEndDateBitBtn);
            EXPECT_EQ(s.MediRecEndDateEdit->Text(), "2012/03/04");
            EXPECT_EQ(placed,
                      QPoint(s.Left() + s.SearchGroupBox->x() + s.MediRecEndDateEdit->x() +
                                 s.MediRecEndDateEdit->width() / 2,
                             s.Top() + s.SearchGroupBox->y() + s.MediRecEndDateEdit->y() - pickerHeight / 2));

            // The birth date has no visible button: a right click opens the picker.
            NextPickedDate("20050402");
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                                   s.BirthDateEdit->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(s.BirthDateEdit, &menu);
            EXPECT_EQ(s.BirthDateEdit->Text(), "2005/04/02");

            // Esc in the picker leaves the field alone.
            NextPickedDate("");
            QApplication::sendEvent(s.MediRecStartDateEdit, &menu);
            EXPECT_EQ(s.MediRecStartDateEdit->Text(), "1900/01/01");
        });
    });
}

TEST_F(KarteSearch, MoreThan4000MatchesShowTheFirst4000)
{
    TempDatabase& db = program.Database();
    db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4001) "
            "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
            "SELECT printf('YY-%04d-0001', i), '2015-04-01', 0, -1, 0 FROM n;");
    db.Exec("INSERT INTO PSTable (KarteCode) SELECT Code FROM KarteTable;");
    Show([&] {
        Search([&] {
            Script().Expect(
                BoxKind::Warning,
                "カルテ・テーブルには，該当レコードが 4001 件あります。\n4000を越えた分は表示できません。");
            FindAll();
            EXPECT_EQ(S().MediRecSG->RowCount(), 4001);
            EXPECT_EQ(S().TotalLabel->Caption(), "4000 of 4001");
            EXPECT_EQ(S().MediRecSG->Cell(0, 4000), "YY-4000-0001");
            EXPECT_EQ(S().nHits, 4000);
        });
    });
}

TEST_F(KarteSearch, AFailedSearchReportsAndLeavesNothingToActOn)
{
    AddKartes();
    Show([&] {
        Search([&] {
            FindAll();
            ClickCell(S().MediRecSG, 10, 2);
            ASSERT_TRUE(Enabled(S().PrintCardButton));
            program.Database().Exec("DROP TABLE PSTable;");
            Script().Expect(BoxKind::Error, "カルテ・テーブル検索エラー。(-1)");
            FindAll();
            EXPECT_EQ(Listed(), QStringList({""}));
            EXPECT_EQ(Marks(), QStringList({""}));
            for (QWidget* button :
                 {S().OpenButton, S().DeleteButton, S().PrintToggleButton, S().PrintCardButton})
                EXPECT_FALSE(Enabled(button)) << button->objectName().toStdString();
            EXPECT_EQ(S().PrintLabel->Caption(), "");
        });
    });
}

// ---------------------------------------------------------------------------------------------
// Marks and ID cards

TEST_F(KarteSearch, AClickInThePrintColumnTogglesTheRowsMark)
{
    AddKartes();
    Show([&] {
        Search([&] {
            StringGrid* grid = S().MediRecSG;
            FindAll();
            ClickCell(grid, 10, 2);
            EXPECT_EQ(Marks(), QStringList({"", "*", "", ""}));
            EXPECT_EQ(S().PrintLabel->Caption(), "(1 to be printed)");
            EXPECT_TRUE(Enabled(S().PrintCardButton));
            ClickCell(grid, 10, 4);
            EXPECT_EQ(S().PrintLabel->Caption(), "(2 to be printed)");
            ClickCell(grid, 10, 2);
            EXPECT_EQ(Marks(), QStringList({"", "", "", "*"}));
            EXPECT_EQ(S().PrintLabel->Caption(), "(1 to be printed)");
            ClickCell(grid, 3, 1);
            EXPECT_EQ(Marks(), QStringList({"", "", "", "*"}));

            // A double click in the column marks once and opens nothing.
            DoubleClickCell(grid, 10, 1);
            EXPECT_EQ(Marks(), QStringList({"*", "", "", "*"}));
            EXPECT_EQ(S().bOpened, 0);

            // The toggle button and Space act on the current row.
            Click(S().PrintToggleButton);
            EXPECT_EQ(Marks(), QStringList({"", "", "", "*"}));
            grid->setFocus();
            PressKey(Qt::Key_Space);
            EXPECT_EQ(Marks(), QStringList({"*", "", "", "*"}));
            EXPECT_EQ(S().PrintLabel->Caption(), "(2 to be printed)");
        });
    });
}

TEST_F(KarteSearch, MovingThroughThePrintColumnByKeyOrWheelMarksNothing)
{
    AddKartes();
    Show([&] {
        Search([&] {
            StringGrid* grid = S().MediRecSG;
            FindAll();
            ClickCell(grid, 9, 1);
            PressKey(Qt::Key_Right);
            ASSERT_EQ(grid->Col(), 10);
            PressKey(Qt::Key_Down);
            PressKey(Qt::Key_Down);
            PressKey(Qt::Key_Up);
            ASSERT_EQ(grid->Row(), 2);
            Wheel(grid, -120);
            EXPECT_EQ(grid->Row(), 3);
            Wheel(grid, 120);
            EXPECT_EQ(grid->Row(), 2);
            EXPECT_EQ(Marks(), QStringList({"", "", "", ""}));
            EXPECT_EQ(S().PrintLabel->Caption(), "");
            // The next click is the operator's own.
            ClickCell(grid, 10, 2);
            EXPECT_EQ(Marks(), QStringList({"", "*", "", ""}));
        });
    });
}

TEST_F(KarteSearch, PrintingTheMarkedRowsWritesTheirCardsAndClearsTheMarks)
{
    AddKartes();
    const QString document = PlaceMainDocument("DocCard");
    Show([&] {
        Search([&] {
            FindAll();
            for (int row : {4, 1, 2})
                ClickCell(S().MediRecSG, 10, row);
            Click(S().PrintCardButton);
            EXPECT_EQ(Script().Documents(), QStringList({document}));
            EXPECT_EQ(Marks(), QStringList({"", "", "", ""}));
            EXPECT_EQ(S().nPrintMarks, 0);
        });
    });
    // In list order, the name as family name, comma, blank, personal name.
    const QByteArray expected =
        Crlf("Name,BirthDate,Sex,MediRecNo,IssueDate,PatientNo\n"
             "\"" +
             Yamada + ", " + Hanako +
             "\",\"2005/04/02\",\"Female\",\"XX-0001-0001\",\"2015/04/01\",\"101\"\n"
             "\"Sato, Ichiro\",\"2006/07/08\",\"Male\",\"XX-0001-0002\",\"2015/05/01\",\"102\"\n"
             "\", \",\"\",\"\",\"XX-0002-0001\",\"2014/01/01\",\"\"\n");
    EXPECT_EQ(CurrentFolderFile("IdCard.txt"), expected);
}

TEST_F(KarteSearch, AMissingMainDocumentIsReportedWithoutASoundAndTheMarksStayForAnotherTry)
{
    AddKartes();
    Show([&] {
        Search([&] {
            const QString missing = MissingMainDocument("DocCard");
            FindAll();
            ClickCell(S().MediRecSG, 10, 3);
            Script().Expect(BoxKind::ErrorNoSound,
                            "差し込み印刷のメイン文書がありません。\n  \"" + missing + "\"");
            Click(S().PrintCardButton);
            EXPECT_TRUE(Script().Sounds().empty());
            EXPECT_TRUE(Script().Documents().isEmpty());
            EXPECT_EQ(Marks(), QStringList({"", "", "*", ""}));
            EXPECT_TRUE(CurrentFolderFile("IdCard.txt").contains("XX-0001-0003"));

            // Once the document is there, the same marks print the same cards.
            const QString document = PlaceMainDocument("DocCard");
            Click(S().PrintCardButton);
            EXPECT_EQ(Script().Documents(), QStringList({document}));
            EXPECT_TRUE(CurrentFolderFile("IdCard.txt").contains("XX-0001-0003"));
            EXPECT_EQ(Marks(), QStringList({"", "", "", ""}));
        });
    });
}

TEST_F(KarteSearch, ADataFileThatCannotBeWrittenStopsThePrint)
{
    AddKartes();
    ASSERT_TRUE(QDir(CurrentFolder()).mkdir("IdCard.txt"));
    PlaceMainDocument("DocCard");
    Show([&] {
        Search([&] {
            FindAll();
            ClickCell(S().MediRecSG, 10, 1);
            Script().Expect(BoxKind::Error, "印刷用データ・ファイルを開くことができません。\nIdCard.txt");
            Click(S().PrintCardButton);
            EXPECT_TRUE(Script().Documents().isEmpty());
            EXPECT_EQ(Marks(), QStringList({"*", "", "", ""}));
        });
    });
}

TEST_F(KarteSearch, ADataFileThatCannotBeWrittenWholeKeepsTheMarks)
{
    AddKartes();
    // A disk that takes no byte: the file opens, its lines never arrive.
    ASSERT_TRUE(QFile::link("/dev/full", CurrentFolder() + "/IdCard.txt"));
    PlaceMainDocument("DocCard");
    Show([&] {
        Search([&] {
            FindAll();
            ClickCell(S().MediRecSG, 10, 2);
            Script().Expect(BoxKind::Error, "印刷用データ・ファイルに書き込むことができません。\nIdCard.txt");
            Click(S().PrintCardButton);
            EXPECT_TRUE(Script().Documents().isEmpty());
            EXPECT_EQ(Marks(), QStringList({"", "*", "", ""}));
            EXPECT_EQ(S().PrintLabel->Caption(), "(1 to be printed)");
        });
    });
}

// ---------------------------------------------------------------------------------------------
// Delete

TEST_F(KarteSearchWithLog, DeletingARowAsksLogsAndClosesTheGap)
{
    AddKartes();
    Show([&] {
        Search([&] {
            TypeInto(S().FamilyNameEdit, "a");
            TypeInto(S().SchoolNameEdit, "東");
            FindAll();
            ASSERT_EQ(Listed(), QStringList({"XX-0001-0001", "XX-0001-0002", "XX-0001-0003"}));
            ClickCell(S().MediRecSG, 10, 2);
            ClickCell(S().MediRecSG, 10, 3);
            ClickCell(S().MediRecSG, 4, 2);
            Script().Expect(BoxKind::Question,
                            "次のデータを削除してよいですか？\n  "
                            "XX-0001-0002,2015/05/01,102,Sato,Ichiro,サトウ,イチロウ,*",
                            mrYes);
            Click(S().DeleteButton);
            EXPECT_EQ(Listed(), QStringList({"XX-0001-0001", "XX-0001-0003"}));
            EXPECT_EQ(Marks(), QStringList({"", "*"}));
            EXPECT_EQ(S().TotalLabel->Caption(), "2 of 3");
            EXPECT_EQ(S().PrintLabel->Caption(), "(1 to be printed)");
            EXPECT_EQ(program.Database().Scalar("SELECT KarteNo FROM KarteTable WHERE DeleteFlag = 1;"),
                      "XX-0001-0002");

            // The new second row is the karte that was third, with its own answers.
            ClickCell(S().MediRecSG, 0, 2);
            Click(S().OpenButton);
        });
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "XX-0001-0003");
        EXPECT_EQ(Form().NameEdit->Text(), "次郎 山田");
        EXPECT_TRUE(Form().AllergyOthersCheckBox->Checked());
        EXPECT_EQ(Form().AllergyCommentEdit->Text(), "pollen");
        EXPECT_FALSE(Form().AidsCheckBox->Checked());
        EXPECT_EQ(Form().NextCheckupCB->ItemIndex(), 2);
        EXPECT_EQ(Form().PhotoLabel->Caption(), "");
    });
    EXPECT_TRUE(DebLog().contains("TMedicalRecordSearchForm::DeleteButtonClick 33:\n"
                                  "  {iDMR=1(1:OK,-1:Error)} = DelMedicalRecord(\n"
                                  "    {MediRecSG->Cells[Imrsg_MediRecNo][{iDeletedRow=2}]=XX-0001-0002} )\n"
                                  "  _[Imrsg_MediRecDate ][]=2015/05/01\n"
                                  "  _[Imrsg_PatientNo   ][]=102\n"
                                  "  _[Imrsg_FamilyName  ][]=Sato\n"
                                  "  _[Imrsg_PersonalName][]=Ichiro\n"
                                  "  _[Ipsg_BirthDate    ][]=2006/07/08\n"
                                  "  _[Ipsg_Sex          ][]=Male\n"))
        << DebLog().toStdString();
}

TEST_F(KarteSearch, DeletingTheOnlyRowLeavesAnEmptyListAndNoOneToActOn)
{
    AddKartes();
    Show([&] {
        Search([&] {
            TypeInto(S().MediRecNoEdit, "0002-0001");
            FindAll();
            Script().Expect(BoxKind::Question, mrNo);
            Click(S().DeleteButton);
            EXPECT_EQ(Listed(), QStringList({"XX-0002-0001"}));

            Script().Expect(BoxKind::Question,
                            "次のデータを削除してよいですか？\n  XX-0002-0001,2014/01/01,,,,,,", mrYes);
            Click(S().DeleteButton);
            EXPECT_EQ(KarteEditor::GridRow(S().MediRecSG, 1), QStringList(11, ""));
            EXPECT_EQ(S().MediRecSG->RowCount(), 2);
            EXPECT_EQ(S().TotalLabel->Caption(), "0 of 3");
            for (QWidget* button : {S().OpenButton, S().DeleteButton, S().PrintToggleButton})
                EXPECT_FALSE(Enabled(button));
        });
    });
}

TEST_F(KarteSearch, AFailedDeleteIsReportedAndTheRowStays)
{
    AddKartes();
    program.Database().Exec("CREATE TRIGGER NoDelete BEFORE UPDATE ON KarteTable "
                            "BEGIN SELECT RAISE(ABORT, 'kept'); END;");
    Show([&] {
        Search([&] {
            FindAll();
            Script().Expect(BoxKind::Question, mrYes);
            Script().Expect(BoxKind::Error, "カルテ・テーブルから削除できませんでした。\n"
                                            "XX-0001-0001,2015/04/01,101,山田,花子,ヤマダ,ハナコ,\n(-1)");
            Click(S().DeleteButton);
            EXPECT_EQ(Listed().size(), 4);
            EXPECT_EQ(S().TotalLabel->Caption(), "4 of 4");
        });
    });
}

// ---------------------------------------------------------------------------------------------
// Open

TEST_F(KarteSearch, OpenWritesTheKarteIntoTheEditorWhichThenLoadsItsRows)
{
    AddKartes();
    AddMember("7", "佐藤", "一郎");
    AddNoteRow("XX-0001-0001", "2015/04/02", "初診", "7");
    Show([&] {
        Search([&] {
            FindAll();
            ClickCell(S().MediRecSG, 2, 1);
            Click(S().OpenButton);
            EXPECT_EQ(S().bOpened, 1);
        });
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(f.MediRecNoEdit->Text(), "XX-0001-0001");
        EXPECT_EQ(f.MediRecDateEdit->Text(), "2015/04/01");
        EXPECT_EQ(f.PatientNoEdit->Text(), "101");
        EXPECT_EQ(f.NameEdit->Text(), "花子 山田");
        EXPECT_EQ(f.FamilyNameLabel->Caption(), "山田");
        EXPECT_EQ(f.PersonalNameLabel->Caption(), "花子");
        EXPECT_EQ(f.KanaEdit->Text(), "ハナコ ヤマダ");
        EXPECT_EQ(f.BirthDateEdit->Text(), "2005/04/02");
        EXPECT_EQ(f.SexEdit->Text(), "Female");
        EXPECT_EQ(f.PhotoLabel->Caption(), "p101.bmp");
        EXPECT_EQ(f.PhotoImage->Picture().size(), QSize(6, 8));
        EXPECT_EQ(f.asPatientSchoolName, "東小学校");
        EXPECT_EQ(f.iPatientSchoolCode, 1);
        EXPECT_EQ(f.SchoolNameLabel->Caption(), "東小学校");
        EXPECT_TRUE(f.AidsCheckBox->Checked());
        EXPECT_EQ(f.TuberculosisEdit->Text(), "memo 1");
        EXPECT_TRUE(f.AnemiaCheckBox->Checked());
        EXPECT_EQ(f.Q3RadioGroup->ItemIndex(), 0);
        EXPECT_EQ(f.BrushingCB->ItemIndex(), 2);
        EXPECT_EQ(f.BrushingEdit->Text(), "after lunch");
        EXPECT_EQ(f.NextCheckupCB->ItemIndex(), 1);
        // Find has loaded the rest.
        EXPECT_EQ(GridColumn(f.NoteStringGrid, 1), QStringList({"初診"}));
        EXPECT_FALSE(Enabled(f.AddButton));
        EXPECT_TRUE(Enabled(f.PrintButton));
        EXPECT_TRUE(Enabled(f.PrintCardButton));
        EXPECT_FALSE(f.bHeaderChanged);
    });
}

TEST_F(KarteSearch, ADoubleClickOrEnterOnARowOpensIt)
{
    AddKartes();
    Show([&] {
        Search([&] {
            FindAll();
            DoubleClickCell(S().MediRecSG, 3, 2);
        });
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "XX-0001-0002");
        Search([&] {
            FindAll();
            PressKey(Qt::Key_Down);
            PressKey(Qt::Key_Down);
            PressKey(Qt::Key_Return);
        });
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "XX-0001-0003");
    });
}

TEST_F(KarteSearch, EnterOnFindListsWithoutOpening)
{
    AddKartes();
    Show([&] {
        Search([&] {
            S().FindButton->setFocus();
            // The key goes down on Find; the list takes the focus before it comes up.
            PressKey(Qt::Key_Return);
            EXPECT_EQ(Listed().size(), 4);
            EXPECT_EQ(S().focusWidget(), S().MediRecSG);
            EXPECT_EQ(S().bOpened, 0);
            EXPECT_TRUE(S().isVisible());
        });
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "");
    });
}

TEST_F(KarteSearch, AMissingPhotoStopsOpenWithTheErrorAndTheSearchStaysOpen)
{
    AddKartes();
    QFile::remove(CurrentFolder() + "/Images/p101.bmp");
    Show([&] {
        Search([&] {
            FindAll();
            Script().Expect(BoxKind::Exception);
            Click(S().OpenButton);
            EXPECT_EQ(S().bOpened, 0);
            EXPECT_TRUE(S().isVisible());
            EXPECT_EQ(Form().MediRecNoEdit->Text(), "XX-0001-0001");
            // Another karte opens.
            ClickCell(S().MediRecSG, 0, 2);
            Click(S().OpenButton);
            EXPECT_EQ(S().bOpened, 1);
        });
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "XX-0001-0002");
        EXPECT_EQ(Form().PhotoLabel->Caption(), "");
    });
}

// Every way the editor empties its examinee fields empties the photo's name too: sheet A
// would print it for the next karte.
TEST_F(KarteSearch, EmptyingTheExamineeFieldsForgetsThePhotosName)
{
    AddKartes();
    const struct
    {
        const char* way;
        std::function<void()> empty; // none: the window closed and shown again
    } ways[] = {
        {"the next showing", nullptr},
        {"New", [this] { Click(Form().NewButton); }},
        {"a cancelled Find", [this] { Search([] {}); }},
        {"Delete",
         [this] {
             Script().Expect(BoxKind::Question, mrYes);
             Click(Form().DeleteButton);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        Show([&] {
            FindThroughSearch("XX-0001-0001");
            ASSERT_EQ(Form().PhotoLabel->Caption().toStdString(), "p101.bmp");
            if (!way.empty)
                return;
            way.empty();
            EXPECT_EQ(Form().PatientNoEdit->Text().toStdString(), "");
            EXPECT_EQ(Form().PhotoLabel->Caption().toStdString(), "");
        });
        if (!way.empty)
            Show([&] { EXPECT_EQ(Form().PhotoLabel->Caption().toStdString(), ""); });
    }
}

// ---------------------------------------------------------------------------------------------
// Size and column widths

TEST_F(KarteSearch, KeepsItsSizeAndColumnWidthsAndTheListGrowsWithTheWindow)
{
    auto setting = [](const QString& key) {
        return MainMenuForm->IniFile->ReadString("SearchMediRec", key, "-");
    };
    Show([&] {
        Search([&] {});
        EXPECT_EQ(setting("FormHeight"), "-");
        EXPECT_EQ(setting("ColWidth0"), "-");
        Search([&] {
            const QSize client = S().size();
            const QSize grid = S().MediRecSG->size();
            const QPoint cancel = S().CancelButton->pos();
            S().SetHeight(546);
            S().SetWidth(804);
            S().MediRecSG->SetColWidth(3, 120);
            const QSize grown = S().size() - client;
            EXPECT_EQ(S().MediRecSG->size(), grid + grown);
            EXPECT_EQ(S().CancelButton->pos(), cancel + QPoint(grown.width(), grown.height()));
        });
        EXPECT_EQ(setting("FormHeight"), "546");
        EXPECT_EQ(setting("FormWidth"), "804");
        EXPECT_EQ(setting("ColWidth3"), "120");
        EXPECT_EQ(setting("ColWidth2"), "-");
        Search([&] {
            EXPECT_EQ(S().Height(), 546);
            EXPECT_EQ(S().MediRecSG->ColWidth(3), 120);
        });
    });
}
