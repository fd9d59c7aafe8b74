// Fuzz target over the position load file reader. Each input is read twice: as a whole file
// (the frame's checks) and as content in a frame with a correct check sum, so that the
// fuzzer reaches the content's reader past the check sum. What is read must be handed out
// as a LoadDataRecord, released, and written again to the same content.
#include "loaddata/LoadDataBlock.h"
#include "loaddata/PositionFile.h"

#include <cstdlib>

using namespace loaddata;

namespace
{

void readAndCheck(const std::vector<unsigned char>& file)
{
    PositionLoadData data;
    if (decodePositionFile(file, data) != FormatError::None)
        return;
    LoadDataRecord record{};
    if (!fillLoadDataRecord(data, record))
        std::abort();
    PositionLoadData back;
    if (loadDataFromRecord(record, back) != FormatError::None)
        std::abort();
    releaseLoadDataRecord(record);
    back.dataVersion = data.dataVersion; // a record carries no version: writing sets it
    std::vector<unsigned char> again;
    if (encodePositionFile(back, again) != FormatError::None || again != file)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> input(data, data + size);
    readAndCheck(input);
    readAndCheck(sealContent(kPositionFileKind, input));
    return 0;
}
