// The data module's statements that plain SQLite rejects ("ambiguous column name"),
// run exactly as the module writes them: a bare name that several FROM tables have is
// the first such table's.
#include "tests/support/TempDatabase.h"

#include <gtest/gtest.h>

namespace {

const char* const PsColumns[] = {"Code",
                                 "KarteCode",
                                 "AIDS",
                                 "Hepatitis",
                                 "HepatitisB",
                                 "HepatitisC",
                                 "Tuberculosis",
                                 "TuberculosisMemo",
                                 "AirialInfection",
                                 "AirialInfectionMemo",
                                 "BloodInfection",
                                 "BloodInfectionMemo",
                                 "OtherInfection",
                                 "OtherInfectionMemo",
                                 "Q1None",
                                 "Q1Anemia",
                                 "Q1Swelling",
                                 "Q1Bleeding",
                                 "Q1Fever",
                                 "Q1NoExtraction",
                                 "Q2None",
                                 "Q2Injection",
                                 "Q2Medicine",
                                 "Q2Others",
                                 "Q2OthersMemo",
                                 "Q3",
                                 "Q43",
                                 "Q43Memo",
                                 "Q42",
                                 "Q42Memo",
                                 "Q41",
                                 "Q41Memo",
                                 "Q40"};

// "  Table.Column<blanks to 27> AS Alias," as the karte search writes its alias lines.
QString AliasLine(const QString& column, const QString& alias, bool last = false)
{
    return "  " + column.leftJustified(27, ' ') + " AS " + alias + (last ? "" : ",");
}

QStringList PsAliasLines()
{
    QStringList lines;
    const int n = int(std::size(PsColumns));
    for (int i = 0; i < n; ++i)
        lines.append(AliasLine(QString("PSTable.") + PsColumns[i], QString("PS") + PsColumns[i], i == n - 1));
    return lines;
}

class RejectedStatements : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Codes overlap on purpose: examinee 1 goes to school 2, so a Code taken from the
        // wrong table shows in the rows.
        db.Exec("INSERT INTO SchoolTable (Code, Name) VALUES (1, 'North'), (2, 'South');");
        db.Exec("INSERT INTO Patient2Table (Code, PatientNo, Birth, Sex, Name0, Name1, NameKana0, NameKana1, "
                "SchoolCode, Portrait, DeleteFlag) VALUES "
                "(1, 10, '2010-04-01', 0, '山田', '太郎', 'ヤマダ', 'タロウ', 2, 'p10.jpg', 0),"
                "(2, 5, '2011-01-01', 1, 'Abe', 'Ai', 'アベ', 'アイ', 1, '', 1),"
                "(3, 7, '2012-02-02', 1, 'Ito', 'Yu', 'イトウ', 'ユウ', 99, 'p7.jpg', 0);");
        db.Exec("INSERT INTO KarteTable (Code, KarteNo, RDate, Next, PatientCode, DeleteFlag) VALUES "
                "(1, 'K001', '2015-05-01', 1, 1, 0),"
                "(2, 'K002', '2015-05-03', 2, -1, 0),"
                "(3, 'K003', '2015-05-02', 0, 2, 0),"
                "(4, 'K004', '2015-05-02', 0, 1, 1),"
                "(5, 'K005', '2015-07-01', 0, 1, 0),"
                "(6, 'K006', '2015-05-02', 0, 3, 0);");
        db.Exec("INSERT INTO PSTable (Code, KarteCode, AIDS, Q40) VALUES "
                "(11, 1, 1, 0), (12, 2, 0, 1), (13, 3, 0, 0), (14, 4, 0, 0), (15, 5, 0, 0);");
        db.Exec("INSERT INTO JobTable (Code, Job) VALUES (1, 'dentist'), (2, 'hygienist');");
        db.Exec("INSERT INTO Staff2Table (Code, JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, "
                "NameKana1, NameAlphabet0, NameAlphabet1, DeleteFlag) VALUES "
                "(1, 2, 100, 1, '鈴木', '花', 'スズキ', 'ハナ', 'Suzuki', 'Hana', 0),"
                "(2, 1, 200, 0, '阿部', '一', 'アベ', 'ハジメ', 'Abe', 'Hajime', 1),"
                "(3, 9, 300, 0, '井上', '二', 'イノウエ', 'ジ', 'Inoue', 'Ji', 0);");
        q = db.NewQuery();
    }

    void Add(const QStringList& lines)
    {
        for (const QString& l : lines)
            q->SQL->Add(l);
    }

    QStringList Rows(const QStringList& fields)
    {
        QStringList rows;
        for (q->First(); !q->Eof(); q->Next()) {
            QStringList values;
            for (const QString& f : fields)
                values.append(q->FieldByName(f)->AsString());
            rows.append(values.join('|'));
        }
        return rows;
    }

    TempDatabase db;
    std::unique_ptr<TQuery> q;
};

TEST_F(RejectedStatements, ExamineeSearch)
{
    Add({"SELECT",
         "  Code,",
         "  PatientNo,",
         "  Birth,",
         "  Sex,",
         "  Name0,",
         "  Name1,",
         "  Namekana0,",
         "  NameKana1,",
         "  SchoolCode,",
         "  SchoolTable.Name AS SchoolName,",
         "  Portrait,",
         "  DeleteFlag",
         "FROM",
         "  (",
         "    Patient2Table",
         "  LEFT OUTER JOIN",
         "    SchoolTable",
         "  ON",
         "    SchoolCode = SchoolTable.Code",
         "  )",
         "WHERE",
         "  (",
         "    DeleteFlag = False",
         "  AND",
         "    Sex = :Sex",
         "  )",
         "  AND",
         "  (",
         "    PatientNo = :PatientNo",
         "  OR",
         "    Name0 LIKE '%山%'",
         "  OR",
         "    SchoolTable.Name LIKE '%Nor%'",
         "  )",
         "ORDER BY",
         "  PatientNo;"});
    q->ParamByName("PatientNo")->SetAsInteger(7);
    q->ParamByName("Sex")->SetAsSmallInt(1);
    q->Open();
    EXPECT_EQ(Rows({"Code", "PatientNo", "SchoolName", "Portrait"}), QStringList{"3|7||p7.jpg"});

    q->SQL->Clear();
    Add({"SELECT",
         "  Code,",
         "  PatientNo,",
         "  Birth,",
         "  Sex,",
         "  Name0,",
         "  Name1,",
         "  Namekana0,",
         "  NameKana1,",
         "  SchoolCode,",
         "  SchoolTable.Name AS SchoolName,",
         "  Portrait,",
         "  DeleteFlag",
         "FROM",
         "  (",
         "    Patient2Table",
         "  LEFT OUTER JOIN",
         "    SchoolTable",
         "  ON",
         "    SchoolCode = SchoolTable.Code",
         "  )",
         "WHERE",
         "  (",
         "    DeleteFlag = False",
         "  )",
         "ORDER BY",
         "  PatientNo;"});
    q->Open();
    EXPECT_EQ(Rows({"Code", "PatientNo", "Birth", "NameKana0", "SchoolCode", "SchoolName", "DeleteFlag"}),
              (QStringList{"3|7|2012/02/02|イトウ|99||False", "1|10|2010/04/01|ヤマダ|2|South|False"}));
}

TEST_F(RejectedStatements, KarteSearch)
{
    Add({"SELECT", "  Code,", "  KarteNo,", "  RDate,", "  Next,", "  DeleteFlag,", "  PatientCode,",
         AliasLine("Patient2Table.PatientNo", "PPatientNo"), AliasLine("Patient2Table.Birth", "PBirth"),
         AliasLine("Patient2Table.Sex", "PSex"), AliasLine("Patient2Table.Name0", "PName0"),
         AliasLine("Patient2Table.Name1", "PName1"), "  Patient2Table.Namekana0     AS PNamekana0,",
         AliasLine("Patient2Table.NameKana1", "PNameKana1"),
         AliasLine("Patient2Table.SchoolCode", "PSchoolCode"), "  SchoolTable.Name            AS SchoolName,",
         AliasLine("Patient2Table.Portrait", "PPortrait"), "  Patient2Table.DeleteFlag    AS PDeleteFlag,"});
    Add(PsAliasLines());
    Add({"FROM",
         "  (",
         "    (",
         "    KarteTable ",
         "    LEFT OUTER JOIN",
         "      Patient2Table",
         "    ON",
         "      PatientCode = Patient2Table.Code",
         "    )",
         "    LEFT OUTER JOIN",
         "      SchoolTable",
         "    ON",
         "      Patient2Table.SchoolCode = SchoolTable.Code",
         "  )",
         "  ,",
         "  PSTable",
         "WHERE",
         "(",
         "    DeleteFlag = False",
         "  AND",
         "    Code = PSTable.KarteCode",
         "  AND",
         "    RDate >= :StartDate",
         "  AND",
         "    RDate <= :EndDate",
         ")",
         "ORDER BY",
         "  KarteNo;"});
    ASSERT_EQ(q->SQL->Strings(7), "  Patient2Table.PatientNo     AS PPatientNo,");
    q->ParamByName("StartDate")->SetAsDate(EncodeDate(2015, 5, 1));
    q->ParamByName("EndDate")->SetAsDate(EncodeDate(2015, 5, 3) + 0.5);
    q->Open();
    // K004 is flagged; K005 is after the end date; K006 has no questionnaire. K003's examinee is
    // flagged, which the search does not look at.
    EXPECT_EQ(Rows({"Code", "KarteNo", "DeleteFlag", "PPatientNo", "PNameKana0", "PBirth", "SchoolName",
                    "PSCode", "PSAIDS", "PSQ40"}),
              (QStringList{"1|K001|False|10|ヤマダ|2010/04/01|South|11|True|False",
                           "2|K002|False|||||12|False|True",
                           "3|K003|False|5|アベ|2011/01/01|North|13|False|False"}));
    q->First();
    q->Next();
    EXPECT_EQ(q->FieldByName("PBirth")->AsDateTime(), TDateTime(0));
    EXPECT_EQ(q->FieldByName("PSchoolCode")->AsInteger(), 0);
}

TEST_F(RejectedStatements, KarteSearchWithoutExaminee)
{
    Add({"SELECT", "  Code,", "  KarteNo,", "  RDate,", "  Next,", "  PatientCode,", "  DeleteFlag,"});
    Add(PsAliasLines());
    Add({"FROM",      "  KarteTable,",
         "  PSTable", "WHERE",
         "(",         "    DeleteFlag = False",
         "  AND",     "    PatientCode = -1",
         "  AND",     "    Code = PSTable.KarteCode",
         "  AND",     "    RDate >= :StartDate",
         "  AND",     "    RDate <= :EndDate",
         ")",         "AND",
         "(",         "    KarteNo LIKE '%K%'",
         ")",         "ORDER BY",
         "  KarteNo;"});
    q->ParamByName("StartDate")->SetAsDate(EncodeDate(2015, 1, 1));
    q->ParamByName("EndDate")->SetAsDate(EncodeDate(2015, 12, 31));
    q->Open();
    EXPECT_EQ(Rows({"Code", "KarteNo", "RDate", "Next", "PSCode", "PSKarteCode"}),
              QStringList{"2|K002|2015/05/03|2|12|2"});
}

TEST_F(RejectedStatements, KartesOfAnExaminee)
{
    Add({"SELECT", "  Code, KarteNo, RDate, PatientCode", "FROM", "  KarteTable AS KT, Patient2Table AS PT",
         "WHERE", "  KT.DeleteFlag = false", "AND", "  KT.PatientCode = PT.Code", "AND",
         "  PT.PatientNo = :PatientNo", ";"});
    q->ParamByName("PatientNo")->SetAsInteger(10);
    q->Open();
    QStringList rows = Rows({"Code", "KarteNo", "RDate", "PatientCode"});
    rows.sort();
    EXPECT_EQ(rows, (QStringList{"1|K001|2015/05/01|1", "5|K005|2015/07/01|1"}));
}

TEST_F(RejectedStatements, MemberList)
{
    const QStringList head = {"SELECT ",        "Code, ",          "JobCode, ",
                              "JobTable.Job, ", "StaffNo, ",       "Sex, ",
                              "NameKanji0, ",   "NameKanji1, ",    "Namekana0, ",
                              "NameKana1, ",    "NameAlphabet0, ", "NameAlphabet1, ",
                              "DeleteFlag ",    "FROM ",           "Staff2Table, ",
                              "JobTable ",      "WHERE  ",         "JobCode=JobTable.Code "};
    const QStringList order = {"ORDER BY ",    "NameKana0, ",     "NameKana1, ",   "NameKanji0, ",
                               "NameKanji1, ", "NameAlphabet0, ", "NameAlphabet1;"};
    Add(head);
    Add(order);
    q->Open();
    ASSERT_GE(q->FieldCount(), 5);
    EXPECT_EQ(q->Fields(2)->FieldName(), "Job");
    EXPECT_EQ(q->Fields(4)->FieldName(), "Sex");
    EXPECT_EQ(Rows({"Code", "JobCode", "Job", "StaffNo"}),
              (QStringList{"2|1|dentist|200", "1|2|hygienist|100"}));

    const QString s = "Suz";
    q->SQL->Clear();
    Add(head);
    Add({"AND (", "NameKanji0 LIKE '%" + s + "%' ", "OR ", "NameKanji1 LIKE '%" + s + "%' ", "OR ",
         "NameKana0 LIKE '%" + s + "%' ", "OR ", "NameKana1 LIKE '%" + s + "%' ", "OR ",
         "NameAlphabet0 LIKE '%" + s + "%' ", "OR ", "NameAlphabet1 LIKE '%" + s + "%' ", ")"});
    Add(order);
    q->Open();
    EXPECT_EQ(Rows({"Code", "Job"}), QStringList{"1|hygienist"});
}

} // namespace
