// The editor run through its entry on a generated project, in the language the settings
// name, while a script drives it; and what the tests read from it.
#pragma once

#include "editor/CKVEditor.h"
#include "settings/SettingsKey.h"
#include "tests/editor/EditorProject.h"
#include "tests/harness/Harness.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace editortest
{

// The language libraries the editor is checked with.
constexpr const char* kLanguages[] = {"DEU", "ENG"};

class EditorDialog : public ::testing::Test
{
  protected:
    explicit EditorDialog(const std::function<void(kvdata::Position& own)>& change = {});

    void SetLanguage(const char* code);
    // The editor entry for the own position (on the user-interface thread of a run).
    INT_PTR Entry();
    // Runs the editor entry while script drives the editor; the entry's result.
    int Run(const std::function<void(const harness::Window& editor)>& script);
    // The transfer file of the own position.
    std::string TransferFile() const { return m_setup.project.transferFile(m_setup.own); }

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    EditorProject m_setup;
};

// The editor that runs; read it on the user-interface thread (harness::OnUi).
CKVEditor& Running();
// A string of the language library the editor runs with.
std::string Text(UINT id);
// The image of a list control's row.
int RowImage(const harness::Window& list, int row);
// A control's window rectangle in the dialog's client coordinates.
RECT ClientRect(const harness::Window& dialog, int id);
// The dialog's window rectangle in its own client coordinates.
RECT WindowInClient(const harness::Window& dialog);
// A mouse click on the editor's toolbar button of that command.
void ClickToolButton(const harness::Window& editor, int command);
// The stored "Window" value, empty when there is none.
std::string StoredPlacement();
// A file's bytes.
std::string FileBytes(const std::string& path);

} // namespace editortest
