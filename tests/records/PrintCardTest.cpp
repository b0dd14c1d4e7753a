// ID cards by mail merge: the card data file as the main document reads it (CP932,
// CR LF, every field quoted), the card of the karte on the karte editor's screen, the
// main document opened through the shell or reported missing without a sound, and a
// data file that cannot be written. Cards from the karte search: MedicalRecordSearchTest.
#include "app/FormMainMenu.h"
#include "records/PrintCardUnit.h"
#include "tests/records/KarteDataFixture.h"

#include <QDir>
#include <QFile>

using namespace widgets;

class IdCards : public KarteData
{
protected:
    void AddExamineeKarte()
    {
        const int school = AddSchool("West School");
        // "ë" has no CP932 code: the file carries "?" in its place.
        AddExaminee("101", "山田", "Zoë", "ヤマダ", "ゾエ", "2005/04/02", 1, school);
        AddKarte("XX-0001-0001", "2015/04/01", "101");
    }
};

TEST_F(IdCards, TheWindowIsNeverShownAndOffersItsTwoButtons)
{
    TPrintCardForm& card = *PrintCardForm;
    EXPECT_EQ(card.PrintButton->Caption(), "印刷(&P)...");
    EXPECT_EQ(card.CloseButton->Caption(), "閉じる(&X)");
    EXPECT_TRUE(card.CloseButton->Cancel());
    EXPECT_EQ(card.asCardFileName, "IdCard.txt");
    EXPECT_FALSE(card.isVisible());
}

TEST_F(IdCards, TheEditorsCardCarriesItsFieldsAsTheyStand)
{
    AddExamineeKarte();
    const QString document = PlaceMainDocument("DocCard");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        ASSERT_TRUE(Enabled(Form().PrintCardButton));
        Click(Form().PrintCardButton);
    });
    EXPECT_EQ(Script().Documents(), QStringList({document}));
    // The name as the editor shows it: personal name, blank, family name.
    EXPECT_EQ(CurrentFolderFile("IdCard.txt"),
              QByteArray("Name,BirthDate,Sex,MediRecNo,IssueDate,PatientNo\r\n"
                         "\"Zo? ") +
                  "\x8e\x52\x93\x63" +
                  "\",\"2005/04/02\",\"Female\",\"XX-0001-0001\",\"2015/04/01\",\"101\"\r\n");
}

TEST_F(IdCards, AQuoteInAFieldIsDoubledSoTheColumnsStay)
{
    const int school = AddSchool("West School");
    AddExaminee("101", "Smith, Jr", "Ann \"Annie\"", "sumisu", "an", "2005/04/02", 1, school);
    AddKarte("XX-0001-0001", "2015/04/01", "101");
    PlaceMainDocument("DocCard");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        Click(Form().PrintCardButton);
    });
    EXPECT_EQ(CurrentFolderFile("IdCard.txt"),
              QByteArray("Name,BirthDate,Sex,MediRecNo,IssueDate,PatientNo\r\n"
                         "\"Ann \"\"Annie\"\" Smith, Jr\",\"2005/04/02\",\"Female\",\"XX-0001-0001\","
                         "\"2015/04/01\",\"101\"\r\n"));
}

TEST_F(IdCards, EachRunWritesTheFileAnew)
{
    AddExamineeKarte();
    AddKarte("XX-0001-0002", "2016/04/01");
    PlaceMainDocument("DocCard");
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        Click(Form().PrintCardButton);
        FindThroughSearch("XX-0001-0002");
        Click(Form().PrintCardButton);
    });
    EXPECT_EQ(CurrentFolderFile("IdCard.txt"),
              QByteArray("Name,BirthDate,Sex,MediRecNo,IssueDate,PatientNo\r\n"
                         "\" \",\"\",\"\",\"XX-0001-0002\",\"2016/04/01\",\"\"\r\n"));
}

TEST_F(IdCards, AMissingMainDocumentIsReportedWithoutASoundAfterTheFileIsWritten)
{
    AddExamineeKarte();
    Show([&] {
        const QString document = MissingMainDocument("DocCard");
        FindThroughSearch("XX-0001-0001");
        Script().Expect(BoxKind::ErrorNoSound,
                        "差し込み印刷のメイン文書がありません。\n  \"" + document + "\"");
        Click(Form().PrintCardButton);
    });
    EXPECT_TRUE(Script().Sounds().empty());
    EXPECT_TRUE(Script().Documents().isEmpty());
    EXPECT_TRUE(CurrentFolderFile("IdCard.txt").contains("\"XX-0001-0001\""));
}

TEST_F(IdCards, TheDefaultMainDocumentIsIdCardDocInTheProgramFolder)
{
    Show([&] {
        const QString folder = "Z:" + QCoreApplication::applicationDirPath().replace('/', '\\') + "\\";
        Script().Expect(BoxKind::ErrorNoSound,
                        "差し込み印刷のメイン文書がありません。\n  \"" + folder + "IdCard.doc\"");
        EXPECT_EQ(PrintCardForm->OpenMergeDocument(), -1);
    });
}

TEST_F(IdCards, ADataFileThatCannotBeOpenedEndsTheRunWithItsError)
{
    AddExamineeKarte();
    PlaceMainDocument("DocCard");
    ASSERT_TRUE(QDir(CurrentFolder()).mkdir("IdCard.txt"));
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        Script().Expect(BoxKind::Error, "印刷用データ・ファイルを開くことができません。\nIdCard.txt");
        Click(Form().PrintCardButton);
    });
    EXPECT_EQ(Script().Sounds(), std::vector<Sound>({Sound::Exclamation}));
    EXPECT_TRUE(Script().Documents().isEmpty());
}

TEST_F(IdCards, ADataFileThatCannotBeWrittenWholeIsReportedAndItsDocumentNotOpened)
{
    AddExamineeKarte();
    PlaceMainDocument("DocCard");
    // A disk that takes no byte: the file opens, its lines never arrive.
    ASSERT_TRUE(QFile::link("/dev/full", CurrentFolder() + "/IdCard.txt"));
    Show([&] {
        FindThroughSearch("XX-0001-0001");
        Script().Expect(BoxKind::Error, "印刷用データ・ファイルに書き込むことができません。\nIdCard.txt");
        Click(Form().PrintCardButton);
    });
    EXPECT_EQ(Script().Sounds(), std::vector<Sound>({Sound::Exclamation}));
    EXPECT_TRUE(Script().Documents().isEmpty());
}
