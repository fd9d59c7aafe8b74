// CDialog through real messages: the modal loop, Enter, Escape and the close box, data
// exchange, the dialog-init data and nested runs. (Reflected notifications: the coordinate
// edit's tests.)
#include "FrameworkTestResources.h"

#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

using harness::RunScripted;
using harness::Window;

namespace
{

// Keys for the list box end in PreTranslateMessage: Enter and Insert counted, Ctrl+C
// counted separately; everything else goes to the dialog manager.
class KeysDialog : public CDialog
{
  public:
    KeysDialog() : CDialog(IDD_TEST_KEYS) {}

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == ::GetDlgItem(m_hWnd, IDC_KEYS_LIST)) {
            const bool copy = pMsg->wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0;
            m_copyKeys += copy;
            m_listKeys += pMsg->wParam == VK_RETURN || pMsg->wParam == VK_INSERT;
            if (copy || pMsg->wParam == VK_RETURN || pMsg->wParam == VK_INSERT)
                return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

    int m_listKeys = 0;
    int m_copyKeys = 0;
};

// Also: the dialog-init data fills the lists before the dialog shows.
TEST(Dialog, KeysHandledInPreTranslateMessageNeverReachTheDialogManager)
{
    KeysDialog dialog;
    const INT_PTR result =
        RunScripted([&] { return dialog.DoModal(); },
                    [&] {
                        Window dlg = harness::WaitForDialog(IDC_KEYS_LIST);
                        Window list = dlg.Control(IDC_KEYS_LIST);
                        EXPECT_EQ(2, list.RowCount());
                        EXPECT_EQ("Beta", list.RowText(1));
                        EXPECT_EQ("Drei", dlg.Control(IDC_KEYS_COMBO).RowText(2));
                        list.Focus();
                        list.Key(VK_RETURN);
                        list.Key(VK_INSERT);
                        list.Key('C', true);
                        list.Key('C');
                        EXPECT_TRUE(dlg.Exists());
                        dlg.Control(IDC_KEYS_EDIT).Key(VK_RETURN);
                    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2, dialog.m_listKeys);
    EXPECT_EQ(1, dialog.m_copyKeys);
}

class NumbersDialog : public CDialog
{
  public:
    NumbersDialog() : CDialog(IDD_TEST_NUMBERS) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NUMBERS_DOUBLE, m_value);
        DDX_Radio(pDX, IDC_NUMBERS_RADIO1, m_side);
        DDX_Text(pDX, IDC_NUMBERS_TEXT, m_text);
    }

    double m_value = 1234.56789012345;
    int m_side = 1;
    CString m_text = "vorher";
};

// A field that is no number shows its message, gets the focus and keeps the dialog open;
// the number message is the template module's.
TEST(Dialog, DataExchangeShowsMembersChecksNumbersAndTakesThemBackOnOK)
{
    NumbersDialog dialog;
    const auto failsWith = [](const Window& dlg, int field, const std::string& message) {
        dlg.Control(IDOK).Click();
        harness::MessageBoxInfo box = harness::WaitForMessageBox();
        EXPECT_EQ(message, box.text);
        box.Answer(IDOK);
        EXPECT_TRUE(dlg.Control(field).HasFocus());
    };
    const INT_PTR result =
        RunScripted([&] { return dialog.DoModal(); },
                    [&] {
                        Window dlg = harness::WaitForDialog(IDC_NUMBERS_DOUBLE);
                        EXPECT_EQ("1234.56789012345", dlg.Control(IDC_NUMBERS_DOUBLE).Text());
                        EXPECT_EQ(BST_CHECKED, dlg.Control(IDC_NUMBERS_RADIO2).Checked());
                        dlg.Control(IDC_NUMBERS_DOUBLE).Type("12abc");
                        failsWith(dlg, IDC_NUMBERS_DOUBLE, "Zahl erwartet.");
                        dlg.Control(IDC_NUMBERS_DOUBLE).Type(" -2.25e1 ");
                        dlg.Control(IDC_NUMBERS_RADIO1).Click();
                        dlg.Control(IDC_NUMBERS_TEXT).Type("nachher");
                        dlg.Control(IDOK).Click();
                    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(-22.5, dialog.m_value);
    EXPECT_EQ(0, dialog.m_side);
    EXPECT_STREQ("nachher", dialog.m_text);
}

class InnerDialog : public CDialog
{
  public:
    explicit InnerDialog(CWnd* pParent) : CDialog(IDD_TEST_INNER, pParent) {}
    int m_answer = 0;

  protected:
    afx_msg void OnAsk() { m_answer = MessageBox("Wirklich?", "Frage", MB_YESNO); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(InnerDialog, CDialog)
ON_BN_CLICKED(IDC_INNER_ASK, OnAsk)
END_MESSAGE_MAP()

const UINT kProbe = WM_USER + 7;

class OuterDialog : public CDialog
{
  public:
    OuterDialog() : CDialog(IDD_TEST_OUTER) {}
    // The inner run's messages stop at the inner dialog, also those of no input.
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        m_sawProbe |= pMsg->message == kProbe;
        return CDialog::PreTranslateMessage(pMsg);
    }
    INT_PTR m_innerResult = 0;
    int m_innerAnswer = 0;
    bool m_sawProbe = false;

  protected:
    afx_msg void OnOpen()
    {
        InnerDialog inner(this);
        m_innerResult = inner.DoModal();
        m_innerAnswer = inner.m_answer;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OuterDialog, CDialog)
ON_BN_CLICKED(IDC_OUTER_OPEN, OnOpen)
END_MESSAGE_MAP()

// (Enter: the keys test.) The buttons-only dialog has no caret whose timer would wake the loop
// anyway.
TEST(Dialog, EscapeTheCloseBoxAndEndDialogEndTheRun)
{
    struct Case {
        const char* what;
        std::function<void(const Window&, CDialog&)> act;
        INT_PTR expected;
    };
    const Case cases[] = {
        {"Enter", [](const Window& d, CDialog&) { d.Control(IDOK).Key(VK_RETURN); }, IDOK},
        {"Escape", [](const Window& d, CDialog&) { d.Control(IDOK).Key(VK_ESCAPE); }, IDCANCEL},
        {"close box", [](const Window& d, CDialog&) { d.Close(); }, IDCANCEL},
        // Sent from another thread, so the loop waits in GetMessage: EndDialog must wake it.
        {"EndDialog",
         [](const Window& d, CDialog& dialog) {
             harness::OnUi([&] { dialog.EndDialog(42); });
             harness::WaitUntilGone(d);
         },
         42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OuterDialog dialog;
        const INT_PTR result = RunScripted([&] { return dialog.DoModal(); },
                                           [&] { c.act(harness::WaitForDialog(IDOK), dialog); });
        EXPECT_EQ(c.expected, result);
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
}

TEST(Dialog, NestedRunWithSubDialogAndMessageBoxLeavesNoWindowBehind)
{
    OuterDialog outer;
    const INT_PTR result = RunScripted(
        [&] { return outer.DoModal(); },
        [&] {
            Window outerWindow = harness::WaitForDialog(IDC_OUTER_OPEN);
            outerWindow.Control(IDC_OUTER_OPEN).Click();
            Window inner = harness::WaitForDialog(IDC_INNER_ASK);
            EXPECT_FALSE(outerWindow.IsEnabled()); // the owner is disabled during the run
            ::PostMessageA(inner.Handle(), kProbe, 0, 0);
            inner.Control(IDC_INNER_ASK).Click();
            harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ("Wirklich?", box.text);
            EXPECT_EQ("Frage", box.caption);
            box.Answer(IDYES);
            inner.Control(IDOK).Key(VK_ESCAPE);
            harness::WaitUntilGone(inner);
            EXPECT_TRUE(outerWindow.IsEnabled());
            outerWindow.Control(IDOK).Click();
        });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(IDCANCEL, outer.m_innerResult);
    EXPECT_EQ(IDYES, outer.m_innerAnswer);
    EXPECT_FALSE(outer.m_sawProbe);
    EXPECT_TRUE(harness::TopLevelWindows().empty());
}

// The help command goes to the application with the dialog's help number; after the run
// the focus is back on the owner's control that had it, also when the owner is no dialog
// (whose dialog manager would restore it anyway).
class HelpApp : public CWinApp
{
  public:
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_data = dwData, m_command = nCmd; }
    DWORD_PTR m_data = 0;
    UINT m_command = 0;
};

TEST(Dialog, HelpReachesTheApplicationAndTheFocusReturnsToTheOwner)
{
    HelpApp app;
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner.m_hWnd,
                                  nullptr, nullptr, nullptr);
    ::SetActiveWindow(owner.m_hWnd);
    ::SetFocus(edit);
    KeysDialog dialog;
    RunScripted([&] { return dialog.DoModal(); },
                [&] {
                    Window dlg = harness::WaitForDialog(IDC_KEYS_EDIT);
                    ::PostMessageA(dlg.Handle(), WM_COMMAND, ID_HELP, 0);
                    dlg.Control(IDCANCEL).Click();
                });
    EXPECT_EQ(static_cast<DWORD_PTR>(HID_BASE_RESOURCE + IDD_TEST_KEYS), app.m_data);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), app.m_command);
    EXPECT_EQ(edit, ::GetFocus());
}

} // namespace
