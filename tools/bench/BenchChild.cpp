#include "tools/bench/BenchChild.h"

#include <windows.h>

#include <cstdio>

std::map<std::string, double> RunBenchChild(const std::string& arguments,
                                            const std::string& resultFile)
{
    std::map<std::string, double> figures;
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = std::string("\"") + program + "\" " + arguments;
    DeleteFileA(resultFile.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return figures;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::FILE* f = std::fopen(resultFile.c_str(), "r");
    if (f == nullptr)
        return figures;
    char name[64];
    double value = 0.0;
    while (std::fscanf(f, "%63s %lf", name, &value) == 2)
        figures[name] = value;
    std::fclose(f);
    return figures;
}

bool WriteBenchResults(const std::string& resultFile, const std::map<std::string, double>& figures)
{
    std::FILE* f = std::fopen(resultFile.c_str(), "w");
    if (f == nullptr)
        return false;
    for (const auto& figure : figures)
        std::fprintf(f, "%s %.6f\n", figure.first.c_str(), figure.second);
    return std::fclose(f) == 0;
}
