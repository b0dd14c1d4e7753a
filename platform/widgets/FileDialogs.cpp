#include "platform/widgets/FileDialogs.h"

#include "platform/rtl/Paths.h"
#include "platform/widgets/Interaction.h"

#include <QDir>
#include <QFileInfo>

namespace widgets {

OpenPictureDialog::OpenPictureDialog(QObject* parent) : QObject(parent) {}

bool OpenPictureDialog::Execute()
{
    const QString initial = InitialDir.isEmpty() ? QDir::currentPath() : HostPath(InitialDir);
    const QString chosen = CurrentInteraction().OpenPicture(initial, FileName);
    if (chosen.isEmpty())
        return false;
    const QFileInfo info(chosen);
    QDir::setCurrent(info.absolutePath());
    FileName = ProgramPath(info.absoluteFilePath());
    return true;
}

PrinterSetupDialog::PrinterSetupDialog(QObject* parent) : QObject(parent) {}

bool PrinterSetupDialog::Execute()
{
    return CurrentInteraction().PrinterSetup();
}

} // namespace widgets
