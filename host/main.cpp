// kvhost: a small host design program. It opens a project of the suite, lists its
// positions and calls the load transfer module for them; see docs/host.md.
#include "framework/CWinApp.h"
#include "host/CommandLine.h"
#include "host/HostCommands.h"
#include "host/Installation.h"

#include <windows.h>

#include <commctrl.h>

#include <iostream>

namespace
{
CWinApp theApp("kvhost");

// Started from the desktop rather than a console: no console window beside the program.
void leaveOwnConsole()
{
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
}
} // namespace

int main(int argc, char** argv)
{
    host::HostOptions options;
    std::string error;
    if (!host::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "kvhost: " << error << "\n" << host::usage();
        return 2;
    }
    if (argc == 1)
        leaveOwnConsole();
    InitCommonControls();
    host::installDefaults(host::programFolder());
    return host::runCommands(options, std::cout);
}
