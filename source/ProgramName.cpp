#include "source/ProgramName.h"

#include "source/SuiteFolders.h"
#include "source/SuiteText.h"

#include <cstdio>
#include <cstdlib>

namespace
{
// Program name file: a header, then one record per program number from 65 on.
constexpr long kProgramHeaderSize = 24;
constexpr long kProgramRecordSize = 58;
constexpr long kFirstProgramNumber = 65;
constexpr size_t kProgramNameWidth = 30;

CString ReadProgramName(std::FILE* file, int number)
{
    const long offset = kProgramHeaderSize + kProgramRecordSize * (number - kFirstProgramNumber);
    char name[kProgramNameWidth];
    if (offset < 0 || std::fseek(file, offset, SEEK_SET) != 0 ||
        std::fread(name, 1, sizeof name, file) < sizeof name)
        return CString();
    return SuiteText(name, sizeof name);
}
} // namespace

CString ProgramText(const PositionEntry& entry, const CString& groupText)
{
    const CString& code = entry.m_strProgramCode;
    const int number = std::atoi(code.Right(3));
    std::FILE* file = std::fopen(ProgramRoot() + "\\pronamew", "rb");
    if (!file)
        return CString();
    const CString text = number == 0 ? groupText : ReadProgramName(file, number);
    std::fclose(file);
    return text;
}
