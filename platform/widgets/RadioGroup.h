#pragma once
// A captioned group of radio buttons made from its items, laid out in Columns.
// ItemIndex -1 selects none. Click fires when an item becomes selected. The buttons sit
// in the window's focus order where the group sits; Tab enters the group once, at the
// checked button (the first when none is), and the arrow keys move inside it.
#include <QGroupBox>

class QButtonGroup;

namespace widgets {

class RadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ Items WRITE setItems)
    Q_PROPERTY(int columns READ Columns WRITE setColumns)
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList Items() const { return items; }
    void setItems(const QStringList& value);
    int Columns() const { return columns; }
    void setColumns(int value);
    int ItemIndex() const;
    void SetItemIndex(int index);

signals:
    void Click();
    void Exit();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void Arrange();
    void TakeGroupsPlace();
    void KeepTabStop();
    QStringList items;
    int columns = 1;
    QButtonGroup* group;
};

} // namespace widgets
