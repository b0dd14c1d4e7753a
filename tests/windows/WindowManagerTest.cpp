// The windows on a real X server whose window manager frames every window, as on a
// desktop: an X server (Xvfb) and a window manager (openbox) of their own, on a free
// display. Each session is this test program again, started on that display, running the
// disabled session below: the program started as its entry starts it, the karte editor with
// its karte search, the examinee window and the member window each opened from the main
// menu, held until the window manager has framed it, and closed.
#include "app/FormMainMenu.h"
#include "app/ProgramObjects.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "records/MedicalRecordSearchUnit.h"
#include "records/MedicalRecordUnit.h"
#include "registration/MemberUnit.h"
#include "registration/PatientUnit.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <sys/prctl.h>

namespace {

// Bounds for waiting on other processes, so that a broken X server fails the test rather
// than hanging it; none of them measures speed.
constexpr int StartBound = 30000;
constexpr int SessionBound = 100000;

// Xvfb and openbox on a display they pick themselves, ended with the fixture (and with
// this process, should it die first).
class XDesktop
{
public:
    XDesktop()
    {
        for (const char* program : {"Xvfb", "openbox"})
            if (QStandardPaths::findExecutable(program).isEmpty())
                failure += QString("%1 is not installed (scripts/install-deps installs it)\n").arg(program);
        if (!failure.isEmpty())
            return;
        // -displayfd 1: the server takes a free display and writes its number to its output.
        Prepare(server);
        server.start("Xvfb",
                     {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
        while (server.state() != QProcess::NotRunning && !server.canReadLine())
            server.waitForReadyRead(StartBound);
        display = ":" + QString::fromLatin1(server.readLine()).trimmed();
        if (display == ":") {
            failure = "Xvfb did not start: " + QString::fromLocal8Bit(server.readAllStandardError());
            return;
        }
        // The window manager runs its start-up command once it manages the screen.
        const QString ready = home.filePath("wm-ready");
        QProcessEnvironment env = Environment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_CACHE_HOME", home.filePath("cache"));
        Prepare(windowManager);
        windowManager.setProcessEnvironment(env);
        windowManager.start("openbox", {"--sm-disable", "--startup", "touch " + ready});
        if (!QTest::qWaitFor([&] { return QFile::exists(ready); }, StartBound))
            failure =
                "openbox did not start: " + QString::fromLocal8Bit(windowManager.readAllStandardError());
    }

    ~XDesktop()
    {
        for (QProcess* p : {&windowManager, &server}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(StartBound)) {
                p->kill();
                p->waitForFinished(StartBound);
            }
        }
    }

    // Empty when both run.
    const QString& Failure() const { return failure; }

    // The environment of a program on this display.
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

private:
    static void Prepare(QProcess& p)
    {
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }

    QProcess server;
    QProcess windowManager;
    QTemporaryDir home;
    QString display;
    QString failure;
};

// One window as a session saw it: its inner size and the outer frame's place.
struct Seen
{
    int width = 0;
    int height = 0;
    QRect frame;
};

class WindowManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(desktop.Failure().isEmpty()) << desktop.Failure().toStdString();
        QDir().mkpath(HostPath(ProgramFixture::SettingsFolder()));
    }

    // Runs one session; what it saw of each window, by name.
    std::map<QString, Seen> Session()
    {
        QProcess session;
        QProcessEnvironment env = desktop.Environment();
        env.insert("KVR_SESSION_REPORT", report.filePath("report"));
        session.setProcessEnvironment(env);
        session.setProcessChannelMode(QProcess::MergedChannels);
        QFile::remove(report.filePath("report"));
        session.start(
            QCoreApplication::applicationFilePath(),
            {"--gtest_also_run_disabled_tests", "--gtest_filter=WindowManagerSession.DISABLED_Run"});
        const bool ended = session.waitForFinished(SessionBound);
        const QString output = QString::fromUtf8(session.readAll());
        EXPECT_TRUE(ended && session.exitCode() == 0 && output.contains("[  PASSED  ] 1 test"))
            << output.toStdString();
        std::map<QString, Seen> seen;
        QFile file(report.filePath("report"));
        if (!file.open(QIODevice::ReadOnly))
            return seen;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 7)
                seen[QString::fromUtf8(f[0])] = {
                    f[1].toInt(), f[2].toInt(),
                    QRect(f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt())};
        }
        return seen;
    }

    QByteArray IniText() const
    {
        QFile file(HostPath(ProgramFixture::IniFileName()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    static void Write(const QString& section, const QString& key, const QString& value)
    {
        TIniFile(ProgramFixture::IniFileName()).WriteString(section, key, value);
    }

    XDesktop desktop;
    TempDatabase database; // the drives root the sessions inherit
    QTemporaryDir report;
};

const QStringList Windows{"MedicalRecordForm", "MedicalRecordSearchForm", "PatientForm", "MemberForm"};

} // namespace

TEST_F(WindowManager, AWindowClosedUnchangedOpensAtTheSameSizeEverySessionAndWritesNothing)
{
    // The karte search has a size of its own kept; the other windows open at their design size.
    Write("SearchMediRec", "FormHeight", "500");
    Write("SearchMediRec", "FormWidth", "760");
    const QByteArray before = IniText();

    std::vector<std::map<QString, Seen>> sessions;
    for (int i = 0; i < 3; ++i) {
        sessions.push_back(Session());
        EXPECT_EQ(IniText().toStdString(), before.toStdString()) << "session " << i + 1;
    }
    const std::map<QString, QSize> expected{{"MedicalRecordForm", {960, 701}},
                                            {"MedicalRecordSearchForm", {760, 500}},
                                            {"PatientForm", {696, 416}},
                                            {"MemberForm", {680, 425}}};
    for (const QString& name : Windows)
        for (size_t i = 0; i < sessions.size(); ++i) {
            ASSERT_TRUE(sessions[i].count(name)) << name.toStdString() << " not seen in session " << i + 1;
            const Seen& s = sessions[i].at(name);
            EXPECT_EQ(QSize(s.width, s.height), expected.at(name))
                << name.toStdString() << ", session " << i + 1;
            // The frame the window manager added lies outside the size the program keeps.
            EXPECT_GT(s.frame.height(), s.height) << name.toStdString();
        }
}

TEST_F(WindowManager, AStoredSizeOffTheScreenIsBroughtOntoItAndThenKept)
{
    Write("MedicalRecord", "FormHeight", "2147483647");
    Write("SearchMediRec", "FormHeight", "100000");
    Write("SearchMediRec", "FormWidth", "100000");
    Write("Patient", "FormWidth", "2147483647");

    // The session checks that every frame lies on the screen's available area.
    const std::map<QString, Seen> first = Session();
    const TIniFile ini(ProgramFixture::IniFileName());
    const Seen editor = first.count("MedicalRecordForm") ? first.at("MedicalRecordForm") : Seen{};
    EXPECT_EQ(ini.ReadInteger("MedicalRecord", "FormHeight", 0), editor.height);
    EXPECT_LT(editor.height, 1024);
    EXPECT_EQ(ini.ReadInteger("Patient", "FormWidth", 0),
              first.count("PatientForm") ? first.at("PatientForm").width : 0);

    // What was brought on screen is the size from now on: the next session writes nothing.
    const QByteArray fitted = IniText();
    const std::map<QString, Seen> second = Session();
    EXPECT_EQ(IniText().toStdString(), fitted.toStdString());
    for (const QString& name : Windows) {
        ASSERT_TRUE(first.count(name) && second.count(name)) << name.toStdString();
        EXPECT_EQ(QSize(second.at(name).width, second.at(name).height),
                  QSize(first.at(name).width, first.at(name).height))
            << name.toStdString();
    }
}

namespace {

bool Framed(const widgets::Form& form)
{
    return form.frameGeometry() != form.geometry();
}

// The size a window opens at: the one kept in `section` (the design size where nothing is
// kept), as far as it fits on the area with the frame around it, never below the design.
QSize Expected(const widgets::Form& form, const QString& section, QSize designed)
{
    const TIniFile ini(ProgramFixture::IniFileName());
    const QSize kept(section == "MedicalRecord" ? designed.width()
                                                : ini.ReadInteger(section, "FormWidth", designed.width()),
                     ini.ReadInteger(section, "FormHeight", designed.height()));
    const QRect outer = form.frameGeometry();
    const QRect inner = form.geometry();
    const QSize frame = outer.size() - inner.size();
    const QSize room = form.screen()->availableGeometry().size() - frame;
    return kept.boundedTo(room.expandedTo(designed));
}

// Holds the window until the window manager has framed it on the screen's available area
// at the size it opens at, and notes what it looks like.
void Note(widgets::Form& form, const QString& section, QSize designed, QStringList& report)
{
    const QRect area = form.screen()->availableGeometry();
    QSize expected;
    const bool settled = QTest::qWaitFor(
        [&] {
            if (!Framed(form))
                return false;
            expected = Expected(form, section, designed);
            return area.contains(form.frameGeometry()) && form.size() == expected;
        },
        StartBound);
    const QRect frame = form.frameGeometry();
    EXPECT_TRUE(settled) << form.objectName().toStdString() << (Framed(form) ? " framed" : " never framed")
                         << " at " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                         << frame.height() << ", inner " << form.Width() << "x" << form.Height() << " for "
                         << expected.width() << "x" << expected.height();
    report << QString("%1 %2 %3 %4 %5 %6 %7")
                  .arg(form.objectName())
                  .arg(form.Width())
                  .arg(form.Height())
                  .arg(frame.x())
                  .arg(frame.y())
                  .arg(frame.width())
                  .arg(frame.height());
}

} // namespace

// One session, started by the tests above on their display.
TEST(WindowManagerSession, DISABLED_Run)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");

    ScriptedInteraction script;
    widgets::ObjectOwner objects;
    CreateProgramObjects(objects);
    MainMenuForm->Show();
    // As an operator does: the main menu is on the screen before its buttons are clicked.
    ASSERT_TRUE(QTest::qWaitFor([] { return Framed(*MainMenuForm); }, StartBound));
    QStringList report;
    // Read before the windows read it: what each opens at.
    std::map<const widgets::Form*, QSize> designed;
    for (const widgets::Form* form : std::initializer_list<const widgets::Form*>{
             MedicalRecordForm, MedicalRecordSearchForm, PatientForm, MemberForm})
        designed[form] = form->size();

    script.OnModal(*MedicalRecordForm, [&] {
        Note(*MedicalRecordForm, "MedicalRecord", designed[MedicalRecordForm], report);
        script.OnModal(*MedicalRecordSearchForm, [&] {
            Note(*MedicalRecordSearchForm, "SearchMediRec", designed[MedicalRecordSearchForm], report);
            QTest::mouseClick(MedicalRecordSearchForm->CancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(MedicalRecordForm->FindButton, Qt::LeftButton);
        QTest::mouseClick(MedicalRecordForm->CloseButton, Qt::LeftButton);
    });
    QTest::mouseClick(MainMenuForm->KarteButton, Qt::LeftButton);
    script.OnModal(*PatientForm, [&] {
        Note(*PatientForm, "Patient", designed[PatientForm], report);
        QTest::mouseClick(PatientForm->CloseButton, Qt::LeftButton);
    });
    QTest::mouseClick(MainMenuForm->PatientButton, Qt::LeftButton);
    script.OnModal(*MemberForm, [&] {
        Note(*MemberForm, "Member", designed[MemberForm], report);
        QTest::mouseClick(MemberForm->CloseButton, Qt::LeftButton);
    });
    QTest::mouseClick(MainMenuForm->MemberButton, Qt::LeftButton);

    MainMenuForm->Close();
    objects.DestroyAll();
    QFile file(qEnvironmentVariable("KVR_SESSION_REPORT"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(report.join('\n').toUtf8());
}
