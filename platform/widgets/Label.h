#pragma once
// A label whose caption is kept as written: "&x" shows x (Alt+x focuses the focus
// control when there is one) and Caption() gives the text back with its "&".
#include <QLabel>

namespace widgets {

class PopupMenu;

class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return caption; }
    void SetCaption(const QString& value);
    // uic and Qt's own names for the same.
    void setText(const QString& value) { SetCaption(value); }
    QString text() const { return caption; }

    QWidget* FocusControl() const { return buddy(); }
    void setBuddy(QWidget* control);
    void SetPopupMenu(PopupMenu* menu) { popupMenu = menu; }

signals:
    void ContextPopup(const QPoint& pos, bool& handled);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Render();
    QString caption;
    PopupMenu* popupMenu = nullptr;
};

// The caption as shown: "&&" is "&", a single "&" marks the next character.
QString ShownCaption(const QString& caption);

} // namespace widgets
