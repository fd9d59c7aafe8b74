// Where the suite keeps its files: the program root directory from the suite's INI file
// "tavenix.ini", the current project's directory from the project list "nampr.txt", and the
// FEM project's directory from the registry value "CurOrvexPath". Natively (the Linux build
// of the format code) the environment variables KV_PRGROOT and KV_CUR_ORVEX_PATH stand in
// for the INI key and the registry value.
#pragma once

#include <cstdint>
#include <string>

namespace loaddata
{

#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

constexpr const char* kIniFile = "tavenix.ini";
constexpr const char* kIniSection = "pfade";
constexpr const char* kIniProgramRoot = "prgRoot";
constexpr const char* kDefaultProgramRoot = "C:\\tavenix\\p1w";
constexpr const char* kProjectListName = "nampr.txt";
constexpr const char* kPlanFileName = "plann";
constexpr const char* kProgramNameFileName = "pronamew";
constexpr const char* kSettingsKey = "Software\\Brelvik\\Kesvaria 1.10";
constexpr const char* kFemPathValue = "CurOrvexPath";

// The program root directory, without a trailing separator.
std::string programRoot();
// The current project's directory with its trailing separator; empty when the project list
// cannot be read or its first line holds no separator.
std::string currentProjectDirectory();
// The FEM project's directory with its trailing separator; empty when the value is missing.
std::string femProjectDirectory();

// Writes what the three readers above read: the INI key, the project list in the program
// root (whose first line names a file in the project directory) and the registry value.
bool setProgramRoot(const std::string& root);
bool writeProjectList(const std::string& root, const std::string& projectDirectory);
bool setFemProjectDirectory(const std::string& directory);

// The directory part of a path, with its trailing separator ("" when it has none), and the
// name after it. Both separators count, so that either form of a path is understood.
std::string directoryOf(const std::string& path);
std::string fileNameOf(const std::string& path);

// The name of the first file in the directory that matches the pattern ('?' = any one
// character, case-insensitive), as the system's wildcard search returns it.
bool findFirstFile(const std::string& directory, const std::string& pattern, std::string& name);

// Whether a file exists, and when it was last written (an increasing count, 0 when missing).
struct FileStamp {
    bool exists = false;
    uint64_t modified = 0;
    uint64_t size = 0;
};
FileStamp fileStamp(const std::string& path);
// The stamp of a folder (its time of last writing changes when a file in it is created,
// deleted or replaced, as every save of the library does); missing for a file.
FileStamp folderStamp(const std::string& folder);
// Whether a file is unchanged between two stamps, so that what was read from it still holds.
bool sameStamp(const FileStamp& a, const FileStamp& b);

// While an object of this class exists, fileStamp and folderStamp stamp each file and
// folder once and answer from that stamp after: a check that meets the same files again
// and again asks the system once for each. Objects nest.
class StampScope
{
  public:
    StampScope();
    ~StampScope();
    StampScope(const StampScope&) = delete;
    StampScope& operator=(const StampScope&) = delete;

  private:
    bool m_owner;
};

} // namespace loaddata
