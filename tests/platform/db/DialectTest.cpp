// Each rule of the local-SQL dialect, shown by a statement that fails or gives other
// rows on plain SQLite.
#include "platform/db/Connection.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDatabase.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sqlite3.h>

namespace {

struct DialectCase
{
    const char* rule;
    QStringList setup;                 // statements run first
    QStringList lines;                 // the query's SQL lines
    std::function<void(TQuery&)> bind; // parameters
    bool open;                         // SELECT (Open) or not (ExecSQL)
    std::function<void(TQuery&, TempDatabase&)> check;
};

void PrintTo(const DialectCase& c, std::ostream* os)
{
    *os << c.rule;
}

class DialectRules : public ::testing::TestWithParam<DialectCase>
{
};

TEST_P(DialectRules, Hold)
{
    const DialectCase& c = GetParam();
    TempDatabase db;
    for (const QString& s : c.setup)
        db.Exec(s);
    auto q = db.NewQuery();
    for (const QString& line : c.lines)
        q->SQL->Add(line);
    if (c.bind)
        c.bind(*q);
    if (c.open)
        q->Open();
    else
        q->ExecSQL();
    c.check(*q, db);
}

QStringList Column(TQuery& q, const char* field)
{
    QStringList values;
    for (q.First(); !q.Eof(); q.Next())
        values.append(q.FieldByName(field)->AsString());
    return values;
}

const DialectCase Cases[] = {
    {"lines are joined with line breaks",
     {"INSERT INTO KarteTable (KarteNo) VALUES ('K1');"},
     {"SELECT", "Code, KarteNo", "FROM", "KarteTable", "WHERE", "Code=:Code;"},
     [](TQuery& q) { q.ParamByName("Code")->SetAsInteger(1); },
     true,
     [](TQuery& q, TempDatabase&) { EXPECT_EQ(Column(q, "KarteNo"), QStringList{"K1"}); }},
    {"parameter names ignore case",
     {"INSERT INTO Staff2Table (StaffNo) VALUES (7);", "INSERT INTO Staff2Table (StaffNo) VALUES (8);"},
     {"DELETE FROM Staff2Table WHERE", " StaffNo = :STaffNo;"},
     [](TQuery& q) { q.ParamByName("StaffNo")->SetAsInteger(7); },
     false,
     [](TQuery& q, TempDatabase& db) {
         EXPECT_EQ(q.RowsAffected(), 1);
         EXPECT_EQ(db.Scalar("SELECT group_concat(StaffNo) FROM Staff2Table;"), "8");
     }},
    {"field names ignore case",
     {"INSERT INTO Patient2Table (NameKana0) VALUES ('ヤマダ');"},
     {"SELECT", "  Namekana0", "FROM Patient2Table;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) { EXPECT_EQ(q.FieldByName("NameKana0")->AsString(), "ヤマダ"); }},
    {"the whole result is read at Open",
     {"INSERT INTO JobTable (Job) VALUES ('a');", "INSERT INTO JobTable (Job) VALUES ('b');",
      "INSERT INTO JobTable (Job) VALUES ('c');"},
     {"SELECT Code FROM JobTable;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase& db) {
         EXPECT_EQ(q.RecordCount(), 3);
         db.Exec("DELETE FROM JobTable;"); // no read lock is left behind
         EXPECT_EQ(Column(q, "Code"), (QStringList{"1", "2", "3"}));
     }},
    {"booleans are stored 0/1 and False matches them",
     {},
     {"INSERT INTO Patient2Table (PatientNo, DeleteFlag) VALUES (:PatientNo, :DeleteFlag);"},
     [](TQuery& q) {
         q.ParamByName("PatientNo")->SetAsInteger(3);
         q.ParamByName("DeleteFlag")->SetAsBoolean(false);
     },
     false,
     [](TQuery&, TempDatabase& db) {
         EXPECT_EQ(db.Scalar("SELECT typeof(DeleteFlag) || DeleteFlag FROM Patient2Table;"), "integer0");
         EXPECT_EQ(db.Scalar("SELECT PatientNo FROM Patient2Table WHERE DeleteFlag = False;"), "3");
         EXPECT_EQ(db.Scalar("SELECT PatientNo FROM Patient2Table WHERE DeleteFlag=false;"), "3");
     }},
    {"a date parameter binds the date part, so <= finds the same day",
     {"INSERT INTO KarteTable (KarteNo, RDate) VALUES ('K1', '2015-05-03');",
      "INSERT INTO KarteTable (KarteNo, RDate) VALUES ('K2', '2015-05-04');"},
     {"SELECT KarteNo, RDate FROM KarteTable", "WHERE", "    RDate <= :EndDate", "ORDER BY KarteNo;"},
     [](TQuery& q) { q.ParamByName("EndDate")->SetAsDate(EncodeDate(2015, 5, 3) + 0.75); },
     true,
     [](TQuery& q, TempDatabase&) {
         EXPECT_EQ(Column(q, "KarteNo"), QStringList{"K1"});
         q.First();
         EXPECT_EQ(q.FieldByName("RDate")->AsDateTime(), EncodeDate(2015, 5, 3));
     }},
    {"a date is stored as YYYY-MM-DD",
     {},
     {"INSERT INTO NoteTable (RDate) VALUES (:RDate);"},
     [](TQuery& q) { q.ParamByName("RDate")->SetAsDate(EncodeDate(2009, 1, 2) + 0.5); },
     false,
     [](TQuery&, TempDatabase& db) {
         EXPECT_EQ(db.Scalar("SELECT RDate || '' FROM NoteTable;"), "2009-01-02");
     }},
    {"a date column read as text gives its short date text",
     {"INSERT INTO NoteTable (RDate) VALUES ('2009-01-02');"},
     {"SELECT RDate, typeof(RDate) AS Kind FROM NoteTable;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) {
         EXPECT_EQ(q.FieldByName("RDate")->AsString(), "2009/01/02");
         EXPECT_EQ(q.FieldByName("Kind")->AsString(), "text");
     }},
    {"an empty text parameter binds NULL",
     {},
     {"INSERT INTO KarteTable (KarteNo) VALUES (:KarteNo);"},
     [](TQuery& q) { q.ParamByName("KarteNo")->SetAsString(""); },
     false,
     [](TQuery&, TempDatabase& db) {
         EXPECT_EQ(db.Scalar("SELECT KarteNo IS NULL FROM KarteTable;"), "1");
         EXPECT_EQ(db.Scalar("SELECT count(*) FROM KarteTable WHERE KarteNo = '';"), "0");
     }},
    {"NULL reads as 0, empty text, false and date 0",
     {"INSERT INTO Patient2Table (PatientNo) VALUES (NULL);"},
     {"SELECT PatientNo, Name0, Birth, DeleteFlag FROM Patient2Table;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) {
         EXPECT_TRUE(q.FieldByName("PatientNo")->IsNull());
         EXPECT_EQ(q.FieldByName("PatientNo")->AsInteger(), 0);
         EXPECT_EQ(q.FieldByName("Name0")->AsString(), "");
         EXPECT_EQ(q.FieldByName("Birth")->AsDateTime(), TDateTime(0));
         EXPECT_EQ(q.FieldByName("Birth")->AsString(), "");
         EXPECT_FALSE(q.FieldByName("DeleteFlag")->AsBoolean());
     }},
    {"a field of an empty result gives the empty values",
     {},
     {"SELECT Code, Name FROM SchoolTable ORDER BY Name;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) {
         EXPECT_EQ(q.RecordCount(), 0);
         EXPECT_TRUE(q.Eof());
         EXPECT_EQ(q.FieldByName("Code")->AsInteger(), 0);
         EXPECT_EQ(q.FieldByName("Name")->AsString(), "");
     }},
    {"LIKE is case-sensitive",
     {"INSERT INTO Patient2Table (Name0) VALUES ('Abe');",
      "INSERT INTO Patient2Table (Name0) VALUES ('abe');"},
     {"SELECT Name0 FROM Patient2Table", "WHERE", "    Name0 LIKE '%Ab%'"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) { EXPECT_EQ(Column(q, "Name0"), QStringList{"Abe"}); }},
    {"text order is binary",
     {"INSERT INTO SchoolTable (Name) VALUES ('b');", "INSERT INTO SchoolTable (Name) VALUES ('あ');",
      "INSERT INTO SchoolTable (Name) VALUES ('B');", "INSERT INTO SchoolTable (Name) VALUES ('a');"},
     {"SELECT Code,Name ", "FROM SchoolTable ", "ORDER BY Name;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) {
         EXPECT_EQ(Column(q, "Name"), (QStringList{"B", "a", "b", "あ"}));
     }},
    {"a Code is never given twice",
     {"INSERT INTO FoodTable (Name) VALUES ('x');", "INSERT INTO FoodTable (Name) VALUES ('y');",
      "DELETE FROM FoodTable WHERE Code = 2;"},
     {"INSERT INTO FoodTable ", "(Name) ", "VALUES ", "(:Name);"},
     [](TQuery& q) { q.ParamByName("Name")->SetAsString("z"); },
     false,
     [](TQuery& q, TempDatabase&) { EXPECT_EQ(q.LastInsertId(), 3); }},
    {"SELECT * gives FrequencyTable's columns in their order",
     {"INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('daily', 1);"},
     {"SELECT * ", "FROM FrequencyTable ", "ORDER BY DispOrder;"},
     nullptr,
     true,
     [](TQuery& q, TempDatabase&) {
         ASSERT_EQ(q.FieldCount(), 3);
         EXPECT_EQ(q.Fields(0)->FieldName(), "Code");
         EXPECT_EQ(q.Fields(1)->FieldName(), "Name");
         EXPECT_EQ(q.Fields(2)->FieldName(), "DispOrder");
     }},
};

INSTANTIATE_TEST_SUITE_P(Engine, DialectRules, ::testing::ValuesIn(Cases));

TEST(Query, ChangingTheTextClosesAnOpenQueryAndDropsItsParameters)
{
    TempDatabase db;
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Code FROM JobTable WHERE Code = :Code;");
    q->ParamByName("Code")->SetAsInteger(1);
    q->Open();
    ASSERT_TRUE(q->Active());
    q->SQL->Clear();
    EXPECT_FALSE(q->Active());
    q->SQL->Add("SELECT Code FROM JobTable WHERE Code = :Code;");
    EXPECT_FALSE(q->ParamByName("Code")->Bound());
}

TEST(Query, NextPastTheEndSetsEofAndStaysOnTheLastRow)
{
    TempDatabase db;
    db.Exec("INSERT INTO JobTable (Job) VALUES ('a'), ('b');");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Job FROM JobTable ORDER BY Job;");
    q->Open();
    q->Next();
    EXPECT_FALSE(q->Eof());
    q->Next();
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->FieldByName("Job")->AsString(), "b");
}

TEST(Query, ParametersInLiteralsAreNotParameters)
{
    TempDatabase db;
    auto q = db.NewQuery();
    q->SQL->Add("SELECT '10:00' AS T, Code FROM JobTable WHERE Code = :Code;");
    EXPECT_EQ(q->ParamCount(), 1);
    q->ParamByName("code")->SetAsInteger(0);
    q->Open();
    EXPECT_EQ(q->RecordCount(), 0);
}

TEST(Query, LastInsertIdIsTheNewRowsCode)
{
    TempDatabase db;
    db.Exec("INSERT INTO CheckupTable (Memo) VALUES ('old');");
    auto q = db.NewQuery();
    q->SQL->Add("INSERT INTO CheckupTable (Memo) VALUES (:Memo);");
    q->ParamByName("Memo")->SetAsString("new");
    q->ExecSQL();
    EXPECT_EQ(q->LastInsertId(), 2);
}

TEST(Session, TransactionRollsBackBothStatements)
{
    TempDatabase db;
    auto q = db.NewQuery();
    db.Session().StartTransaction(TempDatabase::DatabaseName);
    q->SQL->Add("INSERT INTO JobTable (Job) VALUES ('a');");
    q->ExecSQL();
    q->ExecSQL();
    db.Session().Rollback();
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM JobTable;"), "0");
    db.Session().StartTransaction(TempDatabase::DatabaseName);
    q->ExecSQL();
    db.Session().Commit();
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM JobTable;"), "1");
}

} // namespace

namespace {

TEST(StoredDates, ADateTheFileCannotKeepIsRefusedWhereItIsGiven)
{
    const double NoDates[] = {std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), EncodeDate(1, 1, 1).Val - 1,
                              EncodeDate(9999, 12, 31).Val + 1};
    TempDatabase db;
    auto q = db.NewQuery();
    q->SQL->Add("INSERT INTO NoteTable (RDate) VALUES (:RDate);");
    auto table = db.NewTable("NoteTable.db");
    table->Open();
    table->Append();
    for (double value : NoDates) {
        EXPECT_THROW(q->ParamByName("RDate")->SetAsDate(TDateTime(value)), EDatabaseError) << value;
        EXPECT_THROW(q->ParamByName("RDate")->SetAsDateTime(TDateTime(value)), EDatabaseError) << value;
        EXPECT_THROW(table->FieldByName("RDate")->SetAsDateTime(TDateTime(value)), EDatabaseError) << value;
    }
    EXPECT_FALSE(q->ParamByName("RDate")->Bound());
    table->Cancel();
    // The first and the last day are kept.
    q->ParamByName("RDate")->SetAsDate(EncodeDate(1, 1, 1));
    q->ExecSQL();
    q->ParamByName("RDate")->SetAsDate(EncodeDate(9999, 12, 31) + 0.5);
    q->ExecSQL();
    EXPECT_EQ(db.Scalar("SELECT group_concat(RDate, ' ') FROM NoteTable;"), "0001-01-01 9999-12-31");
}

TEST(StoredDates, AStoredValueThatIsNoDateReadsAsTheEmptyDate)
{
    TempDatabase db;
    db.Exec(
        "INSERT INTO NoteTable (Code, RDate) VALUES (1, 'garbage'), (2, '0000-01-01'), (3, '10000-01-01'), "
        "(4, 1e300), (5, '2021-02-30'), (6, '2021-03-04');");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Code, RDate FROM NoteTable ORDER BY Code;");
    q->Open();
    for (; !q->Eof(); q->Next()) {
        const bool good = q->FieldByName("Code")->AsInteger() == 6;
        EXPECT_EQ(q->FieldByName("RDate")->AsDateTime(), good ? EncodeDate(2021, 3, 4) : TDateTime(0));
        EXPECT_EQ(q->FieldByName("RDate")->AsString(), good ? "2021/03/04" : "");
    }
}

TEST(Session, AWriteTransactionTakesTheWriteLockAtOnce)
{
    TempDatabase db;
    sqlite3* other = nullptr;
    sqlite3_open_v2(db.DatabaseFile().toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
    db.Session().StartWriteTransaction(TempDatabase::DatabaseName);
    EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr), SQLITE_BUSY);
    db.Session().Commit();
    EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
}

} // namespace

namespace {

TEST(StatementCache, AStatementIsPreparedOnceAndLentToOneUserAtATime)
{
    TempDatabase db;
    auto connection = db.Session().Connection(TempDatabase::DatabaseName);
    const QString text = "SELECT Code FROM JobTable;";
    sqlite3_stmt* first = nullptr;
    {
        DbStatement a = connection->Prepare(text);
        DbStatement b = connection->Prepare(text); // while `a` is in use
        EXPECT_NE(a.get(), b.get());
        first = a.get();
    }
    EXPECT_EQ(connection->Prepare(text).get(), first);
}

// A query remembers where its statement is kept; once the cache has let statements go
// (more texts than it keeps), the query finds or prepares its statement anew.
TEST(StatementCache, AQueryRunAgainAfterTheCacheLetItsStatementGoPreparesItAnew)
{
    TempDatabase db;
    db.Exec("INSERT INTO JobTable (Job) VALUES ('first');");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Job FROM JobTable WHERE Code = :Code;");
    q->ParamByName("Code")->SetAsInteger(1);
    q->Open();
    EXPECT_EQ(q->FieldByName("Job")->AsString(), "first");
    q->Close();
    auto other = db.NewQuery();
    for (int i = 0; i < 300; ++i) {
        other->SQL->Clear();
        other->SQL->Add(QString("SELECT %1 AS N;").arg(i));
        other->Open();
        other->Close();
    }
    q->Open();
    EXPECT_EQ(q->FieldByName("Job")->AsString(), "first");
}

TEST(StatementCache, ARunThatFailedAndAChangedTableDoNotStickToTheStatement)
{
    TempDatabase db;
    auto q = db.NewQuery();
    q->SQL->Add("INSERT INTO JobTable (Job) VALUES (:Job);");
    db.Exec("CREATE TRIGGER refuse BEFORE INSERT ON JobTable BEGIN SELECT RAISE(ABORT, 'refused'); END");
    q->ParamByName("Job")->SetAsString("a");
    EXPECT_THROW(q->ExecSQL(), EDatabaseError);
    db.Exec("DROP TRIGGER refuse");
    q->ExecSQL();
    EXPECT_EQ(db.Scalar("SELECT group_concat(Job) FROM JobTable;"), "a");

    auto all = db.NewQuery();
    all->SQL->Add("SELECT * FROM JobTable;");
    all->Open();
    EXPECT_EQ(all->FieldCount(), 2);
    all->Close();
    db.Exec("ALTER TABLE JobTable ADD COLUMN Since DATE;");
    db.Exec("UPDATE JobTable SET Since = '2020-04-01';");
    all->Open();
    ASSERT_EQ(all->FieldCount(), 3);
    EXPECT_EQ(all->FieldByName("Since")->DataType(), TFieldType::Date);
    EXPECT_EQ(all->FieldByName("Since")->AsDateTime(), EncodeDate(2020, 4, 1));
}

// The same kept statement, prepared again by SQLite after its table was made anew with
// a column of the same name but another type: the field has the new type.
TEST(StatementCache, AKeptStatementOfATableMadeAnewReadsItsNewColumnTypes)
{
    TempDatabase db;
    db.Exec("CREATE TABLE T (Since INTEGER);");
    db.Exec("INSERT INTO T VALUES (7);");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT * FROM T;");
    q->Open();
    EXPECT_EQ(q->FieldByName("Since")->DataType(), TFieldType::Integer);
    q->Close();
    db.Exec("DROP TABLE T;");
    db.Exec("CREATE TABLE T (Since DATE);");
    db.Exec("INSERT INTO T VALUES ('2020-04-01');");
    q->Open();
    EXPECT_EQ(q->FieldByName("Since")->DataType(), TFieldType::Date);
    EXPECT_EQ(q->FieldByName("Since")->AsDateTime(), EncodeDate(2020, 4, 1));
}

TEST(ResultRows, EveryKindOfValueReadsBackAsStored)
{
    TempDatabase db;
    auto q = db.NewQuery();
    q->SQL->Add("SELECT 42 AS i, 2.5 AS r, '山田 太郎' AS t, x'00ff' AS b, NULL AS n, '2021-03-04' AS d;");
    q->Open();
    EXPECT_EQ(q->FieldByName("i")->AsInteger(), 42);
    EXPECT_EQ(q->FieldByName("i")->Value(), QVariant(qlonglong(42)));
    EXPECT_EQ(q->FieldByName("r")->Value(), QVariant(2.5));
    EXPECT_EQ(q->FieldByName("r")->AsInteger(), 2);
    EXPECT_EQ(q->FieldByName("t")->AsString(), QString::fromUtf8("山田 太郎"));
    EXPECT_EQ(q->FieldByName("b")->Value(), QVariant(QByteArray("\x00\xff", 2)));
    EXPECT_TRUE(q->FieldByName("n")->IsNull());
    EXPECT_EQ(q->FieldByName("n")->AsString(), "");
    EXPECT_EQ(q->FieldByName("d")->AsDateTime(), EncodeDate(2021, 3, 4));
    EXPECT_FALSE(q->FieldByName("t")->IsNull());
}

} // namespace

// The values at the edges of how a result keeps them: integers just inside and outside
// what a cell of two or four bytes holds by itself and what four bytes hold, texts whose
// length takes one, two and three bytes, rows too large for cells of two bytes among rows
// that are not, a text larger than a block, the empty text and blob (not NULL).
TEST(ResultRows, ValuesAtTheEdgesOfTheirKeepingReadBackAsStored)
{
    TempDatabase db;
    db.Exec("CREATE TABLE T (Code INTEGER PRIMARY KEY, I INTEGER, S TEXT, B BLOB);");
    const long long integers[] = {0,
                                  1,
                                  -1,
                                  (1LL << 14) - 1,
                                  1LL << 14,
                                  -(1LL << 14),
                                  -(1LL << 14) - 1,
                                  (1LL << 30) - 1,
                                  1LL << 30,
                                  -(1LL << 30),
                                  -(1LL << 30) - 1,
                                  (1LL << 31) - 1,
                                  1LL << 31,
                                  -(1LL << 31),
                                  -(1LL << 31) - 1,
                                  std::numeric_limits<long long>::max(),
                                  std::numeric_limits<long long>::min()};
    const int lengths[] = {0, 1, 127, 128, 16383, 16384, 70000};
    for (const long long i : integers)
        for (const int length : lengths)
            db.Exec(QString("INSERT INTO T (I, S, B) VALUES (%1, replace(hex(zeroblob(%2)), '00', 'x'), "
                            "zeroblob(%2));")
                        .arg(i)
                        .arg(length));
    auto q = db.NewQuery();
    // +I has no declared type: the field gives the stored integer itself.
    q->SQL->Add("SELECT +I AS I, S, B FROM T ORDER BY Code;");
    q->Open();
    ASSERT_EQ(q->RecordCount(), int(std::size(integers) * std::size(lengths)));
    for (const long long i : integers)
        for (const int length : lengths) {
            SCOPED_TRACE(QString("%1, %2").arg(i).arg(length).toStdString());
            EXPECT_EQ(q->FieldByName("I")->Value(), QVariant(qlonglong(i)));
            EXPECT_EQ(q->FieldByName("S")->AsString(), QString(length, 'x'));
            EXPECT_FALSE(q->FieldByName("S")->IsNull());
            EXPECT_EQ(q->FieldByName("B")->Value(), QVariant(QByteArray(length, '\0')));
            q->Next();
        }
}

// Thousands of rows, past the runs that grow and the blocks that hold their texts: each
// row reads back as its own, from the last to the first.
TEST(ResultRows, ALargeResultKeepsEveryRowApart)
{
    TempDatabase db;
    auto q = db.NewQuery();
    q->SQL->Add("WITH RECURSIVE N(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM N WHERE n < 5000) "
                "SELECT n, 'row ' || n AS t, CASE WHEN n % 3 = 0 THEN NULL ELSE n * 1.5 END AS r FROM N;");
    q->Open();
    ASSERT_EQ(q->RecordCount(), 5000);
    q->Last();
    for (int n = 5000; n >= 1; --n) {
        ASSERT_EQ(q->FieldByName("n")->AsInteger(), n);
        ASSERT_EQ(q->FieldByName("t")->AsString(), QString("row %1").arg(n));
        ASSERT_EQ(q->FieldByName("r")->Value(), n % 3 == 0 ? QVariant() : QVariant(n * 1.5));
        q->Prior();
    }
}
