// The editor's start on generated projects: the stored transfers with their prefixes, images
// and reaction rows, the labels and origin fields, and the files it cannot edit; the commands
// that need exactly one selected transfer.
#include "tests/editor/EditorDialogSupport.h"

#include "loaddata/TransferFile.h"
#include "model/KVItem.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <tuple>
#include <vector>

using namespace editortest;

namespace
{
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

// The selected transfer's reaction rows: support, load and own load named on the first row;
// the end two pieces share shown once.
void ExpectRows(const Window& rows, const kvdata::Position& source, const kvdata::Position& own,
                const kvdata::Transfer& transfer)
{
    const kvdata::TransferredComponent& first = transfer.components.at(0);
    EXPECT_EQ(source.supports[size_t(transfer.support)].name, rows.RowText(0, 0));
    EXPECT_EQ(source.loads[size_t(first.load)], rows.RowText(0, 1));
    EXPECT_EQ(own.loads[size_t(first.ownLoad)], rows.RowText(0, 2));
    for (int r = 1; r < rows.RowCount(); ++r)
        EXPECT_NE(rows.RowText(r - 1, 3) + rows.RowText(r - 1, 4),
                  rows.RowText(r, 3) + rows.RowText(r, 4));
}

// Selects exactly the given rows of a list control.
void SelectRows(const Window& list, const std::vector<int>& rows)
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
    EXPECT_EQ(0, Run([&](const Window& editor) {
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
                      const int row = static_cast<int>(t), number = stored[t].number;
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
                      ExpectRows(rows, source, m_own, stored[t]);
                      EXPECT_EQ(Text(IDS_TRANSFER) + ": " + list.RowText(row, 0) + "  <" +
                                    list.RowText(row, 1) + "> <" + list.RowText(row, 2) + ">",
                                label.Text());
                  }
                  // A typed coordinate reaches the transfer it was typed for when the
                  // selection moves on without Enter; the field shows the next one's.
                  list.SelectRow(0);
                  editor.Control(IDC_ORIGIN_Y).Type("7");
                  list.SelectRow(1);
                  double typed[2] = {};
                  harness::OnUi([&] {
                      for (int i = 0; i < 2; ++i)
                          typed[i] = Running().GetTransfer(i)->m_dOrigin[1];
                  });
                  EXPECT_EQ(7.0, typed[0]);
                  EXPECT_EQ(typed[1], std::stod(editor.Control(IDC_ORIGIN_Y).Text()));
                  editor.Control(IDCANCEL).Click();
              }));
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
    // The entry's result; where the editor opens, it opens empty and OK is pressed.
    const std::tuple<const char*, std::function<void()>, UINT, int> cases[] = {
        {"of data version 0", dataVersion0, IDS_OLD_FORMAT, 0},
        {"damaged", damage, IDS_TRANSFERS_UNREADABLE, 1},
    };
    for (const auto& [file, make, message, result] : cases) {
        SCOPED_TRACE(file);
        make();
        const std::string before = FileBytes(TransferFile());
        EXPECT_EQ(result, harness::RunScripted(
                              [&] { return Entry(); },
                              [&, message = message, result = result] {
                                  const auto box = harness::WaitForMessageBox();
                                  EXPECT_EQ(Text(message), box.text);
                                  EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption);
                                  box.Answer(IDOK);
                                  if (result == 0)
                                      return;
                                  const Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
                                  EXPECT_EQ(0, editor.Control(IDC_TRANSFER_LIST).RowCount());
                                  editor.Control(IDOK).Click();
                              }));
        // A file the editor could not use is never lost: left as it was, or kept beside the
        // transfers OK wrote.
        const std::string kept = result == 0 ? TransferFile() : TransferFile() + ".bak";
        EXPECT_EQ(before, FileBytes(kept));
        std::remove((TransferFile() + ".bak").c_str());
    }
}

// Keys (the toolbar buttons' commands) and the assignment button with no or two selected
// transfers; the letter C alone is the list's own. Deleting every transfer leaves nothing
// selected.
TEST_F(EditorDialog, CommandsNeedExactlyOneSelectedTransfer)
{
    Run([](const Window& editor) {
        const Window list = editor.Control(IDC_TRANSFER_LIST);
        const int rows = list.RowCount();
        const std::pair<std::vector<int>, std::function<void()>> commands[] = {
            {{}, [&] { list.Key(VK_RETURN); }},
            {{0, 1}, [&] { list.Key('C', true); }},
            {{}, [&] { list.Key(VK_DELETE); }},
            {{0, 1}, [&] { editor.Control(IDC_ASSIGN).Click(); }},
        };
        for (const auto& [selection, command] : commands) {
            SelectRows(list, selection);
            command();
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ(Text(IDS_SELECT_ONE), box.text);
            box.Answer(IDOK);
            EXPECT_EQ(rows, list.RowCount());
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
        for (int id : {IDC_ORIGIN_X, IDC_ORIGIN_Y, IDC_ORIGIN_Z})
            EXPECT_TRUE(!editor.Control(id).IsEnabled() && editor.Control(id).Text().empty());
        editor.Control(IDCANCEL).Click();
    });
}
