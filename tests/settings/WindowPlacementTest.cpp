#include "settings/WindowPlacement.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::vector<long> Fields(const WindowPlacement& p)
{
    return {p.left, p.top, p.width, p.height, p.splitter};
}

} // namespace

TEST(WindowPlacement, ParsesNumbersLenientlyAndCountsThem)
{
    const struct {
        const char* text;
        int count;
        std::vector<long> fields;
    } cases[] = {
        {" -20, +7,x,12px,", 5, {-20, 7, 0, 12, 0}},
        {"1,2,3,4,5,6,7", 5, {1, 2, 3, 4, 5}},
        {nullptr, 0, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        WindowPlacement p;
        EXPECT_EQ(c.count, ParseWindowPlacement(c.text, p)) << (c.text ? c.text : "null");
        EXPECT_EQ(c.fields, Fields(p)) << (c.text ? c.text : "null");
    }
}

TEST(WindowPlacement, PageReadsOnlyCompleteValuesAndWritesWhatItReads)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    KVSettingsKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.OpenSettings());
    WindowPlacement p{-1, -1, -1, -1, -1};
    auto read = [&] {
        return ReadWindowPlacement(key, p.left, p.top, p.width, p.height, p.splitter);
    };
    // The editor's value keeps its own name: the page reads none.
    WritePlacementValue(key, settings::kWindow, {-5, 10, 800, 600, 0});
    EXPECT_EQ(0, read());
    EXPECT_EQ(Fields({}), Fields(p));

    WriteWindowPlacement(key, 100, 50, 640, 480, 300);
    ASSERT_EQ(1, read());
    EXPECT_EQ((std::vector<long>{100, 50, 640, 480, 300}), Fields(p));

    // Incomplete, or longer than the 1027 characters the reader takes: absent.
    for (const std::string& value :
         {std::string("100,50,640,480"), "1,2,3,4,5" + std::string(1100, ' ')}) {
        sandbox.SetString(settings::kWindowManager, value.c_str());
        EXPECT_EQ(0, read());
        EXPECT_EQ(Fields({}), Fields(p));
    }
}
