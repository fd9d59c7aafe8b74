// The source selection sheet: the modal dialog in which the user defines or edits one
// transfer on its single page, the source position page.
//
// How the editor uses it (construct once, fill the slots, run with DoModal):
//   CKVProperty()            caption empty, no parent; loads strings 1029, 1030, 1031.
//   m_pItem                  current item slot, not owned. Null: a new transfer, the page
//                            then works on m_item and leaves m_pItem pointing at it; set it
//                            to an existing transfer (or a copy) to edit or repair it. The
//                            caller sets it back to null after each run.
//   m_bRepair                1 while invalid transfers are repaired: Cancel shows 1030.
//   m_strOwnPosition         own position's name (request slot 0, trailing white space
//                            removed); m_strOwnPath the path of its ".017" file.
//   m_nOwnCoordinateSystem   request slot 9; m_nInitialGroup request slot 12 (0 current
//                            project, 1 FEM project).
//   DoModal()                IDOK: *m_pItem holds the choices (transfer number +1 or -1,
//                            projectRef, position, program, status, directory, tree).
//   m_pagePosition           the page; m_pagePosition.m_settings is its open settings key
//                            (for the factor dialog).
#pragma once

#include "framework/CPropertySheet.h"
#include "framework/CString.h"
#include "model/KVItem.h"
#include "source/CKVPosition.h"

#include <cstdint>

class CKVProperty : public CPropertySheet
{
  public:
    CKVProperty();

    BOOL OnInitDialog() override;
    // The embedded item as a new transfer starts: valid, number 1, current project, no
    // texts, default placement, coordinate-system code 1, no supports.
    void ResetItem();

    CKVPosition m_pagePosition;
    KVItem* m_pItem = nullptr;
    int32_t m_nOwnCoordinateSystem = 0;
    CString m_strCancel;       // 1029
    CString m_strHelp;         // 1031
    CString m_strRepairCancel; // 1030
    int32_t m_bRepair = 0;
    KVItem m_item;
    CString m_strOwnPosition;
    CString m_strOwnPath;
    int32_t m_nInitialGroup = 0;
};
