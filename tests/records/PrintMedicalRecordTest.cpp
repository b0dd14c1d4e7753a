// The karte sheets: the dialog the karte editor's print button opens, sheet A (header,
// questionnaire, notes) and sheet B (a line per check-up with its chart, diet rows and,
// on the last, the treatments), written byte for byte as the main documents read them.
#include "app/FormMainMenu.h"
#include "records/MedicalRecordSearchUnit.h"
#include "records/PrintMedicalRecordUnit.h"
#include "tests/records/KarteDataFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <utility>

using namespace widgets;

namespace {

// The CP932 bytes of the Japanese words in the fixture; everything else is ASCII.
const std::pair<const char*, const char*> Cp932Words[] = {
    {"山田", "\x8e\x52\x93\x63"},
    {"花子", "\x89\xd4\x8e\x71"},
    {"佐藤", "\x8d\xb2\x93\xa1"},
    {"一郎", "\x88\xea\x98\x59"},
    {"東小学校", "\x93\x8c\x8f\xac\x8a\x77\x8d\x5a"},
    {"飴", "\x88\xb9"},
    {"毎日", "\x96\x88\x93\xfa"},
    {"初診", "\x8f\x89\x90\x66"},
    {"－", "\x81\x7c"},
    {"セ", "\x83\x5a"},
    {"×", "\x81\x7e"},
    {"△", "\x81\xa2"},
};

// A text as a Windows program writes it: CP932, every line break CR LF.
QByteArray Windows(const QString& text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [word, cp932] : Cp932Words) {
            const QString w = QString::fromUtf8(word);
            if (text.mid(i, w.size()) == w) {
                bytes += cp932;
                i += w.size();
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        const QChar c = text[i++];
        EXPECT_LT(c.unicode(), 0x80) << "no CP932 bytes given for " << QString(c).toStdString();
        bytes += c == '\n' ? QByteArray("\r\n") : QByteArray(1, char(c.unicode()));
    }
    return bytes;
}

// The photo folder as sheet A writes it: the program folder and "Images", backslashes doubled.
QString PhotoFolder()
{
    return "Z:" + QCoreApplication::applicationDirPath().replace('/', "\\\\") + "\\\\Images";
}

// 52 tooth fields, empty but for the given columns (0-based, sheet B's order).
QString Teeth(std::initializer_list<std::pair<int, const char*>> shown)
{
    QStringList teeth(52, "");
    for (const auto& [col, symbol] : shown)
        teeth[col] = QString::fromUtf8(symbol);
    return teeth.join(",");
}

// A data file's records as a spreadsheet reads them: a field in double quotes may hold
// commas, line breaks and doubled quotes; text after its closing quote joins the field.
QList<QByteArrayList> Records(const QByteArray& file)
{
    QList<QByteArrayList> records;
    QByteArrayList record;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < file.size(); ++i) {
        const char c = file[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < file.size() && file[i + 1] == '"')
                field += file[++i];
            else
                quoted = false;
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            record << field;
            field.clear();
        } else if (c == '\r' && i + 1 < file.size() && file[i + 1] == '\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

// The field of `record` under the header `column`.
QByteArray Field(const QList<QByteArrayList>& records, int record, const char* column)
{
    const qsizetype col = records.value(0).indexOf(column);
    return col < 0 ? "(no column)" : records.value(record).value(col, "(no field)");
}

} // namespace

class KarteSheets : public KarteData
{
protected:
    // One examinee's karte with a questionnaire, two notes, three check-ups with diet
    // rows on two of them, and two treatments.
    void AddKarteWithRows()
    {
        east = AddSchool("東小学校");
        west = AddSchool("West School");
        WritePhoto("p101.bmp");
        AddExaminee("101", "山田", "花子", "ヤマダ", "ハナコ", "2005/04/02", 1, east, "p101.bmp");
        stExcursusRec answers;
        answers.bAIDS = true;
        answers.bTuberculosis = true;
        answers.asTuberculosisMemo = "TB memo";
        answers.bHepatitisC = true;
        answers.bQ1Anemia = true;
        answers.bQ1Bleeding = true;
        answers.bQ2Injection = true;
        answers.bQ2Others = true;
        answers.asQ2OthersMemo = "pollen";
        answers.bQ3 = true;
        answers.asQ41Memo = "2";
        answers.asQ43Memo = "night";
        AddKarte("XX-0001-0001", "2015/04/01", "101", answers, 1);

        AddMember("7", "佐藤", "一郎");
        AddMember("8", "Smith", "John");
        AddNoteRow("XX-0001-0001", "2015/04/02", "初診", "7");
        AddNoteRow("XX-0001-0001", "2015/05/01", "recheck", "8");
        AddTreatmentRow("XX-0001-0001", "2015/05/03", "sealant", "8");
        AddTreatmentRow("XX-0001-0001", "2015/06/01", "fluoride", "7");

        const int candy = AddFood("飴");
        const int juice = AddFood("juice");
        const int daily = AddFrequency("毎日", 1);
        const int weekly = AddFrequency("weekly", 2);
        const int first = AddCheckupRow("XX-0001-0001", "2013/05/01", east, [](stCheckupRecord& c) {
            c.iRTE = 1;
            c.iLT1 = 6;
            c.iRB8 = 8;
            c.iLBE = 11;
            c.iLB8 = 12;
        });
        AddDietRow(first, candy, daily);
        AddDietRow(first, juice, weekly);
        AddCheckupRow("XX-0001-0001", "2014/05/01", west, [](stCheckupRecord& c) {
            c.iRTA = 7;
            c.iRT1 = 10;
        });
        const int last =
            AddCheckupRow("XX-0001-0001", "2015/05/01", east, [](stCheckupRecord& c) { c.iLB1 = 25; });
        AddDietRow(last, candy, 99); // a frequency no longer listed
    }

    // The karte editor's print button, the sheets chosen in the dialog, then Print.
    void PrintSheets(bool a, bool b)
    {
        Script().OnModal(*PrintMedicalRecordForm, [=] {
            if (a)
                Tick(PrintMedicalRecordForm->LeftCheckBox);
            if (b)
                Tick(PrintMedicalRecordForm->RightCheckBox);
            Click(PrintMedicalRecordForm->PrintButton);
        });
        Click(Form().PrintButton);
    }

    int east = 0;
    int west = 0;
};

TEST_F(KarteSheets, SheetAHoldsTheHeaderTheQuestionnaireAndTheNotes)
{
    AddKarteWithRows();
    const QString document = PlaceMainDocument("DocA");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        PrintSheets(true, false);
    });
    EXPECT_EQ(Script().Documents(), QStringList({document}));
    const QString expected =
        "MediRecNo,MediRecDate,PatientNo,FamilyName,PersonalName,BirthDate,Sex,PhotoImage,AIDS,Tuberclulosis,"
        "TuberclulosisCmnt,BloodInfection,BloodInfectionCmnt,HepatitisB,HepatitisC,ArialInfection,"
        "ArialInfectionCmnt,OtherInfection,OtherInfectionCmnt,NoAbnormality,Anemia,Swollen,Bleeding,Fever,"
        "NotExtracted,NoAllergy,AfterInjection,AfterMedicine,OtherAllergy,OtherAllergyCmnt,HaveInterest,"
        "NoInterest,BrushingFreq,BrushingFreqCmnt,Next,NoteDate,NoteDescript,NoteName\n"
        R"(XX-0001-0001,"2015/04/01",101,山田,花子,"2005/04/02",Female,"")" +
        PhotoFolder() +
        R"(\\p101.bmp"",X,X,"TB memo","-","","-",X,"-","","-","",)"
        R"("-",X,"-",X,"-","-","-",X,"-",X,"pollen",X,"-","Twice a day","night",by local dentist,)"
        "\"2015/04/02\n2015/05/01\",\"初診\nrecheck\",\"佐藤, 一郎\nSmith, John\"\n";
    EXPECT_EQ(CurrentFolderFile("MediRecA.txt"), Windows(expected));
}

TEST_F(KarteSheets, SheetAOfAKarteWithoutExamineeNamesNoPhotoAfterOneWithAPhoto)
{
    AddKarteWithRows();
    PlaceMainDocument("DocA");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        ASSERT_EQ(Form().PhotoLabel->Caption(), "p101.bmp");
        NewKarteDated("20150402");
        Click(Form().AddButton);
        FindThroughSearch("XX-0001-0002");
        PrintSheets(true, false);
    });
    const QByteArray sheet = CurrentFolderFile("MediRecA.txt");
    EXPECT_TRUE(sheet.contains("\r\nXX-0001-0002,\"2015/04/02\",,,,\"\",,\"\"" + PhotoFolder().toLatin1() +
                               "\\\\\"\","))
        << sheet.toStdString();
    EXPECT_FALSE(sheet.contains("p101")) << sheet.toStdString();
}

TEST_F(KarteSheets, SheetBHasALinePerCheckupWithItsChartDietRowsAndTheTreatmentsLast)
{
    AddKarteWithRows();
    const QString document = PlaceMainDocument("DocB");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        PrintSheets(false, true);
    });
    EXPECT_EQ(Script().Documents(), QStringList({document}));
    const QString expected =
        "MediRecNo,MediRecDate,PatientNo,FamilyName,PersonalName,CheckupDate,SchoolName,URE,URD,URC,URB,URA,"
        "ULA,ULB,ULC,ULD,ULE,BRE,BRD,BRC,BRB,BRA,BLA,BLB,BLC,BLD,BLE,UR8,UR7,UR6,UR5,UR4,UR3,UR2,UR1,UL1,UL2,"
        "UL3,UL4,UL5,UL6,UL7,UL8,BR8,BR7,BR6,BR5,BR4,BR3,BR2,BR1,BL1,BL2,BL3,BL4,BL5,BL6,BL7,BL8,FoodType,"
        "EatingFreq,TreatDate,TreatDescript,TreatDentist\n"
        // The karte number on the first line only.
        R"(XX-0001-0001,"2015/04/01",101,山田,花子,"2013/05/01","東小学校",)" +
        Teeth({{0, "C1"}, {19, "×"}, {28, "－"}, {36, "セ"}, {51, "△"}}) +
        ",\"飴\njuice\",\"毎日\nweekly\",\"\",\"\",\"\"\n"
        R"(,"2015/04/01",101,山田,花子,"2014/05/01","West School",)" +
        Teeth({{4, "CR"}, {27, "  "}}) +
        R"(,"","","","","")"
        "\n"
        // The treatments on the last line; a frequency missing from the list has no name.
        R"(,"2015/04/01",101,山田,花子,"2015/05/01","東小学校",)" +
        Teeth({{44, "??"}}) +
        ",\"飴\",\"\",\"2015/05/03\n2015/06/01\",\"sealant\nfluoride\",\"Smith, John\n佐藤, 一郎\"\n";
    EXPECT_EQ(CurrentFolderFile("MediRecB.txt"), Windows(expected));
}

TEST_F(KarteSheets, TextsWithCommasQuotesOrLineBreaksKeepToTheirColumns)
{
    const int school = AddSchool("North \"Main\" School");
    WritePhoto("p,101.bmp");
    AddExaminee("101", "Smith, Jr", "Ann", "sumisu", "an", "2005/04/02", 1, school, "p,101.bmp");
    AddKarte("XX-0001-0001", "2015/04/01", "101", {}, 1);
    AddMember("8", "Smith", "John");
    AddNoteRow("XX-0001-0001", "2015/04/02", "said \"ouch\"", "8");
    AddTreatmentRow("XX-0001-0001", "2015/05/03", "sealant, upper", "8");
    AddCheckupRow("XX-0001-0001", "2015/05/01", school);
    MainMenuForm->IniFile->WriteString("Next", "Next1", "by local dentist, later");
    PlaceMainDocument("DocA");
    PlaceMainDocument("DocB");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        TypeInto(Form().TuberculosisEdit, "old\", \"injected");
        PrintSheets(true, true);
    });

    const QByteArray fileA = CurrentFolderFile("MediRecA.txt");
    const QList<QByteArrayList> a = Records(fileA);
    ASSERT_EQ(a.size(), 2) << fileA.toStdString();
    EXPECT_EQ(a[0].size(), 38);
    EXPECT_EQ(a[1].size(), 38) << fileA.toStdString();
    EXPECT_EQ(Field(a, 1, "FamilyName"), "Smith, Jr");
    EXPECT_EQ(Field(a, 1, "PersonalName"), "Ann");
    EXPECT_EQ(Field(a, 1, "PhotoImage"), "\"" + PhotoFolder().toLatin1() + "\\\\p,101.bmp\"");
    EXPECT_EQ(Field(a, 1, "TuberclulosisCmnt"), "old\", \"injected");
    EXPECT_EQ(Field(a, 1, "Next"), "by local dentist, later");
    EXPECT_EQ(Field(a, 1, "NoteDescript"), "said \"ouch\"");
    EXPECT_EQ(Field(a, 1, "NoteName"), "Smith, John");
    // The quotes doubled inside their field, a bare field quoted only for its comma.
    EXPECT_TRUE(
        fileA.contains("\r\nXX-0001-0001,\"2015/04/01\",101,\"Smith, Jr\",Ann,\"2005/04/02\",Female,"))
        << fileA.toStdString();
    EXPECT_TRUE(fileA.contains(",\"old\"\", \"\"injected\","));

    const QByteArray fileB = CurrentFolderFile("MediRecB.txt");
    const QList<QByteArrayList> b = Records(fileB);
    ASSERT_EQ(b.size(), 2) << fileB.toStdString();
    EXPECT_EQ(b[0].size(), 64);
    EXPECT_EQ(b[1].size(), 64) << fileB.toStdString();
    EXPECT_EQ(Field(b, 1, "FamilyName"), "Smith, Jr");
    EXPECT_EQ(Field(b, 1, "SchoolName"), "North \"Main\" School");
    EXPECT_EQ(Field(b, 1, "TreatDescript"), "sealant, upper");
    EXPECT_EQ(Field(b, 1, "TreatDentist"), "Smith, John");
}

TEST_F(KarteSheets, PrintIsOfferedOnlyWithASheetChosenAndTheChoiceIsKept)
{
    AddKarteWithRows();
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        TPrintMedicalRecordForm& p = *PrintMedicalRecordForm;
        Script().OnModal(p, [&] {
            EXPECT_FALSE(Enabled(p.PrintButton));
            EXPECT_FALSE(Visible(p.PrinterSetupButton));
            Tick(p.RightCheckBox);
            EXPECT_TRUE(Enabled(p.PrintButton));
            Tick(p.RightCheckBox);
            EXPECT_FALSE(Enabled(p.PrintButton));
            Tick(p.LeftCheckBox);
            QTest::keyClick(&p, Qt::Key_Escape);
        });
        Click(Form().PrintButton);
        Script().OnModal(p, [&] {
            EXPECT_TRUE(p.LeftCheckBox->Checked());
            EXPECT_FALSE(p.RightCheckBox->Checked());
            EXPECT_TRUE(Enabled(p.PrintButton));
            Click(p.CloseButton);
        });
        Click(Form().PrintButton);
    });
    EXPECT_TRUE(Script().Documents().isEmpty());
    EXPECT_TRUE(CurrentFolderFile("MediRecA.txt").isEmpty());
}

TEST_F(KarteSheets, BothSheetsAreWrittenAndOpenedAFirstEvenWhenADocumentIsMissing)
{
    AddKarteWithRows();
    const QString documentB = PlaceMainDocument("DocB");
    Show([&] {
        const QString missingA = MissingMainDocument("DocA");
        FindThroughSearch("XX-0001-0001");
        Script().Expect(BoxKind::ErrorNoSound,
                        "差し込み印刷のメイン文書がありません。\n  \"" + missingA + "\"");
        PrintSheets(true, true);
        EXPECT_FALSE(PrintMedicalRecordForm->isVisible());
    });
    EXPECT_TRUE(Script().Sounds().empty());
    EXPECT_EQ(Script().Documents(), QStringList({documentB}));
    EXPECT_TRUE(CurrentFolderFile("MediRecA.txt").startsWith("MediRecNo,MediRecDate,"));
    EXPECT_TRUE(CurrentFolderFile("MediRecB.txt").startsWith("MediRecNo,MediRecDate,"));
}

TEST_F(KarteSheets, ASheetThatCannotBeWrittenIsReportedAndItsDocumentNotOpened)
{
    AddKarteWithRows();
    PlaceMainDocument("DocA");
    const QString documentB = PlaceMainDocument("DocB");
    ASSERT_TRUE(QDir(CurrentFolder()).mkdir("MediRecA.txt"));
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        Script().Expect(BoxKind::Error, "印刷用データ・ファイルを開くことができません。\nMediRecA.txt");
        PrintSheets(true, true);
    });
    EXPECT_EQ(Script().Documents(), QStringList({documentB}));
}

TEST_F(KarteSheets, ASheetThatCannotBeWrittenWholeIsReportedAndItsDocumentNotOpened)
{
    AddKarteWithRows();
    PlaceMainDocument("DocA");
    const QString documentB = PlaceMainDocument("DocB");
    // A disk that takes no byte: the file opens, its lines never arrive.
    ASSERT_TRUE(QFile::link("/dev/full", CurrentFolder() + "/MediRecA.txt"));
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        Script().Expect(BoxKind::Error, "印刷用データ・ファイルに書き込むことができません。\nMediRecA.txt");
        PrintSheets(true, true);
    });
    EXPECT_EQ(Script().Documents(), QStringList({documentB}));
}

TEST_F(KarteSheets, ACheckupWithMoreThan20DietRowsListsTheFirst20)
{
    const int school = AddSchool("West School");
    AddKarte("XX-0003-0001", "2015/04/01");
    for (int i = 1; i <= 25; ++i)
        AddFood(QString("food%1").arg(i));
    AddFrequency("weekly", 1);
    const int crowded = AddCheckupRow("XX-0003-0001", "2014/05/01", school);
    for (int i = 1; i <= 25; ++i)
        AddDietRow(crowded, i, 1);
    AddCheckupRow("XX-0003-0001", "2015/05/01", school);
    PlaceMainDocument("DocB");
    Show([&] {
        FindThroughSearch("XX-0003-0001");
        Script().Expect(BoxKind::Warning, "食事調査行数が25あります。\n20を越える行は表示できません。");
        PrintSheets(false, true);
    });
    EXPECT_EQ(Script().Sounds().back(), Sound::Asterisk);
    QStringList foods;
    for (int i = 1; i <= 20; ++i)
        foods << QString("food%1").arg(i);
    const QByteArray sheet = CurrentFolderFile("MediRecB.txt");
    EXPECT_TRUE(sheet.contains(",\"" + foods.join("\r\n").toLatin1() + "\",\"" +
                               QStringList(20, "weekly").join("\r\n").toLatin1() + "\","))
        << sheet.toStdString();
}

TEST_F(KarteSheets, AFailedDietSearchLeavesThoseFieldsEmptyAndTheOtherLinesWhole)
{
    AddKarteWithRows();
    PlaceMainDocument("DocB");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        program.Database().Exec("DROP TABLE DietInquiryTable;");
        for (int i = 0; i < 3; ++i)
            Script().Expect(BoxKind::Error, "食事調査テーブルを検索できませんでした。(-1)");
        PrintSheets(false, true);
    });
    const QByteArray sheet = CurrentFolderFile("MediRecB.txt");
    EXPECT_TRUE(sheet.contains(Windows(R"("2013/05/01","東小学校",)" +
                                       Teeth({{0, "C1"}, {19, "×"}, {28, "－"}, {36, "セ"}, {51, "△"}}) +
                                       R"(,"","","","","")"
                                       "\n")));
    EXPECT_TRUE(sheet.endsWith(Windows(Teeth({{44, "??"}}) +
                                       ",\"\",\"\",\"2015/05/03\n2015/06/01\",\"sealant\nfluoride\","
                                       "\"Smith, John\n佐藤, 一郎\"\n")));
}

// ---------------------------------------------------------------------------------------------
// The lines without the window

TEST_F(KarteSheets, AnEmptyEditorGivesSheetAOneLineOfEmptyFields)
{
    Show([&] {
        EXPECT_EQ(SheetALine(Form(), "F"),
                  R"(,"",,,,"",,""F\\"",)"
                  R"("-","-","","-","","-","-","-","","-","","-","-","-","-","-","-","-","-","-","-","",)"
                  R"("-",X,"","",,"","","")"
                  "\n");
    });
}

TEST(KarteSheetPhoto, TheFolderHasItsBackslashesDoubled)
{
    EXPECT_EQ(PhotoFolderText("C:\\P\\", "Images"), "C:\\\\P\\\\Images");
    EXPECT_EQ(PhotoFolderText("Z:\\opt\\kvr\\", "..\\pics"), "Z:\\\\opt\\\\kvr\\\\..\\\\pics");
}

TEST_F(KarteSheets, LongNotesAndPhotoNamesAreWrittenWhole)
{
    AddKarte("XX-0004-0001", "2015/04/01");
    AddMember("7", "佐藤", "一郎");
    const QString longNote(60000, 'n');
    AddNoteRow("XX-0004-0001", "2015/04/02", longNote, "7");
    AddNoteRow("XX-0004-0001", "2015/04/03", "short", "7");
    Show([&] {
        FindThroughSearch("XX-0004-0001");
        const QString photo = QString(200, 'p') + ".bmp";
        Form().PhotoLabel->SetCaption(photo);
        const QString line = SheetALine(Form(), QString(300, 'f'));
        EXPECT_TRUE(line.contains("\"\"" + QString(300, 'f') + "\\\\" + photo + "\"\""));
        EXPECT_TRUE(line.contains("\"" + longNote + "\nshort\""));
    });
}
