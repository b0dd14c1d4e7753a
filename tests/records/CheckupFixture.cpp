#include "tests/records/CheckupFixture.h"

#include "platform/rtl/DateTime.h"

#include <QContextMenuEvent>

using namespace widgets;

std::vector<int> CheckupEditor::Chart(const ToothCodes& codes, int fill)
{
    stCheckupRecord checkup;
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
        ToothCode(checkup, p) = fill;
    for (const auto& [field, code] : codes)
        checkup.*field = code;
    std::vector<int> byPosition;
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
        byPosition.push_back(ToothCode(checkup, p));
    return byPosition;
}

int CheckupEditor::StoreCheckup(const QString& karteNo, const QString& date, const ToothCodes& codes,
                                const QString& memo, int schoolCode)
{
    return StoreCheckup(karteNo, date, Chart(codes), memo, schoolCode);
}

int CheckupEditor::StoreCheckup(const QString& karteNo, const QString& date,
                                const std::vector<int>& byPosition, const QString& memo, int schoolCode)
{
    stCheckupRecord checkup;
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
        ToothCode(checkup, p) = byPosition.at(size_t(p));
    checkup.tDate = StrToDate(date);
    checkup.asKarteNo = karteNo;
    checkup.asMemo = memo;
    checkup.iSchoolCode = schoolCode;
    const int code = AddCheckup(checkup);
    EXPECT_GT(code, 0) << karteNo.toStdString();
    return code;
}

void CheckupEditor::StoreDietRow(int checkupCode, int food, int frequency)
{
    stDietInquiryRecord row;
    row.iCheckupCode = checkupCode;
    row.iFoodCode = food;
    row.iFrequencyCode = frequency;
    ASSERT_EQ(AddDietInquiry(row), 1);
}

QString CheckupEditor::StoredTooth(int checkupCode, const QString& column)
{
    return program.Database().Scalar("SELECT " + column +
                                     " FROM CheckupTable WHERE Code=" + QString::number(checkupCode));
}

QStringList CheckupEditor::ListItems()
{
    QStringList items;
    for (int i = 0; i < MedicalRecordForm->CheckupDateListBox->count(); ++i)
        items << MedicalRecordForm->CheckupDateListBox->item(i)->text();
    return items;
}

void CheckupEditor::ClickItem(int index)
{
    ListBox* list = MedicalRecordForm->CheckupDateListBox;
    ASSERT_TRUE(list->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
}

void CheckupEditor::RightClick(QWidget* control, QPoint pos)
{
    QTest::mouseClick(control, Qt::RightButton, {}, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, control->mapToGlobal(pos));
    QApplication::sendEvent(control, &event);
}

QStringList CheckupEditor::Counts()
{
    QStringList counts;
    const TMedicalRecordForm& f = *MedicalRecordForm;
    for (const Label* label :
         {f.NoValLabel,     f.C1ValLabel,      f.C2ValLabel,     f.C3ValLabel,     f.C4ValLabel,
          f.CrValLabel,     f.AfValLabel,      f.NeValLabel,     f.McValLabel,     f.MiValLabel,
          f.DmftValLabel,   f.NoMilkValLabel,  f.C1MilkValLabel, f.C2MilkValLabel, f.C3MilkValLabel,
          f.C4MilkValLabel, f.CrMilkValLabel,  f.AfMilkValLabel, f.NeMilkValLabel, f.McMilkValLabel,
          f.MiMilkValLabel, f.DmftMilkValLabel})
        counts << label->Caption();
    return counts;
}

QStringList CheckupEditor::CountsWith(const std::vector<std::pair<QString, int>>& values)
{
    const QStringList names = {"No",     "C1",     "C2",     "C3",      "C4",     "Cr",
                               "Af",     "Ne",     "Mc",     "Mi",      "Dmft",   "NoMilk",
                               "C1Milk", "C2Milk", "C3Milk", "C4Milk",  "CrMilk", "AfMilk",
                               "NeMilk", "McMilk", "MiMilk", "DmftMilk"};
    QStringList counts(names.size(), "0");
    for (const auto& [name, value] : values) {
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
        counts[names.indexOf(name)] = QString::number(value);
    }
    return counts;
}

QStringList CheckupEditor::ChartCells()
{
    QStringList cells;
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
        cells << MedicalRecordForm->DentalFormulaSG
                     ->Cells[DentalFormulaForm->tnToothCol[p]][DentalFormulaForm->tnToothRow[p]];
    return cells;
}
