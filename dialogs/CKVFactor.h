// CKVFactor(pItem, pSettings, pParent): the factor dialog of the source item pItem, with
// its history kept in the open settings key pSettings (neither owned).
//
// The idealisation dialog's browsing lists with a factor instead of a kind: the value
// field is an editable list of recently used factors. Enter takes a typed factor into the
// history; OK applies the factor to every load component of the item and saves the history.
#pragma once

#include "dialogs/CHistoryList.h"
#include "dialogs/CKVIdealisation.h"

class KVSettingsKey;

class CKVFactor : public CKVIdealisation
{
  public:
    CKVFactor(KVItem* pItem, KVSettingsKey* pSettings, CWnd* pParent);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Brings the selected component's factor to the top of the history.
    void ShowCurrentValue() override;
    // Fills the history from the settings; the number of list rows afterwards.
    int LoadHistory();
    // Writes the history to the settings; the number of entries written.
    int SaveHistory();

    KVSettingsKey* m_pSettings;
    CHistoryList m_history;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    // The value field's text as a factor: a number other than 0.
    bool TypedFactor(double& factor) const;

    DECLARE_MESSAGE_MAP()
};
