#include "host/EditRequest.h"

#include "model/LoadDataInterface.h"

namespace host
{

namespace
{
KVRequestInt slot(int32_t value)
{
    KVRequestInt slot{};
    slot.slot = nullptr; // the whole slot zero, then the value in its low bytes
    slot.value = value;
    return slot;
}
} // namespace

EditRequest::EditRequest(const HostPosition& position, HWND parent)
    : m_name(position.name), m_directory(position.directory), m_baseName(position.baseName())
{
    if (position.state != PositionState::NoLoadData)
        readLoadFile(position.loadFile);
    for (std::size_t i = 0; i < m_loadNames.size(); ++i) {
        KVOwnLoad load{};
        load.word0 = slot(static_cast<int32_t>(i + 1)); // the load's number in the position
        load.word1 = slot(0);
        load.name = m_loadNames[i].c_str();
        m_loads.push_back(load);
    }
    m_request.positionName = m_name.c_str();
    m_request.directory = m_directory.c_str();
    m_request.baseName = m_baseName.c_str();
    m_request.loadCount = slot(static_cast<int32_t>(m_loads.size()));
    m_request.loads = m_loads.empty() ? nullptr : m_loads.data();
    for (KVRequestInt& hostSlot : m_request.hostSlots)
        hostSlot = slot(0);
    m_request.coordinateSystem = slot(m_coordinateSystem);
    m_request.parent = parent;
    m_request.defaultLoad = slot(kDefaultLoad);
    m_request.projectGroup = slot(kProjectGroup);
}

void EditRequest::readLoadFile(const std::string& loadFile)
{
    LoadDataRecord block{};
    if ((LoadSerializeData(1, loadFile.c_str(), &block) & 0xFFFF) != 0) {
        LoadFreeData(&block);
        return;
    }
    for (int32_t l = 0; l < block.loadCount; ++l)
        m_loadNames.emplace_back(block.loadNames && block.loadNames[l] ? block.loadNames[l] : "");
    m_coordinateSystem = block.coordinateSystem;
    m_loaded = true;
    LoadFreeData(&block);
}

} // namespace host
