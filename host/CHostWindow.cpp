#include "host/CHostWindow.h"

#include "framework/CDataExchange.h"
#include "host/CCheckWindow.h"
#include "host/COwnLoadDialog.h"
#include "host/HostActions.h"
#include "host/HostResources.h"
#include "host/Installation.h"
#include "host/LoadPage.h"

namespace host
{

namespace
{
// The language switch's rows, named in their own language.
const char* const kLanguageCodes[] = {kGerman, kEnglish};
const char* const kLanguageNames[] = {"Deutsch", "English"};
} // namespace

BEGIN_MESSAGE_MAP(CHostWindow, CDialog)
ON_BN_CLICKED(IDC_EDIT_TRANSFERS, OnEditTransfers)
ON_BN_CLICKED(IDC_RECALCULATE, OnRecalculate)
ON_BN_CLICKED(IDC_OWN_LOAD, OnOwnLoad)
ON_BN_CLICKED(IDC_CHECK_PROJECT, OnCheckProject)
ON_BN_CLICKED(IDC_TRANSFERRED_LOADS, OnTransferredLoads)
ON_BN_CLICKED(IDC_LOAD_SHEET, OnLoadSheet)
ON_CBN_SELCHANGE(IDC_LANGUAGE, OnLanguage)
ON_NOTIFY(NM_DBLCLK, IDC_POSITIONS, OnPositionsDoubleClick)
END_MESSAGE_MAP()

CString stateText(PositionState state)
{
    static const HostText texts[] = {kTextCalculated, kTextNotCalculated, kTextChanged,
                                     kTextNoLoadData};
    return hostText(texts[static_cast<int>(state)]);
}

CHostWindow::CHostWindow(HostProject& project) : CDialog(IDD_HOST_MAIN), m_project(project) {}

void CHostWindow::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_POSITIONS, m_positions);
    DDX_Control(pDX, IDC_LANGUAGE, m_language);
    DDX_Control(pDX, IDC_STATUS, m_status);
}

BOOL CHostWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_positions.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_positions.InsertColumn(0, "", LVCFMT_LEFT, 80);
    m_positions.InsertColumn(1, "", LVCFMT_LEFT, 180);
    m_positions.InsertColumn(2, "", LVCFMT_LEFT, 105);
    for (const char* name : kLanguageNames)
        m_language.AddString(name);
    m_language.SetCurSel(currentLanguage() == kEnglish ? 1 : 0);
    FillPositions();
    if (m_positions.GetItemCount() > 0)
        m_positions.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ApplyTexts();
    SetStatus(hostText(kTextReady, std::to_string(m_project.positions().size()).c_str(),
                       m_project.name().c_str()));
    return TRUE;
}

void CHostWindow::ApplyTexts()
{
    SetWindowText(hostText(kTextTitle, m_project.name().c_str()));
    const struct {
        int control;
        HostText text;
    } controls[] = {{IDC_EDIT_TRANSFERS, kTextEditTransfers},
                    {IDC_RECALCULATE, kTextRecalculate},
                    {IDC_OWN_LOAD, kTextOwnLoad},
                    {IDC_CHECK_PROJECT, kTextCheckProject},
                    {IDC_TRANSFERRED_LOADS, kTextTransferredLoads},
                    {IDC_LOAD_SHEET, kTextLoadSheet},
                    {IDC_LANGUAGE_LABEL, kTextLanguage},
                    {IDCANCEL, kTextClose}};
    for (const auto& control : controls)
        SetDlgItemText(control.control, hostText(control.text));
    const HostText columns[] = {kTextColumnPosition, kTextColumnProgram, kTextColumnState};
    for (int c = 0; c < 3; ++c) {
        const CString heading = hostText(columns[c]);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(heading));
        m_positions.SendMessage(LVM_SETCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < m_positions.GetItemCount(); ++row)
        ShowPositionState(row);
}

void CHostWindow::FillPositions()
{
    m_positions.DeleteAllItems();
    const std::vector<HostPosition>& positions = m_project.positions();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int row = m_positions.InsertItem(static_cast<int>(i), positions[i].name.c_str());
        m_positions.SetItemText(row, 1, positions[i].program.c_str());
        ShowPositionState(row);
    }
}

void CHostWindow::ShowPositionState(int row)
{
    m_positions.SetItemText(row, 2, stateText(m_project.positions().at(row).state));
}

int CHostWindow::SelectedPosition() const
{
    return m_positions.GetNextItem(-1, LVNI_SELECTED);
}

void CHostWindow::OnEditTransfers()
{
    const int row = SelectedPosition();
    if (row < 0)
        return;
    const char* name = m_project.positions()[row].name.c_str();
    switch (editTransfers(m_project, static_cast<std::size_t>(row), m_hWnd)) {
    case EditOutcome::Saved:
        SetStatus(hostText(kTextSaved, name));
        break;
    case EditOutcome::Cancelled:
        SetStatus(hostText(kTextUnchanged, name));
        break;
    case EditOutcome::NoLoadData:
        SetStatus(hostText(kTextCannotEdit, name));
        break;
    }
    ShowPositionState(row);
}

void CHostWindow::OnRecalculate()
{
    const int row = SelectedPosition();
    if (row >= 0)
        Recalculate(static_cast<std::size_t>(row));
}

void CHostWindow::Recalculate(std::size_t index)
{
    const char* name = m_project.positions()[index].name.c_str();
    std::string error;
    SetStatus(recalculate(m_project, index, error)
                  ? hostText(kTextRecalculated, name)
                  : hostText(kTextRecalculationFailed, name, error.c_str()));
    ShowPositionState(static_cast<int>(index));
}

void CHostWindow::OnOwnLoad()
{
    const int row = SelectedPosition();
    if (row < 0)
        return;
    const HostPosition& position = m_project.positions()[row];
    if (!COwnLoadDialog::CanEdit(position)) {
        SetStatus(hostText(kTextNoDesignInput, position.name.c_str()));
        return;
    }
    COwnLoadDialog dialog(m_project, static_cast<std::size_t>(row), this);
    SetStatus(dialog.DoModal() == IDOK ? hostText(kTextOwnLoadSaved, position.name.c_str())
                                       : hostText(kTextOwnLoadUnchanged, position.name.c_str()));
    ShowPositionState(row);
}

void CHostWindow::OnCheckProject()
{
    CCheckWindow window(m_project, this);
    window.DoModal();
    for (int row = 0; row < m_positions.GetItemCount(); ++row)
        ShowPositionState(row);
}

void CHostWindow::OnTransferredLoads()
{
    const RecalculationRequest request = showTransferredLoads(m_project, m_hWnd);
    if (!request.requested) {
        SetStatus(hostText(kTextNoRecalculation));
    } else if (request.index < 0) {
        SetStatus(hostText(kTextNotInProject, request.file.c_str()));
    } else {
        m_positions.SetItemState(request.index, LVIS_SELECTED | LVIS_FOCUSED,
                                 LVIS_SELECTED | LVIS_FOCUSED);
        m_positions.SendMessage(LVM_ENSUREVISIBLE, request.index, FALSE);
        Recalculate(static_cast<std::size_t>(request.index));
    }
}

void CHostWindow::OnLoadSheet()
{
    showLoadSheet(m_project, this);
}

void CHostWindow::OnLanguage()
{
    const int row = m_language.GetCurSel();
    if (row < 0 || !setLanguage(kLanguageCodes[row]))
        return;
    ApplyTexts();
    SetStatus(hostText(kTextLanguageSet));
}

void CHostWindow::OnPositionsDoubleClick(NMHDR*, LRESULT* pResult)
{
    OnEditTransfers();
    *pResult = 0;
}

} // namespace host
