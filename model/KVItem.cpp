#include "model/KVItem.h"

#include "model/KVComponent.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/LoadDataRecord.h"
#include "model/OrientationTables.h"
#include "model/OwnedArray.h"

#include <algorithm>

KVItem::KVItem()
{
    DefaultPlacement(0, 0);
}

KVItem::KVItem(const KVItem& other)
    : m_nValid(other.m_nValid), m_nTransferNumber(other.m_nTransferNumber),
      projectRef(other.projectRef), m_strName(other.m_strName), m_strPosition(other.m_strPosition),
      m_strProgram(other.m_strProgram), m_strStatus(other.m_strStatus),
      m_strDirectory(other.m_strDirectory), m_nCoordinateSystem(other.m_nCoordinateSystem)
{
    std::copy(other.m_dOrigin, other.m_dOrigin + 3, m_dOrigin);
    std::copy(other.m_dXAxis, other.m_dXAxis + 3, m_dXAxis);
    std::copy(other.m_dYAxis, other.m_dYAxis + 3, m_dYAxis);
    AppendCopies<KVSupport>(m_supports, other.m_supports);
}

KVItem::~KVItem()
{
    DeleteSupports();
    DeleteLoadAssignments();
}

void KVItem::DeleteSupports()
{
    DeleteAll<KVSupport>(m_supports);
}

void KVItem::DeleteLoadAssignments()
{
    DeleteAll<KVLoadAssignment>(m_loadAssignments);
}

void KVItem::DefaultPlacement(int32_t ownCoordinateSystem, int32_t sourceCoordinateSystem)
{
    const OrientationRow& row = OrientationTable(ownCoordinateSystem == sourceCoordinateSystem)[0];
    std::copy(row.origin, row.origin + 3, m_dOrigin);
    std::copy(row.xAxis, row.xAxis + 3, m_dXAxis);
    std::copy(row.yAxis, row.yAxis + 3, m_dYAxis);
}

KVSupport* KVItem::FindSupport(LPCSTR name) const
{
    return FindByName<KVSupport>(m_supports, name);
}

void KVItem::SetFactorAndIdealisation(double factor, int32_t idealisation)
{
    for (INT_PTR s = 0; s < GetSupportCount(); ++s) {
        const KVSupport& support = *GetSupport(s);
        for (INT_PTR l = 0; l < support.GetLoadCount(); ++l) {
            const KVLoad& load = *support.GetLoad(l);
            for (INT_PTR c = 0; c < load.GetComponentCount(); ++c) {
                load.GetComponent(c)->factor = factor;
                load.GetComponent(c)->idealisation = idealisation;
            }
        }
    }
}

// Supports, loads and components in the record's order. The record is trusted: the load
// data library filled it.
void KVItem::BuildTree(const LoadDataRecord& record, int32_t selected)
{
    for (int32_t s = 0; s < record.supportCount; ++s) {
        KVSupport* support = new KVSupport(record.supportNames[s], selected);
        m_supports.Add(support);
        for (int32_t l = 0; l < record.loadCount; ++l) {
            KVLoad* load = new KVLoad(record.loadNames[l], selected);
            support->m_loads.Add(load);
            const ReactionBlock& block = record.reactions[s][l];
            for (int32_t c = 0; c < block.componentCount; ++c)
                load->m_components.Add(new KVComponent(block, c, record.dataWord, selected));
        }
    }
}

void KVItem::BuildFromLoadData(int32_t ownCoordinateSystem, const LoadDataRecord& record)
{
    DeleteSupports();
    m_nCoordinateSystem = record.coordinateSystem;
    DefaultPlacement(ownCoordinateSystem, m_nCoordinateSystem);
    BuildTree(record, 1);
}

void KVItem::BuildUnselected(const LoadDataRecord& record)
{
    DeleteSupports();
    BuildTree(record, 0);
}

void KVItem::RebuildKeepingChoices(const LoadDataRecord& record)
{
    const KVItem old(*this);
    DeleteSupports();
    m_nCoordinateSystem = record.coordinateSystem;
    BuildTree(record, 0);
    TakeChoicesFrom(old);
}

// Matches the old tree's nodes by name, level by level; the last matched component's
// factor and idealisation then hold for the whole transfer.
void KVItem::TakeChoicesFrom(const KVItem& old)
{
    const KVComponent* lastMatch = nullptr;
    for (INT_PTR s = 0; s < old.GetSupportCount(); ++s) {
        const KVSupport& oldSupport = *old.GetSupport(s);
        KVSupport* support = FindSupport(oldSupport.m_strName);
        if (support == nullptr)
            continue;
        support->m_nSelected = oldSupport.m_nSelected;
        for (INT_PTR l = 0; l < oldSupport.GetLoadCount(); ++l) {
            const KVLoad& oldLoad = *oldSupport.GetLoad(l);
            KVLoad* load = support->FindLoad(oldLoad.m_strName);
            if (load == nullptr)
                continue;
            load->m_nSelected = oldLoad.m_nSelected;
            load->ownLoad = oldLoad.ownLoad;
            load->m_strOwnLoad = oldLoad.m_strOwnLoad;
            for (INT_PTR c = 0; c < oldLoad.GetComponentCount(); ++c) {
                const KVComponent& oldComponent = *oldLoad.GetComponent(c);
                KVComponent* component = load->FindComponent(oldComponent.m_strName);
                if (component == nullptr)
                    continue;
                component->m_nSelected = oldComponent.m_nSelected;
                component->factor = oldComponent.factor;
                component->idealisation = oldComponent.idealisation;
                lastMatch = &oldComponent;
            }
        }
    }
    if (lastMatch != nullptr)
        SetFactorAndIdealisation(lastMatch->factor, lastMatch->idealisation);
}
