// What a query reads and whom it tells: a query opened on its first row reads no more and
// lets the file go; the dataset's own listeners and those of its data sources are told of
// every change, and a data source that is gone is told nothing.
#include "platform/db/DataSource.h"
#include "tests/support/TempDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace {

// Whether another connection can take the file for writing at once, without waiting.
bool FileFreeForWriting(const TempDatabase& db)
{
    sqlite3* conn = nullptr;
    sqlite3_open_v2(db.DatabaseFile().toUtf8().constData(), &conn, SQLITE_OPEN_READWRITE, nullptr);
    const bool free = sqlite3_exec(conn, "BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(conn);
    return free;
}

} // namespace

TEST(FirstRow, AQueryOpenedOnItsFirstRowHasThatRowOnlyAndHoldsNoLock)
{
    TempDatabase db;
    db.Exec("INSERT INTO JobTable (Job) VALUES ('nurse'), ('dentist'), ('hygienist');");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Job FROM JobTable WHERE Job <> :Not ORDER BY Job;");

    q->ParamByName("Not")->SetAsString("x");
    q->OpenFirstRow();
    EXPECT_EQ(q->RecordCount(), 1);
    EXPECT_EQ(q->FieldByName("Job")->AsString(), "dentist");
    EXPECT_TRUE(FileFreeForWriting(db));
    q->Next();
    EXPECT_TRUE(q->Eof());

    // The whole result, as ever, when opened so.
    q->Close();
    q->Open();
    EXPECT_EQ(q->RecordCount(), 3);

    q->Close();
    q->ParamByName("Not")->SetAsString("dentist");
    q->OpenFirstRow();
    EXPECT_EQ(q->FieldByName("Job")->AsString(), "hygienist");

    q->Close();
    db.Exec("DELETE FROM JobTable;");
    q->OpenFirstRow();
    EXPECT_EQ(q->RecordCount(), 0);
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->FieldByName("Job")->AsString(), "");
}

TEST(Notifications, TheDatasetsListenersAndThoseOfItsSourcesAreToldOfEveryChange)
{
    TempDatabase db;
    db.Exec("INSERT INTO JobTable (Job) VALUES ('nurse'), ('dentist');");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Job FROM JobTable ORDER BY Job;");
    QStringList told;
    QObject::connect(q.get(), &TDataSet::DataSetOpened, [&] { told << "set opened"; });
    QObject::connect(q.get(), &TDataSet::CursorMoved, [&] { told << "set moved"; });
    TDataSource first, second;
    first.SetDataSet(q.get());
    second.SetDataSet(q.get());
    QObject::connect(&first, &TDataSource::CursorMoved, [&] { told << "first moved"; });
    const auto secondClosed =
        QObject::connect(&second, &TDataSource::DataSetClosed, [&] { told << "second closed"; });
    QObject::connect(&second, &TDataSource::DataSetOpened, [&] { told << "second opened"; });

    q->Open();
    q->Next();
    q->Close();
    EXPECT_EQ(told,
              QStringList({"set opened", "second opened", "set moved", "first moved", "second closed"}));

    told.clear();
    QObject::disconnect(secondClosed);
    first.SetDataSet(nullptr);
    q->Open();
    q->Next();
    q->Close();
    EXPECT_EQ(told, QStringList({"set opened", "second opened", "set moved"}));
}

TEST(Notifications, ADataSourceThatIsGoneIsToldNothing)
{
    TempDatabase db;
    db.Exec("INSERT INTO JobTable (Job) VALUES ('nurse'), ('dentist');");
    auto q = db.NewQuery();
    q->SQL->Add("SELECT Job FROM JobTable;");
    int told = 0;
    {
        auto gone = std::make_unique<TDataSource>();
        gone->SetDataSet(q.get());
        QObject::connect(gone.get(), &TDataSource::CursorMoved, [&] { ++told; });
    }
    TDataSource kept;
    kept.SetDataSet(q.get());
    QObject::connect(&kept, &TDataSource::CursorMoved, [&] { ++told; });
    q->Open();
    q->Next();
    EXPECT_EQ(told, 1);
}
