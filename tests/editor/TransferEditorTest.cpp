#include "editor/CKVEditor.h"
#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "model/StoredAssignment.h"
#include "model/TransferNumber.h"
#include "page/TransferReading.h"
#include "tests/editor/TransferExpectations.h"
#include "tests/editor/double/LoadDataDouble.h"
#include "tests/model/AllocationCounter.h"
#include "tests/model/LoadDataBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

const char kTransferFile[] = "C:\\own\\OWN.016";

class TransferEditor : public ::testing::Test
{
  protected:
    TransferEditor()
    {
        DoubleReset();
        m_request.positionName = "Own position";
        m_request.directory = "C:\\own";
        m_request.baseName = "OWN";
        m_request.loadCount.value = 3;
        m_request.loads = m_loads;
        m_request.defaultLoad.value = 1;
        m_beam.PointComponents({"Fx", "Fz", "My"});
        m_wall.DistributedComponents({"qz", "qx"}, 2, 2, 1);
        DoubleAddPosition(0, "BEAM", &m_beam.Record());
        DoubleAddPosition(1, "WALL", &m_wall.Record());
        DoubleAddPosition(0, "COL", &m_column.Record());
        m_allocations = LiveAllocations();
    }

    // Every test leaves the model's allocations and the library's protocol as it found
    // them: editors, items and records freed, no file open, no position data held.
    void TearDown() override
    {
        EXPECT_EQ(LiveAllocations(), m_allocations);
        EXPECT_EQ(DoubleViolations(), 0);
        EXPECT_EQ(DoubleTransferFileOpen(), 0);
        EXPECT_EQ(DoubleLoadedPositions(), 0);
    }

    std::unique_ptr<CKVEditor> Editor() { return std::make_unique<CKVEditor>(&m_request, nullptr); }

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

int CountLines(const std::string& log, const std::string& line)
{
    int count = 0;
    for (size_t at = log.find(line + "\n"); at != std::string::npos;
         at = log.find(line + "\n", at + 1))
        count += (at == 0 || log[at - 1] == '\n') ? 1 : 0;
    return count;
}

} // namespace

TEST_F(TransferEditor, WrittenTransfersReadBackTheSame)
{
    const long before = LiveAllocations();
    {
        auto writer = Editor();
        AddTwo(*writer);
        ASSERT_EQ(writer->WriteTransfers(), 0);

        auto reader = Editor();
        ASSERT_EQ(reader->ReadTransfers(), 0);
        EXPECT_EQ(reader->m_bAllValid, 1);
        ASSERT_EQ(reader->GetTransferCount(), 2);
        ExpectSameTransfer(*writer->GetTransfer(0), *reader->GetTransfer(0));
        ExpectSameTransfer(*writer->GetTransfer(1), *reader->GetTransfer(1));

        const KVItem& beam = *reader->GetTransfer(0);
        EXPECT_STREQ(beam.m_strName, "T+3");
        EXPECT_STREQ(beam.m_strDirectory, "C:\\proj0\\");
        EXPECT_STREQ(beam.m_strProgram, "Program B7");
        EXPECT_STREQ(beam.m_strStatus, "not calculated");
        const KVItem& wall = *reader->GetTransfer(1);
        EXPECT_STREQ(wall.m_strName, "T-2");
        EXPECT_STREQ(wall.m_strPosition, "WALL") << "the FEM name loses its padding";
        EXPECT_STREQ(wall.m_strProgram, "FEM");
        EXPECT_EQ(wall.m_nCoordinateSystem, 2);
    }
    EXPECT_EQ(LiveAllocations(), before);
    EXPECT_EQ(DoubleViolations(), 0);
    EXPECT_EQ(DoubleTransferFileOpen(), 0);
    EXPECT_EQ(DoubleLoadedPositions(), 0);
}

TEST_F(TransferEditor, WritesInTheFixedOrder)
{
    auto editor = Editor();
    KVItem& column = Add(*editor, 0, "COL", 1, m_column); // no components: header only
    (void)column;
    KVItem& wall = Add(*editor, 1, "WALL", -2, m_wall);
    wall.GetSupport(0)->SetSelected(0);
    wall.GetSupport(0)->m_nSelected = 1;
    wall.GetSupport(0)->GetLoad(2)->m_nSelected = 1;
    wall.GetSupport(0)->GetLoad(2)->GetComponent(1)->m_nSelected = 1;
    ASSERT_EQ(editor->WriteTransfers(), 0);
    EXPECT_STREQ(DoubleLog(), "InitBindData(0)\n"
                              "Get_Position_File_New_Ex\n"
                              "InitBindHeader(0)\n"
                              "InitZuordTabelle(0)\n"
                              "Get_Position_File_New_Ex\n"
                              "InitBindHeader(0)\n"
                              "InitZuordTabelle(0)\n"
                              "InitZuordTabelle(0)\n"
                              "InitZuordTabelle(0)\n"
                              "SetIPathName\n"
                              "SetIBindStructData\n"
                              "BindNodeCoords(0)\n"
                              "BindNodeCoords(0)\n"
                              "BindRefNodeCoords(0)\n"
                              "BindTrapezoidLoad(0)\n"
                              "BindTrapezoidLoad(0)\n"
                              "LoadBindSerializeData(0)\n"
                              "LoadBindFree\n");
}

TEST_F(TransferEditor, ReadsInTheFixedOrder)
{
    auto writer = Editor();
    Add(*writer, 0, "COL", 1, m_column);
    Add(*writer, 0, "BEAM", 2, m_beam).GetSupport(1)->SetSelected(0);
    ASSERT_EQ(writer->WriteTransfers(), 0);
    DoubleClearLog();

    auto reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    const std::string position = "Get_Position_File_New_Ex\n"
                                 "LoadSerializeData(1)\n"
                                 "Get_Position_Name\n"
                                 "Get_Program_Name\n"
                                 "LoadFreeData\n";
    EXPECT_EQ(std::string(DoubleLog()), "InitBindData(1)\n"
                                        "InitBindHeader(1)\n"
                                        "InitZuordTabelle(1)\n"
                                        "InitBindHeader(1)\n"
                                        "InitZuordTabelle(1)\n"
                                        "InitZuordTabelle(1)\n"
                                        "LoadBindSerializeData(1)\n"
                                        "BindGetVersions\n"
                                        "GetTotalCopyOfBinds\n" +
                                            position +
                                            "FreeTotalCopyOfBinds\n"
                                            "LoadBindFree\n")
        << "the column has no records and so no transfer";
    ASSERT_EQ(reader->GetTransferCount(), 1);
    EXPECT_EQ(reader->m_storedAssignments.GetSize(), 2);
}

TEST_F(TransferEditor, EmptyListsWriteAndReadNothing)
{
    auto editor = Editor();
    ASSERT_EQ(editor->WriteTransfers(), 0);
    EXPECT_STREQ(DoubleLog(), "InitBindData(0)\nLoadBindSerializeData(0)\nLoadBindFree\n");
    DoubleClearLog();
    ASSERT_EQ(editor->ReadTransfers(), 0);
    EXPECT_STREQ(DoubleLog(), "InitBindData(1)\nLoadBindFree\n");
    EXPECT_EQ(editor->GetTransferCount(), 0);
}

TEST_F(TransferEditor, WriteFailures)
{
    const long before = LiveAllocations();
    {
        auto editor = Editor();
        AddTwo(*editor);

        FailNothrowAllocation(3); // the second record's name copy
        EXPECT_EQ(editor->WriteTransfers(), -1);
        EXPECT_STREQ(DoubleLog(), "") << "nothing reaches the library";
        FailNothrowAllocation(0);

        DoubleRemovePosition(1, "WALL");
        EXPECT_EQ(editor->WriteTransfers(), -1);
        EXPECT_EQ(CountLines(DoubleLog(), "SetIBindStructData"), 0);
        EXPECT_EQ(CountLines(DoubleLog(), "LoadBindFree"), 1);
        DoubleAddPosition(1, "WALL", &m_wall.Record());
        DoubleClearLog();

        DoubleFail("LoadBindSerializeData", 1);
        EXPECT_EQ(editor->WriteTransfers(), 1);
        EXPECT_EQ(CountLines(DoubleLog(), "LoadBindFree"), 1);
        DoubleClearLog();

        DoubleFail("InitBindData", 5);
        DoubleClearLog();
        EXPECT_EQ(editor->WriteTransfers(), 1);
        EXPECT_STREQ(DoubleLog(), "InitBindData(0)\n") << "no release of a file never opened";
    }
    EXPECT_EQ(LiveAllocations(), before);
    EXPECT_EQ(DoubleViolations(), 0);
    EXPECT_EQ(DoubleTransferFileOpen(), 0);
}

TEST_F(TransferEditor, RecordsCarryWhatTheComponentsHold)
{
    auto editor = Editor();
    KVItem& item = Add(*editor, 0, "BEAM", 12, m_beam);
    item.m_nTransferNumber = -1; // the stored number's sign, the name's digits
    item.m_dOrigin[0] = 1;
    item.m_dOrigin[1] = 2;
    item.m_dOrigin[2] = 3;
    EXPECT_EQ(CKVEditor::TransferNumberOf(item), -12);
    item.m_nTransferNumber = 0;
    EXPECT_EQ(CKVEditor::TransferNumberOf(item), 0);

    const KVComponent& component = *item.GetSupport(1)->GetLoad(0)->GetComponent(2);
    double placement[3][3] = {{1, 2, 3}, {2, 2, 3}, {1, 3, 3}};
    BindRecord* record =
        CKVEditor::BuildRecord(component, 2, -12, 1, 0, 2, "BEAM", 2, 3, 2, 0, placement);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ownLoad, 2);
    EXPECT_EQ(record->transferNumber, -12);
    EXPECT_EQ(record->componentIndex, 2);
    EXPECT_EQ(record->value, 102.0);
    EXPECT_STREQ(record->positionName, "BEAM");
    EXPECT_EQ(record->trapezoids, nullptr);
    EXPECT_EQ(record->placement[1][0], 2);
    EXPECT_EQ(record->reserved1 | record->reserved2 | record->reserved3, 0);
    CPtrArray records;
    records.Add(record);
    CKVEditor::FreeRecords(records);
    EXPECT_EQ(records.GetSize(), 0);
}

TEST_F(TransferEditor, ReadFailures)
{
    auto editor = Editor();
    EXPECT_EQ(editor->ReadTransfers(), 2) << "no transfer file";
    EXPECT_STREQ(DoubleLog(), "InitBindData(1)\n");

    auto writer = Editor();
    AddTwo(*writer);
    ASSERT_EQ(writer->WriteTransfers(), 0);

    DoubleSetVersions(kTransferFile, 1, 0);
    DoubleClearLog();
    EXPECT_EQ(Editor()->ReadTransfers(), 1);
    EXPECT_EQ(CountLines(DoubleLog(), "LoadBindFree"), 1);
    EXPECT_EQ(CountLines(DoubleLog(), "GetTotalCopyOfBinds"), 0);
    DoubleSetVersions(kTransferFile, 1, 1);

    DoubleFail("LoadBindSerializeData", 0x10000); // only the low 16 bits count
    EXPECT_EQ(Editor()->ReadTransfers(), 0);

    DoubleFail("LoadBindSerializeData", 3);
    auto reader = Editor();
    EXPECT_EQ(reader->ReadTransfers(), 2);
    EXPECT_EQ(reader->m_storedAssignments.GetSize(), 2) << "tables read so far stay";
    EXPECT_EQ(reader->GetTransferCount(), 0);

    DoubleFail("LoadBindSerializeData", 0); // reading needs no work of it in the double
    DoubleClearLog();
    DoubleFail("InitZuordTabelle", 1); // the library gives fewer rows than it announced
    reader = Editor();
    EXPECT_EQ(reader->ReadTransfers(), 0);
    EXPECT_EQ(CountLines(DoubleLog(), "InitZuordTabelle(1)"), 5) << "one call per announced row";
    ASSERT_EQ(reader->GetTransferCount(), 2);
    EXPECT_EQ(reader->GetTransfer(0)->m_loadAssignments.GetSize(), 0);
    EXPECT_EQ(DoubleViolations(), 0);
    EXPECT_EQ(DoubleTransferFileOpen(), 0);
}

TEST_F(TransferEditor, ChangedSourcesMarkTheirTransfersInvalid)
{
    auto writer = Editor();
    AddTwo(*writer);
    Add(*writer, 0, "COL", 4, m_column);
    ASSERT_EQ(writer->WriteTransfers(), 0);

    // The beam gained a support, the column vanished.
    LoadDataBuilder beam({"A", "B", "C"}, {"g", "q"});
    beam.PointComponents({"Fx", "Fz", "My"});
    DoubleAddPosition(0, "BEAM", &beam.Record());
    DoubleRemovePosition(0, "COL");
    auto reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    ASSERT_EQ(reader->GetTransferCount(), 2) << "the column's transfer is dropped";
    EXPECT_EQ(reader->m_bAllValid, 0);
    EXPECT_EQ(reader->GetTransfer(0)->m_nValid, 0);
    EXPECT_EQ(reader->GetTransfer(0)->GetSupportCount(), 3) << "loading it still succeeded";
    EXPECT_EQ(reader->GetTransfer(0)->m_loadAssignments.GetSize(), 0);
    ExpectSameTransfer(*writer->GetTransfer(1), *reader->GetTransfer(1));

    // The wall lost a load.
    LoadDataBuilder wall({"W1"}, {"g", "s"}, 1, 2);
    wall.DistributedComponents({"qz", "qx"}, 2, 2, 1);
    DoubleAddPosition(1, "WALL", &wall.Record());
    DoubleAddPosition(0, "BEAM", &m_beam.Record());
    reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    EXPECT_EQ(reader->GetTransfer(0)->m_nValid, 1);
    EXPECT_EQ(reader->GetTransfer(1)->m_nValid, 0);

    // A component renamed in place keeps its index and count: the record still fits.
    LoadDataBuilder renamed({"W1"}, {"g", "s", "w"}, 1, 2);
    renamed.DistributedComponents({"qz", "qy"}, 2, 2, 1);
    DoubleAddPosition(1, "WALL", &renamed.Record());
    reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    EXPECT_EQ(reader->GetTransfer(1)->m_nValid, 1);
    EXPECT_EQ(reader->GetTransfer(1)->GetSupport(0)->GetLoad(0)->GetComponent(1)->m_nSelected, 1);
    EXPECT_EQ(DoubleLoadedPositions(), 0);
}

TEST_F(TransferEditor, OwnLoadsAndAssignmentsOnReading)
{
    auto writer = Editor();
    KVItem& beam = Add(*writer, 0, "BEAM", 1, m_beam);
    beam.GetSupport(0)->GetLoad(0)->ownLoad = 2;
    beam.GetSupport(1)->GetLoad(0)->SetSelected(0);
    beam.GetSupport(0)->GetLoad(1)->ownLoad = 7; // beyond the request's list
    auto* row = static_cast<KVLoadAssignment*>(beam.m_loadAssignments[1]);
    row->sourceLoad = 5;
    row->ownLoad = 9;
    ASSERT_EQ(writer->WriteTransfers(), 0);

    auto reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    const KVItem& item = *reader->GetTransfer(0);
    EXPECT_EQ(item.m_nValid, 0) << "own load 7 does not exist";
    EXPECT_EQ(item.GetSupport(1)->GetLoad(0)->ownLoad, 2) << "taken from the support before";
    EXPECT_STREQ(item.GetSupport(1)->GetLoad(0)->m_strOwnLoad, "own2");
    EXPECT_EQ(item.GetSupport(0)->GetLoad(1)->ownLoad, 0);
    EXPECT_STREQ(item.GetSupport(0)->GetLoad(1)->m_strOwnLoad, "own0");

    beam.GetSupport(0)->GetLoad(1)->ownLoad = 1;
    ASSERT_EQ(writer->WriteTransfers(), 0);
    reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    const KVItem& valid = *reader->GetTransfer(0);
    ASSERT_EQ(valid.m_loadAssignments.GetSize(), 2);
    const auto* restored = static_cast<const KVLoadAssignment*>(valid.m_loadAssignments[1]);
    EXPECT_STREQ(restored->m_strSourceLoad, "Undefined");
    EXPECT_EQ(restored->ownLoad, 1u) << "the request's default";
    EXPECT_STREQ(restored->m_strOwnLoad, "own1");
}

TEST_F(TransferEditor, GuardsForEmptyListsAndSupportlessSources)
{
    auto writer = Editor();
    Add(*writer, 0, "BEAM", 1, m_beam);
    ASSERT_EQ(writer->WriteTransfers(), 0);

    m_request.loadCount.value = 0;
    auto reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    const KVItem& item = *reader->GetTransfer(0);
    EXPECT_EQ(item.m_nValid, 1);
    EXPECT_EQ(item.GetSupport(0)->GetLoad(0)->ownLoad, -1);
    EXPECT_STREQ(item.GetSupport(0)->GetLoad(0)->m_strOwnLoad, "");
    EXPECT_EQ(item.m_loadAssignments.GetSize(), 2);
    EXPECT_STREQ(static_cast<KVLoadAssignment*>(item.m_loadAssignments[0])->m_strOwnLoad, "")
        << "the default names no load of an empty list";

    m_request.loadCount.value = 3;
    auto bare = Editor();
    KVItem* lonely = new KVItem;
    lonely->m_nTransferNumber = 1;
    bare->m_transfers.Add(lonely);
    auto* table = new StoredAssignment(1);
    table->m_dwSourceLoads.Add(0);
    table->m_dwOwnLoads.Add(DWORD(-1));
    bare->m_storedAssignments.Add(table);
    bare->RebuildTransfers(0, nullptr);
    const KVItem& rebuilt = *bare->GetTransfer(0);
    ASSERT_EQ(rebuilt.m_loadAssignments.GetSize(), 1);
    const auto* entry = static_cast<const KVLoadAssignment*>(rebuilt.m_loadAssignments[0]);
    EXPECT_STREQ(entry->m_strSourceLoad, "Undefined") << "a source without supports";
    EXPECT_EQ(entry->ownLoad, 1u) << "a negative own index takes the default";
}

TEST_F(TransferEditor, RecordsWithoutTablesAndRepeatedFactors)
{
    auto writer = Editor();
    KVItem& beam = Add(*writer, 0, "BEAM", 1, m_beam);
    beam.DeleteLoadAssignments();
    beam.GetSupport(1)->GetLoad(1)->GetComponent(2)->factor = 4; // the last record decides
    beam.GetSupport(0)->GetLoad(0)->ownLoad = 2;
    ASSERT_EQ(writer->WriteTransfers(), 0);

    auto reader = Editor();
    ASSERT_EQ(reader->ReadTransfers(), 0);
    EXPECT_EQ(reader->m_storedAssignments.GetSize(), 0);
    const KVItem& item = *reader->GetTransfer(0);
    EXPECT_EQ(item.GetSupport(0)->GetLoad(1)->GetComponent(0)->factor, 4);
    ASSERT_EQ(item.m_loadAssignments.GetSize(), 2);
    const auto* first = static_cast<const KVLoadAssignment*>(item.m_loadAssignments[0]);
    EXPECT_EQ(first->ownLoad, 1u) << "the default own load";
    EXPECT_STREQ(first->m_strOwnLoad, "own2") << "named after the load's own load";
}

// A damaged file that reports counts below 0: each header with a nonzero row count gets a
// table, one call per announced row; the editor never offers an empty list for the file.
TEST_F(TransferEditor, NegativeCountsOfADamagedFile)
{
    auto writer = Editor();
    AddTwo(*writer);
    ASSERT_EQ(writer->WriteTransfers(), 0);
    DoubleReportCounts(kTransferFile, -4, 0, -1);
    const std::string headers = "InitBindData(1)\n"
                                "InitBindHeader(1)\n"
                                "InitBindHeader(1)\n"
                                "InitZuordTabelle(1)\n"
                                "InitZuordTabelle(1)\n"
                                "InitZuordTabelle(1)\n"
                                "LoadBindSerializeData(1)\n";
    struct Case {
        const char* library; // what the library makes of the file
        int serialized;      // the result of its reading
        int version;
        int result;
        std::string rest;
    };
    const Case cases[] = {
        {"refuses it", 3, 1, 2, "LoadBindFree\n"},
        {"reports version 0", 0, 0, 1, "BindGetVersions\nLoadBindFree\n"},
        {"reads it", 0, 1, 2, "BindGetVersions\nLoadBindFree\n"},
    };
    for (const Case& c : cases) {
        DoubleFail("LoadBindSerializeData", c.serialized);
        DoubleSetVersions(kTransferFile, 1, c.version);
        DoubleClearLog();
        auto reader = Editor();
        EXPECT_EQ(reader->ReadTransfers(), c.result) << c.library;
        EXPECT_EQ(std::string(DoubleLog()), headers + c.rest) << c.library;
        EXPECT_EQ(reader->GetTransferCount(), 0);
        ASSERT_EQ(reader->m_storedAssignments.GetSize(), 2);
        const auto* first = static_cast<const StoredAssignment*>(reader->m_storedAssignments[0]);
        EXPECT_EQ(first->m_dwSourceLoads.GetSize(), 0);
    }
}

// The transferred-load page reads past every announced assignment row, one call per row,
// also when the library cannot give them.
TEST_F(TransferEditor, PageReadsPastEveryAnnouncedRow)
{
    auto writer = Editor();
    AddTwo(*writer);
    ASSERT_EQ(writer->WriteTransfers(), 0);
    DoubleFail("InitZuordTabelle", 1);
    int records = 0;
    int headers = 0;
    ASSERT_EQ(OpenTransferFile("C:\\own\\OWN.017", records, headers), 0);
    DoubleClearLog();
    for (int h = 0; h < headers; ++h) {
        char path[264] = "";
        int number = 0;
        ReadTransferHeader(path, number);
    }
    LoadBindFree();
    EXPECT_EQ(CountLines(DoubleLog(), "InitZuordTabelle(1)"), 5);
}
