// The editor's reading and writing of transfers against the recording load data double: the
// library's call order, failures, what a transfer keeps through its file, changed sources.
#include "editor/CKVEditor.h"
#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "model/StoredAssignment.h"
#include "model/TransferNumber.h"
#include "tests/editor/double/LoadDataDouble.h"
#include "tests/model/AllocationCounter.h"
#include "tests/model/LoadDataBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>

namespace
{

const char kTransferFile[] = "C:\\own\\OWN.016";

class TransferEditor : public ::testing::Test
{
  protected:
    TransferEditor()
    {
        m_request.positionName = "Own position";
        m_request.directory = "C:\\own";
        m_request.baseName = "OWN";
        m_request.loadCount.value = 3;
        m_request.loads = m_loads;
        m_request.defaultLoad.value = 1;
        m_beam.PointComponents({"Fx", "Fz", "My"});
        m_wall.DistributedComponents({"qz", "qx"}, 2, 2, 1);
        Reset();
        m_allocations = LiveAllocations();
    }

    // Every test frees its editors, items and records, closes its files, holds no positions.
    void TearDown() override
    {
        EXPECT_EQ(LiveAllocations(), m_allocations);
        EXPECT_EQ(DoubleHeld(), 0);
    }

    void Reset() // the library without files or failures, with the three positions
    {
        CreateDirectoryA("C:\\own", nullptr);
        DeleteFileA(kTransferFile);
        DoubleReset();
        DoublePosition(0, "BEAM", &m_beam.Record());
        DoublePosition(1, "WALL", &m_wall.Record());
        DoublePosition(0, "COL", &m_column.Record());
    }

    std::unique_ptr<CKVEditor> Editor() { return std::make_unique<CKVEditor>(&m_request, nullptr); }
    std::unique_ptr<CKVEditor> Read(int result = 0) // an editor that read the file so
    {
        auto editor = Editor();
        EXPECT_EQ(editor->ReadTransfers(), result);
        return editor;
    }

    // A transfer as the source page and the new command leave it: everything of the
    // position selected, default own loads, then the given number.
    KVItem& Add(CKVEditor& editor, int projectRef, const char* position, int32_t number,
                LoadDataBuilder& data)
    {
        KVItem* item = new KVItem;
        item->projectRef = projectRef;
        item->m_strPosition = position;
        item->m_nTransferNumber = number;
        item->m_strName = TransferName(number, editor.m_strPrefixPlus, editor.m_strPrefixMinus);
        item->BuildFromLoadData(1, data.Record());
        CKVEditor::InitAssignments(*item, m_request, false);
        editor.m_transfers.Add(item);
        return *item;
    }

    // Two transfers with distinct choices: a beam in the current project and a wall of
    // the FEM project with a negative number.
    void AddTwo(CKVEditor& editor)
    {
        KVItem& beam = Add(editor, 0, "BEAM", 3, m_beam);
        beam.m_dOrigin[0] = 1.5;
        beam.m_dXAxis[0] = 0;
        beam.m_dXAxis[1] = -1;
        beam.GetSupport(0)->SetSelected(0);
        beam.GetSupport(1)->GetLoad(0)->SetSelected(0);
        beam.GetSupport(1)->GetLoad(1)->GetComponent(2)->m_nSelected = 0;
        beam.GetSupport(1)->GetLoad(1)->ownLoad = 2;
        beam.GetSupport(1)->GetLoad(1)->m_strOwnLoad = "own2";
        beam.SetFactorAndIdealisation(1.35, 2);
        KVItem& wall = Add(editor, 1, "WALL", -2, m_wall);
        wall.m_dOrigin[2] = -4;
        wall.SetFactorAndIdealisation(0.5, 1);
        auto* entry = static_cast<KVLoadAssignment*>(wall.m_loadAssignments[1]);
        entry->ownLoad = 2;
        entry->m_strOwnLoad = "own2";
    }

    KVOwnLoad m_loads[3] = {{{0}, {0}, "own0"}, {{0}, {0}, "own1"}, {{0}, {0}, "own2"}};
    KVEditRequest m_request{};
    LoadDataBuilder m_beam{{"A", "B"}, {"g", "q"}};
    LoadDataBuilder m_wall{{"W1"}, {"g", "s", "w"}, 1, 2};
    LoadDataBuilder m_column{{"C"}, {"g"}};
    long m_allocations = 0;
};

int Count(const std::string& call)
{
    const std::string log = std::string(" ") + DoubleLog();
    int count = 0;
    for (size_t at = log.find(" " + call + " "); at != std::string::npos;
         at = log.find(" " + call + " ", at + 1))
        ++count;
    return count;
}

// What a transfer read back must keep of the transfer written: number, name, project,
// position, placement, assignments, and the tree's names, selections, own loads of
// selected loads, factors, idealisations, values and piece counts.
std::string Kept(const KVItem& item)
{
    std::ostringstream out;
    out.precision(17);
    out << item.m_nTransferNumber << item.m_strName << item.projectRef << item.m_strPosition;
    for (int i = 0; i < 3; ++i)
        out << ' ' << item.m_dOrigin[i] << ' ' << item.m_dXAxis[i] << ' ' << item.m_dYAxis[i];
    for (INT_PTR e = 0; e < item.m_loadAssignments.GetSize(); ++e) {
        const auto& a = *static_cast<const KVLoadAssignment*>(item.m_loadAssignments[e]);
        out << "\n" << a.sourceLoad << a.m_strSourceLoad << a.ownLoad << a.m_strOwnLoad;
    }
    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s) {
        const KVSupport& support = *item.GetSupport(s);
        out << "\n" << support.m_strName << support.m_nSelected;
        for (INT_PTR l = 0; l < support.GetLoadCount(); ++l) {
            const KVLoad& load = *support.GetLoad(l);
            out << "\n " << load.m_nSelected;
            if (load.m_nSelected)
                out << ' ' << load.ownLoad << load.m_strOwnLoad;
            for (INT_PTR c = 0; c < load.GetComponentCount(); ++c) {
                const KVComponent& k = *load.GetComponent(c);
                out << "\n  " << k.m_nSelected << ' ' << k.factor << ' ' << k.idealisation << ' '
                    << k.value << ' ' << k.trapezoidCount;
            }
        }
    }
    return out.str();
}

// The calls logged since the last clearing; clears the log.
std::string Calls()
{
    std::string log = DoubleLog();
    DoubleClearLog();
    return log;
}

} // namespace

TEST_F(TransferEditor, WritesAndReadsInTheFixedOrder)
{
    auto editor = Editor();
    ASSERT_EQ(editor->WriteTransfers(), 0);
    ASSERT_EQ(editor->ReadTransfers(), 0);
    EXPECT_EQ(Calls(), "InitBindData(0) LoadBindSerializeData(0) LoadBindFree "
                       "InitBindData(1) LoadBindFree ");
    Add(*editor, 0, "COL", 1, m_column); // no components: a header and no records
    KVItem& wall = Add(*editor, 1, "WALL", -2, m_wall);
    wall.GetSupport(0)->SetSelected(0);
    wall.GetSupport(0)->m_nSelected = 1;
    wall.GetSupport(0)->GetLoad(2)->m_nSelected = 1;
    wall.GetSupport(0)->GetLoad(2)->GetComponent(1)->m_nSelected = 1;
    ASSERT_EQ(editor->WriteTransfers(), 0);
    EXPECT_EQ(Calls(), "InitBindData(0) Get_Position_File_New_Ex InitBindHeader(0) "
                       "InitZuordTabelle(0) Get_Position_File_New_Ex InitBindHeader(0) "
                       "InitZuordTabelle(0) InitZuordTabelle(0) InitZuordTabelle(0) SetIPathName "
                       "SetIBindStructData BindNodeCoords(0) BindNodeCoords(0) "
                       "BindRefNodeCoords(0) BindTrapezoidLoad(0) BindTrapezoidLoad(0) "
                       "LoadBindSerializeData(0) LoadBindFree ");
    auto reader = Read();
    EXPECT_EQ(Calls(), "InitBindData(1) InitBindHeader(1) InitZuordTabelle(1) InitBindHeader(1) "
                       "InitZuordTabelle(1) InitZuordTabelle(1) InitZuordTabelle(1) "
                       "LoadBindSerializeData(1) BindGetVersions GetTotalCopyOfBinds "
                       "Get_Position_File_New_Ex LoadSerializeData(1) Get_Position_Name "
                       "LoadFreeData FreeTotalCopyOfBinds LoadBindFree ")
        << "the column has no records and so no transfer";
    ASSERT_EQ(reader->GetTransferCount(), 1);
    EXPECT_EQ(reader->m_storedAssignments.GetSize(), 2);
}

TEST_F(TransferEditor, WriteFailures)
{
    auto editor = Editor();
    AddTwo(*editor);
    FailNothrowAllocation(3); // the second record's name copy
    EXPECT_EQ(editor->WriteTransfers(), -1);
    EXPECT_STREQ(DoubleLog(), "") << "nothing reaches the library";
    FailNothrowAllocation(0);

    DoublePosition(1, "WALL", nullptr);
    EXPECT_EQ(editor->WriteTransfers(), -1);
    EXPECT_EQ(Count("SetIBindStructData"), 0);
    EXPECT_EQ(Count("LoadBindFree"), 1);
    DoublePosition(1, "WALL", &m_wall.Record());
    DoubleClearLog();

    DoubleFail("LoadBindSerializeData", 1);
    EXPECT_EQ(editor->WriteTransfers(), 1);
    EXPECT_EQ(Count("LoadBindFree"), 1);
    DoubleFail("InitBindData", 5);
    DoubleClearLog();
    EXPECT_EQ(editor->WriteTransfers(), 1);
    EXPECT_STREQ(DoubleLog(), "InitBindData(0) ") << "no release of a file never opened";
}

// A file the library gives only in part leaves the editor without transfers whenever it
// could be mistaken for an empty list, which OK would write over it; each announced
// assignment row is asked for once.
TEST_F(TransferEditor, FilesTheLibraryGivesOnlyInPart)
{
    DoubleFail("InitBindData", 3);
    auto unopened = Read(2);
    EXPECT_EQ(Calls(), "InitBindData(1) ");
    // The file; the call that fails with its result; the record count the file reports (0: as
    // written); what reading gives; transfers; rows of the first stored table; row calls.
    const std::tuple<const char*, const char*, int, int, int, INT_PTR, INT_PTR, int> cases[] = {
        // clang-format off
        {"read, with a result beyond the low 16 bits", "LoadBindSerializeData", 0x10000, 0, 0, 2, 2, 5},
        {"refused after its headers", "LoadBindSerializeData", 3, 0, 2, 0, 2, 5},
        {"damaged: counts below 0", "", 0, -4, 2, 0, 0, 3},
        {"short of the rows it announced", "InitZuordTabelle", 1, 0, 0, 2, 0, 5},
    }; // clang-format on
    for (const auto& [file, failing, failure, records, read, transfers, firstRows, rowCalls] :
         cases) {
        Reset(); // a trace of gtest's would stay allocated: the case names follow the checks
        auto writer = Editor();
        AddTwo(*writer);
        ASSERT_EQ(writer->WriteTransfers(), 0);
        if (records != 0)
            DoubleReportCounts(records, -1);
        DoubleFail(failing, failure);
        DoubleClearLog();
        auto reader = Read(read);
        EXPECT_EQ(Count("InitZuordTabelle(1)"), rowCalls) << file;
        ASSERT_EQ(reader->GetTransferCount(), transfers) << file;
        ASSERT_EQ(reader->m_storedAssignments.GetSize(), 2) << "tables read so far stay";
        const auto* first = static_cast<const StoredAssignment*>(reader->m_storedAssignments[0]);
        EXPECT_EQ(first->m_dwSourceLoads.GetSize(), firstRows) << file;
        if (transfers > 0) {
            EXPECT_EQ(reader->GetTransfer(0)->m_loadAssignments.GetSize(), firstRows);
        }
    }
}

TEST_F(TransferEditor, ChangedSourcesMarkTheirTransfersInvalid)
{
    auto writer = Editor();
    AddTwo(*writer);
    Add(*writer, 0, "COL", 4, m_column);
    ASSERT_EQ(writer->WriteTransfers(), 0);
    DoublePosition(0, "COL", nullptr); // its transfer is dropped without a word
    // The beam gains a support, or a wall component is renamed (same indexes and counts: it
    // fits); what stays valid reads back as it was written, the FEM name without its padding.
    LoadDataBuilder wider({"A", "B", "C"}, {"g", "q"});
    wider.PointComponents({"Fx", "Fz", "My"});
    LoadDataBuilder renamed({"W1"}, {"g", "s", "w"}, 1, 2);
    renamed.DistributedComponents({"qz", "qy"}, 2, 2, 1);
    for (const bool wide : {true, false}) {
        DoublePosition(0, "BEAM", &(wide ? wider : m_beam).Record());
        DoublePosition(1, "WALL", &(wide ? m_wall : renamed).Record());
        auto reader = Read();
        ASSERT_EQ(reader->GetTransferCount(), 2);
        EXPECT_EQ(reader->m_bAllValid, !wide);
        const KVItem& beam = *reader->GetTransfer(0);
        EXPECT_EQ(beam.m_nValid, wide ? 0 : 1);
        EXPECT_EQ(beam.GetSupportCount(), wide ? 3 : 2);
        if (wide)
            EXPECT_EQ(beam.m_loadAssignments.GetSize(), 0) << "none until it is repaired";
        else
            EXPECT_EQ(Kept(*writer->GetTransfer(0)), Kept(beam));
        EXPECT_EQ(Kept(*writer->GetTransfer(1)), Kept(*reader->GetTransfer(1)));
    }
}
