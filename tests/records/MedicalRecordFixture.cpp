#include "tests/records/MedicalRecordFixture.h"

#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Paths.h"
#include "records/MedicalRecordSearchUnit.h"

#include <QFile>

using namespace widgets;

QString KarteEditor::DebLog()
{
    QFile file(HostPath(ProgramFixture::SettingsFolder() + "\\DebLog.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return FromCodePage(file.readAll()).replace("\r\n", "\n");
}

QStringList KarteEditor::GridRow(StringGrid* grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid->ColCount(); ++col)
        cells << grid->Cells[col][row];
    return cells;
}

QStringList KarteEditor::GridColumn(StringGrid* grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid->RowCount(); ++row)
        cells << grid->Cells[col][row];
    return cells;
}

QString KarteEditor::Setting(const QString& key) const
{
    return MainMenuForm->IniFile->ReadString("MedicalRecord", key, "(none)");
}

void KarteEditor::Show(const std::function<void()>& body)
{
    Script().OnModal(*MedicalRecordForm, [&] {
        body();
        if (MedicalRecordForm->ModalResult() == mrNone)
            MedicalRecordForm->Close();
    });
    QTest::mouseClick(MainMenuForm->KarteButton, Qt::LeftButton);
}

void KarteEditor::Click(QWidget* control)
{
    ASSERT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    QTest::mouseClick(control, Qt::LeftButton);
}

void KarteEditor::Tick(QWidget* box)
{
    ASSERT_TRUE(box->isEnabled()) << box->objectName().toStdString();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void KarteEditor::TypeOver(QWidget* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_End);
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void KarteEditor::TypeIntoPicker(const QString& digits)
{
    // The picker shows with its first place selected: the digits type over the date.
    QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, digits);
}

void KarteEditor::NextPickedDate(const QString& digits)
{
    Script().OnModal(*MonthCalendarForm, [digits] {
        if (digits.isEmpty()) {
            QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Escape);
            return;
        }
        TypeIntoPicker(digits);
        QTest::keyClick(MonthCalendarForm->SpecifiedDateMaskEdit, Qt::Key_Return);
    });
}

void KarteEditor::NewKarteDated(const QString& digits)
{
    Click(Form().NewButton);
    NextPickedDate(digits);
    Click(Form().MediRecDateBitBtn);
}

int KarteEditor::StoreKarte(const QString& karteNo, const QString& date, stExcursusRec excursus, int next)
{
    stMedicalRec header;
    header.asMediRecNo = karteNo;
    header.tDate = StrToDate(date);
    header.iNext = next;
    EXPECT_EQ(AddMedicalRecord(header, excursus, ""), 1) << karteNo.toStdString();
    return program.Database().Scalar("SELECT Code FROM KarteTable WHERE KarteNo='" + karteNo + "'").toInt();
}

void KarteEditor::NextSearchOpens(const QString& karteNo)
{
    Script().OnModal(*MedicalRecordSearchForm, [karteNo] {
        TMedicalRecordSearchForm& search = *MedicalRecordSearchForm;
        if (karteNo.isEmpty()) {
            Click(search.CancelButton);
            return;
        }
        // As the operator finds it: the number typed, Find, the one karte listed opened.
        TypeOver(search.MediRecNoEdit, karteNo);
        Click(search.FindButton);
        ASSERT_EQ(search.MediRecSG->Cell(TMedicalRecordSearchForm::Imrsg_MediRecNo, 1), karteNo);
        ASSERT_EQ(search.MediRecSG->RowCount(), 2)
            << "more than one karte found for " << karteNo.toStdString();
        Click(search.OpenButton);
    });
}

void KarteEditor::Find(const QString& karteNo)
{
    NextSearchOpens(karteNo);
    Click(Form().FindButton);
}
