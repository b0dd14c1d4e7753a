// Alt plus a character: never typed; the first control in the window's order whose caption
// marks it takes it, a button by a click, a label and a group box by moving the focus.
#include "platform/widgets/Accelerators.h"
#include "platform/widgets/Button.h"
#include "platform/widgets/CheckBox.h"
#include "platform/widgets/ComboBox.h"
#include "platform/widgets/Edit.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MaskEdit.h"
#include "tests/support/ScriptedInteraction.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

// Four controls share A, in this order: a button, a group box, a label and another button.
class Accelerators : public ::testing::Test
{
protected:
    Accelerators()
    {
        form.resize(400, 300);
        AddButton->setText("追加(&A)");
        AddButton->setGeometry(8, 8, 80, 24);
        Q2GroupBox->setTitle("Q2(&A)");
        Q2GroupBox->setGeometry(8, 40, 200, 60);
        NoStopEdit->setGeometry(8, 20, 80, 20);
        NoStopEdit->setTabStop(false);
        Q2Edit->setGeometry(100, 20, 80, 20);
        NameLabel->setGeometry(8, 110, 60, 20);
        NameLabel->SetCaption("名前(&A):");
        NameLabel->setBuddy(NameEdit);
        NameEdit->setGeometry(70, 110, 100, 20);
        PrintButton->setText("印刷(&A)");
        PrintButton->setGeometry(8, 140, 80, 24);
        NoneCheckBox->setText("なし(&O)");
        NoneCheckBox->setGeometry(8, 170, 80, 20);
        KanaLabel->SetCaption("カナ(&K):"); // no focus control
        KanaLabel->setGeometry(8, 200, 60, 20);
        KanaEdit->setGeometry(70, 200, 100, 20);
        DateMaskEdit->setEditMask("!0000/00/00;1;_");
        DateMaskEdit->setGeometry(180, 200, 96, 24);
        SchoolCB->setEditable(true);
        SchoolCB->setGeometry(180, 230, 120, 20);
        const std::pair<QWidget*, const char*> names[] = {
            {AddButton, "AddButton"},       {Q2GroupBox, "Q2GroupBox"},
            {NoStopEdit, "NoStopEdit"},     {Q2Edit, "Q2Edit"},
            {NameLabel, "NameLabel"},       {NameEdit, "NameEdit"},
            {PrintButton, "PrintButton"},   {KanaEdit, "KanaEdit"},
            {DateMaskEdit, "DateMaskEdit"}, {NoneCheckBox, "NoneCheckBox"},
        };
        for (const auto& [control, name] : names)
            control->setObjectName(name);
        QObject::connect(AddButton, &QPushButton::clicked, &form, [this] { ++addClicks; });
        QObject::connect(PrintButton, &QPushButton::clicked, &form, [this] { ++printClicks; });
    }

    // Runs `action` while the window is shown modally, then ends the showing.
    void WhileShown(const std::function<void()>& action)
    {
        script.OnModal(form, [&] {
            action();
            form.Close();
        });
        form.ShowModal();
    }

    // The key as the keyboard sends it: to the control that has the focus.
    static void PressAlt(char key, Qt::KeyboardModifiers more = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier | more);
    }

    // A key held down: its press, `repeats` presses the keyboard repeats, and its release.
    static void Hold(QWidget* to, int key, Qt::KeyboardModifiers modifiers, const QString& text, int repeats)
    {
        QTest::simulateEvent(to, true, key, modifiers, text, false);
        for (int i = 0; i < repeats; ++i)
            QTest::simulateEvent(to, true, key, modifiers, text, true);
        QTest::simulateEvent(to, false, key, modifiers, text, false);
    }

    ScriptedInteraction script;
    Form form;
    Button* AddButton = new Button(&form);
    QGroupBox* Q2GroupBox = new QGroupBox(&form);
    Edit* NoStopEdit = new Edit(Q2GroupBox);
    Edit* Q2Edit = new Edit(Q2GroupBox);
    Label* NameLabel = new Label(&form);
    Edit* NameEdit = new Edit(&form);
    Button* PrintButton = new Button(&form);
    CheckBox* NoneCheckBox = new CheckBox(&form);
    Label* KanaLabel = new Label(&form);
    Edit* KanaEdit = new Edit(&form);
    MaskEdit* DateMaskEdit = new MaskEdit(&form);
    ComboBox* SchoolCB = new ComboBox(&form);
    int addClicks = 0;
    int printClicks = 0;
};

TEST(AcceleratorOf, IsTheCharacterAfterASingleAmpersand)
{
    const struct
    {
        const char* caption;
        QChar accelerator;
    } cases[] = {
        {"ヘッダー追加(&A)", 'A'}, {"受診者(Patien&t):", 't'}, {"A && B", QChar()}, {"&&1 &2", '2'},
        {"閉じる", QChar()},       {"end&", QChar()},          {"", QChar()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceleratorOf(QString::fromUtf8(c.caption)), c.accelerator) << c.caption;
}

TEST_F(Accelerators, TheFirstControlInTheWindowsOrderThatCanTakeTheKeyTakesIt)
{
    const struct
    {
        const char* name;
        std::function<void()> prepare;
        QWidget* focused; // where the focus is afterwards
        int addClicks;
        int printClicks;
    } cases[] = {
        {"a button first: clicked, each time, the focus left where it was", [] {}, KanaEdit, 2, 0},
        {"a disabled button: the group box's first control that Tab stops at",
         [&] { AddButton->setEnabled(false); }, Q2Edit, 0, 0},
        {"a hidden button and a disabled group: the label's focus control",
         [&] {
             AddButton->hide();
             Q2GroupBox->setEnabled(false);
         },
         NameEdit, 0, 0},
        {"a label whose focus control is disabled: the next button",
         [&] {
             AddButton->setEnabled(false);
             Q2GroupBox->hide();
             NameEdit->setEnabled(false);
         },
         KanaEdit, 0, 2},
        {"nothing can take it: nothing happens",
         [&] {
             AddButton->setEnabled(false);
             Q2GroupBox->setEnabled(false);
             NameLabel->setEnabled(false);
             PrintButton->hide();
         },
         KanaEdit, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (QWidget* w : {static_cast<QWidget*>(AddButton), static_cast<QWidget*>(Q2GroupBox),
                           static_cast<QWidget*>(NameLabel), static_cast<QWidget*>(NameEdit),
                           static_cast<QWidget*>(PrintButton)}) {
            w->setEnabled(true);
            w->show();
        }
        addClicks = printClicks = 0;
        KanaEdit->SetText("kana");
        c.prepare();
        WhileShown([&] {
            QTest::mouseClick(KanaEdit, Qt::LeftButton);
            PressAlt('a');
            if (QApplication::focusWidget() == KanaEdit)
                PressAlt('A', Qt::ShiftModifier); // the same accelerator
            EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused->objectName());
        });
        EXPECT_EQ(addClicks, c.addClicks);
        EXPECT_EQ(printClicks, c.printClicks);
        EXPECT_EQ(KanaEdit->Text().toStdString(), "kana");
    }
}

TEST_F(Accelerators, ACheckBoxIsFocusedAndToggled)
{
    int clicks = 0;
    QObject::connect(NoneCheckBox, &CheckBox::Click, &form, [&] { ++clicks; });
    WhileShown([&] {
        QTest::mouseClick(NameEdit, Qt::LeftButton);
        PressAlt('o');
        EXPECT_TRUE(NoneCheckBox->Checked());
        EXPECT_EQ(QApplication::focusWidget(), NoneCheckBox);
        PressAlt('o');
        EXPECT_FALSE(NoneCheckBox->Checked());
    });
    EXPECT_EQ(clicks, 2);
}

TEST_F(Accelerators, AnAltCharacterIsNeverTyped)
{
    QLineEdit* const edits[] = {NameEdit, Q2Edit, DateMaskEdit, SchoolCB->lineEdit()};
    // Z and 1 are nobody's; K is only on a label without a focus control; O is the check
    // box's, A a button's.
    const std::pair<char, Qt::KeyboardModifiers> keys[] = {
        {'z', {}}, {'Z', Qt::ShiftModifier}, {'1', {}}, {'k', {}}, {'o', {}}, {'a', {}},
    };
    WhileShown([&] {
        for (QLineEdit* edit : edits) {
            SCOPED_TRACE(edit == SchoolCB->lineEdit() ? "combo box" : edit->metaObject()->className());
            for (const auto& [key, more] : keys) {
                QTest::mouseClick(edit, Qt::LeftButton);
                QTest::keyClick(edit, Qt::Key_End);
                const QString before = edit->text();
                PressAlt(key, more);
                EXPECT_EQ(edit->text().toStdString(), before.toStdString()) << "Alt+" << key;
            }
            // Without Alt the same keys type.
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::keyClick(edit, Qt::Key_Home);
            QTest::keyClicks(edit, "2");
            EXPECT_TRUE(edit->text().contains('2'));
        }
    });
}

// The keyboard repeats a held key; the button, check box or label takes it once.
TEST_F(Accelerators, AHeldKeyTakesItsControlOnce)
{
    int checks = 0;
    QObject::connect(NoneCheckBox, &CheckBox::Click, &form, [&] { ++checks; });
    WhileShown([&] {
        QTest::mouseClick(KanaEdit, Qt::LeftButton);
        Hold(KanaEdit, Qt::Key_A, Qt::AltModifier, "a", 4);
        EXPECT_EQ(addClicks, 1);
        Hold(KanaEdit, Qt::Key_O, Qt::AltModifier, "o", 4);
        EXPECT_EQ(checks, 1);
        EXPECT_TRUE(NoneCheckBox->Checked());
        EXPECT_EQ(KanaEdit->Text().toStdString(), "");
    });
}

// What the window's controls do not take goes where Qt sends it, as before: AltGr types its
// character (Ctrl+Alt where the keyboard sends it so), Alt+Down opens a combo box's list, and
// an open list and a message box read Alt+letter themselves.
TEST_F(Accelerators, KeysNoControlTakesStillTypeOrAct)
{
    SchoolCB->addItems({"第一小学校", "第二小学校"});
    WhileShown([&] {
        const struct
        {
            const char* name;
            int key;
            Qt::KeyboardModifiers modifiers;
            const char* text;
        } typed[] = {
            {"AltGr as Ctrl+Alt", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@"},
            {"AltGr as a group switch", Qt::Key_E, Qt::GroupSwitchModifier, "\u20ac"},
            {"AltGr with Shift, on a key a button marks", Qt::Key_A,
             Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, "A"},
        };
        for (const auto& t : typed) {
            SCOPED_TRACE(t.name);
            QTest::mouseClick(NameEdit, Qt::LeftButton);
            NameEdit->SetText("");
            Hold(NameEdit, t.key, t.modifiers, QString::fromUtf8(t.text), 0);
            EXPECT_EQ(NameEdit->Text().toStdString(), t.text);
        }
        EXPECT_EQ(addClicks, 0);

        QTest::mouseClick(SchoolCB->lineEdit(), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* list = SchoolCB->view();
        ASSERT_TRUE(list->isVisible());
        // The open list has the keyboard: the window's button behind it is not pressed.
        QTest::keyClick(list, Qt::Key_A, Qt::AltModifier);
        EXPECT_EQ(addClicks, 0);
        QTest::keyClick(list, Qt::Key_Escape);
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(form.ModalResult(), mrNone);

        // Qt's own box over the window: its はい(&Y) answers Alt+Y.
        QMessageBox box(QMessageBox::Question, "Kelvara2", "?", QMessageBox::Yes | QMessageBox::No, &form);
        QMessageBox::StandardButton answer = QMessageBox::NoButton;
        QTimer::singleShot(0, &box, [&] {
            QApplication::setActiveWindow(&box);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::AltModifier);
            // Qt's button shows itself pressed for a moment before it answers.
            if (!QTest::qWaitFor([&] { return !box.isVisible(); }, 5000))
                box.reject();
        });
        answer = QMessageBox::StandardButton(box.exec());
        EXPECT_EQ(answer, QMessageBox::Yes);
    });
    EXPECT_EQ(addClicks, 0);
}

} // namespace
