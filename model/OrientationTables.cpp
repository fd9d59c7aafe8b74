#include "model/OrientationTables.h"

#include <algorithm>

// Rows 0 to 23 in six groups of four by the x axis (+X, +Y, +Z, -X, -Y, -Z); each text names
// the row's x and y axes and the z axis that follows from them. Row 24 is the free entry.
OrientationRow s_orientationsSameHand[kOrientationRows] = {
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}},   // 0
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}},   // 1
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}},  // 2
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}},  // 3
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}},   // 4
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {1.0, 0.0, 0.0}},   // 5
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, -1.0}},  // 6
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}},  // 7
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}},   // 8
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {0.0, 1.0, 0.0}},   // 9
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {-1.0, 0.0, 0.0}},  // 10
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {0.0, -1.0, 0.0}},  // 11
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}},  // 12
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}},  // 13
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}}, // 14
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}}, // 15
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {1.0, 0.0, 0.0}},  // 16
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {0.0, 0.0, 1.0}},  // 17
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {-1.0, 0.0, 0.0}}, // 18
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {0.0, 0.0, -1.0}}, // 19
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {0.0, 1.0, 0.0}},  // 20
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {1.0, 0.0, 0.0}},  // 21
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {0.0, -1.0, 0.0}}, // 22
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {-1.0, 0.0, 0.0}}, // 23
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}},   // 24
};

OrientationRow s_orientationsMirrored[kOrientationRows] = {
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}},   // 0
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}},  // 1
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}},  // 2
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}},   // 3
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, -1.0}},  // 4
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {1.0, 0.0, 0.0}},   // 5
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}},   // 6
    {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}},  // 7
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {0.0, 1.0, 0.0}},   // 8
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}},   // 9
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {0.0, -1.0, 0.0}},  // 10
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {-1.0, 0.0, 0.0}},  // 11
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}}, // 12
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}},  // 13
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}},  // 14
    {{0.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}}, // 15
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {1.0, 0.0, 0.0}},  // 16
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {0.0, 0.0, -1.0}}, // 17
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {-1.0, 0.0, 0.0}}, // 18
    {{0.0, 0.0, 0.0}, {0.0, -1.0, 0.0}, {0.0, 0.0, 1.0}},  // 19
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {1.0, 0.0, 0.0}},  // 20
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {0.0, 1.0, 0.0}},  // 21
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {-1.0, 0.0, 0.0}}, // 22
    {{0.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, {0.0, -1.0, 0.0}}, // 23
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}},   // 24
};

const char* const s_orientationTextsSameHand[kOrientationRows] = {
    " x parallel  X ; y parallel  Y ; z parallel  Z",
    " x parallel  X ; y parallel  Z ; z parallel -Y",
    " x parallel  X ; y parallel -Y ; z parallel -Z",
    " x parallel  X ; y parallel -Z ; z parallel  Y",
    " x parallel  Y ; y parallel  Z ; z parallel  X",
    " x parallel  Y ; y parallel  X ; z parallel -Z",
    " x parallel  Y ; y parallel -Z ; z parallel -X",
    " x parallel  Y ; y parallel -X ; z parallel  Z",
    " x parallel  Z ; y parallel  X ; z parallel  Y",
    " x parallel  Z ; y parallel  Y ; z parallel -X",
    " x parallel  Z ; y parallel -X ; z parallel -Y",
    " x parallel  Z ; y parallel -Y ; z parallel  X",
    " x parallel -X ; y parallel  Z ; z parallel  Y",
    " x parallel -X ; y parallel  Y ; z parallel -Z",
    " x parallel -X ; y parallel -Z ; z parallel -Y",
    " x parallel -X ; y parallel -Y ; z parallel  Z",
    " x parallel -Y ; y parallel  X ; z parallel  Z",
    " x parallel -Y ; y parallel  Z ; z parallel -X",
    " x parallel -Y ; y parallel -X ; z parallel -Z",
    " x parallel -Y ; y parallel -Z ; z parallel  X",
    " x parallel -Z ; y parallel  Y ; z parallel  X",
    " x parallel -Z ; y parallel  X ; z parallel -Y",
    " x parallel -Z ; y parallel -Y ; z parallel -X",
    " x parallel -Z ; y parallel -X ; z parallel  Y",
    " nicht ortogonale Lage",
};

const char* const s_orientationTextsMirrored[kOrientationRows] = {
    " x parallel  X ; y parallel  Y ; z parallel -Z",
    " x parallel  X ; y parallel -Z ; z parallel -Y",
    " x parallel  X ; y parallel -Y ; z parallel  Z",
    " x parallel  X ; y parallel  Z ; z parallel  Y",
    " x parallel  Y ; y parallel -Z ; z parallel  X",
    " x parallel  Y ; y parallel  X ; z parallel  Z",
    " x parallel  Y ; y parallel  Z ; z parallel -X",
    " x parallel  Y ; y parallel -X ; z parallel -Z",
    " x parallel  Z ; y parallel  Y ; z parallel  X",
    " x parallel  Z ; y parallel  X ; z parallel -Y",
    " x parallel  Z ; y parallel -Y ; z parallel -X",
    " x parallel  Z ; y parallel -X ; z parallel  Y",
    " x parallel -X ; y parallel -Z ; z parallel  Y",
    " x parallel -X ; y parallel  Y ; z parallel  Z",
    " x parallel -X ; y parallel  Z ; z parallel -Y",
    " x parallel -X ; y parallel -Y ; z parallel -Z",
    " x parallel -Y ; y parallel  X ; z parallel -Z",
    " x parallel -Y ; y parallel -Z ; z parallel -X",
    " x parallel -Y ; y parallel -X ; z parallel  Z",
    " x parallel -Y ; y parallel  Z ; z parallel  X",
    " x parallel -Z ; y parallel  X ; z parallel  Y",
    " x parallel -Z ; y parallel  Y ; z parallel -X",
    " x parallel -Z ; y parallel -X ; z parallel -Y",
    " x parallel -Z ; y parallel -Y ; z parallel  X",
    " nicht ortogonale Lage",
};

OrientationRow* OrientationTable(bool sameHand)
{
    return sameHand ? s_orientationsSameHand : s_orientationsMirrored;
}

const char* const* OrientationTexts(bool sameHand)
{
    return sameHand ? s_orientationTextsSameHand : s_orientationTextsMirrored;
}

int FindOrientationRow(const OrientationRow* table, const double xAxis[3], const double yAxis[3])
{
    for (int row = 0; row < kOrientationRows; ++row) {
        const OrientationRow& r = table[row];
        if (std::equal(xAxis, xAxis + 3, r.xAxis) && std::equal(yAxis, yAxis + 3, r.yAxis))
            return row;
    }
    return 0;
}
