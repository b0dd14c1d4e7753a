// The karte editor as Kelvara1 has it: no new-karte focus sequence, no pointer moves,
// a karte-date button that presets nothing, and the date picker of its note dialog.
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/DateTime.h"
#include "records/DentalFormulaUnit.h"
#include "records/EditNoteUnit.h"
#include "records/MedicalRecordUnit.h"
#include "tests/edition1/Kelvara1Fixture.h"
#include "tests/support/CalendarClicks.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

class KarteEditor1 : public ::testing::Test
{
protected:
    void SetUp() override { program.Start(); }

    void Show(const std::function<void()>& body)
    {
        program.Script().OnModal(*MedicalRecordForm, [&] {
            body();
            if (MedicalRecordForm->ModalResult() == mrNone)
                MedicalRecordForm->Close();
        });
        QTest::mouseClick(MainMenuForm->KarteButton, Qt::LeftButton);
    }

    // The next picker showing takes `digits`.
    void NextPickedDate(const QString& digits)
    {
        program.Script().OnModal(*MonthCalendarForm, [digits] {
            QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, digits);
            QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
        });
    }

    // New, a date through the picker, Add: a stored karte, ready for its rows.
    void NewStoredKarte()
    {
        TMedicalRecordForm& f = *MedicalRecordForm;
        QTest::mouseClick(f.NewButton, Qt::LeftButton);
        NextPickedDate("20150401");
        QTest::mouseClick(f.MediRecDateBitBtn, Qt::LeftButton);
        QTest::mouseClick(f.AddButton, Qt::LeftButton);
    }

    Kelvara1Program program;
};

} // namespace

TEST_F(KarteEditor1, NewPutsTheFocusOnTheDateButtonWithoutMovingThePointer)
{
    Show([&] {
        TMedicalRecordForm& f = *MedicalRecordForm;
        QTest::mouseClick(f.NewButton, Qt::LeftButton);
        EXPECT_FALSE(f.bNewKarteMode);
        EXPECT_EQ(QApplication::focusWidget(), f.MediRecDateBitBtn);
        EXPECT_TRUE(f.AddButton->isEnabled());

        // Leaving the date field does not move on to Add.
        QTest::mouseClick(f.MediRecDateEdit, Qt::LeftButton);
        QTest::keyClick(f.MediRecDateEdit, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), f.AddButton);
    });
    EXPECT_TRUE(program.Script().PointerMoves().empty());
}

TEST_F(KarteEditor1, TheDateButtonKeepsThePickersLastDateAndMovesNoFocus)
{
    program.Script().SetNow(EncodeDate(2016, 7, 8));
    MonthCalendarForm->MonthCalendar1->SetDate(EncodeDate(2012, 3, 4));
    Show([&] {
        TMedicalRecordForm& f = *MedicalRecordForm;
        QTest::mouseClick(f.NewButton, Qt::LeftButton);
        program.Script().OnModal(*MonthCalendarForm, [] {
            // Neither today nor anything of the field: the date of the picker's last use.
            EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), "2012/03/04");
            QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, "20150401");
            QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
        });
        QTest::mouseClick(f.MediRecDateBitBtn, Qt::LeftButton);
        EXPECT_EQ(f.MediRecDateEdit->Text(), "2015/04/01");
        EXPECT_NE(QApplication::focusWidget(), f.AddButton);

        // The field's own date is no preset either.
        MonthCalendarForm->MonthCalendar1->SetDate(EncodeDate(2012, 3, 4));
        program.Script().OnModal(*MonthCalendarForm, [] {
            EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), "2012/03/04");
            MonthCalendarForm->CancelButton->click();
        });
        QTest::mouseClick(f.MediRecDateBitBtn, Qt::LeftButton);
        EXPECT_EQ(f.MediRecDateEdit->Text(), "2015/04/01");
    });
    EXPECT_TRUE(program.Script().PointerMoves().empty());
}

TEST_F(KarteEditor1, ANewKarteItsCheckupAndItsChartMoveNoFocusAndNoPointer)
{
    Show([&] {
        TMedicalRecordForm& f = *MedicalRecordForm;
        NewStoredKarte();
        ASSERT_EQ(program.Database().Scalar("SELECT KarteNo FROM KarteTable"), f.MediRecNoEdit->Text());
        EXPECT_NE(QApplication::focusWidget(), f.CheckupNewButton);

        NextPickedDate("20150610");
        QTest::mouseClick(f.CheckupNewButton, Qt::LeftButton);
        ASSERT_EQ(f.nCheckupRecords, 1);
        EXPECT_NE(QApplication::focusWidget(), f.EditDentalFormulaButton);

        program.Script().OnModal(*DentalFormulaForm, [] {
            QTest::keyClick(DentalFormulaForm->DentalFormulaSG, Qt::Key_1);
            QTest::keyClick(DentalFormulaForm->DentalFormulaSG, Qt::Key_Return);
        });
        QTest::mouseClick(f.EditDentalFormulaButton, Qt::LeftButton);
        EXPECT_EQ(f.DentalFormulaSG->Cells[0][3], "C1");
        EXPECT_NE(QApplication::focusWidget(), f.NewButton);
    });
    EXPECT_TRUE(program.Script().PointerMoves().empty());
}

// The operator types where the focus is: the picker has it at every showing from the note
// dialog, also after a showing that ended in the calendar's year box, and in the dialog
// opened again.
TEST_F(KarteEditor1, ThePickerOpenedFromTheNoteDialogTakesTheKeyboardEachTime)
{
    const auto keyboardEnter = [] { QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return); };
    Show([&] {
        TMedicalRecordForm& f = *MedicalRecordForm;
        NewStoredKarte();
        ASSERT_TRUE(f.NoteNewButton->isEnabled());
        for (const QString typed : {"2015/06/02", "2016/07/03"}) {
            program.Script().OnModal(*EditNoteForm, [&] {
                program.Script().OnModal(*MonthCalendarForm, [&] {
                    EXPECT_EQ(QApplication::activeWindow(), MonthCalendarForm);
                    EXPECT_EQ(QApplication::focusWidget(), MonthCalendarForm->SpecifiedDateMaskEdit);
                    TypeYear(MonthCalendarForm->MonthCalendar1, "2013");
                    keyboardEnter();
                });
                QTest::mouseClick(EditNoteForm->DateBitBtn, Qt::LeftButton);
                EXPECT_TRUE(EditNoteForm->DateEdit->Text().startsWith("2013/"));
                program.Script().OnModal(*MonthCalendarForm, [&] {
                    EXPECT_EQ(QApplication::activeWindow(), MonthCalendarForm);
                    QTest::keyClicks(static_cast<QWidget*>(nullptr), QString(typed).remove('/'));
                    keyboardEnter();
                });
                QTest::mouseClick(EditNoteForm->DateBitBtn, Qt::LeftButton);
                EXPECT_EQ(EditNoteForm->DateEdit->Text(), typed);
                QTest::mouseClick(EditNoteForm->CancelButton, Qt::LeftButton);
            });
            QTest::mouseClick(f.NoteNewButton, Qt::LeftButton);
        }
    });
    EXPECT_EQ(program.Script().Showings().count("MonthCalendarForm"), 5);
}
