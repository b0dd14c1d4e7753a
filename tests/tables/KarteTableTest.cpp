// The karte maintenance editor: live and deleted kartes, the flag, the examinee picker
// with its row for no examinee.
#include "tables/FormKarteTable.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

class KarteEditor : public EditorTest<TKarteTableForm, &KarteTableForm>
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Db().Exec("INSERT INTO Patient2Table (PatientNo, Name0, DeleteFlag) VALUES (1, '青木', 0);");
        Db().Exec("INSERT INTO Patient2Table (PatientNo, Name0, DeleteFlag) VALUES (2, '佐藤', 1);");
        Db().Exec("INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                  "VALUES ('XX-0001-0002', '2015-04-10', 1, -1, 1);");
        Db().Exec("INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                  "VALUES ('XX-0001-0001', '2015-04-11', 2, 1, 0);");
    }
    QStringList Kartes()
    {
        return Rows(
            "SELECT KarteNo || ':' || RDate || ':' || Next || ':' || PatientCode || ':' || DeleteFlag "
            "FROM KarteTable ORDER BY Code;");
    }
};

TEST_F(KarteEditor, ListsLiveAndDeletedKartesAndEveryExamineeAfterTheRowForNone)
{
    Show([&] {
        EXPECT_EQ(f->Caption(), "Karte Table Setting");
        EXPECT_EQ(Column(f->KarteDBGrid, "KarteNo"), QStringList({"XX-0001-0001", "XX-0001-0002"}));
        EXPECT_EQ(f->NofKarteLabel->Caption(), "# of Karte 2");
        EXPECT_EQ(Column(f->PatientDBGrid, "Code"), QStringList({"-1", "2", "1"}));
        EXPECT_EQ(Column(f->PatientDBGrid, "Name1").first(), "no examinee");
        EXPECT_EQ(Column(f->PatientDBGrid, "Birth").first(), "");
        EXPECT_EQ(f->NofPatientLabel->Caption(), "# of Patient 2"); // the examinees, live and deleted
    });
}

TEST_F(KarteEditor, EditSetsAndClearsTheFlagAndAKarteOfNoExamineeKeepsIt)
{
    Show([&] {
        ClickRow(f->KarteDBGrid, 1); // XX-0001-0002: flagged, no examinee
        Click(f->EditButton);
        EXPECT_EQ(f->KarteNoEdit->Text(), "XX-0001-0002");
        EXPECT_EQ(f->NextEdit->Text(), "1");
        EXPECT_TRUE(f->DeleteFlagCheckBox->Checked());
        Tick(f->DeleteFlagCheckBox);
        Click(f->SetButton);
        ClickRow(f->KarteDBGrid, 0); // XX-0001-0001, examinee 1
        Click(f->EditButton);
        Tick(f->DeleteFlagCheckBox);
        ClickRow(f->PatientDBGrid, 0); // no examinee
        Click(f->SetButton);
    });
    EXPECT_EQ(Kartes(), QStringList({"XX-0001-0002:2015-04-10:1:-1:0", "XX-0001-0001:2015-04-11:2:-1:1"}));
}

TEST_F(KarteEditor, SetChangesTheKarteEditWasPressedOnAndAnAddedKarteTakesThePickedExaminee)
{
    Show([&] {
        ClickRow(f->KarteDBGrid, 0);
        Click(f->EditButton);
        Type(f->NextEdit, "0");
        ClickRow(f->KarteDBGrid, 1);
        Click(f->SetButton);
        Click(f->AddButton);
        Type(f->KarteNoEdit, "XX-0001-0003");
        Type(f->NextEdit, "x");
        ClickRow(f->PatientDBGrid, 2);
        Click(f->SetButton);
        EXPECT_EQ(f->NofKarteLabel->Caption(), "# of Karte 3");
    });
    const QStringList kartes = Kartes();
    ASSERT_EQ(kartes.size(), 3);
    EXPECT_EQ(kartes[0], "XX-0001-0002:2015-04-10:1:-1:1");
    EXPECT_EQ(kartes[1], "XX-0001-0001:2015-04-11:20:1:0");
    EXPECT_TRUE(kartes[2].startsWith("XX-0001-0003:")) << kartes[2].toStdString();
    EXPECT_TRUE(kartes[2].endsWith(":0:1:0")) << kartes[2].toStdString();
}

TEST_F(KarteEditor, DeleteRemovesTheRowWithoutAQuestionAndKeepsTheMode)
{
    Show([&] {
        Click(f->AddButton);
        ClickRow(f->KarteDBGrid, 1);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 1);
        EXPECT_EQ(Column(f->KarteDBGrid, "KarteNo"), QStringList({"XX-0001-0001"}));
    });
    EXPECT_TRUE(Script().Boxes().empty());
}

} // namespace
