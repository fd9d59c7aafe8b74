// The editor run through its entry on a generated project while a script drives it, and what
// the tests read from it. The own position is fed by several sources, one of them a FEM slab.
#pragma once

#include "editor/CKVEditor.h"
#include "entry/EditorEntry.h"
#include "entry/KVEditRequest.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/harness/Harness.h"
#include "tests/loaddata/project/GeneratedProject.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace editortest
{
using harness::Window;

class EditorDialog : public ::testing::Test
{
  protected:
    // change may alter the own position's stored transfers before the project is written.
    explicit EditorDialog(const std::function<void(kvdata::Position& own)>& change = {});

    void SetLanguage(const char* code) { m_sandbox.SetString(settings::kLanguage, code); }
    INT_PTR Entry() { return RunEditorEntry(&m_request); } // on the user-interface thread
    // Runs the editor entry while script drives the editor; the entry's result.
    int Run(const std::function<void(const Window& editor)>& script)
    {
        return static_cast<int>(harness::RunScripted(
            [&] { return Entry(); }, [&] { script(harness::WaitForDialog(IDC_TRANSFER_LIST)); }));
    }
    std::string TransferFile() const { return m_project.transferFile(m_own); }
    const kvdata::Position& Source(const kvdata::Transfer& transfer) const
    {
        return m_project.building().positions[static_cast<size_t>(transfer.source)];
    }
    // The source of stored transfer i gains a support, as a new calculation writes it.
    bool GiveTheSourceASupport(size_t i);

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    GeneratedProject m_project;
    const kvdata::Position& m_own;
    KVEditRequest m_request{};

  private:
    std::string m_base;
    std::vector<KVOwnLoad> m_loads;
};

CKVEditor& Running();      // the editor that runs; read it on the user-interface thread
std::string Text(UINT id); // a string of the language library the editor runs with
RECT ClientRect(const Window& dialog, int id); // a control's rectangle in dialog coordinates
void ClickToolButton(const Window& editor, int command); // a click on its toolbar button
std::string FileBytes(const std::string& path);

} // namespace editortest
