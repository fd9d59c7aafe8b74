#include "host/COwnLoadDialog.h"

#include "dialogs/ParseNumber.h"
#include "framework/AfxMessageBox.h"
#include "framework/CDataExchange.h"
#include "host/HostResources.h"
#include "host/HostTexts.h"
#include "loaddata/PositionFile.h"

#include <cstdio>

namespace host
{

namespace
{

CString numberText(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", 15, value);
    return text;
}

std::vector<std::string> loadNamesOf(const HostPosition& position)
{
    loaddata::PositionLoadData data;
    loaddata::readPositionFile(position.loadFile, data);
    return data.loads;
}

} // namespace

BEGIN_MESSAGE_MAP(COwnLoadDialog, CDialog)
ON_CBN_SELCHANGE(IDC_LOAD_CASE, OnLoadCase)
END_MESSAGE_MAP()

bool COwnLoadDialog::CanEdit(const HostPosition& position)
{
    DesignInput input;
    return readDesignInput(position.loadFile, input) && !input.ownLoads.empty() &&
           loadNamesOf(position).size() == input.ownLoads.size();
}

COwnLoadDialog::COwnLoadDialog(HostProject& project, std::size_t index, CWnd* parent)
    : CDialog(IDD_HOST_OWN_LOAD, parent), m_project(project), m_index(index)
{
    const HostPosition& position = project.positions().at(index);
    readDesignInput(position.loadFile, m_input);
    m_loadNames = loadNamesOf(position);
}

void COwnLoadDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_LOAD_CASE, m_loadCase);
    DDX_Control(pDX, IDC_LOAD_VALUE, m_value);
}

BOOL COwnLoadDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    static const HostText systems[] = {kTextSystemSpan, kTextSystemCantilever, kTextSystemColumn};
    SetWindowText(hostText(kTextOwnLoadCaption, m_project.positions()[m_index].name.c_str()));
    SetDlgItemText(IDC_LOAD_SYSTEM,
                   hostText(kTextSystem, hostText(systems[static_cast<int>(m_input.system)]),
                            numberText(m_input.length)));
    SetDlgItemText(IDC_LOAD_CASE_LABEL, hostText(kTextLoadCase));
    SetDlgItemText(IDC_LOAD_VALUE_LABEL, hostText(kTextLoadValue));
    SetDlgItemText(IDCANCEL, hostText(kTextCancel));
    for (const std::string& name : m_loadNames)
        m_loadCase.AddString(name.c_str());
    m_loadCase.SetCurSel(0);
    OnLoadCase();
    return TRUE;
}

void COwnLoadDialog::OnLoadCase()
{
    const int row = m_loadCase.GetCurSel();
    if (row >= 0 && static_cast<std::size_t>(row) < m_input.ownLoads.size())
        m_value.SetWindowText(numberText(m_input.ownLoads[row]));
}

void COwnLoadDialog::OnOK()
{
    CString text;
    m_value.GetWindowText(text);
    double value = 0.0;
    const int row = m_loadCase.GetCurSel();
    if (!ParseNumber(text, value)) {
        AfxMessageBox(hostText(kTextNotANumber), MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_value);
        return;
    }
    m_input.ownLoads.at(static_cast<std::size_t>(row)) = value;
    if (!writeDesignInput(m_project.positions()[m_index].loadFile, m_input)) {
        EndDialog(IDCANCEL); // nothing changed
        return;
    }
    std::string ignored; // the load is stored; a plan file that cannot be written keeps its state
    m_project.markChanged(m_index, ignored);
    EndDialog(IDOK);
}

} // namespace host
