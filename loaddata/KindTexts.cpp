#include "loaddata/KindTexts.h"

namespace loaddata
{

const char* forceUnitText(int forceKind)
{
    switch (forceKind) {
    case ForceKindPoint:
        return "kN";
    case ForceKindLine:
        return "kN/m";
    case ForceKindArea:
        return "kN/m\xB2";
    case ForceKindMoment:
        return "kNm";
    case ForceKindLineMoment:
        return "kNm/m";
    default:
        return "";
    }
}

const char* idealisationText(int code)
{
    switch (code) {
    case IdealisationPoint:
        return "Einzellast";
    case IdealisationLine:
        return "Streckenlast";
    case IdealisationTrapezoid:
        return "Trapezlast";
    case IdealisationArea:
        return "Fl\xE4"
               "chenlast";
    default:
        return "";
    }
}

} // namespace loaddata
