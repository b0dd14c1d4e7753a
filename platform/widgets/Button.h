#pragma once
// A push button that may be its window's default button (Enter) or cancel button
// (Esc), and may carry a modal result that a click gives its window.
#include <QPushButton>

namespace widgets {

class Button : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(int modalResult READ ModalResult WRITE setModalResult)
public:
    explicit Button(QWidget* parent = nullptr);

    bool Default() const { return isDefaultButton; }
    void setDefault(bool value);
    bool Cancel() const { return isCancelButton; }
    void setCancel(bool value) { isCancelButton = value; }
    int ModalResult() const { return modalResult; }
    void setModalResult(int value) { modalResult = value; }

    // The caption as written, "&" included.
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

signals:
    void Exit();

private:
    bool isDefaultButton = false;
    bool isCancelButton = false;
    int modalResult = 0;
};

// A button with a glyph; without a picture of its own it shows a small calendar.
class BitBtn : public Button
{
    Q_OBJECT
public:
    explicit BitBtn(QWidget* parent = nullptr);
};

} // namespace widgets
