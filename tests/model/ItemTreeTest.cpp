#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "tests/model/AllocationCounter.h"
#include "tests/model/LoadDataBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace
{

KVComponent& Component(const KVItem& item, int s, int l, int c)
{
    return *item.GetSupport(s)->GetLoad(l)->GetComponent(c);
}

// What a component took from its block and what it starts with.
auto Fields(const KVComponent& c)
{
    return std::make_tuple(c.m_nSelected, c.m_nKind, c.value, c.factor, c.idealisation,
                           c.distributed, c.m_nDataWord, c.trapezoidCount);
}

// Every test ends with every allocation of the tree released.
class ItemTree : public ::testing::Test
{
  protected:
    void TearDown() override { EXPECT_EQ(LiveAllocations(), m_before); }
    const long m_before = LiveAllocations();
};

} // namespace

// Built from load data, everything is selected in record order; built unselected, nothing.
TEST_F(ItemTree, BuildsPointReactionsSelectedOrNotAndFindsThemByName)
{
    LoadDataBuilder position({"A", "B", "A"}, {"g", "q", "w"}, 7, 2);
    position.PointComponents({"Fx", "Fz", "My"});
    KVItem item;
    item.m_dOrigin[0] = 5;
    item.BuildFromLoadData(1, position.Record());
    EXPECT_EQ(item.m_nCoordinateSystem, 2);
    EXPECT_EQ(item.m_dOrigin[0], 0) << "a built item starts at the global placement";
    ASSERT_EQ(item.GetSupportCount(), 3);
    const KVLoad& load = *item.GetSupport(1)->GetLoad(2);
    EXPECT_STREQ(load.m_strName, "w");
    EXPECT_EQ(std::make_tuple(item.GetSupport(1)->m_nSelected, load.m_nSelected, load.ownLoad),
              std::make_tuple(1, 1, -1));
    ASSERT_EQ(load.GetComponentCount(), 3);
    EXPECT_EQ(Fields(*load.GetComponent(1)), std::make_tuple(1, 1, 121.0, 1.0, 0, 0, 7, 0));

    item.m_nCoordinateSystem = 3;
    item.BuildUnselected(position.Record());
    EXPECT_EQ(item.m_nCoordinateSystem, 3) << "the placement and its code stay";
    EXPECT_EQ(Fields(Component(item, 0, 0, 0)), std::make_tuple(0, 0, 0.0, 1.0, 0, 0, 7, 0));
    KVSupport& b = *item.FindSupport("B");
    EXPECT_EQ(b.GetLoad(0)->FindComponent("Fz"), b.GetLoad(0)->GetComponent(1));
    b.SetSelected(1);
    EXPECT_EQ(b.GetLoad(1)->GetComponent(1)->m_nSelected, 1);
    b.GetLoad(1)->SetSelected(0);
    EXPECT_EQ(b.GetLoad(1)->GetComponent(0)->m_nSelected, 0);
    EXPECT_EQ(b.GetLoad(0)->GetComponent(0)->m_nSelected, 1);
}

// Distributed components take their own copies of their pieces and nodes; so does a copy.
TEST_F(ItemTree, CopiesAreDeepAndLeaveAssignmentsBehind)
{
    LoadDataBuilder position({"A", "B"}, {"g"});
    position.DistributedComponents({"qz", "qx"}, 2, 2, 1);
    const LoadDataRecord& record = position.Record();
    auto item = std::make_unique<KVItem>();
    item->BuildFromLoadData(1, record);
    const KVComponent& built = Component(*item, 1, 0, 1);
    const ReactionBlock& block = record.reactions[1][0];
    ASSERT_EQ(built.trapezoidCount, 2);
    ASSERT_NE(built.trapezoids, block.trapezoids + 2);
    EXPECT_EQ(0, memcmp(built.trapezoids, block.trapezoids + 2, 2 * sizeof(TrapezoidPiece)))
        << "component 1 takes pieces 2 and 3, carried bytes included";
    ASSERT_EQ(built.refNodeCount, 1);
    ASSERT_NE(built.refNodes, block.refNodes);
    item->m_dYAxis[2] = 9;
    item->GetSupport(1)->GetLoad(0)->ownLoad = 3;
    Component(*item, 1, 0, 0).factor = 1.5;
    item->m_loadAssignments.Add(new KVLoadAssignment(0, "g", 1, "x"));

    const KVItem copy(*item);
    item.reset();
    EXPECT_EQ(copy.m_dYAxis[2], 9);
    EXPECT_EQ(copy.GetSupport(1)->GetLoad(0)->ownLoad, 3);
    const KVComponent& c = Component(copy, 1, 0, 0);
    EXPECT_EQ(c.factor, 1.5);
    EXPECT_EQ(c.nodes[1].y, 3.0); // the original's arrays are gone: these are the copy's
    EXPECT_EQ(c.refNodes[0].z, 1.0);
    EXPECT_EQ(copy.m_loadAssignments.GetSize(), 0);
}

TEST_F(ItemTree, RebuildKeepsChoicesByName)
{
    LoadDataBuilder before({"A", "B"}, {"g", "q"});
    before.PointComponents({"Fx", "Fz"});
    KVItem item;
    item.BuildUnselected(before.Record());
    item.m_dOrigin[0] = 4;
    KVLoad& bq = *item.GetSupport(1)->GetLoad(1);
    item.GetSupport(1)->m_nSelected = bq.m_nSelected = 1;
    bq.ownLoad = 2;
    bq.m_strOwnLoad = "own2";
    bq.GetComponent(1)->m_nSelected = 1;
    bq.GetComponent(1)->factor = 2.5;
    bq.GetComponent(1)->idealisation = 3;

    // Support A vanishes, C appears; load q stays, w appears; Fx becomes Fy.
    LoadDataBuilder after({"C", "B"}, {"w", "q"}, 1, 4);
    after.PointComponents({"Fy", "Fz"});
    item.RebuildKeepingChoices(after.Record());

    EXPECT_EQ(item.m_dOrigin[0], 4) << "the placement stays";
    EXPECT_EQ(item.GetSupport(0)->m_nSelected, 0);
    const KVSupport& b = *item.GetSupport(1);
    EXPECT_EQ(std::make_tuple(b.m_nSelected, b.GetLoad(0)->m_nSelected, b.GetLoad(0)->ownLoad),
              std::make_tuple(1, 0, -1));
    const KVLoad& q = *b.GetLoad(1);
    EXPECT_EQ(std::make_tuple(q.m_nSelected, q.ownLoad), std::make_tuple(1, 2));
    EXPECT_STREQ(q.m_strOwnLoad, "own2");
    EXPECT_EQ(q.GetComponent(1)->m_nSelected, 1);
    // One factor and one idealisation per transfer: every component, matched or not.
    EXPECT_EQ(
        std::make_tuple(Component(item, 0, 0, 0).factor, Component(item, 0, 0, 0).idealisation),
        std::make_tuple(2.5, 3));

    // Repeated support names: the last old one holds for all, the second new one takes none.
    LoadDataBuilder twice({"A", "A"}, {"g"});
    twice.PointComponents({"F"});
    item.BuildUnselected(twice.Record());
    item.GetSupport(0)->SetSelected(1);
    item.GetSupport(1)->GetLoad(0)->ownLoad = 5;
    Component(item, 0, 0, 0).factor = 3;
    Component(item, 1, 0, 0).factor = 5;
    item.RebuildKeepingChoices(twice.Record());
    EXPECT_EQ(Component(item, 1, 0, 0).factor, 5.0);
    EXPECT_EQ(item.GetSupport(0)->m_nSelected, 0) << "the second old A overwrote the first";
    EXPECT_EQ(item.GetSupport(0)->GetLoad(0)->ownLoad, 5);
    EXPECT_EQ(item.GetSupport(1)->GetLoad(0)->ownLoad, -1);
}
