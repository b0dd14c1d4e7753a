// The writtenby picker: its fixed list, and bSelected after OK, a double click and Cancel.
#include "records/WrittenByUnit.h"
#include "tests/support/ScriptedInteraction.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

class WrittenByPicker : public ::testing::Test
{
protected:
    void Click(int item)
    {
        QListWidget* list = form.WrittenByListBox;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(item)).center());
    }
    TWrittenByForm form;
    ScriptedInteraction script;
};

} // namespace

TEST_F(WrittenByPicker, ShowsItsDesign)
{
    EXPECT_EQ(form.windowTitle(), "記録者指定");
    EXPECT_EQ(form.size(), QSize(180, 173));
    EXPECT_EQ(form.WrittenByLabel->Caption(), "記録者一覧(&W):");
    EXPECT_EQ(form.WrittenByLabel->FocusControl(), form.WrittenByListBox);
    EXPECT_EQ(form.WrittenByListBox->count(), 8);
    EXPECT_EQ(form.OkButton->Caption(), "OK");
    EXPECT_EQ(form.DefaultButton(), form.OkButton);
    EXPECT_TRUE(form.CancelButton->Cancel());
}

TEST_F(WrittenByPicker, OkSelectsOnlyWhenANameIsChosen)
{
    script.OnModal(form, [&] { QTest::mouseClick(form.OkButton, Qt::LeftButton); });
    form.ShowModal();
    EXPECT_FALSE(form.bSelected);

    script.OnModal(form, [&] {
        Click(1);
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    form.ShowModal();
    EXPECT_TRUE(form.bSelected);
    EXPECT_EQ(form.WrittenByListBox->ItemIndex(), 1);
}

TEST_F(WrittenByPicker, ADoubleClickChoosesAndClosesAndEachShowingStartsUnselected)
{
    script.OnModal(form, [&] {
        EXPECT_FALSE(form.bSelected);
        QListWidget* list = form.WrittenByListBox;
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_NE(form.ModalResult(), mrNone);
    });
    form.ShowModal();
    EXPECT_TRUE(form.bSelected);
    EXPECT_EQ(form.WrittenByListBox->ItemIndex(), 2);

    script.OnModal(form, [&] {
        EXPECT_FALSE(form.bSelected);
        Click(0);
        QTest::keyClick(form.WrittenByListBox, Qt::Key_Escape);
    });
    form.ShowModal();
    EXPECT_FALSE(form.bSelected);
}
