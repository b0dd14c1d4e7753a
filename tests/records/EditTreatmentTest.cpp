// The treatment dialog, the note dialog's twin: what differs (texts, the dentist list,
// the treatment table) and the add and replace stores with their write-back.
#include "records/EditTreatmentUnit.h"
#include "tests/records/KarteRowsFixture.h"
#include "tests/support/RefusalNotes.h"

using namespace widgets;

class EditTreatment : public KarteRows
{
protected:
    TEditTreatmentForm& Dialog() { return *EditTreatmentForm; }
    void Fill(const QString& digits, const QString& text, int dentist)
    {
        NextPickedDate(digits);
        Click(Dialog().DateBitBtn);
        Type(Dialog().DescriptionEdit, text);
        Choose(Dialog().DentistCB, dentist);
    }
};

TEST_F(EditTreatment, ShowsItsDesign)
{
    TEditTreatmentForm& d = Dialog();
    EXPECT_EQ(d.windowTitle(), "療法・処置編集");
    EXPECT_EQ(d.size(), QSize(492, 111));
    EXPECT_EQ(d.Label1->Caption(), "処置日(&Date):");
    EXPECT_EQ(d.Label1->FocusControl(), d.DateBitBtn);
    EXPECT_EQ(d.Label2->Caption(), "内容(De&scription):");
    EXPECT_EQ(d.Label3->Caption(), "担当医(Den&tist):");
    EXPECT_EQ(d.Label3->FocusControl(), d.DentistCB);
    EXPECT_TRUE(d.DateEdit->isReadOnly());
    EXPECT_FALSE(d.DateEdit->TabStop());
    EXPECT_FALSE(d.DentistCB->isEditable());
    EXPECT_EQ(d.DefaultButton(), d.OkButton);
    EXPECT_TRUE(d.CancelButton->Cancel());
}

TEST_F(EditTreatment, TheDateFieldShowsAWholeDate)
{
    QLineEdit* edit = Dialog().DateEdit;
    for (const QString date : {"2026/12/10", "2000/08/28", "1999/11/11"})
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(date), TextRoom(edit)) << date.toStdString();
}

TEST_F(EditTreatment, AnEmptyAddNamesTheTreatmentFields)
{
    StoreKarte();
    ShowKarte([&] {
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Dialog().windowTitle(), "療法・処置編集 - 追加");
            EXPECT_EQ(Dialog().OkButton->Caption(), "追加(&A)");
            Script().Expect(BoxKind::Error, "[処置日] が指定されていません。\n[内容] が指定されていません。\n"
                                            "[担当医]が指定されていません。");
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            Click(Dialog().CancelButton);
        });
        Click(Form().TreatmentNewButton);
    });
    EXPECT_EQ(StoredTreatments(), QStringList());
}

TEST_F(EditTreatment, AddThenReplaceAndDeleteTheAddedRowByItsCode)
{
    StoreKarte();
    StoreTreatment("2015/04/01", "scaling", "101");
    ShowKarte([&] {
        TMedicalRecordForm& f = Form();
        Script().OnModal(Dialog(), [&] {
            Fill("20150501", "filling", 1);
            Click(Dialog().OkButton);
        });
        Click(f.TreatmentNewButton);
        EXPECT_EQ(GridRows(f.TreatmentSG),
                  QStringList({"2015/04/01|scaling|山田, 太郎", "2015/05/01|filling|佐藤, 花子"}));
        EXPECT_EQ(f.TreatmentLabel->Caption(), "2");
        EXPECT_EQ(f.tnTreatmentStaffIndex[1], 1);
        EXPECT_EQ(f.tstTreatmentRec[1].iCode,
                  program.Database().Scalar("SELECT MAX(Code) FROM TreatmentTable").toInt());

        SelectRow(f.TreatmentSG, 2);
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Dialog().windowTitle(), "療法・処置編集 - 変更");
            EXPECT_EQ(Dialog().OkButton->Caption(), "置換(&R)");
            EXPECT_EQ(Dialog().DescriptionEdit->Text(), "filling");
            EXPECT_EQ(Dialog().DentistCB->ItemIndex(), 1);
            Type(Dialog().DescriptionEdit, " of 36");
            Click(Dialog().OkButton);
        });
        Click(f.TreatmentEditButton);
        EXPECT_EQ(f.TreatmentSG->Cells[1][2], "filling of 36");
    });
    EXPECT_EQ(StoredTreatments(), QStringList({"2015/04/01|scaling|101", "2015/05/01|filling of 36|102"}));
}

TEST_F(EditTreatment, ADentistWhoLeftWhileTheKarteIsOpenIsNotSwappedForAnother)
{
    StoreKarte();
    StoreTreatment("2015/04/01", "scaling", "101");
    ShowKarte([&] {
        // Another program on the database removes the dentist: the list shrinks by one.
        program.Database().Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 101;");
        SelectRow(Form().TreatmentSG, 1);
        Script().OnModal(Dialog(), [&] {
            EXPECT_EQ(Dialog().DentistCB->count(), 1);
            EXPECT_EQ(Dialog().DentistCB->ItemIndex(), -1);
            EXPECT_EQ(Dialog().DentistCB->Text(), "");
            Type(Dialog().DescriptionEdit, " of 36");
            Script().Expect(BoxKind::Error, "[担当医]が指定されていません。");
            Click(Dialog().OkButton);
            Click(Dialog().CancelButton);
        });
        Click(Form().TreatmentEditButton);
    });
    EXPECT_EQ(StoredTreatments(), QStringList({"2015/04/01|scaling|101"}));
}

TEST_F(EditTreatment, RefusedStoresNameTheTreatmentTable)
{
    StoreKarte();
    StoreTreatment("2015/04/01", "scaling", "101");
    ShowKarte([&] {
        program.Database().Exec("UPDATE KarteTable SET DeleteFlag = 1;");
        Script().OnModal(Dialog(), [&] {
            Fill("20150501", "filling", 0);
            Script().Expect(
                BoxKind::Error,
                "療法・処置テーブルに追加できませんでした。(-3)\n  2015/05/01,filling,山田, 太郎" +
                    StaleNote);
            Click(Dialog().OkButton);
            Click(Dialog().CancelButton);
        });
        Click(Form().TreatmentNewButton);
        SelectRow(Form().TreatmentSG, 1);
        Script().OnModal(Dialog(), [&] {
            Script().Expect(
                BoxKind::Error,
                "療法・処置テーブルを書き換えられませんでした。(-3)\n  2015/04/01,scaling,山田, 太郎" +
                    StaleNote);
            Click(Dialog().OkButton);
            EXPECT_EQ(Dialog().ModalResult(), mrNone);
            Click(Dialog().CancelButton);
        });
        Click(Form().TreatmentEditButton);
        EXPECT_EQ(Form().nTreatmentRecords, 1);
    });
}
