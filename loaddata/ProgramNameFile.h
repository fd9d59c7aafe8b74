// The program name file "pronamew" in the program root directory: a header of 24 bytes,
// then one record of 58 bytes per design program; program number p (from 65 on) has its
// record at 24 + 58 x (p - 65). Byte layout in docs/loaddata.md.
#pragma once

#include "loaddata/FormatError.h"

#include <cstddef>
#include <string>
#include <vector>

namespace loaddata
{

constexpr int kFirstProgramNumber = 65;
constexpr std::size_t kProgramHeaderSize = 24;
constexpr std::size_t kProgramRecordSize = 58;
constexpr std::size_t kProgramMaxRecords = 935; // numbers 65 to 999

// One design program; an empty name means the number is not used.
struct ProgramRecord {
    std::string name;      // up to 30 characters
    std::string shortName; // up to 8 characters
    std::string version;   // up to 16 characters
};

struct ProgramNameFile {
    std::vector<ProgramRecord> programs; // programs[i] has the number 65 + i
};

// The program number a five-character program code names: its last three characters.
int programNumberOf(const std::string& programCode);

FormatError parseProgramNameFile(const unsigned char* data, std::size_t size,
                                 ProgramNameFile& file);
FormatError encodeProgramNameFile(const ProgramNameFile& file, std::vector<unsigned char>& bytes);

FormatError readProgramNameFile(const std::string& path, ProgramNameFile& file);
FormatError writeProgramNameFile(const std::string& path, const ProgramNameFile& file);

} // namespace loaddata
