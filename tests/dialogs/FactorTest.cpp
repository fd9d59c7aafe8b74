// The factor dialog and its history.
#include "dialogs/CKVFactor.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/BeepCounter.h"
#include "tests/dialogs/SubdialogTestSupport.h"

#include <cmath>
#include <vector>

namespace
{
std::string StoredEntry(const KVSettingsKey& key, int index)
{
    char buffer[256] = "";
    DWORD size = sizeof buffer;
    key.QueryString(
        buffer, (std::string(settings::kLastFactorPrefix) + std::to_string(index)).c_str(), &size);
    return buffer;
}

void ExpectFactorEverywhere(const KVItem& item, double factor)
{
    for (const KVComponent* component : Components(item))
        EXPECT_EQ(factor, component->factor);
}
} // namespace

using FactorDialog = SubdialogTest;
KV_BOTH_LANGUAGES(FactorDialog);

// Without a stored history: the first component's factor alone, or 1 and -1 when it has
// none. Another component's factor comes to the top; Cancel stores nothing.
TEST_P(FactorDialog, FreshHistoryStartsWithTheFirstFactorOrWithOneAndMinusOne)
{
    struct Case {
        double firstFactor;
        std::vector<std::string> rows;
        std::string shown;
    };
    for (const Case& c : {Case{0.0, {"-1", "1"}, ""}, Case{1.35, {"1.35"}, "1.35"}}) {
        auto item = MakeItem();
        ComponentOf(*item, 0, 0, 0).factor = c.firstFactor;
        ComponentOf(*item, 0, 0, 1).factor = 2.0;
        CKVFactor dialog(item.get(), &m_settings, nullptr);
        const INT_PTR result =
            harness::RunScripted([&] { return dialog.DoModal(); },
                                 [&] {
                                     harness::Window dlg = harness::WaitForDialog(IDC_VALUE_LIST);
                                     harness::Window values = dlg.Control(IDC_VALUE_LIST);
                                     EXPECT_EQ(c.rows, Rows(values));
                                     EXPECT_EQ(c.shown, values.Text());
                                     dlg.Control(IDC_COMPONENTS).SelectRow(1);
                                     EXPECT_EQ("2", values.RowText(0));
                                     dlg.Control(IDCANCEL).Click();
                                 });
        EXPECT_EQ(IDCANCEL, result);
        DWORD count = 0;
        EXPECT_NE(0, m_settings.QueryNumber(settings::kLastFactorCount, count));
        EXPECT_EQ(c.firstFactor, ComponentOf(*item, 0, 0, 0).factor);
        EXPECT_EQ(1.0, ComponentOf(*item, 1, 1, 1).factor);
    }
}

// Stored entries come back in their order, malformed ones are skipped, and saving writes
// them under the same indices; OK applies the chosen factor to every component.
TEST_P(FactorDialog, StoredHistoryIsReadAndWrittenBackInItsOrderAndScreenshot)
{
    m_sandbox.SetNumber(settings::kLastFactorCount, 5);
    m_sandbox.SetString("LastFactor0", "2");
    m_sandbox.SetString("LastFactor1", "1.5");
    m_sandbox.SetString("LastFactor2", "1");
    m_sandbox.SetString("LastFactor3", "abc");
    m_sandbox.SetNumber("LastFactor4", 7);
    auto item = MakeItem();
    ComponentOf(*item, 0, 0, 0).factor = 0.0;
    CKVFactor dialog(item.get(), &m_settings, nullptr);
    const INT_PTR result =
        harness::RunScripted([&] { return dialog.DoModal(); },
                             [&] {
                                 harness::Window dlg = harness::WaitForDialog(IDC_VALUE_LIST);
                                 EXPECT_EQ((std::vector<std::string>{"2", "1.5", "1"}),
                                           Rows(dlg.Control(IDC_VALUE_LIST)));
                                 dlg.Control(IDC_VALUE_LIST).SelectRow(1);
                                 harness::Screenshot(dlg, ShotName("factor"));
                                 dlg.Control(IDOK).Click();
                             });
    EXPECT_EQ(IDOK, result);
    ExpectFactorEverywhere(*item, 1.5);
    DWORD count = 0;
    EXPECT_EQ(0, m_settings.QueryNumber(settings::kLastFactorCount, count));
    EXPECT_EQ(3u, count);
    EXPECT_EQ((std::vector<std::string>{"2", "1.5", "1"}),
              (std::vector<std::string>{StoredEntry(m_settings, 0), StoredEntry(m_settings, 1),
                                        StoredEntry(m_settings, 2)}));
}

// History and list stay alike: small and non-finite values are refused, the 51st value
// drops the bottom entry, a value already there moves to the top and is shown.
TEST_P(FactorDialog, HistoryKeepsFiftyDistinctValuesMostRecentFirst)
{
    auto item = MakeItem();
    ComponentOf(*item, 0, 0, 0).factor = 0.0;
    CKVFactor dialog(item.get(), &m_settings, nullptr);
    harness::RunScripted(
        [&] { return dialog.DoModal(); },
        [&] {
            harness::Window dlg = harness::WaitForDialog(IDC_VALUE_LIST);
            harness::Window values = dlg.Control(IDC_VALUE_LIST);
            auto add = [&](double value) {
                int taken = -1;
                harness::OnUi([&] { taken = dialog.m_history.AddValue(dialog.m_cbValue, value); });
                return taken;
            };
            EXPECT_EQ(0, add(0.0004));
            EXPECT_EQ(0, add(-0.0004));
            EXPECT_EQ(0, add(std::nan("")));
            EXPECT_EQ(1, add(0.0005)); // "-1", "1" and this one
            for (int v = 0; v < 47; ++v)
                add(10.0 + v);
            EXPECT_EQ(50, values.RowCount());
            EXPECT_EQ("1", values.RowText(49));
            add(100.0);
            EXPECT_EQ(50, values.RowCount());
            EXPECT_EQ("-1", values.RowText(49));
            EXPECT_EQ(1, add(0.0005));
            EXPECT_EQ(50, values.RowCount());
            EXPECT_EQ("0.0005", values.RowText(0));
            EXPECT_EQ("100", values.RowText(1));
            EXPECT_EQ("0.0005", values.Text());
            harness::OnUi([&] {
                EXPECT_EQ(50, dialog.m_history.GetCount());
                EXPECT_EQ(0.0005, dialog.m_history.GetHead());
                EXPECT_EQ(-1.0, dialog.m_history.GetTail());
            });
            dlg.Control(IDCANCEL).Click();
        });
}

// Enter takes a typed factor (and OK closes); text that is no factor beeps twice and is
// replaced by the top entry. OK refuses such text, and 0, without a word.
TEST_P(FactorDialog, EnterTakesATypedFactorAndRefusesOtherText)
{
    auto item = MakeItem();
    ComponentOf(*item, 0, 0, 0).factor = 0.0;
    CKVFactor dialog(item.get(), &m_settings, nullptr);
    BeepCounter beeps;
    const INT_PTR result =
        harness::RunScripted([&] { return dialog.DoModal(); },
                             [&] {
                                 harness::Window dlg = harness::WaitForDialog(IDC_VALUE_LIST);
                                 harness::Window values = dlg.Control(IDC_VALUE_LIST);
                                 int expectedBeeps = 0;
                                 for (const char* text : {"1,5", "abc"}) {
                                     values.Type(text);
                                     harness::Key(VK_RETURN);
                                     EXPECT_EQ(expectedBeeps += 2, beeps.Count()) << text;
                                     EXPECT_EQ("-1", values.Text());
                                     values.Type(text);
                                     dlg.Control(IDOK).Click();
                                     EXPECT_TRUE(dlg.IsVisible());
                                     EXPECT_EQ(text, values.Text());
                                 }
                                 values.Type("0");
                                 dlg.Control(IDOK).Click();
                                 EXPECT_TRUE(dlg.IsVisible());
                                 EXPECT_EQ(expectedBeeps, beeps.Count());
                                 values.Type("2.5");
                                 harness::Key(VK_RETURN);
                             });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(4, beeps.Count());
    ExpectFactorEverywhere(*item, 2.5);
    EXPECT_EQ("2.5", StoredEntry(m_settings, 0));
    EXPECT_EQ("-1", StoredEntry(m_settings, 1));
}
