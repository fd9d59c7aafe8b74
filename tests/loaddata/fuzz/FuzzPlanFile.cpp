// libFuzzer target: the plan file reader on any bytes, once as they come and once with
// every check sum made right, so that the fuzzer gets past them to the fields.
#include "loaddata/Crc32.h"
#include "loaddata/LittleEndian.h"
#include "loaddata/PlanFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace loaddata;

namespace
{

void parse(const std::vector<unsigned char>& bytes)
{
    PlanFile plan;
    if (parsePlanFile(bytes.data(), bytes.size(), plan) == FormatError::None) {
        std::vector<unsigned char> again;
        encodePlanFile(plan, again);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> bytes(data, data + size);
    parse(bytes);
    if (size < kPlanHeaderSize)
        return 0;
    writeU32(&bytes[kPlanHeaderSize - 4], crc32(bytes.data(), kPlanHeaderSize - 4));
    for (std::size_t at = kPlanHeaderSize; at + kPlanRecordSize <= size; at += kPlanRecordSize)
        writeU32(&bytes[at + kPlanRecordSize - 4], crc32(&bytes[at], kPlanRecordSize - 4));
    parse(bytes);
    return 0;
}
