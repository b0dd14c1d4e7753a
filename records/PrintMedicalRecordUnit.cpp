#include "records/PrintMedicalRecordUnit.h"

#include "core/ProgramFiles.h"
#include "core/data/CommonUnit.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"
#include "records/PrintCardUnit.h"

#include <array>

TPrintMedicalRecordForm* PrintMedicalRecordForm = nullptr;

const QString SheetAHeader =
    "MediRecNo,MediRecDate,PatientNo,FamilyName,PersonalName,BirthDate,Sex,PhotoImage,AIDS,Tuberclulosis,"
    "TuberclulosisCmnt,BloodInfection,BloodInfectionCmnt,HepatitisB,HepatitisC,ArialInfection,"
    "ArialInfectionCmnt,OtherInfection,OtherInfectionCmnt,NoAbnormality,Anemia,Swollen,Bleeding,Fever,"
    "NotExtracted,NoAllergy,AfterInjection,AfterMedicine,OtherAllergy,OtherAllergyCmnt,HaveInterest,"
    "NoInterest,BrushingFreq,BrushingFreqCmnt,Next,NoteDate,NoteDescript,NoteName\n";

const QString SheetBHeader =
    "MediRecNo,MediRecDate,PatientNo,FamilyName,PersonalName,CheckupDate,SchoolName,URE,URD,URC,URB,URA,ULA,"
    "ULB,ULC,ULD,ULE,BRE,BRD,BRC,BRB,BRA,BLA,BLB,BLC,BLD,BLE,UR8,UR7,UR6,UR5,UR4,UR3,UR2,UR1,UL1,UL2,UL3,UL4,"
    "UL5,UL6,UL7,UL8,BR8,BR7,BR6,BR5,BR4,BR3,BR2,BR1,BL1,BL2,BL3,BL4,BL5,BL6,BL7,BL8,FoodType,EatingFreq,"
    "TreatDate,TreatDescript,TreatDentist\n";

namespace {

// Deliberately every text keeps to its field whatever it holds: inside a quoted field a
// quote is doubled, and a field written bare is quoted when it holds a comma, a quote or
// a line break. A text holding none of these is written as the stored main documents
// read it.

// A ticked box is "X", a clear one a hyphen in double quotes.
QString Mark(bool ticked)
{
    return ticked ? "X" : CsvQuoted("-");
}

// Column `col` of the grid's rows 1 to `rows`, one line each.
QString GridColumn(const widgets::StringGrid* grid, int col, int rows)
{
    QStringList lines;
    for (int row = 1; row <= rows; ++row)
        lines << grid->Cell(col, row);
    return lines.join("\n");
}

// The photo's path with two double quotes on each side, as the main document takes it;
// a path that needs quotes is one quoted field holding the path in quotes.
QString PhotoField(const QString& path)
{
    if (!CsvNeedsQuotes(path))
        return "\"\"" + path + "\"\"";
    return CsvQuoted('"' + path + '"');
}

QString Line(const QStringList& fields)
{
    return fields.join(",") + "\n";
}

using R = stCheckupRecord;
// Upper primary right E..A, left A..E; lower the same; then the permanent teeth from
// the right 8 to the left 8, upper and lower.
constexpr std::array<int R::*, 52> SheetBTeeth = {
    &R::iRTE, &R::iRTD, &R::iRTC, &R::iRTB, &R::iRTA, &R::iLTA, &R::iLTB, &R::iLTC, &R::iLTD,
    &R::iLTE, &R::iRBE, &R::iRBD, &R::iRBC, &R::iRBB, &R::iRBA, &R::iLBA, &R::iLBB, &R::iLBC,
    &R::iLBD, &R::iLBE, &R::iRT8, &R::iRT7, &R::iRT6, &R::iRT5, &R::iRT4, &R::iRT3, &R::iRT2,
    &R::iRT1, &R::iLT1, &R::iLT2, &R::iLT3, &R::iLT4, &R::iLT5, &R::iLT6, &R::iLT7, &R::iLT8,
    &R::iRB8, &R::iRB7, &R::iRB6, &R::iRB5, &R::iRB4, &R::iRB3, &R::iRB2, &R::iRB1, &R::iLB1,
    &R::iLB2, &R::iLB3, &R::iLB4, &R::iLB5, &R::iLB6, &R::iLB7, &R::iLB8,
};

struct TDietFields
{
    QString foodTypes;
    QString eatingFrequencies;
};

// The diet rows of one check-up as sheet B lists them; empty fields after a failure.
TDietFields ReadDietFields(int checkupCode)
{
    stDietInquiryRecord rows[TMedicalRecordForm::MaxDietInquiryRecords];
    stDietInquiryRecord& filter = rows[0];
    filter.iFoodCode = -1;
    filter.iFrequencyCode = -1;
    filter.iCheckupCode = checkupCode;
    int found = SearchDietInquiry(filter);
    if (found < 0) {
        widgets::ShowError("食事調査テーブルを検索できませんでした。(" + QString::number(found) + ")");
        return {};
    }
    if (found == 0)
        return {};
    found = CapRowCount(found, TMedicalRecordForm::MaxDietInquiryRecords, "食事調査行数が");
    const int read = GetDietInquiries(rows, found);
    if (read < 0) {
        widgets::ShowError("食事調査テーブルからデータを取り出せませんでした。(" + QString::number(read) +
                           ")");
        return {};
    }
    CommonForm->LoadFood();
    CommonForm->LoadFrequency();
    QStringList foods;
    QStringList frequencies;
    for (int i = 0; i < found; ++i) {
        // A food or frequency missing from the cached lists has no name to show.
        const int food = CommonForm->FindFood(rows[i].iFoodCode);
        const int frequency = CommonForm->FindFrequency(rows[i].iFrequencyCode);
        foods << (food < 0 ? QString() : CommonForm->tstFoodRec[food].asName);
        frequencies << (frequency < 0 ? QString() : CommonForm->tstFrequencyRec[frequency].asName);
    }
    return {foods.join("\n"), frequencies.join("\n")};
}

} // namespace

QString PhotoFolderText(const QString& programFolder, const QString& imagePath)
{
    return QString(programFolder + imagePath).replace("\\", "\\\\");
}

QString SheetALine(const TMedicalRecordForm& e, const QString& photoFolderText)
{
    const int notes = e.nNoteRecords;
    const bool interested = e.Q3RadioGroup->ItemIndex() == 0;
    return Line({
        CsvField(e.MediRecNoEdit->Text()),
        CsvQuoted(e.MediRecDateEdit->Text()),
        CsvField(e.PatientNoEdit->Text()),
        CsvField(e.FamilyNameLabel->Caption()),
        CsvField(e.PersonalNameLabel->Caption()),
        CsvQuoted(e.BirthDateEdit->Text()),
        CsvField(e.SexEdit->Text()),
        PhotoField(photoFolderText + "\\\\" + e.PhotoLabel->Caption()),
        Mark(e.AidsCheckBox->Checked()),
        Mark(e.TuberculosisCheckBox->Checked()),
        CsvQuoted(e.TuberculosisEdit->Text()),
        Mark(e.BloodInfectionCheckBox->Checked()),
        CsvQuoted(e.BloodInfectionEdit->Text()),
        Mark(e.HepatitisBCheckBox->Checked()),
        Mark(e.HepatitisCCheckBox->Checked()),
        Mark(e.AirialInfectionCheckBox->Checked()),
        CsvQuoted(e.AirialInfectionEdit->Text()),
        Mark(e.OtherInfectionCheckBox->Checked()),
        CsvQuoted(e.OtherInfectionEdit->Text()),
        Mark(e.NoneCheckBox->Checked()),
        Mark(e.AnemiaCheckBox->Checked()),
        Mark(e.SwollingCheckBox->Checked()),
        Mark(e.BleedingCheckBox->Checked()),
        Mark(e.FeverCheckBox->Checked()),
        Mark(e.NoExtCheckBox->Checked()),
        Mark(e.NoAllergyCheckBox->Checked()),
        Mark(e.AfterInjectionCheckBox->Checked()),
        Mark(e.AfterDosingCheckBox->Checked()),
        Mark(e.AllergyOthersCheckBox->Checked()),
        CsvQuoted(e.AllergyCommentEdit->Text()),
        Mark(interested),
        // No choice counts as no interest.
        Mark(!interested),
        CsvQuoted(e.BrushingCB->Text()),
        CsvQuoted(e.BrushingEdit->Text()),
        CsvField(e.NextCheckupCB->Text()),
        CsvQuoted(GridColumn(e.NoteStringGrid, 0, notes)),
        CsvQuoted(GridColumn(e.NoteStringGrid, 1, notes)),
        CsvQuoted(GridColumn(e.NoteStringGrid, 2, notes)),
    });
}

QStringList SheetBToothSymbols(const stCheckupRecord& checkup)
{
    QStringList symbols;
    for (int R::*tooth : SheetBTeeth)
        symbols << TMedicalRecordForm::ToothCodeToSymbol(checkup.*tooth);
    return symbols;
}

QString SheetBLine(const TMedicalRecordForm& e, int index, const QString& schoolName,
                   const QString& foodTypes, const QString& eatingFrequencies)
{
    // The karte number opens the karte's first line only; the treatments close its last.
    const bool last = index == e.nCheckupRecords - 1;
    const int treatments = last ? e.nTreatmentRecords : 0;
    QStringList fields = {
        CsvField(index == 0 ? e.MediRecNoEdit->Text() : QString()),
        CsvQuoted(e.MediRecDateEdit->Text()),
        CsvField(e.PatientNoEdit->Text()),
        CsvField(e.FamilyNameLabel->Caption()),
        CsvField(e.PersonalNameLabel->Caption()),
        CsvQuoted(e.CheckupDateListBox->item(index) ? e.CheckupDateListBox->item(index)->text() : QString()),
        CsvQuoted(schoolName),
    };
    fields << SheetBToothSymbols(e.tstChekupRec[index]);
    fields << CsvQuoted(foodTypes) << CsvQuoted(eatingFrequencies)
           << CsvQuoted(GridColumn(e.TreatmentSG, 0, treatments))
           << CsvQuoted(GridColumn(e.TreatmentSG, 1, treatments))
           << CsvQuoted(GridColumn(e.TreatmentSG, 2, treatments));
    return Line(fields);
}

TPrintMedicalRecordForm::TPrintMedicalRecordForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Position = widgets::Position::OwnerCenter;

    using widgets::Connect;
    using Self = TPrintMedicalRecordForm;
    Connect(this, &Form::OnShow, this, &Self::FormShow);
    Connect(LeftCheckBox, &widgets::CheckBox::Click, this, &Self::LeftCheckBoxClick);
    Connect(RightCheckBox, &widgets::CheckBox::Click, this, &Self::RightCheckBoxClick);
    Connect(PrintButton, &QPushButton::clicked, this, &Self::PrintButtonClick);
    Connect(PrinterSetupButton, &QPushButton::clicked, this, &Self::PrinterSetupButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &Self::CloseButtonClick);
}

void TPrintMedicalRecordForm::FormShow()
{
    UpdatePrintButton();
}

void TPrintMedicalRecordForm::LeftCheckBoxClick()
{
    UpdatePrintButton();
}

void TPrintMedicalRecordForm::RightCheckBoxClick()
{
    UpdatePrintButton();
}

void TPrintMedicalRecordForm::UpdatePrintButton()
{
    PrintButton->setEnabled(LeftCheckBox->Checked() || RightCheckBox->Checked());
}

void TPrintMedicalRecordForm::PrintButtonClick()
{
    if (LeftCheckBox->Checked())
        PrintSheetA("MediRecA.txt");
    if (RightCheckBox->Checked())
        PrintSheetB("MediRecB.txt");
    Close();
}

void TPrintMedicalRecordForm::PrinterSetupButtonClick()
{
    widgets::CurrentInteraction().PrinterSetup();
}

void TPrintMedicalRecordForm::CloseButtonClick()
{
    Close();
}

void TPrintMedicalRecordForm::PrintSheetA(const QString& fileName)
{
    const QString photoFolder =
        PhotoFolderText(ProgramFolder(), ProgramFiles.IniFile->ReadString("Patient", "ImagePath", "Images"));
    std::unique_ptr<TDataFile> file = OpenMergeDataFile(fileName);
    if (!file)
        return;
    const bool written =
        file->Write(SheetAHeader) && file->Write(SheetALine(*MedicalRecordForm, photoFolder));
    if (CloseMergeDataFile(file, fileName, written) != 0)
        return;
    OpenMergeMainDocument("DocA", "MediRecA.doc");
}

void TPrintMedicalRecordForm::PrintSheetB(const QString& fileName)
{
    std::unique_ptr<TDataFile> file = OpenMergeDataFile(fileName);
    if (!file)
        return;
    bool written = file->Write(SheetBHeader);
    const TMedicalRecordForm& editor = *MedicalRecordForm;
    for (int i = 0; i < editor.nCheckupRecords; ++i) {
        const stCheckupRecord& checkup = editor.tstChekupRec[i];
        const QString school = GetSchoolName(checkup.iSchoolCode);
        const TDietFields diet = ReadDietFields(checkup.iCode);
        written =
            file->Write(SheetBLine(editor, i, school, diet.foodTypes, diet.eatingFrequencies)) && written;
    }
    if (CloseMergeDataFile(file, fileName, written) != 0)
        return;
    OpenMergeMainDocument("DocB", "MediRecB.doc");
}
