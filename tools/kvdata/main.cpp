// kvdata: makes, shows and checks the suite's files.
//   kvdata generate FOLDER [--positions N] [--fem N] [--storeys N] [--register]
//   kvdata dump FILE [--json]
//   kvdata check FILE|FOLDER
//   kvdata check --stale FOLDER [--json]
#include "tools/kvdata/FileDump.h"
#include "tools/kvdata/ProjectCheck.h"
#include "tools/kvdata/ProjectWriter.h"
#include "tools/kvdata/StalenessReport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <windows.h>

namespace
{

int usage()
{
    std::fputs("usage:\n"
               "  kvdata generate FOLDER [--positions N] [--fem N] [--storeys N] [--register]\n"
               "      writes a sample project (N positions, N FEM positions, N storeys);\n"
               "      --register makes it the suite's current project\n"
               "  kvdata dump FILE [--json]\n"
               "      shows a suite file (tavenix.ini, nampr.txt, plann, pronamew, .017, .016)\n"
               "  kvdata check FILE|FOLDER\n"
               "      checks a file or a whole project folder and says what is wrong\n"
               "  kvdata check --stale FOLDER [--json]\n"
               "      lists the transfers whose source has other reactions now and the order\n"
               "      in which to recalculate; exit code 0 all current, 1 stale, 2 error\n",
               stderr);
    return 2;
}

bool readCount(const char* text, int low, int high, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

std::string fullPath(const char* path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full) : std::string(path);
}

int generate(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    kvdata::BuildingSize size;
    const struct {
        const char* name;
        int low, high;
        int* value;
    } counts[] = {{"--positions", 5, 8999, &size.positions},
                  {"--fem", 0, 9999, &size.femPositions},
                  {"--storeys", 1, 9, &size.storeys}};
    bool registered = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--register") == 0) {
            registered = true;
            continue;
        }
        bool known = false;
        for (const auto& count : counts) {
            if (std::strcmp(argv[i], count.name) != 0 || i + 1 >= argc ||
                !readCount(argv[i + 1], count.low, count.high, *count.value))
                continue;
            known = true;
            ++i;
            break;
        }
        if (!known)
            return usage();
    }
    const kvdata::Building building = kvdata::makeBuilding(size);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(fullPath(argv[2]));
    std::string error;
    if (!kvdata::writeProject(building, folders, error)) {
        std::fprintf(stderr, "kvdata: %s\n", error.c_str());
        return 1;
    }
    if (registered && !kvdata::registerProject(folders)) {
        std::fputs("kvdata: cannot register the project\n", stderr);
        return 1;
    }
    std::printf("%zu positions written to %s\n", building.positions.size(), folders.root.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const std::string command = argv[1];
    if (command == "generate")
        return generate(argc, argv);
    if (command == "dump" && (argc == 3 || (argc == 4 && std::strcmp(argv[3], "--json") == 0)))
        return kvdata::dumpFile(fullPath(argv[2]), argc == 4, std::cout) ? 0 : 1;
    if (command == "check" && std::strcmp(argv[2], "--stale") == 0 && argc >= 4 &&
        (argc == 4 || (argc == 5 && std::strcmp(argv[4], "--json") == 0)))
        return kvdata::reportStaleness(fullPath(argv[3]), argc == 5, std::cout);
    if (command == "check" && argc == 3)
        return kvdata::checkPath(fullPath(argv[2]), std::cout) ? 0 : 1;
    return usage();
}
