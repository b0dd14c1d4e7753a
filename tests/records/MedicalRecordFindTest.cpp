// The karte editor's Find: the karte search chooses, Find loads the notes, check-ups
// (the latest selected, with its chart and diet rows) and treatments, cuts each list at
// its limit with a warning, and reports each failing section on its own. Also the
// questionnaire's way through a store and back.
#include "app/FormMainMenu.h"
#include "platform/rtl/DateTime.h"
#include "tests/records/KarteDataFixture.h"

#include <QRadioButton>

using namespace widgets;

namespace {

QStringList ListItems(QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// The questionnaire as the controls show it.
QStringList Questionnaire(TMedicalRecordForm& f)
{
    QStringList state;
    for (CheckBox* b : f.ExcursusGroupBox->findChildren<CheckBox*>())
        if (b->Checked())
            state << b->objectName();
    for (Edit* e : f.ExcursusGroupBox->findChildren<Edit*>())
        state << e->objectName() + "=" + e->Text();
    state << QString("Q3=%1").arg(f.Q3RadioGroup->ItemIndex())
          << QString("Brushing=%1").arg(f.BrushingCB->ItemIndex())
          << QString("Next=%1").arg(f.NextCheckupCB->ItemIndex());
    return state;
}

void ChooseItem(ComboBox* box, int downs)
{
    box->setFocus();
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

} // namespace

// Find over kartes stored with their rows.
class KarteFind : public KarteData
{
};

TEST_F(KarteFind, ACancelledSearchLeavesTheWindowEmpty)
{
    StoreKarte("XX-0001-0001");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        ASSERT_EQ(f.MediRecNoEdit->Text(), "XX-0001-0001");
        Click(f.NewButton);
        Find("");
        EXPECT_EQ(f.MediRecNoEdit->Text(), "");
        EXPECT_FALSE(f.bNewKarteMode);
        EXPECT_FALSE(Enabled(f.AddButton));
        EXPECT_FALSE(Enabled(f.ReplaceButton));
        EXPECT_FALSE(Enabled(f.AidsCheckBox));
        EXPECT_FALSE(Enabled(f.NoteNewButton));
    });
}

TEST_F(KarteFind, AFoundKarteShowsItsRowsAndTheLatestCheckup)
{
    const int karte = StoreKarte("XX-0002-0001");
    Q_UNUSED(karte);
    AddMember("7", "山田", "花子");
    AddMember("8", "佐藤", "次郎");
    AddNoteRow("XX-0002-0001", "2015/05/02", "初診", "7");
    AddNoteRow("XX-0002-0001", "2015/06/01", "再診", "8");
    AddTreatmentRow("XX-0002-0001", "2015/05/03", "フッ素塗布", "8");
    TempDatabase& db = program.Database();
    db.Exec("INSERT INTO FoodTable (Name) VALUES ('飴');");
    db.Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('毎日', 1);");
    AddCheckupRow("XX-0002-0001", "2014/05/01", 0);
    const int latest = AddCheckupRow("XX-0002-0001", "2015/05/01", 0, [](stCheckupRecord& c) {
        c.iRTE = 2;
        c.iLT1 = 8;
    });
    AddCheckupRow("XX-0002-0001", "2013/05/01", 0);
    AddDietRow(latest, 1, 1);
    AddDietRow(latest, 1, 99); // a frequency no longer listed

    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        f.asPatientSchoolName = "第一小学校";
        Find("XX-0002-0001");
        EXPECT_FALSE(f.bNewKarteMode);
        EXPECT_FALSE(f.bHeaderChanged);

        EXPECT_EQ(f.nNoteRecords, 2);
        EXPECT_EQ(f.NoteLabel->Caption(), "2");
        EXPECT_EQ(GridColumn(f.NoteStringGrid, 0), QStringList({"2015/05/02", "2015/06/01"}));
        EXPECT_EQ(GridColumn(f.NoteStringGrid, 1), QStringList({"初診", "再診"}));
        EXPECT_EQ(GridColumn(f.NoteStringGrid, 2), QStringList({"山田, 花子", "佐藤, 次郎"}));
        EXPECT_EQ(f.tnNoteStaffIndex[2], -1);
        EXPECT_EQ(GridColumn(f.TreatmentSG, 2), QStringList({"佐藤, 次郎"}));
        EXPECT_EQ(f.TreatmentLabel->Caption(), "1");

        EXPECT_EQ(ListItems(f.CheckupDateListBox), QStringList({"2013/05/01", "2014/05/01", "2015/05/01"}));
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 2);
        EXPECT_EQ(f.CheckupLabel->Caption(), "3");
        EXPECT_EQ(f.DentalFormulaSG->Cells[3][1].Text(), "C2");
        EXPECT_EQ(f.DentalFormulaSG->Cells[8][3].Text(), "セ");
        EXPECT_EQ(f.DentalFormulaSG->Cells[0][3].Text(), "");
        EXPECT_EQ(f.SchoolNameLabel->Caption(), "");

        EXPECT_EQ(f.nDietInquiryRecords, 2);
        EXPECT_EQ(GridColumn(f.DietInqSG, 0), QStringList({"飴", "飴"}));
        EXPECT_EQ(GridColumn(f.DietInqSG, 1), QStringList({"毎日", ""}));
        EXPECT_EQ(f.tnDietFrequencyIndex[1], -1);
        EXPECT_EQ(f.DietInqLabel->Caption(), "2");

        for (QWidget* w :
             {static_cast<QWidget*>(f.NoteEditButton), static_cast<QWidget*>(f.NoteDeleteButton),
              static_cast<QWidget*>(f.CheckupEditButton), static_cast<QWidget*>(f.CheckupDeleteButton),
              static_cast<QWidget*>(f.EditDentalFormulaButton), static_cast<QWidget*>(f.DietNewButton),
              static_cast<QWidget*>(f.DietDeleteButton), static_cast<QWidget*>(f.TreatmentEditButton),
              static_cast<QWidget*>(f.ReplaceButton), static_cast<QWidget*>(f.DeleteButton),
              static_cast<QWidget*>(f.PrintButton), static_cast<QWidget*>(f.PrintCardButton),
              static_cast<QWidget*>(f.RetrievePatientButton), static_cast<QWidget*>(f.AidsCheckBox)})
            EXPECT_TRUE(Enabled(w)) << w->objectName().toStdString();
        EXPECT_FALSE(Enabled(f.AddButton));
        EXPECT_TRUE(f.MediRecNoEdit->isReadOnly());
    });
}

TEST_F(KarteFind, AKarteWithoutCheckupsOffersOnlyANewOne)
{
    StoreKarte("XX-0002-0002");
    Show([&] {
        TMedicalRecordForm& f = Form();
        f.iPatientSchoolCode = 4;
        f.asPatientSchoolName = "第二小学校";
        Find("XX-0002-0002");
        EXPECT_TRUE(Enabled(f.CheckupNewButton));
        EXPECT_EQ(f.CheckupLabel->Caption(), "0");
        EXPECT_EQ(f.DietInqLabel->Caption(), "0");
        for (QWidget* w :
             {static_cast<QWidget*>(f.CheckupEditButton), static_cast<QWidget*>(f.DentalFormulaSG),
              static_cast<QWidget*>(f.EditDentalFormulaButton), static_cast<QWidget*>(f.DietInqSG),
              static_cast<QWidget*>(f.DietNewButton), static_cast<QWidget*>(f.NoteEditButton)})
            EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
        EXPECT_EQ(f.NoValLabel->Caption(), "0");
        EXPECT_EQ(f.iCheckupSchoolCode, f.iPatientSchoolCode);
    });
}

TEST_F(KarteFind, EachListIsCutAtItsLimitAfterAWarning)
{
    const int karte = StoreKarte("XX-0003-0001");
    TempDatabase& db = program.Database();
    const QString rows = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ";
    db.Exec(rows.arg(401) +
            "INSERT INTO NoteTable (RDate, Description, StaffCode, KarteCode) "
            "SELECT '2015-01-01', 'note ' || i, 0, " +
            QString::number(karte) + " FROM n;");
    db.Exec(rows.arg(401) +
            "INSERT INTO TreatmentTable (RDate, Treatment, StaffCode, KarteCode) "
            "SELECT '2015-01-01', 'treatment ' || i, 0, " +
            QString::number(karte) + " FROM n;");
    db.Exec(rows.arg(31) +
            "INSERT INTO CheckupTable (CDate, KarteCode, SchoolCode, Memo) "
            "SELECT date('2000-01-01', '+' || i || ' days'), " +
            QString::number(karte) + ", 0, 'XX' FROM n;");
    const QString lastShown = db.Scalar("SELECT Code FROM CheckupTable ORDER BY CDate LIMIT 1 OFFSET 29");
    db.Exec(rows.arg(21) +
            "INSERT INTO DietInquiryTable (FoodCode, FrequencyCode, CheckupCode) SELECT i, i, " + lastShown +
            " FROM n;");

    const QString head = "[カルテ検索(&F)...]\n";
    Script().Expect(BoxKind::Warning, head + "備考行数が401あります。\n400を越える行は表示できません。");
    Script().Expect(BoxKind::Warning, head + "検診件数が31あります。\n30を越える行は表示できません。");
    Script().Expect(BoxKind::Warning, head + "食事調査行数が21あります。\n20を越える行は表示できません。");
    Script().Expect(BoxKind::Warning,
                    head + "療法・処置行数が401あります。\n400を越える行は表示できません。");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0003-0001");
        EXPECT_EQ(f.nNoteRecords, 400);
        EXPECT_EQ(f.NoteLabel->Caption(), "400");
        EXPECT_EQ(f.NoteStringGrid->RowCount(), 401);
        EXPECT_EQ(f.nCheckupRecords, 30);
        EXPECT_EQ(f.CheckupDateListBox->count(), 30);
        EXPECT_EQ(f.CheckupDateListBox->ItemIndex(), 29);
        EXPECT_EQ(f.nDietInquiryRecords, 20);
        EXPECT_EQ(f.DietInqSG->RowCount(), 21);
        EXPECT_EQ(f.nTreatmentRecords, 400);
        EXPECT_EQ(f.TreatmentLabel->Caption(), "400");
    });
    EXPECT_EQ(Script().Sounds().back(), Sound::Asterisk);
}

TEST_F(KarteFind, AFailingSectionIsReportedAndTheOthersStillLoad)
{
    StoreKarte("XX-0004-0001");
    AddMember("7", "山田", "花子");
    AddTreatmentRow("XX-0004-0001", "2015/05/03", "シーラント", "7");
    AddCheckupRow("XX-0004-0001", "2015/05/01", 0);
    program.Database().Exec("ALTER TABLE NoteTable RENAME TO NoteTableGone;");
    program.Database().Exec("ALTER TABLE DietInquiryTable RENAME TO DietInquiryTableGone;");
    Script().Expect(BoxKind::Error, "[カルテ検索(&F)...]\n備考テーブルを検索できませんでした。(-1)");
    Script().Expect(BoxKind::Error, "[カルテ検索(&F)...]\n食事調査テーブルを検索できませんでした。(-1)");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0004-0001");
        EXPECT_FALSE(Enabled(f.NoteStringGrid));
        EXPECT_FALSE(Enabled(f.NoteNewButton));
        EXPECT_EQ(f.CheckupDateListBox->count(), 1);
        EXPECT_FALSE(Enabled(f.DietNewButton));
        EXPECT_EQ(GridColumn(f.TreatmentSG, 1), QStringList({"シーラント"}));
        EXPECT_TRUE(Enabled(f.ReplaceButton));
        EXPECT_FALSE(f.bHeaderChanged);
    });
}

// --- The questionnaire through a store and back -------------------------------------------

TEST_F(KarteFind, EveryQuestionnaireAnswerComesBackAsStored)
{
    QStringList entered;
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewKarteDated("20150401");
        for (CheckBox* b :
             {f.AidsCheckBox, f.TuberculosisCheckBox, f.BloodInfectionCheckBox, f.HepatitisBCheckBox,
              f.HepatitisCCheckBox, f.AirialInfectionCheckBox, f.OtherInfectionCheckBox, f.AnemiaCheckBox,
              f.SwollingCheckBox, f.BleedingCheckBox, f.FeverCheckBox, f.AfterInjectionCheckBox,
              f.AfterDosingCheckBox, f.AllergyOthersCheckBox})
            Tick(b);
        TypeOver(f.TuberculosisEdit, "tb");
        TypeOver(f.BloodInfectionEdit, "blood");
        TypeOver(f.AirialInfectionEdit, "air");
        TypeOver(f.OtherInfectionEdit, "other");
        TypeOver(f.AllergyCommentEdit, "pollen");
        TypeOver(f.BrushingEdit, "after meals");
        QTest::mouseClick(f.Q3RadioGroup->findChildren<QRadioButton*>().at(0), Qt::LeftButton, {},
                          QPoint(6, 6));
        ChooseItem(f.BrushingCB, 4);
        ChooseItem(f.NextCheckupCB, 3);
        entered = Questionnaire(f);
        Click(f.AddButton);
        Find("XX-0001-0001");
        EXPECT_EQ(Questionnaire(f), entered);
    });
    ASSERT_TRUE(entered.contains("Q3=0"));
    ASSERT_TRUE(entered.contains("Brushing=3"));
    TempDatabase& db = program.Database();
    // The brushing choice by its position, the comment apart; no control carries the rest.
    EXPECT_EQ(db.Scalar("SELECT Q41Memo FROM PSTable"), "3");
    EXPECT_EQ(db.Scalar("SELECT Q43Memo FROM PSTable"), "after meals");
    EXPECT_EQ(db.Scalar("SELECT Q3 FROM PSTable"), "True");
    for (const char* column : {"Hepatitis", "Q40", "Q41", "Q42", "Q43"})
        EXPECT_EQ(db.Scalar(QString("SELECT %1 FROM PSTable").arg(column)), "False") << column;
    EXPECT_EQ(db.Scalar("SELECT Q42Memo FROM PSTable"), "");
    EXPECT_EQ(db.Scalar("SELECT Next FROM KarteTable"), "2");
}

TEST_F(KarteFind, UnansweredQuestionsAndForeignValuesOpenWithoutAChoice)
{
    Show([&] {
        NewKarteDated("20150401");
        Click(Form().AddButton);
    });
    TempDatabase& db = program.Database();
    EXPECT_EQ(db.Scalar("SELECT Q41Memo FROM PSTable"), "-1");
    EXPECT_EQ(db.Scalar("SELECT Q3 FROM PSTable"), "False");
    EXPECT_EQ(db.Scalar("SELECT Next FROM KarteTable"), "-1");

    // Values this window never writes.
    stExcursusRec odd;
    odd.bQ1None = true;
    odd.bQ1Anemia = true;
    odd.asQ41Memo = "twice";
    StoreKarte("XX-0009-0001", "2015/04/01", odd);
    stExcursusRec empty;
    StoreKarte("XX-0009-0002", "2015/04/01", empty);
    MainMenuForm->IniFile->WriteString("Excursus", "BrushFreq2", "朝晩");
    stExcursusRec third;
    third.asQ41Memo = "2";
    StoreKarte("XX-0009-0003", "2015/04/01", third);
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0001-0001");
        EXPECT_EQ(f.Q3RadioGroup->ItemIndex(), 1);
        EXPECT_EQ(f.BrushingCB->ItemIndex(), -1);
        EXPECT_EQ(f.NextCheckupCB->ItemIndex(), -1);
        Find("XX-0009-0001");
        EXPECT_TRUE(f.AnemiaCheckBox->Checked());
        EXPECT_FALSE(f.NoneCheckBox->Checked());
        EXPECT_EQ(f.BrushingCB->ItemIndex(), -1);
        Find("XX-0009-0002");
        EXPECT_EQ(f.BrushingCB->ItemIndex(), -1);
        Find("XX-0009-0003");
        EXPECT_EQ(f.BrushingCB->Text(), "朝晩");
    });
}
