// The karte editor's accelerators, several of them shared: Alt with the letter goes to the
// first control in the window's order that can take it, a button pressed, a group box
// entered; the letter is never typed.
#include "core/data/Dbapi.h"
#include "tests/records/KarteRowsFixture.h"

#include <QApplication>

using namespace widgets;

namespace {

class KarteKeys : public KarteRows
{
protected:
    // As the keyboard sends it: to the control that has the focus.
    static void PressAlt(char key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier); }
};

// Mended: Alt+A only moved the focus between ヘッダー追加 and the allergy group box.
TEST_F(KarteKeys, AltAPressesHeaderAddBeforeTheAllergyGroupThatSharesIt)
{
    Show([&] {
        TMedicalRecordForm& f = Form();
        NewKarteDated("20150401");
        QTest::mouseClick(f.MediRecNoEdit, Qt::LeftButton);
        QTest::keyClick(f.MediRecNoEdit, Qt::Key_End);
        PressAlt('a');
        EXPECT_EQ(f.MediRecNoEdit->Text().toStdString(), "XX-0001-0001");
        EXPECT_FALSE(f.AddButton->isEnabled()); // the new karte's stored state
        EXPECT_TRUE(f.NoteNewButton->isEnabled());
    });
    EXPECT_TRUE(ExistKarteNo("XX-0001-0001"));
}

// Mended: Alt+D only moved the focus between the note's 行削除 and カルテ削除.
TEST_F(KarteKeys, AltDDeletesTheNoteWhileItsButtonIsEnabledAndElseTheKarte)
{
    StoreKarte();
    StoreNote("2015/04/01", "first", "101");
    Script().Expect(BoxKind::Question, mrYes);
    Script().Expect(BoxKind::Question, mrNo);
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        SelectRow(f.NoteStringGrid, 1);
        PressAlt('d');
        EXPECT_EQ(f.nNoteRecords, 0);
        ASSERT_FALSE(f.NoteDeleteButton->isEnabled());
        PressAlt('d');
    });
    ASSERT_EQ(Script().Boxes().size(), 2u);
    EXPECT_TRUE(Script().Boxes()[0].text.startsWith("[行削除(&D)]\n"));
    EXPECT_TRUE(Script().Boxes()[1].text.startsWith("[カルテ削除(&D)]\n"));
    EXPECT_EQ(StoredNotes(), QStringList());
    EXPECT_TRUE(ExistKarteNo(Karte));
}

// The examinee group is listed before the treatment group, which shares its T.
TEST_F(KarteKeys, AltTEntersTheExamineeGroupEachTimeWithoutPressingItsButton)
{
    StoreKarte();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        ASSERT_TRUE(f.TreatmentNewButton->isEnabled());
        QTest::mouseClick(f.BrushingEdit, Qt::LeftButton);
        for (int press = 0; press < 2; ++press) {
            PressAlt('t');
            EXPECT_EQ(QApplication::focusWidget(), f.RetrievePatientButton) << press;
        }
    });
    EXPECT_FALSE(Script().Showings().contains("PatientForm"));
}

} // namespace
