// The note dialog: its design, the member list and the fields for each mode, the date
// through the picker, the input check, and the add and replace stores with what they
// write back into the karte editor.
#include "core/MonthCalendarUnit.h"
#include "records/EditNoteUnit.h"
#include "tests/records/KarteRowsFixture.h"
#include "tests/support/CalendarClicks.h"
#include "tests/support/RefusalNotes.h"

#include <QApplication>
#include <QContextMenuEvent>

using namespace widgets;

class EditNote : public KarteRows
{
protected:
    TEditNoteForm& Dialog() { return *EditNoteForm; }
    QStringList Members()
    {
        QStringList items;
        for (int i = 0; i < Dialog().WrittenByCB->count(); ++i)
            items << Dialog().WrittenByCB->itemText(i);
        return items;
    }
    // New in the karte editor, with `body` run in the dialog.
    void NewNote(const std::function<void()>& body)
    {
        Script().OnModal(Dialog(), body);
        Click(Form().NoteNewButton);
    }
    void EditNoteRow(int row, const std::function<void()>& body)
    {
        SelectRow(Form().NoteStringGrid, row);
        Script().OnModal(Dialog(), body);
        Click(Form().NoteEditButton);
    }
    // A whole note typed in as the operator does.
    void Fill(const QString& digits, const QString& text, int member)
    {
        NextPickedDate(digits);
        Click(Dialog().DateBitBtn);
        Type(Dialog().DescriptionEdit, text);
        Choose(Dialog().WrittenByCB, member);
    }
};

TEST_F(EditNote, ShowsItsDesign)
{
    TEditNoteForm& d = Dialog();
    EXPECT_EQ(d.windowTitle(), "備考編集");
    EXPECT_EQ(d.size(), QSize(492, 109));
    EXPECT_EQ(d.Position, Position::OwnerCenter);
    EXPECT_EQ(d.Label1->Caption(), "記録日(&Date):");
    EXPECT_EQ(d.Label1->FocusControl(), d.DateBitBtn);
    EXPECT_EQ(d.Label2->Caption(), "内容(De&scription):");
    EXPECT_EQ(d.Label2->FocusControl(), d.DescriptionEdit);
    EXPECT_EQ(d.Label3->Caption(), "記録者(&Written by):");
    EXPECT_EQ(d.Label3->FocusControl(), d.WrittenByCB);
    EXPECT_TRUE(d.DateEdit->isReadOnly());
    EXPECT_FALSE(d.DateEdit->TabStop());
    // A little wider than first drawn, so that the whole date shows in this font.
    EXPECT_EQ(d.DateEdit->width(), 78);
    EXPECT_EQ(d.DateBitBtn->size(), QSize(24, 24));
    EXPECT_EQ(d.DescriptionEdit->width(), 241);
    EXPECT_EQ(d.DescriptionEdit->MaxLength(), 0);
    EXPECT_FALSE(d.WrittenByCB->isEditable());
    EXPECT_EQ(d.OkButton->Caption(), "更新");
    EXPECT_EQ(d.DefaultButton(), d.OkButton);
    EXPECT_EQ(d.CancelButton->Caption(), "キャンセル");
    EXPECT_TRUE(d.CancelButton->Cancel());
    for (QWidget* w : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(d.rect().contains(w->geometry())) << w->objectName().toStdString();
}

TEST_F(EditNote, TheDateFieldShowsAWholeDate)
{
    QLineEdit* edit = Dialog().DateEdit;
    for (const QString date : {"2026/12/10", "2000/08/28", "1999/11/11"})
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(date), TextRoom(edit)) << date.toStdString();
}

TEST_F(EditNote, AnEmptyAddNamesEveryMissingFieldAndStaysOpen)
{
    StoreKarte();
    ShowKarte([&] {
        NewNote([&] {
            Script().Expect(BoxKind::Error, "[記録日] が指定されていません。\n[内容] が指定されていません。\n"
                                            "[記録者]が指定されていません。");
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            // One field at a time.
            Type(Dialog().DescriptionEdit, "text");
            Script().Expect(BoxKind::Error,
                            "[記録日] が指定されていません。\n[記録者]が指定されていません。");
            Click(Dialog().OkButton);
            Choose(Dialog().WrittenByCB, 1);
            Script().Expect(BoxKind::Error, "[記録日] が指定されていません。");
            QTest::keyClick(Dialog().OkButton, Qt::Key_Return);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            Click(Dialog().CancelButton);
        });
        EXPECT_EQ(Form().nNoteRecords, 0);
        EXPECT_EQ(Form().NoteLabel->Caption(), "0");
    });
    EXPECT_EQ(Script().Sounds().front(), Sound::Exclamation);
    EXPECT_EQ(StoredNotes(), QStringList());
}

TEST_F(EditNote, AddingFillsRowOneFirstThenAddsRowsAndEnablesEditAndDelete)
{
    StoreKarte();
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        EXPECT_FALSE(f.NoteEditButton->isEnabled());
        NewNote([&] {
            EXPECT_EQ(Dialog().windowTitle(), "備考編集 - 追加");
            EXPECT_EQ(Dialog().OkButton->Caption(), "追加(&A)");
            EXPECT_EQ(Members(), QStringList({"山田, 太郎", "佐藤, 花子"}));
            EXPECT_EQ(Dialog().WrittenByCB->ItemIndex(), -1);
            Fill("20150501", "first visit", 1);
            EXPECT_EQ(Dialog().DateEdit->Text(), "2015/05/01");
            Click(Dialog().OkButton);
        });
        EXPECT_EQ(f.NoteStringGrid->RowCount(), 2);
        EXPECT_EQ(GridRows(f.NoteStringGrid), QStringList({"2015/05/01|first visit|佐藤, 花子"}));
        EXPECT_EQ(f.NoteLabel->Caption(), "1");
        EXPECT_TRUE(f.NoteEditButton->isEnabled());
        EXPECT_TRUE(f.NoteDeleteButton->isEnabled());

        NewNote([&] {
            // The fields start empty again.
            EXPECT_EQ(Dialog().DateEdit->Text(), "");
            EXPECT_EQ(Dialog().DescriptionEdit->Text(), "");
            EXPECT_EQ(Dialog().WrittenByCB->Text(), "");
            Fill("20150502", "second visit", 0);
            Click(Dialog().OkButton);
        });
        EXPECT_EQ(GridRows(f.NoteStringGrid),
                  QStringList({"2015/05/01|first visit|佐藤, 花子", "2015/05/02|second visit|山田, 太郎"}));
        EXPECT_EQ(f.NoteLabel->Caption(), "2");
        EXPECT_EQ(f.nNoteRecords, 2);
        EXPECT_EQ(f.tnNoteStaffIndex[0], 1);
        EXPECT_EQ(f.tnNoteStaffIndex[1], 0);
        EXPECT_EQ(f.tstNoteRec[1].asStaffNo, "101");
        EXPECT_EQ(f.tstNoteRec[1].asKarteNo, Karte);
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/05/01|first visit|102", "2015/05/02|second visit|101"}));
}

TEST_F(EditNote, ReplacingShowsTheCurrentRowAndStoresTheChangeInPlace)
{
    StoreKarte();
    StoreNote("2015/04/01", "first", "101");
    StoreNote("2015/04/02", "second", "102");
    StoreNote("2015/04/03", "third", "101");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        EditNoteRow(2, [&] {
            EXPECT_EQ(Dialog().windowTitle(), "備考編集 - 変更");
            EXPECT_EQ(Dialog().OkButton->Caption(), "置換(&R)");
            EXPECT_EQ(Dialog().DateEdit->Text(), "2015/04/02");
            EXPECT_EQ(Dialog().DescriptionEdit->Text(), "second");
            EXPECT_EQ(Dialog().WrittenByCB->Text(), "佐藤, 花子");
            // The picker starts from the note's date.
            Script().OnModal(*MonthCalendarForm, [] {
                EXPECT_EQ(MonthCalendarForm->SpecifiedDateMaskEdit->Text(), "2015/04/02");
                QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, "20150412");
                QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
            });
            Click(Dialog().DateBitBtn);
            Type(Dialog().DescriptionEdit, " note");
            Choose(Dialog().WrittenByCB, 0);
            Click(Dialog().OkButton);
        });
        EXPECT_EQ(GridRows(f.NoteStringGrid),
                  QStringList({"2015/04/01|first|山田, 太郎", "2015/04/12|second note|山田, 太郎",
                               "2015/04/03|third|山田, 太郎"}));
        EXPECT_EQ(f.NoteLabel->Caption(), "3");
        EXPECT_EQ(f.tnNoteStaffIndex[1], 0);
    });
    EXPECT_EQ(StoredNotes(),
              QStringList({"2015/04/01|first|101", "2015/04/12|second note|101", "2015/04/03|third|101"}));
}

TEST_F(EditNote, AfterADeleteEditOpensOnTheNoteThatFollowed)
{
    StoreKarte();
    StoreNote("2015/04/01", "first", "101");
    StoreNote("2015/04/02", "second", "102");
    StoreNote("2015/04/03", "third", "101");
    ShowKarte([&] {
        SelectRow(Form().NoteStringGrid, 2);
        Script().Expect(BoxKind::Question, mrYes);
        Click(Form().NoteDeleteButton);
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Dialog().DescriptionEdit->Text(), "third");
            EXPECT_EQ(Dialog().WrittenByCB->Text(), "山田, 太郎");
            Click(Dialog().CancelButton);
        });
        Click(Form().NoteEditButton);
    });
}

TEST_F(EditNote, TheDatePickerOpensAtTheDateFieldAlsoOnARightClick)
{
    StoreKarte();
    ShowKarte([&] {
        NewNote([&] {
            QPoint placed;
            const int pickerHeight = MonthCalendarForm->Height();
            Script().OnModal(*MonthCalendarForm, [&] {
                placed = QPoint(MonthCalendarForm->Left(), MonthCalendarForm->Top());
                QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, "20150601");
                QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
            });
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                         Dialog().DateEdit->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(Dialog().DateEdit, &rightClick);
            EXPECT_EQ(placed, QPoint(Dialog().Left() + Dialog().DateEdit->x(),
                                     Dialog().Top() + Dialog().DateEdit->y() - pickerHeight / 4));
            EXPECT_EQ(Dialog().DateEdit->Text(), "2015/06/01");
            // Esc in the picker leaves the date as it was.
            NextPickedDate("");
            Click(Dialog().DateBitBtn);
            EXPECT_EQ(Dialog().DateEdit->Text(), "2015/06/01");
            Click(Dialog().CancelButton);
        });
    });
    EXPECT_EQ(Script().Showings().count("MonthCalendarForm"), 2);
}

TEST_F(EditNote, TheLabelsAcceleratorsFocusTheirFieldsAndTheButtonsArePressed)
{
    StoreKarte();
    ShowKarte([&] {
        NewNote([&] {
            const auto pressAlt = [](char key) {
                QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            };
            TEditNoteForm& d = Dialog();
            const std::pair<char, QWidget*> labels[] = {
                {'s', d.DescriptionEdit}, {'w', d.WrittenByCB}, {'d', d.DateBitBtn}};
            for (const auto& [key, field] : labels) {
                pressAlt(key);
                EXPECT_EQ(QApplication::focusWidget(), field) << key;
            }
            Type(d.DescriptionEdit, "text");
            Script().Expect(BoxKind::Error,
                            "[記録日] が指定されていません。\n[記録者]が指定されていません。");
            pressAlt('a'); // 追加(&A)
            EXPECT_EQ(d.DescriptionEdit->Text(), "text");
            Click(d.CancelButton);
        });
    });
    // The date button was focused, never pressed.
    EXPECT_EQ(Script().Showings().count("MonthCalendarForm"), 0);
}

// The operator types where the focus is: the picker has it at every showing from the
// dialog, also after a showing that ended in the calendar's year box, and in a dialog
// opened again.
TEST_F(EditNote, ThePickerTakesTheKeyboardAtEveryShowing)
{
    StoreKarte();
    const auto keyboard = [](const QString& text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), text); };
    const auto keyboardEnter = [] { QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return); };
    ShowKarte([&] {
        for (const QString typed : {"20150602", "20160703"}) {
            NewNote([&] {
                Script().OnModal(*MonthCalendarForm, [&] {
                    EXPECT_EQ(QApplication::activeWindow(), MonthCalendarForm);
                    EXPECT_EQ(QApplication::focusWidget(), MonthCalendarForm->SpecifiedDateMaskEdit);
                    TypeYear(MonthCalendarForm->MonthCalendar1, "2013");
                    keyboardEnter();
                });
                Click(Dialog().DateBitBtn);
                EXPECT_TRUE(Dialog().DateEdit->Text().startsWith("2013/"));
                // Opened from the keyboard: Alt+D focuses the date button, Enter presses it.
                Script().OnModal(*MonthCalendarForm, [&] {
                    EXPECT_EQ(QApplication::activeWindow(), MonthCalendarForm);
                    keyboard(typed);
                    keyboardEnter();
                });
                QTest::keyClick(QApplication::focusWidget(), 'd', Qt::AltModifier);
                keyboardEnter();
                EXPECT_EQ(Dialog().DateEdit->Text(),
                          typed.left(4) + "/" + typed.mid(4, 2) + "/" + typed.mid(6));
                Click(Dialog().CancelButton);
            });
        }
    });
    EXPECT_EQ(Script().Showings().count("MonthCalendarForm"), 4);
}

TEST_F(EditNote, CancelAfterChoosingADateStoresNothing)
{
    StoreKarte();
    ShowKarte([&] {
        NewNote([&] {
            Fill("20150501", "never stored", 0);
            QTest::keyClick(Dialog().DescriptionEdit, Qt::Key_Escape);
        });
        EXPECT_EQ(GridRows(Form().NoteStringGrid), QStringList({"||"}));
        EXPECT_EQ(Form().nNoteRecords, 0);
        EXPECT_FALSE(Form().NoteEditButton->isEnabled());
    });
    EXPECT_EQ(StoredNotes(), QStringList());
}

TEST_F(EditNote, AStoreTheDataStoreRefusesIsReportedWithTheRowAndTheDialogStaysOpen)
{
    StoreKarte();
    StoreNote("2015/04/01", "first", "101");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        // The karte was deleted elsewhere meanwhile: its number is no live karte's.
        program.Database().Exec("UPDATE KarteTable SET DeleteFlag = 1;");
        NewNote([&] {
            Fill("20150501", "late note", 0);
            Script().Expect(BoxKind::Error,
                            "備考テーブルに追加できませんでした。(-3)\n  2015/05/01,late note,山田, 太郎" +
                                StaleNote);
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            EXPECT_EQ(Dialog().DescriptionEdit->Text(), "late note");
            Click(Dialog().CancelButton);
        });
        EXPECT_EQ(f.nNoteRecords, 1);
        EXPECT_EQ(f.NoteStringGrid->RowCount(), 2);
        EXPECT_EQ(f.NoteLabel->Caption(), "1");

        EditNoteRow(1, [&] {
            Type(Dialog().DescriptionEdit, " changed");
            Script().Expect(
                BoxKind::Error,
                "備考テーブルを書き換えられませんでした。(-3)\n  2015/04/01,first changed,山田, 太郎" +
                    StaleNote);
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            Click(Dialog().CancelButton);
        });
        EXPECT_EQ(GridRows(f.NoteStringGrid), QStringList({"2015/04/01|first|山田, 太郎"}));
    });
    program.Database().Exec("UPDATE KarteTable SET DeleteFlag = 0;");
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/01|first|101"}));
}

// What another program does to a shown note before its edit is stored, and the code the
// refusal gives.
struct RacedEdit
{
    QStringList meanwhile;
    const char* code;
};

TEST_F(EditNote, AnEditOfANoteAnotherProgramDeletedOrTookOffItsKarteIsRefusedAndNotStored)
{
    const RacedEdit races[] = {
        {{"DELETE FROM NoteTable;"}, "-2"},
        // The karte deleted and its number given at once to a new karte.
        {{"UPDATE KarteTable SET DeleteFlag = 1;",
          "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
          "VALUES ('AB-0001-0001', '2016-01-01', 0, -1, 0);",
          "INSERT INTO PSTable (KarteCode) VALUES (last_insert_rowid());"},
         "-3"},
    };
    for (const RacedEdit& race : races) {
        SCOPED_TRACE(race.meanwhile.join(' ').toStdString());
        for (const char* table : {"NoteTable", "PSTable", "KarteTable"})
            program.Database().Exec(QString("DELETE FROM %1;").arg(table));
        StoreKarte();
        StoreNote("2015/04/01", "first", "101");
        ShowKarte([&] {
            TMedicalRecordForm& f = Form();
            EditNoteRow(1, [&] {
                Type(Dialog().DescriptionEdit, " changed");
                for (const QString& sql : race.meanwhile)
                    program.Database().Exec(sql);
                Script().Expect(BoxKind::Error, QString("備考テーブルを書き換えられませんでした。(%1)\n"
                                                        "  2015/04/01,first changed,山田, 太郎")
                                                        .arg(race.code) +
                                                    StaleNote);
                Click(Dialog().OkButton);
                EXPECT_EQ(Dialog().ModalResult(), mrNone);
                Click(Dialog().CancelButton);
            });
            EXPECT_EQ(GridRows(f.NoteStringGrid), QStringList({"2015/04/01|first|山田, 太郎"}));
        });
        // Nothing is written, and the new karte of the number holds no note.
        EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM NoteTable WHERE Description <> 'first'"),
                  "0");
        EXPECT_EQ(program.Database().Scalar("SELECT COUNT(*) FROM NoteTable WHERE KarteCode IN "
                                            "(SELECT Code FROM KarteTable WHERE DeleteFlag = 0)"),
                  "0");
    }
}

TEST_F(EditNote, ANoteWhoseWriterLeftOpensWithNoMemberUntilOneIsChosen)
{
    StoreKarte();
    StoreNote("2015/04/01", "by a member who left", "102");
    program.Database().Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 102;");
    ShowKarte([&] {
        EditNoteRow(1, [&] {
            EXPECT_EQ(Members(), QStringList({"山田, 太郎"}));
            EXPECT_EQ(Dialog().WrittenByCB->ItemIndex(), -1);
            EXPECT_EQ(Dialog().WrittenByCB->Text(), "");
            Script().Expect(BoxKind::Error, "[記録者]が指定されていません。");
            Click(Dialog().OkButton);
            Choose(Dialog().WrittenByCB, 0);
            Click(Dialog().OkButton);
        });
        EXPECT_EQ(GridRows(Form().NoteStringGrid),
                  QStringList({"2015/04/01|by a member who left|山田, 太郎"}));
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/01|by a member who left|101"}));
}

TEST_F(EditNote, TheWriterStaysChosenWhenTheMemberListChangesWhileTheKarteIsOpen)
{
    StoreKarte();
    StoreNote("2015/04/01", "checked", "102");
    ShowKarte([&] {
        // Another program on the database removes the member listed before the writer.
        program.Database().Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 101;");
        EditNoteRow(1, [&] {
            EXPECT_EQ(Members(), QStringList({"佐藤, 花子"}));
            EXPECT_EQ(Dialog().WrittenByCB->Text(), "佐藤, 花子");
            Type(Dialog().DescriptionEdit, " again");
            Click(Dialog().OkButton);
        });
        EXPECT_EQ(GridRows(Form().NoteStringGrid), QStringList({"2015/04/01|checked again|佐藤, 花子"}));
    });
    EXPECT_EQ(StoredNotes(), QStringList({"2015/04/01|checked again|102"}));
}

TEST(EditNoteCheck, OneLinePerMissingFieldInTheirOrder)
{
    const struct
    {
        QString date, text, member, lines;
    } cases[] = {
        {"2015/04/01", "t", "m", ""},
        {"", "t", "m", "[処置日] が指定されていません。"},
        {"2015/04/01", "", "m", "[内容] が指定されていません。"},
        {"2015/04/01", "t", "", "[担当医]が指定されていません。"},
        {"", "", "",
         "[処置日] が指定されていません。\n[内容] が指定されていません。\n[担当医]が指定されていません。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MissingDatedRowFields("処置日", c.date, c.text, "担当医", c.member), c.lines);
}
