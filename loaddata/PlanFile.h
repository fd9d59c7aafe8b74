// The plan file "plann" of a project: a header of 345 bytes, then one record of 400 bytes
// per position number (record k belongs to position k + 1). Byte layout in docs/loaddata.md.
#pragma once

#include "loaddata/FormatError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace loaddata
{

constexpr std::size_t kPlanHeaderSize = 345;
constexpr std::size_t kPlanRecordSize = 400;
constexpr std::size_t kPlanMaxRecords = 65535;
constexpr std::size_t kPlanNameWidth = 16;
constexpr std::size_t kPlanStatusWidth = 20;
constexpr std::size_t kPlanRemarkWidth = 70;
constexpr int kPlanMaxChanges = 99999;

struct PlanHeader {
    std::string projectName; // up to 60 characters
    std::string building;    // what is built and where, up to 60
    std::string engineer;    // the office that calculates it, up to 40
    std::string created;     // "YYYY-MM-DD"
};

// One position. An empty name means the record holds no position.
struct PlanRecord {
    std::string name;        // up to 16 characters
    std::string programCode; // 5 digits; the last three are the program number
    std::string fileLetters; // two letters or digits after "d" in the load file name; "" = any
    int16_t femNumber = 0;   // the position number in a FEM project ("kv%06i.017")
    std::string status;      // 20 characters; [2] = '0' while not calculated
    std::string remark;      // up to 70 characters
    int changes = 0;         // changes since the last calculation, 0 to 99999
    std::string volume;      // up to 40 characters
    std::string group;       // up to 40 characters
};

struct PlanFile {
    PlanHeader header;
    std::vector<PlanRecord> records;
};

// The status words a design program writes: calculated, or input only.
std::string planStatus(bool calculated);

// The field of 75 characters that carries the remark and, from character 70 on, the number
// of changes since the last calculation.
std::string planRemarkField(const PlanRecord& record);

FormatError parsePlanFile(const unsigned char* data, std::size_t size, PlanFile& plan);
FormatError encodePlanFile(const PlanFile& plan, std::vector<unsigned char>& bytes);

FormatError readPlanFile(const std::string& path, PlanFile& plan);
FormatError writePlanFile(const std::string& path, const PlanFile& plan);

} // namespace loaddata
