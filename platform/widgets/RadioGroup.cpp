#include "platform/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace widgets {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), group(new QButtonGroup(this))
{
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit Click();
    });
}

void RadioGroup::setItems(const QStringList& value)
{
    items = value;
    Build();
}

void RadioGroup::setColumns(int value)
{
    columns = qMax(1, value);
    Arrange();
}

int RadioGroup::ItemIndex() const
{
    return group->checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* b = group->button(index)) {
        b->setChecked(true);
        return;
    }
    if (QAbstractButton* b = group->checkedButton()) {
        group->setExclusive(false);
        b->setChecked(false);
        group->setExclusive(true);
    }
}

void RadioGroup::Build()
{
    for (QAbstractButton* b : group->buttons()) {
        group->removeButton(b);
        delete b;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group->addButton(button, i);
        button->show();
    }
    Arrange();
}

// As the original lays them out: columns of equal width, rows of equal height,
// filled column by column.
void RadioGroup::Arrange()
{
    const QList<QAbstractButton*> buttons = group->buttons();
    if (buttons.isEmpty())
        return;
    const int rows = (int(buttons.size()) + columns - 1) / columns;
    const int top = fontMetrics().height() + 2;
    const int areaWidth = width() - 16;
    const int areaHeight = height() - top - 4;
    const int columnWidth = areaWidth / columns;
    const int rowHeight = qMax(1, areaHeight / rows);
    for (int i = 0; i < buttons.size(); ++i) {
        const int c = i / rows;
        const int r = i % rows;
        buttons[i]->setGeometry(8 + c * columnWidth, top + r * rowHeight, columnWidth, qMin(rowHeight, 20));
    }
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    Arrange();
}

} // namespace widgets
