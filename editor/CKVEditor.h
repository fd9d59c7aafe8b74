// The load transfer editor: the modal dialog that lists the transfers into the own
// position. It reads them back from the own position's transfer file at start and writes
// them on OK. Left pane: the transfer list with the origin fields of the selected
// transfer; right pane: the reaction rows it passes on; a splitter bar between them.
#pragma once

#include "dialogs/FieldColouring.h"
#include "dialogs/KVCoordinateEdit.h"
#include "entry/KVEditRequest.h"
#include "framework/CDialog.h"
#include "framework/CImageList.h"
#include "framework/CListCtrl.h"
#include "framework/CPtrArray.h"
#include "framework/CRect.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CToolBarCtrl.h"
#include "source/CKVProperty.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>

class KVComponent;
class KVItem;
struct BindRecord;

// Posted by the start to the editor when transfers read back no longer match their source.
#define WM_REPAIR_TRANSFERS (WM_USER + 1)

class CKVEditor : public CDialog
{
  public:
    CKVEditor(KVEditRequest* request, CWnd* parent);
    ~CKVEditor() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Reading back at start: 0 = done, 1 = a format version the editor does not edit,
    // 2 = the file is not readable.
    int ReadTransfers();
    void RebuildTransfers(int recordCount, const BindRecord* records);
    bool LoadSourcePosition(KVItem& item);
    bool ApplyRecord(KVItem& item, const BindRecord& record);
    KVItem* FindTransfer(int transferNumber) const;
    static void InitAssignments(KVItem& item, const KVEditRequest& request, bool keepOwnLoads);
    static void CopyAssignments(KVItem& to, const KVItem& from);

    // Writing on OK: 0 = written, 1 = the load data library refused the file, -1 = a
    // record could not be built or a source position file was not found.
    int WriteTransfers();
    static int32_t TransferNumberOf(const KVItem& item);
    static BindRecord* BuildRecord(const KVComponent& component, int32_t ownLoad,
                                   int32_t transferNumber, int32_t supportIndex, int32_t loadIndex,
                                   int32_t componentIndex, CString positionName,
                                   int32_t supportCount, int32_t componentCount, int32_t loadCount,
                                   int32_t projectRef, const double placement[3][3]);
    static void FreeRecords(CPtrArray& records);

    INT_PTR GetTransferCount() const { return m_transfers.GetSize(); }
    KVItem* GetTransfer(INT_PTR index) const { return static_cast<KVItem*>(m_transfers[index]); }

    CStatic m_splitterBar;
    CStatic m_stCount;
    CStatic m_stSelection;
    CListCtrl m_lcTransfers;   // item data = KVItem*
    CListCtrl m_lcAssignments; // display only
    CString m_strPosition;
    KVCoordinateEdit m_edX{nullptr}; // origin of the selected transfer
    KVCoordinateEdit m_edY{nullptr};
    KVCoordinateEdit m_edZ{nullptr};
    CToolBarCtrl m_toolBar;
    std::unique_ptr<TBBUTTON[]> m_pButtons;
    CPtrArray m_transfers; // owned KVItem*, in list order
    CImageList m_imageList;
    CString m_strPrefixPlus;
    CString m_strPrefixMinus;
    CString m_strCaption;
    CString m_strSelectOne;
    CString m_strNoValue;
    CKVProperty m_sheet;           // the source sheet, run for new, edited and repaired transfers
    KVEditRequest* m_pRequest;     // the host's, not owned
    CPtrArray m_storedAssignments; // owned StoredAssignment*, read at start
    int m_nMinWidth = 500;
    int m_nMinHeight = 400;
    // Layout, measured at start and kept by resizing and splitter drags: left margin, left
    // pane, gap, right pane, right margin (their sum is the outer window width); top of the
    // panes, their height, gap to the buttons, bottom margin (the sum: the outer height).
    int m_nH1 = 0, m_nH2 = 0, m_nH3 = 0, m_nH4 = 0, m_nH5 = 0;
    int m_nV1 = 0, m_nV2 = 0, m_nV3 = 0, m_nV4 = 0;
    CRect m_rcSplitter; // the bar in client coordinates
    CRect m_rcSplitterOld;
    int m_nDragState = 0; // 1 while the bar is dragged
    CString m_strCountLabel;
    KVItem* m_pSelected = nullptr; // not owned
    CString m_strSelectionLabel;
    KVFieldColouring m_colouring;
    int m_bAllValid = 1;
    // The transfer file could not be read at start: OK keeps it beside the new one.
    bool m_bUnreadableAtStart = false;

    // Transfer commands.
    CString MakeUniqueName(const CString& prefix) const;
    INT_PTR IndexOfTransfer(const KVItem* item) const;
    bool NameExists(const CString& name) const;

    // The layout and the splitter.
    void MeasureLayout();
    void RelayoutPanes(int d);
    void RepaintPanes();

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    virtual void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    virtual BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

    void OnItemchangedTransfers(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemchangedAssignments(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSize(UINT nType, int cx, int cy);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    void EndSplitterDrag();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnAbout();
    void OnNewTransfer();
    void OnDuplicateTransfer();
    void OnEditTransfer();
    void OnDeleteTransfer();
    void OnAssign();
    LRESULT OnRepairTransfers(WPARAM wParam, LPARAM lParam);
    void OnNoAction() {}

  private:
    void ReadStoredAssignments(int headerCount);
    void CreateTransfers(int recordCount, const BindRecord* records);
    void ApplyRecords(int recordCount, const BindRecord* records);
    void SpreadOwnLoads(KVItem& item);
    void RestoreAssignments(KVItem& item);
    int BuildRecords(CPtrArray& records);
    int WriteHeaders();
    static void WriteRecords(const CPtrArray& records);

    // Start.
    bool ReadAtStart();
    bool CreateToolBar();
    bool CreateColumns();
    // The lists and labels.
    void FillTransferList();
    bool AppendTransferRow(KVItem& item);
    bool InsertTransferRow(int row, KVItem& item, UINT state);
    void SetCountLabel();
    void RefreshSelection();
    void FillAssignmentList();
    void AddComponentRows(const KVComponent& component, CString texts[5]);
    void InsertAssignmentRow(CString texts[5]);
    // Commands.
    KVItem* SelectedForCommand();
    const CString& PrefixFor(const KVItem& item) const;
    void AddTransfer(KVItem* item);
    void ReplaceTransfer(INT_PTR index, KVItem* item);
    void DeleteTransfer(KVItem* item);
    // The window placement in the settings.
    void RestorePlacement();
    void SavePlacement();
    // Copies a transfer file that could not be read at start to the same name with ".bak"
    // appended, before OK writes the transfers over it.
    void KeepUnreadableFile() const;
    // The splitter bar.
    bool IsOnSplitter(CPoint point) const;
    int ClampSplitter(int x) const;
    void MoveSplitter(int d);
    CRect ChildRect(const CWnd* pWnd) const;
    CRect ChildRect(int id) const;
    void MoveEdges(int id, int left, int top, int right, int bottom);

    DECLARE_MESSAGE_MAP()
};
