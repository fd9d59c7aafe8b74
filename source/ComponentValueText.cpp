#include "source/ComponentValueText.h"

#include "model/KVComponent.h"

namespace
{
CString PointLine(double x, double q)
{
    CString line;
    line.Format("(x=%.3lf) %lf\r\n", x, q);
    return line;
}
} // namespace

CString ComponentValueText(const KVComponent& component, const CString& noValue)
{
    if (component.m_nDataWord == 0)
        return noValue;
    CString text;
    if (!component.distributed) {
        text.Format("%lf\r\n", component.value);
        return text;
    }
    CString previousEnd;
    for (int32_t i = 0; i < component.trapezoidCount; ++i) {
        const TrapezoidPiece& piece = component.trapezoids[i];
        const CString start = PointLine(piece.x1, piece.q1);
        if (start != previousEnd)
            text += start;
        previousEnd = PointLine(piece.x2, piece.q2);
        text += previousEnd;
    }
    return text;
}
