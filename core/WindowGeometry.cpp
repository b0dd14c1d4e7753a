#include "core/WindowGeometry.h"

#include "platform/rtl/IntText.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

QString ColWidthKey(int col)
{
    return "ColWidth" + IntToStr(col);
}

} // namespace

int KeptLength(int stored, int designed)
{
    // Deliberately: a stored length below the design (0, a negative one) showed a window too
    // small to use, or none at all, and the program looked frozen behind it.
    return std::max(stored, designed);
}

bool Writable(int length)
{
    // Deliberately: a length of 0 or less is never written, so no later session opens it.
    return length > 0;
}

void TWindowGeometry::Read(TIniFile* iniFile, widgets::Form* form, const Columns& columns)
{
    formHeight = iniFile->ReadInteger(section, "FormHeight", form->Height());
    formWidth = iniFile->ReadInteger(section, "FormWidth", form->Width());
    form->SetHeight(KeptLength(formHeight, form->DesignedSize().height()));
    form->SetWidth(KeptLength(formWidth, form->DesignedSize().width()));
    colWidths.assign(columns.count, 0);
    for (int col = 0; col < columns.count; ++col) {
        colWidths[col] = iniFile->ReadInteger(section, ColWidthKey(col), columns.width(col));
        columns.setWidth(col, colWidths[col]);
    }
}

void TWindowGeometry::Write(TIniFile* iniFile, const widgets::Form* form, const Columns& columns)
{
    // What is written becomes the value kept, so a second closing without a change writes nothing.
    if (form->Height() != formHeight && Writable(form->Height())) {
        formHeight = form->Height();
        iniFile->WriteInteger(section, "FormHeight", formHeight);
    }
    if (form->Width() != formWidth && Writable(form->Width())) {
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
