// CKVZuordnung(pRequest, pItem, strOwnPosition, strTransferName, pParent): the assignment
// dialog for the transfer pItem, whose position file name is strTransferName.
//
// Lists the transfer's load assignments (source load, own load) and lets the user give
// one or more source loads a new own load, picked in the share dialog. The changes stay in
// working copies until OK, which writes them into the transfer's assignment list and into
// load j of every support; Cancel changes nothing.
#pragma once

#include "dialogs/FieldColouring.h"
#include "entry/KVEditRequest.h"
#include "framework/CDialog.h"
#include "framework/CListCtrl.h"
#include "framework/CPtrArray.h"

class KVItem;

class CKVZuordnung : public CDialog
{
  public:
    CKVZuordnung(const KVEditRequest* pRequest, KVItem* pItem, const CString& strOwnPosition,
                 const CString& strTransferName, CWnd* pParent);
    ~CKVZuordnung() override;

    CString m_strText;
    CListCtrl m_lcLoads;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnAssign();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

  private:
    BOOL InsertColumns();
    void InsertRows();

    const KVEditRequest* m_pRequest;
    KVItem* m_pItem;
    CString m_strTransferName;
    CString m_strOwnPosition;
    CString m_strCaption;
    CString m_strNoSelection;
    CPtrArray m_workCopies; // owned KVLoadAssignment*, one per assignment entry, in order
    KVFieldColouring m_brushReadOnly;
};
