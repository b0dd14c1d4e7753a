#pragma once
// A combo box, a drop-down list or editable (Qt's "editable" property). ItemIndex -1
// selects nothing and shows an empty text. In an editable one the index always
// follows the text: the index of the item whose text equals it exactly, else -1,
// after the operator types and after SetText. Change fires on the operator's choice of
// an item and on typing, not on the program's changes.
#include <QComboBox>

namespace widgets {

class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    QString Text() const { return currentText(); }
    void SetText(const QString& text);
    void setEditable(bool editable);

signals:
    void Change();
    void Exit();

private:
    void TextTyped(const QString& text);
    void Editable();
    QObject* watchedEdit = nullptr;
};

} // namespace widgets
