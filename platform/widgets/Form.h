#pragma once
// A window of the program. Modal showing: ShowModal runs the show handler (OnShow)
// at every showing and ends once a modal result is set (Close(), a button carrying a
// modal result, Esc through the cancel button, the title bar); the close handler
// (OnClose) runs at every end, however the showing ended. Before every showing BeforeShow
// gives the window its size, and the window is placed and brought onto its screen with the
// frame the window manager will give it, so the window manager sees it at that size and
// place from the first. Left/Top set before ShowModal win over the Position rule. At every
// showing and at every size the program sets while it is shown, the window is brought onto
// the available area of its screen: a place off the area moves onto it, a size larger than
// the area shrinks to it (never below the window's designed size, which then keeps its top
// left corner on the area). Sizes and places the operator or the window manager gives a
// shown window stand. Enter clicks the focused button, else the
// default button; Esc clicks the cancel button; each only while that button is
// visible and enabled, and once however long the key is held. The title-bar close box only
// ends the showing.
// A control's Exit() signal fires when the focus moves from it to another control of
// the same window, never when another window takes the focus.
#include "platform/widgets/Interaction.h"

#include <QDialog>
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
    // DesignedSize: the size before the program first set one or first showed the window.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    QSize DesignedSize() const;

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
    // Before every showing, while the window is hidden: what sets the size it shows at.
    void BeforeShow();
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
    void Prepare(QWidget* owner);
    void RememberDesign();
    void Place(QWidget* owner);
    void KeepOnScreen();
    QRect ScreenArea() const;
    QSize LargestSize() const;
    void MoveFrameTo(QPoint place);
    QPoint FramePos() const;
    void Reassert();
    QMargins OwnFrame() const;
    QMargins FrameMargins() const;
    void FocusChanged(QWidget* old, QWidget* now);

    int modalResult = mrNone;
    bool inModal = false;
    bool placedByCaller = false;
    QSize designedSize;
    // The frame the window manager said it would give the window, asked once before the
    // window first had one.
    mutable std::optional<QMargins> expectedFrame;
    std::optional<QMargins> placedWith; // the frame the window was last placed for; none before
    // Where the frame was placed while the window manager had not framed the window yet.
    std::optional<QPoint> unframedPlace;
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
