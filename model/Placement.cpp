#include "model/Placement.h"

#include "model/KVItem.h"

void PlacementToPoints(const KVItem& item, double points[3][3])
{
    for (int i = 0; i < 3; ++i) {
        points[0][i] = item.m_dOrigin[i];
        points[1][i] = item.m_dOrigin[i] + item.m_dXAxis[i];
        points[2][i] = item.m_dOrigin[i] + item.m_dYAxis[i];
    }
}

void PlacementFromPoints(KVItem& item, const double points[3][3])
{
    for (int i = 0; i < 3; ++i) {
        item.m_dOrigin[i] = points[0][i];
        item.m_dXAxis[i] = points[1][i] - points[0][i];
        item.m_dYAxis[i] = points[2][i] - points[0][i];
    }
}
