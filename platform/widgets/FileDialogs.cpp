#include "platform/widgets/FileDialogs.h"

#include "platform/rtl/Paths.h"
#include "platform/widgets/Interaction.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>
#include <algorithm>

namespace widgets {

namespace {

// Qt's file list writes sizes and dates for the host's language, and a folder's kind in
// English; here they follow the program's locale, as the kinds of file do.
class FileColumns : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case 1:
            return files->isDir(source) ? QString() : QLocale().formattedDataSize(files->size(source));
        case 2:
            if (files->isDir(source))
                return QStringLiteral("フォルダー");
            break;
        case 3:
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            break;
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

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
    dialog->setProxyModel(new FileColumns(dialog.get()));
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
