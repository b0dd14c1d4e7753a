#include "tests/support/TextFit.h"

#include "platform/widgets/StringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QTableView>

namespace {

// The caption as shown: "&X" shows X, "&&" shows "&".
QString Shown(QString text)
{
    return text.replace("&&", QString(QChar(1))).remove('&').replace(QChar(1), "&");
}

struct Room
{
    int need = 0;
    int has = 0;
};

bool Measure(QWidget* w, Room& room)
{
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
            return false;
        room = {metrics.horizontalAdvance(Shown(label->text())), label->contentsRect().width()};
        return true;
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        // The box, the gap, then the caption.
        auto* button = static_cast<QAbstractButton*>(w);
        const bool check = qobject_cast<QCheckBox*>(w);
        QStyle* style = button->style();
        const int box = style->pixelMetric(
            check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
        const int gap = style->pixelMetric(
            check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        room = {box + gap + metrics.horizontalAdvance(Shown(button->text())), button->width()};
        return !button->text().isEmpty();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        // The caption (after the glyph and a gap of 4) with the style's margin around it.
        if (button->text().isEmpty())
            return false;
        room.need = metrics.horizontalAdvance(Shown(button->text())) +
                    button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (!button->icon().isNull())
            room.need += button->iconSize().width() + 4;
        room.has = button->width();
        return true;
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        // The title starts where the style puts it and must end inside the box.
        if (box->title().isEmpty())
            return false;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        room = {label.x() + metrics.horizontalAdvance(Shown(box->title())), box->width()};
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->count() == 0)
            return false;
        for (int i = 0; i < combo->count(); ++i)
            room.need = std::max(room.need, metrics.horizontalAdvance(combo->itemText(i)));
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        room.has = combo->style()
                       ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                       .width();
        return true;
    }
    return false;
}

// The room a title gets in its header section.
int TitleRoom(QHeaderView* header, int section, const QString& title)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = section;
    option.text = title;
    option.orientation = header->orientation();
    option.rect = header->orientation() == Qt::Horizontal
                      ? QRect(0, 0, header->sectionSize(section), header->height())
                      : QRect(0, 0, header->width(), header->sectionSize(section));
    return header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
}

// The room a cell's text gets in a column `width` pixels wide: a string grid draws it
// two pixels from the cell's edge up to the grid line, other grids inside the style's
// text margins.
int CellRoom(QTableView* grid, int width)
{
    if (qobject_cast<widgets::StringGrid*>(grid))
        return width - 2 - (grid->showGrid() ? 1 : 0);
    return width - 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
}

// A column of dates: its title names a date, or a cell of it shows one.
bool IsDateColumn(const QAbstractItemModel* model, int column)
{
    static const QRegularExpression dateTitle("Date|Birth|日\\(", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dateText("^\\d{4}/\\d{2}/\\d{2}");
    if (dateTitle.match(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()).hasMatch())
        return true;
    for (int row = 0; row < model->rowCount(); ++row)
        if (dateText.match(model->index(row, column).data().toString()).hasMatch())
            return true;
    return false;
}

QString CutGridTexts(QTableView* grid)
{
    QString cut;
    const QAbstractItemModel* model = grid->model();
    if (!model)
        return cut;
    const QFontMetrics metrics(grid->font());
    const auto report = [&](const QString& what, int need, int has) {
        if (need > has)
            cut += QString("%1%2 needs %3, has %4; ").arg(grid->objectName(), what).arg(need).arg(has);
    };
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        if (!header->isVisibleTo(grid))
            continue;
        const int count = header->orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
        for (int section = 0; section < count; ++section) {
            const QString title =
                model->headerData(section, header->orientation(), Qt::DisplayRole).toString();
            if (title.isEmpty() || header->isSectionHidden(section))
                continue;
            report(QString("[%1] \"%2\"").arg(section).arg(title),
                   QFontMetrics(header->font()).horizontalAdvance(title), TitleRoom(header, section, title));
        }
    }
    for (int column = 0; column < model->columnCount(); ++column)
        if (!grid->isColumnHidden(column) && IsDateColumn(model, column))
            report(QString("[%1] date").arg(column), metrics.horizontalAdvance("0000/00/00"),
                   CellRoom(grid, grid->columnWidth(column)));
    return cut;
}

} // namespace

std::string CutCells(QTableView* grid)
{
    QString cut;
    const QAbstractItemModel* model = grid->model();
    const QFontMetrics metrics(grid->font());
    for (int row = 0; model && row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString text = model->index(row, column).data().toString();
            const int need = metrics.horizontalAdvance(text);
            const int has = CellRoom(grid, grid->columnWidth(column));
            if (!grid->isColumnHidden(column) && need > has)
                cut += QString("%1[%2,%3] \"%4\" needs %5, has %6; ")
                           .arg(grid->objectName())
                           .arg(column)
                           .arg(row)
                           .arg(text)
                           .arg(need)
                           .arg(has);
        }
    return cut.toStdString();
}

std::string CutTexts(QWidget* window)
{
    QString cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* grid = qobject_cast<QTableView*>(w)) {
            cut += CutGridTexts(grid);
            continue;
        }
        Room room;
        if (!Measure(w, room) || room.need <= room.has)
            continue;
        cut += QString("%1 needs %2, has %3; ").arg(w->objectName()).arg(room.need).arg(room.has);
    }
    return cut.toStdString();
}
