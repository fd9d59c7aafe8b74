// The editor's start on generated projects, in German and English: the stored transfers
// with their prefixes and images, the reaction rows of the selected one, the labels, and
// the messages and results of transfer files it cannot edit.
#include "tests/editor/EditorDialogSupport.h"

#include "loaddata/TransferFile.h"
#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"

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
std::vector<Row> ExpectedRows(const EditorProject& setup, const kvdata::Transfer& transfer)
{
    const kvdata::Position& source = setup.Source(transfer);
    const kvdata::Support& support = source.supports[static_cast<size_t>(transfer.support)];
    std::vector<Row> rows;
    Row names{support.name, "", "", "", ""};
    int32_t load = -1;
    for (const kvdata::TransferredComponent& record : transfer.components) {
        if (record.load != load) {
            load = record.load;
            names[1] = source.loads[static_cast<size_t>(load)];
            names[2] = setup.own.loads[static_cast<size_t>(record.ownLoad)];
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
} // namespace

TEST_F(EditorStart, StoredTransfersWithPrefixesImagesAndTheirReactionRows)
{
    const std::vector<kvdata::Transfer>& stored = m_setup.own.incoming;
    for (const char* language : editortest::kLanguages) {
        SetLanguage(language);
        EXPECT_EQ(
            0, Run([&](const Window& editor) {
                const Window list = editor.Control(IDC_TRANSFER_LIST);
                ASSERT_EQ(static_cast<int>(stored.size()), list.RowCount());
                EXPECT_EQ(Text(IDS_COUNT_LABEL) + std::to_string(stored.size()),
                          editor.Control(IDC_TRANSFER_COUNT).Text());
                EXPECT_EQ(m_setup.own.name, editor.Control(IDC_OWN_POSITION).Text());
                for (size_t t = 0; t < stored.size(); ++t) {
                    const int row = static_cast<int>(t);
                    const int number = stored[t].number;
                    const kvdata::Position& source = m_setup.Source(stored[t]);
                    EXPECT_EQ(Text(number < 1 ? IDS_PREFIX_MINUS : IDS_PREFIX_PLUS) +
                                  std::to_string(std::abs(number)),
                              list.RowText(row, 0));
                    EXPECT_EQ(number < 1 ? 1 : 0, editortest::RowImage(list, row)) << number;
                    EXPECT_EQ(source.name, list.RowText(row, 1));
                    if (source.fem) {
                        EXPECT_EQ(Text(IDS_GROUP_FEM), list.RowText(row, 2));
                    }
                    const UINT status = source.changes      ? IDS_STATUS_MODIFIED
                                        : source.calculated ? IDS_STATUS_CALCULATED
                                                            : IDS_STATUS_NOT_CALCULATED;
                    EXPECT_EQ(Text(status), list.RowText(row, 3));
                }
                // Nothing selected: no rows, the label's prefix only, the origin disabled.
                const Window rows = editor.Control(IDC_ASSIGNMENT_LIST);
                EXPECT_EQ(0, rows.RowCount());
                EXPECT_EQ(Text(IDS_TRANSFER) + ": ", editor.Control(IDC_SELECTION_LABEL).Text());
                EXPECT_FALSE(editor.Control(IDC_ORIGIN_X).IsEnabled());
                for (size_t t = 0; t < stored.size(); ++t) {
                    list.SelectRow(static_cast<int>(t));
                    EXPECT_EQ(ExpectedRows(m_setup, stored[t]), RowsOf(rows)) << t;
                    EXPECT_EQ(Text(IDS_TRANSFER) + ": " + list.RowText(static_cast<int>(t), 0) +
                                  "  <" + list.RowText(static_cast<int>(t), 1) + "> <" +
                                  list.RowText(static_cast<int>(t), 2) + ">",
                              editor.Control(IDC_SELECTION_LABEL).Text());
                }
                // A reaction without values says so.
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
    const auto overwrite = [this](const std::string& bytes) {
        std::ofstream(TransferFile(), std::ios::binary | std::ios::trunc) << bytes;
    };
    const auto newerFormat = [&] {
        std::string bytes = editortest::FileBytes(TransferFile());
        bytes[4] = 2; // the format version after the magic
        overwrite(bytes);
    };
    struct Case {
        const char* file;
        std::function<void()> make;
        UINT message;
        int result; // of the entry; where the editor opens, it opens empty and OK is pressed
    };
    const Case cases[] = {
        {"of data version 0", dataVersion0, IDS_OLD_FORMAT, 0},
        {"of a newer format", newerFormat, IDS_TRANSFERS_UNREADABLE, 1},
        {"damaged", [&] { overwrite("not a transfer file"); }, IDS_TRANSFERS_UNREADABLE, 1},
    };
    for (const Case& c : cases) {
        c.make();
        const std::string before = editortest::FileBytes(TransferFile());
        const int result = static_cast<int>(harness::RunScripted(
            [&] { return Entry(); },
            [&] {
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                EXPECT_EQ(Text(c.message), box.text) << c.file;
                EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption);
                box.Answer(IDOK);
                if (c.result == 0)
                    return;
                const Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
                EXPECT_EQ(0, editor.Control(IDC_TRANSFER_LIST).RowCount());
                editor.Control(IDOK).Click();
            }));
        EXPECT_EQ(c.result, result) << c.file;
        // A file the editor could not use is never lost: left as it was, or kept beside
        // the transfers OK wrote.
        const std::string kept = c.result == 0 ? TransferFile() : TransferFile() + ".bak";
        EXPECT_EQ(before, editortest::FileBytes(kept)) << c.file;
        std::remove((TransferFile() + ".bak").c_str());
    }
}

TEST_F(EditorStart, ATypedCoordinateReachesTheTransferItWasTypedFor)
{
    Run([](const Window& editor) {
        const Window list = editor.Control(IDC_TRANSFER_LIST);
        list.SelectRow(0);
        editor.Control(IDC_ORIGIN_Y).Type("7"); // no Enter: the selection moves on
        list.SelectRow(1);
        double typed = 0;
        std::string shown;
        harness::OnUi([&] {
            typed = Running().GetTransfer(0)->m_dOrigin[1];
            char text[32];
            std::snprintf(text, sizeof text, "%.15g", Running().GetTransfer(1)->m_dOrigin[1]);
            shown = text;
        });
        EXPECT_EQ(7.0, typed);
        EXPECT_EQ(shown, editor.Control(IDC_ORIGIN_Y).Text());
        editor.Control(IDCANCEL).Click();
    });
}
