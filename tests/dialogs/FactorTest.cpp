// The factor dialog and its history.
#include "dialogs/CKVFactor.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/dialogs/SubdialogTestSupport.h"
#include "tests/support/BeepCounter.h"

#include <cmath>

using harness::Window;

namespace
{
std::string Entry(int i)
{
    return settings::kLastFactorPrefix + std::to_string(i);
}

// The count and the entries stored under the settings key ("-" for a missing count).
Texts Stored(const KVSettingsKey& key)
{
    DWORD count = 0;
    if (key.QueryNumber(settings::kLastFactorCount, count) != 0)
        return {"-"};
    Texts entries;
    for (DWORD i = 0, size = 256; i < count; ++i, size = 256) {
        char buffer[256] = "";
        key.QueryString(buffer, Entry(int(i)).c_str(), &size);
        entries.push_back(buffer);
    }
    return entries;
}
} // namespace

using FactorDialog = SubdialogTest;
KV_BOTH_LANGUAGES(FactorDialog);

// Stored entries come back in their order, malformed ones skipped; without any, the
// history starts with the first component's factor, or with 1 and -1 when it has none.
// Another component's factor comes to the top; Cancel stores nothing.
TEST_P(FactorDialog, HistoryComesFromTheSettingsOrTheFirstFactorAndScreenshot)
{
    const struct {
        bool stored;
        double firstFactor;
        Texts rows;
        const char* shown;
    } cases[] = {{false, 0, {"-1", "1"}, ""},
                 {false, 1.35, {"1.35"}, "1.35"},
                 {true, 0, {"2", "1.5", "1"}, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows.front());
        if (c.stored) {
            m_sandbox.SetNumber(settings::kLastFactorCount, 5);
            for (int i = 0; i < 4; ++i)
                m_sandbox.SetString(Entry(i).c_str(), Texts{"2", "1.5", "1", "abc"}[i].c_str());
            m_sandbox.SetNumber(Entry(4).c_str(), 7);
        }
        const Texts before = Stored(m_settings);
        auto item = MakeItem();
        ComponentOf(*item, 0, 0, 0).factor = c.firstFactor;
        ComponentOf(*item, 0, 0, 1).factor = 2.0;
        CKVFactor dialog(item.get(), &m_settings, nullptr);
        const INT_PTR result = RunDialog(dialog, IDC_VALUE_LIST, [&](const Window& dlg) {
            const Window values = dlg.Control(IDC_VALUE_LIST);
            EXPECT_EQ(c.rows, Rows(values));
            EXPECT_EQ(c.shown, values.Text());
            dlg.Control(IDC_COMPONENTS).SelectRow(1);
            EXPECT_EQ("2", values.RowText(0));
            if (c.stored)
                harness::Screenshot(dlg, Shot("factor-"));
            dlg.Control(IDCANCEL).Click();
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ(before, Stored(m_settings));
        EXPECT_EQ(c.firstFactor, ComponentOf(*item, 0, 0, 0).factor);
    }
}

// History and list stay alike: small and non-finite values are refused, the 51st value
// drops the bottom entry, a value already there moves to the top and is shown. Enter takes
// a typed factor (and closes as OK does); text that is no factor beeps twice and is
// replaced by the top entry. OK refuses such text, and 0, without a word. OK sets every
// component's factor and stores the history in its order.
TEST_P(FactorDialog, HistoryKeepsFiftyValuesAndEnterTakesATypedFactor)
{
    auto item = MakeItem();
    ComponentOf(*item, 0, 0, 0).factor = 0.0;
    CKVFactor dialog(item.get(), &m_settings, nullptr);
    BeepCounter beeps;
    // The list's (or the stored history's) rows: 50, these at the top, this at the bottom.
    const auto expectHistory = [](const Texts& rows, const Texts& top, const std::string& bottom) {
        ASSERT_EQ(50u, rows.size());
        EXPECT_EQ(top, Texts(rows.begin(), rows.begin() + top.size()));
        EXPECT_EQ(bottom, rows.back());
    };
    const INT_PTR result = RunDialog(dialog, IDC_VALUE_LIST, [&](const Window& dlg) {
        const Window values = dlg.Control(IDC_VALUE_LIST);
        auto add = [&](double value) {
            int taken = -1;
            harness::OnUi([&] { taken = dialog.m_history.AddValue(dialog.m_cbValue, value); });
            return taken;
        };
        for (double refused : {0.0004, -0.0004, std::nan("")})
            EXPECT_EQ(0, add(refused));
        EXPECT_EQ(1, add(0.0005)); // "-1", "1" and this one
        for (int v = 0; v < 47; ++v)
            add(10.0 + v);
        expectHistory(Rows(values), {"56"}, "1");
        add(100.0);
        expectHistory(Rows(values), {"100"}, "-1");
        EXPECT_EQ(1, add(0.0005));
        expectHistory(Rows(values), {"0.0005", "100"}, "-1");
        EXPECT_EQ("0.0005", values.Text());
        for (const char* text : {"1,5", "abc", "0"}) {
            values.Type(text);
            if (text[0] != '0') {
                harness::Key(VK_RETURN);
                EXPECT_EQ("0.0005", values.Text());
                values.Type(text);
            }
            dlg.Control(IDOK).Click();
            EXPECT_TRUE(dlg.IsVisible());
        }
        EXPECT_EQ(4, beeps.Count());
        values.Type("2.5");
        harness::Key(VK_RETURN);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(4, beeps.Count());
    for (const KVComponent* component : Components(*item))
        EXPECT_EQ(2.5, component->factor);
    expectHistory(Stored(m_settings), {"2.5", "0.0005", "100"}, "10"); // "-1" dropped for 2.5
}
