// The karte editor and the karte search act on the karte they opened: once another program has
// deleted it and given its number to a new karte of another examinee, the rows added from the
// editor and the deletes of either window are refused with their messages, and the new karte
// holds nothing of them. With nothing raced every action stores as before.
#include "records/EditDietUnit.h"
#include "records/EditNoteUnit.h"
#include "records/EditTreatmentUnit.h"
#include "records/MedicalRecordSearchUnit.h"
#include "tests/records/KarteRowsFixture.h"
#include "tests/support/OtherProgram.h"

using namespace widgets;

namespace {

class StaleKarte;

// One action an operator takes on the open karte: `act` runs it, the other program having given
// the number away just before when `raced`; `written` counts what it stores, `expected` being
// that count with and without the race.
struct StaleAction
{
    const char* name;
    void (*act)(StaleKarte&, bool raced);
    const char* written;
    const char* expected[2]; // raced, not raced
};

void PrintTo(const StaleAction& a, std::ostream* out)
{
    *out << a.name;
}

class StaleKarte : public KarteRows
{
public:
    void SetUp() override
    {
        KarteRows::SetUp();
        AddExaminee("101", "Yamada", "Taro", "ヤマダ", "タロウ", "2005/04/02", 0, 0);
        AddExaminee("102", "Sato", "Jiro", "サトウ", "ジロウ", "2006/07/08", 0, 0);
    }

    // The karte of examinee 101, with one check-up to hold diet rows.
    void StoreLoadedKarte()
    {
        for (const char* table :
             {"KarteTable", "PSTable", "CheckupTable", "DietInquiryTable", "NoteTable", "TreatmentTable"})
            program.Database().Exec(QString("DELETE FROM %1;").arg(table));
        AddKarte(Karte, "2015/04/01", "101");
        StoreCheckup("2015/05/01");
    }

    // The other program deletes the karte and stores a new one of examinee 102 under its number.
    void GiveAwayWhen(bool raced)
    {
        if (!raced)
            return;
        int code = 0;
        ASSERT_TRUE(RunHelper({"give-away-karte", Karte, "102"}, code));
        ASSERT_EQ(code, 1);
    }

    // The row dialogs, filled in as the operator does, then OK: the refusal expected when raced
    // (the dialog then stays open and is cancelled).
    template <class Dialog>
    void StoreFromDialog(Dialog& dialog, QWidget* newButton, bool raced, const std::function<void()>& fill,
                         const QString& refusal)
    {
        Script().OnModal(dialog, [&] {
            fill();
            GiveAwayWhen(raced);
            if (raced)
                Script().Expect(BoxKind::Error, refusal + StaleNote);
            Click(dialog.OkButton);
            if (raced) {
                EXPECT_EQ(dialog.ModalResult(), mrNone);
                Click(dialog.CancelButton);
            }
        });
        Click(newButton);
    }

    static void AddNote(StaleKarte& t, bool raced)
    {
        TEditNoteForm& d = *EditNoteForm;
        t.StoreFromDialog(
            d, t.Form().NoteNewButton, raced,
            [&] {
                t.NextPickedDate("20150601");
                Click(d.DateBitBtn);
                Type(d.DescriptionEdit, "late");
                Choose(d.WrittenByCB, 0);
            },
            "備考テーブルに追加できませんでした。(-3)\n  2015/06/01,late,山田, 太郎");
        EXPECT_EQ(t.Form().nNoteRecords, raced ? 0 : 1);
    }

    static void AddTreatment(StaleKarte& t, bool raced)
    {
        TEditTreatmentForm& d = *EditTreatmentForm;
        t.StoreFromDialog(
            d, t.Form().TreatmentNewButton, raced,
            [&] {
                t.NextPickedDate("20150601");
                Click(d.DateBitBtn);
                Type(d.DescriptionEdit, "late");
                Choose(d.DentistCB, 0);
            },
            "療法・処置テーブルに追加できませんでした。(-3)\n  2015/06/01,late,山田, 太郎");
        EXPECT_EQ(t.Form().nTreatmentRecords, raced ? 0 : 1);
    }

    static void AddDietRow(StaleKarte& t, bool raced)
    {
        TEditDietForm& d = *EditDietForm;
        t.StoreFromDialog(
            d, t.Form().DietNewButton, raced,
            [&] {
                Type(d.FoodTypeCB, "Rice");
                Type(d.EatingFreqCB, "Weekly");
            },
            "食事調査テーブルに追加できませんでした。(-3)\n  Rice,Weekly");
        EXPECT_EQ(t.Form().nDietInquiryRecords, raced ? 0 : 1);
    }

    static void AddCheckup(StaleKarte& t, bool raced)
    {
        TMedicalRecordForm& f = t.Form();
        t.GiveAwayWhen(raced);
        if (raced)
            t.Script().Expect(BoxKind::Error, "[" + f.CheckupNewButton->Caption() +
                                                  "]\n検診テーブルに追加できませんでした。(iAC=-3)\n"
                                                  "  tdDate=2015/06/10\n  asKarteNo=AB-0001-0001\n"
                                                  "  iSchoolCode=0\n  asMemo=AB\n  iRTA..=19" +
                                                  StaleNote);
        t.NextPickedDate("20150610");
        Click(f.CheckupNewButton);
        EXPECT_EQ(f.nCheckupRecords, raced ? 1 : 2);
    }

    static void DeleteKarte(StaleKarte& t, bool raced)
    {
        TMedicalRecordForm& f = t.Form();
        t.GiveAwayWhen(raced);
        t.Script().Expect(BoxKind::Question, mrYes);
        if (raced)
            t.Script().Expect(BoxKind::Error,
                              "[カルテ削除(&D)]\nカルテ・テーブルから削除できませんでした。(-2)\n"
                              "AB-0001-0001, 2015/04/01, 101, Taro Yamada" +
                                  StaleNote);
        Click(f.DeleteButton);
        // Refused, the karte stays on screen.
        EXPECT_EQ(f.MediRecNoEdit->Text(), raced ? Karte : "");
    }
};

const StaleAction Actions[] = {
    {"note", StaleKarte::AddNote, "SELECT COUNT(*) FROM NoteTable", {"0", "1"}},
    {"treatment", StaleKarte::AddTreatment, "SELECT COUNT(*) FROM TreatmentTable", {"0", "1"}},
    {"diet row", StaleKarte::AddDietRow, "SELECT COUNT(*) FROM DietInquiryTable", {"0", "1"}},
    {"check-up", StaleKarte::AddCheckup, "SELECT COUNT(*) FROM CheckupTable", {"1", "2"}},
    // The live kartes: the new one stays; without the race the one deleted is the loaded one.
    {"karte delete",
     StaleKarte::DeleteKarte,
     "SELECT COUNT(*) FROM KarteTable WHERE DeleteFlag = 0",
     {"1", "0"}},
};

} // namespace

TEST_F(StaleKarte, RowsAndDeletesFromTheEditorActOnTheKarteItOpened)
{
    for (const StaleAction& action : Actions)
        for (const bool raced : {true, false}) {
            SCOPED_TRACE(::testing::PrintToString(action) + (raced ? ", number given away meanwhile" : ""));
            StoreLoadedKarte();
            Show([&] {
                Find(Karte);
                action.act(*this, raced);
            });
            EXPECT_EQ(program.Database().Scalar(action.written), action.expected[raced ? 0 : 1]);
            if (raced) {
                // The new karte is examinee 102's, live, and holds nothing.
                EXPECT_EQ(program.Database().Scalar(
                              "SELECT COUNT(*) FROM KarteTable WHERE DeleteFlag = 0 AND PatientCode = "
                              "(SELECT Code FROM Patient2Table WHERE PatientNo = 102)"),
                          "1");
                for (const char* table : {"CheckupTable", "NoteTable", "TreatmentTable"})
                    EXPECT_EQ(program.Database().Scalar(
                                  QString("SELECT COUNT(*) FROM %1 WHERE KarteCode IN "
                                          "(SELECT Code FROM KarteTable WHERE DeleteFlag = 0)")
                                      .arg(table)),
                              "0")
                        << table;
            }
        }
}

TEST_F(StaleKarte, TheSearchDeletesTheKarteItListedOnly)
{
    for (const bool raced : {true, false}) {
        SCOPED_TRACE(raced ? "number given away meanwhile" : "nothing raced");
        StoreLoadedKarte();
        Show([&] {
            Search([&] {
                TMedicalRecordSearchForm& s = *MedicalRecordSearchForm;
                TypeOver(s.MediRecNoEdit, Karte);
                Click(s.FindButton);
                ASSERT_EQ(s.MediRecSG->Cell(0, 1), Karte);
                GiveAwayWhen(raced);
                Script().Expect(BoxKind::Question, mrYes);
                if (raced)
                    Script().Expect(BoxKind::Error,
                                    "カルテ・テーブルから削除できませんでした。\n"
                                    "AB-0001-0001,2015/04/01,101,Yamada,Taro,ヤマダ,タロウ,\n(-2)" +
                                        StaleNote);
                Click(s.DeleteButton);
                EXPECT_EQ(s.MediRecSG->Cell(0, 1), raced ? Karte : "");
            });
        });
        EXPECT_EQ(
            program.Database().Scalar("SELECT group_concat(p.PatientNo) FROM KarteTable k, Patient2Table p "
                                      "WHERE k.DeleteFlag = 0 AND k.PatientCode = p.Code"),
            raced ? "102" : "");
    }
}
