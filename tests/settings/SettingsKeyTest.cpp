#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cstring>

class SettingsKeyTest : public ::testing::Test
{
  protected:
    RegistrySandbox m_sandbox{kSettingsKeyPath};
    KVSettingsKey m_key;
};

TEST_F(SettingsKeyTest, OpenCreatesTheKeyAndReopeningClosesTheOldHandle)
{
    ASSERT_FALSE(m_sandbox.Exists());
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS,
              m_key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
    EXPECT_TRUE(m_sandbox.Exists());

    ASSERT_EQ(ERROR_SUCCESS,
              m_key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
    EXPECT_EQ(ERROR_SUCCESS, m_key.Close());
    EXPECT_EQ(nullptr, m_key.Handle());
    EXPECT_EQ(ERROR_SUCCESS, m_key.Close());
}

TEST_F(SettingsKeyTest, NumbersRoundTripAndOnlyDwordValuesCount)
{
    ASSERT_EQ(ERROR_SUCCESS, m_key.OpenSettings());
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetNumber(settings::kCurLoad, static_cast<DWORD>(-1)));
    DWORD value = 0;
    ASSERT_EQ(ERROR_SUCCESS, m_key.QueryNumber(settings::kCurLoad, value));
    EXPECT_EQ(0xFFFFFFFFu, value);
    EXPECT_EQ(-1, static_cast<int>(value));

    m_sandbox.SetString(settings::kCurSupport, "3");
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryNumber(settings::kCurSupport, value));
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    m_sandbox.SetRaw(settings::kCurComponent, REG_BINARY, eight, 4);
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryNumber(settings::kCurComponent, value));
    m_sandbox.SetRaw(settings::kCurDirect, REG_QWORD, eight, 8);
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryNumber(settings::kCurDirect, value));
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryNumber("Missing", value));
}

TEST_F(SettingsKeyTest, StringsRoundTripWithTheirStoredLength)
{
    ASSERT_EQ(ERROR_SUCCESS, m_key.OpenSettings());
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetString("C:\\Programme\\Statik", settings::kProgramPath));
    char buffer[260];
    DWORD size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, m_key.QueryString(buffer, settings::kProgramPath, &size));
    EXPECT_STREQ("C:\\Programme\\Statik", buffer);
    EXPECT_EQ(std::strlen(buffer) + 1, size);

    m_sandbox.SetRaw(settings::kCurPosition, REG_SZ, "", 0);
    size = sizeof buffer;
    std::strcpy(buffer, "old");
    EXPECT_EQ(ERROR_SUCCESS, m_key.QueryString(buffer, settings::kCurPosition, &size));
    EXPECT_STREQ("", buffer);

    m_sandbox.SetRaw(settings::kCurPath, REG_EXPAND_SZ, "%TEMP%", 7);
    size = sizeof buffer;
    EXPECT_EQ(ERROR_SUCCESS, m_key.QueryString(buffer, settings::kCurPath, &size));
    EXPECT_STREQ("%TEMP%", buffer);
    m_sandbox.SetRaw(settings::kCurPath, REG_MULTI_SZ, "a\0b\0", 5);
    size = sizeof buffer;
    EXPECT_EQ(ERROR_SUCCESS, m_key.QueryString(buffer, settings::kCurPath, &size));
    EXPECT_STREQ("a", buffer);
}

TEST_F(SettingsKeyTest, UnusableStringValuesLeaveAnEmptyBufferAndFail)
{
    ASSERT_EQ(ERROR_SUCCESS, m_key.OpenSettings());
    char buffer[8];
    DWORD size = sizeof buffer;

    m_sandbox.SetNumber(settings::kLanguage, 7);
    std::strcpy(buffer, "old");
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryString(buffer, settings::kLanguage, &size));
    EXPECT_STREQ("", buffer);

    // Exactly the buffer's size in characters and no terminating zero (nor a zero right
    // behind the data, which the system would count in): read as missing.
    m_sandbox.SetRaw(settings::kCurPosition, REG_SZ, "ABCDEFGHX", 8);
    size = sizeof buffer;
    std::strcpy(buffer, "old");
    EXPECT_NE(ERROR_SUCCESS, m_key.QueryString(buffer, settings::kCurPosition, &size));
    EXPECT_STREQ("", buffer);

    m_sandbox.SetString(settings::kCurPath, "far longer than eight");
    size = sizeof buffer;
    std::strcpy(buffer, "old");
    EXPECT_EQ(ERROR_MORE_DATA, m_key.QueryString(buffer, settings::kCurPath, &size));
    EXPECT_STREQ("", buffer);

    size = sizeof buffer;
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryString(buffer, "Missing", &size));
    EXPECT_NE(ERROR_SUCCESS, m_key.QueryString(buffer, "Missing", nullptr));

    // Reads through a key that failed to open fail.
    KVSettingsKey closed;
    DWORD value = 0;
    std::strcpy(buffer, "old");
    EXPECT_NE(ERROR_SUCCESS, closed.QueryNumber(settings::kCurLoad, value));
    EXPECT_NE(ERROR_SUCCESS, closed.QueryString(buffer, settings::kLanguage, &size));
    EXPECT_STREQ("", buffer);
}
