#pragma once
// Everything that blocks the program or leaves it goes through one Interaction
// object: modal showing, message boxes and their sounds, the picture and printer
// dialogs, opening a document, moving the pointer, pumping events in a long loop,
// the current time and the tick count that paces such a loop. The program installs one that uses Qt's real
// dialogs; a test installs a scripted one that answers and records.
#include "platform/rtl/DateTime.h"

#include <QPoint>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;

namespace widgets {

class Form;

enum class Sound { Exclamation, Question, Asterisk };

// The kinds of box the program shows.
enum class BoxKind {
    Error,        // exclamation sound, "エラー", OK
    Question,     // question sound, "確認", Yes (default) and No
    Warning,      // asterisk sound, "警告", OK
    ErrorYesNo,   // exclamation sound, "エラー", Yes (default) and No
    ErrorNoSound, // no sound, "エラー", OK
    Plain,        // no sound, the program's title, OK
    Exception,    // no sound, the program's title, OK: the application-wide exception box
};

// Modal results, numbered as the class library numbers them.
enum ModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

class Interaction
{
public:
    virtual ~Interaction() = default;

    // Runs the form's modal showing and returns its modal result.
    virtual int ShowModal(Form& form) = 0;
    virtual void PlaySound(Sound sound) = 0;
    // Shows the box (without its sound) and returns mrOk, mrYes or mrNo.
    virtual int ShowBox(BoxKind kind, const QString& text) = 0;
    // A picture file chosen by the operator, or the empty text when cancelled (host paths);
    // `filters` are the kinds of file offered, each "name (*.ext ...)".
    virtual QString OpenPicture(const QString& initialDir, const QString& fileName,
                                const QStringList& filters) = 0;
    // The printer set-up dialog; true when the operator accepted it.
    virtual bool PrinterSetup() = 0;
    // Asks the desktop to open a document; not waited for.
    virtual bool OpenDocument(const QString& hostPath) = 0;
    virtual void MovePointer(const QPoint& globalPos) = 0;
    // Lets waiting events run (a long loop calls it between records).
    virtual void ProcessMessages() = 0;
    virtual TDateTime Now() = 0;
    // Milliseconds of a clock that only moves forward, for pacing long loops.
    virtual qint64 Ticks() = 0;
    // Shows a popup menu at a screen point; the chosen item, or nullptr.
    virtual QAction* Popup(QMenu& menu, const QPoint& globalPos) = 0;
};

// The installed interaction; the program's own until something else is installed.
Interaction& CurrentInteraction();
// Installs `interaction` (not owned); nullptr restores the program's own.
void SetInteraction(Interaction* interaction);

} // namespace widgets
