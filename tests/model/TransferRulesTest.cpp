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

TEST(TransferRules, FileNames)
{
    KVEditRequest request{};
    request.directory = "C:\\proj\\p1";
    request.baseName = "POS12";
    EXPECT_STREQ(TransferFileName(request), "C:\\proj\\p1\\POS12.016");
    request.directory = "C:\\proj\\p1\\";
    EXPECT_STREQ(TransferFileName(request), "C:\\proj\\p1\\POS12.016");
    EXPECT_STREQ(PositionDataFileName(TransferFileName(request)), "C:\\proj\\p1\\POS12.017");
    EXPECT_STREQ(PositionDataFileName("ab"), "017");
}

TEST(TransferRules, NamesAndNumbers)
{
    const CString plus("\xDC+"), minus("\xDC-");
    EXPECT_STREQ(TransferName(7, plus, minus), "\xDC+7");
    EXPECT_STREQ(TransferName(-12, plus, minus), "\xDC-12");
    EXPECT_EQ(&TransferPrefix(1, plus, minus), &plus);
    EXPECT_EQ(&TransferPrefix(0, plus, minus), &minus);

    EXPECT_EQ(TransferNumberFromName("\xDC+12", 1), 12);
    EXPECT_EQ(TransferNumberFromName("\xDC-12", -1), -12);
    EXPECT_EQ(TransferNumberFromName("\xDC-12", 0), 0);
}

TEST(TransferRules, PlacementPoints)
{
    KVItem item;
    const double origin[3] = {1, 2, 3}, yAxis[3] = {0, 0, -1};
    std::copy(origin, origin + 3, item.m_dOrigin);
    std::copy(yAxis, yAxis + 3, item.m_dYAxis);
    double points[3][3];
    PlacementToPoints(item, points);
    EXPECT_EQ(std::vector<double>(points[1], points[1] + 3), (std::vector<double>{2, 2, 3}));
    EXPECT_EQ(points[2][2], 2);

    KVItem back;
    PlacementFromPoints(back, points);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back.m_dOrigin[i], item.m_dOrigin[i]);
        EXPECT_EQ(back.m_dXAxis[i], item.m_dXAxis[i]);
        EXPECT_EQ(back.m_dYAxis[i], item.m_dYAxis[i]);
    }
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
