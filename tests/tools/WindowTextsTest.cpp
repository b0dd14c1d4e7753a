// Every window as the screenshot tool shows it, over a database with rows in every
// table: no caption, title or choice is cut, every date column holds a whole date, Tab
// leaves each group box once, and Alt with a letter types nothing into any edit.
#include "app/FormMainMenu.h"
#include "platform/widgets/Label.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempDatabase.h"
#include "tests/support/TextFit.h"
#include "tools/kvr-screens/Screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

// Names as long as an operator gives them, a karte of each kind and its rows.
const char* const FillRows[] = {
    "INSERT INTO SchoolTable (Name) VALUES ('北小学校'), ('Duze Dura School');",
    "INSERT INTO JobTable (Job) VALUES ('Dentist'), ('歯科衛生士');",
    "INSERT INTO FoodTable (Name) VALUES ('Sweets'), ('清涼飲料水');",
    "INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('Every day', 1), ('週に2回', 2);",
    "INSERT INTO DentalFormulaTable (Name) VALUES ('C1');",
    "INSERT INTO Patient2Table (PatientNo, Birth, Sex, Name0, Name1, NameKana0, NameKana1, SchoolCode, "
    "Portrait, DeleteFlag) VALUES (1, '2008-04-10', 0, '山田', '太郎', 'ヤマダ', 'タロウ', 1, 'p1.bmp', 0);",
    "INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, NameKana1, "
    "NameAlphabet0, NameAlphabet1, DeleteFlag) "
    "VALUES (1, 1, 0, '鈴木', '一郎', 'スズキ', 'イチロウ', 'Suzuki', 'Ichiro', 0);",
    "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
    "VALUES ('XX-0001-0001', '2015-04-10', 0, 1, 0), ('XX-0001-0002', '2015-04-12', 2, -1, 0);",
    "INSERT INTO PSTable (KarteCode, Q1None, Q3) VALUES (1, 1, 1), (2, 0, 0);",
    "INSERT INTO CheckupTable (CDate, KarteCode, SchoolCode, Memo, RTA) VALUES ('2015-04-10', 1, 1, 'memo', "
    "6);",
    "INSERT INTO DietInquiryTable (FoodCode, FrequencyCode, CheckupCode) VALUES (1, 1, 1);",
    "INSERT INTO NoteTable (RDate, Description, StaffCode, KarteCode) VALUES ('2015-04-10', 'First visit', "
    "1, 1);",
    "INSERT INTO TreatmentTable (RDate, Treatment, StaffCode, KarteCode) VALUES ('2015-04-10', 'Filling', 1, "
    "1);",
};

std::vector<std::string> ScreenNames()
{
    std::vector<std::string> names;
    for (const Screen& screen : Screens())
        names.push_back(screen.name.toStdString());
    return names;
}

QString NameOf(QWidget* w)
{
    if (auto* radio = qobject_cast<QRadioButton*>(w))
        return radio->text();
    return w->objectName();
}

// The controls Tab stops at, from the first of the window's focus order until Tab comes
// round to it again. A control that takes Tab itself (a data grid's cells, a date's parts)
// is left as Tab would leave it if it did not.
std::vector<QWidget*> TabWalk(QWidget* window)
{
    std::vector<QWidget*> stops;
    QWidget* first = window->nextInFocusChain();
    while (first != window && !((first->focusPolicy() & Qt::TabFocus) && first->isVisibleTo(window) &&
                                first->isEnabled() && !first->focusProxy()))
        first = first->nextInFocusChain();
    if (first == window)
        return stops;
    first->setFocus(Qt::TabFocusReason);
    for (int press = 0; press < 500; ++press) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || (!stops.empty() && focused == stops.front()))
            break;
        stops.push_back(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
        if (QApplication::focusWidget() == focused)
            QTest::keyClick(window, Qt::Key_Tab);
        if (QApplication::focusWidget() == focused)
            break;
    }
    return stops;
}

// The group boxes that Tab enters more than once on its way round, with the way it went.
std::string GroupsEnteredAgain(QWidget* window, const std::vector<QWidget*>& stops)
{
    const auto groupsOf = [window](QWidget* w) {
        std::vector<QGroupBox*> groups;
        for (QWidget* p = w; p && p != window; p = p->parentWidget())
            if (auto* box = qobject_cast<QGroupBox*>(p))
                groups.push_back(box);
        return groups;
    };
    // Round the circle: the stop before the first is the last.
    std::map<QGroupBox*, int> entries;
    const size_t n = stops.size();
    for (size_t i = 0; n > 1 && i < n; ++i) {
        const std::vector<QGroupBox*> before = groupsOf(stops[(i + n - 1) % n]);
        for (QGroupBox* box : groupsOf(stops[i]))
            if (std::find(before.begin(), before.end(), box) == before.end())
                ++entries[box];
    }
    QString again;
    for (const auto& [box, count] : entries)
        if (count > 1)
            again += QString("%1 entered %2 times; ").arg(box->objectName()).arg(count);
    if (again.isEmpty())
        return "";
    QStringList way;
    for (QWidget* w : stops)
        way << NameOf(w);
    return (again + "Tab goes " + way.join(", ")).toStdString();
}

class WindowTexts : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        for (const char* sql : FillRows)
            db.Exec(QString::fromUtf8(sql));
        CreateScreenObjects(objects);
        MainMenuForm->Show(); // its first showing opens the database
    }
    void TearDown() override
    {
        if (MainMenuForm && MainMenuForm->isVisible())
            MainMenuForm->Close();
        objects.DestroyAll();
    }

    // Runs `check` on this test's window, shown as the screenshot tool shows it.
    void WhileShown(const std::function<void(widgets::Form*)>& check)
    {
        const Screen* screen = nullptr;
        for (const Screen& s : Screens())
            if (s.name.toStdString() == GetParam())
                screen = &s;
        ASSERT_TRUE(screen);
        widgets::Form* form = screen->prepare();
        const bool opened = form != MainMenuForm;
        if (opened)
            form->BeginModal();
        QCoreApplication::processEvents();
        check(form);
        if (opened) {
            form->SetModalResult(widgets::mrCancel);
            form->EndModal();
        }
        if (screen->after)
            screen->after();
    }

    TempDatabase db;
    ScriptedInteraction script;
    widgets::ObjectOwner objects;
};

TEST_P(WindowTexts, ShowWhole)
{
    WhileShown([](widgets::Form* form) { EXPECT_EQ(CutTexts(form), ""); });
}

// Every control enabled, so that the walk meets them all: the order is the window's,
// whichever state it shows.
TEST_P(WindowTexts, TabLeavesEachGroupBoxOnce)
{
    WhileShown([](widgets::Form* form) {
        for (QWidget* w : form->findChildren<QWidget*>())
            w->setEnabled(true);
        EXPECT_EQ(GroupsEnteredAgain(form, TabWalk(form)), "");
    });
}

// The letters that some caption of the window marks with "&", in capitals.
QString MarkedLetters(QWidget* window)
{
    QString captions;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            captions += button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            captions += box->title();
        else if (auto* label = qobject_cast<widgets::Label*>(w))
            captions += label->Caption();
    }
    QString marked;
    for (qsizetype i = captions.indexOf('&'); i >= 0 && i + 1 < captions.size();
         i = captions.indexOf('&', i + 2))
        marked += captions[i + 1].toUpper();
    return marked;
}

// Mended: Alt with a letter that no control takes typed that letter.
TEST_P(WindowTexts, AltWithALetterTypesNothingIntoAnyEdit)
{
    WhileShown([](widgets::Form* form) {
        const QString marked = MarkedLetters(form);
        for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
            if (!edit->isVisible() || !edit->isEnabled() || edit->isReadOnly())
                continue;
            QTest::mouseClick(edit, Qt::LeftButton);
            if (QApplication::focusWidget() != edit)
                continue; // a control that hands the focus on
            const QString before = edit->text();
            for (char letter = 'A'; letter <= 'Z'; ++letter)
                if (!marked.contains(QChar(letter))) {
                    QTest::keyClick(edit, char(letter + ('a' - 'A')), Qt::AltModifier);
                    QTest::keyClick(edit, letter, Qt::AltModifier | Qt::ShiftModifier);
                }
            EXPECT_EQ(edit->text().toStdString(), before.toStdString())
                << edit->objectName().toStdString() << " (Alt is free for every letter but "
                << marked.toStdString() << ")";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowTexts, ::testing::ValuesIn(ScreenNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
