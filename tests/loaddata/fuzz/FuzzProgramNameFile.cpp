// libFuzzer target: the program name file reader on any bytes, once as they come and once
// with every check sum made right, so that the fuzzer gets past them to the fields.
#include "loaddata/Crc32.h"
#include "loaddata/LittleEndian.h"
#include "loaddata/ProgramNameFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace loaddata;

namespace
{

void parse(const std::vector<unsigned char>& bytes)
{
    ProgramNameFile file;
    if (parseProgramNameFile(bytes.data(), bytes.size(), file) == FormatError::None) {
        std::vector<unsigned char> again;
        encodeProgramNameFile(file, again);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> bytes(data, data + size);
    parse(bytes);
    if (size < kProgramHeaderSize)
        return 0;
    writeU32(&bytes[kProgramHeaderSize - 4], crc32(bytes.data(), kProgramHeaderSize - 4));
    for (std::size_t at = kProgramHeaderSize; at + kProgramRecordSize <= size;
         at += kProgramRecordSize)
        writeU32(&bytes[at + kProgramRecordSize - 4], crc32(&bytes[at], kProgramRecordSize - 4));
    parse(bytes);
    return 0;
}
