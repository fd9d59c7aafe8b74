// The assignment and share dialogs through real messages, on the German and the English
// language library: texts are compared with the library's own strings.
#include "dialogs/CKVAnteilNach.h"
#include "dialogs/CKVZuordnung.h"
#include "framework/ModuleState.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "resources/ResourceIds.h"
#include "tests/support/BeepCounter.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

// The own position's loads, in an order no sorting would give.
const KVOwnLoad kOwnLoads[] = {
    {{0}, {0}, "Wind"}, {{0}, {0}, "Eigengewicht"}, {{0}, {0}, "Schnee"}};
const char* const kSourceLoads[] = {"LF 1   ", "LF 2 ", "LF 3"}; // blank-padded as read

const char* OwnLoadName(long index)
{
    return index >= 0 && index < 3 ? kOwnLoads[index].name : "(outside the list)";
}

// A transfer whose supports have these numbers of loads (the first three named as in
// kSourceLoads), with three assignment entries; everything goes to own load 0.
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

std::vector<std::string> Column(const harness::Window& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.RowCount(); ++row)
        texts.push_back(list.RowText(row, column));
    return texts;
}

// Heading and width of a list control column.
std::pair<std::string, int> ColumnHeading(const harness::Window& list, int column)
{
    char text[100] = "";
    LVCOLUMNA c = {};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = text;
    c.cchTextMax = sizeof text;
    harness::OnUi([&] { SendMessageA(list.Handle(), LVM_GETCOLUMNA, column, LPARAM(&c)); });
    return {text, c.cx};
}

// Selects these rows (ascending) of a list control with the keyboard: the first one alone,
// then Ctrl+Down to each further row and Ctrl+Space to add it.
void SelectRows(const harness::Window& list, const std::vector<int>& rows)
{
    list.SelectRow(rows.front());
    for (size_t i = 1; i < rows.size(); ++i) {
        for (int row = rows[i - 1]; row < rows[i]; ++row)
            list.Key(VK_DOWN, true);
        list.Key(VK_SPACE, true);
    }
    ASSERT_EQ(rows, list.SelectedRows());
}

// The face brush for an edit-type colour request of the read-only info field; the
// dialog's base answer for a request of another type.
void ExpectFieldColouring(const harness::Window& dialog)
{
    harness::OnUi([&] {
        const HWND field = dialog.Control(IDC_INFO_TEXT).Handle();
        HDC dc = CreateCompatibleDC(nullptr);
        auto request = [&](UINT message) {
            return HBRUSH(SendMessageA(dialog.Handle(), message, WPARAM(dc), LPARAM(field)));
        };
        const HBRUSH face = request(WM_CTLCOLOREDIT);
        LOGBRUSH brush = {};
        EXPECT_TRUE(GetObjectA(face, sizeof brush, &brush));
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), brush.lbColor);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetBkColor(dc));
        EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), GetTextColor(dc));
        EXPECT_NE(face, request(WM_CTLCOLORSTATIC));
        DeleteDC(dc);
    });
}

class AssignmentDialogs : public ::testing::TestWithParam<const char*>
{
  protected:
    void SetUp() override
    {
        m_hLanguage = LoadLibraryA(GetParam());
        ASSERT_NE(nullptr, m_hLanguage);
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hLanguage);
        m_request.positionName = "Pos 7";
        m_request.loadCount.value = 3;
        m_request.loads = kOwnLoads;
    }
    void TearDown() override
    {
        AfxSetResourceHandle(m_hPrevious);
        if (m_hLanguage)
            FreeLibrary(m_hLanguage);
    }
    // String id, with %1 and %2 replaced when given.
    static std::string Text(UINT id, const std::string& first = "", const std::string& second = "")
    {
        CString loaded;
        loaded.LoadString(id);
        std::string text = loaded.GetString();
        if (!first.empty()) {
            text.replace(text.find("%1"), 2, first);
            text.replace(text.find("%2"), 2, second);
        }
        return text;
    }
    INT_PTR RunAssignment(KVItem& item, const std::function<void(const harness::Window&)>& script)
    {
        CKVZuordnung dialog(&m_request, &item, "Pos 7", "D01.017", nullptr);
        return harness::RunScripted([&] { return dialog.DoModal(); },
                                    [&] { script(harness::WaitForDialog(IDC_LOAD_ASSIGNMENTS)); });
    }
    // Clicks Assign and returns the share dialog.
    static harness::Window OpenShare(const harness::Window& dialog)
    {
        dialog.Control(IDC_ASSIGN).Click();
        return harness::WaitForDialog(IDC_OWN_LOADS);
    }
    std::string Language() const { return std::string(GetParam()).substr(7, 3); }

    KVEditRequest m_request{};
    HINSTANCE m_hLanguage = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Languages, AssignmentDialogs,
                         ::testing::Values("kesvar_deu.dll", "kesvar_eng.dll"));

} // namespace

TEST_P(AssignmentDialogs, ChosenRowsGetTheOwnLoadAndOkGivesItToLoadJOfEverySupport)
{
    auto item = MakeTransfer({3, 3, 3});
    const INT_PTR result = RunAssignment(*item, [&](const harness::Window& dialog) {
        EXPECT_EQ(Text(IDS_ASSIGN_TEXT, "D01.017", "Pos 7"), dialog.Control(IDC_INFO_TEXT).Text());
        const harness::Window list = dialog.Control(IDC_LOAD_ASSIGNMENTS);
        EXPECT_EQ(std::make_pair(Text(IDS_COL_LOAD), 130), ColumnHeading(list, 0));
        EXPECT_EQ(std::make_pair(Text(IDS_COL_OWN_LOAD), 130), ColumnHeading(list, 1));
        EXPECT_EQ((std::vector<std::string>{"LF 1", "LF 2", "LF 3"}), Column(list, 0));
        ExpectFieldColouring(dialog);
        SelectRows(list, {1, 2}); // not symmetric: load j, not another, takes row j's choice

        const harness::Window share = OpenShare(dialog);
        EXPECT_EQ(Text(IDS_SHARE_TEXT, "Pos 7", "D01.017"), share.Control(IDC_INFO_TEXT).Text());
        EXPECT_EQ((std::vector<std::string>{"Wind", "Eigengewicht", "Schnee"}),
                  Column(share.Control(IDC_OWN_LOADS), 0));
        ExpectFieldColouring(share);
        EXPECT_FALSE(share.Control(IDOK).IsEnabled());
        share.Control(IDC_OWN_LOADS).SelectRow(1);
        share.Control(IDOK).Click();
        harness::WaitUntilGone(share);

        EXPECT_EQ((std::vector<std::string>{"Wind", "Eigengewicht", "Eigengewicht"}),
                  Column(list, 1));
        EXPECT_TRUE(list.HasFocus());
        harness::OnUi([&] { EXPECT_EQ("000|000|000|000", OwnLoads(*item)); }); // copies only
        dialog.Control(IDOK).Click();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("011|011|011|011", OwnLoads(*item));
}

TEST_P(AssignmentDialogs, NothingSelectedOrCancelledChangesNothing)
{
    auto item = MakeTransfer({3, 3});
    BeepCounter beeps;
    const INT_PTR result = RunAssignment(*item, [&](const harness::Window& dialog) {
        const harness::Window list = dialog.Control(IDC_LOAD_ASSIGNMENTS);
        dialog.Control(IDC_ASSIGN).Click();
        const harness::MessageBoxInfo box = harness::WaitForMessageBox();
        EXPECT_EQ(Text(IDS_ASSIGN_NO_SELECTION), box.text);
        EXPECT_EQ(Text(IDS_ASSIGN_CAPTION), box.caption);
        EXPECT_EQ(1, beeps.Count());
        box.Answer(IDOK);

        list.SelectRow(1);
        harness::Window share = OpenShare(dialog);
        share.Control(IDC_OWN_LOADS).SelectRow(2);
        share.Control(IDCANCEL).Click();
        harness::WaitUntilGone(share);
        EXPECT_EQ((std::vector<std::string>{"Wind", "Wind", "Wind"}), Column(list, 1));
        EXPECT_TRUE(list.HasFocus());

        share = OpenShare(dialog);
        share.Control(IDC_OWN_LOADS).DoubleClickRow(2); // confirms at once
        harness::WaitUntilGone(share);
        EXPECT_EQ((std::vector<std::string>{"Wind", "Schnee", "Wind"}), Column(list, 1));
        dialog.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("000|000|000", OwnLoads(*item));
}

TEST_P(AssignmentDialogs, ShareDialogConfirmsOnlyWithALoadSelected)
{
    CKVAnteilNach share(&m_request, "Pos 7", "D01.017", nullptr);
    int chosen = -1;
    const INT_PTR result = harness::RunScripted(
        [&] { return share.DoModal(); },
        [&] {
            const harness::Window dialog = harness::WaitForDialog(IDC_OWN_LOADS);
            const harness::Window list = dialog.Control(IDC_OWN_LOADS);
            EXPECT_EQ(-1, list.Selection());
            // A double click that selects nothing, and Enter, leave the dialog open.
            harness::OnUi([&] {
                SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_OWN_LOADS, LBN_DBLCLK),
                             LPARAM(list.Handle()));
            });
            harness::Key(VK_RETURN);
            EXPECT_TRUE(dialog.Exists());
            EXPECT_FALSE(dialog.Control(IDOK).IsEnabled());
            list.Key(VK_END);
            chosen = list.Selection();
            ASSERT_NE(-1, chosen);
            EXPECT_TRUE(dialog.Control(IDOK).IsEnabled());
            harness::Key(VK_RETURN);
        });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(chosen, share.m_nSelected);
    EXPECT_STREQ(kOwnLoads[chosen].name, share.m_strSelected);
}

TEST_P(AssignmentDialogs, Screenshot)
{
    auto item = MakeTransfer({3});
    RunAssignment(*item, [&](const harness::Window& dialog) {
        SelectRows(dialog.Control(IDC_LOAD_ASSIGNMENTS), {0, 2});
        const harness::Window share = OpenShare(dialog);
        share.Control(IDC_OWN_LOADS).SelectRow(1);
        harness::Screenshot(share, "share_" + Language());
        share.Control(IDOK).Click();
        harness::WaitUntilGone(share);
        harness::Screenshot(dialog, "assignment_" + Language());
        dialog.Control(IDCANCEL).Click();
    });
}

// A support with more loads than the list has rows keeps the own loads of the loads beyond;
// one with fewer gets the rows it has; without supports the list stays empty.
TEST_P(AssignmentDialogs, SupportsWithOtherLoadCountsTakeTheRowsTheyHave)
{
    const struct {
        std::vector<int> loadsPerSupport;
        int rows;
        const char* expected;
    } cases[] = {{{3, 5, 2}, 3, "222|222|22200|22"}, {{}, 0, "000"}};
    for (const auto& c : cases) {
        auto item = MakeTransfer(c.loadsPerSupport);
        const INT_PTR result = RunAssignment(*item, [&](const harness::Window& dialog) {
            const harness::Window list = dialog.Control(IDC_LOAD_ASSIGNMENTS);
            ASSERT_EQ(c.rows, list.RowCount());
            if (c.rows) {
                SelectRows(list, {0, 1, 2});
                const harness::Window share = OpenShare(dialog);
                share.Control(IDC_OWN_LOADS).DoubleClickRow(2);
                harness::WaitUntilGone(share);
            }
            dialog.Control(IDOK).Click();
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.expected, OwnLoads(*item));
    }
}
