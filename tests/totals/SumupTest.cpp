// The sum-up window: its design; a run over a small database written byte for byte into
// "KvrSum.csv" (both layouts), "DebChart.txt" and the debug log; the school and
// check-up limits; the spreadsheet; the failures that stop a run; a run that nothing
// else can interrupt; fields that need quoting; karte numbers with quotes.
#include "app/FormMainMenu.h"
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "core/data/Teeth.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Paths.h"
#include "tests/support/ProgramFixture.h"
#include "totals/SumupUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

// Readable failure messages for texts.
static std::ostream& operator<<(std::ostream& os, const QString& text)
{
    return os << '"' << text.toStdString() << '"';
}
[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* os)
{
    *os << text;
}

namespace {

QByteArray ReadBytes(const QString& hostPath)
{
    QFile f(hostPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A text as the program's data files hold it: CP932, CR LF.
QByteArray DataFileBytes(QString text)
{
    return ToCodePage(text.replace("\n", "\r\n"));
}

stCheckupRecord Checkup(const QString& karteNo, TDateTime date, int code = 19)
{
    stCheckupRecord c;
    c.asKarteNo = karteNo;
    c.tDate = date;
    for (const Tooth& tooth : Teeth)
        c.*tooth.field = code;
    return c;
}

stPatientRec Examinee(const QString& no, const QString& name0, const QString& name1, int sex, int school,
                      TDateTime birth)
{
    stPatientRec p;
    p.asPatientNo = no;
    p.asName0 = name0;
    p.asName1 = name1;
    p.iSex = sex;
    p.iSchoolCode = school;
    p.tBirth = birth;
    return p;
}

void AddKarte(const QString& no, const QString& patientNo)
{
    stMedicalRec karte;
    karte.asMediRecNo = no;
    karte.tDate = EncodeDate(2014, 4, 1);
    ASSERT_EQ(AddMedicalRecord(karte, stExcursusRec(), patientNo), 1) << no;
}

void AddCheckupOf(const stCheckupRecord& c)
{
    ASSERT_GT(AddCheckup(c), 0) << c.asKarteNo;
}

class Sumup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedCwd = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work.path()));
    }
    void TearDown() override
    {
        program.Stop();
        QDir::setCurrent(savedCwd);
    }

    void Start(bool debugLog = false)
    {
        if (debugLog)
            program.WriteSetting("Debug", "DebLog", "1");
        program.Start();
    }
    static void SetXls(const QString& name) { MainMenuForm->IniFile->WriteString("Sum", "Xls", name); }

    void AddSchool(const QString& name)
    {
        program.Database().Exec("INSERT INTO SchoolTable (Name) VALUES ('" + name + "');");
    }

    // Two schools, three examinees; live kartes "XX-0001-0001" and "XX-0001-00010" (one
    // number inside the other), "XX-0002-0001" without examinee, "XX-0003-0001" without
    // questionnaire, and the deleted "XX-0002-00019". One check-up on each, by date.
    void AddSmallFixture()
    {
        AddSchool("第一小学校");
        AddSchool("桜台中学校");
        ASSERT_EQ(AddPatient(Examinee("1", "山田", "太郎", 0, 1, EncodeDate(2005, 12, 20))), 1);
        ASSERT_EQ(AddPatient(Examinee("2", "佐藤", "花子", 1, 2, EncodeDate(2008, 4, 1))), 1);
        ASSERT_EQ(AddPatient(Examinee("3", "鈴木", "一郎", 0, 1, EncodeDate(2009, 5, 5))), 1);
        AddKarte("XX-0001-0001", "1");
        AddKarte("XX-0001-00010", "2");
        AddKarte("XX-0002-0001", "");
        AddKarte("XX-0003-0001", "3");
        AddKarte("XX-0002-00019", "2");
        program.Database().Exec("DELETE FROM PSTable WHERE KarteCode = (SELECT Code FROM KarteTable WHERE "
                                "KarteNo = 'XX-0003-0001');");

        // Every code: the four decayed, 5, sound, the two filled, not erupted, "×",
        // missing, 0 and 13 (no column), 20 and -1 (counted as not erupted).
        stCheckupRecord c1 = Checkup("XX-0001-0001", EncodeDate(2015, 1, 10));
        const int rt[13] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 0, 20};
        for (int i = 0; i < 13; ++i)
            c1.*Teeth[i].field = rt[i];
        c1.iLTA = -1;
        c1.iLT1 = 1;
        c1.iLT2 = 1;
        c1.iLBA = 12;
        c1.iLB1 = 13;
        stCheckupRecord c2 = Checkup("XX-0001-00010", EncodeDate(2015, 2, 1));
        c2.iRT1 = 3;
        c2.iRTA = 8;
        AddCheckupOf(c1);
        AddCheckupOf(c2);
        AddCheckupOf(Checkup("XX-0002-0001", EncodeDate(2015, 3, 1), 6));
        AddCheckupOf(Checkup("XX-0003-0001", EncodeDate(2015, 4, 1), 1));
        AddCheckupOf(Checkup("XX-0002-00019", EncodeDate(2015, 5, 1), 2));
        ASSERT_EQ(DelMedicalRecord("XX-0002-00019"), 1);
    }

    // Opens the window from the main menu, runs `inside`, and closes it as an operator does.
    void InWindow(const std::function<void()>& inside)
    {
        program.Script().OnModal(*SumupForm, [&] {
            inside();
            QTest::mouseClick(SumupForm->CloseButton, Qt::LeftButton);
        });
        QTest::mouseClick(MainMenuForm->TotalButton, Qt::LeftButton);
    }
    static void ClickSumup() { QTest::mouseClick(SumupForm->SumupButton, Qt::LeftButton); }
    // Types into the combo as an input method delivers text, one character a key press.
    static void TypeSchoolName(const QString& text)
    {
        QLineEdit* edit = SumupForm->ComboBoxSchoolName->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }

    static QString SumCsvHostPath() { return HostPath(TProgramFiles::GetSettingsFolder() + "\\KvrSum.csv"); }
    static QByteArray SumCsv() { return ReadBytes(SumCsvHostPath()); }
    QString DebChartHostPath() const { return QDir(work.path()).filePath("DebChart.txt"); }
    QByteArray DebChart() const { return ReadBytes(DebChartHostPath()); }
    static QString ProgramFolder() { return ProgramPath(QCoreApplication::applicationDirPath()) + "\\"; }
    static QString MissingXlsText(const QString& name)
    {
        return "集計用 Excel シートがありません。\n  \"" + ProgramFolder() + "\\" + name + "\"";
    }
    // The check-up of "XX-0001-0001" finds "XX-0001-00010" as well.
    static constexpr const char* Ambiguity = "カルテ・テーブルには，該当レコードが 2 件あります。\n"
                                             "２件目以降は件数を累積できません。\n  2 XX-0001-0001\n"
                                             "  (SumupChekupRec)";
    void ExpectAmbiguity() { program.Script().Expect(BoxKind::Error, Ambiguity); }

    ProgramFixture program;
    QTemporaryDir work;
    QString savedCwd;
};

const char* const ToothTypeHeader = "ToothType,SchoolName,PName,FName,Sex,Age,CheckupYear,CheckupMonth,"
                                    "CheckupDay,NoOfPeople,C1,C2,C3,C4,－,CR,セ,"
                                    "NotErupted,×,△,NotSpecified,D,M,F,DMF\n";
const char* const SchoolNameHeader =
    "SchoolName,Sex,Age,CheckupYear,CheckupMonth,CheckupDay,MediRec#,C1,C2,C3,C4,"
    "－,CR,セ,NotErupted,×,△,NotSpecified,Decay,Missing,Filled,DMFT\n";

} // namespace

TEST_F(Sumup, ShowsItsDesign)
{
    Start();
    TSumupForm& f = *SumupForm;
    EXPECT_EQ(f.windowTitle(), "集計");
    EXPECT_EQ(f.size(), QSize(195, 244));
    EXPECT_EQ(f.Position, Position::OwnerCenter);
    EXPECT_EQ(f.Label1->Caption(), "ディフォルトの学校名");
    EXPECT_EQ(f.Label1->geometry(), QRect(16, 16, 163, 12));
    EXPECT_EQ(f.ComboBoxSchoolName->geometry(), QRect(16, 34, 163, 20));
    EXPECT_TRUE(f.ComboBoxSchoolName->isEditable());
    EXPECT_TRUE(f.Bevel1->geometry().contains(f.Label1->geometry()));
    EXPECT_TRUE(f.Bevel1->geometry().contains(f.ComboBoxSchoolName->geometry()));
    EXPECT_EQ(f.SumupButton->Caption(), "集計する(&S)");
    EXPECT_EQ(f.SumupButton->geometry(), QRect(40, 80, 115, 25));
    EXPECT_EQ(f.NoPatientCheckBox->text(), "個別受診者無視(&Q)");
    EXPECT_FALSE(Visible(f.NoPatientCheckBox));
    EXPECT_FALSE(f.NoPatientCheckBox->Checked());
    EXPECT_EQ(f.OpenButton->Caption(), "前回データを開く(&O)");
    EXPECT_EQ(f.OpenButton->geometry(), QRect(40, 136, 115, 25));
    EXPECT_EQ(f.CloseButton->Caption(), "閉じる(&X)");
    EXPECT_EQ(f.CloseButton->geometry(), QRect(40, 184, 115, 25));
    EXPECT_EQ(f.FindCancelButton(), f.CloseButton);
    EXPECT_EQ(f.DefaultButton(), nullptr);

    InWindow([&] {
        EXPECT_EQ(f.SumupStatusBar->geometry(),
                  QRect(0, 244 - f.SumupStatusBar->height(), 195, f.SumupStatusBar->height()));
        EXPECT_EQ(f.SumupStatusBar->SimpleText(), "");
        EXPECT_EQ(f.asSumCsvPath, TProgramFiles::GetSettingsFolder() + "\\KvrSum.csv");
        // The program folder keeps its backslash, and one more joins the name.
        EXPECT_EQ(f.asXlsPath, ProgramFolder() + "\\Kvr2.xls");
        EXPECT_EQ(f.wsDebChartName, "DebChart.txt");
        EXPECT_EQ(f.focusWidget(), f.ComboBoxSchoolName);
        QWidget* next = f.ComboBoxSchoolName;
        for (QWidget* expected : {static_cast<QWidget*>(f.SumupButton), static_cast<QWidget*>(f.OpenButton),
                                  static_cast<QWidget*>(f.CloseButton)}) {
            QTest::keyClick(next, Qt::Key_Tab);
            next = QApplication::focusWidget();
            EXPECT_EQ(next, expected);
        }
    });
}

TEST_F(Sumup, EscapeClosesTheWindow)
{
    Start();
    bool open = false;
    program.Script().OnModal(*SumupForm, [&] {
        open = SumupForm->isVisible();
        QTest::keyClick(SumupForm->ComboBoxSchoolName, Qt::Key_Escape);
    });
    QTest::mouseClick(MainMenuForm->TotalButton, Qt::LeftButton);
    EXPECT_TRUE(open);
    EXPECT_EQ(SumupForm->ModalResult(), mrCancel);
}

TEST_F(Sumup, TheComboOffersEverySchoolByNameAndStartsEmptyAtEachShowing)
{
    Start();
    AddSchool("桜台中学校");
    AddSchool("第一小学校");
    AddSchool("あおば小学校");
    for (int showing = 0; showing < 2; ++showing)
        InWindow([&] {
            QStringList items;
            for (int i = 0; i < SumupForm->ComboBoxSchoolName->count(); ++i)
                items << SumupForm->ComboBoxSchoolName->itemText(i);
            EXPECT_EQ(items, QStringList({"あおば小学校", "桜台中学校", "第一小学校"}));
            EXPECT_EQ(SumupForm->ComboBoxSchoolName->Text(), "");
            TypeSchoolName("分校");
        });
}

TEST_F(Sumup, MoreThan400SchoolsWarnAndOnlyTheFirst400AreOffered)
{
    Start();
    program.Database().Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 401) "
                            "INSERT INTO SchoolTable (Name) SELECT printf('学校%03d', i) FROM n;");
    program.Script().Expect(BoxKind::Warning, "学校数が 401 あります。\n上限 400 を越えた分は無視されます。");
    InWindow([&] {
        ASSERT_EQ(SumupForm->ComboBoxSchoolName->count(), 400);
        EXPECT_EQ(SumupForm->ComboBoxSchoolName->itemText(0), "学校001");
        EXPECT_EQ(SumupForm->ComboBoxSchoolName->itemText(399), "学校400");
    });
    ASSERT_EQ(program.Script().Boxes().size(), 1u);
    EXPECT_EQ(program.Script().Boxes()[0].sound, Sound::Asterisk);
}

TEST_F(Sumup, ASchoolSearchThatFailsIsReportedAndTheComboKeepsItsItems)
{
    Start();
    AddSchool("第一小学校");
    InWindow([] {});
    DBDM->Query1->DatabaseName = "C:\\no\\such\\folder";
    program.Script().Expect(BoxKind::Error, "学校テーブルを検索できません。(-1)");
    InWindow([] { EXPECT_EQ(SumupForm->ComboBoxSchoolName->count(), 1); });
    DBDM->Query1->DatabaseName = TempDatabase::DatabaseName;
    EXPECT_EQ(program.Script().Boxes()[0].sound, Sound::Exclamation);
}

// The whole run over the small fixture, in the layout for any spreadsheet but "Kvr.xls".
TEST_F(Sumup, WritesTheToothTypeLayoutTheChartFileAndTheDebugLog)
{
    Start(true);
    AddSmallFixture();
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    QStringList progress;
    program.Script().OnProcessMessages = [&] { progress << SumupForm->SumupStatusBar->SimpleText(); };
    InWindow([&] {
        TypeSchoolName("巡回検診");
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計完了。");
    });

    EXPECT_EQ(progress, QStringList({"集計中... 0/4", "集計中... 1/4", "集計中... 2/4", "集計中... 3/4"}));
    EXPECT_EQ(
        SumCsv(),
        DataFileBytes(
            QString(ToothTypeHeader) +
            "PermanentTeeth,第一小学校,太郎,山田,Male,10,2015,1,10,XX-0001-0001,2,0,0,0,1,1,1,2,1,1,21,2,1,2,"
            "5\n"
            "MilkTeeth,第一小学校,太郎,山田,Male,10,2015,1,10,XX-0001-0001,1,1,1,1,0,0,0,1,0,1,13,4,1,0,5\n"
            "PermanentTeeth,桜台中学校,花子,佐藤,Female,7,2015,2,1,XX-0001-00010,0,0,1,0,0,0,0,0,0,0,31,1,0,"
            "0,1\n"
            "MilkTeeth,桜台中学校,花子,佐藤,Female,7,2015,2,1,XX-0001-00010,0,0,0,0,0,0,1,0,0,0,19,0,0,1,1\n"
            "PermanentTeeth,巡回検診,,,,116,2015,3,1,XX-0002-0001,0,0,0,0,32,0,0,0,0,0,0,0,0,0,0\n"
            "MilkTeeth,巡回検診,,,,116,2015,3,1,XX-0002-0001,0,0,0,0,20,0,0,0,0,0,0,0,0,0,0\n"));
    // The header's symbols in CP932: "－", "セ", "×", "△".
    for (const char* symbol : {"\x81\x7c", "\x83\x5a", "\x81\x7e", "\x81\xa2"})
        EXPECT_TRUE(SumCsv().contains(symbol));

    EXPECT_EQ(DebChart(),
              DataFileBytes("=======\nXX-0001-0001 2015/01/10\n\n"
                            "tnCount[Idf_C1     ]=3\ntnCount[Idf_C2     ]=1\ntnCount[Idf_C3     ]=1\n"
                            "tnCount[Idf_C4     ]=1\ntnCount[Idf_No     ]=1\ntnCount[Idf_Cr     ]=1\n"
                            "tnCount[Idf_Af     ]=1\ntnCount[Idf_Ne     ]=3\ntnCount[Idf_Mc     ]=1\n"
                            "tnCount[Idf_Mi     ]=2\ntnCount[Idf_Ns     ]=34\ntnCount[Idf_Decayed]=6\n"
                            "tnCount[Idf_Missing]=2\ntnCount[Idf_Filled ]=2\n"
                            "=======\nXX-0001-00010 2015/02/01\n\n"
                            "tnCount[Idf_C1     ]=0\ntnCount[Idf_C2     ]=0\ntnCount[Idf_C3     ]=1\n"
                            "tnCount[Idf_C4     ]=0\ntnCount[Idf_No     ]=0\ntnCount[Idf_Cr     ]=0\n"
                            "tnCount[Idf_Af     ]=1\ntnCount[Idf_Ne     ]=0\ntnCount[Idf_Mc     ]=0\n"
                            "tnCount[Idf_Mi     ]=0\ntnCount[Idf_Ns     ]=50\ntnCount[Idf_Decayed]=1\n"
                            "tnCount[Idf_Missing]=0\ntnCount[Idf_Filled ]=1\n"
                            "=======\nXX-0002-0001 2015/03/01\n\n"
                            "tnCount[Idf_C1     ]=0\ntnCount[Idf_C2     ]=0\ntnCount[Idf_C3     ]=0\n"
                            "tnCount[Idf_C4     ]=0\ntnCount[Idf_No     ]=52\ntnCount[Idf_Cr     ]=0\n"
                            "tnCount[Idf_Af     ]=0\ntnCount[Idf_Ne     ]=0\ntnCount[Idf_Mc     ]=0\n"
                            "tnCount[Idf_Mi     ]=0\ntnCount[Idf_Ns     ]=0\ntnCount[Idf_Decayed]=0\n"
                            "tnCount[Idf_Missing]=0\ntnCount[Idf_Filled ]=0\n"));

    program.Stop();
    EXPECT_EQ(
        ReadBytes(HostPath(TProgramFiles::GetSettingsFolder() + "\\DebLog.txt")),
        QString("TMainMenuForm::FormShow 2015/04/01 10:00:00 ================\n"
                "TSumupForm::SumupChekupRec 33:\n  FoundMediRec=2 stSumMediRec.asMediRecNo=XX-0001-0001\n"
                "TSumupForm::SumupChekupRec 33:\n  FoundMediRec=0 stSumMediRec.asMediRecNo=XX-0003-0001\n"
                "TMainMenuForm::FormClose 2015/04/01 10:00:00 ================\n")
            .replace("\n", "\r\n")
            .toUtf8());
}

TEST_F(Sumup, KvrXlsExactlyWritesTheSchoolNameLayout)
{
    Start();
    AddSmallFixture();
    SetXls("Kvr.xls");
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr.xls"));
    InWindow([&] { ClickSumup(); });
    EXPECT_EQ(SumCsv(),
              DataFileBytes(QString(SchoolNameHeader) +
                            "永久歯 第一小学校,0,10,2015,1,10,XX-0001-0001,2,0,0,0,1,1,1,2,1,1,21,2,1,2,5\n"
                            "乳歯 第一小学校,0,10,2015,1,10,XX-0001-0001,1,1,1,1,0,0,0,1,0,1,13,4,1,0,5\n"
                            "永久歯 桜台中学校,1,7,2015,2,1,XX-0001-00010,0,0,1,0,0,0,0,0,0,0,31,1,0,0,1\n"
                            "乳歯 桜台中学校,1,7,2015,2,1,XX-0001-00010,0,0,0,0,0,0,1,0,0,0,19,0,0,1,1\n"
                            "永久歯 ,-1,116,2015,3,1,XX-0002-0001,0,0,0,0,32,0,0,0,0,0,0,0,0,0,0\n"
                            "乳歯 ,-1,116,2015,3,1,XX-0002-0001,0,0,0,0,20,0,0,0,0,0,0,0,0,0,0\n"));

    // Another letter case is another spreadsheet.
    SetXls("kvr.xls");
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("kvr.xls"));
    InWindow([&] { ClickSumup(); });
    EXPECT_TRUE(SumCsv().startsWith(DataFileBytes(ToothTypeHeader)));
}

TEST_F(Sumup, WithoutCheckupsTheRunCompletesWithTheHeaderAndAnEmptyChart)
{
    Start();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    InWindow([&] {
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計完了。");
    });
    EXPECT_EQ(SumCsv(), DataFileBytes(ToothTypeHeader));
    EXPECT_TRUE(QFile::exists(DebChartHostPath()));
    EXPECT_EQ(DebChart(), QByteArray());
}

TEST_F(Sumup, MoreThan10000CheckupsWarnAndOnlyTheFirst10000ByDateAreCounted)
{
    Start();
    ASSERT_EQ(AddPatient(Examinee("1", "山田", "太郎", 0, 0, EncodeDate(2005, 1, 1))), 1);
    AddKarte("XX-0001-0001", "1");
    AddKarte("XX-0009-0009", "1");
    // The latest check-up is the one left out; it is the only one of its karte.
    const TDateTime first = EncodeDate(1990, 1, 1);
    AddCheckupOf(Checkup("XX-0009-0009", first + 10000));
    // Ten thousand adds through the data store would each be a transaction of their own.
    QStringList teeth;
    for (const char* quadrant : {"RT", "LT", "RB", "LB"})
        for (const char* tooth : {"A", "B", "C", "D", "E", "1", "2", "3", "4", "5", "6", "7", "8"})
            teeth << QString(quadrant) + tooth;
    program.Database().Exec("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
                            "INSERT INTO CheckupTable (CDate, KarteCode, SchoolCode, Memo, " +
                            teeth.join(", ") +
                            ") SELECT date('1990-01-01', '+' || i || ' days'), (SELECT Code FROM KarteTable "
                            "WHERE KarteNo = 'XX-0001-0001'), 0, '', " +
                            QString("19, ").repeated(51) + "19 FROM n;");

    program.Script().Expect(BoxKind::Warning, "検診件数が10001あります。\n10000を越える分は処理できません。");
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    QString last;
    program.Script().OnProcessMessages = [&] { last = SumupForm->SumupStatusBar->SimpleText(); };
    InWindow([&] { ClickSumup(); });

    EXPECT_EQ(program.Script().Boxes()[0].sound, Sound::Asterisk);
    EXPECT_EQ(last, "集計中... 9999/10000");
    const QByteArray csv = SumCsv();
    EXPECT_EQ(csv.count("\r\n"), 1 + 2 * 10000);
    EXPECT_FALSE(csv.contains("XX-0009-0009"));
    EXPECT_TRUE(csv.endsWith(DataFileBytes(
        "MilkTeeth,,太郎,山田,Male,12,2017,5,18,XX-0001-0001,0,0,0,0,0,0,0,0,0,0,20,0,0,0,0\n")));
}

TEST_F(Sumup, OpenOpensAnExistingSpreadsheetThroughTheDesktop)
{
    Start();
    const QString name = QString("SumupTest-%1.xls").arg(QCoreApplication::applicationPid());
    const QString host = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    {
        QFile xls(host);
        ASSERT_TRUE(xls.open(QIODevice::WriteOnly));
    }
    SetXls(name);
    InWindow([&] {
        QTest::mouseClick(SumupForm->OpenButton, Qt::LeftButton);
        ClickSumup(); // a completed run opens it too
    });
    QFile::remove(host);
    EXPECT_EQ(program.Script().Documents(), QStringList({host, host}));
    EXPECT_TRUE(program.Script().Boxes().empty());
}

TEST_F(Sumup, AMissingSpreadsheetIsAnErrorBoxWithoutABeepAndTheTotalsStayWritten)
{
    Start();
    AddSmallFixture();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    InWindow([&] {
        QTest::mouseClick(SumupForm->OpenButton, Qt::LeftButton);
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計完了。");
    });
    EXPECT_EQ(program.Script().Log(), QStringList({"box:ErrorNoSound:" + MissingXlsText("Kvr2.xls"),
                                                   "sound:Exclamation", "box:Error:" + QString(Ambiguity),
                                                   "box:ErrorNoSound:" + MissingXlsText("Kvr2.xls")}));
    EXPECT_TRUE(program.Script().Documents().isEmpty());
    EXPECT_EQ(SumCsv().count("\r\n"), 7);
}

TEST_F(Sumup, ATotalsFileThatCannotBeOpenedStopsTheRunBeforeAnythingIsWritten)
{
    Start();
    AddSmallFixture();
    ASSERT_TRUE(QDir().mkpath(SumCsvHostPath())); // a folder in its place
    const QString path = TProgramFiles::GetSettingsFolder() + "\\KvrSum.csv";
    program.Script().Expect(BoxKind::Error, "集計 CSV ファイル を開くことができません。\n" + path);
    InWindow([&] {
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計できませんでした。");
        for (QWidget* button :
             {static_cast<QWidget*>(SumupForm->SumupButton), static_cast<QWidget*>(SumupForm->OpenButton),
              static_cast<QWidget*>(SumupForm->CloseButton)})
            EXPECT_TRUE(button->isEnabled());
    });
    EXPECT_EQ(program.Script().Boxes()[0].sound, Sound::Exclamation);
    EXPECT_FALSE(QFile::exists(DebChartHostPath()));
    EXPECT_TRUE(program.Script().Documents().isEmpty());
}

TEST_F(Sumup, AChartFileThatCannotBeCreatedLeavesTheTotalsWhole)
{
    Start();
    AddSmallFixture();
    ASSERT_TRUE(QDir().mkpath(DebChartHostPath()));
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    InWindow([&] {
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計完了。");
    });
    EXPECT_EQ(SumCsv().count("\r\n"), 7);
}

TEST_F(Sumup, ATotalsFileThatCannotBeWrittenIsNoResult)
{
    Start();
    AddSmallFixture();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(SumCsvHostPath()).path()));
    ASSERT_TRUE(QFile::link("/dev/full", SumCsvHostPath()));
    ExpectAmbiguity();
    InWindow([&] {
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計できませんでした。");
    });
    EXPECT_TRUE(program.Script().Documents().isEmpty());
}

TEST_F(Sumup, ACheckupSearchThatFailsStopsTheRunBeforeAnythingIsWritten)
{
    Start();
    AddSmallFixture();
    program.Script().Expect(BoxKind::Error, "検診テーブルを検索できませんでした。(-1)");
    InWindow([&] {
        DBDM->Query1->DatabaseName = "C:\\no\\such\\folder";
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計できませんでした。");
    });
    DBDM->Query1->DatabaseName = TempDatabase::DatabaseName;
    EXPECT_FALSE(QFile::exists(SumCsvHostPath()));
    EXPECT_FALSE(QFile::exists(DebChartHostPath()));
}

TEST_F(Sumup, AKarteSearchThatFailsStopsTheRunAndKeepsWhatWasWritten)
{
    Start(true);
    AddSmallFixture();
    // The check-ups are read; then the karte search fails.
    program.Script().OnProcessMessages = [] { DBDM->Query1->DatabaseName = "C:\\no\\such\\folder"; };
    program.Script().Expect(BoxKind::Error,
                            "カルテ・テーブル検索エラー。(-1)\n-1 XX-0001-0001\n  (SumupChekupRec)");
    InWindow([&] {
        ClickSumup();
        EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計できませんでした。");
    });
    DBDM->Query1->DatabaseName = TempDatabase::DatabaseName;
    EXPECT_EQ(SumCsv(), DataFileBytes(ToothTypeHeader));
    EXPECT_EQ(DebChart(), QByteArray());
    EXPECT_TRUE(program.Script().Documents().isEmpty());
    program.Stop();
    EXPECT_TRUE(ReadBytes(HostPath(TProgramFiles::GetSettingsFolder() + "\\DebLog.txt"))
                    .contains("TSumupForm::SumupChekupRec 33:\r\n  FoundMediRec=-1 "
                              "stSumMediRec.asMediRecNo=XX-0001-0001\r\n"));
}

TEST_F(Sumup, NothingElseInTheWindowStartsWhileARunCounts)
{
    Start();
    AddSmallFixture();
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    bool tried = false;
    bool enabledDuring = true;
    program.Script().OnProcessMessages = [&] {
        if (tried)
            return;
        tried = true;
        TSumupForm& f = *SumupForm;
        enabledDuring = f.SumupButton->isEnabled() || f.OpenButton->isEnabled() || f.CloseButton->isEnabled();
        QTest::mouseClick(f.SumupButton, Qt::LeftButton);
        QTest::mouseClick(f.OpenButton, Qt::LeftButton);
        QTest::keyClick(f.ComboBoxSchoolName, Qt::Key_Escape);
        f.close(); // the title bar's close box
    };
    int resultAfterRun = -1;
    InWindow([&] {
        ClickSumup();
        resultAfterRun = SumupForm->ModalResult();
        EXPECT_TRUE(SumupForm->SumupButton->isEnabled());
        EXPECT_TRUE(SumupForm->OpenButton->isEnabled());
        EXPECT_TRUE(SumupForm->CloseButton->isEnabled());
        EXPECT_EQ(SumupForm->focusWidget(), SumupForm->SumupButton);
    });
    EXPECT_TRUE(tried);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(resultAfterRun, mrNone);
    EXPECT_EQ(SumCsv().count("\r\n"), 7);
}

// Ten check-ups of one karte; the sixth, by date, is of "XX-0001-0001", which finds
// "XX-0001-00010" too when `ambiguous`.
static void AddTenCheckups(bool ambiguous)
{
    AddKarte("XX-0002-0001", "");
    if (ambiguous) {
        AddKarte("XX-0001-0001", "");
        AddKarte("XX-0001-00010", "");
    }
    for (int day = 1; day <= 10; ++day)
        AddCheckupOf(
            Checkup(ambiguous && day == 6 ? "XX-0001-0001" : "XX-0002-0001", EncodeDate(2015, 1, day)));
}

TEST_F(Sumup, TheProgressIsShownAsTimePassesAndAlwaysForTheLastCheckup)
{
    Start();
    AddTenCheckups(false);
    struct Case
    {
        qint64 step; // milliseconds between two check-ups
        QList<int> shown;
    };
    const Case cases[] = {
        {0, {0, 9}},
        {10, {0, 4, 8, 9}},
        {40, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        program.Script().SetTicksStep(c.step);
        program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
        QStringList progress;
        program.Script().OnProcessMessages = [&] { progress << SumupForm->SumupStatusBar->SimpleText(); };
        InWindow([&] {
            ClickSumup();
            EXPECT_EQ(SumupForm->SumupStatusBar->SimpleText(), "集計完了。");
        });
        program.Script().OnProcessMessages = nullptr;
        QStringList expected;
        for (int i : c.shown)
            expected << "集計中... " + QString::number(i) + "/10";
        EXPECT_EQ(progress, expected) << "step " << c.step;
        EXPECT_EQ(SumCsv().count("\r\n"), 1 + 2 * 10) << "step " << c.step;
    }
}

TEST_F(Sumup, ABoxForACheckupShowsThatCheckupsFigureWhenNoTimeHasPassed)
{
    Start();
    AddTenCheckups(true);
    program.Script().SetTicksStep(0);
    ExpectAmbiguity();
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    QStringList atBoxes;
    program.Script().OnBox = [&] { atBoxes << SumupForm->SumupStatusBar->SimpleText(); };
    InWindow([&] { ClickSumup(); });
    program.Script().OnBox = nullptr;
    EXPECT_EQ(atBoxes, QStringList({"集計中... 5/10", "集計完了。"}));
}

TEST_F(Sumup, FieldsWithCommasQuotesOrLineBreaksAreWrittenInQuotes)
{
    Start();
    ASSERT_EQ(AddPatient(Examinee("1", "O'Neil, Jr.", "Ann \"Annie\"\nMarie", 1, 0, EncodeDate(2008, 4, 1))),
              1);
    AddKarte("XX-0001,0001", "1");
    AddCheckupOf(Checkup("XX-0001,0001", EncodeDate(2015, 1, 10), 6));
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    InWindow([&] {
        TypeSchoolName("巡回\"東\",西");
        ClickSumup();
    });
    const QString fields =
        ",\"巡回\"\"東\"\",西\",\"Ann \"\"Annie\"\"\nMarie\",\"O'Neil, Jr.\",Female,7,2015,1,10,"
        "\"XX-0001,0001\",0,0,0,0,";
    EXPECT_EQ(SumCsv(),
              DataFileBytes(ToothTypeHeader + ("PermanentTeeth" + fields + "32,0,0,0,0,0,0,0,0,0,0\n") +
                            ("MilkTeeth" + fields + "20,0,0,0,0,0,0,0,0,0,0\n")));
}

TEST_F(Sumup, AKarteNumberWithAQuoteIsCountedLikeAnyOther)
{
    Start();
    AddKarte("XX'0001-0001", "");
    AddCheckupOf(Checkup("XX'0001-0001", EncodeDate(2015, 1, 10), 6));
    program.Script().Expect(BoxKind::ErrorNoSound, MissingXlsText("Kvr2.xls"));
    InWindow([&] { ClickSumup(); });
    EXPECT_EQ(SumCsv(),
              DataFileBytes(QString(ToothTypeHeader) +
                            "PermanentTeeth,,,,,116,2015,1,10,XX'0001-0001,0,0,0,0,32,0,0,0,0,0,0,0,0,0,0\n"
                            "MilkTeeth,,,,,116,2015,1,10,XX'0001-0001,0,0,0,0,20,0,0,0,0,0,0,0,0,0,0\n"));
}

// The sum-up reads the kartes once and answers each check-up's lookup itself: it must
// find what the data store's search finds, in the same order, wildcards and letter case
// included.
TEST_F(Sumup, TheKarteLookupFindsWhatTheDataStoreFinds)
{
    Start();
    ASSERT_EQ(AddPatient(Examinee("1", "山田", "太郎", 0, 0, EncodeDate(2005, 1, 1))), 1);
    for (const char* no : {"AB-1", "XAB-1", "AB-10", "ab-1", "A%B", "A_B", "AxB", "Q'1", "AB-1AB-1"})
        AddKarte(no, QString(no).startsWith('X') ? "1" : "");
    AddKarte("AB-11", "1");
    ASSERT_EQ(DelMedicalRecord("AB-11"), 1);
    AddKarte("AB-12", "1");
    program.Database().Exec("DELETE FROM PSTable WHERE KarteCode = (SELECT Code FROM KarteTable WHERE "
                            "KarteNo = 'AB-12');");

    stMedicalRec filter;
    filter.tDate = EncodeDate(1900, 1, 1);
    const TDateTime end = EncodeDate(3000, 12, 31);
    stPatientRec none;
    none.iSex = -1;
    const auto read = [](const std::function<int(stMedicalRec*, stPatientRec*, stExcursusRec*, int)>& get,
                         int n) {
        std::vector<stMedicalRec> kartes(size_t(std::max(n, 1)));
        std::vector<stPatientRec> people(kartes.size());
        std::vector<stExcursusRec> answers(kartes.size());
        QStringList rows;
        const int r = get(kartes.data(), people.data(), answers.data(), n);
        for (int i = 0; i < r; ++i)
            rows << kartes[size_t(i)].asMediRecNo + "|" + people[size_t(i)].asName0 + "|" +
                        QString::number(answers[size_t(i)].iKarteCode);
        return rows;
    };

    TSumupKarteLookup lookup;
    for (const char* wanted :
         {"AB-1", "B-1", "ab", "A%B", "A_B", "%", "_", "x", "Q'1", "AB-11", "AB-12", "Z", ""}) {
        filter.asMediRecNo = wanted;
        const int expected = SearchMedicalRecord(filter, end, none);
        const QStringList expectedRows = read(GetMedicalRecords, expected);
        const int found = lookup.Search(filter, end, none);
        EXPECT_EQ(found, expected) << wanted;
        EXPECT_EQ(read([&](auto... a) { return lookup.Get(a...); }, found), expectedRows) << wanted;
    }
}
