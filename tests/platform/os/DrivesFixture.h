#pragma once
// A temporary drives root for one test, so nothing outside it is touched.
#include "platform/rtl/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class DrivesFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        saved = qgetenv("KVR_DRIVES");
        qputenv("KVR_DRIVES", root.path().toLocal8Bit());
        QDir().mkpath(root.path() + "/c");
    }
    void TearDown() override { qputenv("KVR_DRIVES", saved); }

    static void Write(const QString& programPath, const QByteArray& bytes = "x")
    {
        QFile f(HostPath(programPath));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static void MakeDir(const QString& programPath) { ASSERT_TRUE(QDir().mkpath(HostPath(programPath))); }

    QTemporaryDir root;
    QByteArray saved;
};
