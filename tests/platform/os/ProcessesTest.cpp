#include "platform/os/Processes.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace os;

TEST(SplitCommandLine, FollowsWindowsRules)
{
    const struct
    {
        const char* line;
        QStringList args;
    } cases[] = {
        {R"(prog a b)", {"prog", "a", "b"}},
        {R"("C:\Program Files\x.exe" "a b" c)", {R"(C:\Program Files\x.exe)", "a b", "c"}},
        {R"(C:\dir\x.exe a\b c\\d)", {R"(C:\dir\x.exe)", R"(a\b)", R"(c\\d)"}},
        {R"(p a\"b)", {"p", R"(a"b)"}},
        {R"(p a\\"b c")", {"p", R"(a\b c)"}},
        {R"(p a\\\"b)", {"p", R"(a\"b)"}},
        {R"(p "a""b")", {"p", R"(a"b)"}},
        {R"(p "")", {"p", ""}},
        {"  p\t x  ", {"p", "x"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(Processes, AShortCommandRunsAndEnds)
{
    ProcessInformation info;
    ASSERT_TRUE(CreateProcess("sleep 0.1", StartupInfo(), info));
    EXPECT_TRUE(info.Open);
    EXPECT_FALSE(WaitForProcess(info, 0));
    EXPECT_TRUE(WaitForProcess(info, 5000));
    EXPECT_FALSE(info.Open);
}

TEST(Processes, EndingAsksFirstThenKills)
{
    ProcessInformation info;
    // Ignores the request to close, so only the kill ends it.
    ASSERT_TRUE(CreateProcess(R"(sh -c "trap '' TERM; exec sleep 30")", StartupInfo(), info));
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // let the shell set its trap
    ASSERT_TRUE(RequestClose(info));
    EXPECT_FALSE(WaitForProcess(info, 200));
    ASSERT_TRUE(TerminateProcess(info));
    EXPECT_TRUE(WaitForProcess(info, 5000));
}

TEST(Processes, AMissingProgramDoesNotStart)
{
    ProcessInformation info;
    EXPECT_FALSE(CreateProcess("no-such-program-kvr", StartupInfo(), info));
    EXPECT_FALSE(info.Open);
    EXPECT_FALSE(CreateProcess("", StartupInfo(), info));
}
