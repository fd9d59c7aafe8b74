// The 24 axis-parallel orientations of a source position in the own position's axes, and a
// free row (24) for axes that are typed in. Two tables: the same-hand one when the two
// positions' coordinate systems have the same code (a rotation), the mirrored one when the
// codes differ (a rotation with a reflection). The z axis is never stored: it is x cross y in
// the same-hand table and -(x cross y) in the mirrored one, as the row's text says.
#pragma once

constexpr int kOrientationRows = 25;
constexpr int kFreeOrientationRow = 24;

struct OrientationRow {
    double origin[3];
    double xAxis[3];
    double yAxis[3];
};

// Writable: the orientation dialog keeps the axes of the item it opens on in row 24.
extern OrientationRow s_orientationsSameHand[kOrientationRows];
extern OrientationRow s_orientationsMirrored[kOrientationRows];
extern const char* const s_orientationTextsSameHand[kOrientationRows];
extern const char* const s_orientationTextsMirrored[kOrientationRows];

OrientationRow* OrientationTable(bool sameHand);
const char* const* OrientationTexts(bool sameHand);
// The first row whose axes equal these exactly; 0 when none does.
int FindOrientationRow(const OrientationRow* table, const double xAxis[3], const double yAxis[3]);
