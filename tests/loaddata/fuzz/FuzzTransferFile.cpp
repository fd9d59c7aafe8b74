// Fuzz target over the transfer file reader. Each input is read twice: as a whole file (the
// frame's checks) and as content in a frame with a correct check sum, so that the fuzzer
// reaches the content's reader past the check sum. What is read must be written again to
// the same bytes.
#include "loaddata/TransferFile.h"

#include <cstdlib>

using namespace loaddata;

namespace
{

void readAndCheck(const std::vector<unsigned char>& file)
{
    TransferData data;
    if (decodeTransferFile(file, data) != FormatError::None)
        return;
    std::vector<unsigned char> again;
    if (encodeTransferFile(data, again) != FormatError::None || again != file)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> input(data, data + size);
    readAndCheck(input);
    readAndCheck(sealContent(kTransferFileKind, input));
    return 0;
}
