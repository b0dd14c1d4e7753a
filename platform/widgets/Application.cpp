#include "platform/widgets/Application.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/Interaction.h"
#include "platform/widgets/MessageForms.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>

namespace widgets {

namespace {

// What the application-wide box shows also goes to standard error, where a desktop session's
// journal keeps it.
Q_LOGGING_CATEGORY(lcApplication, "kvr.app")

void ShowAndLog(const QString& message)
{
    QString line = message;
    qCWarning(lcApplication).noquote() << line.replace("\r\n", " ").replace('\n', ' ');
    ShowException(message);
}

} // namespace

void InstallFonts()
{
    QFont::insertSubstitution("ＭＳ Ｐゴシック", "IPAPGothic");
    QFont::insertSubstitution("MS PGothic", "IPAPGothic");
    QFont::insertSubstitution("ＭＳ ゴシック", "IPAGothic");
    QFont::insertSubstitution("MS Gothic", "IPAGothic");
    QFont::insertSubstitution("ＭＳ Ｐ明朝", "IPAPMincho");
    QFont::insertSubstitution("ＭＳ 明朝", "IPAMincho");
    QFont::insertSubstitution("MS Sans Serif", "IPAPGothic");
    QFont::insertSubstitution("Courier New", "IPAGothic");
    QFont font("ＭＳ Ｐゴシック");
    font.setPixelSize(12);
    // The windows were laid out for the narrower glyphs of the font they name: at its full
    // width IPAPGothic's letters and digits overrun their labels, buttons, grid titles and
    // date columns. Condensed, every text takes the room it was given; its height, and so
    // every line, stays. The fonts the windows name inherit this width.
    font.setStretch(UiFontStretch);
    QApplication::setFont(font);
}

bool InstallQtTranslation(QTranslator& translator, const QString& folder)
{
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    // Japanese whatever the host's language: the program's own texts are, and a box
    // that asks to press [はい] must have such a button.
    if (!translator.load(QStringLiteral("qtbase_ja"), from)) {
        // Whoever supports the operator learns why the buttons read Yes and No.
        static bool said = false;
        if (!said)
            qCWarning(lcApplication).noquote() << "Qt's Japanese translation qtbase_ja is not in " + from +
                                                      ": Qt's own buttons and dialogs stay English";
        said = true;
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

Application::Application(int& argc, char** argv, const QString& title)
    : QApplication(argc, argv), Title(title)
{
    setApplicationName(title);
    setQuitOnLastWindowClosed(false); // the main form's close ends the program
    InstallFonts();
    // Qt's own dialogs write kinds of file, sizes and dates for the program's Japanese,
    // whatever the host's language; the program's own date, time and number texts have
    // formats of their own.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    InstallQtTranslation(qtTranslator);
}

Application::~Application()
{
    objects.DestroyAll();
}

Application* Application::Instance()
{
    return qobject_cast<Application*>(QCoreApplication::instance());
}

QString Application::ExeName() const
{
    return ProgramPath(applicationFilePath());
}

void Application::ProcessMessages()
{
    CurrentInteraction().ProcessMessages();
}

void Application::ShowException(const QString& message)
{
    widgets::ShowException(message);
}

int Application::Run(const std::function<void()>& create)
{
    try {
        create();
        if (mainForm)
            mainForm->Show();
        else
            return 0;
    } catch (...) {
        ShowCurrentException();
        return 0;
    }
    exec();
    return 0;
}

void Application::Terminate()
{
    quit();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
    }
    return false;
}

bool Dispatch(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (...) {
        ShowCurrentException();
    }
    return false;
}

void ShowCurrentException()
{
    // The class library's exceptions show their message; any other thrown object
    // shows an empty one.
    try {
        throw;
    } catch (const Exception& e) {
        ShowAndLog(e.Message);
    } catch (const std::exception& e) {
        ShowAndLog(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowAndLog(QString());
    }
}

} // namespace widgets
