#include "platform/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>

namespace widgets {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), group(new QButtonGroup(this))
{
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            KeepTabStop();
            emit Click();
        }
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
    KeepTabStop();
}

void RadioGroup::Build()
{
    for (QAbstractButton* b : group->buttons()) {
        group->removeButton(b);
        delete b;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->installEventFilter(this);
        group->addButton(button, i);
        button->show();
    }
    TakeGroupsPlace();
    KeepTabStop();
    Arrange();
}

// Buttons made after the window's setup (the items are set with its texts, last) join
// the end of its focus chain: they move to where the group itself sits. setTabOrder
// moves nothing after a widget that takes no focus, so the box takes it for the move.
void RadioGroup::TakeGroupsPlace()
{
    const Qt::FocusPolicy own = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    QWidget* previous = this;
    for (QAbstractButton* b : group->buttons()) {
        setTabOrder(previous, b);
        previous = b;
    }
    setFocusPolicy(own);
}

// One Tab stop for the whole group, as Windows has it: the checked button, else the
// first. Qt moves the stop to the button that takes the focus, which need not be the
// checked one (an arrow key moves the focus without a choice when none is made), so the
// stop is put back whenever the focus leaves a button.
void RadioGroup::KeepTabStop()
{
    const QList<QAbstractButton*> buttons = group->buttons();
    if (buttons.isEmpty())
        return;
    QAbstractButton* stop = group->checkedButton() ? group->checkedButton() : buttons.first();
    for (QAbstractButton* b : buttons)
        b->setFocusPolicy(
            Qt::FocusPolicy(b == stop ? b->focusPolicy() | Qt::TabFocus : b->focusPolicy() & ~Qt::TabFocus));
}

// Columns of equal width, rows of equal height, filled column by column: the form files
// give a group only its size and its number of columns, and the buttons take these places.
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

bool RadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        KeepTabStop();
    return QGroupBox::eventFilter(watched, event);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    Arrange();
}

} // namespace widgets
