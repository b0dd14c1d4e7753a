#pragma once
// A temporary drives root for one test, with drive C: present, so nothing outside it is touched.
#include "tests/support/TempDrives.h"

#include "platform/rtl/Paths.h"

class DrivesFixture : public TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        MakeFolder("c");
    }

    static void Write(const QString& programPath, const QByteArray& bytes = "x")
    {
        WriteBytes(HostPath(programPath), bytes);
    }
    static void MakeDir(const QString& programPath) { ASSERT_TRUE(QDir().mkpath(HostPath(programPath))); }
};
