// The source position page of the source selection sheet (template 129): the project
// group, the position, its supports, loads and reaction components with their check
// boxes, and the direction of the transfer. It works on the sheet's current item.
#pragma once

#include "framework/CCheckListBox.h"
#include "framework/CComboBox.h"
#include "framework/CEdit.h"
#include "framework/CPropertyPage.h"
#include "model/LoadDataRecord.h"
#include "settings/SettingsKey.h"
#include "source/PositionEntry.h"

class CKVProperty;
class KVItem;

class CKVPosition : public CPropertyPage
{
  public:
    CKVPosition();
    ~CKVPosition() override;

    CCheckListBox m_lbSupports;   // 1007: item data KVSupport*, check = selection flag
    CEdit m_edProgram;            // 1002: the chosen position's design program
    CCheckListBox m_lbComponents; // 1004: the selected load's components, KVComponent*
    CEdit m_edValue;              // 1009: the selected component's value or points
    CCheckListBox m_lbLoads;      // 1005: the selected support's loads, KVLoad*
    CComboBox m_cbPositions;      // 1000: item data PositionEntry*
    CComboBox m_cbGroups;         // 1013: current project (0), FEM project (1)
    int m_nDirection = 1;         // radio group 1006 (0, transfer number -1), 1011 (1, +1)
    int m_bEditing = 0;           // the sheet came with an existing transfer
    KVSettingsKey m_settings;     // open from construction to destruction; lent to sub-dialogs
    PositionEntries m_entries;    // the listed positions
    LoadDataRecord m_loadData{};  // the chosen position's load data, from the load data library

    // Lists the positions of the selected group and loads the one it selects.
    void FillPositionList();
    // Loads the selected position and shows its supports.
    void LoadPosition();
    void SupportSelected();
    void LoadSelected();
    void ComponentSelected();

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void OnOK() override;
    void OnDirection();
    // The sub-dialogs change the current item in place; their results are not used.
    void OnFactor();
    void OnIdealisation();
    void OnOrientation();

  private:
    CKVProperty& Sheet() const;
    KVItem& Item() const;
    void EnableSheetOK(BOOL bEnable) const;
    // Builds the current item's tree from an entry's load data; when the data cannot be
    // used, tells the user, leaves the item without supports and disables OK.
    void LoadEntry(const PositionEntry& entry);
    // The row to select in a list of count rows: the one selected before, else the stored
    // setting, kept within the list.
    int ChooseRow(int remembered, const char* setting, int count) const;
    // The same for the position list, where the edited transfer's position or the stored
    // position name stands in for the setting.
    int ChoosePosition(int remembered) const;
    // A row within count rows: the last one for a row beyond, the first one for none.
    static int ClampRow(int row, int count);
    static const PositionEntry& EntryOf(const CComboBox& list, int row);
    void WriteSettings();

    DECLARE_MESSAGE_MAP()
};
