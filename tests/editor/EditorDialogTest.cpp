// The editor dialog through real messages on generated projects: its start, the files it cannot
// edit, the repair, a user's loop, splitter, resizing, placement, tooltip, about box, pictures.
#include "tests/editor/EditorDialogSupport.h"

#include "loaddata/TransferFile.h"
#include "model/KVItem.h"

#include <commctrl.h>

#include <fstream>
#include <string>
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

// Every transfer's name, columns and reaction rows as the editor shows them.
std::vector<std::string> Shown(const Window& editor)
{
    const Window list = editor.Control(IDC_TRANSFER_LIST);
    const Window rows = editor.Control(IDC_ASSIGNMENT_LIST);
    std::vector<std::string> shown;
    for (int t = 0; t < list.RowCount(); ++t) {
        list.SelectRow(t);
        shown.push_back(list.RowText(t, 0) + "|" + list.RowText(t, 1) + "|" + list.RowText(t, 2));
        for (int r = 0; r < rows.RowCount(); ++r)
            for (int c = 0; c < 5; ++c)
                shown.back() += "|" + rows.RowText(r, c);
    }
    return shown;
}

void Mouse(const Window& editor, UINT message, int x, int y)
{
    harness::OnUi([&] { SendMessageA(editor.Handle(), message, MK_LBUTTON, MAKELPARAM(x, y)); });
}

// Ends with the button released, or with another window taking the mouse.
void Drag(const Window& editor, int x, int y, int toX, bool captureLost = false)
{
    Mouse(editor, WM_LBUTTONDOWN, x, y);
    Mouse(editor, WM_MOUSEMOVE, toX, y);
    if (captureLost)
        harness::OnUi([] { ReleaseCapture(); });
    else
        Mouse(editor, WM_LBUTTONUP, toX, y);
}

SIZE Extent(const RECT& r)
{
    return {r.right - r.left, r.bottom - r.top};
}

// The stored "Window" value, empty when there is none.
std::string StoredPlacement()
{
    KVSettingsKey key;
    char value[1028] = "";
    DWORD size = sizeof value - 1;
    if (key.OpenSettings() == 0)
        key.QueryString(value, settings::kWindow, &size);
    return value;
}
} // namespace

TEST_F(EditorStart, StoredTransfersWithTheirRowsAndOriginFields)
{
    const std::vector<kvdata::Transfer>& stored = m_own.incoming;
    EXPECT_EQ(0, Run([&](const Window& editor) {
                  const Window list = editor.Control(IDC_TRANSFER_LIST);
                  const Window rows = editor.Control(IDC_ASSIGNMENT_LIST);
                  ASSERT_EQ(static_cast<int>(stored.size()), list.RowCount());
                  // Nothing selected: no rows, the origin disabled.
                  EXPECT_EQ(0, rows.RowCount());
                  EXPECT_FALSE(editor.Control(IDC_ORIGIN_X).IsEnabled());
                  for (size_t t = 0; t < stored.size(); ++t) {
                      SCOPED_TRACE(t);
                      const int row = static_cast<int>(t), number = stored[t].number;
                      EXPECT_EQ(Text(number < 1 ? IDS_PREFIX_MINUS : IDS_PREFIX_PLUS) +
                                    std::to_string(std::abs(number)),
                                list.RowText(row, 0));
                      EXPECT_EQ(number < 1 ? 1 : 0, RowImage(list, row));
                      EXPECT_EQ(Source(stored[t]).name, list.RowText(row, 1));
                      list.SelectRow(row); // the end two pieces share shown once
                      for (int r = 1; r < rows.RowCount(); ++r)
                          EXPECT_NE(rows.RowText(r - 1, 3) + rows.RowText(r - 1, 4),
                                    rows.RowText(r, 3) + rows.RowText(r, 4));
                  }
                  editor.Control(IDCANCEL).Click();
              }));
}

// A file of data version 0 (before project groups) is left as it was; a damaged one opens an
// empty editor, and OK keeps it beside the transfers it writes.
TEST_F(EditorStart, FilesItCannotEditGiveTheirMessages)
{
    loaddata::TransferData old;
    ASSERT_EQ(loaddata::readTransferFile(TransferFile(), old), loaddata::FormatError::None);
    old.dataVersion = 0;
    for (const UINT message : {IDS_OLD_FORMAT, IDS_TRANSFERS_UNREADABLE}) {
        const bool opens = message == IDS_TRANSFERS_UNREADABLE;
        if (opens)
            std::ofstream(TransferFile(), std::ios::binary | std::ios::trunc) << "not a file";
        else
            ASSERT_EQ(loaddata::writeTransferFile(TransferFile(), old),
                      loaddata::FormatError::None);
        const std::string before = FileBytes(TransferFile());
        const auto script = [&] {
            const auto box = harness::WaitForMessageBox();
            EXPECT_EQ(Text(message), box.text);
            box.Answer(IDOK);
            if (opens) {
                const Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
                EXPECT_EQ(0, editor.Control(IDC_TRANSFER_LIST).RowCount());
                editor.Control(IDOK).Click();
            }
        };
        EXPECT_EQ(opens ? 1 : 0, harness::RunScripted([&] { return Entry(); }, script));
        EXPECT_EQ(before, FileBytes(opens ? TransferFile() + ".bak" : TransferFile()));
    }
}

TEST_F(EditorDialog, TheLoopAUserGoesThrough)
{
    std::vector<std::string> shown;
    ASSERT_EQ(
        1, Run([&](const Window& editor) {
            const std::string minus = Text(IDS_PREFIX_MINUS);
            const Window list = editor.Control(IDC_TRANSFER_LIST);
            ASSERT_EQ(2, list.RowCount()); // plus 1 and minus 2
            list.Key(VK_RETURN);           // edit wants exactly one selected transfer
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ(Text(IDS_SELECT_ONE), box.text);
            box.Answer(IDOK);
            list.Key(VK_INSERT); // no selection needed; the first other position, minus
            const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
            const Window positions = sheet.Control(IDC_POSITION_LIST);
            const int row = positions.RowText(0) == m_own.name ? 1 : 0;
            positions.SelectRow(row);
            sheet.Control(IDC_DIRECTION_MINUS).Click();
            const std::string source = positions.RowText(row);
            sheet.Control(IDOK).Click();
            harness::WaitUntilGone(sheet);
            ASSERT_EQ(3, list.RowCount());
            EXPECT_EQ(minus + "1", list.RowText(2, 0));
            EXPECT_EQ(source, list.RowText(2, 1));
            list.SelectRow(2);
            editor.Control(IDC_ORIGIN_X).Type("2.5");
            editor.Control(IDC_ORIGIN_X).Key(VK_RETURN);
            editor.Control(IDC_ASSIGN).Click(); // source load 0 to own load 1
            const Window assign = harness::WaitForDialog(IDC_LOAD_ASSIGNMENTS);
            assign.Control(IDC_LOAD_ASSIGNMENTS).SelectRow(0);
            assign.Control(IDC_ASSIGN).Click();
            const Window share = harness::WaitForDialog(IDC_OWN_LOADS);
            share.Control(IDC_OWN_LOADS).SelectRow(1);
            share.Control(IDOK).Click();
            assign.Control(IDOK).Click();
            harness::WaitUntilGone(assign);
            EXPECT_EQ(m_own.loads[1], editor.Control(IDC_ASSIGNMENT_LIST).RowText(0, 2));
            list.Key('C', true);
            list.Key('C'); // alone: the list's own
            ASSERT_EQ(4, list.RowCount());
            EXPECT_EQ(minus + "3", list.RowText(3, 0));
            list.SelectRow(3);
            list.Key(VK_RETURN); // edit, the sign kept: the name stays
            harness::WaitForDialog(IDC_POSITION_LIST).Control(IDOK).Click();
            EXPECT_EQ(minus + "3", list.RowText(3, 0));
            ClickToolButton(editor, ID_TRANSFER_EDIT); // now the sign changes
            const Window edit = harness::WaitForDialog(IDC_POSITION_LIST);
            edit.Control(IDC_DIRECTION_PLUS).Click();
            edit.Control(IDOK).Click();
            EXPECT_EQ(Text(IDS_PREFIX_PLUS) + "2", list.RowText(3, 0));
            EXPECT_EQ(std::vector<int>{3}, list.SelectedRows());
            list.SelectRow(1);
            list.Key(VK_DELETE);
            harness::OnUi([&] { // the new transfer and its duplicate
                for (const KVItem* item : {Running().GetTransfer(1), Running().GetTransfer(2)})
                    EXPECT_EQ(2.5, item->m_dOrigin[0]);
            });
            shown = Shown(editor);
            editor.Control(IDOK).Click();
        }));

    // Reopened, the editor shows what OK wrote.
    Run([&](const Window& editor) {
        EXPECT_EQ(shown, Shown(editor));
        editor.Control(IDCANCEL).Click();
    });
}

// Transfer 1's source has since gained a support: the repair runs before the user can act;
// Cancel (German) removes the transfer, OK (English) keeps it, valid.
TEST_F(EditorDialog, RepairWithScreenshots)
{
    ASSERT_TRUE(GiveTheSourceASupport(0));
    const std::string repaired = Source(m_own.incoming[0]).name;
    for (auto [language, answer] : {std::pair("DEU", IDCANCEL), std::pair("ENG", IDOK)}) {
        SetLanguage(language);
        harness::RunScripted(
            [&] { return Entry(); },
            [&] {
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                const Window editor(GetWindow(box.window.Handle(), GW_OWNER));
                EXPECT_EQ(Text(IDS_REPAIR), box.text);
                EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption);
                harness::Screenshot(editor, std::string("editor_repair_") + language);
                harness::Screenshot(box.window, std::string("editor_repair_message_") + language);
                box.Answer(IDOK);
                const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
                sheet.Control(answer).Click();
                harness::WaitUntilGone(sheet);
                const Window list = editor.Control(IDC_TRANSFER_LIST);
                EXPECT_EQ(answer == IDOK, list.RowCount() == int(m_own.incoming.size()));
                EXPECT_EQ(answer == IDOK, list.RowText(0, 1) == repaired);
                harness::OnUi([&] { EXPECT_EQ(1, Running().GetTransfer(0)->m_nValid); });
                editor.Control(IDCANCEL).Click();
            });
    }
}

// The bar drags from its edge pixels and stops where the right pane would get narrower than the
// gap between the panes; the window's width goes to the right pane, its height to the panes,
// until the right pane is as narrow as the gap. Cancel stores place and bar, writes no
// transfers; the start puts them back, keeping the bar within its limits.
TEST_F(EditorDialog, SplitterResizingAndStoredPlacement)
{
    std::string placement;
    RECT start{}, bar{};
    Run([&](const Window& editor) {
        start = editor.Rect();
        bar = ClientRect(editor, IDC_SPLITTER);
        const RECT transfers = ClientRect(editor, IDC_TRANSFER_LIST);
        const RECT rows = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        RECT window = start; // in client coordinates
        MapWindowPoints(nullptr, editor.Handle(), reinterpret_cast<POINT*>(&window), 2);
        const int gap = rows.left - transfers.right;
        const int y = (bar.top + bar.bottom) / 2;
        const auto barLeft = [&] { return ClientRect(editor, IDC_SPLITTER).left; };
        for (int x : {bar.left - 1, bar.left}) {
            Mouse(editor, WM_LBUTTONDOWN, x, y);
            int state = -1;
            harness::OnUi([&] { state = Running().m_nDragState; });
            EXPECT_EQ(x == bar.left ? 1 : 0, state) << "pressed at " << x - bar.left;
            Mouse(editor, WM_LBUTTONUP, x, y);
            harness::OnUi([&] { state = Running().m_nDragState; });
            EXPECT_EQ(0, state) << "released";
        }

        const auto resize = [&](int dx) {
            harness::OnUi([&] {
                SetWindowPos(editor.Handle(), nullptr, 0, 0, Extent(start).cx + dx,
                             Extent(start).cy + 100, SWP_NOMOVE | SWP_NOZORDER);
            });
        };
        resize(200);
        Drag(editor, barLeft(), y, 5000, true); // the right pane as narrow as the gap
        EXPECT_EQ(window.right + 200 - (Extent(window).cx - rows.right) - gap, barLeft());
        EXPECT_EQ(rows.right + 200, ClientRect(editor, IDC_ASSIGNMENT_LIST).right);
        EXPECT_EQ(transfers.bottom + 100, ClientRect(editor, IDC_TRANSFER_LIST).bottom);
        ASSERT_GT(gap, 5);
        resize(195);
        const RECT shrunk = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        EXPECT_EQ(gap, Extent(shrunk).cx);
        EXPECT_EQ(rows.right + 195, shrunk.right);
        EXPECT_EQ(shrunk.left - gap, ClientRect(editor, IDC_TRANSFER_LIST).right);
        const RECT now = editor.Rect();
        placement = std::to_string(now.left) + "," + std::to_string(now.top) + "," +
                    std::to_string(Extent(now).cx) + "," + std::to_string(Extent(now).cy) + "," +
                    std::to_string(barLeft());
        editor.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(placement, StoredPlacement());
    const RECT stored = {30, 40, 90 + Extent(start).cx, 70 + Extent(start).cy};
    const std::string place = "30,40," + std::to_string(Extent(stored).cx) + "," +
                              std::to_string(Extent(stored).cy) + ",";
    for (const LONG storedBar : {bar.left - 20, 0L}) {
        m_sandbox.SetString(settings::kWindow, (place + std::to_string(storedBar)).c_str());
        const std::string before = FileBytes(TransferFile());
        Run([&](const Window& editor) {
            const RECT window = editor.Rect();
            EXPECT_TRUE(EqualRect(&stored, &window));
            EXPECT_EQ(storedBar == 0 ? bar.left : storedBar, ClientRect(editor, IDC_SPLITTER).left);
            editor.Control(IDC_TRANSFER_LIST).SelectRow(0);
            editor.Control(IDC_TRANSFER_LIST).Key(VK_DELETE); // a change Cancel drops
            editor.Control(IDCANCEL).Click();
        });
        EXPECT_EQ(before, FileBytes(TransferFile())) << "Cancel writes nothing";
    }
}

// The editor and its about box in both languages; a button's tooltip is its command string's
// second line.
TEST_F(EditorDialog, ScreenshotsTooltipAndAboutBox)
{
    for (const char* language : {"DEU", "ENG"}) {
        SetLanguage(language);
        Run([&](const Window& editor) {
            const HWND toolbar = editor.Control(IDC_TOOLBAR).Handle();
            const std::string newText = Text(ID_TRANSFER_NEW);
            char text[80] = "";
            TTTOOLINFOA tool{sizeof tool, 0,    toolbar, ID_TRANSFER_NEW, {},
                             nullptr,     text, 0,       nullptr};
            harness::OnUi([&] {
                const HWND tips = HWND(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
                SendMessageA(tips, TTM_GETTEXTA, sizeof text, LPARAM(&tool));
            });
            EXPECT_EQ(newText.substr(newText.find('\n') + 1), text);
            editor.Control(IDC_TRANSFER_LIST).SelectRow(1);
            harness::Screenshot(editor, std::string("editor_") + language);
            ClickToolButton(editor, ID_APP_ABOUT);
            const Window about = harness::WaitForWindow(
                [&](const Window& w) { return w.Handle() != editor.Handle(); }, "the about box");
            harness::Screenshot(about, std::string("about_") + language);
            about.Control(IDOK).Click();
            harness::WaitUntilGone(about);
            editor.Control(IDCANCEL).Click();
        });
    }
}
