// The dentist and recorder pickers, twins that differ in their texts and lists: the
// design, and bSelected after OK, a double click and Cancel.
#include "records/DoctorUnit.h"
#include "records/WrittenByUnit.h"
#include "tests/support/ScriptedInteraction.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

struct Doctor
{
    using Form = TDoctorForm;
    static widgets::ListBox* List(Form& form) { return form.DoctorListBox; }
    static widgets::Label* Caption(Form& form) { return form.DoctorLabel; }
    static constexpr const char* Title = "担当医指定";
    static constexpr const char* LabelText = "担当医一覧(&D):";
    static constexpr int Names = 3;
};

struct WrittenBy
{
    using Form = TWrittenByForm;
    static widgets::ListBox* List(Form& form) { return form.WrittenByListBox; }
    static widgets::Label* Caption(Form& form) { return form.WrittenByLabel; }
    static constexpr const char* Title = "記録者指定";
    static constexpr const char* LabelText = "記録者一覧(&W):";
    static constexpr int Names = 8;
};

template <class Picker> class NamePicker : public ::testing::Test
{
protected:
    widgets::ListBox* List() { return Picker::List(form); }
    QPoint ItemCentre(int item) { return List()->visualItemRect(List()->item(item)).center(); }
    void Click(int item) { QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, ItemCentre(item)); }

    typename Picker::Form form;
    ScriptedInteraction script;
};

using Pickers = ::testing::Types<Doctor, WrittenBy>;
TYPED_TEST_SUITE(NamePicker, Pickers);

} // namespace

TYPED_TEST(NamePicker, ShowsItsDesign)
{
    auto& form = this->form;
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(TypeParam::Title));
    EXPECT_EQ(form.size(), QSize(180, 173));
    EXPECT_EQ(TypeParam::Caption(form)->Caption(), QString::fromUtf8(TypeParam::LabelText));
    EXPECT_EQ(TypeParam::Caption(form)->FocusControl(), this->List());
    EXPECT_EQ(this->List()->count(), TypeParam::Names);
    EXPECT_EQ(form.OkButton->Caption(), "OK");
    EXPECT_EQ(form.DefaultButton(), form.OkButton);
    EXPECT_TRUE(form.CancelButton->Cancel());
}

TYPED_TEST(NamePicker, OkSelectsOnlyWhenANameIsChosen)
{
    auto& form = this->form;
    this->script.OnModal(form, [&] { QTest::mouseClick(form.OkButton, Qt::LeftButton); });
    form.ShowModal();
    EXPECT_FALSE(form.bSelected);

    this->script.OnModal(form, [&] {
        this->Click(1);
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    form.ShowModal();
    EXPECT_TRUE(form.bSelected);
    EXPECT_EQ(this->List()->ItemIndex(), 1);
}

TYPED_TEST(NamePicker, ADoubleClickChoosesAndClosesAndEachShowingStartsUnselected)
{
    auto& form = this->form;
    this->script.OnModal(form, [&] {
        EXPECT_FALSE(form.bSelected);
        const QPoint at = this->ItemCentre(2);
        QTest::mouseClick(this->List()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(this->List()->viewport(), Qt::LeftButton, {}, at);
        EXPECT_NE(form.ModalResult(), mrNone);
    });
    form.ShowModal();
    EXPECT_TRUE(form.bSelected);
    EXPECT_EQ(this->List()->ItemIndex(), 2);

    this->script.OnModal(form, [&] {
        EXPECT_FALSE(form.bSelected);
        this->Click(0);
        QTest::keyClick(this->List(), Qt::Key_Escape);
    });
    form.ShowModal();
    EXPECT_FALSE(form.bSelected);
}
