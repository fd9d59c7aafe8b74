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
    const auto add = [&](long own, const char* name) {
        EXPECT_STREQ(own >= 0 && own < 3 ? kOwnLoads[own].name : "(outside)", name);
        result += std::to_string(own);
    };
    for (INT_PTR i = 0; i < item.m_loadAssignments.GetSize(); ++i) {
        const auto* e = static_cast<const KVLoadAssignment*>(item.m_loadAssignments[i]);
        EXPECT_STREQ(kSourceLoads[i], e->m_strSourceLoad);
        add(long(e->ownLoad), e->m_strOwnLoad);
    }
    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s) {
        result += '|';
        for (INT_PTR j = 0; j < item.GetSupport(s)->GetLoadCount(); ++j)
            add(item.GetSupport(s)->GetLoad(j)->ownLoad,
                item.GetSupport(s)->GetLoad(j)->m_strOwnLoad);
    }
    return result;
}

// A list control column's heading.
std::string Heading(const Window& list, int column)
{
    char text[100] = "";
    LVCOLUMNA c = {};
    c.mask = LVCF_TEXT, c.pszText = text, c.cchTextMax = sizeof text;
    harness::OnUi([&] { SendMessageA(list.Handle(), LVM_GETCOLUMNA, column, LPARAM(&c)); });
    return text;
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

// Assign without a chosen row beeps and says so. The share dialog confirms only with an
// own load chosen (OK disabled, a double click on nothing and Enter do nothing; Cancel
// changes no row); its OK or a double click on a load gives it to the chosen rows. OK gives
// row j's own load to load j of every support (the copies change until then; a support
// with more loads than the list has rows keeps the loads beyond), Cancel keeps all.
TEST_P(AssignmentDialogs, ChosenRowsGetTheOwnLoadOnOKAndScreenshot)
{
    for (int answer : {IDCANCEL, IDOK}) {
        auto item = MakeTransfer({3, 5, 2});
        BeepCounter beeps;
        const INT_PTR result = Run(*item, [&](const Window& dialog) {
            EXPECT_EQ(m_language.Format(IDS_ASSIGN_TEXT, "D01.017", "Pos 7"),
                      dialog.Control(IDC_INFO_TEXT).Text());
            const Window list = dialog.Control(IDC_LOAD_ASSIGNMENTS);
            EXPECT_EQ(String(IDS_COL_LOAD), Heading(list, 0));
            EXPECT_EQ(String(IDS_COL_OWN_LOAD), Heading(list, 1));
            EXPECT_EQ((Texts{"LF 1", "LF 2", "LF 3"}), Rows(list));
            EXPECT_EQ(GetSysColor(COLOR_BTNFACE), FieldBackground(dialog, IDC_INFO_TEXT));
            dialog.Control(IDC_ASSIGN).Click();
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ(String(IDS_ASSIGN_NO_SELECTION), box.text);
            EXPECT_EQ(String(IDS_ASSIGN_CAPTION), box.caption);
            EXPECT_EQ(1, beeps.Count());
            box.Answer(IDOK);
            list.SelectRow(1); // and row 2 with the keyboard: Ctrl+Down, Ctrl+Space
            list.Key(VK_DOWN, true);
            list.Key(VK_SPACE, true);
            ASSERT_EQ((std::vector<int>{1, 2}), list.SelectedRows()); // not symmetric rows

            Window share = OpenShare(dialog);
            const Window loads = share.Control(IDC_OWN_LOADS);
            EXPECT_EQ(m_language.Format(IDS_SHARE_TEXT, "Pos 7", "D01.017"),
                      share.Control(IDC_INFO_TEXT).Text());
            EXPECT_EQ((Texts{"Wind", "Eigengewicht", "Schnee"}), Rows(loads));
            EXPECT_EQ(GetSysColor(COLOR_BTNFACE), FieldBackground(share, IDC_INFO_TEXT));
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

            share = OpenShare(dialog);
            if (answer == IDOK) {
                share.Control(IDC_OWN_LOADS).SelectRow(1);
                harness::Screenshot(share, Shot("share_"));
                share.Control(IDOK).Click();
            } else {
                share.Control(IDC_OWN_LOADS).DoubleClickRow(1);
            }
            harness::WaitUntilGone(share);
            EXPECT_EQ((Texts{"Wind", "Eigengewicht", "Eigengewicht"}), Rows(list, 1));
            EXPECT_TRUE(list.HasFocus());
            harness::OnUi([&] { EXPECT_EQ("000|000|00000|00", OwnLoads(*item)); });
            if (answer == IDOK)
                harness::Screenshot(dialog, Shot("assignment_"));
            dialog.Control(answer).Click();
        });
        EXPECT_EQ(answer, result);
        EXPECT_EQ(answer == IDOK ? "011|011|01100|01" : "000|000|00000|00", OwnLoads(*item));
    }
}
