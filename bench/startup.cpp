// Start-up of Kelvara2: from the entry to the main menu shown with its database open,
// on a fresh configuration and an empty database at the default folders. The
// application object exists once per process, so every run is a new process, started
// by this program itself; it reports the time inside the process (entry to the first
// turn of the message loop after the main menu is shown) and the whole process's
// wall time (start to exit, including the loading of the libraries). Goal: under 300 ms.
#include "app/ProgramObjects.h"
#include "core/data/Schema.h"
#include "platform/widgets/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Runs = 15;

// One start-up, as the entry runs it; prints the milliseconds from the entry on.
int StartOnce(int argc, char** argv)
{
    const auto entry = std::chrono::steady_clock::now();
    widgets::Application app(argc, argv, "Kelvara2");
    double shownMs = -1;
    app.Run([&app, &shownMs, entry] {
        CreateProgramObjects(app);
        // Runs once the loop has turned after the main menu was shown.
        QTimer::singleShot(0, &app, [&app, &shownMs, entry] {
            shownMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - entry).count();
            app.Terminate();
        });
    });
    std::printf("%.3f\n", shownMs);
    return 0;
}

struct Figures
{
    std::vector<double> values;
    void Print(const char* what)
    {
        std::sort(values.begin(), values.end());
        std::printf("%-34s min %7.1f ms   median %7.1f ms   max %7.1f ms\n", what, values.front(),
                    values[values.size() / 2], values.back());
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0)
        return StartOnce(argc, argv);

    QCoreApplication app(argc, argv);
    Figures inside, process;
    for (int run = 0; run < Runs; ++run) {
        QTemporaryDir drives;
        qputenv("KVR_DRIVES", drives.path().toUtf8());
        CreateEmptyDatabase(drives.path() + "/c/kvr/database");
        QDir().mkpath(drives.path() + "/c/KVR");

        QProcess child;
        QElapsedTimer wall;
        wall.start();
        child.start(QCoreApplication::applicationFilePath(), {"--once"});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed:\n%s\n", run, child.readAllStandardError().constData());
            return 1;
        }
        process.values.push_back(wall.nsecsElapsed() / 1e6);
        const double ms = child.readAllStandardOutput().trimmed().toDouble();
        if (ms < 0) {
            std::fprintf(stderr, "run %d: the main menu was not shown\n", run);
            return 1;
        }
        inside.values.push_back(ms);
    }
    std::printf("Kelvara2 start-up, %d runs, each on a fresh configuration and database:\n", Runs);
    inside.Print("entry to main menu shown:");
    process.Print("process start to exit:");
    return 0;
}
