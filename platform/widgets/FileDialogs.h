#pragma once
// The picture-file dialog and the printer set-up dialog (through the interaction).
#include <QObject>

namespace widgets {

class OpenPictureDialog : public QObject
{
    Q_OBJECT
public:
    explicit OpenPictureDialog(QObject* parent = nullptr);

    QString InitialDir; // program paths
    QString FileName;

    // True when a file was chosen: FileName is then its full path, and the current
    // folder is the folder of the chosen file (the windows rely on it).
    bool Execute();
};

class PrinterSetupDialog : public QObject
{
    Q_OBJECT
public:
    explicit PrinterSetupDialog(QObject* parent = nullptr);
    bool Execute();
};

} // namespace widgets
