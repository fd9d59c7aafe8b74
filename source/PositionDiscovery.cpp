#include "source/PositionDiscovery.h"

#include "source/PlanFileCopy.h"
#include "source/SuiteFolders.h"
#include "source/SuiteText.h"

#include <cstdint>
#include <cstring>

namespace
{
// The plan file: a header, then one record per position number.
constexpr long kPlanHeaderSize = 345;
constexpr long kPlanRecordSize = 400;
constexpr size_t kPlanNameWidth = 16;
constexpr size_t kProgramCodeWidth = 5;
constexpr long kNameToFemNumber = 9; // from the end of the name to the FEM number

// Puts the process's current directory back when the listing ends.
class CurrentDirectoryKeeper
{
  public:
    CurrentDirectoryKeeper()
    {
        const DWORD length = GetCurrentDirectoryA(sizeof m_folder, m_folder);
        m_bKept = length > 0 && length < sizeof m_folder;
    }
    ~CurrentDirectoryKeeper()
    {
        if (m_bKept)
            SetCurrentDirectoryA(m_folder);
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

  private:
    char m_folder[256] = {};
    bool m_bKept = false;
};

// The name of the first file the system finds for the pattern; empty when none.
CString FindFirst(const CString& pattern)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return CString();
    FindClose(search);
    return found.cFileName;
}

// "d??" + the last four digits of the number + ".017": the two letters vary by program.
CString CurrentProjectPattern(size_t positionNumber)
{
    CString digits;
    digits.Format("%04i", static_cast<int>(positionNumber));
    return "d??" + digits.Right(4) + ".017";
}

CString FemFileName(int16_t femNumber)
{
    CString digits;
    digits.Format("%06i", femNumber);
    return "kv" + digits.Right(6) + ".017";
}

// Up to width bytes from where the file stands, ending at a zero byte.
CString ReadField(std::FILE* file, size_t width)
{
    char field[16] = {};
    const size_t read = std::fread(field, 1, width < sizeof field ? width : sizeof field, file);
    return CString(field, static_cast<int>(strnlen(field, read)));
}

// The rest of record k after its name: the load file's name and the program code, or an
// empty name when the position is not listed.
struct Found {
    CString m_strFile;
    CString m_strProgramCode;
};

Found FindCurrent(std::FILE* plan, const CString& folder, size_t k)
{
    Found found{FindFirst(folder + CurrentProjectPattern(k + 1)), CString()};
    if (!found.m_strFile.IsEmpty())
        found.m_strProgramCode = ReadField(plan, kProgramCodeWidth);
    return found;
}

Found FindFem(std::FILE* plan, const CString& folder)
{
    unsigned char number[2];
    if (std::fseek(plan, kNameToFemNumber, SEEK_CUR) != 0 || std::fread(number, 1, 2, plan) < 2)
        return Found();
    const auto femNumber = static_cast<int16_t>(number[0] | number[1] << 8);
    return {FindFirst(folder + FemFileName(femNumber)), "00000"};
}

} // namespace

CString ListPositions(int group, const KVSettingsKey& settings, const OwnPosition& own,
                      PositionEntries& entries)
{
    CurrentDirectoryKeeper keeper;
    const CString folder =
        group == kGroupCurrent ? CurrentProjectFolder() : FemProjectFolder(settings);
    PlanFileCopy copy(folder + "plann");
    std::FILE* plan = copy.File();
    // A file cut inside a record can show one name more than whole records: the listing
    // reads no record the entries have no room for.
    entries.Reset(static_cast<size_t>(copy.Length() / kPlanRecordSize));
    const CString ownName = SuiteText(own.m_strName, kPlanNameWidth);
    CString ownFile = own.m_strLoadFile;
    ownFile.MakeUpper();
    for (size_t k = 0; k < entries.GetCapacity(); ++k) {
        char field[kPlanNameWidth];
        const long offset = kPlanHeaderSize + kPlanRecordSize * static_cast<long>(k);
        if (std::fseek(plan, offset, SEEK_SET) != 0 ||
            std::fread(field, 1, sizeof field, plan) < sizeof field)
            break;
        const CString name = SuiteText(field, sizeof field);
        if (name.IsEmpty() || (group != kGroupCurrent && name == ownName))
            continue;
        const Found found =
            group == kGroupCurrent ? FindCurrent(plan, folder, k) : FindFem(plan, folder);
        if (found.m_strFile.IsEmpty())
            continue;
        CString path = folder + found.m_strFile;
        path.MakeUpper();
        if (path != ownFile)
            entries.Add(path, name, found.m_strProgramCode);
    }
    return folder;
}
