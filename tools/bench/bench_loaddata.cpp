// Benchmark of the load data library: for a generated large project, the time to read and
// to write all position load files (.017) and transfer files (.016) through the library's
// calls, beside the time to read and to copy the same bytes raw, in one run; and the tree
// check of every position beside reading every file once.
//   bench_loaddata FOLDER [--positions N]
#include "model/LoadDataInterface.h"
#include "tools/bench/BenchClock.h"
#include "tools/bench/TransferCopy.h"
#include "tools/kvdata/ProjectWriter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <io.h>
#include <string>
#include <vector>
#include <windows.h>

namespace
{

std::vector<std::string> filesIn(const std::string& folder, const char* pattern)
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(folder + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::string copyPath(const std::string& file, const std::string& copies)
{
    return copies + file.substr(file.find_last_of('\\') + 1);
}

bool readLoadData(const std::string& file, const std::string* writeTo)
{
    LoadDataRecord block{};
    bool ok = (LoadSerializeData(1, file.c_str(), &block) & 0xFFFF) == 0;
    if (ok && writeTo)
        ok = (LoadSerializeData(0, writeTo->c_str(), &block) & 0xFFFF) == 0;
    LoadFreeData(&block);
    return ok;
}

std::vector<unsigned char> readRaw(const std::string& file)
{
    std::vector<unsigned char> bytes;
    if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
        unsigned char buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}

// Writes the bytes; durable: as the library saves, through a temporary file that is forced
// to the disk and then moved over the target.
bool writeRaw(const std::string& file, const std::vector<unsigned char>& bytes, bool durable)
{
    const std::string target = durable ? file + ".tmp" : file;
    std::FILE* f = std::fopen(target.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (durable)
        ok = std::fflush(f) == 0 && _commit(_fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    return ok && (!durable || MoveFileExA(target.c_str(), file.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

struct Timings {
    double libraryRead = 0, libraryWrite = 0, rawRead = 0, rawCopy = 0, rawDurableCopy = 0;
    std::size_t bytes = 0;
    int failures = 0;
};

void measure(const std::vector<std::string>& files, bool transfers, const std::string& copies,
             Timings& t)
{
    double start = Now();
    for (const std::string& file : files)
        t.bytes += readRaw(file).size();
    t.rawRead += Now() - start;
    start = Now();
    for (const std::string& file : files)
        writeRaw(copyPath(file, copies), readRaw(file), false);
    t.rawCopy += Now() - start;
    start = Now();
    for (const std::string& file : files)
        writeRaw(copyPath(file, copies), readRaw(file), true);
    t.rawDurableCopy += Now() - start;
    start = Now();
    for (const std::string& file : files)
        t.failures += transfers ? !readTransfers(file, nullptr) : !readLoadData(file, nullptr);
    t.libraryRead += Now() - start;
    start = Now();
    for (const std::string& file : files) {
        const std::string copy = copyPath(file, copies);
        TransferCopy kept;
        t.failures += transfers ? !(readTransfers(file, &kept) && writeTransfers(copy, kept))
                                : !readLoadData(file, &copy);
    }
    t.libraryWrite += Now() - start;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: bench_loaddata FOLDER [--positions N]\n", stderr);
        return 2;
    }
    kvdata::BuildingSize size;
    size.positions = 3000;
    size.femPositions = 200;
    size.storeys = 6;
    if (argc == 4 && std::strcmp(argv[2], "--positions") == 0)
        size.positions = std::atoi(argv[3]);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(argv[1]);
    std::string error;
    double start = Now();
    if (!kvdata::writeProject(kvdata::makeBuilding(size), folders, error)) {
        std::fprintf(stderr, "bench_loaddata: %s\n", error.c_str());
        return 1;
    }
    std::printf("generated %d + %d positions in %.2f s\n", size.positions, size.femPositions,
                Now() - start);
    const std::string copies = folders.root + "copies\\";
    CreateDirectoryA(copies.c_str(), nullptr);
    std::vector<std::string> loadFiles = filesIn(folders.project, "*.017");
    std::vector<std::string> femFiles = filesIn(folders.fem, "*.017");
    loadFiles.insert(loadFiles.end(), femFiles.begin(), femFiles.end());
    const std::vector<std::string> transferFiles = filesIn(folders.project, "*.016");
    // The first round creates the copies and fills the system's file cache; the second
    // one is reported.
    Timings load, transfer;
    for (int round = 0; round < 2; ++round) {
        load = transfer = Timings();
        measure(loadFiles, false, copies, load);
        measure(transferFiles, true, copies, transfer);
    }
    // Each figure beside its floor: the library against the same bytes read or copied raw
    // (copies saved durably, as the library saves), the tree check of every position
    // against reading every file it involves once through the library.
    const auto ratio = [](const char* figure, double value, double floor) {
        std::printf("  %-36s %8.3f s   floor %8.3f s   ratio %.2f\n", figure, value, floor,
                    value / floor);
    };
    const auto rows = [&ratio](const char* what, std::size_t files, const Timings& t) {
        std::printf("%s: %zu files, %.1f MB, %d failures (plain raw copy %.3f s)\n", what, files,
                    t.bytes / 1048576.0, t.failures, t.rawCopy);
        ratio("read through the library", t.libraryRead, t.rawRead);
        ratio("copy through the library", t.libraryWrite, t.rawDurableCopy);
    };
    start = Now();
    int inOrder = 0;
    for (const std::string& file : loadFiles) {
        char outFile[260], out2[260];
        const int code = static_cast<short>(CheckTree(file.c_str(), outFile, out2));
        inOrder += code == 0 || code == -11;
    }
    const double checks = Now() - start;
    rows("position load files (.017)", loadFiles.size(), load);
    rows("transfer files (.016)", transferFiles.size(), transfer);
    std::printf("%zu positions, %d in order\n", loadFiles.size(), inOrder);
    ratio("tree check of all positions", checks, load.libraryRead + transfer.libraryRead);
    return load.failures + transfer.failures == 0 ? 0 : 1;
}
