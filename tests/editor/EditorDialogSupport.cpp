#include "tests/editor/EditorDialogSupport.h"

#include "model/LoadDataInterface.h"
#include "tests/model/LoadDataBuilder.h"
#include "tests/support/ProgramFolder.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace editortest
{

namespace
{
bool FedAlsoByFem(const kvdata::Building& building, const kvdata::Position& p)
{
    if (p.fem || p.incoming.size() < 2)
        return false;
    for (const kvdata::Transfer& t : p.incoming)
        if (building.positions[static_cast<size_t>(t.source)].fem)
            return true;
    return false;
}

kvdata::Building Prepared(const std::function<void(kvdata::Position& own)>& change)
{
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    for (kvdata::Position& p : building.positions)
        if (change && FedAlsoByFem(building, p)) {
            change(p);
            break;
        }
    return building;
}
} // namespace

EditorDialog::EditorDialog(const std::function<void(kvdata::Position& own)>& change)
    : m_project(Prepared(change)), m_own(m_project.position([this](const kvdata::Position& p) {
          return FedAlsoByFem(m_project.building(), p);
      }))
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    SetLanguage("DEU");
    for (const std::string& name : m_own.loads)
        m_loads.push_back({{0}, {0}, name.c_str()});
    m_base = m_own.loadFileName().substr(0, m_own.loadFileName().size() - 4);
    m_request.positionName = m_own.name.c_str();
    m_request.directory = m_project.folders().project.c_str();
    m_request.baseName = m_base.c_str();
    m_request.loadCount.value = static_cast<int32_t>(m_loads.size());
    m_request.loads = m_loads.data();
}

bool EditorDialog::GiveTheSourceASupport(size_t i)
{
    const kvdata::Position& source = Source(m_own.incoming[i]);
    std::vector<std::string> supports;
    for (const kvdata::Support& s : source.supports)
        supports.push_back(s.name);
    supports.push_back("added");
    LoadDataBuilder data(supports, source.loads);
    data.PointComponents({"Fz", "Fx"});
    const std::string file = m_project.loadFile(source);
    return LoadSerializeData(0, file.c_str(), const_cast<LoadDataRecord*>(&data.Record())) == 0;
}

CKVEditor& Running()
{
    if (!g_pRunningEditor)
        harness::Fail("no editor runs");
    return *g_pRunningEditor;
}

std::string Text(UINT id)
{
    CString text;
    harness::OnUi([&] { text.LoadString(id); });
    return text.GetString();
}

RECT ClientRect(const harness::Window& dialog, int id)
{
    RECT rect = dialog.Control(id).Rect();
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

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace editortest
