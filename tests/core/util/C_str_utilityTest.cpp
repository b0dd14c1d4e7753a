#include "core/util/C_str_utility.h"

#include <gtest/gtest.h>

TEST(SplitPathComponents, Cases)
{
    const struct
    {
        const char* path;
        QStringList expected;
    } cases[] = {
        {"\\VirtualStore\\Program Files\\QORN\\KVR",
         {"\\VirtualStore", "\\Program Files", "\\QORN", "\\KVR"}},
        {"C:\\a\\b\\", {"\\a", "\\b", "\\"}},
        {"abc", {}},
        {"", {}},
        {"\\a\\\\b", {"\\a", "\\", "\\b"}},
        {"\\", {"\\"}},
        {"C:\\", {"\\"}},
        {"a/b\\c", {"\\c"}}, // only "\" separates here
    };
    for (const auto& c : cases) {
        TStringList list;
        SplitPathComponents(c.path, &list);
        EXPECT_EQ(list.List(), c.expected) << c.path;
    }
}

TEST(SplitPathComponents, Appends)
{
    TStringList list;
    list.Add("first");
    SplitPathComponents("\\x", &list);
    EXPECT_EQ(list.List(), QStringList({"first", "\\x"}));
    SplitPathComponents("\\x", nullptr);
}
