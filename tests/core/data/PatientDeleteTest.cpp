// The examinee delete: its plain message box, then the flag on every row with the number.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/ScriptedInteraction.h"

namespace {

class PatientDelete : public DataStoreTest
{
protected:
    ScriptedInteraction script;
};

TEST_F(PatientDelete, ShowsTheNumberThenFlagsEveryRowWithIt)
{
    ASSERT_EQ(AddPatient(Patient("5", "Old")), 1);
    Exec("UPDATE Patient2Table SET DeleteFlag = 1");
    ASSERT_EQ(AddPatient(Patient("5", "New")), 1);
    ASSERT_EQ(AddPatient(Patient("6", "Other")), 1);

    script.Expect(widgets::BoxKind::Plain, "iArgPatientNo=5\n(TDBDM::DelPatient)");
    EXPECT_EQ(DelPatient("5"), 1);
    EXPECT_TRUE(script.Sounds().empty());
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE PatientNo = 5 AND DeleteFlag = 1"), 2);
    EXPECT_TRUE(ExistPatientNo("6"));
}

TEST_F(PatientDelete, ATextThatIsNoNumberDeletesNumberZero)
{
    ASSERT_EQ(AddPatient(Patient("0", "Zero")), 1);
    script.Expect(widgets::BoxKind::Plain, "iArgPatientNo=0\n(TDBDM::DelPatient)");
    EXPECT_EQ(DelPatient("zero"), 1);
    EXPECT_FALSE(ExistPatientNo("0"));
}

TEST_F(PatientDelete, TheBoxComesAlsoWhenTheUpdateFails)
{
    Break(module->Query2);
    script.Expect(widgets::BoxKind::Plain, "iArgPatientNo=5\n(TDBDM::DelPatient)");
    EXPECT_EQ(DelPatient("5"), dbFailed);
}

} // namespace
