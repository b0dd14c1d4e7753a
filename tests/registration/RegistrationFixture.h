#pragma once
// The program started on a fresh database, with a temporary folder made current (the
// photo folder "Images" is relative to it), and the operator's ways with the examinee
// and member windows: typing, choosing, double-clicking a row.
#include "platform/widgets/ComboBox.h"
#include "platform/widgets/Edit.h"
#include "platform/widgets/StringGrid.h"
#include "tests/support/ProgramFixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Readable texts in the failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join("|").toStdString() << '}';
}

class RegistrationTest : public ::testing::Test
{
protected:
    RegistrationTest() : oldCurrent(QDir::currentPath())
    {
        // The photo folder as a new user has it: the build's "Prompt.bmp" alone.
        QDir(work.path()).mkdir("Images");
        QFile::copy(ProgramImages() + "/Prompt.bmp", work.path() + "/Images/Prompt.bmp");
        QDir::setCurrent(work.path());
    }
    void SetUp() override
    {
        Prepare();
        program.Start();
    }
    // Runs before the program starts.
    virtual void Prepare() {}
    ~RegistrationTest() override
    {
        program.Stop();
        QDir::setCurrent(oldCurrent);
    }

    ScriptedInteraction& Script() { return program.Script(); }
    void Exec(const QString& sql) { program.Database().Exec(sql); }
    QString Scalar(const QString& sql) { return program.Database().Scalar(sql); }

    // The current folder at the start, holding "Images".
    QString WorkFolder() const { return work.path(); }
    // The host path of the program folder's "Images".
    static QString ProgramImages() { return QCoreApplication::applicationDirPath() + "/Images"; }

    // Typed at the end of what the field holds: Latin characters as keys, Japanese ones
    // as the input method commits them.
    static void Type(QWidget* field, const QString& text)
    {
        field->setFocus();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(field, QString(c));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(field, &commit);
            }
        }
    }
    // An editable combo box: the operator types the item's text.
    static void Type(widgets::ComboBox* combo, const QString& text) { Type(combo->lineEdit(), text); }
    // A drop-down list: the operator picks item `index` with the keyboard.
    static void Choose(widgets::ComboBox* combo, int index)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    static QPoint CellCentre(widgets::StringGrid* grid, int col, int row)
    {
        return grid->visualRect(grid->model()->index(row - 1, col)).center();
    }
    static void ClickRow(widgets::StringGrid* grid, int row)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, row));
    }
    static void DoubleClickRow(widgets::StringGrid* grid, int row)
    {
        ClickRow(grid, row);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, row));
    }
    // The first control the Tab key reaches.
    static QWidget* FirstTabStop(QWidget* form)
    {
        for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden())
                return w;
        return nullptr;
    }
    static QStringList Row(const widgets::StringGrid* grid, int row)
    {
        QStringList cells;
        for (int col = 0; col < grid->ColCount(); ++col)
            cells << grid->Cell(col, row);
        return cells;
    }

    QTemporaryDir work;
    QString oldCurrent;
    ProgramFixture program;
};
