#include "host/CommandLine.h"

#include <utility>

namespace host
{

namespace
{

bool isOption(const std::string& argument)
{
    return argument.rfind("--", 0) == 0;
}

// The commands without a value.
const HostCommand::Kind* plainCommand(const std::string& option)
{
    using Kind = HostCommand::Kind;
    static const std::pair<const char*, Kind> commands[] = {
        {"--list", Kind::List},   {"--window", Kind::Window}, {"--loads", Kind::Loads},
        {"--sheet", Kind::Sheet}, {"--check", Kind::Check},   {"--update-all", Kind::UpdateAll}};
    for (const auto& command : commands)
        if (option == command.first)
            return &command.second;
    return nullptr;
}

} // namespace

const char* usage()
{
    return "usage: kvhost [--project DIR | --sample [DIR]] [--language deu|eng]\n"
           "              [--pictures DIR] [--list] [--edit POSITION]\n"
           "              [--recalculate POSITION] [--loads] [--sheet] [--window]\n"
           "              [--own-load POSITION] [--check] [--update-all]\n"
           "  --project DIR       the project in DIR (a folder with a plan file)\n"
           "  --sample [DIR]      the sample project, generated in DIR when missing\n"
           "                      (default: the folder sample beside the program)\n"
           "                      without either: the suite's current project\n"
           "  --language CODE     the module's language from its next call: deu or eng\n"
           "  --pictures DIR      every window opened is saved as a picture in DIR and\n"
           "                      closed as Cancel would close it\n"
           "  --list              prints the positions\n"
           "  --edit POSITION     the load transfer editor for a position (name or file)\n"
           "  --recalculate POSITION\n"
           "                      recalculates a position\n"
           "  --loads             the transferred-load page over all positions; a position\n"
           "                      handed back for recalculation is recalculated\n"
           "  --sheet             the host's load sheet with the module's page in it\n"
           "  --window            the main window (the default without commands)\n"
           "  --own-load POSITION the dialog that changes an own load of a position\n"
           "  --check             the window that checks the project's load path\n"
           "  --update-all        brings every stale transfer up to date, recalculating\n"
           "                      the positions in order, and prints the check\n";
}

bool parseCommandLine(const std::vector<std::string>& arguments, HostOptions& options,
                      std::string& error)
{
    using Kind = HostCommand::Kind;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size() && !isOption(arguments[i + 1]);
        const std::string value = hasValue ? arguments[i + 1] : "";
        bool takesValue = true;
        if (option == "--project")
            options.project = {ProjectChoice::Kind::Folder, value};
        else if (option == "--sample") {
            options.project = {ProjectChoice::Kind::Sample, value};
            takesValue = hasValue; // the folder is optional
        } else if (option == "--language")
            options.language = value;
        else if (option == "--pictures")
            options.pictures = value;
        else if (option == "--edit")
            options.commands.push_back({Kind::Edit, value});
        else if (option == "--recalculate")
            options.commands.push_back({Kind::Recalculate, value});
        else if (option == "--own-load")
            options.commands.push_back({Kind::OwnLoad, value});
        else if (const Kind* kind = plainCommand(option)) {
            options.commands.push_back({*kind, ""});
            takesValue = false;
        } else {
            error = "unknown option " + option;
            return false;
        }
        if (takesValue && !hasValue) {
            error = option + " needs a value";
            return false;
        }
        i += takesValue ? 1 : 0;
    }
    if (options.commands.empty() && options.language.empty())
        options.commands.push_back({Kind::Window, ""});
    return true;
}

} // namespace host
