// The editor's reading and writing through the real load data library, on a generated
// sample project registered as the suite's current one.
#include "editor/CKVEditor.h"
#include "loaddata/TransferFile.h"
#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "tests/editor/EditorProject.h"
#include "tests/editor/TransferExpectations.h"
#include "tests/model/AllocationCounter.h"
#include "tests/model/LoadDataBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

namespace
{

class ProjectTransfers : public ::testing::Test
{
  protected:
    std::unique_ptr<CKVEditor> ReadEditor()
    {
        auto editor = std::make_unique<CKVEditor>(&m_request, nullptr);
        EXPECT_EQ(editor->ReadTransfers(), 0);
        return editor;
    }

    const kvdata::Position& Source(const kvdata::Transfer& t) const { return m_setup.Source(t); }

    EditorProject m_setup;
    GeneratedProject& m_project = m_setup.project;
    const kvdata::Position& m_target = m_setup.own;
    KVEditRequest& m_request = m_setup.request;
};

} // namespace

TEST_F(ProjectTransfers, ReadsWhatTheDesignProgramsStored)
{
    ASSERT_TRUE(m_project.written());
    auto editor = ReadEditor();
    EXPECT_EQ(editor->m_bAllValid, 1);
    ASSERT_EQ(editor->GetTransferCount(), static_cast<INT_PTR>(m_target.incoming.size()));
    for (size_t i = 0; i < m_target.incoming.size(); ++i) {
        const kvdata::Transfer& stored = m_target.incoming[i];
        const KVItem& item = *editor->GetTransfer(static_cast<INT_PTR>(i));
        EXPECT_EQ(item.m_nValid, 1);
        EXPECT_EQ(item.m_nTransferNumber, stored.number);
        EXPECT_EQ(item.projectRef, Source(stored).fem ? 1 : 0);
        EXPECT_EQ(item.GetSupportCount(), static_cast<INT_PTR>(Source(stored).supports.size()));
        EXPECT_EQ(item.GetSupport(stored.support)->m_nSelected, 1);
        const kvdata::TransferredComponent& first = stored.components.front();
        const KVLoad& load = *item.GetSupport(stored.support)->GetLoad(first.load);
        EXPECT_EQ(load.ownLoad, first.ownLoad);
        EXPECT_STREQ(load.m_strOwnLoad, m_target.loads[first.ownLoad].c_str());
        const KVComponent& component = *load.GetComponent(first.component);
        EXPECT_EQ(component.m_nSelected, 1);
        EXPECT_EQ(component.factor, stored.factor);
        EXPECT_EQ(component.idealisation, stored.idealisation);
        EXPECT_EQ(item.m_dOrigin[0], stored.placement[0][0]);
        EXPECT_EQ(item.m_dXAxis[1], stored.placement[1][1] - stored.placement[0][1]);
        EXPECT_EQ(item.m_loadAssignments.GetSize(),
                  static_cast<INT_PTR>(stored.assignments.size()));
        EXPECT_FALSE(item.m_strDirectory.IsEmpty());
        EXPECT_FALSE(item.m_strProgram.IsEmpty());
    }
}

TEST_F(ProjectTransfers, WrittenTransfersReadBackTheSame)
{
    ASSERT_TRUE(m_project.written());
    const long before = LiveAllocations();
    {
        auto original = ReadEditor();
        original->GetTransfer(0)->SetFactorAndIdealisation(0.75, 3);
        original->GetTransfer(1)->m_dOrigin[2] = 2.5;
        ASSERT_EQ(original->WriteTransfers(), 0);
        auto reread = ReadEditor();
        ASSERT_EQ(reread->GetTransferCount(), original->GetTransferCount());
        for (INT_PTR i = 0; i < original->GetTransferCount(); ++i)
            ExpectSameTransfer(*original->GetTransfer(i), *reread->GetTransfer(i));
    }
    EXPECT_EQ(LiveAllocations(), before);
}

TEST_F(ProjectTransfers, ChangedAndVanishedSources)
{
    ASSERT_TRUE(m_project.written());
    const kvdata::Transfer& changed = m_target.incoming[0];
    const kvdata::Transfer& vanished = m_target.incoming[1];
    // The first source gains a support: written through the library as a design program
    // would after a new calculation.
    std::vector<std::string> supports;
    for (const kvdata::Support& s : Source(changed).supports)
        supports.push_back(s.name);
    supports.push_back("added");
    LoadDataBuilder data(supports, Source(changed).loads);
    data.PointComponents({"Fz", "Fx"});
    ASSERT_EQ(LoadSerializeData(0, m_project.loadFile(Source(changed)).c_str(),
                                const_cast<LoadDataRecord*>(&data.Record())),
              0);
    ASSERT_TRUE(DeleteFileA(m_project.loadFile(Source(vanished)).c_str()));

    auto editor = ReadEditor();
    EXPECT_EQ(editor->m_bAllValid, 0);
    ASSERT_EQ(editor->GetTransferCount(), static_cast<INT_PTR>(m_target.incoming.size() - 1));
    EXPECT_EQ(editor->GetTransfer(0)->m_nValid, 0);
    EXPECT_EQ(editor->GetTransfer(0)->GetSupportCount(), static_cast<INT_PTR>(supports.size()));
    for (INT_PTR i = 1; i < editor->GetTransferCount(); ++i) {
        EXPECT_EQ(editor->GetTransfer(i)->m_nValid, 1);
        EXPECT_NE(editor->GetTransfer(i)->m_nTransferNumber, vanished.number);
    }
}

TEST_F(ProjectTransfers, OlderFormatVersion)
{
    ASSERT_TRUE(m_project.written());
    loaddata::TransferData data;
    const std::string file = m_project.transferFile(m_target);
    ASSERT_EQ(loaddata::readTransferFile(file, data), loaddata::FormatError::None);
    data.dataVersion = 0; // sources named relative to the project, before project groups
    ASSERT_EQ(loaddata::writeTransferFile(file, data), loaddata::FormatError::None);
    CKVEditor editor(&m_request, nullptr);
    EXPECT_EQ(editor.ReadTransfers(), 1);
    EXPECT_EQ(editor.GetTransferCount(), 0);
}

TEST_F(ProjectTransfers, UnreadableFile)
{
    ASSERT_TRUE(m_project.written());
    std::ofstream(m_project.transferFile(m_target), std::ios::binary | std::ios::trunc)
        << "not a transfer file";
    CKVEditor editor(&m_request, nullptr);
    EXPECT_EQ(editor.ReadTransfers(), 2);
    EXPECT_EQ(editor.GetTransferCount(), 0);
}

TEST_F(ProjectTransfers, TreesFromLoadFiles)
{
    ASSERT_TRUE(m_project.written());
    for (const kvdata::Position& position : m_project.building().positions) {
        LoadDataRecord record{};
        ASSERT_EQ(LoadSerializeData(1, m_project.loadFile(position).c_str(), &record), 0);
        KVItem item;
        item.BuildFromLoadData(1, record);
        LoadFreeData(&record);
        ASSERT_EQ(item.GetSupportCount(), static_cast<INT_PTR>(position.supports.size()));
        for (size_t s = 0; s < position.supports.size(); ++s) {
            const kvdata::Support& support = position.supports[s];
            const KVSupport& built = *item.GetSupport(static_cast<INT_PTR>(s));
            EXPECT_STREQ(built.m_strName, support.name.c_str());
            for (size_t l = 0; l < support.byLoad.size(); ++l) {
                const KVLoad& load = *built.GetLoad(static_cast<INT_PTR>(l));
                EXPECT_STREQ(load.m_strName, position.loads[l].c_str());
                ASSERT_EQ(load.GetComponentCount(), static_cast<INT_PTR>(support.byLoad[l].size()));
                for (size_t c = 0; c < support.byLoad[l].size(); ++c) {
                    const kvdata::Component& expected = support.byLoad[l][c];
                    const KVComponent& component = *load.GetComponent(static_cast<INT_PTR>(c));
                    EXPECT_STREQ(component.m_strName, expected.name.c_str());
                    EXPECT_EQ(component.distributed, support.distributed ? 1 : 0);
                    EXPECT_EQ(component.value, support.distributed ? 0.0 : expected.value);
                    EXPECT_EQ(component.trapezoidCount,
                              static_cast<int32_t>(expected.pieces.size()));
                    EXPECT_EQ(component.nodeCount, static_cast<int32_t>(support.nodes.size()));
                    EXPECT_EQ(component.refNodeCount,
                              static_cast<int32_t>(support.refNodes.size()));
                }
            }
        }
    }
}

TEST_F(ProjectTransfers, PositionsWithoutSupportsOrPieces)
{
    ASSERT_TRUE(m_project.written());
    const std::string path = m_project.folders().project + "empty.017";
    LoadDataBuilder none({}, {"G"});
    ASSERT_EQ(LoadSerializeData(0, path.c_str(), const_cast<LoadDataRecord*>(&none.Record())), 0);
    LoadDataRecord record{};
    ASSERT_EQ(LoadSerializeData(1, path.c_str(), &record), 0);
    KVItem item;
    item.BuildFromLoadData(1, record);
    LoadFreeData(&record);
    EXPECT_EQ(item.GetSupportCount(), 0);

    LoadDataBuilder bare({"A"}, {"G"});
    bare.Block(0, 0) = BlockSpec{{"nz"}, {1}, {0.0}, 1, 0, {}, {}, {}};
    ASSERT_EQ(LoadSerializeData(0, path.c_str(), const_cast<LoadDataRecord*>(&bare.Record())), 0);
    ASSERT_EQ(LoadSerializeData(1, path.c_str(), &record), 0);
    item.BuildFromLoadData(1, record);
    LoadFreeData(&record);
    const KVComponent& component = *item.GetSupport(0)->GetLoad(0)->GetComponent(0);
    EXPECT_EQ(component.trapezoids, nullptr);
    EXPECT_EQ(component.nodes, nullptr);
    EXPECT_EQ(component.refNodes, nullptr);
}
