#include "model/LoadDataInterface.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(KindTextCalls, ReturnTheBufferWithTheText)
{
    char buf[16];
    EXPECT_EQ(GetForceUnitString(1, buf), buf);
    EXPECT_STREQ(buf, "kN");
    EXPECT_STREQ(GetForceUnitString(0, buf), ""); // no force kind: no unit
    for (int code = -1; code < 8; ++code) {
        EXPECT_LT(std::strlen(GetForceUnitString(code, buf)), 16u);
        EXPECT_LT(std::strlen(GetIdealizationString(code, buf)), 16u);
    }
    EXPECT_EQ(GetForceUnitString(1, nullptr), nullptr);
}
