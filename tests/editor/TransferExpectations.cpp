#include "tests/editor/TransferExpectations.h"

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"

#include <gtest/gtest.h>

void ExpectSameTree(const KVItem& a, const KVItem& b)
{
    ASSERT_EQ(a.GetSupportCount(), b.GetSupportCount());
    for (INT_PTR s = 0; s < a.GetSupportCount(); ++s) {
        const KVSupport& sa = *a.GetSupport(s);
        const KVSupport& sb = *b.GetSupport(s);
        EXPECT_STREQ(sa.m_strName, sb.m_strName);
        EXPECT_EQ(sa.m_nSelected, sb.m_nSelected) << sa.m_strName;
        ASSERT_EQ(sa.GetLoadCount(), sb.GetLoadCount());
        for (INT_PTR l = 0; l < sa.GetLoadCount(); ++l) {
            const KVLoad& la = *sa.GetLoad(l);
            const KVLoad& lb = *sb.GetLoad(l);
            EXPECT_EQ(la.m_nSelected, lb.m_nSelected) << sa.m_strName << " " << la.m_strName;
            if (la.m_nSelected) {
                EXPECT_EQ(la.ownLoad, lb.ownLoad);
                EXPECT_STREQ(la.m_strOwnLoad, lb.m_strOwnLoad);
            }
            ASSERT_EQ(la.GetComponentCount(), lb.GetComponentCount());
            for (INT_PTR c = 0; c < la.GetComponentCount(); ++c) {
                const KVComponent& ca = *la.GetComponent(c);
                const KVComponent& cb = *lb.GetComponent(c);
                EXPECT_EQ(ca.m_nSelected, cb.m_nSelected);
                EXPECT_EQ(ca.factor, cb.factor);
                EXPECT_EQ(ca.idealisation, cb.idealisation);
                EXPECT_EQ(ca.value, cb.value);
                EXPECT_EQ(ca.trapezoidCount, cb.trapezoidCount);
            }
        }
    }
}

void ExpectSameTransfer(const KVItem& a, const KVItem& b)
{
    EXPECT_EQ(b.m_nValid, 1);
    EXPECT_EQ(a.m_nTransferNumber, b.m_nTransferNumber);
    EXPECT_STREQ(a.m_strName, b.m_strName);
    EXPECT_EQ(a.projectRef, b.projectRef);
    EXPECT_STREQ(a.m_strPosition, b.m_strPosition);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.m_dOrigin[i], b.m_dOrigin[i]);
        EXPECT_EQ(a.m_dXAxis[i], b.m_dXAxis[i]);
        EXPECT_EQ(a.m_dYAxis[i], b.m_dYAxis[i]);
    }
    ExpectSameTree(a, b);
    ASSERT_EQ(a.m_loadAssignments.GetSize(), b.m_loadAssignments.GetSize());
    for (INT_PTR e = 0; e < a.m_loadAssignments.GetSize(); ++e) {
        const auto* ea = static_cast<const KVLoadAssignment*>(a.m_loadAssignments[e]);
        const auto* eb = static_cast<const KVLoadAssignment*>(b.m_loadAssignments[e]);
        EXPECT_EQ(ea->sourceLoad, eb->sourceLoad);
        EXPECT_STREQ(ea->m_strSourceLoad, eb->m_strSourceLoad);
        EXPECT_EQ(ea->ownLoad, eb->ownLoad);
        EXPECT_STREQ(ea->m_strOwnLoad, eb->m_strOwnLoad);
    }
}
