// The editor's commands through keys, toolbar buttons and messages on generated projects:
// the rule that most of them need exactly one selected transfer, unique names, duplicate
// and delete.
#include "tests/editor/EditorDialogSupport.h"

#include "model/KVItem.h"
#include "model/KVLoadAssignment.h"
#include "resources/ResourceIds.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

using editortest::EditorDialog;
using editortest::Running;
using editortest::Text;
using harness::Window;

namespace
{
// Selects exactly the given rows of a list control.
void SelectRows(const Window& list, std::initializer_list<int> rows)
{
    harness::OnUi([&] {
        ListView_SetItemState(list.Handle(), -1, 0, LVIS_SELECTED);
        for (int row : rows)
            ListView_SetItemState(list.Handle(), row, LVIS_SELECTED, LVIS_SELECTED);
    });
}

std::vector<std::string> Names(const Window& list)
{
    std::vector<std::string> names;
    for (int r = 0; r < list.RowCount(); ++r)
        names.push_back(list.RowText(r, 0));
    return names;
}

// The stored transfers numbered 1 and 2, so that both carry the plus prefix.
class EditorNames : public EditorDialog
{
  protected:
    EditorNames() : EditorDialog([](kvdata::Position& own) { own.incoming[1].number = 2; }) {}
};
} // namespace

TEST_F(EditorDialog, CommandsOnTheSelectedTransferNeedExactlyOne)
{
    Run([](const Window& editor) {
        const Window list = editor.Control(IDC_TRANSFER_LIST);
        const int rows = list.RowCount();
        const std::vector<std::pair<std::string, std::function<void()>>> commands = {
            {"Enter", [&] { list.Key(VK_RETURN); }},
            {"Ctrl+C", [&] { list.Key('C', true); }},
            {"Delete", [&] { list.Key(VK_DELETE); }},
            {"duplicate", [&] { editortest::ClickToolButton(editor, ID_TRANSFER_DUPLICATE); }},
            {"edit", [&] { editortest::ClickToolButton(editor, ID_TRANSFER_EDIT); }},
            {"delete", [&] { editortest::ClickToolButton(editor, ID_TRANSFER_DELETE); }},
            {"assignment", [&] { editor.Control(IDC_ASSIGN).Click(); }},
        };
        for (auto selection : {std::initializer_list<int>{}, {0, 1}}) {
            for (const auto& [name, command] : commands) {
                SelectRows(list, selection);
                command();
                const harness::MessageBoxInfo box = harness::WaitForMessageBox();
                EXPECT_EQ(Text(IDS_SELECT_ONE), box.text) << name;
                EXPECT_EQ(Text(IDS_EDITOR_CAPTION), box.caption) << name;
                box.Answer(IDOK);
                EXPECT_EQ(rows, list.RowCount()) << name;
            }
        }
        // The letter C alone is the list's: no command, no message.
        SelectRows(list, {});
        list.Key('C');
        EXPECT_EQ(1u, harness::TopLevelWindows().size());
        editor.Control(IDCANCEL).Click();
    });
}

TEST_F(EditorNames, DuplicatesTakeTheFirstFreeNameAndTheAssignments)
{
    Run([](const Window& editor) {
        const Window list = editor.Control(IDC_TRANSFER_LIST);
        const std::string plus = Text(IDS_PREFIX_PLUS);
        ASSERT_EQ(plus + "1", list.RowText(0, 0));
        ASSERT_EQ(plus + "2", list.RowText(1, 0));
        const int rows = list.RowCount();
        const Window reactions = editor.Control(IDC_ASSIGNMENT_LIST);
        list.SelectRow(1);
        const int reactionRows = reactions.RowCount();
        list.Key('C', true);
        ASSERT_EQ(rows + 1, list.RowCount());
        EXPECT_EQ(plus + "3", list.RowText(rows, 0));
        EXPECT_EQ(list.RowText(1, 1), list.RowText(rows, 1));
        harness::OnUi([&] {
            const KVItem& original = *Running().GetTransfer(1);
            const KVItem& copy = *Running().GetTransfer(rows);
            ASSERT_EQ(original.m_loadAssignments.GetSize(), copy.m_loadAssignments.GetSize());
            for (INT_PTR i = 0; i < copy.m_loadAssignments.GetSize(); ++i) {
                const auto* a = static_cast<KVLoadAssignment*>(original.m_loadAssignments[i]);
                const auto* b = static_cast<KVLoadAssignment*>(copy.m_loadAssignments[i]);
                EXPECT_NE(a, b);
                EXPECT_EQ(a->ownLoad, b->ownLoad);
                EXPECT_STREQ(a->m_strOwnLoad, b->m_strOwnLoad);
            }
            // Names compare exactly: a name differing in case does not take the place.
            CString lower = plus.c_str();
            lower.MakeLower();
            Running().GetTransfer(rows)->m_strName = lower + "3";
        });
        list.SelectRow(rows);
        EXPECT_EQ(reactionRows, reactions.RowCount());
        editortest::ClickToolButton(editor, ID_TRANSFER_DUPLICATE);
        EXPECT_EQ(plus + "3", list.RowText(rows + 1, 0));
        editor.Control(IDCANCEL).Click();
    });
}

TEST_F(EditorDialog, DeletingEveryTransferLeavesNothingSelected)
{
    Run([](const Window& editor) {
        const Window list = editor.Control(IDC_TRANSFER_LIST);
        while (list.RowCount() > 0) {
            const std::vector<std::string> before = Names(list);
            list.SelectRow(0);
            EXPECT_TRUE(editor.Control(IDC_ORIGIN_X).IsEnabled());
            list.Key(VK_DELETE);
            EXPECT_EQ(std::vector<std::string>(before.begin() + 1, before.end()), Names(list));
            EXPECT_EQ(Text(IDS_COUNT_LABEL) + std::to_string(list.RowCount()),
                      editor.Control(IDC_TRANSFER_COUNT).Text());
        }
        KVItem* selected = reinterpret_cast<KVItem*>(1);
        INT_PTR transfers = -1;
        harness::OnUi([&] {
            selected = Running().m_pSelected;
            transfers = Running().GetTransferCount();
        });
        EXPECT_EQ(nullptr, selected);
        EXPECT_EQ(0, transfers);
        EXPECT_EQ(0, editor.Control(IDC_ASSIGNMENT_LIST).RowCount());
        for (int id : {IDC_ORIGIN_X, IDC_ORIGIN_Y, IDC_ORIGIN_Z}) {
            EXPECT_FALSE(editor.Control(id).IsEnabled());
            EXPECT_EQ("", editor.Control(id).Text());
        }
        editor.Control(IDCANCEL).Click();
    });
}
