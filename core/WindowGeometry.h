#pragma once
// A window's size and its grid's column widths, kept in the window's own section of the
// configuration file ("FormHeight", "FormWidth", "ColWidth0", ...). Read() at the
// showing takes the current values as defaults and applies what it reads; Write() at
// the closing writes each value only when it differs from the one read, so a window
// closed unchanged leaves the file alone.
//
//     TWindowGeometry geometry{"Patient"};
//     geometry.Read(MainMenuForm->IniFile, this, ColumnsOf(PatientSG));  // FormShow
//     geometry.Write(MainMenuForm->IniFile, this, ColumnsOf(PatientSG)); // FormClose
#include "platform/rtl/IniFile.h"
#include "platform/widgets/Form.h"

#include <functional>
#include <vector>

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
