#include "loaddata/SuiteEnvironment.h"

#include "loaddata/FileIo.h"
#include "loaddata/KeptFile.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdlib>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#endif

namespace loaddata
{

namespace
{

constexpr std::size_t kTextSize = 256; // the suite reads these texts into 256 characters
constexpr std::size_t kKeptStamps = 1 << 16;

// The running StampScope's number; 0 outside one.
unsigned g_scope = 0;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

std::string firstLineOf(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr)
        return "";
    char line[kTextSize] = "";
    const bool read = std::fgets(line, sizeof line, f) != nullptr;
    std::fclose(f);
    std::string text = read ? line : "";
    text.erase(text.find_last_not_of("\r\n") + 1);
    return text;
}

#if !defined(_WIN32)
std::string environmentText(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value).substr(0, kTextSize - 1) : std::string();
}
#endif

// The stamp of a file, or with folder set of a folder; missing for the other kind.
FileStamp systemStamp(const std::string& path, bool folder);

} // namespace

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path)
{
    return path.substr(directoryOf(path).size());
}

bool sameStamp(const FileStamp& a, const FileStamp& b)
{
    return a.exists == b.exists && a.modified == b.modified && a.size == b.size;
}

FileStamp fileStamp(const std::string& path)
{
    // Looking up a file that does not exist costs a search through its whole folder on some
    // systems (Wine scans for a match without regard to case), and the tree check asks for
    // the same missing transfer files again and again. A file found missing stays missing
    // while its folder is unchanged, since creating it would change the folder. Within a
    // StampScope each file is stamped once.
    struct Kept {
        FileStamp folder; // when the file was found missing
        FileStamp stamp;
        unsigned scope; // the StampScope it was stamped in, 0 for none
    };
    static std::unordered_map<std::string, Kept> kept;
    const auto known = kept.find(path);
    if (known != kept.end()) {
        if (g_scope != 0 && known->second.scope == g_scope)
            return known->second.stamp;
        if (!known->second.stamp.exists) {
            const FileStamp folderNow = folderStamp(folderOf(path));
            if (folderNow.exists && sameStamp(known->second.folder, folderNow)) {
                known->second.scope = g_scope;
                return known->second.stamp;
            }
        }
    }
    // Kept as missing only with a folder stamp taken before it was found missing, so that a
    // file created in between is not missed. A file known to exist is looked up alone
    // (looking up a missing one costs far more than stamping its folder first).
    const bool existed = known != kept.end() && known->second.stamp.exists;
    FileStamp folderBefore = existed ? FileStamp() : folderStamp(folderOf(path));
    FileStamp stamp = systemStamp(path, false);
    if (!stamp.exists && existed) {
        folderBefore = folderStamp(folderOf(path));
        stamp = systemStamp(path, false);
    }
    if (kept.size() >= kKeptStamps)
        kept.clear();
    kept[path] = Kept{folderBefore, stamp, g_scope};
    return stamp;
}

FileStamp folderStamp(const std::string& folder)
{
    if (g_scope == 0)
        return systemStamp(folder, true);
    static std::unordered_map<std::string, std::pair<unsigned, FileStamp>> taken;
    auto& entry = taken[folder];
    if (entry.first != g_scope)
        entry = {g_scope, systemStamp(folder, true)};
    return entry.second;
}

StampScope::StampScope() : m_owner(g_scope == 0)
{
    static unsigned scopes = 0;
    if (m_owner)
        g_scope = ++scopes == 0 ? ++scopes : scopes;
}

StampScope::~StampScope()
{
    if (m_owner)
        g_scope = 0;
}

std::string currentProjectDirectory()
{
    static KeptFile<std::string> projectList;
    const std::string path = programRoot() + kPathSeparator + kProjectListName;
    return directoryOf(projectList.get(path, [&path] { return firstLineOf(path); }));
}

bool writeProjectList(const std::string& root, const std::string& projectDirectory)
{
    const std::string line = projectDirectory + kPlanFileName + "\r\n";
    return saveAtomically(root + kPathSeparator + kProjectListName,
                          std::vector<unsigned char>(line.begin(), line.end())) ==
           FormatError::None;
}

#if defined(_WIN32)

std::string programRoot()
{
    // The system looks for an INI file named without a folder in the Windows folder.
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    static KeptFile<std::string> root;
    return root.get(std::string(windows) + kPathSeparator + kIniFile, [] {
        char text[kTextSize] = "";
        GetPrivateProfileStringA(kIniSection, kIniProgramRoot, kDefaultProgramRoot, text, kTextSize,
                                 kIniFile);
        return std::string(text);
    });
}

bool setProgramRoot(const std::string& root)
{
    const bool written =
        WritePrivateProfileStringA(kIniSection, kIniProgramRoot, root.c_str(), kIniFile) != 0;
    noteSave();
    return written;
}

std::string femProjectDirectory()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    char value[kTextSize] = "";
    DWORD type = 0;
    DWORD size = sizeof value;
    const LONG result =
        RegQueryValueExA(key, kFemPathValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    const bool isText =
        result == ERROR_SUCCESS && type == REG_SZ && size > 0 && value[size - 1] == '\0';
    return isText && value[0] != '\0' ? std::string(value) + kPathSeparator : std::string();
}

bool setFemProjectDirectory(const std::string& directory)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(key, kFemPathValue, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(directory.c_str()),
                                       static_cast<DWORD>(directory.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool findFirstFile(const std::string& directory, const std::string& pattern, std::string& name)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((directory + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    name = found.cFileName;
    return true;
}

namespace
{

FileStamp systemStamp(const std::string& path, bool folder)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != folder)
        return stamp;
    stamp.exists = true;
    stamp.modified = static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                     data.ftLastWriteTime.dwLowDateTime;
    stamp.size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    return stamp;
}

} // namespace

#else

std::string programRoot()
{
    const std::string root = environmentText("KV_PRGROOT");
    return root.empty() ? kDefaultProgramRoot : root;
}

bool setProgramRoot(const std::string& root)
{
    return setenv("KV_PRGROOT", root.c_str(), 1) == 0;
}

std::string femProjectDirectory()
{
    const std::string directory = environmentText("KV_CUR_ORVEX_PATH");
    return directory.empty() ? directory : directory + kPathSeparator;
}

bool setFemProjectDirectory(const std::string& directory)
{
    return setenv("KV_CUR_ORVEX_PATH", directory.c_str(), 1) == 0;
}

bool findFirstFile(const std::string& directory, const std::string& pattern, std::string& name)
{
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr)
        return false;
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        if (fnmatch(pattern.c_str(), entry->d_name, FNM_CASEFOLD) == 0) {
            name = entry->d_name;
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

namespace
{

FileStamp systemStamp(const std::string& path, bool folder)
{
    FileStamp stamp;
    struct stat info;
    if (stat(path.c_str(), &info) != 0 ||
        (folder ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode)))
        return stamp;
    stamp.exists = true;
    stamp.modified = static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                     static_cast<uint64_t>(info.st_mtim.tv_nsec);
    stamp.size = static_cast<uint64_t>(info.st_size);
    return stamp;
}

} // namespace

#endif

} // namespace loaddata
