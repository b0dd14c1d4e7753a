#include "core/WindowGeometry.h"

#include "platform/rtl/IntText.h"

#include <QEvent>
#include <QWidget>

namespace {

QString ColWidthKey(int col)
{
    return "ColWidth" + IntToStr(col);
}

} // namespace

void TWindowGeometry::Read(TIniFile* iniFile, widgets::Form* form, const Columns& columns)
{
    formHeight = iniFile->ReadInteger(section, "FormHeight", form->Height());
    formWidth = iniFile->ReadInteger(section, "FormWidth", form->Width());
    form->SetHeight(formHeight);
    form->SetWidth(formWidth);
    colWidths.assign(columns.count, 0);
    for (int col = 0; col < columns.count; ++col) {
        colWidths[col] = iniFile->ReadInteger(section, ColWidthKey(col), columns.width(col));
        columns.setWidth(col, colWidths[col]);
    }
}

void TWindowGeometry::Write(TIniFile* iniFile, const widgets::Form* form, const Columns& columns)
{
    // What is written becomes the value kept, so a second closing without a change writes nothing.
    if (form->Height() != formHeight) {
        formHeight = form->Height();
        iniFile->WriteInteger(section, "FormHeight", formHeight);
    }
    if (form->Width() != formWidth) {
        formWidth = form->Width();
        iniFile->WriteInteger(section, "FormWidth", formWidth);
    }
    if (int(colWidths.size()) < columns.count)
        colWidths.resize(columns.count, -1);
    for (int col = 0; col < columns.count; ++col) {
        const int width = columns.width(col);
        if (width != colWidths[col]) {
            colWidths[col] = width;
            iniFile->WriteInteger(section, ColWidthKey(col), width);
        }
    }
}

TWindowLayout::TWindowLayout(QWidget* window) : QObject(window), window(window), designSize(window->size())
{
    window->installEventFilter(this);
}

TWindowLayout& TWindowLayout::Follow(QWidget* control, QPointF move, QSizeF grow)
{
    followers.push_back({control, control->pos(), control->size(), move, grow});
    Apply();
    return *this;
}

bool TWindowLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::Resize)
        Apply();
    return QObject::eventFilter(watched, event);
}

void TWindowLayout::Apply() const
{
    const QSize grown = window->size() - designSize;
    const auto share = [](int length, double part) { return int(length * part); };
    for (const Follower& f : followers) {
        f.control->move(f.designPos +
                        QPoint(share(grown.width(), f.move.x()), share(grown.height(), f.move.y())));
        f.control->resize((f.designSize + QSize(share(grown.width(), f.grow.width()),
                                                share(grown.height(), f.grow.height())))
                              .expandedTo(QSize(0, 0)));
    }
}
