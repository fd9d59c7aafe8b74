// The request the host builds for the editor: every slot from the position and its load
// file, integers filling their whole slot; without a load file, no own loads.
#include "HostFixture.h"

#include "host/EditRequest.h"

namespace
{

TEST_F(HostFixture, TheRequestCarriesThePositionItsOwnLoadsAndItsCoordinateSystem)
{
    const auto listed = listedPositions();
    const HWND parent = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
    ASSERT_TRUE(DeleteFileA(m_project.positions()[1].loadFile.c_str()));
    for (std::size_t i : {std::size_t(0), std::size_t(1), listed.size() - 1}) {
        SCOPED_TRACE(i);
        const kvdata::Position& p = *listed[i];
        const std::size_t loads = i != 1 ? p.loads.size() : 0; // none without a load file
        host::EditRequest built(m_project.positions()[i], parent);
        const KVEditRequest& request = *built.get();
        // Slot n as the module reads it: a pointer-sized word.
        const auto slot = [&](int n) { return reinterpret_cast<const uintptr_t*>(&request)[n]; };
        EXPECT_STREQ(p.name.c_str(), request.positionName);
        EXPECT_EQ(m_generated.folders().project, request.directory);
        EXPECT_EQ(p.loadFileName().substr(0, 7), request.baseName);
        ASSERT_EQ(loads, slot(3));
        EXPECT_EQ(loads > 0, built.hasLoadData() && request.loads != nullptr);
        for (std::size_t l = 0; l < loads; ++l) {
            EXPECT_STREQ(p.loads[l].c_str(), request.loads[l].name);
            EXPECT_EQ(l + 1, reinterpret_cast<uintptr_t>(request.loads[l].word0.slot));
        }
        EXPECT_EQ(loads ? static_cast<uintptr_t>(p.coordinateSystem) : 0u, slot(9));
        EXPECT_EQ(reinterpret_cast<uintptr_t>(parent), slot(10));
        for (int n : {5, 6, 7, 8, 11, 12}) // the first own load, sources from this project
            EXPECT_EQ(0u, slot(n)) << "slot " << n;
    }
}

} // namespace
