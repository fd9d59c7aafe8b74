// The host's dialog that changes an own load of a position: its load cases, the own load
// per metre of the chosen one, and its static system and length for reference. OK stores
// the value in the position's design input; the position then needs recalculating.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "host/DesignInput.h"
#include "host/HostProject.h"

#include <string>
#include <vector>

namespace host
{

class COwnLoadDialog : public CDialog
{
  public:
    // The position must have a design input (readDesignInput) and load cases.
    COwnLoadDialog(HostProject& project, std::size_t index, CWnd* parent);

    // Whether the position can be given to the dialog.
    static bool CanEdit(const HostPosition& position);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnLoadCase();

    DECLARE_MESSAGE_MAP()

  private:
    HostProject& m_project;
    std::size_t m_index;
    DesignInput m_input;
    std::vector<std::string> m_loadNames;
    CComboBox m_loadCase;
    CEdit m_value;
};

} // namespace host
