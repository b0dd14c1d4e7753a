#pragma once
// A list box whose Click fires on the operator's clicks and keyboard moves only,
// never when the program sets ItemIndex. A right click leaves the selection alone.
// Taking the focus chooses no item (ItemIndex stays -1 until the operator chooses).
#include <QListWidget>

namespace widgets {

class PopupMenu;

class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    void SetPopupMenu(PopupMenu* menu) { popupMenu = menu; }

signals:
    void Click();
    void DblClick();
    void Exit();
    void ContextPopup(const QPoint& pos, bool& handled);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyboardSearch(const QString&) override {}

private:
    PopupMenu* popupMenu = nullptr;
};

} // namespace widgets
