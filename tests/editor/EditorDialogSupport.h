// The editor run through its entry on a generated project, in the language the settings
// name, while a script drives it; and what the tests read from it. The own position is
// one that several sources feed, one of them a FEM slab.
#pragma once

#include "editor/CKVEditor.h"
#include "entry/KVEditRequest.h"
#include "settings/SettingsKey.h"
#include "tests/harness/Harness.h"
#include "tests/loaddata/project/GeneratedProject.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace editortest
{

// The language libraries the editor is checked with.
constexpr const char* kLanguages[] = {"DEU", "ENG"};

class EditorDialog : public ::testing::Test
{
  protected:
    // change may alter the own position's stored transfers before the project is written.
    explicit EditorDialog(const std::function<void(kvdata::Position& own)>& change = {});

    void SetLanguage(const char* code);
    // The editor entry for the own position (on the user-interface thread of a run).
    INT_PTR Entry();
    // Runs the editor entry while script drives the editor; the entry's result.
    int Run(const std::function<void(const harness::Window& editor)>& script);
    // The transfer file of the own position.
    std::string TransferFile() const { return m_project.transferFile(m_own); }
    const kvdata::Position& Source(const kvdata::Transfer& transfer) const
    {
        return m_project.building().positions[static_cast<size_t>(transfer.source)];
    }
    // The source of the own position's stored transfer i gains a support, written as a
    // design program writes it after a new calculation; its supports' count.
    size_t GiveTheSourceASupport(size_t i);

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    GeneratedProject m_project;
    const kvdata::Position& m_own;
    KVEditRequest m_request{};

  private:
    std::string m_base;
    std::vector<KVOwnLoad> m_loads;
};

// The editor that runs; read it on the user-interface thread (harness::OnUi).
CKVEditor& Running();
// A string of the language library the editor runs with.
std::string Text(UINT id);
// A control's window rectangle in the dialog's client coordinates.
RECT ClientRect(const harness::Window& dialog, int id);
// A mouse click on the editor's toolbar button of that command.
void ClickToolButton(const harness::Window& editor, int command);
// A file's bytes.
std::string FileBytes(const std::string& path);

} // namespace editortest
