// Writing the own position's transfer file on OK: every record is built first, then the
// file is opened and headers, assignment rows and records are handed over in one go.
#include "editor/CKVEditor.h"

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "model/Placement.h"
#include "model/TransferFileName.h"
#include "model/TransferNumber.h"

#include <algorithm>
#include <cstring>
#include <new>

int32_t CKVEditor::TransferNumberOf(const KVItem& item)
{
    return TransferNumberFromName(item.m_strName, item.m_nTransferNumber);
}

BindRecord* CKVEditor::BuildRecord(const KVComponent& component, int32_t ownLoad,
                                   int32_t transferNumber, int32_t supportIndex, int32_t loadIndex,
                                   int32_t componentIndex, CString positionName,
                                   int32_t supportCount, int32_t componentCount, int32_t loadCount,
                                   int32_t projectRef, const double placement[3][3])
{
    BindRecord* record = new (std::nothrow) BindRecord();
    if (record == nullptr)
        return nullptr;
    record->ownLoad = ownLoad;
    record->transferNumber = transferNumber;
    record->supportIndex = supportIndex;
    record->loadIndex = loadIndex;
    record->componentIndex = componentIndex;
    record->factor = component.factor;
    record->value = component.value;
    record->positionName = new (std::nothrow) char[positionName.GetLength() + 1];
    if (record->positionName == nullptr) {
        delete record;
        return nullptr;
    }
    std::memcpy(record->positionName, positionName.GetString(), positionName.GetLength() + 1);
    record->supportCount = supportCount;
    record->componentCount = componentCount;
    record->loadCount = loadCount;
    record->projectRef = projectRef;
    record->distributed = component.distributed;
    record->trapezoidCount = component.trapezoidCount;
    if (component.trapezoidCount > 0) {
        record->trapezoids = new (std::nothrow) TrapezoidPiece[component.trapezoidCount];
        if (record->trapezoids == nullptr) {
            delete[] record->positionName;
            delete record;
            return nullptr;
        }
        std::copy(component.trapezoids, component.trapezoids + component.trapezoidCount,
                  record->trapezoids);
    }
    record->nodeCount = component.nodeCount;
    record->nodes = component.nodes;
    record->refNodeCount = component.refNodeCount;
    record->refNodes = component.refNodes;
    std::copy(&placement[0][0], &placement[0][0] + 9, &record->placement[0][0]);
    record->idealisation = component.idealisation;
    return record;
}

void CKVEditor::FreeRecords(CPtrArray& records)
{
    for (INT_PTR i = 0; i < records.GetSize(); ++i) {
        BindRecord* record = static_cast<BindRecord*>(records[i]);
        delete[] record->positionName;
        delete[] record->trapezoids;
        delete record;
    }
    records.RemoveAll();
}

// The records of one transfer: one per selected component of a selected load of a
// selected support. False when one could not be built.
static bool AppendRecordsOf(const KVItem& item, CPtrArray& records)
{
    const int32_t number = CKVEditor::TransferNumberOf(item);
    double placement[3][3];
    PlacementToPoints(item, placement);
    const auto supportCount = static_cast<int32_t>(item.GetSupportCount());
    for (int32_t j = 0; j < supportCount; ++j) {
        const KVSupport& support = *item.GetSupport(j);
        if (!support.m_nSelected)
            continue;
        const auto loadCount = static_cast<int32_t>(support.GetLoadCount());
        for (int32_t k = 0; k < loadCount; ++k) {
            const KVLoad& load = *support.GetLoad(k);
            if (!load.m_nSelected)
                continue;
            const auto componentCount = static_cast<int32_t>(load.GetComponentCount());
            for (int32_t m = 0; m < componentCount; ++m) {
                const KVComponent& component = *load.GetComponent(m);
                if (!component.m_nSelected)
                    continue;
                BindRecord* record = CKVEditor::BuildRecord(
                    component, load.ownLoad, number, j, k, m, item.m_strPosition, supportCount,
                    componentCount, loadCount, item.projectRef, placement);
                if (record == nullptr)
                    return false;
                records.Add(record);
            }
        }
    }
    return true;
}

// Transfer by transfer in list order. 0, or -1 when a record could not be built (then
// none is left).
int CKVEditor::BuildRecords(CPtrArray& records)
{
    for (INT_PTR t = 0; t < GetTransferCount(); ++t) {
        if (!AppendRecordsOf(*GetTransfer(t), records)) {
            FreeRecords(records);
            return -1;
        }
    }
    return 0;
}

// One header per transfer with its assignment rows. 0, or -1 when a transfer's source
// position file cannot be located.
int CKVEditor::WriteHeaders()
{
    for (INT_PTR t = 0; t < GetTransferCount(); ++t) {
        const KVItem& item = *GetTransfer(t);
        int number = TransferNumberOf(item);
        char path[264] = {};
        if (Get_Position_File_New_Ex(item.projectRef, item.m_strPosition, path) <= 0)
            return -1;
        int count = static_cast<int>(item.m_loadAssignments.GetSize());
        InitBindHeader(path, 0, &number, &count);
        for (INT_PTR e = 0; e < item.m_loadAssignments.GetSize(); ++e) {
            auto* entry = static_cast<KVLoadAssignment*>(item.m_loadAssignments[e]);
            int sourceLoad = static_cast<int>(entry->sourceLoad);
            int ownLoad = static_cast<int>(entry->ownLoad);
            InitZuordTabelle(0, &sourceLoad, &ownLoad);
        }
    }
    return 0;
}

// The records with their path names, nodes, reference nodes and pieces; the library
// copies everything during the calls and reports nothing here.
void CKVEditor::WriteRecords(const CPtrArray& records)
{
    for (int b = 0; b < static_cast<int>(records.GetSize()); ++b) {
        BindRecord& record = *static_cast<BindRecord*>(records[b]);
        SetIPathName(b, record.positionName);
        SetIBindStructData(b, &record);
        for (int q = 0; q < record.nodeCount; ++q) {
            NodeCoord& node = record.nodes[q];
            BindNodeCoords(0, b, q, &node.x, &node.y, &node.z);
        }
        for (int q = 0; q < record.refNodeCount; ++q) {
            NodeCoord& node = record.refNodes[q];
            BindRefNodeCoords(0, b, q, &node.x, &node.y, &node.z);
        }
        for (int q = 0; q < record.trapezoidCount; ++q) {
            TrapezoidPiece& piece = record.trapezoids[q];
            BindTrapezoidLoad(0, b, q, &piece.kind, &piece.q1, &piece.q2, &piece.x1, &piece.x2);
        }
    }
}

int CKVEditor::WriteTransfers()
{
    CPtrArray records;
    if (BuildRecords(records) != 0)
        return -1;
    int recordCount = static_cast<int>(records.GetSize());
    int headerCount = static_cast<int>(GetTransferCount());
    int result = 1;
    if (LoadDataSucceeded(
            InitBindData(TransferFileName(*m_pRequest), 0, &recordCount, &headerCount))) {
        result = WriteHeaders();
        if (result == 0) {
            WriteRecords(records);
            result = LoadDataSucceeded(LoadBindSerializeData(0)) ? 0 : 1;
        }
        LoadBindFree();
    }
    FreeRecords(records);
    return result;
}
