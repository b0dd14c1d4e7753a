// The doctor picker: its fixed list, and bSelected after OK, a double click and Cancel.
#include "records/DoctorUnit.h"
#include "tests/support/ScriptedInteraction.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

class DoctorPicker : public ::testing::Test
{
protected:
    void Click(int item)
    {
        QListWidget* list = form.DoctorListBox;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(item)).center());
    }
    TDoctorForm form;
    ScriptedInteraction script;
};

} // namespace

TEST_F(DoctorPicker, ShowsItsDesign)
{
    EXPECT_EQ(form.windowTitle(), "担当医指定");
    EXPECT_EQ(form.size(), QSize(180, 173));
    EXPECT_EQ(form.DoctorLabel->Caption(), "担当医一覧(&D):");
    EXPECT_EQ(form.DoctorLabel->FocusControl(), form.DoctorListBox);
    EXPECT_EQ(form.DoctorListBox->count(), 3);
    EXPECT_EQ(form.OkButton->Caption(), "OK");
    EXPECT_EQ(form.DefaultButton(), form.OkButton);
    EXPECT_TRUE(form.CancelButton->Cancel());
}

TEST_F(DoctorPicker, OkSelectsOnlyWhenANameIsChosen)
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
    EXPECT_EQ(form.DoctorListBox->ItemIndex(), 1);
}

TEST_F(DoctorPicker, ADoubleClickChoosesAndClosesAndEachShowingStartsUnselected)
{
    script.OnModal(form, [&] {
        EXPECT_FALSE(form.bSelected);
        QListWidget* list = form.DoctorListBox;
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_NE(form.ModalResult(), mrNone);
    });
    form.ShowModal();
    EXPECT_TRUE(form.bSelected);
    EXPECT_EQ(form.DoctorListBox->ItemIndex(), 2);

    script.OnModal(form, [&] {
        EXPECT_FALSE(form.bSelected);
        Click(0);
        QTest::keyClick(form.DoctorListBox, Qt::Key_Escape);
    });
    form.ShowModal();
    EXPECT_FALSE(form.bSelected);
}
