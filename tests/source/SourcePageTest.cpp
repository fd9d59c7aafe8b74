// The source position page through real messages, in German and English: the rows it
// selects for a new transfer, what OK leaves in the item and the settings, editing an
// existing transfer, check boxes, the component value text, the sheet's buttons and load
// data that cannot be used.
#include "loaddata/PositionFile.h"
#include "model/KVComponent.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/OrientationTables.h"
#include "tests/loaddata/support/TempFolder.h"
#include "tests/source/SourceTestSupport.h"

#include <algorithm>
#include <cstdio>

using harness::Window;

namespace
{
const Is kBeam = [](auto& p) { return !p.fem && p.supports.size() == 3; };
const Is kWall = [](auto& p) {
    return !p.fem && p.supports.size() == 1 && p.supports[0].distributed;
};

// A value under the settings key: a number in decimals, or the string.
std::string Stored(const char* name)
{
    char text[260] = {};
    DWORD type = 0, size = sizeof text;
    RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_ANY, &type, text, &size);
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(text)) : text;
}

std::vector<int> Checks(const Window& list)
{
    std::vector<int> checks;
    for (int row = 0; row < list.RowCount(); ++row)
        checks.push_back(list.RowChecked(row));
    return checks;
}

int RowOf(const Window& list, const std::string& text)
{
    const Texts rows = Rows(list);
    return int(std::find(rows.begin(), rows.end(), text) - rows.begin());
}

std::string Printed(const char* format, double a, double b = 0)
{
    char text[80];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

class SourcePage : public ::testing::TestWithParam<const char*>
{
  protected:
    std::string String(UINT id) const { return t.m_language.String(id); }
    // The sheet's caption and button texts, the Apply button hidden, OK where Cancel was.
    void ExpectSheetTexts(const Window& sheet, const std::string& name, UINT cancel) const
    {
        EXPECT_EQ(String(IDS_TRANSFER) + " " + name, sheet.Text());
        EXPECT_EQ(String(cancel), sheet.Control(IDCANCEL).Text());
        EXPECT_EQ(String(IDS_SHEET_HELP), sheet.Control(IDHELP).Text());
        EXPECT_FALSE(sheet.Control(ID_APPLY_NOW).IsVisible());
        EXPECT_LT(sheet.Control(IDOK).Rect().right, sheet.Control(IDCANCEL).Rect().left);
        EXPECT_LT(sheet.Control(IDCANCEL).Rect().right, sheet.Control(IDHELP).Rect().left);
    }
    KVItem& Item() const { return *t.m_sheet->m_pItem; }

    SheetTest t{GetParam()};
};
INSTANTIATE_TEST_SUITE_P(Languages, SourcePage, ::testing::Values("deu", "eng"));
} // namespace

// A new transfer opens on the stored rows (case aside, brought into the lists) and the
// stored direction; each button opens its dialog over the page, whose OK changes the item
// in place; OK fills the item and stores the choices. The status text follows the
// position's calculation.
TEST_P(SourcePage, NewTransferSelectsStoredRowsWithinTheListsAndOKKeepsTheChoices)
{
    const kvdata::Position& beam = t.Find(kBeam);
    std::string stored = beam.name;
    t.m_settings.SetString(settings::kCurPosition, CharLowerA(&stored[0]));
    for (auto [name, value] :
         {std::pair(settings::kCurSupport, 5), std::pair(settings::kCurLoad, 1),
          std::pair(settings::kCurComponent, -1), std::pair(settings::kCurDirect, 1)})
        t.m_settings.SetNumber(name, DWORD(value));
    ASSERT_EQ(IDOK, t.Run([&](Window sheet) {
        ExpectSheetTexts(sheet, "", IDS_SHEET_CANCEL);
        const Window positions = sheet.Control(IDC_POSITION_LIST);
        EXPECT_EQ(beam.name, positions.RowText(positions.Selection()));
        EXPECT_FALSE(sheet.Control(IDC_GROUP_LIST).IsEnabled());
        EXPECT_EQ(2, sheet.Control(IDC_SUPPORTS).Selection());
        EXPECT_EQ(1, sheet.Control(IDC_LOAD_LIST).Selection());
        EXPECT_EQ(0, sheet.Control(IDC_COMPONENTS).Selection());
        EXPECT_EQ(BST_CHECKED, sheet.Control(IDC_DIRECTION_PLUS).Checked());
        EXPECT_EQ(Printed("%lf\r\n", beam.supports[2].byLoad[1][0].value),
                  sheet.Control(IDC_COMPONENT_VALUE).Text());
        for (auto [button, list, row] : {std::tuple(IDC_FACTOR, IDC_VALUE_LIST, -1),
                                         std::tuple(IDC_IDEALISATION, IDC_VALUE_LIST, 2),
                                         std::tuple(IDC_ORIENTATION, IDC_ORIENTATION_LIST, 1)}) {
            sheet.Control(button).Click();
            const Window dialog = harness::WaitForDialog(list);
            row < 0 ? dialog.Control(list).Type("2") : dialog.Control(list).SelectRow(row);
            dialog.Control(IDOK).Click();
            harness::WaitUntilGone(dialog);
        }
        sheet.Control(IDC_DIRECTION_MINUS).Click();
        sheet.Control(IDC_COMPONENTS).SelectRow(2);
        sheet.Control(IDOK).Click();
    }));
    EXPECT_EQ(&t.m_sheet->m_item, &Item());
    EXPECT_EQ(-1, Item().m_nTransferNumber);
    EXPECT_EQ(0, Item().projectRef);
    EXPECT_EQ(beam.name, Item().m_strPosition.GetString());
    EXPECT_EQ(t.m_project->folders().project, Item().m_strDirectory.GetString());
    EXPECT_EQ(beam.supports.size(), size_t(Item().GetSupportCount()));
    EXPECT_STREQ("Durchlauftr\xe4ger Stahlbeton", Item().m_strProgram.GetString());
    const KVComponent& first = *Item().GetSupport(0)->GetLoad(0)->GetComponent(0);
    EXPECT_EQ(2.0, first.factor);
    EXPECT_EQ(2, first.idealisation);
    const OrientationRow& row =
        OrientationTable(Item().m_nCoordinateSystem == t.m_sheet->m_nOwnCoordinateSystem)[1];
    EXPECT_TRUE(std::equal(row.xAxis, row.xAxis + 3, Item().m_dXAxis));
    for (const auto& [name, value] :
         {std::pair<const char*, std::string>{settings::kCurDirect, "0"},
          {settings::kCurSupport, "2"},
          {settings::kCurLoad, "1"},
          {settings::kCurComponent, "2"},
          {settings::kCurGroup, "0"},
          {settings::kCurPosition, beam.name},
          {settings::kCurPath, t.m_project->folders().project}})
        EXPECT_EQ(value, Stored(name)) << name;

    for (auto [planIndex, status] :
         {std::pair(5, IDS_STATUS_MODIFIED), std::pair(6, IDS_STATUS_NOT_CALCULATED),
          std::pair(0, IDS_STATUS_CALCULATED)}) {
        t.Remember([&](auto& p) { return !p.fem && p.planIndex == planIndex; });
        t.m_sheet->m_pItem = nullptr; // a new transfer
        t.Run([](Window sheet) { sheet.Control(IDOK).Click(); });
        EXPECT_EQ(String(status), Item().m_strStatus.GetString()) << planIndex;
    }
}

// A support's check box changes the tree, with everything below it, when its row is
// selected again. Editing (here for a repair) keeps the choices and the placement while
// the position stays; another position starts afresh.
TEST_P(SourcePage, CheckBoxesReachTheTreeAndEditingKeepsTheChoices)
{
    const std::vector<int> loads(t.Remember(kBeam).loads.size(), 1);
    t.m_settings.SetNumber(settings::kCurSupport, 0);
    ASSERT_EQ(IDOK, t.Run([&](Window sheet) {
        const Window supports = sheet.Control(IDC_SUPPORTS);
        supports.ClickCheck(0);
        EXPECT_EQ(0, supports.RowChecked(0));
        harness::OnUi([&] { EXPECT_EQ(1, Item().GetSupport(0)->m_nSelected); });
        EXPECT_EQ(loads, Checks(sheet.Control(IDC_LOAD_LIST)));
        supports.SelectRow(1);
        supports.SelectRow(0);
        EXPECT_EQ(std::vector<int>(loads.size(), 0), Checks(sheet.Control(IDC_LOAD_LIST)));
        EXPECT_EQ(std::vector<int>(3, 0), Checks(sheet.Control(IDC_COMPONENTS)));
        sheet.Control(IDOK).Click();
    }));
    KVItem edited(Item());
    EXPECT_EQ(0, edited.GetSupport(0)->m_nSelected);
    EXPECT_EQ(0, edited.GetSupport(0)->GetLoad(loads.size() - 1)->GetComponent(2)->m_nSelected);
    edited.m_strName = "V7";
    edited.GetSupport(2)->GetLoad(0)->ownLoad = 2;
    edited.SetFactorAndIdealisation(1.5, 2);
    edited.m_dOrigin[1] = 2.5;
    const auto expectChoices = [&](int selected, double factor, double origin) {
        const KVComponent& component = *edited.GetSupport(0)->GetLoad(0)->GetComponent(0);
        EXPECT_EQ(selected, component.m_nSelected);
        EXPECT_EQ(factor, component.factor);
        EXPECT_EQ(origin, edited.m_dOrigin[1]);
    };
    t.m_sheet->m_pItem = &edited;
    t.m_sheet->m_bRepair = 1;
    ASSERT_EQ(IDOK, t.Run([&](Window sheet) {
        ExpectSheetTexts(sheet, "V7", IDS_SHEET_REMOVE);
        EXPECT_EQ(BST_CHECKED, sheet.Control(IDC_DIRECTION_PLUS).Checked());
        EXPECT_EQ((std::vector<int>{0, 1, 1}), Checks(sheet.Control(IDC_SUPPORTS)));
        sheet.Control(IDOK).Click();
    }));
    EXPECT_EQ(&edited, &Item());
    EXPECT_EQ(2, edited.GetSupport(2)->GetLoad(0)->ownLoad);
    expectChoices(0, 1.5, 2.5);

    const kvdata::Position& wall = t.Find(kWall);
    t.Run([&](Window sheet) {
        const Window list = sheet.Control(IDC_POSITION_LIST);
        list.SelectRow(RowOf(list, wall.name));
        sheet.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(wall.name, edited.m_strPosition.GetString());
    expectChoices(1, 1.0, 0.0);
}

// A distributed component's value lists its points; the joint of two pieces once.
TEST_P(SourcePage, ScreenshotOfADistributedComponentShowsTheJointOnce)
{
    t.m_settings.SetNumber(settings::kCurLoad, 1);
    const std::vector<TrapezoidPiece>& p = t.Remember(kWall).supports[0].byLoad[1][0].pieces;
    ASSERT_EQ(2u, p.size());
    const char* format = "(x=%.3lf) %lf\r\n";
    const std::string expected = Printed(format, p[0].x1, p[0].q1) +
                                 Printed(format, p[0].x2, p[0].q2) +
                                 Printed(format, p[1].x2, p[1].q2);
    t.Run([&](Window sheet) {
        EXPECT_EQ(expected, sheet.Control(IDC_COMPONENT_VALUE).Text());
        harness::Screenshot(sheet, std::string("source_page_") + GetParam());
        sheet.Control(IDCANCEL).Click();
    });
}

// Load data of an old version, or unreadable, is reported while the sheet is being made
// and leaves no supports and OK disabled; usable data enables it.
TEST_P(SourcePage, LoadDataThatCannotBeUsedIsReportedAndKeepsOKDisabled)
{
    const std::string beamFile = t.m_project->loadFile(t.Find(kBeam));
    loaddata::PositionLoadData old;
    ASSERT_EQ(loaddata::FormatError::None, loaddata::readPositionFile(beamFile, old));
    old.dataVersion = 0;
    ASSERT_EQ(loaddata::FormatError::None, loaddata::writePositionFile(beamFile, old));
    writeBytes(t.m_project->loadFile(t.Find(kWall)), {'k', 'a', 'p', 'u', 't', 't'});
    for (auto [is, text] :
         {std::pair(kBeam, IDS_LOADDATA_VERSION), std::pair(kWall, IDS_LOADDATA_UNREADABLE)}) {
        t.Remember(is);
        t.m_sheet->m_pItem = nullptr;
        harness::RunScripted([&] { return t.m_sheet->DoModal(); },
                             [&] {
                                 const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                                 EXPECT_EQ(String(text), box.text);
                                 EXPECT_EQ(String(IDS_TRANSFER), box.caption);
                                 box.Answer(IDOK);
                                 const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
                                 EXPECT_FALSE(sheet.Control(IDOK).IsEnabled());
                                 EXPECT_EQ(0, sheet.Control(IDC_SUPPORTS).RowCount());
                                 harness::OnUi([&] { EXPECT_EQ(0, Item().GetSupportCount()); });
                                 sheet.Control(IDC_POSITION_LIST).SelectRow(0);
                                 EXPECT_TRUE(sheet.Control(IDOK).IsEnabled());
                                 EXPECT_LT(0, sheet.Control(IDC_SUPPORTS).RowCount());
                                 sheet.Control(IDCANCEL).Click();
                             });
    }
}
