#include "loaddata/FolderListing.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#include <fnmatch.h>
#endif

namespace loaddata
{

#if defined(_WIN32)

namespace
{

// A character in the system's upper case of the ANSI code page, as its search compares
// names; ASCII directly, since nearly every character of a file name is.
char folded(char c)
{
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80)
        return code >= 'a' && code <= 'z' ? static_cast<char>(code - 'a' + 'A') : c;
    return static_cast<char>(reinterpret_cast<UINT_PTR>(
        CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(code)))));
}

bool matches(const char* pattern, const char* name)
{
    for (; *pattern != '\0'; ++pattern, ++name) {
        if (*pattern == '*') {
            for (const char* rest = name;; ++rest) {
                if (matches(pattern + 1, rest))
                    return true;
                if (*rest == '\0')
                    return false;
            }
        }
        if (*name == '\0' || (*pattern != '?' && folded(*pattern) != folded(*name)))
            return false;
    }
    return *name == '\0';
}

} // namespace

std::vector<FolderEntry> listFolder(const std::string& directory)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do
        entries.push_back({found.cFileName, found.cAlternateFileName});
    while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

bool matchesPattern(const std::string& pattern, const FolderEntry& entry)
{
    return matches(pattern.c_str(), entry.name.c_str()) ||
           (!entry.shortName.empty() && matches(pattern.c_str(), entry.shortName.c_str()));
}

#else

std::vector<FolderEntry> listFolder(const std::string& directory)
{
    std::vector<FolderEntry> entries;
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr)
        return entries;
    while (const dirent* entry = readdir(dir))
        entries.push_back({entry->d_name, {}});
    closedir(dir);
    return entries;
}

bool matchesPattern(const std::string& pattern, const FolderEntry& entry)
{
    return fnmatch(pattern.c_str(), entry.name.c_str(), FNM_CASEFOLD) == 0;
}

#endif

} // namespace loaddata
