// Entry of every test program: the program's application object exists for the
// whole run, headless (on a screen of a desktop's size), as it does in the program.
#include "platform/widgets/Application.h"

#include <gtest/gtest.h>

// Read by the sanitizers as the process starts; options in the environment still win.
extern "C" {
__attribute__((used)) const char* __asan_default_options()
{
    return "detect_leaks=1:abort_on_error=0";
}
__attribute__((used)) const char* __lsan_default_options()
{
    return "suppressions=" KVR_LSAN_SUPPRESSIONS ":print_suppressions=0";
}
__attribute__((used)) const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", KVR_TEST_PLATFORM);
    widgets::Application app(argc, argv, "Kelvara2");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
