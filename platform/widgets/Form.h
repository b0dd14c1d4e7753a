#pragma once
// A window of the program. Modal showing: ShowModal runs the show handler (OnShow)
// at every showing and ends once a modal result is set (Close(), a button carrying a
// modal result, Esc through the cancel button, the title bar); the close handler
// (OnClose) runs at every end, however the showing ended. Left/Top set before
// ShowModal win over the Position rule. At every showing, at every size set while it is
// shown, and once the window manager has framed it, the window is brought onto the
// available area of its screen: a place off the area moves onto it, a size larger than
// the area shrinks to it (never below the window's designed size, which then keeps its
// top left corner on the area). Enter clicks the focused button, else the
// default button; Esc clicks the cancel button; each only while that button is
// visible and enabled. The title-bar close box only ends the showing.
// A control's Exit() signal fires when the focus moves from it to another control of
// the same window, never when another window takes the focus.
#include "platform/widgets/Interaction.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMargins>
#include <QPointer>
#include <optional>

namespace widgets {

class Button;

enum class Position {
    Designed,      // where the design put it
    DesktopCenter, // centred on the desktop
    OwnerCenter,   // centred on the window that opens it
    MainFormCenter,
};

class Form : public QDialog
{
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    widgets::Position Position = Position::Designed;

    int ShowModal();
    void Show(); // modeless
    void Close();

    int ModalResult() const { return modalResult; }
    void SetModalResult(int result);

    // Left/Top: where the window's outer frame begins on the screen. Width/Height: the
    // window's inner size, without the frame a window manager adds. Both read what was
    // set, framed or not: a window manager frames a window only some time after it is
    // shown, so a size read at the showing and one read at the closing compare.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    Button* DefaultButton() const;
    // Not "CancelButton": most windows have a control of that name.
    Button* FindCancelButton() const;
    // Enter's action: the focused button, else the default button; false when none reacts.
    bool PressEnter();

    // The steps of a modal showing, for the Interaction implementations: BeginModal
    // runs the show handler, places and shows the window; EndModal runs the close
    // handler, hides the window and gives the activation back to its opener.
    void BeginModal();
    void EndModal();
    bool InModal() const { return inModal; }

signals:
    void OnShow();
    void OnClose();
    void OnDblClick();
    void ModalEnded(); // a modal result was set during a modal showing

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Place(QWidget* owner);
    void KeepOnScreen();
    QRect ScreenArea() const;
    QSize LargestSize() const;
    void MoveFrameTo(QPoint place);
    QPoint FramePos() const;
    void Reassert();
    void StartSettling();
    void KeepSettledSize();
    QMargins FrameMargins() const;
    void FocusChanged(QWidget* old, QWidget* now);

    int modalResult = mrNone;
    bool inModal = false;
    bool placedByCaller = false;
    QSize designedSize;
    bool frameUnknown = false;        // kept on screen before the window manager had framed it
    std::optional<QPoint> framePlace; // where the frame goes, while it is not there yet
    QRect unframed;                   // the frame's place and the size set before it came
    // The size the window has once framed, held for a moment against the window manager's
    // late notices of the size it first saw.
    QSize settled;
    QElapsedTimer settling;
    QPointer<QWidget> opener;
};

// The control's own visibility and enabled flags, as set by the program, whatever
// its parents show.
inline bool Visible(const QWidget* control)
{
    return !control->isHidden();
}
inline bool Enabled(const QWidget* control)
{
    return !control->testAttribute(Qt::WA_ForceDisabled);
}

// Moves the pointer to the centre of `control` (through the interaction).
void MovePointerTo(const QWidget* control);

} // namespace widgets
