// AfxMessageBox: owned by the active window, captioned with the application's name, the
// text given or loaded, the button pressed as its result.
#include "ControlsTestDialog.h"
#include "ControlsTestResources.h"

#include "framework/AfxMessageBox.h"
#include "framework/CWinApp.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

namespace
{

struct Seen {
    std::string text;
    std::string caption;
    HWND owner = nullptr;
};

// Runs show() while a script reads the box it opens and answers it with button.
INT_PTR ShowAndAnswer(const std::function<INT_PTR()>& show, int button, Seen& seen)
{
    return harness::RunScripted(show, [&] {
        const harness::MessageBoxInfo box = harness::WaitForMessageBox();
        seen = {box.text, box.caption, ::GetWindow(box.window.Handle(), GW_OWNER)};
        box.Answer(button);
    });
}

TEST(AfxMessageBox, OwnedByTheActiveWindowWithTheApplicationsCaption)
{
    Seen seen;
    {
        CWinApp app("Kesvar Test");
        ControlsTestDialog dialog;
        ::SetActiveWindow(dialog.m_hWnd);
        EXPECT_EQ(IDOK, ShowAndAnswer([] { return AfxMessageBox("Keine Auswahl"); }, IDOK, seen));
        EXPECT_EQ(seen.text, "Keine Auswahl");
        EXPECT_EQ(seen.caption, "Kesvar Test");
        EXPECT_EQ(seen.owner, dialog.m_hWnd);
        EXPECT_EQ(IDNO,
                  ShowAndAnswer([] { return AfxMessageBox(IDS_TEST_TOOLTIP_FIRST + 2, MB_YESNO); },
                                IDNO, seen));
        EXPECT_EQ(seen.text, "Ohne Tipp");
    }
    ::SetActiveWindow(nullptr);
    EXPECT_EQ(IDOK, ShowAndAnswer([] { return AfxMessageBox(static_cast<LPCSTR>(nullptr)); }, IDOK,
                                  seen));
    EXPECT_EQ(seen.text, "");
    EXPECT_EQ(seen.owner, nullptr);
}

} // namespace
