// The check of a position for the transferred-load page.
#include "model/LoadDataInterface.h"

#include "loaddata/SuiteText.h"
#include "loaddata/TreeCheck.h"

#include <cstring>

namespace
{

constexpr std::size_t kPathSize = 260;

} // namespace

extern "C" {

// (S) with the codes of TreeCheck.h: outFile receives the transfer file of the position the
// code is about, out2 (optional) a second file involved or an empty text.
int CheckTree(const char* file, char* outFile, char* out2)
{
    if (file == nullptr || outFile == nullptr || strnlen(file, kPathSize) >= kPathSize)
        return loaddata::TreeNotAPosition;
    const loaddata::TreeFinding finding = loaddata::checkTree(file);
    if (!loaddata::copyToBuffer(finding.file, outFile, kPathSize))
        outFile[0] = '\0';
    if (out2 != nullptr && !loaddata::copyToBuffer(finding.otherFile, out2, kPathSize))
        out2[0] = '\0';
    return finding.code;
}

} // extern "C"
