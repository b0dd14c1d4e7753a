#include "platform/widgets/Form.h"

#include "platform/widgets/Accelerators.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Button.h"
#include "platform/widgets/WindowFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

namespace widgets {

Form::Form(QWidget* parent) : QDialog(parent)
{
    setFont(QApplication::font());
    InstallAcceleratorKeys();
    connect(qApp, &QApplication::focusChanged, this, &Form::FocusChanged);
}

Form::~Form()
{
    // The focus leaves a window while it is being taken down, when it is a Form no more.
    if (qApp)
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

int Form::ShowModal()
{
    return CurrentInteraction().ShowModal(*this);
}

void Form::BeginModal()
{
    modalResult = mrNone;
    opener = QApplication::activeWindow();
    // The control that had the focus at the last showing is forgotten.
    if (QWidget* remembered = focusWidget())
        remembered->clearFocus();
    inModal = true;
    setWindowModality(Qt::ApplicationModal);
    Prepare(opener);
    show();
    QApplication::setActiveWindow(this);
    // The show handler runs on the visible window, so its focus and selection hold;
    // a size it gives is centred anew.
    const QSize before = size();
    emit OnShow();
    if (size() != before)
        Place(opener);
    KeepOnScreen();
}

void Form::Prepare(QWidget* owner)
{
    RememberDesign();
    emit BeforeShow();
    Place(owner);
    KeepOnScreen();
}

void Form::RememberDesign()
{
    if (designedSize.isEmpty())
        designedSize = size();
}

QSize Form::DesignedSize() const
{
    return designedSize.isEmpty() ? size() : designedSize;
}

void Form::EndModal()
{
    emit OnClose();
    inModal = false;
    hide();
    setWindowModality(Qt::NonModal);
    placedByCaller = false;
    if (opener && opener->isVisible())
        QApplication::setActiveWindow(opener);
    opener = nullptr;
}

void Form::Show()
{
    const bool wasVisible = isVisible();
    if (!wasVisible)
        Prepare(QApplication::activeWindow());
    show();
    raise();
    QApplication::setActiveWindow(this);
    if (!wasVisible) {
        emit OnShow();
        KeepOnScreen();
    }
    placedByCaller = false;
}

void Form::Close()
{
    if (inModal) {
        SetModalResult(mrCancel);
        return;
    }
    emit OnClose();
    hide();
    Application* app = Application::Instance();
    if (app && app->MainForm() == this)
        app->Terminate();
}

void Form::SetModalResult(int result)
{
    modalResult = result;
    if (inModal && result != mrNone)
        emit ModalEnded();
}

void Form::Place(QWidget* owner)
{
    if (placedByCaller)
        return;
    QRect area;
    switch (Position) {
    case Position::Designed:
        MoveFrameTo(FramePos()); // keeps the designed place (and tells Qt not to centre it)
        return;
    case Position::DesktopCenter:
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        break;
    case Position::OwnerCenter:
        if (owner && owner != this)
            area = owner->frameGeometry();
        else if (Application* app = Application::Instance();
                 app && app->MainForm() && app->MainForm() != this)
            area = app->MainForm()->frameGeometry();
        else if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        break;
    case Position::MainFormCenter:
        if (Application* app = Application::Instance(); app && app->MainForm() && app->MainForm() != this)
            area = app->MainForm()->frameGeometry();
        else if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        break;
    }
    if (area.isNull()) {
        MoveFrameTo(FramePos());
        return;
    }
    const QSize outer = size().grownBy(FrameMargins());
    MoveFrameTo({area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2});
}

QRect Form::ScreenArea() const
{
    QScreen* screen = QGuiApplication::screenAt(QRect(FramePos(), size().grownBy(FrameMargins())).center());
    if (!screen)
        screen = this->screen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize Form::LargestSize() const
{
    const QRect area = ScreenArea();
    if (area.isEmpty())
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A stored size can be anything; the designed one is what the layout needs at least.
    return area.size().shrunkBy(FrameMargins()).expandedTo(DesignedSize());
}

void Form::KeepOnScreen()
{
    const QRect area = ScreenArea();
    if (area.isEmpty())
        return;
    const QSize fitted = size().boundedTo(LargestSize());
    if (fitted != size())
        resize(fitted);
    const QSize outer = fitted.grownBy(FrameMargins());
    // The top left corner last, so that a window larger than the area keeps its title bar on it.
    const int left = std::max(area.left(), std::min(Left(), area.right() + 1 - outer.width()));
    const int top = std::max(area.top(), std::min(Top(), area.bottom() + 1 - outer.height()));
    if (QPoint(left, top) != FramePos())
        MoveFrameTo({left, top});
    // Checked again once the window manager has framed the window.
    if (OwnFrame().isNull())
        unframedPlace = QPoint(left, top);
    else
        unframedPlace.reset();
}

QMargins Form::OwnFrame() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QMargins Form::FrameMargins() const
{
    // The window's own frame once the window manager has put one around it (known still
    // after a hiding); before, the frame the window manager says this window will have.
    // Another window's frame would not do: windows of other kinds have other frames.
    if (const QMargins own = OwnFrame(); !own.isNull())
        return own;
    if (!expectedFrame)
        expectedFrame = ExpectedFrame(const_cast<Form*>(this)).value_or(QMargins());
    return *expectedFrame;
}

void Form::MoveFrameTo(QPoint place)
{
    // The inner window is placed where the frame will leave it, framed or not yet; placing
    // it also tells Qt not to centre it.
    const QMargins frame = FrameMargins();
    placedWith = frame;
    setGeometry(QRect(place + QPoint(frame.left(), frame.top()), size()));
}

QPoint Form::FramePos() const
{
    // Until it is first placed, the window is where its design put its frame.
    if (!placedWith)
        return geometry().topLeft();
    const QMargins frame = FrameMargins();
    return geometry().topLeft() - QPoint(frame.left(), frame.top());
}

int Form::Left() const
{
    return FramePos().x();
}
int Form::Top() const
{
    return FramePos().y();
}
int Form::Width() const
{
    return width();
}
int Form::Height() const
{
    return height();
}
void Form::SetLeft(int value)
{
    MoveFrameTo({value, Top()});
    placedByCaller = true;
}
void Form::SetTop(int value)
{
    MoveFrameTo({Left(), value});
    placedByCaller = true;
}
// A size that cannot fit never reaches the window manager: it would place the window by it.
void Form::SetWidth(int value)
{
    RememberDesign();
    resize(std::min(value, LargestSize().width()), height());
    if (isVisible())
        KeepOnScreen();
}
void Form::SetHeight(int value)
{
    RememberDesign();
    resize(width(), std::min(value, LargestSize().height()));
    if (isVisible())
        KeepOnScreen();
}

Button* Form::DefaultButton() const
{
    for (Button* b : findChildren<Button*>())
        if (b->Default())
            return b;
    return nullptr;
}

Button* Form::FindCancelButton() const
{
    for (Button* b : findChildren<Button*>())
        if (b->Cancel())
            return b;
    return nullptr;
}

static bool Reacts(const QWidget* button)
{
    return button && button->isVisible() && button->isEnabled();
}

bool Form::PressEnter()
{
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); Reacts(focused)) {
        focused->click();
        return true;
    }
    if (Button* b = DefaultButton(); Reacts(b)) {
        b->click();
        return true;
    }
    return false;
}

void Form::keyPressEvent(QKeyEvent* event)
{
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        const int key = event->key();
        // A held key clicks once; its repeats would click the next window's buttons too.
        if ((key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            event->isAutoRepeat()) {
            event->accept();
            return;
        }
        switch (key) {
        case Qt::Key_Escape:
            if (Button* b = FindCancelButton(); Reacts(b)) {
                b->click();
                return;
            }
            event->accept(); // Esc never ends a window by itself
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            PressEnter();
            event->accept();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    // The title bar's close box: the cancel button's handler does not run.
    event->ignore();
    Close();
}

void Form::Reassert()
{
    // The window manager framed the window otherwise than it said, or placed it elsewhere:
    // the place set is taken again for the frame it has, and kept on the screen. The size
    // it was shown at stands, as do the sizes given it since.
    if (!isVisible() || !unframedPlace)
        return;
    const QPoint place = *unframedPlace;
    unframedPlace.reset();
    MoveFrameTo(place);
    KeepOnScreen();
}

bool Form::event(QEvent* event)
{
    // Once the window manager has framed the window (it is then painted or activated, not
    // always moved), the frame it has is checked against the one it was placed for.
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        if (unframedPlace && isVisible()) {
            if (const QMargins own = OwnFrame(); !own.isNull()) {
                if (own != placedWith.value_or(QMargins()) || FramePos() != *unframedPlace)
                    QMetaObject::invokeMethod(this, &Form::Reassert, Qt::QueuedConnection);
                else
                    unframedPlace.reset();
            }
        }
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void Form::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The window's own background only: a label or picture on it takes its double clicks.
    if (!childAt(event->position().toPoint()))
        emit OnDblClick();
    QDialog::mouseDoubleClickEvent(event);
}

void Form::FocusChanged(QWidget* old, QWidget* now)
{
    if (!old || !now || old->window() != this || now->window() != this)
        return;
    // Every control that held the focus and does not hold it now: the inner first.
    for (QWidget* w = old; w && w != this; w = w->parentWidget()) {
        if (w == now || w->isAncestorOf(now))
            break;
        if (w->metaObject()->indexOfSignal("Exit()") >= 0)
            QMetaObject::invokeMethod(w, "Exit", Qt::DirectConnection);
    }
}

void MovePointerTo(const QWidget* control)
{
    CurrentInteraction().MovePointer(
        control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2)));
}

} // namespace widgets
