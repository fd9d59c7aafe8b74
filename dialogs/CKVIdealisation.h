// CKVIdealisation(pItem, pParent): the idealisation dialog of the source item pItem (not
// owned). CKVIdealisation(pItem, nIDTemplate, pParent): the same on another template (the
// factor dialog's).
//
// Three cascading lists browse the supports, loads and components of a private copy of the
// item and show the selected component's value; OK writes the chosen value into every
// component of the item itself, Cancel leaves it untouched.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"

#include <memory>

class CKVIdealisation : public CDialog
{
  public:
    CKVIdealisation(KVItem* pItem, CWnd* pParent);
    CKVIdealisation(KVItem* pItem, UINT nIDTemplate, CWnd* pParent);

    // Shows the selected component's value in the value list: here its idealisation kind.
    virtual void ShowCurrentValue();

    int m_nScope = 1; // shown only; the value always goes to every component
    CComboBox m_cbSupports;
    CComboBox m_cbLoads;
    CComboBox m_cbComponents;
    CComboBox m_cbValue;
    KVItem* m_pItem;
    std::unique_ptr<KVItem> m_pCopy; // what the lists show, never written back

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelchangeSupport();
    afx_msg void OnSelchangeLoad();
    afx_msg void OnSelchangeComponent();

    // The component of the copy selected in the component list, or null.
    KVComponent* SelectedComponent() const;
    // Calls fn for every component of every load of every support of the item.
    template <class Fn> static void ForEachComponent(const KVItem& item, Fn fn)
    {
        for (INT_PTR s = 0; s < item.GetSupportCount(); ++s) {
            const KVSupport& support = *item.GetSupport(s);
            for (INT_PTR l = 0; l < support.GetLoadCount(); ++l) {
                const KVLoad& load = *support.GetLoad(l);
                for (INT_PTR c = 0; c < load.GetComponentCount(); ++c)
                    fn(*load.GetComponent(c));
            }
        }
    }

    DECLARE_MESSAGE_MAP()
};
