// Dates the store cannot keep, rows whose date another tool wrote unreadable, and readers
// asked for no rows.
#include "tests/core/data/DataStoreFixture.h"

#include <functional>
#include <limits>

namespace {

class Dates : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        ASSERT_EQ(AddPatient(Patient("1", "Yamada")), 1);
        ASSERT_EQ(AddStaff(Staff("7", "Suzuki")), 1);
        ASSERT_EQ(AddMedicalRecord(Karte("KD-0001", Day(2020, 1, 1)), stExcursusRec(), "1"), 1);
    }
    // Every row the operations below could write.
    int AllRows()
    {
        int rows = 0;
        for (const char* table :
             {"Patient2Table", "KarteTable", "PSTable", "CheckupTable", "NoteTable", "TreatmentTable"})
            rows += Rows(QString("SELECT Code FROM %1").arg(table));
        return rows;
    }
    QString Stored(const QString& sql) { return Value(sql, "d"); }
};

// A check-up, note or treatment of the fixture's karte (and member) on date `d`.
template <class Record> Record OnTheKarte(TDateTime d)
{
    Record r;
    r.tDate = d;
    r.asKarteNo = "KD-0001";
    if constexpr (requires { r.asStaffNo; })
        r.asStaffNo = "7";
    return r;
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Infinity = std::numeric_limits<double>::infinity();

TEST_F(Dates, ADateTheStoreCannotKeepIsRefusedAndWritesNothing)
{
    const struct
    {
        const char* name;
        TDateTime date;
    } dates[] = {
        {"NaN", NaN},
        {"infinity", Infinity},
        {"minus infinity", -Infinity},
        {"year 0", Day(1, 1, 1) - 1},
        {"year 10000", Day(9999, 12, 31) + 1},
    };
    const struct
    {
        const char* name;
        std::function<int(TDateTime)> store;
        int refused;
    } operations[] = {
        {"AddPatient",
         [](TDateTime d) {
             stPatientRec r = Patient("2", "Tanaka");
             r.tBirth = d;
             return AddPatient(r);
         },
         dbFailed},
        {"ReplacePatient",
         [](TDateTime d) {
             stPatientRec r = Patient("1", "Yamada");
             r.tBirth = d;
             return ReplacePatient(r);
         },
         dbFailed},
        {"AddMedicalRecord", [](TDateTime d) { return AddMedicalRecord(Karte("KD-0002", d), {}, ""); },
         dbKarteNotInserted},
        {"ReplaceMedicalRecord",
         [](TDateTime d) { return ReplaceMedicalRecord(Karte("KD-0001", d), {}, "1"); }, dbKarteNotUpdated},
        {"AddCheckup", [](TDateTime d) { return AddCheckup(OnTheKarte<stCheckupRecord>(d)); }, dbFailed},
        {"AddNote", [](TDateTime d) { return AddNote(OnTheKarte<stNoteRecord>(d)); }, dbFailed},
        {"AddTreatment", [](TDateTime d) { return AddTreatment(OnTheKarte<stTreatmentRecord>(d)); },
         dbFailed},
        {"SearchMedicalRecord",
         [](TDateTime d) {
             stPatientRec any;
             any.iSex = -1;
             return SearchMedicalRecord(Karte("", d), Day(3000, 1, 1), any);
         },
         dbFailed},
    };
    const int rows = AllRows();
    const QString birth = Stored("SELECT Birth AS d FROM Patient2Table WHERE PatientNo = 1");
    for (const auto& date : dates)
        for (const auto& operation : operations) {
            EXPECT_EQ(operation.store(date.date), operation.refused) << operation.name << " " << date.name;
            EXPECT_EQ(AllRows(), rows) << operation.name << " " << date.name;
        }
    EXPECT_EQ(Stored("SELECT Birth AS d FROM Patient2Table WHERE PatientNo = 1"), birth);
    EXPECT_EQ(Stored("SELECT RDate AS d FROM KarteTable WHERE KarteNo = 'KD-0001'"), "2020/01/01");
    // The edges themselves are kept.
    stPatientRec edge = Patient("3", "Edge");
    edge.tBirth = Day(1, 1, 1);
    EXPECT_EQ(AddPatient(edge), 1);
    edge = Patient("4", "Edge");
    edge.tBirth = Day(9999, 12, 31);
    EXPECT_EQ(AddPatient(edge), 1);
}

TEST_F(Dates, ARowWhoseDateAnotherToolWroteUnreadableReadsAsTheEmptyDate)
{
    const char* const unreadable[] = {"'garbage'",    "'0000-01-01'", "'10000-01-01'",
                                      "'2021-02-30'", "1e300",        "'2021/03/04'"};
    int no = 10;
    for (const char* value : unreadable) {
        ++no;
        Exec(
            QString("INSERT INTO Patient2Table (PatientNo, Birth, Name0, DeleteFlag) VALUES (%1, %2, 'x', 0)")
                .arg(no)
                .arg(value));
        Exec(QString("INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                     "VALUES ('KX-%1', %2, 0, -1, 0)")
                 .arg(no)
                 .arg(value));
        Exec(QString("INSERT INTO PSTable (KarteCode) SELECT Code FROM KarteTable WHERE KarteNo = 'KX-%1'")
                 .arg(no));
        Exec(QString("INSERT INTO CheckupTable (CDate, KarteCode) SELECT %1, Code FROM KarteTable "
                     "WHERE KarteNo = 'KX-%2'")
                 .arg(value)
                 .arg(no));
        Exec(QString(
                 "INSERT INTO NoteTable (RDate, Description, StaffCode, KarteCode) SELECT %1, 'n', 1, Code "
                 "FROM KarteTable WHERE KarteNo = 'KX-%2'")
                 .arg(value)
                 .arg(no));
    }
    const int count = int(std::size(unreadable)) + 1;

    stPatientRec anyPatient;
    anyPatient.iSex = -1;
    ASSERT_EQ(SearchPatient(anyPatient), count);
    std::vector<stPatientRec> patients(count);
    ASSERT_EQ(GetPatients(patients.data(), count), count);
    EXPECT_EQ(patients[0].asName0, "Yamada");
    for (int i = 1; i < count; ++i)
        EXPECT_EQ(patients[i].tBirth, TDateTime(0)) << unreadable[i - 1];

    // The date range finds the kartes whose text sorts inside it: the good one and three.
    ASSERT_EQ(SearchMedicalRecord(Karte("", Day(1, 1, 1)), Day(9999, 12, 31), anyPatient), 4);
    std::vector<stMedicalRec> kartes(4);
    std::vector<stExcursusRec> answers(4);
    ASSERT_EQ(GetMedicalRecords(kartes.data(), patients.data(), answers.data(), 4), 4);
    for (const stMedicalRec& karte : kartes)
        EXPECT_EQ(karte.tDate, karte.asMediRecNo == "KD-0001" ? Day(2020, 1, 1) : TDateTime(0))
            << karte.asMediRecNo;

    stCheckupRecord anyCheckup;
    ASSERT_EQ(SearchCheckup(anyCheckup), count - 1);
    std::vector<stCheckupRecord> checkups(count);
    ASSERT_EQ(GetCheckups(checkups.data(), count), count - 1);
    for (int i = 0; i < count - 1; ++i)
        EXPECT_EQ(checkups[i].tDate, TDateTime(0)) << checkups[i].asKarteNo;

    stNoteRecord anyNote;
    ASSERT_EQ(SearchNote(anyNote), count - 1);
    std::vector<stNoteRecord> notes(count);
    ASSERT_EQ(GetNotes(notes.data(), count), count - 1);
    for (int i = 0; i < count - 1; ++i)
        EXPECT_EQ(notes[i].tDate, TDateTime(0)) << notes[i].asKarteNo;

    // A karte list's first entry shows an unreadable date as no date at all.
    Exec("UPDATE KarteTable SET PatientCode = (SELECT Code FROM Patient2Table WHERE PatientNo = 1)");
    Exec("UPDATE KarteTable SET DeleteFlag = 1 WHERE KarteNo = 'KD-0001'");
    QString first;
    ASSERT_EQ(GetMedicalRecordOfPatient("1", first), count - 1);
    EXPECT_TRUE(first.endsWith(", ")) << first;
}

TEST_F(Dates, AReaderAskedForNoRowsCopiesNone)
{
    stPatientRec anyPatient;
    anyPatient.iSex = -1;
    ASSERT_EQ(SearchPatient(anyPatient), 1);
    stPatientRec patient = Patient("untouched", "untouched");
    EXPECT_EQ(GetPatients(&patient, 0), 0);
    EXPECT_EQ(patient.asName0, QString("untouched"));

    ASSERT_EQ(SearchMedicalRecord(Karte("", Day(1, 1, 1)), Day(9999, 12, 31), anyPatient), 1);
    stMedicalRec karte = Karte("untouched", 0);
    stExcursusRec answers;
    EXPECT_EQ(GetMedicalRecords(&karte, &patient, &answers, 0), 0);
    EXPECT_EQ(karte.asMediRecNo, QString("untouched"));

    stStaffRecord anyStaff;
    anyStaff.iSex = -1;
    anyStaff.iJobCode = -1;
    ASSERT_EQ(SearchStaff(anyStaff), 1);
    stStaffRecord staff = Staff("untouched", "untouched");
    EXPECT_EQ(GetStaffs(&staff, 0), 0);
    EXPECT_EQ(staff.asNameKanji0, QString("untouched"));
}

} // namespace
