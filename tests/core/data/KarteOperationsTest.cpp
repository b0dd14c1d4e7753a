// Karte search, readers, store and delete with the questionnaire, through the facade.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/RefusalNotes.h"

#include <QStringList>

namespace {

const TDateTime Start = Day(1900, 1, 1);
const TDateTime End = Day(3000, 12, 31);

class KarteOperations : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        Exec("INSERT INTO SchoolTable (Name) VALUES ('North School')");
        stPatientRec yamada = Patient("1", "Yamada", 0, 1);
        yamada.asName1 = "Taro";
        yamada.asNameKana0 = "yamada-kana";
        yamada.asNameKana1 = "taro-kana";
        yamada.tBirth = Day(2012, 7, 8);
        yamada.asPortrait = "p1.jpg";
        ASSERT_EQ(AddPatient(yamada), 1);
        ASSERT_EQ(AddPatient(Patient("2", "Tanaka", 1, 1)), 1);
        ASSERT_EQ(AddPatient(Patient("3", "Sato", 1, 0)), 1);
        ASSERT_EQ(Store("KB-0001-0003", Day(2020, 3, 1), "1"), 1);
        ASSERT_EQ(Store("KB-0001-0001", Day(2020, 1, 1), "2"), 1);
        ASSERT_EQ(Store("KB-0001-0002", Day(2020, 2, 1), ""), 1);
        ASSERT_EQ(Store("KB-0001-0004", Day(2020, 4, 1), "3"), 1);
        ASSERT_EQ(Store("KB-0001-0005", Day(2020, 5, 1), "1"), 1);
        ASSERT_EQ(Store("KB-0001-0006", Day(2020, 2, 15), "2"), 1);
        ASSERT_EQ(Store("KC'0001", Day(2020, 6, 1), ""), 1);
        Exec("UPDATE Patient2Table SET DeleteFlag = 1 WHERE PatientNo = 3");
        ASSERT_EQ(DelMedicalRecord("KB-0001-0005"), 1);
        Exec("DELETE FROM PSTable WHERE KarteCode = (SELECT Code FROM KarteTable WHERE KarteNo = "
             "'KB-0001-0006')");
    }

    int Store(const QString& no, TDateTime date, const QString& patientNo, stExcursusRec excursus = {})
    {
        return AddMedicalRecord(Karte(no, date), excursus, patientNo);
    }

    QStringList Found(int count, bool withoutPatient)
    {
        if (count < 0)
            return {QString::number(count)};
        std::vector<stMedicalRec> kartes(count + 1);
        std::vector<stPatientRec> patients(count + 1);
        std::vector<stExcursusRec> answers(count + 1);
        const int read =
            withoutPatient
                ? GetMedicalRecordsWithoutPatient(kartes.data(), patients.data(), answers.data(), count + 1)
                : GetMedicalRecords(kartes.data(), patients.data(), answers.data(), count + 1);
        QStringList numbers;
        for (int i = 0; i < read; ++i)
            numbers << kartes[i].asMediRecNo;
        return numbers;
    }

    // The one karte with that number, read through a search.
    bool ReadKarte(const QString& no, stMedicalRec& karte, stPatientRec& patient, stExcursusRec& answers)
    {
        stMedicalRec filter = Karte(no, Start);
        if (SearchMedicalRecord(filter, End, AnyPatient()) != 1)
            return false;
        return GetMedicalRecords(&karte, &patient, &answers, 1) == 1;
    }

    int Live(const QString& table) { return Rows("SELECT Code FROM " + table); }
};

struct KarteSearchCase
{
    const char* title;
    QString karteNo;
    TDateTime from, to;
    stPatientRec patient;
    QStringList expected;
};

stPatientRec With(void (*fill)(stPatientRec&))
{
    stPatientRec r = AnyPatient();
    fill(r);
    return r;
}

TEST_F(KarteOperations, SearchRestrictsByDatesAndSexAndOrsTheTexts)
{
    const KarteSearchCase cases[] = {
        {"every live karte with a questionnaire, by number",
         "",
         Start,
         End,
         AnyPatient(),
         {"KB-0001-0001", "KB-0001-0002", "KB-0001-0003", "KB-0001-0004", "KC'0001"}},
        {"sex leaves out kartes without examinee; a flagged examinee's kartes are found",
         "",
         Start,
         End,
         With([](stPatientRec& r) { r.iSex = 1; }),
         {"KB-0001-0001", "KB-0001-0004"}},
        {"both dates are inclusive",
         "",
         Day(2020, 2, 1),
         Day(2020, 3, 1),
         AnyPatient(),
         {"KB-0001-0002", "KB-0001-0003"}},
        {"examinee number or family name",
         "",
         Start,
         End,
         With([](stPatientRec& r) {
             r.asPatientNo = "1";
             r.asName0 = "Tan";
         }),
         {"KB-0001-0001", "KB-0001-0003"}},
        {"karte number", "0002", Start, End, AnyPatient(), {"KB-0001-0002"}},
        {"personal name", "", Start, End, With([](stPatientRec& r) { r.asName1 = "Tar"; }), {"KB-0001-0003"}},
        {"kana", "", Start, End, With([](stPatientRec& r) { r.asNameKana1 = "taro"; }), {"KB-0001-0003"}},
        {"school name",
         "",
         Start,
         End,
         With([](stPatientRec& r) { r.asSchoolName = "North"; }),
         {"KB-0001-0001", "KB-0001-0003"}},
        {"an examinee number that is not a number looks for 0",
         "",
         Start,
         End,
         With([](stPatientRec& r) { r.asPatientNo = "x"; }),
         {}},
        // Pasted into the statement, the quote made the search fail with -1.
        {"a single quote is searched for", "C'0", Start, End, AnyPatient(), {"KC'0001"}},
    };
    for (const KarteSearchCase& c : cases) {
        stMedicalRec filter = Karte(c.karteNo, c.from);
        EXPECT_EQ(Found(SearchMedicalRecord(filter, c.to, c.patient), false), c.expected) << c.title;
    }
}

TEST_F(KarteOperations, SearchWithoutExamineeFindsKartesWithoutOne)
{
    const struct
    {
        QString karteNo;
        TDateTime from, to;
        QStringList expected;
    } cases[] = {
        {"", Start, End, {"KB-0001-0002", "KC'0001"}},
        {"0002", Start, End, {"KB-0001-0002"}},
        {"", Day(2020, 6, 1), Day(2020, 6, 1), {"KC'0001"}},
        {"C'0", Start, End, {"KC'0001"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(SearchMedicalRecordWithoutPatient(Karte(c.karteNo, c.from), c.to), true), c.expected)
            << c.karteNo.toStdString();
}

TEST_F(KarteOperations, ReaderFillsTheThreeParallelArrays)
{
    ASSERT_EQ(SearchMedicalRecord(Karte("", Start), End, AnyPatient()), 5);
    stMedicalRec kartes[6];
    stPatientRec patients[6];
    stExcursusRec answers[6];
    for (int i = 0; i < 6; ++i) {
        kartes[i].iCode = 555;
        kartes[i].asMediRecNo = "untouched";
        patients[i].asName0 = "untouched";
        answers[i].asQ2OthersMemo = "untouched";
    }
    ASSERT_EQ(GetMedicalRecords(kartes, patients, answers, 3), 3);
    EXPECT_EQ(kartes[3].asMediRecNo, "untouched");
    EXPECT_EQ(patients[3].asName0, "untouched");
    EXPECT_EQ(answers[3].asQ2OthersMemo, "untouched");

    // KB-0001-0003 of examinee 1
    EXPECT_EQ(kartes[2].asMediRecNo, "KB-0001-0003");
    // The karte's Code, by which the windows act on it.
    EXPECT_EQ(kartes[2].iCode,
              Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0003'", "Code").toInt());
    EXPECT_EQ(kartes[2].tDate, Day(2020, 3, 1));
    EXPECT_EQ(kartes[2].iPatientCode, 1);
    EXPECT_EQ(patients[2].asPatientNo, "1");
    EXPECT_EQ(patients[2].asName0, "Yamada");
    EXPECT_EQ(patients[2].asName1, "Taro");
    EXPECT_EQ(patients[2].asNameKana0, "yamada-kana");
    EXPECT_EQ(patients[2].asNameKana1, "taro-kana");
    EXPECT_EQ(patients[2].tBirth, Day(2012, 7, 8));
    EXPECT_EQ(patients[2].iSex, 0);
    EXPECT_EQ(patients[2].iSchoolCode, 1);
    EXPECT_EQ(patients[2].asSchoolName, "North School");
    EXPECT_EQ(patients[2].asPortrait, "p1.jpg");
    EXPECT_EQ(answers[2].iKarteCode, 1);
    EXPECT_EQ(answers[2].iCode, 1);

    // KB-0001-0002 has no examinee
    EXPECT_EQ(kartes[1].iPatientCode, -1);
    EXPECT_EQ(patients[1].asPatientNo, "");
    EXPECT_EQ(patients[1].asName0, "");
    EXPECT_EQ(patients[1].asSchoolName, "");
    EXPECT_EQ(patients[1].iSex, -1);
    EXPECT_EQ(patients[1].iSchoolCode, 0);
    EXPECT_EQ(patients[1].tBirth, 0.0);

    ASSERT_EQ(SearchMedicalRecordWithoutPatient(Karte("0002", Start), End), 1);
    patients[0] = Patient("99", "stale", 1, 5);
    kartes[1].asMediRecNo = "untouched";
    ASSERT_EQ(GetMedicalRecordsWithoutPatient(kartes, patients, answers, 6), 1);
    EXPECT_EQ(kartes[0].asMediRecNo, "KB-0001-0002");
    EXPECT_EQ(kartes[0].tDate, Day(2020, 2, 1));
    EXPECT_EQ(kartes[0].iPatientCode, -1);
    EXPECT_EQ(patients[0].asPatientNo, "");
    EXPECT_EQ(patients[0].asName0, "");
    EXPECT_EQ(patients[0].iSex, -1);
    EXPECT_EQ(patients[0].iSchoolCode, -1);
    EXPECT_EQ(patients[0].tBirth, 0.0);
    EXPECT_EQ(answers[0].iKarteCode, 3);
    EXPECT_EQ(kartes[1].asMediRecNo, "untouched");
}

TEST_F(KarteOperations, OtherQueriesBetweenSearchAndReaderKeepTheRows)
{
    ASSERT_EQ(SearchMedicalRecordWithoutPatient(Karte("", Start), End), 2);
    EXPECT_EQ(GetMedicalRecordCount(), 6);
    EXPECT_TRUE(ExistKarteNo("KB-0001-0001"));
    EXPECT_EQ(Store("KB-0001-0000", Day(2020, 1, 1), ""), 1);
    EXPECT_EQ(Found(2, true), QStringList({"KB-0001-0002", "KC'0001"}));

    ASSERT_EQ(SearchMedicalRecordWithoutPatient(Karte("0002", Start), End), 1);
    EXPECT_EQ(Found(2, true), QStringList({"KB-0001-0002"}));
}

// Each answer of the questionnaire, set alone, comes back in its own field only.
struct AnswerField
{
    const char* name;
    bool stExcursusRec::*flag;
    QString stExcursusRec::*memo;
};
#define FLAG(n)                                                                                              \
    {                                                                                                        \
#n, &stExcursusRec::b##n, nullptr                                                                    \
    }
#define MEMO(n)                                                                                              \
    {                                                                                                        \
#n, nullptr, &stExcursusRec::as##n                                                                   \
    }
const AnswerField AnswerFields[] = {
    FLAG(AIDS),
    FLAG(Tuberculosis),
    FLAG(BloodInfection),
    FLAG(Hepatitis),
    FLAG(HepatitisB),
    FLAG(HepatitisC),
    FLAG(AirialInfection),
    FLAG(OtherInfection),
    MEMO(TuberculosisMemo),
    MEMO(BloodInfectionMemo),
    MEMO(AirialInfectionMemo),
    MEMO(OtherInfectionMemo),
    FLAG(Q1None),
    FLAG(Q1Anemia),
    FLAG(Q1Swelling),
    FLAG(Q1Bleeding),
    FLAG(Q1Fever),
    FLAG(Q1NoExtraction),
    FLAG(Q2None),
    FLAG(Q2Injection),
    FLAG(Q2Medicine),
    FLAG(Q2Others),
    MEMO(Q2OthersMemo),
    FLAG(Q3),
    FLAG(Q43),
    MEMO(Q43Memo),
    FLAG(Q42),
    MEMO(Q42Memo),
    FLAG(Q41),
    MEMO(Q41Memo),
    FLAG(Q40),
};
#undef FLAG
#undef MEMO

void Set(stExcursusRec& r, const AnswerField& a)
{
    if (a.flag)
        r.*a.flag = true;
    else
        r.*a.memo = QString("memo of ") + a.name;
}

bool IsSet(const stExcursusRec& r, const AnswerField& a)
{
    return a.flag ? r.*a.flag : !(r.*a.memo).isEmpty();
}

TEST_F(KarteOperations, EveryAnswerIsStoredAndReadInItsOwnField)
{
    int n = 0;
    for (const AnswerField& answer : AnswerFields) {
        const QString no = QString("KQ-0000-%1").arg(++n, 4, 10, QChar('0'));
        stExcursusRec given;
        Set(given, answer);
        ASSERT_EQ(Store(no, Day(2021, 1, 1), "", given), 1) << answer.name;
        stMedicalRec karte;
        stPatientRec patient;
        stExcursusRec read;
        ASSERT_TRUE(ReadKarte(no, karte, patient, read)) << answer.name;
        for (const AnswerField& other : AnswerFields)
            EXPECT_EQ(IsSet(read, other), &other == &answer) << answer.name << " read as " << other.name;
        if (answer.memo) {
            EXPECT_EQ(read.*answer.memo, QString("memo of ") + answer.name);
        }

        // The replace writes each answer to its own column as well.
        stExcursusRec replaced;
        Set(replaced, AnswerFields[(n) % std::size(AnswerFields)]);
        ASSERT_EQ(ReplaceMedicalRecord(Karte(no, Day(2021, 1, 1)), replaced, ""), 1);
        ASSERT_TRUE(ReadKarte(no, karte, patient, read));
        for (const AnswerField& other : AnswerFields)
            EXPECT_EQ(IsSet(read, other), &other == &AnswerFields[n % std::size(AnswerFields)])
                << "replaced " << answer.name << " read as " << other.name;
    }
}

TEST_F(KarteOperations, AddStoresHeaderAndQuestionnaire)
{
    stMedicalRec karte = Karte("KN-0001-0001", Day(2021, 2, 3), 4);
    karte.iCode = 77;
    karte.iPatientCode = 0; // none known: the examinee number decides
    stExcursusRec answers;
    answers.iKarteCode = 88; // ignored: the new karte's code is written
    answers.bQ3 = true;
    ASSERT_EQ(AddMedicalRecord(karte, answers, "2"), 1);
    const QString code = Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KN-0001-0001'", "Code");
    EXPECT_EQ(Value("SELECT PatientCode FROM KarteTable WHERE KarteNo = 'KN-0001-0001'", "PatientCode"), "2");
    EXPECT_EQ(Value("SELECT Next FROM KarteTable WHERE KarteNo = 'KN-0001-0001'", "Next"), "4");
    EXPECT_EQ(Rows("SELECT Code FROM PSTable WHERE KarteCode = " + code), 1);

    ASSERT_EQ(AddMedicalRecord(Karte("KN-0001-0002", Day(2021, 2, 3)), answers, ""), 1);
    EXPECT_EQ(Value("SELECT PatientCode FROM KarteTable WHERE KarteNo = 'KN-0001-0002'", "PatientCode"),
              "-1");

    // A number only a flagged karte has is free again.
    EXPECT_EQ(Store("KB-0001-0005", Day(2021, 1, 1), ""), 1);
    EXPECT_EQ(Rows("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0005'"), 2);
    EXPECT_TRUE(ExistKarteNo("KB-0001-0005"));
}

TEST_F(KarteOperations, AddFailuresWriteNothing)
{
    const int kartes = Live("KarteTable");
    const int answers = Live("PSTable");
    const auto unchanged = [&] { return Live("KarteTable") == kartes && Live("PSTable") == answers; };

    EXPECT_EQ(Store("KB-0001-0001", Day(2021, 1, 1), ""), dbNumberInUse);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(Store("KN-0001-0001", Day(2021, 1, 1), "3"), dbFailed); // examinee 3 is flagged
    EXPECT_EQ(Store("KN-0001-0001", Day(2021, 1, 1), "42"), dbFailed);
    EXPECT_TRUE(unchanged());

    Exec("CREATE TRIGGER refuse BEFORE INSERT ON KarteTable BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(Store("KN-0001-0001", Day(2021, 1, 1), ""), dbKarteNotInserted);
    EXPECT_TRUE(unchanged());
    Exec("DROP TRIGGER refuse");

    // The new header cannot be found again: the karte would be left without its questionnaire.
    Exec("CREATE TRIGGER hide AFTER INSERT ON KarteTable BEGIN "
         "UPDATE KarteTable SET DeleteFlag = 1 WHERE Code = NEW.Code; END");
    EXPECT_EQ(Store("KN-0001-0001", Day(2021, 1, 1), ""), dbKarteNotReadBack);
    EXPECT_TRUE(unchanged());
    Exec("DROP TRIGGER hide");

    // Run one by one, the header stayed: a live karte no search finds, holding its number.
    Exec("CREATE TRIGGER refuse BEFORE INSERT ON PSTable BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(Store("KN-0001-0001", Day(2021, 1, 1), ""), dbExcursusNotInserted);
    EXPECT_TRUE(unchanged());
    EXPECT_FALSE(ExistKarteNo("KN-0001-0001"));
    Exec("DROP TRIGGER refuse");
    EXPECT_EQ(Store("KN-0001-0001", Day(2021, 1, 1), ""), 1);
}

TEST_F(KarteOperations, AddInsertsNothingWhenTheDuplicateCheckFails)
{
    const int kartes = Live("KarteTable");
    Break(module->Query3);
    EXPECT_EQ(Store("KB-0001-0001", Day(2021, 1, 1), ""), dbFailed);
    EXPECT_EQ(Live("KarteTable"), kartes);
}

TEST_F(KarteOperations, ReplaceRewritesHeaderAndQuestionnaire)
{
    stExcursusRec answers;
    answers.iCode = 999; // ignored: the karte's own questionnaire row is rewritten
    answers.bAIDS = true;
    answers.asQ41Memo = "twice a day";
    ASSERT_EQ(ReplaceMedicalRecord(Karte("KB-0001-0002", Day(2022, 2, 2), 3), answers, "1"), 1);
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec read;
    ASSERT_TRUE(ReadKarte("KB-0001-0002", karte, patient, read));
    EXPECT_EQ(karte.tDate, Day(2022, 2, 2));
    EXPECT_EQ(karte.iNext, 3);
    EXPECT_EQ(karte.iPatientCode, 1);
    EXPECT_EQ(patient.asName0, "Yamada");
    EXPECT_TRUE(read.bAIDS);
    EXPECT_EQ(read.asQ41Memo, "twice a day");
    EXPECT_EQ(read.iKarteCode, 3);
    EXPECT_EQ(Rows("SELECT Code FROM PSTable WHERE Code = 999"), 0);

    // An empty examinee number detaches the karte.
    ASSERT_EQ(ReplaceMedicalRecord(Karte("KB-0001-0002", Day(2022, 2, 2)), answers, ""), 1);
    ASSERT_TRUE(ReadKarte("KB-0001-0002", karte, patient, read));
    EXPECT_EQ(karte.iPatientCode, -1);
}

TEST_F(KarteOperations, ReplaceFailuresLeaveTheKarteAsItWas)
{
    const auto header = [&] {
        return Value("SELECT RDate FROM KarteTable WHERE KarteNo = 'KB-0001-0003'", "RDate");
    };
    const QString before = header();
    const stMedicalRec changed = Karte("KB-0001-0003", Day(2023, 3, 3));
    stExcursusRec answers;
    answers.bQ40 = true;

    EXPECT_EQ(ReplaceMedicalRecord(Karte("KB-0001-0005", Day(2023, 3, 3)), answers, ""),
              dbNoKarteToDetach); // flagged
    EXPECT_EQ(ReplaceMedicalRecord(Karte("KB-9999-9999", Day(2023, 3, 3)), answers, "1"), dbNoRow);
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, "42"), dbFailed);
    EXPECT_EQ(header(), before);

    Exec("CREATE TRIGGER refuse BEFORE UPDATE ON KarteTable BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, ""), dbKarteNotDetached);
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, "1"), dbKarteNotUpdated);
    Exec("DROP TRIGGER refuse");
    EXPECT_EQ(header(), before);

    // Run one by one, the header was rewritten although the questionnaire was not.
    Exec("CREATE TRIGGER refuse BEFORE UPDATE ON PSTable BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, "1"), dbExcursusNotUpdated);
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, ""), dbExcursusNotUpdated);
    Exec("DROP TRIGGER refuse");
    EXPECT_EQ(header(), before);

    // KB-0001-0006 has lost its questionnaire row.
    const auto header6 = [&] {
        return Value("SELECT RDate FROM KarteTable WHERE KarteNo = 'KB-0001-0006'", "RDate");
    };
    const QString before6 = header6();
    EXPECT_EQ(ReplaceMedicalRecord(Karte("KB-0001-0006", Day(2023, 3, 3)), answers, "2"), dbNoExcursus);
    EXPECT_EQ(header6(), before6);
}

TEST_F(KarteOperations, AReplaceGivenTheKartesCodeRewritesThatKarteOrNothing)
{
    // An add gives the new karte's Code; the readers give it with the questionnaire.
    ASSERT_EQ(Store("KB-0001-0007", Day(2021, 1, 1), ""), 1);
    const int added = GetAddedCode();
    EXPECT_EQ(added, Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0007'", "Code").toInt());
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec read;
    ASSERT_TRUE(ReadKarte("KB-0001-0007", karte, patient, read));
    EXPECT_EQ(read.iKarteCode, added);

    stExcursusRec answers;
    answers.bQ3 = true;
    stMedicalRec changed = Karte("KB-0001-0007", Day(2021, 2, 2));
    changed.iCode = added;
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, "1"), 1);
    ASSERT_TRUE(ReadKarte("KB-0001-0007", karte, patient, read));
    EXPECT_EQ(karte.tDate, Day(2021, 2, 2));
    EXPECT_EQ(patient.asName0, "Yamada");
    EXPECT_TRUE(read.bQ3);
    EXPECT_EQ(ReplaceMedicalRecord(changed, answers, ""), 1);

    // The code of a karte that has another number, of a deleted karte, or of none: nothing is
    // written, with or without an examinee.
    const QString everything = "SELECT group_concat(Code || RDate || PatientCode || DeleteFlag) AS k "
                               "FROM KarteTable";
    const QString questionnaires = "SELECT group_concat(KarteCode || Q3 || AIDS) AS q FROM PSTable";
    const QString kartesBefore = Value(everything, "k");
    const QString answersBefore = Value(questionnaires, "q");
    const int deleted = Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0005'", "Code").toInt();
    const struct
    {
        int code;
        const char* karteNo;
    } refused[] = {{added, "KB-0001-0003"}, {deleted, "KB-0001-0005"}, {added + 100, "KB-0001-0007"}};
    answers.bAIDS = true;
    for (const auto& r : refused) {
        stMedicalRec other = Karte(r.karteNo, Day(2022, 3, 3));
        other.iCode = r.code;
        EXPECT_EQ(ReplaceMedicalRecord(other, answers, "2"), dbNoRow) << r.code << " " << r.karteNo;
        EXPECT_EQ(ReplaceMedicalRecord(other, answers, ""), dbNoRow) << r.code << " " << r.karteNo;
    }
    EXPECT_EQ(Value(everything, "k"), kartesBefore);
    EXPECT_EQ(Value(questionnaires, "q"), answersBefore);
}

TEST_F(KarteOperations, DeleteFlagsEveryRowWithTheNumber)
{
    EXPECT_EQ(Store("KB-0001-0005", Day(2021, 1, 1), ""), 1);
    EXPECT_EQ(DelMedicalRecord("KB-0001-0005"), 1);
    EXPECT_EQ(Rows("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0005' AND DeleteFlag = 1"), 2);
    EXPECT_EQ(Rows("SELECT Code FROM PSTable"), 7); // questionnaires stay
    EXPECT_EQ(GetMedicalRecordCount(), 6);
    Break(module->Query2);
    EXPECT_EQ(DelMedicalRecord("KB-0001-0001"), dbFailed);
    EXPECT_EQ(GetMedicalRecordCount(), dbFailed);
}

TEST_F(KarteOperations, KartesOfAnExaminee)
{
    QString first = "stale";
    EXPECT_EQ(GetMedicalRecordOfPatient("2", first), 2);
    EXPECT_TRUE(first == "KB-0001-0001, 2020/01/01" || first == "KB-0001-0006, 2020/02/15")
        << first.toStdString();
    EXPECT_EQ(GetMedicalRecordOfPatient("1", first), 1); // KB-0001-0005 is flagged
    EXPECT_EQ(first, "KB-0001-0003, 2020/03/01");
    EXPECT_EQ(GetMedicalRecordOfPatient("3", first), 1); // the examinee's own flag is not looked at
    EXPECT_EQ(GetMedicalRecordOfPatient("42", first), 0);
    EXPECT_EQ(first, ", ");
    EXPECT_EQ(GetMedicalRecordOfPatient("x", first), dbFailed);
}

// Every field of a karte as a reader gives it, as text.
QString Whole(const stMedicalRec& k, const stPatientRec& p, const stExcursusRec& e)
{
    QStringList fields = {QString::number(k.iCode),
                          k.asMediRecNo,
                          QString::number(k.tDate.Val),
                          QString::number(k.iNext),
                          QString::number(k.iPatientCode),
                          QString::number(p.iCode),
                          p.asPatientNo,
                          p.asName0,
                          p.asName1,
                          p.asNameKana0,
                          p.asNameKana1,
                          QString::number(p.tBirth.Val),
                          QString::number(p.iSex),
                          QString::number(p.iSchoolCode),
                          p.asSchoolName,
                          p.asPortrait,
                          QString::number(e.iCode),
                          QString::number(e.iKarteCode)};
    for (const AnswerField& a : AnswerFields)
        fields << (a.flag ? QString::number(e.*a.flag) : e.*a.memo);
    return fields.join('|');
}

TEST_F(KarteOperations, AKarteIsReadByItsCodeWholeOnlyWhileItIsLiveAndCarriesItsNumber)
{
    stExcursusRec answered;
    answered.bHepatitisB = true;
    answered.asQ42Memo = "since May";
    ASSERT_EQ(ReplaceMedicalRecord(Karte("KB-0001-0003", Day(2020, 3, 1), 2), answered, "1"), 1);
    // As the search's reader gives it, the examinee's Code too: of examinee 1, and of none.
    for (const char* no : {"KB-0001-0003", "KB-0001-0002"}) {
        stMedicalRec listed;
        stPatientRec listedPatient;
        stExcursusRec listedAnswers;
        ASSERT_TRUE(ReadKarte(no, listed, listedPatient, listedAnswers)) << no;
        stMedicalRec karte;
        stPatientRec patient;
        stExcursusRec answers;
        ASSERT_EQ(GetMedicalRecord(listed.iCode, no, karte, patient, answers), 1) << no;
        EXPECT_EQ(Whole(karte, patient, answers), Whole(listed, listedPatient, listedAnswers)) << no;
        EXPECT_EQ(RefusalNote(), QString());
    }
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec answers;
    ASSERT_EQ(
        GetMedicalRecord(Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0003'", "Code").toInt(),
                         "KB-0001-0003", karte, patient, answers),
        1);
    EXPECT_EQ(karte.iPatientCode, 1);
    EXPECT_EQ(patient.iCode, 1);
    EXPECT_EQ(patient.asSchoolName, "North School");
    EXPECT_TRUE(answers.bHepatitisB);
    EXPECT_EQ(answers.asQ42Memo, "since May");

    // KB-0001-0005 deleted and its number given to a new karte.
    const int deleted = Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0005'", "Code").toInt();
    ASSERT_EQ(Store("KB-0001-0005", Day(2021, 1, 1), "2"), 1);
    const int reused = GetAddedCode();
    const int other = Value("SELECT Code FROM KarteTable WHERE KarteNo = 'KB-0001-0001'", "Code").toInt();
    const struct
    {
        int code;
        const char* no;
    } refused[] = {{deleted, "KB-0001-0005"}, {other, "KB-0001-0005"}, {reused + 100, "KB-0001-0005"}};
    for (const auto& r : refused) {
        stMedicalRec untouchedKarte = Karte("untouched", Day(1999, 9, 9), 9);
        stPatientRec untouchedPatient = Patient("99", "untouched");
        stExcursusRec untouchedAnswers;
        untouchedAnswers.asQ43Memo = "untouched";
        karte = untouchedKarte;
        patient = untouchedPatient;
        answers = untouchedAnswers;
        EXPECT_EQ(GetMedicalRecord(r.code, r.no, karte, patient, answers), dbNoRow) << r.code;
        EXPECT_EQ(RefusalNote(), StaleNote) << r.code;
        EXPECT_EQ(Whole(karte, patient, answers), Whole(untouchedKarte, untouchedPatient, untouchedAnswers))
            << r.code;
    }
    ASSERT_EQ(GetMedicalRecord(reused, "KB-0001-0005", karte, patient, answers), 1);
    EXPECT_EQ(karte.iCode, reused);
    EXPECT_EQ(patient.asName0, "Tanaka");

    Break(module->Query1);
    EXPECT_EQ(GetMedicalRecord(reused, "KB-0001-0005", karte, patient, answers), dbFailed);
    EXPECT_EQ(RefusalNote(), QString());
}

} // namespace
