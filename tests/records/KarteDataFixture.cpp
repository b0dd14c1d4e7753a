#include "tests/records/KarteDataFixture.h"

#include "app/FormMainMenu.h"
#include "core/data/Teeth.h"
#include "platform/rtl/DateTime.h"
#include "records/MedicalRecordSearchUnit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>

using namespace widgets;

KarteData::KarteData() : oldCurrent(QDir::currentPath())
{
    QDir::setCurrent(folder.path());
}

KarteData::~KarteData()
{
    for (const QString& document : placedDocuments)
        QFile::remove(document);
    QDir::setCurrent(oldCurrent);
}

int KarteData::AddSchool(const QString& name)
{
    program.Database().Exec("INSERT INTO SchoolTable (Name) VALUES ('" + name + "');");
    return program.Database().Scalar("SELECT MAX(Code) FROM SchoolTable;").toInt();
}

void KarteData::AddExaminee(const QString& no, const QString& family, const QString& personal,
                            const QString& familyKana, const QString& personalKana, const QString& birth,
                            int sex, int school, const QString& photo)
{
    stPatientRec patient;
    patient.asPatientNo = no;
    patient.asName0 = family;
    patient.asName1 = personal;
    patient.asNameKana0 = familyKana;
    patient.asNameKana1 = personalKana;
    patient.tBirth = StrToDate(birth);
    patient.iSex = sex;
    patient.iSchoolCode = school;
    patient.asPortrait = photo;
    ASSERT_EQ(AddPatient(patient), 1) << no.toStdString();
}

void KarteData::AddKarte(const QString& karteNo, const QString& date, const QString& patientNo,
                         const stExcursusRec& excursus, int next)
{
    stMedicalRec header;
    header.asMediRecNo = karteNo;
    header.tDate = StrToDate(date);
    header.iNext = next;
    ASSERT_EQ(AddMedicalRecord(header, excursus, patientNo), 1) << karteNo.toStdString();
}

void KarteData::AddMember(const QString& no, const QString& family, const QString& personal)
{
    stStaffRecord staff;
    staff.asStaffNo = no;
    staff.iJobCode = 1;
    staff.asNameKanji0 = family;
    staff.asNameKanji1 = personal;
    ASSERT_EQ(AddStaff(staff), 1);
}

namespace {

// A note or a treatment: the same four fields under their own names.
template <class Record>
void AddStaffRow(int (*add)(Record, int), QString Record::*text, const QString& karteNo, const QString& date,
                 const QString& description, const QString& staffNo)
{
    Record row;
    row.tDate = StrToDate(date);
    row.*text = description;
    row.asStaffNo = staffNo;
    row.asKarteNo = karteNo;
    ASSERT_EQ(add(row, 0), 1);
}

} // namespace

void KarteData::AddNoteRow(const QString& karteNo, const QString& date, const QString& text,
                           const QString& staffNo)
{
    AddStaffRow(AddNote, &stNoteRecord::asDescription, karteNo, date, text, staffNo);
}

void KarteData::AddTreatmentRow(const QString& karteNo, const QString& date, const QString& text,
                                const QString& staffNo)
{
    AddStaffRow(AddTreatment, &stTreatmentRecord::asTreatment, karteNo, date, text, staffNo);
}

int KarteData::AddCheckupRow(const QString& karteNo, const QString& date, int school,
                             const std::function<void(stCheckupRecord&)>& teeth)
{
    stCheckupRecord checkup;
    for (const Tooth& tooth : Teeth)
        checkup.*tooth.field = 19;
    checkup.tDate = StrToDate(date);
    checkup.asKarteNo = karteNo;
    checkup.iSchoolCode = school;
    if (teeth)
        teeth(checkup);
    const int code = AddCheckup(checkup);
    EXPECT_GT(code, 0);
    return code;
}

int KarteData::AddFood(const QString& name)
{
    program.Database().Exec("INSERT INTO FoodTable (Name) VALUES ('" + name + "');");
    return program.Database().Scalar("SELECT MAX(Code) FROM FoodTable;").toInt();
}

int KarteData::AddFrequency(const QString& name, int order)
{
    program.Database().Exec(
        QString("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('%1', %2);").arg(name).arg(order));
    return program.Database().Scalar("SELECT MAX(Code) FROM FrequencyTable;").toInt();
}

void KarteData::AddDietRow(int checkupCode, int food, int frequency)
{
    stDietInquiryRecord row;
    row.iCheckupCode = checkupCode;
    row.iFoodCode = food;
    row.iFrequencyCode = frequency;
    ASSERT_EQ(AddDietInquiry(row), 1);
}

void KarteData::WritePhoto(const QString& name)
{
    QDir(folder.path()).mkpath("Images");
    QImage image(6, 8, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(folder.filePath("Images/" + name), "BMP"));
}

void KarteData::Search(const std::function<void()>& body)
{
    Script().OnModal(*MedicalRecordSearchForm, [&] {
        body();
        if (MedicalRecordSearchForm->ModalResult() == mrNone)
            QTest::mouseClick(MedicalRecordSearchForm->CancelButton, Qt::LeftButton);
    });
    Click(Form().FindButton);
}

void KarteData::FindThroughSearch(const QString& karteNo)
{
    Search([&] {
        TMedicalRecordSearchForm& s = *MedicalRecordSearchForm;
        TypeOver(s.MediRecNoEdit, karteNo);
        Click(s.FindButton);
        ASSERT_EQ(s.MediRecSG->Cell(0, 1), karteNo);
        Click(s.OpenButton);
    });
}

QString KarteData::PlaceMainDocument(const QString& key)
{
    const QString name = QString("%1-%2.doc").arg(key).arg(QCoreApplication::applicationPid());
    const QString path = QCoreApplication::applicationDirPath() + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    placedDocuments << path;
    MainMenuForm->IniFile->WriteString("Print", key, name);
    return path;
}

QString KarteData::MissingMainDocument(const QString& key)
{
    const QString name = QString("%1-%2-missing.doc").arg(key).arg(QCoreApplication::applicationPid());
    MainMenuForm->IniFile->WriteString("Print", key, name);
    return "Z:" + QString(QCoreApplication::applicationDirPath()).replace('/', '\\') + "\\" + name;
}

QByteArray KarteData::CurrentFolderFile(const QString& name) const
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

namespace {

QPoint CellCentre(StringGrid* grid, int col, int row)
{
    const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col - grid->FixedCols());
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

} // namespace

void ClickCell(StringGrid* grid, int col, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, col, row));
}

void DoubleClickCell(StringGrid* grid, int col, int row)
{
    // As a mouse gives it: a press and release, then the double click and its release.
    const QPoint at = CellCentre(grid, col, row);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
}

void TypeInto(QWidget* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_End);
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    // Japanese comes through the input method, committed a word at a time.
    QString ascii;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            ascii += c;
            continue;
        }
        QTest::keyClicks(edit, ascii);
        ascii.clear();
        QInputMethodEvent event;
        event.setCommitString(QString(c));
        QApplication::sendEvent(edit, &event);
    }
    QTest::keyClicks(edit, ascii);
}
