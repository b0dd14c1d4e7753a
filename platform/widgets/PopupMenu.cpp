#include "platform/widgets/PopupMenu.h"

#include "platform/widgets/Interaction.h"

namespace widgets {

PopupMenu::PopupMenu(QWidget* parent) : QMenu(parent) {}

QAction* PopupMenu::AddItem(const QString& caption)
{
    return addAction(caption);
}

void PopupMenu::Popup(const QPoint& globalPos)
{
    popupPoint = globalPos;
    CurrentInteraction().Popup(*this, globalPos);
}

} // namespace widgets
