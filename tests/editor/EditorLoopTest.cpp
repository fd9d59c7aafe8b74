// What a user goes through in the editor on a generated project: a new transfer with a factor,
// origin, own loads, duplicate, edit with and without a change of sign, delete, OK; the editor
// reopened. And the repair run after a source gained a support.
#include "tests/editor/EditorDialogSupport.h"

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"

#include <string>
#include <vector>

using namespace editortest;

namespace
{
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

// In the source sheet: the first position other than the own one, the direction given,
// and with factor 2 (typed, Enter) when asked; the position's name.
std::string ChooseSource(const std::string& own, bool plus, bool factor = false)
{
    const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
    const Window positions = sheet.Control(IDC_POSITION_LIST);
    const int row = positions.RowText(0) == own ? 1 : 0;
    positions.SelectRow(row);
    if (factor) {
        sheet.Control(IDC_FACTOR).Click();
        const Window dialog = harness::WaitForDialog(IDC_VALUE_LIST);
        dialog.Control(IDC_VALUE_LIST).Type("2");
        harness::Key(VK_RETURN);
        harness::WaitUntilGone(dialog);
    }
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
} // namespace

TEST_F(EditorDialog, TheLoopAUserGoesThrough)
{
    const std::string own = m_own.name;
    std::vector<std::string> shown;
    std::string source;
    ASSERT_EQ(
        1, Run([&](const Window& editor) {
            const std::string minus = Text(IDS_PREFIX_MINUS);
            const Window list = editor.Control(IDC_TRANSFER_LIST);
            ASSERT_EQ(2, list.RowCount()); // plus 1 and minus 2
            list.Key(VK_INSERT);           // no selection needed
            source = ChooseSource(own, false, true);
            ASSERT_EQ(3, list.RowCount());
            EXPECT_EQ(minus + "1", list.RowText(2, 0));
            EXPECT_EQ(source, list.RowText(2, 1));
            list.SelectRow(2);
            editor.Control(IDC_ORIGIN_X).Type("2.5");
            editor.Control(IDC_ORIGIN_X).Key(VK_RETURN);
            AssignFirstLoadToOwnLoad1(editor);
            EXPECT_EQ(m_own.loads[1], editor.Control(IDC_ASSIGNMENT_LIST).RowText(0, 2));
            list.Key('C', true);
            EXPECT_EQ(minus + "3", list.RowText(3, 0));
            list.SelectRow(3);
            list.Key(VK_RETURN); // edit, the sign kept: the name stays
            harness::WaitForDialog(IDC_POSITION_LIST).Control(IDOK).Click();
            EXPECT_EQ(minus + "3", list.RowText(3, 0));
            ClickToolButton(editor, ID_TRANSFER_EDIT); // now the sign changes
            const Window sheet = harness::WaitForDialog(IDC_POSITION_LIST);
            sheet.Control(IDC_DIRECTION_PLUS).Click();
            sheet.Control(IDOK).Click();
            EXPECT_EQ(Text(IDS_PREFIX_PLUS) + "2", list.RowText(3, 0));
            EXPECT_EQ(std::vector<int>{3}, list.SelectedRows());
            list.SelectRow(1);
            list.Key(VK_DELETE);
            harness::OnUi([&] { // the new transfer and its duplicate
                for (const KVItem* item : {Running().GetTransfer(1), Running().GetTransfer(2)})
                    EXPECT_TRUE(item->m_dOrigin[0] == 2.5 &&
                                item->GetSupport(0)->GetLoad(0)->GetComponent(0)->factor == 2);
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

// The stored transfer numbered 1 fetches its loads from a source that has since gained a
// support: the repair runs before the user can act; Cancel (German) removes the transfer,
// OK (English) keeps it, valid.
TEST_F(EditorDialog, RepairWithScreenshots)
{
    ASSERT_GT(GiveTheSourceASupport(0), 0u);
    const std::string repaired = Source(m_own.incoming[0]).name;
    for (auto [language, answer] : {std::pair("DEU", IDCANCEL), std::pair("ENG", IDOK)}) {
        SetLanguage(language);
        int valid = -1;
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
                EXPECT_EQ(Text(IDS_SHEET_REMOVE), sheet.Control(IDCANCEL).Text());
                sheet.Control(answer).Click();
                harness::WaitUntilGone(sheet);
                const Window list = editor.Control(IDC_TRANSFER_LIST);
                const bool kept = list.RowCount() == static_cast<int>(m_own.incoming.size());
                EXPECT_EQ(answer == IDOK, kept);
                EXPECT_EQ(answer == IDOK, list.RowText(0, 1) == repaired);
                harness::OnUi([&] { valid = Running().GetTransfer(0)->m_nValid; });
                EXPECT_EQ(1u, harness::TopLevelWindows().size()) << "the repair runs once";
                editor.Control(IDCANCEL).Click();
            });
        EXPECT_EQ(1, valid);
    }
}
