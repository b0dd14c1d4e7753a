#include "tests/support/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

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

} // namespace

std::string CutTexts(QWidget* window)
{
    QString cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        Room room;
        if (!w->isVisibleTo(window) || !Measure(w, room) || room.need <= room.has)
            continue;
        cut += QString("%1 needs %2, has %3; ").arg(w->objectName()).arg(room.need).arg(room.has);
    }
    return cut.toStdString();
}
