// The assignment and share dialogs through real messages, on the German and the English
// language library: texts are compared with the library's own strings.
#include "dialogs/CKVZuordnung.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/LanguageTest.h"
#include "tests/support/BeepCounter.h"

#include <memory>

using harness::Window;

namespace
{
// The own position's loads, in an order no sorting would give.
const KVOwnLoad kOwnLoads[] = {
    {{0}, {0}, "Wind"}, {{0}, {0}, "Eigengewicht"}, {{0}, {0}, "Schnee"}};
const char* const kSourceLoads[] = {"LF 1   ", "LF 2 ", "LF 3"}; // blank-padded as read

const char* OwnLoadName(long i)
{
    return i >= 0 && i < 3 ? kOwnLoads[i].name : "(outside)";
}

// A transfer whose supports have these numbers of loads (named as in kSourceLoads, over
// and over), with three assignment entries; everything goes to own load 0.
std::unique_ptr<KVItem> MakeTransfer(const std::vector<int>& loadsPerSupport)
{
    auto item = std::make_unique<KVItem>();
    for (const int loads : loadsPerSupport) {
        auto* support = new KVSupport("A", 1);
        for (int j = 0; j < loads; ++j) {
            auto* load = new KVLoad(kSourceLoads[j % 3], 1);
            load->ownLoad = 0;
            load->m_strOwnLoad = kOwnLoads[0].name;
            support->m_loads.Add(load);
        }
        item->m_supports.Add(support);
    }
    for (int j = 0; j < 3; ++j)
        item->m_loadAssignments.Add(new KVLoadAssignment(j, kSourceLoads[j], 0, kOwnLoads[0].name));
    return item;
}

// The own load indexes of the entries, then of each support's loads: "entries|loads|...".
// Every own load name must be its index's, every source name as built.
std::string OwnLoads(const KVItem& item)
{
    std::string result;
    for (INT_PTR i = 0; i < item.m_loadAssignments.GetSize(); ++i) {
        const auto* e = static_cast<const KVLoadAssignment*>(item.m_loadAssignments[i]);
        EXPECT_STREQ(kSourceLoads[i], e->m_strSourceLoad);
        EXPECT_STREQ(OwnLoadName(long(e->ownLoad)), e->m_strOwnLoad);
        result += std::to_string(e->ownLoad);
    }
    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s) {
        result += '|';
        for (INT_PTR j = 0; j < item.GetSupport(s)->GetLoadCount(); ++j) {
            const KVLoad* load = item.GetSupport(s)->GetLoad(j);
            EXPECT_STREQ(OwnLoadName(load->ownLoad), load->m_strOwnLoad);
            result += std::to_string(load->ownLoad);
        }
    }
    return result;
}

// Heading and width of a list control column.
std::pair<std::string, int> Heading(const Window& list, int column)
{
    char text[100] = "";
    LVCOLUMNA c = {};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = text;
    c.cchTextMax = sizeof text;
    harness::OnUi([&] { SendMessageA(list.Handle(), LVM_GETCOLUMNA, column, LPARAM(&c)); });
    return {text, c.cx};
}

class AssignmentDialogs : public LanguageTest
{
  protected:
    AssignmentDialogs()
    {
        m_request.loadCount.value = 3;
        m_request.loads = kOwnLoads;
    }
    INT_PTR Run(KVItem& item, const std::function<void(const Window&)>& script)
    {
        CKVZuordnung dialog(&m_request, &item, "Pos 7", "D01.017", nullptr);
        return RunDialog(dialog, IDC_LOAD_ASSIGNMENTS, script);
    }
    // Clicks Assign and returns the share dialog.
    static Window OpenShare(const Window& dialog)
    {
        dialog.Control(IDC_ASSIGN).Click();
        return harness::WaitForDialog(IDC_OWN_LOADS);
    }

    KVEditRequest m_request{};
};
KV_BOTH_LANGUAGES(AssignmentDialogs);
} // namespace

// The own load chosen in the share dialog goes to the chosen rows; OK gives row j's own
// load to load j of every support (the copies change until then); a support with more
// loads than the list has rows keeps the own loads of the loads beyond.
TEST_P(AssignmentDialogs, ChosenRowsGetTheOwnLoadOnOKAndScreenshot)
{
    auto item = MakeTransfer({3, 5, 2});
    const INT_PTR result = Run(*item, [&](const Window& dialog) {
        EXPECT_EQ(m_language.Format(IDS_ASSIGN_TEXT, "D01.017", "Pos 7"),
                  dialog.Control(IDC_INFO_TEXT).Text());
        const Window list = dialog.Control(IDC_LOAD_ASSIGNMENTS);
        EXPECT_EQ(std::make_pair(String(IDS_COL_LOAD), 130), Heading(list, 0));
        EXPECT_EQ(std::make_pair(String(IDS_COL_OWN_LOAD), 130), Heading(list, 1));
        EXPECT_EQ((Texts{"LF 1", "LF 2", "LF 3"}), Rows(list));
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), FieldBackground(dialog, IDC_INFO_TEXT));
        list.SelectRow(1); // and row 2 with the keyboard: Ctrl+Down, Ctrl+Space
        list.Key(VK_DOWN, true);
        list.Key(VK_SPACE, true);
        ASSERT_EQ((std::vector<int>{1, 2}), list.SelectedRows()); // not symmetric rows

        const Window share = OpenShare(dialog);
        EXPECT_EQ(m_language.Format(IDS_SHARE_TEXT, "Pos 7", "D01.017"),
                  share.Control(IDC_INFO_TEXT).Text());
        EXPECT_EQ((Texts{"Wind", "Eigengewicht", "Schnee"}), Rows(share.Control(IDC_OWN_LOADS)));
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), FieldBackground(share, IDC_INFO_TEXT));
        share.Control(IDC_OWN_LOADS).SelectRow(1);
        harness::Screenshot(share, Shot("share_"));
        share.Control(IDOK).Click();
        harness::WaitUntilGone(share);

        EXPECT_EQ((Texts{"Wind", "Eigengewicht", "Eigengewicht"}), Rows(list, 1));
        EXPECT_TRUE(list.HasFocus());
        harness::OnUi([&] { EXPECT_EQ("000|000|00000|00", OwnLoads(*item)); });
        harness::Screenshot(dialog, Shot("assignment_"));
        dialog.Control(IDOK).Click();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("011|011|01100|01", OwnLoads(*item));
}

// Assign without a chosen row beeps and says so; the share dialog confirms only with an
// own load chosen (OK disabled, a double click on nothing and Enter do nothing), Cancel
// there changes no row, a double click on a load confirms it; Cancel keeps the transfer.
TEST_P(AssignmentDialogs, NothingChosenOrCancelledChangesNothing)
{
    auto item = MakeTransfer({3, 3});
    BeepCounter beeps;
    const INT_PTR result = Run(*item, [&](const Window& dialog) {
        const Window list = dialog.Control(IDC_LOAD_ASSIGNMENTS);
        dialog.Control(IDC_ASSIGN).Click();
        const harness::MessageBoxInfo box = harness::WaitForMessageBox();
        EXPECT_EQ(String(IDS_ASSIGN_NO_SELECTION), box.text);
        EXPECT_EQ(String(IDS_ASSIGN_CAPTION), box.caption);
        EXPECT_EQ(1, beeps.Count());
        box.Answer(IDOK);

        list.SelectRow(1);
        Window share = OpenShare(dialog);
        const Window loads = share.Control(IDC_OWN_LOADS);
        EXPECT_EQ(-1, loads.Selection());
        harness::OnUi([&] {
            SendMessageA(share.Handle(), WM_COMMAND, MAKEWPARAM(IDC_OWN_LOADS, LBN_DBLCLK),
                         LPARAM(loads.Handle()));
        });
        harness::Key(VK_RETURN);
        EXPECT_TRUE(share.Exists());
        EXPECT_FALSE(share.Control(IDOK).IsEnabled());
        loads.Key(VK_END);
        EXPECT_TRUE(share.Control(IDOK).IsEnabled());
        share.Control(IDCANCEL).Click();
        harness::WaitUntilGone(share);
        EXPECT_EQ((Texts{"Wind", "Wind", "Wind"}), Rows(list, 1));
        EXPECT_TRUE(list.HasFocus());

        share = OpenShare(dialog);
        share.Control(IDC_OWN_LOADS).DoubleClickRow(2);
        harness::WaitUntilGone(share);
        EXPECT_EQ((Texts{"Wind", "Schnee", "Wind"}), Rows(list, 1));
        dialog.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("000|000|000", OwnLoads(*item));
}
