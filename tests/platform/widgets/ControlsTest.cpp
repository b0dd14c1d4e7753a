// The controls on the sample form made from its Designer file: the string grid, key
// codes and key-press filters, the masked edit, the combo index rule, bitmaps.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/PopupMenu.h"
#include "tests/platform/widgets/SampleForm.h"
#include "tests/support/ScriptedInteraction.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLocale>
#include <QMimeDatabase>
#include <QRadioButton>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <map>

using namespace widgets;

namespace {

class Controls : public ::testing::Test
{
protected:
    TSampleForm form;
    ScriptedInteraction script;
    // Runs `action` while the form is shown modally, then ends the showing.
    void WhileShown(const std::function<void()>& action)
    {
        script.OnModal(form, [&] {
            action();
            form.Close();
        });
        form.ShowModal();
    }
    QPoint CellCentre(int col, int row)
    {
        return form.PatientSG->visualRect(form.PatientSG->model()->index(row - 1, col)).center();
    }
};

TEST_F(Controls, GridRowZeroIsTheHeaderAndCellsAreColumnFirst)
{
    WhileShown([&] {
        StringGrid* grid = form.PatientSG;
        EXPECT_EQ(grid->RowCount(), 4);
        EXPECT_EQ(grid->horizontalHeader()->model()->headerData(1, Qt::Horizontal).toString(), "Name");
        grid->Cells[1][0] = "Personal Name";
        EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Personal Name");
        EXPECT_EQ(QString(grid->Cells[2][3]), "第一小学校");
        EXPECT_EQ(grid->model()->data(grid->model()->index(2, 1)).toString(), "歯科 太郎3");
        grid->setRowCount(2); // shrinking keeps row 0 and row 1
        EXPECT_EQ(QString(grid->Cells[1][0]), "Personal Name");
        EXPECT_EQ(QString(grid->Cells[1][1]), "歯科 太郎1");
        EXPECT_EQ(grid->Row(), 1);
        grid->ColWidths[2] = 77;
        EXPECT_EQ(int(grid->ColWidths[2]), 77);
    });
}

TEST_F(Controls, GridTextsAreCutAtTheColumnEdgeNotShortened)
{
    // The same text in a wide column and in one just wide enough for it (as the grid tells
    // it) must show the same pixels: no ellipsis takes the place of its last characters.
    WhileShown([&] {
        StringGrid* grid = form.PatientSG;
        const QString date = "2024/05/01";
        const QString title = "食事内容(Food type)";
        const int dateWidth = grid->fontMetrics().horizontalAdvance(date);
        grid->ColWidths[1] = grid->ColWidthToShow(date);
        EXPECT_EQ(grid->ColWidths[1], dateWidth + 3);
        grid->ColWidths[2] = dateWidth + 40;
        grid->Cells[1][1] = date;
        grid->Cells[2][1] = date;
        grid->Cells[1][0] = title;
        grid->Cells[2][0] = title;
        grid->SetRow(3);
        QApplication::processEvents();

        const QImage body = grid->viewport()->grab().toImage();
        const QRect narrow = grid->visualRect(grid->model()->index(0, 1));
        const QRect wide = grid->visualRect(grid->model()->index(0, 2));
        ASSERT_LE(wide.left() + narrow.width(), grid->viewport()->width());
        const QSize shown(narrow.width() - 1, narrow.height());
        EXPECT_EQ(body.copy(QRect(wide.topLeft(), shown)), body.copy(QRect(narrow.topLeft(), shown)));

        QHeaderView* header = grid->horizontalHeader();
        const QImage titles = header->viewport()->grab().toImage();
        const int height = header->height();
        // A title keeps the header's margin on its right.
        const int room = grid->ColWidths[1] - 1 - header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        const QRect narrowTitle(header->sectionViewportPosition(1), 0, room, height);
        const QRect wideTitle(header->sectionViewportPosition(2), 0, room, height);
        EXPECT_EQ(titles.copy(wideTitle), titles.copy(narrowTitle));
    });
}

TEST_F(Controls, GridClickDoubleClickAndRightPress)
{
    WhileShown([&] {
        StringGrid* grid = form.PatientSG;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
        EXPECT_EQ(grid->Row(), 2);
        EXPECT_EQ(grid->Col(), 1);
        // The operator's double click: a click, then the double-click press.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 3));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 3));
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, CellCentre(0, 1));
        EXPECT_EQ(grid->Row(), 3);
    });
    EXPECT_EQ(form.Log, QStringList({"click 2", "click 3", "dblclick 3"}));
}

TEST_F(Controls, GridWheelAndKeyboardMovesReportAClick)
{
    WhileShown([&] {
        StringGrid* grid = form.PatientSG;
        grid->setFocus();
        const QPoint at = CellCentre(0, 1);
        QWheelEvent down(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &down);
        EXPECT_EQ(grid->Row(), 2);
        QTest::keyClick(grid, Qt::Key_Down);
        EXPECT_EQ(grid->Row(), 3);
        QTest::keyClick(grid, Qt::Key_Down); // at the last row: no move, no click
        QTest::keyClick(grid, Qt::Key_C);    // consumed by the handler
        QTest::keyClick(grid, Qt::Key_5);    // typing does nothing
        EXPECT_EQ(grid->Row(), 3);
        EXPECT_EQ(grid->Col(), 0);
    });
    EXPECT_EQ(form.Log, QStringList({"click 2", "key 40", "click 3", "key 40", "key 67", "key 53"}));
}

TEST(KeyCodes, VirtualKeysTellTheNumberPadFromTheMainKeys)
{
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int expected;
    } cases[] = {
        {Qt::Key_8, Qt::KeypadModifier, 104},     {Qt::Key_8, Qt::NoModifier, 56},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},  {Qt::Key_Plus, Qt::NoModifier, 187},
        {Qt::Key_Semicolon, Qt::NoModifier, 187}, {Qt::Key_Equal, Qt::NoModifier, 187},
        {Qt::Key_Minus, Qt::NoModifier, 189},     {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::NoModifier, 190},    {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_Slash, Qt::NoModifier, 191},     {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_C, Qt::ShiftModifier, 67},       {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_Left, Qt::NoModifier, 37},       {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Return, Qt::NoModifier, 13},     {Qt::Key_Home, Qt::NoModifier, 36},
    };
    for (const Case& c : cases) {
        QKeyEvent event(QEvent::KeyPress, c.key, c.mods);
        EXPECT_EQ(VirtualKey(event), c.expected) << c.key;
    }
}

TEST_F(Controls, KeyPressFilterDiscardsAndMaxLengthLimitsTypingOnly)
{
    WhileShown([&] {
        Edit* edit = form.NameEdit;
        edit->setFocus();
        QTest::keyClicks(edit, "a,b");
        EXPECT_EQ(edit->Text(), "ab");
        QApplication::clipboard()->setText("c,d");
        QTest::keySequence(edit, QKeySequence::Paste); // pasted text is not filtered
        EXPECT_EQ(edit->Text(), "abc,d");
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->Text(), "abc,");

        edit->SetText(QString(25, 'x')); // the program's text is kept whole
        EXPECT_EQ(edit->Text().size(), 25);
        edit->end(false);
        QTest::keyClicks(edit, "y");
        EXPECT_EQ(edit->Text().size(), 25);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->Text().size(), 24);
    });
}

TEST_F(Controls, ADigitFilterSeesTheControlCharactersOfTheOriginal)
{
    QList<int> seen;
    QObject::connect(form.NameEdit, &Edit::KeyPress, &form, [&](QChar& key) {
        seen << key.unicode();
        if (!key.isDigit() && key != QChar(3) && key != QChar(8) && key != QChar(22) && key != QChar(24))
            key = QChar();
    });
    // Ctrl+V below must paste nothing, whatever an earlier test left on the clipboard.
    QApplication::clipboard()->clear();
    WhileShown([&] {
        Edit* edit = form.NameEdit;
        edit->setFocus();
        QTest::keyClicks(edit, "1x2");
        EXPECT_EQ(edit->Text(), "12");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); // discarded: no undo
        EXPECT_EQ(edit->Text(), "1");
    });
    EXPECT_EQ(seen, QList<int>({'1', 'x', '2', 8, 3, 24, 22, 26}));
}

TEST_F(Controls, TheMaskedEditsTextKeepsTheSlashesAndShowsEmptyPlaces)
{
    WhileShown([&] {
        MaskEdit* edit = form.DateMaskEdit;
        EXPECT_EQ(edit->Text(), "2006/01/01");
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(edit->SelStart(), 0);
        EXPECT_EQ(edit->SelLength(), 1);
        edit->selectAll();
        QTest::keyClicks(edit, "20150229");
        EXPECT_EQ(edit->Text(), "2015/02/29");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        edit->home(false);
        QTest::keyClicks(edit, "20150");
        EXPECT_EQ(edit->Text(), "2015/0_/__");
    });
}

// Types text that QTest's key names cannot spell (Japanese), as an input method would
// deliver it in one key press.
void TypeText(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

TEST_F(Controls, AnEditableCombosIndexIsThatOfTheItemItsTextEquals)
{
    WhileShown([&] {
        ComboBox* combo = form.SchoolNameCB;
        combo->SetItemIndex(1);
        EXPECT_EQ(combo->Text(), "第二小学校");
        combo->lineEdit()->selectAll();
        TypeText(combo->lineEdit(), "第一");
        EXPECT_EQ(combo->ItemIndex(), -1);
        EXPECT_EQ(combo->Text(), "第一");
        TypeText(combo->lineEdit(), "小学校");
        EXPECT_EQ(combo->ItemIndex(), 0);
        QTest::keyClicks(combo->lineEdit(), "x");
        EXPECT_EQ(combo->ItemIndex(), -1);
        EXPECT_EQ(combo->Text(), "第一小学校x");
        combo->SetItemIndex(-1);
        EXPECT_EQ(combo->Text(), "");
        combo->SetText("第二小学校");
        EXPECT_EQ(combo->ItemIndex(), 1);

        ComboBox* list = form.SexComboBox;
        list->SetItemIndex(-1);
        EXPECT_EQ(list->Text(), "");
        list->SetItemIndex(1);
        EXPECT_EQ(list->Text(), "Female");
    });
}

TEST_F(Controls, EnterInAnEditableComboOrTheCalendarClicksTheDefaultButton)
{
    script.OnModal(form, [&] {
        form.SchoolNameCB->lineEdit()->setFocus();
        QTest::keyClick(form.SchoolNameCB->lineEdit(), Qt::Key_Return);
    });
    form.ShowModal();
    script.OnModal(form, [&] {
        QWidget* view = form.MonthCalendar1->findChild<QAbstractItemView*>();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
    });
    form.ShowModal();
    EXPECT_EQ(form.Log.filter("ok").size(), 2);
}

TEST_F(Controls, RadioGroupSelectsNoneWithMinusOne)
{
    RadioGroup* group = form.Q3RadioGroup;
    EXPECT_EQ(group->Items(), QStringList({"ある", "ない"}));
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(1);
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(-1);
    EXPECT_EQ(group->ItemIndex(), -1);
}

// The focused control: a radio button by its caption, any other by its name.
std::string Focused()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* radio = qobject_cast<QRadioButton*>(w))
        return radio->text().toStdString();
    return w ? w->objectName().toStdString() : "";
}

// Presses `key` where the focus is, as the keyboard does, and tells where the focus went.
std::string Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    return Focused();
}

TEST_F(Controls, TabEntersARadioGroupOnceWhereTheGroupSits)
{
    WhileShown([&] {
        // The check box before the group, the grid after it.
        form.NoneCheckBox->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Press(Qt::Key_Tab), "ある");
        EXPECT_EQ(Press(Qt::Key_Tab), "PatientSG");
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "ある");
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "NoneCheckBox");

        // Items set again make new buttons; they take the same place.
        form.Q3RadioGroup->setItems({"はい", "いいえ", "わからない"});
        EXPECT_EQ(Press(Qt::Key_Tab), "はい");
        EXPECT_EQ(Press(Qt::Key_Tab), "PatientSG");
    });
}

TEST_F(Controls, TabEntersARadioGroupAtItsCheckedButtonAndArrowsMoveInside)
{
    RadioGroup* group = form.Q3RadioGroup;
    group->setItems({"はい", "いいえ", "わからない"});
    WhileShown([&] {
        // No choice yet: the group is entered at its first button, whichever had the focus.
        form.NoneCheckBox->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Press(Qt::Key_Tab), "はい");
        EXPECT_EQ(Press(Qt::Key_Down), "いいえ");
        EXPECT_EQ(Press(Qt::Key_Tab), "PatientSG");
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "はい");

        // Once a choice is made the arrows move it, and the group is entered at it.
        EXPECT_EQ(Press(Qt::Key_Space), "はい");
        EXPECT_EQ(group->ItemIndex(), 0);
        EXPECT_EQ(Press(Qt::Key_Down), "いいえ");
        EXPECT_EQ(group->ItemIndex(), 1);
        EXPECT_EQ(Press(Qt::Key_Tab), "PatientSG");
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "いいえ");

        // So is a choice the program makes, and none brings the first button back.
        form.PatientSG->setFocus(Qt::TabFocusReason);
        group->SetItemIndex(2);
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "わからない");
        form.NoneCheckBox->setFocus(Qt::TabFocusReason);
        group->SetItemIndex(-1);
        EXPECT_EQ(Press(Qt::Key_Tab), "はい");
        EXPECT_EQ(Press(Qt::Key_Tab), "PatientSG");
        EXPECT_EQ(group->ItemIndex(), -1);
    });
}

TEST_F(Controls, ListBoxClickIsTheOperatorsOnly)
{
    int clicks = 0;
    QObject::connect(form.CheckupDateListBox, &ListBox::Click, &form, [&] { ++clicks; });
    WhileShown([&] {
        ListBox* list = form.CheckupDateListBox;
        list->SetItemIndex(1);
        EXPECT_EQ(clicks, 0);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(0)).center());
        EXPECT_EQ(list->ItemIndex(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        EXPECT_EQ(list->ItemIndex(), 0);
        EXPECT_EQ(clicks, 1);
    });
}

TEST_F(Controls, ListBoxTakesTheFocusWithoutChoosingAnItem)
{
    WhileShown([&] {
        ListBox* list = form.CheckupDateListBox;
        list->SetItemIndex(-1);
        list->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(list->ItemIndex(), -1);
        // The first arrow key chooses the first item.
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->ItemIndex(), 0);
    });
}

// A 2 x 1 Windows bitmap.
QByteArray TinyBitmap()
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

TEST_F(Controls, BitmapsLoadAndAnythingElseIsAnInvalidGraphic)
{
    QTemporaryDir dir;
    qputenv("KVR_DRIVES", dir.path().toUtf8());
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("a.bmp", TinyBitmap());
    write("png.bmp", QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+"
                                            "M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=="));
    write("a.txt", "text");

    Image* image = form.PhotoImage;
    image->LoadBitmap("a.bmp");
    EXPECT_EQ(image->PictureWidth(), 2);
    EXPECT_EQ(image->Picture().pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_THROW(image->LoadBitmap("png.bmp"), EInvalidGraphic);
    EXPECT_THROW(image->LoadPicture("a.txt"), EInvalidGraphic);
    EXPECT_THROW(image->LoadBitmap("missing.bmp"), EInOutError);
    EXPECT_EQ(image->PictureWidth(), 2); // a failed load keeps the picture
    image->Fill(clWhite);
    EXPECT_EQ(image->Picture().pixel(0, 0), qRgb(255, 255, 255));
    image->LoadPicture("a.BMP");
    EXPECT_EQ(image->PictureHeight(), 1);

    // The picture dialog leaves the current folder at the chosen file's folder.
    QDir(dir.path()).mkpath("img");
    QFile::copy(dir.filePath("a.bmp"), dir.filePath("img/b.bmp"));
    OpenPictureDialog dialog;
    script.ChoosePicture(dir.filePath("img/b.bmp"));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.filePath("img")).canonicalPath());
    image->LoadBitmap("b.bmp");
    QDir::setCurrent(saved);
    qunsetenv("KVR_DRIVES");
}

TEST(PictureDialog, ListsTheFilesWithTheirSizeAndTypeWideEnoughToRead)
{
    QTemporaryDir dir;
    {
        QImage picture(300, 400, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(dir.filePath("a-long-photo-name-of-an-examinee.bmp"), "BMP"));
    }
    const std::unique_ptr<QFileDialog> dialog =
        MakePictureDialog(dir.path(), QString(), {"ビットマップ (*.bmp)", "すべてのファイル (*)"});
    dialog->show();
    auto* view = dialog->findChild<QTreeView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible()); // the detail view
    QAbstractItemModel* model = view->model();
    const QModelIndex root = view->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == 1; }, 10000));
    // Each column as wide as its cell needs (text, margins, icon), once the folder is listed.
    const auto fits = [&](int column) {
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        const int needed = view->itemDelegate()->sizeHint(option, model->index(0, column, root)).width();
        return view->header()->sectionSize(column) >= needed;
    };
    const bool allFit = QTest::qWaitFor([&] { return fits(0) && fits(1) && fits(2) && fits(3); }, 10000);
    EXPECT_TRUE(allFit);
    const QFontMetrics metrics(view->font());
    for (int column : {0, 1, 2, 3}) {
        const QString text = model->index(0, column, root).data().toString();
        ASSERT_FALSE(text.isEmpty()) << column;
        EXPECT_TRUE(fits(column)) << text.toStdString();
        EXPECT_GE(view->header()->sectionSize(column), metrics.horizontalAdvance(text)) << text.toStdString();
    }
    dialog->hide();
}

// Sizes, kinds and dates read as the program's Japanese has them, whatever the host's
// language; the names of the columns are Qt's translation.
TEST(PictureDialog, ItsColumnsReadJapanese)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("taro.bmp");
    {
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(file, "BMP"));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("photos"));
    const std::unique_ptr<QFileDialog> dialog =
        MakePictureDialog(dir.path(), QString(), {"すべてのファイル (*)"});
    dialog->show();
    auto* view = dialog->findChild<QTreeView*>();
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    const QModelIndex root = view->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == 2; }, 10000));
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QFileInfo info(file);
    std::map<QString, QStringList> rows;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            rows[model->index(row, 0, root).data().toString()]
                << model->index(row, column, root).data().toString();
    ASSERT_EQ(rows.count("taro.bmp"), 1u);
    ASSERT_EQ(rows.count("photos"), 1u);
    const QStringList& bitmap = rows["taro.bmp"];
    EXPECT_EQ(bitmap[1].toStdString(), japanese.formattedDataSize(info.size()).toStdString()); // "374 バイト"
    EXPECT_EQ(bitmap[2].toStdString(), QMimeDatabase().mimeTypeForFile(info).comment().toStdString());
    EXPECT_EQ(bitmap[3].toStdString(),
              japanese.toString(info.lastModified(), QLocale::ShortFormat).toStdString());
    EXPECT_EQ(rows["photos"][2].toStdString(), "フォルダー");
    for (const QString& text : bitmap + rows["photos"])
        for (const char* english : {"byte", "image", "Folder", "Dec", "AM", "PM"})
            EXPECT_FALSE(text.contains(english, Qt::CaseInsensitive)) << text.toStdString();
    dialog->hide();
}

// The program's locale is Japanese; its own date and number texts keep their formats.
TEST(ProgramLocale, IsJapaneseAndLeavesTheProgramsOwnTextsAlone)
{
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    EXPECT_EQ(DateTimeToStr(TDateTime(46367.25)).toStdString(), "2026/12/11 6:00:00");
    EXPECT_EQ(IntToStr(-12345).toStdString(), "-12345");
}

TEST(Fonts, TheWindowsFontMapsToTheInstalledJapaneseFontAtTheSamePixelSize)
{
    TSampleForm form;
    const QFontInfo info(form.NameEdit->font());
    EXPECT_EQ(info.family(), "IPAPGothic");
    EXPECT_EQ(form.NameEdit->font().pixelSize(), 12);
    EXPECT_EQ(form.NameEdit->font().stretch(), UiFontStretch); // condensed, as the window inherits it
    QFont fixed("ＭＳ ゴシック");
    EXPECT_EQ(QFontInfo(fixed).family(), "IPAGothic");
}

} // namespace

namespace {

TEST_F(Controls, TheCalendarIsLeftWhenTheFocusGoesToAnotherControl)
{
    int exits = 0, clicks = 0;
    QObject::connect(form.MonthCalendar1, &MonthCalendar::Exit, &form, [&] { ++exits; });
    QObject::connect(form.MonthCalendar1, &MonthCalendar::Click, &form, [&] { ++clicks; });
    WhileShown([&] {
        MonthCalendar* calendar = form.MonthCalendar1;
        calendar->SetDate(EncodeDate(2014, 5, 1));
        EXPECT_EQ(clicks, 0); // the program's date is no click
        auto* view = calendar->findChild<QAbstractItemView*>();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Right); // keyboard moves are no click either
        EXPECT_EQ(calendar->Date(), EncodeDate(2014, 5, 2));
        EXPECT_EQ(clicks, 0);
        form.NameEdit->setFocus();
        EXPECT_EQ(exits, 1);
    });
}

TEST_F(Controls, TheCalendarKeepsItsDayMarkedWhenItsLocaleChangesTheFirstDayOfTheWeek)
{
    // A window gives its calendar the Japanese week (from Sunday) after it is made: the
    // marked day and the keyboard must still start from the chosen date.
    WhileShown([&] {
        MonthCalendar* calendar = form.MonthCalendar1;
        calendar->setLocale(QLocale(QLocale::German, QLocale::Germany)); // weeks from Monday
        calendar->SetDate(EncodeDate(2026, 12, 10));
        calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan)); // weeks from Sunday
        auto* view = calendar->findChild<QAbstractItemView*>();
        EXPECT_EQ(view->currentIndex().data().toInt(), 10);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Right);
        EXPECT_EQ(calendar->Date(), EncodeDate(2026, 12, 11));
    });
}

TEST_F(Controls, ARightClickShowsThePopupMenuAndLeavesTheSelection)
{
    PopupMenu menu(&form);
    QAction* remove = menu.AddItem("検診削除(&Delete)");
    int removed = -1;
    QObject::connect(remove, &QAction::triggered, &form,
                     [&] { removed = form.CheckupDateListBox->ItemIndex(); });
    form.CheckupDateListBox->SetPopupMenu(&menu);
    script.ChooseMenuItem("検診削除(&Delete)");
    WhileShown([&] {
        ListBox* list = form.CheckupDateListBox;
        list->SetItemIndex(1);
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
    });
    EXPECT_EQ(removed, 1);
    ASSERT_EQ(script.PopupPositions().size(), 1u);
    EXPECT_EQ(menu.PopupPoint(), script.PopupPositions()[0]);
}

TEST_F(Controls, CaptionsAreKeptAsWritten)
{
    EXPECT_EQ(form.NameLabel->Caption(), "名前(&N):");
    EXPECT_EQ(form.DateLabel->Caption(), "日付(D):");
    form.DateLabel->SetCaption("学校名(&S):");
    EXPECT_EQ(form.DateLabel->QLabel::text(), "学校名(S):"); // without a focus control, shown without "&"
    EXPECT_EQ(form.CancelButton->Caption(), "キャンセル");
}

} // namespace
