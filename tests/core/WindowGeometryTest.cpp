// The window-geometry pattern: sizes and column widths read with the current values as
// defaults, written back only when they changed.
#include "core/WindowGeometry.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "tests/support/TempDrives.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace {

class WindowGeometry : public TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        form.resize(400, 300);
    }

    TWindowGeometry::Columns Columns()
    {
        return {int(widths.size()), [this](int col) { return widths[col]; },
                [this](int col, int width) { widths[col] = width; }};
    }

    QByteArray FileText() const
    {
        QFile file(HostPath(ini.FileName()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TIniFile ini{"C:\\geometry.ini"};
    widgets::Form form;
    std::vector<int> widths{64, 80, 120};
};

} // namespace

TEST_F(WindowGeometry, MissingKeysKeepTheCurrentValuesAndNothingIsWritten)
{
    TWindowGeometry geometry("Patient");
    geometry.Read(&ini, &form, Columns());
    EXPECT_EQ(form.Height(), 300);
    EXPECT_EQ(form.Width(), 400);
    EXPECT_EQ(widths, (std::vector<int>{64, 80, 120}));
    geometry.Write(&ini, &form, Columns());
    EXPECT_FALSE(QFile::exists(HostPath(ini.FileName())));
}

TEST_F(WindowGeometry, StoredValuesAreApplied)
{
    ini.WriteInteger("Patient", "FormHeight", 350);
    ini.WriteInteger("Patient", "FormWidth", 500);
    ini.WriteInteger("Patient", "ColWidth1", 33);
    ini.WriteString("Patient", "ColWidth2", "wide"); // not a number: the current width
    TWindowGeometry geometry("Patient");
    geometry.Read(&ini, &form, Columns());
    EXPECT_EQ(form.Height(), 350);
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(widths, (std::vector<int>{64, 33, 120}));
}

TEST_F(WindowGeometry, ResizeAndCloseWritesOnlyWhatChangedAndASecondCloseWritesNothing)
{
    TWindowGeometry geometry("SearchMediRec");
    geometry.Read(&ini, &form, Columns());
    form.SetHeight(333);
    widths[2] = 99;
    geometry.Write(&ini, &form, Columns());
    EXPECT_EQ(FileText(), "[SearchMediRec]\nFormHeight=333\nColWidth2=99\n");

    // Shown again and closed unchanged: another writer's value in between survives.
    geometry.Read(&ini, &form, Columns());
    ini.WriteInteger("SearchMediRec", "FormHeight", 111);
    geometry.Write(&ini, &form, Columns());
    EXPECT_EQ(ini.ReadInteger("SearchMediRec", "FormHeight", 0), 111);
    EXPECT_FALSE(ini.ValueExists("SearchMediRec", "FormWidth"));

    // A second close without a new showing writes nothing either.
    ini.WriteInteger("SearchMediRec", "ColWidth2", 5);
    geometry.Write(&ini, &form, Columns());
    EXPECT_EQ(ini.ReadInteger("SearchMediRec", "ColWidth2", 0), 5);
}

// A stored length below the design (0, negative) opens the window at its design, and the
// closing writes the length it was shown at; a text that is no number is as none stored.
TEST_F(WindowGeometry, AStoredSizeBelowTheDesignOpensAtTheDesignAndIsWrittenBackValid)
{
    const struct
    {
        const char* stored;
        const char* written; // FormHeight and FormWidth after the closing
    } cases[] = {
        {"-5", "300 400"},  {"0", "300 400"},      {"-100", "300 400"},
        {"299", "300 400"}, {"wide", "wide wide"}, {"-2147483648", "300 400"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        widgets::Form shown;
        shown.resize(400, 300);
        ini.WriteString("Member", "FormHeight", c.stored);
        ini.WriteString("Member", "FormWidth", c.stored);
        TWindowGeometry geometry("Member");
        geometry.Read(&ini, &shown);
        EXPECT_EQ(QSize(shown.Width(), shown.Height()), QSize(400, 300));
        geometry.Write(&ini, &shown);
        EXPECT_EQ(
            (ini.ReadString("Member", "FormHeight", "") + " " + ini.ReadString("Member", "FormWidth", ""))
                .toStdString(),
            c.written);
    }
}

TEST_F(WindowGeometry, ALengthOfZeroOrLessIsNeverWritten)
{
    TWindowGeometry geometry("SearchMediRec");
    geometry.Read(&ini, &form);
    form.resize(0, 0);
    geometry.Write(&ini, &form);
    EXPECT_FALSE(ini.ValueExists("SearchMediRec", "FormHeight"));
    EXPECT_FALSE(ini.ValueExists("SearchMediRec", "FormWidth"));
}

TEST_F(WindowGeometry, AWindowWithoutAGridKeepsItsSizeOnly)
{
    TWindowGeometry geometry("MedicalRecord");
    geometry.Read(&ini, &form);
    form.SetWidth(640);
    geometry.Write(&ini, &form);
    EXPECT_EQ(FileText(), "[MedicalRecord]\nFormWidth=640\n");
}

TEST_F(WindowGeometry, ControlsMoveAndGrowByTheirShareOfTheWindowsGrowth)
{
    QWidget list(&form), button(&form), lower(&form);
    list.setGeometry(8, 40, 300, 200);
    button.setGeometry(300, 260, 75, 25);
    lower.setGeometry(8, 100, 200, 50);
    auto* layout = new TWindowLayout(&form);
    layout->Follow(&list, {0, 0}, {1, 1}).Follow(&button, {1, 1}, {0, 0}).Follow(&lower, {0, 0.5}, {0, 0.5});
    form.show(); // a shown window is told of each new size at once

    form.resize(500, 401);
    EXPECT_EQ(list.geometry(), QRect(8, 40, 400, 301));
    EXPECT_EQ(button.geometry(), QRect(400, 361, 75, 25));
    EXPECT_EQ(lower.geometry(), QRect(8, 150, 200, 100));
    // Back to the design size, back to the design.
    form.resize(400, 300);
    EXPECT_EQ(list.geometry(), QRect(8, 40, 300, 200));
    EXPECT_EQ(button.geometry(), QRect(300, 260, 75, 25));
    // Smaller than designed: the list shrinks, never below nothing.
    form.resize(400, 50);
    EXPECT_EQ(list.size(), QSize(300, 0));
}
