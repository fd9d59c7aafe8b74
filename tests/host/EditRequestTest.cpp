// The request the host builds for the editor: every slot from the position and its load
// file, integers filling their whole slot; without a load file, no own loads.
#include "HostFixture.h"

#include "host/EditRequest.h"

namespace
{

// Slot n of the request as the module reads it: a pointer-sized word.
uintptr_t slot(const KVEditRequest& request, int n)
{
    return reinterpret_cast<const uintptr_t*>(&request)[n];
}

TEST_F(HostFixture, TheRequestCarriesThePositionItsOwnLoadsAndItsCoordinateSystem)
{
    const auto listed = listedPositions();
    const HWND parent = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
    ASSERT_TRUE(DeleteFileA(m_project.positions()[1].loadFile.c_str()));
    for (std::size_t i : {std::size_t(0), std::size_t(1), listed.size() - 1}) {
        SCOPED_TRACE(i);
        const kvdata::Position& p = *listed[i];
        const bool hasLoads = i != 1;
        host::EditRequest built(m_project.positions()[i], parent);
        EXPECT_EQ(hasLoads, built.hasLoadData());
        const KVEditRequest& request = *built.get();
        EXPECT_STREQ(p.name.c_str(), request.positionName);
        EXPECT_EQ(m_generated.folders().project, request.directory);
        EXPECT_EQ(p.loadFileName().substr(0, 7), request.baseName);
        ASSERT_EQ(hasLoads ? p.loads.size() : 0u, slot(request, 3));
        EXPECT_EQ(hasLoads, request.loads != nullptr);
        for (std::size_t l = 0; hasLoads && l < p.loads.size(); ++l) {
            EXPECT_STREQ(p.loads[l].c_str(), request.loads[l].name);
            EXPECT_EQ(l + 1, reinterpret_cast<uintptr_t>(request.loads[l].word0.slot));
        }
        for (int n = 5; n <= 8; ++n)
            EXPECT_EQ(0u, slot(request, n)) << "slot " << n;
        EXPECT_EQ(hasLoads ? static_cast<uintptr_t>(p.coordinateSystem) : 0u, slot(request, 9));
        EXPECT_EQ(reinterpret_cast<uintptr_t>(parent), slot(request, 10));
        EXPECT_EQ(0u, slot(request, 11)) << "the default own load is the first";
        EXPECT_EQ(0u, slot(request, 12)) << "new sources from the current project";
    }
}

} // namespace
