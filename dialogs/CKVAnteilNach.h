// CKVAnteilNach(pRequest, strOwnPosition, strTransferName, pParent): the share dialog, in
// which the user picks the own load that takes loads of the transfer strTransferName.
//
// Lists the request's own loads in table order. OK is possible only with a load selected,
// so after IDOK m_nSelected is an index into the request's own-load list and m_strSelected
// its name. A double click on a load confirms at once.
#pragma once

#include "dialogs/FieldColouring.h"
#include "entry/KVEditRequest.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"

class CKVAnteilNach : public CDialog
{
  public:
    CKVAnteilNach(const KVEditRequest* pRequest, const CString& strOwnPosition,
                  const CString& strTransferName, CWnd* pParent);

    CString m_strText;
    CListBox m_lbOwnLoads;
    int m_nSelected = -1; // the chosen own load, -1 = none
    CString m_strSelected;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnSelchangeOwnLoads();
    afx_msg void OnDblclkOwnLoads();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

  private:
    const KVEditRequest* m_pRequest;
    KVFieldColouring m_brushReadOnly;
};
