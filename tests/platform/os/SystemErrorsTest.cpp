#include "platform/os/SystemErrors.h"
#include "platform/os/Files.h"
#include "platform/os/Session.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace os;

TEST(SystemErrors, KnownCodesHaveTextsUnknownOnesNone)
{
    EXPECT_EQ(GetSystemErrorText(ENOENT), "No such file or directory");
    EXPECT_FALSE(GetSystemErrorText(EACCES).isEmpty());
    EXPECT_EQ(GetSystemErrorText(0), "");
    EXPECT_EQ(GetSystemErrorText(99999), "");
    EXPECT_EQ(GetSystemErrorText(-5), "");
}

TEST(SystemErrors, AFailedOperationLeavesItsError)
{
    SetLastError(0);
    EXPECT_FALSE(DeleteFile("Z:\\no\\such\\file"));
    EXPECT_EQ(GetLastError(), ENOENT);
}

TEST(SystemErrors, SessionServicesReportFailure)
{
    EXPECT_FALSE(EnablePrivilege(0, "SeShutdownPrivilege", true));
    EXPECT_FALSE(ExitWindows(ewxLogOff));
    EXPECT_EQ(GetOsVersionClass(), 9);
}
