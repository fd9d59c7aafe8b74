// libFuzzer target: the program name file reader on any bytes.
#include "loaddata/ProgramNameFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    loaddata::ProgramNameFile file;
    if (loaddata::parseProgramNameFile(data, size, file) == loaddata::FormatError::None) {
        std::vector<unsigned char> again;
        loaddata::encodeProgramNameFile(file, again);
    }
    return 0;
}
