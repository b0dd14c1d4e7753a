#include "platform/widgets/FileDialogs.h"

#include "platform/rtl/Paths.h"
#include "platform/widgets/Interaction.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

namespace widgets {

OpenPictureDialog::OpenPictureDialog(QObject* parent) : QObject(parent) {}

bool OpenPictureDialog::Execute()
{
    const QString initial = InitialDir.isEmpty() ? QDir::currentPath() : HostPath(InitialDir);
    const QString chosen = CurrentInteraction().OpenPicture(initial, FileName, Filter);
    if (chosen.isEmpty())
        return false;
    const QFileInfo info(chosen);
    QDir::setCurrent(info.absolutePath());
    FileName = ProgramPath(info.absoluteFilePath());
    return true;
}

std::unique_ptr<QFileDialog> MakePictureDialog(const QString& initialDir, const QString& fileName,
                                               const QStringList& filters)
{
    auto dialog = std::make_unique<QFileDialog>(QApplication::activeWindow(), QString(), initialDir);
    // Qt's own dialog: its columns can be set, and it looks alike on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setNameFilters(filters);
    if (!fileName.isEmpty())
        dialog->selectFile(fileName);
    // The dialog's own widths cut sizes and types short ("9.9 KiB", "bmp ファイル"): once a
    // folder is listed, each column is as wide as what it shows.
    auto* view = dialog->findChild<QTreeView*>();
    auto* model = dialog->findChild<QFileSystemModel*>();
    if (view && model) {
        QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view] {
            for (int column = 0; column < view->header()->count(); ++column)
                view->resizeColumnToContents(column);
        });
        const QFontMetrics metrics(view->font());
        dialog->resize(std::max(dialog->width(), metrics.horizontalAdvance(QString(80, 'M'))),
                       dialog->height());
    }
    return dialog;
}

PrinterSetupDialog::PrinterSetupDialog(QObject* parent) : QObject(parent) {}

bool PrinterSetupDialog::Execute()
{
    return CurrentInteraction().PrinterSetup();
}

} // namespace widgets
