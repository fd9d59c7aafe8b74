// The host's main window: the open project's positions with their design program and
// state, the load transfer editor for the selected one, a recalculation, and the language
// switch. The status line says what the last command did.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CListCtrl.h"
#include "framework/CStatic.h"
#include "host/HostProject.h"
#include "host/HostTexts.h"

namespace host
{

class CHostWindow : public CDialog
{
  public:
    explicit CHostWindow(HostProject& project);

    // The row of the selected position; -1 when none is selected.
    int SelectedPosition() const;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter edits the selected position's transfers rather than closing the program.
    void OnOK() override { OnEditTransfers(); }

    afx_msg void OnEditTransfers();
    afx_msg void OnRecalculate();
    afx_msg void OnOwnLoad();
    afx_msg void OnCheckProject();
    afx_msg void OnTransferredLoads();
    afx_msg void OnLoadSheet();
    afx_msg void OnLanguage();
    afx_msg void OnPositionsDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

  private:
    void ApplyTexts();
    void FillPositions();
    void ShowPositionState(int row);
    void SetStatus(const CString& text) { m_status.SetWindowText(text); }
    // Picks up the position again and shows its recalculation on the status line.
    void Recalculate(std::size_t index);

    HostProject& m_project;
    CListCtrl m_positions;
    CComboBox m_language;
    CStatic m_status;
};

// The text of a position's state in the language in force.
CString stateText(PositionState state);

} // namespace host
