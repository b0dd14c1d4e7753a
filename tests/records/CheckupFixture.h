#pragma once
// The karte editor with check-ups: rows stored as another workstation would store them,
// the list clicked as the operator clicks it, and the chart and its counts read back.
#include "records/DentalFormulaUnit.h"
#include "tests/records/MedicalRecordFixture.h"

#include <utility>
#include <vector>

class CheckupEditor : public KarteEditor
{
protected:
    using ToothCodes = std::vector<std::pair<int stCheckupRecord::*, int>>;

    // The codes of a check-up by chart position: `fill` but for those given.
    static std::vector<int> Chart(const ToothCodes& codes, int fill = 19);
    // A check-up of `karteNo` stored through the data store: every tooth 19 but those
    // given; its code.
    int StoreCheckup(const QString& karteNo, const QString& date, const ToothCodes& codes = {},
                     const QString& memo = "", int schoolCode = 0);
    // The same with every tooth's code given, in chart-position order.
    int StoreCheckup(const QString& karteNo, const QString& date, const std::vector<int>& byPosition,
                     const QString& memo = "", int schoolCode = 0);
    // A diet row of the check-up `checkupCode`.
    void StoreDietRow(int checkupCode, int food = 1, int frequency = 1);
    // The check-up's stored tooth code, read from its row.
    QString StoredTooth(int checkupCode, const QString& column);

    // The karte editor's list items, and a click on item `index`.
    static QStringList ListItems();
    static void ClickItem(int index);
    // A right click on `control` at `pos` (the operator's press, then the menu request).
    static void RightClick(QWidget* control, QPoint pos);
    // The 22 count values in the window's order: permanent "－" C1 C2 C3 C4 CR セ blank
    // × △ DMFT, then the same for the primary teeth.
    static QStringList Counts();
    // The counts with these values, every other one "0" (label names without "ValLabel").
    static QStringList CountsWith(const std::vector<std::pair<QString, int>>& values);
    // The 52 tooth cells of the karte editor's chart in chart-position order.
    static QStringList ChartCells();
};

// The same with the debug log open.
class CheckupEditorWithLog : public CheckupEditor
{
protected:
    void Prepare() override { program.WriteSetting("Debug", "DebLog", "1"); }
};
