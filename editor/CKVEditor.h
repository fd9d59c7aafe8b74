// The load transfer editor: the modal dialog that lists the transfers into the own
// position. It reads them back from the own position's transfer file at start and writes
// them on OK.
#pragma once

#include "entry/KVEditRequest.h"
#include "framework/CDialog.h"
#include "framework/CPtrArray.h"
#include "framework/CString.h"

#include <cstdint>

class KVComponent;
class KVItem;
struct BindRecord;

class CKVEditor : public CDialog
{
  public:
    CKVEditor(KVEditRequest* request, CWnd* parent);
    ~CKVEditor() override;

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

    CPtrArray m_transfers; // owned KVItem*, in list order
    CString m_strPrefixPlus;
    CString m_strPrefixMinus;
    KVEditRequest* m_pRequest;     // the host's, not owned
    CPtrArray m_storedAssignments; // owned StoredAssignment*, read at start
    int m_bAllValid = 1;

  private:
    void ReadStoredAssignments(int headerCount);
    void CreateTransfers(int recordCount, const BindRecord* records);
    void ApplyRecords(int recordCount, const BindRecord* records);
    void SpreadOwnLoads(KVItem& item);
    void RestoreAssignments(KVItem& item);
    int BuildRecords(CPtrArray& records);
    int WriteHeaders();
    static void WriteRecords(const CPtrArray& records);
};
