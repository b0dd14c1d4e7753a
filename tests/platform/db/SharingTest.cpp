// Two programs on one database file: a write waits for another program's read lock
// instead of failing at once.
#include "tests/support/TempDatabase.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

TEST(SharedFile, AWriteWaitsWhileAnotherConnectionReads)
{
    TempDatabase db;
    db.Exec("INSERT INTO JobTable (Job) VALUES ('dentist');");

    std::atomic<bool> locked{false};
    std::thread other([&] {
        sqlite3* conn = nullptr;
        ASSERT_EQ(
            sqlite3_open_v2(db.DatabaseFile().toUtf8().constData(), &conn, SQLITE_OPEN_READWRITE, nullptr),
            SQLITE_OK);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_exec(conn, "BEGIN;", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(conn, "SELECT Job FROM JobTable;", -1, &stmt, nullptr);
        sqlite3_step(stmt); // holds the shared lock until finalized
        locked = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        sqlite3_finalize(stmt);
        sqlite3_exec(conn, "COMMIT;", nullptr, nullptr, nullptr);
        sqlite3_close(conn);
    });
    while (!locked)
        std::this_thread::yield();

    auto q = db.NewQuery();
    q->SQL->Add("INSERT INTO JobTable (Job) VALUES (:Job);");
    q->ParamByName("Job")->SetAsString("nurse");
    EXPECT_NO_THROW(q->ExecSQL());
    other.join();
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM JobTable;"), "2");
}
