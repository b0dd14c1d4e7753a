// The examinee delete: its plain message box, then the flag on every row with the number.
#include "tests/core/data/DataStoreFixture.h"
#include "platform/widgets/Interaction.h"

#include <QStringList>

namespace {

// Records the boxes and answers OK.
class RecordedBoxes : public widgets::Interaction
{
public:
    int ShowModal(widgets::Form&) override { return widgets::mrCancel; }
    void PlaySound(widgets::Sound) override {}
    int ShowBox(widgets::BoxKind kind, const QString& text) override
    {
        kinds.push_back(kind);
        texts << text;
        return widgets::mrOk;
    }
    QString OpenPicture(const QString&, const QString&) override { return {}; }
    bool PrinterSetup() override { return false; }
    bool OpenDocument(const QString&) override { return false; }
    void MovePointer(const QPoint&) override {}
    void ProcessMessages() override {}
    TDateTime Now() override { return 0; }

    std::vector<widgets::BoxKind> kinds;
    QStringList texts;
};

class PatientDelete : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        widgets::SetInteraction(&boxes);
    }
    void TearDown() override
    {
        widgets::SetInteraction(nullptr);
        DataStoreTest::TearDown();
    }
    RecordedBoxes boxes;
};

TEST_F(PatientDelete, ShowsTheNumberThenFlagsEveryRowWithIt)
{
    ASSERT_EQ(AddPatient(Patient("5", "Old")), 1);
    Exec("UPDATE Patient2Table SET DeleteFlag = 1");
    ASSERT_EQ(AddPatient(Patient("5", "New")), 1);
    ASSERT_EQ(AddPatient(Patient("6", "Other")), 1);

    EXPECT_EQ(DelPatient("5"), 1);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.kinds[0], widgets::BoxKind::Plain);
    EXPECT_EQ(boxes.texts[0], "iArgPatientNo=5\n(TDBDM::DelPatient)");
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE PatientNo = 5 AND DeleteFlag = 1"), 2);
    EXPECT_TRUE(ExistPatientNo("6"));
}

TEST_F(PatientDelete, ATextThatIsNoNumberDeletesNumberZero)
{
    ASSERT_EQ(AddPatient(Patient("0", "Zero")), 1);
    EXPECT_EQ(DelPatient("zero"), 1);
    EXPECT_EQ(boxes.texts.value(0), "iArgPatientNo=0\n(TDBDM::DelPatient)");
    EXPECT_FALSE(ExistPatientNo("0"));
}

TEST_F(PatientDelete, TheBoxComesAlsoWhenTheUpdateFails)
{
    Break(module->Query2);
    EXPECT_EQ(DelPatient("5"), -1);
    EXPECT_EQ(boxes.texts.size(), 1);
}

} // namespace
