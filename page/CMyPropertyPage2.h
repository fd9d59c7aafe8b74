// The transferred-load page: for each of a host's positions the tree of positions whose
// loads are transferred into it, and a text describing the loads of the selected one.
// Hosted in a host's property sheet, or standalone as a modal dialog of its own
// (FillNamesForDialog). kesvar.dll exports the class whole.
#pragma once

#include "framework/CPropertyPage.h"
#include "framework/CRect.h"
#include "framework/CSize.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/CTreeCtrl.h"

// The module's own code (and programs that link it statically, its tests) exports the
// class; a host that uses kesvar.dll imports it.
#ifdef KESVAR_MODULE_CODE
#define KESVAR_PAGE_CLASS __declspec(dllexport)
#else
#define KESVAR_PAGE_CLASS __declspec(dllimport)
#endif

// Posted by the page to itself after an activation in which positions failed to load.
#define WM_LOADING_NOT_CORRECT (WM_USER + 1)

class KESVAR_PAGE_CLASS CMyPropertyPage2 : public CPropertyPage
{
    DECLARE_DYNCREATE(CMyPropertyPage2)

  public:
    // Hosted mode: a host puts the page into its own sheet.
    CMyPropertyPage2();
    // A nonzero flag: standalone mode, a modal dialog of its own over pParentWnd.
    CMyPropertyPage2(short bStandalone, CWnd* pParentWnd);
    ~CMyPropertyPage2() override;

    void SetPrjName(const CString& strPrjName);
    void AddPosition(const CString& strName, const CString& strFile);
    void FreePrjNameAndPositions();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    HPROPSHEETPAGE CreatePageHandle() override;

    CTreeCtrl m_tree;
    int m_bStandalone;
    int m_nItemCount;
    int m_nCurItem;
    CStringArray m_itemFiles;
    CStringArray m_itemMessages;
    CString m_strTreeText;
    CString m_strEditText;
    CStatic m_splitBar;
    CSize m_minTrackSize;
    int m_nTreeLeft;
    int m_nTreeWidth;
    int m_nColumnGap;
    int m_nTextWidth;
    int m_nRightMargin;
    int m_nTextBottom;
    int m_nButtonGap;
    int m_nBottomMargin;
    CRect m_rcSplitter;
    CRect m_rcSplitterOld;
    int m_bSplitterDrag;
    CString m_strPrjName;
    CStringArray m_positionNames;
    CStringArray m_positionFiles;
    int m_nCalcResult;
    CString m_strCalcFile;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnSetActive() override;
    virtual void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    LRESULT OnMessageLoadingNotCorrect(WPARAM wParam, LPARAM lParam);

    // The load tree below a position, and the tree as printable text.
    void MakeLoadTree(const CString& strFile, HTREEITEM hParent);
    void MakeTreeViewString(HTREEITEM hItem, UINT nDepth);
    void SetTreeViewString();
    void OnSelchangedTree2(NMHDR* pNMHDR, LRESULT* pResult);
    // The text of the loads transferred into the selected position; mode 0 for the text
    // field ("\r\n" line ends), 1 for the print file ("\n").
    void SetEditBoxString(short nMode);
    void OnKVDCalcul();
    void OnKVDPrint();

    // Layout and splitter.
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void ActivateSplitter();
    void Expand();
    void ExpandRight(CWnd* pWnd, int nDistance);
    void ExpandDown(CWnd* pWnd, int nDistance);
    void ExpandLeft(CWnd* pWnd, int nDistance);
    void MoveWnd(CWnd* pWnd, int nDistance);
    void MoveVertWnd(CWnd* pWnd, int nDistance);
    void InvalidateWnds();
    void SaveWindowPos();

  private:
    // The page's own helpers live outside the class, so that the exported class holds
    // exactly the members hosts link against.
    friend struct PageInternals;

    DECLARE_MESSAGE_MAP()
};
