#pragma once
// An edit with an edit mask as the windows write it ("!0000/00/00;1;_": "0" a
// required digit, "9" an optional one, other characters literals kept in the text,
// the last field the character shown for an empty place). Text() is what the operator
// sees: literals kept, "_" (the blank character) for each empty place.
// The text keeps its length: a typed character overwrites the place at the cursor and
// the cursor moves to the next place, over the literals; a character the place does
// not take does nothing; Backspace and Delete blank a place. A selection of more than
// one character is blanked by the first character typed into it; one selected
// character is the place typing overwrites, which is how the edit shows its cursor.
// A paste types its characters in turn. MaxLength plays no part.
#include "platform/widgets/Edit.h"

namespace widgets {

class MaskEdit : public Edit
{
    Q_OBJECT
    Q_PROPERTY(QString editMask READ EditMask WRITE setEditMask)
public:
    explicit MaskEdit(QWidget* parent = nullptr);

    QString EditMask() const { return mask; }
    void setEditMask(const QString& editMask);

    QString Text() const { return displayText(); }
    void SetText(const QString& value) { setText(value); }

    int SelStart() const { return selectionStart() < 0 ? cursorPosition() : selectionStart(); }
    void SetSelStart(int value) { setCursorPosition(value); }
    int SelLength() const { return selectionLength(); }
    void SetSelLength(int value) { setSelection(SelStart(), value); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool Masked() const;
    void Enter(const QString& chars);
    void Clear(bool backward);
    void Show(const QString& shown, int cursor);
    QString mask;
};

// The Qt input mask of an edit mask.
QString QtInputMask(const QString& editMask);

} // namespace widgets
