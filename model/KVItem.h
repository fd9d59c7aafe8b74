// One transfer: a source position whose support reactions pass on to the own position.
// The root of the item tree; owns its supports (and so their loads and components) and
// its load assignment list.
#pragma once

#include "framework/CPtrArray.h"
#include "framework/CString.h"

#include <cstdint>

class KVSupport;
struct LoadDataRecord;

class KVItem
{
  public:
    KVItem();
    // Deep copy of everything but the load assignment list, which starts empty.
    KVItem(const KVItem& other);
    KVItem& operator=(const KVItem&) = delete;
    virtual ~KVItem();

    // A new tree from a position's load data, everything selected, placed by default.
    void BuildFromLoadData(int32_t ownCoordinateSystem, const LoadDataRecord& record);
    // A new tree from the same position reloaded, keeping selections, own loads, factor
    // and idealisation where the names still match. The placement stays.
    void RebuildKeepingChoices(const LoadDataRecord& record);
    // A new tree with nothing selected; placement and coordinate-system code stay.
    void BuildUnselected(const LoadDataRecord& record);
    // Origin 0, x axis (1, 0, 0), y axis (0, 1, 0): row 0 of the orientation table chosen
    // by the two codes, which is the same row in both tables.
    void DefaultPlacement(int32_t ownCoordinateSystem, int32_t sourceCoordinateSystem);

    INT_PTR GetSupportCount() const { return m_supports.GetSize(); }
    KVSupport* GetSupport(INT_PTR index) const
    {
        return static_cast<KVSupport*>(m_supports[index]);
    }
    // First support of exactly that name, or null.
    KVSupport* FindSupport(LPCSTR name) const;
    // One factor and one idealisation per transfer: sets them on every component.
    void SetFactorAndIdealisation(double factor, int32_t idealisation);
    void DeleteSupports();
    void DeleteLoadAssignments();

    int32_t m_nValid = 1;          // 0: no longer matches its source position
    int32_t m_nTransferNumber = 0; // signed; its sign chooses the name prefix
    int32_t projectRef = 0;        // 0 = the current project, 1 = the FEM project
    CString m_strName;
    CString m_strPosition; // the source position's name in its plan file
    CString m_strProgram;
    CString m_strStatus;
    CString m_strDirectory;
    double m_dOrigin[3] = {};
    double m_dXAxis[3] = {};
    double m_dYAxis[3] = {};
    int32_t m_nCoordinateSystem = 0;
    CPtrArray m_supports;        // owned KVSupport*
    CPtrArray m_loadAssignments; // owned KVLoadAssignment*

  private:
    void BuildTree(const LoadDataRecord& record, int32_t selected);
    void TakeChoicesFrom(const KVItem& old);
};
