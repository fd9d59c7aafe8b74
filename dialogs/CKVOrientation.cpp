#include "dialogs/CKVOrientation.h"

#include "framework/AfxFormatString.h"
#include "framework/CDataExchange.h"
#include "model/KVItem.h"
#include "model/OrientationTables.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace
{
// Shorter axis vectors have no usable direction.
constexpr double kMinAxisLength = 0.0005;

const int kAxisFields[] = {IDC_X_AXIS_X, IDC_X_AXIS_Y, IDC_X_AXIS_Z,
                           IDC_Y_AXIS_X, IDC_Y_AXIS_Y, IDC_Y_AXIS_Z};

// "Own position %1: %2" with the name and the kind of its coordinate system.
CString SystemText(UINT id, LPCSTR name, int coordinateSystem)
{
    CString kind;
    kind.LoadString(coordinateSystem == 1 ? IDS_SYSTEM_RIGHT : IDS_SYSTEM_LEFT);
    CString text;
    AfxFormatString2(text, id, name, kind);
    return text;
}

double Length(const double v[3])
{
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}
} // namespace

BEGIN_MESSAGE_MAP(CKVOrientation, CDialog)
ON_CBN_SELCHANGE(IDC_ORIENTATION_LIST, OnSelchangeOrientation)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CKVOrientation::CKVOrientation(LPCSTR ownName, int ownCoordinateSystem, KVItem* pItem,
                               CWnd* pParent)
    : CDialog(IDD_ORIENTATION, pParent),
      m_strOwnSystem(SystemText(IDS_OWN_SYSTEM, ownName, ownCoordinateSystem)),
      m_strItemSystem(
          SystemText(IDS_ITEM_SYSTEM, pItem->m_strPosition, pItem->m_nCoordinateSystem)),
      m_pItem(pItem), m_bSameHand(ownCoordinateSystem == pItem->m_nCoordinateSystem ? 1 : 0)
{
}

void CKVOrientation::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORIENTATION_LIST, m_cbOrientation);
    DDX_Text(pDX, IDC_OWN_SYSTEM, m_strOwnSystem);
    DDX_Text(pDX, IDC_ITEM_SYSTEM, m_strItemSystem);
    const int originFields[] = {IDC_ORIENT_ORIGIN_X, IDC_ORIENT_ORIGIN_Y, IDC_ORIGIN_Z};
    for (int i = 0; i < 3; ++i) {
        DDX_Text(pDX, originFields[i], m_origin[i]);
        DDX_Text(pDX, kAxisFields[i], m_xAxis[i]);
        DDX_Text(pDX, kAxisFields[3 + i], m_yAxis[i]);
    }
}

BOOL CKVOrientation::OnInitDialog()
{
    std::copy(m_pItem->m_dOrigin, m_pItem->m_dOrigin + 3, m_origin);
    std::copy(m_pItem->m_dXAxis, m_pItem->m_dXAxis + 3, m_xAxis);
    std::copy(m_pItem->m_dYAxis, m_pItem->m_dYAxis + 3, m_yAxis);
    // The free row holds the item's own axes, so that they come back when it is chosen.
    OrientationRow* table = OrientationTable(m_bSameHand != 0);
    std::copy(m_xAxis, m_xAxis + 3, table[kFreeOrientationRow].xAxis);
    std::copy(m_yAxis, m_yAxis + 3, table[kFreeOrientationRow].yAxis);
    CDialog::OnInitDialog();

    const char* const* texts = OrientationTexts(m_bSameHand != 0);
    for (int row = 0; row < kOrientationRows; ++row)
        m_cbOrientation.AddString(texts[row]);
    m_cbOrientation.SetCurSel(FindOrientationRow(table, m_xAxis, m_yAxis));
    OnSelchangeOrientation();
    return TRUE;
}

void CKVOrientation::OnSelchangeOrientation()
{
    const int row = m_cbOrientation.GetCurSel();
    CWnd* ok = GetDlgItem(IDOK);
    if (row < 0 || row >= kOrientationRows) {
        ok->EnableWindow(FALSE);
        return;
    }
    const OrientationRow& chosen = OrientationTable(m_bSameHand != 0)[row];
    std::copy(chosen.xAxis, chosen.xAxis + 3, m_xAxis);
    std::copy(chosen.yAxis, chosen.yAxis + 3, m_yAxis);
    UpdateData(FALSE);
    for (int field : kAxisFields)
        GetDlgItem(field)->EnableWindow(row == kFreeOrientationRow);
    ok->EnableWindow(TRUE);
}

void CKVOrientation::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const UINT refusal = Length(m_xAxis) < kMinAxisLength   ? IDS_X_AXIS_ZERO
                         : Length(m_yAxis) < kMinAxisLength ? IDS_Y_AXIS_ZERO
                                                            : 0;
    if (refusal != 0) {
        CString text, caption;
        text.LoadString(refusal);
        caption.LoadString(IDS_ORIENTATION_CAPTION);
        MessageBox(text, caption, MB_OK);
        return;
    }
    // As typed: neither normalised nor made orthogonal.
    std::copy(m_xAxis, m_xAxis + 3, m_pItem->m_dXAxis);
    std::copy(m_yAxis, m_yAxis + 3, m_pItem->m_dYAxis);
    EndDialog(IDOK);
}

HBRUSH CKVOrientation::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HBRUSH brush = m_colouring.Colour(pDC, pWnd, nCtlColor))
        return brush;
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
