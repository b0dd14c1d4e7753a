#include "platform/os/VersionInfo.h"

#include "platform/rtl/Paths.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace os;

TEST(VersionInfo, Kelvara2CarriesItsStringTable)
{
    const QString exe = ProgramPath(KVR_KELVARA2_PATH);
    const struct
    {
        const char* name;
        QString value;
    } cases[] = {
        {"FileVersion", "1.4.0.0"},
        {"ProductVersion", "1.4.0.0"},
        {"FileDescription", "KVR歯科検診システム"},
        {"InternalName", "KVR"},
        {"ProductName", "KVR"},
        {"CompanyName", "Kelvara project"},
        {"LegalCopyright", "Copyright (c) Kelvara project"},
    };
    for (const auto& c : cases) {
        QString value;
        EXPECT_TRUE(QueryVersionString(exe, QString("\\StringFileInfo\\040904E4\\") + c.name, value))
            << c.name;
        EXPECT_EQ(value, c.value) << c.name;
    }
    QString value;
    EXPECT_FALSE(QueryVersionString(exe, "\\StringFileInfo\\041104B0\\FileVersion", value));
}

TEST(VersionInfo, FilesWithoutItGiveNothing)
{
    QString value;
    // The test program is built without a version table; the other two are no program at all.
    for (const QString& file : {ProgramPath(QCoreApplication::applicationFilePath()),
                                QString("Z:\\etc\\hostname"), QString("Z:\\no\\such\\file")})
        EXPECT_FALSE(QueryVersionString(file, "\\StringFileInfo\\040904E4\\FileVersion", value))
            << file.toStdString();
    EXPECT_TRUE(value.isEmpty());
}
