// One reaction component of a source load: its point value or trapezoid pieces and the
// nodes they refer to. The component owns its three arrays; a null array stands for a
// count of 0.
#pragma once

#include "framework/CString.h"
#include "model/BindRecord.h"

#include <cstdint>

struct ReactionBlock;

class KVComponent
{
  public:
    KVComponent() = default;
    // Component c of a reaction block, with factor 1.0 and idealisation 0.
    KVComponent(const ReactionBlock& block, int32_t c, int32_t dataWord, int32_t selected);
    KVComponent(const KVComponent& other);
    KVComponent& operator=(const KVComponent&) = delete;
    virtual ~KVComponent();

    CString m_strName;
    int32_t m_nSelected = 0;
    int32_t m_nKind = 0; // force kind of the load data (GetForceUnitString)
    double factor = 1.0;
    int32_t idealisation = 0;
    double value = 0.0; // 0.0 when distributed
    int32_t trapezoidCount = 0;
    TrapezoidPiece* trapezoids = nullptr;
    int32_t distributed = 0;
    int32_t m_nDataWord = 0; // word 0 of the load data record it was built from
    int32_t nodeCount = 0;
    NodeCoord* nodes = nullptr;
    int32_t refNodeCount = 0;
    NodeCoord* refNodes = nullptr;
};
