#include "entry/KVEditRequest.h"
#include "model/KVItem.h"
#include "model/Placement.h"
#include "model/PositionStatus.h"
#include "model/TransferFileName.h"
#include "model/TransferNumber.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

TEST(TransferRules, FileNamesNamesAndNumbers)
{
    KVEditRequest request{};
    request.directory = "C:\\proj\\p1";
    request.baseName = "POS12";
    EXPECT_STREQ(TransferFileName(request), "C:\\proj\\p1\\POS12.016");
    request.directory = "C:\\proj\\p1\\";
    EXPECT_STREQ(TransferFileName(request), "C:\\proj\\p1\\POS12.016");
    EXPECT_STREQ(PositionDataFileName(TransferFileName(request)), "C:\\proj\\p1\\POS12.017");

    const CString plus("\xDC+"), minus("\xDC-");
    EXPECT_STREQ(TransferName(-12, plus, minus), "\xDC-12");
    EXPECT_EQ(&TransferPrefix(1, plus, minus), &plus);
    EXPECT_EQ(&TransferPrefix(0, plus, minus), &minus);

    EXPECT_EQ(TransferNumberFromName("\xDC+12", 1), 12);
    EXPECT_EQ(TransferNumberFromName("\xDC-12", -1), -12);
}

static std::vector<double> Axis(const double (&v)[3])
{
    return {v[0], v[1], v[2]};
}

TEST(TransferRules, PlacementPoints)
{
    KVItem item;
    const double origin[3] = {1, 2, 3}, yAxis[3] = {0, 0, -1};
    std::copy(origin, origin + 3, item.m_dOrigin);
    std::copy(yAxis, yAxis + 3, item.m_dYAxis);
    double points[3][3];
    PlacementToPoints(item, points);
    EXPECT_EQ(Axis(points[1]), (std::vector<double>{2, 2, 3}));
    EXPECT_EQ(points[2][2], 2);
    KVItem back;
    PlacementFromPoints(back, points);
    for (auto axis : {&KVItem::m_dOrigin, &KVItem::m_dXAxis, &KVItem::m_dYAxis})
        EXPECT_EQ(Axis(back.*axis), Axis(item.*axis));
}

TEST(TransferRules, PositionStatusFromTheNameFields)
{
    const struct {
        const char* field21;
        const char* changes; // characters 70 to 74 of field76
        UINT status;
    } cases[] = {{"110", "00000", IDS_STATUS_NOT_CALCULATED},
                 {"101", "00000", IDS_STATUS_CALCULATED},
                 {"101", "00001", IDS_STATUS_MODIFIED},
                 {"110", "00012", IDS_STATUS_MODIFIED}};
    for (const auto& c : cases) {
        const std::string field76 = std::string(70, ' ') + c.changes;
        EXPECT_EQ(PositionStatusString(c.field21, field76.c_str()), c.status) << c.field21;
    }
}
