// The pacer of long loops, on the scripted tick count.
#include "platform/widgets/Pacer.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>
#include <vector>

using namespace widgets;

TEST(Pacer, IsDueAtTheFirstStepAndThenOnceAnIntervalHasPassed)
{
    struct Case
    {
        qint64 step; // milliseconds between two steps of the loop
        std::vector<bool> due;
    };
    const Case cases[] = {
        {0, {true, false, false, false, false, false}},
        {10, {true, false, false, false, true, false}},
        {15, {true, false, false, true, false, false}},
        {40, {true, true, true, true, true, true}},
    };
    for (const Case& c : cases) {
        ScriptedInteraction script;
        script.SetTicksStep(c.step);
        Pacer pacer(40);
        std::vector<bool> due;
        for (size_t i = 0; i < c.due.size(); ++i)
            due.push_back(pacer.Due());
        EXPECT_EQ(due, c.due) << "step " << c.step;
    }
}

TEST(Pacer, AClockSetBackStartsTheIntervalAfresh)
{
    ScriptedInteraction script;
    script.SetTicksStep(10);
    Pacer pacer(40);
    EXPECT_TRUE(pacer.Due()); // 10
    script.SetTicksStep(-5);
    EXPECT_TRUE(pacer.Due()); // 5: earlier than the last due step
    script.SetTicksStep(10);
    EXPECT_FALSE(pacer.Due()); // 15
    EXPECT_FALSE(pacer.Due()); // 25
    EXPECT_FALSE(pacer.Due()); // 35
    EXPECT_TRUE(pacer.Due());  // 45
}
