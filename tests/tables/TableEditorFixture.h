#pragma once
// The program started on a fresh database, with what the table editors' tests share:
// showing an editor and acting on it as an operator does while it shows.
#include "core/data/DMDB.h"
#include "platform/widgets/DBGrid.h"
#include "tests/support/ProgramFixture.h"

#include <QInputMethodEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class TableEditorTest : public ::testing::Test
{
protected:
    void SetUp() override { program.Start(); }

    TempDatabase& Db() { return program.Database(); }
    ScriptedInteraction& Script() { return program.Script(); }

    // Shows `form` modally, runs `steps` while it shows, then ends the showing with
    // `close` (the window's close button) as the operator does.
    void WhileShown(widgets::Form& form, QPushButton* close, const std::function<void()>& steps)
    {
        Script().OnModal(form, [&] {
            steps();
            QTest::mouseClick(close, Qt::LeftButton);
        });
        form.ShowModal();
    }

    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Clicks the check box on its box.
    static void Tick(QWidget* checkBox)
    {
        QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(6, checkBox->height() / 2));
    }
    // Types `text` as an operator does: plain keys, Japanese through the input method.
    static void Type(QWidget* edit, const QString& text)
    {
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, char(c.unicode()));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QCoreApplication::sendEvent(edit, &commit);
            }
        }
    }

    // Clicks row `row` of the grid in its last column (always shown).
    static void ClickRow(widgets::DBGrid* grid, int row)
    {
        const QModelIndex cell = grid->model()->index(row, grid->model()->columnCount() - 1);
        ASSERT_TRUE(cell.isValid()) << "no row " << row;
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    }
    // The text the grid shows in the column titled `field` of each row.
    static QStringList Column(widgets::DBGrid* grid, const QString& field)
    {
        QAbstractItemModel* model = grid->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == field) {
                QStringList texts;
                for (int r = 0; r < model->rowCount(); ++r)
                    texts.append(model->index(r, c).data().toString());
                return texts;
            }
        ADD_FAILURE() << "no column " << field.toStdString();
        return {};
    }
    // One column of a table, every row in Code order, as text.
    QStringList Rows(const QString& sql)
    {
        auto query = Db().NewQuery();
        query->SQL->Add(sql);
        query->Open();
        QStringList texts;
        for (query->First(); !query->Eof(); query->Next())
            texts.append(query->Fields(0)->AsString());
        return texts;
    }

    // A karte with one check-up holding one diet row of the food and frequency given.
    void AddKarteWithDiet(int karte, const QString& number, bool deleted, int food, int frequency)
    {
        Db().Exec(QString("INSERT INTO KarteTable (Code, KarteNo, RDate, DeleteFlag) VALUES (%1, '%2', "
                          "'2015-04-%3', %4);")
                      .arg(karte)
                      .arg(number)
                      .arg(10 + karte)
                      .arg(deleted ? 1 : 0));
        Db().Exec(QString("INSERT INTO CheckupTable (Code, KarteCode) VALUES (%1, %1);").arg(karte));
        Db().Exec(
            QString(
                "INSERT INTO DietInquiryTable (FoodCode, FrequencyCode, CheckupCode) VALUES (%1, %2, %3);")
                .arg(food)
                .arg(frequency)
                .arg(karte));
    }

    ProgramFixture program;
};

// The tests of one editor: `f` is the window (its global), Show shows it and closes it
// with its close button.
template <class T, T** global> class EditorTest : public TableEditorTest
{
protected:
    void SetUp() override
    {
        TableEditorTest::SetUp();
        f = *global;
    }
    void Show(const std::function<void()>& steps) { WhileShown(*f, f->FindCancelButton(), steps); }
    T* f = nullptr;
};
