// The application object's start and the module's plain dialogs.
#include "dialogs/CInitMessage.h"
#include "dialogs/CKVAbout.h"
#include "entry/CKVApp.h"
#include "framework/ModuleState.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/harness/Harness.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

TEST(KVApp, HelpFileFollowsHelpPathAndKeepsTheDefaultWithoutIt)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    CKVApp app;
    const std::string defaultPath = app.m_pszHelpFilePath;
    EXPECT_TRUE(app.InitInstance());
    EXPECT_EQ(defaultPath, app.m_pszHelpFilePath);

    sandbox.SetString(settings::kHelpPath, "D:\\Help");
    EXPECT_TRUE(app.InitInstance());
    EXPECT_STREQ("D:\\Help\\Kesvar.hlp", app.m_pszHelpFilePath);

    sandbox.SetNumber(settings::kHelpPath, 1);
    EXPECT_TRUE(app.InitInstance());
    EXPECT_STREQ("D:\\Help\\Kesvar.hlp", app.m_pszHelpFilePath);
}

class PlainDialogsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_hLanguage = LoadLibraryA("kesvar_deu.dll");
        ASSERT_NE(nullptr, m_hLanguage);
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hLanguage);
    }
    void TearDown() override
    {
        AfxSetResourceHandle(m_hPrevious);
        FreeLibrary(m_hLanguage);
    }

    HINSTANCE m_hLanguage = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};

TEST_F(PlainDialogsTest, AboutBoxRunsModallyAndClosesWithTheKeyboard)
{
    CKVAbout about(nullptr);
    std::string caption;
    const INT_PTR result = harness::RunScripted([&] { return about.DoModal(); },
                                                [&] {
                                                    harness::Window box =
                                                        harness::WaitForDialog(IDOK);
                                                    caption = box.Text();
                                                    harness::Key(VK_RETURN);
                                                });
    EXPECT_EQ(IDOK, result);
    EXPECT_FALSE(caption.empty());
}

TEST_F(PlainDialogsTest, InitMessageExistsExactlyAsLongAsItsObject)
{
    HWND window = nullptr;
    {
        CInitMessage message(nullptr);
        window = message.m_hWnd;
        ASSERT_TRUE(IsWindow(window));
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(nullptr, GetParent(window));
    }
    EXPECT_FALSE(IsWindow(window));
}
