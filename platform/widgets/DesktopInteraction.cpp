#include "platform/widgets/DesktopInteraction.h"

#include "platform/os/Sounds.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/Form.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

namespace widgets {

namespace {
Interaction* installed = nullptr;
}

Interaction& CurrentInteraction()
{
    static DesktopInteraction desktop;
    return installed ? *installed : desktop;
}

void SetInteraction(Interaction* interaction)
{
    installed = interaction;
}

int DesktopInteraction::ShowModal(Form& form)
{
    QEventLoop loop;
    QObject::connect(&form, &Form::ModalEnded, &loop, &QEventLoop::quit);
    form.BeginModal();
    if (form.ModalResult() == mrNone)
        loop.exec(QEventLoop::DialogExec);
    form.EndModal();
    return form.ModalResult();
}

void DesktopInteraction::PlaySound(Sound sound)
{
    switch (sound) {
    case Sound::Exclamation:
        os::PlaySystemSound(os::SystemSound::Exclamation);
        break;
    case Sound::Question:
        os::PlaySystemSound(os::SystemSound::Question);
        break;
    case Sound::Asterisk:
        os::PlaySystemSound(os::SystemSound::Asterisk);
        break;
    }
}

QString BoxTitle(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Error:
    case BoxKind::ErrorYesNo:
    case BoxKind::ErrorNoSound:
        return QStringLiteral("エラー");
    case BoxKind::Question:
        return QStringLiteral("確認");
    case BoxKind::Warning:
        return QStringLiteral("警告");
    case BoxKind::Plain:
    case BoxKind::Exception:
        break;
    }
    Application* app = Application::Instance();
    return app ? app->Title : QCoreApplication::applicationName();
}

int DesktopInteraction::ShowBox(BoxKind kind, const QString& text)
{
    QMessageBox::Icon icon = QMessageBox::Critical;
    bool yesNo = false;
    switch (kind) {
    case BoxKind::Question:
        icon = QMessageBox::Question;
        yesNo = true;
        break;
    case BoxKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case BoxKind::ErrorYesNo:
        yesNo = true;
        break;
    case BoxKind::Plain:
        icon = QMessageBox::NoIcon;
        break;
    default:
        break;
    }
    QMessageBox box(icon, BoxTitle(kind), text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No); // Esc and the close box answer No
        return box.exec() == QMessageBox::Yes ? mrYes : mrNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return mrOk;
}

QString DesktopInteraction::OpenPicture(const QString& initialDir, const QString& fileName,
                                        const QStringList& filters)
{
    std::unique_ptr<QFileDialog> dialog = MakePictureDialog(initialDir, fileName, filters);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().first();
}

bool DesktopInteraction::PrinterSetup()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool DesktopInteraction::OpenDocument(const QString& hostPath)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {hostPath});
}

void DesktopInteraction::MovePointer(const QPoint& globalPos)
{
    QCursor::setPos(globalPos);
}

void DesktopInteraction::ProcessMessages()
{
    QCoreApplication::processEvents();
}

TDateTime DesktopInteraction::Now()
{
    return ::Now();
}

qint64 DesktopInteraction::Ticks()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

QAction* DesktopInteraction::Popup(QMenu& menu, const QPoint& globalPos)
{
    return menu.exec(globalPos);
}

} // namespace widgets
