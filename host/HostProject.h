// The project the host has open: its plan file's positions with their design programs,
// their state and their load files, found as the suite finds them.
#pragma once

#include <string>
#include <vector>

namespace host
{

// In this order: the host's texts and words for the states are tables by it.
enum class PositionState {
    Calculated,    // results valid
    NotCalculated, // input only
    Changed,       // changed since its last calculation
    NoLoadData,    // listed, but its load file is missing
};

struct HostPosition {
    std::string name;    // as the plan file lists it, without trailing blanks
    std::string program; // the design program's name; empty for none
    PositionState state = PositionState::NoLoadData;
    std::string directory; // of its files, with the trailing separator
    std::string loadFile;  // full path of its load file (.017); when missing, the name the
                           // plan record gives it ("?" for letters it does not record)
    std::size_t planIndex = 0;

    // The load file's name without folder and extension ("dBA0003").
    std::string baseName() const;
};

class HostProject
{
  public:
    // Reads the plan file of the project folder and the program names of the program
    // root; false with a message in words when the plan file cannot be read.
    bool open(const std::string& directory, const std::string& programRoot, std::string& error);

    const std::string& directory() const { return m_directory; }
    const std::string& name() const { return m_name; }
    const std::vector<HostPosition>& positions() const { return m_positions; }

    // The position of that name (without regard to case) or of that file (.016 or .017);
    // -1 when there is none.
    int find(const std::string& nameOrFile) const;

    // What a design program records in the plan file after computing a position, or after
    // its input (its transfers) changed. False when the plan file cannot be written.
    bool markCalculated(std::size_t index, std::string& error);
    bool markChanged(std::size_t index, std::string& error);

  private:
    bool updateRecord(std::size_t index, bool calculated, std::string& error);

    std::string m_directory;
    std::string m_programRoot;
    std::string m_name;
    std::vector<HostPosition> m_positions;
};

} // namespace host
