// The source position page through real messages, in German and English: the rows it
// selects for a new transfer, what OK leaves in the item and the settings, editing an
// existing transfer, check boxes, the component value text, the sheet's buttons and load
// data that cannot be used.
#include "loaddata/PositionFile.h"
#include "model/KVComponent.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/OrientationTables.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/loaddata/support/TempFolder.h"
#include "tests/source/SourceTestSupport.h"

#include <algorithm>
#include <cstdio>

using harness::Window;

namespace
{
bool IsBeam(const kvdata::Position& p)
{
    return !p.fem && p.supports.size() == 3;
}
bool IsWall(const kvdata::Position& p)
{
    return !p.fem && p.supports.size() == 1 && p.supports[0].distributed;
}

// A value under the settings key: a number in decimals, or the string.
std::string Stored(const char* name)
{
    KVSettingsKey key;
    key.OpenSettings();
    DWORD number = 0;
    char text[260] = {};
    DWORD size = sizeof text;
    if (key.QueryNumber(name, number) == ERROR_SUCCESS)
        return std::to_string(number);
    key.QueryString(text, name, &size);
    return text;
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
    return static_cast<int>(std::find(rows.begin(), rows.end(), text) - rows.begin());
}

class SourcePage : public ::testing::TestWithParam<const char*>
{
  protected:
    std::string String(UINT id) const { return m_test.m_language.String(id); }
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

    sourcetest::SheetTest m_test{GetParam()};
};
INSTANTIATE_TEST_SUITE_P(Languages, SourcePage, ::testing::Values("deu", "eng"));
} // namespace

// A new transfer opens on the stored rows (case aside, brought into the lists) and the
// stored direction; OK fills the item and stores the choices.
TEST_P(SourcePage, NewTransferSelectsStoredRowsWithinTheListsAndOKKeepsTheChoices)
{
    const kvdata::Position& beam = m_test.Find(IsBeam);
    std::string stored = beam.name;
    CharLowerA(&stored[0]);
    m_test.m_settings.SetString(settings::kCurPosition, stored.c_str());
    m_test.m_settings.SetNumber(settings::kCurSupport, 5);
    m_test.m_settings.SetNumber(settings::kCurLoad, 1);
    m_test.m_settings.SetNumber(settings::kCurComponent, DWORD(-1));
    m_test.m_settings.SetNumber(settings::kCurDirect, 1);
    ASSERT_EQ(IDOK, m_test.Run([&](Window sheet) {
        ExpectSheetTexts(sheet, "", IDS_SHEET_CANCEL);
        const Window positions = sheet.Control(IDC_POSITION_LIST);
        EXPECT_EQ(beam.name, positions.RowText(positions.Selection()));
        EXPECT_FALSE(sheet.Control(IDC_GROUP_LIST).IsEnabled());
        EXPECT_EQ(2, sheet.Control(IDC_SUPPORTS).Selection());
        EXPECT_EQ(1, sheet.Control(IDC_LOAD_LIST).Selection());
        EXPECT_EQ(0, sheet.Control(IDC_COMPONENTS).Selection());
        EXPECT_EQ(BST_CHECKED, sheet.Control(IDC_DIRECTION_PLUS).Checked());
        char value[64];
        std::snprintf(value, sizeof value, "%lf\r\n", beam.supports[2].byLoad[1][0].value);
        EXPECT_EQ(value, sheet.Control(IDC_COMPONENT_VALUE).Text());
        sheet.Control(IDC_DIRECTION_MINUS).Click();
        sheet.Control(IDC_COMPONENTS).SelectRow(2);
        sheet.Control(IDOK).Click();
    }));
    const KVItem& item = *m_test.m_sheet->m_pItem;
    EXPECT_EQ(&m_test.m_sheet->m_item, &item);
    EXPECT_EQ(-1, item.m_nTransferNumber);
    EXPECT_EQ(0, item.projectRef);
    EXPECT_EQ(beam.name, item.m_strPosition.GetString());
    EXPECT_EQ(m_test.m_project->folders().project, item.m_strDirectory.GetString());
    EXPECT_EQ(beam.supports.size(), size_t(item.GetSupportCount()));
    EXPECT_STREQ("Durchlauftr\xe4ger Stahlbeton", item.m_strProgram.GetString());
    const std::pair<const char*, std::string> written[] = {
        {settings::kCurDirect, "0"},
        {settings::kCurSupport, "2"},
        {settings::kCurLoad, "1"},
        {settings::kCurComponent, "2"},
        {settings::kCurGroup, "0"},
        {settings::kCurPosition, beam.name},
        {settings::kCurPath, m_test.m_project->folders().project}};
    for (const auto& [name, value] : written)
        EXPECT_EQ(value, Stored(name)) << name;
}

TEST_P(SourcePage, StatusTextFollowsThePositionsCalculation)
{
    for (auto [planIndex, status] :
         {std::pair(5, IDS_STATUS_MODIFIED), std::pair(6, IDS_STATUS_NOT_CALCULATED),
          std::pair(0, IDS_STATUS_CALCULATED)}) {
        const kvdata::Position& position = m_test.Remember(
            [&](const kvdata::Position& p) { return !p.fem && p.planIndex == planIndex; });
        m_test.m_sheet->m_pItem = nullptr;
        m_test.Run([](Window sheet) { sheet.Control(IDOK).Click(); });
        EXPECT_EQ(String(status), m_test.m_sheet->m_pItem->m_strStatus.GetString())
            << position.name;
    }
}

// Editing (here for a repair) keeps the choices and the placement while the position
// stays; another position starts afresh.
TEST_P(SourcePage, EditingKeepsTheChoicesAndAnotherPositionStartsAfresh)
{
    m_test.Remember(IsBeam);
    ASSERT_EQ(IDOK, m_test.Run([](Window sheet) { sheet.Control(IDOK).Click(); }));
    KVItem edited(*m_test.m_sheet->m_pItem);
    edited.m_strName = "V7";
    edited.GetSupport(0)->SetSelected(0);
    edited.GetSupport(2)->GetLoad(0)->ownLoad = 2;
    edited.SetFactorAndIdealisation(1.5, 2);
    edited.m_dOrigin[1] = 2.5;
    const auto expectChoices = [&](int selected, double factor, double origin) {
        const KVComponent& component = *edited.GetSupport(0)->GetLoad(0)->GetComponent(0);
        EXPECT_EQ(selected, component.m_nSelected);
        EXPECT_EQ(factor, component.factor);
        EXPECT_EQ(origin, edited.m_dOrigin[1]);
    };

    m_test.m_sheet->m_pItem = &edited;
    m_test.m_sheet->m_bRepair = 1;
    ASSERT_EQ(IDOK, m_test.Run([&](Window sheet) {
        ExpectSheetTexts(sheet, "V7", IDS_SHEET_REMOVE);
        EXPECT_EQ(BST_CHECKED, sheet.Control(IDC_DIRECTION_PLUS).Checked());
        EXPECT_EQ((std::vector<int>{0, 1, 1}), Checks(sheet.Control(IDC_SUPPORTS)));
        sheet.Control(IDOK).Click();
    }));
    EXPECT_EQ(&edited, m_test.m_sheet->m_pItem);
    EXPECT_EQ(2, edited.GetSupport(2)->GetLoad(0)->ownLoad);
    expectChoices(0, 1.5, 2.5);

    const kvdata::Position& wall = m_test.Find(IsWall);
    m_test.Run([&](Window sheet) {
        const Window list = sheet.Control(IDC_POSITION_LIST);
        list.SelectRow(RowOf(list, wall.name));
        sheet.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(wall.name, edited.m_strPosition.GetString());
    expectChoices(1, 1.0, 0.0);
}

// A support's check box changes the tree, with everything below it, when its row is
// selected again.
TEST_P(SourcePage, ACheckBoxReachesTheTreeWhenItsRowIsSelectedAgain)
{
    const kvdata::Position& beam = m_test.Remember(IsBeam);
    m_test.m_settings.SetNumber(settings::kCurSupport, 0);
    const std::vector<int> loadsChecked(beam.loads.size(), 1);
    m_test.Run([&](Window sheet) {
        const Window supports = sheet.Control(IDC_SUPPORTS);
        supports.ClickCheck(0);
        EXPECT_EQ(0, supports.RowChecked(0));
        harness::OnUi([&] { EXPECT_EQ(1, m_test.m_sheet->m_pItem->GetSupport(0)->m_nSelected); });
        EXPECT_EQ(loadsChecked, Checks(sheet.Control(IDC_LOAD_LIST)));
        supports.SelectRow(1);
        supports.SelectRow(0);
        EXPECT_EQ(std::vector<int>(beam.loads.size(), 0), Checks(sheet.Control(IDC_LOAD_LIST)));
        EXPECT_EQ(std::vector<int>(3, 0), Checks(sheet.Control(IDC_COMPONENTS)));
        sheet.Control(IDOK).Click();
    });
    const KVSupport& support = *m_test.m_sheet->m_pItem->GetSupport(0);
    EXPECT_EQ(0, support.m_nSelected);
    EXPECT_EQ(0, support.GetLoad(beam.loads.size() - 1)->GetComponent(2)->m_nSelected);
}

// A distributed component's value lists its points; the joint of two pieces once.
TEST_P(SourcePage, ScreenshotOfADistributedComponentShowsTheJointOnce)
{
    const kvdata::Position& wall = m_test.Remember(IsWall);
    m_test.m_settings.SetNumber(settings::kCurLoad, 1);
    const std::vector<TrapezoidPiece>& pieces = wall.supports[0].byLoad[1][0].pieces;
    ASSERT_EQ(2u, pieces.size());
    std::string expected;
    char line[80];
    for (const auto& [x, q] :
         {std::pair(pieces[0].x1, pieces[0].q1), std::pair(pieces[0].x2, pieces[0].q2),
          std::pair(pieces[1].x2, pieces[1].q2)}) {
        std::snprintf(line, sizeof line, "(x=%.3lf) %lf\r\n", x, q);
        expected += line;
    }
    m_test.Run([&](Window sheet) {
        EXPECT_EQ(expected, sheet.Control(IDC_COMPONENT_VALUE).Text());
        harness::Screenshot(sheet, std::string("source_page_") + GetParam());
        sheet.Control(IDCANCEL).Click();
    });
}

// Each button opens its dialog over the page; its OK changes the item in place.
TEST_P(SourcePage, ButtonsOpenFactorIdealisationAndOrientationOnTheCurrentItem)
{
    m_test.Remember(IsBeam);
    ASSERT_EQ(IDOK, m_test.Run([](Window sheet) {
        const auto run = [&](int button, int control, const std::function<void(Window)>& act) {
            sheet.Control(button).Click();
            const Window dialog = harness::WaitForDialog(control);
            act(dialog);
            dialog.Control(IDOK).Click();
            harness::WaitUntilGone(dialog);
        };
        run(IDC_FACTOR, IDC_VALUE_LIST, [](Window d) { d.Control(IDC_VALUE_LIST).Type("2"); });
        run(IDC_IDEALISATION, IDC_SCOPE, [](Window d) { d.Control(IDC_VALUE_LIST).SelectRow(2); });
        run(IDC_ORIENTATION, IDC_ORIENTATION_LIST,
            [](Window d) { d.Control(IDC_ORIENTATION_LIST).SelectRow(1); });
        sheet.Control(IDOK).Click();
    }));
    const KVItem& item = *m_test.m_sheet->m_pItem;
    const KVComponent& first = *item.GetSupport(0)->GetLoad(0)->GetComponent(0);
    EXPECT_EQ(2.0, first.factor);
    EXPECT_EQ(2, first.idealisation);
    const bool sameHand = item.m_nCoordinateSystem == m_test.m_sheet->m_nOwnCoordinateSystem;
    const OrientationRow& row = OrientationTable(sameHand)[1];
    EXPECT_EQ(std::vector<double>(row.xAxis, row.xAxis + 3),
              std::vector<double>(item.m_dXAxis, item.m_dXAxis + 3));
}

// Load data of an old version, or unreadable, is reported (the first message comes while
// the sheet is being made) and leaves no supports and OK disabled; usable data enables it.
TEST_P(SourcePage, LoadDataThatCannotBeUsedIsReportedAndKeepsOKDisabled)
{
    const kvdata::Position& beam = m_test.Find(IsBeam);
    const kvdata::Position& wall = m_test.Find(IsWall);
    const std::string beamFile = m_test.m_project->loadFile(beam);
    loaddata::PositionLoadData old;
    ASSERT_EQ(loaddata::FormatError::None, loaddata::readPositionFile(beamFile, old));
    old.dataVersion = 0;
    ASSERT_EQ(loaddata::FormatError::None, loaddata::writePositionFile(beamFile, old));
    writeBytes(m_test.m_project->loadFile(wall), {'k', 'a', 'p', 'u', 't', 't'});
    m_test.Remember(IsBeam);
    harness::RunScripted(
        [&] { return m_test.m_sheet->DoModal(); },
        [&] {
            for (UINT text : {IDS_LOADDATA_VERSION, IDS_LOADDATA_UNREADABLE}) {
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                EXPECT_EQ(String(text), box.text);
                EXPECT_EQ(String(IDS_TRANSFER), box.caption);
                box.Answer(IDOK);
                const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
                EXPECT_FALSE(sheet.Control(IDOK).IsEnabled());
                EXPECT_EQ(0, sheet.Control(IDC_SUPPORTS).RowCount());
                harness::OnUi([&] { EXPECT_EQ(0, m_test.m_sheet->m_pItem->GetSupportCount()); });
                if (text == IDS_LOADDATA_VERSION) {
                    // Chosen as a user does, without waiting for the handler's message box.
                    const Window list = sheet.Control(IDC_POSITION_LIST);
                    PostMessageA(list.Handle(), CB_SETCURSEL, WPARAM(RowOf(list, wall.name)), 0);
                    PostMessageA(GetParent(list.Handle()), WM_COMMAND,
                                 MAKEWPARAM(IDC_POSITION_LIST, CBN_SELCHANGE),
                                 LPARAM(list.Handle()));
                }
            }
            const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
            sheet.Control(IDC_POSITION_LIST).SelectRow(0);
            EXPECT_TRUE(sheet.Control(IDOK).IsEnabled());
            EXPECT_LT(0, sheet.Control(IDC_SUPPORTS).RowCount());
            sheet.Control(IDCANCEL).Click();
        });
}
