// The texts of the library's codes: the unit of each force kind a reaction component has,
// and the name of each idealisation a transferred reaction can be given. Each text is
// shorter than 16 bytes, the smallest buffer callers hand over.
#pragma once

namespace loaddata
{

enum ForceKind {
    ForceKindPoint = 1,      // a single force, kN
    ForceKindLine = 2,       // a force per length, kN/m
    ForceKindArea = 3,       // a force per area, kN/m²
    ForceKindMoment = 4,     // a moment, kNm
    ForceKindLineMoment = 5, // a moment per length, kNm/m
};

// Idealisation codes, in the order of the idealisation dialog's list.
enum Idealisation {
    IdealisationPoint = 0,     // as a point load
    IdealisationLine = 1,      // as a uniform line load
    IdealisationTrapezoid = 2, // as a trapezoidal line load
    IdealisationArea = 3,      // as an area load
    IdealisationCount = 4,
};

// The unit text, or an empty text for a code that is no force kind.
const char* forceUnitText(int forceKind);
// The idealisation's name, or an empty text for a code that is none.
const char* idealisationText(int code);

} // namespace loaddata
