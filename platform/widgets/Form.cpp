#include "platform/widgets/Form.h"

#include "platform/widgets/Accelerators.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Button.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

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
    Place(opener);
    show();
    QApplication::setActiveWindow(this);
    // The show handler runs on the visible window, so its focus and selection hold;
    // a size it gives is centred anew.
    const QSize before = size();
    emit OnShow();
    if (size() != before)
        Place(opener);
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
        Place(QApplication::activeWindow());
    show();
    raise();
    QApplication::setActiveWindow(this);
    if (!wasVisible)
        emit OnShow();
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
        move(pos()); // keeps the designed place (and tells Qt not to centre it)
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
        move(pos());
        return;
    }
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

int Form::Left() const
{
    return frameGeometry().left();
}
int Form::Top() const
{
    return frameGeometry().top();
}
int Form::Width() const
{
    return frameGeometry().width();
}
int Form::Height() const
{
    return frameGeometry().height();
}
void Form::SetLeft(int value)
{
    move(value, Top());
    placedByCaller = true;
}
void Form::SetTop(int value)
{
    move(Left(), value);
    placedByCaller = true;
}
void Form::SetWidth(int value)
{
    resize(value - (frameGeometry().width() - width()), height());
}
void Form::SetHeight(int value)
{
    resize(width(), value - (frameGeometry().height() - height()));
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
        switch (event->key()) {
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
