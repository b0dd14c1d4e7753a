#include "platform/widgets/Label.h"

#include "platform/widgets/PopupMenu.h"

namespace widgets {

QString ShownCaption(const QString& caption)
{
    QString shown;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& value)
{
    caption = value;
    Render();
}

void Label::setBuddy(QWidget* control)
{
    QLabel::setBuddy(control);
    Render();
}

void Label::Render()
{
    // With a focus control Qt handles the "&" itself; without one it would show it.
    QLabel::setText(buddy() ? caption : ShownCaption(caption));
}

void Label::contextMenuEvent(QContextMenuEvent* event)
{
    if (!ContextPopupOf(this, popupMenu, event))
        QLabel::contextMenuEvent(event);
}

} // namespace widgets
