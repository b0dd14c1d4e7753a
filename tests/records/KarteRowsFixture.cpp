#include "tests/records/KarteRowsFixture.h"

#include "platform/rtl/DateTime.h"

#include <QStyle>
#include <QStyleOptionFrame>

using namespace widgets;

void KarteRows::SetUp()
{
    KarteData::SetUp();
    AddMember("101", "山田", "太郎");
    AddMember("102", "佐藤", "花子");
    // Listed by name, shown by display order.
    AddFood("Bread");
    AddFood("Rice");
    AddFood("Sweets");
    AddFrequency("Daily", 1);
    AddFrequency("Weekly", 2);
    AddFrequency("Never", 3);
}

int KarteRows::FoodCode(const QString& name)
{
    return program.Database().Scalar("SELECT Code FROM FoodTable WHERE Name='" + name + "'").toInt();
}

int KarteRows::FrequencyCode(const QString& name)
{
    return program.Database().Scalar("SELECT Code FROM FrequencyTable WHERE Name='" + name + "'").toInt();
}

void KarteRows::StoreNote(const QString& date, const QString& text, const QString& staffNo)
{
    AddNoteRow(Karte, date, text, staffNo);
}

void KarteRows::StoreTreatment(const QString& date, const QString& text, const QString& staffNo)
{
    AddTreatmentRow(Karte, date, text, staffNo);
}

int KarteRows::StoreCheckup(const QString& date)
{
    return AddCheckupRow(Karte, date, 0);
}

void KarteRows::StoreDietRow(int checkupCode, const QString& food, const QString& frequency)
{
    AddDietRow(checkupCode, FoodCode(food), FrequencyCode(frequency));
}

void KarteRows::ShowKarte(const std::function<void()>& body)
{
    Show([&] {
        Find(Karte);
        body();
    });
}

void KarteRows::SelectRow(StringGrid* grid, int row)
{
    ASSERT_TRUE(grid->isEnabled()) << grid->objectName().toStdString();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 0)).center());
    for (int r = 1; r < row; ++r)
        QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(grid->Row(), row);
}

void KarteRows::Type(QWidget* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, text);
}

void KarteRows::Choose(ComboBox* box, int index)
{
    box->setFocus();
    for (int i = 0; i < 50 && box->ItemIndex() < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    for (int i = 0; i < 50 && box->ItemIndex() > index; ++i)
        QTest::keyClick(box, Qt::Key_Up);
    ASSERT_EQ(box->ItemIndex(), index);
}

QStringList KarteRows::GridRows(StringGrid* grid)
{
    QStringList rows;
    for (int row = 1; row < grid->RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid->ColCount(); ++col)
            cells << grid->Cells[col][row];
        rows << cells.join("|");
    }
    return rows;
}

namespace {

QStringList Rows(TempDatabase& db, const QString& sql)
{
    auto query = db.NewQuery();
    query->SQL->Add(sql);
    query->Open();
    QStringList rows;
    for (query->First(); !query->Eof(); query->Next()) {
        QStringList cells;
        for (int i = 0; i < query->FieldCount(); ++i)
            cells << query->Fields(i)->AsString();
        rows << cells.join("|");
    }
    return rows;
}

} // namespace

QStringList KarteRows::StoredNotes()
{
    return Rows(program.Database(),
                "SELECT N.RDate, N.Description, S.StaffNo FROM NoteTable AS N, Staff2Table AS S, "
                "KarteTable AS K WHERE N.StaffCode = S.Code AND N.KarteCode = K.Code AND "
                "K.KarteNo = '" +
                    QString(Karte) + "' ORDER BY N.Code;");
}

QStringList KarteRows::StoredTreatments()
{
    return Rows(program.Database(),
                "SELECT T.RDate, T.Treatment, S.StaffNo FROM TreatmentTable AS T, Staff2Table AS S, "
                "KarteTable AS K WHERE T.StaffCode = S.Code AND T.KarteCode = K.Code AND K.KarteNo = '" +
                    QString(Karte) + "' ORDER BY T.Code;");
}

QStringList KarteRows::StoredDietRows(int checkupCode)
{
    return Rows(program.Database(),
                "SELECT F.Name, Q.Name FROM DietInquiryTable AS D, FoodTable AS F, "
                "FrequencyTable AS Q WHERE D.FoodCode = F.Code AND D.FrequencyCode = Q.Code "
                "AND D.CheckupCode = " +
                    QString::number(checkupCode) + " ORDER BY D.Code;");
}

int KarteRows::TextRoom(QLineEdit* edit)
{
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.rect = edit->rect();
    frame.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit) : 0;
    frame.midLineWidth = 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit);
    const QMargins margins = edit->textMargins();
    // QLineEdit keeps two pixels free on either side of the text.
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}
