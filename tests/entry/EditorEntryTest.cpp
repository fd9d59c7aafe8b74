// DoModalKVEdit through the module's export: the language library chosen by the settings
// and loaded only during the call, the result of each way to close the editor, the guard
// against a second editor, the host window and the thread's last error.
#include "entry/Exports.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/harness/Harness.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

using harness::Window;

namespace
{
class EditorEntryTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
        m_sandbox.SetString(settings::kLanguage, "DEU");
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_folder = temp;
        m_host = CreateWindowA("STATIC", "Host design program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                               0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        m_request.positionName = "Pos 1   ";
        m_request.directory = m_folder.c_str();
        m_request.baseName = "kvtest_entry";
        m_request.loads = m_loads;
        m_request.loadCount.value = 1;
        m_request.parent = m_host;
    }
    void TearDown() override { DestroyWindow(m_host); }

    // Runs the export while script drives the window it opens; the export's result.
    int Run(const std::function<void(Window)>& script, int dialog = IDC_TRANSFER_LIST)
    {
        return static_cast<int>(harness::RunScripted(
            [&] { return DoModalKVEdit(&m_request); },
            [&] { script(dialog ? harness::WaitForDialog(dialog) : Window()); }));
    }

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    std::string m_folder;
    HWND m_host = nullptr;
    KVOwnLoad m_loads[1] = {{{0}, {0}, "Eigengewicht"}};
    KVEditRequest m_request{};
};
} // namespace

// The editor is owned by the host window also when another window is active; the host is
// disabled during the run. (The close box: the editor's tests.)
TEST_F(EditorEntryTest, OkGivesOneCancelZeroWithTheLibraryLoadedForTheCallOnly)
{
    m_sandbox.SetString(settings::kLanguage, "ENG");
    HWND active = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                nullptr, nullptr);
    SetActiveWindow(active);
    EXPECT_EQ(1, Run([&](Window editor) {
                  harness::OnUi([&] {
                      EXPECT_NE(nullptr, GetModuleHandleA("kesvar_eng.dll"));
                      EXPECT_FALSE(IsWindowEnabled(m_host));
                      EXPECT_EQ(m_host, GetWindow(editor.Handle(), GW_OWNER));
                  });
                  editor.Control(IDOK).Click();
              }));
    DestroyWindow(active);
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_eng.dll"));
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_deu.dll"));
    EXPECT_TRUE(IsWindowEnabled(m_host));
    EXPECT_EQ(0, Run([](Window editor) { editor.Control(IDCANCEL).Click(); }));
}

TEST_F(EditorEntryTest, SecondCallWhileTheEditorIsOpenReturnsZeroAndKeepsItsLastError)
{
    // Also when the second call would miss its language library: no message, at once.
    int inner = -1;
    DWORD innerError = 0;
    Run([&](Window editor) {
        m_sandbox.SetString(settings::kLanguage, "XX");
        harness::OnUi([&] {
            SetLastError(ERROR_ACCESS_DENIED);
            inner = DoModalKVEdit(&m_request);
            innerError = GetLastError();
            // The open editor's library is still loaded after the inner call.
            EXPECT_NE(nullptr, GetModuleHandleA("kesvar_deu.dll"));
        });
        EXPECT_EQ(2u, harness::TopLevelWindows().size()); // the editor and the host
        editor.Control(IDOK).Click();
    });
    EXPECT_EQ(0, inner);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), innerError);
}

TEST_F(EditorEntryTest, MissingLanguageLibraryIsNamedToTheUserAndOpensNothing)
{
    m_sandbox.SetString(settings::kLanguage, "XX");
    std::string text;
    HWND owner = nullptr;
    const int result = Run(
        [&](Window) {
            harness::MessageBoxInfo box = harness::WaitForMessageBox();
            text = box.text;
            owner = GetWindow(box.window.Handle(), GW_OWNER);
            box.Answer(IDOK);
        },
        0);
    EXPECT_EQ(0, result);
    EXPECT_NE(std::string::npos, text.find("kesvar_xx.dll")) << text;
    EXPECT_EQ(m_host, owner);
    EXPECT_TRUE(IsWindowEnabled(m_host));
}
