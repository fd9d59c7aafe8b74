// libFuzzer target: the plan file reader on any bytes.
#include "FixedLayoutFuzz.h"

#include "loaddata/PlanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzzFixedLayout(data, size, loaddata::kPlanHeaderSize, loaddata::kPlanRecordSize,
                    loaddata::parsePlanFile, loaddata::encodePlanFile);
    return 0;
}
