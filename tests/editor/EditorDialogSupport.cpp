#include "tests/editor/EditorDialogSupport.h"

#include "entry/EditorEntry.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

namespace editortest
{

EditorDialog::EditorDialog(const std::function<void(kvdata::Position& own)>& change)
    : m_setup(change)
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    SetLanguage("DEU");
}

void EditorDialog::SetLanguage(const char* code)
{
    m_sandbox.SetString(settings::kLanguage, code);
}

INT_PTR EditorDialog::Entry()
{
    return RunEditorEntry(&m_setup.request);
}

int EditorDialog::Run(const std::function<void(const harness::Window& editor)>& script)
{
    return static_cast<int>(harness::RunScripted(
        [&] { return Entry(); }, [&] { script(harness::WaitForDialog(IDC_TRANSFER_LIST)); }));
}

CKVEditor& Running()
{
    if (!g_pRunningEditor)
        harness::Fail("no editor runs");
    return *g_pRunningEditor;
}

std::string Text(UINT id)
{
    std::string text;
    harness::OnUi([&] {
        CString loaded;
        loaded.LoadString(id);
        text = loaded.GetString();
    });
    return text;
}

int RowImage(const harness::Window& list, int row)
{
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    harness::OnUi([&] { SendMessageA(list.Handle(), LVM_GETITEMA, 0, LPARAM(&item)); });
    return item.iImage;
}

RECT ClientRect(const harness::Window& dialog, int id)
{
    RECT rect = dialog.Control(id).Rect();
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT WindowInClient(const harness::Window& dialog)
{
    RECT rect = dialog.Rect();
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ClickToolButton(const harness::Window& editor, int command)
{
    const HWND toolbar = editor.Control(IDC_TOOLBAR).Handle();
    RECT button{};
    harness::OnUi([&] {
        const LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, WPARAM(command), 0);
        SendMessageA(toolbar, TB_GETITEMRECT, WPARAM(index), LPARAM(&button));
    });
    const LPARAM at =
        MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
    harness::Sync();
}

std::string StoredPlacement()
{
    HKEY key;
    char value[1028] = "";
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) == 0) {
        DWORD size = sizeof value - 1;
        RegQueryValueExA(key, settings::kWindow, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                         &size);
        RegCloseKey(key);
    }
    return value;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace editortest
