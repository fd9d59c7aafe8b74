// The coordinate field through real messages: typed text, Enter, Escape and Tab pass the
// modal loop as a user's keys do.
#include "dialogs/KVCoordinateEdit.h"
#include "framework/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/LanguageTest.h"
#include "tests/support/BeepCounter.h"

namespace
{
// The dialog of CoordinateTest.rc, its field bound to a value at start.
struct CoordinateDialog : CDialog {
    explicit CoordinateDialog(double* pValue) : CDialog(3000), m_pValue(pValue) {}
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_ORIGIN_X, m_edit); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_edit.BindValue(m_pValue);
        return TRUE;
    }
    double* m_pValue;
    KVCoordinateEdit m_edit{nullptr};
};

// Runs the dialog with the script on its field; then Cancel ends the run (so Enter and
// Escape in the field must not have ended it).
void RunField(CoordinateDialog& dialog, const std::function<void(const harness::Window&)>& script)
{
    EXPECT_EQ(IDCANCEL, RunDialog(dialog, IDC_ORIGIN_X, [&](const harness::Window& dlg) {
                  script(dlg.Control(IDC_ORIGIN_X));
                  dlg.Control(IDCANCEL).Click();
              }));
}
} // namespace

// Enter and Tab take a number (refusing anything else with a beep and the last good
// value), Escape undoes the typing; Enter and Escape stay in the field and select it.
TEST(CoordinateEdit, EnterTabAndEscapeTakeRefuseOrUndoTheTypedText)
{
    const struct {
        const char* typed;
        UINT key;
        double value; // the bound value afterwards
        const char* text;
        int beeps;
    } cases[] = {
        {"3.75", VK_RETURN, 3.75, "3.75", 0}, {"1e3", VK_RETURN, 1000.0, "1e3", 0},
        {" -4 ", VK_TAB, -4.0, " -4 ", 0},    {"abc", VK_TAB, 2.5, "2.5", 1},
        {"\b", VK_RETURN, 2.5, "2.5", 1}, // the empty text is no number
        {"-0", VK_RETURN, 2.5, "2.5", 1},     {"3.75", VK_ESCAPE, 2.5, "2.5", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\", key " + std::to_string(c.key));
        double value = 2.5;
        CoordinateDialog dialog(&value);
        BeepCounter beeps;
        ASSERT_TRUE(beeps.Installed());
        RunField(dialog, [&](const harness::Window& field) {
            EXPECT_EQ("2.5", field.Text());
            field.Type(c.typed);
            field.Key(c.key);
            EXPECT_EQ(c.text, field.Text());
            harness::OnUi([&] { EXPECT_EQ(c.value, value); });
            EXPECT_EQ(c.beeps, beeps.Count());
            EXPECT_EQ(c.key != VK_TAB, field.HasFocus());
            DWORD start = 1, end = 0;
            harness::OnUi(
                [&] { SendMessageA(field.Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end)); });
            EXPECT_TRUE(c.key == VK_TAB || (start == 0 && end == field.Text().size()));
        });
    }
}

// Binding another value takes a typed number into the one bound before and shows the new
// one with 15 significant digits; with nothing bound the field is empty and takes nothing.
TEST(CoordinateEdit, RebindingTakesOnlyANumberAndShowsTheNewValue)
{
    double a = 2.5, b = 1.0 / 3.0, c = -2e20;
    CoordinateDialog dialog(&a);
    BeepCounter beeps;
    RunField(dialog, [&](const harness::Window& field) {
        auto bind = [&](double* p) { harness::OnUi([&] { dialog.m_edit.BindValue(p); }); };
        field.Type("abc");
        bind(&b);
        EXPECT_EQ("0.333333333333333", field.Text());
        field.Type("8");
        bind(&c);
        EXPECT_EQ("-2e+20", field.Text());
        bind(&a);
        EXPECT_EQ("2.5", field.Text());
        field.Type("1e3");
        field.Key(VK_RETURN);
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
