// The karte editor's window: its design, the reset at every showing, New with the
// karte-number proposal, the karte date through the picker, the examinee button, the
// change flag with Close's question, the kept height, and the questionnaire's rules.
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/PopupMenu.h"
#include "registration/PatientUnit.h"
#include "tests/records/MedicalRecordFixture.h"
#include "tests/support/TextFit.h"

#include <QContextMenuEvent>

using namespace widgets;

namespace {

QStringList Items(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QPoint CentreOf(QWidget* control)
{
    return control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2));
}

} // namespace

// --- Design -------------------------------------------------------------------------------

TEST_F(KarteEditor, TheWindowHoldsEveryGroupWithItsCaptionsAndGrids)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(f.windowTitle(), "カルテ編集");
        EXPECT_EQ(f.size(), QSize(960, 701));
        struct
        {
            QGroupBox* group;
            const char* title;
        } const groups[] = {
            {f.HeaderGroupBox, "ヘッダー(&Header):"},
            {f.PatientGroupBox, "受診者(Patien&t):"},
            {f.ExcursusGroupBox, "追記(&Supplement):"},
            {f.InfectionGroupBox, "感染症(Infection):"},
            {f.OthersGroupBox, "その他(&Others):"},
            {f.Q1GroupBox, "Q1. 歯を抜いたときの異常(Abnormal reaction at tooth extraction):"},
            {f.Q2GroupBox, "Q2. アレルギーや特異体質(&Allergy and idiosyncrasy):"},
            {f.Q3RadioGroup, "Q3. 歯および口腔の健康への関心(Interest in oral health):"},
            {f.Q4GroupBox, "Q4. １日に歯を磨く回数(Frequency of dental brushing):"},
            {f.CheckukpGroupBox, "検診(&Checkup):"},
            {f.ParmanentTeethGroupBox, "永久歯"},
            {f.MilkTeethGroupBox, "乳歯"},
            {f.NoteGroupBox, "備考(N&ote):"},
            {f.TreatmentGroupBox, "療法・処置(&Treatment):"},
        };
        for (const auto& g : groups) {
            EXPECT_EQ(g.group->title(), g.title);
            // Every group lies whole inside its parent.
            EXPECT_TRUE(g.group->parentWidget()->rect().contains(g.group->geometry())) << g.title;
        }
        // The date edit sits in the header group: the picker is placed from both.
        EXPECT_EQ(f.MediRecDateEdit->parentWidget(), f.HeaderGroupBox);
        EXPECT_EQ(f.DietInqSG->parentWidget(), f.CheckukpGroupBox);

        struct
        {
            QAbstractButton* button;
            const char* caption;
        } const buttons[] = {
            {f.AddButton, "ヘッダー追加(&A)"},
            {f.ReplaceButton, "ヘッダー置換(&R)"},
            {f.RetrievePatientButton, "受診者呼出..."},
            {f.CheckupNewButton, "新規検診..."},
            {f.CheckupEditButton, "日付修正..."},
            {f.CheckupDeleteButton, "検診削除"},
            {f.EditDentalFormulaButton, "歯式表編集..."},
            {f.DietNewButton, "新規行..."},
            {f.DietEditButton, "行修正..."},
            {f.DietDeleteButton, "行削除"},
            {f.NoteNewButton, "新規行..."},
            {f.NoteEditButton, "行修正..."},
            {f.NoteDeleteButton, "行削除(&D)"},
            {f.TreatmentNewButton, "新規行..."},
            {f.TreatmentEditButton, "行修正..."},
            {f.TreatmentDeleteButton, "行削除"},
            {f.NewButton, "新規カルテ(&N)"},
            {f.FindButton, "カルテ検索(&F)..."},
            {f.PrintCardButton, "診察券印刷(&P)..."},
            {f.PrintButton, "カルテ印刷(&P)..."},
            {f.DeleteButton, "カルテ削除(&D)"},
            {f.CloseButton, "閉じる(&X)"},
        };
        for (const auto& b : buttons)
            EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_TRUE(f.CloseButton->Cancel());

        struct
        {
            Label* label;
            const char* caption;
        } const labels[] = {
            {f.MediRecNoLabel, "カルテ番号:"},
            {f.MediRecDateLabel, "作成日:"},
            {f.NextCheckupLabel, "次回予定(&Next checkup):"},
            {f.PatientNoLabel, "受診者番号:"},
            {f.NameLabel, "名前:"},
            {f.KanaLabel, "ナマエ:"},
            {f.BirthDateLabel, "生年月日:"},
            {f.SexLabel, "性別:"},
            {f.CheckupDataLabel, "検診日(Checkup Date):"},
            {f.SchoolTitleLabel, "学校名(School):"},
            {f.DentalFormulaSgLabel, "歯式表(Dental Formula):"},
            {f.DietInqSgLabel, "食事調査(Diet Inquiry):"},
            {f.NoteSgLabel, "備考一覧(List of notes):"},
            {f.TreatmentSgLabel, "療法・処置一覧(List of treatments):"},
            {f.NoLabel, "－:"},
            {f.NeLabel, "　:"},
            {f.DmftLabel, "DMFT:"},
            {f.MiMilkLabel, "△:"},
            {f.DmftMilkLabel, "dmft:"},
        };
        for (const auto& l : labels)
            EXPECT_EQ(l.label->Caption(), l.caption);
        EXPECT_FALSE(Visible(f.FamilyNameLabel));
        EXPECT_FALSE(Visible(f.PersonalNameLabel));
        EXPECT_EQ(f.PhotoImage->size(), QSize(60, 80));
        EXPECT_TRUE(f.PhotoImage->Stretch());
        EXPECT_EQ(f.MediRecNoEdit->MaxLength(), 20);
        EXPECT_FALSE(f.MediRecNoEdit->testAttribute(Qt::WA_InputMethodEnabled));
        for (Edit* e :
             {f.MediRecDateEdit, f.PatientNoEdit, f.NameEdit, f.KanaEdit, f.BirthDateEdit, f.SexEdit}) {
            EXPECT_TRUE(e->isReadOnly()) << e->objectName().toStdString();
            EXPECT_FALSE(e->TabStop()) << e->objectName().toStdString();
        }
        EXPECT_EQ(f.SexEdit->Color(), clBtnFace);
        EXPECT_EQ(f.NoneCheckBox->toolTip(), "None");
        EXPECT_EQ(f.BleedingCheckBox->toolTip(), "No-Stopping Bleeding ");
        EXPECT_EQ(f.Q3RadioGroup->Items(), QStringList({"ある", "ない"}));
        EXPECT_EQ(f.Q3RadioGroup->Columns(), 2);

        // Grids: the chart without fixed cells, the row grids with their headers and widths.
        EXPECT_EQ(f.DentalFormulaSG->ColCount(), 16);
        EXPECT_EQ(f.DentalFormulaSG->RowCount(), 8);
        EXPECT_EQ(f.DentalFormulaSG->FixedRows(), 0);
        EXPECT_EQ(f.DentalFormulaSG->FixedCols(), 0);
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 0), QStringList({"右上", "", "", "E", "D", "C", "B", "A", "A",
                                                              "B", "C", "D", "E", "", "", "左上"}));
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 2), QStringList({"8", "7", "6", "5", "4", "3", "2", "1", "1",
                                                              "2", "3", "4", "5", "6", "7", "8"}));
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 4), GridRow(f.DentalFormulaSG, 2));
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 6).mid(1, 14), GridRow(f.DentalFormulaSG, 0).mid(1, 14));
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 7).first(), "右下");
        EXPECT_EQ(GridRow(f.DentalFormulaSG, 7).last(), "左下");
        EXPECT_EQ(GridRow(f.NoteStringGrid, 0),
                  QStringList({"記録日(Date)", "内容(Description)", "記録者(Written by)"}));
        EXPECT_EQ(GridRow(f.TreatmentSG, 0),
                  QStringList({"処置日(Date)", "内容(Description)", "担当医(Dentist)"}));
        EXPECT_EQ(GridRow(f.DietInqSG, 0), QStringList({"食事内容(Food type)", "頻度(Eating frequency)"}));
        const struct
        {
            StringGrid* grid;
            std::vector<int> widths;
        } rowGrids[] = {
            {f.NoteStringGrid, {74, 234, 113}}, {f.TreatmentSG, {73, 264, 128}}, {f.DietInqSG, {111, 172}}};
        for (const auto& g : rowGrids) {
            ASSERT_EQ(g.grid->ColCount(), int(g.widths.size()));
            for (size_t c = 0; c < g.widths.size(); ++c)
                EXPECT_EQ(g.grid->ColWidth(int(c)), g.widths[c]);
            EXPECT_EQ(g.grid->FixedCols(), 0);
            EXPECT_EQ(g.grid->DefaultRowHeight(), 18);
            EXPECT_EQ(g.grid->Options(), goColSizing | goRangeSelect);
        }
        QStringList menu;
        for (QAction* item : f.CheckupDatePopupMenu->actions())
            menu << item->text();
        EXPECT_EQ(menu, QStringList({"新規検診(&Add)...", "日付修正(&Edit)...", "検診削除(&Delete)"}));

        // The weights of the decayed, missing and filled codes.
        for (int code = 0; code < 20; ++code)
            EXPECT_EQ(f.tnDmftWeight[code],
                      code == 1 || code == 2 || code == 3 || code == 4 || code == 7 || code == 8 || code == 12
                          ? 1
                          : 0)
                << code;
    });
}

TEST_F(KarteEditor, EveryCaptionAndChoiceShowsWhole)
{
    Show([&] { EXPECT_EQ(CutTexts(&Form()), ""); });
}

TEST_F(KarteEditor, EnableHeaderControlsSwitchesTheHeaderExamineeAndQuestionnaireTogether)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        QList<QWidget*> all = f.findChildren<QWidget*>();
        auto enabledOnes = [&] {
            QSet<QWidget*> set;
            for (QWidget* w : all)
                if (Enabled(w))
                    set.insert(w);
            return set;
        };
        f.EnableHeaderControls(false);
        const QSet<QWidget*> before = enabledOnes();
        f.EnableHeaderControls(true);
        const QSet<QWidget*> switched = enabledOnes() - before;
        EXPECT_EQ(switched.size(), 43);
        for (QWidget* w :
             {static_cast<QWidget*>(f.MediRecNoEdit), static_cast<QWidget*>(f.RetrievePatientButton),
              static_cast<QWidget*>(f.SexEdit), static_cast<QWidget*>(f.OtherInfectionEdit),
              static_cast<QWidget*>(f.AllergyOthersCheckBox), static_cast<QWidget*>(f.Q3RadioGroup),
              static_cast<QWidget*>(f.BrushingEdit), static_cast<QWidget*>(f.NextCheckupCB)})
            EXPECT_TRUE(switched.contains(w)) << w->objectName().toStdString();
        EXPECT_FALSE(switched.contains(f.AddButton));
        EXPECT_FALSE(switched.contains(f.PhotoImage));
    });
}

// --- Reset --------------------------------------------------------------------------------

TEST_F(KarteEditor, EveryShowingStartsEmptyWithTheChoiceListsFromTheConfiguration)
{
    MainMenuForm->IniFile->WriteString("Excursus", "BrushFreq2", "2回");
    MainMenuForm->IniFile->WriteString("Next", "Next1", "近所の歯医者");
    StoreKarte("XX-0001-0001");
    Show([&] {
        Find("XX-0001-0001");
        Tick(Form().AidsCheckBox);
        Form().Close();
    });
    Show([&] {
        TMedicalRecordForm& f = Form();
        EXPECT_EQ(Items(f.BrushingCB),
                  QStringList({"No brushing", "Once a day", "2回", "Three times a day", "Others"}));
        EXPECT_EQ(Items(f.NextCheckupCB), QStringList({"by KVR next year", "近所の歯医者", "in Duze Dura"}));
        EXPECT_EQ(f.BrushingCB->ItemIndex(), -1);
        EXPECT_EQ(f.NextCheckupCB->ItemIndex(), -1);
        EXPECT_EQ(f.Q3RadioGroup->ItemIndex(), -1);
        EXPECT_FALSE(f.AidsCheckBox->Checked());
        for (Edit* e : {f.MediRecNoEdit, f.MediRecDateEdit, f.PatientNoEdit, f.NameEdit, f.KanaEdit})
            EXPECT_EQ(e->Text(), "") << e->objectName().toStdString();
        EXPECT_TRUE(f.MediRecNoEdit->isReadOnly());
        EXPECT_EQ(f.MediRecNoEdit->Color(), clBtnFace);
        for (QWidget* w :
             {static_cast<QWidget*>(f.MediRecDateBitBtn), static_cast<QWidget*>(f.AddButton),
              static_cast<QWidget*>(f.ReplaceButton), static_cast<QWidget*>(f.DeleteButton),
              static_cast<QWidget*>(f.PrintButton), static_cast<QWidget*>(f.NoteStringGrid),
              static_cast<QWidget*>(f.CheckupDateListBox), static_cast<QWidget*>(f.DietNewButton),
              static_cast<QWidget*>(f.TreatmentNewButton), static_cast<QWidget*>(f.AidsCheckBox)})
            EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
        for (QWidget* w : {f.NewButton, f.FindButton, f.CloseButton})
            EXPECT_TRUE(Enabled(w));
        EXPECT_EQ(f.NoteLabel->Caption(), "");
        EXPECT_EQ(f.CheckupDateListBox->count(), 0);
        EXPECT_EQ(f.nNoteRecords + f.nCheckupRecords + f.nDietInquiryRecords + f.nTreatmentRecords, 0);
        EXPECT_EQ(f.tnNoteStaffIndex[0], -1);
        EXPECT_EQ(f.NoValLabel->Caption(), "0");
        EXPECT_FALSE(f.bHeaderChanged);
    });
}

// --- Karte number -------------------------------------------------------------------------

TEST(KarteNumber, TheProposedFormIsTwoLettersAndTwoBlocksOfFourDigits)
{
    const struct
    {
        const char* number;
        bool ok;
    } cases[] = {
        {"XX-0001-0001", true},    {"ab-1234-5678", true},  {"AB-12-345", false},     {"A1-0001-0001", false},
        {"XX_0001-0001", false},   {"XX-0001-000A", false}, {"XX-0001-00011", false}, {"", false},
        {"ＡＢ-0001-0001", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsKarteNoForm(QString::fromUtf8(c.number)), c.ok) << c.number;
}

TEST(KarteNumber, TheProposalSkipsNumbersInUseAndCarriesIntoTheMiddleBlock)
{
    const QStringList used = {"AB-0012-9998", "AB-0012-9999", "AB-0013-0000"};
    const auto inUse = [&](const QString& no) { return used.contains(no); };
    TKarteNoProposal p = ProposeKarteNo("AB", 12, 9998, inUse);
    EXPECT_TRUE(p.found);
    EXPECT_EQ(p.number, "AB-0013-0001");
    p = ProposeKarteNo("AB", 12, 5, inUse);
    EXPECT_EQ(p.number, "AB-0012-0005");
    // A counter beyond four digits is written whole.
    EXPECT_EQ(ProposeKarteNo("XX", 12345, 1, inUse).number, "XX-12345-0001");

    p = ProposeKarteNo("XX", 9999, 9998, [](const QString&) { return true; });
    EXPECT_FALSE(p.found);
    EXPECT_EQ(p.number, "XX-9999-9999");
}

TEST(KarteNumber, TheProposalNeverCountsABlockPastItsLimit)
{
    const int highest = 2147483647;
    const auto all = [](const QString&) { return true; };
    const auto only = [](const char* used) { return [=](const QString& no) { return no == used; }; };
    TKarteNoProposal p = ProposeKarteNo("XX", 1, highest, only("XX-0001-2147483647"));
    EXPECT_TRUE(p.found);
    EXPECT_EQ(p.number, "XX-0002-0000");
    p = ProposeKarteNo("XX", highest, 9999, all);
    EXPECT_FALSE(p.found);
    EXPECT_EQ(p.number, "XX-2147483647-9999");
    p = ProposeKarteNo("XX", highest, highest, all);
    EXPECT_FALSE(p.found);
    EXPECT_EQ(p.number, "XX-2147483647-2147483647");
    // A block below 0, as an overflow leaves it, counts from 1.
    EXPECT_EQ(ProposeKarteNo("XX", -5, -2147483647 - 1, only("")).number, "XX-0001-0001");
    EXPECT_EQ(ProposeKarteNo("XX", -1, 7, only("")).number, "XX-0001-0007");
}

TEST(KarteNumber, TheCountersFollowTheStoredNumberWhateverItsForm)
{
    const struct
    {
        const char* stored;
        const char* prefix;
        int middle;
        int last;
    } cases[] = {
        {"AB-0012-9999", "AB", 13, 0},
        {"AB-9999-9999", "AB", 0, 0},
        {"K12", "K", 0, 13},
        {"AB-12-345", "AB", 12, 346},
        {"XX-0001-0005", "XX", 1, 6},
        {"ABC", "ABC", 0, 1},
        {"12-34", "", 12, 35},
        {"X-1-99999999999999999", "X", 2, 0},
        // Digits past what a counter holds count as the highest int.
        {"AB-12-99999999999", "AB", 13, 0},
        {"A-99999999999-5", "A", 2147483647, 6},
        {"A-99999999999-9999", "A", 0, 0},
        {"A-2147483647-2147483647", "A", 0, 0},
    };
    for (const auto& c : cases) {
        const TKarteNoCounters n = NextKarteNoCounters(c.stored);
        EXPECT_EQ(n.prefix, c.prefix) << c.stored;
        EXPECT_EQ(n.middle, c.middle) << c.stored;
        EXPECT_EQ(n.last, c.last) << c.stored;
    }
}

TEST_F(KarteEditor, NewProposesTheFirstFreeNumberFromTheCounters)
{
    // No keys: XX, 1, 1.
    Show([&] {
        Click(Form().NewButton);
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "XX-0001-0001");
    });

    // Live numbers are skipped, a deleted karte's number is free again, the counters
    // are not written back.
    MainMenuForm->IniFile->WriteString("MedicalRecord", "Number1", "AB");
    MainMenuForm->IniFile->WriteString("MedicalRecord", "Number2", "12");
    MainMenuForm->IniFile->WriteString("MedicalRecord", "Number3", "9998");
    StoreKarte("AB-0012-9998");
    StoreKarte("AB-0012-9999");
    StoreKarte("AB-0013-0000");
    ASSERT_EQ(DelMedicalRecord("AB-0013-0000"), 1);
    Show([&] {
        Click(Form().NewButton);
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "AB-0013-0000");
        EXPECT_EQ(Form().asKarteNoPrefix, "AB");
        EXPECT_EQ(Form().iKarteNoMiddle, 12);
        EXPECT_EQ(Form().iKarteNoLast, 9998);
    });
    EXPECT_EQ(Setting("Number3"), "9998");

    // A counter that is not a number, or one below 0 as an overflow leaves it, counts as
    // its default.
    for (const auto& counters : {std::pair("abc", ""), std::pair("-2147483648", "-1")}) {
        MainMenuForm->IniFile->WriteString("MedicalRecord", "Number2", counters.first);
        MainMenuForm->IniFile->WriteString("MedicalRecord", "Number3", counters.second);
        Show([&] {
            Click(Form().NewButton);
            EXPECT_EQ(Form().MediRecNoEdit->Text(), "AB-0001-0001") << counters.first;
        });
    }
}

TEST_F(KarteEditor, TheCountersStopAtTheHighestIntAndNewThenSaysThereIsNone)
{
    // A typed number longer than a counter holds.
    Script().Expect(BoxKind::Question,
                    "カルテ番号が次の形式ではないですが，このままデータベースに登録しますか？\n"
                    "    半角英字２文字 \"-\" 半角数字４文字 \"-\" 半角数字４文字",
                    mrYes);
    Show([&] {
        NewKarteDated("20150401");
        TypeOver(Form().MediRecNoEdit, "AB-99999999999-9998");
        Click(Form().AddButton);
    });
    EXPECT_EQ(Setting("Number1"), "AB");
    EXPECT_EQ(Setting("Number2"), "2147483647");
    EXPECT_EQ(Setting("Number3"), "9999");

    StoreKarte("AB-2147483647-9999");
    Script().Expect(
        BoxKind::Error,
        "次に空いているカルテ番号を自動的に見つけることができませんでした。 \nAB-2147483647-9999");
    Show([&] {
        Click(Form().NewButton);
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "");
    });
    EXPECT_EQ(Setting("Number2"), "2147483647");
    EXPECT_EQ(Setting("Number3"), "9999");
}

TEST_F(KarteEditor, NewWithoutAFreeNumberSaysSoAndLeavesTheNumberToTheOperator)
{
    MainMenuForm->IniFile->WriteString("MedicalRecord", "Number2", "9999");
    MainMenuForm->IniFile->WriteString("MedicalRecord", "Number3", "9999");
    StoreKarte("XX-9999-9999");
    Script().Expect(BoxKind::Error,
                    "次に空いているカルテ番号を自動的に見つけることができませんでした。 \nXX-9999-9999");
    Show([&] {
        Click(Form().NewButton);
        EXPECT_EQ(Form().MediRecNoEdit->Text(), "");
        EXPECT_FALSE(Form().MediRecNoEdit->isReadOnly());
        EXPECT_TRUE(Enabled(Form().AddButton));
    });
    EXPECT_EQ(Setting("Number2"), "9999");
    EXPECT_EQ(Setting("Number3"), "9999");
}

TEST_F(KarteEditor, NewEmptiesTheWindowAndPutsTheFocusAndPointerOnTheDateButton)
{
    StoreKarte("XX-0005-0001");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Find("XX-0005-0001");
        Tick(f.FeverCheckBox);
        Click(f.NewButton);
        EXPECT_TRUE(f.bNewKarteMode);
        EXPECT_FALSE(f.bHeaderChanged);
        EXPECT_FALSE(f.FeverCheckBox->Checked());
        EXPECT_FALSE(f.MediRecNoEdit->isReadOnly());
        EXPECT_EQ(f.MediRecNoEdit->Color(), clWindow);
        EXPECT_TRUE(Enabled(f.AddButton));
        EXPECT_TRUE(Enabled(f.MediRecDateBitBtn));
        EXPECT_TRUE(Enabled(f.RetrievePatientButton));
        for (QWidget* w : {f.ReplaceButton, f.DeleteButton, f.PrintButton, f.PrintCardButton,
                           f.CheckupNewButton, f.NoteNewButton, f.TreatmentNewButton, f.DietNewButton})
            EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
        for (Label* count : {f.NoteLabel, f.CheckupLabel, f.DietInqLabel, f.TreatmentLabel})
            EXPECT_EQ(count->Caption(), "0");
        EXPECT_EQ(f.iCheckupSchoolCode, 0);
        EXPECT_EQ(QApplication::focusWidget(), f.MediRecDateBitBtn);
        ASSERT_FALSE(Script().PointerMoves().empty());
        EXPECT_EQ(Script().PointerMoves().back(), CentreOf(f.MediRecDateBitBtn));
        // The comma never gets into a karte number.
        TypeOver(f.MediRecNoEdit, "AB,12");
        EXPECT_EQ(f.MediRecNoEdit->Text(), "AB12");
        EXPECT_FALSE(f.bHeaderChanged);
    });
}

// --- Karte date ---------------------------------------------------------------------------

TEST_F(KarteEditor, TheDateButtonPlacesThePickerAtTheDateFieldAndTakesTheChosenDate)
{
    Script().SetNow(EncodeDate(2016, 7, 8) + EncodeTime(10, 0, 0, 0));
    Show([&] {
        TMedicalRecordForm& f = Form();
        f.SetLeft(100);
        f.SetTop(50);
        Click(f.NewButton);
        // The picker's own height, as it is before it shows.
        const int pickerHeight = MonthCalendarForm->Height();
        Script().OnModal(*MonthCalendarForm, [&] {
            // Preset from today when the field and the last choice are empty.
            EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), "2016/07/08");
            EXPECT_EQ(MonthCalendarForm->Left(),
                      100 + f.HeaderGroupBox->x() + f.MediRecDateEdit->x() + f.MediRecDateEdit->width() / 2);
            EXPECT_EQ(MonthCalendarForm->Top(),
                      50 + f.HeaderGroupBox->y() + f.MediRecDateEdit->y() - pickerHeight / 4);
            TypeIntoPicker("20150401");
            QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
        });
        Click(f.MediRecDateBitBtn);
        EXPECT_EQ(f.MediRecDateEdit->Text(), "2015/04/01");
        EXPECT_TRUE(f.bHeaderChanged);
        EXPECT_EQ(f.asLastRecordDate, "2015/04/01");
        EXPECT_EQ(QApplication::focusWidget(), f.AddButton);
        EXPECT_EQ(Script().PointerMoves().back(), CentreOf(f.AddButton));

        // The field's own date is the preset next time.
        Script().OnModal(*MonthCalendarForm, [&] {
            EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), "2015/04/01");
            MonthCalendarForm->CancelButton->click();
        });
        Click(f.MediRecDateBitBtn);
        EXPECT_EQ(f.MediRecDateEdit->Text(), "2015/04/01");
    });
}

TEST_F(KarteEditor, ANewKarteStartsThePickerFromTheLastDateChosen)
{
    Script().SetNow(EncodeDate(2016, 7, 8));
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewKarteDated("20150401");
        Click(f.NewButton);
        EXPECT_EQ(f.MediRecDateEdit->Text(), "");
        Script().OnModal(*MonthCalendarForm, [&] {
            EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), "2015/04/01");
            QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Escape);
        });
        Click(f.MediRecDateBitBtn);
        // Cancelled: the field stays empty, yet the new-karte sequence goes on to Add.
        EXPECT_EQ(f.MediRecDateEdit->Text(), "");
        EXPECT_EQ(QApplication::focusWidget(), f.AddButton);
    });
}

TEST_F(KarteEditor, ARightClickOnTheDateFieldOrItsLabelOpensThePickerWithoutAMenu)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        for (QWidget* target :
             {static_cast<QWidget*>(f.MediRecDateEdit), static_cast<QWidget*>(f.MediRecDateLabel)}) {
            NextPickedDate("20140203");
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &event);
            EXPECT_EQ(f.MediRecDateEdit->Text(), "2014/02/03");
            f.MediRecDateEdit->SetText("");
        }
        EXPECT_EQ(Script().Showings().count("MonthCalendarForm"), 2);
        EXPECT_TRUE(Script().PopupPositions().empty());
    });
}

TEST_F(KarteEditor, LeavingTheDateFieldOfANewKarteMovesOnToAdd)
{
    StoreKarte("XX-0001-0001");
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        QTest::mouseClick(f.MediRecDateEdit, Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), f.MediRecDateEdit);
        QTest::keyClick(f.MediRecDateEdit, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.AddButton);
        EXPECT_EQ(Script().PointerMoves().back(), CentreOf(f.AddButton));

        // Not while a found karte is shown.
        Find("XX-0001-0001");
        const size_t moves = Script().PointerMoves().size();
        QTest::mouseClick(f.MediRecDateEdit, Qt::LeftButton);
        QTest::keyClick(f.MediRecDateEdit, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), f.AddButton);
        EXPECT_EQ(Script().PointerMoves().size(), moves);
    });
}

// --- Examinee -----------------------------------------------------------------------------

TEST_F(KarteEditor, TheExamineeButtonOpensTheExamineeWindowToChooseOne)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        Script().OnModal(*PatientForm, [&] {
            EXPECT_TRUE(Visible(PatientForm->OkButton));
            EXPECT_TRUE(Visible(PatientForm->CancelButton));
            EXPECT_FALSE(Visible(PatientForm->CloseButton));
            // What that window's OK writes here.
            f.PatientNoEdit->SetText("17");
            f.NameEdit->SetText("花子 山田");
            f.iPatientSchoolCode = 3;
            f.iCheckupSchoolCode = 3;
            f.bHeaderChanged = true;
            PatientForm->Close();
        });
        Click(f.RetrievePatientButton);
        EXPECT_EQ(f.PatientNoEdit->Text(), "17");
        EXPECT_EQ(f.iCheckupSchoolCode, 3);
        EXPECT_TRUE(f.bHeaderChanged);
    });
}

// --- Change flag and Close ----------------------------------------------------------------

TEST_F(KarteEditor, EveryHeaderExamineeAndQuestionnaireChangeRaisesTheFlag)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        std::vector<std::pair<QString, std::function<void()>>> changes;
        // The examinee fields and the date are written by other windows and the picker.
        for (Edit* e :
             {f.MediRecDateEdit, f.NameEdit, f.KanaEdit, f.BirthDateEdit, f.SexEdit, f.PatientNoEdit})
            changes.push_back({e->objectName(), [e] { e->SetText("x"); }});
        for (Edit* e : {f.TuberculosisEdit, f.BloodInfectionEdit, f.AirialInfectionEdit, f.OtherInfectionEdit,
                        f.AllergyCommentEdit, f.BrushingEdit})
            changes.push_back({e->objectName(), [e] { TypeOver(e, "y"); }});
        changes.push_back({"BrushingCB", [&] {
                               f.BrushingCB->setFocus();
                               QTest::keyClick(f.BrushingCB, Qt::Key_Down);
                           }});
        for (CheckBox* b :
             {f.AidsCheckBox, f.TuberculosisCheckBox, f.BloodInfectionCheckBox, f.OtherInfectionCheckBox,
              f.AirialInfectionCheckBox, f.HepatitisBCheckBox, f.HepatitisCCheckBox, f.AllergyOthersCheckBox,
              f.NoneCheckBox, f.AnemiaCheckBox, f.SwollingCheckBox, f.BleedingCheckBox, f.FeverCheckBox,
              f.NoExtCheckBox, f.NoAllergyCheckBox, f.AfterInjectionCheckBox, f.AfterDosingCheckBox})
            changes.push_back({b->objectName(), [b] { Tick(b); }});
        changes.push_back({"Q3RadioGroup", [&] { f.Q3RadioGroup->SetItemIndex(1); }});
        for (const auto& [name, change] : changes) {
            f.bHeaderChanged = false;
            change();
            EXPECT_TRUE(f.bHeaderChanged) << name.toStdString();
        }

        // Neither the karte number nor the next treatment counts.
        f.bHeaderChanged = false;
        TypeOver(f.MediRecNoEdit, "XX-0001-0002");
        f.NextCheckupCB->setFocus();
        QTest::keyClick(f.NextCheckupCB, Qt::Key_Down);
        EXPECT_EQ(f.NextCheckupCB->ItemIndex(), 0);
        EXPECT_FALSE(f.bHeaderChanged);
    });
}

// Mended: the next-checkup caption "次回予定(&Next checkup):" took Alt+N as well, so once the
// header was enabled Alt+N only moved the focus between it and New. The caption names no
// control to focus; Alt+N is New's alone.
TEST_F(KarteEditor, AltNStartsANewKarteWhileTheHeaderIsEnabled)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        Click(f.NewButton);
        Tick(f.AidsCheckBox);
        ASSERT_TRUE(f.bHeaderChanged);
        f.AidsCheckBox->setFocus();
        QTest::keyClick(f.AidsCheckBox, Qt::Key_N, Qt::AltModifier);
        QTest::qWait(300); // a button's accelerator clicks it a moment later
        EXPECT_FALSE(f.AidsCheckBox->isChecked());
        EXPECT_FALSE(f.bHeaderChanged);
        EXPECT_EQ(QApplication::focusWidget(), f.MediRecDateBitBtn);
    });
}

TEST_F(KarteEditor, CloseAsksBeforeDroppingUnstoredChanges)
{
    const QString question =
        "画面上の[ヘッダー]・[受信者]・[追記]の変更内容は，\nデータベースに反映されていません。\n"
        "データベースを更新せずに，画面を閉じてよいですか？\n\n[はい] -->\n"
        "    データペースを変更せずに画面を閉じる。\n[いいえ] -->\n    [カルテ作成]画面に戻る。\n"
        "    [ヘッダー追加]または[ヘッダー置換]のクリックで\n    データベース更新。";
    Script().Expect(BoxKind::Question, question, mrNo);
    Script().Expect(BoxKind::Question, question, mrYes);
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        Tick(f.AidsCheckBox);
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_TRUE(f.AidsCheckBox->Checked());
        Click(f.CloseButton);
        EXPECT_NE(f.ModalResult(), mrNone);
    });
    EXPECT_EQ(Script().Sounds().back(), Sound::Question);

    // New drops the change and the flag: no question.
    Show([&] {
        Click(Form().NewButton);
        Tick(Form().AidsCheckBox);
        Click(Form().NewButton);
        Click(Form().CloseButton);
        EXPECT_NE(Form().ModalResult(), mrNone);
    });
    // The title bar closes without asking.
    Show([&] {
        Click(Form().NewButton);
        Tick(Form().AidsCheckBox);
        Form().close();
        EXPECT_NE(Form().ModalResult(), mrNone);
    });
}

TEST_F(KarteEditor, TheHeightIsKeptOnlyWhenItChanged)
{
    Show([&] { Click(Form().CloseButton); });
    EXPECT_EQ(Setting("FormHeight"), "(none)");

    Show([&] {
        Form().SetHeight(760);
        Form().SetWidth(1000);
        Click(Form().CloseButton);
    });
    EXPECT_EQ(Setting("FormHeight"), "760");
    EXPECT_EQ(Setting("FormWidth"), "(none)");
    Show([&] {
        EXPECT_EQ(Form().Height(), 760);
        EXPECT_EQ(Form().iFormHeight, 760);
        // Find starts over from the kept height, undoing a resize since the showing.
        Form().SetHeight(720);
        Find("");
        EXPECT_EQ(Form().Height(), 760);
    });
}

// Mended: the height is kept, so a taller window must show more: the note and treatment
// lists share the extra height and the window's buttons keep to the bottom.
TEST_F(KarteEditor, ATallerWindowLengthensTheNoteAndTreatmentLists)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        const QRect notes = f.NoteGroupBox->geometry(), noteGrid = f.NoteStringGrid->geometry();
        const QRect treatments = f.TreatmentGroupBox->geometry(), treatmentGrid = f.TreatmentSG->geometry();
        const QPoint newAt = f.NewButton->pos(), closeAt = f.CloseButton->pos();
        f.SetHeight(f.Height() + 100);
        EXPECT_EQ(f.NoteGroupBox->geometry(), notes.adjusted(0, 0, 0, 50));
        EXPECT_EQ(f.NoteStringGrid->geometry(), noteGrid.adjusted(0, 0, 0, 50));
        EXPECT_EQ(f.TreatmentGroupBox->geometry(), treatments.adjusted(0, 50, 0, 100));
        EXPECT_EQ(f.TreatmentSG->geometry(), treatmentGrid.adjusted(0, 0, 0, 50));
        EXPECT_EQ(f.NewButton->pos(), newAt + QPoint(0, 100));
        EXPECT_EQ(f.CloseButton->pos(), closeAt + QPoint(0, 100));
        EXPECT_EQ(f.CloseButton->geometry().bottom(), f.height() - 1 - (701 - 697));
    });
}

// --- Questionnaire ------------------------------------------------------------------------

TEST_F(KarteEditor, SomeAnswersExcludeOthers)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        Click(f.NewButton);
        const std::vector<CheckBox*> q1 = {f.NoneCheckBox,     f.AnemiaCheckBox, f.SwollingCheckBox,
                                           f.BleedingCheckBox, f.FeverCheckBox,  f.NoExtCheckBox};
        const std::vector<CheckBox*> q2 = {f.NoAllergyCheckBox, f.AfterInjectionCheckBox,
                                           f.AfterDosingCheckBox, f.AllergyOthersCheckBox};
        auto checked = [](const std::vector<CheckBox*>& boxes) {
            QStringList names;
            for (CheckBox* b : boxes)
                if (b->Checked())
                    names << b->objectName();
            return names;
        };
        const struct
        {
            std::vector<CheckBox*> ticks;
            QStringList left;
        } q1Cases[] = {
            {{f.AnemiaCheckBox, f.FeverCheckBox, f.NoneCheckBox}, {"NoneCheckBox"}},
            {{f.NoneCheckBox, f.AnemiaCheckBox}, {"AnemiaCheckBox"}},
            {{f.AnemiaCheckBox, f.SwollingCheckBox, f.BleedingCheckBox, f.FeverCheckBox},
             {"AnemiaCheckBox", "SwollingCheckBox", "BleedingCheckBox", "FeverCheckBox"}},
            {{f.SwollingCheckBox, f.BleedingCheckBox, f.NoExtCheckBox}, {"NoExtCheckBox"}},
            {{f.NoExtCheckBox, f.FeverCheckBox}, {"FeverCheckBox"}},
            {{f.NoExtCheckBox, f.NoneCheckBox}, {"NoneCheckBox"}},
        };
        for (const auto& c : q1Cases) {
            for (CheckBox* b : q1)
                b->SetChecked(false);
            for (CheckBox* b : c.ticks)
                Tick(b);
            EXPECT_EQ(checked(q1), c.left);
        }
        const struct
        {
            std::vector<CheckBox*> ticks;
            QStringList left;
        } q2Cases[] = {
            {{f.AfterInjectionCheckBox, f.AfterDosingCheckBox, f.AllergyOthersCheckBox, f.NoAllergyCheckBox},
             {"NoAllergyCheckBox", "AllergyOthersCheckBox"}},
            {{f.NoAllergyCheckBox, f.AfterDosingCheckBox}, {"AfterDosingCheckBox"}},
            {{f.NoAllergyCheckBox, f.AfterInjectionCheckBox}, {"AfterInjectionCheckBox"}},
        };
        for (const auto& c : q2Cases) {
            for (CheckBox* b : q2)
                b->SetChecked(false);
            for (CheckBox* b : c.ticks)
                Tick(b);
            EXPECT_EQ(checked(q2), c.left);
        }
        // Unticking a box clears nothing.
        Tick(f.AnemiaCheckBox);
        Tick(f.AnemiaCheckBox);
        Tick(f.FeverCheckBox);
        Tick(f.FeverCheckBox);
        EXPECT_EQ(checked(q1), QStringList());
    });
}
