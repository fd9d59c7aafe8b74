// The orientation tables and the orientation dialog.
#include "dialogs/CKVOrientation.h"
#include "model/OrientationTables.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/SubdialogTestSupport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

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

std::vector<std::string> AxisTexts(const harness::Window& dlg)
{
    std::vector<std::string> texts;
    for (int field : kAxisFields)
        texts.push_back(dlg.Control(field).Text());
    return texts;
}

// How many of the six axis fields take input.
int EnabledAxisFields(const harness::Window& dlg)
{
    return static_cast<int>(
        std::count_if(std::begin(kAxisFields), std::end(kAxisFields),
                      [&](int field) { return dlg.Control(field).IsEnabled(); }));
}

void TypeAxes(const harness::Window& dlg, const std::vector<std::string>& texts)
{
    for (size_t i = 0; i < texts.size(); ++i)
        dlg.Control(kAxisFields[i]).Type(texts[i]);
}

void SetAxes(KVItem& item, const Vector& x, const Vector& y)
{
    std::copy(x.begin(), x.end(), item.m_dXAxis);
    std::copy(y.begin(), y.end(), item.m_dYAxis);
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
            const Vector x = Of(table[row].xAxis), y = Of(table[row].yAxis);
            const double sign = sameHand ? 1.0 : -1.0;
            const Vector z = {sign * (x[1] * y[2] - x[2] * y[1]),
                              sign * (x[2] * y[0] - x[0] * y[2]),
                              sign * (x[0] * y[1] - x[1] * y[0])};
            EXPECT_EQ(" x parallel " + AxisName(x) + " ; y parallel " + AxisName(y) +
                          " ; z parallel " + AxisName(z),
                      texts[row])
                << row;
            EXPECT_EQ((Vector{0, 0, 0}), Of(table[row].origin)) << row;
            const char* const groups[] = {" X", " Y", " Z", "-X", "-Y", "-Z"};
            EXPECT_EQ(groups[row / 4], AxisName(x)) << row;
            distinct.insert({x, y});
        }
        EXPECT_EQ(24u, distinct.size());
        EXPECT_STREQ(" nicht ortogonale Lage", texts[kFreeOrientationRow]);
    }
}

using OrientationDialog = SubdialogTest;
KV_BOTH_LANGUAGES(OrientationDialog);

// Equal codes choose the same-hand table, different ones the mirrored table.
TEST_P(OrientationDialog, AxisParallelItemOpensOnItsRowWithFixedFields)
{
    for (int own : {1, 2}) {
        auto item = MakeItem(1);
        SetAxes(*item, {0, 0, 1}, {1, 0, 0});
        CKVOrientation dialog("OWN", own, item.get(), nullptr);
        const INT_PTR result = harness::RunScripted(
            [&] { return dialog.DoModal(); },
            [&] {
                harness::Window dlg = harness::WaitForDialog(IDC_ORIENTATION_LIST);
                harness::Window list = dlg.Control(IDC_ORIENTATION_LIST);
                EXPECT_EQ(25, list.RowCount());
                EXPECT_EQ(own == 1 ? 8 : 9, list.Selection());
                EXPECT_EQ(own == 1 ? " x parallel  Z ; y parallel  X ; z parallel  Y"
                                   : " x parallel  Z ; y parallel  X ; z parallel -Y",
                          list.RowText(list.Selection()));
                EXPECT_EQ(0, EnabledAxisFields(dlg));
                EXPECT_EQ((std::vector<std::string>{"0", "0", "1", "1", "0", "0"}), AxisTexts(dlg));
                const std::string kind = String(own == 1 ? IDS_SYSTEM_RIGHT : IDS_SYSTEM_LEFT);
                EXPECT_NE(std::string::npos, dlg.Control(IDC_OWN_SYSTEM).Text().find("OWN"));
                EXPECT_NE(std::string::npos, dlg.Control(IDC_OWN_SYSTEM).Text().find(kind));
                EXPECT_NE(std::string::npos, dlg.Control(IDC_ITEM_SYSTEM).Text().find("TR12"));
                dlg.Control(IDOK).Click();
            });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ((Vector{0, 0, 1}), Of(item->m_dXAxis));
    }
}

// The free row shows the item's axes as it had them at opening; other rows overwrite and
// fix the fields; Cancel keeps the item as it was.
TEST_P(OrientationDialog, FreeRowKeepsTheOpeningAxesAndCancelKeepsTheItem)
{
    auto item = MakeItem();
    SetAxes(*item, {0.6, 0.8, 0}, {-0.8, 0.6, 0});
    CKVOrientation dialog("OWN", 1, item.get(), nullptr);
    const INT_PTR result = harness::RunScripted(
        [&] { return dialog.DoModal(); },
        [&] {
            harness::Window dlg = harness::WaitForDialog(IDC_ORIENTATION_LIST);
            harness::Window list = dlg.Control(IDC_ORIENTATION_LIST);
            const std::vector<std::string> opening = {"0.6", "0.8", "0", "-0.8", "0.6", "0"};
            EXPECT_EQ(kFreeOrientationRow, list.Selection());
            EXPECT_EQ(opening, AxisTexts(dlg));
            EXPECT_EQ(6, EnabledAxisFields(dlg));
            TypeAxes(dlg, {"3", "4"});
            list.SelectRow(3);
            EXPECT_EQ((std::vector<std::string>{"1", "0", "0", "0", "0", "-1"}), AxisTexts(dlg));
            EXPECT_EQ(0, EnabledAxisFields(dlg));
            list.SelectRow(kFreeOrientationRow);
            EXPECT_EQ(opening, AxisTexts(dlg));
            EXPECT_EQ(6, EnabledAxisFields(dlg));
            list.SelectRow(12);
            dlg.Control(IDCANCEL).Click();
        });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ((Vector{0.6, 0.8, 0}), Of(item->m_dXAxis));
    EXPECT_EQ((Vector{-0.8, 0.6, 0}), Of(item->m_dYAxis));
}

// A vector shorter than 0.0005 has no direction; exactly 0.0005 is taken as typed.
TEST_P(OrientationDialog, OkRefusesAxesShorterThanTheLimitAndStoresThemAsTyped)
{
    auto item = MakeItem();
    SetAxes(*item, {0.6, 0.8, 0}, {0, 0, 1});
    CKVOrientation dialog("OWN", 1, item.get(), nullptr);
    const INT_PTR result =
        harness::RunScripted([&] { return dialog.DoModal(); },
                             [&] {
                                 harness::Window dlg = harness::WaitForDialog(IDC_ORIENTATION_LIST);
                                 const std::pair<std::vector<std::string>, UINT> refused[] = {
                                     {{"0.0004", "0", "0"}, IDS_X_AXIS_ZERO},
                                     {{"0.0005", "0", "0", "0", "0", "0.0004"}, IDS_Y_AXIS_ZERO}};
                                 for (const auto& [axes, message] : refused) {
                                     TypeAxes(dlg, axes);
                                     dlg.Control(IDOK).Click();
                                     harness::MessageBoxInfo box = harness::WaitForMessageBox();
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

// Read-only and disabled fields in the face colour, fields that take input as usual.
TEST_P(OrientationDialog, FieldsWithoutInputInTheFaceColourAndScreenshot)
{
    auto item = MakeItem();
    CKVOrientation dialog("OWN", 1, item.get(), nullptr);
    harness::RunScripted(
        [&] { return dialog.DoModal(); },
        [&] {
            harness::Window dlg = harness::WaitForDialog(IDC_ORIENTATION_LIST);
            auto background = [&](int field) {
                COLORREF colour = 0;
                harness::OnUi([&] {
                    HDC dc = ::GetDC(dlg.Handle());
                    ::SetBkColor(dc, RGB(1, 2, 3));
                    ::SendMessageA(dlg.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(dlg.Control(field).Handle()));
                    colour = ::GetBkColor(dc);
                    ::ReleaseDC(dlg.Handle(), dc);
                });
                return colour;
            };
            const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
            EXPECT_EQ(face, background(IDC_ORIGIN_Z));
            EXPECT_EQ(face, background(IDC_X_AXIS_X));
            dlg.Control(IDC_ORIENTATION_LIST).SelectRow(kFreeOrientationRow);
            EXPECT_NE(face, background(IDC_X_AXIS_X));
            harness::Screenshot(dlg, ShotName("orientation"));
            dlg.Control(IDCANCEL).Click();
        });
}
