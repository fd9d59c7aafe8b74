#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cstring>

class SettingsKeyTest : public ::testing::Test
{
  protected:
    // A string value as the key reads it into a buffer of eight; a failure empties the buffer.
    LONG Query(const char* name, char (&buffer)[8])
    {
        std::strcpy(buffer, "old");
        DWORD size = sizeof buffer;
        const LONG result = m_key.QueryString(buffer, name, &size);
        if (result != ERROR_SUCCESS) {
            EXPECT_STREQ("", buffer) << name;
        }
        return result;
    }

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    KVSettingsKey m_key;
};

TEST_F(SettingsKeyTest, CloseForgetsTheHandleAndOnlyDwordNumbersCount)
{
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS,
              m_key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
    EXPECT_TRUE(m_sandbox.Exists());
    EXPECT_EQ(ERROR_SUCCESS, m_key.Close());
    EXPECT_EQ(nullptr, m_key.Handle());
    EXPECT_EQ(ERROR_SUCCESS, m_key.Close());

    ASSERT_EQ(ERROR_SUCCESS, m_key.OpenSettings());
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetNumber(settings::kCurLoad, static_cast<DWORD>(-1)));
    DWORD value = 0;
    ASSERT_EQ(ERROR_SUCCESS, m_key.QueryNumber(settings::kCurLoad, value));
    EXPECT_EQ(0xFFFFFFFFu, value);

    m_sandbox.SetString(settings::kCurSupport, "3");
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryNumber(settings::kCurSupport, value));
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    m_sandbox.SetRaw(settings::kCurDirect, REG_QWORD, eight, 8);
    EXPECT_EQ(ERROR_INVALID_DATA, m_key.QueryNumber(settings::kCurDirect, value));
}

TEST_F(SettingsKeyTest, StringValues)
{
    ASSERT_EQ(ERROR_SUCCESS, m_key.OpenSettings());
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetString("C:\\P", settings::kProgramPath));
    char buffer[8];
    DWORD size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, m_key.QueryString(buffer, settings::kProgramPath, &size));
    EXPECT_STREQ("C:\\P", buffer);
    EXPECT_EQ(5u, size);

    m_sandbox.SetRaw(settings::kCurPosition, REG_SZ, "", 0);
    EXPECT_EQ(ERROR_SUCCESS, Query(settings::kCurPosition, buffer));
    EXPECT_STREQ("", buffer);

    m_sandbox.SetNumber(settings::kLanguage, 7);
    EXPECT_EQ(ERROR_INVALID_DATA, Query(settings::kLanguage, buffer));
    // Exactly the buffer's size in characters and no terminating zero (nor a zero right
    // behind the data, which the system would count in): read as missing.
    m_sandbox.SetRaw(settings::kCurPosition, REG_SZ, "ABCDEFGHX", 8);
    EXPECT_NE(ERROR_SUCCESS, Query(settings::kCurPosition, buffer));
    m_sandbox.SetString(settings::kCurPath, "far longer than eight");
    EXPECT_EQ(ERROR_MORE_DATA, Query(settings::kCurPath, buffer));
    EXPECT_EQ(ERROR_INVALID_DATA, Query("Missing", buffer));
}
