// Reading the own position's transfer file back at the editor's start and turning its
// records into transfers.
#include "editor/CKVEditor.h"

#include "editor/OwnLoadName.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "model/Placement.h"
#include "model/StoredAssignment.h"
#include "model/TransferFileName.h"
#include "model/TransferNumber.h"

#include <vector>

int CKVEditor::ReadTransfers()
{
    int recordCount = 0;
    int headerCount = 0;
    if (!LoadDataSucceeded(
            InitBindData(TransferFileName(*m_pRequest), 1, &recordCount, &headerCount)))
        return 2;
    if (recordCount == 0) {
        LoadBindFree();
        return 0;
    }
    ReadStoredAssignments(headerCount);
    if (!LoadDataSucceeded(LoadBindSerializeData(1))) {
        LoadBindFree();
        return 2;
    }
    int version1 = 0;
    int version2 = 0;
    BindGetVersions(&version1, &version2);
    if (version1 < 1 || version2 < 1) {
        LoadBindFree();
        return 1;
    }
    // A count below 0 that the library read without complaint still is no list of
    // transfers: saying "unreadable" keeps OK from writing an empty file over it.
    if (recordCount < 0) {
        LoadBindFree();
        return 2;
    }
    BindRecord* records = nullptr;
    GetTotalCopyOfBinds(&records);
    // Without a copy there is nothing to read, but the library still gets its release.
    RebuildTransfers(records != nullptr ? recordCount : 0, records);
    FreeTotalCopyOfBinds(recordCount, &records);
    LoadBindFree();
    return 0;
}

// Headers with their assignment rows; a header without rows leaves no trace, one with a
// count below 0 an empty table. Each announced row is asked for once, whatever the
// library answers: a row it cannot give is not stored.
void CKVEditor::ReadStoredAssignments(int headerCount)
{
    for (int h = 0; h < headerCount; ++h) {
        char path[264] = {};
        int number = 0;
        int count = 0;
        InitBindHeader(path, 1, &number, &count);
        if (count == 0)
            continue;
        StoredAssignment* stored = new StoredAssignment(number);
        for (int z = 0; z < count; ++z) {
            int sourceLoad = 0;
            int ownLoad = 0;
            if (!LoadDataSucceeded(InitZuordTabelle(1, &sourceLoad, &ownLoad)))
                continue;
            stored->m_dwSourceLoads.Add(static_cast<DWORD>(sourceLoad));
            stored->m_dwOwnLoads.Add(static_cast<DWORD>(ownLoad));
        }
        m_storedAssignments.Add(stored);
    }
}

void CKVEditor::RebuildTransfers(int recordCount, const BindRecord* records)
{
    CreateTransfers(recordCount, records);
    ApplyRecords(recordCount, records);
    for (INT_PTR t = 0; t < GetTransferCount(); ++t)
        SpreadOwnLoads(*GetTransfer(t));
    m_bAllValid = 1;
    for (INT_PTR t = 0; t < GetTransferCount(); ++t) {
        KVItem& item = *GetTransfer(t);
        if (!item.m_nValid)
            m_bAllValid = 0;
        else if (m_storedAssignments.IsEmpty())
            InitAssignments(item, *m_pRequest, true);
        else
            RestoreAssignments(item);
    }
}

// One transfer per run of records with the same number; a source position that cannot
// be loaded drops its transfer without a word.
void CKVEditor::CreateTransfers(int recordCount, const BindRecord* records)
{
    int32_t previous = 0;
    for (int r = 0; r < recordCount; ++r) {
        const BindRecord& record = records[r];
        if (record.transferNumber == previous)
            continue;
        previous = record.transferNumber;
        KVItem* item = new KVItem;
        item->m_nTransferNumber = record.transferNumber;
        item->projectRef = record.projectRef;
        item->m_strName = TransferName(record.transferNumber, m_strPrefixPlus, m_strPrefixMinus);
        item->m_strPosition = record.positionName;
        PlacementFromPoints(*item, record.placement);
        if (LoadSourcePosition(*item))
            m_transfers.Add(item);
        else
            delete item;
    }
}

// The last record of a transfer decides its factor and idealisation.
void CKVEditor::ApplyRecords(int recordCount, const BindRecord* records)
{
    for (int r = 0; r < recordCount; ++r) {
        const BindRecord& record = records[r];
        KVItem* item = FindTransfer(record.transferNumber);
        if (item == nullptr)
            continue;
        if (ApplyRecord(*item, record))
            item->SetFactorAndIdealisation(record.factor, record.idealisation);
        else
            item->m_nValid = 0;
    }
}

// A load without a recorded own load takes the one recorded for the same load index at
// the nearest earlier support, or own load 0. Without any own loads in the request the
// loads keep none; that cannot be repaired, so it does not make the transfer invalid.
void CKVEditor::SpreadOwnLoads(KVItem& item)
{
    std::vector<int32_t> own;
    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s) {
        const KVSupport& support = *item.GetSupport(s);
        if (own.size() < static_cast<size_t>(support.GetLoadCount()))
            own.resize(static_cast<size_t>(support.GetLoadCount()), 0);
        for (INT_PTR i = 0; i < support.GetLoadCount(); ++i)
            if (support.GetLoad(i)->ownLoad != -1)
                own[static_cast<size_t>(i)] = support.GetLoad(i)->ownLoad;
        for (INT_PTR i = 0; i < support.GetLoadCount(); ++i) {
            KVLoad& load = *support.GetLoad(i);
            const int32_t index = own[static_cast<size_t>(i)];
            if (m_pRequest->loadCount.value <= 0) {
                load.ownLoad = -1;
                load.m_strOwnLoad.Empty();
            } else if (IsOwnLoad(*m_pRequest, index)) {
                load.ownLoad = index;
                load.m_strOwnLoad = OwnLoadName(*m_pRequest, index);
            } else {
                load.ownLoad = 0;
                load.m_strOwnLoad = OwnLoadName(*m_pRequest, 0);
                item.m_nValid = 0;
            }
        }
    }
}

// The transfer's stored assignment table as its load assignment list. Source load names
// come from the first support; a row naming a load it lacks (or a source without
// supports) says "Undefined". An own load outside the request's list becomes the default.
void CKVEditor::RestoreAssignments(KVItem& item)
{
    const StoredAssignment* stored = nullptr;
    for (INT_PTR i = 0; i < m_storedAssignments.GetSize() && stored == nullptr; ++i) {
        const auto* candidate = static_cast<const StoredAssignment*>(m_storedAssignments[i]);
        if (candidate->transferNumber == item.m_nTransferNumber)
            stored = candidate;
    }
    if (stored == nullptr)
        return;
    const KVSupport* first = item.GetSupportCount() > 0 ? item.GetSupport(0) : nullptr;
    for (INT_PTR z = 0; z < stored->m_dwSourceLoads.GetSize(); ++z) {
        const DWORD sourceLoad = stored->m_dwSourceLoads[z];
        const bool known =
            first != nullptr && sourceLoad < static_cast<DWORD>(first->GetLoadCount());
        const CString sourceName =
            known ? first->GetLoad(sourceLoad)->m_strName : CString("Undefined");
        int32_t ownLoad = static_cast<int32_t>(stored->m_dwOwnLoads[z]);
        if (!IsOwnLoad(*m_pRequest, ownLoad))
            ownLoad = m_pRequest->defaultLoad.value;
        item.m_loadAssignments.Add(new KVLoadAssignment(sourceLoad, sourceName,
                                                        static_cast<DWORD>(ownLoad),
                                                        OwnLoadName(*m_pRequest, ownLoad)));
    }
}
