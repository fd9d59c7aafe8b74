// The host's command line. Without a command it shows its main window; with commands it
// runs them in order without one and prints what it did, for scripts:
//
//   kvhost [--project DIR | --sample [DIR]] [--language deu|eng] [--pictures DIR]
//          [--list] [--edit POSITION] [--recalculate POSITION] [--loads] [--sheet]
//          [--window] [--own-load POSITION] [--check] [--update-all]
#pragma once

#include "host/ProjectLocation.h"

#include <string>
#include <vector>

namespace host
{

struct HostCommand {
    enum class Kind {
        List,        // print the positions
        Edit,        // the load transfer editor for a position
        Recalculate, // recalculate a position
        Window,      // the main window
        Loads,       // the transferred-load page over all positions
        Sheet,       // the host's load sheet with the module's page
        OwnLoad,     // the own load dialog for a position
        Check,       // the project check window
        UpdateAll,   // every stale transfer brought up to date, in order
    };
    Kind kind;
    std::string position; // a name or a file, for Edit, Recalculate and OwnLoad
};

struct HostOptions {
    ProjectChoice project;
    std::string language;              // empty: as set
    std::string pictures;              // empty: windows wait for the user
    std::vector<HostCommand> commands; // none: the main window, unless only a language is set
};

// False with the reason for an unknown option or a missing argument.
bool parseCommandLine(const std::vector<std::string>& arguments, HostOptions& options,
                      std::string& error);

// The usage text.
const char* usage();

} // namespace host
