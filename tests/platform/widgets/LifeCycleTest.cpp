// The modal life cycle, Enter and Esc, the title bar, the exception box, focus-leave
// events and the message forms, on a small form made in code.
#include "platform/rtl/Exceptions.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Button.h"
#include "platform/widgets/DesktopInteraction.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "tests/support/CapturedLog.h"
#include "tests/support/ScriptedInteraction.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMargins>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace widgets;

namespace {

class TDialog : public Form
{
public:
    TDialog()
    {
        setObjectName("Dialog");
        resize(300, 120);
        Edit = new QLineEdit(this);
        Edit->setGeometry(8, 8, 100, 20);
        OkButton = new Button(this);
        OkButton->setText("OK");
        OkButton->setDefault(true);
        OkButton->setGeometry(8, 80, 75, 25);
        CancelButton = new Button(this);
        CancelButton->setText("キャンセル");
        CancelButton->setCancel(true);
        CancelButton->setGeometry(100, 80, 75, 25);
        CloseButton = new Button(this);
        CloseButton->setText("閉じる(&C)");
        CloseButton->setModalResult(mrCancel);
        CloseButton->setGeometry(190, 80, 75, 25);
        Connect(this, &Form::OnShow, this, [this] { log << "show"; });
        Connect(this, &Form::OnClose, this, [this] { log << "close"; });
        Connect(OkButton, &QPushButton::clicked, this, [this] {
            log << "ok";
            Close();
        });
        Connect(CancelButton, &QPushButton::clicked, this, [this] { log << "cancel"; });
    }
    QLineEdit* Edit;
    Button* OkButton;
    Button* CancelButton;
    Button* CloseButton;
    QStringList log;
};

TEST(ModalLifeCycle, CloseHandlerRunsAtEveryEndOfAShowing)
{
    TDialog dialog;
    ScriptedInteraction script;
    // OK's handler closes; the button carrying a modal result has no handler; the title bar.
    script.OnModal(dialog, [&] { QTest::mouseClick(dialog.OkButton, Qt::LeftButton); });
    script.OnModal(dialog, [&] { QTest::mouseClick(dialog.CloseButton, Qt::LeftButton); });
    script.OnModal(dialog, [&] { dialog.close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(dialog.log, QStringList({"show", "ok", "close", "show", "close", "show", "close"}));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ModalLifeCycle, TheWindowStaysUntilControlIsBackInTheLoop)
{
    TDialog dialog;
    ScriptedInteraction script;
    bool visibleAfterClose = false;
    script.OnModal(dialog, [&] {
        dialog.Close();
        visibleAfterClose = dialog.isVisible();
    });
    dialog.ShowModal();
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(dialog.log, QStringList({"show", "close"}));
}

TEST(ModalLifeCycle, EscClicksTheCancelButtonOnlyWhileItCanBeClicked)
{
    TDialog dialog;
    ScriptedInteraction script;
    script.OnModal(dialog, [&] {
        dialog.CancelButton->hide();
        QTest::keyClick(dialog.Edit, Qt::Key_Escape);
        dialog.CancelButton->show();
        dialog.CancelButton->setEnabled(false);
        QTest::keyClick(dialog.Edit, Qt::Key_Escape);
        EXPECT_EQ(dialog.ModalResult(), mrNone); // Esc alone ends nothing
        dialog.CancelButton->setEnabled(true);
        QTest::keyClick(dialog.Edit, Qt::Key_Escape);
        dialog.Close();
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.log, QStringList({"show", "cancel", "close"}));
}

TEST(ModalLifeCycle, EnterClicksTheFocusedButtonElseTheDefaultButton)
{
    TDialog dialog;
    ScriptedInteraction script;
    script.OnModal(dialog, [&] {
        dialog.OkButton->setEnabled(false);
        dialog.Edit->setFocus();
        QTest::keyClick(dialog.Edit, Qt::Key_Return);
        dialog.CancelButton->setFocus();
        QTest::keyClick(dialog.CancelButton, Qt::Key_Return);
        dialog.OkButton->setEnabled(true);
        dialog.Edit->setFocus();
        QTest::keyClick(dialog.Edit, Qt::Key_Enter, Qt::KeypadModifier);
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.log, QStringList({"show", "cancel", "ok", "close"}));
}

// A key held down: the keyboard repeats it; the button it clicks is clicked once.
TEST(ModalLifeCycle, AHeldEnterOrEscClicksItsButtonOnce)
{
    const struct
    {
        const char* name;
        int key;
        bool onTheButton; // the focus on the button the key clicks, else on the edit
        const char* clicked;
    } cases[] = {
        {"Enter in the edit", Qt::Key_Return, false, "ok"},
        {"Enter on the focused default button", Qt::Key_Return, true, "ok"},
        {"keypad Enter in the edit", Qt::Key_Enter, false, "ok"},
        {"Esc in the edit", Qt::Key_Escape, false, "cancel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDialog dialog;
        ScriptedInteraction script;
        script.OnModal(dialog, [&] {
            QWidget* to = c.onTheButton ? static_cast<QWidget*>(dialog.OkButton) : dialog.Edit;
            to->setFocus();
            QTest::simulateEvent(to, true, c.key, Qt::NoModifier, QString(), false);
            for (int i = 0; i < 4; ++i)
                QTest::simulateEvent(to, true, c.key, Qt::NoModifier, QString(), true);
            QTest::simulateEvent(to, false, c.key, Qt::NoModifier, QString(), false);
            dialog.Close();
        });
        dialog.ShowModal();
        EXPECT_EQ(dialog.log.count(c.clicked), 1) << dialog.log.join(' ').toStdString();
    }
}

TEST(ModalLifeCycle, TheTitleBarNeverRunsTheCancelButtonsHandler)
{
    TDialog dialog;
    ScriptedInteraction script;
    script.OnModal(dialog, [&] { dialog.close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_FALSE(dialog.log.contains("cancel"));
}

TEST(ModalLifeCycle, ACallersPlaceWinsOverCentring)
{
    TDialog dialog;
    dialog.Position = Position::DesktopCenter;
    ScriptedInteraction script;
    QPoint placed, centred;
    script.OnModal(dialog, [&] {
        placed = QPoint(dialog.Left(), dialog.Top());
        dialog.Close();
    });
    script.OnModal(dialog, [&] {
        centred = QPoint(dialog.Left(), dialog.Top());
        dialog.Close();
    });
    dialog.SetLeft(30);
    dialog.SetTop(40);
    dialog.ShowModal();
    dialog.ShowModal();
    EXPECT_EQ(placed, QPoint(30, 40));
    EXPECT_NE(centred, QPoint(30, 40));
}

// Designed at 300x200, it keeps 420x260, as a window keeps a stored size.
class TKeptSizeDialog : public TDialog
{
public:
    TKeptSizeDialog()
    {
        resize(300, 200);
        Connect(this, &Form::BeforeShow, this, [this] {
            SetWidth(420);
            SetHeight(260);
        });
    }
};

// What BeforeShow sets is the size the window appears at: the window manager never sees
// another one first. The show handler then finds it set.
TEST(ModalLifeCycle, TheSizeSetBeforeTheShowingIsTheOneTheWindowAppearsAt)
{
    TKeptSizeDialog dialog;
    QSize atShowHandler;
    Connect(&dialog, &Form::OnShow, &dialog, [&] { atShowHandler = dialog.size(); });
    // The platform window as it becomes visible, as the window manager first sees it.
    dialog.winId();
    std::vector<QSize> appeared;
    QObject::connect(dialog.windowHandle(), &QWindow::visibleChanged, &dialog, [&](bool visible) {
        if (visible)
            appeared.push_back(dialog.windowHandle()->geometry().size());
    });
    ScriptedInteraction script;
    for (int showing = 0; showing < 2; ++showing) {
        script.OnModal(dialog, [&] { dialog.Close(); });
        dialog.resize(300, 200);
        dialog.ShowModal();
    }
    ASSERT_EQ(appeared.size(), 2u);
    EXPECT_EQ(appeared[0], QSize(420, 260));
    EXPECT_EQ(appeared[1], QSize(420, 260));
    EXPECT_EQ(atShowHandler, QSize(420, 260));
}

// Once the window is shown, a size the window manager gives it (the operator dragging the
// frame, a maximise) stands at once, as the program's own do, and is what the window reads.
TEST(ModalLifeCycle, ASizeTheWindowManagerGivesAfterTheShowingStands)
{
    TKeptSizeDialog dialog;
    ScriptedInteraction script;
    QSize afterOperator, afterOwn;
    script.OnModal(dialog, [&] {
        // Through the platform window, as a window manager sets a size.
        dialog.windowHandle()->resize(900, 600);
        QCoreApplication::processEvents();
        QTest::qWait(50);
        afterOperator = QSize(dialog.Width(), dialog.Height());
        dialog.resize(500, 300);
        afterOwn = dialog.size();
        dialog.windowHandle()->resize(640, 480);
        QCoreApplication::processEvents();
        dialog.Close();
    });
    dialog.ShowModal();
    EXPECT_EQ(afterOperator, QSize(900, 600));
    EXPECT_EQ(afterOwn, QSize(500, 300));
    EXPECT_EQ(QSize(dialog.Width(), dialog.Height()), QSize(640, 480));
}

// A size or place that would leave the window off its screen: BeforeShow sets the size (as
// a stored one is set), the caller the place. `designed` resizes the dialog before
// its first showing. `expected` gives the outer frame, from the area and the frame's margins.
struct OffScreenCase
{
    const char* name;
    QSize designed;
    std::function<QPoint(const QRect&)> place; // none: centred on the desktop
    QSize shown;                               // set before the showing; empty: none
    std::function<QRect(const QRect&, const QMargins&)> expected;
};

void PrintTo(const OffScreenCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeptOnScreen : public ::testing::TestWithParam<OffScreenCase>
{
};

QRect Framed(QPoint at, QSize inner, const QMargins& frame)
{
    return QRect(at, inner.grownBy(frame));
}

TEST_P(KeptOnScreen, TheWindowIsBroughtOntoTheAvailableArea)
{
    const OffScreenCase& c = GetParam();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    TDialog dialog;
    dialog.Position = Position::DesktopCenter;
    if (!c.designed.isEmpty())
        dialog.resize(c.designed);
    Connect(&dialog, &Form::BeforeShow, &dialog, [&] {
        if (!c.shown.isEmpty()) {
            dialog.SetWidth(c.shown.width());
            dialog.SetHeight(c.shown.height());
        }
    });
    ScriptedInteraction script;
    QRect outer;
    QMargins frame;
    QPoint place;
    script.OnModal(dialog, [&] {
        outer = dialog.frameGeometry();
        const QRect inner = dialog.geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
        place = QPoint(dialog.Left(), dialog.Top());
        dialog.Close();
    });
    if (c.place) {
        const QPoint at = c.place(area);
        dialog.SetLeft(at.x());
        dialog.SetTop(at.y());
    }
    dialog.ShowModal();
    EXPECT_EQ(outer, c.expected(area, frame));
    EXPECT_EQ(place, outer.topLeft());
    EXPECT_TRUE(area.contains(outer.topLeft()));
}

INSTANTIATE_TEST_SUITE_P(
    Form, KeptOnScreen,
    ::testing::Values(OffScreenCase{"HugeHeight",
                                    {},
                                    {},
                                    {300, 2147483647},
                                    [](const QRect& a, const QMargins& m) {
                                        const int outerWidth = 300 + m.left() + m.right();
                                        return QRect(a.left() + (a.width() - outerWidth) / 2, a.top(),
                                                     outerWidth, a.height());
                                    }},
                      OffScreenCase{"HugeWidth",
                                    {},
                                    [](const QRect& a) { return a.topLeft() + QPoint(40, 30); },
                                    {100000, 120},
                                    [](const QRect& a, const QMargins& m) {
                                        return QRect(a.left(), a.top() + 30, a.width(),
                                                     120 + m.top() + m.bottom());
                                    }},
                      OffScreenCase{"PastTheBottomRight",
                                    {},
                                    [](const QRect& a) { return a.bottomRight() - QPoint(100, 50); },
                                    {},
                                    [](const QRect& a, const QMargins& m) {
                                        const QSize outer = QSize(300, 120).grownBy(m);
                                        return QRect(a.bottomRight() + QPoint(1, 1) -
                                                         QPoint(outer.width(), outer.height()),
                                                     outer);
                                    }},
                      OffScreenCase{"AboveTheTopLeft",
                                    {},
                                    [](const QRect& a) { return a.topLeft() - QPoint(500, 400); },
                                    {},
                                    [](const QRect& a, const QMargins& m) {
                                        return Framed(a.topLeft(), {300, 120}, m);
                                    }},
                      OffScreenCase{"SmallerThanDesignedOnTheArea",
                                    {},
                                    [](const QRect& a) { return a.topLeft() + QPoint(10, 20); },
                                    {200, 80},
                                    [](const QRect& a, const QMargins& m) {
                                        return Framed(a.topLeft() + QPoint(10, 20), {200, 80}, m);
                                    }},
                      OffScreenCase{"DesignedLargerThanTheArea",
                                    {2400, 1300},
                                    {},
                                    {},
                                    [](const QRect& a, const QMargins& m) {
                                        return Framed(a.topLeft(), {2400, 1300}, m);
                                    }},
                      OffScreenCase{"StoredLargerThanTheAreaShrinksToTheDesigned",
                                    {2400, 1300},
                                    {},
                                    {3000, 2000},
                                    [](const QRect& a, const QMargins& m) {
                                        return Framed(a.topLeft(), {2400, 1300}, m);
                                    }}),
    [](const ::testing::TestParamInfo<OffScreenCase>& info) { return std::string(info.param.name); });

TEST(ModalLifeCycle, AShowingTheScriptDoesNotEndFailsInsteadOfHanging)
{
    TDialog dialog;
    auto* script = new ScriptedInteraction;
    script->OnModal(dialog, [] {});
    EXPECT_NONFATAL_FAILURE(dialog.ShowModal(), "did not end the showing");
    EXPECT_NONFATAL_FAILURE(dialog.ShowModal(), "unexpected modal showing");
    delete script;
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ExceptionBox, AThrowingHandlerShowsTheMessageAndTheProgramGoesOn)
{
    TDialog dialog;
    Connect(dialog.CancelButton, &QPushButton::clicked, &dialog,
            [] { throw EConvertError("'x' is not a valid date"); });
    ScriptedInteraction script;
    script.Expect(BoxKind::Exception, "'x' is not a valid date");
    script.OnModal(dialog, [&] {
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    });
    CapturedLog log;
    dialog.ShowModal();
    EXPECT_EQ(dialog.log, QStringList({"show", "cancel", "ok", "close"}));
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_FALSE(script.Boxes()[0].sound.has_value());
    // What the box showed is on standard error as well, on one line.
    EXPECT_EQ(log.Of("kvr.app"), QStringList({"'x' is not a valid date"}));
}

// A control whose own event handler throws: the application object catches it.
class ThrowingWidget : public QWidget
{
public:
    using QWidget::QWidget;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw 42;
        return QWidget::event(e);
    }
};

TEST(ExceptionBox, AnExceptionFromAnEventHandlerIsCaughtByTheApplication)
{
    TDialog dialog;
    auto* widget = new ThrowingWidget(&dialog);
    widget->setGeometry(200, 8, 40, 40);
    ScriptedInteraction script;
    script.Expect(BoxKind::Exception, QString());
    script.OnModal(dialog, [&] {
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(widget, &event);
        QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    });
    dialog.ShowModal();
    EXPECT_TRUE(dialog.log.contains("ok"));
}

class ExitEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void Exit();
};

TEST(FocusLeave, FiresForMovesInsideTheWindowOnly)
{
    TDialog dialog;
    auto* edit = new ExitEdit(&dialog);
    edit->setGeometry(8, 40, 100, 20);
    int exits = 0;
    Connect(edit, &ExitEdit::Exit, &dialog, [&] {
        ++exits;
        ShowError("left"); // a box taking the focus is no second exit
    });
    ScriptedInteraction script;
    script.Expect(BoxKind::Error, "left");
    script.OnModal(dialog, [&] {
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        dialog.Edit->setFocus(); // one exit, its box
        EXPECT_EQ(exits, 1);
        dialog.Close();
    });
    dialog.ShowModal();

    // The control focused at the last showing is forgotten: focusing another one in
    // the next show handler is no exit.
    QObject::connect(&dialog, &Form::OnShow, &dialog, [&] { dialog.OkButton->setFocus(); });
    script.OnModal(dialog, [&] {
        EXPECT_TRUE(dialog.OkButton->hasFocus());
        dialog.Close();
    });
    edit->setFocus();
    dialog.ShowModal();
    EXPECT_EQ(exits, 1);
}

TEST(FocusLeave, AWindowDestroyedWhileItHoldsTheFocusTakesNoFocusChange)
{
    // The focus leaves it while it is being taken down, when it is a Form no more: its
    // handler must not run then (the sanitized build stops at such a call).
    Form other;
    other.show();
    auto* form = new Form;
    auto* edit = new QLineEdit(form);
    form->show();
    QApplication::setActiveWindow(form);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    delete form;
    EXPECT_FALSE(other.isAncestorOf(QApplication::focusWidget()));
}

TEST(DoubleClick, OnlyTheWindowsOwnBackgroundFiresIt)
{
    Form form;
    form.resize(200, 100);
    auto* label = new QLabel("caption", &form);
    label->setGeometry(10, 10, 80, 20);
    int clicks = 0;
    Connect(&form, &Form::OnDblClick, &form, [&] { ++clicks; });
    form.show();
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 0);
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(150, 80));
    EXPECT_EQ(clicks, 1);
}

TEST(MessageForms, EachIsItsSoundImmediatelyFollowedByItsBox)
{
    ScriptedInteraction script;
    script.Expect(BoxKind::Error, "e");
    script.Expect(BoxKind::Question, "q", mrYes);
    script.Expect(BoxKind::Question, "q2", mrNo);
    script.Expect(BoxKind::Warning, "w");
    script.Expect(BoxKind::ErrorYesNo, "y", mrYes);
    script.Expect(BoxKind::ErrorNoSound, "s");
    script.Expect(BoxKind::Plain, "p");
    script.Expect(BoxKind::Exception, "x");
    ShowError("e");
    EXPECT_TRUE(AskQuestion("q"));
    EXPECT_FALSE(AskQuestion("q2"));
    ShowWarning("w");
    EXPECT_TRUE(AskError("y"));
    ShowErrorSilently("s");
    ShowMessage("p");
    ShowException("x");
    EXPECT_EQ(
        script.Log(),
        QStringList({"sound:Exclamation", "box:Error:e", "sound:Question", "box:Question:q", "sound:Question",
                     "box:Question:q2", "sound:Asterisk", "box:Warning:w", "sound:Exclamation",
                     "box:ErrorYesNo:y", "box:ErrorNoSound:s", "box:Plain:p", "box:Exception:x"}));
}

TEST(MessageForms, AnUnexpectedBoxFailsAndAnswersNo)
{
    auto* script = new ScriptedInteraction;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = AskQuestion("削除してよいですか？"), "unexpected box");
    EXPECT_FALSE(answer);
    delete script;
}

// The program's own box (Qt's message box) with `act` done on it as soon as it is up, as
// an operator answers it; its result.
int AnswerDesktopBox(BoxKind kind, const std::function<void(QMessageBox&)>& act)
{
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        act(*box);
        if (box->isVisible()) {
            ADD_FAILURE() << "the box is still open";
            box->reject();
        }
    });
    poll.start();
    return DesktopInteraction().ShowBox(kind, "削除してよいですか？");
}

QStringList ButtonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* b : box.buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

// Without Qt's translation the program says so once, and goes on in Qt's English.
TEST(MessageForms, AMissingQtTranslationIsSaidOnce)
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
        GTEST_SKIP() << "Qt's Japanese translation is not installed: the start said so already";
    QTemporaryDir empty;
    CapturedLog log;
    QTranslator first;
    QTranslator second;
    EXPECT_FALSE(InstallQtTranslation(first, empty.path()));
    EXPECT_FALSE(InstallQtTranslation(second, empty.path()));
    const QStringList lines = log.Of("kvr.app");
    ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("Qt's Japanese translation qtbase_ja is not in " + empty.path()))
        << lines[0].toStdString();
}

// Qt speaks Japanese as the program does: a box that asks to press [はい] has that button.
TEST(MessageForms, TheBoxesHaveJapaneseButtonsThatAnswer)
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
        GTEST_SKIP() << "Qt's Japanese translation is not installed";
    QStringList texts;
    for (BoxKind kind : {BoxKind::Question, BoxKind::ErrorYesNo}) {
        EXPECT_EQ(AnswerDesktopBox(kind,
                                   [&](QMessageBox& box) {
                                       texts = ButtonTexts(box);
                                       QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
                                   }),
                  mrNo);
        EXPECT_EQ(texts, QStringList({"いいえ(&N)", "はい(&Y)"}));
        EXPECT_EQ(AnswerDesktopBox(kind,
                                   [](QMessageBox& box) {
                                       QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton);
                                   }),
                  mrYes);
        // Enter takes the default, Yes; Esc answers No.
        EXPECT_EQ(AnswerDesktopBox(kind, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }),
                  mrYes);
        EXPECT_EQ(AnswerDesktopBox(kind, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }),
                  mrNo);
    }
    EXPECT_EQ(AnswerDesktopBox(BoxKind::Error,
                               [&](QMessageBox& box) {
                                   texts = ButtonTexts(box);
                                   QTest::keyClick(&box, Qt::Key_Return);
                               }),
              mrOk);
    EXPECT_EQ(texts, QStringList({"OK"}));
}

} // namespace

#include "LifeCycleTest.moc"
