// The masked date edit as the operator types into it: places overwritten, literals
// skipped, refused characters, Backspace and Delete, pastes, selections. The sample
// form's edit is set as the date picker's is (mask "!0000/00/00;1;_", maximum length
// 10) and shows its first place selected.
#include "tests/platform/widgets/SampleForm.h"
#include "tests/support/ScriptedInteraction.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

constexpr int AsShown = -1; // the place the edit shows selected when the form opens

class MaskedEdit : public ::testing::Test
{
protected:
    TSampleForm form;
    ScriptedInteraction script;
    MaskEdit* edit = form.DateMaskEdit;

    void WhileShown(const std::function<void()>& action)
    {
        form.DateMaskEdit->setText("2026/12/10");
        script.OnModal(form, [&] {
            action();
            form.Close();
        });
        form.ShowModal();
    }

    // Puts the cursor at `start` and selects `length` characters from there with the
    // keys an operator would use.
    void Select(int start, int length)
    {
        if (start == AsShown)
            return;
        QTest::keyClick(edit, Qt::Key_Home);
        for (int i = 0; edit->SelStart() < start && i < 12; ++i)
            QTest::keyClick(edit, Qt::Key_Right);
        for (int i = 0; edit->SelLength() < length && i < 12; ++i)
            QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        ASSERT_EQ(edit->SelStart(), start);
        ASSERT_EQ(edit->SelLength(), length);
    }

    // Types `keys`: '<' is Backspace, '>' Delete, '^' Ctrl+V; anything else as typed.
    void Press(const QString& keys)
    {
        for (QChar key : keys) {
            if (key == '<')
                QTest::keyClick(edit, Qt::Key_Backspace);
            else if (key == '>')
                QTest::keyClick(edit, Qt::Key_Delete);
            else if (key == '^')
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClicks(edit, QString(key));
        }
    }
};

} // namespace

TEST_F(MaskedEdit, TypingOverwritesThePlacesAndKeepsTheLength)
{
    struct Case
    {
        const char* what;
        int start, length; // where the operator is before typing
        const char* keys;
        const char* clipboard;
        const char* text; // from "2026/12/10"
        int cursor;
    } cases[] = {
        {"first place selected, as first shown", AsShown, 0, "20150410", "", "2015/04/10", 10},
        {"nothing selected, from position 0", 0, 0, "1999", "", "1999/12/10", 5},
        {"from the middle", 5, 0, "04", "", "2026/04/10", 8},
        {"across a slash", 2, 0, "1503", "", "2015/03/10", 8},
        {"typed slashes do nothing", AsShown, 0, "2015/04/10", "", "2015/04/10", 10},
        {"all selected", 0, 10, "20150410", "", "2015/04/10", 10},
        {"all selected, part typed", 0, 10, "2015", "", "2015/__/__", 5},
        {"a selection blanked by the first digit", 1, 2, "9", "", "29_6/12/10", 2},
        {"letters refused", 0, 0, "1x9a9Z9", "", "1999/12/10", 5},
        {"a letter refused on all selected", 0, 10, "x", "", "2026/12/10", 0},
        {"nothing typed past the end", 8, 0, "123", "", "2026/12/12", 10},
        {"Backspace over the slash", 5, 0, "<", "", "202_/12/10", 3},
        {"Backspace twice", 10, 0, "<<", "", "2026/12/__", 8},
        {"Backspace, then typed again", 10, 0, "<<15", "", "2026/12/15", 10},
        {"Backspace before the first place", AsShown, 0, "<", "", "2026/12/10", 0},
        {"Backspace on a selection", 5, 5, "<", "", "2026/__/__", 5},
        {"Delete", 5, 0, ">", "", "2026/_2/10", 5},
        {"Delete on the place shown selected", AsShown, 0, ">", "", "_026/12/10", 0},
        {"Delete on all", 0, 10, ">", "", "____/__/__", 0},
        {"a paste", 0, 0, "^", "20150410", "2015/04/10", 10},
        {"a paste with slashes on all selected", 0, 10, "^", "2015/04/10", "2015/04/10", 10},
        {"a paste from the middle", 5, 0, "^", "0410", "2026/04/10", 10},
        {"a paste of nothing the places take", 0, 10, "^", "abc", "2026/12/10", 0},
        {"a paste past the end", 8, 0, "^", "1234", "2026/12/12", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QApplication::clipboard()->setText(c.clipboard);
        WhileShown([&] {
            ASSERT_EQ(edit->SelStart(), 0);
            ASSERT_EQ(edit->SelLength(), 1);
            Select(c.start, c.length);
            Press(c.keys);
            EXPECT_EQ(edit->Text().toStdString(), c.text);
            EXPECT_EQ(edit->SelStart(), c.cursor);
        });
    }
}

TEST_F(MaskedEdit, OneChangePerKeyThatChangesTheText)
{
    WhileShown([&] {
        QSignalSpy changes(edit, &Edit::Change);
        QApplication::clipboard()->setText("20150410");
        Press("^");
        EXPECT_EQ(changes.size(), 1);
        Press("x<");
        EXPECT_EQ(changes.size(), 2);
        EXPECT_EQ(edit->Text(), "2015/04/1_");
    });
}

TEST_F(MaskedEdit, TheKeyPressFilterSeesEachTypedCharacterFirst)
{
    QObject::connect(edit, &Edit::KeyPress, &form, [](QChar& key) {
        if (key == '0')
            key = QChar();
    });
    WhileShown([&] {
        Press("2015");
        EXPECT_EQ(edit->Text(), "2156/12/10");
    });
}

TEST_F(MaskedEdit, AnInputMethodsTextFillsThePlacesAsTyping)
{
    WhileShown([&] {
        Select(5, 0);
        QInputMethodEvent commit;
        commit.setCommitString("04x10");
        QApplication::sendEvent(edit, &commit);
        EXPECT_EQ(edit->Text(), "2026/04/10");
    });
}

TEST_F(MaskedEdit, AReadOnlyEditTakesNothing)
{
    edit->setReadOnly(true);
    WhileShown([&] {
        Press("1999<>");
        EXPECT_EQ(edit->Text(), "2026/12/10");
    });
}
