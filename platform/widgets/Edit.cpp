#include "platform/widgets/Edit.h"

#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/PopupMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>

namespace widgets {

Edit::Edit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &Edit::Change);
}

void Edit::SetColor(TColor value)
{
    color = value;
    SetBackground(this, value);
}

int Edit::Room() const
{
    if (maxLen <= 0)
        return INT_MAX;
    return maxLen - int(text().size()) + int(selectedText().size());
}

void Edit::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = KeyChar(*event);
    if (!typed.isNull()) {
        QChar key = typed;
        emit KeyPress(key);
        if (key.isNull()) {
            event->accept();
            return;
        }
        if (key.isPrint() || key.unicode() >= 0x80) {
            if (Room() < 1 || isReadOnly()) {
                event->accept();
                return;
            }
            if (key != typed) {
                insert(QString(key));
                event->accept();
                return;
            }
        }
    }
    if (event->matches(QKeySequence::Paste) && !isReadOnly() && maxLen > 0) {
        insert(QApplication::clipboard()->text().left(qMax(0, Room())));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void Edit::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty())
        return QLineEdit::inputMethodEvent(event);
    const QString passed = Filtered(event->commitString()).left(qMax(0, Room()));
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(passed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

QString Edit::Filtered(const QString& typed)
{
    QString passed;
    for (QChar c : typed) {
        emit KeyPress(c);
        if (!c.isNull())
            passed += c;
    }
    return passed;
}

void Edit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!ContextPopupOf(this, popupMenu, event))
        QLineEdit::contextMenuEvent(event);
}

} // namespace widgets
