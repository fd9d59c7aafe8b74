// The host's "Check project" window: the transfers that are not current (receiving
// position, source, transfer, largest change or what is wrong), the order in which the
// positions are to be recalculated, and cycles. "Update all" brings the positions up to
// date in that order (ProjectUpdate.h) with a progress bar; Cancel between two positions
// stops it, every file complete; the check is then run again.
#pragma once

#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "framework/CListCtrl.h"
#include "framework/CString.h"
#include "host/HostProject.h"
#include "host/LoadPathCheck.h"

#include <string>

namespace host
{

class CCheckWindow : public CDialog
{
  public:
    CCheckWindow(HostProject& project, CWnd* parent);

    const LoadPathCheck& Check() const { return m_check; }

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // While updating, Cancel stops after the position being updated.
    void OnCancel() override;

    afx_msg void OnUpdateAll();

    DECLARE_MESSAGE_MAP()

  private:
    void Refresh();
    void ShowFindings();
    void ShowOrder();
    CString NameOf(const std::string& file) const;
    CString TransferName(int number) const;
    // Handles what the user did meanwhile; true when Cancel was pressed.
    bool CancelPressed();

    HostProject& m_project;
    LoadPathCheck m_check;
    int m_checkResult = 0;
    CString m_prefixPlus;
    CString m_prefixMinus;
    CListCtrl m_findings;
    CListBox m_order;
    bool m_updating = false;
    bool m_cancelled = false;
};

} // namespace host
