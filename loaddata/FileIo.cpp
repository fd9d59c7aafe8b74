#include "loaddata/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cstdlib>
#include <unistd.h>
#endif

namespace loaddata
{

namespace
{

SaveFault g_saveFault = SaveFault::None;
unsigned g_saves = 0;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Opens a new, uniquely named file in the folder of path for writing; its name goes to
// tempPath.
std::FILE* createTempBeside(const std::string& path, std::string& tempPath)
{
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char name[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "kvd", 0, name))
        return nullptr;
    tempPath = name;
    std::FILE* f = std::fopen(name, "wb");
    if (!f)
        DeleteFileA(name);
    return f;
#else
    tempPath = path + ".XXXXXX";
    const int fd = mkstemp(&tempPath[0]);
    if (fd < 0)
        return nullptr;
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        std::remove(tempPath.c_str());
    }
    return f;
#endif
}

// Writes everything and forces it to the disk before the file is closed.
bool writeDurably(std::FILE* f, const std::vector<unsigned char>& bytes)
{
    const std::size_t half = bytes.size() / 2;
    if (std::fwrite(bytes.data(), 1, half, f) != half)
        return false;
    if (g_saveFault == SaveFault::HalfWritten)
        return false;
    const std::size_t rest = bytes.size() - half;
    if (std::fwrite(bytes.data() + half, 1, rest, f) != rest || std::fflush(f) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

bool replaceFile(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

FormatError readWholeFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    errno = 0;
    std::FILE* raw = std::fopen(path.c_str(), "rb");
    if (!raw)
        return errno == ENOENT ? FormatError::Missing : FormatError::Unreadable;
    std::unique_ptr<std::FILE, FileCloser> f(raw);
    if (std::fseek(raw, 0, SEEK_END) != 0)
        return FormatError::Unreadable;
    const long size = std::ftell(raw);
    if (size < 0 || std::fseek(raw, 0, SEEK_SET) != 0)
        return FormatError::Unreadable;
    if (static_cast<unsigned long>(size) > kMaxFileSize)
        return FormatError::TooLarge;
    bytes.resize(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), raw) != bytes.size() || std::ferror(raw))
        return FormatError::Unreadable;
    return FormatError::None;
}

FormatError saveAtomically(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::string tempPath;
    std::FILE* f = createTempBeside(path, tempPath);
    if (!f)
        return FormatError::WriteFailed;
    const bool written = writeDurably(f, bytes);
    const bool closed = std::fclose(f) == 0;
    if (written && closed && g_saveFault != SaveFault::BeforeReplace &&
        replaceFile(tempPath, path)) {
        noteSave();
        return FormatError::None;
    }
    std::remove(tempPath.c_str());
    return FormatError::WriteFailed;
}

unsigned saveCount()
{
    return g_saves;
}

void noteSave()
{
    ++g_saves;
}

void simulateSaveFault(SaveFault fault)
{
    g_saveFault = fault;
}

} // namespace loaddata
