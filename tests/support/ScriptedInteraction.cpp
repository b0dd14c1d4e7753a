#include "tests/support/ScriptedInteraction.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>

using namespace widgets;

namespace {
ScriptedInteraction* current = nullptr;
TDateTime ScriptedNow()
{
    return current ? current->Now() : TDateTime(0);
}
} // namespace

QString ToString(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Error:
        return "Error";
    case BoxKind::Question:
        return "Question";
    case BoxKind::Warning:
        return "Warning";
    case BoxKind::ErrorYesNo:
        return "ErrorYesNo";
    case BoxKind::ErrorNoSound:
        return "ErrorNoSound";
    case BoxKind::Plain:
        return "Plain";
    case BoxKind::Exception:
        return "Exception";
    }
    return "?";
}

QString ToString(Sound sound)
{
    switch (sound) {
    case Sound::Exclamation:
        return "Exclamation";
    case Sound::Question:
        return "Question";
    case Sound::Asterisk:
        return "Asterisk";
    }
    return "?";
}

ScriptedInteraction::ScriptedInteraction() : now(EncodeDate(2015, 4, 1) + EncodeTime(10, 0, 0, 0))
{
    SetInteraction(this);
    current = this;
    SetNowSource(&ScriptedNow);
}

ScriptedInteraction::~ScriptedInteraction()
{
    SetNowSource(nullptr);
    current = nullptr;
    SetInteraction(nullptr);
    for (const Expected& e : expected)
        ADD_FAILURE() << "expected box not shown: " << ToString(e.kind).toStdString() << " "
                      << e.text.value_or(QString()).toStdString();
    for (const auto& [form, actions] : modalActions)
        if (!actions.empty())
            ADD_FAILURE() << "form not shown modally as scripted: " << form->objectName().toStdString();
    if (!pictureChoices.empty())
        ADD_FAILURE() << "picture dialog not shown as scripted";
    if (!printerAnswers.empty())
        ADD_FAILURE() << "printer set-up not shown as scripted";
    if (!menuChoices.empty())
        ADD_FAILURE() << "popup menu not shown as scripted";
}

void ScriptedInteraction::Expect(BoxKind kind, int answer)
{
    expected.push_back({kind, std::nullopt, answer});
}

void ScriptedInteraction::Expect(BoxKind kind, const QString& text, int answer)
{
    expected.push_back({kind, text, answer});
}

void ScriptedInteraction::OnModal(Form& form, std::function<void()> action)
{
    modalActions[&form].push_back(std::move(action));
}

void ScriptedInteraction::ChoosePicture(const QString& hostPath)
{
    pictureChoices.push_back(hostPath);
}

void ScriptedInteraction::AnswerPrinterSetup(bool accepted)
{
    printerAnswers.push_back(accepted);
}

void ScriptedInteraction::ChooseMenuItem(const QString& text)
{
    menuChoices.push_back(text);
}

void ScriptedInteraction::SetNow(TDateTime value)
{
    now = value;
}

int ScriptedInteraction::ShowModal(Form& form)
{
    pendingSound.reset();
    showings << form.objectName();
    form.BeginModal();
    QCoreApplication::processEvents(); // the window becomes active, its focus settles
    auto& actions = modalActions[&form];
    if (actions.empty()) {
        ADD_FAILURE() << "unexpected modal showing of " << form.objectName().toStdString();
    } else {
        auto action = std::move(actions.front());
        actions.pop_front();
        action();
        QCoreApplication::processEvents();
        if (form.ModalResult() == mrNone)
            ADD_FAILURE() << "the script did not end the showing of " << form.objectName().toStdString();
    }
    if (form.ModalResult() == mrNone)
        form.SetModalResult(mrCancel);
    form.EndModal();
    QCoreApplication::processEvents();
    return form.ModalResult();
}

void ScriptedInteraction::PlaySound(Sound sound)
{
    sounds.push_back(sound);
    log << "sound:" + ToString(sound);
    pendingSound = sound;
}

int ScriptedInteraction::ShowBox(BoxKind kind, const QString& text)
{
    boxes.push_back({kind, pendingSound, text});
    pendingSound.reset();
    log << "box:" + ToString(kind) + ":" + text;
    if (OnBox)
        OnBox();
    const bool yesNo = kind == BoxKind::Question || kind == BoxKind::ErrorYesNo;
    if (expected.empty() || expected.front().kind != kind ||
        (expected.front().text && *expected.front().text != text)) {
        ADD_FAILURE() << "unexpected box " << ToString(kind).toStdString() << ": " << text.toStdString();
        return yesNo ? mrNo : mrOk;
    }
    const int answer = expected.front().answer;
    expected.pop_front();
    if (yesNo)
        return answer == mrYes ? mrYes : mrNo;
    return mrOk;
}

QString ScriptedInteraction::OpenPicture(const QString& initialDir, const QString&,
                                         const QStringList& filters)
{
    pendingSound.reset();
    pictureFolders << initialDir;
    pictureFilters.push_back(filters);
    if (pictureChoices.empty()) {
        ADD_FAILURE() << "unexpected picture dialog";
        return QString();
    }
    QString choice = pictureChoices.front();
    pictureChoices.pop_front();
    return choice;
}

bool ScriptedInteraction::PrinterSetup()
{
    if (printerAnswers.empty()) {
        ADD_FAILURE() << "unexpected printer set-up dialog";
        return false;
    }
    bool answer = printerAnswers.front();
    printerAnswers.pop_front();
    return answer;
}

bool ScriptedInteraction::OpenDocument(const QString& hostPath)
{
    documents << hostPath;
    return true;
}

void ScriptedInteraction::MovePointer(const QPoint& globalPos)
{
    pointerMoves.push_back(globalPos);
}

void ScriptedInteraction::ProcessMessages()
{
    QCoreApplication::processEvents();
    if (OnProcessMessages)
        OnProcessMessages();
}

TDateTime ScriptedInteraction::Now()
{
    return now;
}

qint64 ScriptedInteraction::Ticks()
{
    ticks += ticksStep;
    return ticks;
}

QAction* ScriptedInteraction::Popup(QMenu& menu, const QPoint& globalPos)
{
    popupPositions.push_back(globalPos);
    if (menuChoices.empty()) {
        ADD_FAILURE() << "unexpected popup menu";
        return nullptr;
    }
    QString text = menuChoices.front();
    menuChoices.pop_front();
    if (text.isEmpty())
        return nullptr;
    for (QAction* action : menu.actions())
        if (action->text() == text) {
            action->trigger();
            return action;
        }
    ADD_FAILURE() << "popup menu has no item " << text.toStdString();
    return nullptr;
}
