// What the sub-dialog tests share: the language library under test, a sandboxed settings
// key, and a small source item.
#pragma once

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "settings/SettingsKey.h"
#include "tests/dialogs/LanguageTest.h"
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
std::unique_ptr<KVItem> MakeItem();
KVComponent& ComponentOf(const KVItem& item, int s, int l, int c);
// Every component of the item, support by support, load by load.
std::vector<KVComponent*> Components(const KVItem& item);
