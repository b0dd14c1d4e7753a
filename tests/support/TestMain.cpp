// Entry of every test program: the program's application object exists for the
// whole run, headless, as it does in the program.
#include "platform/widgets/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::Application app(argc, argv, "Kelvara2");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
