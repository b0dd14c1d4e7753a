// The karte editor's notes, treatments and diet rows: the grids as Find fills them, the
// three deletes with their questions and messages, the New buttons at the arrays'
// limits, and rows added through the dialogs keeping their database codes.
#include "platform/widgets/MessageForms.h"
#include "records/EditDietUnit.h"
#include "records/EditNoteUnit.h"
#include "records/EditTreatmentUnit.h"
#include "tests/records/KarteRowsFixture.h"

using namespace widgets;

namespace {

// One kind of row as the karte editor shows it.
struct Section
{
    const char* name;
    StringGrid* (*grid)(TMedicalRecordForm&);
    Label* (*label)(TMedicalRecordForm&);
    Button* (*newButton)(TMedicalRecordForm&);
    Button* (*editButton)(TMedicalRecordForm&);
    Button* (*deleteButton)(TMedicalRecordForm&);
};

const Section Notes = {
    "notes",
    [](TMedicalRecordForm& f) { return f.NoteStringGrid; },
    [](TMedicalRecordForm& f) { return f.NoteLabel; },
    [](TMedicalRecordForm& f) { return f.NoteNewButton; },
    [](TMedicalRecordForm& f) { return f.NoteEditButton; },
    [](TMedicalRecordForm& f) { return f.NoteDeleteButton; },
};
const Section Treatments = {
    "treatments",
    [](TMedicalRecordForm& f) { return f.TreatmentSG; },
    [](TMedicalRecordForm& f) { return f.TreatmentLabel; },
    [](TMedicalRecordForm& f) { return f.TreatmentNewButton; },
    [](TMedicalRecordForm& f) { return f.TreatmentEditButton; },
    [](TMedicalRecordForm& f) { return f.TreatmentDeleteButton; },
};
const Section DietRows = {
    "diet rows",
    [](TMedicalRecordForm& f) { return f.DietInqSG; },
    [](TMedicalRecordForm& f) { return f.DietInqLabel; },
    [](TMedicalRecordForm& f) { return f.DietNewButton; },
    [](TMedicalRecordForm& f) { return f.DietEditButton; },
    [](TMedicalRecordForm& f) { return f.DietDeleteButton; },
};

} // namespace

class Rows : public KarteRows
{
protected:
    // Three notes, three treatments, and a check-up with three diet rows.
    void StoreThreeOfEach()
    {
        StoreKarte();
        StoreNote("2015/04/01", "first note", "101");
        StoreNote("2015/04/02", "second note", "102");
        StoreNote("2015/04/03", "third note", "101");
        StoreTreatment("2015/04/01", "scaling", "101");
        StoreTreatment("2015/04/02", "filling", "102");
        StoreTreatment("2015/04/03", "sealant", "101");
        checkup = StoreCheckup("2015/04/01");
        StoreDietRow(checkup, "Rice", "Daily");
        StoreDietRow(checkup, "Sweets", "Weekly");
        StoreDietRow(checkup, "Bread", "Never");
    }
    int checkup = 0;
};

// --- What Find shows -----------------------------------------------------------------------

TEST_F(Rows, FindShowsEachKindInItsGridWithCountsAndButtons)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(GridRows(f.NoteStringGrid),
                  QStringList({"2015/04/01|first note|山田, 太郎", "2015/04/02|second note|佐藤, 花子",
                               "2015/04/03|third note|山田, 太郎"}));
        EXPECT_EQ(GridRows(f.TreatmentSG),
                  QStringList({"2015/04/01|scaling|山田, 太郎", "2015/04/02|filling|佐藤, 花子",
                               "2015/04/03|sealant|山田, 太郎"}));
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Rice|Daily", "Sweets|Weekly", "Bread|Never"}));
        for (const Section* s : {&Notes, &Treatments, &DietRows}) {
            EXPECT_EQ(s->label(f)->Caption(), "3") << s->name;
            for (Button* b : {s->newButton(f), s->editButton(f), s->deleteButton(f)})
                EXPECT_TRUE(b->isEnabled()) << s->name;
        }
    });
}

// --- Delete --------------------------------------------------------------------------------

TEST_F(Rows, DeletingTheMiddleNoteMovesTheThirdUpAndFreesTheLastIndex)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.NoteStringGrid, 2);
        Script().Expect(
            BoxKind::Question,
            "[行削除(&D)]\n2行目のデータを削除してよいですか？\n  2015/04/02,second note,佐藤, 花子", mrYes);
        Click(f.NoteDeleteButton);
        EXPECT_EQ(GridRows(f.NoteStringGrid),
                  QStringList({"2015/04/01|first note|山田, 太郎", "2015/04/03|third note|山田, 太郎"}));
        EXPECT_EQ(f.NoteLabel->Caption(), "2");
        EXPECT_EQ(f.nNoteRecords, 2);
        EXPECT_EQ(f.tstNoteRec[1].asDescription, "third note");
        EXPECT_EQ(f.tnNoteStaffIndex[1], 0);
        EXPECT_EQ(f.tnNoteStaffIndex[2], -1);
        // The row that was current shows the note that followed.
        EXPECT_EQ(f.NoteStringGrid->Row(), 2);
        EXPECT_TRUE(f.NoteEditButton->isEnabled());
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/01|first note|101", "2015/04/03|third note|101"}));
    EXPECT_EQ(Script().Sounds().front(), Sound::Question);
}

TEST_F(Rows, TheTreatmentQuestionHasNoCaptionLineAndTheLastRowCanGo)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.TreatmentSG, 3);
        Script().Expect(BoxKind::Question,
                        "3行目のデータを削除してよいですか？\n  2015/04/03,sealant,山田, 太郎", mrYes);
        Click(f.TreatmentDeleteButton);
        EXPECT_EQ(GridRows(f.TreatmentSG),
                  QStringList({"2015/04/01|scaling|山田, 太郎", "2015/04/02|filling|佐藤, 花子"}));
        EXPECT_EQ(f.tnTreatmentStaffIndex[2], -1);
        EXPECT_EQ(f.TreatmentLabel->Caption(), "2");
    });
    EXPECT_EQ(StoredTreatments(), QStringList({"2015/04/01|scaling|101", "2015/04/02|filling|102"}));
}

TEST_F(Rows, DeletingTheOnlyRowLeavesAnEmptyRowAndDisablesEditAndDelete)
{
    StoreKarte();
    StoreNote("2015/04/01", "only note", "101");
    StoreTreatment("2015/04/01", "only treatment", "102");
    checkup = StoreCheckup("2015/04/01");
    StoreDietRow(checkup, "Rice", "Daily");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        Script().Expect(
            BoxKind::Question,
            "[行削除(&D)]\n1行目のデータを削除してよいですか？\n  2015/04/01,only note,山田, 太郎", mrYes);
        Script().Expect(BoxKind::Question,
                        "1行目のデータを削除してよいですか？\n  2015/04/01,only treatment,佐藤, 花子", mrYes);
        Script().Expect(BoxKind::Question, "[行削除]\n1行目のデータを削除してよいですか？\n  Rice,Daily",
                        mrYes);
        for (const Section* s : {&Notes, &Treatments, &DietRows}) {
            SelectRow(s->grid(f), 1);
            Click(s->deleteButton(f));
            EXPECT_EQ(s->grid(f)->RowCount(), 2) << s->name;
            EXPECT_EQ(GridRows(s->grid(f)).join("").remove('|'), "") << s->name;
            EXPECT_EQ(s->label(f)->Caption(), "0") << s->name;
            EXPECT_FALSE(s->editButton(f)->isEnabled()) << s->name;
            EXPECT_FALSE(s->deleteButton(f)->isEnabled()) << s->name;
            EXPECT_TRUE(s->newButton(f)->isEnabled()) << s->name;
        }
        EXPECT_EQ(f.tnNoteStaffIndex[0], -1);
        EXPECT_EQ(f.tnTreatmentStaffIndex[0], -1);
        EXPECT_EQ(f.tnDietFoodIndex[0], -1);
        EXPECT_EQ(f.tnDietFrequencyIndex[0], -1);
    });
    EXPECT_EQ(StoredNotes(), QStringList());
    EXPECT_EQ(StoredTreatments(), QStringList());
    EXPECT_EQ(StoredDietRows(checkup), QStringList());
}

TEST_F(Rows, DeletingADietRowClosesTheGapInBothIndexLists)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.DietInqSG, 1);
        Script().Expect(BoxKind::Question, "[行削除]\n1行目のデータを削除してよいですか？\n  Rice,Daily",
                        mrYes);
        Click(f.DietDeleteButton);
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"Sweets|Weekly", "Bread|Never"}));
        // Foods by name (Bread, Rice, Sweets), frequencies by display order.
        EXPECT_EQ(std::vector<int>(f.tnDietFoodIndex, f.tnDietFoodIndex + 3), std::vector<int>({2, 0, -1}));
        EXPECT_EQ(std::vector<int>(f.tnDietFrequencyIndex, f.tnDietFrequencyIndex + 3),
                  std::vector<int>({1, 2, -1}));
        EXPECT_EQ(f.tstDietInquiryRec[0].iFoodCode, FoodCode("Sweets"));
        EXPECT_EQ(f.DietInqLabel->Caption(), "2");
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList({"Sweets|Weekly", "Bread|Never"}));
}

TEST_F(Rows, AnsweringNoDeletesNothing)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        for (const Section* s : {&Notes, &Treatments, &DietRows}) {
            const QStringList before = GridRows(s->grid(f));
            SelectRow(s->grid(f), 2);
            Script().Expect(BoxKind::Question, mrNo);
            Click(s->deleteButton(f));
            EXPECT_EQ(GridRows(s->grid(f)), before) << s->name;
            EXPECT_EQ(s->label(f)->Caption(), "3") << s->name;
        }
    });
    EXPECT_EQ(StoredNotes().size(), 3);
    EXPECT_EQ(StoredTreatments().size(), 3);
    EXPECT_EQ(StoredDietRows(checkup).size(), 3);
}

TEST_F(Rows, AFailedDeleteReportsTheTableAndTheRowAndChangesNothing)
{
    StoreThreeOfEach();
    const struct
    {
        const Section* section;
        const char* table;
        const char* message;
    } cases[] = {
        {&Notes, "NoteTable",
         "[行削除(&D)]\n備考テーブルから削除できませんでした．(-1)\n  2015/04/02,second note,佐藤, 花子"},
        {&Treatments, "TreatmentTable",
         "療法・処置テーブルから削除できませんでした．(-1)\n  2015/04/02,filling,佐藤, 花子"},
        {&DietRows, "DietInquiryTable",
         "[行削除]\n食事調査テーブルから削除できませんでした．(-1)\n  Sweets,Weekly"},
    };
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        for (const auto& c : cases) {
            // The table goes away under the program: its delete raises.
            program.Database().Exec(QString("ALTER TABLE %1 RENAME TO Gone%1;").arg(c.table));
            const QStringList before = GridRows(c.section->grid(f));
            SelectRow(c.section->grid(f), 2);
            Script().Expect(BoxKind::Question, mrYes);
            Script().Expect(BoxKind::Error, c.message);
            Click(c.section->deleteButton(f));
            EXPECT_EQ(GridRows(c.section->grid(f)), before) << c.section->name;
            EXPECT_EQ(c.section->label(f)->Caption(), "3") << c.section->name;
            EXPECT_TRUE(c.section->deleteButton(f)->isEnabled()) << c.section->name;
            program.Database().Exec(QString("ALTER TABLE Gone%1 RENAME TO %1;").arg(c.table));
        }
    });
    EXPECT_EQ(StoredNotes().size(), 3);
    EXPECT_EQ(StoredTreatments().size(), 3);
    EXPECT_EQ(StoredDietRows(checkup).size(), 3);
}

// --- New and Edit --------------------------------------------------------------------------

TEST_F(Rows, NewAndEditOpenTheDialogsInTheirModes)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        int modes[3] = {-1, -1, -1};
        Script().OnModal(*EditNoteForm, [&] {
            modes[0] = EditNoteForm->iEditMode;
            EditNoteForm->Close();
        });
        Script().OnModal(*EditTreatmentForm, [&] {
            modes[1] = EditTreatmentForm->iEditMode;
            EditTreatmentForm->Close();
        });
        Script().OnModal(*EditDietForm, [&] {
            modes[2] = EditDietForm->iEditMode;
            EditDietForm->Close();
        });
        for (const Section* s : {&Notes, &Treatments, &DietRows})
            Click(s->newButton(f));
        EXPECT_EQ(std::vector<int>(modes, modes + 3), std::vector<int>({0, 0, 0}));

        Script().OnModal(*EditNoteForm, [&] {
            modes[0] = EditNoteForm->iEditMode;
            EditNoteForm->Close();
        });
        Script().OnModal(*EditTreatmentForm, [&] {
            modes[1] = EditTreatmentForm->iEditMode;
            EditTreatmentForm->Close();
        });
        Script().OnModal(*EditDietForm, [&] {
            modes[2] = EditDietForm->iEditMode;
            EditDietForm->Close();
        });
        for (const Section* s : {&Notes, &Treatments, &DietRows}) {
            SelectRow(s->grid(f), 2);
            Click(s->editButton(f));
        }
        EXPECT_EQ(std::vector<int>(modes, modes + 3), std::vector<int>({1, 1, 1}));
    });
    EXPECT_EQ(Script().Showings().count("EditDietForm"), 2);
}

TEST_F(Rows, TheDietDialogIsCentredOnTheDietGridWithItsMiddleOnTheGridsTop)
{
    StoreThreeOfEach();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        QPoint placed;
        Script().OnModal(*EditDietForm, [&] {
            placed = QPoint(EditDietForm->Left(), EditDietForm->Top());
            EditDietForm->Close();
        });
        // The dialog's size as the editor reads it, before the showing.
        const int left = f.Left() + f.CheckukpGroupBox->x() + f.DietInqSG->x() + f.DietInqSG->width() / 2 -
                         EditDietForm->Width() / 2;
        const int top = f.Top() + f.CheckukpGroupBox->y() + f.DietInqSG->y() - EditDietForm->Height() / 2;
        Click(f.DietNewButton);
        EXPECT_EQ(placed, QPoint(left, top));
    });
}

class RowLimits : public Rows
{
protected:
    // `count` notes and treatments on the karte, in one statement each.
    void FillKarte(int count)
    {
        for (const char* table : {"NoteTable", "TreatmentTable"}) {
            const QString text = QString(table) == "NoteTable" ? "Description" : "Treatment";
            program.Database().Exec(
                QString(
                    "INSERT INTO %1 (RDate, %2, StaffCode, KarteCode) "
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %3) "
                    "SELECT '2015-04-01', 'row ' || i, (SELECT Code FROM Staff2Table WHERE StaffNo = 101), "
                    "(SELECT Code FROM KarteTable WHERE KarteNo = '%4') FROM n;")
                    .arg(table, text)
                    .arg(count)
                    .arg(Karte));
        }
    }
};

TEST_F(RowLimits, NewRefusesWithAWarningOnceASectionShowsAllItsArrayHolds)
{
    StoreKarte();
    FillKarte(400);
    checkup = StoreCheckup("2015/04/01");
    for (int i = 0; i < 20; ++i)
        StoreDietRow(checkup, "Rice", "Daily");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        ASSERT_EQ(f.nNoteRecords, 400);
        ASSERT_EQ(f.nDietInquiryRecords, 20);
        Script().Expect(BoxKind::Warning,
                        "[新規行...]\n備考行数が400あります。\n400を越える行は追加できません。");
        Script().Expect(BoxKind::Warning,
                        "[新規行...]\n療法・処置行数が400あります。\n400を越える行は追加できません。");
        Script().Expect(BoxKind::Warning,
                        "[新規行...]\n食事調査行数が20あります。\n20を越える行は追加できません。");
        for (const Section* s : {&Notes, &Treatments, &DietRows})
            Click(s->newButton(f));
        EXPECT_EQ(f.nNoteRecords, 400);
        EXPECT_EQ(f.NoteStringGrid->RowCount(), 401);
    });
    EXPECT_EQ(Script().Showings().count("EditNoteForm"), 0);
    EXPECT_EQ(Script().Sounds().back(), Sound::Asterisk);
    EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM NoteTable"), "400");
}

TEST_F(RowLimits, TheLastPlaceBelowTheLimitCanStillBeFilled)
{
    StoreKarte();
    FillKarte(399);
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        Script().OnModal(*EditNoteForm, [&] {
            NextPickedDate("20150501");
            Click(EditNoteForm->DateBitBtn);
            Type(EditNoteForm->DescriptionEdit, "the 400th");
            Choose(EditNoteForm->WrittenByCB, 0);
            Click(EditNoteForm->OkButton);
        });
        Click(f.NoteNewButton);
        EXPECT_EQ(f.nNoteRecords, 400);
        EXPECT_EQ(f.NoteStringGrid->Cells[1][400], "the 400th");
        Script().Expect(BoxKind::Warning);
        Click(f.NoteNewButton);
    });
    EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM NoteTable"), "400");
}

// --- Rows added in the window --------------------------------------------------------------

// An added row keeps the code the table gave it: editing it after a delete moved the
// rows must change that row, not the one whose stale record its array place still held.
TEST_F(Rows, ANoteAddedInTheWindowIsEditedAndDeletedByItsOwnCode)
{
    StoreKarte();
    StoreNote("2015/04/01", "first", "101");
    StoreNote("2015/04/02", "second", "102");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.NoteStringGrid, 1);
        Script().Expect(BoxKind::Question, mrYes);
        Click(f.NoteDeleteButton);

        Script().OnModal(*EditNoteForm, [&] {
            NextPickedDate("20150503");
            Click(EditNoteForm->DateBitBtn);
            Type(EditNoteForm->DescriptionEdit, "added");
            Choose(EditNoteForm->WrittenByCB, 0);
            Click(EditNoteForm->OkButton);
        });
        Click(f.NoteNewButton);
        EXPECT_EQ(f.tstNoteRec[1].iCode,
                  program.Database().Scalar("SELECT MAX(Code) FROM NoteTable").toInt());

        SelectRow(f.NoteStringGrid, 2);
        Script().OnModal(*EditNoteForm, [&] {
            Type(EditNoteForm->DescriptionEdit, " and edited");
            Click(EditNoteForm->OkButton);
        });
        Click(f.NoteEditButton);
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/02|second|102", "2015/05/03|added and edited|101"}));

    // Found again, the rows read back as the window showed them; the added one deletes alone.
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(GridRows(f.NoteStringGrid),
                  QStringList({"2015/04/02|second|佐藤, 花子", "2015/05/03|added and edited|山田, 太郎"}));
        SelectRow(f.NoteStringGrid, 2);
        Script().Expect(BoxKind::Question, mrYes);
        Click(f.NoteDeleteButton);
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/02|second|102"}));
}

// --- Members, foods and frequencies no longer listed ---------------------------------------

TEST_F(Rows, ARowWhoseMemberFoodOrFrequencyIsGoneShowsAnEmptyName)
{
    StoreKarte();
    StoreNote("2015/04/01", "by a member who left", "102");
    StoreTreatment("2015/04/01", "by a member who left", "102");
    checkup = StoreCheckup("2015/04/01");
    StoreDietRow(checkup, "Sweets", "Never");
    program.Database().Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 102;");
    program.Database().Exec("DELETE FROM FoodTable WHERE Name = 'Sweets';");
    program.Database().Exec("DELETE FROM FrequencyTable WHERE Name = 'Never';");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(GridRows(f.NoteStringGrid), QStringList({"2015/04/01|by a member who left|"}));
        EXPECT_EQ(GridRows(f.TreatmentSG), QStringList({"2015/04/01|by a member who left|"}));
        EXPECT_EQ(GridRows(f.DietInqSG), QStringList({"|"}));
        EXPECT_EQ(f.tnNoteStaffIndex[0], -1);
        EXPECT_EQ(f.tnTreatmentStaffIndex[0], -1);
        EXPECT_EQ(f.tnDietFoodIndex[0], -1);
        EXPECT_EQ(f.tnDietFrequencyIndex[0], -1);
    });
}

TEST_F(Rows, OnceItsLastDietRowIsDeletedTheCheckupCanGo)
{
    StoreKarte();
    checkup = StoreCheckup("2015/04/01");
    StoreDietRow(checkup, "Rice", "Daily");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        Script().Expect(BoxKind::Error, "[検診削除]\n先に，[食事調査]データを削除してください。");
        Click(f.CheckupDeleteButton);
        SelectRow(f.DietInqSG, 1);
        Script().Expect(BoxKind::Question, mrYes);
        Click(f.DietDeleteButton);
        // Now only the check-up's own question comes.
        Script().Expect(BoxKind::Question, mrNo);
        Click(f.CheckupDeleteButton);
    });
    EXPECT_EQ(StoredDietRows(checkup), QStringList());
}
