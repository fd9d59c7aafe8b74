// The orientation tables and the orientation dialog.
#include "dialogs/CKVOrientation.h"
#include "model/OrientationTables.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/SubdialogTestSupport.h"

#include <array>
#include <cmath>
#include <set>

using harness::Window;

namespace
{
using Vector = std::array<double, 3>;
Vector Of(const double v[3])
{
    return {v[0], v[1], v[2]};
}

// " X", "-Z": the axis a unit vector runs along; "?" for any other vector.
std::string AxisName(const Vector& v)
{
    int axis = -1;
    for (int i = 0; i < 3; ++i)
        if (v[i] != 0.0)
            axis = axis < 0 && std::fabs(v[i]) == 1.0 ? i : 3;
    return axis >= 0 && axis < 3 ? std::string(v[axis] < 0 ? "-" : " ") + "XYZ"[axis] : "?";
}

const int kAxisFields[] = {IDC_X_AXIS_X, IDC_X_AXIS_Y, IDC_X_AXIS_Z,
                           IDC_Y_AXIS_X, IDC_Y_AXIS_Y, IDC_Y_AXIS_Z};

// The six axis fields' texts, each with "*" when it takes input; or types into them.
Texts Axes(const Window& dlg, const Texts& typed = {})
{
    Texts texts;
    for (size_t i = 0; i < 6; ++i) {
        const Window field = dlg.Control(kAxisFields[i]);
        if (i < typed.size())
            field.Type(typed[i]);
        texts.push_back(field.Text() + (field.IsEnabled() ? "*" : ""));
    }
    return texts;
}

std::unique_ptr<KVItem> ItemWithAxes(const Vector& x, const Vector& y)
{
    auto item = MakeItem();
    std::copy(x.begin(), x.end(), item->m_dXAxis);
    std::copy(y.begin(), y.end(), item->m_dYAxis);
    return item;
}
} // namespace

// Each row's vectors are the unit vectors its text names, the z axis its text names is
// x cross y (same hand) or its opposite (mirrored), and the 24 rows are 24 orientations.
TEST(OrientationTables, RowsAreTheOrientationsTheirTextsName)
{
    for (bool sameHand : {true, false}) {
        const OrientationRow* table = OrientationTable(sameHand);
        const char* const* texts = OrientationTexts(sameHand);
        std::set<std::pair<Vector, Vector>> distinct;
        for (int row = 0; row < kFreeOrientationRow; ++row) {
            SCOPED_TRACE(row);
            const Vector x = Of(table[row].xAxis), y = Of(table[row].yAxis);
            Vector z;
            for (int i = 0; i < 3; ++i)
                z[i] = (sameHand ? 1 : -1) *
                       (x[(i + 1) % 3] * y[(i + 2) % 3] - x[(i + 2) % 3] * y[(i + 1) % 3]);
            EXPECT_EQ(" x parallel " + AxisName(x) + " ; y parallel " + AxisName(y) +
                          " ; z parallel " + AxisName(z),
                      texts[row]);
            distinct.insert({x, y});
        }
        EXPECT_EQ(24u, distinct.size());
        EXPECT_STREQ(" nicht ortogonale Lage", texts[kFreeOrientationRow]);
    }
}

using OrientationDialog = SubdialogTest;
KV_BOTH_LANGUAGES(OrientationDialog);

// An axis-parallel item opens on its row of the same-hand table (equal coordinate systems)
// or of the mirrored one, with fixed axis fields; OK stores the chosen row, Cancel nothing.
TEST_P(OrientationDialog, OpensOnTheItemsRowAndOKStoresTheChosenOne)
{
    for (int own : {1, 2}) {
        SCOPED_TRACE(own);
        auto item = ItemWithAxes({0, 0, 1}, {1, 0, 0});
        CKVOrientation dialog("OWN", own, item.get(), nullptr);
        const int answer = own == 1 ? IDOK : IDCANCEL;
        const INT_PTR result = RunDialog(dialog, IDC_ORIENTATION_LIST, [&](const Window& dlg) {
            const Window list = dlg.Control(IDC_ORIENTATION_LIST);
            EXPECT_EQ(25, list.RowCount());
            EXPECT_EQ(std::string(" x parallel  Z ; y parallel  X ; z parallel ") +
                          (own == 1 ? " Y" : "-Y"),
                      list.RowText(list.Selection()));
            EXPECT_EQ((Texts{"0", "0", "1", "1", "0", "0"}), Axes(dlg));
            EXPECT_EQ(m_language.Format(IDS_OWN_SYSTEM, "OWN",
                                        String(own == 1 ? IDS_SYSTEM_RIGHT : IDS_SYSTEM_LEFT)),
                      dlg.Control(IDC_OWN_SYSTEM).Text());
            EXPECT_EQ(m_language.Format(IDS_ITEM_SYSTEM, "TR12", String(IDS_SYSTEM_RIGHT)),
                      dlg.Control(IDC_ITEM_SYSTEM).Text());
            list.SelectRow(3);
            dlg.Control(answer).Click();
        });
        EXPECT_EQ(answer, result);
        EXPECT_EQ(own == 1 ? Vector({1, 0, 0}) : Vector({0, 0, 1}), Of(item->m_dXAxis));
        EXPECT_EQ(own == 1 ? Vector({0, 0, -1}) : Vector({1, 0, 0}), Of(item->m_dYAxis));
    }
}

// The free row shows the item's axes as it had them at opening and takes input; fields
// without input are in the face colour. OK refuses an axis shorter than 0.0005 and stores
// the axes as typed.
TEST_P(OrientationDialog, FreeRowTakesAxesOfTheLeastLengthAndScreenshot)
{
    auto item = ItemWithAxes({0.6, 0.8, 0}, {-0.8, 0.6, 0});
    CKVOrientation dialog("OWN", 1, item.get(), nullptr);
    const INT_PTR result = RunDialog(dialog, IDC_ORIENTATION_LIST, [&](const Window& dlg) {
        const Window list = dlg.Control(IDC_ORIENTATION_LIST);
        const Texts opening = {"0.6*", "0.8*", "0*", "-0.8*", "0.6*", "0*"};
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(kFreeOrientationRow, list.Selection());
        EXPECT_EQ(opening, Axes(dlg));
        EXPECT_NE(face, FieldBackground(dlg, IDC_X_AXIS_X));
        EXPECT_EQ(face, FieldBackground(dlg, IDC_ORIGIN_Z)); // read-only
        harness::Screenshot(dlg, Shot("orientation-"));
        Axes(dlg, {"3", "4"});
        list.SelectRow(3);
        EXPECT_EQ((Texts{"1", "0", "0", "0", "0", "-1"}), Axes(dlg));
        EXPECT_EQ(face, FieldBackground(dlg, IDC_X_AXIS_X));
        list.SelectRow(kFreeOrientationRow);
        EXPECT_EQ(opening, Axes(dlg));
        for (const auto& [axes, message] :
             {std::pair<Texts, UINT>{{"0.0004", "0", "0"}, IDS_X_AXIS_ZERO},
              {{"0.0005", "0", "0", "0", "0", "0.0004"}, IDS_Y_AXIS_ZERO}}) {
            Axes(dlg, axes);
            dlg.Control(IDOK).Click();
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ(String(message), box.text);
            EXPECT_EQ(String(IDS_ORIENTATION_CAPTION), box.caption);
            box.Answer(IDOK);
        }
        dlg.Control(IDC_Y_AXIS_Z).Type("0.0005");
        dlg.Control(IDOK).Click();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Vector{0.0005, 0, 0}), Of(item->m_dXAxis));
    EXPECT_EQ((Vector{0, 0, 0.0005}), Of(item->m_dYAxis));
}
