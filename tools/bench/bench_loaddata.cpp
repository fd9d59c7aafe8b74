// Benchmark of the load data library: for a generated large project, the time to read and
// to write all position load files (.017) and transfer files (.016) through the library's
// calls, beside the time to read and to copy the same bytes raw, in one run.
//   bench_loaddata FOLDER [--positions N]
#include "model/LoadDataInterface.h"
#include "tools/bench/BenchClock.h"
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

// A transfer file read through the bind calls and kept, so that it can be written after
// the reader is released.
struct TransferCopy {
    struct Header {
        char path[264];
        int number, count;
        std::vector<int> rows;
    };
    std::vector<Header> headers;
    std::vector<BindRecord> records;
    std::vector<std::string> pathNames;
    std::vector<std::vector<NodeCoord>> nodes, refNodes;
    std::vector<std::vector<TrapezoidPiece>> pieces;
};

bool readTransfers(const std::string& file, TransferCopy* keep)
{
    int n = 0, h = 0;
    if ((InitBindData(file.c_str(), 1, &n, &h) & 0xFFFF) != 0)
        return false;
    for (int i = 0; i < h; ++i) {
        TransferCopy::Header header{};
        InitBindHeader(header.path, 1, &header.number, &header.count);
        header.rows.resize(2 * static_cast<std::size_t>(header.count));
        for (int r = 0; r < header.count; ++r)
            InitZuordTabelle(1, &header.rows[2 * r], &header.rows[2 * r + 1]);
        if (keep)
            keep->headers.push_back(header);
    }
    bool ok = (LoadBindSerializeData(1) & 0xFFFF) == 0;
    BindRecord* records = nullptr;
    if (ok && GetTotalCopyOfBinds(&records) > 0 && keep) {
        for (int i = 0; i < n; ++i) {
            const BindRecord& r = records[i];
            char name[264] = "";
            GetIPathName(i, name);
            keep->records.push_back(r);
            keep->pathNames.push_back(name);
            keep->nodes.emplace_back(r.nodes, r.nodes + r.nodeCount);
            keep->refNodes.emplace_back(r.refNodes, r.refNodes + r.refNodeCount);
            keep->pieces.emplace_back(r.trapezoids, r.trapezoids + r.trapezoidCount);
        }
    }
    if (records)
        FreeTotalCopyOfBinds(n, &records);
    LoadBindFree();
    return ok;
}

bool writeTransfers(const std::string& file, TransferCopy& copy)
{
    int n = static_cast<int>(copy.records.size());
    int h = static_cast<int>(copy.headers.size());
    if ((InitBindData(file.c_str(), 0, &n, &h) & 0xFFFF) != 0)
        return false;
    for (TransferCopy::Header& header : copy.headers) {
        InitBindHeader(header.path, 0, &header.number, &header.count);
        for (int r = 0; r < header.count; ++r)
            InitZuordTabelle(0, &header.rows[2 * r], &header.rows[2 * r + 1]);
    }
    for (int i = 0; i < n; ++i) {
        BindRecord& r = copy.records[i];
        r.nodes = copy.nodes[i].data();
        r.refNodes = copy.refNodes[i].data();
        r.trapezoids = copy.pieces[i].empty() ? nullptr : copy.pieces[i].data();
        SetIPathName(i, copy.pathNames[i].c_str());
        SetIBindStructData(i, &r);
        for (NodeCoord& q : copy.nodes[i])
            BindNodeCoords(0, i, static_cast<int>(&q - copy.nodes[i].data()), &q.x, &q.y, &q.z);
        for (NodeCoord& q : copy.refNodes[i])
            BindRefNodeCoords(0, i, static_cast<int>(&q - copy.refNodes[i].data()), &q.x, &q.y,
                              &q.z);
        for (TrapezoidPiece& p : copy.pieces[i])
            BindTrapezoidLoad(0, i, static_cast<int>(&p - copy.pieces[i].data()), &p.kind, &p.q1,
                              &p.q2, &p.x1, &p.x2);
    }
    const bool ok = (LoadBindSerializeData(0) & 0xFFFF) == 0;
    LoadBindFree();
    return ok;
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
    const auto row = [](const char* what, std::size_t files, const Timings& t) {
        std::printf("%s: %zu files, %.1f MB, %d failures\n", what, files, t.bytes / 1048576.0,
                    t.failures);
        std::printf("  read   library %8.3f s   raw %8.3f s   raw/library %.2f\n", t.libraryRead,
                    t.rawRead, t.rawRead / t.libraryRead);
        std::printf("  write  library %8.3f s   raw copy %8.3f s (raw/library %.2f)   "
                    "raw durable copy %8.3f s (raw/library %.2f)\n",
                    t.libraryWrite, t.rawCopy, t.rawCopy / t.libraryWrite, t.rawDurableCopy,
                    t.rawDurableCopy / t.libraryWrite);
    };
    start = Now();
    int inOrder = 0;
    for (const std::string& file : loadFiles) {
        char outFile[260], out2[260];
        const int code = static_cast<short>(CheckTree(file.c_str(), outFile, out2));
        inOrder += code == 0 || code == -11;
    }
    std::printf("CheckTree of all %zu positions: %.3f s, %d in order\n", loadFiles.size(),
                Now() - start, inOrder);
    row("position load files (.017)", loadFiles.size(), load);
    row("transfer files (.016)", transferFiles.size(), transfer);
    return load.failures + transfer.failures == 0 ? 0 : 1;
}
