#pragma once
// The picture-file dialog and the printer set-up dialog (through the interaction).
#include <QObject>
#include <QStringList>
#include <memory>

class QFileDialog;

namespace widgets {

class OpenPictureDialog : public QObject
{
    Q_OBJECT
public:
    explicit OpenPictureDialog(QObject* parent = nullptr);

    QString InitialDir; // program paths
    QString FileName;
    // The kinds of file offered, the first chosen at the start: what the windows show as a
    // photo (Windows bitmaps), then every file.
    QStringList Filter{QStringLiteral("ビットマップ (*.bmp)"), QStringLiteral("すべてのファイル (*)")};

    // True when a file was chosen: FileName is then its full path, and the current
    // folder is the folder of the chosen file (the windows rely on it).
    bool Execute();
};

// Qt's file dialog as the picture dialog shows it, in the detail view with the size and
// type columns wide enough to read, their texts in Japanese (host paths).
std::unique_ptr<QFileDialog> MakePictureDialog(const QString& initialDir, const QString& fileName,
                                               const QStringList& filters);

class PrinterSetupDialog : public QObject
{
    Q_OBJECT
public:
    explicit PrinterSetupDialog(QObject* parent = nullptr);
    bool Execute();
};

} // namespace widgets
