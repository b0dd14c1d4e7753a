// kvr-screens [Qt options] OUTDIR: renders each window to OUTDIR/<name>.png, as it looks right
// after its show handler; headless unless a Qt option or QT_QPA_PLATFORM names a platform.
// kvr-screens --help prints how to call it.
#include "platform/widgets/Application.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Interaction.h"
#include "tools/kvr-screens/Screens.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <cstdio>
#include <cstring>

namespace {

// Nothing blocks: boxes are printed and answered OK or No, nested showings end at once.
class ScreenInteraction : public widgets::Interaction
{
public:
    int ShowModal(widgets::Form& form) override
    {
        std::fprintf(stderr, "skipped a modal showing of %s\n", qPrintable(form.objectName()));
        return widgets::mrCancel;
    }
    void PlaySound(widgets::Sound) override {}
    int ShowBox(widgets::BoxKind kind, const QString& text) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
        return kind == widgets::BoxKind::Question || kind == widgets::BoxKind::ErrorYesNo ? widgets::mrNo
                                                                                          : widgets::mrOk;
    }
    QString OpenPicture(const QString&, const QString&, const QStringList&) override { return QString(); }
    bool PrinterSetup() override { return false; }
    bool OpenDocument(const QString&) override { return true; }
    void MovePointer(const QPoint&) override {}
    void ProcessMessages() override { QCoreApplication::processEvents(); }
    TDateTime Now() override { return ::Now(); }
    qint64 Ticks() override { return clock.elapsed(); }
    QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }

private:
    QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};

const char Usage[] = "usage: kvr-screens OUTDIR\n"
                     "Renders every window of the program to OUTDIR/<window>.png.\n"
                     "Qt's own options (-platform xcb, ...) may come before OUTDIR.\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt takes its own options (-platform xcb, -style ...) out of the arguments; what is left is
    // the folder, and an option is never taken for it.
    widgets::Application app(argc, argv, "Kelvara2");
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs(Usage, stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    ScreenInteraction interaction;
    widgets::SetInteraction(&interaction);
    int failures = 0;
    try {
        CreateScreenObjects(app);
        for (const Screen& screen : Screens()) {
            widgets::Form* form = screen.prepare();
            form->BeginModal();
            QCoreApplication::processEvents();
            const QString file = out.filePath(screen.name + ".png");
            if (!form->grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                ++failures;
            } else {
                std::printf("%s\n", qPrintable(file));
            }
            // The main form stays open under the others, as when it opens them: its closing
            // would free what they read (the configuration).
            if (form == app.MainForm())
                continue;
            form->SetModalResult(widgets::mrCancel);
            form->EndModal();
            if (screen.after)
                screen.after();
        }
        if (widgets::Form* main = app.MainForm(); main && main->InModal()) {
            main->SetModalResult(widgets::mrCancel);
            main->EndModal();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        ++failures;
    }
    widgets::SetInteraction(nullptr);
    return failures ? 1 : 0;
}
