#include "settings/WindowPlacement.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

TEST(WindowPlacement, ParsesNumbersLenientlyAndCountsThem)
{
    WindowPlacement p;
    EXPECT_EQ(5, ParseWindowPlacement("100,50,640,480,300", p));
    EXPECT_EQ(100, p.left);
    EXPECT_EQ(50, p.top);
    EXPECT_EQ(640, p.width);
    EXPECT_EQ(480, p.height);
    EXPECT_EQ(300, p.splitter);

    EXPECT_EQ(5, ParseWindowPlacement(" -20, +7,x,12px,", p));
    EXPECT_EQ(-20, p.left);
    EXPECT_EQ(7, p.top);
    EXPECT_EQ(0, p.width);
    EXPECT_EQ(12, p.height);
    EXPECT_EQ(0, p.splitter);

    EXPECT_EQ(4, ParseWindowPlacement("1,2,3,4", p));
    EXPECT_EQ(0, p.splitter);
    EXPECT_EQ(5, ParseWindowPlacement("1,2,3,4,5,6,7", p));
    EXPECT_EQ(5, p.splitter);
    EXPECT_EQ(1, ParseWindowPlacement("99999999999999999999", p));
    EXPECT_EQ(0, ParseWindowPlacement("", p));
    EXPECT_EQ(0, ParseWindowPlacement(nullptr, p));
}

TEST(WindowPlacement, PageReadsOnlyCompleteValuesAndWritesWhatItReads)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    KVSettingsKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.OpenSettings());
    long l = -1, t = -1, w = -1, h = -1, s = -1;
    EXPECT_EQ(0, ReadWindowPlacement(key, l, t, w, h, s));
    EXPECT_EQ(0, l + t + w + h + s);

    WriteWindowPlacement(key, 100, 50, 640, 480, 300);
    ASSERT_EQ(1, ReadWindowPlacement(key, l, t, w, h, s));
    EXPECT_EQ(100, l);
    EXPECT_EQ(50, t);
    EXPECT_EQ(640, w);
    EXPECT_EQ(480, h);
    EXPECT_EQ(300, s);

    sandbox.SetString(settings::kWindowManager, "100,50,640,480");
    EXPECT_EQ(0, ReadWindowPlacement(key, l, t, w, h, s));
    EXPECT_EQ(0, l);

    // A value longer than the 1027 characters the reader takes counts as absent.
    sandbox.SetString(settings::kWindowManager, ("1,2,3,4,5" + std::string(1100, ' ')).c_str());
    EXPECT_EQ(0, ReadWindowPlacement(key, l, t, w, h, s));
}

TEST(WindowPlacement, EditorValueKeepsItsOwnName)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    KVSettingsKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.OpenSettings());
    WritePlacementValue(key, settings::kWindow, {-5, 10, 800, 600, 0});
    WindowPlacement p;
    EXPECT_EQ(5, ReadPlacementValue(key, settings::kWindow, p));
    EXPECT_EQ(-5, p.left);
    EXPECT_EQ(800, p.width);
    EXPECT_EQ(0, ReadPlacementValue(key, settings::kWindowManager, p));
}
