#include "platform/os/Sounds.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

namespace os {

void PlaySystemSound(SystemSound sound)
{
    // The freedesktop sound theme names for the three message kinds.
    const char* id = sound == SystemSound::Exclamation ? "dialog-warning"
                     : sound == SystemSound::Question  ? "dialog-question"
                                                       : "dialog-information";
    const QString player = QStandardPaths::findExecutable("canberra-gtk-play");
    if (!player.isEmpty() && QProcess::startDetached(player, {"-i", id}))
        return;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

} // namespace os
