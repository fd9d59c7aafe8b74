// The coordinate field through real messages: typed text, Enter, Escape and Tab pass the
// modal loop as a user's keys do.
#include "tests/support/BeepCounter.h"
#include "tests/assign/CoordinateTestDialog.h"

#include "framework/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

void CoordinateTestDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORIGIN_X, m_edX);
    DDX_Control(pDX, IDC_ORIGIN_Y, m_edY);
    DDX_Control(pDX, IDC_ORIGIN_Z, m_edZ);
}

BOOL CoordinateTestDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edX.BindValue(m_pX);
    return TRUE;
}

namespace
{

// Runs the dialog; the script gets the x field, then Cancel ends the run (so Enter and
// Escape in the field must not have ended it).
void RunWithX(CoordinateTestDialog& dialog,
              const std::function<void(const harness::Window&)>& script)
{
    const INT_PTR result = harness::RunScripted([&] { return dialog.DoModal(); },
                                                [&] {
                                                    const harness::Window dlg =
                                                        harness::WaitForDialog(IDC_ORIGIN_X);
                                                    script(dlg.Control(IDC_ORIGIN_X));
                                                    dlg.Control(IDCANCEL).Click();
                                                });
    EXPECT_EQ(IDCANCEL, result);
}

bool WholeTextSelected(const harness::Window& field)
{
    DWORD start = 1, end = 0;
    harness::OnUi([&] { SendMessageA(field.Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end)); });
    return start == 0 && end == field.Text().size();
}

struct KeyCase {
    const char* typed;
    UINT key;
    double value; // the bound value afterwards
    const char* text;
    int beeps;
};

const KeyCase kKeyCases[] = {
    {"3.75", VK_RETURN, 3.75, "3.75", 0}, // taken, text as typed
    {"1e3", VK_RETURN, 1000.0, "1e3", 0},
    {" -4 ", VK_TAB, -4.0, " -4 ", 0}, // leaving the field takes it too
    {"abc", VK_TAB, 2.5, "2.5", 1},    // refused: the last good value, one beep
    {"\b", VK_RETURN, 2.5, "2.5", 1},  // the empty text is no number
    {"-0", VK_RETURN, 2.5, "2.5", 1},
    {"3.75", VK_ESCAPE, 2.5, "2.5", 0}, // typing undone
};

} // namespace

TEST(CoordinateEdit, EnterTabAndEscapeTakeRefuseOrUndoTheTypedText)
{
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\", key " + std::to_string(c.key));
        double value = 2.5;
        CoordinateTestDialog dialog(&value);
        BeepCounter beeps;
        ASSERT_TRUE(beeps.Installed());
        RunWithX(dialog, [&](const harness::Window& field) {
            EXPECT_EQ("2.5", field.Text());
            field.Type(c.typed);
            field.Key(c.key);
            EXPECT_EQ(c.text, field.Text());
            harness::OnUi([&] { EXPECT_EQ(c.value, value); });
            EXPECT_EQ(c.beeps, beeps.Count());
            // Enter and Escape stay in the field and select its text; Tab moves on.
            EXPECT_EQ(c.key != VK_TAB, field.HasFocus());
            if (c.key != VK_TAB) {
                EXPECT_TRUE(WholeTextSelected(field));
            }
        });
    }
}

TEST(CoordinateEdit, RebindingTakesOnlyANumberAndShowsTheNewValue)
{
    double a = 2.5;
    double b = -7.25;
    CoordinateTestDialog dialog(&a);
    BeepCounter beeps;
    RunWithX(dialog, [&](const harness::Window& field) {
        auto bind = [&](double* p) { harness::OnUi([&] { dialog.m_edX.BindValue(p); }); };
        field.Type("abc");
        bind(&b);
        EXPECT_EQ("-7.25", field.Text());
        field.Type("8");
        bind(&a);
        EXPECT_EQ("2.5", field.Text());
        field.Type("1e3");
        field.Key(VK_RETURN);
        EXPECT_EQ("1e3", field.Text());
        field.Key(VK_ESCAPE);
        EXPECT_EQ("1000", field.Text());
        bind(nullptr);
        EXPECT_EQ("", field.Text());
        field.Type("5");
        field.Key(VK_RETURN); // nothing bound: nothing to take, nothing to refuse
    });
    EXPECT_EQ(1000.0, a);
    EXPECT_EQ(8.0, b);
    EXPECT_EQ(0, beeps.Count());
}

TEST(CoordinateEdit, ShowsFifteenSignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {{0.1, "0.1"}, {1.0 / 3.0, "0.333333333333333"}, {-2e20, "-2e+20"}, {0.0, "0"}};
    double x = 0.0;
    CoordinateTestDialog dialog(&x);
    RunWithX(dialog, [&](const harness::Window& field) {
        for (auto& c : cases) {
            double value = c.value;
            harness::OnUi([&] { dialog.m_edX.BindValue(&value); });
            EXPECT_EQ(c.text, field.Text());
            harness::OnUi([&] { dialog.m_edX.BindValue(nullptr); });
        }
    });
}
