// Opening the database from the configuration's folders.
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "tests/support/TempDatabase.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class OpenDatabase : public ::testing::Test
{
protected:
    TempDatabase database;
    TIniFile ini{"C:\\Kelvara2.ini"};
    TDBDM module;
};

TEST_F(OpenDatabase, DefaultsNameTheProgramsFolders)
{
    database.Exec("INSERT INTO JobTable (Job) VALUES ('dentist');");
    module.OpenDatabase(&ini);
    EXPECT_EQ(DBDM, &module);
    EXPECT_EQ(module.Session_kvr->NetFileDir, "C:\\KVR");
    EXPECT_TRUE(module.Session_kvr->Active());
    EXPECT_TRUE(module.JobTable->Active());
    EXPECT_EQ(module.JobTable->RecordCount(), 1);
    for (TDataSet* dataSet : {static_cast<TDataSet*>(module.Query1), static_cast<TDataSet*>(module.Query2),
                              static_cast<TDataSet*>(module.Query3)})
        EXPECT_EQ(dataSet->DatabaseName, "C:\\kvr\\database");
    EXPECT_EQ(GetJobCount(), 1);
}

TEST_F(OpenDatabase, FoldersComeFromTheConfiguration)
{
    QDir().mkpath(HostPath("D:\\share\\net"));
    QDir().rename(database.HostFolder(), HostPath("D:\\share") + "/db");
    ini.WriteString("Paradox", "NetFileDir", "D:\\share\\net");
    ini.WriteString("Paradox", "DatabaseName", "D:\\share\\db");
    module.OpenDatabase(&ini);
    EXPECT_EQ(module.Session_kvr->NetFileDir, "D:\\share\\net");
    EXPECT_EQ(module.Query2->DatabaseName, "D:\\share\\db");
    EXPECT_EQ(GetJobCount(), 0);
}

TEST_F(OpenDatabase, AWrongFolderRaisesForTheCallerToShow)
{
    ini.WriteString("Paradox", "DatabaseName", "C:\\nowhere");
    EXPECT_THROW(module.OpenDatabase(&ini), EDatabaseError);
    EXPECT_EQ(module.Query3->DatabaseName, "C:\\nowhere");
    EXPECT_EQ(GetJobCount(), dbFailed); // the operations report their own failures afterwards

    TDBDM other;
    ini.WriteString("Paradox", "NetFileDir", "C:\\no\\control\\folder");
    EXPECT_THROW(other.OpenDatabase(&ini), EDatabaseError);
    EXPECT_FALSE(other.JobTable->Active());
}

} // namespace
