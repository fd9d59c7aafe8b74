// CKVOrientation(ownName, ownCoordinateSystem, pItem, pParent): the orientation dialog of
// the source item pItem (not owned), placed in the own position ownName.
//
// The user picks one of the 24 axis-parallel orientations of the item's axes in the own
// position's axes, or the free row, for which the two axis vectors are typed in. OK writes
// the axes into the item; Cancel leaves it as it was.
#pragma once

#include "dialogs/FieldColouring.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class KVItem;

class CKVOrientation : public CDialog
{
  public:
    CKVOrientation(LPCSTR ownName, int ownCoordinateSystem, KVItem* pItem, CWnd* pParent);

    CComboBox m_cbOrientation;
    CString m_strOwnSystem;
    CString m_strItemSystem;
    double m_origin[3] = {0.0, 0.0, 0.0};
    double m_xAxis[3] = {1.0, 0.0, 0.0};
    double m_yAxis[3] = {0.0, 1.0, 0.0};
    KVItem* m_pItem;
    int m_bSameHand;
    KVFieldColouring m_colouring;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelchangeOrientation();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};
