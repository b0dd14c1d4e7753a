// Stores given the Code of the row a window shows act on that row only: the replaces and
// deletes of examinees and members, the karte delete, and the adds onto a karte. A row that
// is gone, deleted or holds another number now is refused and nothing is written, even when a
// live row has the number.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/ScriptedInteraction.h"

#include <functional>

namespace {

class StoresByCode : public DataStoreTest
{
protected:
    int CodeOf(const QString& sql) { return Value(sql, "Code").toInt(); }

    // Every row of a table, as text: what a refused store must leave as it was.
    QString Snapshot(const QString& table, const QString& columns)
    {
        return Value(
            QString("SELECT group_concat(Code || ':' || %1, ';') AS rows FROM %2").arg(columns, table),
            "rows");
    }

    ScriptedInteraction script; // the examinee delete's box
};

// An examinee's or member's store by its Code, in the forms the two tables share.
struct PersonKind
{
    const char* name;
    const char* table;
    const char* numberColumn;
    const char* nameColumn;
    std::function<int(const QString& no, const QString& name)> add;
    std::function<int(int code, const QString& no, const QString& name)> replace;
    std::function<int(int code, const QString& no)> del;
};

TEST_F(StoresByCode, AnExamineeOrMemberReplaceOrDeleteActsOnTheRowOfItsCodeOnly)
{
    const PersonKind kinds[] = {
        {"examinee", "Patient2Table", "PatientNo", "Name0",
         [](const QString& no, const QString& name) { return AddPatient(Patient(no, name)); },
         [](int code, const QString& no, const QString& name) {
             stPatientRec r = Patient(no, name);
             r.iCode = code;
             return ReplacePatient(r);
         },
         [this](int code, const QString& no) {
             script.Expect(widgets::BoxKind::Plain);
             return DelPatient(no, code);
         }},
        {"member", "Staff2Table", "StaffNo", "NameKanji0",
         [](const QString& no, const QString& name) { return AddStaff(Staff(no, name)); },
         [](int code, const QString& no, const QString& name) {
             stStaffRecord r = Staff(no, name);
             r.iCode = code;
             return ReplaceStaff(r);
         },
         [](int code, const QString& no) { return DelStaff(no, code); }},
    };
    for (const PersonKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const QString rows =
            QString("%1 || ',' || %2 || ',' || DeleteFlag").arg(kind.numberColumn, kind.nameColumn);
        // 5 deleted, its number given to a new person; 6 live.
        ASSERT_EQ(kind.add("5", "Deleted"), 1);
        const int deleted = GetAddedCode();
        Exec(QString("UPDATE %1 SET DeleteFlag = 1 WHERE Code = %2;").arg(kind.table).arg(deleted));
        ASSERT_EQ(kind.add("5", "New"), 1);
        const int reused = GetAddedCode();
        ASSERT_EQ(kind.add("6", "Live"), 1);
        const int live = GetAddedCode();
        ASSERT_EQ(live,
                  CodeOf(QString("SELECT Code FROM %1 WHERE %2 = 6").arg(kind.table, kind.numberColumn)));

        // The deleted row's Code with its number, a live row's Code with another number, a Code
        // no row has.
        const struct
        {
            int code;
            const char* no;
        } refused[] = {{deleted, "5"}, {live, "5"}, {live + 100, "6"}};
        const QString before = Snapshot(kind.table, rows);
        for (const auto& r : refused) {
            EXPECT_EQ(kind.replace(r.code, r.no, "Overwritten"), dbNoRow) << r.code << " " << r.no;
            EXPECT_EQ(kind.del(r.code, r.no), dbNoRow) << r.code << " " << r.no;
        }
        EXPECT_EQ(Snapshot(kind.table, rows), before);

        // The row of the Code, and no other.
        EXPECT_EQ(kind.replace(reused, "5", "Changed"), 1);
        EXPECT_EQ(kind.del(live, "6"), 1);
        EXPECT_EQ(Snapshot(kind.table, rows),
                  QString("%1:5,Deleted,1;%2:5,Changed,0;%3:6,Live,1").arg(deleted).arg(reused).arg(live));
        // Deleted once, it cannot be deleted again.
        EXPECT_EQ(kind.del(live, "6"), dbNoRow);
    }
}

TEST_F(StoresByCode, AKarteDeleteGivenItsCodeFlagsThatKarteOnly)
{
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0001-0001", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int old = GetAddedCode();
    ASSERT_EQ(DelMedicalRecord("KC-0001-0001", old), 1);
    // Its number given to a new karte: the old karte's Code deletes nothing.
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0001-0001", Day(2021, 2, 1)), stExcursusRec(), ""), 1);
    const int reused = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0001-0002", Day(2021, 3, 1)), stExcursusRec(), ""), 1);
    const int other = GetAddedCode();
    const QString flags = "Code || ',' || DeleteFlag";
    const QString before = Snapshot("KarteTable", flags);
    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", old), dbNoRow);
    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", other), dbNoRow);
    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", other + 100), dbNoRow);
    EXPECT_EQ(Snapshot("KarteTable", flags), before);

    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", reused), 1);
    EXPECT_FALSE(ExistKarteNo("KC-0001-0001"));
    EXPECT_TRUE(ExistKarteNo("KC-0001-0002"));
}

TEST_F(StoresByCode, RowsAddedGivenTheKartesCodeGoOntoThatLiveKarteOnly)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0002-0001", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int old = GetAddedCode();
    stCheckupRecord checkup;
    checkup.asKarteNo = "KC-0002-0001";
    checkup.tDate = Day(2021, 1, 2);
    const int oldCheckup = AddCheckup(checkup, old);
    ASSERT_GT(oldCheckup, 0);
    ASSERT_EQ(DelMedicalRecord("KC-0002-0001", old), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0002-0001", Day(2021, 2, 1)), stExcursusRec(), ""), 1);
    const int reused = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0002-0002", Day(2021, 3, 1)), stExcursusRec(), ""), 1);
    const int other = GetAddedCode();
    checkup.asKarteNo = "KC-0002-0002";
    const int otherCheckup = AddCheckup(checkup, other);
    ASSERT_GT(otherCheckup, 0);

    // Each kind of row, added onto the karte of a Code with the number KC-0002-0001.
    stNoteRecord note;
    note.asDescription = "note";
    note.asStaffNo = "7";
    note.asKarteNo = "KC-0002-0001";
    stTreatmentRecord treatment;
    treatment.asTreatment = "treatment";
    treatment.asStaffNo = "7";
    treatment.asKarteNo = "KC-0002-0001";
    checkup.asKarteNo = "KC-0002-0001";
    const std::function<int(int)> adds[] = {
        [&](int karte) { return AddNote(note, karte); },
        [&](int karte) { return AddTreatment(treatment, karte); },
        [&](int karte) { return AddCheckup(checkup, karte); },
    };
    const QString rows = "SELECT (SELECT group_concat(KarteCode) FROM NoteTable) || '|' || "
                         "(SELECT group_concat(KarteCode) FROM TreatmentTable) || '|' || "
                         "(SELECT group_concat(KarteCode) FROM CheckupTable) AS rows";
    const QString before = Value(rows, "rows");
    for (const std::function<int(int)>& add : adds) {
        // The deleted karte of the number, a live karte of another number, no karte.
        for (const int karte : {old, other, other + 100})
            EXPECT_EQ(add(karte), dbNoKarte) << karte;
    }
    EXPECT_EQ(Value(rows, "rows"), before);
    for (const std::function<int(int)>& add : adds)
        EXPECT_GT(add(reused), 0);
    EXPECT_EQ(Rows(QString("SELECT Code FROM NoteTable WHERE KarteCode = %1").arg(reused)), 1);
    EXPECT_EQ(Rows(QString("SELECT Code FROM TreatmentTable WHERE KarteCode = %1").arg(reused)), 1);
    EXPECT_EQ(Rows(QString("SELECT Code FROM CheckupTable WHERE KarteCode = %1").arg(reused)), 1);

    // A diet row goes only onto a check-up of that karte, and only while it is live.
    const int reusedCheckup =
        CodeOf(QString("SELECT Code FROM CheckupTable WHERE KarteCode = %1").arg(reused));
    stDietInquiryRecord diet;
    diet.iFoodCode = 3;
    for (const auto& [checkupCode, karte] :
         {std::pair{otherCheckup, reused}, std::pair{oldCheckup, old}, std::pair{reusedCheckup, other}}) {
        diet.iCheckupCode = checkupCode;
        EXPECT_EQ(AddDietInquiry(diet, karte), dbNoKarte) << checkupCode << " " << karte;
    }
    EXPECT_EQ(Rows("SELECT Code FROM DietInquiryTable"), 0);
    diet.iCheckupCode = reusedCheckup;
    EXPECT_EQ(AddDietInquiry(diet, reused), 1);
    EXPECT_EQ(GetAddedCode(), CodeOf("SELECT Code FROM DietInquiryTable"));
}

} // namespace
