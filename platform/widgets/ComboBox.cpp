#include "platform/widgets/ComboBox.h"

#include <QLineEdit>

namespace widgets {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ComboBox::Change);
}

void ComboBox::setEditable(bool editable)
{
    QComboBox::setEditable(editable);
    Editable();
}

void ComboBox::SetItemIndex(int index)
{
    setCurrentIndex(index);
    if (index < 0 && lineEdit())
        lineEdit()->clear();
}

void ComboBox::SetText(const QString& text)
{
    if (!isEditable()) {
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    setEditText(text);
    TextTyped(text);
}

// Makes the index follow the text without touching the text or the cursor.
void ComboBox::TextTyped(const QString& text)
{
    const int match = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match == currentIndex())
        return;
    QLineEdit* edit = lineEdit();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker block(this);
    setCurrentIndex(match);
    if (edit->text() != text) {
        edit->setText(text);
    }
    edit->setCursorPosition(cursor);
}

void ComboBox::Editable()
{
    QLineEdit* edit = lineEdit();
    if (!edit || edit == watchedEdit)
        return;
    watchedEdit = edit;
    setCompleter(nullptr); // no completion: the text stays as typed
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        TextTyped(text);
        emit Change();
    });
}

} // namespace widgets
