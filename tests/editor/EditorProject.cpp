#include "tests/editor/EditorProject.h"

#include "model/LoadDataInterface.h"
#include "tests/model/LoadDataBuilder.h"

namespace
{
bool FedAlsoByFem(const kvdata::Building& building, const kvdata::Position& p)
{
    if (p.fem || p.incoming.size() < 2)
        return false;
    for (const kvdata::Transfer& t : p.incoming)
        if (building.positions[static_cast<size_t>(t.source)].fem)
            return true;
    return false;
}

kvdata::Building Prepared(const std::function<void(kvdata::Position& own)>& change)
{
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    if (change)
        for (kvdata::Position& p : building.positions)
            if (FedAlsoByFem(building, p)) {
                change(p);
                break;
            }
    return building;
}
} // namespace

EditorProject::EditorProject(const std::function<void(kvdata::Position& own)>& change)
    : project(Prepared(change)), own(project.position([this](const kvdata::Position& p) {
          return FedAlsoByFem(project.building(), p);
      }))
{
    for (const std::string& name : own.loads)
        m_loads.push_back({{0}, {0}, name.c_str()});
    m_base = own.loadFileName().substr(0, own.loadFileName().size() - 4);
    request.positionName = own.name.c_str();
    request.directory = project.folders().project.c_str();
    request.baseName = m_base.c_str();
    request.loadCount.value = static_cast<int32_t>(m_loads.size());
    request.loads = m_loads.data();
}

size_t EditorProject::GiveTheSourceASupport(size_t i)
{
    const kvdata::Position& source = Source(own.incoming[i]);
    std::vector<std::string> supports;
    for (const kvdata::Support& s : source.supports)
        supports.push_back(s.name);
    supports.push_back("added");
    LoadDataBuilder data(supports, source.loads);
    data.PointComponents({"Fz", "Fx"});
    const std::string file = project.loadFile(source);
    if (LoadSerializeData(0, file.c_str(), const_cast<LoadDataRecord*>(&data.Record())) != 0)
        return 0;
    return supports.size();
}
