// The source position page through real messages, in German and English: the rows it
// selects for a new transfer, what OK leaves in the item and the settings, editing an
// existing transfer, check boxes, the component value text, the sheet's buttons and load
// data that cannot be used.
#include "model/KVComponent.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/OrientationTables.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/loaddata/support/TempFolder.h"
#include "tests/source/SourceTestSupport.h"

#include "loaddata/PositionFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using harness::Window;
using sourcetest::SheetTest;

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

// The user's choices at a support, level by level: flags, own loads, factors and
// idealisations.
std::string Choices(const KVSupport& support)
{
    std::string text = std::to_string(support.m_nSelected) + "[";
    char part[96];
    for (INT_PTR l = 0; l < support.GetLoadCount(); ++l) {
        const KVLoad& load = *support.GetLoad(l);
        std::snprintf(part, sizeof part, "%d %d %s(", load.m_nSelected, load.ownLoad,
                      load.m_strOwnLoad.GetString());
        text += part;
        for (INT_PTR c = 0; c < load.GetComponentCount(); ++c) {
            const KVComponent& component = *load.GetComponent(c);
            std::snprintf(part, sizeof part, "%d %g %d,", component.m_nSelected, component.factor,
                          component.idealisation);
            text += part;
        }
        text += ")";
    }
    return text + "]";
}

std::string Choices(const KVItem& item)
{
    std::string text;
    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s)
        text += Choices(*item.GetSupport(s));
    return text;
}

std::string Repeated(const std::string& part, size_t times)
{
    std::string text;
    for (size_t i = 0; i < times; ++i)
        text += part;
    return text;
}

// Selects a row of a combo box as a user's choice does, without waiting for the handler,
// which may show a message box.
void PostSelect(const Window& combo, int row)
{
    PostMessageA(combo.Handle(), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    PostMessageA(GetParent(combo.Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.Handle()));
}

int RowOf(const Window& list, const std::string& text)
{
    const std::vector<std::string> rows = sourcetest::Rows(list);
    return static_cast<int>(std::find(rows.begin(), rows.end(), text) - rows.begin());
}

std::string Placement(const KVItem& item)
{
    std::string text;
    for (const double* axis : {item.m_dOrigin, item.m_dXAxis, item.m_dYAxis})
        for (int i = 0; i < 3; ++i)
            text += std::to_string(axis[i]) + " ";
    return text;
}

class SourcePage : public ::testing::TestWithParam<const char*>
{
  protected:
    SheetTest m_test{GetParam()};
};

} // namespace

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
    const INT_PTR result = m_test.Run([&](Window sheet) {
        EXPECT_EQ(
            beam.name,
            sheet.Control(IDC_POSITION_LIST).RowText(sheet.Control(IDC_POSITION_LIST).Selection()));
        EXPECT_FALSE(sheet.Control(IDC_GROUP_LIST).IsEnabled());
        EXPECT_EQ(2, sheet.Control(IDC_SUPPORTS).Selection());
        EXPECT_EQ(1, sheet.Control(IDC_LOAD_LIST).Selection());
        EXPECT_EQ(0, sheet.Control(IDC_COMPONENTS).Selection());
        EXPECT_EQ(BST_CHECKED, sheet.Control(IDC_DIRECTION_PLUS).Checked());
        const kvdata::Component& fz = beam.supports[2].byLoad[1][0];
        char value[64];
        std::snprintf(value, sizeof value, "%lf\r\n", fz.value);
        EXPECT_EQ(value, sheet.Control(IDC_COMPONENT_VALUE).Text());
        sheet.Control(IDC_DIRECTION_MINUS).Click();
        sheet.Control(IDC_COMPONENTS).SelectRow(2);
        sheet.Control(IDOK).Click();
    });
    ASSERT_EQ(IDOK, result);
    const KVItem& item = *m_test.m_sheet->m_pItem;
    EXPECT_EQ(&m_test.m_sheet->m_item, &item);
    EXPECT_EQ(-1, item.m_nTransferNumber);
    EXPECT_EQ(0, item.projectRef);
    EXPECT_EQ(beam.name, item.m_strPosition.GetString());
    EXPECT_EQ(m_test.m_project->folders().project, item.m_strDirectory.GetString());
    EXPECT_EQ(beam.supports.size(), size_t(item.GetSupportCount()));
    EXPECT_STREQ("Durchlauftr\xe4ger Stahlbeton", item.m_strProgram.GetString());
    EXPECT_EQ("0", Stored(settings::kCurDirect));
    EXPECT_EQ("2", Stored(settings::kCurSupport));
    EXPECT_EQ("1", Stored(settings::kCurLoad));
    EXPECT_EQ("2", Stored(settings::kCurComponent));
    EXPECT_EQ("0", Stored(settings::kCurGroup));
    EXPECT_EQ(beam.name, Stored(settings::kCurPosition));
    EXPECT_EQ(m_test.m_project->folders().project, Stored(settings::kCurPath));
}

TEST_P(SourcePage, StatusTextFollowsThePositionsCalculation)
{
    for (auto [planIndex, status] :
         {std::pair(5, IDS_STATUS_MODIFIED), std::pair(6, IDS_STATUS_NOT_CALCULATED),
          std::pair(0, IDS_STATUS_CALCULATED)}) {
        const kvdata::Position& position = m_test.Find(
            [&](const kvdata::Position& p) { return !p.fem && p.planIndex == planIndex; });
        m_test.m_settings.SetString(settings::kCurPosition, position.name.c_str());
        m_test.Run([](Window sheet) { sheet.Control(IDOK).Click(); });
        EXPECT_EQ(m_test.m_language.String(status),
                  m_test.m_sheet->m_pItem->m_strStatus.GetString())
            << position.name;
        m_test.m_sheet->m_pItem = nullptr;
    }
}

TEST_P(SourcePage, EditingKeepsTheChoicesAndAnotherPositionStartsAfresh)
{
    const kvdata::Position& beam = m_test.Find(IsBeam);
    m_test.m_settings.SetString(settings::kCurPosition, beam.name.c_str());
    ASSERT_EQ(IDOK, m_test.Run([](Window sheet) { sheet.Control(IDOK).Click(); }));
    KVItem edited(*m_test.m_sheet->m_pItem);
    edited.m_strName = "V7";
    edited.GetSupport(0)->SetSelected(0);
    edited.GetSupport(1)->GetLoad(1)->SetSelected(0);
    edited.GetSupport(2)->GetLoad(0)->ownLoad = 2;
    edited.GetSupport(2)->GetLoad(0)->m_strOwnLoad = "Nutzlast";
    edited.SetFactorAndIdealisation(1.5, 2);
    edited.m_dOrigin[1] = 2.5;
    const std::string choices = Choices(edited);
    const std::string placement = Placement(edited);

    m_test.m_sheet->m_pItem = &edited;
    ASSERT_EQ(IDOK, m_test.Run([](Window sheet) {
        EXPECT_EQ(BST_CHECKED, sheet.Control(IDC_DIRECTION_PLUS).Checked());
        EXPECT_EQ((std::vector<int>{0, 1, 1}), sourcetest::Checks(sheet.Control(IDC_SUPPORTS)));
        sheet.Control(IDOK).Click();
    }));
    EXPECT_EQ(choices, Choices(edited));
    EXPECT_EQ(placement, Placement(edited));
    EXPECT_EQ(&edited, m_test.m_sheet->m_pItem);

    const kvdata::Position& wall = m_test.Find(IsWall);
    m_test.Run([&](Window sheet) {
        const Window list = sheet.Control(IDC_POSITION_LIST);
        list.SelectRow(RowOf(list, wall.name));
        sheet.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(wall.name, edited.m_strPosition.GetString());
    EXPECT_EQ("1[" + Repeated("1 -1 (1 1 0,1 1 0,)", wall.loads.size()) + "]", Choices(edited));
    KVItem placedByDefault;
    placedByDefault.DefaultPlacement(1, 1);
    EXPECT_EQ(Placement(placedByDefault), Placement(edited));
}

TEST_P(SourcePage, ACheckBoxReachesTheTreeWhenItsRowIsSelectedAgain)
{
    const kvdata::Position& beam = m_test.Find(IsBeam);
    m_test.m_settings.SetString(settings::kCurPosition, beam.name.c_str());
    m_test.m_settings.SetNumber(settings::kCurSupport, 0);
    m_test.Run([&](Window sheet) {
        const Window supports = sheet.Control(IDC_SUPPORTS);
        supports.ClickCheck(0);
        EXPECT_EQ(0, supports.RowChecked(0));
        harness::OnUi([&] { EXPECT_EQ(1, m_test.m_sheet->m_pItem->GetSupport(0)->m_nSelected); });
        EXPECT_EQ(std::vector<int>(beam.loads.size(), 1),
                  sourcetest::Checks(sheet.Control(IDC_LOAD_LIST)));
        supports.SelectRow(1);
        supports.SelectRow(0);
        EXPECT_EQ(std::vector<int>(beam.loads.size(), 0),
                  sourcetest::Checks(sheet.Control(IDC_LOAD_LIST)));
        EXPECT_EQ(std::vector<int>(3, 0), sourcetest::Checks(sheet.Control(IDC_COMPONENTS)));
        sheet.Control(IDOK).Click();
    });
    EXPECT_EQ("0[" + Repeated("0 -1 (0 1 0,0 1 0,0 1 0,)", beam.loads.size()) + "]",
              Choices(*m_test.m_sheet->m_pItem->GetSupport(0)));
}

TEST_P(SourcePage, ScreenshotOfADistributedComponentShowsTheJointOnce)
{
    const kvdata::Position& wall = m_test.Find(IsWall);
    m_test.m_settings.SetString(settings::kCurPosition, wall.name.c_str());
    m_test.m_settings.SetNumber(settings::kCurLoad, 1);
    m_test.Run([&](Window sheet) {
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
        EXPECT_EQ(expected, sheet.Control(IDC_COMPONENT_VALUE).Text());
        harness::Screenshot(sheet, std::string("source_page_") + GetParam());
        sheet.Control(IDCANCEL).Click();
    });
}

TEST_P(SourcePage, SheetTextsAndTheRepairFlagsCancelText)
{
    for (int repair : {0, 1}) {
        KVItem item;
        item.m_strName = "V3";
        m_test.m_sheet->m_pItem = repair ? &item : nullptr;
        m_test.m_sheet->m_bRepair = repair;
        m_test.Run([&](Window sheet) {
            const std::string caption = m_test.m_language.String(IDS_TRANSFER) + " ";
            EXPECT_EQ(repair ? caption + "V3" : caption, sheet.Text());
            EXPECT_EQ(m_test.m_language.String(repair ? IDS_SHEET_REMOVE : IDS_SHEET_CANCEL),
                      sheet.Control(IDCANCEL).Text());
            EXPECT_EQ(m_test.m_language.String(IDS_SHEET_HELP), sheet.Control(IDHELP).Text());
            EXPECT_FALSE(sheet.Control(ID_APPLY_NOW).IsVisible());
            EXPECT_LT(sheet.Control(IDOK).Rect().right, sheet.Control(IDCANCEL).Rect().left);
            EXPECT_LT(sheet.Control(IDCANCEL).Rect().right, sheet.Control(IDHELP).Rect().left);
            sheet.Control(IDCANCEL).Click();
        });
    }
}

TEST_P(SourcePage, ButtonsOpenFactorIdealisationAndOrientationOnTheCurrentItem)
{
    m_test.m_settings.SetString(settings::kCurPosition, m_test.Find(IsBeam).name.c_str());
    ASSERT_EQ(IDOK, m_test.Run([](Window sheet) {
        // Each button opens its dialog over the page; its OK changes the item in place.
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
    m_test.m_settings.SetString(settings::kCurPosition, beam.name.c_str());
    // The first message comes while the sheet is being made.
    harness::RunScripted(
        [&] { return m_test.m_sheet->DoModal(); },
        [&] {
            for (UINT text : {IDS_LOADDATA_VERSION, IDS_LOADDATA_UNREADABLE}) {
                harness::MessageBoxInfo box = harness::WaitForMessageBox();
                EXPECT_EQ(m_test.m_language.String(text), box.text);
                EXPECT_EQ(m_test.m_language.String(IDS_TRANSFER), box.caption);
                box.Answer(IDOK);
                const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
                EXPECT_FALSE(sheet.Control(IDOK).IsEnabled());
                EXPECT_EQ(0, sheet.Control(IDC_SUPPORTS).RowCount());
                harness::OnUi([&] { EXPECT_EQ(0, m_test.m_sheet->m_pItem->GetSupportCount()); });
                if (text == IDS_LOADDATA_VERSION) {
                    const Window list = sheet.Control(IDC_POSITION_LIST);
                    PostSelect(list, RowOf(list, wall.name));
                }
            }
            const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
            sheet.Control(IDC_POSITION_LIST).SelectRow(0);
            EXPECT_TRUE(sheet.Control(IDOK).IsEnabled());
            EXPECT_LT(0, sheet.Control(IDC_SUPPORTS).RowCount());
            sheet.Control(IDCANCEL).Click();
        });
}

INSTANTIATE_TEST_SUITE_P(Languages, SourcePage, ::testing::Values("deu", "eng"));
