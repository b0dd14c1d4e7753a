#pragma once
// A popup menu shown at the pointer on a right click of the controls it belongs to.
// Its items are QActions: an item's handler is connected to triggered().
#include <QMenu>

class QContextMenuEvent;

namespace widgets {

class PopupMenu : public QMenu
{
    Q_OBJECT
public:
    explicit PopupMenu(QWidget* parent = nullptr);

    QAction* AddItem(const QString& caption);
    // Shows the menu (through the interaction); the chosen item's handler runs.
    void Popup(const QPoint& globalPos);
    // Where the menu was last shown, in screen coordinates.
    QPoint PopupPoint() const { return popupPoint; }

private:
    QPoint popupPoint;
};

// A right click on a control: its ContextPopup handler may set `handled` to keep any
// menu away; otherwise its popup menu, when it has one, is shown. True when the click
// was dealt with (the control's own menu is not shown then).
template <class Control> bool ContextPopupOf(Control* control, PopupMenu* menu, QContextMenuEvent* event);

} // namespace widgets

#include <QContextMenuEvent>

template <class Control>
bool widgets::ContextPopupOf(Control* control, PopupMenu* menu, QContextMenuEvent* event)
{
    bool handled = false;
    emit control->ContextPopup(event->pos(), handled);
    if (!handled && menu)
        menu->Popup(event->globalPos());
    event->accept();
    return handled || menu;
}
