#pragma once
// A one-line edit. Change fires on every change of the text, by the operator or the
// program. KeyPress sees each typed character first (see KeyChar): set it to the null
// character to discard it, which also stops what the key would do; pasted text is not
// filtered. MaxLength limits typing and pasting only, never the program's SetText.
// A control without a tab stop is still focused by a click.
#include "platform/widgets/Colors.h"

#include <QLineEdit>

namespace widgets {

class PopupMenu;

class Edit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int maxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(bool tabStop READ TabStop WRITE setTabStop)
public:
    explicit Edit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }

    int MaxLength() const { return maxLen; } // 0: no limit
    void setMaxLength(int value) { maxLen = value; }
    bool TabStop() const { return focusPolicy() != Qt::ClickFocus; }
    void setTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    TColor Color() const { return color; }
    void SetColor(TColor value);
    void SetPopupMenu(PopupMenu* menu) { popupMenu = menu; }

signals:
    void Change();
    void KeyPress(QChar& key);
    void Exit();
    void ContextPopup(const QPoint& pos, bool& handled);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The characters of `typed` that the key-press filter lets through, as it leaves them.
    QString Filtered(const QString& typed);

private:
    int Room() const;
    int maxLen = 0;
    TColor color = clWindow;
    PopupMenu* popupMenu = nullptr;
};

} // namespace widgets
