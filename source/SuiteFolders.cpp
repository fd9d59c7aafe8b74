#include "source/SuiteFolders.h"

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

#include <cstdio>

namespace
{
// Texts of the suite's files are read into buffers of this size, as the suite writes them.
constexpr int kSuiteTextSize = 256;
} // namespace

CString ProgramRoot()
{
    char root[kSuiteTextSize] = {};
    GetPrivateProfileStringA("pfade", "prgRoot", "C:\\tavenix\\p1w", root, sizeof root,
                             "tavenix.ini");
    return root;
}

CString CurrentProjectFolder()
{
    std::FILE* list = std::fopen(ProgramRoot() + "\\nampr.txt", "r");
    if (!list)
        return CString();
    char line[kSuiteTextSize] = {};
    const bool read = std::fgets(line, sizeof line, list) != nullptr;
    std::fclose(list);
    const CString first = read ? line : "";
    return first.Left(first.ReverseFind('\\') + 1);
}

CString FemProjectFolder(const KVSettingsKey& settings)
{
    char folder[kSuiteTextSize] = {};
    DWORD size = sizeof folder;
    if (settings.QueryString(folder, settings::kCurOrvexPath, &size) != ERROR_SUCCESS)
        return CString();
    return CString(folder) + "\\";
}
