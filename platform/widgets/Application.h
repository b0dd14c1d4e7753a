#pragma once
// The application object: creates the program's objects once, in order, runs the
// message loop, and shows every exception a handler lets out in the
// application-wide exception box, after which the program goes on. Its locale, which Qt's
// own dialogs follow, is Japanese.
#include "platform/widgets/ObjectOwner.h"

#include <QApplication>
#include <QTranslator>
#include <functional>
#include <type_traits>
#include <vector>

namespace widgets {

class Form;

class Application : public QApplication
{
    Q_OBJECT
public:
    // `title` is the program's title ("Kelvara2" or "Kelvara1"), shown on the plain
    // and exception boxes.
    Application(int& argc, char** argv, const QString& title);
    ~Application() override; // destroys the created objects, the last first

    static Application* Instance();

    QString Title;

    // The program file as the program sees it ("Z:\...\Kelvara2").
    QString ExeName() const;
    // Lets waiting events run (through the installed interaction).
    void ProcessMessages();
    // The application-wide exception box.
    void ShowException(const QString& message);

    // Creates a T whose global pointer is assigned before its constructor body runs,
    // so the constructor can already reach its own object through the global. The
    // first form created is the main form. The object lives until the application goes.
    template <class T> void CreateForm(T*& global)
    {
        T* object = objects.CreateForm(global);
        if constexpr (std::is_base_of_v<Form, T>)
            if (!mainForm)
                mainForm = object;
    }

    Form* MainForm() const { return mainForm; }

    // The entry: `create` makes the program's objects, then the main form is shown and
    // the loop runs until the main form closes. An exception while creating is shown
    // in the exception box and ends the program. Returns 0 in every case.
    int Run(const std::function<void()>& create);
    void Terminate();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator qtTranslator;
    ObjectOwner objects;
    Form* mainForm = nullptr;
};

// "ＭＳ Ｐゴシック" and the other fonts the windows name, mapped to installed fonts; the
// application font is "ＭＳ Ｐゴシック" at 12 pixels, condensed to UiFontStretch percent of
// its width. The application object does this.
void InstallFonts();
inline constexpr int UiFontStretch = 85;

// Loads Qt's own Japanese texts (the standard buttons, the file and printer dialogs) from
// `folder` (Qt's translations) into `translator` and installs it; false when the translation
// is not installed, and Qt's English stays: said once a program, under kvr.app. The
// application object does this.
bool InstallQtTranslation(QTranslator& translator, const QString& folder = QString());

} // namespace widgets
