#include "dialogs/CKVFactor.h"

#include "dialogs/ParseNumber.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

#include <cstdlib>

namespace
{
// "LastFactor" and the index in decimal.
CString EntryName(INT_PTR index)
{
    CString name;
    name.Format("%s%d", settings::kLastFactorPrefix, static_cast<int>(index));
    return name;
}
} // namespace

BEGIN_MESSAGE_MAP(CKVFactor, CKVIdealisation)
ON_CBN_SELCHANGE(IDC_COMPONENTS, ShowCurrentValue)
END_MESSAGE_MAP()

CKVFactor::CKVFactor(KVItem* pItem, KVSettingsKey* pSettings, CWnd* pParent)
    : CKVIdealisation(pItem, IDD_FACTOR, pParent), m_pSettings(pSettings)
{
}

BOOL CKVFactor::OnInitDialog()
{
    CKVIdealisation::OnInitDialog();
    LoadHistory();
    if (m_cbValue.GetCount() == 0) {
        m_history.AddValue(m_cbValue, 1.0);
        m_history.AddValue(m_cbValue, -1.0);
    }
    ShowCurrentValue();
    return TRUE;
}

void CKVFactor::ShowCurrentValue()
{
    if (const KVComponent* component = SelectedComponent())
        m_history.AddValue(m_cbValue, component->factor);
}

int CKVFactor::LoadHistory()
{
    DWORD count = 0;
    if (m_pSettings->QueryNumber(settings::kLastFactorCount, count) != ERROR_SUCCESS)
        count = 0;
    // Never more are written; a larger count from elsewhere must not keep the dialog
    // reading for ever.
    if (count > static_cast<DWORD>(CHistoryList::kMaxEntries))
        count = CHistoryList::kMaxEntries;
    // From the oldest entry up, so the most recent one ends on top.
    for (INT_PTR index = static_cast<INT_PTR>(count) - 1; index >= 0; --index) {
        char buffer[256] = "";
        DWORD size = sizeof buffer;
        m_pSettings->QueryString(buffer, EntryName(index), &size);
        m_history.AddValue(m_cbValue, std::atof(buffer));
    }
    return m_cbValue.GetCount();
}

int CKVFactor::SaveHistory()
{
    int written = 0;
    for (POSITION pos = m_history.GetHeadPosition(); pos; ++written)
        m_pSettings->SetString(CHistoryList::Text(m_history.GetNext(pos)), EntryName(written));
    m_pSettings->SetNumber(settings::kLastFactorCount, static_cast<DWORD>(written));
    return written;
}

bool CKVFactor::TypedFactor(double& factor) const
{
    CString text;
    GetDlgItemText(IDC_VALUE_LIST, text);
    return ParseNumber(text, factor) && factor != 0.0;
}

// Enter, wherever the focus is: a typed factor goes into the history and the dialog
// closes as usual; anything else is replaced by the top entry, with two beeps.
BOOL CKVFactor::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->wParam != VK_RETURN || ::GetKeyState(VK_RETURN) >= 0)
        return CKVIdealisation::PreTranslateMessage(pMsg);
    double factor = 0.0;
    const bool valid = TypedFactor(factor);
    if (valid)
        m_history.AddValue(m_cbValue, factor);
    m_cbValue.SetCurSel(0);
    if (valid)
        return CKVIdealisation::PreTranslateMessage(pMsg);
    ::MessageBeep(static_cast<UINT>(-1));
    ::MessageBeep(static_cast<UINT>(-1));
    return TRUE;
}

// Refused silently: an unreadable factor, or 0, which would wipe the loads out.
void CKVFactor::OnOK()
{
    double factor = 0.0;
    if (!TypedFactor(factor))
        return;
    SaveHistory();
    ForEachComponent(*m_pItem, [factor](KVComponent& component) { component.factor = factor; });
    EndDialog(IDOK);
}
