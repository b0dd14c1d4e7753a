#pragma once
// The interaction of window tests: nothing blocks, everything is recorded.
//
//   ScriptedInteraction script;                       // installed until it goes
//   script.Expect(BoxKind::Question, mrYes);          // next box: a question, answered Yes
//   script.Expect(BoxKind::Error, "text");            // next box: this error text
//   script.OnModal(*PatientForm, [&] { PatientForm->OkButton->click(); });
//   ... click and type with QTest ...
//   EXPECT_EQ(script.Boxes().at(0).text, "...");
//
// Boxes must come as expected, in order; any other box fails the test (answered OK
// or No). A modal showing runs the next function queued for its form while the form is
// shown; the function ends the showing as an operator would. A showing with no function,
// or one its function does not end, fails the test and is ended with the cancel result.
// Expectations and functions left unused when the script goes fail the test too.
#include "platform/widgets/Form.h"
#include "platform/widgets/Interaction.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class ScriptedInteraction : public widgets::Interaction
{
public:
    struct Box
    {
        widgets::BoxKind kind;
        std::optional<widgets::Sound> sound; // the sound played just before the box
        QString text;
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The next box: its kind, its text when given, and the answer to a Yes/No box.
    void Expect(widgets::BoxKind kind, int answer = widgets::mrOk);
    void Expect(widgets::BoxKind kind, const QString& text, int answer = widgets::mrOk);
    // Runs `action` at the next modal showing of `form`.
    void OnModal(widgets::Form& form, std::function<void()> action);
    // The next picture dialog's choice (a host path; empty: cancelled).
    void ChoosePicture(const QString& hostPath);
    void AnswerPrinterSetup(bool accepted);
    // The next popup menu's choice: the item with this text, or none when empty.
    void ChooseMenuItem(const QString& text);
    // Runs at every ProcessMessages, after the waiting events ran.
    std::function<void()> OnProcessMessages;
    // Runs at every box, before it is answered.
    std::function<void()> OnBox;
    void SetNow(TDateTime now);
    // The tick count moves on by `ms` at every read: a second by default, so that a paced
    // loop shows every step; a test of the pacing sets a shorter step.
    void SetTicksStep(qint64 ms) { ticksStep = ms; }

    const std::vector<Box>& Boxes() const { return boxes; }
    const std::vector<widgets::Sound>& Sounds() const { return sounds; }
    // Every sound and box in order: "sound:Exclamation", "box:Error:text".
    const QStringList& Log() const { return log; }
    const QStringList& Documents() const { return documents; }
    const std::vector<QPoint>& PointerMoves() const { return pointerMoves; }
    // Object names of the forms shown modally, in order.
    const QStringList& Showings() const { return showings; }
    const QStringList& PictureDialogFolders() const { return pictureFolders; }
    // The kinds of file each picture dialog offered.
    const std::vector<QStringList>& PictureDialogFilters() const { return pictureFilters; }
    const std::vector<QPoint>& PopupPositions() const { return popupPositions; }

    int ShowModal(widgets::Form& form) override;
    void PlaySound(widgets::Sound sound) override;
    int ShowBox(widgets::BoxKind kind, const QString& text) override;
    QString OpenPicture(const QString& initialDir, const QString& fileName,
                        const QStringList& filters) override;
    bool PrinterSetup() override;
    bool OpenDocument(const QString& hostPath) override;
    void MovePointer(const QPoint& globalPos) override;
    void ProcessMessages() override;
    TDateTime Now() override;
    qint64 Ticks() override;
    QAction* Popup(QMenu& menu, const QPoint& globalPos) override;

private:
    struct Expected
    {
        widgets::BoxKind kind;
        std::optional<QString> text;
        int answer;
    };
    std::deque<Expected> expected;
    std::map<widgets::Form*, std::deque<std::function<void()>>> modalActions;
    std::deque<QString> pictureChoices;
    std::deque<bool> printerAnswers;
    std::deque<QString> menuChoices;
    std::vector<Box> boxes;
    std::vector<widgets::Sound> sounds;
    QStringList log;
    QStringList documents;
    std::vector<QPoint> pointerMoves;
    QStringList showings;
    QStringList pictureFolders;
    std::vector<QStringList> pictureFilters;
    std::vector<QPoint> popupPositions;
    std::optional<widgets::Sound> pendingSound;
    TDateTime now;
    qint64 ticks = 0;
    qint64 ticksStep = 1000;
};

QString ToString(widgets::BoxKind kind);
QString ToString(widgets::Sound sound);
