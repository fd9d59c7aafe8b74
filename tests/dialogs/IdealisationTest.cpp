// The idealisation dialog: browsing a copy of the item, one kind for every component.
#include "dialogs/CKVIdealisation.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/SubdialogTestSupport.h"

using harness::Window;
using IdealisationDialog = SubdialogTest;
KV_BOTH_LANGUAGES(IdealisationDialog);

// The lists cascade over the copy: a support shows its loads (the components stay until a
// load is picked), a component shows its kind. Cancel, then OK with the third kind.
TEST_P(IdealisationDialog, ListsCascadeAndOkSetsTheKindEverywhereAndScreenshot)
{
    auto item = MakeItem();
    ComponentOf(*item, 1, 1, 1).idealisation = 2;
    for (int answer : {IDCANCEL, IDOK}) {
        CKVIdealisation dialog(item.get(), nullptr);
        const INT_PTR result = RunDialog(dialog, IDC_VALUE_LIST, [&](const Window& dlg) {
            const Window loads = dlg.Control(IDC_LOADS), components = dlg.Control(IDC_COMPONENTS);
            const Window kinds = dlg.Control(IDC_VALUE_LIST);
            EXPECT_EQ(BST_UNCHECKED, dlg.Control(IDC_SCOPE).Checked());
            EXPECT_EQ(BST_CHECKED, dlg.Control(IDC_SCOPE_ALL).Checked());
            EXPECT_EQ(0, kinds.Selection());
            EXPECT_EQ("AGx", components.RowText(components.Selection()));
            dlg.Control(IDC_SUPPORTS).SelectRow(1);
            EXPECT_EQ(2, loads.RowCount());
            EXPECT_EQ(0, loads.Selection());
            EXPECT_EQ("AGz", components.RowText(1));
            loads.SelectRow(1);
            EXPECT_EQ("BQz", components.RowText(1));
            EXPECT_EQ(0, kinds.Selection());
            components.SelectRow(1);
            EXPECT_EQ(2, kinds.Selection());
            if (answer == IDOK)
                harness::Screenshot(dlg, Shot("idealisation-"));
            dlg.Control(answer).Click();
        });
        EXPECT_EQ(answer, result);
        for (const KVComponent* component : Components(*item))
            EXPECT_EQ(answer == IDOK || component == &ComponentOf(*item, 1, 1, 1) ? 2 : 0,
                      component->idealisation);
    }
}

// Without supports only the kinds are listed, none chosen: OK waits for a kind.
TEST_P(IdealisationDialog, ItemWithoutSupportsListsOnlyTheKinds)
{
    KVItem item;
    CKVIdealisation dialog(&item, nullptr);
    EXPECT_EQ(IDOK, RunDialog(dialog, IDC_VALUE_LIST, [&](const Window& dlg) {
                  EXPECT_EQ(Texts{}, Rows(dlg.Control(IDC_SUPPORTS)));
                  EXPECT_EQ(4, dlg.Control(IDC_VALUE_LIST).RowCount());
                  EXPECT_EQ(-1, dlg.Control(IDC_VALUE_LIST).Selection());
                  dlg.Control(IDOK).Click();
                  dlg.Control(IDC_VALUE_LIST).SelectRow(1);
                  dlg.Control(IDOK).Click();
              }));
}
