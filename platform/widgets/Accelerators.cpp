#include "platform/widgets/Accelerators.h"

#include "platform/widgets/Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <optional>

namespace widgets {

namespace {

// The character of Alt+key (Shift allowed, as it gives the same accelerator); none for
// any other key, and for Alt with a key that types nothing (Alt+F4, Alt+Down).
std::optional<QChar> AltCharacter(const QKeyEvent& event)
{
    const auto mods = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::AltModifier)
        return std::nullopt;
    const QString text = event.text();
    if (!text.isEmpty())
        return text.at(0).isPrint() ? std::optional<QChar>(text.at(0)) : std::nullopt;
    // Some keyboards give Alt+key no text; the key still names its character.
    if (event.key() > Qt::Key_Space && event.key() <= Qt::Key_AsciiTilde)
        return QChar(event.key());
    return std::nullopt;
}

class AcceleratorKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        Form* form = widget ? qobject_cast<Form*>(widget->window()) : nullptr;
        if (!form)
            return false; // Qt's own dialogs keep Qt's reading
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const bool repeated = type == QEvent::KeyPress && keyEvent->isAutoRepeat();
        // A focused push button clicks at Enter by itself, at every repeat of a held key too.
        if (repeated && qobject_cast<QAbstractButton*>(widget) &&
            (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter)) {
            event->accept();
            return true;
        }
        const std::optional<QChar> key = AltCharacter(*keyEvent);
        if (!key)
            return false;
        // Taken at the override, Qt's shortcut map leaves the key; taken at the press, no
        // control types it. A held key presses once: its repeats are taken and do nothing.
        event->accept();
        if (type == QEvent::KeyPress && !repeated)
            PressAccelerator(form, *key);
        return true;
    }
};

QString CaptionOf(const QWidget* control)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(control))
        return box->title();
    // A label without a focus control shows its caption without the "&".
    if (auto* label = qobject_cast<const QLabel*>(control); label && label->buddy())
        return label->text();
    return {};
}

bool CanTake(const QWidget* control)
{
    return control->isVisible() && control->isEnabled();
}

// The group's first control in the window's focus order that Tab would stop at.
QWidget* FirstInFocusOrder(const QGroupBox* box)
{
    QWidget* window = box->window();
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (box->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && CanTake(w))
            return w;
    return nullptr;
}

bool Take(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (!CanTake(button))
            return false;
        if (!qobject_cast<QPushButton*>(button))
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        if (!CanTake(box))
            return false;
        if (QWidget* first = FirstInFocusOrder(box))
            first->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QWidget* buddy = label->buddy();
        if (!buddy || !CanTake(label) || !CanTake(buddy))
            return false;
        buddy->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return false;
}

} // namespace

void InstallAcceleratorKeys()
{
    static QPointer<AcceleratorKeys> installed;
    if (installed || !qApp)
        return;
    installed = new AcceleratorKeys(qApp);
    qApp->installEventFilter(installed);
}

QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return {};
}

bool PressAccelerator(QWidget* window, QChar key)
{
    const QChar wanted = key.toUpper();
    // Depth first in the order the controls were made, which is the form file's order.
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QChar accelerator = AcceleratorOf(CaptionOf(control));
        if (!accelerator.isNull() && accelerator.toUpper() == wanted && Take(control))
            return true;
    }
    return false;
}

} // namespace widgets
