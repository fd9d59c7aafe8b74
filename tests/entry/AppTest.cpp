// The application object's start and the module's progress message.
#include "dialogs/CInitMessage.h"
#include "entry/CKVApp.h"
#include "framework/ModuleState.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
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
    sandbox.SetNumber(settings::kHelpPath, 1); // of the wrong type: the path stays
    EXPECT_TRUE(app.InitInstance());
    EXPECT_STREQ("D:\\Help\\Kesvar.hlp", app.m_pszHelpFilePath);
}

// The progress message exists exactly as long as its object. (The about box: the editor's
// tests open it.)
TEST(PlainDialogs, ProgressMessageLivesWithItsObject)
{
    HMODULE german = LoadLibraryA("kesvar_deu.dll");
    ASSERT_NE(nullptr, german);
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(german);
    HWND window = nullptr;
    {
        CInitMessage message(nullptr);
        window = message.m_hWnd;
        EXPECT_TRUE(IsWindowVisible(window));
    }
    EXPECT_FALSE(IsWindow(window));
    AfxSetResourceHandle(previous);
    FreeLibrary(german);
}
