#pragma once
// An edit with an edit mask as the windows write it ("!0000/00/00;1;_": "0" a
// required digit, "9" an optional one, other characters literals kept in the text,
// the last field the character shown for an empty place). Text() is what the operator
// sees: literals kept, "_" (the blank character) for each empty place.
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

private:
    QString mask;
};

// The Qt input mask of an edit mask.
QString QtInputMask(const QString& editMask);

} // namespace widgets
