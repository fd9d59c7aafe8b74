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

bool HasNoArrays(const KVComponent& c)
{
    return !c.trapezoids && !c.nodes && !c.refNodes;
}

} // namespace

TEST(ItemTree, BuildsPointReactionsSelectedInRecordOrder)
{
    LoadDataBuilder position({"A", "B"}, {"g", "q", "w"}, 7, 2);
    position.PointComponents({"Fx", "Fz", "My"});
    KVItem item;
    item.m_dOrigin[0] = 5;
    item.BuildFromLoadData(1, position.Record());

    EXPECT_EQ(item.m_nCoordinateSystem, 2);
    const double placement[9] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(item.m_dOrigin[i], placement[i]);
        EXPECT_EQ(item.m_dXAxis[i], placement[3 + i]);
        EXPECT_EQ(item.m_dYAxis[i], placement[6 + i]);
    }
    ASSERT_EQ(item.GetSupportCount(), 2);
    EXPECT_STREQ(item.GetSupport(1)->m_strName, "B");
    EXPECT_EQ(item.GetSupport(1)->m_nSelected, 1);
    ASSERT_EQ(item.GetSupport(1)->GetLoadCount(), 3);
    const KVLoad& load = *item.GetSupport(1)->GetLoad(2);
    EXPECT_STREQ(load.m_strName, "w");
    EXPECT_EQ(load.m_nSelected, 1);
    EXPECT_EQ(load.ownLoad, -1);
    ASSERT_EQ(load.GetComponentCount(), 3);
    EXPECT_STREQ(load.GetComponent(1)->m_strName, "Fz");
    EXPECT_EQ(Fields(*load.GetComponent(1)), std::make_tuple(1, 1, 121.0, 1.0, 0, 0, 7, 0));
    EXPECT_TRUE(HasNoArrays(*load.GetComponent(1)));
}

TEST(ItemTree, BuildsDistributedReactionsWithOwnCopies)
{
    LoadDataBuilder position({"A"}, {"g", "q"});
    position.DistributedComponents({"qz", "qx"}, 2, 3, 1);
    const LoadDataRecord& record = position.Record();
    KVItem item;
    item.BuildFromLoadData(1, record);

    const KVComponent& c = Component(item, 0, 1, 1);
    EXPECT_EQ(c.value, 0.0) << "a distributed block has no point values";
    EXPECT_EQ(c.distributed, 1);
    ASSERT_EQ(c.trapezoidCount, 2);
    const ReactionBlock& block = record.reactions[0][1];
    ASSERT_NE(c.trapezoids, block.trapezoids + 2);
    EXPECT_EQ(0, memcmp(c.trapezoids, block.trapezoids + 2, 2 * sizeof(TrapezoidPiece)))
        << "component 1 takes pieces 2 and 3, carried bytes included";
    ASSERT_EQ(c.nodeCount, 3);
    ASSERT_NE(c.nodes, block.nodes);
    EXPECT_EQ(c.nodes[2].y, block.nodes[2].y);
    ASSERT_EQ(c.refNodeCount, 1);
    EXPECT_EQ(c.refNodes[0].z, block.refNodes[0].z);

    LoadDataBuilder none({}, {"g"});
    item.BuildFromLoadData(1, none.Record());
    EXPECT_EQ(item.GetSupportCount(), 0);
    LoadDataBuilder bare({"A"}, {"g"});
    bare.Block(0, 0) = BlockSpec{{"F"}, {0}, {3.0}, 1, 0, {}, {}, {}};
    item.BuildFromLoadData(1, bare.Record());
    EXPECT_EQ(Component(item, 0, 0, 0).value, 0.0) << "distributed without pieces";
    EXPECT_TRUE(HasNoArrays(Component(item, 0, 0, 0)));
}

TEST(ItemTree, CopyIsDeepAndLeavesAssignmentsBehind)
{
    LoadDataBuilder position({"A", "B"}, {"g"});
    position.DistributedComponents({"qz"}, 1, 2, 2);
    auto item = std::make_unique<KVItem>();
    item->BuildFromLoadData(1, position.Record());
    item->m_nValid = 0;
    item->m_nTransferNumber = -4;
    item->projectRef = 1;
    const std::pair<CString KVItem::*, const char*> texts[] = {{&KVItem::m_strName, "N4"},
                                                               {&KVItem::m_strPosition, "Pos"},
                                                               {&KVItem::m_strProgram, "Prog"},
                                                               {&KVItem::m_strStatus, "St"},
                                                               {&KVItem::m_strDirectory, "C:\\"}};
    for (const auto& [field, text] : texts)
        (*item).*field = text;
    item->m_dYAxis[2] = 9;
    item->GetSupport(1)->GetLoad(0)->ownLoad = 3;
    item->GetSupport(1)->GetLoad(0)->m_strOwnLoad = "Own";
    Component(*item, 1, 0, 0).factor = 1.5;
    item->m_loadAssignments.Add(new KVLoadAssignment(0, "g", 1, "x"));

    const KVItem copy(*item);
    item.reset();
    EXPECT_EQ(std::make_tuple(copy.m_nValid, copy.m_nTransferNumber, copy.projectRef),
              std::make_tuple(0, -4, 1));
    for (const auto& [field, text] : texts)
        EXPECT_STREQ(copy.*field, text);
    EXPECT_EQ(copy.m_dYAxis[2], 9);
    EXPECT_EQ(copy.GetSupport(1)->GetLoad(0)->ownLoad, 3);
    EXPECT_STREQ(copy.GetSupport(1)->GetLoad(0)->m_strOwnLoad, "Own");
    const KVComponent& c = Component(copy, 1, 0, 0);
    EXPECT_EQ(c.factor, 1.5);
    EXPECT_EQ(c.nodes[1].y, 3.0); // the original's arrays are gone: these are the copy's
    EXPECT_EQ(c.trapezoids[0].carried[47], MakePiece(50).carried[47]);
    EXPECT_EQ(copy.m_loadAssignments.GetSize(), 0);
}

TEST(ItemTree, BuildUnselectedFindAndSetSelected)
{
    LoadDataBuilder position({"A", "B", "A"}, {"g", "q"}, 1, 5);
    position.PointComponents({"Fx", "Fz"});
    KVItem item;
    item.m_nCoordinateSystem = 3;
    item.m_dOrigin[1] = 2;
    item.BuildUnselected(position.Record());
    EXPECT_EQ(item.m_nCoordinateSystem, 3) << "the placement and its code stay";
    EXPECT_EQ(item.m_dOrigin[1], 2);
    EXPECT_EQ(item.GetSupport(0)->m_nSelected, 0);
    EXPECT_EQ(item.GetSupport(0)->GetLoad(0)->m_nSelected, 0);
    EXPECT_EQ(Component(item, 0, 0, 0).m_nSelected, 0);
    EXPECT_EQ(Component(item, 0, 0, 0).factor, 1.0);

    EXPECT_EQ(item.FindSupport("A"), item.GetSupport(0));
    EXPECT_EQ(item.FindSupport("a"), nullptr) << "names compare case-sensitively";
    KVSupport& b = *item.FindSupport("B");
    EXPECT_EQ(b.FindLoad("q"), b.GetLoad(1));
    EXPECT_EQ(b.FindLoad("x"), nullptr);
    EXPECT_EQ(b.GetLoad(0)->FindComponent("Fz"), b.GetLoad(0)->GetComponent(1));
    EXPECT_EQ(b.GetLoad(0)->FindComponent("FZ"), nullptr);

    b.SetSelected(1);
    EXPECT_EQ(b.GetLoad(1)->m_nSelected, 1);
    EXPECT_EQ(b.GetLoad(1)->GetComponent(1)->m_nSelected, 1);
    EXPECT_EQ(item.GetSupport(0)->m_nSelected, 0);
    b.GetLoad(1)->SetSelected(0);
    EXPECT_EQ(b.GetLoad(1)->GetComponent(0)->m_nSelected, 0);
    EXPECT_EQ(b.GetLoad(0)->GetComponent(0)->m_nSelected, 1);
}

TEST(ItemTree, RebuildKeepsChoicesByName)
{
    LoadDataBuilder before({"A", "B"}, {"g", "q"});
    before.PointComponents({"Fx", "Fz"});
    KVItem item;
    item.BuildUnselected(before.Record());
    item.m_dOrigin[0] = 4;
    KVLoad& bq = *item.GetSupport(1)->GetLoad(1);
    item.GetSupport(1)->m_nSelected = 1;
    bq.m_nSelected = 1;
    bq.ownLoad = 2;
    bq.m_strOwnLoad = "own2";
    bq.GetComponent(1)->m_nSelected = 1;
    bq.GetComponent(1)->factor = 2.5;
    bq.GetComponent(1)->idealisation = 3;

    // Support A vanishes, C appears; load q stays, w appears; Fx becomes Fy.
    LoadDataBuilder after({"C", "B"}, {"w", "q"}, 1, 4);
    after.PointComponents({"Fy", "Fz"});
    item.RebuildKeepingChoices(after.Record());

    EXPECT_EQ(item.m_nCoordinateSystem, 4);
    EXPECT_EQ(item.m_dOrigin[0], 4) << "the placement stays";
    ASSERT_EQ(item.GetSupportCount(), 2);
    EXPECT_EQ(item.GetSupport(0)->m_nSelected, 0);
    const KVSupport& b = *item.GetSupport(1);
    EXPECT_EQ(b.m_nSelected, 1);
    EXPECT_EQ(b.GetLoad(0)->m_nSelected, 0);
    EXPECT_EQ(b.GetLoad(0)->ownLoad, -1);
    const KVLoad& q = *b.GetLoad(1);
    EXPECT_EQ(q.m_nSelected, 1);
    EXPECT_EQ(q.ownLoad, 2);
    EXPECT_STREQ(q.m_strOwnLoad, "own2");
    EXPECT_EQ(q.GetComponent(0)->m_nSelected, 0);
    EXPECT_EQ(q.GetComponent(1)->m_nSelected, 1);
    // One factor and one idealisation per transfer: every component, matched or not.
    EXPECT_EQ(Component(item, 0, 0, 0).factor, 2.5);
    EXPECT_EQ(Component(item, 0, 0, 0).idealisation, 3);

    // Nothing matches any more: the defaults.
    before.PointComponents({"Fx"});
    item.RebuildKeepingChoices(before.Record());
    EXPECT_EQ(Component(item, 1, 1, 0).m_nSelected, 0);
    EXPECT_EQ(Component(item, 1, 1, 0).factor, 1.0);
    EXPECT_EQ(item.GetSupport(1)->m_nSelected, 1);
}

TEST(ItemTree, RebuildWithRepeatedSupportNamesTakesTheLastChoices)
{
    LoadDataBuilder position({"A", "A"}, {"g"});
    position.PointComponents({"F"});
    KVItem item;
    item.BuildUnselected(position.Record());
    item.GetSupport(0)->SetSelected(1);
    item.GetSupport(0)->GetLoad(0)->ownLoad = 1;
    item.GetSupport(1)->GetLoad(0)->ownLoad = 5;
    Component(item, 0, 0, 0).factor = 3;
    Component(item, 1, 0, 0).factor = 5;
    item.RebuildKeepingChoices(position.Record());
    EXPECT_EQ(Component(item, 1, 0, 0).factor, 5.0) << "the last match's factor holds for all";
    EXPECT_EQ(item.GetSupport(0)->m_nSelected, 0) << "the second old A overwrote the first";
    EXPECT_EQ(item.GetSupport(0)->GetLoad(0)->ownLoad, 5);
    EXPECT_EQ(item.GetSupport(1)->m_nSelected, 0) << "the second new A takes nothing";
    EXPECT_EQ(item.GetSupport(1)->GetLoad(0)->ownLoad, -1);
}

TEST(ItemTree, NothingLeaks)
{
    const long before = LiveAllocations();
    {
        LoadDataBuilder position({"A", "B"}, {"g", "q"});
        position.DistributedComponents({"qz", "qx"}, 2, 2, 1);
        const LoadDataRecord& record = position.Record();
        KVItem item;
        item.BuildFromLoadData(1, record);
        item.m_loadAssignments.Add(new KVLoadAssignment(0, "g", 0, "x"));
        KVItem copy(item);
        copy.RebuildKeepingChoices(record);
        copy.BuildUnselected(record);
        item.BuildFromLoadData(1, record);
        EXPECT_GT(LiveAllocations(), before) << "the counter sees the tree's allocations";
    }
    EXPECT_EQ(LiveAllocations(), before);
}
