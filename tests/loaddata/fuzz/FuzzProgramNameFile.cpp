// libFuzzer target: the program name file reader on any bytes.
#include "FixedLayoutFuzz.h"

#include "loaddata/ProgramNameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzzFixedLayout(data, size, loaddata::kProgramHeaderSize, loaddata::kProgramRecordSize,
                    loaddata::parseProgramNameFile, loaddata::encodeProgramNameFile);
    return 0;
}
