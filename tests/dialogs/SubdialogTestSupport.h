// What the sub-dialog tests share: the language library under test, a sandboxed settings
// key, and a small source item.
#pragma once

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "settings/SettingsKey.h"
#include "tests/dialogs/LanguageTest.h"
#include "tests/model/LoadDataBuilder.h"
#include "tests/support/RegistrySandbox.h"

#include <memory>
#include <vector>

class SubdialogTest : public LanguageTest
{
  protected:
    SubdialogTest() { EXPECT_EQ(0, m_settings.OpenSettings()); }

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    KVSettingsKey m_settings;
};

// Supports "A" and "B", each with loads "G" and "Q"; each block's components are named by
// it ("AGx", "AGz"), so a list shows which block it lists. Factor 1, idealisation 0.
inline std::unique_ptr<KVItem> MakeItem()
{
    LoadDataBuilder data({"A", "B"}, {"G", "Q"});
    for (int s = 0; s < 2; ++s)
        for (int l = 0; l < 2; ++l) {
            const std::string prefix = {"AB"[s], "GQ"[l]};
            BlockSpec& block = data.Block(s, l);
            block.names = {prefix + "x", prefix + "z"}, block.kinds = {0, 2}, block.values = {1, 2};
        }
    auto item = std::make_unique<KVItem>();
    item->m_strPosition = "TR12";
    item->BuildFromLoadData(1, data.Record());
    return item;
}

inline KVComponent& ComponentOf(const KVItem& item, int s, int l, int c)
{
    return *item.GetSupport(s)->GetLoad(l)->GetComponent(c);
}

// Every component of the item, support by support, load by load.
inline std::vector<KVComponent*> Components(const KVItem& item)
{
    std::vector<KVComponent*> components;
    for (int s = 0; s < item.GetSupportCount(); ++s)
        for (int l = 0; l < item.GetSupport(s)->GetLoadCount(); ++l)
            for (int c = 0; c < item.GetSupport(s)->GetLoad(l)->GetComponentCount(); ++c)
                components.push_back(&ComponentOf(item, s, l, c));
    return components;
}
