// The data-aware grid and edit follow their dataset.
#include "platform/db/DataSource.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "tests/support/TempDatabase.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

class DataAware : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.Exec("INSERT INTO JobTable (Job) VALUES ('歯科医師');");
        db.Exec("INSERT INTO JobTable (Job) VALUES ('歯科衛生士');");
        db.Exec("INSERT INTO JobTable (Job) VALUES ('事務');");
        source.SetDataSet(query.get());
        grid.SetDataSource(&source);
        grid.resize(300, 200);
        grid.show();
    }
    QString Title(int column) { return grid.model()->headerData(column, Qt::Horizontal).toString(); }
    QString Text(int row, int column) { return grid.model()->index(row, column).data().toString(); }

    TempDatabase db;
    std::unique_ptr<TQuery> query = db.NewQuery();
    TDataSource source;
    DBGrid grid;
};

TEST_F(DataAware, GridShowsTheFieldsAndRowsOfWhateverTheQueryHolds)
{
    EXPECT_EQ(grid.model()->rowCount(), 0); // closed: no rows
    query->SQL->Add("SELECT Code, Job FROM JobTable ORDER BY Code;");
    query->Open();
    ASSERT_EQ(grid.ColumnCount(), 2);
    EXPECT_EQ(Title(0), "Code");
    EXPECT_EQ(Title(1), "Job");
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(Text(1, 1), "歯科衛生士");
    grid.SetColumnVisible(0, false);
    // The current cell stays where it shows.
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(0, 1));
    EXPECT_EQ(query->RecNo(), 1);

    // Reopened on another statement: new default columns, settings gone.
    query->SQL->Clear();
    query->SQL->Add("SELECT Job FROM JobTable WHERE Job LIKE '%歯科%';");
    query->Open();
    ASSERT_EQ(grid.ColumnCount(), 1);
    EXPECT_EQ(Title(0), "Job");
    EXPECT_TRUE(grid.ColumnVisible(0));
    EXPECT_EQ(grid.model()->rowCount(), 2);
    query->Close();
    EXPECT_EQ(grid.model()->rowCount(), 0);
}

TEST_F(DataAware, TheCurrentRowIsTheCurrentRecordBothWays)
{
    query->SQL->Add("SELECT Code, Job FROM JobTable ORDER BY Code;");
    query->Open();
    EXPECT_EQ(grid.currentIndex().row(), 0);
    query->Next();
    query->Next();
    EXPECT_EQ(grid.currentIndex().row(), 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(1, 1)).center());
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_EQ(query->FieldByName("Job")->AsString(), "歯科衛生士");
}

TEST_F(DataAware, DefaultColumnsAreWideEnoughForTheirTextsWithinBounds)
{
    db.Exec("INSERT INTO JobTable (Job) VALUES ('a longer occupation name');");
    query->SQL->Add("SELECT Code, Job, 'x' AS LongTitleOfAColumn, '" + QString(200, 'w') +
                    "' AS W FROM JobTable;");
    query->Open();
    const QFontMetrics metrics = grid.fontMetrics();
    EXPECT_EQ(grid.ColumnWidth(0), 64);
    EXPECT_GT(grid.ColumnWidth(1), metrics.horizontalAdvance("a longer occupation name"));
    EXPECT_GT(grid.ColumnWidth(2), metrics.horizontalAdvance("LongTitleOfAColumn"));
    EXPECT_EQ(grid.ColumnWidth(3), 240);
}

TEST_F(DataAware, AGridWithItsOwnColumnsKeepsThemAndTheirWidthWhateverTheDatasetHolds)
{
    grid.SetColumns({"Job"}, 150);
    EXPECT_EQ(grid.ColumnCount(), 1);
    EXPECT_EQ(Title(0), "Job");
    query->SQL->Add("SELECT Code, Job FROM JobTable ORDER BY Code;");
    query->Open();
    ASSERT_EQ(grid.ColumnCount(), 1);
    EXPECT_EQ(grid.ColumnWidth(0), 150);
    EXPECT_EQ(Text(2, 0), "事務");
    query->Next();
    EXPECT_EQ(grid.currentIndex().row(), 1);
    // Reopened without the field: the column stays, empty.
    query->SQL->Clear();
    query->SQL->Add("SELECT Code FROM JobTable;");
    query->Open();
    ASSERT_EQ(grid.ColumnCount(), 1);
    EXPECT_EQ(Title(0), "Job");
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(Text(0, 0), "");
    EXPECT_EQ(grid.ColumnWidth(0), 150);
}

TEST_F(DataAware, EditShowsTheCurrentRecordAndWritesWhatIsTyped)
{
    auto table = db.NewTable("JobTable");
    TDataSource jobSource;
    jobSource.SetDataSet(table.get());
    DBEdit edit;
    edit.setDataField("Job");
    edit.SetDataSource(&jobSource);
    EXPECT_EQ(edit.text(), "");
    table->Open();
    EXPECT_EQ(edit.text(), "歯科医師");
    table->Next();
    EXPECT_EQ(edit.text(), "歯科衛生士");
    table->Append();
    EXPECT_EQ(edit.text(), "");
    edit.show();
    QTest::keyClicks(&edit, "clerk");
    table->Post();
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM JobTable WHERE Job = 'clerk';"), "1");
    EXPECT_EQ(edit.text(), "clerk");
}

} // namespace
