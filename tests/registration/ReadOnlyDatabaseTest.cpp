// A database this user may not write, as the program starts: the program says so once, the
// examinee window's add is refused with the reason, and once the database can be written again
// the same add stores, without a restart. The file read-only, or its folder (where each store
// keeps its rollback journal).
#include "tests/registration/PatientWindow.h"
#include "tests/support/HeldToPermissions.h"
#include "tests/support/RefusalNotes.h"

using namespace widgets;

namespace {

class ReadOnlyDatabase : public PatientWindowTest, public ::testing::WithParamInterface<bool>
{
protected:
    // The folder when the parameter is true, else the file.
    QString ReadOnlyPath()
    {
        return GetParam() ? program.Database().HostFolder() : program.Database().DatabaseFile();
    }
    void Prepare() override
    {
        AddSchool("North");
        ASSERT_TRUE(held.Held());
        ASSERT_TRUE(HeldToPermissions::SetReadOnly(ReadOnlyPath(), true));
        Script().Expect(BoxKind::Warning,
                        "データベース\"C:\\kvr\\database\"に書き込めません（読み取り専用です）。\n"
                        "記録を見ることはできますが，追加・変更・削除はできません。\n"
                        "データベースのフォルダーとファイルに書き込めるようにすれば，"
                        "起動し直さなくても記録できます。");
    }
    void TearDown() override { HeldToPermissions::SetReadOnly(ReadOnlyPath(), false); }

    HeldToPermissions held;
};

} // namespace

// Mended: SQLite opened a read-only file read-only without a word; every store was refused with
// only a code, and still after the file could be written again, until a restart.
TEST_P(ReadOnlyDatabase, IsSaidAtTheStartAndAStoreSucceedsOnceItCanBeWritten)
{
    InWindow([&] {
        NewExaminee("Taro", "Yamada", "20080401");
        Choose(PatientForm->SexComboBox, 0);
        Script().Expect(BoxKind::Error, "受診者テーブルに追加できませんでした。(-1)" + ReadOnlyNote);
        QTest::mouseClick(PatientForm->AddButton, Qt::LeftButton);
        ASSERT_TRUE(PatientForm->AddButton->isEnabled());
        ASSERT_TRUE(HeldToPermissions::SetReadOnly(ReadOnlyPath(), false));
        QTest::mouseClick(PatientForm->AddButton, Qt::LeftButton);
        EXPECT_FALSE(PatientForm->AddButton->isEnabled());
    });
    EXPECT_EQ(Scalar("SELECT Name0 FROM Patient2Table;"), "Yamada");
    // Said once: a box at the start, one for the refused add.
    EXPECT_EQ(Script().Boxes().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(FileOrFolder, ReadOnlyDatabase, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Folder" : "File"; });
