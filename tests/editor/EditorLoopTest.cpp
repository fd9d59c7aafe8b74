// What a user goes through in the editor, end to end on a generated project: new transfers
// from the current and the FEM project, origin, own loads, duplicate, edit with and
// without a change of sign, delete, OK; then the transfer file read back through the load
// data library, the editor reopened, and the transferred-load page. And the repair run
// after a source gained a support.
#include "tests/editor/EditorDialogSupport.h"

#include "loaddata/TransferFile.h"
#include "model/KVItem.h"
#include "model/LoadDataInterface.h"
#include "page/PageEntry.h"
#include "resources/ResourceIds.h"
#include "tests/model/LoadDataBuilder.h"

#include <functional>
#include <string>
#include <vector>

using editortest::EditorDialog;
using editortest::Running;
using editortest::Text;
using harness::Window;

namespace
{
// The transfer file as the load data library reads it.
loaddata::TransferData ReadBack(const std::string& path)
{
    loaddata::TransferData data;
    EXPECT_EQ(loaddata::FormatError::None, loaddata::readTransferFile(path, data));
    return data;
}

// Every transfer's name, columns and reaction rows as the editor shows them.
std::vector<std::string> Shown(const Window& editor)
{
    const Window list = editor.Control(IDC_TRANSFER_LIST);
    const Window rows = editor.Control(IDC_ASSIGNMENT_LIST);
    std::vector<std::string> shown;
    for (int t = 0; t < list.RowCount(); ++t) {
        list.SelectRow(t);
        std::string line = list.RowText(t, 0) + "|" + list.RowText(t, 1) + "|" + list.RowText(t, 2);
        for (int r = 0; r < rows.RowCount(); ++r)
            for (int c = 0; c < 5; ++c)
                line += "|" + rows.RowText(r, c);
        shown.push_back(line);
    }
    return shown;
}

// Unchecks a row of a check list box; the page takes a box's state when its row is
// selected again.
void Uncheck(const Window& list, int row)
{
    ASSERT_GT(list.RowCount(), 1);
    list.SelectRow(row);
    list.ClickCheck(row);
    list.SelectRow(1 - row);
    list.SelectRow(row);
}

// Support 0 left out; of support 1, load 1 left out and component 1 of load 0.
void NarrowTheChoice(const Window& sheet)
{
    const Window supports = sheet.Control(IDC_SUPPORTS);
    Uncheck(supports, 0);
    supports.SelectRow(1);
    const Window loads = sheet.Control(IDC_LOAD_LIST);
    Uncheck(loads, 1);
    loads.SelectRow(0);
    Uncheck(sheet.Control(IDC_COMPONENTS), 1);
}

// Factor 2 (typed, Enter), idealisation kind 2 and orientation row 1 through the page's
// buttons.
void ShapeTheTransfer(const Window& sheet)
{
    sheet.Control(IDC_FACTOR).Click();
    const Window factor = harness::WaitForDialog(IDC_VALUE_LIST);
    factor.Control(IDC_VALUE_LIST).Type("2");
    harness::Key(VK_RETURN);
    harness::WaitUntilGone(factor);
    sheet.Control(IDC_IDEALISATION).Click();
    const Window idealisation = harness::WaitForDialog(IDC_VALUE_LIST);
    idealisation.Control(IDC_VALUE_LIST).SelectRow(2);
    idealisation.Control(IDOK).Click();
    harness::WaitUntilGone(idealisation);
    sheet.Control(IDC_ORIENTATION).Click();
    const Window orientation = harness::WaitForDialog(IDC_ORIENTATION_LIST);
    orientation.Control(IDC_ORIENTATION_LIST).SelectRow(1);
    orientation.Control(IDOK).Click();
    harness::WaitUntilGone(orientation);
}

// In the source sheet: the first position other than the own one and the direction given,
// the choice narrowed as given; the position's name.
std::string ChooseSource(const std::string& own, bool plus,
                         const std::function<void(const Window&)>& narrow = {})
{
    const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
    const Window positions = sheet.Control(IDC_POSITION_LIST);
    const int row = positions.RowText(0) == own ? 1 : 0;
    positions.SelectRow(row);
    if (narrow)
        narrow(sheet);
    sheet.Control(plus ? IDC_DIRECTION_PLUS : IDC_DIRECTION_MINUS).Click();
    const std::string name = positions.RowText(row);
    sheet.Control(IDOK).Click();
    harness::WaitUntilGone(sheet);
    return name;
}

// The assignment dialog: source load 0 goes to own load 1.
void AssignFirstLoadToOwnLoad1(const Window& editor)
{
    editor.Control(IDC_ASSIGN).Click();
    const Window assign = harness::WaitForDialog(IDC_LOAD_ASSIGNMENTS);
    assign.Control(IDC_LOAD_ASSIGNMENTS).SelectRow(0);
    assign.Control(IDC_ASSIGN).Click();
    const Window share = harness::WaitForDialog(IDC_OWN_LOADS);
    share.Control(IDC_OWN_LOADS).SelectRow(1);
    share.Control(IDOK).Click();
    assign.Control(IDOK).Click();
    harness::WaitUntilGone(assign);
}

// The stored transfer numbered 1 fetches its loads from a source that has since gained a
// support.
class EditorRepair : public EditorDialog
{
  protected:
    void GiveTheSourceASupport()
    {
        const kvdata::Position& source = m_setup.Source(m_setup.own.incoming[0]);
        std::vector<std::string> supports;
        for (const kvdata::Support& s : source.supports)
            supports.push_back(s.name);
        supports.push_back("added");
        LoadDataBuilder data(supports, source.loads);
        data.PointComponents({"Fz", "Fx"});
        ASSERT_EQ(0, LoadSerializeData(0, m_setup.project.loadFile(source).c_str(),
                                       const_cast<LoadDataRecord*>(&data.Record())));
    }
};
} // namespace

TEST_F(EditorDialog, TheLoopAUserGoesThrough)
{
    const std::string own = m_setup.own.name;
    std::vector<std::string> shown;
    std::string source;
    std::string minus;
    std::string plus;
    ASSERT_EQ(1, Run([&](const Window& editor) {
                  minus = Text(IDS_PREFIX_MINUS);
                  plus = Text(IDS_PREFIX_PLUS);
                  const Window list = editor.Control(IDC_TRANSFER_LIST);
                  ASSERT_EQ(2, list.RowCount()); // plus 1 and minus 2
                  list.Key(VK_INSERT);           // no selection needed
                  source = ChooseSource(own, false, [](const Window& sheet) {
                      NarrowTheChoice(sheet);
                      ShapeTheTransfer(sheet);
                  });
                  ASSERT_EQ(3, list.RowCount());
                  EXPECT_EQ(minus + "1", list.RowText(2, 0));
                  EXPECT_EQ(source, list.RowText(2, 1));

                  list.SelectRow(2);
                  editor.Control(IDC_ORIGIN_X).Type("2.5");
                  editor.Control(IDC_ORIGIN_X).Key(VK_RETURN);
                  AssignFirstLoadToOwnLoad1(editor);
                  EXPECT_EQ(m_setup.own.loads[1],
                            editor.Control(IDC_ASSIGNMENT_LIST).RowText(0, 2));

                  list.Key('C', true);
                  EXPECT_EQ(minus + "3", list.RowText(3, 0));
                  list.SelectRow(3);
                  list.Key(VK_RETURN); // edit, the sign kept: the name stays
                  harness::WaitForDialog(IDC_POSITION_LIST).Control(IDOK).Click();
                  EXPECT_EQ(minus + "3", list.RowText(3, 0));
                  editortest::ClickToolButton(editor, ID_TRANSFER_EDIT); // now the sign changes
                  const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
                  sheet.Control(IDC_DIRECTION_PLUS).Click();
                  sheet.Control(IDOK).Click();
                  EXPECT_EQ(plus + "2", list.RowText(3, 0));
                  EXPECT_EQ(std::vector<int>{3}, list.SelectedRows());

                  list.SelectRow(1);
                  list.Key(VK_DELETE);
                  shown = Shown(editor);
                  editor.Control(IDOK).Click();
              }));

    const loaddata::TransferData file = ReadBack(TransferFile());
    ASSERT_EQ(3u, file.headers.size());
    EXPECT_EQ(1, file.headers[0].transferNumber);
    EXPECT_EQ(-1, file.headers[1].transferNumber);
    EXPECT_EQ(2, file.headers[2].transferNumber);
    const auto rows = [&](size_t h) {
        std::vector<std::pair<int32_t, int32_t>> pairs;
        for (const loaddata::AssignmentRow& row : file.headers[h].rows)
            pairs.emplace_back(row.sourceLoad, row.ownLoad);
        return pairs;
    };
    EXPECT_EQ(1, rows(1).at(0).second) << "own load chosen for source load 0";
    EXPECT_EQ(rows(1), rows(2)) << "the duplicate's assignments";
    int newRecords = 0;
    for (const loaddata::TransferRecord& stored : file.records) {
        const BindRecord& record = stored.fields;
        if (record.transferNumber == 1)
            continue;
        ++newRecords;
        EXPECT_EQ(source, stored.positionName);
        EXPECT_EQ(2.5, record.placement[0][0]);
        EXPECT_EQ(2.0, record.factor);
        EXPECT_EQ(2, record.idealisation);
        const double unturned[2][3] = {{1, 0, 0}, {0, 1, 0}};
        bool turned = false;
        for (int a = 0; a < 2; ++a)
            for (int c = 0; c < 3; ++c)
                turned =
                    turned || record.placement[a + 1][c] - record.placement[0][c] != unturned[a][c];
        EXPECT_TRUE(turned) << "orientation row 1";
        EXPECT_EQ(1, record.supportIndex) << "the first support was left out";
        EXPECT_NE(1, record.loadIndex) << "load 1 was left out";
        if (record.loadIndex == 0) {
            EXPECT_EQ(0, record.componentIndex) << "component 1 of load 0 was left out";
            EXPECT_EQ(1, record.ownLoad) << "own load chosen for source load 0";
        }
    }
    EXPECT_GT(newRecords, 0);
    EXPECT_EQ(0, newRecords % 2) << "the new transfer and its duplicate pass on the same";

    Run([&](const Window& editor) {
        EXPECT_EQ(shown, Shown(editor)) << "reopened: the same list";
        editor.Control(IDCANCEL).Click();
    });
}

TEST_F(EditorDialog, ANewTransferFromTheFemProjectReachesTheTransferredLoadPage)
{
    m_setup.request.projectGroup.value = 1;
    std::string source;
    ASSERT_EQ(1, Run([&](const Window& editor) {
                  editortest::ClickToolButton(editor, ID_TRANSFER_NEW);
                  source = ChooseSource(m_setup.own.name, true);
                  const Window list = editor.Control(IDC_TRANSFER_LIST);
                  EXPECT_EQ(Text(IDS_GROUP_FEM), list.RowText(list.RowCount() - 1, 2));
                  editor.Control(IDOK).Click();
              }));
    const loaddata::TransferData file = ReadBack(TransferFile());
    ASSERT_FALSE(file.records.empty());
    EXPECT_EQ(1, file.records.back().fields.projectRef);
    EXPECT_EQ(source, file.records.back().positionName);

    const std::string file016 = TransferFile();
    const char* names[] = {m_setup.own.name.c_str()};
    const char* files[] = {file016.c_str()};
    int recalculate = 0;
    std::vector<std::string> items;
    harness::RunScripted(
        [&] {
            RunPageEntry(nullptr, "Projekt", 1, names, files, &recalculate, nullptr);
            return INT_PTR(0);
        },
        [&] {
            const Window page = harness::WaitForDialog(IDC_LOAD_TREE);
            for (const harness::TreeItem& item : page.Control(IDC_LOAD_TREE).TreeItems())
                items.push_back(item.text);
            page.Control(IDCANCEL).Click();
        });
    bool found = false;
    for (const std::string& item : items)
        found = found || item.rfind(source, 0) == 0;
    EXPECT_TRUE(found) << source;
}

TEST_F(EditorRepair, CancelRemovesTheTransferAndOkKeepsItValidWithScreenshots)
{
    GiveTheSourceASupport();
    const std::string repaired = m_setup.Source(m_setup.own.incoming[0]).name;
    for (auto [language, answer] : {std::pair("DEU", IDCANCEL), std::pair("ENG", IDOK)}) {
        SetLanguage(language);
        int valid = -1;
        harness::RunScripted(
            [&] { return Entry(); },
            [&] {
                // The repair run starts before the user can act in the editor.
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                const Window editor(GetWindow(box.window.Handle(), GW_OWNER));
                EXPECT_EQ(Text(IDS_REPAIR), box.text);
                EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption);
                harness::Screenshot(editor, std::string("editor_repair_") + language);
                harness::Screenshot(box.window, std::string("editor_repair_message_") + language);
                box.Answer(IDOK);
                const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
                EXPECT_EQ(Text(IDS_SHEET_REMOVE), sheet.Control(IDCANCEL).Text());
                sheet.Control(answer).Click();
                harness::WaitUntilGone(sheet);
                const Window list = editor.Control(IDC_TRANSFER_LIST);
                const bool kept = list.RowCount() == static_cast<int>(m_setup.own.incoming.size());
                EXPECT_EQ(answer == IDOK, kept);
                EXPECT_EQ(answer == IDOK, list.RowText(0, 1) == repaired);
                harness::OnUi([&] { valid = Running().GetTransfer(0)->m_nValid; });
                EXPECT_EQ(1u, harness::TopLevelWindows().size()) << "the repair runs once";
                editor.Control(IDCANCEL).Click();
            });
        EXPECT_EQ(1, valid);
    }
}
