#pragma once
// The program's own interaction: Qt's real dialogs, the desktop's services.
#include "platform/widgets/Interaction.h"

namespace widgets {

class DesktopInteraction : public Interaction
{
public:
    int ShowModal(Form& form) override;
    void PlaySound(Sound sound) override;
    int ShowBox(BoxKind kind, const QString& text) override;
    QString OpenPicture(const QString& initialDir, const QString& fileName,
                        const QStringList& filters) override;
    bool PrinterSetup() override;
    bool OpenDocument(const QString& hostPath) override;
    void MovePointer(const QPoint& globalPos) override;
    void ProcessMessages() override;
    TDateTime Now() override;
    qint64 Ticks() override;
    QAction* Popup(QMenu& menu, const QPoint& globalPos) override;
};

// The title a box of `kind` carries.
QString BoxTitle(BoxKind kind);

} // namespace widgets
