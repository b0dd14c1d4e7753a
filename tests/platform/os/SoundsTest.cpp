#include "platform/os/Sounds.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace os;

namespace {

// Runs `play` with a stand-in player on PATH and returns what the player was asked.
QByteArray PlayedWith(SystemSound sound)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("played");
    QFile script(dir.filePath("canberra-gtk-play"));
    if (!script.open(QIODevice::WriteOnly))
        return "<no script>";
    script.write(("#!/bin/sh\nprintf '%s ' \"$@\" > '" + log + ".tmp'; mv '" + log + ".tmp' '" + log + "'\n")
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ":" + saved);
    PlaySystemSound(sound);
    qputenv("PATH", saved);
    QFile played(log);
    for (int i = 0; i < 500 && !played.exists(); ++i)
        QThread::msleep(10);
    return played.open(QIODevice::ReadOnly) ? played.readAll() : QByteArray("<not played>");
}

} // namespace

TEST(Sounds, EachMessageKindPlaysItsThemeSound)
{
    EXPECT_EQ(PlayedWith(SystemSound::Exclamation), "-i dialog-warning ");
    EXPECT_EQ(PlayedWith(SystemSound::Question), "-i dialog-question ");
    EXPECT_EQ(PlayedWith(SystemSound::Asterisk), "-i dialog-information ");
}
