// A sample project generated into a fresh temporary folder and registered as the suite's
// current project for the lifetime of the object; the previous INI key and registry value
// are put back and the folder is removed afterwards.
#pragma once

#include "tools/kvdata/ProjectWriter.h"
#include "tools/kvdata/SampleBuilding.h"

#include <functional>
#include <string>

class GeneratedProject
{
  public:
    explicit GeneratedProject(const kvdata::BuildingSize& size = kvdata::BuildingSize());
    // A building that the test has changed before it is written.
    explicit GeneratedProject(kvdata::Building building);
    ~GeneratedProject();
    GeneratedProject(const GeneratedProject&) = delete;
    GeneratedProject& operator=(const GeneratedProject&) = delete;

    bool written() const { return m_written; }
    const kvdata::Building& building() const { return m_building; }
    const kvdata::ProjectFolders& folders() const { return m_folders; }

    // The first position that satisfies the condition; fails the test when there is none.
    const kvdata::Position& position(const std::function<bool(const kvdata::Position&)>& is) const;
    std::string loadFile(const kvdata::Position& position) const;
    std::string transferFile(const kvdata::Position& position) const;

  private:
    kvdata::Building m_building;
    kvdata::ProjectFolders m_folders;
    bool m_written = false;
    bool m_hadRoot = false;
    std::string m_oldRoot;
    bool m_hadFemPath = false;
    std::string m_oldFemPath;
};

// Changes one byte of a file in place, as a disk or another program might.
void flipByte(const std::string& path, long offset);
// Dates a file's last writing some hours from now, as if it were saved then.
void saveLater(const std::string& path, int hours);
