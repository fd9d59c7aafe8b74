// libFuzzer target: the plan file reader on any bytes.
#include "loaddata/PlanFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    loaddata::PlanFile plan;
    if (loaddata::parsePlanFile(data, size, plan) == loaddata::FormatError::None) {
        std::vector<unsigned char> again;
        loaddata::encodePlanFile(plan, again);
    }
    return 0;
}
