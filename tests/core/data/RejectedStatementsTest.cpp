// The data module's statements that plain SQLite rejects ("ambiguous column name"), run by the
// operations that build them: a bare name that several FROM tables have is the first such
// table's.
#include "tests/core/data/DataStoreFixture.h"

#include <QStringList>

namespace {

class RejectedStatements : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        // Codes overlap on purpose: examinee 1 goes to school 2, so a Code taken from the
        // wrong table shows in the rows.
        Exec("INSERT INTO SchoolTable (Code, Name) VALUES (1, 'North'), (2, 'South');");
        Exec("INSERT INTO Patient2Table (Code, PatientNo, Birth, Sex, Name0, Name1, NameKana0, NameKana1, "
             "SchoolCode, Portrait, DeleteFlag) VALUES "
             "(1, 10, '2010-04-01', 0, '山田', '太郎', 'ヤマダ', 'タロウ', 2, 'p10.jpg', 0),"
             "(2, 5, '2011-01-01', 1, 'Abe', 'Ai', 'アベ', 'アイ', 1, '', 1),"
             "(3, 7, '2012-02-02', 1, 'Ito', 'Yu', 'イトウ', 'ユウ', 99, 'p7.jpg', 0);");
        Exec("INSERT INTO KarteTable (Code, KarteNo, RDate, Next, PatientCode, DeleteFlag) VALUES "
             "(1, 'K001', '2015-05-01', 1, 1, 0),"
             "(2, 'K002', '2015-05-03', 2, -1, 0),"
             "(3, 'K003', '2015-05-02', 0, 2, 0),"
             "(4, 'K004', '2015-05-02', 0, 1, 1),"
             "(5, 'K005', '2015-07-01', 0, 1, 0),"
             "(6, 'K006', '2015-05-02', 0, 3, 0);");
        Exec("INSERT INTO PSTable (Code, KarteCode, AIDS, Q40) VALUES "
             "(11, 1, 1, 0), (12, 2, 0, 1), (13, 3, 0, 0), (14, 4, 0, 0), (15, 5, 0, 0);");
        Exec("INSERT INTO JobTable (Code, Job) VALUES (1, 'dentist'), (2, 'hygienist');");
        Exec("INSERT INTO Staff2Table (Code, JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, "
             "NameKana1, NameAlphabet0, NameAlphabet1, DeleteFlag) VALUES "
             "(1, 2, 100, 1, '鈴木', '花', 'スズキ', 'ハナ', 'Suzuki', 'Hana', 0),"
             "(2, 1, 200, 0, '阿部', '一', 'アベ', 'ハジメ', 'Abe', 'Hajime', 1),"
             "(3, 9, 300, 0, '井上', '二', 'イノウエ', 'ジ', 'Inoue', 'Ji', 0);");
    }
};

TEST_F(RejectedStatements, ExamineeSearch)
{
    stPatientRec filter;
    filter.asPatientNo = "7";
    filter.asName0 = "山";
    filter.asSchoolName = "Nor";
    filter.iSex = 1;
    ASSERT_EQ(SearchPatient(filter), 1);
    EXPECT_EQ(TempDatabase::Rows(module->Query1, {"Code", "PatientNo", "SchoolName", "Portrait"}),
              QStringList{"3|7||p7.jpg"});

    ASSERT_EQ(SearchPatient(AnyPatient()), 2);
    EXPECT_EQ(TempDatabase::Rows(module->Query1, {"Code", "PatientNo", "Birth", "NameKana0", "SchoolCode",
                                                  "SchoolName", "DeleteFlag"}),
              (QStringList{"3|7|2012/02/02|イトウ|99||False", "1|10|2010/04/01|ヤマダ|2|South|False"}));
}

TEST_F(RejectedStatements, KarteSearch)
{
    stMedicalRec filter;
    filter.tDate = EncodeDate(2015, 5, 1);
    ASSERT_EQ(SearchMedicalRecord(filter, EncodeDate(2015, 5, 3) + 0.5, AnyPatient()), 3);
    // K004 is flagged; K005 is after the end date; K006 has no questionnaire. K003's examinee is
    // flagged, which the search does not look at.
    EXPECT_EQ(TempDatabase::Rows(module->Query1, {"Code", "KarteNo", "DeleteFlag", "PPatientNo", "PNameKana0",
                                                  "PBirth", "SchoolName", "PSCode", "PSAIDS", "PSQ40"}),
              (QStringList{"1|K001|False|10|ヤマダ|2010/04/01|South|11|True|False",
                           "2|K002|False|||||12|False|True",
                           "3|K003|False|5|アベ|2011/01/01|North|13|False|False"}));
    module->Query1->First();
    module->Query1->Next();
    EXPECT_EQ(module->Query1->FieldByName("PBirth")->AsDateTime(), TDateTime(0));
    EXPECT_EQ(module->Query1->FieldByName("PSchoolCode")->AsInteger(), 0);
}

TEST_F(RejectedStatements, KarteSearchWithoutExaminee)
{
    stMedicalRec filter;
    filter.asMediRecNo = "K";
    filter.tDate = EncodeDate(2015, 1, 1);
    ASSERT_EQ(SearchMedicalRecordWithoutPatient(filter, EncodeDate(2015, 12, 31)), 1);
    EXPECT_EQ(
        TempDatabase::Rows(module->Query1, {"Code", "KarteNo", "RDate", "Next", "PSCode", "PSKarteCode"}),
        QStringList{"2|K002|2015/05/03|2|12|2"});
}

TEST_F(RejectedStatements, KartesOfAnExaminee)
{
    QString first;
    ASSERT_EQ(GetMedicalRecordOfPatient("10", first), 2);
    QStringList rows = TempDatabase::Rows(module->Query2, {"Code", "KarteNo", "RDate", "PatientCode"});
    rows.sort();
    EXPECT_EQ(rows, (QStringList{"1|K001|2015/05/01|1", "5|K005|2015/07/01|1"}));
}

} // namespace
