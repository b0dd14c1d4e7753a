#include "platform/widgets/Form.h"

#include "platform/widgets/Accelerators.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Button.h"

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
    settling.invalidate();
    if (designedSize.isEmpty())
        designedSize = size();
    Place(opener);
    show();
    QApplication::setActiveWindow(this);
    // The show handler runs on the visible window, so its focus and selection hold;
    // a size it gives is centred anew.
    const QSize before = size();
    emit OnShow();
    if (size() != before)
        Place(opener);
    KeepOnScreen();
    StartSettling();
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
    if (!wasVisible) {
        settling.invalidate();
        if (designedSize.isEmpty())
            designedSize = size();
        Place(QApplication::activeWindow());
    }
    show();
    raise();
    QApplication::setActiveWindow(this);
    if (!wasVisible) {
        emit OnShow();
        KeepOnScreen();
        StartSettling();
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
    const QSize designed = designedSize.isEmpty() ? size() : designedSize;
    return area.size().shrunkBy(FrameMargins()).expandedTo(designed);
}

void Form::KeepOnScreen()
{
    frameUnknown = frameGeometry() == geometry();
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
    unframed = frameUnknown ? QRect(QPoint(left, top), fitted) : QRect();
    if (settling.isValid())
        settled = fitted;
}

QMargins Form::FrameMargins() const
{
    const auto margins = [](const QWidget* window) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    // Known once the window manager has framed this window; until then, a framed window
    // of the program tells what the frame will be.
    if (const QMargins own = margins(this); !own.isNull())
        return own;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && qobject_cast<const Form*>(window))
            if (const QMargins other = margins(window); !other.isNull())
                return other;
    return {};
}

void Form::MoveFrameTo(QPoint place)
{
    // A shown window that the window manager has not framed yet is placed by its inner
    // window, and the frame goes around that: so the inner window goes where the frame
    // will leave it.
    framePlace.reset();
    if (testAttribute(Qt::WA_WState_Created) && isVisible() && frameGeometry() == geometry()) {
        const QMargins frame = FrameMargins();
        framePlace = place;
        move(place + QPoint(frame.left(), frame.top()));
    } else {
        move(place);
    }
}

QPoint Form::FramePos() const
{
    if (framePlace && frameGeometry() == geometry())
        return *framePlace;
    return pos();
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
    resize(std::min(value, LargestSize().width()), height());
    if (isVisible())
        KeepOnScreen();
}
void Form::SetHeight(int value)
{
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
    // What was set before the window manager took the window over can be lost to it:
    // it may answer with the size and place it first saw.
    if (!isVisible())
        return;
    if (unframed.isValid()) {
        if (size() != unframed.size())
            resize(unframed.size());
        if (FramePos() != unframed.topLeft())
            MoveFrameTo(unframed.topLeft());
    }
    KeepOnScreen();
    StartSettling();
}

void Form::StartSettling()
{
    settled = size();
    settling.start();
}

void Form::KeepSettledSize()
{
    // A size the window manager sends in the moments after a showing can be the one it
    // first saw, from before the show handler set the kept size; nobody drags a frame that
    // soon after it appears. Asked again, the window manager gives the size set.
    constexpr qint64 SettlingMs = 3000;
    if (!settling.isValid() || settling.elapsed() > SettlingMs) {
        settling.invalidate();
        return;
    }
    if (isVisible() && size() != settled)
        resize(settled);
}

bool Form::event(QEvent* event)
{
    // The frame's size was guessed at the showing; once the window manager has framed the
    // window (it is then painted or activated, not always moved), it is checked again.
    // The program's own resizes are what the window keeps; the window manager's are checked.
    if (event->type() == QEvent::Resize && settling.isValid()) {
        if (event->spontaneous())
            KeepSettledSize();
        else
            settled = size();
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        if (frameUnknown && isVisible() && frameGeometry() != geometry()) {
            frameUnknown = false;
            QMetaObject::invokeMethod(this, &Form::Reassert, Qt::QueuedConnection);
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
