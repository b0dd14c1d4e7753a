#pragma once
// A window's size and its grid's column widths, kept in the window's own section of the
// configuration file ("FormHeight", "FormWidth", "ColWidth0", ...). Read() before the
// showing takes the current values as defaults and applies what it reads, a length below
// the window's design as the design's; Write() at the closing writes each value only when
// it differs from the one read, so a window closed unchanged leaves the file alone, and
// never a length of 0 or less.
//
//     TWindowGeometry geometry{"Patient"};
//     geometry.Read(ProgramFiles.IniFile, this, ColumnsOf(PatientSG));  // BeforeShow
//     geometry.Write(ProgramFiles.IniFile, this, ColumnsOf(PatientSG)); // FormClose
#include "platform/rtl/IniFile.h"
#include "platform/widgets/Form.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <functional>
#include <vector>

// The length a window is shown at for a stored one: never below the design's `designed`.
int KeptLength(int stored, int designed);
// Whether a window's length is one to store.
bool Writable(int length);

// The columns of a grid: how many, and each one's width.
struct TGridColumns
{
    int count = 0;
    std::function<int(int)> width;
    std::function<void(int, int)> setWidth;
};

// Any grid with ColCount(), ColWidth(col) and SetColWidth(col, width).
template <class Grid> TGridColumns ColumnsOf(Grid* grid)
{
    return {grid->ColCount(), [grid](int col) { return grid->ColWidth(col); },
            [grid](int col, int width) { grid->SetColWidth(col, width); }};
}

class TWindowGeometry
{
public:
    using Columns = TGridColumns;

    explicit TWindowGeometry(const QString& section) : section(section) {}

    void Read(TIniFile* iniFile, widgets::Form* form, const Columns& columns = {});
    void Write(TIniFile* iniFile, const widgets::Form* form, const Columns& columns = {});

    const QString& Section() const { return section; }

private:
    QString section;
    int formHeight = 0;
    int formWidth = 0;
    std::vector<int> colWidths;
};

// Lays a window out for its size: the size is kept in the configuration, so a larger
// window shows larger lists. Each control named moves by a share of the window's growth
// beyond its design size and grows by a share of it, per direction:
//
//     auto* layout = new TWindowLayout(this);          // after setupUi
//     layout->Follow(PatientSG, {0, 0}, {1, 1});        // grows with the window
//     layout->Follow(CloseButton, {1, 1}, {0, 0});      // keeps to the bottom right
//
// The window owns it.
class TWindowLayout : public QObject
{
public:
    explicit TWindowLayout(QWidget* window);
    TWindowLayout& Follow(QWidget* control, QPointF move, QSizeF grow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Follower
    {
        QWidget* control;
        QPoint designPos;
        QSize designSize;
        QPointF move;
        QSizeF grow;
    };
    void Apply() const;

    QWidget* window;
    QSize designSize;
    std::vector<Follower> followers;
};
