// The record the host hands to DoModalKVEdit for one of its positions, with everything its
// slots point to: the position's name, folder and base file name, and its own loads and
// coordinate system as its load file holds them.
#pragma once

#include "entry/KVEditRequest.h"
#include "host/HostProject.h"

#include <string>
#include <vector>

namespace host
{

class EditRequest
{
  public:
    // The own load taken when a stored one is out of range: the first, the dead load.
    static constexpr int kDefaultLoad = 0;
    // New sources are offered from the current project.
    static constexpr int kProjectGroup = 0;

    EditRequest(const HostPosition& position, HWND parent);
    EditRequest(const EditRequest&) = delete;
    EditRequest& operator=(const EditRequest&) = delete;

    // False when the position's load file could not be read: the request then has no
    // own loads, and the editor cannot assign any.
    bool hasLoadData() const { return m_loaded; }
    KVEditRequest* get() { return &m_request; }
    const std::vector<std::string>& loadNames() const { return m_loadNames; }

  private:
    void readLoadFile(const std::string& loadFile);

    std::string m_name;
    std::string m_directory;
    std::string m_baseName;
    std::vector<std::string> m_loadNames;
    std::vector<KVOwnLoad> m_loads;
    int32_t m_coordinateSystem = 0;
    bool m_loaded = false;
    KVEditRequest m_request{};
};

} // namespace host
