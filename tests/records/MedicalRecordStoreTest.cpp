// The karte editor's header store and delete: the input checks, Add and Replace with
// each return code, the counters after a store, Delete with its question, and the
// debug-log blocks.
#include "app/FormMainMenu.h"
#include "platform/rtl/DateTime.h"
#include "registration/PatientUnit.h"
#include "tests/records/MedicalRecordFixture.h"
#include "tests/support/RefusalNotes.h"

using namespace widgets;

namespace {

// The buttons that add rows to a karte.
std::vector<QWidget*> RowButtons(TMedicalRecordForm& f)
{
    return {f.CheckupNewButton, f.DietNewButton, f.NoteNewButton, f.TreatmentNewButton};
}

} // namespace

TEST_F(KarteEditor, AddWithoutNumberAndDateNamesBothInOneError)
{
    Script().Expect(BoxKind::Error, "[カルテ番号] が指定されていません。\n[作成日] が指定されていません。");
    Script().Expect(BoxKind::Error, "[作成日] が指定されていません。");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        TypeOver(f.MediRecNoEdit, "");
        Click(f.AddButton);
        TypeOver(f.MediRecNoEdit, "XX-0001-0001");
        Click(f.AddButton);
        EXPECT_TRUE(Enabled(f.AddButton));
    });
    EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM KarteTable"), "0");
    EXPECT_EQ(Script().Sounds().front(), Sound::Exclamation);
}

TEST_F(KarteEditor, ANumberOfAnotherFormIsStoredOnlyAfterTheQuestion)
{
    const QString question = "カルテ番号が次の形式ではないですが，このままデータベースに登録しますか？\n"
                             "    半角英字２文字 \"-\" 半角数字４文字 \"-\" 半角数字４文字";
    Script().Expect(BoxKind::Question, question, mrNo);
    Script().Expect(BoxKind::Question, question, mrYes);
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewKarteDated("20150401");
        TypeOver(f.MediRecNoEdit, "AB-12-345");
        Click(f.AddButton);
        EXPECT_FALSE(ExistKarteNo("AB-12-345"));
        EXPECT_TRUE(Enabled(f.AddButton));
        EXPECT_EQ(Setting("Number1"), "(none)");
        Click(f.AddButton);
    });
    EXPECT_TRUE(ExistKarteNo("AB-12-345"));
    EXPECT_EQ(Setting("Number1"), "AB");
    EXPECT_EQ(Setting("Number2"), "12");
    EXPECT_EQ(Setting("Number3"), "346");
}

TEST_F(KarteEditor, AddStoresTheNewKarteAndLeavesItReadyForItsRows)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewKarteDated("20150401");
        Tick(f.AidsCheckBox);
        f.NextCheckupCB->setFocus();
        QTest::keyClick(f.NextCheckupCB, Qt::Key_Down);
        QTest::keyClick(f.NextCheckupCB, Qt::Key_Down);
        Click(f.AddButton);

        EXPECT_FALSE(f.bHeaderChanged);
        EXPECT_EQ(f.stMediRec.asMediRecNo, "XX-0001-0001");
        EXPECT_EQ(f.stMediRec.tDate, EncodeDate(2015, 4, 1));
        EXPECT_EQ(f.stMediRec.iNext, 1);
        EXPECT_EQ(QString::number(f.stMediRec.iCode),
                  program.Database().Scalar("SELECT Code FROM KarteTable"));
        EXPECT_TRUE(f.MediRecNoEdit->isReadOnly());
        EXPECT_EQ(f.MediRecNoEdit->Color(), clBtnFace);
        for (QWidget* w : {static_cast<QWidget*>(f.MediRecDateBitBtn), static_cast<QWidget*>(f.AidsCheckBox),
                           static_cast<QWidget*>(f.RetrievePatientButton), static_cast<QWidget*>(f.AddButton),
                           static_cast<QWidget*>(f.ReplaceButton), static_cast<QWidget*>(f.DeleteButton),
                           static_cast<QWidget*>(f.PrintButton)})
            EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
        for (QWidget* w :
             {static_cast<QWidget*>(f.NoteSgLabel), static_cast<QWidget*>(f.NoteStringGrid),
              static_cast<QWidget*>(f.NoteNewButton), static_cast<QWidget*>(f.CheckupDataLabel),
              static_cast<QWidget*>(f.CheckupDateListBox), static_cast<QWidget*>(f.SchoolTitleLabel),
              static_cast<QWidget*>(f.CheckupNewButton), static_cast<QWidget*>(f.TreatmentSgLabel),
              static_cast<QWidget*>(f.TreatmentSG), static_cast<QWidget*>(f.TreatmentNewButton)})
            EXPECT_TRUE(Enabled(w)) << w->objectName().toStdString();
        // The new karte has no check-up yet, so no diet row can be added.
        EXPECT_FALSE(Enabled(f.DietNewButton));
        EXPECT_EQ(QApplication::focusWidget(), f.CheckupNewButton);
        EXPECT_EQ(Script().PointerMoves().back(),
                  f.CheckupNewButton->mapToGlobal(
                      QPoint(f.CheckupNewButton->width() / 2, f.CheckupNewButton->height() / 2)));
    });
    TempDatabase& db = program.Database();
    EXPECT_EQ(
        db.Scalar("SELECT RDate || ',' || Next || ',' || PatientCode || ',' || DeleteFlag FROM KarteTable "
                  "WHERE KarteNo='XX-0001-0001'"),
        "2015-04-01,1,-1,0");
    EXPECT_EQ(db.Scalar("SELECT AIDS FROM PSTable"), "True");
    EXPECT_EQ(Setting("Number1"), "XX");
    EXPECT_EQ(Setting("Number2"), "1");
    EXPECT_EQ(Setting("Number3"), "2");
    // Nothing is logged while the debug log is off.
    EXPECT_EQ(DebLog(), "");
}

TEST_F(KarteEditorWithLog, AddWritesItsLogBlock)
{
    Show([&] {
        NewKarteDated("20150401");
        Click(Form().AddButton);
    });
    EXPECT_TRUE(DebLog().contains("TMedicalRecordForm::AddButtonClick 66:\n"
                                  "  [カルテ編集]画面->[ヘッダー追加]ボタン\n"
                                  "  {iAMR=1 (1:OK, <0:Error} = AddMedicalRecord(\n"
                                  "    {stMediRec          =0,XX-0001-0001,2015/04/01,-1,-1},\n"
                                  "    {stExcuRec          =0,0},\n"
                                  "    {PatientNoEdit->Text=} )\n"))
        << DebLog().toStdString();
}

TEST_F(KarteEditor, AFailedAddSaysWhyAndAddsNoRowsToAKarteThatIsNotStored)
{
    StoreKarte("XX-0001-0001");
    Script().Expect(BoxKind::Error, "カルテ・テーブルに追加できませんでした。(-100)");
    Script().Expect(BoxKind::Error, "カルテ・テーブルに追加できませんでした。(-1)");
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewKarteDated("20150401");
        // Another live karte has the number.
        TypeOver(f.MediRecNoEdit, "XX-0001-0001");
        Click(f.AddButton);
        for (QWidget* w : RowButtons(f))
            EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
        EXPECT_TRUE(Enabled(f.AddButton));
        EXPECT_FALSE(f.MediRecNoEdit->isReadOnly());

        // An examinee that is not registered.
        TypeOver(f.MediRecNoEdit, "XX-0001-0002");
        Script().OnModal(*PatientForm, [&] {
            f.PatientNoEdit->SetText("999");
            PatientForm->Close();
        });
        Click(f.RetrievePatientButton);
        Click(f.AddButton);
        for (QWidget* w : RowButtons(f))
            EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
        EXPECT_TRUE(f.bHeaderChanged);
    });
    EXPECT_FALSE(ExistKarteNo("XX-0001-0002"));
    EXPECT_EQ(Setting("Number3"), "(none)");
}

TEST_F(KarteEditor, ReplaceRewritesTheLoadedKarteAndAdvancesTheCounters)
{
    StoreKarte("XX-0001-0005", "2014/03/02");
    MainMenuForm->IniFile->WriteString("MedicalRecord", "Number3", "40");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0005");
        Tick(f.HepatitisCCheckBox);
        NextPickedDate("20150607");
        Click(f.MediRecDateBitBtn);
        Click(f.ReplaceButton);
        EXPECT_FALSE(f.bReplaceMode);
        EXPECT_FALSE(f.bHeaderChanged);
        // Still the loaded karte.
        EXPECT_TRUE(Enabled(f.ReplaceButton));
        EXPECT_TRUE(Enabled(f.HepatitisCCheckBox));
        EXPECT_FALSE(Enabled(f.AddButton));
    });
    EXPECT_EQ(program.Database().Scalar("SELECT RDate FROM KarteTable"), "2015/06/07");
    EXPECT_EQ(program.Database().Scalar("SELECT HepatitisC FROM PSTable"), "True");
    EXPECT_EQ(Setting("Number2"), "1");
    EXPECT_EQ(Setting("Number3"), "6");
}

TEST_F(KarteEditor, AReplaceOfAKarteAnotherProgramDeletedSaysSoAndWritesNothing)
{
    // Deleted meanwhile; or deleted, and its number given at once to a new karte.
    for (const bool numberReused : {false, true}) {
        SCOPED_TRACE(numberReused ? "number reused" : "deleted");
        const QString karteNo = numberReused ? "XX-0001-0006" : "XX-0001-0005";
        StoreKarte(karteNo);
        Script().Expect(BoxKind::Error, "カルテ・テーブルを書き換えられませんでした。(-2)" + StaleNote);
        Show([&] {
            TMedicalRecordForm& f = Form();
            Find(karteNo);
            Tick(f.AidsCheckBox);
            ASSERT_EQ(DelMedicalRecord(karteNo), 1);
            if (numberReused)
                StoreKarte(karteNo, "2016/01/01");
            Click(f.ReplaceButton);
            EXPECT_FALSE(f.bReplaceMode);
            EXPECT_TRUE(f.bHeaderChanged);
            EXPECT_TRUE(f.AidsCheckBox->Checked());
            EXPECT_EQ(f.MediRecNoEdit->Text(), karteNo);
        });
        EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM PSTable WHERE AIDS = 1"), "0");
        EXPECT_EQ(
            program.Database().Scalar(
                QString("SELECT RDate FROM KarteTable WHERE KarteNo = '%1' AND DeleteFlag = 0").arg(karteNo)),
            numberReused ? "2016/01/01" : "");
        EXPECT_EQ(Setting("Number3"), "(none)");
    }
}

TEST_F(KarteEditor, TheEditorKeepsTheCodeOfTheKarteItAddedOrOpenedUntilItEmpties)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        const auto stored = [&] {
            return program.Database().Scalar("SELECT Code FROM KarteTable WHERE KarteNo = 'XX-0001-0001'");
        };
        NewKarteDated("20150401");
        Click(f.AddButton);
        EXPECT_EQ(QString::number(f.stMediRec.iCode), stored());
        Click(f.NewButton);
        EXPECT_EQ(f.stMediRec.iCode, 0);
        Find("XX-0001-0001");
        EXPECT_EQ(QString::number(f.stMediRec.iCode), stored());
        Tick(f.AidsCheckBox);
        Click(f.ReplaceButton);
        Find("");
        EXPECT_EQ(f.stMediRec.iCode, 0);
    });
    EXPECT_EQ(program.Database().Scalar("SELECT AIDS FROM PSTable"), "True");
}

TEST_F(KarteEditorWithLog, DeleteAsksThenEmptiesTheWindowAndLogs)
{
    StoreKarte("XX-0001-0005", "2014/03/02");
    Script().Expect(BoxKind::Question,
                    "[カルテ削除(&D)]\nカルテを削除してよいですか？\nXX-0001-0005, 2014/03/02, ,  ", mrNo);
    Script().Expect(BoxKind::Question, mrYes);
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0005");
        Click(f.DeleteButton);
        EXPECT_EQ(f.MediRecNoEdit->Text(), "XX-0001-0005");
        EXPECT_TRUE(ExistKarteNo("XX-0001-0005"));
        Click(f.DeleteButton);
        EXPECT_EQ(f.MediRecNoEdit->Text(), "");
        EXPECT_FALSE(Enabled(f.DeleteButton));
        EXPECT_FALSE(Enabled(f.ReplaceButton));
    });
    EXPECT_FALSE(ExistKarteNo("XX-0001-0005"));
    EXPECT_EQ(program.Database().Scalar("SELECT DeleteFlag FROM KarteTable"), "True");
    // Its questionnaire stays.
    EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM PSTable"), "1");
    EXPECT_TRUE(DebLog().contains("TMedicalRecordForm::DeleteButtonClick 33:\n"
                                  "  {iDMR=1(1:OK,-1:Error)} = DelMedicalRecord(\n"
                                  "    {MediRecNoEdit->Text=XX-0001-0005} )\n"
                                  "  MediRecDateEdit->Text=2014/03/02\n"
                                  "  PatientNoEdit->Text  =\n"
                                  "  NameEdit->Text       = \n"))
        << DebLog().toStdString();
}

TEST_F(KarteEditor, AFailedDeleteSaysSoAndKeepsTheKarte)
{
    StoreKarte("XX-0001-0005", "2014/03/02");
    Script().Expect(BoxKind::Question, mrYes);
    Script().Expect(
        BoxKind::Error,
        "[カルテ削除(&D)]\nカルテ・テーブルから削除できませんでした。(-1)\nXX-0001-0005, 2014/03/02, ,  ");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0005");
        program.Database().Exec("ALTER TABLE KarteTable RENAME TO KarteTableGone;");
        Click(f.DeleteButton);
        EXPECT_EQ(f.MediRecNoEdit->Text(), "XX-0001-0005");
        EXPECT_TRUE(Enabled(f.DeleteButton));
    });
}

TEST_F(KarteEditor, AStoreOffersDietRowsOnlyForASelectedCheckup)
{
    StoreKarte("XX-0001-0005");
    StoreKarte("XX-0001-0006");
    stCheckupRecord checkup;
    checkup.tDate = EncodeDate(2015, 5, 1);
    checkup.asKarteNo = "XX-0001-0006";
    ASSERT_GT(AddCheckup(checkup), 0);
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0005");
        Click(f.ReplaceButton);
        EXPECT_FALSE(Enabled(f.DietNewButton));
        Find("XX-0001-0006");
        Click(f.ReplaceButton);
        EXPECT_TRUE(Enabled(f.DietNewButton));
    });
}
