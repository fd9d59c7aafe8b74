#include "ControlsTestDialog.h"
#include "ControlsTestResources.h"

#include "framework/AfxMessageBox.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// What the answering timer saw of the message box, and the button it pressed.
struct SeenBox {
    std::string text;
    std::string caption;
    HWND owner = nullptr;
    int button = IDOK;
};
SeenBox g_seen;

// Runs inside the message box's own modal loop: reads the box and presses the button.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = GetActiveWindow();
    char className[16] = {};
    GetClassNameA(box, className, sizeof(className));
    if (std::string(className) != "#32770" || !GetDlgItem(box, 0xFFFF))
        return;
    KillTimer(nullptr, timer);
    char buffer[256] = {};
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
    g_seen.text = buffer;
    GetWindowTextA(box, buffer, sizeof(buffer));
    g_seen.caption = buffer;
    g_seen.owner = GetWindow(box, GW_OWNER);
    PostMessageA(box, WM_COMMAND, g_seen.button, 0);
}

int ShowAndAnswer(int button, int (*show)())
{
    g_seen = SeenBox();
    g_seen.button = button;
    SetTimer(nullptr, 0, 20, AnswerBox);
    return show();
}

TEST(AfxMessageBox, OwnedByActiveWindowWithApplicationCaption)
{
    CWinApp app("Kesvar Test");
    ControlsTestDialog dialog;
    ::SetActiveWindow(dialog.m_hWnd);

    EXPECT_EQ(ShowAndAnswer(IDOK, [] { return AfxMessageBox("Keine Auswahl"); }), IDOK);
    EXPECT_EQ(g_seen.text, "Keine Auswahl");
    EXPECT_EQ(g_seen.caption, "Kesvar Test");
    EXPECT_EQ(g_seen.owner, dialog.m_hWnd);

    // The text from a string resource; the answer is the button pressed.
    EXPECT_EQ(
        ShowAndAnswer(IDNO, [] { return AfxMessageBox(IDS_TEST_TOOLTIP_FIRST + 2, MB_YESNO); }),
        IDNO);
    EXPECT_EQ(g_seen.text, "Ohne Tipp");
}

TEST(AfxMessageBox, WithoutApplicationOrWindow)
{
    ::SetActiveWindow(nullptr);
    EXPECT_EQ(ShowAndAnswer(IDOK, [] { return AfxMessageBox(static_cast<LPCSTR>(nullptr)); }),
              IDOK);
    EXPECT_EQ(g_seen.text, "");
    EXPECT_EQ(g_seen.owner, nullptr);
}

} // namespace
