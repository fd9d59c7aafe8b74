// The editor's start on generated projects, in German and English: the stored transfers
// with their prefixes, images and reaction rows, the labels and origin fields, and the
// files it cannot edit; the commands that need exactly one selected transfer.
#include "tests/editor/EditorDialogSupport.h"

#include "loaddata/TransferFile.h"
#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

using editortest::EditorDialog;
using editortest::Running;
using editortest::Text;
using harness::Window;

namespace
{
using Row = std::array<std::string, 5>;

std::string ValueText(double value, int kind)
{
    char text[64];
    char unit[20] = "";
    std::snprintf(text, sizeof text, "%.6g%s", value, GetForceUnitString(kind, unit));
    return text;
}

// The reaction rows of a stored transfer, from the building: names on the first row of
// their support and load; both ends of each piece, a shared end once.
std::vector<Row> ExpectedRows(const kvdata::Position& source, const kvdata::Position& own,
                              const kvdata::Transfer& transfer)
{
    const kvdata::Support& support = source.supports[static_cast<size_t>(transfer.support)];
    std::vector<Row> rows;
    Row names{support.name, "", "", "", ""};
    int32_t load = -1;
    for (const kvdata::TransferredComponent& record : transfer.components) {
        if (record.load != load) {
            load = record.load;
            names[1] = source.loads[static_cast<size_t>(load)];
            names[2] = own.loads[static_cast<size_t>(record.ownLoad)];
        }
        const kvdata::Component& c =
            support.byLoad[static_cast<size_t>(load)][static_cast<size_t>(record.component)];
        std::vector<std::pair<std::string, std::string>> cells;
        if (c.pieces.empty())
            cells.emplace_back(c.name, ValueText(c.value, c.kind));
        for (const TrapezoidPiece& piece : c.pieces)
            for (auto [x, q] : {std::pair(piece.x1, piece.q1), std::pair(piece.x2, piece.q2)}) {
                char at[32];
                std::snprintf(at, sizeof at, " (x=%.3f m)", x);
                const std::pair cell(c.name + at, ValueText(q, c.kind));
                if (cells.empty() || cells.back() != cell)
                    cells.push_back(cell);
            }
        for (const auto& [name, value] : cells) {
            rows.push_back({names[0], names[1], names[2], name, value});
            names = Row{};
        }
    }
    return rows;
}

std::vector<Row> RowsOf(const Window& list)
{
    std::vector<Row> rows(static_cast<size_t>(list.RowCount()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 5; ++c)
            rows[r][static_cast<size_t>(c)] = list.RowText(static_cast<int>(r), c);
    return rows;
}

// The second stored transfer gets number 0.
class EditorStart : public EditorDialog
{
  protected:
    EditorStart() : EditorDialog([](kvdata::Position& own) { own.incoming[1].number = 0; }) {}
};

int RowImage(const Window& list, int row)
{
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    harness::OnUi([&] { SendMessageA(list.Handle(), LVM_GETITEMA, 0, LPARAM(&item)); });
    return item.iImage;
}

// Selects exactly the given rows of a list control.
void SelectRows(const Window& list, std::initializer_list<int> rows)
{
    harness::OnUi([&] {
        ListView_SetItemState(list.Handle(), -1, 0, LVIS_SELECTED);
        for (int row : rows)
            ListView_SetItemState(list.Handle(), row, LVIS_SELECTED, LVIS_SELECTED);
    });
}
} // namespace

TEST_F(EditorStart, StoredTransfersWithTheirRowsLabelsAndOriginFields)
{
    const std::vector<kvdata::Transfer>& stored = m_own.incoming;
    for (const char* language : editortest::kLanguages) {
        SetLanguage(language);
        EXPECT_EQ(
            0, Run([&](const Window& editor) {
                const Window list = editor.Control(IDC_TRANSFER_LIST);
                const Window rows = editor.Control(IDC_ASSIGNMENT_LIST);
                const Window label = editor.Control(IDC_SELECTION_LABEL);
                ASSERT_EQ(static_cast<int>(stored.size()), list.RowCount());
                EXPECT_EQ(Text(IDS_COUNT_LABEL) + std::to_string(stored.size()),
                          editor.Control(IDC_TRANSFER_COUNT).Text());
                EXPECT_EQ(m_own.name, editor.Control(IDC_OWN_POSITION).Text());
                // Nothing selected: no rows, the label's prefix only, the origin disabled.
                EXPECT_EQ(0, rows.RowCount());
                EXPECT_EQ(Text(IDS_TRANSFER) + ": ", label.Text());
                EXPECT_FALSE(editor.Control(IDC_ORIGIN_X).IsEnabled());
                for (size_t t = 0; t < stored.size(); ++t) {
                    SCOPED_TRACE(t);
                    const int row = static_cast<int>(t);
                    const int number = stored[t].number;
                    const kvdata::Position& source = Source(stored[t]);
                    EXPECT_EQ(Text(number < 1 ? IDS_PREFIX_MINUS : IDS_PREFIX_PLUS) +
                                  std::to_string(std::abs(number)),
                              list.RowText(row, 0));
                    EXPECT_EQ(number < 1 ? 1 : 0, RowImage(list, row));
                    EXPECT_EQ(source.name, list.RowText(row, 1));
                    if (source.fem) {
                        EXPECT_EQ(Text(IDS_GROUP_FEM), list.RowText(row, 2));
                    }
                    EXPECT_EQ(Text(source.changes      ? IDS_STATUS_MODIFIED
                                   : source.calculated ? IDS_STATUS_CALCULATED
                                                       : IDS_STATUS_NOT_CALCULATED),
                              list.RowText(row, 3));
                    list.SelectRow(row);
                    EXPECT_EQ(ExpectedRows(Source(stored[t]), m_own, stored[t]), RowsOf(rows));
                    EXPECT_EQ(Text(IDS_TRANSFER) + ": " + list.RowText(row, 0) + "  <" +
                                  list.RowText(row, 1) + "> <" + list.RowText(row, 2) + ">",
                              label.Text());
                }
                // A typed coordinate reaches the transfer it was typed for when the selection
                // moves on without Enter.
                list.SelectRow(0);
                editor.Control(IDC_ORIGIN_Y).Type("7");
                list.SelectRow(1);
                double typed = 0;
                char shown[32];
                harness::OnUi([&] {
                    typed = Running().GetTransfer(0)->m_dOrigin[1];
                    std::snprintf(shown, sizeof shown, "%.15g",
                                  Running().GetTransfer(1)->m_dOrigin[1]);
                });
                EXPECT_EQ(7.0, typed);
                EXPECT_EQ(shown, editor.Control(IDC_ORIGIN_Y).Text());
                // A reaction without values says so; reaction rows never stay selected.
                harness::OnUi([] {
                    KVItem& item = *Running().GetTransfer(0);
                    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s)
                        for (INT_PTR l = 0; l < item.GetSupport(s)->GetLoadCount(); ++l)
                            for (INT_PTR c = 0;
                                 c < item.GetSupport(s)->GetLoad(l)->GetComponentCount(); ++c)
                                item.GetSupport(s)->GetLoad(l)->GetComponent(c)->m_nDataWord = 0;
                });
                list.SelectRow(0);
                EXPECT_EQ(Text(IDS_NO_VALUE), rows.RowText(0, 4));
                rows.SelectRow(0);
                EXPECT_EQ(0u, rows.SelectedRows().size());
                editor.Control(IDCANCEL).Click();
            }));
    }
}

TEST_F(EditorStart, FilesItCannotEditGiveTheirMessages)
{
    const auto dataVersion0 = [this] {
        loaddata::TransferData data;
        ASSERT_EQ(loaddata::readTransferFile(TransferFile(), data), loaddata::FormatError::None);
        data.dataVersion = 0; // before project groups: the editor does not edit it
        ASSERT_EQ(loaddata::writeTransferFile(TransferFile(), data), loaddata::FormatError::None);
    };
    const auto damage = [this] {
        std::ofstream(TransferFile(), std::ios::binary | std::ios::trunc) << "not a transfer file";
    };
    struct Case {
        const char* file;
        std::function<void()> make;
        UINT message;
        int result; // of the entry; where the editor opens, it opens empty and OK is pressed
    };
    const Case cases[] = {
        {"of data version 0", dataVersion0, IDS_OLD_FORMAT, 0},
        {"damaged", damage, IDS_TRANSFERS_UNREADABLE, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        c.make();
        const std::string before = editortest::FileBytes(TransferFile());
        const INT_PTR result = harness::RunScripted(
            [&] { return Entry(); },
            [&] {
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                EXPECT_EQ(Text(c.message), box.text);
                EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption);
                box.Answer(IDOK);
                if (c.result == 0)
                    return;
                const Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
                EXPECT_EQ(0, editor.Control(IDC_TRANSFER_LIST).RowCount());
                editor.Control(IDOK).Click();
            });
        EXPECT_EQ(c.result, result);
        // A file the editor could not use is never lost: left as it was, or kept beside
        // the transfers OK wrote.
        const std::string kept = c.result == 0 ? TransferFile() : TransferFile() + ".bak";
        EXPECT_EQ(before, editortest::FileBytes(kept));
        std::remove((TransferFile() + ".bak").c_str());
    }
}

// Keys (the toolbar buttons' commands) and the assignment button with no or two selected
// transfers; the letter C alone is the list's own. Deleting every transfer leaves nothing selected.
TEST_F(EditorDialog, CommandsNeedExactlyOneSelectedTransfer)
{
    Run([](const Window& editor) {
        const Window list = editor.Control(IDC_TRANSFER_LIST);
        const int rows = list.RowCount();
        const std::vector<std::pair<std::string, std::function<void()>>> commands = {
            {"Enter", [&] { list.Key(VK_RETURN); }},
            {"Ctrl+C", [&] { list.Key('C', true); }},
            {"Delete", [&] { list.Key(VK_DELETE); }},
            {"assignment", [&] { editor.Control(IDC_ASSIGN).Click(); }},
        };
        for (auto selection : {std::initializer_list<int>{}, {0, 1}}) {
            for (const auto& [name, command] : commands) {
                SCOPED_TRACE(name);
                SelectRows(list, selection);
                command();
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                EXPECT_EQ(Text(IDS_SELECT_ONE), box.text);
                EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption);
                box.Answer(IDOK);
                EXPECT_EQ(rows, list.RowCount());
            }
        }
        SelectRows(list, {});
        list.Key('C');
        EXPECT_EQ(1u, harness::TopLevelWindows().size());
        for (int left = rows - 1; left >= 0; --left) {
            const std::string second = left > 0 ? list.RowText(1, 0) : "";
            list.SelectRow(0);
            list.Key(VK_DELETE);
            EXPECT_EQ(second, left > 0 ? list.RowText(0, 0) : "");
            EXPECT_EQ(Text(IDS_COUNT_LABEL) + std::to_string(left),
                      editor.Control(IDC_TRANSFER_COUNT).Text());
        }
        KVItem* selected = reinterpret_cast<KVItem*>(1);
        harness::OnUi([&] { selected = Running().m_pSelected; });
        EXPECT_EQ(nullptr, selected);
        EXPECT_EQ(0, editor.Control(IDC_ASSIGNMENT_LIST).RowCount());
        for (int id : {IDC_ORIGIN_X, IDC_ORIGIN_Y, IDC_ORIGIN_Z}) {
            EXPECT_FALSE(editor.Control(id).IsEnabled());
            EXPECT_EQ("", editor.Control(id).Text());
        }
        editor.Control(IDCANCEL).Click();
    });
}
