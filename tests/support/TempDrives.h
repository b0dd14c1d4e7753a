#pragma once
// A fixture that gives each test its own drives root and restores the current
// folder and the environment afterwards, so the tests touch nothing else.
#include "platform/rtl/Paths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TempDrives : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        Save("KVR_DRIVES", savedDrives, hadDrives);
        savedCwd = QDir::currentPath();
        root = QDir(temp.path()).canonicalPath();
        qputenv("KVR_DRIVES", QFile::encodeName(root));
    }
    void TearDown() override
    {
        QDir::setCurrent(savedCwd);
        Restore("KVR_DRIVES", savedDrives, hadDrives);
    }

    static void Save(const char* name, QByteArray& value, bool& had)
    {
        had = qEnvironmentVariableIsSet(name);
        value = qgetenv(name);
    }
    static void Restore(const char* name, const QByteArray& value, bool had)
    {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

    // Host path of a path relative to the drives root ("c/kvr").
    QString Host(const QString& relative) const { return root + '/' + relative; }
    void MakeFolder(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(Host(relative))); }

    static QByteArray ReadBytes(const QString& hostPath)
    {
        QFile f(hostPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void WriteBytes(const QString& hostPath, const QByteArray& bytes)
    {
        QFile f(hostPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QTemporaryDir temp;
    QString root;

private:
    QByteArray savedDrives;
    bool hadDrives = false;
    QString savedCwd;
};
