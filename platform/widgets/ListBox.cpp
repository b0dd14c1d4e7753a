#include "platform/widgets/ListBox.h"

#include "platform/widgets/PopupMenu.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace widgets {

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ListBox::SetItemIndex(int index)
{
    setCurrentRow(index);
    if (index < 0)
        clearSelection();
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
    emit Click();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit DblClick();
    event->accept();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit Click();
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    // Qt's view makes the first item current on a keyboard focus; nothing is chosen yet.
    const bool none = currentRow() < 0;
    QListWidget::focusInEvent(event);
    if (none && currentRow() >= 0)
        setCurrentRow(-1);
}

void ListBox::contextMenuEvent(QContextMenuEvent* event)
{
    ContextPopupOf(this, popupMenu, event);
}

} // namespace widgets
