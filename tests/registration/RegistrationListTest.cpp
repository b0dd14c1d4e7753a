// The number New proposes for an examinee or member, and the counter once it is added:
// the first number no live entry holds, never past the highest int.
#include "registration/RegistrationList.h"

#include <QSet>
#include <gtest/gtest.h>

using registration::MaxNumber;

TEST(ProposedNumber, IsTheFirstFreeFromTheCounterAndNoneAfterTheLimit)
{
    const struct
    {
        int start;
        QSet<QString> inUse;
        std::optional<int> proposed;
    } cases[] = {
        {5, {"5", "6"}, 7},
        {1, {}, 1},
        {MaxNumber, {}, MaxNumber},
        {MaxNumber - 1, {"2147483646"}, MaxNumber},
        {MaxNumber - 1, {"2147483646", "2147483647"}, std::nullopt},
        {MaxNumber, {"2147483647"}, std::nullopt},
        // Below 1, as a counter wrapped round by an older program holds it: from 1.
        {0, {"1"}, 2},
        {-2147483647 - 1, {}, 1},
    };
    for (const auto& c : cases) {
        const auto inUse = [&](const QString& no) { return c.inUse.contains(no); };
        EXPECT_EQ(registration::ProposeNumber(c.start, inUse), c.proposed) << c.start;
    }
}

TEST(ProposedNumber, TheCounterAfterAnAddStopsAtTheLimit)
{
    EXPECT_EQ(registration::NumberAfter(7), 8);
    EXPECT_EQ(registration::NumberAfter(MaxNumber - 1), MaxNumber);
    EXPECT_EQ(registration::NumberAfter(MaxNumber), MaxNumber);
}
